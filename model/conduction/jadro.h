// The core of a thick charge, computed after the single-temperature march: the conduction
// through the cross-section of one piece (model/conduction/vedeni.h) under the same furnace, with the
// faces the face counts name.
#pragma once

#include "model/case/vysledek.h"

namespace zorvet {

// Computes the core of a successful result whose case has a conductivity (Lambda > 0, or a
// property curve that holds one) and sets vysledek.Jadro (also when the core is not reached in
// time, with krok -1); the outcome is also returned. The face counts of the whole charge are
// spread evenly over its pieces, and the piece that gets the fewest faces heats slowest: of each
// kind of long face it has the count divided by the number of pieces, rounded down, and so of
// the end faces (model/conduction/vedeni.h says when a piece with heated ends is computed with its length).
// With a property curve the conduction takes c(T), and λ(T) unless a conductivity is given. Bi
// uses the largest heat-transfer coefficient of the single-temperature run times the reduction
// factor, the volume of all pieces per heat-exchange surface, and the smallest conductivity
// between the start and the final temperature. The conduction is driven by the set furnace (Tpece
// or the curve); under an installed power the piece takes at most its share of the power left
// after the losses, Prikon / (1 + Ztraty/100) × its heated faces / A, and an array or a bundle
// (the whole load) all of it; the furnace of a step so limited is the one at which the faces take
// just that (Jadro::pec, Jadro::omezenoDo). Without an installed power the core sees the furnace
// of the single-temperature rows. What heats with the charge at its temperature (fixtures,
// model/march/vsazka.h) is spread evenly through the load: it adds its heat capacity per
// kilogram of the charge to c or c(T), so the whole of it is at the load's mean temperature. With
// doKroku >= 0 the core marches at most doKroku steps (a run to a time: the core to the same time).
KonecJadra SpoctiJadro(Vysledek& vysledek, long doKroku = -1);

// Whether a run computes the core: a conductivity is given, or the property curve holds one and
// the pieces have dimensions.
bool MaJadro(const Uloha& u);

// Whether the core has a piece to heat: with the face counts spread over the pieces as above,
// the slowest piece has a face that takes part in the heat exchange. A case whose core has none
// is refused (model/case/prijeti.h) rather than computed without its core.
bool JadroMaPlochy(const Uloha& u);

}  // namespace zorvet
