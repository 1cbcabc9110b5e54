#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/planning/planovani.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

Uloha priklad1s() {
    Uloha u = test::Priklad();
    u.CasKrok = 1.0f;
    return u;
}

double cas(const Uloha& u) {
    const VysledekVypoctu v = Spocti(u);
    return v.uspech() ? v.vysledek->rozhodujiciCas().value_or(-1.0) : -1.0;
}

// For one furnace temperature and one specific heat the time is proportional to m c: the
// largest mass for 600 s is m · 600 / t(m), up to a step. Every value the one search finds, for
// every field the table lets it seek, lies on the boundary: 0.2 % beyond it misses the time.
TEST(HledejCil, FindsTheBoundaryOfTheTime) {
    const Uloha u = priklad1s();
    const VysledekHledani m = HledejCil(u, Velicina::m, 600.0);
    ASSERT_EQ(m.konec, KonecHledani::Nalezeno);
    EXPECT_NEAR(m.hodnota, 100.0 * 600.0 / cas(u), 100.0 * 600.0 / cas(u) / 470.0);
    for (const PopisPole& p : PoleUlohy()) {
        if (p.hledani == Hledani::Ne) {
            continue;
        }
        const VysledekHledani h = HledejCil(u, p.velicina, 600.0);
        ASSERT_EQ(h.konec, KonecHledani::Nalezeno) << p.nazev;
        ASSERT_TRUE(h.reseni.uspech());
        EXPECT_LE(h.reseni.vysledek->rozhodujiciCas().value_or(1e9), 600.0) << p.nazev;
        Uloha w = u;
        NastavHodnotu(w, p, h.hodnota * (p.hledani == Hledani::Mensi ? 1.002 : 0.998));
        EXPECT_GT(cas(w), 600.0) << p.nazev;
    }
    EXPECT_EQ(HledejCil(u, Velicina::Prikon, 400.0).konec, KonecHledani::Nelze);  // 469 s unlimited
    EXPECT_EQ(HledejCil(u, Velicina::Tpece, 30.0).konec, KonecHledani::Nelze);    // over 1600 °C
    const VysledekHledani rizena = HledejCil(test::Priklad(true), Velicina::Tpece, 900.0);
    EXPECT_EQ(rizena.konec, KonecHledani::Nemenitelna);
    EXPECT_EQ(rizena.nemenitelna, Nemenitelna::Pripadem);
}

// A log the program computed with ε 0.63 (every 20th row) gives that emissivity back, and a
// measured furnace replaces the problem's.
TEST(PrizpusobEmisivitu, RecoversTheEmissivityOfALog) {
    Uloha u = priklad1s();
    u.Eps = 0.63f;
    const VysledekVypoctu r = Spocti(u);
    ASSERT_TRUE(r.vysledek);
    std::vector<BodMereni> log, sPeci;
    for (std::size_t k = 0; k <= static_cast<std::size_t>(r.vysledek->PocetKroku); k += 20) {
        log.push_back({double(r.vysledek->Vysledky.Cas[k]), double(r.vysledek->Vysledky.TeplotaVsazky[k]), {}});
        sPeci.push_back({log.back().cas, log.back().teplota, 1000.0});
    }
    u.Eps = 0.3f;
    const VysledekPrizpusobeni f = PrizpusobEmisivitu(u, log);
    ASSERT_TRUE(f.uspech);
    EXPECT_NEAR(f.eps, 0.63, 0.005);
    EXPECT_LT(f.rms, 0.5);
    u.Tpece = 700.0f;
    EXPECT_NEAR(PrizpusobEmisivitu(u, sPeci).eps, 0.63, 0.005);
}

struct NemoznyZaznam {
    const char* nazev;
    std::vector<BodMereni> log;  // of the worked example, whose ε 1 reaches 336.6 °C in 100 s
    bool naMezi;                 // the best at an end of the range, else no better than the log's mean
};

class Nemozny : public testing::TestWithParam<NemoznyZaznam> {};

// A log that no emissivity explains gets none: the best at an end of the range may lie beyond
// it, and a deviation no smaller than the log's own spread explains nothing.
TEST_P(Nemozny, GetsNoEmissivity) {
    const VysledekPrizpusobeni f = PrizpusobEmisivitu(test::Priklad(), GetParam().log);
    EXPECT_FALSE(f.uspech);
    EXPECT_FALSE(f.prubeh);
    EXPECT_EQ(f.naMezi, GetParam().naMezi) << f.eps;
    if (!GetParam().naMezi) {
        EXPECT_GE(f.rms, f.rozptyl);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zaznamy, Nemozny,
    testing::Values(
        // Close to the run of ε 1, but a fifth faster: near (79.9 K), yet beyond the range.
        NemoznyZaznam{"FasterThanEmissivityOne", {{0, 20, {}}, {80, 336.6, {}}, {160, 611.4, {}}, {240, 806.9, {}}}, true},
        NemoznyZaznam{"SlowerThanAnyEmissivity", {{0, 20, {}}, {600, 21, {}}, {1200, 22, {}}}, true},
        NemoznyZaznam{"ChargeAboveItsFurnace", {{0, 20, 400.0}, {600, 700, 400.0}, {1200, 900, 400.0}}, true},
        NemoznyZaznam{"ALogThatCools", {{0, 500, {}}, {100, 400, {}}, {200, 300, {}}, {300, 200, {}}}, false},
        NemoznyZaznam{"ALogThatJumps", {{0, 20, {}}, {100, 600, {}}, {200, 30, {}}, {300, 600, {}}, {400, 30, {}}}, false}),
    [](const auto& p) { return std::string(p.param.nazev); });

}  // namespace
}  // namespace zorvet
