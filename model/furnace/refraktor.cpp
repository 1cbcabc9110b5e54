#include "model/furnace/refraktor.h"

#include <algorithm>
#include <cmath>

namespace zorvet {

namespace {

bool kladna(float x) { return std::isfinite(x) && x > 0.0f; }

ZavadaRefraktoru zkontrolujBody(const std::vector<BodRefraktoru>& body, bool vodivost) {
    if (body.empty()) {
        return {VadaRefraktoru::BezBodu, vodivost, 0};
    }
    if (body.size() > static_cast<std::size_t>(kNejviceBoduRefraktoru)) {
        return {VadaRefraktoru::PrilisMnohoBodu, vodivost, kNejviceBoduRefraktoru};
    }
    for (std::size_t i = 0; i < body.size(); ++i) {
        const int bod = static_cast<int>(i);
        if (!std::isfinite(body[i].T) || (i > 0 && !(body[i].T > body[i - 1].T))) {
            return {VadaRefraktoru::NerostouciTeplota, vodivost, bod};
        }
        if (!kladna(body[i].hodnota)) {
            return {VadaRefraktoru::NekladnaHodnota, vodivost, bod};
        }
    }
    return {};
}

}  // namespace

ZavadaRefraktoru ZkontrolujRefraktor(const Refraktor& r) {
    if (!kladna(r.Hustota)) {
        return {VadaRefraktoru::Hustota, false, 0};
    }
    const ZavadaRefraktoru c = zkontrolujBody(r.Teplo, false);
    return c.vada != VadaRefraktoru::Zadna ? c : zkontrolujBody(r.Vodivost, true);
}

Lomenka::Lomenka(const std::vector<BodRefraktoru>& body) {
    for (const BodRefraktoru& b : body) {
        x_.push_back(static_cast<double>(b.T));
        y_.push_back(static_cast<double>(b.hodnota));
    }
    f_.assign(x_.size(), 0.0);
    for (std::size_t i = 1; i < x_.size(); ++i) {
        f_[i] = f_[i - 1] + 0.5 * (y_[i - 1] + y_[i]) * (x_[i] - x_[i - 1]);
    }
}

double Lomenka::operator()(double x) const {
    if (x <= x_.front()) {
        return y_.front();
    }
    if (x >= x_.back()) {
        return y_.back();
    }
    const std::size_t i = static_cast<std::size_t>(std::upper_bound(x_.begin(), x_.end(), x) - x_.begin());
    const double w = (x - x_[i - 1]) / (x_[i] - x_[i - 1]);
    return y_[i - 1] + w * (y_[i] - y_[i - 1]);
}

double Lomenka::integral(double x) const {
    if (x <= x_.front()) {
        return y_.front() * (x - x_.front());
    }
    if (x >= x_.back()) {
        return f_.back() + y_.back() * (x - x_.back());
    }
    const std::size_t i = static_cast<std::size_t>(std::upper_bound(x_.begin(), x_.end(), x) - x_.begin());
    const double d = x - x_[i - 1];
    const double sklon = (y_[i] - y_[i - 1]) / (x_[i] - x_[i - 1]);
    return f_[i - 1] + d * (y_[i - 1] + 0.5 * sklon * d);
}

VlastnostiRefraktoru::VlastnostiRefraktoru(const Refraktor& r)
    : hustota_(static_cast<double>(r.Hustota)), k_(r.Vodivost), c_(r.Teplo) {}

}  // namespace zorvet
