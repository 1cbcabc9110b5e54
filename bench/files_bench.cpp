// Writing and reading a results file of the largest size: 10001 rows.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "files/soubor.h"
#include "files/windows1250.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

// A controlled result of 10001 rows whose values need most of their digits.
std::unique_ptr<Vysledek> plnyVysledek() {
    auto v = std::make_unique<Vysledek>();
    v->Uloha = test::Priklad(true);
    v->Uloha.CasKrok = 0.047f;
    for (auto* sloupec : {&v->Vysledky.Cas, &v->Vysledky.Odhad, &v->Vysledky.Alfa, &v->Vysledky.TeplotaVsazky, &v->TeplotaPece}) {
        sloupec->assign(kPocetRadku, 0.0f);
    }
    for (int i = 0; i < kPocetRadku; ++i) {
        v->Vysledky.Cas[static_cast<std::size_t>(i)] = static_cast<float>(i) * 0.047f;
        v->Vysledky.TeplotaVsazky[static_cast<std::size_t>(i)] =
            static_cast<float>(20.0 + 880.0 * (1.0 - std::exp(-i / 3000.0)));
    }
    v->PocetKroku = kPosledniRadek;
    return v;
}

void BM_TextSouboru_10001Radku(benchmark::State& state) {
    const auto v = plnyVysledek();
    for (auto _ : state) {
        benchmark::DoNotOptimize(encodeDataFile(TextSouboru(v->Uloha, v.get(), QStringLiteral("Benchmark"), Jazyk::Anglicky)));
    }
}
BENCHMARK(BM_TextSouboru_10001Radku)->Unit(benchmark::kMillisecond);

void BM_UlozSoubor_10001Radku(benchmark::State& state) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("bench.odp"));
    const auto v = plnyVysledek();
    for (auto _ : state) {
        benchmark::DoNotOptimize(UlozSoubor(cesta, v->Uloha, v.get(), QString(), Jazyk::Anglicky));
    }
}
BENCHMARK(BM_UlozSoubor_10001Radku)->Unit(benchmark::kMillisecond);

void BM_NactiSoubor_10001Radku(benchmark::State& state) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("bench.odp"));
    const auto v = plnyVysledek();
    UlozSoubor(cesta, v->Uloha, v.get(), QString(), Jazyk::Anglicky);
    int radky = 0;
    for (auto _ : state) {
        const PrecteniSouboru p = NactiSoubor(cesta, true, Uloha{}, Jazyk::Anglicky);
        radky = p.obsah ? p.obsah->vysledek->PocetKroku + 1 : 0;
        benchmark::DoNotOptimize(p.obsah.get());
    }
    state.counters["rows"] = radky;
}
BENCHMARK(BM_NactiSoubor_10001Radku)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
