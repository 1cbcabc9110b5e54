#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>
#include <vector>

#include "model/conduction/legendre.h"
#include "model/conduction/vedeni_material.h"
#include "model/conduction/vedeni_prostup.h"
#include "model/conduction/vedeni_sit.h"

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
// start of heating does not ring. Each step takes at least three sweeps of the grid. Its local
// error is estimated as in RKC (Sommeijer, Shampine, Verwer 1998, J. Comput. Appl. Math. 88,
// 315-326, doi:10.1016/S0377-0427(97)00219-7): (12 (y0 - y1) + 6 tau (f0 + f1)) / 15, from the
// rates at both ends of the step, which the next step starts from anyway.

// The work of the implicit march per node and step, in stages of the explicit one: three
// backward Euler solves, each a Thomas sweep per direction and a Newton solve per heated line.
constexpr double kPraceRezu = 8.0;

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

class Teleso final : public Prostup {
public:
    Teleso(const ZadaniVedeni& z, Pec& pec, const Prestup& prestup)
        : Prostup(z, pec), prestup_(prestup), material_(z) {}

    // False when the faces give no computable piece.
    bool sestav(int deleni) {
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
        sestavOsy(smery, deleni, 1.0, 1.0, osy_ + prvni);
        sit();
        std::fill(h_.begin(), h_.end(), material_.entalpie(z_.tv));
        return true;
    }

    long uzlu() const override { return static_cast<long>(h_.size()); }

    // The stages of a step of dt in the furnace tf from tv.
    int stupnu(double dt, double tf) {
        nastavPec(tf, std::min(z_.tv, tf), std::max(z_.tv, tf));
        return stupnuKroku(dt);
    }

private:
    void nastavPec(double tf, double dolni, double horni) override {
        pec_ = tf;
        prestup_.nastav(tf);
        // The forward Euler limit: Gershgorin's bound of the Jacobian in h, with the largest
        // lambda / c and face coefficient the table's range allows (the flux law's slope is
        // steepest at the hottest temperature; a limited furnace is cooler).
        if (material_.pokryj(dolni, horni) || dtFE_ == 0.0) {
            const double kappa2 = 2.0 * material_.kappa();
            const double alfa = -prestup_.derivace(material_.tMax()) / material_.cMin();
            double polomer = 0.0;
            for (std::size_t i = 0; i < h_.size(); ++i) {
                polomer = std::max(polomer, kappa2 * vodivost_[i] + alfa * plochaUzlu_[i]);
            }
            dtFE_ = 2.0 / polomer;
        }
        sazbyPlatne_ = false;
    }

    int stupnuKroku(double tau) const {
        int s = 3;
        while (Legendre::dosah(s, dtFE_) < tau && s < kMaxStupnu) {
            s += 2;
        }
        return s;
    }

    // One Runge-Kutta-Legendre step of tau from h_; the result in vysledek_, its rates in m1_.
    double zkus(double tau) override {
        if (!sazbyPlatne_) {
            etapa<false>(h_.data(), m0_.data(), nullptr, 0.0, 0.0, 0.0, 0.0);
            sazbyPlatne_ = true;
        }
        legendre_.priprav(stupnuKroku(tau));
        const Legendre& l = legendre_;
        const std::size_t n = h_.size();
        const double* y0 = h_.data();
        const double* m0 = m0_.data();
        // Y(j-2), Y(j-1) and Y(j) in the buffers; Y(j-2) is h_ (Y0) at first.
        int pred = -1;
        std::size_t akt = 0, nova = 1, volna = 2;
        const double a1 = l.muT[1] * tau;
        for (std::size_t i = 0; i < n; ++i) {
            buf_[akt][i] = y0[i] + a1 * m0[i];
        }
        for (std::size_t j = 2; j <= static_cast<std::size_t>(l.s); ++j) {
            etapa<true>(buf_[akt].data(), buf_[nova].data(), pred < 0 ? y0 : buf_[pred].data(), l.mu[j], l.nu[j],
                        l.muT[j] * tau, l.gamaT[j] * tau);
            // Y(j-2) leaves; its buffer takes the next stage (h_ holds Y0 to the end).
            const std::size_t uvolnena = pred < 0 ? volna : static_cast<std::size_t>(pred);
            pred = static_cast<int>(akt);
            akt = nova;
            nova = uvolnena;
        }
        vysledek_ = akt;
        const double* y1 = buf_[akt].data();
        etapa<false>(y1, m1_.data(), nullptr, 0.0, 0.0, 0.0, 0.0);
        double chyba = 0.0;
        for (std::size_t i = 0; i < n; ++i) {
            const double odhad = (12.0 * (y0[i] - y1[i]) + 6.0 * tau * (m0[i] + m1_[i])) / 15.0;
            chyba = std::max(chyba, std::fabs(odhad) * material_.sklon(y1[i]));
        }
        return chyba;
    }

    void prijmi() override {
        h_.swap(buf_[vysledek_]);
        m0_.swap(m1_);
    }

