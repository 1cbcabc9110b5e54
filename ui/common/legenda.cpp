#include "ui/common/legenda.h"

#include <QBrush>
#include <QFontMetricsF>
#include <QGraphicsEllipseItem>
#include <QGraphicsLineItem>
#include <QGraphicsTextItem>
#include <QPen>
#include <QTextDocument>
#include <QtCharts/QChart>
#include <algorithm>

namespace zorvet {

namespace {

constexpr qreal kTloustkaCary = 2.0;
constexpr qreal kVelikostZnacky = 7.0;

}  // namespace

void LegendaGrafu::nastav(QChart* graf, const QList<Polozka>& polozky, const QFont& pismo) {
    graf_ = graf;
    okraje_ = graf->margins();
    pismo_ = pismo;
    vzorky_.clear();
    texty_.clear();
    for (const Polozka& p : polozky) {
        if (p.nazev.isEmpty()) {
            continue;
        }
        QGraphicsItem* vzorek = nullptr;
        if (p.jenBody) {
            auto* tecka = new QGraphicsEllipseItem(0, -kVelikostZnacky / 2, kVelikostZnacky, kVelikostZnacky, graf);
            tecka->setBrush(p.barva);
            tecka->setPen(QPen(p.barva));
            vzorek = tecka;
        } else {
            auto* cara = new QGraphicsLineItem(graf);
            cara->setPen(QPen(p.barva, kTloustkaCary, p.styl));
            vzorek = cara;
        }
        auto* text = new QGraphicsTextItem(graf);
        text->document()->setDocumentMargin(0);
        text->setDefaultTextColor(Qt::black);
        text->setPlainText(p.nazev);
        vzorky_.append(vzorek);
        texty_.append(text);
    }
    nastavPismo(pismo);
}

void LegendaGrafu::nastavPismo(const QFont& pismo) {
    pismo_ = pismo;
    for (QGraphicsTextItem* t : texty_) {
        t->setFont(pismo);
    }
    rozvrhni();
}

void LegendaGrafu::rozvrhni() {
    if (graf_ == nullptr) {
        return;
    }
    QMargins okraje = okraje_;
    // A chart not yet given its size is laid out when it gets it: rows as narrow as nothing
    // would make a tall margin, and the chart would keep the height that asks for.
    if (texty_.isEmpty() || graf_->size().isEmpty()) {
        if (graf_->margins() != okraje) {
            graf_->setMargins(okraje);
        }
        return;
    }
    // The legend takes at most a quarter of the chart's height, so that the plot keeps room for
    // its curves and the temperature axis its whole title: a long one is set in a smaller
    // font, down to nearly half the chart's.
    struct Misto {
        qreal w, h;
    };
    struct Radek {
        qsizetype od, po;
        qreal w, h;
    };
    const qreal sirka = std::max(graf_->size().width() - okraje_.left() - okraje_.right(), 4.0 * QFontMetricsF(pismo_).height());
    QFont pismo = pismo_;
    QList<Misto> mista;
    QList<Radek> radky;
    qreal vyska = 0.0;
    for (int pokus = 0; pokus < 6; ++pokus) {
        const QFontMetricsF m(pismo);
        const qreal em = m.height();
        mista.clear();
        radky.clear();
        // Each item at its natural width, a longer one wrapped to the row's.
        for (QGraphicsTextItem* t : texty_) {
            t->setFont(pismo);
            t->setTextWidth(-1);
            if (t->boundingRect().width() > sirka - 2.4 * em) {
                t->setTextWidth(std::max(sirka - 2.4 * em, em));
            }
            const QRectF r = t->boundingRect();
            mista.append({2.4 * em + r.width(), std::max(r.height(), em)});
        }
        // Rows as wide as the chart, each centred.
        for (qsizetype i = 0; i < mista.size(); ++i) {
            if (radky.isEmpty() || radky.last().w + 1.2 * em + mista[i].w > sirka) {
                radky.append({i, i + 1, mista[i].w, mista[i].h});
            } else {
                Radek& r = radky.last();
                r.po = i + 1;
                r.w += 1.2 * em + mista[i].w;
                r.h = std::max(r.h, mista[i].h);
            }
        }
        vyska = 0.3 * em * static_cast<qreal>(radky.size() - 1);
        for (const Radek& r : radky) {
            vyska += r.h;
        }
        if (vyska <= graf_->size().height() / 4.0 || pismo.pointSizeF() * 0.87 < pismo_.pointSizeF() * 0.45) {
            break;
        }
        pismo.setPointSizeF(pismo.pointSizeF() * 0.87);
    }
    const QFontMetricsF miry(pismo);
    const qreal em = miry.height();
    const qreal vzorek = 2.0 * em;  // a sample of the line
    const qreal mezera = 0.4 * em;  // between the sample and its name
    const qreal odstup = 1.2 * em;  // between two items of a row
    // The legend stands in the bottom margin, below the time axis's title.
    qreal y = graf_->size().height() - okraje_.bottom() / 2.0 - vyska;
    for (const Radek& r : radky) {
        qreal x = okraje_.left() + (sirka - r.w) / 2.0;
        for (qsizetype i = r.od; i < r.po; ++i) {
            const qreal stred = y + miry.height() / 2.0;
            if (auto* cara = dynamic_cast<QGraphicsLineItem*>(vzorky_[i])) {
                cara->setLine(x, stred, x + vzorek, stred);
            } else {
                vzorky_[i]->setPos(x + (vzorek - kVelikostZnacky) / 2.0, stred);
            }
            texty_[i]->setPos(x + vzorek + mezera, y);
            x += mista[i].w + odstup;
        }
        y += r.h + 0.3 * em;
    }
    okraje.setBottom(okraje_.bottom() + static_cast<int>(std::ceil(vyska + 0.3 * em)));
    if (graf_->margins() != okraje) {
        graf_->setMargins(okraje);
    }
}

QList<LegendaGrafu::Umisteni> LegendaGrafu::umisteni() const {
    QList<Umisteni> u;
    for (const QGraphicsTextItem* t : texty_) {
        u.append({t->toPlainText(), t->mapRectToParent(t->boundingRect())});
    }
    return u;
}

}  // namespace zorvet
