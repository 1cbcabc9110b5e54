// The one chart widget of the program: line series of temperature against time with a
// title, two axis titles and a legend. The heat-up chart of the main window and the
// furnace-curve preview of the problem dialog both draw through it. A chart made to be read
// (nastavCteni) shows the values under the pointer, zooms by the wheel or a dragged
// rectangle, and comes back to the whole chart on a double-click.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtCharts/QChartView>

#include "ui/common/legenda.h"

class QLabel;
class QPainter;

namespace zorvet {

// Up to this many points a series marks every point; longer series are bare lines.
inline constexpr int kZnackyDo = 50;

class Graf : public QChartView {
    Q_OBJECT
public:
    explicit Graf(QWidget* parent = nullptr);

    // Removes every series; the title, the axis titles and the font stay.
    void vymazRady();

    // Adds a line series against the common time and temperature axes and returns its
    // index. A series with an empty name stays out of the legend; the legend is shown
    // only while at least one series has a name. The axes fit all series.
    int pridejRadu(const QString& nazev, const QColor& barva, const QList<QPointF>& body);

    struct Rada {
        QString nazev;
        QColor barva;
        QList<QPointF> body;
        Qt::PenStyle styl = Qt::SolidLine;
        bool jenBody = false;  // the points alone, marked, with no line between them (a measured log)
        bool vpravo = false;   // on the right axis, of a quantity of its own (a power)
    };
    // Replaces every series at once: for long series much cheaper than adding them one
    // by one, as the curves are laid out only once.
    void nastavRady(const QList<Rada>& rady);

    void nastavTitulek(const QString& text);
    void nastavPopisOsyX(const QString& text);  // the time axis
    void nastavPopisOsyY(const QString& text);  // the temperature axis
    // The right axis, shown while a series is on it: its title; it starts at 0.
    void nastavPopisOsyVpravo(const QString& text);

    // Font of the title, the axis titles and the legend.
    void nastavPismo(const QFont& pismo);

    // Point markers on every series (meant for short series; a long one reads better
    // as a bare line).
    void nastavZnacky(bool zapnuto);

    // The temperature axis reaches a twentieth of the curves' span beyond their highest and
    // lowest points (not below 0 for curves that stay above it), so that no curve runs along
    // the frame.
    void nastavOdstup(bool zapnuto);

    // The chart to be read: the label lblHodnota shows, while the pointer is over the plot,
    // the value of the time axis there and of every series at that time (linear between its
    // points; a series that does not reach that far is left out). The wheel zooms about the
    // pointer, a rectangle dragged with the left button zooms into it, a double-click gives
    // the whole chart back.
    void nastavCteni(bool zapnuto);

    // The ranges the axes show: x from left() to right(), y from top() to bottom() (the
    // lower value first). Set, they stay until the series change or a double-click.
    QRectF rozsahOs() const;
    void nastavRozsahOs(const QRectF& rozsah);
    // The axes show less or more than the whole chart.
    bool priblizeno() const;

    // The series the chart holds.
    int pocetRad() const;
    QString nazevRady(int index) const;
    QColor barvaRady(int index) const;
    Qt::PenStyle stylRady(int index) const;
    QList<QPointF> bodyRady(int index) const;

    // The legend's items as they stand now: the whole names of the named series, in the
    // chart's coordinates.
    QList<LegendaGrafu::Umisteni> legenda() const;

    // Draws the chart as it is shown into cil of painter (a printer page, an image),
    // keeping its proportions and centring it in cil.
    void vykresli(QPainter& painter, const QRectF& cil);

protected:
    void mouseMoveEvent(QMouseEvent* udalost) override;
    void mouseDoubleClickEvent(QMouseEvent* udalost) override;
    void wheelEvent(QWheelEvent* udalost) override;
    void leaveEvent(QEvent* udalost) override;

private:
    // Builds a new chart from the description below and shows it in place of the old.
    void sestav();
    // The axes of graf over every series, and the whole chart's ranges and ticks noted.
    void rozvrhniOsy(QChart* graf);
    // The point markers of every line into graf.
    void pridejZnacky(QChart* graf) const;
    // The readout for a point of the view, or hides it outside the plot.
    void ukazHodnotu(const QPointF& bod);

    QString titulek_;
    QString popisX_;
    QString popisY_;
    QString popisVpravo_;
    QFont pismo_;
    bool znacky_ = false;
    bool odstup_ = false;
    QList<Rada> rady_;
    QRectF celyRozsah_;  // the axes' ranges as the series laid them out
    int tickyX_ = 5;     // and their ticks
    int tickyY_ = 5;
    bool cteni_ = false;
    QLabel* lblHodnota_ = nullptr;
    LegendaGrafu legenda_;
};

}  // namespace zorvet
