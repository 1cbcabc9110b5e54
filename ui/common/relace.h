// What the windows of one session share besides the problem, the result and the settings.
#pragma once

#include <QString>

namespace zorvet {

struct Relace {
    QString datovaSlozka;  // where Material.lst and the emissivity files are read and written
    QString soubor;        // the name (without folder) of the last file written or read
    QString komentar;      // the comment of that file
    QString otiskUlozene;  // OtiskUlohy of the problem last saved or opened (files/soubor.h)
};

}  // namespace zorvet
