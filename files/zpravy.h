// Texts of the messages about a problem and its computation, shared by the window and the
// batch mode.
#pragma once

#include <QString>

#include "files/chyba.h"
#include "model/case/nastaveni.h"
#include "model/case/pole.h"
#include "model/pipeline/vykon.h"
#include "model/pipeline/vypocet.h"
#include "model/planning/planovani.h"

namespace zorvet {

// "Final temperature 901 °C have been obtained during 470 s." for the result in rows
// 0..PocetKroku: the charge temperature rounded half to even, both numbers with a
// leading blank, at most 7 significant digits and "." whatever the locale.
QString ZpravaKonecneTeploty(const Vysledek& vysledek, Jazyk jazyk);

// Title of that message box ("End of Job").
QString TitulekKonecneTeploty(Jazyk jazyk);

// Text and title of the box that reports a failed run of the problem (a refused case too).
QString ZpravaSelhani(const VysledekVypoctu& vysledek, const Uloha& uloha, Jazyk jazyk);
QString TitulekSelhani(Jazyk jazyk);

// Why a fit of the emissivity found none (not for a thermocouple without a core): the log lies
// beyond what an emissivity of the range explains, the closest deviates no less than the log
// spreads, or no run could be computed (the run's own message after the first line).
QString ZpravaPrizpusobeni(const VysledekPrizpusobeni& fit, const Uloha& uloha, Jazyk jazyk);

// What went wrong with a computation, for the window and the batch alike: a refused case, a
// failed march, a core that was not reached; none for a success. The overflow report, and a
// curve that ends too cold, are of kind Preteceni (the information icon).
std::optional<Chyba> ChybaVypoctu(const VysledekVypoctu& vysledek, const Uloha& uloha, Jazyk jazyk);

// The time the power of a result belongs to: "Over the core heat-up time, 2220 s." for a
// thick charge, else empty (the documented power frame says nothing of it).
QString CasVykonu(const VykonSpotreba& vykon, Jazyk jazyk);

// The core of a thick charge: "Biot Number [-]: 0.2891" and, when the core reached the final
// temperature, "Core Heat-up Time [s]: 650", each line ended by a line feed, the numbers as
// the power frame writes them. Empty for a result without a core.
QString RadkyJadra(const Vysledek& vysledek, Jazyk jazyk);

// What a result used beyond the documented problem, each line ended by a line feed: "Property
// Model: Carbon steel (EN 1993-1-2)" with a property curve, "Power-Limited Until [s]: 657" when
// the installed power limited the heating (the core's run, for a thick charge). Empty for neither.
QString RadkyRozsireni(const Vysledek& vysledek, Jazyk jazyk);

// How the load stood and its soak, each line ended by a line feed: "Arrangement: array of
// 5 x 3 pieces, gaps 0.01 m and 0.01 m", "Slowest Piece: 2 3" and "Fastest Piece Core Heat-up
// Time [s]: 2050" of an array, "Effective Conductivity [W/m/K]: 3.2" of a bundle (at the final
// temperature), "Cycle Time [s]" and "Soak Energy [kWh]" with a soak. Empty for the free piece
// without a soak.
QString RadkyUsporadani(const Vysledek& vysledek, Jazyk jazyk);

// The furnace as a thermal system, each line ended by a line feed: "Cycle Time [s]" of a cyclic
// start without a soak (with a soak the soak's lines tell it), "Energy Balance of the Heat-up
// [kWh]: electric E, charge C, fixtures F, lining L, walls W, opening O", the same of the cycle
// (with a soak or a cyclic start), "Peak Power [kW]" and, with a price, "Cost per Cycle". Empty
// without a furnace.
QString RadkyPece(const Vysledek& vysledek, Jazyk jazyk);

// The name of a property curve: the built-in steel's, or the user's own.
QString NazevVlastnosti(const VlastnostiMaterialu& vlastnosti, Jazyk jazyk);

// Why a result has no core time: the core was not reached in time, the mass is typed, no
// long face takes part. Empty when it was reached.
QString ZpravaJadra(KonecJadra konec, Jazyk jazyk);

// The warning that the single charge temperature reports too short a time: a Biot number
// above 0.1. Empty otherwise.
QString VarovaniJadra(const Vysledek& vysledek, Jazyk jazyk);

// The caption of the problem dialog's field that holds a value, without its accelerator
// ("Weight [kg]", "Final Temperature 3 [°C]" for the end of curve segment 3); the messages
// about a value name it so. The problem tells the profile (D or A, the kinds of faces).
QString NazevPole(Velicina velicina, int bod, const Uloha& uloha, Jazyk jazyk);
// A part of the furnace's lining as messages name it: "walls", "roof", "hearth".
QString NazevCasti(CastPece cast, Jazyk jazyk);

// What is wrong with the problem, for the fault the acceptance rule found: "Weight [kg] must
// be greater than zero.", the documented "Incomplete setting or any value zero", and the like.
QString ZpravaZavady(const Zavada& zavada, const Uloha& uloha, Jazyk jazyk);

// The title of every such message ("Setting Error").
QString TitulekZavady(Jazyk jazyk);

}  // namespace zorvet
