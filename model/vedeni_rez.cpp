#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

#include "model/vedeni_pochody.h"
#include "model/vedeni_sit.h"

namespace zorvet::vedeni {

namespace {

// Sub-step control: the local error of a backward Euler sub-step (estimated from two half
// steps) must stay below this fraction of the temperature scale of the step.
constexpr double kTolerance = 2.0e-4;
constexpr int kMaxNewton = 40;
constexpr long kMaxPokusu = 1000;  // sub-step attempts per step and unit of zjemneni (ordinary steps: < 250)

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
class Rez {
public:
    explicit Rez(const ZadaniVedeni& z) : z_(z) {}

    // False when the faces give no computable section.
    bool sestav() {
        const std::vector<Smer> smery = smeryTepla(z_, false);
        if (smery.empty()) {
            return false;
        }
        sestavOsy(smery, z_.zjemneni, z_.hustota * z_.c, z_.lambda, osy_);
        radialniX_ = smery[0].radialni;
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
        return true;
    }

    VysledekVedeni spust() {
        VysledekVedeni v;
        const long mez = z_.maxKroku;
        if (zacni(z_, v)) {
            return v;
        }
        const bool ohrev = z_.tk > z_.tv;
        const double rozsah = std::fabs(z_.tk - z_.tv);
        const double zjemneni = z_.zjemneni;
        const double maxDt = z_.krok / zjemneni;
        const double minDt = z_.krok * 1e-9;
        const long mezPokusu = kMaxPokusu * z_.zjemneni;
        // Start at the diffusion time of the finest cell; the control grows it from there.
        double navrh = std::clamp(z_.hustota * z_.c * rozestup_ * rozestup_ / z_.lambda, minDt, maxDt);
        double dolni = z_.tv, horni = z_.tv;
        for (long k = 1; k <= mez; ++k) {
            const double tf = z_.pec(k);
            if (!platnaTeplota(tf)) {
                v.konec = KonecVedeni::NeplatneZadani;
                return v;
            }
            prestup_.nastav(tf, z_.eps, z_.koefK, z_.konvekce);
            dolni = std::min(dolni, tf);
            horni = std::max(horni, tf);
            prestup_.meze(dolni, horni);
            // The core time is most sensitive where the core creeps towards tk: the scale is the
            // smaller of the two differences, but not below 2 % of the whole change.
            const double meritko = std::max(std::min(rozsah, std::fabs(tf - z_.tk)), 0.02 * rozsah);
            // Floored well above the rounding of the temperatures themselves.
            const double tolerance = std::max(kTolerance * meritko / (zjemneni * zjemneni),
                                              1e-9 * (std::fabs(dolni) + std::fabs(horni) + kKelvin));
            double zbyva = z_.krok;
            long pokusu = 0;
            while (zbyva > 0.0) {
                double dt = std::min(navrh, maxDt);
                bool posledni = false;
                if (dt >= zbyva * (1.0 - 1e-12)) {
                    dt = zbyva;
                    posledni = true;
                } else if (dt > 0.7 * zbyva) {
                    dt = zbyva / 2.0;  // no sliver at the end of the step
                }
                const double chyba = krokRichardson(dt) / tolerance;
                // Past the cap (only absurd inputs get there) the rest of the step runs in
                // growing sub-steps without error control: the scheme is L-stable, so that costs
                // accuracy, never stability, and the march always ends.
                const bool kontrola = ++pokusu <= mezPokusu;
                if (kontrola && chyba > 1.0 && dt > minDt) {
                    navrh = dt * std::max(0.2, 0.9 / std::sqrt(chyba));
                    continue;
                }
                t_.swap(cely_);
                zbyva = posledni ? 0.0 : zbyva - dt;
                const double rust = chyba > 0.0 && kontrola ? std::min(4.0, 0.9 / std::sqrt(chyba)) : 4.0;
                navrh = dt < navrh && rust >= 1.0 ? std::max(navrh, dt * rust) : dt * rust;
            }
            const double jadro = ohrev ? *std::min_element(t_.begin(), t_.end())
                                       : *std::max_element(t_.begin(), t_.end());
            v.povrch.push_back(static_cast<float>(povrch()));
            v.jadro.push_back(static_cast<float>(jadro));
            if (ohrev ? jadro >= z_.tk : jadro <= z_.tk) {
                v.konec = KonecVedeni::Dosazeno;
                v.krokJadra = k;
                v.casJadra = static_cast<double>(k) * z_.krok;
                return v;
            }
        }
        v.konec = KonecVedeni::Nedosazeno;
        return v;
    }

private:
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

    // One sub-step by Richardson extrapolation of a full and two half Euler steps: second order
    // and still L-stable, so the sharp start of heating does not ring. The result goes to
    // cely_; returns the estimated local error of the Euler step (max over the nodes).
    double krokRichardson(double dt) {
        rozkladX_[0].priprav(x_, dt);
        rozkladX_[1].priprav(x_, dt / 2.0);
        if (dvaD_) {
            rozkladY_[0].priprav(y_, dt);
            rozkladY_[1].priprav(y_, dt / 2.0);
        }
        krokEuler(t_.data(), cely_.data(), 0);
        krokEuler(t_.data(), pul_.data(), 1);
        krokEuler(pul_.data(), pulPul_.data(), 1);
        double chyba = 0.0;
        for (std::size_t i = 0; i < cely_.size(); ++i) {
            const double rozdil = pulPul_[i] - cely_[i];
            chyba = std::max(chyba, std::fabs(rozdil));
            cely_[i] = prestup_.omez(pulPul_[i] + rozdil);
        }
        return chyba;
    }

    // Area-weighted mean over the heated faces.
    double povrch() const {
        if (radialniX_) {
            return t_.back();
        }
        double soucet = 0.0, plocha = 0.0;
        const std::size_t n = nx_ - 1, m = ny_ - 1;
        if (!dvaD_) {
            if (x_.ohrev0) {
                soucet += t_.front();
                plocha += 1.0;
            }
            if (x_.ohrevN) {
                soucet += t_.back();
                plocha += 1.0;
            }
            return soucet / plocha;
        }
        for (std::size_t j = 0; j <= m; ++j) {
            const double d = y_.delka[j];
            if (x_.ohrev0) {
                soucet += d * t_[j];
                plocha += d;
            }
            if (x_.ohrevN) {
                soucet += d * t_[n * ny_ + j];
                plocha += d;
            }
        }
        for (std::size_t i = 0; i <= n; ++i) {
            const double d = x_.delka[i];
            if (y_.ohrev0) {
                soucet += d * t_[i * ny_];
                plocha += d;
            }
            if (y_.ohrevN) {
                soucet += d * t_[i * ny_ + m];
                plocha += d;
            }
        }
        return soucet / plocha;
    }

    const ZadaniVedeni& z_;
    Osa osy_[2];  // at most two directions: the section of a long bar
    Osa& x_ = osy_[0];
    Osa& y_ = osy_[1];
    bool dvaD_ = false;
    bool radialniX_ = false;
    std::size_t nx_ = 0, ny_ = 0;
    double rozestup_ = 0.0;  // m, the finest node spacing
    Rozklad rozkladX_[2], rozkladY_[2];
    Prestup prestup_;
    std::vector<double> t_, cely_, pul_, pulPul_, pomocX_, pomocY_, pomocY2_, u0_, uN_;
};

}  // namespace

VysledekVedeni SpustRez(const ZadaniVedeni& z) {
    Rez rez(z);
    if (!rez.sestav()) {
        return {};
    }
    return rez.spust();
}

}  // namespace zorvet::vedeni
