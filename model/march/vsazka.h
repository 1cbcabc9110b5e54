// The charge as every march sees it: one accepted case turned once into the values the steps
// take. The march of the single charge temperature (Pochod) and its lanes (PochodPruhu), the
// advice on a step too long, the energy of the power frame, the core of a thick piece and the
// load as it stands all take the heat capacity, the specific heat and the tolerance from here,
// so none of them forms them on its own.
//
// The heat capacity is the charge's, m c, and what heats with it at its temperature: every field
// of the table marked as such a mass (PopisPole::cHmoty) adds its mass times its specific heat.
// A new heat-capacity term is a row of the field table; a term of another form is one line of
// DodatecnaKapacita (model/march/vsazka.cpp).
#pragma once

#include <memory>
#include <optional>

#include "model/case/uloha.h"
#include "model/properties/tabulka_entalpie.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

// J/K that heats with the charge at its temperature beyond the charge itself (fixtures, baskets);
// 0 for none.
double DodatecnaKapacita(const Uloha& u);

// A step the installed power limited: the temperature it comes to, and the furnace temperature
// at which the surface at the step's mean temperature takes up just that heat with A K times
// the difference (NaN both where the furnace of the step is not asked for).
struct OmezenyKrok {
    double t = 0.0, pec = 0.0, ak = 0.0;
    bool deleniNulou = false;  // the furnace's temperature met a flat surface heat
};

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
    // Its enthalpy tabulated for the steps (null when the curve needs a finer grid than a table
    // takes: the steps then solve on the curve itself).
    std::shared_ptr<const TabulkaEntalpie> tabulka;
    // J/K beyond the charge (DodatecnaKapacita).
    double navic = 0.0;
    // J/K: the total heat capacity at c, m c and what heats with the charge.
    double mc = 0.0;
    // W: the heat the installed power gives the charge, after the losses; 0 for unlimited.
    double pmax = 0.0;
    // The convergence limit of a step's iteration, °C: the time step / 10.
    float tolerance = 0.0f;

    // J/K: the total heat capacity at the specific heat cNaKg of the charge.
    double kapacita(double cNaKg) const { return m * cNaKg + navic; }
    // J/(kg K): what heats with the charge, per kilogram of it (the conduction spreads it evenly
    // through the load).
    // The temperature that ends a step from t0 in the heat balance in enthalpy
    //   m (H(T) − H(t0)) + C (T − t0) = g (tf − (t0 + T) / 2),   g = α A K Δt,
    // on the table, searched from odhad. The march and its lanes both solve the step here.
    double teplotaKroku(double g, double tf, double t0, double odhad) const {
        const double h0 = tabulka->entalpie(t0);
        return tabulka->koren(m, navic + g / 2.0, m * h0 + navic * t0 + g * (tf - t0 / 2.0), odhad);
    }
    // The furnace temperature at which a surface at the mean temperature tm takes up just pmax.
    // None where its iteration meets a surface heat that does not rise with the furnace.
    std::optional<double> pecProPrikon(double tm, float vlastni) const;
    // The temperature at which the charge, from t0, has taken the heat pmax gives in a step.
    double poPrikonu(double t0) const;
    // The step from t0 to t1 with the coefficient alfa at the furnace tpece, limited when it would
    // take more than pmax; the furnace of the limit when sPeci.
    std::optional<OmezenyKrok> omezPrikonem(double t0, double t1, double alfa, float tpece, bool sPeci) const;
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
