// What the furnace loses outside: its outer surfaces by radiation to the surroundings and by
// natural convection of the room's air (or a convective coefficient the user gives), and its
// opening by radiation while the door stands open.
#pragma once

namespace zorvet {

// The Stefan–Boltzmann constant, W/m²/K⁴ (CODATA 2018, exact in the SI since 2019).
inline constexpr double kSigmaSI = 5.670374419e-8;

// Dry air at atmospheric pressure at a temperature in kelvin: kinematic viscosity (m²/s),
// thermal conductivity (W/m/K) and the Prandtl number.
struct Vzduch {
    double nu = 0.0;
    double k = 0.0;
    double Pr = 0.0;
};
Vzduch VlastnostiVzduchu(double tK);

// Which way an outer surface faces: the side walls, the roof (up) and the hearth (down, the
// furnace standing on legs).
enum class Orientace { Svisla, Nahoru, Dolu };

// The convective coefficient of natural convection, W/m²/K, of a surface at ts in air at ta (°C)
// with the characteristic length l (m): the height of a vertical wall, the area over the
// perimeter of a horizontal one. A surface colder than the air takes the correlation of the
// opposite face (a cold roof is a warm ceiling).
double PrirozenaKonvekce(Orientace o, double l, double ts, double ta);

// One outer surface of the lining.
struct VnejsiPovrch {
    Orientace orientace = Orientace::Svisla;
    double delka = 1.0;    // m characteristic length of the natural convection
    double eps = 0.9;      // emissivity of the outer face
    double konvekce = 0.0; // W/m²/K given; 0: natural convection
    double okoli = 20.0;   // °C ambient air and surroundings

    // The heat flux leaving a face at ts (°C), W/m².
    double tok(double ts) const;
};

// The view factor between two aligned parallel rectangles a × b a distance c apart.
double PohledovyFaktorObdelniku(double a, double b, double c);

// The exchange factor of an opening a × b through a lining of thickness c: its black ends (the
// furnace and the surroundings) see each other directly and by way of the re-radiating jambs,
// (1 + F12) / 2 for ends of equal area.
double FaktorOtvoru(double a, double b, double c);

}  // namespace zorvet
