// Temperature-dependent properties of the charge material: the specific heat c(T) and the
// thermal conductivity λ(T). Two steels are built in from their standard's formulas; a user's
// own curve is a table of points, linear between them. Outside the range they hold (20 to
// 1200 °C for the built-in ones, the first to the last point of a table) both are held at their
// end values. The heat balance uses the enthalpy, the integral of c(T) from 20 °C.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace zorvet {

// One point of a user's curve.
struct BodVlastnosti {
    float T = 0.0f;       // °C
    float c = 0.0f;       // J/kg/K
    float lambda = 0.0f;  // W/m/K; 0 in every point when the curve holds no conductivity

    bool operator==(const BodVlastnosti&) const = default;
};

// What a problem holds of a property curve: a built-in steel by its key, or a user's table.
struct VlastnostiMaterialu {
    std::string Nazev;              // kUhlikovaOcel, kNerezovaOcel, or the name of a user's curve
    std::vector<BodVlastnosti> Body;  // a user's curve; empty for a built-in one

    bool operator==(const VlastnostiMaterialu&) const = default;
};

// The keys of the built-in curves, as the command line and a file name them.
inline constexpr const char* kUhlikovaOcel = "carbon-steel";
inline constexpr const char* kNerezovaOcel = "stainless-steel";

// The built-in curves by key; the density that goes with them.
VlastnostiMaterialu VestaveneVlastnosti(const std::string& klic);
bool JeVestavena(const VlastnostiMaterialu& v);
float HustotaVestavene(const VlastnostiMaterialu& v);  // kg/m³; 0 for a user's curve

// What is wrong with a user's curve, with the point (0-based) it is at.
enum class VadaKrivky { Zadna, MaloBodu, NerostouciTeplota, NekladnaHodnota, NekonecnaHodnota, MimoTeploty };
struct ZavadaKrivky {
    VadaKrivky vada = VadaKrivky::Zadna;
    int bod = 0;
    int sloupec = 0;  // 0 temperature, 1 c, 2 λ
};
// At least two points, temperatures finite and strictly increasing within those a case may have
// (the field table's, from absolute zero up; else MimoTeploty), c finite and positive, λ finite
// and either positive in every point or 0 in every point. A built-in curve is sound.
ZavadaKrivky ZkontrolujKrivku(const VlastnostiMaterialu& v);

// The curve evaluated. Made from a sound curve (ZkontrolujKrivku).
class Vlastnosti {
public:
    explicit Vlastnosti(const VlastnostiMaterialu& v);

    double c(double t) const;       // J/kg/K
    double lambda(double t) const;  // W/m/K; 0 when the curve holds none
    bool maLambda() const { return maLambda_; }
    // °C: the range the curve holds; beyond it c and λ keep their end values.
    double tMin() const { return tMin_; }
    double tMax() const { return tMax_; }
    // J/kg from 20 °C: exact integral of c.
    double entalpie(double t) const;
    // The temperature of an enthalpy (the inverse of entalpie), °C.
    double teplota(double h) const;
    // The specific heat of a table that holds the same one in every point, else none.
    std::optional<float> stalaC() const;
    // The mean specific heat between two temperatures, ΔH / ΔT (c itself when they are equal).
    double stredniC(double t0, double t1) const;
    // The same, given the enthalpy at t0.
    double stredniC(double t0, double t1, double h0) const;

private:
    enum class Druh { Uhlikova, Nerezova, Tabulka } druh_;
    std::vector<BodVlastnosti> body_;
    std::vector<double> hBodu_;  // enthalpy at each point of a table
    double tMin_ = 20.0, tMax_ = 1200.0;
    bool maLambda_ = true;

    // The point that ends the table's interval holding t (1..size-1).
    std::size_t usek(double t) const;
    double cVRozsahu(double t) const;
    double hVRozsahu(double t) const;
};

}  // namespace zorvet
