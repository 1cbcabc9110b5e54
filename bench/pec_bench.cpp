// The furnace as a thermal system: the brick box of the user guide (1 × 2 × 1 m, 230 mm fireclay and
// 115 mm insulating firebrick, 60 kW, 400 kg of carbon steel from 20 to 900 °C in a furnace set to
// 950 °C, 10 s steps) from cold, hot and in its cyclic steady state (door open 3 min at each
// loading, 30 min soak), on the inner area (argument 0) and with rounded edges (1); the fibre box
// (250 mm blanket) alike. docs/performance.md lists the figures.
#include <benchmark/benchmark.h>

#include "model/furnace/cyklus.h"

namespace zorvet {
namespace {

const Refraktor kSamot{"fireclay", 2050, {{20, 960}}, {{500, 1.0f}, {800, 1.1f}, {1100, 1.1f}}};
const Refraktor kIzolacni{"ifb", 800, {{20, 1000}}, {{400, 0.25f}, {600, 0.27f}, {800, 0.30f}, {1000, 0.34f}}};
const Refraktor kVlakno{"fibre", 128, {{20, 1050}}, {{200, 0.06f}, {400, 0.09f}, {600, 0.13f}, {800, 0.19f},
                                                       {1000, 0.26f}}};

void Spust(benchmark::State& state, bool cihla, StartPece start) {
    Pec pec;
    pec.Sirka = 1, pec.Hloubka = 2, pec.Vyska = 1;
    pec.Steny = cihla ? Vyzdivka{{kSamot, 0.23f}, {kIzolacni, 0.115f}} : Vyzdivka{{kVlakno, 0.25f}};
    pec.Plocha = state.range(0) ? PlochaSten::Zaoblena : PlochaSten::Vnitrni;
    pec.Start = start;
    const bool cyklus = start == StartPece::Cyklicky;
    pec.DvereSirka = pec.DvereVyska = cyklus ? 0.8f : 0.0f;
    ZadaniSoustredene z{.m = 400, .c = 0, .A = 2, .eps = 0.8, .tv = 20, .tk = 900,
                        .vlastnosti = VestaveneVlastnosti(kUhlikovaOcel)};
    const RezimPece r{.krok = 10, .nastavena = [](long) { return 950.0; }, .prikon = 60e3,
                      .otevreno = cyklus ? 180.0 : 0.0, .prodleva = cyklus ? 1800.0 : 0.0, .maxKroku = 100000,
                      .radky = true};
    StartPeceVysledek v;
    for (auto _ : state) {
        SoustredenaVsazka vsazka(z);
        v = SpoctiStart(pec, OkoliPece{}, vsazka, r);
        benchmark::DoNotOptimize(v.cyklus.pec.data());
    }
    state.counters["heatup_s"] = static_cast<double>(v.cyklus.krokOhrevu) * r.krok;
    state.counters["cycle_kWh"] = v.cyklus.cyklus.elektrina / 3.6e6;
    state.counters["cycles"] = v.cyklu;
}

void BM_Pec_CihlaStudena(benchmark::State& s) { Spust(s, true, StartPece::Studeny); }
void BM_Pec_CihlaHorka(benchmark::State& s) { Spust(s, true, StartPece::Horky); }
void BM_Pec_CihlaCyklicka(benchmark::State& s) { Spust(s, true, StartPece::Cyklicky); }
void BM_Pec_VlaknoStudena(benchmark::State& s) { Spust(s, false, StartPece::Studeny); }
void BM_Pec_VlaknoCyklicka(benchmark::State& s) { Spust(s, false, StartPece::Cyklicky); }
BENCHMARK(BM_Pec_CihlaStudena)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pec_CihlaHorka)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pec_CihlaCyklicka)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pec_VlaknoStudena)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Pec_VlaknoCyklicka)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
