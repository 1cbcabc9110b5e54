// The grids of the conduction through one piece (model/conduction/vedeni.h), the flux law of its heated
// faces with the power limit, and the furnace as the marches read it: what the implicit march
// (vedeni_rez.cpp) and the enthalpy march (vedeni_teleso.cpp) share.
#pragma once

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/case/konstanty.h"
#include "model/conduction/vedeni.h"

namespace zorvet::vedeni {

inline constexpr double kMaxTeplota = 1.0e5;  // degrees C; keeps the fourth powers far from overflow
inline constexpr double kMinHodnota = 1.0e-9;  // bounds of dimensions, lambda, c, density and krok (SI units)
inline constexpr double kMaxHodnota = 1.0e9;
inline constexpr int kMaxZjemneni = 16;
inline constexpr double kNekonecno = std::numeric_limits<double>::infinity();

inline bool platnaTeplota(double t) { return std::isfinite(t) && t >= -kKelvin && t <= kMaxTeplota; }

// (T/100)^4 in kelvin; clipped at absolute zero so the flux stays monotone.
inline double ctvrta(double t) {
    const double k = std::max(t + kKelvin, 0.0) / 100.0;
    const double k2 = k * k;
    return k2 * k2;
}

// Heat flux into a heated face, W/m2, at the local surface temperature ts:
// koefK (konvekce (Tf - Ts) + eps sigma (F(Tf) - F(Ts))) = koefK (g(Tf) - g(Ts)), F the fourth
// power above. Written as a flux rather than alfa * (Tf - Ts), so nothing divides by Tf - Ts.
//
// The power limit caps the mean flux density over the heated faces at tokMax: when the faces,
// whose area-weighted mean of g(Ts) is G, would take more at the furnace's own temperature,
// the furnace is the Tf with koefK (g(Tf) - G) = tokMax.
class Prestup {
public:
    Prestup(const ZadaniVedeni& z, double tokMax)
        : koef_(z.koefK), konvekce_(z.konvekce), es_(z.eps * kSigma),
          tokMax_(tokMax > 0.0 && z.koefK > 0.0 && (z.konvekce > 0.0 || z.eps > 0.0) ? tokMax : 0.0) {}

    void nastav(double tf) {
        tf_ = tf;
        zf_ = ctvrta(tf);
    }
    double tf() const { return tf_; }
    // The lowest and highest of tv and the furnace temperatures so far: the exact solution
    // stays between them (maximum principle), so the Newton iterates and the extrapolated
    // sub-step, whose stiff components may overshoot slightly, are kept there too.
    void meze(double dolni, double horni) {
        dolni_ = dolni;
        horni_ = horni;
    }
    double tok(double ts) const { return koef_ * (konvekce_ * (tf_ - ts) + es_ * (zf_ - ctvrta(ts))); }
    // d tok / d ts; never positive, so the face equations have one root.
    double derivace(double ts) const {
        const double k = std::max(ts + kKelvin, 0.0) / 100.0;
        return -koef_ * (konvekce_ + es_ * 0.04 * k * k * k);
    }
    double omez(double ts) const { return std::clamp(ts, dolni_, horni_); }

    bool omezeni() const { return tokMax_ > 0.0; }
    double tokMax() const { return tokMax_; }
    double g(double t) const { return konvekce_ * t + es_ * ctvrta(t); }
    // The furnace temperature at which faces of the mean G take exactly tokMax (infinite
    // without a limit); Newton from start, which the convexity of g brings down to the root.
    double mezniPec(double stredniG, double start) const;
    // The furnace of faces of the mean G under the furnace's own temperature pec.
    double pecPro(double pec, double stredniG) const {
        return omezeni() && koef_ * (g(pec) - stredniG) > tokMax_ ? mezniPec(stredniG, pec) : pec;
    }

private:
    double tf_ = 0.0, koef_ = 0.0, konvekce_ = kKonvekce, es_ = 0.0, zf_ = 0.0, tokMax_ = 0.0;
    double dolni_ = -kKelvin, horni_ = kMaxTeplota;
};

// One direction of the grid, vertex-centred finite volumes: nodes 0 and n lie on the faces, so
// the flux law sees the local surface temperature without extrapolation.
struct Osa {
    int n = 0;                       // intervals; nodes 0..n
    std::vector<double> kapacita;    // rho c * control volume of each node
    std::vector<double> vodivost;    // lambda * face / spacing between nodes p and p+1
    std::vector<double> delka;       // geometric control length (Cartesian; weights of surface means)
    double rozestup = 0.0;           // m, the smallest node spacing
    double plocha0 = 0.0, plochaN = 0.0;  // area of the end faces (per unit of the other directions)
    bool ohrev0 = false, ohrevN = false;
};

// One direction of a grid: a side of the section, the radius, or the length of the piece.
struct Smer {
    double delka = 0.0;  // m; the radius of a round bar
    int ohrevy = 0;      // heated faces, 0..2 (the radius: its mantle, 0..1)
    bool radialni = false;

    // How deep the heat goes: from a heated face to the middle, or to the unheated face.
    double hloubka() const { return radialni || ohrevy < 2 ? delka : delka / 2.0; }
};

// The directions the heat flows in: those of the section with a heated face
// (the radius of a round bar with its mantle heated), and the length when sKonci and the ends
// are heated. Empty when the faces give no computable piece.
std::vector<Smer> smeryTepla(const ZadaniVedeni& z, bool sKonci);

// The grids of the directions, in osy[0..smery.size()), with `deleni` intervals along the least
// depth (vedeni_sit.cpp).
void sestavOsy(const std::vector<Smer>& smery, int deleni, double rc, double lambda, Osa* osy);

// The furnace's own temperature per step, each value asked of pec once; NaN for one that is no
// valid temperature.
class Pec {
public:
    explicit Pec(const ZadaniVedeni& z) : z_(z) {}
    double operator()(long k);
    // The last step of k..kDo (k <= kDo <= maxKroku) whose furnace is that of step k.
    long konecUseku(long k, long kDo);

private:
    const ZadaniVedeni& z_;
    std::vector<double> hodnoty_{0.0};  // by step; index 0 unused
};

}  // namespace zorvet::vedeni
