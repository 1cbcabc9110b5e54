// The furnace as a thermal system: the brick box of the user guide (1 × 2 × 1 m, 230 mm fireclay and
// 115 mm insulating firebrick, 60 kW, 400 kg of carbon steel from 20 to 900 °C in a furnace set to
// 950 °C, 10 s steps) from cold, hot and in its cyclic steady state (door open 3 min at each
// loading, 30 min soak), on the inner area (argument 0) and with rounded edges (1); the fibre box
// (250 mm blanket) alike; and a thick bar's core in the brick box. docs/performance.md lists the
// figures.
#include <benchmark/benchmark.h>

#include "model/case/geometrie.h"
#include "model/furnace/cyklus.h"
#include "model/pipeline/vypocet.h"

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

// Through the one pipeline, a load that conducts: the brick box around a round bar of 250 mm,
// 2 m long (770 kg, λ 30 W/m/K), its core marched in turn with the furnace until both agree.
void BM_Pec_JadroVCihle(benchmark::State& state) {
    Uloha u;
    u.Tpece = 950.0f, u.Tv = 20.0f, u.Tk = 900.0f, u.CasKrok = 20.0f, u.c = 600.0f, u.Gama = 7850.0f, u.Eps = 0.8f;
    u.KoefK = 1.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Kruhovy, u.StranaA = 0.25f, u.DelkaL = 2.0f, u.PocetProfilu = 1, u.PocetAL = 1;
    OdvodUlohu(u);
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    u.Lambda = 30.0f, u.Prikon = 60e3f, u.Prodleva = 1800.0f;
    u.Pec = Pec{};
    u.Pec->Sirka = 1, u.Pec->Hloubka = 2, u.Pec->Vyska = 1;
    u.Pec->Steny = {{kSamot, 0.23f}, {kIzolacni, 0.115f}};
    u.Pec->Start = state.range(0) ? StartPece::Cyklicky : StartPece::Studeny;
    double cas = 0.0;
    for (auto _ : state) {
        const VysledekVypoctu r = Spocti(u);
        cas = r.vysledek && r.vysledek->Jadro ? r.vysledek->Jadro->cas : -1.0;
    }
    state.counters["core_s"] = cas;
}
BENCHMARK(BM_Pec_JadroVCihle)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
