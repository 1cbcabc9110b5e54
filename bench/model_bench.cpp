#include <benchmark/benchmark.h>

#include "model/priklady.h"
#include "model/vypocet.h"

namespace zorvet {
namespace {

void BM_Vypocet_NerizenyPriklad(benchmark::State& state) {
    auto s = test::NerizenyPriklad();
    for (auto _ : state) {
        s->Uloha.Tpece = 1000.0f;
        benchmark::DoNotOptimize(Vypocet(*s));
    }
}
BENCHMARK(BM_Vypocet_NerizenyPriklad);

// A slow heat-up that ends close to row 10000.
void BM_Vypocet_10000Radku(benchmark::State& state) {
    auto s = test::NerizenyPriklad();
    s->Uloha.CasKrok = 0.047f;  // ends at row 9978
    for (auto _ : state) {
        benchmark::DoNotOptimize(Vypocet(*s));
    }
    state.counters["rows"] = s->PocetKroku;
}
BENCHMARK(BM_Vypocet_10000Radku)->Unit(benchmark::kMillisecond);

void BM_RozvinKrivku_20Useku(benchmark::State& state) {
    auto s = test::RizenyPriklad();
    s->Uloha.PocetKrivek = 20;
    for (int i = 0; i <= 20; ++i) {
        s->Uloha.Krivka[i] = {static_cast<float>(20 + 50 * i), 5000.0f};
    }
    s->Uloha.CasKrok = 1.0f;
    for (auto _ : state) {
        RozvinKrivku(*s);
        benchmark::DoNotOptimize(s->TeplotaPece.data());
    }
}
BENCHMARK(BM_RozvinKrivku_20Useku);

}  // namespace
}  // namespace zorvet
