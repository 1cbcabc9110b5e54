// Planning a load: the value that meets a cycle time (goal seek) and the emissivity that matches
// a measured log (fit), read at the surface, in the core or as the charge's single temperature. Both compute every trial through the pipeline (model/pipeline/vypocet.h); a sweep
// is in model/planning/rozmitani.h.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <utility>

#include "model/case/pole.h"
#include "model/pipeline/vypocet.h"

namespace zorvet {

// Why a quantity of a case cannot be sought or swept.
enum class Nemenitelna {
    Ne,            // it can
    NeniVelicina,  // it is no number of the case that a sweep or goal seek varies
    Pripadem,      // a value of it would not act in this case: its field's text says why
                   // (PopisPole::nemenitelna: a controlled furnace, the mass from the dimensions)
};
// Whether a sweep, a goal seek or an option can vary the quantity in the case: the field's
// condition (PopisPole::menitelna).
Nemenitelna LzeMenit(const Uloha& u, Velicina velicina);

enum class KonecHledani {
    Nalezeno,    // hodnota meets the time
    Nelze,       // no value of the field's range can (the time is too short, or would need a
                 // furnace above its hottest)
    Prodlevou,   // the soak alone is as long as the time or longer: no heat-up is short enough
    Prikonem,    // the installed power limits the heating: no value within the range meets the time
    Tabulkou,    // the values that would meet the time need more rows than the table holds
    Nemenitelna, // the quantity cannot be sought for this case (nemenitelna says why)
    Odmitnuto,   // the case itself is refused or fails (reseni says why)
    Preruseno,   // the caller stopped it
};

struct VysledekHledani {
    KonecHledani konec = KonecHledani::Odmitnuto;
    Nemenitelna nemenitelna = Nemenitelna::Ne;
    double hodnota = 0.0;  // in the record's unit (kg, °C, W), rounded as its field gives it
    VysledekVypoctu reseni;  // the case with that value (Nalezeno), or the run that failed
};

// The range a goal seek searches for the field in the case, in the record's unit (CilPole).
std::pair<double, double> RozsahHledani(const PopisPole& pole, const Uloha& u);

// The value of a field that goal seek can find (PopisPole::hledani; Mensi: the largest mass;
// Vetsi: the lowest furnace temperature, the smallest installed power) with which the time of
// the cycle is at most cas seconds, within the field's tolerance of the boundary the time steps
// draw (CilPole), rounded to the field's resolution on the side that meets the time. One search
// for every field: it starts where the field's CilPole says and halves the bracket it finds.
// pokracovat, when given, is asked between trials; false stops the search (Preruseno).
VysledekHledani HledejCil(const Uloha& u, Velicina co, double cas,
                          const std::function<bool()>& pokracovat = {});

// One point of a measured log.
struct BodMereni {
    double cas = 0.0;      // s
    double teplota = 0.0;  // °C of the charge
    std::optional<double> pec;  // °C of the furnace, when it was measured

    bool operator==(const BodMereni&) const = default;
};

// Where the thermocouple of a measured log sits: the single temperature of the charge's run, the
// mean of the heated surface, or the point that heats slowest (of a load: of its slowest piece).
enum class Termoclanek { Vsazka, Povrch, Jadro };

// The emissivities a fit searches.
inline constexpr double kNejmensiEps = 0.001;
inline constexpr double kNejvetsiEps = 1.0;

struct VysledekPrizpusobeni {
    bool uspech = false;
    bool bezJadra = false;  // a surface or core thermocouple, and the case computes no core
    // The best emissivity and its deviation, also when they are no fit: at an end of the range
    // searched (naMezi), or deviating no less than the log's temperatures spread (rozptyl).
    double eps = 0.0;
    double rms = 0.0;  // K, the root mean square of the charge's deviation at the logged times
    bool naMezi = false;
    double rozptyl = 0.0;  // K, the root mean square of the log's temperatures about their mean
    std::shared_ptr<const Vysledek> prubeh;  // the run with that emissivity, to the last logged time
    VysledekVypoctu selhani;  // the run that failed, when none succeeded
};

// The emissivity (0.001 ≤ ε ≤ 1) whose computed temperature where the thermocouple sits matches
// the log best in the least squares at its times; a measured furnace temperature replaces the
// case's (linear between the logged times, held after the last). The log is in time order. A
// surface or core thermocouple needs the core (a conductivity and the pieces' dimensions); its
// runs march the core to the last logged time, past the final temperature. A best emissivity
// within 0.0001 of an end of the range is no fit (the log heats faster or slower than any
// emissivity explains), nor is one whose deviation is no smaller than the log's spread.
VysledekPrizpusobeni PrizpusobEmisivitu(const Uloha& u, std::span<const BodMereni> log,
                                        Termoclanek kde = Termoclanek::Vsazka);

// The temperature of a run where the thermocouple sits at a time, linear between its rows; none
// past the last row of the charge's run or of the core's column.
std::optional<double> TeplotaVCase(const Vysledek& v, double cas, Termoclanek kde = Termoclanek::Vsazka);

// The run as the thermocouple read it, to draw against its log: a copy whose charge column holds
// the thermocouple's temperature, as far as both go.
Vysledek PodleTermoclanku(const Vysledek& v, Termoclanek kde);

}  // namespace zorvet
