#include "model/load/salani.h"

#include <algorithm>
#include <cmath>

#include "model/case/konstanty.h"

namespace zorvet {

double Zarivost(double t) {
    const double k = std::max(t + kKelvin, 0.0) / 100.0;
    const double k2 = k * k;
    return kSigma * (k2 * k2);
}

Salani::Salani(const std::vector<double>& F, const std::vector<double>& Fpec, const std::vector<double>& eps,
               const std::vector<double>& vahy)
    : n_(Fpec.size()), m_(n_ * n_, 0.0), g_(Fpec), eps_(eps), vahy_(vahy) {
    if (vahy_.size() != n_) {
        vahy_.assign(n_, 1.0);
    }
    const std::size_t n = n_;
    bool cerne = true;
    for (const double e : eps_) cerne = cerne && e == 1.0;
    if (cerne) {  // nothing is reflected: G = F E + Fpec Ef
        m_ = F;
        slozTrojuhelnik();
        return;
    }
    // A = I - F diag(1 - eps), factored with partial pivoting; its columns are diagonally
    // dominant (the rows of F sum to at most 1), so pivoting rarely swaps.
    std::vector<double> a(n * n);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < n; ++j) {
            a[i * n + j] = (i == j ? 1.0 : 0.0) - F[i * n + j] * (1.0 - eps_[j]);
            m_[i * n + j] = F[i * n + j] * eps_[j];
        }
    }
    std::vector<std::size_t> radky(n);
    for (std::size_t k = 0; k < n; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < n; ++i) {
            if (std::fabs(a[i * n + k]) > std::fabs(a[p * n + k])) p = i;
        }
        if (p != k) {
            std::swap_ranges(a.begin() + static_cast<std::ptrdiff_t>(k * n),
                             a.begin() + static_cast<std::ptrdiff_t>(k * n + n),
                             a.begin() + static_cast<std::ptrdiff_t>(p * n));
            std::swap_ranges(m_.begin() + static_cast<std::ptrdiff_t>(k * n),
                             m_.begin() + static_cast<std::ptrdiff_t>(k * n + n),
                             m_.begin() + static_cast<std::ptrdiff_t>(p * n));
            std::swap(g_[k], g_[p]);
        }
        const double pivot = a[k * n + k];
        for (std::size_t i = k + 1; i < n; ++i) {
            const double l = a[i * n + k] / pivot;
            if (l == 0.0) continue;
            for (std::size_t j = k + 1; j < n; ++j) a[i * n + j] -= l * a[k * n + j];
            for (std::size_t j = 0; j < n; ++j) m_[i * n + j] -= l * m_[k * n + j];
            g_[i] -= l * g_[k];
        }
    }
    for (std::size_t k = n; k-- > 0;) {
        const double pivot = a[k * n + k];
        for (std::size_t i = k + 1; i < n; ++i) {
            const double u = a[k * n + i];
            if (u == 0.0) continue;
            for (std::size_t j = 0; j < n; ++j) m_[k * n + j] -= u * m_[i * n + j];
            g_[k] -= u * g_[i];
        }
        for (std::size_t j = 0; j < n; ++j) m_[k * n + j] /= pivot;
        g_[k] /= pivot;
    }
    slozTrojuhelnik();
}

// Facets of one emissivity exchange symmetrically: w_i F_ij = w_j F_ji (reciprocity, w the
// facets' areas times the pieces they stand for) makes S = diag(w) M symmetric, as the series
// M = eps (F + (1 - eps) F^2 + ...) shows. Its upper triangle then serves both halves of the
// product, G = diag(w)^-1 S E, and each product reads half the memory.
void Salani::slozTrojuhelnik() {
    const std::size_t n = n_;
    double nejvic = 0.0;
    for (std::size_t i = 0; i < n; ++i) {
        if (eps_[i] != eps_[0]) return;
        for (std::size_t j = 0; j < n; ++j) nejvic = std::max(nejvic, std::fabs(vahy_[i] * m_[i * n + j]));
    }
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = i + 1; j < n; ++j) {
            if (std::fabs(vahy_[i] * m_[i * n + j] - vahy_[j] * m_[j * n + i]) > 1e-12 * nejvic) return;
        }
    }
    trojuhelnik_.resize(n * (n + 1) / 2);
    std::size_t k = 0;
    for (std::size_t i = 0; i < n; ++i) {
        trojuhelnik_[k++] = vahy_[i] * m_[i * n + i];
        for (std::size_t j = i + 1; j < n; ++j) {
            trojuhelnik_[k++] = (vahy_[i] * m_[i * n + j] + vahy_[j] * m_[j * n + i]) / 2.0;
        }
    }
    m_ = std::vector<double>();
}

