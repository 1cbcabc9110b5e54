#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "model/load/mrizka.h"
#include "model/rada_valce.h"
#include "model/conduction/vedeni.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {
namespace {

const Vlastnosti& Ocel() {
    static const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    return ocel;
}

// Carbon-steel bars in a furnace at 1000 degrees C, eps 0.8, from 20 to 850 in steps of 10 s.
ZadaniMrizky Pole(char profil, double d, int nx, int ny, double g) {
    ZadaniMrizky z;
    z.usporadani = {profil, d, nx, ny, g, g};
    z.krivkaC = z.krivkaLambda = &Ocel();
    z.hustota = 7850, z.eps = 0.8, z.tv = 20, z.tk = 850, z.krok = 10, z.maxKroku = 5000;
    z.pec = [](long) { return 1000.0; };
    return z;
}

// One piece is a free piece: the conduction core of one piece (an independent grid and march)
// gives the same core time, within one step (0.7 %).
TEST(Mrizka, OnePieceAgreesWithTheConductionCoreOfOnePiece) {
    for (const char profil : {'K', 'C'}) {
        for (const bool krivky : {true, false}) {
            ZadaniMrizky z = Pole(profil, 0.1, 1, 1, 0);
            if (!krivky) z.krivkaC = z.krivkaLambda = nullptr, z.c = 600, z.lambda = 30;
            EXPECT_TRUE(JeVolnyKus(z));
            const VysledekMrizky v = SpoctiMrizku(z);
            ZadaniVedeni zv{.profil = profil, .a = 0.1, .plast = true, .plochyAL = 4, .lambda = z.lambda, .c = z.c,
                            .hustota = 7850, .krivkaC = z.krivkaC, .krivkaLambda = z.krivkaLambda, .eps = 0.8,
                            .tv = 20, .tk = 850, .krok = 10, .maxKroku = 5000, .pec = z.pec};
            const VysledekVedeni jeden = SpoctiVedeni(zv);
            ASSERT_EQ(v.konec, KonecMrizky::Dosazeno);
            EXPECT_LE(std::abs(v.krokJadra - jeden.krokJadra), 1) << profil << krivky;
            EXPECT_NEAR(v.povrch[0][50], jeden.povrch[50], 1.0) << profil << krivky;
        }
    }
    EXPECT_FALSE(JeVolnyKus(Pole('K', 0.1, 2, 1, 0)));
}

// A solid cylinder under a constant surface coefficient (radiation off), constant properties,
// against its exact series (rada_valce.h): the core time within 0.5 %.
TEST(Mrizka, RoundBarUnderConvectionFollowsTheExactSeries) {
    for (const double bi : {0.5, 4.0}) {
        const double lambda = 30, r = 0.05, h = bi * lambda / r;
        const double hi = CasStreduValce(bi, lambda / (7850 * 500.0), r, 150.0 / 980);  // 20 -> 850 at 1000
        ZadaniMrizky z = Pole('K', 2 * r, 1, 1, 0);
        z.krivkaC = z.krivkaLambda = nullptr, z.c = 500, z.lambda = lambda, z.eps = 0, z.konvekce = h;
        z.krok = hi / 800.5, z.maxKroku = 2000;
        const VysledekMrizky v = SpoctiMrizku(z);
        EXPECT_NEAR(v.casJadra, hi, 0.005 * hi) << bi;
    }
}

// The heat that entered (the faces' fluxes through the stages) is the enthalpy the pieces hold,
// step by step; and it lies between the load's mass times h(tk) - h(tv) and h(Tf) - h(tv) once
// every point is past tk (mass from the dimensions, h from the curve: nothing of the grid).
// Under a power limit the load takes exactly the limit in every limited step, and the furnace
// temperature rises continuously to its own.
TEST(Mrizka, HeatEnteringIsTheEnthalpyGainedAndThePowerLimitHolds) {
    for (const char profil : {'K', 'C'}) {
        ZadaniMrizky z = Pole(profil, 0.06, 3, 2, 0.005);
        z.delka = 2.0, z.prikon = 60000, z.tk = 900;
        const VysledekMrizky v = SpoctiMrizku(z);
        ASSERT_EQ(v.konec, KonecMrizky::Dosazeno);
        for (std::size_t k = 0; k < v.teplo.size(); ++k) EXPECT_NEAR(v.teplo[k], v.entalpie[k], 1e-9 * v.teplo.back());
        const double plocha = profil == 'K' ? std::numbers::pi * 0.0009 : 0.0036;
        const double hmota = 6 * plocha * 2.0 * 7850;
        EXPECT_GT(v.teplo.back(), hmota * (Ocel().entalpie(900) - Ocel().entalpie(20)));
        EXPECT_LT(v.teplo.back(), hmota * (Ocel().entalpie(1000) - Ocel().entalpie(20)));
        const long omezeno = std::lround(v.omezenoDo / z.krok);
        ASSERT_GT(omezeno, 20);
        ASSERT_LT(omezeno, v.krokJadra);
        for (long k = 1; k < omezeno; ++k)  // the last limited step is limited only in part
            EXPECT_NEAR(v.teplo[static_cast<std::size_t>(k)] - v.teplo[static_cast<std::size_t>(k - 1)],
                        60000 * z.krok, 1e-6 * 60000 * z.krok) << k;
        for (std::size_t k = 1; k < v.pec.size(); ++k) {
            EXPECT_LE(v.pec[k], 1000.0f);
            EXPECT_LE(std::fabs(v.pec[k] - v.pec[k - 1]), 15.0f) << k;  // no jump where the limit ends
        }
    }
}

// In a row the middle piece is the slowest and the ends the fastest; mirrored pieces heat alike,
// and computing one quarter of the array (of a square array, half of the quarter) gives what
// computing every piece gives.
TEST(Mrizka, TheMiddleOfARowIsSlowestAndMirrorImagesAgree) {
    for (const auto& [profil, nx, ny] : {std::tuple{'K', 5, 1}, std::tuple{'C', 3, 2}, std::tuple{'K', 3, 3}}) {
        ZadaniMrizky z = Pole(profil, 0.06, nx, ny, 0.01);
        const VysledekMrizky ctvrt = SpoctiMrizku(z);
        z.symetrie = false;
        const VysledekMrizky vse = SpoctiMrizku(z);
        EXPECT_EQ(ctvrt.nejpomalejsiKus.sloupec, nx / 2);
        EXPECT_EQ(ctvrt.nejrychlejsiKus.sloupec, 0);
        EXPECT_EQ(ctvrt.krokJadra, vse.krokJadra);
        for (int k = 0; k < nx * ny; ++k) {
            const int zrcadlo = (ny - 1 - k / nx) * nx + (nx - 1 - k % nx);
            const std::size_t kk = static_cast<std::size_t>(k);
            EXPECT_EQ(vse.krokKusu[kk], vse.krokKusu[static_cast<std::size_t>(zrcadlo)]) << k;
            EXPECT_EQ(vse.krokKusu[kk], ctvrt.krokKusu[kk]) << k;
            for (std::size_t i = 0; i < vse.jadro[kk].size(); i += 10) EXPECT_NEAR(vse.jadro[kk][i], ctvrt.jadro[kk][i], 1e-3);
        }
    }
}

// Twice the facets, twice the cells per direction and half the time step move the core time by
// less than 0.5 % (a row of touching round bars, a row of touching square bars).
TEST(Mrizka, CoreTimeIsConvergedInGridAndStep) {
    for (const char profil : {'K', 'C'}) {
        ZadaniMrizky z = Pole(profil, 0.06, 3, 1, 0.0);
        const VysledekMrizky hruby = SpoctiMrizku(z);
        z.zjemneni = 2, z.krok = 5, z.maxKroku = 10000;
        const VysledekMrizky jemny = SpoctiMrizku(z);
        ASSERT_GT(hruby.krokJadra, 100);
        EXPECT_NEAR(jemny.casJadra, hruby.casJadra, 0.005 * hruby.casJadra) << profil;
    }
}

// Published radiosity-and-conduction results for carbon-steel bars (furnace 1000, eps 0.8): a
// row of three touching 60 mm bars takes 1.4 times as long as one alone, a 5 x 3 array of 100 mm
// bars with 10 mm gaps 6151 s against 1516 s (4.06 times). The ratios within 5 %.
TEST(Mrizka, ShadingSlowsTheLoadAsPublished) {
    const auto pomer = [](ZadaniMrizky z) {
        const double pole = SpoctiMrizku(z).casJadra;
        z.usporadani.nx = z.usporadani.ny = 1;
        return pole / SpoctiMrizku(z).casJadra;
    };
    EXPECT_NEAR(pomer(Pole('K', 0.06, 3, 1, 0.0)), 1.4, 0.07);
    EXPECT_NEAR(pomer(Pole('K', 0.1, 5, 3, 0.01)), 6151.0 / 1516.0, 0.2);
}

TEST(Mrizka, SoakAddsItsTimeAndTheHeatThatStillEnters) {
    const std::vector<double> teplo = {0, 50, 90, 120, 140, 150, 155};
    const auto v = [&](long krok, double prodleva) { return SpoctiProdlevu(teplo, 10.0, krok, prodleva); };
    EXPECT_EQ(v(2, 25).konec, KonecProdlevy::Spocteno);
    EXPECT_DOUBLE_EQ(v(2, 25).casCyklu, 45.0);
    EXPECT_DOUBLE_EQ(v(2, 25).teplo, 60.0);  // to the end of step 5, the first at or past 45 s
    EXPECT_DOUBLE_EQ(v(2, 0).teplo, 0.0);
    EXPECT_EQ(v(2, 50).konec, KonecProdlevy::KratkyBeh);
    EXPECT_EQ(v(-1, 10).konec, KonecProdlevy::NedosazenoJadro);
    EXPECT_DOUBLE_EQ(v(0, 15).casCyklu, 15.0);  // a load already at tk: the soak alone
    EXPECT_DOUBLE_EQ(v(0, 15).teplo, 90.0);
    EXPECT_EQ(v(2, -1).konec, KonecProdlevy::NeplatnaProdleva);
    // The load's own run goes on through the soak.
    ZadaniMrizky z = Pole('K', 0.06, 2, 1, 0.0);
    z.prodleva = 600;
    const VysledekMrizky p = SpoctiMrizku(z);
    ASSERT_EQ(p.teplo.size(), static_cast<std::size_t>(p.krokJadra + 61));
    const Prodleva s = SpoctiProdlevu(p.teplo, z.krok, p.krokJadra, z.prodleva);
    EXPECT_GT(s.teplo, 0.0);
    EXPECT_LT(s.teplo, p.teplo[static_cast<std::size_t>(p.krokJadra)] / 5);
}

TEST(Mrizka, InvalidInputComputesNothing) {
    std::vector<ZadaniMrizky> vadne(6, Pole('K', 0.1, 2, 1, 0.0));
    vadne[0].usporadani.nx = 0;
    vadne[1].usporadani.profil = 'O';
    vadne[2].eps = 1.5;
    vadne[3].prikon = 1000;  // a power needs the length
    vadne[4].usporadani.gx = -0.01;
    vadne[5].usporadani.nx = 101;
    for (const ZadaniMrizky& z : vadne) EXPECT_EQ(SpoctiMrizku(z).konec, KonecMrizky::NeplatneZadani);
    ZadaniMrizky z = Pole('K', 0.1, 2, 1, 0.0);
    z.pec = [](long k) { return k < 3 ? 1000.0 : std::nan(""); };
    const VysledekMrizky v = SpoctiMrizku(z);
    EXPECT_EQ(v.konec, KonecMrizky::NeplatnaPec);
    EXPECT_EQ(v.nejpomalejsi.size(), 3u);
}

}  // namespace
}  // namespace zorvet
