#include <benchmark/benchmark.h>

#include <vector>

#include "model/planovani.h"
#include "model/prubeh_pece.h"
#include "model/vypocet.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

void BM_Vypocet_NerizenyPriklad(benchmark::State& state) {
    const Uloha u = test::Priklad();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Spocti(u));
    }
}
BENCHMARK(BM_Vypocet_NerizenyPriklad);

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

// The worked example with the standard's carbon steel: the march in enthalpy.
void BM_Vypocet_UhlikovaOcel(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(Spocti(u));
    }
}
BENCHMARK(BM_Vypocet_UhlikovaOcel);

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
    for (auto _ : state) {
        benchmark::DoNotOptimize(HledejCil(u, Velicina::Tpece, 2400.0));
    }
}
BENCHMARK(BM_HledejCil_SJadrem)->Unit(benchmark::kMillisecond);

// A lumped sweep of 10 000 masses, each point through the one entry point.
void BM_Rozmitani10000(benchmark::State& state) {
    Uloha u = test::Priklad();
    for (auto _ : state) {
        for (int i = 0; i < 10000; ++i) {
            u.m = 50.0f + 0.01f * static_cast<float>(i);
            benchmark::DoNotOptimize(Spocti(u));
        }
    }
}
BENCHMARK(BM_Rozmitani10000)->Unit(benchmark::kMillisecond);

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
