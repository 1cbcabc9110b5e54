// A measured log of a heat-up, for fitting the emissivity: a CSV file with the header
// "time_s,charge_C" or "time_s,charge_C,furnace_C", one row per logged time in rising order,
// "," between the fields and "." as the decimal separator.
#pragma once

#include <QString>
#include <vector>

#include "model/nastaveni.h"
#include "model/planovani.h"

namespace zorvet {

struct CteniMereni {
    std::vector<BodMereni> body;  // empty when the log could not be used
    bool sPeci = false;           // the log holds the furnace temperature
    QString chyba;                // then the file and the reason, the line named
};

// Reads a log and checks it for a charge that starts at tv: at least three points, times
// rising, and a point above tv. Blank lines are skipped.
CteniMereni NactiMereniCsv(const QString& cesta, float tv, Jazyk jazyk);

}  // namespace zorvet
