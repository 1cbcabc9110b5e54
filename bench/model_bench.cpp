#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

#include "model/case/geometrie.h"
#include "model/planning/planovani.h"
#include "model/planning/rozmitani.h"
#include "model/march/prubeh_pece.h"
#include "model/pipeline/vypocet.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

// The worked example at 10 s, 1 s and 0.1 s steps (the argument is the step in tenths of a
// second), through the one pipeline: acceptance, march, result.
void BM_Vypocet_NerizenyPriklad(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.CasKrok = static_cast<float>(static_cast<double>(state.range(0)) / 10.0);
    int radek = 0;
    for (auto _ : state) {
        const VysledekVypoctu v = Spocti(u);
        radek = v.radek;
        benchmark::DoNotOptimize(v.vysledek.get());
    }
    state.counters["rows"] = radek;
}
BENCHMARK(BM_Vypocet_NerizenyPriklad)->Arg(100)->Arg(10)->Arg(1);

// The bound a lumped march can reach: a bare fixed-step trapezoidal march of the same physics
// (one furnace temperature, the radiative coefficient at the step's mean temperature, one fixed
// point iteration to the same tolerance), in doubles, with no result kept but the last row.
// It is the comparison for the pipeline above, not a part of the program.
double lichobeznik(double dt) {
    const double m = 100.0, c = 500.0, a = 1.0, eps = 0.8, tf = 1000.0, tk = 900.0;
    const double tfK4 = std::pow((tf + 273.15) / 100.0, 4.0);
    double t = 20.0, cas = 0.0, odhad = 20.0 + dt;
    while (t < tk) {
        double t1 = odhad;
        for (;;) {
            const double tm = (t + t1) / 2.0;
            const double alfa = 15.0 + eps * 5.6697 * (tfK4 - std::pow((tm + 273.15) / 100.0, 4.0)) / (tf - tm);
            const double g = alfa * 0.5 * a * dt;
            const double nova = (g * (2.0 * tf - t) + m * c * t) / (g + m * c);
            const bool hotovo = std::fabs(nova - t1) < dt / 10.0;
            t1 = nova;
            if (hotovo) {
                break;
            }
        }
        odhad = 2.0 * t1 - t;
        t = t1;
        cas += dt;
    }
    return cas;
}

void BM_Lichobeznik_Srovnani(benchmark::State& state) {
    const double dt = static_cast<double>(state.range(0)) / 10.0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(lichobeznik(dt));
    }
}
BENCHMARK(BM_Lichobeznik_Srovnani)->Arg(100)->Arg(10)->Arg(1);

// A slow heat-up that ends close to row 10000.
void BM_Vypocet_10000Radku(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.CasKrok = 0.047f;  // ends at row 9978
    int radek = 0;
    for (auto _ : state) {
        const VysledekVypoctu v = Spocti(u);
        radek = v.radek;
        benchmark::DoNotOptimize(v.vysledek.get());
    }
    state.counters["rows"] = radek;
}
BENCHMARK(BM_Vypocet_10000Radku)->Unit(benchmark::kMillisecond);

void BM_RozvinKrivku_20Useku(benchmark::State& state) {
    Uloha u = test::Priklad(true);
    u.PocetKrivek = 20;
    for (int i = 0; i <= 20; ++i) {
        u.Krivka[static_cast<std::size_t>(i)] = {static_cast<float>(20 + 50 * i), 5000.0f};
    }
    u.CasKrok = 1.0f;
    std::array<float, kPocetRadku> pec{};
    for (auto _ : state) {
        RozvinKrivku(u, pec);
        benchmark::DoNotOptimize(pec.data());
    }
}
BENCHMARK(BM_RozvinKrivku_20Useku);

// The worked example with the standard's carbon steel, at 10 s and 1 s steps: the march in
// enthalpy.
void BM_Vypocet_UhlikovaOcel(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.CasKrok = static_cast<float>(state.range(0));
    u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Spocti(u));
    }
}
BENCHMARK(BM_Vypocet_UhlikovaOcel)->Arg(10)->Arg(1);

