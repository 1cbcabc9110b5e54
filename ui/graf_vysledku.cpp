#include "ui/graf_vysledku.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>

#include "files/retezce.h"
#include "ui/graf.h"

namespace zorvet {

namespace {

const QColor kModra(0, 0, 255);
const QColor kCervena(255, 0, 0);
// Up to this many steps every point is marked; longer series are bare lines.
constexpr int kZnackyDo = 50;

}  // namespace

void NaplnGrafVysledku(Graf& graf, const Vysledek& vysledek, std::int16_t j) {
    const bool rizeny = vysledek.Uloha.Rizeny;
    const int n = vysledek.posledniRadek();
    QList<QPointF> vsazka;
    QList<QPointF> pec;
    vsazka.reserve(n + 1);
    if (rizeny) {
        pec.reserve(n + 1);
    }
    for (int i = 0; i <= n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        vsazka.append(QPointF(vysledek.Vysledky.Cas[r], vysledek.Vysledky.TeplotaVsazky[r]));
        if (rizeny) {
            pec.append(QPointF(vysledek.Vysledky.Cas[r], vysledek.TeplotaPece[r]));
        }
    }
    // The old curves go first, so that nothing below lays them out again.
    graf.vymazRady();
    graf.nastavPopisOsyX(Text(id::OsaCasu, j));
    graf.nastavPopisOsyY(Text(id::OsaTeploty, j));
    graf.nastavPismo(QFont(QStringLiteral("Arial"), 16, QFont::Normal));
    graf.nastavTitulek(Text(id::TitulekGrafu, j));
    graf.nastavZnacky(n <= kZnackyDo);
    if (rizeny) {
        graf.nastavRady({{Text(id::Vsazka, j), kModra, vsazka}, {Text(id::Pec, j), kCervena, pec}});
    } else {
        graf.nastavRady({{QString(), kModra, vsazka}});
    }
}

}  // namespace zorvet
