#include "model/furnace/vsazka_pece.h"

#include <algorithm>
#include <cmath>
#include <utility>

#include "model/case/konstanty.h"
#include "model/properties/koren.h"

namespace zorvet {

namespace {

double ctvrta(double x) {
    const double x2 = x * x;
    return x2 * x2;
}

}  // namespace

SoustredenaVsazka::SoustredenaVsazka(ZadaniSoustredene z) : z_(std::move(z)) {
    if (z_.vlastnosti) {
        krivka_.emplace(*z_.vlastnosti);
    }
    nalozit();
}

void SoustredenaVsazka::nalozit() { t_ = zkouska_ = z_.tv; }

double SoustredenaVsazka::entalpie(double t) const { return krivka_ ? krivka_->entalpie(t) : z_.c * t; }

TeploVsazky SoustredenaVsazka::zkus(double dt, double tf) {
    const double t0 = t_;
    const double h0 = entalpie(t0);
    const double ak = z_.A * z_.koefK * dt;
    const double es = z_.eps * kSigma;
    const double tpK = ctvrta((tf + kKelvin) / 100.0);
    const double mcf = z_.kapacitaPripravku;
    // The charge's heat minus what the furnace gives it over the step at the mean temperature;
    // it rises with the end temperature t1.
    const auto zbytek = [&](double t1) {
        const double tm = (t0 + t1) / 2.0;
        const double prijato = ak * (z_.konvekce * (tf - tm) + es * (tpK - ctvrta((tm + kKelvin) / 100.0)));
        return z_.m * (entalpie(t1) - h0) + mcf * (t1 - t0) - prijato;
    };
    zkouska_ = Koren(zbytek, t0, 1.0, -kKelvin, 1e6, 1e-10 * (std::fabs(t0) + kKelvin)).value_or(t0);
    return TeploVsazky{z_.m * (entalpie(zkouska_) - h0), mcf * (zkouska_ - t0)};
}

void SoustredenaVsazka::prijmi() { t_ = zkouska_; }

double SoustredenaVsazka::teplotaProTeplo(double teplo) const {
    const double h0 = entalpie(z_.tv);
    const auto zbytek = [&](double t) { return z_.m * (entalpie(t) - h0) + z_.kapacitaPripravku * (t - z_.tv) - teplo; };
    return Koren(zbytek, z_.tv, 1.0, -kKelvin, 1e6, 1e-10 * (std::fabs(z_.tv) + kKelvin)).value_or(z_.tv);
}

void OpravenaVsazka::nastav(const VedeniVsazky& vedeni) {
    vedeni_ = vedeni;
    oprava_.assign(vedeni.teplo.size(), TeploVsazky{});
    for (std::size_t k = 1; k < oprava_.size() && k < zaznam_.size(); ++k) {
        oprava_[k] = TeploVsazky{vedeni.teplo[k].vsazka - zaznam_[k].vsazka,
                                 vedeni.teplo[k].pripravky - zaznam_[k].pripravky};
    }
}

void OpravenaVsazka::nalozit() {
    jedna_.nalozit();
    zaznam_.assign(1, TeploVsazky{});
    k_ = 0;
}

TeploVsazky OpravenaVsazka::zkus(double dt, double tf) {
    zkouska_ = jedna_.zkus(dt, tf);
    TeploVsazky q = zkouska_;
    if (k_ + 1 < oprava_.size()) {
        // A step cut short (the end of a soak) takes its share.
        const double podil = dt / krok_;
        q.vsazka += oprava_[k_ + 1].vsazka * podil;
        q.pripravky += oprava_[k_ + 1].pripravky * podil;
    }
    return q;
}

void OpravenaVsazka::prijmi() {
    jedna_.prijmi();
    zaznam_.push_back(zkouska_);
    ++k_;
    if (vedeni_.krokOhrevu >= 0 && k_ == static_cast<std::size_t>(vedeni_.krokOhrevu)) {
        jedna_.nastavTeplo(vedeni_.teploOhrevu);
    }
}

double OpravenaVsazka::teplota() const {
    if (vedeni_.krokOhrevu < 0) {
        return jedna_.teplota();
    }
    return k_ < vedeni_.nejpomalejsi.size() ? vedeni_.nejpomalejsi[k_] : std::max(jedna_.teplota(), jedna_.cil());
}

}  // namespace zorvet
