#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <tuple>
#include <vector>

#include "model/load/pohledove_faktory.h"

namespace zorvet {
namespace {

constexpr double kPi = std::numbers::pi;

double Radek(const PohledoveFaktory& f, std::size_t i) {
    double s = f.Fpec[i];
    const std::size_t n = static_cast<std::size_t>(f.kusu * f.fasetNaKus);
    for (std::size_t j = 0; j < n; ++j) s += f.F[i * n + j];
    return s;
}

// A long cylinder between two neighbours of its row sees each with the view factor of two
// cylinders alone (the neighbours hide everything farther: any ray to a farther one crosses a
// neighbour's axis within its radius): F = (sqrt(X^2 - 1) + asin(1/X) - X) / pi, X = pitch / D
// (Hottel's crossed strings; Modest, Radiative Heat Transfer, 3rd ed., App. D, config. 42). So the
// middle bar of a row of three already gives the infinite row; a row of seven must agree.
TEST(PohledoveFaktory, MiddleBarOfARowSeesTheFurnaceAsInTheInfiniteRow) {
    for (const double x : {1.0, 1.5, 2.0, 3.0}) {
        const double fSoused = (std::sqrt(x * x - 1) + std::asin(1 / x) - x) / kPi;
        for (const int n : {3, 7}) {
            const Usporadani u{'K', 0.1, n, 1, (x - 1) * 0.1, 0.0};
            const Symetrie s(u, 32, true);
            const PohledoveFaktory f = SpoctiFaktory(u, 32, s);
            const std::size_t stred = static_cast<std::size_t>(s.poradi(n / 2) * 32);
            double pec = 0.0;
            for (std::size_t i = 0; i < 32; ++i) pec += f.Fpec[stred + i] / 32;
            EXPECT_NEAR(pec, 1 - 2 * fSoused, 2e-5) << x << " " << n;
            if (x == 1.0) {
                EXPECT_NEAR(pec, 0.6366, 1e-4);
            }
        }
    }
}

// Two facing faces of square bars are parallel strips; between two facets of them (offset
// strips) the crossed strings give A1 F12 = (crossed - uncrossed) / 2 exactly (Hottel), and for
// the whole faces F = sqrt(1 + (g/d)^2) - g/d.
TEST(PohledoveFaktory, FacingFacesOfSquareBarsAreParallelStrips) {
    for (const double g : {0.002, 0.02, 0.1}) {
        const Usporadani u{'C', 0.1, 2, 1, g, 0.0};
        const Symetrie s(u, 16, false);
        const PohledoveFaktory f = SpoctiFaktory(u, 16, s);
        // Right face of piece 0: facets 4..7 (y from -d/2 up); left face of piece 1: 12..15 (y down).
        const auto y = [](int i) { return -0.05 + 0.025 * i; };
        double celkem = 0.0;
        for (int i = 0; i < 4; ++i) {
            for (int j = 0; j < 4; ++j) {
                const double fij = f.F[static_cast<std::size_t>((4 + i) * 32 + 16 + 12 + (3 - j))];
                const auto l = [g](double a, double b) { return std::hypot(g, a - b); };
                const double presne =
                    (l(y(i), y(j + 1)) + l(y(i + 1), y(j)) - l(y(i), y(j)) - l(y(i + 1), y(j + 1))) / 2 / 0.025;
                EXPECT_NEAR(fij, presne, 2e-6) << g << " " << i << " " << j;
                celkem += fij / 4;
            }
        }
        EXPECT_NEAR(celkem, std::sqrt(1 + g * g / 0.01) - g / 0.1, 2e-6) << g;
    }
}

// Every facet's row sums to 1 (the facets seen and the furnace tile the half-plane), and
// reciprocity A_i F_ij = A_j F_ji (equal facets) holds to the quadrature's accuracy; the mirrored
// computation gives the same rows as the full one.
TEST(PohledoveFaktory, RowsSumToOneReciprocityAndSymmetryHold) {
    const Usporadani pripady[] = {{'K', 0.1, 3, 2, 0.0, 0.0}, {'K', 0.06, 4, 3, 0.01, 0.03}, {'C', 0.1, 3, 2, 0.02, 0.0},
                                  {'C', 0.08, 2, 3, 0.0, 0.01}};
    for (const Usporadani& u : pripady) {
        const Symetrie plna(u, 24, false), zrcadlena(u, 24, true);
        const PohledoveFaktory f = SpoctiFaktory(u, 24, plna), z = SpoctiFaktory(u, 24, zrcadlena);
        const std::size_t n = f.Fpec.size();
        double nejvic = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            EXPECT_NEAR(Radek(f, i), 1.0, 1e-12) << u.profil << i;
            for (std::size_t j = 0; j < i; ++j) nejvic = std::max(nejvic, std::fabs(f.F[i * n + j] - f.F[j * n + i]));
        }
        EXPECT_LT(nejvic, u.profil == 'K' ? 5e-5 : 1e-12) << u.profil << u.gx;  // square faces: smooth integrands
        for (std::size_t i = 0; i < z.Fpec.size(); ++i) {
            const std::size_t plny = static_cast<std::size_t>(zrcadlena.reprezentanti()[i / 24] * 24) + i % 24;
            EXPECT_NEAR(z.Fpec[i], f.Fpec[plny], 1e-13);
        }
        // Made exactly reciprocal, the mirrored rows still match the full ones.
        PohledoveFaktory fv = f, zv = z;
        VyrovnejReciprocitu(fv, plna);
        VyrovnejReciprocitu(zv, zrcadlena);
        for (std::size_t i = 0; i < zv.Fpec.size(); ++i) {
            const std::size_t plny = static_cast<std::size_t>(zrcadlena.reprezentanti()[i / 24] * 24) + i % 24;
            EXPECT_NEAR(zv.Fpec[i], fv.Fpec[plny], 1e-13);
            for (std::size_t j = 0; j < n; ++j) EXPECT_NEAR(zv.F[i * n + j], fv.F[plny * n + j], 1e-13);
        }
    }
}

}  // namespace
}  // namespace zorvet
