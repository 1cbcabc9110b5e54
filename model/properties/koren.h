// The root of a function that rises through zero: the temperature of an enthalpy, the charge's
// temperature after a step, the temperature of a potential, the steady flow through a lining,
// the furnace temperature the installed power allows.
#pragma once

#include <algorithm>
#include <cmath>
#include <optional>

namespace zorvet {

// A root of a rising f between a (f(a) ≤ 0) and b (f(b) ≥ 0) by false position with the
// Illinois modification (M. Dowell, P. Jarratt, BIT 11 (1971) 168-174, doi:10.1007/BF01934364),
// halving the bracket where the secant stalls; to within tolerance in x, or where f is zero.
template <class F>
double KorenMezi(F&& f, double a, double fa, double b, double fb, double tolerance) {
    int strana = 0;
    for (int i = 0; i < 200 && b - a > tolerance; ++i) {
        double x = fb - fa > 0.0 ? a - fa * (b - a) / (fb - fa) : 0.5 * (a + b);
        if (!(x > a && x < b) || i % 8 == 7) {
            x = 0.5 * (a + b);
        }
        const double fx = f(x);
        if (fx == 0.0) {
            return x;
        }
        if (fx < 0.0) {
            a = x;
            fa = fx;
            if (strana == -1) {
                fb /= 2.0;
            }
            strana = -1;
        } else {
            b = x;
            fb = fx;
            if (strana == 1) {
                fa /= 2.0;
            }
            strana = 1;
        }
    }
    return std::fabs(fa) < std::fabs(fb) ? a : b;
}

// A root of a rising f near x0: the bracket grows from x0 by krok (doubling) on the side where
// f has the wrong sign, at most within [dolni, horni]; none when f keeps its sign there.
template <class F>
std::optional<double> Koren(F&& f, double x0, double krok, double dolni, double horni, double tolerance) {
    const double f0 = f(x0);
    if (f0 == 0.0) {
        return x0;
    }
    double a = x0, fa = f0, b = x0, fb = f0;
    for (int i = 0; i < 80; ++i, krok *= 2.0) {
        if (fa > 0.0) {
            if (a <= dolni) {
                return std::nullopt;
            }
            b = a;
            fb = fa;
            a = std::fmax(a - krok, dolni);
            fa = f(a);
        } else if (fb < 0.0) {
            if (b >= horni) {
                return std::nullopt;
            }
            a = b;
            fa = fb;
            b = std::fmin(b + krok, horni);
            fb = f(b);
        } else {
            return KorenMezi(f, a, fa, b, fb, tolerance);
        }
    }
    return std::nullopt;
}

// A root of a rising f by Newton's method from t, kept inside the bracket [dolni, horni], which
// shrinks to each point as the sign of f there places it: a step that leaves the bracket is
// replaced by its midpoint. Settled when a step moves by at most relativne·(|t| + posun); after
// 200 steps, the last point.
template <class F, class D>
double NewtonVZavorce(F&& f, D&& derivace, double t, double dolni, double horni, double relativne, double posun) {
    t = std::clamp(t, dolni, horni);
    for (int i = 0; i < 200; ++i) {
        const double y = f(t);
        (y > 0.0 ? horni : dolni) = t;
        double dalsi = t - y / derivace(t);
        if (!(dalsi > dolni && dalsi < horni)) {
            dalsi = (dolni + horni) / 2.0;
        }
        if (std::fabs(dalsi - t) <= relativne * (std::fabs(t) + posun)) {
            return dalsi;
        }
        t = dalsi;
    }
    return t;
}

}  // namespace zorvet
