#include "files/materialy.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <algorithm>
#include <limits>
#include <vector>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"

namespace zorvet {

namespace {

const QString kSouborMaterialu = QStringLiteral("Material.lst");
const QString kSouborVodivosti = QStringLiteral("Conductivity.lst");

bool jePrazdny(const QString& radek) { return radek.trimmed().isEmpty(); }

// A record and where its lines lie in the file's text.
struct Zaznam {
    std::string nazev;
    std::vector<float> cisla;
    qsizetype zacatek = 0;
    qsizetype konec = 0;
};

// Every record of the file's text, in order. A record is a name field and its numeric
// fields; blank lines between records are skipped, and so is a name without its numbers
// (the reading goes on with the next line, so a damaged record hides no later one), and a
// record without a name: the list could not offer it. Each pass consumes at least the name,
// so the loop ends with the text.
QList<Zaznam> ctiZaznamy(const QString& text, int pocetCisel) {
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
        std::vector<float> cisla;
        for (std::optional<double> x; static_cast<int>(cisla.size()) < pocetCisel && (x = cteni.ciselnePole());) {
            cisla.push_back(toSingle(x));
        }
        if (static_cast<int>(cisla.size()) < pocetCisel || nazev->trimmed().isEmpty()) {
            continue;
        }
        zaznamy.append(Zaznam{nazev->toStdString(), std::move(cisla), pozice, cteni.pozice()});
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
    return decodeDataFile(bajty);
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

QString radkyZaznamu(const std::string& nazev, const std::vector<float>& cisla) {
    const QString konec = QStringLiteral("\r\n");
    QString text = jmenoProZapis(QString::fromStdString(nazev)) + konec;
    for (float x : cisla) {
        text += CisloSouboru(x);
    }
    return text + konec;
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


// Adds or (with prepsat) replaces the record of that name in the file, keeping everything
// else as it is; at most limit records are added to.
UlozeniMaterialu ulozZaznam(const QString& cesta, const std::string& jmeno, const std::vector<float>& cisla,
                            bool prepsat, int limit, QString* chyba) {
    const auto selhani = [&](const QString& popis) {
        *chyba = QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis;
        return UlozeniMaterialu::Chyba;
    };
    QString popis;
    std::optional<QString> text = ctiSoubor(cesta, &popis);
    if (!text) {
        return selhani(popis);
    }
    const std::string nazev = upravJmeno(QString::fromStdString(jmeno));
    const QList<Zaznam> zaznamy = ctiZaznamy(*text, static_cast<int>(cisla.size()));
    const auto stejny = std::find_if(zaznamy.begin(), zaznamy.end(), [&nazev](const Zaznam& z) { return z.nazev == nazev; });
    UlozeniMaterialu vysledek = UlozeniMaterialu::Pridan;
    if (stejny != zaznamy.end()) {
        if (!prepsat) {
            return UlozeniMaterialu::Existuje;
        }
        text->replace(stejny->zacatek, stejny->konec - stejny->zacatek, radkyZaznamu(nazev, cisla));
        vysledek = UlozeniMaterialu::Prepsan;
    } else {
        if (zaznamy.size() >= limit) {
            return UlozeniMaterialu::Plna;
        }
        if (!text->isEmpty() && !text->endsWith(QLatin1Char('\n')) && !text->endsWith(QLatin1Char('\r'))) {
            *text += QStringLiteral("\r\n");
        }
        *text += radkyZaznamu(nazev, cisla);
    }
    if (!writeWhole(cesta, encodeDataFile(*text), &popis)) {
        return selhani(popis);
    }
    return vysledek;
}

}  // namespace

DatabazeMaterialu NactiMaterialy(const QString& slozka, Jazyk jazyk) {
    const QDir dir(slozka);
    DatabazeMaterialu db;
    QString chyba;
    if (const std::optional<QString> text = ctiSoubor(dir.filePath(kSouborMaterialu), &chyba)) {
        const QList<Zaznam> zaznamy = ctiZaznamy(*text, 2);
        for (const Zaznam& z : zaznamy) {
            if (db.Materialy.size() == static_cast<std::size_t>(kPocetMaterialu)) {
                break;
            }
            db.Materialy.push_back(Material{z.nazev, z.cisla[0], z.cisla[1]});
        }
        // Every record this program writes ends with its line end: a last one without it may
        // have lost digits of its density ("78" of "7850") with the end of the file.
        const bool bezKonce = !text->endsWith(QLatin1Char('\n')) && !text->endsWith(QLatin1Char('\r'));
        if (bezKonce && !zaznamy.isEmpty() && zaznamy.last().konec == text->size() &&
            db.Materialy.size() == static_cast<std::size_t>(zaznamy.size())) {
            db.Orezany = db.Materialy.back();
        }
    }
    if (const std::optional<QString> text = ctiSoubor(dir.filePath(kSouborVodivosti), &chyba)) {
        for (const Zaznam& z : ctiZaznamy(*text, 1)) {
            // The first record of a name counts, as the material list finds the first.
            db.Vodivosti.emplace(z.nazev, z.cisla[0]);
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
    return ulozZaznam(QDir(slozka).filePath(kSouborMaterialu), material.Nazev, {material.c, material.Gama}, prepsat,
                      kPocetMaterialu, chyba);
}

UlozeniMaterialu UlozVodivost(const QString& slozka, const std::string& nazev, float lambda, QString* chyba) {
    return ulozZaznam(QDir(slozka).filePath(kSouborVodivosti), nazev, {lambda}, true, std::numeric_limits<int>::max(),
                      chyba);
}

}  // namespace zorvet
