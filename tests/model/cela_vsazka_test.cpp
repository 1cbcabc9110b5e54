// The whole load under the installed power: a problem describes the whole load, whether its
// pieces lie free, in an array or in a bundle, and every figure of the result follows it.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <optional>

#include "model/case/geometrie.h"
#include "model/case/prijeti.h"
#include "model/conduction/vedeni.h"
#include "model/load/svazek.h"
#include "model/pipeline/vypocet.h"
#include "model/pipeline/vykon.h"
#include "model/properties/vlastnosti.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

// Round bars of 60 mm, 1 m long, their mantles heated; furnace 1000 °C, from 20 °C to 850 °C in
// 10 s steps; c 600 and λ 40, or the carbon-steel curves.
Uloha Tyce(std::int16_t kusu, bool krivka) {
    Uloha u = test::Priklad();
    u.Tk = 850.0f, u.c = 600.0f, u.Gama = 7850.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Kruhovy, u.StranaA = 0.06f, u.DelkaL = 1.0f, u.PocetProfilu = kusu, u.PocetAL = kusu;
    OdvodUlohu(u);
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    u.Lambda = krivka ? 0.0f : 40.0f;
    if (krivka) u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    return u;
}

enum class Stoji { Volne, Jadro, Mrizka, Svazek };

Uloha Pripad(Stoji stoji, std::int16_t kusu, float koefK, bool krivka) {
    Uloha u = Tyce(kusu, krivka);
    u.KoefK = koefK;
    if (stoji == Stoji::Volne) u.Lambda = 0.0f;
    if (stoji == Stoji::Mrizka) u.MrizkaX = kusu, u.MezeraX = 0.01f;
    if (stoji == Stoji::Svazek) u.SvazekA = 0.2f;  // 8.73 bars of 60 mm at square packing: 9
    if (stoji == Stoji::Mrizka || stoji == Stoji::Svazek) u.Prodleva = 600.0f;
    return u;
}

// Every arrangement, without and under an installed power of 40 % of what the unlimited heat-up
// needs (5 % losses), on a free piece, a core, an array and a bundle of several pieces, with a
// reduction factor and either property model:
// - the power required never exceeds the installed power, and the heat taken up (and the soak's)
//   never exceeds the power left after the losses times the time (energy conservation);
// - the limited furnace lies below the set one from the start, for the load's own exchange;
// - the core of the load is never ahead of the single charge temperature (its surface is hotter
//   than its mean, so it takes less heat at the same furnace), nor a limited run ahead of the
//   unlimited one;
// - the reduction factor scales the exchange linearly: at the start the load, all at Tv, takes K
//   times what it takes at K = 1, so its furnace limited to P with K is the one limited to P / K
//   at K = 1 (to 1e-3 K).
TEST(CelaVsazka, TheWholeLoadStaysWithinTheInstalledPower) {
    const struct {
        Stoji stoji;
        std::int16_t kusu;
        float koefK;
        bool krivka;
    } pripady[] = {
        {Stoji::Volne, 1, 1.0f, false},  {Stoji::Volne, 3, 0.6f, false}, {Stoji::Jadro, 1, 1.0f, true},
        {Stoji::Jadro, 3, 0.6f, false},  {Stoji::Jadro, 3, 0.6f, true},  {Stoji::Mrizka, 3, 1.0f, false},
        {Stoji::Mrizka, 3, 0.6f, true},  {Stoji::Svazek, 9, 1.0f, true}, {Stoji::Svazek, 9, 0.6f, false},
    };
    for (const auto& p : pripady) {
        const std::string nazev = std::to_string(static_cast<int>(p.stoji)) + " " + std::to_string(p.kusu) + " " +
                                  std::to_string(p.koefK) + (p.krivka ? " curve" : " c");
        const Uloha volna = Pripad(p.stoji, p.kusu, p.koefK, p.krivka);
        const VysledekVypoctu bez = Spocti(volna);
        ASSERT_TRUE(bez.uspech()) << nazev;
        const std::optional<VykonSpotreba> vb = VykonASpotreba(*bez.vysledek);
        ASSERT_TRUE(vb) << nazev;
        Uloha u = volna;
        u.Ztraty = 5;
        u.Prikon = 0.4f * vb->P;
        const VysledekVypoctu r = Spocti(u);
        ASSERT_TRUE(r.uspech()) << nazev;
        const Vysledek& v = *r.vysledek;
        const std::optional<VykonSpotreba> vr = VykonASpotreba(v);
        ASSERT_TRUE(vr) << nazev;
        const double pmax = double(u.Prikon) / 1.05;
        EXPECT_LE(double(vr->P), double(u.Prikon) * (1.0 + 1e-6)) << nazev;
        EXPECT_LE(double(vr->E) * 3600.0, pmax * vr->cas * (1.0 + 1e-6)) << nazev;
        if (v.Usporadani && v.Usporadani->teploProdlevy) {
            EXPECT_LE(*v.Usporadani->teploProdlevy, 1.01 * pmax * double(u.Prodleva)) << nazev;
        }
        EXPECT_TRUE(PecSeMeni(v)) << nazev;
        EXPECT_LT(v.teplotaPece(1), u.Tpece - 50.0f) << nazev;
        EXPECT_GE(vr->cas, *bez.vysledek->rozhodujiciCas() - double(u.CasKrok)) << nazev;
        for (const Vysledek* w : std::initializer_list<const Vysledek*>{bez.vysledek.get(), &v}) {
            if (w->Jadro) {
                EXPECT_GE(w->Jadro->cas, w->casOhrevu() - double(u.CasKrok)) << nazev;
            }
        }
        if (p.koefK != 1.0f) {
            Uloha cely = u;
            cely.KoefK = 1.0f;
            cely.Prikon = u.Prikon / u.KoefK;
            MoznostiBehu kratce;
            kratce.doCasu = 3.0 * double(u.CasKrok);
            const VysledekVypoctu a = Spocti(u, kratce), b = Spocti(cely, kratce);
            ASSERT_TRUE(a.vysledek && b.vysledek) << nazev;
            EXPECT_NEAR(a.vysledek->teplotaPece(0), b.vysledek->teplotaPece(0), 1e-3) << nazev;
            EXPECT_NEAR(a.vysledek->TeplotaPece[0], b.vysledek->TeplotaPece[0], 1e-3) << nazev;
        }
    }
}

