// The furnace's cycle and its start. A cycle begins when a cold charge is loaded: the door
// stands open for its time while the charge already heats, the heat-up ends at the first step
// in which the charge reaches its final temperature, and the soak ends at the first step at or
// after the heat-up time plus the soak; then the next charge is loaded at once.
//
// The start says how the lining stands at the loading: hot (its steady state at the set
// temperature of the first step, empty and closed), cold (at the ambient), after a number of
// cycles from cold (marched), or the cyclic steady state: the lining's state at the loading that
// one cycle brings back to itself, found as the fixed point of the cycle by Anderson acceleration
// (H. F. Walker, P. Ni, Anderson acceleration for fixed-point iterations, SIAM J. Numer. Anal. 49
// (2011) 1715-1735, doi:10.1137/10078356X), not by marching cycles until they repeat.
#pragma once

#include <functional>
#include <vector>

#include "model/furnace/pec.h"
#include "model/furnace/provoz.h"

namespace zorvet {

// Where the electric energy of a span went, J: the items add up to the electric energy.
struct BilancePece {
    double elektrina = 0.0;
    double vsazka = 0.0;
    double pripravky = 0.0;
    double vyzdivka = 0.0;  // stored in the lining, below zero when it gave heat back
    double steny = 0.0;
    double dvere = 0.0;

    void pridej(const KrokPece& k, double dt);
};

// How the furnace is run.
struct RezimPece {
    double krok = 10.0;                         // s time step
    std::function<double(long)> nastavena;      // °C the set temperature of step k (k ≥ 0)
    double prikon = 0.0;                        // W installed; 0: unlimited
    double otevreno = 0.0;                      // s the door stands open from the loading
    double prodleva = 0.0;                      // s soak after the heat-up
    long maxKroku = 10000;                      // steps a cycle may take
    bool radky = true;                          // keep every step's values
};

struct CyklusPece {
    bool ohrato = false;     // the charge reached its final temperature within maxKroku
    bool vyreseno = true;    // every step settled
    long krokOhrevu = 0;     // the step in which it did
    long kroku = 0;          // the steps of the cycle (heat-up and soak)
    BilancePece ohrev;       // of the heat-up
    BilancePece cyklus;      // of the whole cycle
    double spicka = 0.0;     // W the highest power drawn in a step of the cycle
    // Step by step from the loading (row 0, before the first step), when asked for.
    std::vector<double> pec, prikon, vsazka;
    static double cas(long k, double dt) { return static_cast<double>(k) * dt; }
};

// One cycle from the state the furnace is in; it leaves the furnace in the state at its end. The
// smooth cycle (spojity) ends its soak after the time at which the charge crossed its final
// temperature, linear within that step, with a last step as long as it takes.
CyklusPece SpoctiCyklus(PecVProvozu& pec, VsazkaVPeci& vsazka, const RezimPece& rezim, bool spojity = false);

struct StartPeceVysledek {
    CyklusPece cyklus;           // the cycle the start leads to
    bool ustaleno = true;        // the cyclic steady state was found (else the last iterate)
    int cyklu = 0;               // the cycles computed (for the cyclic state, the iterations)
    std::vector<double> stav;    // the lining's state at the cycle's loading
};

// The cycle from the description's start. The cyclic steady state is sought from the lining's
// state odhad (one at the loading of a cycle near this one) when it is given, else from the
// steady state at the set temperature.
StartPeceVysledek SpoctiStart(const Pec& popis, const OkoliPece& okoli, VsazkaVPeci& vsazka, const RezimPece& rezim,
                              double prvek = kPrvekVyzdivky, const std::vector<double>* odhad = nullptr);

}  // namespace zorvet
