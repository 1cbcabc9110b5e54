// What the windows of one session share besides the problem, the result and the settings.
#pragma once

#include <QString>

namespace zorvet {

struct Relace {
    QString datovaSlozka;  // where Material.lst and the emissivity files are read and written
    QString komentar;      // the comment of the last file written or read, offered for the next
};

}  // namespace zorvet
