// One benchmark for each kind of sweep engineers run and each load of bars, as the peers in
// bench/peers/ compute them: 10 000 masses of the worked example with one specific heat, with the
// standard's carbon steel, and under an installed power of 60 kW; a million short marches; arrays
// of 100 mm bars 3 x 3, 5 x 5, 7 x 7 and 10 x 10. The sweeps run on one thread (CPU time is the
// figure; the command line runs one per core) and hand every point over in order, as the command
// line writes its rows.
#include <benchmark/benchmark.h>

#include <vector>

#include "model/case/geometrie.h"
#include "model/case/pole.h"
#include "model/pipeline/vypocet.h"
#include "model/planning/rozmitani.h"
#include "model/properties/vlastnosti.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

// Masses 10, 11, ... 10009 kg (argument 0: one specific heat, 1: carbon steel, 2: 60 kW), or a
// million masses 50 to 149.9999 kg in steps of 0.0001 (argument 3).
void BM_Rozmitani_Druhy(benchmark::State& state) {
    Uloha u = test::Priklad();
    std::vector<OsaRozmitani> osy{{&Pole(Velicina::m), *HodnotyRozmitani(10.0, 10009.0, 1.0)}};
    switch (state.range(0)) {
        case 1:
            u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
            break;
        case 2:
            u.Prikon = 60000.0f;
            break;
        case 3:
            osy[0].hodnoty = *HodnotyRozmitani(50.0, 149.9999, 0.0001);
            break;
        default:
            break;
    }
    std::size_t spocteno = 0;
    for (auto _ : state) {
        double soucet = 0.0;
        spocteno = 0;
        Rozmitej(u, osy, [&](std::size_t, const BodRozmitani& b) {
            soucet += b.cas;
            spocteno += b.spocten ? 1 : 0;
            return true;
        }, 1);
        benchmark::DoNotOptimize(soucet);
    }
    if (spocteno != osy[0].hodnoty.size()) {
        state.SkipWithError("a point of the sweep was not computed");
    }
    state.counters["points"] = static_cast<double>(spocteno);
}
BENCHMARK(BM_Rozmitani_Druhy)->ArgName("kind")->Arg(0)->Arg(1)->Arg(2)->Arg(3)->Iterations(1)->Unit(benchmark::kMillisecond);

// An array of n x n round bars of 100 mm of carbon steel, gaps of 10 mm (20 mm for 10 x 10), as a
// whole case through the pipeline: furnace 1000 °C, 20 to 850 °C at the core, ε 0.8, 10 s steps.
void BM_Spocti_Mrizka(benchmark::State& state) {
    const auto n = static_cast<std::int16_t>(state.range(0));
    Uloha u = test::Priklad();
    u.Tpece = 1000.0f, u.Tv = 20.0f, u.Tk = 850.0f, u.Eps = 0.8f, u.CasKrok = 10.0f, u.KoefK = 1.0f;
    u.Konvekce = 15.0f, u.Lambda = 30.0f, u.c = 600.0f, u.Gama = 7850.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Kruhovy, u.StranaA = 0.1f, u.DelkaL = 1.0f;
    u.PocetProfilu = u.PocetAL = static_cast<std::int16_t>(n * n);
    u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    u.MrizkaX = u.MrizkaY = n;
    u.MezeraX = u.MezeraY = n >= 10 ? 0.02f : 0.01f;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    double cas = 0.0;
    for (auto _ : state) {
        const VysledekVypoctu r = Spocti(u);
        cas = r.vysledek && r.vysledek->Jadro && r.vysledek->Jadro->konec == KonecJadra::Dosazeno ? r.vysledek->Jadro->cas : -1.0;
        benchmark::DoNotOptimize(r.vysledek.get());
    }
    if (!(cas > 0.0)) {
        state.SkipWithError("the array's core was not computed");
    }
    state.counters["core_s"] = cas;
}
BENCHMARK(BM_Spocti_Mrizka)->ArgName("n")->Arg(3)->Arg(5)->Arg(7)->Arg(10)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
