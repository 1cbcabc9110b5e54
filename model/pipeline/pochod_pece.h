// The heat-up in a furnace described as a thermal system (model/furnace/): the charge of one
// temperature exchanges heat with the lining's hot face as the lumped march does (radiation with
// the one emissivity, the convective coefficient, the surface reduced by its factor, the
// trapezoidal rule with the furnace of the step), while the lining conducts, the walls and the
// open door lose, and the installed power limits. Only the pipeline (model/pipeline/vypocet.h)
// calls it.
#pragma once

#include "model/pipeline/vypocet.h"

namespace zorvet {

// Marches v.Uloha, an accepted case with a furnace, into v: its rows to the heat-up (the charge,
// the furnace of every row, the coefficient of each step), the end of the power-limited span, and
// the furnace's cycle and balance (Vysledek::Pec).
VysledekVypoctu PochodSPeci(Vysledek& v, const MoznostiBehu& moznosti);

// What the case's furnace, hot and empty at the set temperature of the start, loses through its
// walls, roof and hearth in the steady state, W: the installed power must exceed it.
double UstalenaZtrataPece(const Uloha& u);

}  // namespace zorvet
