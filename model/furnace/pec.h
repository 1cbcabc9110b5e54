// The furnace as a thermal system: the chamber, its lining of layers (walls, roof and hearth),
// the door, and how the lining stands when the charge is loaded; apart from it, the room around
// the furnace and its outer surface. Every value in SI units, temperatures in °C; the values a
// person types are singles, as in the case, which holds the furnace's plain numbers (the ambient,
// the outer surface, the door's time, the fixtures) as fields of their own.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "model/furnace/refraktor.h"
#include "model/furnace/vnejsi.h"

namespace zorvet {

// One layer of a lining: a refractory and its thickness.
struct Vrstva {
    Refraktor Material;
    float Tloustka = 0.0f;  // m

    bool operator==(const Vrstva&) const = default;
};

// The layers of a lining from the hot face out.
using Vyzdivka = std::vector<Vrstva>;

// The area through which the heat flows at a depth x in the lining: the inner area at every depth
// (a plane wall), or the offset box with rounded edges and corners.
enum class PlochaSten { Vnitrni, Zaoblena };

// How the lining stands when the charge is loaded: in its steady state at the set temperature of
// the start, empty and closed (hot); everything at the ambient (cold); after a number of cycles
// from cold; or as it comes back to at the start of every cycle (the cyclic steady state).
enum class StartPece { Horky, Studeny, PoCyklech, Cyklicky };

struct Pec {
    float Sirka = 0.0f;    // m inner width W
    float Hloubka = 0.0f;  // m inner depth D
    float Vyska = 0.0f;    // m inner height H
    Vyzdivka Steny;        // the side walls
    Vyzdivka Strop;        // the roof; none: as the walls
    Vyzdivka Nistej;       // the hearth; none: as the walls
    PlochaSten Plocha = PlochaSten::Zaoblena;
    float DvereSirka = 0.0f;      // m door (an opening through the walls' lining); 0: none
    float DvereVyska = 0.0f;      // m
    StartPece Start = StartPece::Horky;
    std::int16_t Cyklu = 0;       // the cycles from cold before the one computed (PoCyklech)

    bool operator==(const Pec&) const = default;
};

// The room and the outer surface of the lining.
struct OkoliPece {
    double teplota = 20.0;  // °C the ambient air and surroundings
    double eps = 0.9;       // emissivity of the outer surface
    double konvekce = 0.0;  // W/m²/K given outside; 0: natural convection
};

// The three parts of the lining.
enum class CastPece { Steny, Strop, Nistej };
inline constexpr std::array<CastPece, 3> kCastiPece{CastPece::Steny, CastPece::Strop, CastPece::Nistej};

// The lining of a part: the roof and the hearth as the walls unless given.
const Vyzdivka& VyzdivkaCasti(const Pec& p, CastPece cast);
double TloustkaVyzdivky(const Vyzdivka& v);  // m

// The heat-flow area at depth x of a part, S(x) = a + b·x + c·x² (m²).
struct PlochaToku {
    double a = 0.0, b = 0.0, c = 0.0;
    double operator()(double x) const { return a + x * (b + x * c); }
};

// What is wrong with a furnace description: a dimension, a lining without layers, a layer's
// thickness or refractory, the door (one side without the other, or larger than a wall), the
// number of cycles.
enum class VadaPece { Zadna, Komora, BezVrstev, Tloustka, Refraktor, Dvere, Cykly };
struct ZavadaPece {
    VadaPece vada = VadaPece::Zadna;
    CastPece cast = CastPece::Steny;
    int vrstva = 0;
    ZavadaRefraktoru refraktor{};

    bool operator==(const ZavadaPece&) const = default;
};
ZavadaPece ZkontrolujPec(const Pec& p);

// The geometry the physics uses, of a sound description.
struct GeometriePece {
    std::array<double, 3> vnitrni{};     // m² inner area of each part
    std::array<double, 3> tloustka{};    // m of each part's lining
    std::array<PlochaToku, 3> plocha{};  // S(x) of each part
    std::array<VnejsiPovrch, 3> povrch{};
    double plochaDveri = 0.0;   // m²
    double faktorDveri = 0.0;   // the opening's exchange factor
};
// The rounded box S(x) = S0 + 2π(W+D+H)·x + 4π·x² of the offset surface is shared between the
// parts by their inner areas; the plane wall keeps each part's inner area. The side walls'
// natural convection takes the outer height, the roof and the hearth the outer area over its
// perimeter.
GeometriePece Geometrie(const Pec& p, const OkoliPece& okoli);

}  // namespace zorvet
