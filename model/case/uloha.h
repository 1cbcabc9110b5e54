// The case: every input that changes a result. The documented problem record (the charge, the
// material, the temperatures, the time step and the furnace regime), the reduction factor of the
// surface, and what goes beyond it: the conductivity of the charge, its property curve, the
// convection, the installed power of the furnace and the one heat-losses figure. The one
// pipeline (model/pipeline/vypocet.h) computes a case into a result that keeps a copy of it; what each
// input may hold, where a file keeps it and how the windows and the command line name it is in
// the field table (model/case/pole.h). Every value is in SI units (temperatures in °C); the table
// holds the scales the windows and files show.
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

#include "model/case/konstanty.h"
#include "model/furnace/pec.h"
#include "model/properties/vlastnosti.h"

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

// Every input of the case by name: the field table (model/case/pole.h) has one row for each,
// and the files, the dialog, the options, the sweep and goal seek find a field by it. A new
// input is its member of Uloha below and its quantity here, in the table's order.
enum class Velicina {
    TeplotaKrivky, DobaVydrze,
    Tpece, Tv, Tk,
    NazevMaterialu, Gama, c, Eps, KoefK, Lambda,
    ZadaniHmotnosti, Profil, PocetProfilu, StranaA, StranaB, DelkaL, m,
    A, PocetAB, PocetAL, PocetBL,
    CasKrok,
    Prikon, Ztraty, Konvekce,  // the furnace, beyond the documented problem (tab 7)
    // How the load stands in the furnace and its soak (tab 5).
    MrizkaX, MrizkaY, MezeraX, MezeraY, SvazekA, SvazekB, Baleni, Porozita, KefSvazku, Prodleva,
    // The furnace as a thermal system: its description, and its plain numbers.
    PopisPece, Okoli, EpsVnejsi, KonvekceVnejsi, DobaOtevreni, HmotnostPripravku, CPripravku, CenaEnergie,
    // The thickness of one layer of the furnace's lining: no field of the dialog or line of a file
    // (the layers are the furnace's description), a quantity a sweep varies layer by layer.
    TloustkaVrstvy,
    // No quantity: the count of those above. The table has one row for each (pole.cpp checks
    // it as it compiles), so a new quantity without its row does not build.
    PocetVelicin,
};

// Fields of the documented record in their declared order, then those beyond it.
struct Uloha {
    float Tpece = 0.0f;    // °C furnace temperature of an uncontrolled heat-up
    float Tk = 0.0f;       // °C final charge temperature
    float Tv = 0.0f;       // °C initial charge temperature
    float CasKrok = 0.0f;  // s  iteration time step
    std::string NazevMaterialu;
    float m = 0.0f;    // kg mass of the whole charge
    float c = 0.0f;    // J/kg/K specific heat capacity (the one typed, also while a curve gives c(T))
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
    float CelkovaPlocha = 0.0f;  // m² total surface of all pieces (follows from the dimensions)
    zorvet::ZadaniHmotnosti ZadaniHmotnosti = zorvet::ZadaniHmotnosti::Nezvoleno;
    float Gama = 0.0f;             // kg/m³ density
    bool Rizeny = false;           // controlled: the furnace follows Krivka
    std::int16_t PocetKrivek = 0;  // number of curve segments (0 when uncontrolled)
    zorvet::Krivka Krivka{};
    float KoefK = 0.0f;  // reduction factor of the heat-exchange surface, 0..1

    // Beyond the documented record. A case that leaves them at these defaults computes as
    // documented and its files are written as documented.
    float Lambda = 0.0f;           // W/m/K thermal conductivity of the charge; 0: none (no core)
    float Konvekce = static_cast<float>(kKonvekce);  // W/m²/K convective coefficient, added to the radiative one
    float Prikon = 0.0f;           // W installed power of the furnace; 0: unlimited
    std::int16_t Ztraty = 0;       // % heat losses: they raise the power required, and the
                                   // installed power covers them before it heats the charge
    std::optional<VlastnostiMaterialu> Vlastnosti;  // c(T) and λ(T) in place of c and Lambda
    // How the pieces stand in the furnace (model/load/usporadani.h): long bars side by side in an
    // array of MrizkaX pieces a row by MrizkaY rows with clear gaps (0: touching), or round bars
    // packed into a bundle of diameter SvazekA (SvazekB 0) or of SvazekA × SvazekB; 1 × 1 and no
    // bundle is the free piece. Then the soak after the load is at temperature.
    std::int16_t MrizkaX = 1;       // pieces in a row
    std::int16_t MrizkaY = 1;       // rows
    float MezeraX = 0.0f;         // m clear gap between neighbours in a row
    float MezeraY = 0.0f;         // m between rows
    float SvazekA = 0.0f;         // m diameter of a round bundle, or side a; 0: no bundle
    float SvazekB = 0.0f;         // m side b of a rectangular bundle; 0: a round one
    std::int16_t Baleni = 0;      // packing of the bars: 0 square, 1 hexagonal
    float Porozita = 0.0f;        // porosity of the bundle; 0: the packing's
    float KefSvazku = 0.0f;       // W/m/K effective conductivity typed; 0: the model's
    float Prodleva = 0.0f;           // s soak after the slowest point reached Tk
    // The furnace as a thermal system (model/furnace/pec.h), when one is described: its chamber,
    // linings, door and start; and the plain numbers that go with it: the room and the outer
    // surface, the door's time, the fixtures heated with the charge, the price of energy. No
    // furnace: the furnace of the documented problem, a wall at the set temperature.
    std::optional<zorvet::Pec> Pec;
    float Okoli = 20.0f;             // °C ambient
    float EpsVnejsi = 0.9f;          // emissivity of the outer surface
    float KonvekceVnejsi = 0.0f;     // W/m²/K convection outside; 0: natural convection
    float DobaOtevreni = 0.0f;       // s the door stands open at each loading
    float HmotnostPripravku = 0.0f;  // kg fixtures (baskets, trays), at the charge's temperature
    float CPripravku = 500.0f;       // J/kg/K
    float CenaEnergie = 0.0f;        // the price of a kWh; 0: none

    bool operator==(const Uloha&) const = default;

    bool zRozmeru() const { return ZadaniHmotnosti == zorvet::ZadaniHmotnosti::ZRozmeru; }
};

// The number of curve segments a table can hold, whatever the record says.
inline int PocetUseku(const Uloha& u) { return std::clamp<int>(u.PocetKrivek, 0, kMaxUseku); }

// Completeness: a furnace temperature (or a curve), and Tv, Tk, m, A, c, Eps and the time
// step other than zero. A NaN counts as zero.
bool OverZadani(const Uloha& u);

// The highest furnace temperature of the problem: Tpece, or the highest point of the curve.
float NejvyssiTeplotaPece(const Uloha& u);

// The specific heat the charge takes up its heat with: the mean of its property curve between
// Tv and Tk (ΔH / ΔT), else c. What the power frame's energy uses and what the documented line of
// a file shows.
float UcinnaC(const Uloha& u);

}  // namespace zorvet
