// The finite-volume grid of one piece of an array (model/pole_kusu.h) and the material table
// of its enthalpy march; shared by pole_kusu.cpp and pole_kusu_sit.cpp only.
#pragma once

#include <cstdint>
#include <vector>

namespace zorvet {

class Vlastnosti;

// Vertex-centred finite volumes of the cross-section, per unit length of the bar. A round bar
// in r and theta: rings of nodes at r = k dr, the centre one node; the rings near the centre
// hold fewer nodes (halved while their spacing along the ring would fall below 0.9 dr), so no
// cell is much thinner than dr. A square bar: an even grid of (n + 1)^2 nodes. The surface
// nodes take the facets' radiation over the pieces of their faces that lie on each facet.
struct SitKusu {
    struct Hrana {
        std::uint32_t a, b;
        double g;  // conductance per unit lambda: face length / node distance
    };
    struct Kousek {
        std::uint32_t uzel;
        std::uint32_t faseta;  // local facet, 0..M-1
        double delka;          // m of the node's face on that facet
    };
    std::vector<double> objem;  // m^2 per node
    std::vector<Hrana> hrany;
    std::vector<Kousek> kousky;
    std::vector<double> plochaUzlu;  // m of face per node (0 inside)
    std::vector<double> vodivostUzlu;  // sum of g of the node's edges
    int fasetNaKus = 0;
    double delkaFasety = 0.0;  // m
};

// Facets per piece and grid at refinement k: round 32k facets, 16k radial intervals; square 32k
// facets, 20k intervals per side.
SitKusu SestavSit(char profil, double d, int zjemneni);
int FasetNaKus(int zjemneni);

// The material over a range of temperatures: the specific enthalpy h(T) (J/kg from 20 degrees C)
// and the Kirchhoff potential Phi(T) (the integral of lambda dT), read back by enthalpy. With
// constant properties both are linear and exact; with curves, h is exact at the points of a
// 0.5 K grid and linear between them, Phi integrated by trapezoids on the same grid, and both
// are read from an even grid of h (one interpolation, no search).
class TabulkaMaterialu {
public:
    TabulkaMaterialu(double c, double lambda, const Vlastnosti* krivkaC, const Vlastnosti* krivkaLambda);

    double entalpie(double t) const;
    // Tabulates dolni..horni with a margin unless the table holds them already; true when it
    // was made anew.
    bool pokryj(double dolni, double horni);
    double teplota(double h) const;
    double potencial(double h) const;
    double tMax() const { return tMax_; }
    double cMin() const { return cMin_; }
    double kappa() const { return kappa_; }  // the largest dPhi/dh = lambda / c

private:
    struct Bod {
        double t, dt, phi, dphi;
    };
    double c_, lambda_;
    const Vlastnosti* krivkaC_;
    const Vlastnosti* krivkaLambda_;
    bool konstantni_;
    std::vector<Bod> body_;
    double tMin_ = 0.0, tMax_ = 0.0, h0_ = 0.0, naBod_ = 0.0, xMax_ = 0.0;
    double cMin_ = 0.0, kappa_ = 0.0;
};

}  // namespace zorvet
