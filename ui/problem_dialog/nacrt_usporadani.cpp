#include "ui/problem_dialog/nacrt_usporadani.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

namespace zorvet {

namespace {
constexpr double kOkraj = 6.0;  // px around the drawing
}

NacrtUsporadani::NacrtUsporadani(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("ShpUsporadani"));
    setMinimumSize(160, 110);
}

void NacrtUsporadani::nastav(const Rozestaveni& r) {
    r_ = r;
    update();
}

QSizeF NacrtUsporadani::rozmer() const {
    if (r_.svazek) {
        return r_.svazekB > 0.0 ? QSizeF(r_.svazekA, r_.svazekB) : QSizeF(r_.svazekA, r_.svazekA);
    }
    return {r_.nx * r_.d + (r_.nx - 1) * r_.gx, r_.ny * r_.d + (r_.ny - 1) * r_.gy};
}

double NacrtUsporadani::meritko() const {
    const QSizeF s = rozmer();
    if (!(s.width() > 0.0) || !(s.height() > 0.0)) {
        return 0.0;
    }
    return std::min((width() - 2 * kOkraj) / s.width(), (height() - 2 * kOkraj) / s.height());
}

QPointF NacrtUsporadani::pocatek() const {
    const double k = meritko();
    const QSizeF s = rozmer() * k;
    return {(width() - s.width()) / 2.0, (height() - s.height()) / 2.0};
}

QRectF NacrtUsporadani::kus(int i, int j) const {
    const double k = meritko();
    if (r_.svazek || k <= 0.0 || i < 1 || j < 1 || i > r_.ny || j > r_.nx) {
        return {};
    }
    const QPointF p = pocatek();
    return {p.x() + (j - 1) * (r_.d + r_.gx) * k, p.y() + (i - 1) * (r_.d + r_.gy) * k, r_.d * k, r_.d * k};
}

void NacrtUsporadani::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const double k = meritko();
    if (k <= 0.0) {
        return;
    }
    const QColor ocel = palette().color(QPalette::Mid);
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    if (r_.svazek) {
        // The outline, and the bars it holds in a square packing, as many as fit.
        const QPointF o = pocatek();
        const QRectF obrys(o, rozmer() * k);
        QPainterPath tvar;
        r_.svazekB > 0.0 ? tvar.addRect(obrys) : tvar.addEllipse(obrys);
        p.setBrush(Qt::NoBrush);
        p.drawPath(tvar);
        const double d = r_.d * k;
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
        return;
    }
    for (int i = 1; i <= r_.ny; ++i) {
        for (int j = 1; j <= r_.nx; ++j) {
            const bool pomaly = r_.nejpomalejsi && r_.nejpomalejsi->first == i && r_.nejpomalejsi->second == j;
            p.setBrush(pomaly ? palette().color(QPalette::Highlight) : ocel);
            r_.kruhove ? p.drawEllipse(kus(i, j)) : p.drawRect(kus(i, j));
        }
    }
}

}  // namespace zorvet