// Goal seek on the worked example with 1 s steps and a 600 s target.
void BM_HledejCil(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.CasKrok = 1.0f;
    const Velicina co[] = {Velicina::m, Velicina::Tpece, Velicina::Prikon};
    for (auto _ : state) {
        benchmark::DoNotOptimize(HledejCil(u, co[state.range(0)], 600.0));
    }
}
BENCHMARK(BM_HledejCil)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);

// A square billet of 200 mm heated on its four long faces: every try computes the 2-D core.
void BM_HledejCil_SJadrem(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.Tpece = 1200.0f;
    u.Tk = 850.0f;
    u.CasKrok = 10.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Ctvercovy;
    u.StranaA = 0.2f;
    u.DelkaL = 2.0f;
    u.PocetProfilu = 1;
    u.PocetAL = 4;
    u.Gama = 7850.0f;
    u.A = 1.6f;
    u.Lambda = 30.0f;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    KonecHledani konec = KonecHledani::Nelze;
    for (auto _ : state) {
        const VysledekHledani h = HledejCil(u, Velicina::Tpece, 2400.0);
        konec = h.konec;
        benchmark::DoNotOptimize(h.hodnota);
    }
    // A search that is refused measures nothing of the search.
    if (konec != KonecHledani::Nalezeno) {
        state.SkipWithError("the goal seek found no furnace temperature");
    }
}
BENCHMARK(BM_HledejCil_SJadrem)->Unit(benchmark::kMillisecond);

// The sweep of the command line: masses 10, 11, ... 10009 kg of the worked example, on every core
// (the argument: threads; 0 for one per core), each point handed over in order as a row is.
void BM_Rozmitani10000(benchmark::State& state) {
    const Uloha u = test::Priklad();
    const std::vector<OsaRozmitani> osy{{&Pole(Velicina::m), *HodnotyRozmitani(10.0, 10009.0, 1.0)}};
    for (auto _ : state) {
        double soucet = 0.0;
        Rozmitej(u, osy, [&soucet](std::size_t, const BodRozmitani& b) {
            soucet += b.cas;
            return true;
        }, static_cast<unsigned>(state.range(0)));
        benchmark::DoNotOptimize(soucet);
    }
}
BENCHMARK(BM_Rozmitani10000)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond)->UseRealTime();

// A thousand cases of the worked example, masses 10 to 10 000 kg: computed one by one (argument
// 0) and together, in the lanes of the processor's vectors (argument 1).
void BM_SpoctiVice(benchmark::State& state) {
    std::vector<Uloha> ulohy(1000, test::Priklad());
    for (std::size_t i = 0; i < ulohy.size(); ++i) {
        ulohy[i].m = static_cast<float>(10 + 10 * i);
    }
    for (auto _ : state) {
        if (state.range(0) == 0) {
            for (const Uloha& u : ulohy) {
                benchmark::DoNotOptimize(Spocti(u));
            }
        } else {
            benchmark::DoNotOptimize(SpoctiVice(ulohy));
        }
    }
}
BENCHMARK(BM_SpoctiVice)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// The emissivity of a log of the worked example at 1 s steps, every 20th row.
void BM_PrizpusobEmisivitu(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.CasKrok = 1.0f;
    const VysledekVypoctu r = Spocti(u);
    std::vector<BodMereni> log;
    for (std::size_t k = 0; k <= static_cast<std::size_t>(r.vysledek->PocetKroku); k += 20) {
        log.push_back({static_cast<double>(r.vysledek->Vysledky.Cas[k]),
                       static_cast<double>(r.vysledek->Vysledky.TeplotaVsazky[k]), std::nullopt});
    }
    u.Eps = 0.4f;
    for (auto _ : state) {
        benchmark::DoNotOptimize(PrizpusobEmisivitu(u, log));
    }
}
BENCHMARK(BM_PrizpusobEmisivitu)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
