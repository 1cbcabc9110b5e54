// Properties over many random values, written under one locale and read under the other:
// every single comes back bit for bit through each of the three readers (value line, curve
// row, result row); every valid problem comes back as the same record; every result table
// comes back as the same table. The generators are seeded, so a failure repeats.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cmath>
#include <cstring>
#include <limits>
#include <memory>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/soubor.h"
#include "model/geometrie.h"
#include "model/stav.h"
#include "model/vypocet.h"
#include "support/skriptovane_dialogy.h"

namespace zorvet {
namespace {

using test::SkriptovaneDialogy;

void lokal(const char* jmeno) { QLocale::setDefault(QLocale(QString::fromLatin1(jmeno))); }

std::uint32_t bity(float x) {
    std::uint32_t b;
    std::memcpy(&b, &x, sizeof b);
    return b;
}

float zBitu(std::uint32_t b) {
    float x;
    std::memcpy(&x, &b, sizeof x);
    return x;
}

// Kinds of single that have broken number text before: the digits of a subnormal, the
// exponent form of tiny and huge values, the sign, the switch between fixed and exponent
// form, values below 1 (written without their leading zero), any bit pattern at all.
enum class Druh { Bezne, Subnormalni, Drobne, Obrovske, Zaporne, Prechod, PodJednou, Libovolne };

const char* jmeno(Druh d) {
    switch (d) {
        case Druh::Bezne: return "Ordinary";
        case Druh::Subnormalni: return "Subnormal";
        case Druh::Drobne: return "Tiny";
        case Druh::Obrovske: return "Huge";
        case Druh::Zaporne: return "Negative";
        case Druh::Prechod: return "FixedToExponent";
        case Druh::PodJednou: return "BelowOne";
        case Druh::Libovolne: return "AnyBits";
    }
    return "";
}

// A finite single of the kind; never -0, which is written " 0 " like +0 (a minus sign on a
// zero means nothing to the user, and no reader tells the two apart).
float nahodny(std::mt19937& g, Druh druh) {
    std::uniform_int_distribution<std::uint32_t> mantisa(0, (1u << 23) - 1);
    std::uniform_int_distribution<std::uint32_t> znamenko(0, 1);
    const auto sestav = [&](std::uint32_t exponent) {
        return zBitu((znamenko(g) << 31) | (exponent << 23) | mantisa(g));
    };
    float x = 0.0f;
    switch (druh) {
        case Druh::Bezne: {
            // Values as people type them: a few digits, a few decimals.
            std::uniform_int_distribution<int> cislice(0, 9999999);
            std::uniform_int_distribution<int> desetinna(0, 6);
            x = static_cast<float>(cislice(g) / std::pow(10.0, desetinna(g)));
            break;
        }
        case Druh::Subnormalni:
            x = sestav(0);
            break;
        case Druh::Drobne:
            x = sestav(std::uniform_int_distribution<std::uint32_t>(1, 40)(g));
            break;
        case Druh::Obrovske:
            x = sestav(std::uniform_int_distribution<std::uint32_t>(200, 254)(g));
            break;
        case Druh::Zaporne:
            x = -std::fabs(sestav(std::uniform_int_distribution<std::uint32_t>(0, 254)(g)));
            break;
        case Druh::Prechod: {
            // A few units in the last place around 10^k, where the form changes.
            std::uniform_int_distribution<int> k(-7, 9);
            std::uniform_int_distribution<int> krok(-3, 3);
            x = static_cast<float>(std::pow(10.0, k(g)));
            for (int i = krok(g); i != 0; i += i > 0 ? -1 : 1) {
                x = std::nextafter(x, i > 0 ? std::numeric_limits<float>::infinity() : 0.0f);
            }
            break;
        }
        case Druh::PodJednou:
            x = std::uniform_real_distribution<float>(0.0f, 1.0f)(g);
            break;
        case Druh::Libovolne:
            do {
                x = zBitu(std::uniform_int_distribution<std::uint32_t>()(g));
            } while (!std::isfinite(x));
            break;
    }
    return x == 0.0f ? 0.0f : x;
}

const QString kRadekHodnoty = QStringLiteral("Emissivity                    [-]     :  ");

// Two numbers in print zones of 14 columns, as the curve and the result rows hold them.
QString zony(const QString& a, const QString& b) {
    return a.leftJustified(std::max<qsizetype>((a.size() + 13) / 14 * 14, 14)) + b;
}

class ZapsaneCislo : public ::testing::TestWithParam<std::tuple<Druh, const char*, const char*>> {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

// Singles whose 7 digits read back only when parsed straight to a single: as a double they hit
// the point halfway to the next single and then round away (2^-96, 2^87, 2^90).
const std::uint32_t kDvojiZaokrouhleni[] = {0x0f800000u, 0x6b000000u, 0x6c800000u, 0xeb000000u};

TEST_P(ZapsaneCislo, ReadsBackBitForBitThroughEveryReader) {
    const auto [druh, zapis, cteni] = GetParam();
    std::mt19937 g(static_cast<unsigned>(druh) * 7919u + 17u);
    constexpr int kPevnych = static_cast<int>(std::size(kDvojiZaokrouhleni));
    for (int i = 0; i < 2000 + kPevnych; ++i) {
        const float x = i < kPevnych ? zBitu(kDvojiZaokrouhleni[i]) : nahodny(g, druh);
        const float y = i < kPevnych ? -x : nahodny(g, druh);
        lokal(zapis);
        const QString tx = TextSouboru(x);
        const QString ty = TextSouboru(y);
        lokal(cteni);
        const std::string popis = tx.toStdString() + "|" + ty.toStdString() + " written " + zapis;
        ASSERT_EQ(bity(NaSingle(CtiCislo(kRadekHodnoty + tx, kSloupecHodnoty))), bity(x)) << popis;

        CteckaTextu krivka(zony(tx, ty) + QStringLiteral("\r\n") + zony(ty, tx) + QStringLiteral("\r\n"));
        ASSERT_EQ(bity(NaSingle(krivka.ciselnePole())), bity(x)) << popis;
        ASSERT_EQ(bity(NaSingle(krivka.ciselnePole())), bity(y)) << popis;
        ASSERT_EQ(bity(NaSingle(krivka.ciselnePole())), bity(y)) << popis;
        ASSERT_EQ(bity(NaSingle(krivka.ciselnePole())), bity(x)) << popis;
        ASSERT_TRUE(krivka.naKonci()) << popis;

        const QStringList pole = RozdelRadek(zony(tx, ty));
        ASSERT_EQ(pole.size(), 2) << popis;
        ASSERT_EQ(bity(NaSingle(CtiCislo(pole[0], 1))), bity(x)) << popis;
        ASSERT_EQ(bity(NaSingle(CtiCislo(pole[1], 1))), bity(y)) << popis;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Druhy, ZapsaneCislo,
    ::testing::Combine(::testing::Values(Druh::Bezne, Druh::Subnormalni, Druh::Drobne, Druh::Obrovske, Druh::Zaporne,
                                         Druh::Prechod, Druh::PodJednou, Druh::Libovolne),
                       ::testing::Values("en_US", "cs_CZ"), ::testing::Values("en_US", "cs_CZ")),
    [](const auto& info) {
        return std::string(jmeno(std::get<0>(info.param))) + "_" + std::get<1>(info.param) + "_to_" +
               std::get<2>(info.param);
    });

// ---- whole files ----

// Any single of any kind above, mostly ordinary ones.
float nejakyJeden(std::mt19937& g) {
    static const Druh druhy[] = {Druh::Bezne,    Druh::Bezne,    Druh::Bezne,     Druh::Subnormalni, Druh::Drobne,
                                 Druh::Obrovske, Druh::Zaporne,  Druh::Prechod,   Druh::PodJednou,   Druh::Libovolne};
    return nahodny(g, druhy[std::uniform_int_distribution<int>(0, 9)(g)]);
}

float nenulovy(std::mt19937& g) {
    float x = 0.0f;
    while (x == 0.0f) {
        x = nejakyJeden(g);
    }
    return x;
}

// A material name as users type them: Czech letters (also pairs whose Windows-1250 bytes
// look like UTF-8, such as "ÉŠ"), commas, quotes, inner and trailing blanks, now and then a
// letter that only UTF-8 holds. Not blank at the start: the value column is found past
// the blanks.
std::string jmenoMaterialu(std::mt19937& g) {
    static const QString abeceda = QStringLiteral("abcdefghijklmnopqrstuvwxyzABCXYZ0123456789 ,.-\"'()/°"
                                                  "ěščřžýáíéúůťďňóĚŠČŘŽÝÁÍÉÚŮŤĎŇÓ\tαΩ");
    std::uniform_int_distribution<int> delka(0, 24);
    std::uniform_int_distribution<qsizetype> znak(0, abeceda.size() - 1);
    QString jmeno;
    const int n = delka(g);
    for (int i = 0; i < n; ++i) {
        jmeno += abeceda[znak(g)];
    }
    if (std::uniform_int_distribution<int>(0, 5)(g) == 0) {
        jmeno += QStringLiteral("ÉŠ");
    }
    while (jmeno.startsWith(QLatin1Char(' '))) {
        jmeno.remove(0, 1);
    }
    return jmeno.toStdString();
}

// A problem the dialog could have accepted: an uncontrolled one with its furnace temperature,
// or a controlled one whose curve ends with a duration 0 and has none before.
std::unique_ptr<Stav> nahodnaUloha(std::mt19937& g) {
    auto s = std::make_unique<Stav>();
    Uloha& u = s->Uloha;
    std::uniform_int_distribution<int> kostka(0, 5);
    u.Rizeny = kostka(g) < 2;
    if (u.Rizeny) {
        u.Tpece = 0.0f;
        u.PocetKrivek = static_cast<std::int16_t>(std::uniform_int_distribution<int>(1, kMaxUseku)(g));
        for (int i = 0; i <= u.PocetKrivek; ++i) {
            UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
            bod.Teplota = nejakyJeden(g);
            bod.DobaVydrze = i == u.PocetKrivek ? 0.0f : nenulovy(g);
        }
    } else {
        u.Tpece = nenulovy(g);
    }
    u.Tv = nejakyJeden(g);
    u.Tk = nejakyJeden(g);
    u.CasKrok = nejakyJeden(g);
    u.NazevMaterialu = jmenoMaterialu(g);
    u.m = nejakyJeden(g);
    u.A = nejakyJeden(g);
    u.c = nejakyJeden(g);
    u.Eps = nejakyJeden(g);
    u.Gama = nejakyJeden(g);
    u.KoefK = 0.5f;
    u.ZadaniHmotnosti = kostka(g) < 3 ? "V" : "Z";
    static const char* profily[] = {"K", "C", "O"};
    u.Profil = profily[std::uniform_int_distribution<int>(0, 2)(g)];
    std::uniform_int_distribution<int> pocet(std::numeric_limits<std::int16_t>::min(),
                                             std::numeric_limits<std::int16_t>::max());
    u.StranaA = nejakyJeden(g);
    u.StranaB = nejakyJeden(g);
    u.DelkaL = nejakyJeden(g);
    u.PocetProfilu = static_cast<std::int16_t>(pocet(g));
    u.PocetAB = static_cast<std::int16_t>(pocet(g));
    u.PocetAL = static_cast<std::int16_t>(pocet(g));
    u.PocetBL = static_cast<std::int16_t>(pocet(g));
    if (u.ZadaniHmotnosti == "V") {
        u.CelkovaPlocha = CelkovaPlochaProfilu(u).value_or(0.0f);
    }
    return s;
}

// The reader's own state before: an earlier controlled problem with a long curve.
std::unique_ptr<Stav> drivejsi(std::int16_t jazyk) {
    auto s = std::make_unique<Stav>();
    Uloha& u = s->Uloha;
    u.Rizeny = true;
    u.PocetKrivek = kMaxUseku;
    for (auto& bod : u.Krivka) {
        bod = {-1.0f, -2.0f};
    }
    u.NazevMaterialu = "Earlier";
    u.Profil = "O";
    u.ZadaniHmotnosti = "V";
    u.StranaB = -3.0f;
    u.PocetBL = -4;
    u.KoefK = 0.25f;
    s->Komentar = "Earlier comment";
    s->Jazyk = jazyk;
    for (int i = 0; i < kPocetRadku; ++i) {
        s->Vysledky.Cas[static_cast<std::size_t>(i)] = -5.0f;
        s->Vysledky.TeplotaVsazky[static_cast<std::size_t>(i)] = -6.0f;
        s->Vysledky.Alfa[static_cast<std::size_t>(i)] = -7.0f;
    }
    return s;
}

#define OCEKAVEJ_BITY(a, b) EXPECT_EQ(bity(a), bity(b)) << #a

void ocekavejStejnouUlohu(const Stav& zapsano, const Stav& precteno) {
    const Uloha& u = zapsano.Uloha;
    const Uloha& v = precteno.Uloha;
    OCEKAVEJ_BITY(u.Tpece, v.Tpece);
    OCEKAVEJ_BITY(u.Tv, v.Tv);
    OCEKAVEJ_BITY(u.Tk, v.Tk);
    OCEKAVEJ_BITY(u.CasKrok, v.CasKrok);
    EXPECT_EQ(u.NazevMaterialu, v.NazevMaterialu);
    OCEKAVEJ_BITY(u.m, v.m);
    OCEKAVEJ_BITY(u.A, v.A);
    OCEKAVEJ_BITY(u.c, v.c);
    OCEKAVEJ_BITY(u.Eps, v.Eps);
    OCEKAVEJ_BITY(u.Gama, v.Gama);
    EXPECT_EQ(u.ZadaniHmotnosti, v.ZadaniHmotnosti);
    EXPECT_EQ(v.KoefK, 0.25f);  // not in the file: the reader's own
    if (u.ZadaniHmotnosti == "V") {
        EXPECT_EQ(u.Profil, v.Profil);
        OCEKAVEJ_BITY(u.StranaA, v.StranaA);
        OCEKAVEJ_BITY(u.DelkaL, v.DelkaL);
        EXPECT_EQ(u.PocetProfilu, v.PocetProfilu);
        EXPECT_EQ(u.PocetAB, v.PocetAB);
        EXPECT_EQ(u.PocetAL, v.PocetAL);
        if (u.Profil == "O") {
            OCEKAVEJ_BITY(u.StranaB, v.StranaB);
            EXPECT_EQ(u.PocetBL, v.PocetBL);
        }
        OCEKAVEJ_BITY(u.CelkovaPlocha, v.CelkovaPlocha);
    }
    EXPECT_EQ(u.Rizeny, v.Rizeny);
    EXPECT_EQ(u.PocetKrivek, v.PocetKrivek);
    for (int i = 0; u.Rizeny && i <= u.PocetKrivek; ++i) {
        OCEKAVEJ_BITY(u.Krivka[static_cast<std::size_t>(i)].Teplota, v.Krivka[static_cast<std::size_t>(i)].Teplota);
        OCEKAVEJ_BITY(u.Krivka[static_cast<std::size_t>(i)].DobaVydrze,
                      v.Krivka[static_cast<std::size_t>(i)].DobaVydrze);
    }
}

// Writer's locale, reader's locale, the language of the labels.
class ZpetnaCesta : public ::testing::TestWithParam<std::tuple<const char*, const char*, std::int16_t>> {
protected:
    void TearDown() override { QLocale::setDefault(QLocale::c()); }

    QString uloz(Stav& s, bool sVysledky, std::mt19937& g) {
        const auto [zapis, cteni, jazyk] = GetParam();
        lokal(zapis);
        s.Jazyk = jazyk;
        SkriptovaneDialogy d;
        const bool komentar = std::uniform_int_distribution<int>(0, 1)(g) == 1;
        d.odpovedi = {komentar};
        if (komentar) {
            d.vstupy = {QString::fromStdString(jmenoMaterialu(g)) + QStringLiteral(" note")};
        }
        const QString cesta = dir_.filePath(QStringLiteral("round.odp"));
        EXPECT_TRUE(UlozSoubor(s, d, cesta, sVysledky));
        EXPECT_TRUE(d.zpravy.isEmpty());
        return cesta;
    }

    std::unique_ptr<Stav> nacti(const QString& cesta, bool sVysledky) {
        const auto [zapis, cteni, jazyk] = GetParam();
        lokal(cteni);
        auto s = drivejsi(jazyk == kCesky ? kAnglicky : kCesky);
        SkriptovaneDialogy d;
        EXPECT_TRUE(NactiSoubor(*s, d, cesta, sVysledky));
        EXPECT_EQ(d.neocekavane, 0);
        return s;
    }

    QTemporaryDir dir_;
};

TEST_P(ZpetnaCesta, RandomValidProblemsComeBackAsTheSameRecord) {
    std::mt19937 g(4711u + static_cast<unsigned>(std::get<2>(GetParam())));
    for (int i = 0; i < 150; ++i) {
        auto s = nahodnaUloha(g);
        const QString cesta = uloz(*s, false, g);
        auto zpet = nacti(cesta, false);
        ocekavejStejnouUlohu(*s, *zpet);
        EXPECT_EQ(zpet->Komentar, s->Komentar.empty() ? "Earlier comment" : s->Komentar);
        if (HasFailure()) {
            QFile f(cesta);
            f.open(QIODevice::ReadOnly);
            FAIL() << "problem " << i << ":\n" << f.readAll().toStdString();
        }
    }
}

TEST_P(ZpetnaCesta, ResultTablesComeBackAsTheSameTable) {
    std::mt19937 g(815u + static_cast<unsigned>(std::get<2>(GetParam())));
    for (const int posledni : {0, 1, 2, 37, 999, kPosledniRadek}) {
        auto s = nahodnaUloha(g);
        s->PocetKroku = static_cast<std::int16_t>(posledni);
        for (int i = 0; i <= posledni; ++i) {
            s->Vysledky.Cas[static_cast<std::size_t>(i)] = nejakyJeden(g);
            s->Vysledky.TeplotaVsazky[static_cast<std::size_t>(i)] = nejakyJeden(g);
        }
        const QString cesta = uloz(*s, true, g);
        auto zpet = nacti(cesta, true);
        ocekavejStejnouUlohu(*s, *zpet);
        ASSERT_EQ(zpet->PocetKroku, posledni);
        for (int i = 0; i <= posledni; ++i) {
            const auto r = static_cast<std::size_t>(i);
            ASSERT_EQ(bity(zpet->Vysledky.Cas[r]), bity(s->Vysledky.Cas[r])) << "row " << i;
            ASSERT_EQ(bity(zpet->Vysledky.TeplotaVsazky[r]), bity(s->Vysledky.TeplotaVsazky[r])) << "row " << i;
            ASSERT_EQ(zpet->Vysledky.Alfa[r], -7.0f) << "row " << i;  // no Alfa column written
        }
        // The rows past the table keep what was there.
        if (posledni < kPosledniRadek) {
            EXPECT_EQ(zpet->Vysledky.Cas[static_cast<std::size_t>(posledni + 1)], -5.0f);
        }
        if (s->Uloha.Rizeny) {
            // The furnace column is rebuilt from the curve, as a run would have filled it.
            RozvinKrivku(*s);
            for (int i = 0; i <= posledni; ++i) {
                ASSERT_EQ(bity(zpet->TeplotaPece[static_cast<std::size_t>(i)]),
                          bity(s->TeplotaPece[static_cast<std::size_t>(i)]))
                    << "row " << i;
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lokaly, ZpetnaCesta,
                         ::testing::Combine(::testing::Values("en_US", "cs_CZ"), ::testing::Values("en_US", "cs_CZ"),
                                            ::testing::Values(kAnglicky, kCesky)),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param)) + "_to_" + std::get<1>(info.param) +
                                    (std::get<2>(info.param) == kCesky ? "_Czech" : "_English");
                         });

}  // namespace
}  // namespace zorvet
