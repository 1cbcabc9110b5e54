// The result table as CSV, the one form shared by the batch "table" command, its --csv
// option and the table view's "Save as CSV": a header line "time_s,charge_C" (and
// ",furnace_C" for a controlled heat-up, and ",surface_C,core_C" when the core of a thick
// charge was computed), one line per step 0..PocetKroku (or to the core's last step when that
// is later; a column is blank after its own end), "," between the fields, "." as the
// decimal separator whatever the locale, LF line ends, UTF-8.
#pragma once

#include <QString>
#include <optional>

#include "model/case/vysledek.h"

namespace zorvet {

// The shortest text that reads back as the same single, with ".".
QString TextCsv(float x);

QString TabulkaCsv(const Vysledek& vysledek);

// Writes the table to cesta through writeWhole: a file as a whole or not at all, a device
// directly. No value on success; the system's reason otherwise.
std::optional<QString> UlozTabulkuCsv(const Vysledek& vysledek, const QString& cesta);

}  // namespace zorvet
