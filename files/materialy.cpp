#include "files/materialy.h"

#include <QDir>
#include <QFile>
#include <QList>
#include <QLockFile>
#include <algorithm>
#include <cmath>
#include <limits>
#include <set>
#include <vector>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/cteni_souboru.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"

namespace zorvet {

namespace {

const QString kSouborMaterialu = QStringLiteral("Material.lst");
const QString kSouborVodivosti = QStringLiteral("Conductivity.lst");
const QString kSouborVlastnosti = QStringLiteral("MaterialProperties.txt");
const QString kMaterial = QStringLiteral("material");
const QString kLambda = QStringLiteral("lambda");
const QString kBod = QStringLiteral("point");

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
        cteni.preskocPrazdneRadky();
        const qsizetype pozice = cteni.pozice();
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

// The text of a file of the folder; the empty text when it is missing, no value (and the
// reason in chyba) when it is anything but a regular file within the limit, or cannot be read.
std::optional<QString> ctiSoubor(const QString& cesta, qint64 nejvic, Jazyk jazyk, QString* chyba) {
    const CelySoubor soubor = NactiCelySoubor(cesta, nejvic, jazyk);
    if (soubor.druh == DruhSelhani::Chybi) {
        return QString();
    }
    if (!soubor.precten()) {
        *chyba = soubor.chyba;
        return std::nullopt;
    }
    return decodeDataFile(soubor.bajty);
}

ZkouskaUkladani& zkouska() {
    static ZkouskaUkladani z;
    return z;
}

// Holds the lock of a data file for one save: while one save reads, merges and writes the
// file, no other (of this or another process) can, so no save reported as done is lost.
class ZamekUlozeni {
public:
    explicit ZamekUlozeni(const QString& cesta) : zamek_(cesta + QStringLiteral(".lock")) {}
    // No value once the lock is held; else why not.
    std::optional<QString> zamkni(Jazyk jazyk) {
        if (zamek_.tryLock(zkouska().cekaniMs)) {
            return std::nullopt;
        }
        if (zamek_.error() == QLockFile::LockFailedError) {
            return Text(id::UkladaniObsazeno, jazyk);
        }
        return Text(id::ZamekNelze, jazyk).arg(QDir::toNativeSeparators(zamek_.fileName()));
    }

private:
    QLockFile zamek_;
};

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
                            bool prepsat, int limit, Jazyk jazyk, QString* chyba) {
    const auto selhani = [&](const QString& popis) {
        *chyba = ZpravaSouboru(cesta, popis);
        return UlozeniMaterialu::Chyba;
    };
    ZamekUlozeni zamek(cesta);
    if (const std::optional<QString> proc = zamek.zamkni(jazyk)) {
        return selhani(*proc);
    }
    QString popis;
    std::optional<QString> text = ctiSoubor(cesta, kNejvetsiSeznamMaterialu, jazyk, &popis);
    if (!text) {
        return selhani(popis);
    }
    if (const std::function<void()> poCteni = zkouska().poCteni) {
        poCteni();
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

// The companion file MaterialProperties.txt (files/materialy.h).

// The lines of a text, each with its own line end, so that they join back to the same text.
QStringList radkyTextu(const QString& text) {
    QStringList radky;
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool konec = text[i] == QLatin1Char('\n') ||
                           (text[i] == QLatin1Char('\r') && (i + 1 == text.size() || text[i + 1] != QLatin1Char('\n')));
        if (konec) {
            radky.append(text.sliced(zacatek, i + 1 - zacatek));
            zacatek = i + 1;
        }
    }
    if (zacatek < text.size()) {
        radky.append(text.sliced(zacatek));
    }
    return radky;
}

// A line's keyword and what follows it: the rest after the first tab (or, in a line edited by
// hand, after the first blank), without the line end.
std::pair<QString, QString> rozlozRadek(QString radek) {
    while (radek.endsWith(QLatin1Char('\n')) || radek.endsWith(QLatin1Char('\r'))) {
        radek.chop(1);
    }
    qsizetype mezera = radek.indexOf(QLatin1Char('\t'));
    if (mezera < 0) {
        mezera = radek.indexOf(QLatin1Char(' '));
    }
    if (mezera < 0) {
        return {radek.trimmed(), QString()};
    }
    return {radek.left(mezera).trimmed(), radek.mid(mezera + 1)};
}

struct ZaznamVlastnosti {
    std::string nazev;
    qsizetype prvni = 0;  // its material line
    qsizetype konec = 0;  // the line after its last
};

QList<ZaznamVlastnosti> zaznamyVlastnosti(const QStringList& radky) {
    QList<ZaznamVlastnosti> zaznamy;
    for (qsizetype i = 0; i < radky.size(); ++i) {
        const auto [klic, zbytek] = rozlozRadek(radky[i]);
        if (klic == kMaterial) {
            if (!zaznamy.isEmpty()) {
                zaznamy.last().konec = i;
            }
            zaznamy.append(ZaznamVlastnosti{zbytek.toStdString(), i, radky.size()});
        }
    }
    return zaznamy;
}

float cisloNeboNan(const QString& text) {
    const std::optional<double> x = parseNumber(text);
    return x ? static_cast<float>(*x) : std::numeric_limits<float>::quiet_NaN();
}

BodVlastnosti ctiBod(const QString& zbytek) {
    const QStringList pole = zbytek.simplified().split(QLatin1Char(' '), Qt::SkipEmptyParts);
    const auto policko = [&pole](qsizetype i) { return i < pole.size() ? cisloNeboNan(pole[i]) : cisloNeboNan({}); };
    return BodVlastnosti{policko(0), policko(1), pole.size() > 2 ? policko(2) : 0.0f};
}

void ctiVlastnosti(const QString& text, DatabazeMaterialu& db) {
    const QStringList radky = radkyTextu(text);
    std::set<std::string> videne;
    for (const ZaznamVlastnosti& z : zaznamyVlastnosti(radky)) {
        // A record without a name belongs to no material (its lines stay in the file).
        if (z.nazev.empty() || !videne.insert(z.nazev).second) {
            continue;
        }
        VlastnostiMaterialu krivka{z.nazev, {}};
        bool lambda = false;
        for (qsizetype i = z.prvni + 1; i < z.konec; ++i) {
            const auto [klic, zbytek] = rozlozRadek(radky[i]);
            if (klic == kLambda && !lambda) {
                lambda = true;
                db.Vodivosti[z.nazev] = toSingle(parseNumber(zbytek));
            } else if (klic == kBod) {
                krivka.Body.push_back(ctiBod(zbytek));
            }
        }
        if (!krivka.Body.empty()) {
            db.Krivky.emplace(z.nazev, std::move(krivka));
        }
    }
}

// The shortest form with the point that reads back as the same single.
QString cisloVlastnosti(float x) {
    for (int cislic = 6; cislic < 9; ++cislic) {
        const QString text = QString::number(static_cast<double>(x), 'g', cislic);
        if (text.toFloat() == x) {
            return text;
        }
    }
    return QString::number(static_cast<double>(x), 'g', 9);
}

// Replaces the lines of one keyword in the record of that name with nove (adding the record
// at the end when the file has none); every other line stays as it is. Existuje when the
// record holds such lines and prepsat is false.
UlozeniMaterialu ulozVlastnost(const QString& slozka, QString nazev, const QString& klic, const QStringList& nove,
                               bool prepsat, Jazyk jazyk, QString* chyba) {
    const QString cesta = QDir(slozka).filePath(kSouborVlastnosti);
    const auto selhani = [&](const QString& popis) {
        *chyba = ZpravaSouboru(cesta, popis);
        return UlozeniMaterialu::Chyba;
    };
    ZamekUlozeni zamek(cesta);
    if (const std::optional<QString> proc = zamek.zamkni(jazyk)) {
        return selhani(*proc);
    }
    QString popis;
    const std::optional<QString> text = ctiSoubor(cesta, kNejvetsiVlastnostiMaterialu, jazyk, &popis);
    if (!text) {
        return selhani(popis);
    }
    if (const std::function<void()> poCteni = zkouska().poCteni) {
        poCteni();
    }
    for (const QChar znak : {QLatin1Char('\t'), QLatin1Char('\r'), QLatin1Char('\n')}) {
        nazev.replace(znak, QLatin1Char(' '));
    }
    const QString konec = text->contains(QStringLiteral("\r\n")) ? QStringLiteral("\r\n") : QStringLiteral("\n");
    QStringList vlozit;
    for (const QString& hodnota : nove) {
        vlozit.append(klic + QLatin1Char('\t') + hodnota + konec);
    }
    QStringList radky = radkyTextu(*text);
    const QList<ZaznamVlastnosti> zaznamy = zaznamyVlastnosti(radky);
    const auto zaznam = std::find_if(zaznamy.begin(), zaznamy.end(),
                                     [&nazev](const ZaznamVlastnosti& z) { return z.nazev == nazev.toStdString(); });
    UlozeniMaterialu vysledek = UlozeniMaterialu::Pridan;
    if (zaznam == zaznamy.end()) {
        if (radky.isEmpty()) {
            radky.append(QStringLiteral("# Zorvet: thermal conductivities and property curves of materials, by name.") +
                         konec);
            radky.append(QStringLiteral("# material, then lambda [W/m/K] and points T [°C], c [J/kg/K], λ [W/m/K]; "
                                        "fields separated by tabs.") +
                         konec);
        } else if (!radky.last().endsWith(QLatin1Char('\n')) && !radky.last().endsWith(QLatin1Char('\r'))) {
            radky.last() += konec;
        }
        radky.append(kMaterial + QLatin1Char('\t') + nazev + konec);
        radky.append(vlozit);
    } else {
        // The new lines where the old ones began, or after the record's last line of content.
        qsizetype kam = -1;
        for (qsizetype i = zaznam->konec - 1; i > zaznam->prvni; --i) {
            if (rozlozRadek(radky[i]).first == klic) {
                radky.removeAt(i);
                kam = i;
            }
        }
        if (kam >= 0 && !prepsat) {
            return UlozeniMaterialu::Existuje;
        }
        vysledek = kam >= 0 ? UlozeniMaterialu::Prepsan : UlozeniMaterialu::Pridan;
        if (kam < 0) {
            kam = zaznam->konec;
            while (kam - 1 > zaznam->prvni &&
                   (radky[kam - 1].trimmed().isEmpty() || radky[kam - 1].startsWith(QLatin1Char('#')))) {
                --kam;
            }
            if (!radky[kam - 1].endsWith(QLatin1Char('\n')) && !radky[kam - 1].endsWith(QLatin1Char('\r'))) {
                radky[kam - 1] += konec;
            }
        }
        for (qsizetype i = 0; i < vlozit.size(); ++i) {
            radky.insert(kam + i, vlozit[i]);
        }
    }
    if (!writeWhole(cesta, radky.join(QString()).toUtf8(), &popis)) {
        return selhani(popis);
    }
    return vysledek;
}

}  // namespace

QString SouborVlastnosti() { return kSouborVlastnosti; }

void NastavZkouskuUkladani(ZkouskaUkladani z) { zkouska() = std::move(z); }

DatabazeMaterialu NactiMaterialy(const QString& slozka, Jazyk jazyk, QList<Chyba>* chyby) {
    const QDir dir(slozka);
    DatabazeMaterialu db;
    const auto cti = [&](const QString& jmeno, qint64 nejvic) {
        const QString cesta = dir.filePath(jmeno);
        QString chyba;
        std::optional<QString> text = ctiSoubor(cesta, nejvic, jazyk, &chyba);
        if (!text && chyby != nullptr) {
            chyby->append(Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, jazyk), ZpravaSouboru(cesta, chyba)});
        }
        return text;
    };
    if (const std::optional<QString> text = cti(kSouborMaterialu, kNejvetsiSeznamMaterialu)) {
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
    if (const std::optional<QString> text = cti(kSouborVodivosti, kNejvetsiSeznamMaterialu)) {
        for (const Zaznam& z : ctiZaznamy(*text, 1)) {
            // The first record of a name counts, as the material list finds the first.
            db.Vodivosti.emplace(z.nazev, z.cisla[0]);
        }
    }
    if (const std::optional<QString> text = cti(kSouborVlastnosti, kNejvetsiVlastnostiMaterialu)) {
        ctiVlastnosti(*text, db);
    }
    if (const std::optional<QString> eps = cti(Text(id::SouborEps, jazyk), kNejvetsiTabulkaEps)) {
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

namespace {

// A save, its failure given as the File Error it is.
UlozeniMaterialu sChybou(Jazyk j, Chyba* chyba, const std::function<UlozeniMaterialu(QString*)>& ulozeni) {
    QString popis;
    const UlozeniMaterialu u = ulozeni(&popis);
    if (u == UlozeniMaterialu::Chyba && chyba != nullptr) {
        *chyba = Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, j), popis};
    }
    return u;
}

}  // namespace

