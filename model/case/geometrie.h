// Charge geometry: the total surface, the heat-exchange surface and the mass of
// PocetProfilu equal bars of one profile (circular, square or rectangular).
#pragma once

#include <optional>

#include "model/case/uloha.h"

namespace zorvet {

// Total surface of all pieces in m²; no value without a profile.
std::optional<float> CelkovaPlochaProfilu(const Uloha& u);

// Writes u.A from the counted faces (the counts cover the whole charge).
void TeplosmennaPlocha(Uloha& u);

// Volume of all pieces in m³, in double precision; no value without a profile.
std::optional<double> ObjemKusu(const Uloha& u);

// Writes u.m = volume × density (hustota in kg/m³).
void HmotnostZRozmeru(Uloha& u, float hustota);

// What follows from the dimensions of a problem whose mass is computed from them: the total
// surface. The mass stays as the problem holds it (typed, computed by the problem dialog, or read
// from a file); the acceptance rule checks it against the dimensions.
void OdvodUlohu(Uloha& u);

}  // namespace zorvet
