#include "ui/common/graf.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPen>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <limits>

namespace zorvet {

namespace {

constexpr qreal kTloustkaCary = 2.0;
constexpr qreal kVelikostZnacky = 7.0;

QValueAxis* osa(const QChart* graf, Qt::Orientation smer) {
    const auto osy = graf->axes(smer);
    return osy.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(osy.first());
}

// Stretches an axis over [od, do_], widening a single value so the axis keeps a span.
void nastavRozsah(QValueAxis* o, double od, double do_) {
    if (od > do_) {
        od = 0.0;
        do_ = 1.0;
    } else if (od == do_) {
        od -= 1.0;
        do_ += 1.0;
    }
    o->setRange(od, do_);
    o->applyNiceNumbers();
}

}  // namespace

Graf::Graf(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("graf"));
    setRenderHint(QPainter::Antialiasing);
    // Nothing in a chart answers the keyboard: Tab passes it by.
    setFocusPolicy(Qt::NoFocus);
    pismo_ = font();
    sestav();
}

void Graf::sestav() {
    // Every change of a chart's axes or layout lays its curves out again, which for ten
    // thousand points takes milliseconds; a chart put together before it is shown is
    // laid out once.
    auto* graf = new QChart;
    graf->setBackgroundRoundness(0);
    graf->setTitle(titulek_);
    graf->setTitleFont(pismo_);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    for (QValueAxis* o : {x, y}) {
        o->setLabelFormat(QStringLiteral("%g"));
        o->setTitleFont(pismo_);
    }
    x->setTitleText(popisX_);
    y->setTitleText(popisY_);
    graf->addAxis(x, Qt::AlignBottom);
    graf->addAxis(y, Qt::AlignLeft);

    double minX = std::numeric_limits<double>::infinity();
    double maxX = -minX;
    double minY = minX;
    double maxY = -minX;
    bool nejakyNazev = false;
    for (const Rada& r : rady_) {
        for (const QPointF& b : r.body) {
            minX = std::min(minX, b.x());
            maxX = std::max(maxX, b.x());
            minY = std::min(minY, b.y());
            maxY = std::max(maxY, b.y());
        }
    }
    nastavRozsah(x, minX, maxX);
    nastavRozsah(y, minY, maxY);

    QLegend* legenda = graf->legend();
    legenda->setAlignment(Qt::AlignBottom);
    legenda->setFont(pismo_);
    for (const Rada& r : rady_) {
        auto* s = new QLineSeries;
        s->setName(r.nazev);
        s->setPen(QPen(r.barva, kTloustkaCary, r.styl));
        s->replace(r.body);
        graf->addSeries(s);
        s->attachAxis(x);
        s->attachAxis(y);
        for (QLegendMarker* m : legenda->markers(s)) {
            m->setVisible(!r.nazev.isEmpty());
        }
        nejakyNazev = nejakyNazev || !r.nazev.isEmpty();
    }
    // The markers are dots of their own, a little wider than the line; the line
    // series' own point drawing does not take a size.
    if (znacky_) {
        for (const Rada& r : rady_) {
            auto* body = new QScatterSeries;
            body->setMarkerShape(QScatterSeries::MarkerShapeCircle);
            body->setMarkerSize(kVelikostZnacky);
            body->setColor(r.barva);
            body->setBorderColor(r.barva);
            body->replace(r.body);
            graf->addSeries(body);
            body->attachAxis(x);
            body->attachAxis(y);
            for (QLegendMarker* m : legenda->markers(body)) {
                m->setVisible(false);
            }
        }
    }
    legenda->setVisible(nejakyNazev);

    QChart* stary = chart();
    setChart(graf);
    delete stary;
}

void Graf::vymazRady() {
    rady_.clear();
    sestav();
}

int Graf::pridejRadu(const QString& nazev, const QColor& barva, const QList<QPointF>& body) {
    rady_.append({nazev, barva, body});
    sestav();
    return static_cast<int>(rady_.size()) - 1;
}

void Graf::nastavRady(const QList<Rada>& rady) {
    rady_ = rady;
    sestav();
}

void Graf::nastavTitulek(const QString& text) {
    titulek_ = text;
    chart()->setTitle(text);
}

void Graf::nastavPopisOsyX(const QString& text) {
    popisX_ = text;
    osa(chart(), Qt::Horizontal)->setTitleText(text);
}

void Graf::nastavPopisOsyY(const QString& text) {
    popisY_ = text;
    osa(chart(), Qt::Vertical)->setTitleText(text);
}

void Graf::nastavPismo(const QFont& pismo) {
    pismo_ = pismo;
    chart()->setTitleFont(pismo);
    osa(chart(), Qt::Horizontal)->setTitleFont(pismo);
    osa(chart(), Qt::Vertical)->setTitleFont(pismo);
    chart()->legend()->setFont(pismo);
}

void Graf::nastavZnacky(bool zapnuto) {
    if (zapnuto != znacky_) {
        znacky_ = zapnuto;
        sestav();
    }
}

int Graf::pocetRad() const { return static_cast<int>(rady_.size()); }

QString Graf::nazevRady(int index) const { return index >= 0 && index < rady_.size() ? rady_.at(index).nazev : QString(); }

QColor Graf::barvaRady(int index) const { return index >= 0 && index < rady_.size() ? rady_.at(index).barva : QColor(); }

Qt::PenStyle Graf::stylRady(int index) const {
    return index >= 0 && index < rady_.size() ? rady_.at(index).styl : Qt::NoPen;
}

QList<QPointF> Graf::bodyRady(int index) const {
    return index >= 0 && index < rady_.size() ? rady_.at(index).body : QList<QPointF>();
}

void Graf::vykresli(QPainter& painter, const QRectF& cil) {
    // A chart that was never laid out on screen has no size yet; give it the widget's.
    if (chart()->size().isEmpty()) {
        chart()->resize(size().isEmpty() ? QSizeF(640, 480) : QSizeF(size()));
    }
    const QRectF zdroj = chart()->sceneBoundingRect();
    if (zdroj.isEmpty() || cil.isEmpty()) {
        return;
    }
    const qreal meritko = std::min(cil.width() / zdroj.width(), cil.height() / zdroj.height());
    const QSizeF velikost = zdroj.size() * meritko;
    const QRectF kam(cil.center() - QPointF(velikost.width() / 2, velikost.height() / 2), velikost);
    chart()->scene()->render(&painter, kam, zdroj, Qt::KeepAspectRatio);
}

}  // namespace zorvet
