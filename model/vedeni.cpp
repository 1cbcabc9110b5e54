#include "model/vedeni.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>

#include "model/konstanty.h"
#include "model/vlastnosti.h"

namespace zorvet {

namespace {

constexpr double kMaxTeplota = 1.0e5;  // degrees C; keeps the fourth powers far from overflow
constexpr double kMinHodnota = 1.0e-9;  // bounds of dimensions, lambda, c, density and krok (SI units)
constexpr double kMaxHodnota = 1.0e9;

// Intervals per direction at zjemneni 1, all even so that a centre is a node. Chosen so that
// doubling them moves the core time by well under 0.1 %.
constexpr int kDeleni1D = 64;       // across a plate
constexpr int kDeleniPolomer = 48;  // along the radius of a round bar
constexpr int kDeleniHloubky = 12;  // along the least depth (Smer::hloubka) of a 2-D section or 3-D piece
constexpr int kDeleniPolomerRZ = 24;  // along the radius of a round bar computed with its length
constexpr double kRustSite = 0.1;   // growth of the spacing along a deeper direction, m per m

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

// Row 0 of a march, both temperatures at tv; true when that already reaches tk.
bool zacni(const ZadaniVedeni& z, VysledekVedeni& v) {
    v.povrch.reserve(static_cast<std::size_t>(std::min(z.maxKroku, 32767L)) + 1);
    v.jadro.reserve(v.povrch.capacity());
    v.povrch.push_back(static_cast<float>(z.tv));
    v.jadro.push_back(static_cast<float>(z.tv));
    if (z.tk == z.tv) {
        v.konec = KonecVedeni::Dosazeno;
        v.krokJadra = 0;
        return true;
    }
    return false;
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

// One direction of a grid: a side of the section, the radius, or the length of the piece.
struct Smer {
    double delka = 0.0;  // m; the radius of a round bar
    int ohrevy = 0;      // heated faces, 0..2 (the radius: its mantle, 0..1)
    bool radialni = false;

    // How deep the heat goes: from a heated face to the middle, or to the unheated face.
    double hloubka() const { return radialni || ohrevy < 2 ? delka : delka / 2.0; }
};

// The directions the heat flows in: those of the section with a heated face
// (the radius of a round bar with its mantle heated), and the length when sKonci and the ends
// are heated. Empty when the faces give no computable piece.
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

// The grids of the directions, in osy[0..smery.size()). One direction takes the fine grid of a
// plate or a bar. More take the grid of a section: a direction heated on both faces is computed
// from one face to its middle, one heated on one face from that face to the unheated one, which
// is the same grid (the middle of a piece twice as deep). The spacing is even along the least
// depth and grows inwards along the deeper directions, fine where the heat of the faces enters
// (the corner layers) and coarser where the temperature is flat.
void sestavOsy(const std::vector<Smer>& smery, int zjemneni, double rc, double lambda, Osa* osy) {
    double nejmensi = std::numeric_limits<double>::infinity();
    for (const Smer& s : smery) {
        nejmensi = std::min(nejmensi, s.hloubka());
    }
    const int k = zjemneni;
    for (std::size_t d = 0; d < smery.size(); ++d) {
        const Smer& s = smery[d];
        Osa& o = osy[d];
        if (s.radialni) {
            radialni(o, s.delka, (smery.size() == 1 ? kDeleniPolomer : kDeleniPolomerRZ) * k, rc, lambda);
        } else if (smery.size() == 1) {
            kartezska(o, s.delka, kDeleni1D * k, rc, lambda, s.ohrevy);
            if (s.ohrevy == 2) {
                pulka(o);
            }
        } else {
            const double dvojnasobek = 2.0 * s.hloubka();
            kartezska(o, dvojnasobek, nejmensi / (kDeleniHloubky * k), s.hloubka() / (kDeleniHloubky * k),
                      kRustSite / k, rc, lambda, 2);
            pulka(o);
        }
    }
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

// ---------------------------------------------------------------------------------------------
// The enthalpy march: properties that depend on temperature, pieces heated on their ends, and
// the section of constant properties when it costs less than the implicit march (SpoctiVedeni).
//
// Each node stores its specific enthalpy h (J/kg from 20 degrees C); the flux between two nodes
// is their conductance times the difference of the Kirchhoff potential Phi(T) = integral of
// lambda dT, and the heated faces add the flux law at the node's temperature. The nodes exchange
// heat in pairs of equal and opposite fluxes, so whatever the steps do, the heat the piece holds
// changes by what its faces took in (to rounding). A peak of c only slows the temperature of
// the node that crosses it; no capacity is frozen over a step.
//
// The march is explicit: Runge-Kutta-Legendre steps of second order (Meyer, Balsara, Aslam
// 2014), whose s stages reach (s^2 + s - 2) / 4 times the forward Euler limit, so the cost grows
// with the square root of the stiffness, not with the stiffness. s is odd: the stiff components
// are then damped to below 0.8 per step (an even s leaves the stiffest undamped), so the sudden
// start of heating does not ring. Each step takes at least three sweeps of the grid.

// The typical work of the implicit march per node and step, in stages of the explicit one. Its
// sub-step (three backward Euler solves, each a Thomas sweep per direction and a Newton solve
// per heated line) costs 6 to 8 stages; the error control takes about one sub-step a step when
// the steps are short against the heating, three or four when a heat-up takes only a hundred.
constexpr double kPraceRezu = 8.0;

// Stages of one step: odd, 3..kMaxStupnu.
constexpr int kMaxStupnu = 63;
// The share of the stability limit used (the limit is a Gershgorin bound over the whole range of
// the table, so it already holds for every state the step can meet).
constexpr double kRezerva = 0.9;
// The grid of the temperature table, K, and the most points the tables may take.
constexpr double kKrokTabulky = 0.5;
constexpr std::size_t kMaxBoduTabulky = std::size_t{1} << 18;

// The material over a range of temperatures. h(T) is exact at the points of a fine temperature
// grid and linear between them; Phi(T) is integrated by trapezoids from lambda at the same
// points. Both are read back by enthalpy from an even grid of h, so a node's temperature and
// potential take one interpolation each, without a search.
class Material {
public:
    explicit Material(const ZadaniVedeni& z) : z_(z) {}

    double entalpie(double t) const { return z_.krivkaC ? z_.krivkaC->entalpie(t) : z_.c * (t - 20.0); }

    // Tabulates dolni..horni with a margin, unless the present table holds them already; true
    // when it did.
    bool pokryj(double dolni, double horni) {
        if (!body_.empty() && dolni >= tMin_ && horni <= tMax_) {
            return false;
        }
        const double okraj = std::max(50.0, 0.25 * (horni - dolni));
        tMin_ = std::max(dolni - okraj, -kKelvin);
        tMax_ = horni + okraj;
        const std::size_t n = std::clamp<std::size_t>(
            static_cast<std::size_t>(std::ceil((tMax_ - tMin_) / kKrokTabulky)), 16, kMaxBoduTabulky);
        const double dt = (tMax_ - tMin_) / static_cast<double>(n);
        std::vector<double> h(n + 1), phi(n + 1);
        double lambdaPred = 0.0;
        for (std::size_t k = 0; k <= n; ++k) {
            const double t = tMin_ + static_cast<double>(k) * dt;
            const double l = z_.krivkaLambda ? z_.krivkaLambda->lambda(t) : z_.lambda;
            h[k] = entalpie(t);
            phi[k] = k == 0 ? 0.0 : phi[k - 1] + dt * (lambdaPred + l) / 2.0;
            lambdaPred = l;
        }
        // The bounds of the slopes that set the stable step: the least c and the largest
        // dPhi/dh = lambda / c of the linear pieces.
        cMin_ = std::numeric_limits<double>::infinity();
        kappa_ = 0.0;
        for (std::size_t k = 0; k < n; ++k) {
            const double dh = h[k + 1] - h[k];
            cMin_ = std::min(cMin_, dh / dt);
            kappa_ = std::max(kappa_, (phi[k + 1] - phi[k]) / dh);
        }
        // The even enthalpy grid, about as fine as the temperature grid where c is least.
        const double rozsah = h[n] - h[0];
        const std::size_t m = std::clamp<std::size_t>(static_cast<std::size_t>(std::ceil(rozsah / (cMin_ * dt))),
                                                      n, kMaxBoduTabulky);
        h0_ = h[0];
        const double krokH = rozsah / static_cast<double>(m);
        naBod_ = 1.0 / krokH;
        xMax_ = static_cast<double>(m);
        body_.resize(m + 1);
        std::size_t k = 0;
        for (std::size_t j = 0; j <= m; ++j) {
            const double hj = j == m ? h[n] : h0_ + static_cast<double>(j) * krokH;
            while (k + 1 < n && h[k + 1] <= hj) {
                ++k;
            }
            const double f = std::clamp((hj - h[k]) / (h[k + 1] - h[k]), 0.0, 1.0);
            body_[j].t = tMin_ + (static_cast<double>(k) + f) * dt;
            body_[j].phi = phi[k] + f * (phi[k + 1] - phi[k]);
        }
        for (std::size_t j = 0; j < m; ++j) {
            body_[j].dt = body_[j + 1].t - body_[j].t;
            body_[j].dphi = body_[j + 1].phi - body_[j].phi;
        }
        body_[m].dt = body_[m].dphi = 0.0;
        return true;
    }

    // The potentials of n nodes from their enthalpies; an enthalpy beyond the table reads as its
    // end.
    void potencialy(const double* h, double* phi, std::size_t n) const {
        const Bod* body = body_.data();
        for (std::size_t i = 0; i < n; ++i) {
            const double x = std::min(std::max((h[i] - h0_) * naBod_, 0.0), xMax_);
            const std::ptrdiff_t j = static_cast<std::ptrdiff_t>(x);  // one instruction, unlike size_t
            phi[i] = body[j].phi + (x - static_cast<double>(j)) * body[j].dphi;
        }
    }

    double teplota(double h) const {
        const double x = std::min(std::max((h - h0_) * naBod_, 0.0), xMax_);
        const std::size_t j = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(x));
        return body_[j].t + (x - static_cast<double>(j)) * body_[j].dt;
    }

    double tMax() const { return tMax_; }
    double cMin() const { return cMin_; }      // J/(kg K)
    double kappa() const { return kappa_; }    // the largest dPhi/dh, kg/(m s)

private:
    struct Bod {
        double t, dt, phi, dphi;
    };
    const ZadaniVedeni& z_;
    std::vector<Bod> body_;
    double tMin_ = 0.0, tMax_ = 0.0, h0_ = 0.0, naBod_ = 0.0, xMax_ = 0.0;
    double cMin_ = 0.0, kappa_ = 0.0;
};

// The coefficients of an s-stage Runge-Kutta-Legendre step of second order.
struct Legendre {
    int s = 0;
    std::vector<double> mu, nu, muT, gamaT;  // by stage j; muT[1] for the first stage

    void priprav(int stupnu) {
        if (stupnu == s) {
            return;
        }
        s = stupnu;
        const std::size_t n = static_cast<std::size_t>(s) + 1;
        std::vector<double> b(n);
        for (std::size_t j = 0; j < n; ++j) {
            const double x = static_cast<double>(j);
            b[j] = j < 2 ? 1.0 / 3.0 : (x * x + x - 2.0) / (2.0 * x * (x + 1.0));
        }
        const double w1 = 4.0 / (static_cast<double>(s) * static_cast<double>(s) + static_cast<double>(s) - 2.0);
        mu.assign(n, 0.0);
        nu.assign(n, 0.0);
        muT.assign(n, 0.0);
        gamaT.assign(n, 0.0);
        muT[1] = b[1] * w1;
        for (std::size_t j = 2; j < n; ++j) {
            const double x = static_cast<double>(j);
            mu[j] = (2.0 * x - 1.0) / x * b[j] / b[j - 1];
            nu[j] = -(x - 1.0) / x * b[j] / b[j - 2];
            muT[j] = mu[j] * w1;
            gamaT[j] = -(1.0 - b[j - 1]) * muT[j];
        }
    }
    // The longest stable step, for a forward Euler limit dtFE.
    static double dosah(int stupnu, double dtFE) {
        const double x = stupnu;
        return kRezerva * dtFE * (x * x + x - 2.0) / 4.0;
    }
};

// The least element (or, with znamenko -1, the greatest), in four independent chains, so the
// loop does not wait on each comparison.
double krajni(const std::vector<double>& v, double znamenko) {
    double m[4];
    std::fill(m, m + 4, znamenko * v[0]);
    std::size_t i = 0;
    for (; i + 4 <= v.size(); i += 4) {
        for (std::size_t k = 0; k < 4; ++k) {
            m[k] = std::min(m[k], znamenko * v[i + k]);
        }
    }
    for (; i < v.size(); ++i) {
        m[0] = std::min(m[0], znamenko * v[i]);
    }
    return znamenko * std::min(std::min(m[0], m[1]), std::min(m[2], m[3]));
}

// One line of nodes along the last direction of a stage (Teleso::etapa): the rates from the
// potentials p of the line, of its neighbour lines and of the nodes before and after, and, with
// Kombinace, the stage made of them. The restrictions let the compiler vectorize the loop.
struct Linka {
    const double* __restrict p;
    const double* __restrict dolu0;
    const double* __restrict nahoru0;
    const double* __restrict dolu1;
    const double* __restrict nahoru1;
    double a0, b0, a1, b1;  // conductances over capacity towards those lines
};

template <bool Kombinace>
void etapaLinky(const Linka& l, std::size_t n, const double* __restrict a2, const double* __restrict b2,
                const double* __restrict akt, const double* __restrict pred, const double* __restrict y0,
                const double* __restrict m0, double mu, double nu, double mt, double gt, double* __restrict vystup) {
    const double zbytek = 1.0 - mu - nu;
    const double* __restrict p = l.p;
    // The nodes before and after, as pointers of their own: an index k - 1 would wrap at k = 0.
    const double* __restrict predchozi = l.p - 1;
    const double* __restrict dalsi = l.p + 1;
    for (std::size_t k = 0; k < n; ++k) {
        const double x = p[k];
        const double m = l.a0 * (l.dolu0[k] - x) + l.b0 * (l.nahoru0[k] - x) + l.a1 * (l.dolu1[k] - x) +
                         l.b1 * (l.nahoru1[k] - x) + a2[k] * (predchozi[k] - x) + b2[k] * (dalsi[k] - x);
        if constexpr (Kombinace) {
            vystup[k] = mu * akt[k] + nu * pred[k] + zbytek * y0[k] + mt * m + gt * m0[k];
        } else {
            vystup[k] = m;
        }
    }
}

class Teleso {
public:
    explicit Teleso(const ZadaniVedeni& z) : z_(z), material_(z) {}

    // False when the faces give no computable piece.
    bool sestav() {
        std::vector<Smer> smery = smeryTepla(z_, true);
        if (smery.empty()) {
            return false;
        }
        // The directions take the last places, the deepest last, so that the innermost loop of
        // a sweep is a long one.
        std::stable_sort(smery.begin(), smery.end(),
                         [](const Smer& x, const Smer& y) { return x.hloubka() < y.hloubka(); });
        const std::size_t prvni = 3 - smery.size();
        for (std::size_t d = 0; d < prvni; ++d) {
            Osa& o = osy_[d];
            o.n = 0;
            o.kapacita.assign(1, 1.0);
            o.vodivost.clear();
        }
        sestavOsy(smery, z_.zjemneni, 1.0, 1.0, osy_ + prvni);
        sit();
        return true;
    }

    VysledekVedeni spust() {
        VysledekVedeni v;
        const long mez = z_.maxKroku;
        if (zacni(z_, v)) {
            return v;
        }
        const bool ohrev = z_.tk > z_.tv;
        std::fill(h_.begin(), h_.end(), material_.entalpie(z_.tv));
        double dolni = z_.tv, horni = z_.tv;
        for (long k = 1; k <= mez; ++k) {
            const double tf = z_.pec(k);
            if (!platnaTeplota(tf)) {
                v.konec = KonecVedeni::NeplatneZadani;
                return v;
            }
            dolni = std::min(dolni, tf);
            horni = std::max(horni, tf);
            const Rozvrh r = rozvrh(tf, dolni, horni);
            const long kroku = static_cast<long>(r.kroku);
            const double tau = z_.krok / r.kroku;
            legendre_.priprav(r.stupnu);
            for (long i = 0; i < kroku; ++i) {
                krokLegendre(tau);
            }
            // The enthalpy rises with the temperature: the core holds the least (the most).
            const double jadro = material_.teplota(krajni(h_, ohrev ? 1.0 : -1.0));
            double soucet = 0.0, plocha = 0.0;
            for (const Plocha& p : plochy_) {
                soucet += p.plocha * material_.teplota(h_[p.uzel]);
                plocha += p.plocha;
            }
            v.povrch.push_back(static_cast<float>(soucet / plocha));
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

    // The stages of the first step, summed over its sub-steps: the work of a step per node, of
    // the later steps too unless the furnace gets hotter.
    double stupnuPrvnihoKroku() {
        const double tf = z_.maxKroku >= 1 ? z_.pec(1) : z_.tv;
        const double t1 = platnaTeplota(tf) ? tf : z_.tv;
        const Rozvrh r = rozvrh(t1, std::min(z_.tv, t1), std::max(z_.tv, t1));
        return r.kroku * r.stupnu;
    }

private:
    struct Rozvrh {
        double kroku;  // sub-steps of the step, a whole number
        int stupnu;    // stages of each
    };

    // The sub-steps of a step with the furnace at tf and the stages of each, for the temperatures
    // dolni..horni met so far. Sets the flux law and covers the range with the table.
    Rozvrh rozvrh(double tf, double dolni, double horni) {
        prestup_.nastav(tf, z_.eps, z_.koefK, z_.konvekce);
        // The forward Euler limit: Gershgorin's bound of the Jacobian in h, with the largest
        // lambda / c and face coefficient the table's range allows (the flux law's slope is
        // steepest at the hottest temperature).
        if (material_.pokryj(dolni, horni) || dtFE_ == 0.0) {
            const double kappa2 = 2.0 * material_.kappa();
            const double alfa = -prestup_.derivace(material_.tMax()) / material_.cMin();
            double polomer = 0.0;
            for (std::size_t i = 0; i < h_.size(); ++i) {
                polomer = std::max(polomer, kappa2 * vodivost_[i] + alfa * plochaUzlu_[i]);
            }
            dtFE_ = 2.0 / polomer;
        }
        double kroku = z_.zjemneni;
        if (Legendre::dosah(kMaxStupnu, dtFE_) * kroku < z_.krok) {
            kroku = std::ceil(z_.krok / Legendre::dosah(kMaxStupnu, dtFE_));
        }
        const double tau = z_.krok / kroku;
        int s = 3;
        while (Legendre::dosah(s, dtFE_) < tau && s < kMaxStupnu) {
            s += 2;
        }
        return {kroku, s};
    }

    // The node arrays of the grid: node (i, j, k) at (i * n1 + j) * n2 + k.
    void sit() {
        for (std::size_t d = 0; d < 3; ++d) {
            n_[d] = static_cast<std::size_t>(osy_[d].n) + 1;
        }
        const std::size_t uzlu = n_[0] * n_[1] * n_[2];
        for (auto* pole : {&h_, &y0_, &y1_, &y2_, &m0_, &vodivost_, &plochaUzlu_}) {
            pole->assign(uzlu, 0.0);
        }
        phi_.assign(uzlu + 2, 0.0);  // padded: the sweep reads one beyond each end, at zero weight
        for (std::size_t d = 0; d < 3; ++d) {
            // The conductances towards the lower and the higher neighbour over the node's
            // capacity (rho times its volume, all per unit of the other directions); zero at the
            // ends.
            const Osa& o = osy_[d];
            dolu_[d].assign(n_[d], 0.0);
            nahoru_[d].assign(n_[d], 0.0);
            for (std::size_t p = 0; p + 1 < n_[d]; ++p) {
                nahoru_[d][p] = o.vodivost[p] / (z_.hustota * o.kapacita[p]);
                dolu_[d][p + 1] = o.vodivost[p] / (z_.hustota * o.kapacita[p + 1]);
            }
        }
        plochy_.clear();
        for (std::size_t i = 0; i < n_[0]; ++i) {
            for (std::size_t j = 0; j < n_[1]; ++j) {
                for (std::size_t k = 0; k < n_[2]; ++k) {
                    const std::size_t u = (i * n_[1] + j) * n_[2] + k;
                    const std::size_t index[3] = {i, j, k};
                    double objem = 1.0;
                    for (std::size_t d = 0; d < 3; ++d) {
                        objem *= osy_[d].kapacita[index[d]];
                        vodivost_[u] += dolu_[d][index[d]] + nahoru_[d][index[d]];
                    }
                    for (std::size_t d = 0; d < 3; ++d) {
                        const Osa& o = osy_[d];
                        const double prurez = objem / o.kapacita[index[d]];
                        const double naKg = 1.0 / (z_.hustota * objem);
                        if (o.ohrev0 && index[d] == 0) {
                            plochy_.push_back({u, o.plocha0 * prurez, o.plocha0 * prurez * naKg});
                        }
                        if (o.ohrevN && index[d] + 1 == n_[d]) {
                            plochy_.push_back({u, o.plochaN * prurez, o.plochaN * prurez * naKg});
                        }
                    }
                }
            }
        }
        for (const Plocha& p : plochy_) {
            plochaUzlu_[p.uzel] += p.vaha;
        }
    }

    // One stage: for the enthalpies akt, vystup = mu akt + nu pred + zbytek Y0 + mt M(akt) + gt M(Y0),
    // M the rates dh/dt; without Kombinace vystup = M(akt).
    template <bool Kombinace>
    void etapa(const double* akt, double* vystup, const double* pred, double mu, double nu, double mt, double gt) {
        double* phi = phi_.data() + 1;
        material_.potencialy(akt, phi, h_.size());
        const std::size_t n0 = n_[0], n1 = n_[1], n2 = n_[2], rovina = n1 * n2;
        for (std::size_t i = 0; i < n0; ++i) {
            for (std::size_t j = 0; j < n1; ++j) {
                const std::size_t u0 = (i * n1 + j) * n2;
                const double* p = phi + u0;
                // A missing neighbour reads the node itself: no difference, no flux.
                const Linka linka{p,           i > 0 ? p - rovina : p, i + 1 < n0 ? p + rovina : p,
                                  j > 0 ? p - n2 : p, j + 1 < n1 ? p + n2 : p, dolu_[0][i],
                                  nahoru_[0][i], dolu_[1][j], nahoru_[1][j]};
                if constexpr (Kombinace) {
                    etapaLinky<true>(linka, n2, dolu_[2].data(), nahoru_[2].data(), akt + u0, pred + u0,
                                     h_.data() + u0, m0_.data() + u0, mu, nu, mt, gt, vystup + u0);
                } else {
                    etapaLinky<false>(linka, n2, dolu_[2].data(), nahoru_[2].data(), nullptr, nullptr, nullptr,
                                      nullptr, 0.0, 0.0, 0.0, 0.0, vystup + u0);
                }
            }
        }
        const double vahaToku = Kombinace ? mt : 1.0;
        for (const Plocha& f : plochy_) {
            vystup[f.uzel] += vahaToku * f.vaha * prestup_.tok(material_.teplota(akt[f.uzel]));
        }
    }

    // One Runge-Kutta-Legendre step of tau from h_.
    void krokLegendre(double tau) {
        const Legendre& l = legendre_;
        const std::size_t n = h_.size();
        etapa<false>(h_.data(), m0_.data(), nullptr, 0.0, 0.0, 0.0, 0.0);
        const double* y0 = h_.data();
        const double* m0 = m0_.data();
        double* pred = h_.data();  // Y(j-2)
        double* akt = y1_.data();  // Y(j-1)
        double* nova = y2_.data();
        double* volna = y0_.data();
        const double a1 = l.muT[1] * tau;
        for (std::size_t i = 0; i < n; ++i) {
            akt[i] = y0[i] + a1 * m0[i];
        }
        for (std::size_t j = 2; j <= static_cast<std::size_t>(l.s); ++j) {
            etapa<true>(akt, nova, pred, l.mu[j], l.nu[j], l.muT[j] * tau, l.gamaT[j] * tau);
            // Y(j-2) leaves; its buffer takes the next stage (h_ holds Y0 to the end).
            double* uvolnena = pred == h_.data() ? volna : pred;
            pred = akt;
            akt = nova;
            nova = uvolnena;
        }
        std::copy(akt, akt + n, h_.begin());
    }

    struct Plocha {
        std::size_t uzel;
        double plocha;  // area of the face at the node (per radian for a round bar), for the mean
        double vaha;    // plocha / (rho V)
    };

    const ZadaniVedeni& z_;
    Material material_;
    Prestup prestup_;
    Legendre legendre_;
    double dtFE_ = 0.0;  // s, the forward Euler limit over the table's range
    Osa osy_[3];
    std::size_t n_[3] = {1, 1, 1};
    std::vector<double> dolu_[3], nahoru_[3];
    std::vector<double> h_, y0_, y1_, y2_, m0_, phi_;
    std::vector<double> vodivost_, plochaUzlu_;  // per node: sum of dolu_ and nahoru_; face area / (rho V)
    std::vector<Plocha> plochy_;
};

bool platneZadani(const ZadaniVedeni& z) {
    // Far wider than any charge; the bounds keep every intermediate of the grid finite.
    const auto kladne = [](double x) { return x >= kMinHodnota && x <= kMaxHodnota; };
    const auto podil = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; };
    const bool c = z.krivkaC != nullptr || kladne(z.c);
    const bool lambda = z.krivkaLambda != nullptr ? z.krivkaLambda->maLambda() : kladne(z.lambda);
    const bool konce = z.plochyAB >= 0 && z.plochyAB <= 2 && (z.plochyAB == 0 || kladne(z.delka));
    return kladne(z.a) && (z.profil != 'O' || kladne(z.b)) && lambda && c && konce && kladne(z.hustota) &&
           kladne(z.krok) && podil(z.eps) && podil(z.koefK) && std::isfinite(z.konvekce) && z.konvekce >= 0.0 &&
           z.konvekce <= kMaxHodnota && platnaTeplota(z.tv) && platnaTeplota(z.tk) && z.maxKroku >= 0 &&
           z.zjemneni >= 1 && z.zjemneni <= kMaxZjemneni && static_cast<bool>(z.pec);
}

// Whether a piece heated on its ends may keep the section alone (the march `rez` of the section,
// to its core time or to its last step). The heat of an end reaches a point at the distance d
// from it by the time t at most as to the centre of a slab 2d thick held at the furnace
// temperature: an excess of 2 erfc(d / (2 sqrt(a t))) of the initial one, a the largest
// diffusivity met. With d >= 5 sqrt(a t) that is below 1e-3 of the excess at the coldest point
// (the middle of the length between two heated ends, the far end for one), which moves its time
// by a few hundredths of a per cent. A shorter piece is computed with its length.
bool staciRez(const ZadaniVedeni& z, const VysledekVedeni& rez) {
    const long kroku = static_cast<long>(rez.jadro.size()) - 1;
    double dolni = z.tv, horni = z.tv;
    for (long k = 1; k <= kroku; ++k) {
        const double tf = z.pec(k);
        dolni = std::min(dolni, tf);
        horni = std::max(horni, tf);
    }
    Material m(z);
    m.pokryj(dolni, horni);
    const double a = m.kappa() / z.hustota;
    return z.delka / z.plochyAB >= 5.0 * std::sqrt(a * static_cast<double>(kroku) * z.krok);
}

}  // namespace

VysledekVedeni SpoctiVedeni(const ZadaniVedeni& z) {
    if (!platneZadani(z)) {
        return {};
    }
    if (z.plochyAB > 0) {
        ZadaniVedeni rez = z;
        rez.plochyAB = 0;
        const VysledekVedeni v = SpoctiVedeni(rez);
        if (v.konec != KonecVedeni::NeplatneZadani && staciRez(z, v)) {
            return v;
        }
    }
    Teleso teleso(z);
    if (!teleso.sestav()) {
        return {};
    }
    // A long bar of constant properties: both marches serve, on the same grid, and the cheaper
    // is taken. The explicit march's work per step is its stages (from its stability limit at
    // the first step's furnace) times the nodes; the implicit march's is kPraceRezu times the
    // nodes per unit of zjemneni (it takes at least zjemneni sub-steps a step). A stiff piece
    // (a huge conductivity, fine cells against long steps) needs many stages and so keeps the
    // implicit march, stable at any step.
    const bool konstanty = z.krivkaC == nullptr && z.krivkaLambda == nullptr && z.plochyAB == 0;
    if (konstanty && teleso.stupnuPrvnihoKroku() >= kPraceRezu * static_cast<double>(z.zjemneni)) {
        Rez rez(z);
        if (!rez.sestav()) {
            return {};
        }
        return rez.spust();
    }
    return teleso.spust();
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
