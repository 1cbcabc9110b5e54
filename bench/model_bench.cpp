#include <benchmark/benchmark.h>

#include "model/vypocet.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

void BM_Vypocet_NerizenyPriklad(benchmark::State& state) {
    const Uloha u = test::Priklad();
    for (auto _ : state) {
        benchmark::DoNotOptimize(Vypocet(u));
    }
}
BENCHMARK(BM_Vypocet_NerizenyPriklad);

// A slow heat-up that ends close to row 10000.
void BM_Vypocet_10000Radku(benchmark::State& state) {
    Uloha u = test::Priklad();
    u.CasKrok = 0.047f;  // ends at row 9978
    int radek = 0;
    for (auto _ : state) {
        const VysledekVypoctu v = Vypocet(u);
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

}  // namespace
}  // namespace zorvet
