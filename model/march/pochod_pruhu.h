// Several cases marched at once, one to each lane of the processor's vectors, every row exactly as
// the march of one case (model/march/pochod.h) computes it: the same operations in the same order
// on the same singles and doubles, lane by lane. Eight lanes of AVX-512 where the processor has
// them, else two groups of four of AVX2. A sweep computes its points this way (SpoctiVice). Only
// the pipeline (model/pipeline/vypocet.h) calls it.
#pragma once

#include <array>
#include <cstddef>
#include <optional>

#include "model/pipeline/vypocet.h"

namespace zorvet {

// The most cases marched at once.
inline constexpr std::size_t kPruhu = 8;

// The case can take a lane: a furnace held at Tpece, one specific heat or a property curve whose
// enthalpy is tabulated (TabulkaEntalpie), with or without an installed power, a march to Tk; and
// the processor has the vector instructions (AVX2 and FMA) the lanes use.
bool DoPruhu(const Uloha& u, const MoznostiBehu& moznosti);

// Marches the accepted cases of v (null for an empty lane) that DoPruhu admits, and answers for
// each lane what Pochod answers: a lane that reaches Tk holds its rows and PocetKroku as Pochod
// leaves them, one that needs a row beyond the table fails as Pochod fails. A lane that meets
// anything else (a value beyond a single, an overshoot, an iteration that does not settle) has
// no answer, and its Vysledek, left as it was given, is for Pochod to march and tell.
// pecOmezenych as MoznostiBehu::pecOmezenych; naJednou: at most so many lanes in one vector
// (4 takes the AVX2 lanes where AVX-512 is there too, for the tests of both).
std::array<std::optional<VysledekVypoctu>, kPruhu> PochodPruhu(const std::array<Vysledek*, kPruhu>& v,
                                                               bool pecOmezenych = true,
                                                               std::size_t naJednou = kPruhu);

}  // namespace zorvet
