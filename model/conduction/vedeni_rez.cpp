// The implicit march of a long bar of constant properties: backward Euler split into the
// directions of its section, each a tridiagonal solve per line with the nonlinear face law
// solved for the face temperatures; a step is the Richardson extrapolation of one and two half
// steps, second order and L-stable, and their difference is its local error.
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "model/conduction/vedeni_prostup.h"
#include "model/conduction/vedeni_sit.h"

namespace zorvet::vedeni {

namespace {

constexpr int kMaxNewton = 40;

// Thomas pivots of the line block p0..p1 (nodes outside it known), written without
// subtraction: pivot = ex + G_p with the excess ex_p = s_p + G_(p-1) ex_(p-1) / pivot_(p-1) >= s_p.
// The plain form diag - G^2 / pivot cancels catastrophically once a sub-step is long against the
// diffusion time of the line, where the matrix is nearly that of an insulated line.
void pivoty(const Osa& o, double dt, std::size_t p0, std::size_t p1, std::vector<double>& inv) {
    const std::size_t n = static_cast<std::size_t>(o.n);
    double ex = o.kapacita[p0] / dt + (p0 > 0 ? o.vodivost[p0 - 1] : 0.0);
    for (std::size_t p = p0;; ++p) {
        inv[p] = 1.0 / (ex + (p < n ? o.vodivost[p] : 0.0));
        if (p == p1) {
            return;
        }
        ex = o.kapacita[p + 1] / dt + o.vodivost[p] * ex * inv[p];
    }
}

// Backward Euler over dt along one direction. The line is linear inside, so its heated face
// temperatures u (node 0) and v (node n) follow from one or two scalar equations
//   u = r0 + Q(u) a00 + Q(v) a0n,   v = rN + Q(u) an0 + Q(v) ann,
// where r0, rN are the face temperatures of the line with insulated faces and aij its responses
// to a unit flux through a face. The rest of the line is then solved with u and v as known
// values: every quantity here is a positive combination, so nothing cancels or grows.
struct Rozklad {
    double dt = -1.0;
    double a00 = 0.0, a0n = 0.0, an0 = 0.0, ann = 0.0;
    std::vector<double> w0, wN;  // r0 = sum w0_p T_p, rN = sum wN_p T_p (weights sum to 1)
    std::vector<double> w, e, f;  // interior block: d_p = w_p T_p + e_p d_(p-1), x_p = d_p + f_p x_(p+1)
    double kotva0 = 0.0, kotvaN = 0.0;  // share of the known u, v in the first and last row
    std::vector<double> inv, g;  // scratch

