#include "files/materialy.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <algorithm>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"

namespace zorvet {

namespace {

const QString kSouborMaterialu = QStringLiteral("Material.lst");

bool jePrazdny(const QString& radek) { return radek.trimmed().isEmpty(); }

// A record and where its lines lie in the file's text.
struct Zaznam {
    Material material;
    qsizetype zacatek = 0;
    qsizetype konec = 0;
};

// Every record of the file's text, in order. A record is a name field and two numeric
// fields; blank lines between records are skipped, and so is a name without its two numbers
// (the reading goes on with the next line, so a damaged record hides no later one), and a
// record without a name: the list could not offer it. Each pass consumes at least the name,
// so the loop ends with the text.
QList<Zaznam> ctiZaznamy(const QString& text) {
    QList<Zaznam> zaznamy;
    CteckaTextu cteni(text);
    for (;;) {
        qsizetype pozice = cteni.pozice();
        while (const std::optional<QString> r = cteni.radek()) {
            if (!jePrazdny(*r)) {
                break;
            }
            pozice = cteni.pozice();
        }
        cteni.nastavPozici(pozice);
        const std::optional<QString> nazev = cteni.textovePole();
        if (!nazev) {
            break;
        }
        const std::optional<double> c = cteni.ciselnePole();
        const std::optional<double> gama = c ? cteni.ciselnePole() : std::nullopt;
        if (!gama || nazev->trimmed().isEmpty()) {
            continue;
        }
        zaznamy.append(Zaznam{Material{nazev->toStdString(), NaSingle(c), NaSingle(gama)}, pozice, cteni.pozice()});
    }
    return zaznamy;
}

// The text of a file of the folder; the empty text when it is missing, no value when it
// exists and cannot be read.
std::optional<QString> ctiSoubor(const QString& cesta, QString* chyba) {
    QFile soubor(cesta);
    if (!soubor.exists()) {
        return QString();
    }
    if (!soubor.open(QIODevice::ReadOnly)) {
        *chyba = soubor.errorString();
        return std::nullopt;
    }
    const QByteArray bajty = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError) {
        *chyba = soubor.errorString();
        return std::nullopt;
    }
    return DekodujSoubor(bajty);
}

// A name with a comma ends at it when read, and leading blanks are skipped: such a name is
// written between double quotes (a double quote inside it becomes an apostrophe, since it
// would end the quoted name).
QString jmenoProZapis(const QString& nazev) {
    if (!nazev.contains(QLatin1Char(',')) && !nazev.startsWith(QLatin1Char(' ')) &&
        !nazev.startsWith(QLatin1Char('"'))) {
        return nazev;
    }
    QString uvnitr = nazev;
    uvnitr.replace(QLatin1Char('"'), QLatin1Char('\''));
    return QLatin1Char('"') + uvnitr + QLatin1Char('"');
}

QString radkyZaznamu(const Material& m) {
    const QString konec = QStringLiteral("\r\n");
    return jmenoProZapis(QString::fromStdString(m.Nazev)) + konec + TextSouboru(m.c) + TextSouboru(m.Gama) + konec;
}

// The name as it is stored: one line; with the quotes of jmenoProZapis it reads back the same.
std::string upravJmeno(QString nazev) {
    nazev.replace(QLatin1Char('\r'), QLatin1Char(' '));
    nazev.replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (nazev.contains(QLatin1Char(',')) || nazev.startsWith(QLatin1Char(' ')) ||
        nazev.startsWith(QLatin1Char('"'))) {
        nazev.replace(QLatin1Char('"'), QLatin1Char('\''));
    }
    return nazev.toStdString();
}

}  // namespace

DatabazeMaterialu NactiMaterialy(const QString& slozka, std::int16_t jazyk) {
    const QDir dir(slozka);
    DatabazeMaterialu db;
    QString chyba;
    if (const std::optional<QString> text = ctiSoubor(dir.filePath(kSouborMaterialu), &chyba)) {
        for (const Zaznam& z : ctiZaznamy(*text)) {
            if (db.Materialy.size() == static_cast<std::size_t>(kPocetMaterialu)) {
                break;
            }
            db.Materialy.push_back(z.material);
        }
    }
    if (const std::optional<QString> eps = ctiSoubor(dir.filePath(Text(id::SouborEps, jazyk)), &chyba)) {
        CteckaTextu cteni(*eps);
        QString tabulka;
        while (const std::optional<QString> material = cteni.radek()) {
            const std::optional<QString> hodnota = cteni.radek();
            tabulka += *material;
            if (hodnota) {
                tabulka += QStringLiteral(" - ") + *hodnota;
            }
            tabulka += QStringLiteral("  ");
        }
        db.TabulkaEps = tabulka.toStdString();
    }
    return db;
}

UlozeniMaterialu UlozMaterial(const QString& slozka, const Material& material, bool prepsat, QString* chyba) {
    const QString cesta = QDir(slozka).filePath(kSouborMaterialu);
    const auto selhani = [&](const QString& popis) {
        *chyba = QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis;
        return UlozeniMaterialu::Chyba;
    };
    QString popis;
    std::optional<QString> text = ctiSoubor(cesta, &popis);
    if (!text) {
        return selhani(popis);
    }
    Material novy = material;
    novy.Nazev = upravJmeno(QString::fromStdString(material.Nazev));
    const QList<Zaznam> zaznamy = ctiZaznamy(*text);
    const auto stejny = std::find_if(zaznamy.begin(), zaznamy.end(),
                                     [&novy](const Zaznam& z) { return z.material.Nazev == novy.Nazev; });
    UlozeniMaterialu vysledek = UlozeniMaterialu::Pridan;
    if (stejny != zaznamy.end()) {
        if (!prepsat) {
            return UlozeniMaterialu::Existuje;
        }
        text->replace(stejny->zacatek, stejny->konec - stejny->zacatek, radkyZaznamu(novy));
        vysledek = UlozeniMaterialu::Prepsan;
    } else {
        if (zaznamy.size() >= kPocetMaterialu) {
            return UlozeniMaterialu::Plna;
        }
        if (!text->isEmpty() && !text->endsWith(QLatin1Char('\n')) && !text->endsWith(QLatin1Char('\r'))) {
            *text += QStringLiteral("\r\n");
        }
        *text += radkyZaznamu(novy);
    }
    if (!ZapisBajty(cesta, KodujSoubor(*text), &popis)) {
        return selhani(popis);
    }
    return vysledek;
}

}  // namespace zorvet
