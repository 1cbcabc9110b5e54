#include "ui/graf_vysledku.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <algorithm>

#include "files/retezce.h"
#include "ui/graf.h"

namespace zorvet {

namespace {

const QColor kModra(0, 0, 255);
const QColor kCervena(255, 0, 0);
// Up to this many steps every point is marked; longer series are bare lines.
constexpr int kZnackyDo = 50;

}  // namespace

void NaplnGrafVysledku(Graf& graf, const Stav& stav) {
    const std::int16_t j = stav.Jazyk;
    const bool rizeny = stav.Uloha.Rizeny;
    const int n = std::clamp(static_cast<int>(stav.PocetKroku), 0, kPosledniRadek);
    QList<QPointF> vsazka;
    QList<QPointF> pec;
    vsazka.reserve(n + 1);
    if (rizeny) {
        pec.reserve(n + 1);
    }
    for (int i = 0; i <= n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        vsazka.append(QPointF(stav.Vysledky.Cas[r], stav.Vysledky.TeplotaVsazky[r]));
        if (rizeny) {
            pec.append(QPointF(stav.Vysledky.Cas[r], stav.TeplotaPece[r]));
        }
    }
    // The old curves go first, so that nothing below lays them out again.
    graf.vymazRady();
    graf.nastavPopisOsyX(Text(72, j));
    graf.nastavPopisOsyY(Text(71, j));
    graf.nastavPismo(QFont(QStringLiteral("Arial"), 16, QFont::Normal));
    graf.nastavTitulek(Text(70, j));
    graf.nastavZnacky(n <= kZnackyDo);
    if (rizeny) {
        graf.nastavRady({{Text(114, j), kModra, vsazka}, {Text(115, j), kCervena, pec}});
    } else {
        graf.nastavRady({{QString(), kModra, vsazka}});
    }
}

}  // namespace zorvet
