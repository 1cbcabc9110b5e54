// The physical constants of the heat-up model, shared by the lumped march, the conduction
// through a thick piece and the geometry.
#pragma once

#include <numbers>

namespace zorvet {

inline constexpr double kKelvin = 273.15;  // °C to K
// The Stefan–Boltzmann constant in W/m²/K⁴ scaled by 1e8: both kelvin temperatures are divided
// by 100 before they are raised to the fourth power.
inline constexpr double kSigma = 5.6697;
inline constexpr double kKonvekce = 15.0;  // W/m²/K the usual convective coefficient, added to the radiative one
inline constexpr double kPi = 3.1415927;  // as the documented formulas round it
inline constexpr double kPiPresne = std::numbers::pi;  // the geometry of the arrangements, as exact as a double

}  // namespace zorvet
