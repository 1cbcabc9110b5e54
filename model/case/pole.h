// The field table: every input of a case, once. Each row says which control of the problem dialog
// shows it and on which tab, its caption, when it belongs to the case, where a file keeps it (a
// numbered line of the documented problem section, or a labelled line of the extended setting),
// its unit and the scale the windows and files show it in, the values it may have and its
// default, its command-line option, and whether a sweep and a goal seek can vary it and how a
// found value is rounded. The problem dialog, the file reader and writer, the command-line
// options, the sweep and goal names, the value checks, the dialog's tabs and the report walk
// this table: a new input is a row here and its member of Uloha.
//
// The rule that accepts a case for computing is in model/case/prijeti.h.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/retezce_id.h"
#include "model/case/uloha.h"

namespace zorvet {

enum class DruhPole {
    Cislo,  // a single
    Pocet,  // a 16-bit whole number
    Text,   // kept as written (the material's name)
    Kod,    // one letter of a few (the mass setting, the profile)
};

// When a field belongs to the case: the dialog shows it, a file holds its line, it is checked.
enum class Kdy { Vzdy, Nikdy, Nerizeny, Rizeny, ZRozmeru, ZRozmeruObdelnik, BezRozmeru, SPrikonem, SKrivkou,
                 VMrizce,     // an array other than 1 x 1
                 VeSvazku,  // a bundle
                 ZRozmeruTyce,  // round or square bars with the mass from the dimensions: an array
                 ZRozmeruKruh,  // round bars with the mass from the dimensions: a bundle
                 SPeci,         // a furnace as a thermal system is described
};

// What a field left empty means: an empty field of the dialog, a line of the extended setting
// left out, an option not given. The one place that says it; the checks, the dialog, the files
// and the options all ask MuzeBytPrazdne and JeNic below.
enum class Prazdne {
    Nelze,    // a value is needed: an empty field is refused; 0 is a value like another, judged by
              // the range
    Vychozi,  // empty is the default (vychozi), a value like another: it is allowed whatever the
              // range says, and a field shows it as its number (a loaded density of 0 shows "0")
    Nic,      // empty is none, which the record holds as 0 (the default): a 0 held, loaded or
              // left by an empty field, is allowed and shows as an empty field, but a 0 typed or
              // given an option is refused (an installed power of 0 would heat nothing)
};

// How the report lists a field that belongs to the case.
enum class VeZprave {
    Obvykle,  // a line of the documented problem always; one of the extended setting while the
              // case uses it: where its line belongs (rozsirenyKdy) and away from its default
    Vzdy,     // where its line belongs, at its default too (the reduction factor, the losses an
              // installed power covers)
    Jinde,    // not among the fields: lines of their own state it (the curve, the arrangement)
};

// Whether a goal seek can find a value of the field, and on which side of the boundary the time
// is met: smaller values (a larger mass takes longer) or larger ones (a hotter furnace, more power).
enum class Hledani { Ne, Mensi, Vetsi };

// Where a goal seek starts on the way to the boundary of the time.
enum class ZacatekHledani {
    Hodnota,  // at the case's own value, doubling or halving it until the boundary lies between two
    Tok,      // the same from the most heat the charge took in a step at the favourable end, where
              // the field's 0 (none: an unlimited power) is the favourable end
    Rozsah,   // the whole range, halved from its favourable end
};

// How a goal seek seeks a field (with PopisPole::hledani, the side that meets the time).
struct CilPole {
    ZacatekHledani zacatek = ZacatekHledani::Hodnota;
    // The range, in the record's unit: the field's own when both are 0; the lower end the case's
    // value of odPole when it is given (the furnace: the final temperature).
    double od = 0.0;
    double po = 0.0;
    float Uloha::*odPole = nullptr;
    // The boundary is found within this share of the value, or within this much of it.
    double relativne = 0.0;
    double absolutne = 0.0;
    int volba = 0;    // string ID of the goal list's entry ("largest mass of the charge")
    int popisek = 0;  // of the answer's label with the record's unit ("Heating Material Weight [kg]")
    int nelze = 0;    // of the answer when no value of the range meets the time: %1 the time in s,
                      // %2 the favourable end of the range as the field shows it
};

struct PopisPole {
    Velicina velicina;
    DruhPole druh;
    const char* ovladac = nullptr;     // the dialog's control
    int zalozka = -1;                  // the dialog's tab that holds it, 0..8; -1 for none
    int popisek = 0;                   // string ID of the control's caption; 0: the text below
    const char* popisekText = nullptr;
    int popisekZpravy = 0;             // string ID of the name messages give it, where the caption
                                       // is the same in both languages; 0: the caption
    Kdy kdy = Kdy::Vzdy;
    // A documented line of a problem file.
    int radekSouboru = 0;              // 1..19; 0 for none
    int souborPopisek = 0;             // string ID of that line's label
    int souborPopisekKruh = 0;         // the label of a circular bar, when it differs
    int jednotka = 0;                  // string ID of the unit a file, the dialog and the report
    const char* jednotkaText = nullptr;  // show; 0: this text
    // A line of the extended setting, written when the value differs from the default and the
    // condition holds; read back strictly.
    int rozsirenyPopisek = 0;          // string ID of its label; 0 for none
    Kdy rozsirenyKdy = Kdy::Vzdy;
    // The values the field may have, in the record's unit; and what an empty field means,
    // where prazdneKdy holds (elsewhere a value is needed: a density with the mass from the
    // dimensions).
    double min = 0.0;
    double max = 0.0;
    bool minVcetne = true;             // min itself is allowed
    Prazdne prazdne = Prazdne::Nelze;
    Kdy prazdneKdy = Kdy::Vzdy;
    double vychozi = 0.0;              // the default, in the record's unit
    double meritko = 1.0;              // the record's value of one unit shown (dialog, file,
                                       // report): 1000 for a power in W shown in kW
    // The command line: the option that sets it for a computed case (record units), and the
    // name under which a sweep and a goal seek vary it.
    const char* volba = nullptr;
    int jednotkaVolby = 0;             // string ID of the name the help gives the option's value
    int popisVolby = 0;                // string ID of the help's sentence on the option
    // An option whose text is not one number: two values with a separator ("5x3", "0.01:0.02"),
    // the second for the field druhaVolby; left out, it is the first (druhaJakoPrvni) or the
    // default of its field. Or one of the words of slovaVolby ("square|hexagonal"), whose place
    // is the value. And the record's value of one unit of the option (60: minutes into seconds).
    char oddelovacVolby = 0;
    Velicina druhaVolby = Velicina::Tpece;
    bool druhaJakoPrvni = false;
    const char* slovaVolby = nullptr;
    double meritkoVolby = 1.0;
    // Units the option's number may carry ("60kW", "60 kW"), each with the record's value of one
    // of it: "W=1 kW=1000 MW=1000000". A bare number is in the option's own unit (meritkoVolby).
    const char* jednotkyVolby = nullptr;
    const char* nazev = nullptr;
    Hledani hledani = Hledani::Ne;
    int platnaMista = 0;               // a found value: its significant digits, or
    double krokHodnoty = 0.0;          // its resolution in the record's unit
    // A mass in kg that heats with the charge at its temperature (fixtures, baskets): its heat
    // capacity, the value times this specific heat in J/kg/K, adds to the charge's in every march
    // (model/march/vsazka.h). 0: the field is no such mass.
    double cHmoty = 0.0;
    float Uloha::*cislo = nullptr;
    std::int16_t Uloha::*pocet = nullptr;

