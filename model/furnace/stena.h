// One part of the lining (the walls, the roof or the hearth) as a 1-D transient conduction
// through its layers, with the properties of each refractory at the local temperature.
//
// Finite volumes with the nodes on the hot face, on every boundary between layers and on the
// outer face, and evenly between them within each layer. The heat flow between two nodes of one
// layer is (Φ(Ta) − Φ(Tb)) / R with Φ = ∫k dT (the Kirchhoff transform) and R = ∫dx / S(x) between
// them: in the steady state the flow through each layer is then exactly ∫k dT / ∫dx/S(x), whatever
// k(T) and the area S(x) are, and the node temperatures are those of the exact solution. Each node
// stores the heat of half of each element beside it, at its temperature (enthalpy ∫c dT).
//
// A step is implicit (backward Euler) with the hot face at a given furnace temperature, solved by
// Newton's method; the outer node loses the flux of its outer surface. What enters at the hot
// face equals what the nodes stored plus what left outside, to the tolerance of the solution.
#pragma once

#include <vector>

#include "model/furnace/pec.h"
#include "model/furnace/refraktor.h"
#include "model/furnace/vnejsi.h"

namespace zorvet {

class StenaPece {
public:
    // The elements are at most prvek long (m), at least kMinPrvku a layer.
    static constexpr int kMinPrvku = 3;
    StenaPece(const Vyzdivka& vrstvy, PlochaToku plocha, VnejsiPovrch povrch, double prvek);

    // Every node at one temperature.
    void nastav(double t);
    // The steady state with the hot face at tf.
    void ustal(double tf);
    // The nodes' temperatures, hot face first; and a state to start from (as many nodes).
    const std::vector<double>& teploty() const { return t_; }
    void nastavTeploty(const std::vector<double>& t);

    // One step of dt seconds, solved together with the furnace temperature (provoz.h): each
    // Newton iteration linearises the step about the tried state with the hot face at tf and
    // tells how the heat entering at the hot face moves with tf; posun() then moves the state to
    // the linear solution with the hot face at tf + dtf. The step stays tried until prijmi()
    // takes it, or zrus() drops it.
    struct Linearizace {
        double teplo = 0.0;    // J entering at the hot face after the iteration, at tf
        double derivace = 0.0; // J/K its change with tf
    };
    Linearizace linearizuj(double dt, double tf);
    // The largest change of a node, K.
    double posun(double dtf);
    // The heat that enters at the hot face over the tried step, J.
    double dovnitr(double dt) const;
    void prijmi();
    void zrus();
    // Of the step taken last: the heat lost from the outer surface, J.
    double ztrata() const { return ztrata_; }
    // The heat held by the nodes, J (from an arbitrary origin; differences count).
    double teplo() const;
    // The heat flow leaving the outer surface at ts, W.
    double tokVen(double ts) const { return plochaVen_ * povrch_.tok(ts); }
    double tepelnyTok() const { return tokVen(t_.back()); }  // W, of the state
    int uzlu() const { return static_cast<int>(x_.size()); }

private:
    // The properties at node i of the refractories on its left (element i − 1) and right.
    void vyhodnot(std::size_t i, double t);
    double energie(std::size_t i, double t) const;
    // The temperature at which element e's potential is phi.
    double teplotaPotencialu(std::size_t e, double phi, double odhad) const;

    std::vector<VlastnostiRefraktoru> materialy_;
    std::vector<double> x_;          // m node depths
    std::vector<std::size_t> mat_;   // each element's refractory
    std::vector<double> r_;          // ∫dx / S over each element, 1/m
    std::vector<double> vl_, vp_;    // m³ of each node's half-elements, left and right
    VnejsiPovrch povrch_;
    double plochaVen_ = 0.0;         // m²
    std::vector<double> t_, zkouska_;
    std::vector<double> eStare_;     // J each node held at the start of the step
    // At each node of the tried state: the potential and conductivity of the refractory on its
    // left and on its right, its heat and heat capacity; the Newton step and the state's
    // change with the hot face.
    std::vector<double> phiL_, kL_, phiP_, kP_, e_, cap_;
    std::vector<double> b_, c_, d_, v_;
    double dt_ = 0.0, ztrata_ = 0.0;
};

}  // namespace zorvet
