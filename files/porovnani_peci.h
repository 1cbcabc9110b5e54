// Furnaces compared side by side: the results that carry the furnace as a thermal system, each a
// column, and a row for each figure of its cycle and of a day of cycles back to back (the heat-up
// and the cycle time, the cycles of a day, the electric energy, the balance's items, the peak
// power and the cost). The chart view's table and the report's comparison show these texts.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <span>

#include "model/case/nastaveni.h"
#include "model/case/vysledek.h"

namespace zorvet {

struct PorovnavanaPec {
    QString nazev;  // the result's name, heading its column
    const Vysledek* vysledek = nullptr;
};

struct PorovnaniPeci {
    QStringList nazvy;         // of the columns, the result shown first
    QList<QStringList> radky;  // each: its label, then a value for each column ("—" for none)
};

// None unless the first result and another carry a furnace; those without one are left out.
std::optional<PorovnaniPeci> PorovnejPece(std::span<const PorovnavanaPec> vysledky, Jazyk jazyk);

}  // namespace zorvet
