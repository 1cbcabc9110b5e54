#include "files/jazyk.h"

#include <QSettings>

#include "model/nastaveni.h"

namespace zorvet {

namespace {
QSettings uzivatelskeNastaveni() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zorvet"),
                     QStringLiteral("Zorvet"));
}
}  // namespace

Jazyk NactiJazyk() {
    const QString text =
        uzivatelskeNastaveni().value(QStringLiteral("Settings/Language"), QStringLiteral("0")).toString();
    return text == QLatin1String("200") ? Jazyk::Cesky : Jazyk::Anglicky;
}

void UlozJazyk(Jazyk jazyk) {
    QSettings s = uzivatelskeNastaveni();
    s.setValue(QStringLiteral("Settings/Language"), jazyk == Jazyk::Cesky ? QStringLiteral("200") : QStringLiteral("0"));
    s.sync();
}

}  // namespace zorvet
