// Refractories of the furnace's lining as text: the database Refractories.lst in the data folder
// (files/datova_slozka.h), the user's own file (the command line's --refractories), and the
// refractories a problem or results file holds with its furnace.
//
// One refractory a line, its fields separated by blanks, "#" starts a comment (to the line's end):
//
//     NAME DENSITY SPECIFIC_HEAT T:K [T:K …]
//
// the name (no blanks, colons or commas: the lining's option names layers as NAME:THICKNESS, one
// after another with commas), the density in kg/m³, the specific heat in J/kg/K, and the thermal
// conductivity in W/m/K at temperatures in °C, rising. A specific heat that changes with the
// temperature is written as points joined by slashes, 20:880/1000:1120. Between the points a
// property is linear, outside them it holds its end value. Numbers take the point as the decimal
// separator. A file is read strictly: the first line that is not a sound refractory refuses it,
// named with its line, its field and its text.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "files/chyba.h"
#include "files/materialy.h"
#include "model/case/nastaveni.h"
#include "model/furnace/refraktor.h"

namespace zorvet {

inline constexpr qint64 kNejvetsiSeznamRefraktoru = 1LL * 1024 * 1024;

struct PrecteniRefraktoru {
    std::vector<Refraktor> refraktory;  // in the file's order
    std::optional<QString> chyba;       // the line refused, and why (the language asked for)
};

// The refractory of one line's text (without a comment), the line's number for the message; or
// no value and why.
std::optional<Refraktor> CtiRadekRefraktoru(const QString& text, qsizetype radek, Jazyk jazyk, QString* chyba);

// The refractories of a text; each name once.
PrecteniRefraktoru CtiRefraktory(const QString& text, Jazyk jazyk);

// The refractories of a file: a file that cannot be read or holds a line that is not a sound
// refractory is a File Error (the path, then the reason).
struct SouborRefraktoru {
    std::optional<std::vector<Refraktor>> refraktory;
    Chyba chyba;
};
SouborRefraktoru NactiRefraktory(const QString& cesta, Jazyk jazyk);

// The database in the data folder; a missing Refractories.lst holds none.
SouborRefraktoru NactiDatabaziRefraktoru(const QString& slozka, Jazyk jazyk);

// A refractory as its line (without the line end), which reads back as the same record.
QString TextRefraktoru(const Refraktor& r);

// Saves one refractory into the database of the data folder as its line: the file is read again
// under its lock (as the materials' saves take it) and only the line of that name is added or,
// with prepsat, replaced; everything else stays as it is, and the file is replaced only when the
// new one is complete. chyba gets the File Error on a failure.
UlozeniMaterialu UlozRefraktor(const QString& slozka, const Refraktor& r, bool prepsat, Chyba* chyba, Jazyk jazyk);

// The refractory of a name: the user's first, then the database's.
const Refraktor* NajdiRefraktor(const std::string& nazev, const std::vector<Refraktor>& vlastni,
                                const std::vector<Refraktor>& databaze);

}  // namespace zorvet
