// The enthalpy of a property curve as the lumped march inverts it: exact at the nodes of an even
// temperature grid and linear between them, outside the curve's range linear with its end
// specific heat (as Vlastnosti::entalpie). The heat balance of a step is then linear on each
// interval, so its root is found by locating the interval and solving one line, without
// iterating on the curve's own formulas (a logarithm in every evaluation of the carbon steel).
//
// The grid is halved until the enthalpy between the nodes differs from the curve's own by less
// than kPresnost times the specific heat there, so a temperature read back is within kPresnost
// of the curve's exact inverse: a hundredth of the iteration's tolerance at 1 s steps.
#pragma once

#include <memory>
#include <vector>

#include "model/properties/vlastnosti.h"

namespace zorvet {

class TabulkaEntalpie {
public:
    // K: how far a temperature read back may be from the curve's exact inverse.
    static constexpr double kPresnost = 1.0e-3;

    // The table of a sound curve (ZkontrolujKrivku), shared by every case of that curve; null
    // for a curve of one specific heat (which marches as that value) and for one whose grid
    // would need more nodes than the table takes.
    static std::shared_ptr<const TabulkaEntalpie> Pro(const VlastnostiMaterialu& v);

    // J/kg from 20 °C.
    double entalpie(double t) const {
        const int j = interval(t);
        const std::size_t a = kotva(j);
        return h_[a] + sklon(j) * (t - uzel(a));
    }

    // The temperature T of m H(T) + b T = p, m > 0 and b ≥ 0, searched from the interval of
    // odhad. A value that is not finite comes back not finite.
    double koren(double m, double b, double p, double odhad) const;

    std::size_t uzlu() const { return h_.size(); }

    // The grid as the lanes of the march read it, lane by lane as entalpie and koren do: the
    // first node, the spacing and its inverse, the specific heats below and above the grid, the
    // intervals and the enthalpies of the nodes.
    struct Mrizka {
        double t0, krok, naKrok, cDolni, cHorni;
        int n;
        const double* h;
    };
    Mrizka mrizka() const { return {t0_, krok_, naKrok_, cDolni_, cHorni_, n_, h_.data()}; }

private:
    TabulkaEntalpie(const Vlastnosti& v, std::size_t intervalu);
    // The largest difference from the curve's enthalpy between the nodes, in K (÷ c).
    double odchylka(const Vlastnosti& v) const;

    // -1 below the first node, n above the last, else the interval the temperature is in.
    int interval(double t) const {
        const double x = (t - t0_) * naKrok_;
        if (!(x >= 0.0)) {
            return -1;
        }
        return x >= static_cast<double>(n_) ? n_ : static_cast<int>(x);
    }
    std::size_t kotva(int j) const { return static_cast<std::size_t>(j < 0 ? 0 : j); }
    double uzel(std::size_t a) const { return t0_ + static_cast<double>(a) * krok_; }
    double sklon(int j) const {
        if (j < 0) {
            return cDolni_;
        }
        if (j >= n_) {
            return cHorni_;
        }
        const auto a = static_cast<std::size_t>(j);
        return (h_[a + 1] - h_[a]) * naKrok_;
    }

    double t0_ = 0.0, krok_ = 0.0, naKrok_ = 0.0, cDolni_ = 0.0, cHorni_ = 0.0;
    int n_ = 0;  // intervals
    std::vector<double> h_;
};

}  // namespace zorvet
