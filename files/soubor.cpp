#include "files/soubor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringList>
#include <algorithm>
#include <memory>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/kurzor.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"
#include "model/geometrie.h"
#include "model/vypocet.h"

namespace zorvet {

namespace {

const QString kKonecRadku = QStringLiteral("\r\n");
const QString kPravitko = QString(23, QLatin1Char('-'));

// Columns of a value line: label 1, unit 31, colon 39, number 42, text 43.
constexpr int kSirkaPopisku = 30;
constexpr int kSirkaJednotky = 8;
// Print zones of the table rows.
constexpr int kZona = 14;
// Nothing this program writes comes near it; a larger file is no problem file.
constexpr qint64 kNejvetsiSoubor = 64LL * 1024 * 1024;

QString zacatekRadku(const QString& popisek, const QString& jednotka) {
    return popisek.leftJustified(kSirkaPopisku, QLatin1Char(' '), true) +
           jednotka.leftJustified(kSirkaJednotky, QLatin1Char(' '), true) + QLatin1Char(':');
}

// Line breaks would split one value over two lines of the file.
QString naJedenRadek(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

class Zapisovac {
public:
    explicit Zapisovac(std::int16_t jazyk) : j_(jazyk) {}

    void radek(const QString& text = QString()) {
        out_ += text;
        out_ += kKonecRadku;
    }
    void cislo(int popisek, const QString& jednotka, float x) {
        radek(zacatekRadku(Text(popisek, j_), jednotka) + QLatin1String("  ") + TextSouboru(x));
    }
    void cislo(int popisek, int jednotka, float x) { cislo(popisek, Text(jednotka, j_), x); }
    void cele(int popisek, const QString& jednotka, std::int16_t n) {
        radek(zacatekRadku(Text(popisek, j_), jednotka) + QLatin1String("  ") + TextSouboru(n));
    }
    void text(int popisek, const QString& jednotka, const std::string& hodnota) {
        radek(zacatekRadku(Text(popisek, j_), jednotka) + QLatin1String("   ") +
              naJedenRadek(QString::fromStdString(hodnota)));
    }
    void text(int popisek, int jednotka, const std::string& hodnota) { text(popisek, Text(jednotka, j_), hodnota); }
    void prazdnaHodnota(int popisek, int jednotka) { radek(zacatekRadku(Text(popisek, j_), Text(jednotka, j_))); }
    // Two items in print zones of 14 columns: the second starts in column 15 (or the next
    // zone when the first is longer).
    void zony(const QString& prvni, const QString& druhy) {
        const qsizetype sirka = std::max<qsizetype>(((prvni.size() + kZona - 1) / kZona) * kZona, kZona);
        out_ += prvni;
        out_.append(QString(sirka - prvni.size(), QLatin1Char(' ')));
        out_ += druhy;
        out_ += kKonecRadku;
    }
    void rezervuj(qsizetype znaku) { out_.reserve(znaku); }
    const QString& text() const { return out_; }
    std::int16_t jazyk() const { return j_; }

private:
    std::int16_t j_;
    QString out_;
};

const QString kBezrozmerne = QStringLiteral("[-]");
const QString kMetry = QStringLiteral("[m]");

void zapisUlohu(Zapisovac& z, const Uloha& u) {
    // The controlled state is carried by line 1 without a value.
    if (u.Rizeny) {
        z.prazdnaHodnota(143, 113);
    } else {
        z.cislo(143, 113, u.Tpece);
    }
    z.cislo(139, 113, u.Tv);
    z.cislo(140, 113, u.Tk);
    z.cislo(117, 112, u.CasKrok);
    z.text(46, kBezrozmerne, u.NazevMaterialu);
    z.cislo(118, 119, u.m);
    z.cislo(141, 120, u.A);
    z.cislo(142, QStringLiteral("[J/kg/K]"), u.c);
    z.cislo(121, kBezrozmerne, u.Eps);
    z.cislo(122, QStringLiteral("[kg/m3]"), u.Gama);
    z.text(123, 124, u.ZadaniHmotnosti);
    if (u.ZadaniHmotnosti == "V") {
        z.text(146, 125, u.Profil);
        z.cislo(u.Profil == "K" ? 126 : 127, kMetry, u.StranaA);
        if (u.Profil == "O") {
            z.cislo(128, kMetry, u.StranaB);
        }
        z.cislo(129, kMetry, u.DelkaL);
        z.cele(130, kBezrozmerne, u.PocetProfilu);
        z.cele(131, kBezrozmerne, u.PocetAB);
        z.cele(132, kBezrozmerne, u.PocetAL);
        if (u.Profil == "O") {
            z.cele(133, kBezrozmerne, u.PocetBL);
        }
    }
}

int posledniBodKrivky(const Uloha& u) {
    return u.PocetKrivek < 0 ? 0 : (u.PocetKrivek > kMaxUseku ? kMaxUseku : u.PocetKrivek);
}

void zapisKrivku(Zapisovac& z, const Uloha& u) {
    const std::int16_t j = z.jazyk();
    z.radek();
    z.radek(Text(134, j));
    z.radek();
    z.zony(Text(135, j), Text(136, j));
    z.radek(kPravitko);
    const int posledni = posledniBodKrivky(u);
    for (int i = 0; i <= posledni; ++i) {
        const UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
        // The duration of the last point is not used; the reader takes a 0 for the end of the
        // curve, so it is always written as 0.
        z.zony(TextSouboru(bod.Teplota), TextSouboru(i == posledni ? 0.0f : bod.DobaVydrze));
    }
    z.radek();
}

void zapisVysledky(Zapisovac& z, const Stav& s) {
    const std::int16_t j = z.jazyk();
    const int posledni = s.PocetKroku < 0 ? 0 : (s.PocetKroku > kPosledniRadek ? kPosledniRadek : s.PocetKroku);
    z.radek();
    z.cislo(137, 112, s.Vysledky.Cas[static_cast<std::size_t>(posledni)]);
    z.radek();
    z.zony(Text(138, j), Text(135, j));
    z.radek(kPravitko);
    for (int i = 0; i <= posledni; ++i) {
        const auto r = static_cast<std::size_t>(i);
        z.zony(TextSouboru(s.Vysledky.Cas[r]), TextSouboru(s.Vysledky.TeplotaVsazky[r]));
    }
}

QString popisSouboru(const QString& cesta) { return QDir::toNativeSeparators(cesta); }

void hlasChybu(Dialogy& dialogy, std::int16_t j, const QString& cesta, const QString& popis) {
    dialogy.zprava(Ikona::Vykricnik, Text(98, j), popisSouboru(cesta) + QLatin1Char('\n') + popis);
}

// ---- reading ----

enum class Precteni { Ok, NeniUloha, NeuplnaUloha, BezVysledku };

bool jePravitko(const QString& radek) {
    QStringView r(radek);
    while (r.endsWith(QLatin1Char(' '))) {
        r.chop(1);
    }
    return r == kPravitko;
}

// The label of line 1 in both languages: a file written in either reads in either.
bool obsahujePopisek1(const QString& radek) {
    return radek.contains(Text(143, kAnglicky)) || radek.contains(Text(143, kCesky));
}

// Line 1 as every writer lays it out: the label in column 1 and the colon in column 39. A
// comment that merely mentions the label is then not taken for it.
bool jeRadek1(const QString& radek) {
    return (radek.startsWith(Text(143, kAnglicky)) || radek.startsWith(Text(143, kCesky))) && radek.size() >= 39 &&
           radek[38] == QLatin1Char(':');
}

class Ctenar {
public:
    Ctenar(Stav& s, const QString& text) : s_(s), u_(s.Uloha), cteni_(text) {}

    QStringList komentare;

    Precteni cti(bool sVysledky) {
        std::optional<QString> radek1 = najdiRadek1();
        if (!radek1) {
            return Precteni::NeniUloha;
        }
        if (!ctiUlohu(*radek1) || (u_.Rizeny && !ctiKrivku())) {
            return Precteni::NeuplnaUloha;
        }
        if (u_.ZadaniHmotnosti == "V") {
            u_.CelkovaPlocha = CelkovaPlochaProfilu(u_).value_or(0.0f);
        }
        if (sVysledky) {
            if (!ctiVysledky()) {
                return Precteni::BezVysledku;
            }
            if (u_.Rizeny) {
                RozvinKrivku(s_);
            }
        }
        return Precteni::Ok;
    }

private:
    // Leaves the reader after line 1 and collects the comment lines before it. Without a line
    // laid out as line 1, the first line that contains either label is taken.
    std::optional<QString> najdiRadek1() {
        QStringList predtim;
        std::optional<qsizetype> nahradni;
        QString nahradniRadek;
        qsizetype pocetNahradnich = 0;
        while (auto r = cteni_.radek()) {
            if (jeRadek1(*r)) {
                pridejKomentare(predtim, predtim.size());
                return r;
            }
            if (!nahradni && obsahujePopisek1(*r)) {
                nahradni = cteni_.pozice();
                nahradniRadek = *r;
                pocetNahradnich = predtim.size();
            }
            predtim.append(*r);
        }
        if (!nahradni) {
            return std::nullopt;
        }
        cteni_.nastavPozici(*nahradni);
        pridejKomentare(predtim, pocetNahradnich);
        return nahradniRadek;
    }

    void pridejKomentare(const QStringList& radky, qsizetype pocet) {
        for (qsizetype i = 0; i < pocet; ++i) {
            if (!radky[i].trimmed().isEmpty()) {
                komentare.append(radky[i]);
            }
        }
    }

    static std::optional<double> cislo(const QString& r) { return CtiCislo(r, kSloupecHodnoty); }
    // The one-letter codes compare without stray blanks.
    static std::string kod(const QString& r) { return CtiText(r).trimmed().toStdString(); }

    bool ctiUlohu(const QString& radek1) {
        u_.Tpece = NaSingle(cislo(radek1));
        u_.Rizeny = u_.Tpece == 0.0f;
        if (!u_.Rizeny) {
            // An uncontrolled problem has no curve; a stale count would write one again.
            u_.PocetKrivek = 0;
        }
        QString r;
        const auto dalsi = [&] {
            std::optional<QString> x = cteni_.radek();
            if (x) {
                r = *std::move(x);
            }
            return x.has_value();
        };
        if (!dalsi()) return false;
        u_.Tv = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.Tk = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.CasKrok = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.NazevMaterialu = CtiText(r).toStdString();
        if (!dalsi()) return false;
        u_.m = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.A = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.c = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.Eps = NaSingle(cislo(r));
        if (!dalsi()) return false;
        // The density reads like every other number, so a file written under the other
        // decimal separator keeps its density; a text that is no number keeps the old value.
        if (const std::optional<double> gama = cislo(r)) {
            u_.Gama = NaSingle(gama);
        }
        if (!dalsi()) return false;
        u_.ZadaniHmotnosti = kod(r);
        if (u_.ZadaniHmotnosti != "V") {
            return true;
        }
        if (!dalsi()) return false;
        u_.Profil = kod(r);
        if (!dalsi()) return false;
        u_.StranaA = NaSingle(cislo(r));
        if (u_.Profil == "O") {
            if (!dalsi()) return false;
            u_.StranaB = NaSingle(cislo(r));
        }
        if (!dalsi()) return false;
        u_.DelkaL = NaSingle(cislo(r));
        if (!dalsi()) return false;
        u_.PocetProfilu = NaCeleCislo(cislo(r));
        if (!dalsi()) return false;
        u_.PocetAB = NaCeleCislo(cislo(r));
        if (!dalsi()) return false;
        u_.PocetAL = NaCeleCislo(cislo(r));
        if (u_.Profil == "O") {
            if (!dalsi()) return false;
            u_.PocetBL = NaCeleCislo(cislo(r));
        }
        return true;
    }

    // The curve section follows the problem section of a controlled problem. A line 1 with 0
    // and no curve section after it (the text ends, or the results section comes first) is an
    // uncontrolled problem saved before its furnace temperature was typed: it reads as one.
    // Points 0, 1, ... are read until one with the duration 0 (at most 21). A curve that ends
    // otherwise (the text ends, or a field is no number) ends at the last temperature read:
    // the duration of the last point is never used, and files whose last point kept an older
    // duration read as they were meant.
    bool ctiKrivku() {
        const qsizetype zaUlohou = cteni_.pozice();
        bool nadpis = false;
        std::optional<QString> r;
        while ((r = cteni_.radek()) && !jePravitko(*r) && !zacinaVysledky(*r)) {
            nadpis = nadpis || r->contains(Text(134, kAnglicky)) || r->contains(Text(134, kCesky));
        }
        if (!r || !jePravitko(*r)) {
            if (nadpis) {
                return false;
            }
            u_.Rizeny = false;
            u_.PocetKrivek = 0;
            cteni_.nastavPozici(zaUlohou);
            return true;
        }
        int posledni = -1;
        for (int i = 0; i < kPocetBodu; ++i) {
            UsekKrivky& bod = u_.Krivka[static_cast<std::size_t>(i)];
            const std::optional<double> teplota = cteni_.ciselnePole();
            if (!teplota) {
                break;
            }
            bod.Teplota = NaSingle(teplota);
            posledni = i;
            const std::optional<double> doba = cteni_.ciselnePole();
            bod.DobaVydrze = NaSingle(doba);
            if (!doba || bod.DobaVydrze == 0.0f) {
                break;
            }
        }
        if (posledni < 0) {
            return false;
        }
        u_.PocetKrivek = static_cast<std::int16_t>(posledni);
        return true;
    }

    static bool zacinaVysledky(const QString& r) {
        return r.startsWith(Text(137, kAnglicky)) || r.startsWith(Text(137, kCesky));
    }

    // Rows of time and charge temperature (and the heat-transfer coefficient when a line
    // before the rule names "Alfa"). Blank lines and lines that are no row are skipped; rows
    // past the last row of the table are not read.
    bool ctiVysledky() {
        bool alfa = false;
        std::optional<QString> r;
        while ((r = cteni_.radek()) && !jePravitko(*r)) {
            alfa = alfa || r->contains(QLatin1String("Alfa"));
        }
        if (!r) {
            return false;
        }
        const qsizetype potreba = alfa ? 3 : 2;
        int i = 0;
        while (i < kPocetRadku && (r = cteni_.radek())) {
            const QStringList pole = RozdelRadek(*r);
            if (pole.size() < potreba) {
                continue;
            }
            std::optional<double> hodnoty[3];
            bool radekCisel = true;
            for (qsizetype k = 0; k < potreba; ++k) {
                hodnoty[k] = CtiCislo(pole[k], 1);
                radekCisel = radekCisel && hodnoty[k].has_value();
            }
            if (!radekCisel) {
                continue;
            }
            const auto radek = static_cast<std::size_t>(i);
            s_.Vysledky.Cas[radek] = NaSingle(hodnoty[0]);
            s_.Vysledky.TeplotaVsazky[radek] = NaSingle(hodnoty[1]);
            if (alfa) {
                s_.Vysledky.Alfa[radek] = NaSingle(hodnoty[2]);
            }
            ++i;
        }
        if (i == 0) {
            return false;
        }
        s_.PocetKroku = static_cast<std::int16_t>(i - 1);
        return true;
    }

    Stav& s_;
    Uloha& u_;
    CteckaTextu cteni_;
};

}  // namespace

QString TextSouboruUlohy(const Stav& stav, bool sVysledky) {
    Zapisovac z(stav.Jazyk);
    // About 30 characters a row: enough room for the largest results file at once.
    z.rezervuj(2048 + (sVysledky ? 32 * (static_cast<qsizetype>(std::max<int>(stav.PocetKroku, 0)) + 1) : 0));
    if (!stav.Komentar.empty()) {
        z.radek(naJedenRadek(QString::fromStdString(stav.Komentar)));
        z.radek();
    }
    zapisUlohu(z, stav.Uloha);
    if (stav.Uloha.Rizeny) {
        zapisKrivku(z, stav.Uloha);
    }
    if (sVysledky) {
        zapisVysledky(z, stav);
    }
    return z.text();
}

bool UlozSoubor(Stav& stav, Dialogy& dialogy, const QString& cesta, bool sVysledky) {
    const std::int16_t j = stav.Jazyk;
    if (dialogy.otazka(Text(144, j), Text(96, j))) {
        const std::optional<QString> komentar =
            dialogy.vstup(Text(145, j), Text(97, j), QString::fromStdString(stav.Komentar));
        const QString jedenRadek = komentar ? naJedenRadek(*komentar) : QString();
        stav.Komentar = jedenRadek.trimmed().isEmpty() ? std::string() : jedenRadek.toStdString();
    } else {
        stav.Komentar.clear();
    }

    KurzorCekani kurzor(dialogy);
    const QByteArray bajty = KodujSoubor(TextSouboruUlohy(stav, sVysledky));
    // The new text replaces the old file only when complete.
    QString popis;
    if (!ZapisBajty(cesta, bajty, &popis)) {
        kurzor.uvolni();
        hlasChybu(dialogy, j, cesta, popis);
        return false;
    }
    return true;
}

bool NactiSoubor(Stav& stav, Dialogy& dialogy, const QString& cesta, bool sVysledky) {
    const std::int16_t j = stav.Jazyk;
    QFile soubor(cesta);
    // Only a regular file holds a problem: a folder is none, and a device or pipe may never end
    // (/dev/zero) or never begin (a pipe without a writer).
    const QFileInfo info(cesta);
    if (info.exists() && !info.isFile()) {
        hlasChybu(dialogy, j, cesta, Text(retezec::kNeniZadani, j));
        return false;
    }
    if (!soubor.open(QIODevice::ReadOnly)) {
        hlasChybu(dialogy, j, cesta, soubor.errorString());
        return false;
    }
    if (soubor.size() > kNejvetsiSoubor) {
        hlasChybu(dialogy, j, cesta, Text(retezec::kNeniZadani, j));
        return false;
    }

    KurzorCekani kurzor(dialogy);
    const QByteArray bajty = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError) {
        const QString popis = soubor.errorString();
        kurzor.uvolni();
        hlasChybu(dialogy, j, cesta, popis);
        return false;
    }
    soubor.close();

