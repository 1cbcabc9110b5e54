#include <gtest/gtest.h>

#include "model/geometrie.h"

namespace zorvet {
namespace {

Uloha Tyc(const char* profil, float a, float b, float l, std::int16_t kusu) {
    Uloha u;
    u.Profil = profil;
    u.StranaA = a;
    u.StranaB = b;
    u.DelkaL = l;
    u.PocetProfilu = kusu;
    return u;
}

TEST(Geometrie, CircularBarSurfacesAndMass) {
    Uloha u = Tyc("K", 0.1f, 0.0f, 1.0f, 1);
    const auto celkova = CelkovaPlochaProfilu(u);
    ASSERT_TRUE(celkova.has_value());
    EXPECT_NEAR(*celkova, 3.1415927 * 0.1 * 1.05, 1e-6);
    // Both discs and the mantle counted: the whole surface exchanges heat.
    u.PocetAB = 2;
    u.PocetAL = 1;
    TeplosmennaPlocha(u);
    EXPECT_NEAR(u.A, *celkova, 1e-6);
    HmotnostZRozmeru(u, 7850.0f);
    EXPECT_NEAR(u.m, 61.65, 0.01);
}

TEST(Geometrie, SquareBarMissingOneLongFace) {
    Uloha u = Tyc("C", 0.05f, 0.0f, 2.0f, 3);
    const float celkova = *CelkovaPlochaProfilu(u);
    u.PocetAB = 6;       // 2n
    u.PocetAL = 12 - 1;  // 4n - 1
    TeplosmennaPlocha(u);
    EXPECT_NEAR(celkova - u.A, 0.05 * 2.0, 1e-5);
    HmotnostZRozmeru(u, 1000.0f);
    EXPECT_NEAR(u.m, 0.05 * 0.05 * 2.0 * 3 * 1000.0, 1e-4);
}

TEST(Geometrie, RectangularBarUsesAllThreeFaceKinds) {
    Uloha u = Tyc("O", 0.1f, 0.2f, 1.0f, 2);
    EXPECT_NEAR(*CelkovaPlochaProfilu(u), (0.02 + 0.1 + 0.2) * 4, 1e-6);
    u.PocetAB = 4;
    u.PocetAL = 4;
    u.PocetBL = 4;
    TeplosmennaPlocha(u);
    EXPECT_NEAR(u.A, (0.02 + 0.1 + 0.2) * 4, 1e-6);
    u.PocetBL = 0;
    TeplosmennaPlocha(u);
    EXPECT_NEAR(u.A, (0.02 + 0.1) * 4, 1e-6);
    HmotnostZRozmeru(u, 7850.0f);
    EXPECT_NEAR(u.m, 2 * 0.1 * 0.2 * 1.0 * 7850.0, 1e-3);
}

TEST(Geometrie, ZeroFaceCountsGiveNoSurface) {
    Uloha u = Tyc("K", 0.1f, 0.0f, 1.0f, 5);
    u.A = 3.0f;
    TeplosmennaPlocha(u);
    EXPECT_EQ(u.A, 0.0f);
}

TEST(Geometrie, UnknownProfile) {
    Uloha u = Tyc("", 0.1f, 0.2f, 1.0f, 2);
    EXPECT_FALSE(CelkovaPlochaProfilu(u).has_value());
    u.A = 3.0f;
    TeplosmennaPlocha(u);
    EXPECT_EQ(u.A, 0.0f);
    // The mass held is scaled by the density as it is.
    u.m = 2.0f;
    HmotnostZRozmeru(u, 3.0f);
    EXPECT_EQ(u.m, 6.0f);
}

TEST(Geometrie, ManyPiecesDoNotWrapTheDoubledCount) {
    // 2n of 20000 pieces does not fit 16 bits; the surface must still be 2n times one piece's.
    Uloha jeden = Tyc("C", 0.1f, 0.0f, 1.0f, 1);
    Uloha mnoho = Tyc("C", 0.1f, 0.0f, 1.0f, 20000);
    EXPECT_NEAR(*CelkovaPlochaProfilu(mnoho), *CelkovaPlochaProfilu(jeden) * 20000.0, 1e-2);
    Uloha o1 = Tyc("O", 0.1f, 0.2f, 1.0f, 1);
    Uloha o2 = Tyc("O", 0.1f, 0.2f, 1.0f, 30000);
    EXPECT_NEAR(*CelkovaPlochaProfilu(o2), *CelkovaPlochaProfilu(o1) * 30000.0, 1.0);
}

}  // namespace
}  // namespace zorvet
