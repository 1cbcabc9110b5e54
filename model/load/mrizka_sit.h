// The finite-volume grid of one piece of an array (model/load/mrizka.h); shared by mrizka.cpp
// and mrizka_sit.cpp only.
#pragma once

#include <cstdint>
#include <vector>

namespace zorvet {

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

}  // namespace zorvet
