#include "model/furnace/provoz.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <stdexcept>

#include "model/case/konstanty.h"

namespace zorvet {

namespace {

// The Newton iterations of a step, and the largest change of the furnace temperature in one.
constexpr int kIteraci = 100;
constexpr int kPoVelkeZmene = 20;
constexpr double kZbytek = 1e-3;  // K
constexpr double kNejvetsiZmena = 200.0;

}  // namespace

PecVProvozu::PecVProvozu(const Pec& pec, const OkoliPece& okoli, double prvek)
    : geometrie_(Geometrie(pec, okoli)), okoli_(okoli.teplota) {
    for (CastPece cast : kCastiPece) {
        const std::size_t i = static_cast<std::size_t>(cast);
        casti_.emplace_back(VyzdivkaCasti(pec, cast), geometrie_.plocha[i], geometrie_.povrch[i], prvek);
    }
}

void PecVProvozu::studena() {
    for (StenaPece& c : casti_) {
        c.nastav(okoli_);
    }
}

void PecVProvozu::horka(double tf) {
    for (StenaPece& c : casti_) {
        c.ustal(tf);
    }
}

std::vector<double> PecVProvozu::stav() const {
    std::vector<double> s;
    for (const StenaPece& c : casti_) {
        s.insert(s.end(), c.teploty().begin(), c.teploty().end());
    }
    return s;
}

void PecVProvozu::nastavStav(const std::vector<double>& stav) {
    std::size_t od = 0;
    for (StenaPece& c : casti_) {
        const std::size_t n = c.teploty().size();
        if (od + n > stav.size()) {
            throw std::invalid_argument("PecVProvozu: a state of another lining");
        }
        c.nastavTeploty(std::vector<double>(stav.begin() + static_cast<std::ptrdiff_t>(od),
                                            stav.begin() + static_cast<std::ptrdiff_t>(od + n)));
        od += n;
    }
}

double PecVProvozu::teplota() const { return casti_.front().teploty().front(); }

double PecVProvozu::teplo() const {
    double e = 0.0;
    for (const StenaPece& c : casti_) {
        e += c.teplo();
    }
    return e;
}

double PecVProvozu::ztrataVen() const {
    double q = 0.0;
    for (const StenaPece& c : casti_) {
        q += c.tepelnyTok();
    }
    return q;
}

double PecVProvozu::dvere(double tf, double otevreno) const {
    if (!(otevreno > 0.0) || geometrie_.plochaDveri <= 0.0) {
        return 0.0;
    }
    const double tfK = tf + kKelvin;
    const double taK = okoli_ + kKelvin;
    return kSigmaSI * geometrie_.faktorDveri * geometrie_.plochaDveri * (tfK * tfK * tfK * tfK - taK * taK * taK * taK) *
           otevreno;
}

KrokPece PecVProvozu::krok(double dt, double nastavena, double otevreno, double prikon, VsazkaVPeci& vsazka) {
    const double pred = teplo();
    const double strop = prikon > 0.0 ? prikon * dt : std::numeric_limits<double>::infinity();
    // Newton's method on the furnace temperature and every node of the lining at once: each
    // iteration linearises the needs about the tried state, chooses the temperature (the set one,
    // or where the needs meet the installed power or zero) and moves the lining there.
    double tf = teplota();
    bool vyreseno = false;
    for (int iterace = 0; iterace < kIteraci && !vyreseno; ++iterace) {
        constexpr double h = 1e-3;
        const double vyse = vsazka.zkus(dt, tf + h).celkem();
        double potreba = vsazka.zkus(dt, tf).celkem();
        double derivace = (vyse - potreba) / h;
        potreba += dvere(tf, otevreno);
        derivace += (dvere(tf + h, otevreno) - dvere(tf - h, otevreno)) / (2.0 * h);
        for (StenaPece& c : casti_) {
            const StenaPece::Linearizace l = c.linearizuj(dt, tf);
            potreba += l.teplo;
            derivace += l.derivace;
        }
        const double priNastavene = potreba + derivace * (nastavena - tf);
        double posun = nastavena - tf;
        if (priNastavene > strop) {
            posun = (strop - potreba) / derivace;
        } else if (priNastavene < 0.0) {
            posun = -potreba / derivace;
        }
        posun = std::clamp(posun, -kNejvetsiZmena, kNejvetsiZmena);
        double zmena = std::fabs(posun);
        for (StenaPece& c : casti_) {
            zmena = std::max(zmena, c.posun(posun));
        }
        tf += posun;
        // The properties' and the outer surface's coefficients are smooth only piecewise: where
        // Newton's method goes to and fro across a kink by a trifle, after a while, so small a
        // change is settled.
        vyreseno = zmena < 1e-9 * (std::fabs(tf) + kKelvin) || (iterace >= kPoVelkeZmene && zmena < kZbytek);
    }
    KrokPece k;
    k.vyreseno = vyreseno;
    k.teplota = tf;
    k.vsazka = vsazka.zkus(dt, tf);
    k.dvere = dvere(tf, otevreno);
    double doVyzdivky = 0.0;
    for (StenaPece& c : casti_) {
        doVyzdivky += c.dovnitr(dt);
        c.prijmi();
        k.steny += c.ztrata();
    }
    vsazka.prijmi();
    k.vyzdivka = teplo() - pred;
    // What the needs add up to, within the tolerance of the solution of the limits it met.
    k.prikon = std::clamp((k.vsazka.celkem() + k.dvere + doVyzdivky) / dt, 0.0, strop / dt);
    return k;
}

}  // namespace zorvet
