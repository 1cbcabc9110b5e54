// The load as it stands in the furnace: a 5 x 3 array of 100 mm round carbon-steel bars with
// 10 mm gaps (furnace 1000 degrees C, 20 -> 850 at the core, eps 0.8, steps of 10 s), its view
// factors alone, and a round bundle of 300 mm of 20 mm bars against the conduction core of a solid
// bar of the same size.
#include <benchmark/benchmark.h>

#include "model/pole_kusu.h"
#include "model/svazek.h"
#include "model/vedeni.h"
#include "model/vlastnosti.h"

namespace zorvet {
namespace {

const Vlastnosti& Ocel() {
    static const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    return ocel;
}

void BM_Pole_5x3_Tyce100(benchmark::State& state) {
    ZadaniPole z;
    z.usporadani = {'K', 0.1, 5, 3, 0.01, 0.01};
    z.krivkaC = z.krivkaLambda = &Ocel();
    z.hustota = 7850, z.eps = 0.8, z.tv = 20, z.tk = 850, z.krok = 10, z.maxKroku = 5000;
    z.pec = [](long) { return 1000.0; };
    long kroku = 0;
    for (auto _ : state) {
        const VysledekPole v = SpoctiPole(z);
        kroku = v.krokJadra;
        benchmark::DoNotOptimize(v.nejpomalejsi.data());
    }
    state.counters["steps"] = static_cast<double>(kroku);
}
BENCHMARK(BM_Pole_5x3_Tyce100)->Unit(benchmark::kMillisecond);

void BM_Pole_5x3_PohledoveFaktory(benchmark::State& state) {
    const Usporadani u{'K', 0.1, 5, 3, 0.01, 0.01};
    const Symetrie s(u, 32, true);
    for (auto _ : state) {
        PohledoveFaktory f = SpoctiFaktory(u, 32, s);
        VyrovnejReciprocitu(f, u, s);
        benchmark::DoNotOptimize(f.Fpec.data());
    }
}
BENCHMARK(BM_Pole_5x3_PohledoveFaktory)->Unit(benchmark::kMillisecond);

ZadaniVedeni Tyc300() {
    return {.profil = 'K', .a = 0.3, .plast = true, .hustota = 7850, .krivkaC = &Ocel(), .krivkaLambda = &Ocel(),
            .eps = 0.8, .tv = 20, .tk = 850, .krok = 10, .maxKroku = 20000, .pec = [](long) { return 1000.0; }};
}

void BM_Svazek_300_Tyce20(benchmark::State& state) {
    const ZadaniSvazku z{.tvar = 'K', .a = 0.3, .d = 0.02, .hustota = 7850, .krivkaC = &Ocel(), .krivkaLambda = &Ocel(),
                         .eps = 0.8, .tv = 20, .tk = 850, .krok = 10, .maxKroku = 20000,
                         .pec = [](long) { return 1000.0; }};
    long kroku = 0;
    for (auto _ : state) {
        const VysledekSvazku v = SpoctiSvazek(z);
        kroku = v.vedeni.krokJadra;
        benchmark::DoNotOptimize(v.teplo.data());
    }
    state.counters["steps"] = static_cast<double>(kroku);
}
BENCHMARK(BM_Svazek_300_Tyce20)->Unit(benchmark::kMillisecond);

// Today's core of a solid 300 mm bar, for comparison.
void BM_Svazek_PlnaTyc300(benchmark::State& state) {
    const ZadaniVedeni z = Tyc300();
    for (auto _ : state) benchmark::DoNotOptimize(SpoctiVedeni(z).jadro.data());
}
BENCHMARK(BM_Svazek_PlnaTyc300)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
