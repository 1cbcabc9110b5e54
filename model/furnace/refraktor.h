// A refractory of the furnace's lining: its name, its density, and its specific heat and thermal
// conductivity at temperatures, linear between the points and held at the end values outside
// them. The record holds what a database or a file gave, as singles; the evaluated form
// (VlastnostiRefraktoru) gives the conduction march its conductivity k(T), the Kirchhoff potential
// Φ(T) = ∫k dT and the enthalpy h(T) = ∫c dT, each exact for the broken lines.
#pragma once

#include <string>
#include <vector>

namespace zorvet {

// One point of a property: its temperature and its value.
struct BodRefraktoru {
    float T = 0.0f;        // °C
    float hodnota = 0.0f;  // J/kg/K or W/m/K

    bool operator==(const BodRefraktoru&) const = default;
};

struct Refraktor {
    std::string Nazev;
    float Hustota = 0.0f;                  // kg/m³
    std::vector<BodRefraktoru> Teplo;      // specific heat, J/kg/K; one point: the same at every temperature
    std::vector<BodRefraktoru> Vodivost;   // thermal conductivity, W/m/K; one point likewise

    bool operator==(const Refraktor&) const = default;
};

// What is wrong with a refractory: the density or a value not finite and above zero, a property
// without points, temperatures of a property that do not rise, more points than a table holds.
enum class VadaRefraktoru { Zadna, Hustota, BezBodu, NerostouciTeplota, NekladnaHodnota, PrilisMnohoBodu };
struct ZavadaRefraktoru {
    VadaRefraktoru vada = VadaRefraktoru::Zadna;
    bool vodivost = false;  // in the conductivity (else the specific heat)
    int bod = 0;            // the point, 0-based

    bool operator==(const ZavadaRefraktoru&) const = default;
};

inline constexpr int kNejviceBoduRefraktoru = 64;  // points of one property

ZavadaRefraktoru ZkontrolujRefraktor(const Refraktor& r);

// A broken line through points (x, y), held at its end values outside them, and its integral.
class Lomenka {
public:
    explicit Lomenka(const std::vector<BodRefraktoru>& body);
    double operator()(double x) const;
    // ∫ from the first point to x (negative below it).
    double integral(double x) const;

private:
    std::vector<double> x_, y_, f_;  // f_: the integral at each point
};

// A sound refractory evaluated (ZkontrolujRefraktor).
class VlastnostiRefraktoru {
public:
    explicit VlastnostiRefraktoru(const Refraktor& r);
    double hustota() const { return hustota_; }
    double k(double t) const { return k_(t); }            // W/m/K
    double phi(double t) const { return k_.integral(t); }  // W/m, from an arbitrary origin
    double c(double t) const { return c_(t); }            // J/kg/K
    double h(double t) const { return c_.integral(t); }   // J/kg, from an arbitrary origin

private:
    double hustota_;
    Lomenka k_, c_;
};

}  // namespace zorvet