namespace {

using D4 = double __attribute__((vector_size(32)));

// Four doubles at any double's address, into a vector and back.
inline void nacti(D4& v, const double* p) { __builtin_memcpy(&v, p, sizeof v); }
inline void uloz(double* p, const D4& v) { __builtin_memcpy(p, &v, sizeof v); }

// Rows of m (n columns) times e, plus g times ef: each row in sixteen independent partial sums,
// so that the processor overlaps the products instead of waiting on one running sum.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(__SANITIZE_ADDRESS__)
__attribute__((target_clones("avx2", "default")))
#endif
void soucinMatice(const double* m, std::size_t n, const double* e, const double* g, double ef, double* vysledek) {
    for (std::size_t i = 0; i < n; ++i) {
        const double* radek = m + i * n;
        D4 s0{}, s1{}, s2{}, s3{};
        std::size_t j = 0;
        for (; j + 16 <= n; j += 16) {
            D4 x0, x1, x2, x3, y0, y1, y2, y3;
            nacti(x0, radek + j), nacti(x1, radek + j + 4), nacti(x2, radek + j + 8), nacti(x3, radek + j + 12);
            nacti(y0, e + j), nacti(y1, e + j + 4), nacti(y2, e + j + 8), nacti(y3, e + j + 12);
            s0 += x0 * y0;
            s1 += x1 * y1;
            s2 += x2 * y2;
            s3 += x3 * y3;
        }
        const D4 s = (s0 + s1) + (s2 + s3);
        double soucet = (s[0] + s[1]) + (s[2] + s[3]);
        for (; j < n; ++j) soucet += radek[j] * e[j];
        vysledek[i] = soucet + g[i] * ef;
    }
}

// The same with the symmetric S = diag(w) M of its upper triangle's rows (t): each element
// serves row i and, by symmetry, row j.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__)) && !defined(__SANITIZE_ADDRESS__)
__attribute__((target_clones("avx2", "default")))
#endif
void soucinTrojuhelniku(const double* t, std::size_t n, const double* e, const double* g, double ef,
                        const double* vahy, double* vysledek) {
    for (std::size_t i = 0; i < n; ++i) vysledek[i] = 0.0;
    std::size_t i = 0;
    // Four rows at once: each column right of them is read, added to and written once for the
    // four, whose own 4 x 4 corner is summed one by one.
    for (; i + 4 <= n; i += 4) {
        const double* r[4];
        r[0] = t;
        for (std::size_t a = 1; a < 4; ++a) r[a] = r[a - 1] + (n - i - (a - 1));
        t = r[3] + (n - i - 3);
        const double* ez = e + i;
        double* dal = vysledek + i;
        double s[4];
        for (std::size_t a = 0; a < 4; ++a) {
            s[a] = r[a][0] * ez[a];
            for (std::size_t c = a + 1; c < 4; ++c) {
                s[a] += r[a][c - a] * ez[c];
                dal[c] += r[a][c - a] * ez[a];
            }
        }
        const D4 e0{ez[0], ez[0], ez[0], ez[0]}, e1{ez[1], ez[1], ez[1], ez[1]};
        const D4 e2{ez[2], ez[2], ez[2], ez[2]}, e3{ez[3], ez[3], ez[3], ez[3]};
        D4 a0{}, a1{}, a2{}, a3{};
        std::size_t j = 4;
        for (; j + 4 <= n - i; j += 4) {
            D4 x0, x1, x2, x3, y, z;
            nacti(x0, r[0] + j), nacti(x1, r[1] + j - 1), nacti(x2, r[2] + j - 2), nacti(x3, r[3] + j - 3);
            nacti(y, ez + j), nacti(z, dal + j);
            a0 += x0 * y;
            a1 += x1 * y;
            a2 += x2 * y;
            a3 += x3 * y;
            uloz(dal + j, z + ((x0 * e0 + x1 * e1) + (x2 * e2 + x3 * e3)));
        }
        s[0] += (a0[0] + a0[1]) + (a0[2] + a0[3]);
        s[1] += (a1[0] + a1[1]) + (a1[2] + a1[3]);
        s[2] += (a2[0] + a2[1]) + (a2[2] + a2[3]);
        s[3] += (a3[0] + a3[1]) + (a3[2] + a3[3]);
        for (; j < n - i; ++j) {
            double z = 0.0;
            for (std::size_t a = 0; a < 4; ++a) {
                s[a] += r[a][j - a] * ez[j];
                z += r[a][j - a] * ez[a];
            }
            dal[j] += z;
        }
        for (std::size_t a = 0; a < 4; ++a) dal[a] += s[a];
    }
    // The rows left, one by one.
    for (; i < n; ++i) {
        const double* radek = t;
        t += n - i;
        double soucet = radek[0] * e[i];
        for (std::size_t j = 1; j < n - i; ++j) {
            soucet += radek[j] * e[i + j];
            vysledek[i + j] += radek[j] * e[i];
        }
        vysledek[i] += soucet;
    }
    for (std::size_t k = 0; k < n; ++k) vysledek[k] = vysledek[k] / vahy[k] + g[k] * ef;
}

}  // namespace

void Salani::ozareni(const double* e, double ef, double* g) const {
    if (!trojuhelnik_.empty()) {
        soucinTrojuhelniku(trojuhelnik_.data(), n_, e, g_.data(), ef, vahy_.data(), g);
        return;
    }
    soucinMatice(m_.data(), n_, e, g_.data(), ef, g);
}

void Salani::toky(const double* t, double tf, double h, double* q, double* j) const {
    std::vector<double> e(n_), g(n_);
    for (std::size_t i = 0; i < n_; ++i) e[i] = Zarivost(t[i]);
    ozareni(e.data(), Zarivost(tf), g.data());
    for (std::size_t i = 0; i < n_; ++i) {
        q[i] = eps_[i] * (g[i] - e[i]) + h * (tf - t[i]);
        if (j != nullptr) j[i] = eps_[i] * e[i] + (1.0 - eps_[i]) * g[i];
    }
}

}  // namespace zorvet
