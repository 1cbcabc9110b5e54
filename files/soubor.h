// Problem configuration files (*.cfg) and results files (*.odp): a configuration file
// followed by a results section. One writer and one reader serve both.
#pragma once

#include <QString>

#include "files/dialogy.h"
#include "model/stav.h"

namespace zorvet {

// Writes the problem (and, with sVysledky, its result) of stav to cesta, after asking the
// comment question through dialogy. Returns true when the whole file was written; on a
// failure the File Error message names the file, and false is returned with any old file
// left as it was. The caller updates the captions on success.
bool UlozSoubor(Stav& stav, Dialogy& dialogy, const QString& cesta, bool sVysledky);

// Reads a configuration (or, with sVysledky, a results) file into stav. Comment lines are
// shown through dialogy. A file that cannot be opened or holds no problem is reported with
// the File Error message; stav is then left unchanged and false is returned. The caller
// refills the dialog, updates the captions and enables the results menu on success.
bool NactiSoubor(Stav& stav, Dialogy& dialogy, const QString& cesta, bool sVysledky);

}  // namespace zorvet
