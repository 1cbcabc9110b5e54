// The shared state of one Zorvet session: the problem record, the furnace curve,
// the result table and the flags. One Stav is owned by the application (tests make
// fresh ones) and handed to whoever reads or writes it. Every table has a fixed size;
// nothing is allocated per problem or per run.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace zorvet {

// Fixed sizes of the shared tables.
inline constexpr int kPocetRadku = 10001;     // rows 0..10000 of Vysledky and TeplotaPece
inline constexpr int kPosledniRadek = kPocetRadku - 1;
inline constexpr int kPocetBodu = 21;         // points 0..20 of the furnace curve
inline constexpr int kMaxUseku = kPocetBodu - 1;
inline constexpr int kPocetMaterialu = 51;    // records 0..50 of the material database

// Language offsets added to every English string ID.
inline constexpr std::int16_t kAnglicky = 0;
inline constexpr std::int16_t kCesky = 200;

// One point of the furnace curve.
struct UsekKrivky {
    float Teplota = 0.0f;     // °C at this point
    float DobaVydrze = 0.0f;  // s, duration of the segment that starts here
};

using Krivka = std::array<UsekKrivky, kPocetBodu>;

// The problem record: every input of one computation, fields in their declared order.
struct Uloha {
    float Tpece = 0.0f;     // °C furnace temperature (overwritten per step in a controlled run)
    float Tk = 0.0f;        // °C final charge temperature
    float Tv = 0.0f;        // °C initial charge temperature
    float CasKrok = 0.0f;   // s  iteration time step
    std::string NazevMaterialu;
    float m = 0.0f;         // kg mass of the whole charge
    float c = 0.0f;         // J/kg/K specific heat capacity
    float A = 0.0f;         // m² heat-exchange surface
    float Eps = 0.0f;       // emissivity of material and lining together
    std::string Profil;     // "K" circular, "C" square, "O" rectangular
    std::int16_t PocetAB = 0;
    std::int16_t PocetAL = 0;
    std::int16_t PocetBL = 0;
    float StranaA = 0.0f;   // m (diameter D for "K")
    float StranaB = 0.0f;   // m ("O" only)
    float DelkaL = 0.0f;    // m
    std::int16_t PocetProfilu = 0;
    float CelkovaPlocha = 0.0f;    // m² total surface of all pieces
    std::string ZadaniHmotnosti;   // "Z" typed in, "V" computed from the dimensions
    float Gama = 0.0f;      // kg/m³ density
    bool Rizeny = false;    // controlled: the furnace follows Krivka
    std::int16_t PocetKrivek = 0;  // number of curve segments (0 when uncontrolled)
    zorvet::Krivka Krivka{};
    float KoefK = 0.0f;     // reduction factor of the heat-exchange surface, 0..1
};

// The result table: four columns of singles, rows 0..10000.
struct Vysledky {
    std::array<float, kPocetRadku> Cas{};            // s
    std::array<float, kPocetRadku> Odhad{};          // °C, working estimate of the iteration
    std::array<float, kPocetRadku> Alfa{};           // W/m²/K
    std::array<float, kPocetRadku> TeplotaVsazky{};  // °C
};

// One record of the material database.
struct Material {
    std::string Nazev;
    float c = 0.0f;     // J/kg/K
    float Gama = 0.0f;  // kg/m³
};

struct Stav {
    zorvet::Uloha Uloha;
    zorvet::Vysledky Vysledky;
    std::int16_t PocetKroku = 0;                    // index of the last valid result row
    std::array<float, kPocetRadku> TeplotaPece{};   // °C furnace temperature per step
    bool ZadaniUplne = false;
    bool NacitaniSouboru = false;
    std::int16_t Jazyk = kAnglicky;
    std::string Komentar;                           // comment of the last file written or read
    std::array<Material, kPocetMaterialu> Materialy{};
    std::int16_t PocetMaterialu = 0;                // index of the last record in use
    std::string TabulkaEps;                         // emissivity help text
};

// Completeness test: sets and returns Stav::ZadaniUplne.
bool OverZadani(Stav& stav);

}  // namespace zorvet