// A problem describes the whole load: an array holds NX x NY pieces, a bundle the bars its
// section holds at its porosity (to the nearest bar, or within 2 %); any other count is refused,
// and so is an array larger than the radiosity exchange computes.
TEST(CelaVsazka, ThePiecesAreThoseOfTheArrangement) {
    const auto pole = [](std::int16_t nx, std::int16_t ny, std::int16_t kusu) {
        Uloha u = Tyce(kusu, false);
        u.MrizkaX = nx, u.MrizkaY = ny;
        return u;
    };
    const auto svazek = [](float a, float b, std::int16_t kusu) {
        Uloha u = Tyce(kusu, false);
        u.SvazekA = a, u.SvazekB = b;
        return u;
    };
    const struct {
        Uloha u;
        std::optional<Vada> vada;
    } pripady[] = {
        {pole(3, 3, 9), std::nullopt},
        {pole(3, 3, 1), Vada::PocetVMrizce},
        {pole(3, 3, 10), Vada::PocetVMrizce},
        {pole(10, 10, 100), std::nullopt},
        {pole(11, 10, 110), Vada::VelkaMrizka},
        {svazek(0.2f, 0.0f, 9), std::nullopt},  // 8.73 bars
        {svazek(0.2f, 0.0f, 8), Vada::PocetVeSvazku},
        {svazek(0.2f, 0.0f, 1), Vada::PocetVeSvazku},
        {svazek(0.6f, 0.0f, 77), std::nullopt},  // 78.54 bars: 77 lies within 2 %
        {svazek(0.6f, 0.0f, 76), Vada::PocetVeSvazku},
        {svazek(0.3f, 0.25f, 21), std::nullopt},  // 20.83 bars of a rectangular bundle
        {svazek(0.3f, 0.25f, 20), Vada::PocetVeSvazku},
    };
    for (const auto& [u, vada] : pripady) {
        const std::optional<Zavada> z = PrijmiPripad(u).zavada;
        EXPECT_EQ(z ? std::optional<Vada>(z->vada) : std::nullopt, vada) << u.MrizkaX << " " << u.SvazekA << " " << u.PocetProfilu;
    }
}

