#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>
#include <random>
#include <string>
#include <vector>

#include "model/case/geometrie.h"
#include "model/conduction/jadro.h"
#include "model/march/mocnina.h"
#include "model/march/pochod.h"
#include "model/march/pochod_pruhu.h"
#include "model/case/pole.h"
#include "model/pipeline/vykon.h"
#include "model/march/prubeh_pece.h"
#include "model/pipeline/vypocet.h"
#include "model/properties/tabulka_entalpie.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

std::uint32_t bity(float x) { return std::bit_cast<std::uint32_t>(x); }

// The march rewritten from the documented float32 rules, independently of the program: two
// passes, a fixed-point iteration per step, linear extrapolation of the start values.
struct Vzor {
    std::vector<float> cas, odhad, alfa, t;
    int posledni = -1;     // -1: the march needs a row beyond 10000, or a step overshoots
    bool prekmit = false;  // a step ends on the other side of its furnace temperature

    explicit Vzor(const Uloha& u) : cas(kPocetRadku), odhad(kPocetRadku), alfa(kPocetRadku), t(kPocetRadku) {
        std::array<float, kPocetRadku> pec{};
        RozvinKrivkuVzor(u, pec);
        const float tol = static_cast<float>(double(u.CasKrok) / 10.0);
        for (int i = 0; i < kPocetRadku; ++i) cas[i] = static_cast<float>(i * static_cast<double>(u.CasKrok));
        odhad[0] = t[0] = u.Tv;
        const auto pecK = [&](int k) { return u.Rizeny ? pec[k] : u.Tpece; };
        const auto krok = [&](int k) {
            const float tp = pecK(k);
            const float tpK = static_cast<float>(double(tp) + 273.15);
            t[k] = odhad[k];
            for (;;) {
                const float x = t[k];
                odhad[k] = x;
                const float tm = static_cast<float>((static_cast<double>(t[k - 1]) + double(t[k])) / 2);
                const double a = double(u.Konvekce) + (double(u.Eps) * 5.6697) * (std::pow(double(tpK) / 100.0, 4.0) - std::pow((double(tm) + 273.15) / 100, 4.0)) /
                                          double(static_cast<float>(tp - tm));
                alfa[k] = static_cast<float>(a);
                const double al = double(alfa[k]), t0 = double(t[k - 1]);
                t[k] = static_cast<float>((al * 0.5 * double(u.A) * double(u.KoefK) * double(u.CasKrok) * (2.0 * double(tp) - t0) + double(u.m) * double(u.c) * t0) /
                                          (double(u.KoefK) * 0.5 * al * double(u.A) * double(u.CasKrok) + double(u.m) * double(u.c)));
                if (std::fabs(x - t[k]) < tol) break;
            }
            prekmit = prekmit || (double(t[k - 1]) - double(tp)) * (double(t[k]) - double(tp)) < 0.0;
        };
        const auto extrapoluj = [&](int k) {
            const float s = static_cast<float>((double(t[k]) - double(t[k - 1])) / (double(cas[k]) - double(cas[k - 1])));
            const float q = static_cast<float>(double(t[k - 1]) - double(s) * double(cas[k - 1]));
            odhad[k + 1] = static_cast<float>(double(s) * double(cas[k + 1]) + double(q));
        };
        int k = 1;
        odhad[1] = static_cast<float>(double(u.Tv) + double(u.CasKrok));
        krok(1);
        do {
            if (k + 1 > kPosledniRadek) return;
            extrapoluj(k);
            krok(++k);
        } while (t[k] < u.Tk && !prekmit);
        if (prekmit) return;
        k = 0;
        do {
            if (k + 1 > kPosledniRadek) return;
            if (odhad[k + 1] != 0.0f || k == 0) odhad[k + 1] = t[k + 1];
            else extrapoluj(k);
            krok(++k);
        } while (t[k] < u.Tk && !prekmit);
        if (!prekmit) posledni = k;
    }

    static void RozvinKrivkuVzor(const Uloha& u, std::array<float, kPocetRadku>& pec) {
        pec.fill(0.0f);
        pec[0] = u.Krivka[0].Teplota;
        int j = 0;
        for (int i = 0; i < u.PocetKrivek; ++i) {
            const float s = static_cast<float>((double(u.Krivka[i + 1].Teplota) - double(u.Krivka[i].Teplota)) / double(u.Krivka[i].DobaVydrze));
            const int n = static_cast<int>(double(u.Krivka[i].DobaVydrze) / double(u.CasKrok));
            for (int q = 1; q <= n && j < kPosledniRadek; ++q) pec[++j] = static_cast<float>(q * double(s) * double(u.CasKrok) + double(u.Krivka[i].Teplota));
        }
        for (int i = j + 1; i < kPocetRadku; ++i) pec[i] = u.Krivka[u.PocetKrivek].Teplota;
    }
};

// A problem of the documented kind with random values: uncontrolled or on a curve of whole
// steps, some with another convection coefficient or a curve of one specific heat.
Uloha NahodnaUloha(std::mt19937& g, int n) {
    std::uniform_real_distribution<float> r(0.0f, 1.0f);
    const float kroky[] = {0.5f, 1.0f, 2.5f, 5.0f, 10.0f, 30.0f};
    Uloha u = test::Priklad(r(g) < 0.4f);
    u.Tv = -20 + 60 * r(g);
    u.m = 1 + 300 * r(g);
    u.c = 400 + 300 * r(g);
    u.A = 0.1f + 2 * r(g);
    u.Eps = 0.1f + 0.9f * r(g);
    u.KoefK = r(g) < 0.5f ? 1.0f : 0.2f + 0.8f * r(g);
    u.CasKrok = kroky[g() % 6];
    float nejvyssi = 400 + 900 * r(g);
    if (u.Rizeny) {
        u.PocetKrivek = static_cast<std::int16_t>(2 + g() % 4);
        // Segments of whole steps: the furnace is laid out step by step as documented.
        for (int i = 0; i <= u.PocetKrivek; ++i) {
            u.Krivka[i] = {i == 0 ? u.Tv : 300 + 1000 * r(g), u.CasKrok * std::ceil((90 + 900 * r(g)) / u.CasKrok)};
        }
        u.Krivka[u.PocetKrivek].Teplota = nejvyssi;
    } else {
        u.Tpece = nejvyssi;
    }
    u.Tk = u.Tv + (nejvyssi - u.Tv) * (0.3f + 0.6f * r(g));
    // Another convection coefficient, and a curve of one specific heat, march as documented.
    if (n % 3 == 1) u.Konvekce = 5 + 55 * r(g);
    if (n % 3 == 2) u.Vlastnosti = VlastnostiMaterialu{"flat", {{-50, u.c, 0}, {1500, u.c, 0}}};
    return u;
}