    // Planning. A value given to the field acts on the result only where menitelna holds: a
    // sweep, a goal seek and a command-line option that would vary it elsewhere are refused with
    // the text of nemenitelna (string ID). How a goal seek seeks it.
    Kdy menitelna = Kdy::Vzdy;
    int nemenitelna = 0;
    CilPole cil{};

    // How the problem dialog lays the field out and the report lists it. A field whose control
    // is a text box (txt…) needs no code of its tab: the tab builds its caption (popisek, with
    // the unit it states), the box, the tooltip and the text it shows while empty, binds it to
    // the form, and shows it where it belongs to the case (kdy).
    const char* ramec = nullptr;       // the frame of the tab that holds it (its control's name);
                                       // none: the tab's own fields
    int tip = 0;                       // string ID of its tooltip; 0 for none
    int prazdnyText = 0;               // string ID of the text an empty field shows; 0: a default
                                       // other than 0 shows as its number
    VeZprave zprava = VeZprave::Obvykle;
};

// Every field, in the order of the dialog's tabs and of the fields on them.
std::span<const PopisPole> PoleUlohy();
const PopisPole& Pole(Velicina velicina);
// The field of a sweep's or a goal seek's name ("mass"), or none.
const PopisPole* PoleNazvu(std::string_view nazev);
// The names of the fields a sweep varies (jen Hledani::Ne), or of those a goal seek finds, in
// the order of the table, joined by oddelovac: "furnace|mass|power".
std::string NazvyPoli(Hledani jen, std::string_view oddelovac);

// The condition holds for the case.
bool Plati(Kdy kdy, const Uloha& u);

// The value of a number or count field, in the record's unit; and as it is shown.
double Hodnota(const PopisPole& pole, const Uloha& u);
inline double ZobrazenaHodnota(const PopisPole& pole, const Uloha& u) { return Hodnota(pole, u) / pole.meritko; }
// Sets a number or count field from a value in the record's unit; false for a field of neither
// kind or a count out of its range.
bool NastavHodnotu(Uloha& u, const PopisPole& pole, double hodnota);

// An empty field, a line or an option left out, is allowed for the case: it holds the default.
bool MuzeBytPrazdne(const PopisPole& pole, const Uloha& u);
// The value is the field's none: shown as an empty field, refused where it is typed.
bool JeNic(const PopisPole& pole, double x, const Uloha& u);

// The field of the extended setting is in use: its line belongs to the case and its value is
// not the default. A file then writes its line.
bool Pouzito(const PopisPole& pole, const Uloha& u);

// Whether the case uses anything beyond the documented problem: a field of the extended setting
// away from its default, or a property curve.
bool PouzivaRozsireni(const Uloha& u);

// What is wrong with a value, or with the case as a whole.
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
    PodTv,             // the final temperature not above the start
    PlochaVetsi,       // the surface greater than the total surface of the pieces
    PlochaNesouhlasi,  // the surface differs from the one the counted faces give
    HmotnostNesouhlasi,  // the mass differs from the one the dimensions and the density give
    Nedosazitelna,     // the furnace never gets as hot as the final temperature
    VadnaKrivka,       // the property curve of the material is unsound (model/properties/vlastnosti.h)
    // The arrangement of the load (model/load/usporadani.h) asks what the case does not give.
    BezRozmeruUsporadani,  // an array or a bundle without the mass from the dimensions
    BezVodivostiUsporadani,  // without a conductivity of the charge
    ProfilUsporadani,      // an array of rectangular bars, a bundle of other than round bars
    SvazekMensi,           // a bundle no larger than one of its bars
    MrizkaISvazek,           // an array and a bundle at once
    VelkaMrizka,           // an array of more pieces than are computed (kNejviceKusuMrizky)
    PocetVMrizce,          // the pieces are not the NX x NY of the array
    PocetVeSvazku,         // the pieces are not the bars the bundle holds
    JadroBezPloch,         // a core to compute, but a piece with no face counted to take heat
    // The furnace as a thermal system.
    VadnaPec,              // its description is unsound (Zavada::pec says how)
    PecBezPrikonu,         // a start from cold or after cycles without an installed power
    DvereBezOtvoru,        // the door's time without a door
};

