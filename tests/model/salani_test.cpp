#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "model/case/konstanty.h"
#include "model/load/pohledove_faktory.h"
#include "model/load/salani.h"

namespace zorvet {
namespace {

double Sigma4(double t) { return kSigma * std::pow((t + kKelvin) / 100, 4); }

struct Geometrie {
    PohledoveFaktory f;
    std::vector<double> F;  // folded: without symmetry, the full matrix
};
Geometrie Pole(const Usporadani& u, int m) {
    const Symetrie s(u, m, false);
    Geometrie g{SpoctiFaktory(u, m, s), {}};
    VyrovnejReciprocitu(g.f, u, s);
    g.F = SlozFaktory(g.f, s);
    return g;
}

// The heat the facets take is what the furnace loses: sum A_i q_i = sum A_i Fpec_i (Ef - J_i),
// which holds only for the solved radiosities (with exact reciprocity and rows summing to 1).
TEST(Salani, TheFacetsTakeWhatTheFurnaceLoses) {
    for (const double eps : {1.0, 0.8, 0.3}) {
        const Geometrie g = Pole({'K', 0.1, 3, 2, 0.01, 0.0}, 16);
        const std::size_t n = g.f.Fpec.size();
        const Salani s(g.F, g.f.Fpec, std::vector<double>(n, eps));
        std::vector<double> t(n), q(n), j(n);
        for (std::size_t i = 0; i < n; ++i) t[i] = 20.0 + static_cast<double>((i * 37) % 23) * 40.0;
        s.toky(t.data(), 1000.0, 0.0, q.data(), j.data());
        double vstup = 0.0, pec = 0.0, nejvic = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            vstup += q[i];
            pec += g.f.Fpec[i] * (Sigma4(1000.0) - j[i]);
            nejvic = std::max(nejvic, std::fabs(q[i]));
        }
        EXPECT_NEAR(vstup, pec, 1e-10 * nejvic * static_cast<double>(n)) << eps;
    }
}

// A piece alone takes eps (sigma Tf^4 - sigma Ts^4) plus convection on every facet; the faces of
// two touching square bars are two infinite parallel plates: q = sigma (T2^4 - T1^4) / (1/e1 + 1/e2 - 1).
TEST(Salani, FreePieceAndParallelPlatesTakeTheirClosedForms) {
    const Geometrie sam = Pole({'C', 0.1, 1, 1, 0.0, 0.0}, 8);
    const Salani s(sam.F, sam.f.Fpec, std::vector<double>(8, 0.8));
    std::vector<double> t = {20, 100, 300, 500, 700, 850, 950, 999}, q(8);
    s.toky(t.data(), 1000.0, 15.0, q.data());
    for (std::size_t i = 0; i < 8; ++i)
        EXPECT_NEAR(q[i], 0.8 * (Sigma4(1000) - Sigma4(t[i])) + 15 * (1000 - t[i]), 1e-12 * Sigma4(1000)) << i;

    const Geometrie dvojice = Pole({'C', 0.1, 2, 1, 0.0, 0.0}, 8);
    std::vector<double> eps(16, 0.9);
    for (std::size_t i = 8; i < 16; ++i) eps[i] = 0.4;
    const Salani d(dvojice.F, dvojice.f.Fpec, eps);
    std::vector<double> t2(16, 300.0), q2(16);
    for (std::size_t i = 8; i < 16; ++i) t2[i] = 800.0;
    d.toky(t2.data(), 1000.0, 0.0, q2.data());
    // Facets 2 and 3 are the right face of piece 0, touching facets 14 and 15 (the left of piece 1).
    for (const std::size_t i : {2, 3}) {
        const double presne = (Sigma4(800) - Sigma4(300)) / (1 / 0.9 + 1 / 0.4 - 1);
        EXPECT_NEAR(q2[i], presne, 1e-9 * presne);
        EXPECT_NEAR(q2[17 - i], -presne, 1e-9 * presne);
    }
}

}  // namespace
}  // namespace zorvet
