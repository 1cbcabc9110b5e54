// Conduction through one piece: the cross-section over about 10000 steps, and over about 3500
// steps of 1 s with the carbon-steel curves, in the section and with the ends of short pieces;
// a stiff section of constant properties (the implicit march).
#include <benchmark/benchmark.h>

#include "model/vedeni.h"
#include "model/vlastnosti.h"

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

// A 40 mm square of lambda = 4500 in steps of 2 s (Bi under 0.001): 185 steps.
void BM_Vedeni_Ctverec40_Lambda4500(benchmark::State& state) {
    ZadaniVedeni z = Ocel('C', 0.04, 0.0, 2.0);
    z.plochyAL = 4;
    z.lambda = 4500.0;
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Ctverec40_Lambda4500)->Unit(benchmark::kMillisecond);

// Carbon steel in steps of 1 s, heated from 20 to 1100 in a furnace at 1250 on all faces of
// one piece (and with its ends when delka > 0); with the curves of c and lambda, or with the
// constants c = 600 and lambda = 30.
ZadaniVedeni Uhlikova(char profil, double a, double b, double delka, bool krivky) {
    static const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    ZadaniVedeni z = Ocel(profil, a, b, 1.0);
    z.plochyAB = delka > 0.0 ? 2 : 0;
    z.delka = delka;
    z.c = 600.0;
    z.tk = 1100.0;
    z.pec = [](long) { return 1250.0; };
    if (krivky) {
        z.krivkaC = z.krivkaLambda = &ocel;
    }
    return z;
}

// A 0.4 m x 0.2 m section in 2-D: the core reaches 1100 at step 3490 with the curves, at
// 2863 with the constants.
void BM_Vedeni_Obdelnik400x200_Krivky(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.0, true));
}
BENCHMARK(BM_Vedeni_Obdelnik400x200_Krivky)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Obdelnik400x200_Konstanty(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.0, false));
}
BENCHMARK(BM_Vedeni_Obdelnik400x200_Konstanty)->Unit(benchmark::kMillisecond);

// Short pieces with their ends: a round bar of 0.25 m as long as thick (r and z), a cube of
// 0.25 m, and a 0.4 m x 0.2 m x 0.3 m block (three dimensions).
void BM_Vedeni_TycRZ250_Krivky(benchmark::State& state) { Spust(state, Uhlikova('K', 0.25, 0.0, 0.25, true)); }
BENCHMARK(BM_Vedeni_TycRZ250_Krivky)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Krychle250_Krivky(benchmark::State& state) {
    ZadaniVedeni z = Uhlikova('C', 0.25, 0.0, 0.25, true);
    z.plochyAL = 4;
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Krychle250_Krivky)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Kvadr400x200x300_Krivky(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.3, true));
}
BENCHMARK(BM_Vedeni_Kvadr400x200x300_Krivky)->Unit(benchmark::kMillisecond);

// The same block heated on one face of each pair and one end: no symmetry to halve the grid;
// 7870 steps.
void BM_Vedeni_Kvadr400x200x300_JednaStrana_Krivky(benchmark::State& state) {
    ZadaniVedeni z = Uhlikova('O', 0.4, 0.2, 0.3, true);
    z.plochyAL = z.plochyBL = z.plochyAB = 1;
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Kvadr400x200x300_JednaStrana_Krivky)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
