#include "model/properties/vlastnosti.h"

#include <algorithm>
#include <cmath>

#include "model/case/pole.h"
#include "model/properties/koren.h"

namespace zorvet {

namespace {

// EN 1993-1-2, 3.4.1.2 (specific heat) and 3.4.1.3 (thermal conductivity) of carbon steel.
double cUhlikove(double t) {
    if (t < 600.0) {
        return 425.0 + 0.773 * t - 1.69e-3 * t * t + 2.22e-6 * t * t * t;
    }
    if (t < 735.0) {
        return 666.0 + 13002.0 / (738.0 - t);
    }
    if (t < 900.0) {
        return 545.0 + 17820.0 / (t - 731.0);
    }
    return 650.0;
}

// The antiderivative of cUhlikove on each of its pieces.
double hPolynomu(double t) { return 425.0 * t + 0.3865 * t * t - 1.69e-3 / 3.0 * t * t * t + 5.55e-7 * t * t * t * t; }

double hUhlikove(double t) {
    if (t < 600.0) {
        return hPolynomu(t) - hPolynomu(20.0);
    }
    const double h600 = hPolynomu(600.0) - hPolynomu(20.0);
    const auto dil2 = [](double x) { return 666.0 * x - 13002.0 * std::log(738.0 - x); };
    if (t < 735.0) {
        return h600 + dil2(t) - dil2(600.0);
    }
    const double h735 = h600 + dil2(735.0) - dil2(600.0);
    const auto dil3 = [](double x) { return 545.0 * x + 17820.0 * std::log(x - 731.0); };
    if (t < 900.0) {
        return h735 + dil3(t) - dil3(735.0);
    }
    return h735 + dil3(900.0) - dil3(735.0) + 650.0 * (t - 900.0);
}

double lambdaUhlikove(double t) { return t < 800.0 ? 54.0 - 3.33e-2 * t : 27.3; }

// EN 1993-1-2, annex C: austenitic stainless steel.
double cNerezove(double t) { return 450.0 + 0.280 * t - 2.91e-4 * t * t + 1.34e-7 * t * t * t; }
double hNerezove0(double t) { return 450.0 * t + 0.140 * t * t - 2.91e-4 / 3.0 * t * t * t + 1.34e-7 / 4.0 * t * t * t * t; }
double lambdaNerezove(double t) { return 14.6 + 1.27e-2 * t; }

}  // namespace

VlastnostiMaterialu VestaveneVlastnosti(const std::string& klic) { return VlastnostiMaterialu{klic, {}}; }

bool JeVestavena(const VlastnostiMaterialu& v) {
    return v.Body.empty() && (v.Nazev == kUhlikovaOcel || v.Nazev == kNerezovaOcel);
}

float HustotaVestavene(const VlastnostiMaterialu& v) {
    if (!JeVestavena(v)) {
        return 0.0f;
    }
    return v.Nazev == kUhlikovaOcel ? 7850.0f : 7900.0f;
}

ZavadaKrivky ZkontrolujKrivku(const VlastnostiMaterialu& v) {
    if (JeVestavena(v)) {
        return {};
    }
    const auto& b = v.Body;
    if (b.size() < 2) {
        return {VadaKrivky::MaloBodu, static_cast<int>(b.size()), 0};
    }
    const bool lambda = b.front().lambda != 0.0f;
    for (std::size_t i = 0; i < b.size(); ++i) {
        const int bod = static_cast<int>(i);
        const float hodnoty[] = {b[i].T, b[i].c, b[i].lambda};
        for (int s = 0; s < 3; ++s) {
            if (!std::isfinite(hodnoty[s])) {
                return {VadaKrivky::NekonecnaHodnota, bod, s};
            }
        }
        const PopisPole& teploty = Pole(Velicina::Tv);
        if (static_cast<double>(b[i].T) < teploty.min || static_cast<double>(b[i].T) > teploty.max) {
            return {VadaKrivky::MimoTeploty, bod, 0};
        }
        if (i > 0 && !(b[i].T > b[i - 1].T)) {
            return {VadaKrivky::NerostouciTeplota, bod, 0};
        }
        if (!(b[i].c > 0.0f)) {
            return {VadaKrivky::NekladnaHodnota, bod, 1};
        }
        if (lambda ? !(b[i].lambda > 0.0f) : b[i].lambda != 0.0f) {
            return {VadaKrivky::NekladnaHodnota, bod, 2};
        }
    }
    return {};
}

Vlastnosti::Vlastnosti(const VlastnostiMaterialu& v)
    : druh_(v.Nazev == kUhlikovaOcel && v.Body.empty()   ? Druh::Uhlikova
            : v.Nazev == kNerezovaOcel && v.Body.empty() ? Druh::Nerezova
                                                         : Druh::Tabulka),
      body_(v.Body) {
    if (druh_ != Druh::Tabulka) {
        return;
    }
    tMin_ = static_cast<double>(body_.front().T);
    tMax_ = static_cast<double>(body_.back().T);
    maLambda_ = body_.front().lambda > 0.0f;
    // The enthalpy of each point, from 20 °C: c is linear between points, so each interval adds
    // its trapezoid exactly.
    hBodu_.resize(body_.size());
    hBodu_[0] = 0.0;
    for (std::size_t i = 1; i < body_.size(); ++i) {
        const double dt = static_cast<double>(body_[i].T) - static_cast<double>(body_[i - 1].T);
        hBodu_[i] = hBodu_[i - 1] + dt * (static_cast<double>(body_[i].c) + static_cast<double>(body_[i - 1].c)) / 2.0;
    }
    const double posun = hVRozsahu(std::clamp(20.0, tMin_, tMax_)) +
                         (20.0 < tMin_ ? (20.0 - tMin_) * static_cast<double>(body_.front().c) : 0.0) +
                         (20.0 > tMax_ ? (20.0 - tMax_) * static_cast<double>(body_.back().c) : 0.0);
    for (double& h : hBodu_) {
        h -= posun;
    }
}

std::size_t Vlastnosti::usek(double t) const {
    const auto za = std::upper_bound(body_.begin(), body_.end(), t,
                                     [](double x, const BodVlastnosti& b) { return x < static_cast<double>(b.T); });
    return std::clamp<std::size_t>(static_cast<std::size_t>(za - body_.begin()), 1, body_.size() - 1);
}

double Vlastnosti::cVRozsahu(double t) const {
    switch (druh_) {
        case Druh::Uhlikova:
            return cUhlikove(t);
        case Druh::Nerezova:
            return cNerezove(t);
        case Druh::Tabulka:
            break;
    }
    const std::size_t i = usek(t);
    const auto t0 = static_cast<double>(body_[i - 1].T), t1 = static_cast<double>(body_[i].T);
    const auto c0 = static_cast<double>(body_[i - 1].c), c1 = static_cast<double>(body_[i].c);
    return c0 + (c1 - c0) * (t - t0) / (t1 - t0);
}

double Vlastnosti::hVRozsahu(double t) const {
    switch (druh_) {
        case Druh::Uhlikova:
            return hUhlikove(t);
        case Druh::Nerezova:
            return hNerezove0(t) - hNerezove0(20.0);
        case Druh::Tabulka:
            break;
    }
    const std::size_t i = usek(t);
    const auto t0 = static_cast<double>(body_[i - 1].T);
    const auto c0 = static_cast<double>(body_[i - 1].c);
    const double dt = t - t0;
    return (hBodu_.empty() ? 0.0 : hBodu_[i - 1]) + dt * (c0 + cVRozsahu(t)) / 2.0;
}

double Vlastnosti::c(double t) const { return cVRozsahu(std::clamp(t, tMin_, tMax_)); }

double Vlastnosti::lambda(double t) const {
    const double x = std::clamp(t, tMin_, tMax_);
    switch (druh_) {
        case Druh::Uhlikova:
            return lambdaUhlikove(x);
        case Druh::Nerezova:
            return lambdaNerezove(x);
        case Druh::Tabulka:
            break;
    }
    if (!maLambda_) {
        return 0.0;
    }
    const std::size_t i = usek(x);
    const auto t0 = static_cast<double>(body_[i - 1].T), t1 = static_cast<double>(body_[i].T);
    const auto l0 = static_cast<double>(body_[i - 1].lambda), l1 = static_cast<double>(body_[i].lambda);
    return l0 + (l1 - l0) * (x - t0) / (t1 - t0);
}

double Vlastnosti::entalpie(double t) const {
    if (t < tMin_) {
        return hVRozsahu(tMin_) - (tMin_ - t) * cVRozsahu(tMin_);
    }
    if (t > tMax_) {
        return hVRozsahu(tMax_) + (t - tMax_) * cVRozsahu(tMax_);
    }
    return hVRozsahu(t);
}

double Vlastnosti::teplota(double h) const {
    // Newton on the monotone enthalpy, kept inside a bracket.
    return NewtonVZavorce([&](double t) { return entalpie(t) - h; }, [this](double t) { return c(t); },
                          20.0 + h / c(20.0), -273.15, 1.0e5, 1e-12, 300.0);
}

std::optional<float> Vlastnosti::stalaC() const {
    if (druh_ != Druh::Tabulka ||
        std::any_of(body_.begin(), body_.end(), [this](const BodVlastnosti& b) { return b.c != body_.front().c; })) {
        return std::nullopt;
    }
    return body_.front().c;
}

double Vlastnosti::stredniC(double t0, double t1) const { return stredniC(t0, t1, entalpie(t0)); }

double Vlastnosti::stredniC(double t0, double t1, double h0) const {
    if (t0 == t1) {
        return c(t0);
    }
    return (entalpie(t1) - h0) / (t1 - t0);
}

}  // namespace zorvet
