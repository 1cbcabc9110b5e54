// Conduction through one piece to its core time: the constant-property slab and round bar, the
// round bar with its ends (r and z) and the block (three dimensions); the section 400 x 200 mm
// at steps of 1 s and 4 s; the carbon-steel curves; a stiff square (a huge conductivity); a
// round bar under an installed-power limit. docs/performance.md lists the figures.
#include <benchmark/benchmark.h>

#include "model/conduction/vedeni.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {
namespace {

// Steel heated on all its faces in a furnace at 1000 degrees C from 20 to 900.
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
    z.maxKroku = 1000000;
    z.pec = [](long) { return 1000.0; };
    return z;
}

// Carbon steel in steps of 1 s, heated from 20 to 1100 in a furnace at 1250 on all faces of
// one piece (and its ends when delka > 0); with the curves of c and lambda, or with the
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

void Spust(benchmark::State& state, const ZadaniVedeni& z) {
    VysledekVedeni v;
    for (auto _ : state) {
        v = SpoctiVedeni(z);
        benchmark::DoNotOptimize(v.jadro.data());
    }
    state.counters["core_s"] = v.casJadra;
    state.counters["cells"] = static_cast<double>(v.uzlu);
    state.counters["steps"] = static_cast<double>(v.vnitrnichKroku);
}

// A plate 0.2 m thick heated on both faces, and a round bar of 0.3 m: one direction.
void BM_Vedeni_Deska200_Konstanty(benchmark::State& state) { Spust(state, Ocel('O', 0.2, 2.0, 1.0)); }
BENCHMARK(BM_Vedeni_Deska200_Konstanty)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Tyc300_Konstanty(benchmark::State& state) { Spust(state, Ocel('K', 0.3, 0.0, 1.0)); }
BENCHMARK(BM_Vedeni_Tyc300_Konstanty)->Unit(benchmark::kMillisecond);

// The section 0.4 m x 0.2 m in two directions, in steps of 1 s and of 4 s.
void BM_Vedeni_Obdelnik400x200_Krok1s(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.0, false));
}
BENCHMARK(BM_Vedeni_Obdelnik400x200_Krok1s)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Obdelnik400x200_Krok4s(benchmark::State& state) {
    ZadaniVedeni z = Uhlikova('O', 0.4, 0.2, 0.0, false);
    z.krok = 4.0;
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Obdelnik400x200_Krok4s)->Unit(benchmark::kMillisecond);

// Short pieces with their ends: a round bar of 0.25 m as long as thick (r and z), and a block
// 0.4 m x 0.2 m x 0.3 m (three dimensions).
void BM_Vedeni_TycRZ250_Konstanty(benchmark::State& state) { Spust(state, Uhlikova('K', 0.25, 0.0, 0.25, false)); }
BENCHMARK(BM_Vedeni_TycRZ250_Konstanty)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Kvadr400x200x300_Konstanty(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.3, false));
}
BENCHMARK(BM_Vedeni_Kvadr400x200x300_Konstanty)->Unit(benchmark::kMillisecond);

// The carbon-steel curves of c and lambda.
void BM_Vedeni_Tyc300_Krivky(benchmark::State& state) { Spust(state, Uhlikova('K', 0.3, 0.0, 0.0, true)); }
BENCHMARK(BM_Vedeni_Tyc300_Krivky)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Obdelnik400x200_Krivky(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.0, true));
}
BENCHMARK(BM_Vedeni_Obdelnik400x200_Krivky)->Unit(benchmark::kMillisecond);

void BM_Vedeni_TycRZ250_Krivky(benchmark::State& state) { Spust(state, Uhlikova('K', 0.25, 0.0, 0.25, true)); }
BENCHMARK(BM_Vedeni_TycRZ250_Krivky)->Unit(benchmark::kMillisecond);

void BM_Vedeni_Kvadr400x200x300_Krivky(benchmark::State& state) {
    Spust(state, Uhlikova('O', 0.4, 0.2, 0.3, true));
}
BENCHMARK(BM_Vedeni_Kvadr400x200x300_Krivky)->Unit(benchmark::kMillisecond);

// The same block heated on one face of each pair and one end: no symmetry to halve the grid.
void BM_Vedeni_Kvadr400x200x300_JednaStrana_Krivky(benchmark::State& state) {
    ZadaniVedeni z = Uhlikova('O', 0.4, 0.2, 0.3, true);
    z.plochyAL = z.plochyBL = z.plochyAB = 1;
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Kvadr400x200x300_JednaStrana_Krivky)->Unit(benchmark::kMillisecond);

// A 40 mm square of lambda = 4500 in steps of 2 s (Bi under 0.001): stiff.
void BM_Vedeni_Ctverec40_Lambda4500(benchmark::State& state) {
    ZadaniVedeni z = Ocel('C', 0.04, 0.0, 2.0);
    z.plochyAL = 4;
    z.lambda = 4500.0;
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Ctverec40_Lambda4500)->Unit(benchmark::kMillisecond);

// The round bar of 0.3 m, 1 m long, under 15 kW in a furnace at 1200 degrees C: the power
// limits the heating for most of the run.
void BM_Vedeni_Tyc300_Prikon15kW(benchmark::State& state) {
    ZadaniVedeni z = Ocel('K', 0.3, 0.0, 1.0);
    z.delka = 1.0;
    z.prikon = 15000.0;
    z.pec = [](long) { return 1200.0; };
    Spust(state, z);
}
BENCHMARK(BM_Vedeni_Tyc300_Prikon15kW)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