    void priprav(const Osa& o, double novyDt) {
        if (novyDt == dt) {
            return;
        }
        dt = novyDt;
        const std::size_t n = static_cast<std::size_t>(o.n);
        for (auto* pole : {&w0, &wN, &w, &e, &f, &inv, &g}) {
            pole->resize(n + 1);
        }
        // Responses of the insulated line to a unit flux through each heated face.
        pivoty(o, dt, 0, n, inv);
        const auto odezva = [&](std::size_t konec, double plocha, std::vector<double>& vahy) {
            for (std::size_t p = 0; p <= n; ++p) {
                g[p] = p == 0 ? (konec == 0 ? plocha * inv[0] : 0.0) : o.vodivost[p - 1] * inv[p] * g[p - 1];
            }
            g[n] += konec == n ? plocha * inv[n] : 0.0;
            for (std::size_t p = n; p-- > 0;) {
                g[p] += o.vodivost[p] * inv[p] * g[p + 1];
            }
            // The matrix is symmetric: row `konec` of its inverse is g / plocha.
            for (std::size_t p = 0; p <= n; ++p) {
                vahy[p] = g[p] * o.kapacita[p] / dt / plocha;
            }
        };
        if (o.ohrev0) {
            odezva(0, o.plocha0, w0);
            a00 = g[0];
            an0 = g[n];
        }
        if (o.ohrevN) {
            odezva(n, o.plochaN, wN);
            a0n = o.ohrev0 ? g[0] : 0.0;
            ann = g[n];
        }
        if (!o.ohrevN) {
            an0 = 0.0;
        }
        // The block between the heated faces.
        const std::size_t p0 = o.ohrev0 ? 1 : 0, p1 = o.ohrevN ? n - 1 : n;
        pivoty(o, dt, p0, p1, inv);
        for (std::size_t p = p0; p <= p1; ++p) {
            w[p] = o.kapacita[p] / dt * inv[p];
            e[p] = p > p0 ? o.vodivost[p - 1] * inv[p] : 0.0;
            f[p] = p < p1 ? o.vodivost[p] * inv[p] : 0.0;
        }
        kotva0 = o.ohrev0 ? o.vodivost[0] * inv[p0] : 0.0;
        kotvaN = o.ohrevN ? o.vodivost[n - 1] * inv[p1] : 0.0;
    }
};

// Backward Euler over one direction for `pocet` parallel lines; element (p, l) at p * pocet + l,
// so the inner loops run across lines and vectorize. vstup and vystup must differ.
void zamet(const Osa& o, const Rozklad& r, const Prestup& pr, const double* vstup, double* vystup,
           std::size_t pocet, double* u0, double* uN) {
    const std::size_t n = static_cast<std::size_t>(o.n);
    // Face temperatures of the insulated line.
    for (std::size_t l = 0; l < pocet; ++l) {
        u0[l] = uN[l] = 0.0;
    }
    for (std::size_t p = 0; p <= n; ++p) {
        const double* v = vstup + p * pocet;
        if (o.ohrev0) {
            for (std::size_t l = 0; l < pocet; ++l) {
                u0[l] += r.w0[p] * v[l];
            }
        }
        if (o.ohrevN) {
            for (std::size_t l = 0; l < pocet; ++l) {
                uN[l] += r.wN[p] * v[l];
            }
        }
    }
    // Newton for the face temperatures, from those of the step's start.
    for (std::size_t l = 0; l < pocet; ++l) {
        const double r0 = u0[l], rn = uN[l];
        double u = pr.omez(vstup[l]);
        double v = pr.omez(vstup[n * pocet + l]);
        for (int i = 0; i < kMaxNewton; ++i) {
            const double qu = o.ohrev0 ? pr.tok(u) : 0.0;
            const double qv = o.ohrevN ? pr.tok(v) : 0.0;
            const double du = o.ohrev0 ? -pr.derivace(u) : 0.0;
            const double dv = o.ohrevN ? -pr.derivace(v) : 0.0;
            const double f = o.ohrev0 ? u - r0 - qu * r.a00 - qv * r.a0n : 0.0;
            const double g = o.ohrevN ? v - rn - qu * r.an0 - qv * r.ann : 0.0;
            // Jacobian I + B diag(du, dv), B a scaled block of an SPD inverse: det >= the bound
            // below, which also stands in when rounding spoils the product form.
            const double j11 = 1.0 + r.a00 * du, j12 = r.a0n * dv;
            const double j21 = r.an0 * du, j22 = 1.0 + r.ann * dv;
            const double det = std::max(j11 * j22 - j12 * j21, j11 + j22 - 1.0);
            const double krokU = (f * j22 - g * j12) / det;
            const double krokV = (g * j11 - f * j21) / det;
            u = pr.omez(u - krokU);
            v = pr.omez(v - krokV);
            if (std::fabs(krokU) + std::fabs(krokV) < 1e-9 * (std::fabs(u) + std::fabs(v) + 600.0)) {
                break;
            }
        }
        u0[l] = u;
        uN[l] = v;
    }
    // The block between the heated faces, with u and v known.
    const std::size_t p0 = o.ohrev0 ? 1 : 0, p1 = o.ohrevN ? n - 1 : n;
    for (std::size_t p = p0; p <= p1; ++p) {
        const double* v = vstup + p * pocet;
        double* d = vystup + p * pocet;
        if (p == p0) {
            for (std::size_t l = 0; l < pocet; ++l) {
                d[l] = r.w[p] * v[l] + r.kotva0 * u0[l];
            }
        } else {
            const double* pred = d - pocet;
            for (std::size_t l = 0; l < pocet; ++l) {
                d[l] = r.w[p] * v[l] + r.e[p] * pred[l];
            }
        }
    }
    if (o.ohrevN) {
        double* d = vystup + p1 * pocet;
        for (std::size_t l = 0; l < pocet; ++l) {
            d[l] += r.kotvaN * uN[l];
        }
    }
    for (std::size_t p = p1; p-- > p0;) {
        const double* dal = vystup + (p + 1) * pocet;
        double* d = vystup + p * pocet;
        for (std::size_t l = 0; l < pocet; ++l) {
            d[l] += r.f[p] * dal[l];
        }
    }
    if (o.ohrev0) {
        std::copy(u0, u0 + pocet, vystup);
    }
    if (o.ohrevN) {
        std::copy(uN, uN + pocet, vystup + n * pocet);
    }
}

void transponuj(const double* vstup, double* vystup, std::size_t radku, std::size_t sloupcu) {
    for (std::size_t i = 0; i < radku; ++i) {
        for (std::size_t j = 0; j < sloupcu; ++j) {
            vystup[j * radku + i] = vstup[i * sloupcu + j];
        }
    }
}

// The march. The state is stored x-major: node (i, j) at i * (ny + 1) + j.
class Rez final : public Prostup {
public:
    Rez(const ZadaniVedeni& z, Pec& pec, const Prestup& prestup) : Prostup(z, pec), prestup_(prestup) {}

