// The heat-up of a load of long bars lying side by side (model/load/pohledove_faktory.h): every
// piece conducts in its cross-section (round bars in r and theta, square bars in x and y) and
// its faces exchange radiation with each other and with the furnace (model/load/salani.h), plus
// convection on every face; the whole net flux times the reduction factor koefK, which keeps
// the meaning of the free piece: a face that sees only the furnace takes
// koefK (eps sigma (Tf^4 - Ts^4) + h (Tf - Ts)). Touching pieces (a gap of 0) exchange only
// radiation: no heat is conducted through the contact (a line for round bars; for square bars
// the faces in contact are two grey plates with nothing between them).
//
// Long bars: the end faces are neglected. Where they are counted (plochyAB > 0, with the length),
// the result says whether they could matter, by the rule of the conduction core of one piece
// (model/conduction/vedeni.h): they cannot when L / plochyAB >= 5 sqrt(a t), t the load's core time and a
// the largest diffusivity met. A caller that counts them computes such a load otherwise.
//
// A 1 x 1 array is a free piece: the caller computes it with the conduction core of one piece
// (SpoctiVedeni), so that it stays exactly today's; JeVolnyKus tells when. This solver agrees
// with that core for one piece within its own accuracy.
//
// The march: each node stores its specific enthalpy; the flux between two nodes is their
// conductance times the difference of the Kirchhoff potential (the integral of lambda), so the
// heat that enters through the faces stays in the load exactly (to rounding), with c(T) and
// lambda(T) of the curves or constant properties. Runge-Kutta-Legendre steps of second order
// (Meyer, Balsara, Aslam, J. Comput. Phys. 257 (2014) 594, doi:10.1016/j.jcp.2013.08.021), the
// radiosities solved anew at every stage, so conduction and exchange advance together. Mirror
// symmetry: only the pieces of one quarter of the array are computed, of a square array with equal
// gaps those on and above the quarter's diagonal (Symetrie).
//
// Under a power limit (prikon, W for the whole load) the furnace temperature of every stage is
// the one at which the whole load takes exactly prikon, when the furnace's own pec(k) would give
// more; so while the limit holds the load takes prikon through every step.
#pragma once

#include <functional>
#include <vector>

#include "model/load/pohledove_faktory.h"

namespace zorvet {

class Vlastnosti;

struct ZadaniMrizky {
    Usporadani usporadani;
    double lambda = 0.0;   // W/(m K), unless krivkaLambda
    double c = 0.0;        // J/(kg K), unless krivkaC
    double hustota = 0.0;  // kg/m3
    const Vlastnosti* krivkaC = nullptr;       // not owned; must outlive SpoctiMrizku
    const Vlastnosti* krivkaLambda = nullptr;  // must hold a conductivity
    double cNavic = 0.0;   // J/(kg K) added to c or c(T): what heats with the load (ZadaniVedeni)
    double eps = 0.0;        // emissivity of the faces (material and lining together), 0..1
    double koefK = 1.0;      // reduction factor, 0..1
    double konvekce = 15.0;  // W/(m2 K) on every face
    double tv = 0.0, tk = 0.0;  // degrees C
    double krok = 0.0;          // s, the user's time step
    long maxKroku = 0;
    std::function<double(long k)> pec;  // furnace temperature of step k (k >= 1), degrees C
    double delka = 0.0;   // m, length of the bars: the load's heat in J and its power (0: per metre)
    double prikon = 0.0;  // W, the most the whole load may take (0: unlimited); needs delka > 0
    int plochyAB = 0;     // end faces counted per piece, 0..2 (see above); needs delka > 0
    double prodleva = 0.0;   // s: march on this long past the heat-up of the slowest point
    int zjemneni = 1;     // 1..4: multiplies the facets and cells per direction
    bool symetrie = true; // compute the pieces of the array's symmetry only (off: every piece, for checks)
};

enum class KonecMrizky {
    Dosazeno,        // the slowest point reached tk (rows go on through the soak, within maxKroku)
    Nedosazeno,      // not within maxKroku steps; rows 0..maxKroku
    NeplatneZadani,  // invalid input, nothing computed
    NeplatnaPec,     // pec returned an invalid temperature; rows before that step kept
};

struct VysledekMrizky {
    KonecMrizky konec = KonecMrizky::NeplatneZadani;
    int radku = 0, sloupcu = 0;  // ny, nx; piece (r, c) at index r * nx + c
    // Per piece, per step 0..last: the core (coldest point; hottest when cooling) and the mean
    // surface temperature, degrees C.
    std::vector<std::vector<float>> jadro, povrch;
    std::vector<float> nejpomalejsi;  // per step: the slowest point of the whole load
    std::vector<float> pec;           // per step: the furnace temperature (at the step's start)
    std::vector<double> teplo;        // per step: J that entered the load since step 0 (J/m with delka 0)
    std::vector<double> entalpie;     // per step: J the load holds above its state at step 0 (so)
    std::vector<long> krokKusu;       // per piece: first step its core reached tk, else -1
    long krokJadra = -1;              // the slowest point of the load reached tk (Dosazeno)
    double casJadra = 0.0;            // s
    PolohaKusu nejpomalejsiKus, nejrychlejsiKus;
    long krokNejrychlejsiho = -1;
    double casNejrychlejsiho = 0.0;  // s: the first piece whose core reached tk
    double omezenoDo = 0.0;          // s: end of the last step the power limited; 0 for none
    bool konceRozhoduji = false;     // counted end faces could shorten the time (see above)
};

// Whether the array is one free piece, which the caller computes with SpoctiVedeni.
bool JeVolnyKus(const ZadaniMrizky& z);

VysledekMrizky SpoctiMrizku(const ZadaniMrizky& z);

// The cycle: the heat-up of the slowest point plus the soak, and the heat that still enters the
// load during the soak (the rows from the heat-up step to the end of the soak).
enum class KonecProdlevy { Spocteno, NedosazenoJadro, KratkyBeh, NeplatnaProdleva };
struct Prodleva {
    KonecProdlevy konec = KonecProdlevy::NeplatnaProdleva;
    double casCyklu = 0.0;  // s
    double teplo = 0.0;     // J (as the rows)
    long krokKonce = -1;    // the row that ends the soak
};
// teplo: heat entered per step from step 0; krokOhrevu: the heat-up step; prodleva in s, at least 0.
// The soak ends at the first step at or after the heat-up time plus prodleva.
Prodleva SpoctiProdlevu(const std::vector<double>& teplo, double krok, long krokOhrevu, double prodleva);

}  // namespace zorvet
