// Transient heat conduction through the cross-section of one piece of the charge, so the
// program can tell when the core of a thick piece reaches the final temperature (the lumped
// march sees one charge temperature only).
//
// The piece is a long bar: conduction runs in the cross-section only, the end faces are
// neglected. A round bar ('K') is computed radially, a square ('C') or rectangle ('O') in two
// dimensions, or in one when only faces of one pair are heated (then the heat flows across
// that pair only). A plate stays two-dimensional: in a thin, well-conducting plate the heat of
// the narrow faces reaches the middle many thicknesses away.
#pragma once

#include <functional>
#include <vector>

namespace zorvet {

struct ZadaniVedeni {
    char profil = 'O';          // 'K', 'C', 'O'
    double a = 0.0;             // m: diameter ('K') or side A
    double b = 0.0;             // m: side B ('O' only)
    bool plast = false;         // 'K': mantle heated
    int plochyAL = 0;           // 'C': heated long faces 0..4 (3 = all but one, 2 = two opposite);
                                // 'O': heated faces of width A (A*L, normal along B), 0..2
    int plochyBL = 0;           // 'O': heated faces of width B (B*L, normal along A), 0..2
    double lambda = 0.0;        // W/(m K)
    double c = 0.0;             // J/(kg K)
    double hustota = 0.0;       // kg/m3
    double eps = 0.0;           // emissivity, 0..1
    double koefK = 1.0;         // reduction factor of the heated surface, 0..1
    double konvekce = 15.0;     // W/(m2 K): convective coefficient added to the radiative one
    double tv = 0.0, tk = 0.0;  // degrees C, initial and final
    double krok = 0.0;          // s, time step
    long maxKroku = 0;          // give up after this many steps
    std::function<double(long k)> pec;  // furnace temperature of step k (k >= 1), degrees C
    // Refinement for convergence checks, 1..16: multiplies the cells per direction and the sub-steps
    // (the sub-step error tolerance shrinks by its square, the largest sub-step is krok/zjemneni).
    int zjemneni = 1;
};

enum class KonecVedeni {
    Dosazeno,        // the core reached tk at step krokJadra
    Nedosazeno,      // not reached within maxKroku steps; rows 0..maxKroku
    NeplatneZadani,  // invalid input (or pec returned an invalid temperature); see SpoctiVedeni
};

struct VysledekVedeni {
    KonecVedeni konec = KonecVedeni::NeplatneZadani;
    std::vector<float> povrch;  // per step 0..last: mean temperature of the heated surface, degrees C
    std::vector<float> jadro;   // per step 0..last: core temperature, degrees C
    long krokJadra = -1;        // first step whose core reached tk (Dosazeno), else -1
    double casJadra = 0.0;      // krokJadra * krok, s
};

// Marches the section from tv, step k ending at k*krok with the furnace at pec(k).
// NeplatneZadani (nothing computed) for: an unknown profile, no heated face, a face count out
// of range, a dimension, lambda, c, density or krok that is not finite or not within 1e-9..1e9
// (SI units; so zero and negative values too), zjemneni outside 1..16, a negative maxKroku, eps or
// koefK outside 0..1, konvekce not finite or outside 0..1e9, a missing pec, or a temperature that
// is not finite, below absolute zero or above 1e5 degrees C. A pec value that is invalid in the
// same sense stops the march with NeplatneZadani, keeping the rows computed before that step.
// tk == tv is reached at step 0. The core is the coldest point when heating (tk > tv), the
// hottest when cooling.
VysledekVedeni SpoctiVedeni(const ZadaniVedeni& z);

// Bi = alfaMax * (objem / plocha) / lambda; alfaMax in W/(m2 K), objem in m3, plocha in m2.
// 0 when an input is not finite, plocha or lambda is not positive, or alfaMax or objem is negative.
double BiotovoCislo(double alfaMax, double objem, double plocha, double lambda);

}  // namespace zorvet
