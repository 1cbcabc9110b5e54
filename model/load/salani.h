// Radiation exchange between grey diffuse facets and a far black furnace (the radiosity method,
// Modest, Radiative Heat Transfer, 3rd ed., ch. 5). Facet i of emissivity eps_i at the emissive
// power E_i = sigma T_i^4 receives the irradiation
//   G_i = sum_j F_ij J_j + Fpec_i Ef,   J_j = eps_j E_j + (1 - eps_j) G_j,
// so (I - F diag(1 - eps)) G = F diag(eps) E + Fpec Ef, a matrix fixed by the geometry and the
// emissivities: it is factored once, and G = M E + g Ef costs one product per evaluation, its
// rows summed in vector lanes of independent partial sums. The
// net flux into the facet is eps_i (G_i - E_i), plus convection h (Tf - T_i).
//
// A facet that sees only the furnace (a free piece) gets eps (sigma Tf^4 - sigma T^4), the flux
// of a piece alone. Emissive powers are in W/m^2: kSigma times the fourth power of kelvin / 100.
#pragma once

#include <cstddef>
#include <vector>

namespace zorvet {

class Salani {
public:
    // F: n x n view factors (row-major) between the facets, Fpec: per facet to the furnace, eps:
    // per facet, 0..1. Rows of F plus Fpec should sum to 1 and w_i F_ij = w_j F_ji, w the facets'
    // weights, vahy (their areas, times the pieces a facet stands for; all equal when empty).
    Salani(const std::vector<double>& F, const std::vector<double>& Fpec, const std::vector<double>& eps,
           const std::vector<double>& vahy = {});

    std::size_t fasety() const { return n_; }
    // The irradiation of every facet for the emissive powers E of the facets and Ef of the furnace.
    void ozareni(const double* e, double ef, double* g) const;
    double eps(std::size_t i) const { return eps_[i]; }
    // The exchange is kept as a symmetric triangle (reciprocal facets of one emissivity).
    bool soumerne() const { return !trojuhelnik_.empty(); }
    // The share of the furnace's emissive power in the irradiation of facet i.
    double zPece(std::size_t i) const { return g_[i]; }

    // Net flux into each facet (W/m^2) at facet temperatures t (degrees C), the furnace at tf, the
    // convective coefficient h on every facet; and, when j is given, the radiosities.
    void toky(const double* t, double tf, double h, double* q, double* j = nullptr) const;

private:
    std::size_t n_ = 0;
    void slozTrojuhelnik();

    std::vector<double> m_;  // n x n: G = m_ E + g_ Ef
    std::vector<double> trojuhelnik_;  // or, when diag(w) M is symmetric, its upper triangle's rows
    std::vector<double> g_;
    std::vector<double> eps_;
    std::vector<double> vahy_;
};

// The emissive power of a black body at t degrees C, W/m^2.
double Zarivost(double t);

}  // namespace zorvet
