#include "files/jazyk.h"

#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>
#include <optional>

#include "files/cteni_souboru.h"
#include "files/retezce.h"
#include "model/case/nastaveni.h"

namespace zorvet {

namespace {

QSettings uzivatelskeNastaveni() {
    return QSettings(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zorvet"),
                     QStringLiteral("Zorvet"));
}

struct VadnySoubor {
    QString cesta;
    DruhSelhani druh = DruhSelhani::Zadne;
};

// The first settings file that may not be read; none when every one may (or is missing).
std::optional<VadnySoubor> nebezpecnySoubor() {
    for (const QString& cesta : SouboryNastaveni()) {
        const DruhSelhani druh = DruhCesty(cesta);
        if (druh == DruhSelhani::Chybi) {
            continue;
        }
        if (druh != DruhSelhani::Zadne) {
            return VadnySoubor{cesta, druh};
        }
        if (QFileInfo(cesta).size() > kNejvetsiNastaveni) {
            return VadnySoubor{cesta, DruhSelhani::PrilisVelky};
        }
    }
    return std::nullopt;
}

}  // namespace

QStringList SouboryNastaveni() {
    // The user's folder and the system's, as QSettings takes them (QStandardPaths lists the
    // user's first); in each the application's file and the organisation's.
    QStringList soubory;
    for (const QString& slozka : QStandardPaths::standardLocations(QStandardPaths::GenericConfigLocation)) {
        soubory.append(slozka + QStringLiteral("/Zorvet/Zorvet.conf"));
        soubory.append(slozka + QStringLiteral("/Zorvet.conf"));
    }
    return soubory;
}

Jazyk NactiJazyk() {
    if (nebezpecnySoubor()) {
        return Jazyk::Anglicky;
    }
    const QString text =
        uzivatelskeNastaveni().value(QStringLiteral("Settings/Language"), QStringLiteral("0")).toString();
    return text == QLatin1String("200") ? Jazyk::Cesky : Jazyk::Anglicky;
}

bool UlozJazyk(Jazyk jazyk, QString* chyba) {
    if (const std::optional<VadnySoubor> vadny = nebezpecnySoubor()) {
        if (chyba != nullptr) {
            const QString proc = vadny->druh == DruhSelhani::PrilisVelky
                                     ? TextPrilisVelky(QFileInfo(vadny->cesta).size(), kNejvetsiNastaveni, jazyk)
                                     : TextSelhani(vadny->druh, jazyk);
            *chyba = Text(id::JazykNeulozen, jazyk).arg(vadny->cesta) + QLatin1Char('\n') + proc;
        }
        return false;
    }
    QSettings s = uzivatelskeNastaveni();
    s.setValue(QStringLiteral("Settings/Language"), jazyk == Jazyk::Cesky ? QStringLiteral("200") : QStringLiteral("0"));
    s.sync();
    if (s.status() != QSettings::NoError) {
        if (chyba != nullptr) {
            *chyba = Text(id::JazykNeulozen, jazyk).arg(s.fileName());
        }
        return false;
    }
    return true;
}

QStringList NactiNedavne() {
    if (nebezpecnySoubor()) {
        return {};
    }
    return uzivatelskeNastaveni().value(QStringLiteral("Recent/Files")).toStringList().mid(0, kNejviceNedavnych);
}

bool UlozNedavne(const QStringList& soubory) {
    if (nebezpecnySoubor()) {
        return false;
    }
    QSettings s = uzivatelskeNastaveni();
    s.setValue(QStringLiteral("Recent/Files"), soubory.mid(0, kNejviceNedavnych));
    s.sync();
    return s.status() == QSettings::NoError;
}

}  // namespace zorvet
