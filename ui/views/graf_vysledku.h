// The heat-up chart of a result: what the chart view shows, prints and exports, and what
// the batch "chart" command draws. One routine fills the chart for all of them.
#pragma once

#include <cstdint>

#include "model/vysledek.h"
#include "model/nastaveni.h"

namespace zorvet {

class Graf;

// Fills graf from the result in rows 0..PocetKroku: the charge temperature in blue and, for
// a controlled heat-up, the furnace temperature in red, both against the time; the two
// curves labelled "Charge" and "Furnace" (an uncontrolled chart has one curve and no
// labels); when the core of a thick charge was computed, its surface (orange) and core
// (green) temperatures dashed, and every curve labelled; every point marked up to 50 steps,
// bare lines from 51 on; the title and axis titles in the language jazyk, in Arial 16.
void NaplnGrafVysledku(Graf& graf, const Vysledek& vysledek, Jazyk jazyk);

}  // namespace zorvet
