#include "ui/views/bilance_pece.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <array>

#include <QHeaderView>
#include <QLabel>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

void KresliBilanci(QPainter& p, const QRectF& misto, const BilancePece& b, Jazyk j) {
    struct Polozka {
        int popisek;
        double teplo;
        QColor barva;
    };
    const std::array<Polozka, 5> polozky{{{id::SloupecVsazka, b.vsazka, QColor(200, 60, 40)},
                                          {id::SloupecPripravky, b.pripravky, QColor(230, 150, 40)},
                                          {id::SloupecVyzdivka, b.vyzdivka, QColor(140, 90, 60)},
                                          {id::SloupecSteny, b.steny, QColor(90, 110, 160)},
                                          {id::SloupecOtvor, b.dvere, QColor(120, 170, 200)}}};
    // The scale: the electric energy and what the lining gave back side by side.
    const double vraceno = std::max(0.0, -b.vyzdivka);
    const double celkem = std::max(b.elektrina, b.vsazka + b.pripravky + b.steny + b.dvere + std::max(0.0, b.vyzdivka)) + vraceno;
    if (!(celkem > 0.0)) {
        return;
    }
    p.save();
    const double vyska = misto.height() / 3.0;
    const double naJ = misto.width() / celkem;
    const QRectF pruh(misto.left(), misto.top(), misto.width(), vyska);
    double x = pruh.left() + vraceno * naJ;
    // The electric energy over the bar, from the start of what it paid.
    p.setPen(Qt::black);
    p.drawLine(QPointF(x, pruh.top() - 4.0), QPointF(x + b.elektrina * naJ, pruh.top() - 4.0));
    if (vraceno > 0.0) {
        p.fillRect(QRectF(pruh.left(), pruh.top(), vraceno * naJ, vyska), QBrush(polozky[2].barva, Qt::BDiagPattern));
    }
    // The legend below, its items in a row that wraps.
    const QFontMetricsF metriky(p.font());
    QPointF legenda(misto.left(), pruh.bottom() + vyska * 0.4);
    for (const Polozka& polozka : polozky) {
        const QString text = Text(polozka.popisek, j).trimmed() + QLatin1Char(' ') +
                             TextObecny(static_cast<float>(polozka.teplo / 3.6e6)) + QStringLiteral(" kWh");
        if (polozka.teplo > 0.0) {
            const double w = polozka.teplo * naJ;
            p.fillRect(QRectF(x, pruh.top(), w, vyska), polozka.barva);
            x += w;
        }
        const double sirka = vyska * 0.6 + 6.0 + metriky.horizontalAdvance(text);
        if (legenda.x() > misto.left() && legenda.x() + sirka > misto.right()) {
            legenda = QPointF(misto.left(), legenda.y() + std::max(vyska * 0.6, metriky.height()) + 4.0);
        }
        const QRectF znacka(legenda.x(), legenda.y(), vyska * 0.6, vyska * 0.6);
        if (polozka.teplo < 0.0) {
            p.fillRect(znacka, QBrush(polozka.barva, Qt::BDiagPattern));
        } else {
            p.fillRect(znacka, polozka.barva);
        }
        p.drawText(QPointF(znacka.right() + 6.0, znacka.bottom()), text);
        legenda.rx() += sirka + 20.0;
    }
    p.setPen(Qt::black);
    p.drawRect(pruh);
    p.restore();
}

namespace {

// The bar, drawn across the frame.
class PruhBilance : public QWidget {
public:
    PruhBilance(const BilancePece& bilance, const Jazyk& jazyk, QWidget* parent)
        : QWidget(parent), bilance_(bilance), jazyk_(jazyk) {}

protected:
    void paintEvent(QPaintEvent*) override {
        // A bar a line and a half tall, its legend in rows below it within the widget.
        QPainter p(this);
        const double radek = fontMetrics().height();
        KresliBilanci(p, QRectF(2.0, 8.0, width() - 4.0, 4.5 * radek), bilance_, jazyk_);
    }

private:
    const BilancePece& bilance_;
    const Jazyk& jazyk_;
};

}  // namespace

TabulkaBilance::TabulkaBilance(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("bilancePece"));
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(0, 0, 0, 0);
    grdBilance_ = new QTableWidget(6, 2, this);
    grdBilance_->setObjectName(QStringLiteral("grdBilance"));
    grdBilance_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdBilance_->setFocusPolicy(Qt::NoFocus);
    grdBilance_->setSelectionMode(QAbstractItemView::NoSelection);
    grdBilance_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdBilance_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdBilance_->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    grdBilance_->setWordWrap(false);
    picBilance_ = new PruhBilance(pruh_, jazyk_, this);
    picBilance_->setObjectName(QStringLiteral("picBilance"));
    picBilance_->setMinimumHeight(7 * fontMetrics().height());
    lblSpicka_ = new QLabel(this);
    lblSpicka_->setObjectName(QStringLiteral("lblSpicka"));
    svisle->addWidget(grdBilance_);
    svisle->addWidget(picBilance_, 1);
    svisle->addWidget(lblSpicka_);
}

void TabulkaBilance::zobraz(const Vysledek& v, Jazyk j) {
    jazyk_ = j;
    if (!v.Pec || !v.Uloha.Pec) {
        return;
    }
    const VysledekPece& p = *v.Pec;
    // The cycle: a soak after the heat-up, or the cyclic steady state, whose cycle is its heat-up.
    const bool cyklus = v.Uloha.Prodleva > 0.0f || v.Uloha.Pec->Start == StartPece::Cyklicky;
    const int polozky[] = {id::SloupecElektrina, id::SloupecVsazka, id::SloupecPripravky,
                           id::SloupecVyzdivka,  id::SloupecSteny,  id::SloupecOtvor};
    const auto hodnoty = [](const BilancePece& b) {
        return std::array<double, 6>{b.elektrina, b.vsazka, b.pripravky, b.vyzdivka, b.steny, b.dvere};
    };
    const std::array<double, 6> ohrev = hodnoty(p.ohrev);
    const std::array<double, 6> cyklu = hodnoty(p.cyklus);
    grdBilance_->setHorizontalHeaderLabels(
        {Text(id::Ohrev, j) + QStringLiteral(" [kWh]"), Text(id::Cyklus, j) + QStringLiteral(" [kWh]")});
    for (int i = 0; i < 6; ++i) {
        const auto k = static_cast<std::size_t>(i);
        grdBilance_->setVerticalHeaderItem(i, new QTableWidgetItem(Text(polozky[i], j).trimmed()));
        for (const auto& [sloupec, x] : {std::pair{0, ohrev[k]}, std::pair{1, cyklu[k]}}) {
            auto* bunka = new QTableWidgetItem(TextObecny(static_cast<float>(x / 3.6e6)));
            bunka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            grdBilance_->setItem(i, sloupec, bunka);
        }
    }
    grdBilance_->setColumnHidden(1, !cyklus);
    for (int i = 0; i < 6; ++i) {
        grdBilance_->setRowHeight(i, grdBilance_->fontMetrics().height() + 4);
    }
    int vyska = grdBilance_->horizontalHeader()->sizeHint().height() + 2 * grdBilance_->frameWidth();
    for (int i = 0; i < 6; ++i) {
        vyska += grdBilance_->rowHeight(i);
    }
    grdBilance_->setFixedHeight(vyska);
    pruh_ = cyklus ? p.cyklus : p.ohrev;
    lblSpicka_->setText(Text(id::SpickaPrikonu, j) + QStringLiteral(": ") +
                        TextObecny(static_cast<float>(p.spicka / 1000.0)));
    picBilance_->update();
}

}  // namespace zorvet
