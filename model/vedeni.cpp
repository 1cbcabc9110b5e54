#include "model/vedeni.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

#include "model/konstanty.h"

namespace zorvet {

namespace {

constexpr double kMaxTeplota = 1.0e5;  // degrees C; keeps the fourth powers far from overflow
constexpr double kMinHodnota = 1.0e-9;  // bounds of dimensions, lambda, c, density and krok (SI units)
constexpr double kMaxHodnota = 1.0e9;

// Intervals per direction at zjemneni 1, all even so that a centre is a node. Chosen so that
// doubling them moves the core time by well under 0.1 %.
constexpr int kDeleni1D = 64;       // across a plate
constexpr int kDeleniPolomer = 48;  // along the radius of a round bar
constexpr int kDeleni2D = 24;       // along the shorter side of a 2-D section
constexpr double kRustSite = 0.1;   // growth of the spacing along a longer side, m per m

// Sub-step control: the local error of a backward Euler sub-step (estimated from two half
// steps) must stay below this fraction of the temperature scale of the step.
constexpr double kTolerance = 2.0e-4;
constexpr int kMaxNewton = 40;
constexpr long kMaxPokusu = 1000;  // sub-step attempts per step and unit of zjemneni (ordinary steps: < 250)
constexpr int kMaxZjemneni = 16;

bool platnaTeplota(double t) { return std::isfinite(t) && t >= -kKelvin && t <= kMaxTeplota; }

// Heat flux into a heated face during one step, W/m2, at the local surface temperature ts.
// Written as a flux rather than alfa * (Tf - Ts), so nothing divides by Tf - Ts.
class Prestup {
public:
    void nastav(double tf, double eps, double koefK, double konvekce) {
        tf_ = tf;
        koef_ = koefK;
        konvekce_ = konvekce;
        es_ = eps * kSigma;
        zf_ = ctvrta(tf);
    }
    // The lowest and highest of tv and the furnace temperatures so far: the exact solution
    // stays between them (maximum principle), so the Newton iterates and the extrapolated
    // sub-step, whose stiff components may overshoot slightly, are kept there too.
    void meze(double dolni, double horni) {
        dolni_ = dolni;
        horni_ = horni;
    }
    double tok(double ts) const { return koef_ * (konvekce_ * (tf_ - ts) + es_ * (zf_ - ctvrta(ts))); }
    // d tok / d ts; never positive, so the face equations have one root.
    double derivace(double ts) const {
        const double k = std::max(ts + kKelvin, 0.0) / 100.0;
        return -koef_ * (konvekce_ + es_ * 0.04 * k * k * k);
    }
    double omez(double ts) const { return std::clamp(ts, dolni_, horni_); }

private:
    // (T/100)^4 in kelvin; clipped at absolute zero so the flux stays monotone.
    static double ctvrta(double t) {
        const double k = std::max(t + kKelvin, 0.0) / 100.0;
        const double k2 = k * k;
        return k2 * k2;
    }
    double tf_ = 0.0, koef_ = 0.0, konvekce_ = kKonvekce, es_ = 0.0, zf_ = 0.0;
    double dolni_ = -kKelvin, horni_ = kMaxTeplota;
};

// One direction of the grid, vertex-centred finite volumes: nodes 0 and n lie on the faces, so
// the flux law sees the local surface temperature without extrapolation.
struct Osa {
    int n = 0;                       // intervals; nodes 0..n
    std::vector<double> kapacita;    // rho c * control volume of each node
    std::vector<double> vodivost;    // lambda * face / spacing between nodes p and p+1
    std::vector<double> delka;       // geometric control length (Cartesian; weights of surface means)
    double rozestup = 0.0;           // m, the smallest node spacing
    double plocha0 = 0.0, plochaN = 0.0;  // area of the end faces (per unit of the other directions)
    bool ohrev0 = false, ohrevN = false;
};

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
        const double rc = z_.hustota * z_.c;
        const int k = z_.zjemneni;
        if (z_.profil == 'K') {
            if (!z_.plast) {
                return false;
            }
            radialni(x_, z_.a / 2.0, kDeleniPolomer * k, rc, z_.lambda);
            radialniX_ = true;
        } else if (z_.profil == 'C') {
            const int f = z_.plochyAL;
            if (f < 1 || f > 4) {
                return false;
            }
            // 1 = one face, 2 = two opposite faces: heat flows along x only.
            if (f <= 2) {
                kartezska(x_, z_.a, kDeleni1D * k, rc, z_.lambda, f);
            } else {
                kartezska(x_, z_.a, kDeleni2D * k, rc, z_.lambda, 2);
                kartezska(y_, z_.a, kDeleni2D * k, rc, z_.lambda, f - 2);
                dvaD_ = true;
            }
        } else if (z_.profil == 'O') {
            // x runs along A (its end faces are the B*L faces), y along B.
            const int fx = z_.plochyBL, fy = z_.plochyAL;
            if (fx < 0 || fx > 2 || fy < 0 || fy > 2 || fx + fy == 0) {
                return false;
            }
            if (fy == 0) {
                kartezska(x_, z_.a, kDeleni1D * k, rc, z_.lambda, fx);
            } else if (fx == 0) {
                kartezska(x_, z_.b, kDeleni1D * k, rc, z_.lambda, fy);
            } else {
                // Even a plate stays 2-D: in a thin, well-conducting plate the heat of the
                // narrow faces reaches the middle many thicknesses away. The longer side is
                // fine near its faces (corner layers) and coarser inwards, where it is flat.
                const double kratsi = std::min(z_.a, z_.b);
                const auto osa = [&](Osa& o, double l, int f) {
                    kartezska(o, l, kratsi / (kDeleni2D * k), l / (kDeleni2D * k), kRustSite / k, rc,
                              z_.lambda, f);
                };
                osa(x_, z_.a, fx);
                osa(y_, z_.b, fy);
                dvaD_ = true;
            }
        } else {
            return false;
        }
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
        v.povrch.reserve(static_cast<std::size_t>(std::min(mez, 32767L)) + 1);
        v.jadro.reserve(v.povrch.capacity());
        v.povrch.push_back(static_cast<float>(z_.tv));
        v.jadro.push_back(static_cast<float>(z_.tv));
        if (z_.tk == z_.tv) {
            v.konec = KonecVedeni::Dosazeno;
            v.krokJadra = 0;
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
    Osa x_, y_;
    bool dvaD_ = false;
    bool radialniX_ = false;
    std::size_t nx_ = 0, ny_ = 0;
    double rozestup_ = 0.0;  // m, the finest node spacing
    Rozklad rozkladX_[2], rozkladY_[2];
    Prestup prestup_;
    std::vector<double> t_, cely_, pul_, pulPul_, pomocX_, pomocY_, pomocY2_, u0_, uN_;
};

bool platneZadani(const ZadaniVedeni& z) {
    // Far wider than any charge; the bounds keep every intermediate of the grid finite.
    const auto kladne = [](double x) { return x >= kMinHodnota && x <= kMaxHodnota; };
    const auto podil = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; };
    return kladne(z.a) && (z.profil != 'O' || kladne(z.b)) && kladne(z.lambda) && kladne(z.c) &&
           kladne(z.hustota) && kladne(z.krok) && podil(z.eps) && podil(z.koefK) && std::isfinite(z.konvekce) &&
           z.konvekce >= 0.0 && z.konvekce <= kMaxHodnota && platnaTeplota(z.tv) &&
           platnaTeplota(z.tk) && z.maxKroku >= 0 && z.zjemneni >= 1 && z.zjemneni <= kMaxZjemneni &&
           static_cast<bool>(z.pec);
}

}  // namespace

VysledekVedeni SpoctiVedeni(const ZadaniVedeni& z) {
    if (!platneZadani(z)) {
        return {};
    }
    Rez rez(z);
    if (!rez.sestav()) {
        return {};
    }
    return rez.spust();
}

double BiotovoCislo(double alfaMax, double objem, double plocha, double lambda) {
    if (!std::isfinite(alfaMax) || !std::isfinite(objem) || !std::isfinite(plocha) || !std::isfinite(lambda) ||
        alfaMax < 0.0 || objem < 0.0 || !(plocha > 0.0) || !(lambda > 0.0)) {
        return 0.0;
    }
    const double bi = alfaMax * (objem / plocha) / lambda;
    return std::isfinite(bi) ? bi : 0.0;
}

}  // namespace zorvet
