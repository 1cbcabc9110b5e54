// The rule that accepts a case for computing: the dialog's OK and Cancel, opening a file with a
// problem to compute, a value a goal seek found and every computation of the pipeline apply it.
#pragma once

#include <optional>

#include "model/case/pole.h"

namespace zorvet {

// OK compares the surface with the total surface at three decimals; Cancel, which takes a
// complete problem without a word, compares them as they are. A run to a time (fitting a log)
// is OK's rule without the final temperature's place above the start and below the furnace.
enum class Pravidlo { Ok, Storno, DoCasu };

// The values first (ZkontrolujHodnoty), then a sound property curve, the completeness (a zero
// temperature), a final temperature above the start, in mode "V" a surface made of counted
// faces that the dimensions do not give, a mass the dimensions and the density do not give (at
// the 7 significant digits a file holds) and a surface greater than the total surface of the
// pieces, a core to compute whose pieces have no face counted (model/conduction/jadro.h), and
// last whether the furnace ever gets hot enough: a charge must heat up to Tk, which
// needs a furnace temperature (uncontrolled) or a curve point (controlled) above Tk. The first
// fault, or none. The total surface is taken from the dimensions, not from the record.
std::optional<Zavada> PrijmiUlohu(const Uloha& u, Pravidlo pravidlo = Pravidlo::Ok);

}  // namespace zorvet
