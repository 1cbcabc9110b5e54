#include <gtest/gtest.h>

#include <bit>
#include <cmath>
#include <cstdint>
#include <limits>

#include "model/vypocet.h"
#include "priklady.h"

namespace zorvet {
namespace {

std::uint32_t bity(float x) { return std::bit_cast<std::uint32_t>(x); }

TEST(Vypocet, UncontrolledExampleReachesNineHundredAtRow47) {
    auto s = test::NerizenyPriklad();
    const VysledekVypoctu v = Vypocet(*s);
    ASSERT_EQ(v.konec, KonecVypoctu::Uspech);
    EXPECT_EQ(s->PocetKroku, 47);
    const Vysledky& r = s->Vysledky;
    EXPECT_NEAR(r.TeplotaVsazky[47], 900.79, 0.01);
    EXPECT_LT(r.TeplotaVsazky[46], 900.0f);
    EXPECT_EQ(r.Cas[47], 470.0f);
    EXPECT_NEAR(r.Alfa[1], 137.86, 0.01);
    EXPECT_NEAR(r.TeplotaVsazky[1], 46.65, 0.01);
    EXPECT_EQ(r.TeplotaVsazky[0], 20.0f);
    // Time is row × step in every row, also beyond the result.
    EXPECT_EQ(r.Cas[10000], 100000.0f);
}

// Step 1 of the second pass, recomputed by hand from the documented float32 rules: it starts
// from the first pass's value of row 1 and iterates until two iterates differ by less than 1 °C.
TEST(Vypocet, FirstStepMatchesTheSinglePrecisionRulesBitForBit) {
    auto s = test::NerizenyPriklad();
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);

