#include <gtest/gtest.h>

#include <limits>
#include <numbers>
#include <tuple>

#include "model/rada_valce.h"
#include "model/load/svazek.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {
namespace {

const Vlastnosti& Ocel() {
    static const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    return ocel;
}

// Whatever the porosity, bar and temperature, k_ef lies between the series bound of the cell's
// phases (gas alone in the gaps) and the parallel one (the widest gap radiating) (Wiener); and
// without radiation the more gas the bundle holds, the worse it conducts.
TEST(Svazek, EffectiveConductivityLiesBetweenItsBounds) {
    for (const double d : {0.005, 0.03, 0.1}) {
        for (const double t : {20.0, 300.0, 640.0, 1100.0}) {
            double bezSalani = std::numeric_limits<double>::infinity();
            for (const double phi : {PorozitaBaleni(Baleni::Sestiuhelne), 0.15, PorozitaBaleni(Baleni::Ctvercove), 0.4,
                                     0.85}) {
                const EfektivniVodivost k = VodivostSvazku(d, phi, Ocel().lambda(t), t, 0.7);
                EXPECT_GT(k.kef, k.kSer) << phi << " " << d << " " << t;
                EXPECT_GT(k.kSer, 0.0) << phi << " " << d << " " << t;
                EXPECT_LT(k.kef, k.kPar) << phi << " " << d << " " << t;
                const double plyn = VodivostSvazku(d, phi, Ocel().lambda(t), t, 1e-9).kef;
                EXPECT_LT(plyn, bezSalani) << phi << " " << d << " " << t;
                bezSalani = plyn;
            }
        }
    }
    EXPECT_EQ(VodivostSvazku(0.02, 0.95, 40, 500, 0.7).kef, 0.0);  // beyond the model's range
}

// Measured (guarded hot plate) effective conductivities of charges of low-carbon steel bars,
// pipes and sections: 1.75-8.19 W/(m K), 0.03-0.25 of the steel's own, over 70-640 degrees C
// (Wyczolkowski, Solids 2 (2021) 420, doi:10.3390/solids2040027). The model for bundles of
// round bars of 10-40 mm, square and hexagonal packing, eps 0.7, gives 2.7-6.4 W/(m K),
// 0.05-0.20 of the steel's: within the measured range throughout.
TEST(Svazek, EffectiveConductivityFallsWithinTheMeasuredRange) {
    for (const Baleni b : {Baleni::Ctvercove, Baleni::Sestiuhelne}) {
        for (const double d : {0.01, 0.02, 0.04}) {
            for (const double t : {70.0, 200.0, 400.0, 640.0}) {
                const double ks = Ocel().lambda(t), k = VodivostSvazku(d, PorozitaBaleni(b), ks, t, 0.7).kef;
                EXPECT_TRUE(k >= 1.75 && k <= 8.19 && k / ks >= 0.03 && k / ks <= 0.25) << d << " " << t << " " << k;
            }
        }
    }
}

ZadaniSvazku Svazek(double d, double bar) {
    return {.tvar = 'K', .a = d, .d = bar, .hustota = 7850, .krivkaC = &Ocel(), .krivkaLambda = &Ocel(), .eps = 0.8,
            .tv = 20, .tk = 850, .krok = 10, .maxKroku = 20000, .pec = [](long) { return 1000.0; }};
}

// A bundle with a typed k_ef is a homogeneous cylinder of density (1 - phi) rho: its core follows
// the exact series (rada_valce.h) within 0.5 %.
TEST(Svazek, TypedConductivityFollowsTheSeriesOfAHomogeneousCylinder) {
    for (const auto& [baleni, bi] : {std::tuple{Baleni::Ctvercove, 1.0}, std::tuple{Baleni::Sestiuhelne, 6.0}}) {
        ZadaniSvazku z = Svazek(0.3, 0.02);
        z.baleni = baleni, z.kef = 3.0, z.krivkaC = z.krivkaLambda = nullptr, z.c = 500, z.eps = 0;
        z.konvekce = bi * 3.0 / 0.15;
        const double phi = PorozitaBaleni(baleni);
        const double presne = CasStreduValce(bi, 3.0 / ((1 - phi) * 7850 * 500), 0.15, 150.0 / 980);
        z.krok = presne / 600.5;
        const VysledekSvazku v = SpoctiSvazek(z);
        ASSERT_EQ(v.konec, KonecSvazku::Dosazeno);
        EXPECT_NEAR(v.vedeni.casJadra, presne, 0.005 * presne) << bi;
        EXPECT_EQ(v.kefKonecna, 3.0);
    }
}

// The heat from the envelope's rows, run on through a long soak, approaches what the bundle's mass
// takes from 20 degrees C to the furnace's: between m (h(tk) - h(tv)) and m (h(Tf) - h(tv)), 1 %.
TEST(Svazek, HeatOfTheRowsIsWhatTheMassTakes) {
    ZadaniSvazku z = Svazek(0.1, 0.01);
    z.tk = 900, z.prodleva = 20000, z.delka = 3;
    const VysledekSvazku v = SpoctiSvazek(z);
    ASSERT_EQ(v.konec, KonecSvazku::Dosazeno);
    ASSERT_EQ(v.teplo.size(), static_cast<std::size_t>(v.vedeni.krokJadra + 2001));
    const double m = (1 - PorozitaBaleni(Baleni::Ctvercove)) * 7850 * std::numbers::pi * 0.0025 * 3;
    EXPECT_GT(v.teplo.back(), 0.99 * m * (Ocel().entalpie(900) - Ocel().entalpie(20)));
    EXPECT_LT(v.teplo.back(), 1.01 * m * (Ocel().entalpie(1000) - Ocel().entalpie(20)));
    EXPECT_GT(v.vedeni.jadro.back(), 995.0f);  // at the end of the soak the bundle holds the furnace's
}

}  // namespace
}  // namespace zorvet
