#include "ui/views/graf_vysledku.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <array>

#include "files/retezce.h"
#include "ui/common/graf.h"

namespace zorvet {

namespace {

const QColor kModra(0, 0, 255);
const QColor kCervena(255, 0, 0);
const QColor kOranzova(230, 120, 0);
const QColor kZelena(0, 128, 0);
const QColor kFialova(128, 0, 160);
// The results compared, the one shown first.
const std::array<QColor, kNejvicVysledku> kBarvySrovnani{
    QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0), QColor(230, 120, 0), QColor(200, 0, 200), QColor(0, 150, 160)};
// Up to this many steps every point is marked; longer series are bare lines.
constexpr int kZnackyDo = 50;

QList<QPointF> krivkaVsazky(const Vysledek& v) {
    QList<QPointF> body;
    body.reserve(v.posledniRadek() + 1);
    for (int i = 0; i <= v.posledniRadek(); ++i) {
        const auto r = static_cast<std::size_t>(i);
        body.append(QPointF(static_cast<double>(v.Vysledky.Cas[r]), static_cast<double>(v.Vysledky.TeplotaVsazky[r])));
    }
    return body;
}

void popisy(Graf& graf, Jazyk j) {
    // The old curves go first, so that nothing below lays them out again.
    graf.vymazRady();
    graf.nastavPopisOsyX(Text(id::OsaCasu, j));
    graf.nastavPopisOsyY(Text(id::OsaTeploty, j));
    graf.nastavPismo(QFont(QStringLiteral("Arial"), 16, QFont::Normal));
    graf.nastavTitulek(Text(id::TitulekGrafu, j));
}

// The curves of one result; the charge named also when pojmenovat.
QList<Graf::Rada> radyVysledku(const Vysledek& vysledek, Jazyk j, bool pojmenovat) {
    const bool rizeny = PecSeMeni(vysledek);
    QList<Graf::Rada> rady;
    // An uncontrolled chart of one curve needs no legend; a second curve names both.
    rady.append({rizeny || vysledek.Jadro || pojmenovat ? Text(id::Vsazka, j) : QString(), kModra, krivkaVsazky(vysledek)});
    if (rizeny) {
        QList<QPointF> pec;
        pec.reserve(vysledek.posledniRadek() + 1);
        for (int i = 0; i <= vysledek.posledniRadek(); ++i) {
            const auto r = static_cast<std::size_t>(i);
            pec.append(QPointF(static_cast<double>(vysledek.Vysledky.Cas[r]), static_cast<double>(vysledek.TeplotaPece[r])));
        }
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
    return rady;
}

}  // namespace

void NaplnGrafVysledku(Graf& graf, const Vysledek& vysledek, Jazyk j) {
    popisy(graf, j);
    graf.nastavZnacky(vysledek.posledniRadek() <= kZnackyDo);
    graf.nastavRady(radyVysledku(vysledek, j, false));
}

void NaplnGraf(Graf& graf, const ObsahGrafu& obsah, Jazyk j) {
    const bool nadVysledkem = !obsah.mereni.empty() || obsah.prolozeni != nullptr;
    if (obsah.srovnani.isEmpty() && !nadVysledkem && obsah.vysledek != nullptr) {
        NaplnGrafVysledku(graf, *obsah.vysledek, j);
        return;
    }
    popisy(graf, j);
    QList<Graf::Rada> rady;
    if (obsah.srovnani.isEmpty()) {
        if (obsah.vysledek != nullptr) {
            rady = radyVysledku(*obsah.vysledek, j, true);
        }
    } else {
        if (obsah.vysledek != nullptr) {
            rady.append({Text(id::Aktualni, j), kBarvySrovnani[0], krivkaVsazky(*obsah.vysledek)});
        }
        for (qsizetype i = 0; i < obsah.srovnani.size() && i + 1 < kNejvicVysledku; ++i) {
            const Srovnani& s = obsah.srovnani.at(i);
            rady.append({s.nazev, kBarvySrovnani[static_cast<std::size_t>(i + 1)], krivkaVsazky(*s.vysledek)});
        }
    }
    if (obsah.prolozeni != nullptr) {
        rady.append({Text(id::Prolozeno, j), kFialova, krivkaVsazky(*obsah.prolozeni), Qt::DashLine});
    }
    if (!obsah.mereni.empty()) {
        Graf::Rada log{Text(id::Namereno, j), Qt::black, {}};
        for (const BodMereni& b : obsah.mereni) {
            log.body.append(QPointF(b.cas, b.teplota));
        }
        log.jenBody = log.body.size() <= kZnackyDo;
        rady.append(log);
    }
    // Markers only while every curve is short; a measured log marks its own points.
    bool kratke = true;
    for (const Graf::Rada& r : rady) {
        kratke = kratke && (r.jenBody || r.body.size() <= kZnackyDo + 1);
    }
    graf.nastavZnacky(kratke);
    graf.nastavRady(rady);
}

}  // namespace zorvet
