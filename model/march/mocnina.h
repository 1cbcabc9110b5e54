// The fourth power of the radiation law, exactly as std::pow(x, 4.0) returns it, at a fraction of
// its cost: the march takes one in every iteration of every step.
//
// glibc's pow computes exp(y·log x) and is within ulperr_exp + |y·log x|·relerr_log·2^53 ulp of
// the exact power, ulperr_exp at most 0.511 ulp and relerr_log at most 1.5·2^-68 (the error
// analysis of sysdeps/ieee754/dbl-64/e_pow.c, with and without fused multiply-adds). For x from
// 1/128 to 128, |4·log x| ≤ 19.5 and the error is below 0.512 ulp. So where the exact x⁴ lies
// within 0.48 ulp of a double, that double is the only one pow can return. x⁴ is formed exactly as the sum of two doubles by Dekker's products
// (T. J. Dekker, Numer. Math. 18 (1971) 224–242, doi:10.1007/BF01397083), or by fused
// multiply-adds where the processor has them; its nearest double is returned when it is clear
// of that band, and pow itself is asked for the one case in twenty-five that is not.
#pragma once

#include <bit>
#include <cmath>
#include <cstdint>

namespace zorvet {

// x⁴ as the sum of two doubles, hi + lo, exact to below 2^-100 of hi.
struct DvojiceDoubles {
    double hi, lo;
};

namespace detail {

inline constexpr double kOd = 0x1p-7, kDo = 0x1p7;  // the range of x taken so
inline constexpr double kJistota = 0.48;            // ulp from a double: pow's own

// a·b = p + e exactly, for |a|, |b| far from overflow and underflow.
inline double DekkeruvSoucin(double a, double b, double& e) {
    constexpr double kRozdel = 134217729.0;  // 2^27 + 1
    const double ca = kRozdel * a, cb = kRozdel * b;
    const double ah = ca - (ca - a), al = a - ah;
    const double bh = cb - (cb - b), bl = b - bh;
    const double p = a * b;
    e = ((ah * bh - p) + ah * bl + al * bh) + al * bl;
    return p;
}

// x² = p + e1, p² = hi + e2: x⁴ = hi + e2 + 2·p·e1 + e1², the last below 2^-104 of hi.
inline DvojiceDoubles CtvrtaDekker(double ax) {
    double e1 = 0.0, e2 = 0.0;
    const double p = DekkeruvSoucin(ax, ax, e1);
    const double hi = DekkeruvSoucin(p, p, e2);
    return {hi, e2 + 2.0 * p * e1};
}

// The nearest double to hi + lo = x⁴ when pow can return nothing else, else pow's.
inline double Nejblizsi(double x, DvojiceDoubles x4) {
    const double r = x4.hi + x4.lo;
    const double zbytek = x4.lo - (r - x4.hi);  // (hi + lo) − r, exact as |lo| ≤ |hi|
    const auto bity = std::bit_cast<std::uint64_t>(r);
    const double ulp = std::bit_cast<double>(bity & 0x7FF0000000000000ULL) * 0x1p-52;
    // Below a power of two the doubles are twice as dense: there ask pow.
    const bool mocninaDvou = (bity & 0x000FFFFFFFFFFFFFULL) == 0;
    if (std::fabs(zbytek) < kJistota * ulp && !(mocninaDvou && zbytek < 0.0)) {
        return r;
    }
    return std::pow(x, 4.0);
}

// Zero, far from 1, infinite or NaN: pow itself.
inline bool MimoRozsah(double ax) { return !(ax > kOd && ax < kDo); }

inline double CtvrtaDekkerem(double x) {
    const double ax = std::fabs(x);
    return MimoRozsah(ax) ? std::pow(x, 4.0) : Nejblizsi(x, CtvrtaDekker(ax));
}

// The same by fused multiply-adds, built for and called only on the processors that have them
// (model/march/mocnina.cpp).
double CtvrtaFma(double x);
extern const bool kMaFma;

// By fused multiply-adds or by Dekker's products: both give pow's own value.
inline double Ctvrta(double x, bool fma) { return fma ? CtvrtaFma(x) : CtvrtaDekkerem(x); }

}  // namespace detail

inline double CtvrtaMocnina(double x) { return detail::Ctvrta(x, detail::kMaFma); }

}  // namespace zorvet
