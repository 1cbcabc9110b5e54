// The charge as every march sees it: one accepted case turned once into the values the steps
// take. The march of the single charge temperature (Pochod) and its four lanes (PochodCtyr), the
// advice on a step too long, the energy of the power frame, the core of a thick piece and the
// load as it stands all take the heat capacity, the specific heat and the tolerance from here,
// so none of them forms them on its own.
//
// The heat capacity is the charge's, m c, and what heats with it at its temperature: every field
// of the table marked as such a mass (PopisPole::cHmoty) adds its mass times its specific heat.
// A new heat-capacity term is a row of the field table; a term of another form is one line of
// DodatecnaKapacita (model/march/vsazka.cpp).
#pragma once

#include <optional>

#include "model/case/uloha.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

// J/K that heats with the charge at its temperature beyond the charge itself (fixtures, baskets);
// 0 for none.
double DodatecnaKapacita(const Uloha& u);

struct Vsazka {
    explicit Vsazka(const Uloha& u);

    // The case's values the steps take, widened once; the products are the ones the documented
    // march forms first, so each step computes as it always did.
    double m = 0.0, A = 0.0, KoefK = 0.0, dt = 0.0, pulK = 0.0, epsSigma = 0.0, konvekce = 0.0;
    // The specific heat of the documented march: the case's c, or the one value of a property
    // curve that holds one in every point (which marches bit for bit as that c does).
    float c = 0.0f;
    // The property curve the march takes its heat in enthalpy with, when its c varies.
    std::optional<Vlastnosti> entalpie;
    // J/K beyond the charge (DodatecnaKapacita).
    double navic = 0.0;
    // J/K: the total heat capacity at c, m c and what heats with the charge.
    double mc = 0.0;
    // The convergence limit of a step's iteration, °C: the time step / 10.
    float tolerance = 0.0f;

    // J/K: the total heat capacity at the specific heat cNaKg of the charge.
    double kapacita(double cNaKg) const { return m * cNaKg + navic; }
    // J/(kg K): what heats with the charge, per kilogram of it (the conduction spreads it evenly
    // through the load).
    double navicNaKg() const { return navic > 0.0 ? navic / m : 0.0; }
    // J/K: the heat capacity the charge takes up its heat from Tv to Tk with: the mean of its
    // property curve over that span (UcinnaC), and what heats with it. The energy of the power
    // frame is (Tk − Tv) times this.
    double kapacitaOhrevu(const Uloha& u) const;
    // J: the heat the load and what heats with it take from t0 to t1, °C, by the property
    // curve's enthalpy or c.
    double teplo(double t0, double t1) const;
};

}  // namespace zorvet