UlozeniMaterialu UlozMaterial(const QString& slozka, const Material& material, bool prepsat, Chyba* chyba,
                              Jazyk jazyk) {
    return sChybou(jazyk, chyba, [&](QString* popis) {
        return ulozZaznam(QDir(slozka).filePath(kSouborMaterialu), material.Nazev, {material.c, material.Gama},
                          prepsat, kPocetMaterialu, jazyk, popis);
    });
}

UlozeniMaterialu UlozVodivost(const QString& slozka, const std::string& nazev, float lambda, Chyba* chyba,
                              Jazyk jazyk) {
    return sChybou(jazyk, chyba, [&](QString* popis) {
        return ulozVlastnost(slozka, QString::fromStdString(upravJmeno(QString::fromStdString(nazev))), kLambda,
                             {cisloVlastnosti(lambda)}, true, jazyk, popis);
    });
}

UlozeniMaterialu UlozKrivku(const QString& slozka, const VlastnostiMaterialu& krivka, bool prepsat, Chyba* chyba,
                            Jazyk jazyk) {
    const bool lambda =
        std::any_of(krivka.Body.begin(), krivka.Body.end(), [](const BodVlastnosti& b) { return b.lambda != 0.0f; });
    QStringList body;
    for (const BodVlastnosti& b : krivka.Body) {
        QString bod = cisloVlastnosti(b.T) + QLatin1Char('\t') + cisloVlastnosti(b.c);
        if (lambda) {
            bod += QLatin1Char('\t') + cisloVlastnosti(b.lambda);
        }
        body.append(bod);
    }
    return sChybou(jazyk, chyba, [&](QString* popis) {
        return ulozVlastnost(slozka, QString::fromStdString(krivka.Nazev), kBod, body, prepsat, jazyk, popis);
    });
}

}  // namespace zorvet
