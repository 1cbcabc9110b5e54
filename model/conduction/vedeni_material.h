// The material of the enthalpy marches (vedeni_teleso.cpp, mrizka.cpp): the enthalpy h(T) and
// the Kirchhoff potential Phi(T), the integral of lambda dT, read back by enthalpy.
#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

#include "model/conduction/vedeni.h"
#include "model/properties/vlastnosti.h"

namespace zorvet::vedeni {

// The material over a range of temperatures. With curves, h(T) is exact at the points of a fine
// temperature grid and linear between them; Phi(T) is integrated by trapezoids from lambda at
// the same points. Both are read back by enthalpy from an even grid of h, so a node's
// temperature and potential take one interpolation each, without a search. Of constant
// properties both are linear in h, and exact.
class Material {
public:
    // c in J/(kg K) and lambda in W/(m K) count where their curve (not owned) is null; cNavic in
    // J/(kg K) adds to c or to c(T) at every temperature (what heats with the load, spread evenly).
    Material(double c, double lambda, const Vlastnosti* krivkaC, const Vlastnosti* krivkaLambda, double cNavic = 0.0)
        : c_(krivkaC ? cNavic : c + cNavic), lambda_(lambda), krivkaC_(krivkaC), krivkaLambda_(krivkaLambda),
          linearni_(krivkaC == nullptr && krivkaLambda == nullptr) {}
    explicit Material(const ZadaniVedeni& z) : Material(z.c, z.lambda, z.krivkaC, z.krivkaLambda, z.cNavic) {}

    // J/kg from 20 degrees C; of a curve and what adds to it, c_ being the latter.
    double entalpie(double t) const { return krivkaC_ ? krivkaC_->entalpie(t) + c_ * (t - 20.0) : c_ * (t - 20.0); }

    // Tabulates dolni..horni with a margin, unless the present table holds them already; true
    // when it did.
    bool pokryj(double dolni, double horni);

    // The potentials of n nodes from their enthalpies; an enthalpy beyond the table reads as its
    // end.
    void potencialy(const double* __restrict h, double* __restrict phi, std::size_t n) const {
        if (linearni_) {
            const double k = kappa_;
            for (std::size_t i = 0; i < n; ++i) {
                phi[i] = k * h[i];
            }
            return;
        }
        const Usek* body = potencial_.data();
        for (std::size_t i = 0; i < n; ++i) {
            const double x = std::min(std::max((h[i] - h0_) * naBod_, 0.0), xMax_);
            const std::ptrdiff_t j = static_cast<std::ptrdiff_t>(x);  // one instruction, unlike size_t
            phi[i] = body[j].hodnota + (x - static_cast<double>(j)) * body[j].prirustek;
        }
    }

    double teplota(double h) const {
        if (linearni_) {
            return 20.0 + h / c_;
        }
        const double x = std::min(std::max((h - h0_) * naBod_, 0.0), xMax_);
        const std::size_t j = static_cast<std::size_t>(static_cast<std::ptrdiff_t>(x));
        return teplota_[j].hodnota + (x - static_cast<double>(j)) * teplota_[j].prirustek;
    }
    // dT/dh at h, K kg/J.
    double sklon(double h) const {
        if (linearni_) {
            return 1.0 / c_;
        }
        const double x = std::min(std::max((h - h0_) * naBod_, 0.0), xMax_ - 1.0);
        return teplota_[static_cast<std::size_t>(static_cast<std::ptrdiff_t>(x))].prirustek * naBod_;
    }

    double tMax() const { return tMax_; }
    double cMin() const { return cMin_; }      // J/(kg K)
    double kappa() const { return kappa_; }    // the largest dPhi/dh, kg/(m s)

private:
    // A value at a point of the enthalpy grid and its rise to the next; the temperatures and the
    // potentials in tables of their own, so the potentials of every node, read at every stage,
    // take half the cache.
    struct Usek {
        double hodnota, prirustek;
    };
    double c_, lambda_;
    const Vlastnosti* krivkaC_;
    const Vlastnosti* krivkaLambda_;
    bool linearni_;
    std::vector<Usek> teplota_, potencial_;
    double tMin_ = 0.0, tMax_ = 0.0, h0_ = 0.0, naBod_ = 0.0, xMax_ = 0.0;
    double cMin_ = 0.0, kappa_ = 0.0;
};

}  // namespace zorvet::vedeni
