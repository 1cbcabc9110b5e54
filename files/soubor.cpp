#include "files/soubor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <variant>

#include "files/cisla.h"
#include "files/cteni.h"
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

// ---- the layout of the problem section, walked by the writer and the reader alike ----

enum class Kdy { Vzdy, ZRozmeru, ZRozmeruObdelnik };

// A number, a 16-bit count, a text kept as written (the material name) or a one-letter code.
struct Kod {
    std::string Uloha::*pole;
};
using Pole = std::variant<float Uloha::*, std::int16_t Uloha::*, std::string Uloha::*, Kod>;

struct RadekHodnoty {
    int popisek;            // string ID of the label
    int jednotka;           // string ID of the unit, or 0 for the literal
    const char* literal;    // the unit when it is not translated
    Kdy kdy;
    Pole pole;
    int popisekKruhu = 0;   // the label of a circular profile, when it differs
    bool ponechat = false;  // a text that is no number keeps the value held
};

// Line 1 (the furnace temperature) is found by its label and read apart; these follow it.
const RadekHodnoty kRadky[] = {
    {id::SouborTv, id::JednotkaStupne, nullptr, Kdy::Vzdy, &Uloha::Tv},
    {id::SouborTk, id::JednotkaStupne, nullptr, Kdy::Vzdy, &Uloha::Tk},
    {id::SouborCasKrok, id::JednotkaSekundy, nullptr, Kdy::Vzdy, &Uloha::CasKrok},
    {id::Material, 0, "[-]", Kdy::Vzdy, &Uloha::NazevMaterialu},
    {id::SouborHmotnost, id::JednotkaKg, nullptr, Kdy::Vzdy, &Uloha::m},
    {id::SouborPlocha, id::JednotkaM2, nullptr, Kdy::Vzdy, &Uloha::A},
    {id::SouborTeplKapacita, 0, "[J/kg/K]", Kdy::Vzdy, &Uloha::c},
    {id::SouborEmisivita, 0, "[-]", Kdy::Vzdy, &Uloha::Eps},
    {id::SouborHustota, 0, "[kg/m3]", Kdy::Vzdy, &Uloha::Gama, 0, true},
    {id::SouborZadaniHmotnosti, id::JednotkaZV, nullptr, Kdy::Vzdy, Kod{&Uloha::ZadaniHmotnosti}},
    {id::SouborProfil, id::JednotkaKCO, nullptr, Kdy::ZRozmeru, Kod{&Uloha::Profil}},
    {id::SouborStranaA, 0, "[m]", Kdy::ZRozmeru, &Uloha::StranaA, id::SouborPrumer},
    {id::SouborStranaB, 0, "[m]", Kdy::ZRozmeruObdelnik, &Uloha::StranaB},
    {id::SouborDelka, 0, "[m]", Kdy::ZRozmeru, &Uloha::DelkaL},
    {id::SouborPocetProfilu, 0, "[-]", Kdy::ZRozmeru, &Uloha::PocetProfilu},
    {id::SouborPocetAB, 0, "[-]", Kdy::ZRozmeru, &Uloha::PocetAB},
    {id::SouborPocetAL, 0, "[-]", Kdy::ZRozmeru, &Uloha::PocetAL},
    {id::SouborPocetBL, 0, "[-]", Kdy::ZRozmeruObdelnik, &Uloha::PocetBL},
};

// The conditions look at values read before them: the mass mode, then the profile.
bool jePritomen(const RadekHodnoty& r, const Uloha& u) {
    switch (r.kdy) {
        case Kdy::Vzdy:
            return true;
        case Kdy::ZRozmeru:
            return u.ZadaniHmotnosti == "V";
        case Kdy::ZRozmeruObdelnik:
            return u.ZadaniHmotnosti == "V" && u.Profil == "O";
    }
    return false;
}

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
    // A number starts with its sign or blank in column 42, a text in column 43.
    void hodnota(int popisek, const QString& jednotka, const QString& hodnota, bool text) {
        radek(zacatekRadku(Text(popisek, j_), jednotka) + QLatin1String(text ? "   " : "  ") + hodnota);
    }
    void radekUlohy(const RadekHodnoty& r, const Uloha& u) {
        const int popisek = r.popisekKruhu != 0 && u.Profil == "K" ? r.popisekKruhu : r.popisek;
        const QString jednotka = r.jednotka != 0 ? Text(r.jednotka, j_) : QString::fromLatin1(r.literal);
        if (const auto* x = std::get_if<float Uloha::*>(&r.pole)) {
            hodnota(popisek, jednotka, TextSouboru(u.**x), false);
        } else if (const auto* n = std::get_if<std::int16_t Uloha::*>(&r.pole)) {
            hodnota(popisek, jednotka, TextSouboru(u.**n), false);
        } else if (const auto* t = std::get_if<std::string Uloha::*>(&r.pole)) {
            hodnota(popisek, jednotka, naJedenRadek(QString::fromStdString(u.**t)), true);
        } else {
            hodnota(popisek, jednotka, naJedenRadek(QString::fromStdString(u.*std::get<Kod>(r.pole).pole)), true);
        }
    }
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