TEST(Vypocet, RandomProblemsAgreeBitForBitWithTheDocumentedRules) {
    std::mt19937 g(2026);
    int uspechu = 0;
    for (int n = 0; n < 300; ++n) {
        const Uloha u = NahodnaUloha(g, n);
        const Vzor vzor(u);
        const VysledekVypoctu v = Spocti(u);
        ASSERT_EQ(v.konec == KonecVypoctu::Uspech, vzor.posledni >= 0) << n;
        // A step that carries the charge past its furnace is told as such, not computed on.
        ASSERT_EQ(v.konec == KonecVypoctu::Prekmit, vzor.prekmit) << n;
        if (!v.vysledek) continue;
        ++uspechu;
        ASSERT_EQ(v.vysledek->PocetKroku, vzor.posledni) << n;
        for (int k = 0; k <= vzor.posledni; ++k) {
            ASSERT_EQ(bity(v.vysledek->Vysledky.TeplotaVsazky[k]), bity(vzor.t[k])) << n << " row " << k;
            ASSERT_EQ(bity(v.vysledek->Vysledky.Alfa[k]), bity(vzor.alfa[k])) << n << " row " << k;
            ASSERT_EQ(bity(v.vysledek->Vysledky.Cas[k]), bity(vzor.cas[k])) << n << " row " << k;
        }
        EXPECT_EQ(v.vysledek->Uloha.Tk, u.Tk);
    }
    EXPECT_GT(uspechu, 200);
}

// Two results of a march are the same to the last bit of every row, and tell the same.
void ZadneRozdily(const Vysledek& a, const Vysledek& b, const std::string& co) {
    ASSERT_EQ(a.PocetKroku, b.PocetKroku) << co;
    EXPECT_EQ(a.OmezenoDo, b.OmezenoDo) << co;
    ASSERT_EQ(a.TeplotaPece.size(), b.TeplotaPece.size()) << co;
    const std::vector<float> Vysledky::*sloupce[] = {&Vysledky::Cas, &Vysledky::Odhad, &Vysledky::Alfa,
                                                      &Vysledky::TeplotaVsazky};
    for (const auto s : sloupce) {
        ASSERT_EQ((a.Vysledky.*s).size(), (b.Vysledky.*s).size()) << co;
        for (std::size_t k = 0; k < (a.Vysledky.*s).size(); ++k) {
            ASSERT_EQ(bity((a.Vysledky.*s)[k]), bity((b.Vysledky.*s)[k])) << co << " row " << k;
        }
    }
    for (std::size_t k = 0; k < a.TeplotaPece.size(); ++k) {
        ASSERT_EQ(bity(a.TeplotaPece[k]), bity(b.TeplotaPece[k])) << co << " row " << k;
    }
}

// Cases in the lanes of the processor's vectors (eight at once where it has them, and four) march
// every row as one case alone does; a lane that needs a row beyond the table fails as the march
// alone fails; a lane leaves the lanes exactly when the march alone fails otherwise. Random
// problems in groups of one to eight lanes, with the edges of the march among them: an
// overshoot, the end of the table, a first row at 0 °C, a final temperature already reached,
// steps that are no steps, values beyond a single.
TEST(PochodPruhu, EveryLaneMarchesAsOneCaseAlone) {
    if (!DoPruhu(test::Priklad(), {})) {
        GTEST_SKIP() << "no AVX2 and FMA";
    }
    std::mt19937 g(77);
    std::vector<Uloha> ulohy;
    for (int n = 0; n < 400; ++n) {
        ulohy.push_back(NahodnaUloha(g, n));
    }
    const auto pridej = [&](auto uprav) {
        Uloha u = test::Priklad();
        uprav(u);
        ulohy.push_back(u);
    };
    pridej([](Uloha& u) { u.m = 1; });                                   // overshoots
    pridej([](Uloha& u) { u.CasKrok = 0.01f; });                         // past row 10000
    pridej([](Uloha& u) { u.Tv = -20.0f; u.CasKrok = 20.0f; u.Tpece = 700.0f; u.Tk = 600.0f; });
    pridej([](Uloha& u) { u.Tk = u.Tv; });                               // one step
    pridej([](Uloha& u) { u.Tv = 1000; u.Tk = 1001; });                  // at the furnace
    pridej([](Uloha& u) { u.Tpece = 3e38f; });
    pridej([](Uloha& u) { u.CasKrok = 0; });
    pridej([](Uloha& u) { u.CasKrok = INFINITY; });
    pridej([](Uloha& u) { u.CasKrok = 1e37f; });
    pridej([](Uloha& u) { u.m = NAN; });
    pridej([](Uloha& u) { u.KoefK = 0; });
    pridej([](Uloha& u) { u.Eps = -0.0368022062f; u.CasKrok = 157.961121f; u.m = 0.24327217f; });
    pridej([](Uloha& u) { u.CasKrok = 0.001f; u.Tk = 20.5f; });        // settles only after many tries
    // Property curves and an installed power, limiting from the first step or later.
    for (int n = 0; n < 120; ++n) {
        Uloha u = NahodnaUloha(g, n);
        const VlastnostiMaterialu krivky[] = {VestaveneVlastnosti(kUhlikovaOcel), VestaveneVlastnosti(kNerezovaOcel),
                                              {"steep", {{100, 450, 0}, {700, 900, 0}, {720, 4000, 0}, {760, 600, 0}}}};
        if (n % 4 != 3) u.Vlastnosti = krivky[n % 3];
        if (n % 3 != 0) u.Prikon = u.m * (n % 2 ? 40.0f : 400.0f);
        ulohy.push_back(u);
    }
    for (const std::size_t naJednou : {kPruhu, kPruhu / 2})
    for (const bool pecOmezenych : {true, false}) {
    int vPruzich = 0;
    for (std::size_t i = 0; i < ulohy.size();) {
        const std::size_t n = 1 + (i / 7) % kPruhu;
        std::array<Vysledek, kPruhu> pruhy;
        std::array<Vysledek*, kPruhu> v{};
        std::vector<std::size_t> kde;
        for (std::size_t j = 0; j < n && i < ulohy.size(); ++i) {
            Uloha u = ulohy[i];
            OdvodUlohu(u);
            if (!DoPruhu(u, {})) {
                continue;
            }
            pruhy[j].Uloha = u;
            kde.push_back(i);
            ++j;
        }
        for (std::size_t j = 0; j < kde.size(); ++j) {
            v[j] = &pruhy[j];
        }
        const std::array<std::optional<VysledekVypoctu>, kPruhu> odpovedi = PochodPruhu(v, pecOmezenych, naJednou);
        for (std::size_t j = 0; j < kde.size(); ++j) {
            Vysledek sam;
            sam.Uloha = pruhy[j].Uloha;
            MoznostiBehu moznosti;
            moznosti.pecOmezenych = pecOmezenych;
            const VysledekVypoctu r = Pochod(sam, moznosti);
            const bool ocekavana = r.konec == KonecVypoctu::Uspech || r.konec == KonecVypoctu::Preteceni;
            ASSERT_EQ(odpovedi[j].has_value(), ocekavana) << "case " << kde[j];
            if (!odpovedi[j]) continue;
            EXPECT_EQ(odpovedi[j]->konec, r.konec) << "case " << kde[j];
            EXPECT_EQ(odpovedi[j]->radek, r.radek) << "case " << kde[j];
            if (r.konec == KonecVypoctu::Uspech) {
                ++vPruzich;
                ZadneRozdily(pruhy[j], sam, "case " + std::to_string(kde[j]));
                // The furnace of the limit is shown, never marched with.
                Vysledek sPeci;
                sPeci.Uloha = sam.Uloha;
                ASSERT_EQ(Pochod(sPeci, {}).konec, KonecVypoctu::Uspech);
                ASSERT_EQ(sPeci.Vysledky.TeplotaVsazky, sam.Vysledky.TeplotaVsazky) << kde[j];
                EXPECT_EQ(sPeci.OmezenoDo, sam.OmezenoDo) << kde[j];
            }
        }
    }
    EXPECT_GT(vPruzich, 250);
    }
}

