#include <algorithm>
#include <cmath>
#include <cstddef>
#include <limits>
#include <vector>

#include "model/vedeni_pochody.h"
#include "model/vedeni_sit.h"
#include "model/vlastnosti.h"

namespace zorvet::vedeni {

namespace {

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

}  // namespace

std::optional<VysledekVedeni> SpustTeleso(const ZadaniVedeni& z, bool stacilBy) {
    Teleso teleso(z);
    if (!teleso.sestav()) {
        return VysledekVedeni{};
    }
    if (stacilBy && teleso.stupnuPrvnihoKroku() >= kPraceRezu * static_cast<double>(z.zjemneni)) {
        return std::nullopt;
    }
    return teleso.spust();
}

double NejvetsiDifuzivita(const ZadaniVedeni& z, double dolni, double horni) {
    Material m(z);
    m.pokryj(dolni, horni);
    return m.kappa() / z.hustota;
}

}  // namespace zorvet::vedeni
