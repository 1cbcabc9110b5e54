// The problem record: every input of one computation, and the rules that decide whether a
// problem may be computed. The application owns the problem being edited; a result keeps a
// copy of the problem it was computed from (model/vysledek.h).
#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>

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
};

using Krivka = std::array<UsekKrivky, kPocetBodu>;

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
    std::string Profil;  // "K" circular, "C" square, "O" rectangular
    std::int16_t PocetAB = 0;
    std::int16_t PocetAL = 0;
    std::int16_t PocetBL = 0;
    float StranaA = 0.0f;  // m (diameter D for "K")
    float StranaB = 0.0f;  // m ("O" only)
    float DelkaL = 0.0f;   // m
    std::int16_t PocetProfilu = 0;
    float CelkovaPlocha = 0.0f;   // m² total surface of all pieces
    std::string ZadaniHmotnosti;  // "Z" typed in, "V" computed from the dimensions
    float Gama = 0.0f;            // kg/m³ density
    bool Rizeny = false;          // controlled: the furnace follows Krivka
    std::int16_t PocetKrivek = 0;  // number of curve segments (0 when uncontrolled)
    zorvet::Krivka Krivka{};
    float KoefK = 0.0f;  // reduction factor of the heat-exchange surface, 0..1
    // W/m/K thermal conductivity of the charge; 0 when not known. Kept beside the material
    // database (Conductivity.lst), never in a problem or results file.
    float Lambda = 0.0f;

    bool operator==(const Uloha&) const = default;
};

inline bool operator==(const UsekKrivky& a, const UsekKrivky& b) {
    return a.Teplota == b.Teplota && a.DobaVydrze == b.DobaVydrze;
}

// The number of curve segments a table can hold, whatever the record says.
inline int PocetUseku(const Uloha& u) { return std::clamp<int>(u.PocetKrivek, 0, kMaxUseku); }

// Completeness: a furnace temperature (or a curve), and Tv, Tk, m, A, c, Eps and the time
// step other than zero. A NaN counts as zero.
bool OverZadani(const Uloha& u);

// The inputs a value check can refuse, named so that the caller can point at the field.
enum class Velicina {
    Tpece, Tv, Tk, CasKrok, m, c, A, Eps, Gama, KoefK,
    StranaA, StranaB, DelkaL, PocetProfilu, PocetAB, PocetAL, PocetBL,
    TeplotaKrivky, DobaVydrze, Lambda,
};

// What is wrong with a value.
enum class Vada {
    NeniKladne,       // zero or negative where no charge can have it (mass, time step, ...)
    MimoRozsah,       // emissivity outside (0, 1], a negative face count
    NulovaDoba,       // a segment of the curve without a duration
    ZapornaDoba,      // a segment of the curve with a negative duration
    NekonecnaHodnota, // not finite
};

struct Zavada {
    Velicina velicina;
    Vada vada;
    int usek = 0;  // the curve segment (1-based) for TeplotaKrivky and DobaVydrze
};

// The curve of a controlled problem: every segment needs a finite end temperature and a
// duration greater than zero (a zero duration would also end the curve of a saved file).
std::optional<Zavada> ZkontrolujKrivku(const Uloha& u);

// Values no charge can have, in the order of the dialog's tabs: only what can give nothing
// but a failure or a meaningless result is refused. The geometry is checked in mode "V".
std::optional<Zavada> ZkontrolujHodnoty(const Uloha& u);

// The rule that accepts a problem for computing.
enum class Prijeti {
    Prijata,
    Neuplna,       // OverZadani failed
    PlochaVetsi,   // mode "V": A greater than the total surface, both at three decimals
    Nedosazitelna, // the furnace never gets as hot as the final temperature
};

// Completeness first, then the surface check of mode "V" (A and CelkovaPlocha rounded to
// three decimals, halves to even), then whether the furnace can ever give Tk: a charge that
// must heat up to Tk needs a furnace temperature (uncontrolled) or a curve point
// (controlled) above Tk.
Prijeti PrijmiUlohu(const Uloha& u);

// The highest furnace temperature of the problem: Tpece, or the highest point of the curve.
float NejvyssiTeplotaPece(const Uloha& u);

}  // namespace zorvet
