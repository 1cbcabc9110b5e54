// The charge as the furnace sees it: whatever marches the charge (its single temperature, its
// core, an array or a bundle) tells the furnace, step by step, what heat it would take up at a
// furnace temperature, and takes the step at the temperature the furnace settles on.
#pragma once

#include <optional>
#include <vector>

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
    // °C at which the charge and the fixtures hold teplo J more than at the start; and the charge
    // set to it.
    double teplotaProTeplo(double teplo) const;
    void nastavTeplo(double teplo) { t_ = zkouska_ = teplotaProTeplo(teplo); }

private:
    double entalpie(double t) const;  // J/kg of the charge from its start

    ZadaniSoustredene z_;
    std::optional<Vlastnosti> krivka_;
    double t_ = 0.0, zkouska_ = 0.0;
};

// What a march of the load's conduction (its core, an array, a bundle) gave under a furnace:
// per step from the loading the heat it took (index 0 unused) and its slowest point, °C, to the
// step that slowest point reached the final temperature.
struct VedeniVsazky {
    std::vector<TeploVsazky> teplo;
    std::vector<double> nejpomalejsi;
    long krokOhrevu = -1;
    double teploOhrevu = 0.0;  // J the load took to that step
};

// A charge whose conduction was marched under a furnace near this one. Each step takes the heat
// that march took in it, plus what the charge of one temperature takes at this furnace more
// than it took at that one: a defect correction, whose fixed point (the furnace the conduction
// was marched under) takes the conduction's heat exactly, while the charge of one temperature
// tells how the heat changes with the furnace. The heat-up ends at the step the conduction's
// slowest point reached the final temperature; the one temperature then goes on from the
// load's mean temperature. Without a march set it is the charge of one temperature alone.
class OpravenaVsazka : public VsazkaVPeci {
public:
    OpravenaVsazka(ZadaniSoustredene z, double krok) : jedna_(std::move(z)), krok_(krok) {}
    // The march to follow from the next loading on, against the heats of one temperature that the
    // last cycle took.
    void nastav(const VedeniVsazky& vedeni);
    void nalozit() override;
    TeploVsazky zkus(double dt, double tf) override;
    void prijmi() override;
    double teplota() const override;
    double cil() const override { return jedna_.cil(); }
    const SoustredenaVsazka& jedna() const { return jedna_; }

private:
    SoustredenaVsazka jedna_;
    double krok_;
    VedeniVsazky vedeni_;
    std::vector<TeploVsazky> oprava_;  // per step
    std::vector<TeploVsazky> zaznam_;  // the heats of one temperature of the cycle so far
    TeploVsazky zkouska_;
    std::size_t k_ = 0;
};

}  // namespace zorvet
