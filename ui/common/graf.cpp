#include "ui/common/graf.h"

#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QPen>
#include <QWheelEvent>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>
#include <QtCharts/QLegendMarker>
#include <vector>
#include <QtCharts/QLineSeries>
#include <QtCharts/QScatterSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <tuple>

namespace zorvet {

namespace {

constexpr qreal kTloustkaCary = 2.0;
constexpr qreal kVelikostZnacky = 7.0;

// The time axis, or the temperature axis on the left (vpravo: the axis on the right, if any).
QValueAxis* osa(const QChart* graf, Qt::Orientation smer, bool vpravo = false) {
    for (QAbstractAxis* o : graf->axes(smer)) {
        if ((o->alignment() == Qt::AlignRight) == vpravo) {
            return qobject_cast<QValueAxis*>(o);
        }
    }
    return nullptr;
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

// Round dots of one colour, a little wider than a line.
QScatterSeries* tecky(const QColor& barva) {
    auto* body = new QScatterSeries;
    body->setMarkerShape(QScatterSeries::MarkerShapeCircle);
    body->setMarkerSize(kVelikostZnacky);
    body->setColor(barva);
    body->setBorderColor(barva);
    return body;
}

// A series at x, linear between its points (which rise in x); none outside them.
std::optional<double> naX(const QList<QPointF>& body, double x) {
    if (body.isEmpty() || x < body.first().x() || x > body.last().x()) {
        return std::nullopt;
    }
    const auto za = std::lower_bound(body.begin(), body.end(), x, [](const QPointF& b, double t) { return b.x() < t; });
    if (za == body.begin() || za->x() == x) {
        return za->y();
    }
    const QPointF& a = *(za - 1);
    return a.y() + (za->y() - a.y()) * (x - a.x()) / (za->x() - a.x());
}

// A value read off an axis with the digits its shown span gives meaning to.
QString cteni(double x, double rozpeti) {
    const int mist = rozpeti > 0.0 ? std::clamp(3 - static_cast<int>(std::floor(std::log10(rozpeti))), 0, 6) : 1;
    QLocale lokal;
    lokal.setNumberOptions(QLocale::OmitGroupSeparator);
    return lokal.toString(x, 'f', mist);
}

}  // namespace

Graf::Graf(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("graf"));
    setRenderHint(QPainter::Antialiasing);
    // Nothing in a chart answers the keyboard: Tab passes it by.
    setFocusPolicy(Qt::NoFocus);
    pismo_ = font();
    // In a corner of the plot; the pointer passes through it to the chart.
    lblHodnota_ = new QLabel(viewport());
    lblHodnota_->setObjectName(QStringLiteral("lblHodnota"));
    lblHodnota_->setAttribute(Qt::WA_TransparentForMouseEvents);
    lblHodnota_->setStyleSheet(QStringLiteral("background: rgba(255, 255, 255, 225); border: 1px solid gray; padding: 2px;"));
    lblHodnota_->hide();
    sestav();
}

namespace {

// A chart of two value axes, time along the bottom and temperature on the left, whose numbers
// have the user's decimal separator and no group separator.
QChart* novyGraf(const QString& titulek, const QString& popisX, const QString& popisY, const QFont& pismo) {
    auto* graf = new QChart;
    graf->setBackgroundRoundness(0);
    // A localised label format needs its precision: a bare "%g" leaves every label empty.
    graf->setLocalizeNumbers(true);
    QLocale lokal;
    lokal.setNumberOptions(QLocale::OmitGroupSeparator);
    graf->setLocale(lokal);
    graf->setTitle(titulek);
    graf->setTitleFont(pismo);
    auto* x = new QValueAxis;
    auto* y = new QValueAxis;
    for (QValueAxis* o : {x, y}) {
        o->setLabelFormat(QStringLiteral("%.6g"));
        o->setTitleFont(pismo);
    }
    x->setTitleText(popisX);
    y->setTitleText(popisY);
    graf->addAxis(x, Qt::AlignBottom);
    graf->addAxis(y, Qt::AlignLeft);
    // The chart's own legend stays hidden: it would shorten long names. Ours stands under the
    // plot and shows them whole.
    graf->legend()->setVisible(false);
    return graf;
}

struct Rozpeti {
    double minX, maxX, minY, maxY;  // infinite the wrong way round for no point at all
};

// The span of every point of the series; with odstup a twentieth of the temperatures' span more
// above and below.
Rozpeti rozpetiRad(const QList<Graf::Rada>& rady, bool odstup) {
    double minX = std::numeric_limits<double>::infinity();
    double maxX = -minX;
    double minY = minX;
    double maxY = -minX;
    for (const Graf::Rada& r : rady) {
        for (const QPointF& b : r.body) {
            minX = std::min(minX, b.x());
            maxX = std::max(maxX, b.x());
            if (!r.vpravo) {
                minY = std::min(minY, b.y());
                maxY = std::max(maxY, b.y());
            }
        }
    }
    if (odstup && minY <= maxY) {
        const double okraj = std::max(maxY - minY, 1.0) / 20.0;
        // A curve above 0 keeps 0 as its lowest tick; one touching 0 or below gets room under it.
        minY = minY > 0.0 ? std::max(0.0, minY - okraj) : minY - okraj;
        maxY += okraj;
    }
    return {minX, maxX, minY, maxY};
}

// The order of drawing: the lines first, the points alone on top (a measured log over its fit).
std::vector<const Graf::Rada*> poradiRad(const QList<Graf::Rada>& rady) {
    std::vector<const Graf::Rada*> poradi;
    for (const bool jenBody : {false, true}) {
        for (const Graf::Rada& r : rady) {
            if (r.jenBody == jenBody) {
                poradi.push_back(&r);
            }
        }
    }
    return poradi;
}

void pripoj(QChart* graf, QXYSeries* s, bool vpravo) {
    graf->addSeries(s);
    s->attachAxis(osa(graf, Qt::Horizontal));
    s->attachAxis(osa(graf, Qt::Vertical, vpravo));
}

// A series as a line in its colour and style, or its points alone.
QXYSeries* rada(const Graf::Rada& r) {
    QXYSeries* s = nullptr;
    if (r.jenBody) {
        s = tecky(r.barva);
    } else {
        s = new QLineSeries;
        s->setPen(QPen(r.barva, kTloustkaCary, r.styl));
    }
    s->setName(r.nazev);
    s->replace(r.body);
    return s;
}

}  // namespace

void Graf::sestav() {
    // Every change of a chart's axes or layout lays its curves out again, which for ten
    // thousand points takes milliseconds; a chart put together before it is shown is
    // laid out once.
    QChart* graf = novyGraf(titulek_, popisX_, popisY_, pismo_);
    // A second quantity on an axis of its own, on the right, from 0 to its highest value.
    double nejvyssiVpravo = -1.0;
    for (const Rada& r : rady_) {
        for (qsizetype i = 0; r.vpravo && i < r.body.size(); ++i) {
            nejvyssiVpravo = std::max(nejvyssiVpravo, r.body[i].y());
        }
    }
    if (nejvyssiVpravo >= 0.0) {
        auto* vpravo = new QValueAxis;
        vpravo->setLabelFormat(QStringLiteral("%.6g"));
        vpravo->setTitleFont(pismo_);
        vpravo->setTitleText(popisVpravo_);
        vpravo->setGridLineVisible(false);  // the temperatures' grid is the plot's
        graf->addAxis(vpravo, Qt::AlignRight);
        nastavRozsah(vpravo, 0.0, nejvyssiVpravo * (odstup_ ? 1.05 : 1.0));
    }
    rozvrhniOsy(graf);
    const std::vector<const Rada*> poradi = poradiRad(rady_);
    bool znackyPridany = !znacky_;
    for (const Rada* r : poradi) {
        // The markers of the lines lie over the lines and under the points alone.
        if (r->jenBody && !znackyPridany) {
            pridejZnacky(graf);
            znackyPridany = true;
        }
        pripoj(graf, rada(*r), r->vpravo);
    }
    if (!znackyPridany) {
        pridejZnacky(graf);
    }
    QList<LegendaGrafu::Polozka> polozky;
    for (const Rada* r : poradi) {
        polozky.append({r->nazev, r->barva, r->styl, r->jenBody});
    }
    legenda_.nastav(graf, polozky, pismo_);
    connect(graf, &QGraphicsWidget::geometryChanged, this, [this] { legenda_.rozvrhni(); });

    QChart* stary = chart();
    setChart(graf);
    delete stary;
    lblHodnota_->hide();
}

void Graf::rozvrhniOsy(QChart* graf) {
    const Rozpeti rozpeti = rozpetiRad(rady_, odstup_);
    QValueAxis* x = osa(graf, Qt::Horizontal);
    QValueAxis* y = osa(graf, Qt::Vertical);
    nastavRozsah(x, rozpeti.minX, rozpeti.maxX);
    nastavRozsah(y, rozpeti.minY, rozpeti.maxY);
    celyRozsah_ = QRectF(QPointF(x->min(), y->min()), QPointF(x->max(), y->max()));
    tickyX_ = x->tickCount();
    tickyY_ = y->tickCount();
}

void Graf::pridejZnacky(QChart* graf) const {
    // The markers are dots of their own, a little wider than the line; the line series' own
    // point drawing does not take a size.
    for (const Rada& r : rady_) {
        if (!r.jenBody) {
            QScatterSeries* body = tecky(r.barva);
            body->replace(r.body);
            pripoj(graf, body, r.vpravo);
        }
    }
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

void Graf::nastavPopisOsyVpravo(const QString& text) {
    popisVpravo_ = text;
    if (QValueAxis* o = osa(chart(), Qt::Vertical, true)) {
        o->setTitleText(text);
    }
}

void Graf::nastavPismo(const QFont& pismo) {
    pismo_ = pismo;
    chart()->setTitleFont(pismo);
    osa(chart(), Qt::Horizontal)->setTitleFont(pismo);
    osa(chart(), Qt::Vertical)->setTitleFont(pismo);
    if (QValueAxis* o = osa(chart(), Qt::Vertical, true)) {
        o->setTitleFont(pismo);
    }
    legenda_.nastavPismo(pismo);
}

void Graf::nastavZnacky(bool zapnuto) {
    if (zapnuto != znacky_) {
        znacky_ = zapnuto;
        sestav();
    }
}

void Graf::nastavOdstup(bool zapnuto) {
    if (zapnuto != odstup_) {
        odstup_ = zapnuto;
        sestav();
    }
}

void Graf::nastavCteni(bool zapnuto) {
    cteni_ = zapnuto;
    setRubberBand(zapnuto ? QChartView::RectangleRubberBand : QChartView::NoRubberBand);
    if (!zapnuto) {
        lblHodnota_->hide();
    }
}

QRectF Graf::rozsahOs() const {
    const QValueAxis* x = osa(chart(), Qt::Horizontal);
    const QValueAxis* y = osa(chart(), Qt::Vertical);
    return QRectF(QPointF(x->min(), y->min()), QPointF(x->max(), y->max()));
}

void Graf::nastavRozsahOs(const QRectF& rozsah) {
    // Within the whole chart: zooming out ends at it, and a zoomed view keeps inside it.
    QRectF r = rozsah;
    if (!celyRozsah_.isEmpty()) {
        const auto drz = [](double od, double do_, double cOd, double cDo) {
            const double rozpeti = std::min(do_ - od, cDo - cOd);
            od = std::clamp(od, cOd, cDo - rozpeti);
            return std::pair{od, od + rozpeti};
        };
        const auto [x0, x1] = drz(r.left(), r.right(), celyRozsah_.left(), celyRozsah_.right());
        const auto [y0, y1] = drz(r.top(), r.bottom(), celyRozsah_.top(), celyRozsah_.bottom());
        r = QRectF(QPointF(x0, y0), QPointF(x1, y1));
    }
    const bool cely = r == celyRozsah_;
    for (const auto& [o, od, do_, pocet] : {std::tuple{osa(chart(), Qt::Horizontal), r.left(), r.right(), tickyX_},
                                           std::tuple{osa(chart(), Qt::Vertical), r.top(), r.bottom(), tickyY_}}) {
        o->setRange(od, do_);
        if (cely) {
            // The whole chart keeps the ticks its series were laid out with.
            o->setTickType(QValueAxis::TicksFixed);
            o->setTickCount(pocet);
        } else {
            // A zoomed axis ticks on round numbers: 1, 2 or 5 times a power of ten, about
            // five of them over the span.
            const double hruby = (do_ - od) / 5.0;
            const double rad = std::pow(10.0, std::floor(std::log10(hruby)));
            const double krok = hruby / rad < 1.5 ? rad : hruby / rad < 3.5 ? 2.0 * rad : hruby / rad < 7.5 ? 5.0 * rad
                                                                                                       : 10.0 * rad;
            o->setTickAnchor(0.0);
            o->setTickInterval(krok);
            o->setTickType(QValueAxis::TicksDynamic);
        }
    }
}

bool Graf::priblizeno() const { return rozsahOs() != celyRozsah_; }

void Graf::ukazHodnotu(const QPointF& bod) {
    const QPointF vGrafu = chart()->mapFromScene(mapToScene(bod.toPoint()));
    const QRectF plocha = chart()->plotArea();
    if (!cteni_ || rady_.isEmpty() || !plocha.contains(vGrafu)) {
        lblHodnota_->hide();
        return;
    }
    const QPointF hodnota = chart()->mapToValue(vGrafu);
    const QRectF rozsah = rozsahOs();
    QStringList radky{popisX_ + QStringLiteral(": ") + cteni(hodnota.x(), rozsah.width())};
    QStringList rady;
    bool nazvy = false;
    for (const Rada& r : rady_) {
        if (const std::optional<double> y = naX(r.body, hodnota.x())) {
            rady << (r.nazev.isEmpty() ? QString() : r.nazev + QStringLiteral(": ")) + cteni(*y, rozsah.height());
            nazvy = nazvy || !r.nazev.isEmpty();
        }
    }
    // One curve without a name goes by the axis's title; named ones under it.
    if (rady.size() == 1 && !nazvy) {
        radky << popisY_ + QStringLiteral(": ") + rady.first();
    } else if (!rady.isEmpty()) {
        radky << popisY_ << rady;
    }
    lblHodnota_->setText(radky.join(QLatin1Char('\n')));
    lblHodnota_->adjustSize();
    // In the corner of the plot that the fewest points of the curves pass through, so that it
    // hides as little of them as it can.
    const QRectF naViewport(QPointF(mapFromScene(chart()->mapToScene(plocha.topLeft()))),
                            QPointF(mapFromScene(chart()->mapToScene(plocha.bottomRight()))));
    const QSizeF velikost = QSizeF(lblHodnota_->size()) + QSizeF(12, 12);
    const QPointF rohy[] = {naViewport.topLeft(), naViewport.topRight() - QPointF(velikost.width(), 0),
                            naViewport.bottomRight() - QPointF(velikost.width(), velikost.height()),
                            naViewport.bottomLeft() - QPointF(0, velikost.height())};
    qsizetype nejmene = std::numeric_limits<qsizetype>::max();
    QPointF kam = rohy[0];
    for (const QPointF& roh : rohy) {
        const QRectF obdelnik(roh, velikost);
        const QPointF a = chart()->mapToValue(chart()->mapFromScene(mapToScene(obdelnik.bottomLeft().toPoint())));
        const QPointF b = chart()->mapToValue(chart()->mapFromScene(mapToScene(obdelnik.topRight().toPoint())));
        qsizetype bodu = 0;
        for (const Rada& r : rady_) {
            const auto od = std::lower_bound(r.body.begin(), r.body.end(), a.x(),
                                             [](const QPointF& p, double t) { return p.x() < t; });
            for (auto i = od; i != r.body.end() && i->x() <= b.x(); ++i) {
                bodu += i->y() >= a.y() && i->y() <= b.y() ? 1 : 0;
            }
        }
        if (bodu < nejmene) {
            nejmene = bodu;
            kam = roh;
        }
    }
    lblHodnota_->move((kam + QPointF(6, 6)).toPoint());
    lblHodnota_->show();
}

void Graf::mouseMoveEvent(QMouseEvent* udalost) {
    QChartView::mouseMoveEvent(udalost);
    ukazHodnotu(udalost->position());
}

void Graf::mouseDoubleClickEvent(QMouseEvent* udalost) {
    if (!cteni_) {
        QChartView::mouseDoubleClickEvent(udalost);
        return;
    }
    nastavRozsahOs(celyRozsah_);
    ukazHodnotu(udalost->position());
    udalost->accept();
}

void Graf::wheelEvent(QWheelEvent* udalost) {
    if (!cteni_ || rady_.isEmpty()) {
        QChartView::wheelEvent(udalost);
        return;
    }
    // A notch in shows 80 % of the span, a notch out 125 %, about the value under the pointer
    // (or about the middle, the pointer being off the plot).
    const QRectF r = rozsahOs();
    const QPointF vGrafu = chart()->mapFromScene(mapToScene(udalost->position().toPoint()));
    const QPointF stred = chart()->plotArea().contains(vGrafu) ? chart()->mapToValue(vGrafu) : r.center();
    const double k = std::pow(0.8, udalost->angleDelta().y() / 120.0);
    QRectF novy(QPointF(stred.x() - (stred.x() - r.left()) * k, stred.y() - (stred.y() - r.top()) * k),
                QPointF(stred.x() + (r.right() - stred.x()) * k, stred.y() + (r.bottom() - stred.y()) * k));
    nastavRozsahOs(novy);
    // The new axis labels may take other room and move the plot: the value goes back under
    // the pointer.
    if (chart()->plotArea().contains(vGrafu)) {
        novy.translate(stred - chart()->mapToValue(vGrafu));
        nastavRozsahOs(novy);
    }
    ukazHodnotu(udalost->position());
    udalost->accept();
}

void Graf::leaveEvent(QEvent* udalost) {
    lblHodnota_->hide();
    QChartView::leaveEvent(udalost);
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

QList<LegendaGrafu::Umisteni> Graf::legenda() const { return legenda_.umisteni(); }

void Graf::vykresli(QPainter& painter, const QRectF& cil) {
    // A chart that was never laid out on screen has no size yet; give it the widget's.
    if (chart()->size().isEmpty()) {
        chart()->resize(size().isEmpty() ? QSizeF(640, 480) : QSizeF(size()));
    }
    // The legend's rows follow the chart's width; the plot makes room for them before drawing.
    legenda_.rozvrhni();
    if (chart()->layout() != nullptr) {
        chart()->layout()->activate();
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