// Cases computed together come out as each computed alone, refusals and failures too.
TEST(Vypocet, SeveralCasesAsEachAlone) {
    std::mt19937 g(5);
    std::vector<Uloha> ulohy;
    for (int n = 0; n < 61; ++n) {
        ulohy.push_back(NahodnaUloha(g, n));
        if (n % 10 == 3) ulohy.back().m = 1;      // overshoots
        if (n % 10 == 7) ulohy.back().Tpece = 0;  // refused
        if (n % 10 == 9) ulohy.back().CasKrok = 0.01f;  // past row 10000
        if (n % 10 == 5) ulohy.back().Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
        if (n % 10 == 1) ulohy.back().Prikon = 40.0f * ulohy.back().m;
    }
    const std::vector<VysledekVypoctu> spolu = SpoctiVice(ulohy);
    ASSERT_EQ(spolu.size(), ulohy.size());
    for (std::size_t i = 0; i < ulohy.size(); ++i) {
        const VysledekVypoctu sam = Spocti(ulohy[i]);
        EXPECT_EQ(spolu[i].konec, sam.konec) << i;
        EXPECT_EQ(spolu[i].radek, sam.radek) << i;
        EXPECT_EQ(spolu[i].nejdelsiKrok, sam.nejdelsiKrok) << i;
        EXPECT_EQ(spolu[i].zavada.has_value(), sam.zavada.has_value()) << i;
        ASSERT_EQ(spolu[i].vysledek != nullptr, sam.vysledek != nullptr) << i;
        if (sam.vysledek) {
            ZadneRozdily(*spolu[i].vysledek, *sam.vysledek, std::to_string(i));
        }
    }
}

// The march's fourth power is pow's, bit for bit, by either way of forming it: at the edges of
// its fast range, at powers of two and next to them, and across the temperatures of a furnace.
TEST(CtvrtaMocnina, IsPowsOwnValue) {
    std::vector<double> x{0.0, -0.0, 1.0, 2.0, 0.5, -3.0, 0x1p-7, 0x1p7, std::nextafter(0x1p-7, 1.0),
                          std::nextafter(0x1p7, 1.0), -127.9, 1e-300, 1e300,
                          std::numeric_limits<double>::infinity(), std::numeric_limits<double>::quiet_NaN(),
                          std::numeric_limits<double>::denorm_min()};
    for (double d = 0x1p-3; d < 0x1p10; d *= 2.0) {
        x.insert(x.end(), {d, std::nextafter(d, 0.0), std::nextafter(d, 1e9), std::sqrt(d), std::sqrt(std::sqrt(d))});
    }
    std::mt19937_64 g(4);
    std::uniform_real_distribution<double> kelvin(0.0, 140.0);  // (T + 273.15) / 100 up to 13700 °C
    for (int i = 0; i < 400000; ++i) {
        x.push_back(kelvin(g));
        x.push_back(std::bit_cast<double>(g()));
    }
    for (const bool fma : {false, detail::kMaFma}) {
        for (const double v : x) {
            ASSERT_EQ(std::bit_cast<std::uint64_t>(detail::Ctvrta(v, fma)), std::bit_cast<std::uint64_t>(std::pow(v, 4.0)))
                << std::hexfloat << v << " fma " << fma;
        }
    }
}

TEST(Vypocet, WorkedExamplesEndWhereTheyAlwaysDid) {
    const VysledekVypoctu n = Spocti(test::Priklad());
    ASSERT_EQ(n.konec, KonecVypoctu::Uspech);
    const Vysledek& v = *n.vysledek;
    EXPECT_EQ(v.PocetKroku, 47);
    EXPECT_EQ(bity(v.Vysledky.TeplotaVsazky[47]), 0x446132b8u);  // 900.79 °C
    EXPECT_EQ(bity(v.Vysledky.Alfa[1]), 0x4309dd65u);            // 137.86 W/m²/K
    EXPECT_NEAR(v.Vysledky.TeplotaVsazky[1], 46.65, 0.01);

    const VysledekVypoctu r = Spocti(test::Priklad(true));
    ASSERT_EQ(r.konec, KonecVypoctu::Uspech);
    EXPECT_EQ(r.vysledek->PocetKroku, 90);
    EXPECT_EQ(bity(r.vysledek->Vysledky.TeplotaVsazky[90]), 0x44615180u);
    EXPECT_LT(r.vysledek->TeplotaPece[59], 1000.0f);
    EXPECT_EQ(r.vysledek->TeplotaPece[60], 1000.0f);
    // The result keeps the problem exactly as it was computed.
    EXPECT_EQ(r.vysledek->Uloha, test::Priklad(true));
}

// c = 400 + 0.4 T between 0 and 1000 °C: H(T) = 400 (T − 20) + 0.2 (T² − 400), held outside.
TEST(Vlastnosti, EnthalpyOfALinearHeatCapacityAndItsInverse) {
    const Vlastnosti v(VlastnostiMaterialu{"linear", {{0, 400, 0}, {500, 600, 0}, {1000, 800, 0}}});
    const auto h = [](double t) { return 400 * (t - 20) + 0.2 * (t * t - 400); };
    for (const double t : {-100.0, 0.0, 20.0, 250.0, 735.0, 1000.0, 1300.0}) {
        const double cekana = t < 0 ? h(0) + 400 * t : t > 1000 ? h(1000) + 800 * (t - 1000) : h(t);
        EXPECT_NEAR(v.entalpie(t), cekana, 1e-6 * std::fabs(cekana) + 1e-9) << t;
        EXPECT_NEAR(v.teplota(cekana), t, 1e-7) << t;
    }
    EXPECT_FALSE(v.maLambda());
    // The standard's carbon steel: a mean of 718 J/kg/K from 20 to 900 °C; λ held above 800 °C.
    const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    EXPECT_NEAR(ocel.stredniC(20, 900), 718, 0.5);
    EXPECT_NEAR(ocel.c(735), 5000, 1e-9);
    EXPECT_EQ(ocel.lambda(1000), 27.3);
    EXPECT_EQ(ZkontrolujKrivku(VlastnostiMaterialu{"x", {{20, 500, 30}, {20, 500, 30}}}).vada,
              VadaKrivky::NerostouciTeplota);
    EXPECT_EQ(ZkontrolujKrivku(VlastnostiMaterialu{"x", {{20, 500, 30}, {90, 500, 0}}}).bod, 1);
}

