// A sweep: a case computed for every value of one or two of its quantities, through the pipeline,
// on every core, the points handed over in their order with what a row of the sweep shows.
#pragma once

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "model/case/pole.h"
#include "model/pipeline/vykon.h"
#include "model/pipeline/vypocet.h"

namespace zorvet {

// At most this many values of a quantity and points in all: of a sweep of the command line,
// which writes its points as they come, and of the sweep window, which draws them all.
inline constexpr std::size_t kNejviceBodu = 1000000;
inline constexpr std::size_t kNejviceBoduGrafu = 200;

// The values from od towards po in steps of krok (> 0): od, od ± krok, ... as far as po (a value
// within a millionth of a step beyond po still counts), rising or falling as po lies. None for a
// bound that is not finite, a step not over 0, or more than nejvice values.
std::optional<std::vector<double>> HodnotyRozmitani(double od, double po, double krok,
                                                    std::size_t nejvice = kNejviceBodu);

// The layer of the furnace's lining whose thickness a quantity of the field TloustkaVrstvy is: the
// part and the layer from the hot face, from 1. The walls' layer is the roof's and the hearth's
// too where they are lined as the walls; a roof or a hearth of its own lining is named apart.
struct VrstvaOsy {
    CastPece cast = CastPece::Steny;
    int cislo = 0;

    bool operator==(const VrstvaOsy&) const = default;
};

// A quantity a sweep can vary, as the command line and the sweep's CSV name it: a field's name
// ("mass"), or a layer's thickness, "layer2" of the walls, "roof-layer1", "hearth-layer1".
struct Rozmitana {
    const PopisPole* pole = nullptr;
    VrstvaOsy vrstva{};
};
std::optional<Rozmitana> RozmitanaNazvu(std::string_view nazev);
std::string NazevRozmitane(const PopisPole& pole, VrstvaOsy vrstva);
// The layers of the case's lining a sweep can vary, by name: the walls' from the hot face out,
// then those of a roof and a hearth lined on their own; none without a furnace.
std::vector<std::string> VrstvyRozmitani(const Uloha& u);
// The value of the quantity in the case, in the record's unit; and the case with another.
double HodnotaRozmitane(const Uloha& u, const PopisPole& pole, VrstvaOsy vrstva);
void NastavRozmitanou(Uloha& u, const PopisPole& pole, VrstvaOsy vrstva, double hodnota);

// One quantity of a sweep: its field (and layer) and its values in the record's unit.
struct OsaRozmitani {
    const PopisPole* pole = nullptr;
    std::vector<double> hodnoty;
    VrstvaOsy vrstva{};
};

// One quantity as it was asked for: its field (and layer) and its range in the record's unit.
struct RozsahOsy {
    const PopisPole* pole = nullptr;
    double od = 0.0;
    double po = 0.0;
    double krok = 0.0;
    VrstvaOsy vrstva{};
};

// Why the quantities of a sweep are refused, in the order they are checked: for each, whether a
// value of it acts in the case (model/planning/planovani.h: LzeMenit), whether the lining has the
// layer (a roof or a hearth lined as the walls has none of its own), whether an earlier one is
// the same, whether its range gives 1 to nejvice values; then whether all give at most nejvice
// points.
enum class VadaOs { Zadna, Nemenitelna, BezVrstvy, JakoSteny, Dvakrat, Rozsah, Bodu };

struct OsyRozmitani {
    std::vector<OsaRozmitani> osy;
    VadaOs vada = VadaOs::Zadna;
    std::size_t osa = 0;   // the quantity refused
    std::size_t bodu = 0;  // the points of all (VadaOs::Bodu)
};

// The quantities of a sweep of the case, checked as above: one rule for the window and the
// command line, each with its own most points.
OsyRozmitani PripravOsy(const Uloha& zaklad, std::span<const RozsahOsy> rozsahy, std::size_t nejvice);

// One point as a row of the sweep shows it; its rows are not kept.
struct BodRozmitani {
    std::array<double, 2> hodnoty{};   // the values of its quantities
    VysledekVypoctu vypocet;           // how it ended (without the result)
    double cas = 0.0;                  // s, the charge's heat-up time (when the march succeeded)
    std::optional<double> casJadra;    // s, the core's, when a core was computed and reached
    std::optional<VykonSpotreba> vykon;
    std::optional<double> casCyklu;    // s, the decisive time and the soak, with a soak
    std::optional<double> teploProdlevy;  // J, what entered the load during the soak
    bool spocten = false;              // the march succeeded
};

// The number of points: the product of the axes' values.
std::size_t PocetBodu(std::span<const OsaRozmitani> osy);

// The case of point i (the last quantity varies fastest).
Uloha UlohaBodu(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i);

// Computes every point on vlaken threads (0: one per core) and hands each to zapis, in order of
// i, on the calling thread; zapis returns false to stop the sweep. Only a bounded window of
// points waits to be handed over, whatever the number of points.
void Rozmitej(const Uloha& zaklad, std::span<const OsaRozmitani> osy,
              const std::function<bool(std::size_t i, const BodRozmitani& bod)>& zapis, unsigned vlaken = 0);

}  // namespace zorvet
