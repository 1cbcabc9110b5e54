// The legend of a chart, under its plot: each named series' sample and its whole name, laid in
// rows as wide as the chart; a name longer than a row wraps within it. The chart's own legend
// shortens names that do not fit ("cu…"), which no reader of a comparison can tell apart.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QMargins>
#include <QRectF>
#include <QString>

class QChart;
class QGraphicsItem;
class QGraphicsTextItem;

namespace zorvet {

class LegendaGrafu {
public:
    struct Polozka {
        QString nazev;
        QColor barva;
        Qt::PenStyle styl = Qt::SolidLine;
        bool jenBody = false;  // drawn as a dot, not as a line
    };

    // Builds the items on graf: they belong to it and go with it. Series without a name stay
    // out; with none named there is no legend.
    void nastav(QChart* graf, const QList<Polozka>& polozky, const QFont& pismo);
    void nastavPismo(const QFont& pismo);

    // Lays the items out for the chart's present size and widens its bottom margin to hold them.
    void rozvrhni();

    // Each item's text and where it stands, in the chart's coordinates.
    struct Umisteni {
        QString text;
        QRectF obdelnik;
    };
    QList<Umisteni> umisteni() const;

private:
    QChart* graf_ = nullptr;
    QMargins okraje_;  // the chart's margins without a legend
    QFont pismo_;
    QList<QGraphicsItem*> vzorky_;
    QList<QGraphicsTextItem*> texty_;
};

}  // namespace zorvet