// The enthalpy the march reads back on its table is within TabulkaEntalpie::kPresnost of the
// curve's own inverse (Newton on its formulas), within the curve's range and beyond it, with and
// without the linear terms a step adds (m H(T) + b T = p).
TEST(Vlastnosti, TabulatedEnthalpyInvertsWithinItsStatedAccuracy) {
    const VlastnostiMaterialu krivky[] = {
        VestaveneVlastnosti(kUhlikovaOcel),
        VestaveneVlastnosti(kNerezovaOcel),
        {"steep", {{100, 450, 0}, {700, 900, 0}, {720, 4000, 0}, {760, 600, 0}}},
        {"wide", {{-200, 100, 0}, {2900, 900, 0}}},
    };
    for (const VlastnostiMaterialu& k : krivky) {
        const Vlastnosti v(k);
        const std::shared_ptr<const TabulkaEntalpie> tab = TabulkaEntalpie::Pro(k);
        ASSERT_NE(tab, nullptr) << k.Nazev;
        EXPECT_EQ(TabulkaEntalpie::Pro(k), tab) << "kept for the next case";
        double nejvic = 0.0;
        for (double t = -150.0; t < 3000.0; t += 0.37) {
            for (const double b : {0.0, 35.0}) {
                const double m = 2.5;
                const double p = m * v.entalpie(t) + b * t;
                const double odhad = t + (b > 0.0 ? 40.0 : -300.0);
                nejvic = std::max(nejvic, std::fabs(tab->koren(m, b, p, odhad) - t));
            }
        }
        EXPECT_LE(nejvic, TabulkaEntalpie::kPresnost) << k.Nazev;
        EXPECT_GT(nejvic, 0.0) << k.Nazev;
    }
    // A curve of one specific heat marches as that value; one too steep for a table on the curve.
    EXPECT_EQ(TabulkaEntalpie::Pro({"flat", {{0, 500, 0}, {900, 500, 0}}}), nullptr);
    EXPECT_EQ(TabulkaEntalpie::Pro({"cliff", {{-270, 1, 0}, {-269.999f, 1e9f, 0}, {2990, 1, 0}}}), nullptr);
}

// The enthalpy of each built-in steel is the integral of its specific heat: dH/dT = c(T) by a
// central difference of 0.01 K, away from the points where c(T) is not smooth, from 0 to 1200 °C.
TEST(Vlastnosti, EnthalpyOfTheBuiltInSteelsRisesByItsSpecificHeat) {
    for (const char* klic : {kUhlikovaOcel, kNerezovaOcel}) {
        const Vlastnosti v(VestaveneVlastnosti(klic));
        int bodu = 0;
        for (double t = 3.7; t < 1200.0; t += 7.3) {
            const double h = 0.005;
            const double c = v.c(t);
            if (std::fabs(v.c(t - h) - c) > 1e-3 * c || std::fabs(v.c(t + h) - c) > 1e-3 * c) {
                continue;  // a kink of c(T) within the difference
            }
            EXPECT_NEAR((v.entalpie(t + h) - v.entalpie(t - h)) / (2 * h), c, 1e-4 * c) << klic << " " << t;
            EXPECT_NEAR(v.teplota(v.entalpie(t)), t, 1e-6) << klic << " " << t;
            ++bodu;
        }
        EXPECT_GT(bodu, 150) << klic;
    }
}

// The worked example with 1 s steps: the standard's carbon steel takes 713 s (an independent
// solver's figure), and the heat the march puts in is the enthalpy the charge holds.
TEST(Vypocet, PropertyCurveMarchesInEnthalpy) {
    Uloha u = test::Priklad();
    u.CasKrok = 1.0f;
    u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    const VysledekVypoctu r = Spocti(u);
    ASSERT_EQ(r.konec, KonecVypoctu::Uspech);
    const Vysledek& v = *r.vysledek;
    EXPECT_NEAR(v.Vysledky.Cas[static_cast<std::size_t>(v.PocetKroku)], 713.0f, 2.0f);
    const Vlastnosti ocel(*u.Vlastnosti);
    double teplo = 0.0;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(v.PocetKroku); ++k) {
        const double tm = (double(v.Vysledky.TeplotaVsazky[k - 1]) + double(v.Vysledky.TeplotaVsazky[k])) / 2;
        teplo += double(v.Vysledky.Alfa[k]) * (double(v.TeplotaPece[k]) - tm);
    }
    const double dh = 100.0 * (ocel.entalpie(double(v.Vysledky.TeplotaVsazky[static_cast<std::size_t>(v.PocetKroku)])) - ocel.entalpie(20));
    EXPECT_NEAR(teplo, dh, 1e-4 * dh);
}

// Limited to 60 kW less 20 % losses, the charge of one specific heat rises on the straight line
// T = Tv + P t / (m c) while the furnace gives all it has, at a furnace temperature that gives
// exactly that heat; the furnace then holds its own temperature again.
TEST(Vypocet, InstalledPowerLimitsTheHeatToAStraightLine) {
    Uloha u = test::Priklad();
    u.CasKrok = 1.0f;
    u.Prikon = 60000.0f;
    u.Ztraty = 20;
    const VysledekVypoctu r = Spocti(u);
    ASSERT_EQ(r.konec, KonecVypoctu::Uspech);
    const Vysledek& v = *r.vysledek;
    ASSERT_GT(v.OmezenoDo, 100.0f);
    for (std::size_t k = 1; double(v.Vysledky.Cas[k]) <= double(v.OmezenoDo); ++k) {
        const double t = double(v.Vysledky.Cas[k]);
        ASSERT_NEAR(v.Vysledky.TeplotaVsazky[k], 20.0 + 50000.0 * t / (100.0 * 500.0), 2e-3) << k;
        const double tm = (double(v.Vysledky.TeplotaVsazky[k - 1]) + double(v.Vysledky.TeplotaVsazky[k])) / 2;
        const double tf = double(v.TeplotaPece[k]);
        const double q = 15 * (tf - tm) + 0.8 * 5.6697 * (std::pow((tf + 273.15) / 100, 4) - std::pow((tm + 273.15) / 100, 4));
        ASSERT_NEAR(q, 50000.0, 1.0) << k;
        ASSERT_NEAR(double(v.Vysledky.Alfa[k]) * (tf - tm), 50000.0, 5.0) << k;  // the row's α gives it too
    }
    const auto posledni = static_cast<std::size_t>(v.PocetKroku);
    EXPECT_EQ(v.TeplotaPece[posledni], 1000.0f);
    EXPECT_GT(v.Vysledky.Cas[posledni], 470.0f);
}

