#include "model/conduction/vedeni_prostup.h"

#include <algorithm>
#include <cmath>

namespace zorvet::vedeni {

namespace {

// The local error of an internal step must stay below this fraction of the temperature scale
// (Prostup::krok), divided by the fourth power of zjemneni.
constexpr double kTolerance = 1.0e-4;
// Attempts per user step and unit of zjemneni (ordinary runs take far under one); past them
// (only absurd inputs get there) the steps grow without error control: both marches are stable
// at any step, so that costs accuracy, never stability, and the march always ends.
constexpr long kMaxPokusu = 1000;

// The value at t of the parabola through three points, or of the line through the last two;
// kept between the values at the ends of the interval (t1, t2], so a monotone series stays so.
double mezi(double t, const double (&ts)[3], const double (&v)[3], bool parabola) {
    if (!std::isfinite(v[1]) || !std::isfinite(v[2])) {
        return v[2];
    }
    double x;
    if (parabola && std::isfinite(v[0])) {
        const double l0 = (t - ts[1]) * (t - ts[2]) / ((ts[0] - ts[1]) * (ts[0] - ts[2]));
        const double l1 = (t - ts[0]) * (t - ts[2]) / ((ts[1] - ts[0]) * (ts[1] - ts[2]));
        const double l2 = (t - ts[0]) * (t - ts[1]) / ((ts[2] - ts[0]) * (ts[2] - ts[1]));
        x = l0 * v[0] + l1 * v[1] + l2 * v[2];
    } else {
        x = v[1] + (v[2] - v[1]) * (t - ts[1]) / (ts[2] - ts[1]);
    }
    return std::clamp(x, std::min(v[1], v[2]), std::max(v[1], v[2]));
}

}  // namespace

Vzorek Prostup::zacni() {
    tf_ = pec_(1);
    dolni_ = std::min(z_.tv, tf_);
    horni_ = std::max(z_.tv, tf_);
    nastavPec(tf_, dolni_, horni_);
    navrh_ = prvniKrok();
    zapis(false);
    return body_[0].v;
}

Vzorek Prostup::vzorek(long k) {
    const double tCil = static_cast<double>(k) * z_.krok;
    const double presnost = 1e-9 * z_.krok;
    while (t_ < tCil - presnost) {
        krok();
    }
    const Bod& b2 = body_[static_cast<std::size_t>(pocetBodu_ - 1)];
    if (pocetBodu_ < 2 || b2.t - tCil <= presnost) {
        return b2.v;
    }
    const Bod& b1 = body_[static_cast<std::size_t>(pocetBodu_ - 2)];
    const Bod& b0 = body_[0];
    const bool parabola = pocetBodu_ == 3 && !b1.zlom;
    const double ts[3] = {b0.t, b1.t, b2.t};
    const auto slozka = [&](double Vzorek::*s) {
        const double v[3] = {b0.v.*s, b1.v.*s, b2.v.*s};
        return mezi(tCil, ts, v, parabola);
    };
    return {slozka(&Vzorek::povrch), slozka(&Vzorek::jadro), slozka(&Vzorek::stredni), slozka(&Vzorek::mezniPec)};
}

void Prostup::zapis(bool zlom) {
    if (pocetBodu_ == 3) {
        std::rotate(body_.begin(), body_.begin() + 1, body_.end());
        --pocetBodu_;
    }
    body_[static_cast<std::size_t>(pocetBodu_++)] = Bod{t_, stav(), zlom};
}

// One internal step: within the stretch of steps whose furnace is that of the present step, as
// long as the error allows, and ending on the stretch's end when it gets there.
void Prostup::krok() {
    const double krokUzivatele = z_.krok;
    const long kAkt = static_cast<long>(std::floor(t_ / krokUzivatele + 1e-9)) + 1;
    const double tf = pec_(kAkt);
    if (tf != tf_) {
        tf_ = tf;
        dolni_ = std::min(dolni_, tf);
        horni_ = std::max(horni_, tf);
        nastavPec(tf, dolni_, horni_);
        body_[static_cast<std::size_t>(pocetBodu_ - 1)].zlom = true;
    }
    const double dopredu = std::min(std::ceil(navrh_ / krokUzivatele) + 1.0, static_cast<double>(z_.maxKroku));
    const long kDo = std::min(z_.maxKroku, kAkt + static_cast<long>(dopredu));
    const long k2 = pec_.konecUseku(kAkt, kDo);
    const double hranice = static_cast<double>(k2) * krokUzivatele;
    const bool konec = k2 < kDo || k2 == z_.maxKroku;  // the furnace changes there, or the run ends

    // The core time is most sensitive where the core creeps towards tk: the scale is the
    // smaller of the two differences, but not below 2 % of the whole change. Where the core
    // comes closer to the furnace than tk is (it never gets there), its distance sets the scale,
    // down to a thousandth of the other, so the rows that creep towards the furnace keep
    // creeping the same way.
    const double rozsah = std::fabs(z_.tk - z_.tv);
    const double hlavni = std::max(std::min(rozsah, std::fabs(tf - z_.tk)), 0.02 * rozsah);
    const double prebytek = std::fabs(tf - body_[static_cast<std::size_t>(pocetBodu_ - 1)].v.jadro);
    const double meritko = std::max(std::min(hlavni, prebytek), 1e-3 * hlavni);
    const double z2 = static_cast<double>(z_.zjemneni) * static_cast<double>(z_.zjemneni);
    // Floored well above the rounding of the temperatures themselves.
    const double tolerance = std::max(kTolerance * meritko / (z2 * z2),
                                      1e-9 * (std::fabs(dolni_) + std::fabs(horni_) + kKelvin));

    double dt = std::min(navrh_, nejdelsiKrok());
    const double zbyva = hranice - t_;
    bool naHranici = false;
    if (dt >= zbyva * (1.0 - 1e-12)) {
        dt = zbyva;
        naHranici = true;
    } else if (konec && dt > 0.7 * zbyva) {
        dt = zbyva / 2.0;  // no sliver before the furnace changes
    }
    const double chyba = zkus(dt) / tolerance;
    const bool kontrola = ++pokusu_ <= kMaxPokusu * z_.zjemneni * kAkt;
    if (kontrola && chyba > 1.0 && dt > 1e-9 * krokUzivatele) {
        navrh_ = dt * std::max(0.2, 0.9 * std::pow(chyba, -1.0 / rad()));
        return;
    }
    prijmi();
    t_ = naHranici ? hranice : t_ + dt;
    ++kroku_;
    zapis(false);
    const double rust = chyba > 0.0 && kontrola ? std::min(4.0, 0.9 * std::pow(chyba, -1.0 / rad())) : 4.0;
    // A step the stretch's end cut short keeps the proposal it had.
    navrh_ = dt < navrh_ && rust >= 1.0 ? std::max(navrh_, dt * rust) : dt * rust;
}

}  // namespace zorvet::vedeni
