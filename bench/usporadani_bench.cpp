// The load as it stands in the furnace: a 5 x 3 array of 100 mm round carbon-steel bars with
// 10 mm gaps (furnace 1000 degrees C, 20 -> 850 at the core, eps 0.8, steps of 10 s), its view
// factors alone, and a round bundle of 300 mm of 20 mm bars against the conduction core of a solid
// bar of the same size; and both as the whole case through the pipeline (the lumped march, the
// view factors and the load's march, the rows read off), with a fit of a core log.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/case/geometrie.h"
#include "model/planning/planovani.h"
#include "model/load/mrizka.h"
#include "model/load/svazek.h"
#include "model/conduction/vedeni.h"
#include "model/properties/vlastnosti.h"
#include "model/pipeline/vypocet.h"

namespace zorvet {
namespace {

const Vlastnosti& Ocel() {
    static const Vlastnosti ocel(VestaveneVlastnosti(kUhlikovaOcel));
    return ocel;
}

void BM_Pole_5x3_Tyce100(benchmark::State& state) {
    ZadaniMrizky z;
    z.usporadani = {'K', 0.1, 5, 3, 0.01, 0.01};
    z.krivkaC = z.krivkaLambda = &Ocel();
    z.hustota = 7850, z.eps = 0.8, z.tv = 20, z.tk = 850, z.krok = 10, z.maxKroku = 5000;
    z.pec = [](long) { return 1000.0; };
    long kroku = 0;
    for (auto _ : state) {
        const VysledekMrizky v = SpoctiMrizku(z);
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
        VyrovnejReciprocitu(f, s);
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

// The case of the 100 mm bar, 1 m long, its mantle heated all round, carbon steel, in a furnace at
// 1000 degrees C from 20 to 850, eps 0.8, steps of 10 s: in a 5 x 3 array with gaps of 10 mm, or
// as 177 bars of 20 mm in a round bundle of 300 mm (square packing).
Uloha Pripad(bool svazek) {
    Uloha u;
    u.Tpece = 1000.0f, u.Tv = 20.0f, u.Tk = 850.0f, u.CasKrok = 10.0f, u.Eps = 0.8f, u.KoefK = 1.0f;
    u.c = 600.0f, u.Gama = 7850.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Kruhovy, u.StranaA = svazek ? 0.02f : 0.1f, u.DelkaL = 1.0f;
    u.PocetProfilu = u.PocetAL = svazek ? 177 : 15;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    if (svazek) {
        u.SvazekA = 0.3f;
    } else {
        u.MrizkaX = 5, u.MrizkaY = 3, u.MezeraX = u.MezeraY = 0.01f;
    }
    return u;
}

// The whole case through the pipeline: the 5 x 3 array (0) or the 300 mm bundle (1).
void BM_Spocti_Usporadani(benchmark::State& state) {
    const Uloha u = Pripad(state.range(0) == 1);
    double cas = 0.0;
    for (auto _ : state) {
        const VysledekVypoctu r = Spocti(u);
        cas = r.vysledek && r.vysledek->Jadro ? r.vysledek->Jadro->cas : -1.0;
        benchmark::DoNotOptimize(r.vysledek.get());
    }
    state.counters["core_s"] = cas;
}
BENCHMARK(BM_Spocti_Usporadani)->ArgName("bundle")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The largest array computed, 10 x 10 of the same bars with gaps of 20 mm: 25 of them computed
// (mirror symmetry), 800 facets in the radiosity exchange at every stage.
void BM_Spocti_Mrizka_10x10(benchmark::State& state) {
    Uloha u = Pripad(false);
    u.PocetProfilu = u.PocetAL = 100;
    u.MrizkaX = u.MrizkaY = 10, u.MezeraX = u.MezeraY = 0.02f;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    double cas = 0.0;
    for (auto _ : state) {
        const VysledekVypoctu r = Spocti(u);
        cas = r.vysledek && r.vysledek->Jadro ? r.vysledek->Jadro->cas : -1.0;
        benchmark::DoNotOptimize(r.vysledek.get());
    }
    state.counters["core_s"] = cas;
}
BENCHMARK(BM_Spocti_Mrizka_10x10)->Iterations(1)->Unit(benchmark::kMillisecond);

// A fit of a log of the free 100 mm bar's core, every 100 s: each trial marches the core to the
// last logged time.
void BM_Prizpusob_Jadro_Tyc100(benchmark::State& state) {
    Uloha u = Pripad(false);
    u.MrizkaX = u.MrizkaY = 1, u.MezeraX = u.MezeraY = 0.0f, u.PocetProfilu = u.PocetAL = 1;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    const VysledekVypoctu r = Spocti(u);
    std::vector<BodMereni> log;
    for (std::size_t k = 0; r.vysledek && k < r.vysledek->Jadro->teplota.size(); k += 10) {
        log.push_back({static_cast<double>(k) * 10.0, static_cast<double>(r.vysledek->Jadro->teplota[k]), {}});
    }
    u.Eps = 0.5f;
    double eps = 0.0;
    for (auto _ : state) {
        eps = PrizpusobEmisivitu(u, log, Termoclanek::Jadro).eps;
        benchmark::DoNotOptimize(eps);
    }
    state.counters["eps"] = eps;
}
BENCHMARK(BM_Prizpusob_Jadro_Tyc100)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
