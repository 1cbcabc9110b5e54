#include "model/march/mocnina.h"

namespace zorvet::detail {

// Built for the processors that have fused multiply-adds and called only on them: fma(a, b, −p)
// is the rounding error of p = a·b, exactly.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("fma"))) double CtvrtaFma(double x) {
    const double ax = std::fabs(x);
    if (MimoRozsah(ax)) {
        return std::pow(x, 4.0);
    }
    const double p = ax * ax;
    const double e1 = __builtin_fma(ax, ax, -p);
    const double hi = p * p;
    const double e2 = __builtin_fma(p, p, -hi);
    return Nejblizsi(x, {hi, __builtin_fma(2.0 * p, e1, e2)});
}
const bool kMaFma = [] {
    __builtin_cpu_init();  // may run before the library's own initialisation
    return __builtin_cpu_supports("fma") != 0;
}();
#else
double CtvrtaFma(double x) { return CtvrtaDekkerem(x); }
const bool kMaFma = false;
#endif

}  // namespace zorvet::detail
