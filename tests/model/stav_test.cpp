#include <gtest/gtest.h>

#include <limits>

#include "model/stav.h"
#include "priklady.h"

namespace zorvet {
namespace {

TEST(OverZadani, AcceptsTheWorkedExample) {
    auto s = test::NerizenyPriklad();
    EXPECT_TRUE(OverZadani(*s));
    EXPECT_TRUE(s->ZadaniUplne);
}

TEST(OverZadani, ZeroFurnaceTemperatureIsIncompleteOnlyWhenUncontrolled) {
    auto s = test::NerizenyPriklad();
    s->Uloha.Tpece = 0.0f;
    EXPECT_FALSE(OverZadani(*s));
    s->Uloha.Rizeny = true;
    EXPECT_TRUE(OverZadani(*s));
}

TEST(OverZadani, UntestedFieldsMayBeZero) {
    auto s = test::NerizenyPriklad();
    s->Uloha.KoefK = 0.0f;
    s->Uloha.Gama = 0.0f;
    s->Uloha.PocetKrivek = 0;
    EXPECT_TRUE(OverZadani(*s));
}

class OverZadaniPole : public ::testing::TestWithParam<float Uloha::*> {};

TEST_P(OverZadaniPole, ZeroOrNaNInATestedFieldIsIncomplete) {
    for (float hodnota : {0.0f, -0.0f, std::numeric_limits<float>::quiet_NaN()}) {
        auto s = test::NerizenyPriklad();
        s->ZadaniUplne = true;
        s->Uloha.*GetParam() = hodnota;
        EXPECT_FALSE(OverZadani(*s)) << hodnota;
        EXPECT_FALSE(s->ZadaniUplne);
    }
    auto s = test::NerizenyPriklad();
    s->Uloha.*GetParam() = -1.0f;  // negative values count as non-zero
    EXPECT_TRUE(OverZadani(*s));
}

INSTANTIATE_TEST_SUITE_P(PoleUlohy, OverZadaniPole,
                         ::testing::Values(&Uloha::Tv, &Uloha::Tk, &Uloha::m, &Uloha::A, &Uloha::c, &Uloha::Eps,
                                           &Uloha::CasKrok, &Uloha::Tpece));

}  // namespace
}  // namespace zorvet