struct Zavada {
    Velicina velicina;
    Vada vada;
    int bod = 0;       // the curve point: of its temperature, or of the duration that starts there
    std::string text{};  // the text that is no number (UTF-8)
    ZavadaPece pec{};    // VadnaPec: what is wrong with the furnace

    bool operator==(const Zavada&) const = default;
};

// A value of the field as the record holds it: its range, whole numbers for counts, the default
// allowed where an empty field may hold it. For a single the value is checked as stored.
std::optional<Vada> ZkontrolujHodnotu(const PopisPole& pole, double x, const Uloha& u);
// Whether ZkontrolujHodnotu finds nothing, told at once for nearly every sound value (false:
// ask ZkontrolujHodnotu): the check of a whole case asks it first, for every field of every point
// of a sweep.
bool JistePlatna(const PopisPole& pole, double x, const Uloha& u);
// A value a person typed or gave an option, in the record's unit: as above, but the none of a
// field (JeNic) is refused: an installed power of 0 is no power, an empty field is unlimited.
std::optional<Vada> ZkontrolujZadanou(const PopisPole& pole, double x, const Uloha& u);

// Every value of the case that belongs to it, in the order of the dialog: the curve of a
// controlled heat-up (each segment needs a duration), the temperatures, the material, the
// mass or the dimensions, the surfaces, the time step, the furnace.
std::optional<Zavada> ZkontrolujHodnoty(const Uloha& u);

// The largest count of faces of a kind that the pieces of a problem in mode "V" have.
int NejvicPloch(Velicina pocet, const Uloha& u);

// A value a goal seek found, given as its field gives it: rounded to its significant digits or
// its resolution, towards the side on which the time is still met.
double ZaokrouhliNalezenou(const PopisPole& pole, double hodnota);

}  // namespace zorvet
