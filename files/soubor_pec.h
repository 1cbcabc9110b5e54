// The furnace as a thermal system in the extended setting of problem and results files (the
// writer's part; the reader's is Ctenar's, files/soubor_ctenar.h). Private to files/soubor_*.cpp.
#pragma once

#include "files/soubor_radky.h"
#include "model/case/vysledek.h"

namespace zorvet::soubor {

// The furnace's description, when the case has one: the chamber, the wall area, the door, the
// start, each lining as its layers, and the refractories they are made of, whole, so that the file
// computes the same on a machine without the database.
void ZapisPec(Zapisovac& z, const Uloha& u);

// A result's cycle in that furnace: the cycle time, the peak power, the cycles computed, the
// balance of the heat-up and of the cycle, and the furnace's temperature and power at every step.
void ZapisVysledekPece(Zapisovac& z, const Vysledek& v);

}  // namespace zorvet::soubor
