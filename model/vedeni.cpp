#include "model/vedeni.h"

#include <algorithm>
#include <cmath>
#include <cstddef>

namespace zorvet {

namespace {

constexpr double kKelvin = 273.15;
constexpr double kSigma = 5.6697;   // Stefan-Boltzmann constant scaled by 1e8 (temperatures / 100)
constexpr double kKonvekce = 15.0;  // W/(m2 K)
constexpr double kMaxTeplota = 1.0e5;  // degrees C; keeps the fourth powers far from overflow
constexpr double kMinHodnota = 1.0e-9;  // bounds of dimensions, lambda, c, density and krok (SI units)
constexpr double kMaxHodnota = 1.0e9;

// Intervals per direction at zjemneni 1, all even so that a centre is a node. Chosen so that
// doubling them moves the core time by well under 0.1 %.
constexpr int kDeleni1D = 64;       // across a plate
constexpr int kDeleniPolomer = 48;  // along the radius of a round bar
constexpr int kDeleni2D = 24;       // along the shorter side of a 2-D section

// Sub-step control: the local error of a backward Euler sub-step (estimated from two half
// steps) must stay below this fraction of the temperature scale of the step.
constexpr double kTolerance = 2.0e-4;
constexpr int kMaxNewton = 40;
constexpr long kMaxPokusu = 2000;  // sub-step attempts per step and unit of zjemneni
constexpr int kMaxZjemneni = 16;

bool platnaTeplota(double t) { return std::isfinite(t) && t >= -kKelvin && t <= kMaxTeplota; }

// Heat flux into a heated face during one step, W/m2, at the local surface temperature ts.
// Written as a flux rather than alfa * (Tf - Ts), so nothing divides by Tf - Ts.
class Prestup {
public:
    void nastav(double tf, double eps, double koefK) {
        tf_ = tf;
        koef_ = koefK;
        es_ = eps * kSigma;
        zf_ = ctvrta(tf);
    }
    // Every temperature of the march stays between these (maximum principle); the Newton
    // iterates of the face temperatures are kept there too.
    void meze(double dolni, double horni) {
        dolni_ = dolni;
        horni_ = horni;
    }
    double tok(double ts) const { return koef_ * (kKonvekce * (tf_ - ts) + es_ * (zf_ - ctvrta(ts))); }
    // d tok / d ts; never positive, so the face equations have one root.
    double derivace(double ts) const {
        const double k = std::max(ts + kKelvin, 0.0) / 100.0;
        return -koef_ * (kKonvekce + es_ * 0.04 * k * k * k);
    }
    double omez(double ts) const { return std::clamp(ts, dolni_, horni_); }

private:
    // (T/100)^4 in kelvin; clipped at absolute zero so the flux stays monotone.
    static double ctvrta(double t) {
        const double k = std::max(t + kKelvin, 0.0) / 100.0;
        const double k2 = k * k;
        return k2 * k2;
    }
    double tf_ = 0.0, koef_ = 0.0, es_ = 0.0, zf_ = 0.0;
    double dolni_ = -kKelvin, horni_ = kMaxTeplota;
};

// One direction of the grid, vertex-centred finite volumes: nodes 0 and n lie on the faces, so
// the flux law sees the local surface temperature without extrapolation.
struct Osa {
    int n = 0;                       // intervals; nodes 0..n
    std::vector<double> kapacita;    // rho c * control volume of each node
    std::vector<double> vodivost;    // lambda * face / spacing between nodes p and p+1
    std::vector<double> delka;       // geometric control length (Cartesian; weights of surface means)
    double plocha0 = 0.0, plochaN = 0.0;  // area of the end faces (per unit of the other directions)
    bool ohrev0 = false, ohrevN = false;
};

void kartezska(Osa& o, double l, int n, double rc, double lambda, int ohrevy) {
    const double h = l / n;
    o.n = n;
    o.delka.assign(static_cast<std::size_t>(n) + 1, h);
    o.delka.front() = o.delka.back() = h / 2.0;
    o.kapacita.resize(o.delka.size());
    for (std::size_t p = 0; p < o.delka.size(); ++p) {
        o.kapacita[p] = rc * o.delka[p];
    }
    o.vodivost.assign(static_cast<std::size_t>(n), lambda / h);
    o.plocha0 = o.plochaN = 1.0;
    o.ohrev0 = ohrevy >= 1;
    o.ohrevN = ohrevy >= 2;
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
    o.plocha0 = 0.0;
    o.plochaN = polomer;
    o.ohrev0 = false;
    o.ohrevN = true;
}

// Backward Euler over dt along one direction: the Thomas factors of the line and its response
// to a unit flux through either end face (the line is linear inside, so the nonlinear face
// equations reduce to one or two unknowns per line).
struct Rozklad {
    double dt = -1.0;
    std::vector<double> w, e, cc, g0, gN;

