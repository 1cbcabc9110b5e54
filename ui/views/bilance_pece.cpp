#include "ui/views/bilance_pece.h"

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QString>
#include <algorithm>
#include <array>

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

}  // namespace zorvet
