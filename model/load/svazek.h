// A bundle of long round bars heated on its outer surface, computed as one homogeneous body: a
// round bundle of diameter D or a rectangular one a x b, of density (1 - phi) rho (or that of the
// steel of the number of bars it is said to hold, spread over its section), the steel's
// c(T), and an effective conductivity k_ef(T) across the bars, from the model below or typed. Its
// core (the coldest bar: the bars are thin against the bundle) comes from the conduction core of
// one piece (model/conduction/vedeni.h), its surface being the bundle's envelope with the eps given.
//
// The effective conductivity: a unit cell of one bar (pitch px along the heat flow, py across),
// cut into strips along the flow that each conduct in series through the steel chord l_s(y) and
// the gap l_g(y) = px - l_s(y) between the bar and the next; in the gap the gas conducts and the
// two facing grey surfaces exchange radiation in parallel, and the strips conduct in parallel
// (adiabatic strips, the construction of the unit-cell models with radiation of Kunii and Smith,
// AIChE J. 6 (1960) 71):
//   k_ef = (1 / py) integral over the cell of px / (l_s / k_s + 1 / (k_g / l_g + h_r)) dy,
//   h_r = 4 sigma T^3 / (2 / eps - 1)   (two parallel grey plates, linearised),
// k_g the conductivity of air, 0.0263 (T / 300 K)^0.8 W/(m K) (a fit within 3.5 % of the tables
// of Incropera et al., Fundamentals of Heat and Mass Transfer, 6th ed., Table A.4, 300-1200 K).
// Touching bars (square or denser packing) conduct steel to steel through the line of contact,
// where the gap closes. Square packing: px = py = d, phi = 1 - pi/4; a larger porosity spreads
// the bars evenly (px = py); a smaller one, down to hexagonal packing (phi = 1 - pi / (2 sqrt 3)),
// packs the rows closer (px = d, py = pi d / (4 (1 - phi))), the strips holding only their own
// bar's chord. Valid for porosities from hexagonal packing to 0.9 and bars of 5-100 mm; it
// neglects the contact resistance of scale and of bars that are not straight, so it is an upper
// estimate where the packing is loose in practice.
#pragma once

#include <functional>
#include <vector>

#include "model/conduction/vedeni.h"

namespace zorvet {

class Vlastnosti;

enum class Baleni { Ctvercove, Sestiuhelne, Porozita };

// The porosity of a packing (Porozita: none, -1).
double PorozitaBaleni(Baleni b);

struct EfektivniVodivost {
    double kef = 0.0;   // W/(m K)
    double kPar = 0.0;  // the parallel bound of the cell's phases, the gap at its widest radiating
    double kSer = 0.0;  // the series bound, the gas alone in the gaps
};
// The model above for bars of diameter d (m) at porosity phi, steel conductivity ks, T in degrees
// C, eps of the bars' surfaces. All zero for inputs out of range.
EfektivniVodivost VodivostSvazku(double d, double phi, double ks, double t, double eps);

struct ZadaniSvazku {
    char tvar = 'K';        // 'K' round bundle, 'O' rectangular
    double a = 0.0, b = 0.0;  // m: D ('K'), or the sides a x b ('O')
    double d = 0.0;         // m: diameter of the bars
    Baleni baleni = Baleni::Ctvercove;
    double porozita = 0.0;  // with Baleni::Porozita
    double kef = 0.0;       // W/(m K) typed; 0: the model
    double lambda = 0.0, c = 0.0, hustota = 0.0;               // of the steel
    const Vlastnosti* krivkaC = nullptr;                       // not owned
    const Vlastnosti* krivkaLambda = nullptr;
    double cNavic = 0.0;    // J/(kg K) added to c or c(T): what heats with the load (ZadaniVedeni)
    double eps = 0.0;       // of the bundle's envelope and of the bars
    double koefK = 1.0, konvekce = 15.0;
    double tv = 0.0, tk = 0.0, krok = 0.0;
    long maxKroku = 0;
    std::function<double(long k)> pec;
    double delka = 0.0;     // m: the heat in J for the whole bundle (0: per metre)
    // W: the most heat the bundle may take through its envelope (0: unlimited); needs delka.
    double prikon = 0.0;
    // Bars in the bundle: its density is theirs spread over its section, so that it holds the
    // steel of exactly that many bars (0: the porosity's share of the section).
    int tyci = 0;
    double prodleva = 0.0;     // s: march on this long past the core's heat-up
};

enum class KonecSvazku { Dosazeno, Nedosazeno, NeplatneZadani };

struct VysledekSvazku {
    KonecSvazku konec = KonecSvazku::NeplatneZadani;
    double porozita = 0.0;
    double kefKonecna = 0.0;   // W/(m K) at tk
    VysledekVedeni vedeni;     // rows: the envelope and the core; krokJadra, casJadra
    // Per step: J that entered since step 0, from the envelope's temperature rows (trapezoids of
    // the flux law at the furnace of the step: second order in the step).
    std::vector<double> teplo;
};

VysledekSvazku SpoctiSvazek(const ZadaniSvazku& z);

}  // namespace zorvet
