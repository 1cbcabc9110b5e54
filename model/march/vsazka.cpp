#include "model/march/vsazka.h"

#include <cmath>
#include <limits>

#include "model/case/konstanty.h"
#include "model/march/mocnina.h"
#include "model/properties/koren.h"
#include "model/case/pole.h"

namespace zorvet {

double DodatecnaKapacita(const Uloha& u) {
    double kapacita = 0.0;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.cHmoty > 0.0 && Plati(p.kdy, u)) {
            kapacita += Hodnota(p, u) * p.cHmoty;
        }
    }
    // The fixtures of a furnace described as a thermal system, of their own specific heat.
    if (u.Pec) {
        kapacita += static_cast<double>(u.HmotnostPripravku) * static_cast<double>(u.CPripravku);
    }
    return kapacita;
}

Vsazka::Vsazka(const Uloha& u)
    : m(static_cast<double>(u.m)),
      A(static_cast<double>(u.A)),
      KoefK(static_cast<double>(u.KoefK)),
      dt(static_cast<double>(u.CasKrok)),
      pulK(KoefK * 0.5),
      epsSigma(static_cast<double>(u.Eps) * kSigma),
      konvekce(static_cast<double>(u.Konvekce)),
      c(u.c),
      navic(DodatecnaKapacita(u)),
      pmax(u.Prikon > 0.0f ? static_cast<double>(u.Prikon) / (1.0 + static_cast<double>(u.Ztraty) / 100.0) : 0.0),
      tolerance(static_cast<float>(static_cast<double>(u.CasKrok) / 10.0)) {
    // A curve of one specific heat marches as that specific heat does, bit for bit.
    if (u.Vlastnosti) {
        entalpie.emplace(*u.Vlastnosti);
        if (const std::optional<float> stala = entalpie->stalaC()) {
            c = *stala;
            entalpie.reset();
        } else {
            tabulka = TabulkaEntalpie::Pro(*u.Vlastnosti);
        }
    }
    mc = m * static_cast<double>(c) + navic;
}

double Vsazka::teplo(double t0, double t1) const {
    const double h = entalpie ? entalpie->entalpie(t1) - entalpie->entalpie(t0) : static_cast<double>(c) * (t1 - t0);
    return m * h + navic * (t1 - t0);
}

double Vsazka::kapacitaOhrevu(const Uloha& u) const {
    return static_cast<double>(UcinnaC(u)) * m + navic;
}

// The surface's heat rises with the furnace temperature and is convex, so Newton from the
// furnace's own temperature, where it is too high, comes down to the root.
std::optional<double> Vsazka::pecProPrikon(double tm, float vlastni) const {
    const double ak = A * KoefK;
    const double tmK = CtvrtaMocnina((tm + kKelvin) / 100.0);
    const double es = epsSigma;
    const double hc = konvekce;
    double tf = static_cast<double>(vlastni);
    for (int i = 0; i < 100; ++i) {
        const double q = ak * (hc * (tf - tm) + es * (CtvrtaMocnina((tf + kKelvin) / 100.0) - tmK)) - pmax;
        const double dq = ak * (hc + es * 0.04 * std::pow((tf + kKelvin) / 100.0, 3.0));
        if (dq == 0.0) {
            return std::nullopt;
        }
        const double dalsi = tf - q / dq;
        if (std::fabs(dalsi - tf) <= 1e-9 * (std::fabs(tf) + kKelvin)) {
            return dalsi;
        }
        tf = dalsi;
    }
    return tf;
}

double Vsazka::poPrikonu(double t0) const {
    const double teplo = pmax * dt;
    if (tabulka) {
        return tabulka->koren(m, navic, m * tabulka->entalpie(t0) + navic * t0 + teplo, t0);
    }
    if (!entalpie) {
        return t0 + teplo / mc;
    }
    // A curve too steep for a table: Newton on the curve, kept in a shrinking bracket.
    const Vlastnosti& krivka = *entalpie;
    const double h0 = krivka.entalpie(t0);
    if (!(navic > 0.0)) {
        return krivka.teplota(h0 + teplo / m);
    }
    const auto f = [&](double t) { return m * (krivka.entalpie(t) - h0) + navic * (t - t0) - teplo; };
    return NewtonVZavorce(f, [&](double t) { return kapacita(krivka.c(t)); }, t0 + teplo / kapacita(krivka.c(t0)),
                          -kKelvin, 1.0e6, 1e-10, kKelvin);
}

std::optional<OmezenyKrok> Vsazka::omezPrikonem(double t0, double t1, double alfa, float tpece, bool sPeci) const {
    const double ak = A * KoefK;
    if (!(alfa * ak * (static_cast<double>(tpece) - (t0 + t1) / 2.0) > pmax)) {
        return std::nullopt;
    }
    OmezenyKrok o;
    o.t = poPrikonu(t0);
    if (sPeci) {
        const double tm = (t0 + o.t) / 2.0;
        const std::optional<double> pec = pecProPrikon(tm, tpece);
        o.pec = pec.value_or(std::numeric_limits<double>::quiet_NaN());
        o.ak = ak * (o.pec - tm);
        o.deleniNulou = !pec;
    } else {
        o.pec = o.ak = std::numeric_limits<double>::quiet_NaN();
    }
    return o;
}

}  // namespace zorvet
