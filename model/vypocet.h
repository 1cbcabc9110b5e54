// The heat-up march (Vypocet) and the expansion of the furnace curve (RozvinKrivku).
#pragma once

#include <string>

#include "model/stav.h"

namespace zorvet {

// How a run ended. The caller shows the matching message and enables the menus.
enum class KonecVypoctu {
    Uspech,          // Tk reached: result in rows 0..PocetKroku
    Preteceni,       // the march would need a row beyond 10000
    Chyba,           // arithmetic failure; Popis holds the standard description
    Nekonverguje,    // the iteration of one step did not settle
    NeplatnyKrok,    // the time step is not positive; nothing was computed
};

struct VysledekVypoctu {
    KonecVypoctu konec = KonecVypoctu::Uspech;
    std::string popis;  // "Division by zero", "Overflow", ... for KonecVypoctu::Chyba
    int radek = 0;      // the step at which a failure happened
};

// A generous bound: an ordinary step settles in two or three iterations.
inline constexpr int kMaxIteraci = 1000;

// Marches stav.Uloha to its final temperature and fills Vysledky and PocetKroku
// (and, in a controlled run, leaves Tpece at the furnace temperature of the last step).
VysledekVypoctu Vypocet(Stav& stav);

// Expands the furnace curve of stav.Uloha into stav.TeplotaPece, one value per time step.
void RozvinKrivku(Stav& stav);

}  // namespace zorvet
