// The writer of problem and results files.
#include <QDir>
#include <cmath>
#include <vector>

#include "files/cisla.h"
#include "files/soubor.h"
#include "files/soubor_pec.h"
#include "files/soubor_radky.h"
#include "files/windows1250.h"
#include "files/zapis.h"
#include "model/march/prubeh_pece.h"

namespace zorvet {

using namespace soubor;

namespace {

// The value a line of the file shows: the heat capacity of a case with a property curve is the
// curve's mean, what a reader of the documented lines computes its energy with.
double hodnotaRadku(const PopisPole& p, const Uloha& u) {
    return p.velicina == Velicina::c ? static_cast<double>(UcinnaC(u)) : ZobrazenaHodnota(p, u);
}

QString cisloRadku(const PopisPole& p, double x) {
    return p.druh == DruhPole::Pocet ? CisloSouboru(static_cast<std::int16_t>(x)) : CisloSouboru(static_cast<float>(x));
}

void radekUlohy(Zapisovac& z, const PopisPole& p, const Uloha& u) {
    const int popisek = p.souborPopisekKruh != 0 && u.Profil == Profil::Kruhovy ? p.souborPopisekKruh : p.souborPopisek;
    const QString jednotka = JednotkaRadku(p, z.jazyk());
    switch (p.druh) {
        case DruhPole::Cislo:
        case DruhPole::Pocet:
            z.hodnota(popisek, jednotka, cisloRadku(p, hodnotaRadku(p, u)), false);
            break;
        case DruhPole::Text:
            z.hodnota(popisek, jednotka, NaJedenRadek(QString::fromStdString(u.NazevMaterialu)), true);
            break;
        case DruhPole::Kod:
            z.hodnota(popisek, jednotka, Kod(u, p.velicina), true);
            break;
    }
}

void zapisUlohu(Zapisovac& z, const Uloha& u) {
    // The controlled state is carried by line 1 without a value.
    const PopisPole& tpece = Pole(Velicina::Tpece);
    if (u.Rizeny) {
        z.radek(Text(tpece.souborPopisek, z.jazyk()).leftJustified(kSirkaPopisku, QLatin1Char(' '), true) +
                JednotkaRadku(tpece, z.jazyk()).leftJustified(kSirkaJednotky, QLatin1Char(' '), true) +
                QLatin1Char(':'));
    } else {
        radekUlohy(z, tpece, u);
    }
    for (const PopisPole* p : RadkySouboru()) {
        if (Plati(p->kdy, u)) {
            radekUlohy(z, *p, u);
        }
    }
}

void zapisKrivku(Zapisovac& z, const Uloha& u) {
    const Jazyk j = z.jazyk();
    z.radek();
    z.radek(Text(id::SouborKrivka, j));
    z.radek();
    z.zony({Text(id::SloupecTeplota, j), Text(id::SloupecProdleva, j)});
    z.radek(kPravitko);
    const int posledni = PocetUseku(u);
    for (int i = 0; i <= posledni; ++i) {
        const UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
        // The duration of the last point is not used; the reader takes a 0 for the end of the
        // curve, so it is always written as 0.
        z.zony({CisloSouboru(bod.Teplota), CisloSouboru(i == posledni ? 0.0f : bod.DobaVydrze)});
    }
    z.radek();
}

// ---- the extended setting ----
//
// What a case holds beyond the documented problem, and what a result computed with it needs
// besides its rows, goes into a section of its own between the problem (with its curve) and
// the results: a reader of the documented format reads a problem file no further than the
// problem, and in a results file it passes over every line up to the rule of the results,
// looking only for "Alfa". The section holds neither a rule nor "Alfa", nor a line that starts
// as the heating period's, nor the heading of a furnace curve.

// Whether a field's line is written: it differs from its default, where its line belongs.
bool zapsatRadek(const PopisPole& p, const Uloha& u) {
    // The heat capacity typed, while a curve gives c(T), where it is not what line 8 shows.
    if (p.velicina == Velicina::c) {
        return Plati(p.rozsirenyKdy, u) && u.c != UcinnaC(u);
    }
    return Pouzito(p, u);
}

// The rows of a result whose furnace temperature is not the one the case's furnace gives: the
// steps the installed power limited. A temperature that is no number cannot be written.
std::vector<int> omezeneRadky(const Vysledek& v) {
    const PrubehPece nastavena(v.Uloha);
    std::vector<int> radky;
    for (int i = 0; i <= v.posledniRadek(); ++i) {
        const float t = v.TeplotaPece[static_cast<std::size_t>(i)];
        if (t != nastavena(i) && !std::isnan(t)) {
            radky.push_back(i);
        }
    }
    return radky;
}

bool maJadro(const Vysledek* v) { return v != nullptr && v->Jadro && !v->Jadro->povrch.empty(); }

void zapisJadro(Zapisovac& z, const Vysledek& v) {
    const Jazyk j = z.jazyk();
    const zorvet::Jadro& jadro = *v.Jadro;
    z.hodnota(id::SouborBiot, QStringLiteral("[-]"), CisloSouboru(static_cast<float>(jadro.biot)), false);
    if (jadro.krok >= 0) {
        z.hodnota(id::SouborCasJadra, Text(id::JednotkaSekundy, j), CisloSouboru(static_cast<float>(jadro.cas)), false);
    }
    // What the arrangement adds and the rows cannot give back: the cycle time and a bundle's
    // porosity follow from the case and the core time when the file is read.
    if (v.Usporadani) {
        const VysledekUsporadani& r = *v.Usporadani;
        const auto cislo = [&z](int popisek, const QString& jednotka, double x) {
            z.hodnota(popisek, jednotka, CisloSouboru(static_cast<float>(x)), false);
        };
        if (r.mrizka) {
            cislo(id::SouborNejpomalejsiRada, QStringLiteral("[-]"), r.radek);
            cislo(id::SouborNejpomalejsiSloupec, QStringLiteral("[-]"), r.sloupec);
            if (r.casNejrychlejsiho > 0.0) {
                cislo(id::SouborCasNejrychlejsiho, Text(id::JednotkaSekundy, j), r.casNejrychlejsiho);
            }
        }
        if (r.svazek) {
            cislo(id::SouborEfektivniVodivost, QStringLiteral("[W/m/K]"), r.kef);
        }
        if (r.teploProdlevy) {
            cislo(id::SouborEnergieProdlevy, QStringLiteral("[kWh]"), *r.teploProdlevy / 3.6e6);
        }
    }
    z.radek(Text(id::SouborJadro, j));
    z.radek(HlavickaJadra(j));
    const double krok = static_cast<double>(v.Uloha.CasKrok);
    for (std::size_t k = 0; k < jadro.teplota.size(); ++k) {
        z.zony({CisloSouboru(static_cast<float>(static_cast<double>(k) * krok)), CisloSouboru(jadro.povrch[k]),
                CisloSouboru(jadro.teplota[k]), CisloSouboru(v.teplotaPece(static_cast<long>(k)))});
    }
}

// The section, when the case uses anything beyond the documented problem or the result was
// limited by the installed power.
void zapisRozsireni(Zapisovac& z, const Uloha& u, const Vysledek* v) {
    // A furnace's result keeps its furnace at every step with its cycle.
    const std::vector<int> omezene = v != nullptr && !v->Pec ? omezeneRadky(*v) : std::vector<int>();
    const float omezenoDo = v != nullptr ? v->OmezenoDo : 0.0f;
    if (!PouzivaRozsireni(u) && omezenoDo == 0.0f && omezene.empty() && !maJadro(v)) {
        return;
    }
    const Jazyk j = z.jazyk();
    if (!u.Rizeny) {
        z.radek();  // a furnace curve ends with an empty line of its own
    }
    z.radek(Text(id::SouborRozsireni, j));
    z.radek();
    for (const PopisPole* p : RadkyRozsireni()) {
        if (zapsatRadek(*p, u)) {
            z.hodnota(p->rozsirenyPopisek, JednotkaRadku(*p, j), cisloRadku(*p, ZobrazenaHodnota(*p, u)), false);
        }
    }
    const bool dalsi = omezenoDo != 0.0f || !omezene.empty() || maJadro(v) || u.Pec.has_value();
    if (u.Vlastnosti && JeVestavena(*u.Vlastnosti)) {
        z.hodnota(id::SouborModelVlastnosti, QStringLiteral("[-]"), QString::fromStdString(u.Vlastnosti->Nazev), true);
    } else if (u.Vlastnosti) {
        z.hodnota(id::SouborKrivkaVlastnosti, QStringLiteral("[-]"), ZakryjNazev(u.Vlastnosti->Nazev), true);
        z.radek(HlavickaBodu(j));
        for (const BodVlastnosti& b : u.Vlastnosti->Body) {
            z.zony({CisloSouboru(b.T), CisloSouboru(b.c), CisloSouboru(b.lambda)});
        }
        if (dalsi) {
            z.radek();
        }
    }
    ZapisPec(z, u);
    if (v != nullptr) {
        ZapisVysledekPece(z, *v);
    }
    if (omezenoDo != 0.0f) {
        z.hodnota(id::SouborOmezenoDo, Text(id::JednotkaSekundy, j), CisloSouboru(omezenoDo), false);
    }
    if (!omezene.empty()) {
        z.radek(Text(id::SouborOmezeneKroky, j));
        z.radek(HlavickaOmezenych(j));
        for (const int i : omezene) {
            const auto r = static_cast<std::size_t>(i);
            z.zony({CisloSouboru(v->Vysledky.Cas[r]), CisloSouboru(v->TeplotaPece[r])});
        }
        if (maJadro(v)) {
            z.radek();
        }
    }
    if (maJadro(v)) {
        zapisJadro(z, *v);
    }
}

void zapisVysledky(Zapisovac& z, const Vysledek& v) {
    const Jazyk j = z.jazyk();
    const int posledni = v.posledniRadek();
    z.radek();
    z.hodnota(id::SouborDobaOhrevu, Text(id::JednotkaSekundy, j), CisloSouboru(static_cast<float>(v.casOhrevu())), false);
    z.radek();
    z.zony({Text(id::SloupecCas, j), Text(id::SloupecTeplota, j)});
    z.radek(kPravitko);
    for (int i = 0; i <= posledni; ++i) {
        const auto r = static_cast<std::size_t>(i);
        z.zony({CisloSouboru(v.Vysledky.Cas[r]), CisloSouboru(v.Vysledky.TeplotaVsazky[r])});
    }
}

}  // namespace

QString TextSouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, Jazyk jazyk) {
    Zapisovac z(jazyk);
    // About 30 characters a row: enough room for the largest results file at once.
    z.rezervuj(2048 + (vysledek != nullptr ? 32 * (vysledek->posledniRadek() + 1) : 0));
    const QString jedenRadek = NaJedenRadek(komentar);
    if (!jedenRadek.trimmed().isEmpty()) {
        z.radek(jedenRadek);
        z.radek();
    }
    zapisUlohu(z, uloha);
    if (uloha.Rizeny) {
        zapisKrivku(z, uloha);
    }
    zapisRozsireni(z, uloha, vysledek);
    if (vysledek != nullptr) {
        zapisVysledky(z, *vysledek);
    }
    return z.text();
}

