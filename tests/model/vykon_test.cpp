#include <gtest/gtest.h>

#include "model/vykon.h"
#include "model/vypocet.h"
#include "priklady.h"

namespace zorvet {
namespace {

TEST(VykonASpotreba, WorkedExample) {
    auto s = test::NerizenyPriklad();
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    const auto bez = VykonASpotreba(*s, 0);
    ASSERT_TRUE(bez.has_value());
    EXPECT_NEAR(bez->E, 12222.22, 0.01);
    EXPECT_NEAR(bez->P, 93617.02, 0.01);
    const auto deset = VykonASpotreba(*s, 10);
    ASSERT_TRUE(deset.has_value());
    EXPECT_NEAR(deset->P, 102978.7, 0.1);
    EXPECT_EQ(deset->E, bez->E);  // losses raise only the power
}

TEST(VykonASpotreba, EqualTemperaturesGiveZero) {
    auto s = test::NerizenyPriklad();
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    s->Uloha.Tk = s->Uloha.Tv;
    const auto v = VykonASpotreba(*s, 50);
    ASSERT_TRUE(v.has_value());
    EXPECT_EQ(v->E, 0.0f);
    EXPECT_EQ(v->P, 0.0f);
}

TEST(VykonASpotreba, NoResultGivesNoValueInsteadOfDividingByZero) {
    auto s = test::NerizenyPriklad();
    EXPECT_FALSE(VykonASpotreba(*s, 0).has_value());
}

TEST(VykonASpotreba, PercentagesOutsideZeroToHundredAreAccepted) {
    auto s = test::NerizenyPriklad();
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    EXPECT_NEAR(VykonASpotreba(*s, -100)->P, 0.0, 0.01);
    EXPECT_NEAR(VykonASpotreba(*s, 32767)->P, 93617.02 * 328.67, 5.0);
}

}  // namespace
}  // namespace zorvet
