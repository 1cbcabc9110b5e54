// Transient heat conduction through one piece of the charge, so the program can tell when the
// core of a thick piece reaches the final temperature (the lumped march sees one charge
// temperature only).
//
// A long bar: conduction runs in the cross-section only, the end faces are neglected. A round
// bar ('K') is computed radially, a square ('C') or rectangle ('O') in two dimensions, or in one
// when only faces of one pair are heated (then the heat flows across that pair only). A plate
// stays two-dimensional: in a thin, well-conducting plate the heat of the narrow faces reaches
// the middle many thicknesses away.
//
// A piece with heated end faces (plochyAB > 0) is computed with its length L: axisymmetric in r
// and z for a round bar, in three dimensions for a square or rectangle (a direction without a
// heated face drops out, so one heated pair plus the ends is two-dimensional). It keeps the
// section alone only where the ends cannot matter: when L / plochyAB >= 5 sqrt(a t), t the core
// time of the section alone and a the largest diffusivity met (the heat of the ends then changes
// the coldest point by under 1e-3 of its excess). The ends count for more than one might expect:
// a round bar of 250 mm, eps 0.8, c 460, lambda 30, from 20 to 900 degrees C in a furnace at
// 1000, reaches the core temperature 28 % sooner at L = D than its section alone, 9.5 % at
// L = 2D, 2.7 % at 3D, 0.6 % at 4D (much the same with the carbon-steel curves).
//
// Properties that depend on temperature (krivkaC, krivkaLambda) and pieces computed with their
// length take an explicit finite-volume march in enthalpy: each node stores its enthalpy, the
// fluxes are differences of the Kirchhoff potential (the integral of lambda), so the heat that
// enters through the faces stays in the piece exactly, however sharp the peak of c. The long
// bar of constant properties takes it too where it costs less than the implicit march (split
// backward Euler), which keeps the stiff cases: a huge lambda, fine cells against long steps.
//
// The grid is symmetric where the heating is: a direction heated on both faces is computed to
// its middle, and in two or three dimensions one heated on one face is graded from that face
// as the half of a piece twice as deep, fine where the heat enters and coarser inwards.
//
// Grids and steps are the march's own, chosen for the accuracy of the core time (about 0.1 %),
// not by the user's step: two grids (16 and 8 intervals along a single direction, 6 and 3 along
// the least depth of a section or a piece, the other directions graded from it) march
// side by side, and each row is extrapolated to the vanishing cell (Richardson, the error being
// of the second order in the spacing). Each grid takes internal steps sized by their local error
// against a tolerance of 1e-4 of the temperature scale that decides the core time; a step never
// crosses a user step whose furnace differs, and the rows are read off at the user's steps
// (povrch, jadro, pec, stredni: one value per user step; the core time is the first user step
// whose core reached tk). zjemneni refines both: the cells by its factor, the tolerance by its
// fourth power.
//
// The power limit (prikon > 0): while the heated faces would take more than prikon at the
// furnace's own temperature, the furnace of the step is the cooler one at which they take just
// prikon, by the march's own surface law (radiation and convection times koefK, over the faces
// with their own temperatures); so the piece receives exactly prikon while the limit holds, and
// the furnace meets pec(k) continuously where it ends.
#pragma once

#include <functional>
#include <vector>

namespace zorvet {

class Vlastnosti;

struct ZadaniVedeni {
    char profil = 'O';          // 'K', 'C', 'O'
    double a = 0.0;             // m: diameter ('K') or side A
    double b = 0.0;             // m: side B ('O' only)
    bool plast = false;         // 'K': mantle heated
    int plochyAL = 0;           // 'C': heated long faces 0..4 (3 = all but one, 2 = two opposite);
                                // 'O': heated faces of width A (A*L, normal along B), 0..2
    int plochyBL = 0;           // 'O': heated faces of width B (B*L, normal along A), 0..2
    int plochyAB = 0;           // heated end faces of one piece (A*B, or the round ends), 0..2
    double delka = 0.0;         // m: length L of one piece; used when plochyAB > 0
    double lambda = 0.0;        // W/(m K)
    double c = 0.0;             // J/(kg K)
    double hustota = 0.0;       // kg/m3
    // Curves of the material in place of the constants (c, or lambda), when set; the density
    // stays hustota. Not owned; they must outlive SpoctiVedeni.
    const Vlastnosti* krivkaC = nullptr;       // c(T)
    const Vlastnosti* krivkaLambda = nullptr;  // lambda(T); it must hold a conductivity
    // J/(kg K) added to c or to c(T): what heats with the charge at its temperature (fixtures),
    // spread evenly through the piece, per kilogram of the piece; 0 for nothing.
    double cNavic = 0.0;
    double eps = 0.0;           // emissivity, 0..1
    double koefK = 1.0;         // reduction factor of the heated surface, 0..1
    double konvekce = 15.0;     // W/(m2 K): convective coefficient added to the radiative one
    double tv = 0.0, tk = 0.0;  // degrees C, initial and final
    double krok = 0.0;          // s, time step
    long maxKroku = 0;          // give up after this many steps
    std::function<double(long k)> pec;  // the furnace's own temperature of step k (k >= 1), degrees C
    // W: the most heat this piece may take through its heated faces (0: unlimited). While the
    // faces would take more at pec(k), the furnace is the cooler one at which they take exactly
    // this. It needs the length L (delka) of the piece, also when its ends are not heated.
    double prikon = 0.0;
    // Refinement for convergence checks, 1..16: multiplies the cells per direction and divides
    // the error tolerance of the internal steps by its fourth power.
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
    // Per step 0..last: the furnace temperature the piece saw at the step's end (row 0: at the
    // start of step 1), degrees C: pec(k), or the cooler one the power limit gives.
    std::vector<float> pec;
    // Per step 0..last: the temperature of the piece's mean enthalpy, degrees C: the one
    // temperature a charge holding the same heat would have.
    std::vector<float> stredni;
    double omezenoDo = 0.0;     // s: the end of the last step the power limited; 0 for none
    long uzlu = 0;              // nodes of the grids computed
    long vnitrnichKroku = 0;    // internal steps taken on them
};

// Marches the piece from tv, step k ending at k*krok with the furnace at pec(k).
// NeplatneZadani (nothing computed) for: an unknown profile, no heated face, a face count out
// of range, a dimension (L when plochyAB > 0), lambda, c, density or krok that is not finite or
// not within 1e-9..1e9 (SI units; so zero and negative values too), a krivkaLambda without a
// conductivity, zjemneni outside 1..16, a negative maxKroku, eps or koefK outside 0..1, konvekce
// not finite or outside 0..1e9, a missing pec, or a temperature that is not finite, below
// absolute zero or above 1e5 degrees C. c and lambda are not looked at where a curve stands in
// for them. A pec value that is invalid in the same sense stops the march with NeplatneZadani,
// keeping the rows computed before that step. tk == tv is reached at step 0. The core is the
// coldest point when heating (tk > tv), the hottest when cooling.
VysledekVedeni SpoctiVedeni(const ZadaniVedeni& z);

// m2: the heated surface of one piece, the faces its counts name (the long faces with the
// length delka); 0 for an unknown profile.
double OhrevanaPlocha(const ZadaniVedeni& z);

// Bi = alfaMax * (objem / plocha) / lambda; alfaMax in W/(m2 K), objem in m3, plocha in m2.
// 0 when an input is not finite, plocha or lambda is not positive, or alfaMax or objem is negative.
double BiotovoCislo(double alfaMax, double objem, double plocha, double lambda);

}  // namespace zorvet
