// Charge geometry: the total surface, the heat-exchange surface and the mass of
// PocetProfilu equal bars of one profile ("K" circular, "C" square, "O" rectangular).
#pragma once

#include <optional>

#include "model/uloha.h"

namespace zorvet {

inline constexpr double kPi = 3.1415927;

// Total surface of all pieces in m²; no value for an unknown profile.
std::optional<float> CelkovaPlochaProfilu(const Uloha& u);

// Writes u.A from the counted faces (the counts cover the whole charge).
void TeplosmennaPlocha(Uloha& u);

// Volume of all pieces in m³, in double precision; no value for an unknown profile.
std::optional<double> ObjemKusu(const Uloha& u);

// Writes u.m = volume × density. The density is the number the caller converted from
// the density field's text at the moment of the call (not Uloha::Gama).
void HmotnostZRozmeru(Uloha& u, float hustota);

}  // namespace zorvet