    void priprav(const Osa& o, double novyDt) {
        if (novyDt == dt) {
            return;
        }
        dt = novyDt;
        const std::size_t n = static_cast<std::size_t>(o.n);
        w.resize(n + 1);
        e.resize(n + 1);
        cc.resize(n + 1);
        g0.resize(n + 1);
        gN.resize(n + 1);
        double m = 0.0;
        for (std::size_t p = 0; p <= n; ++p) {
            const double dolni = p > 0 ? -o.vodivost[p - 1] : 0.0;
            const double horni = p < n ? -o.vodivost[p] : 0.0;
            const double diag = o.kapacita[p] / dt - dolni - horni;
            m = 1.0 / (diag - (p > 0 ? dolni * cc[p - 1] : 0.0));
            cc[p] = horni * m;
            w[p] = o.kapacita[p] / dt * m;
            e[p] = dolni * m;
            g0[p] = p == 0 ? o.plocha0 * m : -e[p] * g0[p - 1];
            gN[p] = p == n ? o.plochaN * m : 0.0;
        }
        for (std::size_t p = n; p-- > 0;) {
            g0[p] -= cc[p] * g0[p + 1];
            gN[p] -= cc[p] * gN[p + 1];
        }
    }
};

// Backward Euler over one direction for `pocet` parallel lines; element (p, l) at p * pocet + l,
// so the inner loops run across lines and vectorize. vstup and vystup must differ.
void zamet(const Osa& o, const Rozklad& r, const Prestup& pr, const double* vstup, double* vystup,
           std::size_t pocet, double* q0, double* qN, double* u0, double* uN) {
    const std::size_t n = static_cast<std::size_t>(o.n);
    for (std::size_t l = 0; l < pocet; ++l) {
        vystup[l] = r.w[0] * vstup[l];
    }
    for (std::size_t p = 1; p <= n; ++p) {
        const double* v = vstup + p * pocet;
        const double* pred = vystup + (p - 1) * pocet;
        double* d = vystup + p * pocet;
        for (std::size_t l = 0; l < pocet; ++l) {
            d[l] = r.w[p] * v[l] - r.e[p] * pred[l];
        }
    }
    for (std::size_t p = n; p-- > 0;) {
        const double* dal = vystup + (p + 1) * pocet;
        double* d = vystup + p * pocet;
        for (std::size_t l = 0; l < pocet; ++l) {
            d[l] -= r.cc[p] * dal[l];
        }
    }
    if (!o.ohrev0 && !o.ohrevN) {
        return;
    }
    // The face temperatures u (node 0) and v (node n) solve u = r0 + Q(u) g0[0] + Q(v) gN[0],
    // v = rN + Q(u) g0[n] + Q(v) gN[n]; Newton from the temperatures of the step's start.
    const double a00 = r.g0[0], a0n = r.gN[0], an0 = r.g0[n], ann = r.gN[n];
    for (std::size_t l = 0; l < pocet; ++l) {
        const double r0 = vystup[l];
        const double rn = vystup[n * pocet + l];
        double u = pr.omez(vstup[l]);
        double v = pr.omez(vstup[n * pocet + l]);
        double qu = 0.0, qv = 0.0;
        for (int i = 0; i < kMaxNewton; ++i) {
            qu = o.ohrev0 ? pr.tok(u) : 0.0;
            qv = o.ohrevN ? pr.tok(v) : 0.0;
            const double du = o.ohrev0 ? -pr.derivace(u) : 0.0;
            const double dv = o.ohrevN ? -pr.derivace(v) : 0.0;
            const double f = u - r0 - qu * a00 - qv * a0n;
            const double g = v - rn - qu * an0 - qv * ann;
            // Jacobian I + B diag(du, dv): B is a scaled block of an SPD inverse, det >= 1.
            const double j11 = 1.0 + a00 * du, j12 = a0n * dv;
            const double j21 = an0 * du, j22 = 1.0 + ann * dv;
            const double det = j11 * j22 - j12 * j21;
            const double krokU = (f * j22 - g * j12) / det;
            const double krokV = (g * j11 - f * j21) / det;
            u = pr.omez(u - krokU);
            v = pr.omez(v - krokV);
            if (std::fabs(krokU) + std::fabs(krokV) < 1e-9 * (std::fabs(u) + std::fabs(v) + 600.0)) {
                break;
            }
        }
        q0[l] = o.ohrev0 ? pr.tok(u) : 0.0;
        qN[l] = o.ohrevN ? pr.tok(v) : 0.0;
        u0[l] = u;
        uN[l] = v;
    }
    for (std::size_t p = 0; p <= n; ++p) {
        double* d = vystup + p * pocet;
        const double s0 = r.g0[p], sn = r.gN[p];
        for (std::size_t l = 0; l < pocet; ++l) {
            d[l] += q0[l] * s0 + qN[l] * sn;
        }
    }
    // The face nodes take the Newton roots themselves: on a stiff face (a light cell, a long
    // sub-step) r0 + Q(u) g0[0] would multiply the last bit of u by g0[0] |Q'(u)| >> 1.
    for (std::size_t l = 0; l < pocet; ++l) {
        if (o.ohrev0) {
            vystup[l] = u0[l];
        }
        if (o.ohrevN) {
            vystup[n * pocet + l] = uN[l];
        }
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
            const bool tenkeA = z_.b > 10.0 * z_.a, tenkeB = z_.a > 10.0 * z_.b;
            if (fy == 0 || (fx > 0 && tenkeA)) {
                kartezska(x_, z_.a, kDeleni1D * k, rc, z_.lambda, fx);
            } else if (fx == 0 || tenkeB) {
                kartezska(x_, z_.b, kDeleni1D * k, rc, z_.lambda, fy);
            } else {
                const double kratsi = std::min(z_.a, z_.b);
                kartezska(x_, z_.a, deleni(z_.a / kratsi, k), rc, z_.lambda, fx);
                kartezska(y_, z_.b, deleni(z_.b / kratsi, k), rc, z_.lambda, fy);
                dvaD_ = true;
            }
        } else {
            return false;
        }
        rozestup_ = radialniX_ ? z_.a / 2.0 / x_.n : x_.delka[1];
        if (dvaD_) {
            rozestup_ = std::min(rozestup_, y_.delka[1]);
        }
        nx_ = static_cast<std::size_t>(x_.n) + 1;
        ny_ = dvaD_ ? static_cast<std::size_t>(y_.n) + 1 : 1;
        const std::size_t uzlu = nx_ * ny_;
        for (auto* pole : {&t_, &cely_, &pul_, &pulPul_, &pomocX_, &pomocY_, &pomocY2_}) {
            pole->assign(uzlu, z_.tv);
        }
        q0_.assign(std::max(nx_, ny_), 0.0);
        qN_.assign(std::max(nx_, ny_), 0.0);
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
        // Start at the diffusion time of the finest cell; the control grows it from there.
        const double minDt = z_.krok * 1e-9;
        const long mezPokusu = kMaxPokusu * z_.zjemneni;
        double navrh = std::clamp(z_.hustota * z_.c * rozestup_ * rozestup_ / z_.lambda, minDt, maxDt);
        double dolni = z_.tv, horni = z_.tv;
        for (long k = 1; k <= mez; ++k) {
            const double tf = z_.pec(k);
            if (!platnaTeplota(tf)) {
                v.konec = KonecVedeni::NeplatneZadani;
                return v;
            }
            prestup_.nastav(tf, z_.eps, z_.koefK);
            // The margin covers the tiny overshoot of the extrapolated sub-step.
            dolni = std::min(dolni, tf);
            horni = std::max(horni, tf);
            const double okraj = 0.01 * (horni - dolni) + 1.0;
            prestup_.meze(dolni - okraj, horni + okraj);
            // The core time is most sensitive where the core creeps towards tk: the scale is the
            // smaller of the two differences, but not below 2 % of the whole change.
            const double meritko = std::max(std::min(rozsah, std::fabs(tf - z_.tk)), 0.02 * rozsah);
            const double tolerance = kTolerance * meritko / (zjemneni * zjemneni);
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
    static int deleni(double pomer, int zjemneni) {
        // Along a longer side the profile near the core is flatter; a spacing growing with the
        // square root of the aspect ratio keeps the cost down without moving the core time.
        const int n = static_cast<int>(std::ceil(kDeleni2D * std::sqrt(pomer) / 2.0)) * 2;
        return n * zjemneni;
    }

    // Backward Euler split into the x and y directions (Lie splitting; each direction
    // unconditionally stable and damping).
    void krokEuler(const double* vstup, double* vystup, int ktery) {
        Rozklad& rx = rozkladX_[ktery];
        if (!dvaD_) {
            zamet(x_, rx, prestup_, vstup, vystup, 1, q0_.data(), qN_.data(), u0_.data(), uN_.data());
            return;
        }
        Rozklad& ry = rozkladY_[ktery];
        zamet(x_, rx, prestup_, vstup, pomocX_.data(), ny_, q0_.data(), qN_.data(), u0_.data(), uN_.data());
        transponuj(pomocX_.data(), pomocY_.data(), nx_, ny_);
        zamet(y_, ry, prestup_, pomocY_.data(), pomocY2_.data(), nx_, q0_.data(), qN_.data(), u0_.data(), uN_.data());
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
            cely_[i] = pulPul_[i] + rozdil;
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
    std::vector<double> t_, cely_, pul_, pulPul_, pomocX_, pomocY_, pomocY2_, q0_, qN_, u0_, uN_;
};

bool platneZadani(const ZadaniVedeni& z) {
    // Far wider than any charge; the bounds keep every intermediate of the grid finite.
    const auto kladne = [](double x) { return x >= kMinHodnota && x <= kMaxHodnota; };
    const auto podil = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; };
    return kladne(z.a) && (z.profil != 'O' || kladne(z.b)) && kladne(z.lambda) && kladne(z.c) &&
           kladne(z.hustota) && kladne(z.krok) && podil(z.eps) && podil(z.koefK) && platnaTeplota(z.tv) &&
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