    const float tpK = static_cast<float>(1000.0 + 273.15);
    auto krok = [&](float t0, float odhad, float& alfa) {
        float t = odhad;
        for (;;) {
            const float x = t;
            const float tm = static_cast<float>((static_cast<double>(t0) + t) / 2.0);
            const double tmK = static_cast<double>(tm) + 273.15;
            const float rozdil = 1000.0f - tm;
            alfa = static_cast<float>(15.0 + (static_cast<double>(0.8f) * 5.6697) *
                                                 (std::pow(tpK / 100.0, 4.0) - std::pow(tmK / 100.0, 4.0)) /
                                                 rozdil);
            const double a = alfa;
            t = static_cast<float>((a * 0.5 * 1.0 * 1.0 * 10.0 * (2.0 * 1000.0 - t0) + 100.0 * 500.0 * t0) /
                                   (1.0 * 0.5 * a * 1.0 * 10.0 + 100.0 * 500.0));
            if (std::fabs(x - t) < 1.0f) {
                return t;
            }
        }
    };
    float alfa1 = 0.0f;
    const float pass1 = krok(20.0f, 30.0f, alfa1);
    float alfa2 = 0.0f;
    const float pass2 = krok(20.0f, pass1, alfa2);
    EXPECT_EQ(bity(s->Vysledky.TeplotaVsazky[1]), bity(pass2));
    EXPECT_EQ(bity(s->Vysledky.Alfa[1]), bity(alfa2));
}

// The last known output of the worked examples, to the bit: a reordered expression shows here.
TEST(Vypocet, WorkedExamplesKeepTheirLastKnownBits) {
    auto s = test::NerizenyPriklad();
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    EXPECT_EQ(bity(s->Vysledky.TeplotaVsazky[47]), 0x446132b8u) << s->Vysledky.TeplotaVsazky[47];
    EXPECT_EQ(bity(s->Vysledky.Alfa[1]), 0x4309dd65u) << s->Vysledky.Alfa[1];
    auto r = test::RizenyPriklad();
    RozvinKrivku(*r);
    ASSERT_EQ(Vypocet(*r).konec, KonecVypoctu::Uspech);
    EXPECT_EQ(bity(r->Vysledky.TeplotaVsazky[90]), 0x44615180u) << r->Vysledky.TeplotaVsazky[90];
}

TEST(Vypocet, ControlledExampleFollowsTheCurve) {
    auto s = test::RizenyPriklad();
    RozvinKrivku(*s);
    EXPECT_LT(s->TeplotaPece[59], 1000.0f);
    EXPECT_FLOAT_EQ(s->TeplotaPece[60], 1000.0f);
    const VysledekVypoctu v = Vypocet(*s);
    ASSERT_EQ(v.konec, KonecVypoctu::Uspech);
    EXPECT_EQ(s->PocetKroku, 90);
    EXPECT_EQ(s->Vysledky.Cas[90], 900.0f);
    EXPECT_GE(s->Vysledky.TeplotaVsazky[90], 900.0f);
    EXPECT_LT(s->Vysledky.TeplotaVsazky[89], 900.0f);
    // Tpece is left at the furnace temperature of the last step.
    EXPECT_EQ(s->Uloha.Tpece, s->TeplotaPece[90]);
}

TEST(Vypocet, FinalTemperatureBelowStartStopsAfterOneStep) {
    auto s = test::NerizenyPriklad();
    s->Uloha.Tk = 10.0f;
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    EXPECT_EQ(s->PocetKroku, 1);
    EXPECT_NEAR(s->Vysledky.TeplotaVsazky[1], 46.65, 0.01);
}

TEST(Vypocet, ControlledChargeBeyondTheCurveHoldsItsLastTemperature) {
    auto s = test::RizenyPriklad();
    s->Uloha.Krivka[1].DobaVydrze = 100.0f;  // curve ends at 700 s, charge needs longer
    s->Uloha.Tk = 950.0f;
    RozvinKrivku(*s);
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    EXPECT_GT(s->PocetKroku, 70);
    EXPECT_EQ(s->Uloha.Tpece, 1000.0f);
}

TEST(Vypocet, FurnaceNotHotterThanTheTargetOverflowsAndKeepsPocetKroku) {
    auto s = test::NerizenyPriklad();
    s->PocetKroku = 33;
    s->Uloha.Tpece = 850.0f;
    const VysledekVypoctu v = Vypocet(*s);
    EXPECT_EQ(v.konec, KonecVypoctu::Preteceni);
    EXPECT_EQ(s->PocetKroku, 33);
    for (float t : s->Vysledky.TeplotaVsazky) {
        ASSERT_TRUE(std::isfinite(t));
    }
}

TEST(Vypocet, ZeroReductionFactorOverflows) {
    auto s = test::NerizenyPriklad();
    s->Uloha.KoefK = 0.0f;
    EXPECT_EQ(Vypocet(*s).konec, KonecVypoctu::Preteceni);
}

TEST(Vypocet, ChargeAtFurnaceTemperatureIsADivisionByZero) {
    auto s = test::NerizenyPriklad();
    s->Uloha.Tv = 990.0f;  // first guess 1010 °C: the mean of the step equals the furnace
    s->Uloha.CasKrok = 20.0f;
    s->Uloha.Tk = 1100.0f;
    const VysledekVypoctu v = Vypocet(*s);
    EXPECT_EQ(v.konec, KonecVypoctu::Chyba);
    EXPECT_EQ(v.popis, "Division by zero");
    EXPECT_EQ(s->PocetKroku, 0);
}

TEST(Vypocet, ValuesTooLargeForASingleAreAnOverflowNeverInfinity) {
    for (float eps : {1e38f, std::numeric_limits<float>::quiet_NaN(), std::numeric_limits<float>::infinity()}) {
        auto s = test::NerizenyPriklad();
        s->Uloha.Eps = eps;
        const VysledekVypoctu v = Vypocet(*s);
        EXPECT_EQ(v.konec, KonecVypoctu::Chyba) << eps;
        EXPECT_EQ(v.popis, "Overflow") << eps;
        for (int i = 0; i <= 2; ++i) {
            EXPECT_TRUE(std::isfinite(s->Vysledky.TeplotaVsazky[i])) << eps;
            EXPECT_TRUE(std::isfinite(s->Vysledky.Alfa[i])) << eps;
        }
    }
}

TEST(Vypocet, TimeStepThatIsNotPositiveIsRefusedAtOnce) {
    for (float krok : {0.0f, -10.0f, std::numeric_limits<float>::quiet_NaN(),
                       std::numeric_limits<float>::infinity()}) {
        auto s = test::NerizenyPriklad();
        s->Uloha.CasKrok = krok;
        EXPECT_EQ(Vypocet(*s).konec, KonecVypoctu::NeplatnyKrok) << krok;
        EXPECT_EQ(s->PocetKroku, 0);
    }
}

TEST(Vypocet, IterationThatDoesNotSettleEndsTheRun) {
    // A negative emissivity with a light charge makes the fixed-point iteration of step 2
    // jump back and forth for ever; the run must end with a failure instead.
    auto s = test::NerizenyPriklad();
    s->Uloha.Eps = -0.0368022062f;
    s->Uloha.CasKrok = 157.961121f;
    s->Uloha.m = 0.24327217f;
    s->PocetKroku = 7;
    const VysledekVypoctu v = Vypocet(*s);
    EXPECT_EQ(v.konec, KonecVypoctu::Nekonverguje);
    EXPECT_EQ(v.radek, 2);
    EXPECT_EQ(s->PocetKroku, 7);
}

TEST(Vypocet, ResultDoesNotDependOnEarlierRuns) {
    auto cerstvy = test::NerizenyPriklad();
    cerstvy->Uloha.Tk = 600.0f;
    ASSERT_EQ(Vypocet(*cerstvy).konec, KonecVypoctu::Uspech);

    auto s = test::NerizenyPriklad();
    s->Uloha.Tpece = 1200.0f;
    s->Uloha.Tk = 1100.0f;
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    s->Uloha.Tpece = 1000.0f;
    s->Uloha.Tk = 600.0f;
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);

