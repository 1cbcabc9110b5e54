#include "model/furnace/stena.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <stdexcept>

#include "model/case/konstanty.h"
#include "model/properties/koren.h"

namespace zorvet {

namespace {

// ∫ dx / S(x) between a and b by 8-point Gauss–Legendre quadrature (Abramowitz & Stegun, Handbook
// of Mathematical Functions, table 25.4): S is a positive quadratic and the elements are short
// beside its distance from a zero, so the rule is exact to rounding.
double odpor(const PlochaToku& s, double a, double b) {
    static constexpr std::array<double, 4> kX{0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                                              0.9602898564975363};
    static constexpr std::array<double, 4> kW{0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                                              0.1012285362903763};
    const double stred = (a + b) / 2.0;
    const double pul = (b - a) / 2.0;
    double soucet = 0.0;
    for (std::size_t i = 0; i < kX.size(); ++i) {
        soucet += kW[i] * (1.0 / s(stred - pul * kX[i]) + 1.0 / s(stred + pul * kX[i]));
    }
    return soucet * pul;
}

// ∫ S(x) dx between a and b, exactly.
double objem(const PlochaToku& s, double a, double b) {
    const auto f = [&s](double x) { return x * (s.a + x * (s.b / 2.0 + x * s.c / 3.0)); };
    return f(b) - f(a);
}

}  // namespace

StenaPece::StenaPece(const Vyzdivka& vrstvy, PlochaToku plocha, VnejsiPovrch povrch, double prvek)
    : povrch_(povrch) {
    x_.push_back(0.0);
    for (const Vrstva& v : vrstvy) {
        materialy_.emplace_back(v.Material);
        const double d = static_cast<double>(v.Tloustka);
        const double zacatek = x_.back();
        const int n = std::max(kMinPrvku, static_cast<int>(std::ceil(d / prvek - 1e-9)));
        for (int j = 1; j <= n; ++j) {
            x_.push_back(zacatek + d * j / n);
            mat_.push_back(materialy_.size() - 1);
        }
    }
    const std::size_t uzly = x_.size();
    vl_.assign(uzly, 0.0);
    vp_.assign(uzly, 0.0);
    for (std::size_t e = 0; e + 1 < uzly; ++e) {
        const double stred = (x_[e] + x_[e + 1]) / 2.0;
        r_.push_back(odpor(plocha, x_[e], x_[e + 1]));
        vp_[e] = objem(plocha, x_[e], stred);
        vl_[e + 1] = objem(plocha, stred, x_[e + 1]);
    }
    plochaVen_ = plocha(x_.back());
    for (std::vector<double>* v : {&phiL_, &kL_, &phiP_, &kP_, &e_, &cap_, &b_, &c_, &d_, &v_, &eStare_}) {
        v->assign(uzly, 0.0);
    }
    nastav(povrch_.okoli);
}

double StenaPece::energie(std::size_t i, double t) const {
    double e = 0.0;
    if (i > 0) {
        const VlastnostiRefraktoru& m = materialy_[mat_[i - 1]];
        e += vl_[i] * m.hustota() * m.h(t);
    }
    if (i < mat_.size()) {
        const VlastnostiRefraktoru& m = materialy_[mat_[i]];
        e += vp_[i] * m.hustota() * m.h(t);
    }
    return e;
}

void StenaPece::vyhodnot(std::size_t i, double t) {
    e_[i] = cap_[i] = 0.0;
    const VlastnostiRefraktoru* vlevo = i > 0 ? &materialy_[mat_[i - 1]] : nullptr;
    const VlastnostiRefraktoru* vpravo = i < mat_.size() ? &materialy_[mat_[i]] : nullptr;
    if (vlevo) {
        phiL_[i] = vlevo->phi(t);
        kL_[i] = vlevo->k(t);
        e_[i] += vl_[i] * vlevo->hustota() * vlevo->h(t);
        cap_[i] += vl_[i] * vlevo->hustota() * vlevo->c(t);
    }
    if (vpravo == vlevo) {
        phiP_[i] = phiL_[i];
        kP_[i] = kL_[i];
        e_[i] += vp_[i] * vpravo->hustota() * vpravo->h(t);
        cap_[i] += vp_[i] * vpravo->hustota() * vpravo->c(t);
    } else if (vpravo) {
        phiP_[i] = vpravo->phi(t);
        kP_[i] = vpravo->k(t);
        e_[i] += vp_[i] * vpravo->hustota() * vpravo->h(t);
        cap_[i] += vp_[i] * vpravo->hustota() * vpravo->c(t);
    }
}

double StenaPece::teplo() const {
    double e = 0.0;
    for (double x : eStare_) {
        e += x;
    }
    return e;
}

void StenaPece::nastav(double t) { nastavTeploty(std::vector<double>(x_.size(), t)); }

void StenaPece::nastavTeploty(const std::vector<double>& t) {
    if (t.size() != x_.size()) {
        throw std::invalid_argument("StenaPece: a state of another grid");
    }
    t_ = t;
    zkouska_ = t_;
    for (std::size_t i = 0; i < t_.size(); ++i) {
        eStare_[i] = energie(i, t_[i]);
    }
    ztrata_ = 0.0;
}

double StenaPece::teplotaPotencialu(std::size_t e, double phi, double odhad) const {
    const VlastnostiRefraktoru& m = materialy_[mat_[e]];
    const auto f = [&](double t) { return m.phi(t) - phi; };
    return Koren(f, odhad, 1.0, -1e7, 1e7, 1e-11 * (std::fabs(odhad) + kKelvin)).value_or(odhad);
}

void StenaPece::ustal(double tf) {
    const double ta = povrch_.okoli;
    std::vector<double> t(x_.size());
    // The flow q through every element and out of the surface: march the potentials from the
    // hot face; the surface then loses more than q while q is too small.
    const auto prebytek = [&](double q) {
        t[0] = tf;
        for (std::size_t e = 0; e + 1 < t.size(); ++e) {
            const double phi = materialy_[mat_[e]].phi(t[e]) - q * r_[e];
            t[e + 1] = teplotaPotencialu(e, phi, t[e]);
        }
        const double ts = t.back();
        // Past the ambient the surface would gain what it should lose: q is too large.
        if ((tf >= ta && ts < ta) || (tf < ta && ts > ta)) {
            return tf >= ta ? q : -q;
        }
        return q - tokVen(ts);
    };
    const double odhad = tokVen(tf) / 10.0;
    const std::optional<double> q =
        Koren(prebytek, odhad, std::fabs(odhad) + 1.0, -1e12, 1e12, 1e-12 * (std::fabs(odhad) + 1.0));
    prebytek(q.value_or(0.0));
    nastavTeploty(t);
}

StenaPece::Linearizace StenaPece::linearizuj(double dt, double tf) {
    std::vector<double>& t = zkouska_;
    const std::size_t n = t.size() - 1;  // the outer node
    dt_ = dt;
    t[0] = tf;
    vyhodnot(0, tf);
    vyhodnot(1, t[1]);
    // Row i of the Newton system: a(i)·δ(i−1) + b(i)·δ(i) + c(i)·δ(i+1) = d(i), with a second right
    // side v for the change of the state with the hot face; each row is eliminated against the
    // one before as soon as it stands (Thomas).
    for (std::size_t i = 1; i <= n; ++i) {
        if (i < n) {
            vyhodnot(i + 1, t[i + 1]);
        }
        const double dovnitr = (phiP_[i - 1] - phiL_[i]) / r_[i - 1];
        const double ven = i < n ? (phiP_[i] - phiL_[i + 1]) / r_[i] : tokVen(t[n]);
        const double a = i > 1 ? -dt * kP_[i - 1] / r_[i - 1] : 0.0;
        d_[i] = -(e_[i] - eStare_[i] - dt * (dovnitr - ven));
        v_[i] = i == 1 ? dt * kP_[0] / r_[0] : 0.0;
        b_[i] = cap_[i] + dt * kL_[i] / r_[i - 1];
        if (i < n) {
            b_[i] += dt * kP_[i] / r_[i];
            c_[i] = -dt * kL_[i + 1] / r_[i];
        } else {
            constexpr double h = 1e-3;
            b_[i] += dt * (tokVen(t[n] + h) - tokVen(t[n] - h)) / (2.0 * h);
            c_[i] = 0.0;
        }
        if (i > 1) {
            const double w = a / b_[i - 1];
            b_[i] -= w * c_[i - 1];
            d_[i] -= w * d_[i - 1];
            v_[i] -= w * v_[i - 1];
        }
    }
    d_[n] /= b_[n];
    v_[n] /= b_[n];
    for (std::size_t i = n - 1; i >= 1; --i) {
        d_[i] = (d_[i] - c_[i] * d_[i + 1]) / b_[i];
        v_[i] = (v_[i] - c_[i] * v_[i + 1]) / b_[i];
    }
    return Linearizace{e_[0] - eStare_[0] + dt * (phiP_[0] - phiL_[1] - kL_[1] * d_[1]) / r_[0],
                       cap_[0] + dt * (kP_[0] - kL_[1] * v_[1]) / r_[0]};
}

double StenaPece::posun(double dtf) {
    std::vector<double>& t = zkouska_;
    t[0] += dtf;
    double nejvic = 0.0;
    for (std::size_t i = 1; i < t.size(); ++i) {
        const double delta = std::clamp(d_[i] + v_[i] * dtf, -200.0, 200.0);
        t[i] += delta;
        nejvic = std::max(nejvic, std::fabs(delta));
    }
    return nejvic;
}

double StenaPece::dovnitr(double dt) const {
    const VlastnostiRefraktoru& m = materialy_[mat_[0]];
    return energie(0, zkouska_[0]) - eStare_[0] + dt * (m.phi(zkouska_[0]) - m.phi(zkouska_[1])) / r_[0];
}

void StenaPece::prijmi() {
    t_ = zkouska_;
    for (std::size_t i = 0; i < t_.size(); ++i) {
        eStare_[i] = energie(i, t_[i]);
    }
    ztrata_ = dt_ * tepelnyTok();
}

void StenaPece::zrus() { zkouska_ = t_; }

}  // namespace zorvet