// Settling at exactly 0 °C in row 1 is an estimate too: the second pass starts from it.
TEST(Vypocet, ChargeSettlingAtZeroInRowOneIsComputed) {
    Uloha u = test::Priklad();
    u.Tv = -20.0f;
    u.CasKrok = 20.0f;
    u.Tpece = 700.0f;
    u.Tk = 600.0f;
    u.m = 50.0f;
    u.A = 0.5f;
    const VysledekVypoctu v = Spocti(u);
    ASSERT_EQ(v.konec, KonecVypoctu::Uspech);
    EXPECT_EQ(v.vysledek->PocetKroku, 43);
    EXPECT_EQ(v.vysledek->Vysledky.Cas[43], 860.0f);
    EXPECT_EQ(v.vysledek->Vysledky.TeplotaVsazky[43], 600.50006f);
}

struct Selhani {
    const char* nazev;
    void (*uprav)(Uloha&);
    KonecVypoctu konec;  // how the march ends
    const char* popis;
    double nejdelsiKrok;
    std::optional<Vada> odmitnuti = std::nullopt;  // the pipeline refuses the case before it marches
    std::optional<KonecVypoctu> hlaseni = std::nullopt;  // what the pipeline tells, when not the march's end
};

class VypocetSelze : public testing::TestWithParam<Selhani> {};

// The march fails without a result whatever it is given, and the pipeline refuses beforehand
// what the dialog's OK refuses.
TEST_P(VypocetSelze, WithoutAResult) {
    const Selhani& p = GetParam();
    Uloha u = test::Priklad();
    p.uprav(u);
    const VysledekVypoctu v = Spocti(u);
    EXPECT_EQ(v.vysledek, nullptr);
    Vysledek pochod;
    pochod.Uloha = u;
    OdvodUlohu(pochod.Uloha);
    EXPECT_EQ(Pochod(pochod, {}).konec, p.konec);
    if (p.odmitnuti) {
        EXPECT_EQ(v.konec, KonecVypoctu::Odmitnuto);
        ASSERT_TRUE(v.zavada);
        EXPECT_EQ(v.zavada->vada, *p.odmitnuti);
        return;
    }
    EXPECT_EQ(v.konec, p.hlaseni.value_or(p.konec));
    EXPECT_EQ(v.popis, p.popis);
    EXPECT_EQ(v.nejdelsiKrok, p.nejdelsiKrok);
    if (p.nejdelsiKrok > 0.0) {  // the advice works
        u.CasKrok = static_cast<float>(p.nejdelsiKrok);
        EXPECT_EQ(Spocti(u).konec, KonecVypoctu::Uspech);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Vypocet, VypocetSelze,
    testing::Values(Selhani{"FurnaceBelowFinal", [](Uloha& u) { u.Tpece = 850; }, KonecVypoctu::Preteceni, "", 0,
                            Vada::Nedosazitelna},
                    Selhani{"NoSurface", [](Uloha& u) { u.KoefK = 0; }, KonecVypoctu::Preteceni, "", 0, Vada::PodRozsahem},
                    Selhani{"ChargeAtFurnace", [](Uloha& u) { u.Tv = 1000; u.Tk = 1001; }, KonecVypoctu::Chyba,
                            "Division by zero", 0, Vada::Nedosazitelna},
                    Selhani{"HugeFurnace", [](Uloha& u) { u.Tpece = 3e38f; }, KonecVypoctu::Chyba, "Overflow", 0,
                            Vada::NadRozsahem},
                    // A light charge with a negative emissivity: the iteration of step 2 jumps
                    // back and forth across the furnace temperature for ever.
                    Selhani{"IterationJumpsAcrossTheFurnace",
                            [](Uloha& u) { u.Eps = -0.0368022062f; u.CasKrok = 157.961121f; u.m = 0.24327217f; },
                            KonecVypoctu::Prekmit, "", 0, Vada::PodRozsahem},
                    Selhani{"ZeroStep", [](Uloha& u) { u.CasKrok = 0; }, KonecVypoctu::NeplatnyKrok, "", 0, Vada::PodRozsahem},
                    Selhani{"InfiniteStep", [](Uloha& u) { u.CasKrok = INFINITY; }, KonecVypoctu::NeplatnyKrok, "", 0,
                            Vada::NadRozsahem},
                    // r = α A Δt / (2 m c) above 1: the trapezoidal step ends past the furnace. The
                    // advice is a step the march has shown to work.
                    Selhani{"OneKilogram", [](Uloha& u) { u.m = 1; }, KonecVypoctu::Prekmit, "", 2},
                    Selhani{"ThinSheet", [](Uloha& u) { u.m = 7.85f; u.A = 2; u.c = 460; u.CasKrok = 20; },
                            KonecVypoctu::Prekmit, "", 9},
                    // The curve peaks above Tk and ends below it: no time step helps.
                    Selhani{"CurveEndsBelowFinal",
                            [](Uloha& u) {
                                u = test::Priklad(true);
                                u.Krivka[1] = {1000.0f, 60.0f};
                                u.Krivka[2] = {500.0f, 0.0f};
                            },
                            KonecVypoctu::Preteceni, "", 0, std::nullopt, KonecVypoctu::KrivkaNestaci}),
    [](const auto& p) { return std::string(p.param.nazev); });

// No overshoot: a charge that lags a curve falling below it, or that starts hotter than its
// furnace and cools towards it, ends each step on the side of the furnace it started on.
TEST(Vypocet, ChargeAboveAFallingFurnaceIsNoOvershoot) {
    Uloha u = test::Priklad(true);
    u.Tv = 700.0f;
    u.Tk = 850.0f;
    u.Krivka[0] = {300.0f, 300.0f};  // from below the charge up past it
    const VysledekVypoctu v = Spocti(u);
    ASSERT_EQ(v.konec, KonecVypoctu::Uspech);
    const Vysledky& r = v.vysledek->Vysledky;
    EXPECT_LT(r.TeplotaVsazky[1], 700.0f);  // cooling first
    EXPECT_GE(r.TeplotaVsazky[v.vysledek->PocetKroku], 850.0f);
}

// One expansion of the curve serves the table and every step after it.
TEST(PrubehPece, RampsWithoutTheirStartHoldTheEndAndRunPastTheTable) {
    Uloha u = test::Priklad(true);
    u.PocetKrivek = 3;
    u.Krivka[0] = {20.0f, 20.0f};   // 2 steps of 10 s
    u.Krivka[1] = {120.0f, 0.0f};   // no duration: adds no steps
    u.Krivka[2] = {500.0f, 20.0f};  // from its own start, not the end above: 2 steps
    u.Krivka[3] = {700.0f, 99.0f};
    std::array<float, kPocetRadku> pec{};
    RozvinKrivku(u, pec);
    const float vrstvy[] = {20.0f, 70.0f, 120.0f, 600.0f, 700.0f, 700.0f};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pec[i], vrstvy[i]) << i;
    EXPECT_EQ(pec[kPosledniRadek], 700.0f);
    EXPECT_EQ(PrubehPece(u).konecKrivky(), 4);
    EXPECT_FALSE(PrubehPece(u).podleCasu());
    // A 25 s ramp at 10 s steps: the curve's value at each step's time, the jump at 25 s
    // taken, the last ramp ending at 45 s between two steps.
    u.Krivka[0] = {20.0f, 25.0f};
    RozvinKrivku(u, pec);
    const float podleCasu[] = {20.0f, 60.0f, 100.0f, 550.0f, 650.0f, 700.0f};
    for (int i = 0; i < 6; ++i) EXPECT_EQ(pec[i], podleCasu[i]) << i;
    EXPECT_TRUE(PrubehPece(u).podleCasu());
    EXPECT_EQ(PrubehPece(u).konecKrivky(), 5);

    u = test::Priklad(true);
    u.CasKrok = 0.5f;
    u.Krivka[0] = {20.0f, 6000.5f};  // 12001 steps of ramp: past row 10000
    RozvinKrivku(u, pec);
    const PrubehPece prubeh(u);
    EXPECT_EQ(prubeh(10000), pec[10000]);
    const float smernice = static_cast<float>(980.0 / 6000.5);
    EXPECT_EQ(prubeh(11000), static_cast<float>(11000 * double(smernice) * 0.5 + 20.0));
    EXPECT_EQ(prubeh(12200), 1000.0f);
    u.Rizeny = false;
    u.Tpece = 777.0f;
    EXPECT_EQ(PrubehPece(u)(5), 777.0f);
}

