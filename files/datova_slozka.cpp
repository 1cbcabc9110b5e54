#include "files/datova_slozka.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <cstdio>
#include <unistd.h>

#include "files/jazyk.h"
#include "files/retezce.h"
#include "model/case/nastaveni.h"

// The shipped data relative to the installed program; the build passes the path that its
// install rules use.
#ifndef ZORVET_DODANA_DATA
#define ZORVET_DODANA_DATA "../share/zorvet"
#endif

namespace zorvet {

namespace {

bool drziData(const QString& slozka) {
    const QDir dir(slozka);
    for (const QString& jmeno : DatoveSoubory()) {
        if (QFileInfo(dir.filePath(jmeno)).isFile()) {
            return true;
        }
    }
    return false;
}

void pridejChybu(QString& chyba, const QString& radek) {
    if (!chyba.isEmpty()) {
        chyba += QLatin1Char('\n');
    }
    chyba += radek;
}

}  // namespace

QStringList DatoveSoubory() {
    return {QStringLiteral("Material.lst"), QStringLiteral("Conductivity.lst"), Text(id::SouborEps, Jazyk::Anglicky),
            Text(id::SouborEps, Jazyk::Cesky), QStringLiteral("Refractories.lst")};
}

bool LzeZapisovat(const QString& slozka) {
    const QFileInfo info(slozka);
    if (!info.isDir()) {
        return false;
    }
    // access() asks the kernel, so a read-only mount counts as well as the permission bits.
    return ::access(QFile::encodeName(info.absoluteFilePath()).constData(), W_OK | X_OK) == 0;
}

MistaDat MistaProgramu() {
    const QString program = QCoreApplication::applicationDirPath();
    return MistaDat{
        program,
        QDir::cleanPath(QDir(program).filePath(QStringLiteral(ZORVET_DODANA_DATA))),
        QDir(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation))
            .filePath(QStringLiteral("org.zorvet.Zorvet")),
    };
}

DatovaSlozka UrciDatovouSlozku(const MistaDat& mista, const ZkouskaZapisu& lzeZapisovat, Jazyk jazyk) {
    const bool dodana = !mista.dodanaData.isEmpty() && drziData(mista.dodanaData);
    const bool uProgramu = drziData(mista.slozkaProgramu);
    if (lzeZapisovat(mista.slozkaProgramu) && (uProgramu || !dodana)) {
        return DatovaSlozka{mista.slozkaProgramu, false, {}, {}};
    }

    // Where the per-user copies come from, and where to work when there is no per-user folder.
    const QString zdroj = dodana ? mista.dodanaData : mista.slozkaProgramu;
    DatovaSlozka vysledek{mista.osobniSlozka, true, {}, {}};
    if (mista.osobniSlozka.isEmpty() || !QDir().mkpath(mista.osobniSlozka)) {
        pridejChybu(vysledek.chyba, Text(id::DatovaSlozka, jazyk) + QLatin1Char('\n') +
                                        QDir::toNativeSeparators(mista.osobniSlozka));
        vysledek.cesta = zdroj;
        vysledek.osobni = false;
        return vysledek;
    }

    const QDir cil(mista.osobniSlozka);
    const QDir odkud(zdroj);
    for (const QString& jmeno : DatoveSoubory()) {
        const QString kam = cil.filePath(jmeno);
        // Anything already there is the user's: a changed Material.lst, or even a folder of
        // that name, is left as it is.
        if (QFileInfo(kam).exists() || QFileInfo(kam).isSymLink()) {
            continue;
        }
        const QString co = odkud.filePath(jmeno);
        if (!QFileInfo(co).isFile()) {
            continue;
        }
        QFile soubor(co);
        if (!soubor.copy(kam)) {
            pridejChybu(vysledek.chyba, Text(id::DatovySoubor, jazyk) + QLatin1Char('\n') +
                                            QDir::toNativeSeparators(kam) + QLatin1Char('\n') +
                                            soubor.errorString());
            continue;
        }
        // The shipped file may be read-only; the user's copy must take new materials.
        QFile kopie(kam);
        kopie.setPermissions(kopie.permissions() | QFile::ReadOwner | QFile::WriteOwner);
        vysledek.doplneno.append(jmeno);
    }
    return vysledek;
}

DatovaSlozka NastavDatovouSlozku() {
    DatovaSlozka slozka = UrciDatovouSlozku(MistaProgramu(), LzeZapisovat, NactiJazyk());
    if (!slozka.chyba.isEmpty()) {
        const QByteArray text = (QStringLiteral("zorvet: ") + slozka.chyba + QLatin1Char('\n')).toUtf8();
        std::fwrite(text.constData(), 1, static_cast<std::size_t>(text.size()), stderr);
    }
    QDir::setCurrent(slozka.cesta);
    return slozka;
}

}  // namespace zorvet
