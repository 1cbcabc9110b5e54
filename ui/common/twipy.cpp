#include "ui/common/twipy.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <cmath>

namespace zorvet {

int NaPixely(double twipy) { return static_cast<int>(std::lround(twipy / kTwipu)); }

QRect Twipy(int vlevo, int nahore, int sirka, int vyska) {
    return {NaPixely(vlevo), NaPixely(nahore), NaPixely(sirka), NaPixely(vyska)};
}

void Vycentruj(QWidget* okno) {
    const QScreen* obrazovka = okno->screen() != nullptr ? okno->screen() : QGuiApplication::primaryScreen();
    if (obrazovka == nullptr) {
        return;
    }
    const QRect g = obrazovka->geometry();
    const QSize vnejsi = okno->frameGeometry().size();
    okno->move(g.x() + (g.width() - vnejsi.width()) / 2, g.y() + (g.height() - vnejsi.height()) / 2);
}

}  // namespace zorvet