void zapisUlohu(Zapisovac& z, const Uloha& u) {
    // The controlled state is carried by line 1 without a value.
    const QString jednotka = Text(id::JednotkaStupne, z.jazyk());
    if (u.Rizeny) {
        z.radek(zacatekRadku(Text(id::SouborTpece, z.jazyk()), jednotka));
    } else {
        z.hodnota(id::SouborTpece, jednotka, TextSouboru(u.Tpece), false);
    }
    for (const RadekHodnoty& r : kRadky) {
        if (jePritomen(r, u)) {
            z.radekUlohy(r, u);
        }
    }
}

void zapisKrivku(Zapisovac& z, const Uloha& u) {
    const std::int16_t j = z.jazyk();
    z.radek();
    z.radek(Text(id::SouborKrivka, j));
    z.radek();
    z.zony(Text(id::SloupecTeplota, j), Text(id::SloupecVydrz, j));
    z.radek(kPravitko);
    const int posledni = PocetUseku(u);
    for (int i = 0; i <= posledni; ++i) {
        const UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
        // The duration of the last point is not used; the reader takes a 0 for the end of the
        // curve, so it is always written as 0.
        z.zony(TextSouboru(bod.Teplota), TextSouboru(i == posledni ? 0.0f : bod.DobaVydrze));
    }
    z.radek();
}

void zapisVysledky(Zapisovac& z, const Vysledek& v) {
    const std::int16_t j = z.jazyk();
    const int posledni = v.posledniRadek();
    z.radek();
    z.hodnota(id::SouborDobaOhrevu, Text(id::JednotkaSekundy, j),
              TextSouboru(v.Vysledky.Cas[static_cast<std::size_t>(posledni)]), false);
    z.radek();
    z.zony(Text(id::SloupecCas, j), Text(id::SloupecTeplota, j));
    z.radek(kPravitko);
    for (int i = 0; i <= posledni; ++i) {
        const auto r = static_cast<std::size_t>(i);
        z.zony(TextSouboru(v.Vysledky.Cas[r]), TextSouboru(v.Vysledky.TeplotaVsazky[r]));
    }
}

QString chybaSouboru(const QString& cesta, const QString& popis) {
    return QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis;
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

bool obsahujeText(const QString& radek, int id) {
    return radek.contains(Text(id, kAnglicky)) || radek.contains(Text(id, kCesky));
}

bool zacinaTextem(const QString& radek, int id) {
    return radek.startsWith(Text(id, kAnglicky)) || radek.startsWith(Text(id, kCesky));
}

// Line 1 as every writer lays it out: the label in column 1 and the colon in column 39. A
// comment that merely mentions the label is then not taken for it.
bool jeRadek1(const QString& radek) {
    return zacinaTextem(radek, id::SouborTpece) && radek.size() >= 39 && radek[38] == QLatin1Char(':');
}

class Ctenar {
public:
    Ctenar(ObsahSouboru& obsah, const QString& text) : o_(obsah), u_(obsah.uloha), cteni_(text) {}

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
            auto v = std::make_unique<Vysledek>();
            if (!ctiVysledky(*v)) {
                return Precteni::BezVysledku;
            }
            v->Uloha = u_;
            RozvinKrivku(u_, v->TeplotaPece);
            o_.vysledek = std::move(v);
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
            if (!nahradni && obsahujeText(*r, id::SouborTpece)) {
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
                o_.komentare.append(radky[i]);
            }
        }
    }

    void ctiHodnotu(const RadekHodnoty& r, const QString& radek) {
        const std::optional<double> x = CtiCislo(radek, kSloupecHodnoty);
        if (const auto* f = std::get_if<float Uloha::*>(&r.pole)) {
            if (x || !r.ponechat) {
                u_.**f = NaSingle(x);
            }
        } else if (const auto* n = std::get_if<std::int16_t Uloha::*>(&r.pole)) {
            u_.**n = NaCeleCislo(x);
        } else if (const auto* t = std::get_if<std::string Uloha::*>(&r.pole)) {
            u_.**t = CtiText(radek).toStdString();
        } else {
            // The one-letter codes compare without stray blanks.
            u_.*std::get<Kod>(r.pole).pole = CtiText(radek).trimmed().toStdString();
        }
    }

    bool ctiUlohu(const QString& radek1) {
        u_.Tpece = NaSingle(CtiCislo(radek1, kSloupecHodnoty));
        u_.Rizeny = u_.Tpece == 0.0f;
        if (!u_.Rizeny) {
            // An uncontrolled problem has no curve; a stale count would write one again.
            u_.PocetKrivek = 0;
        }
        for (const RadekHodnoty& r : kRadky) {
            if (!jePritomen(r, u_)) {
                continue;
            }
            const std::optional<QString> radek = cteni_.radek();
            if (!radek) {
                return false;
            }
            ctiHodnotu(r, *radek);
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
        while ((r = cteni_.radek()) && !jePravitko(*r) && !zacinaTextem(*r, id::SouborDobaOhrevu)) {
            nadpis = nadpis || obsahujeText(*r, id::SouborKrivka);
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

    // Rows of time and charge temperature (and the heat-transfer coefficient when a line
    // before the rule names "Alfa"). Blank lines and lines that are no row are skipped; rows
    // past the last row of the table are not read.
    bool ctiVysledky(Vysledek& v) {
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
            v.Vysledky.Cas[radek] = NaSingle(hodnoty[0]);
            v.Vysledky.TeplotaVsazky[radek] = NaSingle(hodnoty[1]);
            if (alfa) {
                v.Vysledky.Alfa[radek] = NaSingle(hodnoty[2]);
            }
            ++i;
        }
        if (i == 0) {
            return false;
        }
        v.PocetKroku = static_cast<std::int16_t>(i - 1);
        return true;
    }

    ObsahSouboru& o_;
    Uloha& u_;
    CteckaTextu cteni_;
};

}  // namespace

