// A computed (or opened) heat-up: the problem it belongs to, the result rows and the furnace
// temperature of every step. A result is never edited after it is made: a new run makes a
// new one, which replaces the shown one only when the run succeeds.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "model/uloha.h"

namespace zorvet {

// Four columns of singles, rows 0..10000.
struct Vysledky {
    std::array<float, kPocetRadku> Cas{};            // s
    std::array<float, kPocetRadku> Odhad{};          // °C, working estimate of the iteration
    std::array<float, kPocetRadku> Alfa{};           // W/m²/K
    std::array<float, kPocetRadku> TeplotaVsazky{};  // °C
};

// The core of a thick charge, when the conductivity is known (model/jadro.h).
struct Jadro {
    std::vector<float> povrch;  // per step 0..: mean temperature of the heated surface, °C
    std::vector<float> teplota; // per step 0..: temperature of the point that heats slowest, °C
    long krok = -1;             // the first step whose core reached Tk
    double cas = 0.0;           // s, krok × CasKrok
    double biot = 0.0;          // Bi = α max × (V / A) / λ
};

struct Vysledek {
    // The problem as it was computed; in a controlled run Tpece ends at the furnace
    // temperature of the last step.
    zorvet::Uloha Uloha;
    zorvet::Vysledky Vysledky;
    std::int16_t PocetKroku = 0;                   // index of the last row of the result
    std::array<float, kPocetRadku> TeplotaPece{};  // °C furnace temperature per step
    std::optional<zorvet::Jadro> Jadro;            // the core, when it was computed

    // The last row, within the table whatever PocetKroku says.
    int posledniRadek() const { return std::clamp<int>(PocetKroku, 0, kPosledniRadek); }
};

}  // namespace zorvet
