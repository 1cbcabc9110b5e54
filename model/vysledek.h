// A computed (or opened) heat-up: the problem it belongs to, the result rows, the furnace
// temperature of every step, and what is printed with it. A result is never edited after it
// is made: a new run makes a new one, which replaces the shown one only when the run succeeds;
// saving it, or choosing other losses for its power, makes a copy that says so.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
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
    zorvet::Uloha Uloha;  // the problem exactly as it was computed
    zorvet::Vysledky Vysledky;
    std::int16_t PocetKroku = 0;                   // index of the last row of the result
    std::array<float, kPocetRadku> TeplotaPece{};  // °C furnace temperature per step
    std::optional<zorvet::Jadro> Jadro;            // the core, when it was computed
    float OmezenoDo = 0.0f;  // s, the end of the last step the installed power limited; 0 for none

    // What is printed with it. The file is the results file it was saved to or opened from,
    // or the problem file it was computed from when the problem is what that file holds.
    std::string Soubor;       // the name without its folder; empty for none
    std::string Komentar;     // that file's comment
    bool ZnamyKoefK = true;   // a results file holds no reduction factor: unknown once opened
    std::int16_t Ztraty = 0;  // % heat losses of the power shown with it

    // The last row, within the table whatever PocetKroku says.
    int posledniRadek() const { return std::clamp<int>(PocetKroku, 0, kPosledniRadek); }
};

}  // namespace zorvet
