#include "ui/views/graf_vysledku.h"

#include <QColor>
#include <QFont>
#include <QList>
#include <QPointF>
#include <algorithm>
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

const QColor kTyrkysova(0, 150, 160);
const QColor kHneda(140, 90, 20);

// A column of the core's rows over time.
QList<QPointF> krivkaKroku(const Vysledek& v, const std::vector<float>& t) {
    QList<QPointF> body;
    for (std::size_t i = 0; i < t.size(); ++i) {
        body.append(QPointF(static_cast<double>(i) * static_cast<double>(v.Uloha.CasKrok), static_cast<double>(t[i])));
    }
    return body;
}

// The core of a thick charge over time, when it was computed.
QList<QPointF> krivkaJadra(const Vysledek& v, bool povrch) {
    if (!v.Jadro) {
        return {};
    }
    return krivkaKroku(v, povrch ? v.Jadro->povrch : v.Jadro->teplota);
}

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
    graf.nastavPopisOsyVpravo(Text(id::PrikonOsa, j));
    graf.nastavPismo(QFont(QStringLiteral("Arial"), 16, QFont::Normal));
    graf.nastavTitulek(Text(id::TitulekGrafu, j));
}

// The curves of one result; the charge named also when pojmenovat.
QList<Graf::Rada> radyVysledku(const Vysledek& vysledek, Jazyk j, bool pojmenovat) {
    // A furnace described as a thermal system has a temperature of its own at every step.
    const bool rizeny = PecSeMeni(vysledek);
    QList<Graf::Rada> rady;
    // An uncontrolled chart of one curve needs no legend; a second curve names both.
    rady.append({rizeny || vysledek.Jadro || pojmenovat ? Text(id::Vsazka, j) : QString(), kModra, krivkaVsazky(vysledek)});
    const bool jadro = vysledek.Jadro && !vysledek.Jadro->povrch.empty();
    if (rizeny) {
        // The furnace as far as the charge's rows, or the core's when they run on.
        const std::size_t radku =
            std::max<std::size_t>(static_cast<std::size_t>(vysledek.posledniRadek() + 1),
                                  jadro ? vysledek.Jadro->teplota.size() : 0);
        QList<QPointF> pec;
        pec.reserve(static_cast<qsizetype>(radku));
        for (std::size_t i = 0; i < radku; ++i) {
            pec.append(QPointF(static_cast<double>(i) * static_cast<double>(vysledek.Uloha.CasKrok),
                               static_cast<double>(vysledek.teplotaPece(static_cast<long>(i)))));
        }
        // Under a power limit the curve is the equivalent furnace temperature of the limited power.
        rady.append({Text(PecEkvivalentni(vysledek) ? id::PecOmezena : id::Pec, j), kCervena, pec});
    }
    if (vysledek.Pec) {
        // The power it drew over each step, on the right axis in kW, as far as the furnace.
        QList<QPointF> prikon;
        const qsizetype kroku = std::min(rady.back().body.size(), static_cast<qsizetype>(vysledek.Pec->prikon.size()));
        for (qsizetype i = 0; i < kroku; ++i) {
            prikon.append(QPointF(static_cast<double>(i) * static_cast<double>(vysledek.Uloha.CasKrok),
                                  static_cast<double>(vysledek.Pec->prikon[static_cast<std::size_t>(i)]) / 1000.0));
        }
        rady.append({Text(id::PrikonKrivka, j), kHneda, prikon, Qt::SolidLine, false, true});
    }
    if (jadro) {
        // The surface and the core of a thick charge, dashed, at the same times; of an array the
        // slowest piece's, and the fastest piece's core dotted.
        const VysledekUsporadani* pole =
            vysledek.Usporadani && vysledek.Usporadani->mrizka ? &*vysledek.Usporadani : nullptr;
        rady.append({Text(pole != nullptr ? id::PovrchNejpomalejsihoGraf : id::PovrchGraf, j), kOranzova,
                     krivkaJadra(vysledek, true), Qt::DashLine});
        rady.append({Text(pole != nullptr ? id::JadroNejpomalejsihoGraf : id::JadroGraf, j), kZelena,
                     krivkaJadra(vysledek, false), Qt::DashLine});
        if (pole != nullptr && !pole->jadroNejrychlejsiho.empty()) {
            rady.append({Text(id::JadroNejrychlejsihoGraf, j), kTyrkysova, krivkaKroku(vysledek, pole->jadroNejrychlejsiho),
                         Qt::DotLine});
        }
    }
    return rady;
}

}  // namespace

QString NazevVysledku(const Vysledek& vysledek, Jazyk j) {
    return vysledek.Soubor.empty() ? Text(id::Aktualni, j) : QString::fromStdString(vysledek.Soubor);
}

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
        // Each result's charge in a colour of its own, and of a thick charge its core, dashed in
        // the same colour: the core decides its time.
        const auto pridej = [&](const QString& nazev, const QColor& barva, const Vysledek& v) {
            rady.append({nazev, barva, krivkaVsazky(v)});
            if (v.Jadro && !v.Jadro->teplota.empty()) {
                rady.append({nazev + QStringLiteral(" – ") + Text(id::JadroGraf, j), barva, krivkaJadra(v, false),
                             Qt::DashLine});
            }
        };
        if (obsah.vysledek != nullptr) {
            pridej(NazevVysledku(*obsah.vysledek, j), kBarvySrovnani[0], *obsah.vysledek);
        }
        for (qsizetype i = 0; i < obsah.srovnani.size() && i + 1 < kNejvicVysledku; ++i) {
            const Srovnani& s = obsah.srovnani.at(i);
            pridej(s.nazev, kBarvySrovnani[static_cast<std::size_t>(i + 1)], *s.vysledek);
        }
    }
    if (obsah.prolozeni != nullptr) {
        rady.append({Text(id::Prolozeno, j), kFialova, krivkaVsazky(*obsah.prolozeni), Qt::DashLine});
    }
    if (!obsah.mereni.empty()) {
        Graf::Rada log{obsah.souborMereni.isEmpty() ? Text(id::Namereno, j)
                                                    : Text(id::NamerenoSoubor, j).arg(obsah.souborMereni),
                       Qt::black, {}};
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
