// The march of the single charge temperature: two passes of trapezoidal steps, each solved by
// fixed-point iteration of the heat-transfer coefficient, the start value of each step
// extrapolated from the two before it. With a property curve the heat balance is taken in
// enthalpy; with an installed power a step takes no more heat than the power gives after its
// losses. Only the pipeline (model/pipeline/vypocet.h) calls it.
#pragma once

#include "model/pipeline/vypocet.h"

namespace zorvet {

// Marches v.Uloha, an accepted case, into v: its rows, PocetKroku, the furnace temperature of
// every row and the end of the power-limited span. konec of the answer says how it ended; the
// answer holds no result (the pipeline adds it).
VysledekVypoctu Pochod(Vysledek& v, const MoznostiBehu& moznosti);

}  // namespace zorvet
