// Power required and energy taken up by the charge of a result, for a percentage of losses.
#pragma once

#include <cstdint>
#include <optional>

#include "model/case/vysledek.h"

namespace zorvet {

struct VykonSpotreba {
    float P = 0.0f;     // W, raised by the losses
    float E = 0.0f;     // Wh, heat taken up between Tv and Tk
    double cas = 0.0;   // s, the heat-up time the power belongs to: the decisive one
    bool jadra = false; // it is the core's heat-up time
};

// The energy with the heat capacity the charge takes its heat up with (the mean of a property
// curve, and what heats with the charge: model/march/vsazka.h), over the decisive heat-up time (the core's, when it was computed and reached). No value
// when there is no heat-up time to divide by (no result yet, a core that was not reached) or the
// figures do not fit a single.
std::optional<VykonSpotreba> VykonASpotreba(const Vysledek& vysledek, std::int16_t z);
// With the losses of the result's case.
inline std::optional<VykonSpotreba> VykonASpotreba(const Vysledek& vysledek) {
    return VykonASpotreba(vysledek, vysledek.Uloha.Ztraty);
}

// A furnace's cycle run back to back for a day: the cycles of 24 h (a fraction counts), and what
// they take. Per day is per cycle times the cycles of a day, 86400 s over the cycle time.
struct ProvozPece {
    double casOhrevu = 0.0;    // s
    double casCyklu = 0.0;     // s, the heat-up and the soak
    double cykluZaDen = 0.0;
    BilancePece cyklus;        // J, of a cycle
    BilancePece den;           // J, of a day
    double spicka = 0.0;       // W, the highest power of a step of the cycle
    std::optional<double> cenaCyklu, cenaDne;  // at the case's price of a kWh, when it gives one
};
inline constexpr double kSekundDne = 86400.0;

// None for a result without the furnace as a thermal system, or of a cycle that takes no time.
std::optional<ProvozPece> ProvozZaDen(const Vysledek& vysledek);

}  // namespace zorvet
