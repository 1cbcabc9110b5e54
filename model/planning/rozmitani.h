// A sweep: a case computed for every value of one or two of its quantities, through the pipeline,
// on every core, the points handed over in their order with what a row of the sweep shows.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <vector>

#include "model/case/pole.h"
#include "model/pipeline/vykon.h"
#include "model/pipeline/vypocet.h"

namespace zorvet {

// At most this many points in one sweep.
inline constexpr std::size_t kNejviceBodu = 1000000;

// The values from od towards po in steps of krok (> 0): od, od ± krok, ... as far as po (a value
// within a millionth of a step beyond po still counts), rising or falling as po lies. None for a
// bound that is not finite, a step not over 0, or more than kNejviceBodu values.
std::optional<std::vector<double>> HodnotyRozmitani(double od, double po, double krok);

// One quantity of a sweep: its field and its values in the record's unit.
struct OsaRozmitani {
    const PopisPole* pole = nullptr;
    std::vector<double> hodnoty;
};

// One point as a row of the sweep shows it; its rows are not kept.
struct BodRozmitani {
    std::array<double, 2> hodnoty{};   // the values of its quantities
    VysledekVypoctu vypocet;           // how it ended (without the result)
    double cas = 0.0;                  // s, the charge's heat-up time (when the march succeeded)
    std::optional<double> casJadra;    // s, the core's, when a core was computed and reached
    std::optional<VykonSpotreba> vykon;
    bool spocten = false;              // the march succeeded
};

// The number of points: the product of the axes' values.
std::size_t PocetBodu(std::span<const OsaRozmitani> osy);

// The case of point i (the last quantity varies fastest).
Uloha UlohaBodu(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i);

// Computes every point on vlaken threads (0: one per core) and hands each to zapis, in order of
// i, on the calling thread; zapis returns false to stop the sweep. Only a bounded window of
// points waits to be handed over, whatever the number of points.
void Rozmitej(const Uloha& zaklad, std::span<const OsaRozmitani> osy,
              const std::function<bool(std::size_t i, const BodRozmitani& bod)>& zapis, unsigned vlaken = 0);

}  // namespace zorvet
