// The charge as the furnace sees it: whatever marches the charge (its single temperature, its
// core, an array or a bundle) tells the furnace, step by step, what heat it would take up at a
// furnace temperature, and takes the step at the temperature the furnace settles on.
#pragma once

#include <optional>

#include "model/properties/vlastnosti.h"

namespace zorvet {

// The heat of one step, J: into the charge and into the fixtures heated with it.
struct TeploVsazky {
    double vsazka = 0.0;
    double pripravky = 0.0;
    double celkem() const { return vsazka + pripravky; }
};

class VsazkaVPeci {
public:
    virtual ~VsazkaVPeci() = default;
    // A fresh charge (and fixtures) at the start temperature, before the first step.
    virtual void nalozit() = 0;
    // The next step of dt seconds with the furnace at tf: the heat taken up; it rises with tf. The
    // step stays tried until prijmi() takes it; another zkus() replaces it.
    virtual TeploVsazky zkus(double dt, double tf) = 0;
    virtual void prijmi() = 0;
    // The charge's temperature that ends the heat-up (its slowest point) and the final one, °C.
    virtual double teplota() const = 0;
    virtual double cil() const = 0;
    bool ohrata() const { return teplota() >= cil(); }
};

// A charge of one temperature, heated as the lumped march heats it: radiation with the one
// emissivity (the constant 5.6697 W/m²/K⁴·10⁻⁸ on the kelvin temperatures over 100) and the
// convective coefficient, over the surface A reduced by KoefK, the trapezoidal rule with the
// furnace temperature of the step at both ends; its specific heat c or its property curve; the
// fixtures at its temperature.
struct ZadaniSoustredene {
    double m = 0.0, c = 0.0, A = 0.0, eps = 0.0, koefK = 1.0, konvekce = 15.0;
    double tv = 20.0, tk = 900.0;
    double kapacitaPripravku = 0.0;  // J/K of the fixtures
    std::optional<VlastnostiMaterialu> vlastnosti;  // c(T) in place of c
};

class SoustredenaVsazka : public VsazkaVPeci {
public:
    explicit SoustredenaVsazka(ZadaniSoustredene z);
    void nalozit() override;
    TeploVsazky zkus(double dt, double tf) override;
    void prijmi() override;
    double teplota() const override { return t_; }
    double cil() const override { return z_.tk; }

private:
    double entalpie(double t) const;  // J/kg of the charge from its start

    ZadaniSoustredene z_;
    std::optional<Vlastnosti> krivka_;
    double t_ = 0.0, zkouska_ = 0.0;
};

}  // namespace zorvet
