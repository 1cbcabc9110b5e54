// What a result answers, told the same way by the window's message, the table view's panel, the
// report and the command line: the time that decides the heat-up first (the core, the slowest
// point of a load, the cycle with its soak), then the lines of the core, the load and what the
// case used beyond the documented problem, then the single charge temperature's sentence.
#pragma once

#include <QString>
#include <optional>

#include "model/case/nastaveni.h"
#include "model/case/pole.h"
#include "model/case/vysledek.h"

namespace zorvet {

// A time in seconds and, from a minute on, the hours and minutes beside it:
// "4770 s (1 h 19 min 30 s)", "2970 s (49 min 30 s)", "45 s".
QString DobaVHodinach(double sekundy, Jazyk jazyk);

// The sentence that leads: "The core of the slowest piece (row 2, column 2) reaches the final
// temperature after 2970 s (49 min 30 s).", with a soak the cycle before it, each ended by a
// line feed. Empty when the single charge temperature decides (the documented problem).
QString VedeniVysledku(const Vysledek& vysledek, Jazyk jazyk);

// The lines of the core, the load and the soak, what the case used beyond the documented
// problem, and the furnace, each ended by a line feed, as the command line prints them after
// the power.
QString RadkyVysledku(const Vysledek& vysledek, Jazyk jazyk);

// The whole answer of the final-temperature message: the documented sentence alone (and where
// the installed power limited the heating) for a case that the single charge temperature
// decides; otherwise the lead, the lines, and the single charge temperature's sentence named
// as such.
QString OdpovedVysledku(const Vysledek& vysledek, Jazyk jazyk);

// The caption of a field with its unit, as an answer names the value: "Furnace Temperature
// [°C]" (the temperatures have their unit beside the field, the other captions carry it).
QString NazevSJednotkou(Velicina velicina, const Uloha& uloha, Jazyk jazyk);

// Why a run with an installed power ran out of the table: that power, less its losses, cannot
// give the charge the heat it takes from the initial to the final temperature within the
// table's rows, whatever the radiation could do. None when it could (a longer time step mends
// the overflow then).
std::optional<QString> ZpravaMalehoPrikonu(const Uloha& uloha, Jazyk jazyk);

}  // namespace zorvet