struct Rozmery {
    Profil profil;
    float a, b, l;
    std::int16_t kusy, ab, al, bl;
    float celkova, teplosmenna, hmotnost;
};

class Geometrie : public testing::TestWithParam<Rozmery> {};

TEST_P(Geometrie, SurfacesAndMass) {
    const Rozmery& p = GetParam();
    Uloha u;
    u.Profil = p.profil;
    u.StranaA = p.a;
    u.StranaB = p.b;
    u.DelkaL = p.l;
    u.PocetProfilu = p.kusy;
    u.PocetAB = p.ab;
    u.PocetAL = p.al;
    u.PocetBL = p.bl;
    EXPECT_FLOAT_EQ(CelkovaPlochaProfilu(u).value_or(-1.0f), p.celkova);
    TeplosmennaPlocha(u);
    EXPECT_FLOAT_EQ(u.A, p.teplosmenna);
    u.m = 2.0f;
    HmotnostZRozmeru(u, 7850.0f);
    EXPECT_FLOAT_EQ(u.m, p.hmotnost);
}

INSTANTIATE_TEST_SUITE_P(
    Profily, Geometrie,
    testing::Values(Rozmery{Profil::Kruhovy, 0.1f, 9.0f, 1.0f, 1, 2, 1, 7, 0.32986724f, 0.32986724f, 61.65376f},
                    Rozmery{Profil::Kruhovy, 0.1f, 0.0f, 1.0f, 3, 0, 2, 0, 0.98960172f, 0.62831855f, 184.96126f},
                    Rozmery{Profil::Ctvercovy, 0.2f, 9.0f, 2.0f, 1, 2, 3, 9, 1.68f, 1.28f, 628.0f},
                    Rozmery{Profil::Obdelnikovy, 0.2f, 0.3f, 2.0f, 2, 4, 3, 1, 4.24f, 2.04f, 1884.0f},
                    // Beyond 16383 pieces 2n no longer fits 16 bits; the surface must not wrap.
                    Rozmery{Profil::Ctvercovy, 1.0f, 0.0f, 1.0f, 20000, 0, 0, 0, 120000.0f, 0.0f, 157000000.0f},
                    // No profile has no total, no surface, and the held mass scaled.
                    Rozmery{Profil::Zadny, 1.0f, 1.0f, 1.0f, 1, 1, 1, 1, -1.0f, 0.0f, 15700.0f}));

// Four flat bars of 1 × 0.5 × 2 m, every face counted: 7850 kg/m³.
Uloha tyce() {
    Uloha u = test::Priklad();
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Obdelnikovy;
    u.StranaA = 1.0f;
    u.StranaB = 0.5f;
    u.DelkaL = 2.0f;
    u.PocetProfilu = 4;
    u.PocetAB = u.PocetAL = u.PocetBL = 8;
    u.Gama = 7850.0f;
    u.Tpece = 1200.0f;
    OdvodUlohu(u);
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    return u;
}

// The bars with one face of one kind counted, and a surface a little larger than that face.
Uloha jednaPlocha(std::int16_t Uloha::*pocet) {
    Uloha u = tyce();
    u.PocetAB = u.PocetAL = u.PocetBL = 0;
    u.*pocet = 1;
    TeplosmennaPlocha(u);
    u.A *= 1.00001f;
    return u;
}

struct Kontrola {
    const char* nazev;
    void (*uprav)(Uloha&);
    std::optional<Velicina> velicina;
    Vada vada;
    int bod;
    Pravidlo pravidlo = Pravidlo::Ok;
};

class Prijeti : public testing::TestWithParam<Kontrola> {};

