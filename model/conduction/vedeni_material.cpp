#include "model/conduction/vedeni_material.h"

#include <cmath>
#include <limits>

#include "model/case/konstanty.h"
#include "model/properties/vlastnosti.h"

namespace zorvet::vedeni {

namespace {

// The grid of the temperature table, K, and the most points the tables may take.
constexpr double kKrokTabulky = 0.5;
constexpr std::size_t kMaxBoduTabulky = std::size_t{1} << 18;

}  // namespace

bool Material::pokryj(double dolni, double horni) {
    if (tMax_ > tMin_ && dolni >= tMin_ && horni <= tMax_) {
        return false;
    }
    const double okraj = std::max(50.0, 0.25 * (horni - dolni));
    tMin_ = std::max(dolni - okraj, -kKelvin);
    tMax_ = horni + okraj;
    if (linearni_) {
        cMin_ = c_;
        kappa_ = lambda_ / c_;
        return true;
    }
    const std::size_t n = std::clamp<std::size_t>(
        static_cast<std::size_t>(std::ceil((tMax_ - tMin_) / kKrokTabulky)), 16, kMaxBoduTabulky);
    const double dt = (tMax_ - tMin_) / static_cast<double>(n);
    std::vector<double> h(n + 1), phi(n + 1);
    double lambdaPred = 0.0;
    for (std::size_t k = 0; k <= n; ++k) {
        const double t = tMin_ + static_cast<double>(k) * dt;
        const double l = krivkaLambda_ ? krivkaLambda_->lambda(t) : lambda_;
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
    teplota_.resize(m + 1);
    potencial_.resize(m + 1);
    std::size_t k = 0;
    for (std::size_t j = 0; j <= m; ++j) {
        const double hj = j == m ? h[n] : h0_ + static_cast<double>(j) * krokH;
        while (k + 1 < n && h[k + 1] <= hj) {
            ++k;
        }
        const double f = std::clamp((hj - h[k]) / (h[k + 1] - h[k]), 0.0, 1.0);
        teplota_[j].hodnota = tMin_ + (static_cast<double>(k) + f) * dt;
        potencial_[j].hodnota = phi[k] + f * (phi[k + 1] - phi[k]);
    }
    for (std::size_t j = 0; j < m; ++j) {
        teplota_[j].prirustek = teplota_[j + 1].hodnota - teplota_[j].hodnota;
        potencial_[j].prirustek = potencial_[j + 1].hodnota - potencial_[j].hodnota;
    }
    teplota_[m].prirustek = potencial_[m].prirustek = 0.0;
    return true;
}

}  // namespace zorvet::vedeni
