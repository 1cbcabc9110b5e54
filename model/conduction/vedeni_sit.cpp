#include "model/conduction/vedeni_sit.h"

#include <cstddef>
#include <limits>

namespace zorvet::vedeni {

namespace {

// Growth of the spacing along a deeper direction, m per m, times the intervals along the least
// depth: fine where the heat of the faces enters (the corner layers), coarser inwards.
constexpr double kRustSite = 1.2;
// Intervals along the radius of a round bar computed with its length, per interval along the
// least depth: the radial grid is even, and the curvature asks for more.
constexpr int kPomerPolomeru = 2;

// Node spacing hKraj at the faces, growing by `rust` per metre of distance from the nearer face
// up to hMax; symmetric, with a node in the middle. Uniform when hKraj == hMax.
void kartezska(Osa& o, double l, double hKraj, double hMax, double rust, double rc, double lambda,
               int ohrevy) {
    std::vector<double> kroky;
    double s = 0.0;
    while (s < l / 2.0 * (1.0 - 1e-9)) {
        kroky.push_back(std::min(hKraj + rust * s, hMax));
        s += kroky.back();
    }
    const std::size_t pul = kroky.size();
    kroky.resize(2 * pul);
    for (std::size_t i = 0; i < pul; ++i) {
        kroky[i] *= l / 2.0 / s;
        kroky[2 * pul - 1 - i] = kroky[i];
    }
    const std::size_t n = kroky.size();
    o.n = static_cast<int>(n);
    o.delka.assign(n + 1, 0.0);
    o.kapacita.resize(n + 1);
    o.vodivost.resize(n);
    for (std::size_t p = 0; p < n; ++p) {
        o.delka[p] += kroky[p] / 2.0;
        o.delka[p + 1] += kroky[p] / 2.0;
        o.vodivost[p] = lambda / kroky[p];
    }
    for (std::size_t p = 0; p <= n; ++p) {
        o.kapacita[p] = rc * o.delka[p];
    }
    o.rozestup = *std::min_element(kroky.begin(), kroky.end());
    o.plocha0 = o.plochaN = 1.0;
    o.ohrev0 = ohrevy >= 1;
    o.ohrevN = ohrevy >= 2;
}

void kartezska(Osa& o, double l, int n, double rc, double lambda, int ohrevy) {
    kartezska(o, l, l / n, l / n, 0.0, rc, lambda, ohrevy);
}

// Per radian and unit length; the centre cell's inner face has zero area, which is the
// regularity condition at r = 0.
void radialni(Osa& o, double polomer, int n, double rc, double lambda) {
    const double h = polomer / n;
    o.n = n;
    o.kapacita.resize(static_cast<std::size_t>(n) + 1);
    o.vodivost.resize(static_cast<std::size_t>(n));
    for (int p = 0; p <= n; ++p) {
        const double vnitrni = std::max(p - 0.5, 0.0) * h;
        const double vnejsi = std::min(p + 0.5, static_cast<double>(n)) * h;
        o.kapacita[static_cast<std::size_t>(p)] = rc * (vnejsi * vnejsi - vnitrni * vnitrni) / 2.0;
        if (p < n) {
            o.vodivost[static_cast<std::size_t>(p)] = lambda * vnejsi / h;
        }
    }
    o.delka.clear();
    o.rozestup = h;
    o.plocha0 = 0.0;
    o.plochaN = polomer;
    o.ohrev0 = false;
    o.ohrevN = true;
}

// A direction heated on both faces is symmetric about its middle node: only the half up to it
// is computed, the middle node with half its volume and no flux through the middle.
void pulka(Osa& o) {
    const std::size_t pul = static_cast<std::size_t>(o.n) / 2;
    o.n = static_cast<int>(pul);
    o.kapacita.resize(pul + 1);
    o.kapacita[pul] /= 2.0;
    o.vodivost.resize(pul);
    if (!o.delka.empty()) {
        o.delka.resize(pul + 1);
        o.delka[pul] /= 2.0;
    }
    o.ohrevN = false;
}

}  // namespace

std::vector<Smer> smeryTepla(const ZadaniVedeni& z, bool sKonci) {
    std::vector<Smer> smery;
    if (z.profil == 'K') {
        if (z.plast) {
            smery.push_back({z.a / 2.0, 1, true});
        }
    } else if (z.profil == 'C') {
        // 1 = one face, 2 = two opposite faces: one direction; 3 and 4 add the other.
        const int f = z.plochyAL;
        if (f < 0 || f > 4) {
            return {};
        }
        if (f > 0) {
            smery.push_back({z.a, std::min(f, 2), false});
        }
        if (f > 2) {
            smery.push_back({z.a, f - 2, false});
        }
    } else if (z.profil == 'O') {
        // The sides along A (their end faces are the B*L faces) and along B.
        const int fx = z.plochyBL, fy = z.plochyAL;
        if (fx < 0 || fx > 2 || fy < 0 || fy > 2) {
            return {};
        }
        if (fx > 0) {
            smery.push_back({z.a, fx, false});
        }
        if (fy > 0) {
            smery.push_back({z.b, fy, false});
        }
    } else {
        return {};
    }
    if (z.plochyAB < 0 || z.plochyAB > 2) {
        return {};
    }
    if (sKonci && z.plochyAB > 0) {
        smery.push_back({z.delka, z.plochyAB, false});
    }
    return smery;
}

// The grids of the directions. One direction is even: a direction heated on both faces is
// computed from one face to its middle, one heated on one face from that face to the other.
// More take the grid of a section: a direction heated on both faces is computed from one face
// to its middle, one heated on one face from that face to the unheated one, which is the same
// grid (the middle of a piece twice as deep). The spacing is even along the least depth and
// grows inwards along the deeper directions.
void sestavOsy(const std::vector<Smer>& smery, int deleni, double rc, double lambda, Osa* osy) {
    double nejmensi = std::numeric_limits<double>::infinity();
    for (const Smer& s : smery) {
        nejmensi = std::min(nejmensi, s.hloubka());
    }
    for (std::size_t d = 0; d < smery.size(); ++d) {
        const Smer& s = smery[d];
        Osa& o = osy[d];
        if (s.radialni) {
            radialni(o, s.delka, smery.size() == 1 ? deleni : kPomerPolomeru * deleni, rc, lambda);
        } else if (smery.size() == 1) {
            kartezska(o, s.delka, s.ohrevy == 2 ? 2 * deleni : deleni, rc, lambda, s.ohrevy);
            if (s.ohrevy == 2) {
                pulka(o);
            }
        } else {
            const double dvojnasobek = 2.0 * s.hloubka();
            kartezska(o, dvojnasobek, nejmensi / deleni, s.hloubka() / deleni, kRustSite / deleni, rc, lambda, 2);
            pulka(o);
        }
    }
}

double Prestup::mezniPec(double stredniG, double start) const {
    if (!omezeni()) {
        return kNekonecno;
    }
    const double cil = stredniG + tokMax_ / koef_;
    double t = std::max(start, -kKelvin + 1e-3);
    for (int i = 0; i < 200; ++i) {
        const double k = std::max(t + kKelvin, 0.0) / 100.0;
        const double sklon = konvekce_ + es_ * 0.04 * k * k * k;
        const double dalsi = std::max(t - (g(t) - cil) / sklon, -kKelvin);
        if (std::fabs(dalsi - t) <= 1e-13 * (std::fabs(t) + kKelvin)) {
            return dalsi;
        }
        t = dalsi;
    }
    return t;
}

double Pec::operator()(long k) {
    while (static_cast<long>(hodnoty_.size()) <= k) {
        const double t = z_.pec(static_cast<long>(hodnoty_.size()));
        hodnoty_.push_back(platnaTeplota(t) ? t : std::numeric_limits<double>::quiet_NaN());
    }
    return hodnoty_[static_cast<std::size_t>(k)];
}

long Pec::konecUseku(long k, long kDo) {
    const double t = (*this)(k);
    long j = k;
    while (j < kDo && (*this)(j + 1) == t) {
        ++j;
    }
    return j;
}

}  // namespace zorvet::vedeni
