// The one chart widget of the program: line series of temperature against time with a
// title, two axis titles and a legend. The heat-up chart of the main window and the
// furnace-curve preview of the problem dialog both draw through it.
#pragma once

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <QtCharts/QChartView>

class QPainter;

namespace zorvet {

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
    };
    // Replaces every series at once: for long series much cheaper than adding them one
    // by one, as the curves are laid out only once.
    void nastavRady(const QList<Rada>& rady);

    void nastavTitulek(const QString& text);
    void nastavPopisOsyX(const QString& text);  // the time axis
    void nastavPopisOsyY(const QString& text);  // the temperature axis

    // Font of the title, the axis titles and the legend.
    void nastavPismo(const QFont& pismo);

    // Point markers on every series (meant for short series; a long one reads better
    // as a bare line).
    void nastavZnacky(bool zapnuto);

    // The series the chart holds.
    int pocetRad() const;
    QString nazevRady(int index) const;
    QColor barvaRady(int index) const;
    Qt::PenStyle stylRady(int index) const;
    QList<QPointF> bodyRady(int index) const;

    // Draws the chart as it is shown into cil of painter (a printer page, an image),
    // keeping its proportions and centring it in cil.
    void vykresli(QPainter& painter, const QRectF& cil);

private:
    // Builds a new chart from the description below and shows it in place of the old.
    void sestav();

    QString titulek_;
    QString popisX_;
    QString popisY_;
    QFont pismo_;
    bool znacky_ = false;
    QList<Rada> rady_;
};

}  // namespace zorvet