    // Read into a copy: the state changes only when the whole file has been read.
    auto kopie = std::make_unique<Stav>(stav);
    kopie->NacitaniSouboru = true;
    Ctenar ctenar(*kopie, DekodujSoubor(bajty));
    const Precteni vysledek = ctenar.cti(sVysledky);
    kopie->NacitaniSouboru = false;
    kurzor.uvolni();

    switch (vysledek) {
        case Precteni::Ok:
            break;
        case Precteni::NeniUloha:
            hlasChybu(dialogy, j, cesta, Text(retezec::kNeniZadani, j));
            return false;
        case Precteni::NeuplnaUloha:
            hlasChybu(dialogy, j, cesta, Text(retezec::kNeuplneZadani, j));
            return false;
        case Precteni::BezVysledku:
            hlasChybu(dialogy, j, cesta, Text(retezec::kBezVysledku, j));
            return false;
    }

    const QString titulek = Text(99, j) + QLatin1Char('"') + QFileInfo(cesta).fileName() + QLatin1Char('"');
    for (const QString& komentar : ctenar.komentare) {
        dialogy.zprava(Ikona::Informace, titulek, komentar);
        kopie->Komentar = komentar.toStdString();
    }
    stav = std::move(*kopie);
    return true;
}

}  // namespace zorvet
