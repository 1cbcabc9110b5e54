#include "model/march/pochod_pruhu.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <optional>
#include <vector>

#include "model/case/konstanty.h"
#include "model/march/mocnina.h"
#include "model/march/vsazka.h"
#include "model/properties/tabulka_entalpie.h"
#include "model/properties/vlastnosti.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZORVET_PRUHY 1
#include <immintrin.h>
#endif

namespace zorvet {

#if ZORVET_PRUHY

namespace {

const bool kMaPruhy = [] {
    __builtin_cpu_init();  // may run before the library's own initialisation
    return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("fma") != 0;
}();

const bool kMaPruhy8 = kMaPruhy && __builtin_cpu_supports("avx512f") != 0 &&
                       __builtin_cpu_supports("avx512dq") != 0 && __builtin_cpu_supports("avx512vl") != 0;

}  // namespace

// Four lanes, built for processors with AVX2 and FMA, and run only on them.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,fma"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma")
#endif

namespace {
namespace ctyri {

using D = double __attribute__((vector_size(32)));
using F = float __attribute__((vector_size(16)));
using M = std::int64_t __attribute__((vector_size(32)));
using N = std::int32_t __attribute__((vector_size(16)));
constexpr std::size_t kSirka = 4;
constexpr int kN = static_cast<int>(kSirka);

inline D vsude(double x) { return D{x, x, x, x}; }
inline F vsudeF(float x) { return F{x, x, x, x}; }
inline bool nektery(M m) { return (m[0] | m[1] | m[2] | m[3]) != 0; }

// x^4 of x >= 0 as hi + lo exactly, with fused multiply-adds (CtvrtaMocnina's product).
inline void ctvrtaDvojite(D x, D& hi, D& lo) {
    const __m256d a = reinterpret_cast<__m256d>(x);
    const __m256d p = _mm256_mul_pd(a, a);
    const __m256d e1 = _mm256_fmsub_pd(a, a, p);
    const __m256d h = _mm256_mul_pd(p, p);
    const __m256d e2 = _mm256_fmsub_pd(p, p, h);
    hi = reinterpret_cast<D>(h);
    lo = reinterpret_cast<D>(_mm256_fmadd_pd(_mm256_add_pd(p, p), e1, e2));
}

#include "model/march/pochod_pruhu.inc"

}  // namespace ctyri
}  // namespace

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

// Eight lanes, built for processors with AVX-512 (F, DQ and VL), and run only on them.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,fma,avx512f,avx512dq,avx512vl"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma,avx512f,avx512dq,avx512vl")
#endif

namespace {
namespace osm {

using D = double __attribute__((vector_size(64)));
using F = float __attribute__((vector_size(32)));
using M = std::int64_t __attribute__((vector_size(64)));
using N = std::int32_t __attribute__((vector_size(32)));
constexpr std::size_t kSirka = 8;
constexpr int kN = static_cast<int>(kSirka);

inline D vsude(double x) { return D{x, x, x, x, x, x, x, x}; }
inline F vsudeF(float x) { return F{x, x, x, x, x, x, x, x}; }
inline bool nektery(M m) {
    const __m512i i = reinterpret_cast<__m512i>(m);
    return _mm512_test_epi64_mask(i, i) != 0;
}

inline void ctvrtaDvojite(D x, D& hi, D& lo) {
    const __m512d a = reinterpret_cast<__m512d>(x);
    const __m512d p = _mm512_mul_pd(a, a);
    const __m512d e1 = _mm512_fmsub_pd(a, a, p);
    const __m512d h = _mm512_mul_pd(p, p);
    const __m512d e2 = _mm512_fmsub_pd(p, p, h);
    hi = reinterpret_cast<D>(h);
    lo = reinterpret_cast<D>(_mm512_fmadd_pd(_mm512_add_pd(p, p), e1, e2));
}

#include "model/march/pochod_pruhu.inc"

}  // namespace osm
}  // namespace

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

bool DoPruhu(const Uloha& u, const MoznostiBehu& moznosti) {
    if (!kMaPruhy || moznosti.pec || moznosti.doCasu > 0.0 || u.Rizeny) {
        return false;
    }
    return !u.Vlastnosti || Vlastnosti(*u.Vlastnosti).stalaC().has_value() ||
           TabulkaEntalpie::Pro(*u.Vlastnosti) != nullptr;
}

std::array<std::optional<VysledekVypoctu>, kPruhu> PochodPruhu(const std::array<Vysledek*, kPruhu>& v,
                                                               bool pecOmezenych, std::size_t naJednou) {
    static_assert(kPruhu == osm::kSirka && kPruhu == 2 * ctyri::kSirka);
    const auto nektery = [](const auto& pruhy) {
        return std::any_of(pruhy.begin(), pruhy.end(), [](const Vysledek* p) { return p != nullptr; });
    };
    if (kMaPruhy8 && naJednou >= osm::kSirka) {
        return nektery(v) ? osm::Pochoduj(v, pecOmezenych) : std::array<std::optional<VysledekVypoctu>, kPruhu>{};
    }
    std::array<std::optional<VysledekVypoctu>, kPruhu> odpovedi;
    for (std::size_t od = 0; od < kPruhu; od += ctyri::kSirka) {
        std::array<Vysledek*, ctyri::kSirka> cast{};
        std::copy_n(v.begin() + static_cast<std::ptrdiff_t>(od), ctyri::kSirka, cast.begin());
        if (nektery(cast)) {
            std::array<std::optional<VysledekVypoctu>, ctyri::kSirka> r = ctyri::Pochoduj(cast, pecOmezenych);
            std::move(r.begin(), r.end(), odpovedi.begin() + static_cast<std::ptrdiff_t>(od));
        }
    }
    return odpovedi;
}

#else

bool DoPruhu(const Uloha&, const MoznostiBehu&) { return false; }
std::array<std::optional<VysledekVypoctu>, kPruhu> PochodPruhu(const std::array<Vysledek*, kPruhu>&, bool, std::size_t) {
    return {};
}

#endif  // ZORVET_PRUHY

}  // namespace zorvet
