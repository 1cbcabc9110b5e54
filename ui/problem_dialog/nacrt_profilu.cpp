#include "ui/problem_dialog/nacrt_profilu.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QLinearGradient>
#include <algorithm>
#include <cmath>

namespace zorvet {

namespace {

// A dimension line with an arrow head at each end.
void kotovaciCara(QPainter& p, QPointF od, QPointF do_) {
    p.drawLine(od, do_);
    const QPointF smer = do_ - od;
    const qreal delka = std::hypot(smer.x(), smer.y());
    if (delka < 1.0) {
        return;
    }
    const QPointF u = smer / delka;
    const QPointF n(-u.y(), u.x());
    const qreal hrot = std::min<qreal>(6.0, delka / 3.0);
    QPainterPath sipky;
    sipky.moveTo(od);
    sipky.lineTo(od + u * hrot + n * hrot / 2.5);
    sipky.lineTo(od + u * hrot - n * hrot / 2.5);
    sipky.closeSubpath();
    sipky.moveTo(do_);
    sipky.lineTo(do_ - u * hrot + n * hrot / 2.5);
    sipky.lineTo(do_ - u * hrot - n * hrot / 2.5);
    sipky.closeSubpath();
    p.save();
    p.setBrush(p.pen().color());
    p.drawPath(sipky);
    p.restore();
}

}  // namespace

TvarProfilu::TvarProfilu(Druh druh, QWidget* parent) : QWidget(parent), druh_(druh) {
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
}

void TvarProfilu::nastavDruh(Druh druh) {
    if (druh_ != druh) {
        druh_ = druh;
        update();
    }
}

QSize TvarProfilu::sizeHint() const {
    const int em = fontMetrics().height();
    return druh_ == Druh::Narys ? QSize(10 * em, 5 * em) : QSize(5 * em, 5 * em);
}

QSize TvarProfilu::minimumSizeHint() const { return sizeHint(); }

void TvarProfilu::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const qreal em = fontMetrics().height();
    const qreal okraj = em * 0.6;  // room for the dimension lines on the left and below
    const QRectF plocha = QRectF(rect()).adjusted(okraj + 2, 2, -2, -okraj - 2);

    // Proportions of the drawing only; the real dimensions are typed beside it.
    QRectF tvar;
    const qreal v = plocha.height();
    switch (druh_) {
        case Druh::Narys:
            tvar = QRectF(plocha.left(), plocha.top() + v * 0.2, plocha.width(), v * 0.6);
            break;
        case Druh::Kruh:
        case Druh::Ctverec:
            tvar = QRectF(plocha.left(), plocha.top(), std::min(v, plocha.width()), std::min(v, plocha.width()));
            break;
        case Druh::Obdelnik:
            tvar = QRectF(plocha.left(), plocha.top(), std::min(v * 0.6, plocha.width()), v);
            break;
    }

    QLinearGradient ocel(tvar.topLeft(), tvar.bottomLeft());
    ocel.setColorAt(0.0, QColor(0xd8, 0xdc, 0xe0));
    ocel.setColorAt(0.5, QColor(0xa8, 0xb0, 0xb8));
    ocel.setColorAt(1.0, QColor(0x80, 0x88, 0x90));
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.5));
    p.setBrush(ocel);
    if (druh_ == Druh::Kruh) {
        p.drawEllipse(tvar);
    } else {
        p.drawRect(tvar);
    }

    // Dimension lines: the height on the left of every view, the width under the side
    // view (L) and under the rectangle (B).
    p.setPen(QPen(palette().color(QPalette::WindowText), 1.0));
    const qreal xKoty = tvar.left() - okraj / 2 - 1;
    kotovaciCara(p, QPointF(xKoty, tvar.top()), QPointF(xKoty, tvar.bottom()));
    if (druh_ == Druh::Narys || druh_ == Druh::Obdelnik) {
        const qreal yKoty = tvar.bottom() + okraj / 2 + 1;
        kotovaciCara(p, QPointF(tvar.left(), yKoty), QPointF(tvar.right(), yKoty));
    }
}

NacrtProfilu::NacrtProfilu(QWidget* parent)
    : QWidget(parent),
      ShpNarys(new TvarProfilu(TvarProfilu::Druh::Narys, this)),
      ShpPudorys(new TvarProfilu(TvarProfilu::Druh::Obdelnik, this)),
      lblA1(new QLabel(QStringLiteral("A"), this)),
      lblB1(new QLabel(QStringLiteral("B"), this)),
      lblL1(new QLabel(QStringLiteral("L"), this)) {
    setObjectName(QStringLiteral("nacrtProfilu"));
    ShpNarys->setObjectName(QStringLiteral("ShpNarys"));
    ShpPudorys->setObjectName(QStringLiteral("ShpPudorys"));
    lblA1->setObjectName(QStringLiteral("lblA1"));
    lblB1->setObjectName(QStringLiteral("lblB1"));
    lblL1->setObjectName(QStringLiteral("lblL1"));

    auto* mrizka = new QGridLayout(this);
    mrizka->setContentsMargins(0, 0, 0, 0);
    mrizka->setHorizontalSpacing(4);
    mrizka->setVerticalSpacing(0);
    // Column 0: the letter of the height; 1: the cross-section; 2: a gap; 3: the side view.
    mrizka->addWidget(lblA1, 0, 0, Qt::AlignRight | Qt::AlignVCenter);
    mrizka->addWidget(ShpPudorys, 0, 1, Qt::AlignLeft | Qt::AlignVCenter);
    mrizka->addWidget(ShpNarys, 0, 3);
    mrizka->addWidget(lblB1, 1, 1, Qt::AlignLeft | Qt::AlignTop);
    mrizka->addWidget(lblL1, 1, 3, Qt::AlignHCenter | Qt::AlignTop);
    mrizka->setColumnMinimumWidth(2, fontMetrics().height());
    mrizka->setColumnStretch(3, 1);
    mrizka->setColumnStretch(4, 1);
    lblB1->setIndent(fontMetrics().height());
}

}  // namespace zorvet
