// The problem record: every input of one computation. The application owns the problem being
// edited; a result keeps a copy of the problem it was computed from (model/vysledek.h). What
// a problem may hold, and the rule that accepts it for computing, are in model/pole.h.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/vlastnosti.h"

namespace zorvet {

// Fixed sizes of the tables.
inline constexpr int kPocetRadku = 10001;  // rows 0..10000 of a result
inline constexpr int kPosledniRadek = kPocetRadku - 1;
inline constexpr int kPocetBodu = 21;  // points 0..20 of the furnace curve
inline constexpr int kMaxUseku = kPocetBodu - 1;

// One point of the furnace curve.
struct UsekKrivky {
    float Teplota = 0.0f;     // °C at this point
    float DobaVydrze = 0.0f;  // s, duration of the segment that starts here

    bool operator==(const UsekKrivky&) const = default;
};

using Krivka = std::array<UsekKrivky, kPocetBodu>;

// The profile of the pieces; a file writes it as "K", "C" or "O".
enum class Profil { Zadny, Kruhovy, Ctvercovy, Obdelnikovy };

// How the mass is given; a file writes it as "Z" or "V", and nothing before it is chosen.
enum class ZadaniHmotnosti { Nezvoleno, Zadana, ZRozmeru };

// Fields in their declared order.
struct Uloha {
    float Tpece = 0.0f;    // °C furnace temperature of an uncontrolled heat-up
    float Tk = 0.0f;       // °C final charge temperature
    float Tv = 0.0f;       // °C initial charge temperature
    float CasKrok = 0.0f;  // s  iteration time step
    std::string NazevMaterialu;
    float m = 0.0f;    // kg mass of the whole charge
    float c = 0.0f;    // J/kg/K specific heat capacity
    float A = 0.0f;    // m² heat-exchange surface
    float Eps = 0.0f;  // emissivity of material and lining together
    zorvet::Profil Profil = zorvet::Profil::Zadny;
    std::int16_t PocetAB = 0;
    std::int16_t PocetAL = 0;
    std::int16_t PocetBL = 0;
    float StranaA = 0.0f;  // m (diameter D of a circular bar)
    float StranaB = 0.0f;  // m (rectangular bar only)
    float DelkaL = 0.0f;   // m
    std::int16_t PocetProfilu = 0;
    float CelkovaPlocha = 0.0f;  // m² total surface of all pieces
    zorvet::ZadaniHmotnosti ZadaniHmotnosti = zorvet::ZadaniHmotnosti::Nezvoleno;
    float Gama = 0.0f;             // kg/m³ density
    bool Rizeny = false;           // controlled: the furnace follows Krivka
    std::int16_t PocetKrivek = 0;  // number of curve segments (0 when uncontrolled)
    zorvet::Krivka Krivka{};
    float KoefK = 0.0f;  // reduction factor of the heat-exchange surface, 0..1
    // W/m/K thermal conductivity of the charge; 0 when not known. Kept beside the material
    // database (MaterialProperties.txt), never in a problem or results file.
    float Lambda = 0.0f;

    // Beyond the documented problem. A problem that leaves them as they are here computes as
    // documented; a file writes them in a section of their own after the documented content,
    // and only when one of them differs from these values.
    float Konvekce = 15.0f;  // W/m²/K convective coefficient, added to the radiative one
    float Prikon = 0.0f;     // kW installed power of the furnace; 0 for unlimited
    std::int16_t ZtratyPrikonu = 0;  // % losses of the installed power
    std::optional<VlastnostiMaterialu> Vlastnosti;  // c(T) and λ(T) in place of c and Lambda

    bool operator==(const Uloha&) const = default;

    bool zRozmeru() const { return ZadaniHmotnosti == zorvet::ZadaniHmotnosti::ZRozmeru; }
    // Whether it uses anything beyond the documented problem.
    bool rozsirena() const { return Konvekce != 15.0f || Prikon != 0.0f || ZtratyPrikonu != 0 || Vlastnosti.has_value(); }
};

// The number of curve segments a table can hold, whatever the record says.
inline int PocetUseku(const Uloha& u) { return std::clamp<int>(u.PocetKrivek, 0, kMaxUseku); }

// Completeness: a furnace temperature (or a curve), and Tv, Tk, m, A, c, Eps and the time
// step other than zero. A NaN counts as zero.
bool OverZadani(const Uloha& u);

// The highest furnace temperature of the problem: Tpece, or the highest point of the curve.
float NejvyssiTeplotaPece(const Uloha& u);

}  // namespace zorvet
