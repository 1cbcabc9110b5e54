// A value found for the problem (by a goal seek, by a fit) and offered to be put into it. It
// is shown rounded, and what the user reads is what the problem gets.
#pragma once

#include <QString>

#include "model/pole.h"

namespace zorvet {

struct NavrzenaHodnota {
    Velicina velicina = Velicina::m;
    double hodnota = 0.0;  // as the problem's field holds it (the installed power in kW)
    QString text;          // that value as the field shows it
    QString popis;         // "Caption: value", as the answer showed it
};

enum class Zaokrouhleni { Dolu, Nahoru, Nejblize };

// x, in the unit of the caption popisek (W for the installed power), rounded to four
// significant digits in the direction smer.
NavrzenaHodnota Navrh(Velicina velicina, double x, Zaokrouhleni smer, const QString& popisek);

}  // namespace zorvet