QString TextSouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, std::int16_t jazyk) {
    Zapisovac z(jazyk);
    // About 30 characters a row: enough room for the largest results file at once.
    z.rezervuj(2048 + (vysledek != nullptr ? 32 * (vysledek->posledniRadek() + 1) : 0));
    const QString jedenRadek = naJedenRadek(komentar);
    if (!jedenRadek.trimmed().isEmpty()) {
        z.radek(jedenRadek);
        z.radek();
    }
    zapisUlohu(z, uloha);
    if (uloha.Rizeny) {
        zapisKrivku(z, uloha);
    }
    if (vysledek != nullptr) {
        zapisVysledky(z, *vysledek);
    }
    return z.text();
}

std::optional<QString> UlozSoubor(const QString& cesta, const Uloha& uloha, const Vysledek* vysledek,
                                  const QString& komentar, std::int16_t jazyk) {
    QString popis;
    if (!ZapisBajty(cesta, KodujSoubor(TextSouboru(uloha, vysledek, komentar, jazyk)), &popis)) {
        return chybaSouboru(cesta, popis);
    }
    return std::nullopt;
}

QString OtiskUlohy(const Uloha& uloha) { return TextSouboru(uloha, nullptr, QString(), kAnglicky); }

PrecteniSouboru NactiSoubor(const QString& cesta, bool sVysledky, const Uloha& vychozi, std::int16_t jazyk) {
    const auto selhani = [&](const QString& popis) { return PrecteniSouboru{nullptr, chybaSouboru(cesta, popis)}; };
    // Only a regular file holds a problem: a folder is none, and a device or pipe may never end
    // (/dev/zero) or never begin (a pipe without a writer).
    const QFileInfo info(cesta);
    if (info.exists() && !info.isFile()) {
        return selhani(Text(id::NeniZadani, jazyk));
    }
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly)) {
        return selhani(soubor.errorString());
    }
    if (soubor.size() > kNejvetsiSoubor) {
        return selhani(Text(id::NeniZadani, jazyk));
    }
    const QByteArray bajty = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError) {
        return selhani(soubor.errorString());
    }

    auto obsah = std::make_unique<ObsahSouboru>();
    obsah->uloha = vychozi;
    Ctenar ctenar(*obsah, DekodujSoubor(bajty));
    switch (ctenar.cti(sVysledky)) {
        case Precteni::Ok:
            return PrecteniSouboru{std::move(obsah), QString()};
        case Precteni::NeniUloha:
            return selhani(Text(id::NeniZadani, jazyk));
        case Precteni::NeuplnaUloha:
            return selhani(Text(id::NeuplnySoubor, jazyk));
        case Precteni::BezVysledku:
            return selhani(Text(id::BezVysledku, jazyk));
    }
    return selhani(Text(id::NeniZadani, jazyk));
}

}  // namespace zorvet
