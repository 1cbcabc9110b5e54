#include "model/march/vsazka.h"

#include "model/case/konstanty.h"
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
      tolerance(static_cast<float>(static_cast<double>(u.CasKrok) / 10.0)) {
    // A curve of one specific heat marches as that specific heat does, bit for bit.
    if (u.Vlastnosti) {
        entalpie.emplace(*u.Vlastnosti);
        if (const std::optional<float> stala = entalpie->stalaC()) {
            c = *stala;
            entalpie.reset();
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

}  // namespace zorvet
