// Planning a load: one entry point that computes a problem to its decisive time, and the
// questions asked of it: the value that meets a cycle time (goal seek), and the emissivity that
// matches a measured log (fit). A sweep computes each of its points through the entry point.
#pragma once

#include <memory>
#include <optional>
#include <span>

#include "model/pole.h"
#include "model/vypocet.h"

namespace zorvet {

struct Reseni {
    std::optional<Zavada> zavada;  // the problem was refused; nothing was computed
    VysledekVypoctu vypocet;       // else the run: its outcome, result and core
    // s: the core's heat-up time when the core was computed and reached, else the charge's;
    // none when the run failed or the core was not reached.
    std::optional<double> cas;

    bool uspech() const { return cas.has_value(); }
};

// The problem as the dialog's OK takes it (what follows from the dimensions and from a property
// curve, then the acceptance rule), computed with its curves, power limit, convection and core.
Reseni Spocti(Uloha u);

// Sets one input of the problem, as its field holds it (Prikon in kW). False for a quantity that
// is no number of the problem, and for the furnace temperature of a controlled problem.
bool NastavHodnotu(Uloha& u, Velicina velicina, double hodnota);

enum class KonecHledani {
    Nalezeno,       // hodnota meets the time
    Nelze,          // no value can (the time is too short, or would need a furnace above 1600 °C)
    RizenaPec,      // the furnace temperature of a controlled heat-up is its curve
    HmotnostZRozmeru,  // the mass follows from the dimensions
    Odmitnuto,      // the problem itself is refused or fails (reseni says why)
};

struct VysledekHledani {
    KonecHledani konec = KonecHledani::Odmitnuto;
    double hodnota = 0.0;  // kg, °C or W
    Reseni reseni;         // the problem with that value (Nalezeno), or the run that failed
};

// The highest furnace temperature a goal seek tries.
inline constexpr double kNejvyssiCilovaPec = 1600.0;

// The largest mass (Velicina::m), the lowest furnace temperature (Velicina::Tpece) or the
// smallest installed power (Velicina::Prikon, the answer in W) with which the decisive time is
// at most cas seconds; within 0.01 % (0.05 K) of the boundary the time steps draw.
VysledekHledani HledejCil(const Uloha& u, Velicina co, double cas);

// One point of a measured log.
struct BodMereni {
    double cas = 0.0;      // s
    double teplota = 0.0;  // °C of the charge
    std::optional<double> pec;  // °C of the furnace, when it was measured
};

struct VysledekPrizpusobeni {
    bool uspech = false;
    double eps = 0.0;
    double rms = 0.0;  // K, the root mean square of the charge's deviation at the logged times
    std::shared_ptr<const Vysledek> prubeh;  // the run with that emissivity, to the last logged time
    VysledekVypoctu selhani;  // the run that failed, when none succeeded
};

// The emissivity (0 < ε ≤ 1) whose computed charge temperature matches the log best in the least
// squares at its times; a measured furnace temperature replaces the problem's (linear between
// the logged times, held after the last). The log is in time order.
VysledekPrizpusobeni PrizpusobEmisivitu(const Uloha& u, std::span<const BodMereni> log);

// The charge temperature of a run at a time, linear between its rows; none past its last row.
std::optional<double> TeplotaVCase(const Vysledek& v, double cas);

}  // namespace zorvet
