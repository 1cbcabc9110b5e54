// The inputs of a problem, one row each: the control of the problem dialog that shows it and its
// tab, its caption, its line in a problem file with label and unit, the kind of value and the
// values a charge and a furnace can have. The dialog, the file reader and writer, the value
// checks with their messages and the report all walk this table: a new input is a row here
// and its widget. The rule that accepts a problem for computing is here too.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/retezce_id.h"
#include "model/uloha.h"

namespace zorvet {

enum class Velicina {
    TeplotaKrivky, DobaVydrze,
    Tpece, Tv, Tk,
    NazevMaterialu, Gama, c, Eps, KoefK, Lambda,
    ZadaniHmotnosti, Profil, PocetProfilu, StranaA, StranaB, DelkaL, m,
    A, PocetAB, PocetAL, PocetBL,
    CasKrok,
    Prikon, ZtratyPrikonu, Konvekce,  // the furnace, beyond the documented problem (tab 6)
    Ztraty,  // the heat losses of the power shown with a result; no input of the problem
};

enum class DruhPole {
    Cislo,  // a single
    Pocet,  // a 16-bit whole number
    Text,   // kept as written (the material's name)
    Kod,    // one letter of a few (the mass setting, the profile)
};

// When a field belongs to the problem: the dialog shows it, a file holds its line, it is checked.
enum class Kdy { Vzdy, Nikdy, Nerizeny, Rizeny, ZRozmeru, ZRozmeruObdelnik, BezRozmeru };

struct PopisPole {
    Velicina velicina;
    DruhPole druh;
    const char* ovladac;     // the dialog's control
    int zalozka;             // the dialog's tab that holds it, 0..6; -1 for none
    int popisek;             // string ID of the control's caption; 0: the text below
    const char* popisekText;
    Kdy kdy;
    int radekSouboru;        // the line of a problem file, 1..19; 0 for a field no file holds
    int souborPopisek;       // string ID of that line's label
    int souborPopisekKruh;   // the label of a circular bar, when it differs
    int jednotka;            // string ID of the line's unit; 0: the text below
    const char* jednotkaText;
    double min;              // the values the field may have
    double max;
    bool minVcetne;          // min itself is allowed
    Kdy nic;                 // when 0 (an empty field) means "none" and is allowed
    float Uloha::*cislo;
    std::int16_t Uloha::*pocet;
};

// Every field, in the order of the dialog's tabs and of the fields on them.
std::span<const PopisPole> PoleUlohy();
const PopisPole& Pole(Velicina velicina);

// The condition holds for the problem.
bool Plati(Kdy kdy, const Uloha& u);

// The value of a number or count field.
double Hodnota(const PopisPole& pole, const Uloha& u);

// What is wrong with a value, or with the problem as a whole.
enum class Vada {
    NeniCislo,         // the text is no number (the text is in Zavada::text)
    ChybiHodnota,      // empty where a value is needed, or nothing chosen
    NeniCele,          // a count with a fraction
    NekonecnaHodnota,  // not a number at all (NaN)
    PodRozsahem,       // below the values the field may have
    NadRozsahem,       // above them
    PrilisMnohoPloch,  // a face count above the faces the pieces have
    NulovaDoba,        // a segment of the curve without a duration
    Neuplna,           // a zero where a value is needed (the documented completeness)
    PodTv,             // the final temperature below the start
    PlochaVetsi,       // the surface greater than the total surface of the pieces
    PlochaNesouhlasi,  // the surface differs from the one the counted faces give
    Nedosazitelna,     // the furnace never gets as hot as the final temperature
    VadnaKrivka,       // the property curve of the material is unsound (model/vlastnosti.h)
};

struct Zavada {
    Velicina velicina;
    Vada vada;
    int bod = 0;       // the curve point: of its temperature, or of the duration that starts there
    std::string text{};  // the text that is no number (UTF-8)

    bool operator==(const Zavada&) const = default;
};

// A value of the field, as a person or a file gives it: its range, whole numbers for counts,
// 0 allowed where it means "none". For a single the value is checked as stored.
std::optional<Vada> ZkontrolujHodnotu(const PopisPole& pole, double x, const Uloha& u);

// Every value of the problem that belongs to it, in the order of the dialog: the curve of a
// controlled heat-up (each segment needs a duration), the temperatures, the material, the
// mass or the dimensions, the surfaces, the time step.
std::optional<Zavada> ZkontrolujHodnoty(const Uloha& u);

// The largest count of faces of a kind that the pieces of a problem in mode "V" have.
int NejvicPloch(Velicina pocet, const Uloha& u);


// The rule that accepts a problem for computing. OK compares the surface with the total surface
// at three decimals; Cancel, which takes a complete problem without a word, compares them as
// they are.
enum class Pravidlo { Ok, Storno };

// The values first (ZkontrolujHodnoty), then the completeness (a zero temperature), a final
// temperature below the start, in mode "V" a surface made of counted faces that the dimensions
// do not give and a surface greater than the total surface of the pieces, and last whether the
// furnace ever gets hot enough: a charge that must heat up to Tk needs a furnace temperature
// (uncontrolled) or a curve point (controlled) above Tk. The first fault, or none.
std::optional<Zavada> PrijmiUlohu(const Uloha& u, Pravidlo pravidlo = Pravidlo::Ok);

}  // namespace zorvet
