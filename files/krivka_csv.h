// A user's property curve of the charge material from a CSV table (the command line's
// --properties), and the checks every table of points gets where it is read: this table, and
// the property curve a problem or results file holds.
//
// The table: a header "temperature_C,c_J_kgK" or, with conductivities,
// "temperature_C,c_J_kgK,lambda_W_mK", then one point a row in °C, J/kg/K and W/m/K; the comma
// separates the values, the point is the decimal separator, blank lines may end the file.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "files/chyba.h"
#include "model/case/nastaveni.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

struct PrecteniKrivky {
    std::optional<VlastnostiMaterialu> krivka;  // nothing when the file could not be read
    Chyba chyba;  // then the File Error: the file and the reason, its line and column
};

// Reads the table at cesta into a curve named after the file (its name without the last
// extension: "c45.csv" gives "c45"); without conductivities every point has λ 0. Refused, with
// the line and the column (1 temperature, 2 c, 3 λ): a header that is none of the two, a row
// of another number of values than the header's, a value that is no number, not finite or
// beyond a single, a heat capacity or conductivity not above zero, a temperature not above
// the one of the row before, fewer than two points; and a file that cannot be read.
PrecteniKrivky NactiKrivkuCsv(const QString& cesta, Jazyk jazyk);

// One row of a table of points as read: its 1-based line, the texts of its values, the point.
struct RadekBodu {
    qsizetype radek = 0;
    QStringList texty;
    BodVlastnosti bod;
};

// What ZkontrolujKrivku finds wrong with the points of those rows, as the message that names the
// line, the column and the value: a value not finite, a heat capacity or conductivity not above
// zero, a temperature that does not rise, fewer than two points (named at the line zaKoncem,
// where the table ended). Conductivities are all 0 or all above zero; sLambdou requires them
// above zero. No value for a sound table.
std::optional<QString> ChybaBodu(const std::vector<RadekBodu>& radky, qsizetype zaKoncem, bool sLambdou, Jazyk jazyk);

}  // namespace zorvet
