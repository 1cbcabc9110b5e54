// The furnace in operation: its three lining parts, its door, and the control of its power.
//
// The furnace temperature is the lining's hot face. While the installed power suffices, the hot
// face follows the set temperature and the furnace draws what the step needs: the heat the charge
// and the fixtures take, what enters the lining, and what the open door radiates. When that is
// more than the installed power, the furnace draws the installed power and its temperature is
// the one at which the needs add up to it (it lags); when the needs are below zero (a hot lining
// giving back more than the charge takes), it draws nothing and its temperature rises above the
// set one until they are zero. Each need rises with the furnace temperature, so that temperature
// is found within a bracket, each trial solving the step of every lining part and of the charge.
#pragma once

#include <array>
#include <vector>

#include "model/furnace/pec.h"
#include "model/furnace/stena.h"
#include "model/furnace/vsazka_pece.h"

namespace zorvet {

// What one step of the furnace did, its heats in J.
struct KrokPece {
    double teplota = 0.0;  // °C the furnace (the hot face) at the end of the step
    double prikon = 0.0;   // W drawn over the step
    TeploVsazky vsazka;    // into the charge and the fixtures
    double vyzdivka = 0.0; // stored in the lining (below zero when it gave heat back)
    double steny = 0.0;    // lost from the outer surfaces
    double dvere = 0.0;    // radiated through the open door
    bool vyreseno = true;  // Newton's method settled (else the step is the last iterate)
};

// The grid of the lining: the longest element, m. The default keeps every answer of the furnace
// within 0.5 % of the converged one at the time steps of a heat-up (docs/user-guide.md).
inline constexpr double kPrvekVyzdivky = 0.01;

class PecVProvozu {
public:
    PecVProvozu(const Pec& pec, const OkoliPece& okoli, double prvek = kPrvekVyzdivky);

    // Every part at the ambient; or in its steady state with the hot face at tf.
    void studena();
    void horka(double tf);
    // The state of the lining (the node temperatures of every part, one after another), and a
    // state to go on from.
    std::vector<double> stav() const;
    void nastavStav(const std::vector<double>& stav);
    double teplota() const;  // °C the hot face
    double teplo() const;    // J held by the lining (differences count)
    double ztrataVen() const;  // W through the outer surfaces in the present state

    // One step of dt seconds: the set temperature, the seconds of it the door stands open, the
    // installed power (W; 0: unlimited) and the charge, which takes the step.
    KrokPece krok(double dt, double nastavena, double otevreno, double prikon, VsazkaVPeci& vsazka);

private:
    double dvere(double tf, double otevreno) const;  // J through the opening

    GeometriePece geometrie_;
    double okoli_;
    std::vector<StenaPece> casti_;
};

}  // namespace zorvet