    ASSERT_EQ(s->PocetKroku, cerstvy->PocetKroku);
    for (int i = 0; i <= s->PocetKroku; ++i) {
        EXPECT_EQ(bity(s->Vysledky.TeplotaVsazky[i]), bity(cerstvy->Vysledky.TeplotaVsazky[i])) << i;
    }
}

TEST(Vypocet, RowsAboveAShorterResultKeepTheEarlierValues) {
    auto s = test::NerizenyPriklad();
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    const float radek40 = s->Vysledky.TeplotaVsazky[40];
    s->Uloha.Tk = 500.0f;
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    EXPECT_LT(s->PocetKroku, 40);
    EXPECT_EQ(s->Vysledky.TeplotaVsazky[40], radek40);
}

TEST(RozvinKrivku, SegmentsRampWithoutTheirStartValue) {
    auto s = test::RizenyPriklad();
    RozvinKrivku(*s);
    const auto& p = s->TeplotaPece;
    EXPECT_EQ(p[0], 20.0f);
    EXPECT_FLOAT_EQ(p[1], 20.0f + 980.0f / 60.0f);
    EXPECT_FLOAT_EQ(p[60], 1000.0f);
    EXPECT_FLOAT_EQ(p[61], 1000.0f);
    EXPECT_EQ(p[180], 1000.0f);
    EXPECT_EQ(p[10000], 1000.0f);
}

TEST(RozvinKrivku, DurationNotAMultipleOfTheStepStopsShort) {
    auto s = test::RizenyPriklad();
    s->Uloha.Krivka[0] = {0.0f, 25.0f};
    s->Uloha.Krivka[1] = {100.0f, 10.0f};
    s->Uloha.Krivka[2] = {200.0f, 0.0f};
    RozvinKrivku(*s);
    const auto& p = s->TeplotaPece;
    EXPECT_FLOAT_EQ(p[1], 40.0f);
    EXPECT_FLOAT_EQ(p[2], 80.0f);  // stops short of 100
    EXPECT_FLOAT_EQ(p[3], 200.0f); // next segment starts from 100: one step of 100 °C
    EXPECT_EQ(p[4], 200.0f);
}

TEST(RozvinKrivku, SegmentsWithoutDurationOrStepAddNothing) {
    auto s = test::RizenyPriklad();
    s->Uloha.Krivka[0].DobaVydrze = 0.0f;
    RozvinKrivku(*s);
    EXPECT_EQ(s->TeplotaPece[0], 20.0f);
    EXPECT_EQ(s->TeplotaPece[1], 1000.0f);  // the hold alone

    s->Uloha.Krivka[0].DobaVydrze = -50.0f;
    s->Uloha.Krivka[1].DobaVydrze = std::numeric_limits<float>::quiet_NaN();
    RozvinKrivku(*s);
    EXPECT_EQ(s->TeplotaPece[1], 1000.0f);

    auto t = test::RizenyPriklad();
    t->Uloha.CasKrok = 0.0f;
    RozvinKrivku(*t);
    EXPECT_EQ(t->TeplotaPece[0], 20.0f);
    EXPECT_EQ(t->TeplotaPece[1], 1000.0f);
}

TEST(RozvinKrivku, NeverWritesBeyondTheLastRow) {
    auto s = test::RizenyPriklad();
    s->Uloha.PocetKrivek = 20;
    for (int i = 0; i <= 20; ++i) {
        s->Uloha.Krivka[i] = {static_cast<float>(100 * i), 1e9f};
    }
    s->Uloha.CasKrok = 1.0f;
    RozvinKrivku(*s);
    EXPECT_NEAR(s->TeplotaPece[10000], 100.0 * 10000.0 / 1e9, 1e-6);

    s->Uloha.PocetKrivek = 500;  // more segments than points: only 20 are read
    RozvinKrivku(*s);
    s->Uloha.PocetKrivek = -3;
    RozvinKrivku(*s);
    EXPECT_EQ(s->TeplotaPece[10000], 0.0f);
}

}  // namespace
}  // namespace zorvet