TEST_P(Prijeti, NamesTheFirstFault) {
    const Kontrola& k = GetParam();
    Uloha u = test::Priklad();
    k.uprav(u);
    const std::optional<Zavada> z = PrijmiUlohu(u, k.pravidlo);
    ASSERT_EQ(z.has_value(), k.velicina.has_value()) << (z ? static_cast<int>(z->velicina) : -1);
    if (z) {
        EXPECT_EQ(z->velicina, *k.velicina);
        EXPECT_EQ(z->vada, k.vada);
        EXPECT_EQ(z->bod, k.bod);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Uloha, Prijeti,
    testing::Values(
        Kontrola{"Example", [](Uloha&) {}, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"ZeroMass", [](Uloha& u) { u.m = 0; }, Velicina::m, Vada::PodRozsahem, 0},
        Kontrola{"TooHeavy", [](Uloha& u) { u.m = 1.5e6f; }, Velicina::m, Vada::NadRozsahem, 0},
        Kontrola{"InfiniteMass", [](Uloha& u) { u.m = INFINITY; }, Velicina::m, Vada::NadRozsahem, 0},
        Kontrola{"HeatBeforeMass", [](Uloha& u) { u.c = -1; u.m = 0; }, Velicina::c, Vada::PodRozsahem, 0},
        Kontrola{"StepLast", [](Uloha& u) { u.CasKrok = 0; u.A = -1; }, Velicina::A, Vada::PodRozsahem, 0},
        Kontrola{"EmissivityOne", [](Uloha& u) { u.Eps = 1.0f; }, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"EmissivityAboveOne", [](Uloha& u) { u.Eps = 1.01f; }, Velicina::Eps, Vada::NadRozsahem, 0},
        Kontrola{"ReductionAboveOne", [](Uloha& u) { u.KoefK = 5; }, Velicina::KoefK, Vada::NadRozsahem, 0},
        Kontrola{"NoReduction", [](Uloha& u) { u.KoefK = 0; }, Velicina::KoefK, Vada::PodRozsahem, 0},
        Kontrola{"FurnaceNoFurnaceHas", [](Uloha& u) { u.Tpece = 1e10f; }, Velicina::Tpece, Vada::NadRozsahem, 0},
        Kontrola{"StartBelowAbsoluteZero", [](Uloha& u) { u.Tv = -273.2f; }, Velicina::Tv, Vada::PodRozsahem, 0},
        Kontrola{"AbsoluteZeroItself", [](Uloha& u) { u.Tv = -273.15f; }, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"NaNFinal", [](Uloha& u) { u.Tk = NAN; }, Velicina::Tk, Vada::NekonecnaHodnota, 0},
        Kontrola{"TypedMassNoDensity", [](Uloha& u) { u.Gama = 0; }, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"TypedMassNegativeDensity", [](Uloha& u) { u.Gama = -5; }, Velicina::Gama, Vada::PodRozsahem, 0},
        Kontrola{"NoConductivity", [](Uloha& u) { u.Lambda = 0; }, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"NegativeConductivity", [](Uloha& u) { u.Lambda = -1; }, Velicina::Lambda, Vada::PodRozsahem, 0},
        Kontrola{"NoMassSetting", [](Uloha& u) { u.ZadaniHmotnosti = ZadaniHmotnosti::Nezvoleno; },
                 Velicina::ZadaniHmotnosti, Vada::ChybiHodnota, 0},
        Kontrola{"ZeroHoldInTheMiddle",
                 [](Uloha& u) { u = test::Priklad(true); u.PocetKrivek = 3; u.Krivka[1].DobaVydrze = 0; u.Krivka[2].DobaVydrze = 600; },
                 Velicina::DobaVydrze, Vada::NulovaDoba, 1},
        Kontrola{"NegativeDuration", [](Uloha& u) { u = test::Priklad(true); u.Krivka[0].DobaVydrze = -1; },
                 Velicina::DobaVydrze, Vada::NulovaDoba, 0},
        Kontrola{"InfinitePoint", [](Uloha& u) { u = test::Priklad(true); u.Krivka[2].Teplota = INFINITY; },
                 Velicina::TeplotaKrivky, Vada::NadRozsahem, 2},
        Kontrola{"ControlledIgnoresFurnace", [](Uloha& u) { u = test::Priklad(true); u.Tpece = NAN; }, std::nullopt,
                 Vada::Neuplna, 0},
        Kontrola{"ZeroStart", [](Uloha& u) { u.Tv = 0; }, Velicina::Tv, Vada::Neuplna, 0},
        Kontrola{"ZeroFurnace", [](Uloha& u) { u.Tpece = 0; }, Velicina::Tpece, Vada::Neuplna, 0},
        Kontrola{"ZeroFurnaceOfACurve", [](Uloha& u) { u = test::Priklad(true); u.Tpece = 0; }, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"FinalBelowStart", [](Uloha& u) { u.Tk = 19; }, Velicina::Tk, Vada::PodTv, 0},
        Kontrola{"FurnaceNeverHotEnough", [](Uloha& u) { u.Tk = 1000; }, Velicina::Tk, Vada::Nedosazitelna, 0},
        // A charge already at its final temperature has nothing to heat.
        Kontrola{"AlreadyThere", [](Uloha& u) { u.Tk = 1000; u.Tv = 1000; }, Velicina::Tk, Vada::PodTv, 0},
        // The highest point of a curve counts, not the last.
        Kontrola{"CurvePeak", [](Uloha& u) { u = test::Priklad(true); u.Krivka[1].Teplota = 1200; u.Tk = 1100; },
                 std::nullopt, Vada::Neuplna, 0},
        Kontrola{"CurveNeverHotEnough", [](Uloha& u) { u = test::Priklad(true); u.Tk = 1000; }, Velicina::Tk,
                 Vada::Nedosazitelna, 0},
        Kontrola{"Bars", [](Uloha& u) { u = tyce(); }, std::nullopt, Vada::Neuplna, 0},
        Kontrola{"BarsNoDensity", [](Uloha& u) { u = tyce(); u.Gama = 0; }, Velicina::Gama, Vada::PodRozsahem, 0},
        Kontrola{"SquareIgnoresB", [](Uloha& u) { u = tyce(); u.Profil = Profil::Ctvercovy; u.StranaB = 0; u.PocetBL = -1;
                                                  u.PocetAL = 16; HmotnostZRozmeru(u, u.Gama); TeplosmennaPlocha(u); },
                 std::nullopt, Vada::Neuplna, 0},
        Kontrola{"NoProfile", [](Uloha& u) { u = tyce(); u.Profil = Profil::Zadny; }, Velicina::Profil,
                 Vada::ChybiHodnota, 0},
        Kontrola{"SideAThenLength", [](Uloha& u) { u = tyce(); u.StranaA = 0; u.DelkaL = 0; }, Velicina::StranaA,
                 Vada::PodRozsahem, 0},
        Kontrola{"NoPieces", [](Uloha& u) { u = tyce(); u.PocetProfilu = 0; }, Velicina::PocetProfilu,
                 Vada::PodRozsahem, 0},
        Kontrola{"NegativeCount", [](Uloha& u) { u = tyce(); u.PocetAL = -1; }, Velicina::PocetAL, Vada::PodRozsahem, 0},
        Kontrola{"MoreFacesThanPieces", [](Uloha& u) { u = tyce(); u.PocetBL = 9; }, Velicina::PocetBL,
                 Vada::PrilisMnohoPloch, 0},
        Kontrola{"RoundBarFaces", [](Uloha& u) { u = tyce(); u.Profil = Profil::Kruhovy; u.PocetAB = 8; u.PocetAL = 5; },
                 Velicina::PocetAL, Vada::PrilisMnohoPloch, 0},
        // A surface made of counted faces is what they give, to the 7 digits a file holds.
        Kontrola{"SurfaceOfSevenDigits", [](Uloha& u) { u = tyce(); u.A = u.A * (1.0f + 4e-7f); }, std::nullopt,
                 Vada::Neuplna, 0},
        Kontrola{"SurfaceNotOfTheFaces", [](Uloha& u) { u = tyce(); u.A = u.A * 1.00001f; }, Velicina::A,
                 Vada::PlochaNesouhlasi, 0},
        // One face of a kind counted is a count too.
        Kontrola{"SurfaceNotOfOneFaceAB", [](Uloha& u) { u = jednaPlocha(&Uloha::PocetAB); }, Velicina::A,
                 Vada::PlochaNesouhlasi, 0},
        Kontrola{"SurfaceNotOfOneFaceAL", [](Uloha& u) { u = jednaPlocha(&Uloha::PocetAL); }, Velicina::A,
                 Vada::PlochaNesouhlasi, 0},
        Kontrola{"SurfaceNotOfOneFaceBL", [](Uloha& u) { u = jednaPlocha(&Uloha::PocetBL); }, Velicina::A,
                 Vada::PlochaNesouhlasi, 0},
        // A typed surface, no face counted: at most the total, at three decimals for OK and
        // as it is for Cancel.
        Kontrola{"TypedSurfaceAtThreeDecimals",
                 [](Uloha& u) { u = tyce(); u.PocetAB = u.PocetAL = u.PocetBL = 0; u.A = 28.0004f; }, std::nullopt,
                 Vada::Neuplna, 0},
        Kontrola{"TypedSurfaceCancel",
                 [](Uloha& u) { u = tyce(); u.PocetAB = u.PocetAL = u.PocetBL = 0; u.A = 28.0004f; }, Velicina::A,
                 Vada::PlochaVetsi, 0, Pravidlo::Storno},
        Kontrola{"TypedSurfaceTooLarge",
                 [](Uloha& u) { u = tyce(); u.PocetAB = u.PocetAL = u.PocetBL = 0; u.A = 28.001f; }, Velicina::A,
                 Vada::PlochaVetsi, 0},
        // A core with no face counted has no piece to heat: the case is refused, not computed without it.
        Kontrola{"CoreWithoutFaces",
                 [](Uloha& u) { u = tyce(); u.PocetAB = u.PocetAL = u.PocetBL = 0; u.A = 20.0f; u.Lambda = 45.0f; },
                 Velicina::PocetAL, Vada::JadroBezPloch, 0}),
    [](const auto& p) { return std::string(p.param.nazev); });

TEST(Jadro, NeedsDimensionsAndAHeatedFace) {
    Uloha u = test::Priklad();
    u.Lambda = 45.0f;
    Vysledek v = *Spocti(u).vysledek;
    EXPECT_EQ(SpoctiJadro(v), KonecJadra::BezRozmeru);
    ASSERT_TRUE(v.Jadro);  // the result says how its core came out
    EXPECT_EQ(v.Jadro->konec, KonecJadra::BezRozmeru);
    EXPECT_EQ(v.rozhodujiciCas(), v.casOhrevu());
    u = tyce();  // a 1 m cube of 7850 kg, all faces but the ends counted
    u.StranaB = 1.0f;
    u.DelkaL = 1.0f;
    u.PocetProfilu = 1;
    u.PocetAB = 0;
    u.Tpece = 1000.0f;
    u.m = 7850.0f;
    u.A = 4.0f;
    u.PocetAL = u.PocetBL = 0;
    const VysledekVypoctu krychle = Spocti(u);
    ASSERT_TRUE(krychle.vysledek);
    v = *krychle.vysledek;
    v.Uloha.Lambda = 45.0f;
    EXPECT_EQ(SpoctiJadro(v), KonecJadra::BezPloch);
    u.Lambda = 45.0f;
    for (const auto& [ab, bl] : {std::pair{2, 0}, std::pair{0, 2}}) {  // the ends, or the faces of width B, alone
        u.PocetAB = static_cast<std::int16_t>(ab);
        u.PocetBL = static_cast<std::int16_t>(bl);
        u.A = 2.0f;
        const VysledekVypoctu s = Spocti(u);
        ASSERT_TRUE(s.vysledek) << ab;
        EXPECT_EQ(s.jadro, KonecJadra::Dosazeno) << ab;
        ASSERT_TRUE(s.vysledek->Jadro);
    }
    u.PocetAB = 2;
    u.PocetBL = 0;
    // Two pieces with 3 faces A*L between them: the slower piece has 1.
    u.PocetProfilu = 2;
    u.PocetAL = 3;
    u.StranaA = u.StranaB = 0.1f;
    u.m = 157.0f;
    TeplosmennaPlocha(u);
    const VysledekVypoctu dva = Spocti(u);
    ASSERT_TRUE(dva.vysledek);
    v = *dva.vysledek;
    ASSERT_TRUE(v.Jadro);
    const Jadro& j = *v.Jadro;
    EXPECT_EQ(j.cas, static_cast<double>(j.krok) * 10.0);
    EXPECT_GE(j.krok, v.PocetKroku);  // the core lags the single temperature
    EXPECT_EQ(j.teplota.size(), static_cast<std::size_t>(j.krok) + 1);
    EXPECT_GE(j.teplota.back(), 900.0f);
    EXPECT_LT(j.teplota[static_cast<std::size_t>(j.krok) - 1], 900.0f);
    float alfa = 0.0f;
    for (int i = 1; i <= v.PocetKroku; ++i) alfa = std::max(alfa, v.Vysledky.Alfa[i]);
    EXPECT_NEAR(j.biot, double(alfa) * (0.1 * 0.1 * 1.0 * 2.0 / double(u.A)) / 45.0, 1e-6);
}

TEST(VykonASpotreba, RaisesOnlyThePowerByTheLosses) {
    const VysledekVypoctu v = Spocti(test::Priklad());
    const auto nula = VykonASpotreba(*v.vysledek, 0);
    ASSERT_TRUE(nula);
    EXPECT_FLOAT_EQ(nula->E, 12222.222f);
    EXPECT_FLOAT_EQ(nula->P, 93617.02f);
    const auto deset = VykonASpotreba(*v.vysledek, 10);
    EXPECT_FLOAT_EQ(deset->P, 102978.72f);
    EXPECT_EQ(deset->E, nula->E);
    EXPECT_FLOAT_EQ(VykonASpotreba(*v.vysledek, -100)->P, 0.0f);

    Vysledek stejne = *v.vysledek;
    stejne.Uloha.Tk = stejne.Uloha.Tv;
    EXPECT_EQ(VykonASpotreba(stejne, 5)->P, 0.0f);
    Vysledek bezCasu;
    EXPECT_FALSE(VykonASpotreba(bezCasu, 0));
    Vysledek obrovsky = *v.vysledek;
    obrovsky.Uloha.m = 3e38f;
    EXPECT_FALSE(VykonASpotreba(obrovsky, 0));
}

}  // namespace
}  // namespace zorvet
