// Conduction through the cross-section over about 10000 steps.
#include <benchmark/benchmark.h>

#include "model/vedeni.h"

namespace zorvet {
namespace {

// Steel heated on all faces in a furnace at 1000 degrees C from 20 to 900.
ZadaniVedeni Ocel(char profil, double a, double b, double krok) {
    ZadaniVedeni z;
    z.profil = profil;
    z.a = a;
    z.b = b;
    z.plast = true;
    z.plochyAL = 2;
    z.plochyBL = 2;
    z.lambda = 30.0;
    z.c = 500.0;
    z.hustota = 7850.0;
    z.eps = 0.8;
    z.tv = 20.0;
    z.tk = 900.0;
    z.krok = krok;
    z.maxKroku = 100000;
    z.pec = [](long) { return 1000.0; };
    return z;
}

void Spust(benchmark::State& state, const ZadaniVedeni& z) {
    long kroku = 0;
    for (auto _ : state) {
        const VysledekVedeni v = SpoctiVedeni(z);
        kroku = v.krokJadra;
        benchmark::DoNotOptimize(v.jadro.data());
    }
    state.counters["steps"] = static_cast<double>(kroku);
}

// A 0.2 m x 0.3 m section in 2-D; the core reaches 900 at step 10117.
void BM_Vedeni_Obdelnik_10000Kroku(benchmark::State& state) { Spust(state, Ocel('O', 0.2, 0.3, 0.3)); }
BENCHMARK(BM_Vedeni_Obdelnik_10000Kroku)->Unit(benchmark::kMillisecond);

// A round bar of 0.3 m, radial.
void BM_Vedeni_Tyc_10000Kroku(benchmark::State& state) { Spust(state, Ocel('K', 0.3, 0.0, 0.375)); }
BENCHMARK(BM_Vedeni_Tyc_10000Kroku)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