    // False when the faces give no computable section.
    bool sestav(int deleni) {
        const std::vector<Smer> smery = smeryTepla(z_, false);
        if (smery.empty()) {
            return false;
        }
        const double rc = z_.hustota * z_.c;
        sestavOsy(smery, deleni, rc, z_.lambda, osy_);
        dvaD_ = smery.size() == 2;
        rozestup_ = dvaD_ ? std::min(x_.rozestup, y_.rozestup) : x_.rozestup;
        nx_ = static_cast<std::size_t>(x_.n) + 1;
        ny_ = dvaD_ ? static_cast<std::size_t>(y_.n) + 1 : 1;
        const std::size_t uzlu = nx_ * ny_;
        for (auto* pole : {&t_, &cely_, &pul_, &pulPul_, &pomocX_, &pomocY_, &pomocY2_}) {
            pole->assign(uzlu, z_.tv);
        }
        u0_.assign(std::max(nx_, ny_), 0.0);
        uN_.assign(std::max(nx_, ny_), 0.0);
        // The heat capacity of each node and the heated faces (per unit length, per radian).
        vahy_.resize(uzlu);
        for (std::size_t i = 0; i < nx_; ++i) {
            for (std::size_t j = 0; j < ny_; ++j) {
                vahy_[i * ny_ + j] = dvaD_ ? x_.kapacita[i] * y_.kapacita[j] / rc : x_.kapacita[i];
            }
        }
        const std::size_t n = nx_ - 1, m = ny_ - 1;
        const auto plocha = [this](std::size_t u, double a) {
            plochy_.push_back({u, a});
            plochaCelkem_ += a;
        };
        if (!dvaD_) {
            if (x_.ohrev0) {
                plocha(0, x_.plocha0);
            }
            if (x_.ohrevN) {
                plocha(n, x_.plochaN);
            }
        } else {
            for (std::size_t j = 0; j <= m; ++j) {
                if (x_.ohrev0) {
                    plocha(j, y_.delka[j]);
                }
                if (x_.ohrevN) {
                    plocha(n * ny_ + j, y_.delka[j]);
                }
            }
            for (std::size_t i = 0; i <= n; ++i) {
                if (y_.ohrev0) {
                    plocha(i * ny_, x_.delka[i]);
                }
                if (y_.ohrevN) {
                    plocha(i * ny_ + m, x_.delka[i]);
                }
            }
        }
        return true;
    }

    long uzlu() const override { return static_cast<long>(t_.size()); }

private:
    void nastavPec(double tf, double dolni, double horni) override {
        pec_ = tf;
        prestup_.nastav(tf);
        prestup_.meze(dolni, horni);
    }

    // One step by Richardson extrapolation of a full and two half Euler steps: second order
    // and still L-stable, so the sharp start of heating does not ring. The result goes to
    // cely_; returns the estimated local error of the Euler step (max over the nodes).
    double zkus(double dt) override {
        rozkladX_[0].priprav(x_, dt);
        rozkladX_[1].priprav(x_, dt / 2.0);
        if (dvaD_) {
            rozkladY_[0].priprav(y_, dt);
            rozkladY_[1].priprav(y_, dt / 2.0);
        }
        euler(t_.data(), cely_.data(), 0, dt);
        euler(t_.data(), pul_.data(), 1, dt / 2.0);
        euler(pul_.data(), pulPul_.data(), 1, dt / 2.0);
        double chyba = 0.0;
        for (std::size_t i = 0; i < cely_.size(); ++i) {
            const double rozdil = pulPul_[i] - cely_[i];
            chyba = std::max(chyba, std::fabs(rozdil));
            cely_[i] = prestup_.omez(pulPul_[i] + rozdil);
        }
        return chyba;
    }

    void prijmi() override { t_.swap(cely_); }

