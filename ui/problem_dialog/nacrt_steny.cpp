#include "ui/problem_dialog/nacrt_steny.h"

#include <QPainter>
#include <array>
#include <cmath>

namespace zorvet {

namespace {

constexpr double kOkrajRezu = 6.0;  // px around the drawing

// Brick colours from the hot face out: dense fireclay to light insulation.
constexpr std::array<QRgb, 5> kBarvy{0xc8643c, 0xe0a060, 0xf0d090, 0xd8d8c0, 0xb0c8d8};

}  // namespace

NacrtSteny::NacrtSteny(QWidget* parent) : QWidget(parent) { setObjectName(QStringLiteral("picRezSteny")); }

void NacrtSteny::nastav(const Vyzdivka& vrstvy) {
    vrstvy_ = vrstvy;
    update();
}

QRectF NacrtSteny::pas(int i) const {
    const double celkem = TloustkaVyzdivky(vrstvy_);
    if (!(celkem > 0.0) || i < 0 || i >= static_cast<int>(vrstvy_.size())) {
        return {};
    }
    const QRectF misto = QRectF(rect()).adjusted(kOkrajRezu, kOkrajRezu, -kOkrajRezu, -kOkrajRezu);
    const double k = misto.width() / celkem;
    double x = misto.left();
    for (int j = 0; j < i; ++j) {
        x += static_cast<double>(vrstvy_[static_cast<std::size_t>(j)].Tloustka) * k;
    }
    return {x, misto.top(), static_cast<double>(vrstvy_[static_cast<std::size_t>(i)].Tloustka) * k, misto.height()};
}

void NacrtSteny::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor pero = palette().color(QPalette::WindowText);
    for (int i = 0; i < static_cast<int>(vrstvy_.size()); ++i) {
        const QRectF r = pas(i);
        if (r.isEmpty()) {
            continue;
        }
        const Vrstva& v = vrstvy_[static_cast<std::size_t>(i)];
        p.setPen(pero);
        p.setBrush(QColor(kBarvy[static_cast<std::size_t>(i) % kBarvy.size()]));
        p.drawRect(r);
        const QString text = QString::fromStdString(v.Material.Nazev) + QLatin1Char('\n') +
                             QString::number(std::round(static_cast<double>(v.Tloustka) * 1.0e4) / 10.0) +
                             QStringLiteral(" mm");
        p.setPen(Qt::black);  // on the light bands in either palette
        p.save();
        // A narrow band takes its text upright, read from below.
        if (r.width() < p.fontMetrics().horizontalAdvance(text.section(QLatin1Char('\n'), 0, 0)) + 4.0) {
            p.translate(r.center());
            p.rotate(-90.0);
            p.drawText(QRectF(-r.height() / 2.0, -r.width() / 2.0, r.height(), r.width()), Qt::AlignCenter, text);
        } else {
            p.drawText(r, Qt::AlignCenter, text);
        }
        p.restore();
    }
}

}  // namespace zorvet
