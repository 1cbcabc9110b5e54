// Where the electric energy of a span went, as one bar: the charge, the fixtures, the heat stored
// in the lining, the walls and the opening, each its share of the electric energy; heat the
// lining gave back is drawn left of the bar's start, as much as it gave.
#pragma once

#include <QPainter>
#include <QRectF>

#include "model/case/nastaveni.h"
#include "model/furnace/cyklus.h"

namespace zorvet {

void KresliBilanci(QPainter& painter, const QRectF& misto, const BilancePece& bilance, Jazyk jazyk);

}  // namespace zorvet
