#include "ui/problem_dialog/nacrt_usporadani.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zorvet {

namespace {

constexpr double kOkraj = 6.0;  // px around the drawing in the widget

// m, the whole cross-section.
QSizeF rozmer(const Rozestaveni& r) {
    if (r.svazek) {
        return r.svazekB > 0.0 ? QSizeF(r.svazekA, r.svazekB) : QSizeF(r.svazekA, r.svazekA);
    }
    return {r.nx * r.d + (r.nx - 1) * r.gx, r.ny * r.d + (r.ny - 1) * r.gy};
}

// Metres to the units of misto; 0 for nothing to draw.
double meritko(const QRectF& misto, const Rozestaveni& r) {
    const QSizeF s = rozmer(r);
    if (!(s.width() > 0.0) || !(s.height() > 0.0) || misto.width() <= 0.0 || misto.height() <= 0.0) {
        return 0.0;
    }
    return std::min(misto.width() / s.width(), misto.height() / s.height());
}

// The top left of the drawing, centred in misto.
QPointF pocatek(const QRectF& misto, const Rozestaveni& r) {
    const QSizeF s = rozmer(r) * meritko(misto, r);
    return {misto.left() + (misto.width() - s.width()) / 2.0, misto.top() + (misto.height() - s.height()) / 2.0};
}

QRectF kusV(const QRectF& misto, const Rozestaveni& r, int i, int j) {
    const double k = meritko(misto, r);
    if (r.svazek || k <= 0.0 || i < 1 || j < 1 || i > r.ny || j > r.nx) {
        return {};
    }
    const QPointF p = pocatek(misto, r);
    return {p.x() + (j - 1) * (r.d + r.gx) * k, p.y() + (i - 1) * (r.d + r.gy) * k, r.d * k, r.d * k};
}

}  // namespace

void KresliRozestaveni(QPainter& p, const QRectF& misto, const Rozestaveni& r, const QColor& pero,
                       const QColor& ocel, const QColor& zvyraznena) {
    const double k = meritko(misto, r);
    if (k <= 0.0) {
        return;
    }
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    QPen cara(pero);
    cara.setCosmetic(true);
    p.setPen(cara);
    if (r.svazek) {
        // The outline, and the bars it holds in a square packing, as many as fit.
        const QRectF obrys(pocatek(misto, r), rozmer(r) * k);
        QPainterPath tvar;
        r.svazekB > 0.0 ? tvar.addRect(obrys) : tvar.addEllipse(obrys);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tvar);
        const double d = r.d * k;
        if (d >= 2.0) {
            p.setBrush(ocel);
            for (double y = obrys.top(); y + d <= obrys.bottom() + 1e-6; y += d) {
                for (double x = obrys.left(); x + d <= obrys.right() + 1e-6; x += d) {
                    const QRectF c(x, y, d, d);
                    if (tvar.contains(c)) {
                        p.drawEllipse(c);
                    }
                }
            }
        }
    } else {
        for (int i = 1; i <= r.ny; ++i) {
            for (int j = 1; j <= r.nx; ++j) {
                const bool pomaly = r.nejpomalejsi && r.nejpomalejsi->first == i && r.nejpomalejsi->second == j;
                p.setBrush(pomaly ? zvyraznena : ocel);
                r.kruhove ? p.drawEllipse(kusV(misto, r, i, j)) : p.drawRect(kusV(misto, r, i, j));
            }
        }
    }
    p.restore();
}

NacrtUsporadani::NacrtUsporadani(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ShpUsporadani"));
    setMinimumSize(160, 110);
}

void NacrtUsporadani::nastav(const Rozestaveni& r) {
    r_ = r;
    update();
}

QRectF NacrtUsporadani::kus(int i, int j) const {
    return kusV(QRectF(rect()).adjusted(kOkraj, kOkraj, -kOkraj, -kOkraj), r_, i, j);
}

void NacrtUsporadani::paintEvent(QPaintEvent*) {
    QPainter p(this);
    KresliRozestaveni(p, QRectF(rect()).adjusted(kOkraj, kOkraj, -kOkraj, -kOkraj), r_,
                      palette().color(QPalette::WindowText), palette().color(QPalette::Mid),
                      palette().color(QPalette::Highlight));
}

}  // namespace zorvet
