// The heat-up march (Vypocet) and the expansion of the furnace curve (RozvinKrivku).
#pragma once

#include <array>
#include <memory>
#include <string>

#include "model/vysledek.h"

namespace zorvet {

// How a run ended. The caller shows the matching message.
enum class KonecVypoctu {
    Uspech,        // Tk reached: result in rows 0..PocetKroku
    Preteceni,     // the march would need a row beyond 10000
    Chyba,         // arithmetic failure; popis holds the standard description
    Nekonverguje,  // the iteration of one step did not settle
    NeplatnyKrok,  // the time step is not positive; nothing was computed
};

struct VysledekVypoctu {
    KonecVypoctu konec = KonecVypoctu::Uspech;
    std::string popis;  // "Division by zero", "Overflow", ... for KonecVypoctu::Chyba
    int radek = 0;      // the step at which a failure happened
    std::unique_ptr<Vysledek> vysledek;  // the new result; only when the run succeeded
};

// A generous bound: an ordinary step settles in two or three iterations.
inline constexpr int kMaxIteraci = 1000;

// Marches a copy of the problem to its final temperature, into a new result: its rows,
// PocetKroku and (expanded from the curve) the furnace temperature of every step.
VysledekVypoctu Vypocet(const Uloha& uloha);

// Expands the furnace curve of u into one furnace temperature per time step.
void RozvinKrivku(const Uloha& u, std::array<float, kPocetRadku>& TeplotaPece);

}  // namespace zorvet
