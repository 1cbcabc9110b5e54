// The layouts of the main window and of the splash are given in twips, 1/1440 inch: 15 to a
// pixel at 96 dpi. One conversion serves both.
#pragma once

#include <QRect>

class QWidget;

namespace zorvet {

inline constexpr int kTwipu = 15;

// Twips to pixels, rounded to the nearest pixel.
int NaPixely(double twipy);

QRect Twipy(int vlevo, int nahore, int sirka, int vyska);

// Centres a window on its screen: top = (screen height - window height) \ 2, the same for the
// left edge, with the window's outer size.
void Vycentruj(QWidget* okno);

}  // namespace zorvet
