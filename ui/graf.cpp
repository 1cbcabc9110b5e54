#include "ui/graf.h"

#include <QGraphicsScene>
#include <QPainter>
#include <QPen>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <QtCharts/QLineSeries>
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

QLineSeries* rada(const QChart* graf, int index) {
    const auto rady = graf->series();
    if (index < 0 || index >= rady.size()) {
        return nullptr;
    }
    return qobject_cast<QLineSeries*>(rady.at(index));
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
    auto* graf = new QChart;
    graf->setBackgroundRoundness(0);
    graf->legend()->setAlignment(Qt::AlignBottom);
    graf->legend()->hide();
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    x->setLabelFormat(QStringLiteral("%g"));
    y->setLabelFormat(QStringLiteral("%g"));
    graf->addAxis(x, Qt::AlignBottom);
    graf->addAxis(y, Qt::AlignLeft);
    setChart(graf);
    nastavRozsah(x, 0.0, 1.0);
    nastavRozsah(y, 0.0, 1.0);
}

void Graf::vymazRady() {
    chart()->removeAllSeries();
    chart()->legend()->hide();
    nastavRozsah(osa(chart(), Qt::Horizontal), 0.0, 1.0);
    nastavRozsah(osa(chart(), Qt::Vertical), 0.0, 1.0);
}

int Graf::pridejRadu(const QString& nazev, const QColor& barva, const QList<QPointF>& body) {
    auto* s = new QLineSeries;
    s->setName(nazev);
    s->setPen(QPen(barva, kTloustkaCary));
    s->setMarkerSize(kVelikostZnacky);
    s->setPointsVisible(znacky_);
    s->replace(body);
    chart()->addSeries(s);
    s->attachAxis(osa(chart(), Qt::Horizontal));
    s->attachAxis(osa(chart(), Qt::Vertical));

    bool nejakyNazev = false;
    double minX = std::numeric_limits<double>::infinity();
    double maxX = -minX;
    double minY = minX;
    double maxY = -minX;
    for (QAbstractSeries* a : chart()->series()) {
        auto* r = qobject_cast<QLineSeries*>(a);
        const bool maNazev = !r->name().isEmpty();
        nejakyNazev = nejakyNazev || maNazev;
        for (QLegendMarker* m : chart()->legend()->markers(r)) {
            m->setVisible(maNazev);
        }
        for (const QPointF& b : r->points()) {
            minX = std::min(minX, b.x());
            maxX = std::max(maxX, b.x());
            minY = std::min(minY, b.y());
            maxY = std::max(maxY, b.y());
        }
    }
    chart()->legend()->setVisible(nejakyNazev);
    nastavRozsah(osa(chart(), Qt::Horizontal), minX, maxX);
    nastavRozsah(osa(chart(), Qt::Vertical), minY, maxY);
    return static_cast<int>(chart()->series().size()) - 1;
}

void Graf::nastavTitulek(const QString& text) { chart()->setTitle(text); }

void Graf::nastavPopisOsyX(const QString& text) { osa(chart(), Qt::Horizontal)->setTitleText(text); }

void Graf::nastavPopisOsyY(const QString& text) { osa(chart(), Qt::Vertical)->setTitleText(text); }

void Graf::nastavPismo(const QFont& pismo) {
    chart()->setTitleFont(pismo);
    osa(chart(), Qt::Horizontal)->setTitleFont(pismo);
    osa(chart(), Qt::Vertical)->setTitleFont(pismo);
    chart()->legend()->setFont(pismo);
}

void Graf::nastavZnacky(bool zapnuto) {
    znacky_ = zapnuto;
    for (QAbstractSeries* a : chart()->series()) {
        qobject_cast<QLineSeries*>(a)->setPointsVisible(zapnuto);
    }
}

QString Graf::titulek() const { return chart()->title(); }

QString Graf::popisOsyX() const { return osa(chart(), Qt::Horizontal)->titleText(); }

QString Graf::popisOsyY() const { return osa(chart(), Qt::Vertical)->titleText(); }

QFont Graf::pismo() const { return chart()->titleFont(); }

bool Graf::znacky() const { return znacky_; }

bool Graf::legenda() const { return chart()->legend()->isVisible(); }

int Graf::pocetRad() const { return static_cast<int>(chart()->series().size()); }

QString Graf::nazevRady(int index) const {
    const QLineSeries* r = rada(chart(), index);
    return r != nullptr ? r->name() : QString();
}

QColor Graf::barvaRady(int index) const {
    const QLineSeries* r = rada(chart(), index);
    return r != nullptr ? r->pen().color() : QColor();
}

QList<QPointF> Graf::bodyRady(int index) const {
    const QLineSeries* r = rada(chart(), index);
    return r != nullptr ? r->points() : QList<QPointF>();
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