    Vzorek stav() const override {
        double soucet = 0.0, g = 0.0;
        for (const Plocha& p : plochy_) {
            soucet += p.plocha * t_[p.uzel];
            g += p.plocha * prestup_.g(t_[p.uzel]);
        }
        double teplo = 0.0, kapacita = 0.0;
        for (std::size_t i = 0; i < t_.size(); ++i) {
            teplo += vahy_[i] * t_[i];
            kapacita += vahy_[i];
        }
        const double jadro = z_.tk > z_.tv ? *std::min_element(t_.begin(), t_.end())
                                           : *std::max_element(t_.begin(), t_.end());
        return {soucet / plochaCelkem_, jadro, teplo / kapacita,
                prestup_.mezniPec(g / plochaCelkem_, pec_)};
    }

    // Start at the diffusion time of the finest cell; the control grows it from there.
    double prvniKrok() const override {
        return std::min(z_.hustota * z_.c * rozestup_ * rozestup_ / z_.lambda, z_.krok);
    }
    double rad() const override { return 2.0; }

    // Backward Euler over dt. Under the power limit the furnace of the solve is the one at which
    // the faces take exactly the limited heat over it (secant steps on the heat the solve takes
    // in, which rises with the furnace), so the heat of the step is the limited one to rounding.
    void euler(const double* vstup, double* vystup, int ktery, double dt) {
        prestup_.nastav(pec_);
        krokEuler(vstup, vystup, ktery);
        if (!prestup_.omezeni()) {
            return;
        }
        const double p = prestup_.tokMax() * plochaCelkem_;
        double t0 = pec_, q0 = teplo(vstup, vystup, dt);
        if (!(q0 > p)) {
            return;
        }
        double g = 0.0;
        for (const Plocha& f : plochy_) {
            g += f.plocha * prestup_.g(vstup[f.uzel]);
        }
        double t1 = std::min(prestup_.mezniPec(g / plochaCelkem_, pec_), pec_);
        for (int i = 0; i < 60; ++i) {
            prestup_.nastav(t1);
            krokEuler(vstup, vystup, ktery);
            const double q1 = teplo(vstup, vystup, dt);
            if (std::fabs(q1 - p) <= 1e-12 * p || q1 == q0) {
                break;
            }
            const double t2 = std::clamp(t1 + (p - q1) * (t1 - t0) / (q1 - q0), -kKelvin, pec_);
            t0 = t1;
            q0 = q1;
            t1 = t2;
        }
    }

    // W (per unit length, per radian): the heat a solve took in over dt.
    double teplo(const double* vstup, const double* vystup, double dt) const {
        double q = 0.0;
        for (std::size_t i = 0; i < vahy_.size(); ++i) {
            q += vahy_[i] * (vystup[i] - vstup[i]);
        }
        return q / dt;
    }

    // Backward Euler split into the x and y directions (Lie splitting; each direction
    // unconditionally stable and damping).
    void krokEuler(const double* vstup, double* vystup, int ktery) {
        Rozklad& rx = rozkladX_[ktery];
        if (!dvaD_) {
            zamet(x_, rx, prestup_, vstup, vystup, 1, u0_.data(), uN_.data());
            return;
        }
        Rozklad& ry = rozkladY_[ktery];
        zamet(x_, rx, prestup_, vstup, pomocX_.data(), ny_, u0_.data(), uN_.data());
        transponuj(pomocX_.data(), pomocY_.data(), nx_, ny_);
        zamet(y_, ry, prestup_, pomocY_.data(), pomocY2_.data(), nx_, u0_.data(), uN_.data());
        transponuj(pomocY2_.data(), vystup, ny_, nx_);
    }

    struct Plocha {
        std::size_t uzel;
        double plocha;  // area of the face at the node, per unit length (per radian)
    };

    Prestup prestup_;
    double pec_ = 0.0;  // the furnace's own temperature
    Osa osy_[2];  // at most two directions: the section of a long bar
    Osa& x_ = osy_[0];
    Osa& y_ = osy_[1];
    bool dvaD_ = false;
    std::size_t nx_ = 0, ny_ = 0;
    double rozestup_ = 0.0;  // m, the finest node spacing
    Rozklad rozkladX_[2], rozkladY_[2];
    std::vector<double> t_, cely_, pul_, pulPul_, pomocX_, pomocY_, pomocY2_, u0_, uN_;
    std::vector<double> vahy_;  // heat capacity of each node
    std::vector<Plocha> plochy_;
    double plochaCelkem_ = 0.0;
};

}  // namespace

std::unique_ptr<Prostup> NovyRez(const ZadaniVedeni& z, Pec& pec, const Prestup& prestup, int deleni) {
    auto rez = std::make_unique<Rez>(z, pec, prestup);
    if (!rez->sestav(deleni)) {
        return nullptr;
    }
    return rez;
}

}  // namespace zorvet::vedeni
