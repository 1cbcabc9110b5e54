// The coefficients of an s-stage Runge-Kutta-Legendre step of second order (Meyer, Balsara,
// Aslam, J. Comput. Phys. 257 (2014) 594-626, doi:10.1016/j.jcp.2013.08.021, eqs. 16-17), the
// explicit step of the enthalpy marches (vedeni_teleso.cpp, mrizka.cpp): an odd s damps the
// stiffest components below 0.8 per step.
#pragma once

#include <cstddef>
#include <vector>

namespace zorvet::vedeni {

inline constexpr int kMaxStupnu = 63;  // stages of one step: odd, 3..kMaxStupnu
// The share of the stability limit used (the limit is a Gershgorin bound over the whole range of
// the material's table, so it already holds for every state the step can meet).
inline constexpr double kRezerva = 0.9;

struct Legendre {
    int s = 0;
    std::vector<double> mu, nu, muT, gamaT;  // by stage j; muT[1] for the first stage

    void priprav(int stupnu) {
        if (stupnu == s) {
            return;
        }
        s = stupnu;
        const std::size_t n = static_cast<std::size_t>(s) + 1;
        std::vector<double> b(n);
        for (std::size_t j = 0; j < n; ++j) {
            const double x = static_cast<double>(j);
            b[j] = j < 2 ? 1.0 / 3.0 : (x * x + x - 2.0) / (2.0 * x * (x + 1.0));
        }
        const double w1 = 4.0 / (static_cast<double>(s) * static_cast<double>(s) + static_cast<double>(s) - 2.0);
        mu.assign(n, 0.0);
        nu.assign(n, 0.0);
        muT.assign(n, 0.0);
        gamaT.assign(n, 0.0);
        muT[1] = b[1] * w1;
        for (std::size_t j = 2; j < n; ++j) {
            const double x = static_cast<double>(j);
            mu[j] = (2.0 * x - 1.0) / x * b[j] / b[j - 1];
            nu[j] = -(x - 1.0) / x * b[j] / b[j - 2];
            muT[j] = mu[j] * w1;
            gamaT[j] = -(1.0 - b[j - 1]) * muT[j];
        }
    }
    // The longest stable step of s stages, for a forward Euler limit dtFE.
    static double dosah(int stupnu, double dtFE) {
        const double x = stupnu;
        return kRezerva * dtFE * (x * x + x - 2.0) / 4.0;
    }
};

}  // namespace zorvet::vedeni
