// A value found for the problem (by a goal seek, by a fit) and offered to be put into it. What
// the user reads is what the problem gets: the value as its field shows it.
#pragma once

#include <QString>

#include "model/case/nastaveni.h"
#include "model/case/pole.h"

namespace zorvet {

struct NavrzenaHodnota {
    Velicina velicina = Velicina::m;
    double hodnota = 0.0;  // in the record's unit (the installed power in W)
    QString text;          // that value as the field shows it (the installed power in kW)
    QString popis;         // "Caption: value", as the answer shows it
};

// x in the record's unit, as found; shown as its field shows it, under its caption.
NavrzenaHodnota Navrh(Velicina velicina, double x, const Uloha& uloha, Jazyk jazyk);

}  // namespace zorvet
