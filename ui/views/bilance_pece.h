// Where the electric energy of a span went, as one bar: the charge, the fixtures, the heat stored
// in the lining, the walls and the opening, each its share of the electric energy; heat the
// lining gave back is drawn left of the bar's start, as much as it gave.
#pragma once

#include <QPainter>
#include <QRectF>
#include <QWidget>

#include "model/case/nastaveni.h"
#include "model/case/vysledek.h"
#include "model/furnace/cyklus.h"

class QLabel;
class QTableWidget;

namespace zorvet {

void KresliBilanci(QPainter& painter, const QRectF& misto, const BilancePece& bilance, Jazyk jazyk);

// The balance of a result with a furnace as the power frame shows it: a table of its items in
// kWh (grdBilance), for the heat-up and, with a soak or a cyclic start, for the cycle; below it
// the bar of the cycle's (else the heat-up's) balance (picBilance) and the peak power.
class TabulkaBilance : public QWidget {
    Q_OBJECT
public:
    explicit TabulkaBilance(QWidget* parent = nullptr);
    void zobraz(const Vysledek& vysledek, Jazyk jazyk);

private:
    QTableWidget* grdBilance_ = nullptr;
    QWidget* picBilance_ = nullptr;
    QLabel* lblSpicka_ = nullptr;
    BilancePece pruh_;
    Jazyk jazyk_ = Jazyk::Anglicky;
};

}  // namespace zorvet
