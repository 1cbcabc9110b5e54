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

std::int16_t NactiJazyk() {
    const QString text =
        uzivatelskeNastaveni().value(QStringLiteral("Settings/Language"), QStringLiteral("0")).toString();
    return text == QLatin1String("200") ? kCesky : kAnglicky;
}

void UlozJazyk(std::int16_t jazyk) {
    QSettings s = uzivatelskeNastaveni();
    s.setValue(QStringLiteral("Settings/Language"), QString::number(jazyk == kCesky ? kCesky : kAnglicky));
    s.sync();
}

}  // namespace zorvet
