#include <gtest/gtest.h>

#include <algorithm>
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
    VyrovnejReciprocitu(g.f, s);
    g.F = SlozFaktory(g.f, s);
    return g;
}

// The heat the facets take is what the furnace loses: sum A_i q_i = sum A_i Fpec_i (Ef - J_i),
// which holds only for the solved radiosities (with exact reciprocity and rows summing to 1).
TEST(Salani, TheFacetsTakeWhatTheFurnaceLoses) {
    // Facets of one emissivity, and of two (every other 0.9 and 0.4: the exchange kept whole).
    for (const double eps : {1.0, 0.8, 0.3, 0.0}) {
        const Geometrie g = Pole({'K', 0.1, 3, 2, 0.01, 0.0}, 16);
        const std::size_t n = g.f.Fpec.size();
        std::vector<double> e(n, eps);
        for (std::size_t i = 0; eps == 0.0 && i < n; ++i) e[i] = i % 2 ? 0.9 : 0.4;
        const Salani s(g.F, g.f.Fpec, e);
        EXPECT_EQ(s.soumerne(), eps > 0.0);
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

// A field of the array's mirror symmetry irradiates the representatives' facets as the full
// array does when the exchange is folded, averaged over the pieces on an axis and weighted by the
// pieces a facet stands for: arrays with a middle row, a middle column, both, and neither; square
// arrays folded about the diagonal too (even and odd, round and square bars), and one whose gaps
// differ, which is not.
TEST(Salani, FoldedExchangeOfASymmetricFieldIsTheFullOne) {
    const Usporadani pripady[] = {{'K', 0.1, 3, 3, 0.01, 0.01}, {'K', 0.1, 4, 2, 0.01, 0.0},
                                  {'C', 0.08, 5, 2, 0.02, 0.01}, {'K', 0.06, 1, 3, 0.0, 0.03},
                                  {'K', 0.1, 4, 4, 0.0, 0.0},     {'C', 0.08, 5, 5, 0.02, 0.02},
                                  {'C', 0.08, 3, 3, 0.02, 0.01}};
    const int m = 16;
    for (const Usporadani& u : pripady) {
        const Symetrie plna(u, m, false), zrcadlena(u, m, true);
        const std::size_t ctvrt = static_cast<std::size_t>((u.nx + 1) / 2), ctvrtY = static_cast<std::size_t>((u.ny + 1) / 2);
        EXPECT_EQ(zrcadlena.reprezentanti().size(), u.nx == u.ny && u.gx == u.gy ? ctvrt * (ctvrt + 1) / 2 : ctvrt * ctvrtY);
        PohledoveFaktory f = SpoctiFaktory(u, m, plna), z = SpoctiFaktory(u, m, zrcadlena);
        VyrovnejReciprocitu(f, plna);
        VyrovnejReciprocitu(z, zrcadlena);
        std::vector<double> slozene = SlozFaktory(z, zrcadlena);
        ZprumerujSoumerne(slozene, zrcadlena);
        const std::size_t n = f.Fpec.size(), nz = z.Fpec.size();
        // Emissive powers that follow the mirror symmetry: each facet's is its representative's.
        std::vector<double> ez(nz), e(n), gz(nz), g(n);
        for (std::size_t i = 0; i < nz; ++i) {
            // A piece on an axis is its own mirror image: its facets and their images alike.
            const int kus = zrcadlena.reprezentanti()[i / m], f0 = static_cast<int>(i) % m;
            int prvni = f0;
            for (int a = 0; a <= (zrcadlena.naOseX(kus) ? 1 : 0); ++a)
                for (int b = 0; b <= (zrcadlena.naOseY(kus) ? 1 : 0); ++b)
                    for (int c = 0; c <= (zrcadlena.naOseD(kus) ? 1 : 0); ++c)
                        prvni = std::min(prvni, zrcadlena.zrcadlo(f0, a == 1, b == 1, c == 1));
            ez[i] = Sigma4(20.0 + static_cast<double>((static_cast<int>(i / m) * 53 + prvni * 37) % 29) * 35.0);
        }
        for (std::size_t i = 0; i < n; ++i) {
            const int kus = static_cast<int>(i) / m;
            e[i] = ez[static_cast<std::size_t>(zrcadlena.poradi(kus) * m + zrcadlena.faseta(kus, static_cast<int>(i) % m))];
        }
        for (const double eps : {1.0, 0.6}) {
            const Salani slozena(slozene, z.Fpec, std::vector<double>(nz, eps), VahyFaset(zrcadlena));
            const Salani cela(f.F, f.Fpec, std::vector<double>(n, eps));
            EXPECT_TRUE(slozena.soumerne() && cela.soumerne()) << u.nx << "x" << u.ny;
            slozena.ozareni(ez.data(), Sigma4(1000.0), gz.data());
            cela.ozareni(e.data(), Sigma4(1000.0), g.data());
            for (std::size_t i = 0; i < nz; ++i) {
                const std::size_t plny = static_cast<std::size_t>(zrcadlena.reprezentanti()[i / m] * m) + i % m;
                ASSERT_NEAR(gz[i], g[plny], 1e-10 * Sigma4(1000.0)) << u.nx << "x" << u.ny << " eps " << eps << " facet " << i;
            }
        }
    }
}

}  // namespace
}  // namespace zorvet