QByteArray BajtySouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, Jazyk jazyk) {
    return encodeDataFile(TextSouboru(uloha, vysledek, komentar, jazyk));
}

std::optional<Chyba> UlozSoubor(const QString& cesta, const Uloha& uloha, const Vysledek* vysledek,
                                const QString& komentar, Jazyk jazyk) {
    if (const std::optional<QString> chyba = ChybaKomentare(komentar, jazyk)) {
        return Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, jazyk), *chyba};
    }
    QString popis;
    if (!writeWhole(cesta, BajtySouboru(uloha, vysledek, komentar, jazyk), &popis, jazyk)) {
        return Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, jazyk), QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis};
    }
    return std::nullopt;
}

QString OtiskUlohy(const Uloha& uloha) { return TextSouboru(uloha, nullptr, QString(), Jazyk::Anglicky); }

void PojmenujVysledek(Vysledek& v, const Uloha& uloha, const QString& soubor, const QString& komentar,
                      const QString& otisk) {
    const bool tenSamy = !otisk.isEmpty() && OtiskUlohy(uloha) == otisk;
    v.Soubor = tenSamy ? soubor.toStdString() : std::string();
    v.Komentar = tenSamy ? komentar.toStdString() : std::string();
}

std::optional<QString> ChybaKomentare(const QString& komentar, Jazyk jazyk) {
    // A reader takes the first line laid out as line 1, in either language, for it; a comment
    // that merely names the label is read as the comment it is.
    const QString radek = NaJedenRadek(komentar);
    if (JeRadek1(radek)) {
        return Text(id::KomentarJakoUloha, jazyk).arg(radek.trimmed());
    }
    return std::nullopt;
}

}  // namespace zorvet
