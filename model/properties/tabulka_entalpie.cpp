#include "model/properties/tabulka_entalpie.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <mutex>
#include <utility>

namespace zorvet {

namespace {

// The first grid, K, and the most intervals a table may take (2 MiB of nodes).
constexpr double kPrvniKrok = 0.5;
constexpr std::size_t kMaxIntervalu = std::size_t{1} << 18;
// The curves whose tables are kept: a sweep or a search marches one curve many times.
constexpr std::size_t kDrzenych = 8;

}  // namespace

TabulkaEntalpie::TabulkaEntalpie(const Vlastnosti& v, std::size_t intervalu)
    : t0_(v.tMin()),
      krok_((v.tMax() - v.tMin()) / static_cast<double>(intervalu)),
      naKrok_(1.0 / krok_),
      cDolni_(v.c(v.tMin())),
      cHorni_(v.c(v.tMax())),
      n_(static_cast<int>(intervalu)),
      h_(intervalu + 1) {
    for (std::size_t a = 0; a <= intervalu; ++a) {
        h_[a] = v.entalpie(a == intervalu ? v.tMax() : uzel(a));
    }
}

double TabulkaEntalpie::odchylka(const Vlastnosti& v) const {
    double nejvic = 0.0;
    for (std::size_t a = 0; a + 1 < h_.size(); ++a) {
        // The curve's enthalpy differs from its chord most in the middle where c is linear,
        // and near it where c bends; a quarter and three quarters as well take the bends.
        for (const double f : {0.25, 0.5, 0.75}) {
            const double t = uzel(a) + f * krok_;
            const double rozdil = std::fabs(v.entalpie(t) - (h_[a] + f * (h_[a + 1] - h_[a])));
            nejvic = std::max(nejvic, rozdil / v.c(t));
        }
    }
    return nejvic;
}

double TabulkaEntalpie::koren(double m, double b, double p, double odhad) const {
    // The balance rises through every interval; the root is in [dolni, horni], narrowed each
    // time the line of an interval meets zero outside it.
    int dolni = -1, horni = n_;
    int j = std::clamp(interval(odhad), dolni, horni);
    for (;;) {
        const std::size_t a = kotva(j);
        const double ta = uzel(a);
        const double t = ta - (m * h_[a] + b * ta - p) / (m * sklon(j) + b);
        if (!std::isfinite(t)) {
            return t;
        }
        const double zacatek = j < 0 ? -std::numeric_limits<double>::infinity() : uzel(static_cast<std::size_t>(j));
        const double konec = j >= n_ ? std::numeric_limits<double>::infinity() : uzel(static_cast<std::size_t>(j) + 1);
        if (j > dolni && t < zacatek) {
            horni = j - 1;
        } else if (j < horni && t > konec) {
            dolni = j + 1;
        } else {
            return std::clamp(t, zacatek, konec);
        }
        j = std::clamp(interval(t), dolni, horni);
    }
}

std::shared_ptr<const TabulkaEntalpie> TabulkaEntalpie::Pro(const VlastnostiMaterialu& v) {
    static std::mutex zamek;
    static std::vector<std::pair<VlastnostiMaterialu, std::shared_ptr<const TabulkaEntalpie>>> drzene;
    const std::lock_guard<std::mutex> drz(zamek);
    for (const auto& [krivka, tabulka] : drzene) {
        if (krivka == v) {
            return tabulka;
        }
    }
    const Vlastnosti vlastnosti(v);
    std::shared_ptr<const TabulkaEntalpie> tabulka;
    if (!vlastnosti.stalaC()) {
        auto n = static_cast<std::size_t>(std::ceil((vlastnosti.tMax() - vlastnosti.tMin()) / kPrvniKrok));
        for (n = std::max<std::size_t>(n, 1); n <= kMaxIntervalu; n *= 2) {
            auto nova = std::shared_ptr<TabulkaEntalpie>(new TabulkaEntalpie(vlastnosti, n));
            if (nova->odchylka(vlastnosti) <= kPresnost) {
                tabulka = std::move(nova);
                break;
            }
        }
    }
    if (drzene.size() == kDrzenych) {
        drzene.erase(drzene.begin());
    }
    drzene.emplace_back(v, tabulka);
    return tabulka;
}

}  // namespace zorvet