    Vzorek stav() const override {
        double soucet = 0.0, g = 0.0, plocha = 0.0;
        for (const Plocha& p : plochy_) {
            const double t = material_.teplota(h_[p.uzel]);
            soucet += p.plocha * t;
            g += p.plocha * prestup_.g(t);
            plocha += p.plocha;
        }
        double teplo = 0.0, objem = 0.0;
        for (std::size_t i = 0; i < h_.size(); ++i) {
            teplo += objemy_[i] * h_[i];
            objem += objemy_[i];
        }
        // The enthalpy rises with the temperature: the core holds the least (the most).
        const double jadro = material_.teplota(krajni(h_, z_.tk > z_.tv ? 1.0 : -1.0));
        return {soucet / plocha, jadro, material_.teplota(teplo / objem), prestup_.mezniPec(g / plocha, pec_)};
    }

    double prvniKrok() const override { return std::min(Legendre::dosah(3, dtFE_), z_.krok); }
    double nejdelsiKrok() const override { return Legendre::dosah(kMaxStupnu, dtFE_); }
    double rad() const override { return 3.0; }

    // The node arrays of the grid: node (i, j, k) at (i * n1 + j) * n2 + k.
    void sit() {
        for (std::size_t d = 0; d < 3; ++d) {
            n_[d] = static_cast<std::size_t>(osy_[d].n) + 1;
        }
        const std::size_t uzlu = n_[0] * n_[1] * n_[2];
        for (auto* pole : {&h_, &buf_[0], &buf_[1], &buf_[2], &m0_, &m1_, &vodivost_, &plochaUzlu_, &objemy_}) {
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
                    objemy_[u] = objem;
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
        plochaCelkem_ = 0.0;
        for (const Plocha& p : plochy_) {
            plochaUzlu_[p.uzel] += p.vaha;
            plochaCelkem_ += p.plocha;
        }
        teplotyPloch_.assign(plochy_.size(), 0.0);
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
        // The faces at their temperatures; under the power limit the furnace of this state is
        // the one at which they take exactly the limited heat.
        double g = 0.0;
        for (std::size_t f = 0; f < plochy_.size(); ++f) {
            teplotyPloch_[f] = material_.teplota(akt[plochy_[f].uzel]);
            g += plochy_[f].plocha * prestup_.g(teplotyPloch_[f]);
        }
        if (prestup_.omezeni()) {
            prestup_.nastav(prestup_.pecPro(pec_, g / plochaCelkem_));
        }
        const double vahaToku = Kombinace ? mt : 1.0;
        for (std::size_t f = 0; f < plochy_.size(); ++f) {
            vystup[plochy_[f].uzel] += vahaToku * plochy_[f].vaha * prestup_.tok(teplotyPloch_[f]);
        }
    }

    struct Plocha {
        std::size_t uzel;
        double plocha;  // area of the face at the node (per radian for a round bar), for the mean
        double vaha;    // plocha / (rho V)
    };

    Prestup prestup_;
    Material material_;
    Legendre legendre_;
    double pec_ = 0.0;   // the furnace's own temperature
    double dtFE_ = 0.0;  // s, the forward Euler limit over the table's range
    Osa osy_[3];
    std::size_t n_[3] = {1, 1, 1};
    std::vector<double> dolu_[3], nahoru_[3];
    std::vector<double> h_, buf_[3], m0_, m1_, phi_;
    std::size_t vysledek_ = 0;   // the buffer that holds the attempted step
    bool sazbyPlatne_ = false;   // m0_ holds the rates of h_ in the present furnace
    std::vector<double> vodivost_, plochaUzlu_, objemy_;  // per node: sum of dolu_ and nahoru_; face area / (rho V); volume
    std::vector<Plocha> plochy_;
    std::vector<double> teplotyPloch_;
    double plochaCelkem_ = 0.0;
};

}  // namespace

std::unique_ptr<Prostup> NovyProstup(const ZadaniVedeni& z, Pec& pec, const Prestup& prestup, int deleni,
                                   double typickyKrok) {
    auto teleso = std::make_unique<Teleso>(z, pec, prestup);
    if (!teleso->sestav(deleni)) {
        return nullptr;
    }
    // A long bar of constant properties: both marches serve, on the same grid, and the cheaper
    // is taken. The explicit march's work per step is its stages at the typical step in the
    // first step's furnace; the implicit march's is kPraceRezu. A stiff piece (a huge
    // conductivity, fine cells against long steps) needs many stages and so takes the implicit
    // march, stable at any step.
    const bool konstanty = z.krivkaC == nullptr && z.krivkaLambda == nullptr && z.plochyAB == 0;
    if (konstanty && teleso->stupnu(typickyKrok, pec(1)) >= kPraceRezu) {
        return NovyRez(z, pec, prestup, deleni);
    }
    return teleso;
}

double NejvetsiDifuzivita(const ZadaniVedeni& z, double dolni, double horni) {
    Material m(z);
    m.pokryj(dolni, horni);
    return m.kappa() / z.hustota;
}

}  // namespace zorvet::vedeni
