#include "ui/views/graf_vysledku.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>

#include "files/retezce.h"
#include "ui/common/graf.h"

namespace zorvet {

namespace {

const QColor kModra(0, 0, 255);
const QColor kCervena(255, 0, 0);
const QColor kOranzova(230, 120, 0);
const QColor kZelena(0, 128, 0);
// Up to this many steps every point is marked; longer series are bare lines.
constexpr int kZnackyDo = 50;

}  // namespace

void NaplnGrafVysledku(Graf& graf, const Vysledek& vysledek, Jazyk j) {
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
        const auto cas = static_cast<double>(vysledek.Vysledky.Cas[r]);
        vsazka.append(QPointF(cas, static_cast<double>(vysledek.Vysledky.TeplotaVsazky[r])));
        if (rizeny) {
            pec.append(QPointF(cas, static_cast<double>(vysledek.TeplotaPece[r])));
        }
    }
    // The old curves go first, so that nothing below lays them out again.
    graf.vymazRady();
    graf.nastavPopisOsyX(Text(id::OsaCasu, j));
    graf.nastavPopisOsyY(Text(id::OsaTeploty, j));
    graf.nastavPismo(QFont(QStringLiteral("Arial"), 16, QFont::Normal));
    graf.nastavTitulek(Text(id::TitulekGrafu, j));
    graf.nastavZnacky(n <= kZnackyDo);
    QList<Graf::Rada> rady;
    // An uncontrolled chart of one curve needs no legend; a second curve names both.
    rady.append({rizeny || vysledek.Jadro ? Text(id::Vsazka, j) : QString(), kModra, vsazka});
    if (rizeny) {
        rady.append({Text(id::Pec, j), kCervena, pec});
    }
    if (vysledek.Jadro) {
        // The surface and the core of a thick charge, dashed, at the same times.
        QList<QPointF> povrch;
        QList<QPointF> jadro;
        const std::vector<float>& t = vysledek.Jadro->teplota;
        for (std::size_t i = 0; i < t.size(); ++i) {
            const double cas = static_cast<double>(i) * static_cast<double>(vysledek.Uloha.CasKrok);
            povrch.append(QPointF(cas, static_cast<double>(vysledek.Jadro->povrch[i])));
            jadro.append(QPointF(cas, static_cast<double>(t[i])));
        }
        rady.append({Text(id::PovrchGraf, j), kOranzova, povrch, Qt::DashLine});
        rady.append({Text(id::JadroGraf, j), kZelena, jadro, Qt::DashLine});
    }
    graf.nastavRady(rady);
}

}  // namespace zorvet