// A bundle under an installed power that holds through its heat-up takes exactly that power
// through its envelope: its mean temperature rises as Tv + P t / (m c), m being the steel of the
// bars it holds, and once the start has died away (exp(-14.7 kappa t / a^2)) the cylinder under a
// constant surface flux F = P / (2 pi a L) has the parabolic profile, its centre at
// Tv + 2 F t / (a rho c) - F a / (4 k) (Carslaw & Jaeger, Conduction of Heat in Solids, 2nd ed.,
// §7.8, the series' terms that do not decay): the core reaches Tk at
// t = rho c a (Tk - Tv + F a / (4 k)) / (2 F). Within one step and 0.2 %; the mean within 0.05 K.
TEST(CelaVsazka, ABundleUnderThePowerFollowsTheConstantFluxCylinder) {
    ZadaniSvazku z;
    z.tvar = 'K', z.a = 0.2, z.d = 0.02, z.tyci = 78, z.kef = 3.0;
    z.lambda = 45.0, z.c = 500.0, z.hustota = 7850.0, z.eps = 0.8, z.konvekce = 15.0;
    z.tv = 20.0, z.tk = 850.0, z.krok = 60.0, z.maxKroku = 2000, z.delka = 1.0;
    z.pec = [](long) { return 1300.0; };
    const double a = 0.1, tok = 5000.0, rho = 7850.0 * 78 * 0.02 * 0.02 / (0.2 * 0.2);
    z.prikon = tok * 2.0 * std::numbers::pi * a * z.delka;
    const VysledekSvazku v = SpoctiSvazek(z);
    ASSERT_EQ(v.konec, KonecSvazku::Dosazeno);
    const double presne = rho * z.c * a * (z.tk - z.tv + tok * a / (4.0 * z.kef)) / (2.0 * tok);
    EXPECT_NEAR(v.vedeni.casJadra, presne, std::max(z.krok, 0.002 * presne));
    const double m = rho * std::numbers::pi * a * a * z.delka;
    for (std::size_t k = 50; k < v.vedeni.stredni.size(); k += 50) {
        EXPECT_NEAR(v.vedeni.stredni[k], z.tv + z.prikon * double(k) * z.krok / (m * z.c), 0.05) << k;
    }
}

// What heats with the charge at its temperature (fixtures) is spread evenly through the piece: c(T)
// of the carbon-steel curves (EN 1993-1-2, 3.4.1.2) plus c_f per kilogram. Under a power P that
// holds throughout, the piece's mean temperature T solves the heat balance
// m (H(T) - H(Tv)) + m c_f (T - Tv) = P t exactly; within 0.05 K, with c_f = 0 and 150 J/kg/K.
TEST(CelaVsazka, WhatHeatsWithThePieceTakesItsShareOfThePower) {
    const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    for (const double cf : {0.0, 150.0}) {
        ZadaniVedeni z{.profil = 'K', .a = 0.1, .plast = true, .delka = 1.0, .hustota = 7850.0, .krivkaC = &ocel,
                       .krivkaLambda = &ocel, .cNavic = cf, .eps = 0.8, .tv = 20.0, .tk = 850.0, .krok = 30.0,
                       .maxKroku = 2000, .pec = [](long) { return 1200.0; }};
        z.prikon = 20000.0 * std::numbers::pi * 0.1;
        const VysledekVedeni v = SpoctiVedeni(z);
        ASSERT_EQ(v.konec, KonecVedeni::Dosazeno);
        const double m = 7850.0 * std::numbers::pi * 0.0025;
        const auto teplo = [&](double t) { return m * (ocel.entalpie(t) - ocel.entalpie(20.0)) + m * cf * (t - 20.0); };
        for (std::size_t k = 10; k < v.stredni.size(); k += 10) {
            double dolni = 20.0, horni = 1200.0;
            while (horni - dolni > 1e-6) {
                const double t = (dolni + horni) / 2.0;
                (teplo(t) < z.prikon * double(k) * z.krok ? dolni : horni) = t;
            }
            EXPECT_NEAR(v.stredni[k], dolni, 0.05) << cf << " " << k;
        }
    }
}

}  // namespace
}  // namespace zorvet
