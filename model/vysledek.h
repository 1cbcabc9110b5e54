// A computed (or opened) heat-up: the problem it belongs to, the result rows and the furnace
// temperature of every step. A result is never edited after it is made: a new run makes a
// new one, which replaces the shown one only when the run succeeds.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>

#include "model/uloha.h"

namespace zorvet {

// Four columns of singles, rows 0..10000.
struct Vysledky {
    std::array<float, kPocetRadku> Cas{};            // s
    std::array<float, kPocetRadku> Odhad{};          // °C, working estimate of the iteration
    std::array<float, kPocetRadku> Alfa{};           // W/m²/K
    std::array<float, kPocetRadku> TeplotaVsazky{};  // °C
};

struct Vysledek {
    // The problem as it was computed; in a controlled run Tpece ends at the furnace
    // temperature of the last step.
    zorvet::Uloha Uloha;
    zorvet::Vysledky Vysledky;
    std::int16_t PocetKroku = 0;                   // index of the last row of the result
    std::array<float, kPocetRadku> TeplotaPece{};  // °C furnace temperature per step

    // The last row, within the table whatever PocetKroku says.
    int posledniRadek() const { return std::clamp<int>(PocetKroku, 0, kPosledniRadek); }
};

}  // namespace zorvet
