// The centre of a solid cylinder of radius r under a constant surface coefficient, constant
// properties: (T - Tf) / (Tv - Tf) = sum 2 Bi exp(-b^2 Fo) / ((b^2 + Bi^2) J0(b)), b J1(b) = Bi J0(b)
// (Carslaw & Jaeger, Conduction of Heat in Solids, 2nd ed., sec. 7.7; 30 terms).
#pragma once

#include <cmath>
#include <vector>

namespace zorvet {

// The time at which the centre's theta falls to `theta`, a the diffusivity.
inline double CasStreduValce(double bi, double a, double r, double theta) {
    const auto j = [](double n, double x) { return std::cyl_bessel_j(n, x); };
    const auto f = [&](double b) { return b * j(1, b) - bi * j(0, b); };
    std::vector<double> koreny;
    for (double x = 1e-6, dx = 1e-3; koreny.size() < 30; x += dx) {
        if ((f(x) < 0) == (f(x + dx) < 0)) continue;
        double lo = x, hi = x + dx;
        for (int i = 0; i < 60; ++i) ((f((lo + hi) / 2) < 0) == (f(lo) < 0) ? lo : hi) = (lo + hi) / 2;
        koreny.push_back(lo);
    }
    const auto stred = [&](double t) {
        double s = 0;
        for (const double b : koreny) s += 2 * bi / ((b * b + bi * bi) * j(0, b)) * std::exp(-b * b * a * t / (r * r));
        return s;
    };
    double lo = 0, hi = 1e3 * r * r / a;
    for (int i = 0; i < 200; ++i) (stred((lo + hi) / 2) > theta ? lo : hi) = (lo + hi) / 2;
    return hi;
}

}  // namespace zorvet
