// A measured log of a heat-up, for fitting the emissivity: a table of a header line and one row
// per logged time in rising order, as loggers and spreadsheets write it:
// - the fields separated by "," (the decimal separator is then the point), or by ";" or a tab
//   (the decimal separator is then the comma or the point), told by the header line; a field may
//   stand between double quotes;
// - UTF-8, Windows-1250 or UTF-16 (files/windows1250.h); line ends CR LF, LF or CR;
// - times in seconds from the start, or clock times hh:mm:ss or mm:ss (the seconds may have a
//   fraction). A log of clock times starts at its first row: its times count from there, and an
//   hh:mm:ss time of day below the one before it has passed midnight.
// The columns are found by the header's names time_s, charge_C and, when the furnace was logged
// too, furnace_C, in any order among other columns; or the caller names them.
#pragma once

#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

#include "files/chyba.h"
#include "model/case/nastaveni.h"
#include "model/planning/planovani.h"

namespace zorvet {

struct CteniMereni {
    std::vector<BodMereni> body;  // empty when the log could not be used
    bool sPeci = false;           // the log holds the furnace temperature
    Chyba chyba;                  // then the File Error: the file and the reason, the line named
};

// The columns of a log by their 0-based index in the header: the time, the charge temperature
// and, when the furnace was logged, its temperature.
struct SloupceMereni {
    int cas = 0;
    int vsazka = 1;
    std::optional<int> pec;
};

// Reads a log and checks it for a charge that starts at tv: at least three points, times
// rising from a start at 0 s or later, and a point above tv. Blank lines are skipped; every
// other row has the header's number of fields (empty fields at the end of a line aside).
// Without sloupce the header names the columns; with them its names do not matter.
CteniMereni NactiMereniCsv(const QString& cesta, float tv, Jazyk jazyk,
                           const std::optional<SloupceMereni>& sloupce = std::nullopt);

struct HlavickaMereni {
    QStringList nazvy;                       // the header's column names, quotes and blanks removed
    std::optional<SloupceMereni> podleNazvu;  // the columns those names give, when they name them
    Chyba chyba;                             // the File Error when it cannot be read
};

// The header of a log, so that a window can offer its columns when the names are not the known
// ones.
HlavickaMereni CtiHlavickuMereni(const QString& cesta, Jazyk jazyk);

// The columns a user names for a log with the header nazvy: "TIME,CHARGE[,FURNACE]", each a
// name of the header as it stands (blanks around it aside) or a number counted from 1. No value
// when a part names no column of the header, or there are not two or three parts.
std::optional<SloupceMereni> ZvoleneSloupce(const QStringList& nazvy, const QString& zadani);

}  // namespace zorvet
