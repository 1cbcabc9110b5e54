// Writing and reading a results file of the largest size: 10001 rows.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>
#include <cmath>
#include <memory>

#include "files/dialogy.h"
#include "files/soubor.h"
#include "files/windows1250.h"
#include "model/priklady.h"

namespace zorvet {
namespace {

// No comment, no boxes.
class TicheDialogy : public Dialogy {
public:
    void zprava(Ikona, const QString&, const QString&) override {}
    bool otazka(const QString&, const QString&) override { return false; }
    std::optional<QString> vstup(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> otevritSoubor(const QString&, int) override { return std::nullopt; }
    std::optional<QString> ulozitSoubor(const QString&, int) override { return std::nullopt; }
    void kurzorCekani() override {}
    void kurzorNormalni() override {}
};

// A controlled result of 10001 rows whose values need most of their digits.
std::unique_ptr<Stav> plnyVysledek() {
    auto s = test::RizenyPriklad();
    s->Uloha.CasKrok = 0.047f;
    for (int i = 0; i < kPocetRadku; ++i) {
        s->Vysledky.Cas[i] = static_cast<float>(i) * 0.047f;
        s->Vysledky.TeplotaVsazky[i] = static_cast<float>(20.0 + 880.0 * (1.0 - std::exp(-i / 3000.0)));
    }
    s->PocetKroku = kPosledniRadek;
    s->Komentar = "Benchmark";
    return s;
}

void BM_TextSouboru_10001Radku(benchmark::State& state) {
    const auto s = plnyVysledek();
    for (auto _ : state) {
        benchmark::DoNotOptimize(KodujSoubor(TextSouboruUlohy(*s, true)));
    }
}
BENCHMARK(BM_TextSouboru_10001Radku)->Unit(benchmark::kMillisecond);

void BM_UlozSoubor_10001Radku(benchmark::State& state) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("bench.odp"));
    auto s = plnyVysledek();
    TicheDialogy d;
    for (auto _ : state) {
        benchmark::DoNotOptimize(UlozSoubor(*s, d, cesta, true));
    }
}
BENCHMARK(BM_UlozSoubor_10001Radku)->Unit(benchmark::kMillisecond);

void BM_NactiSoubor_10001Radku(benchmark::State& state) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("bench.odp"));
    TicheDialogy d;
    {
        auto s = plnyVysledek();
        UlozSoubor(*s, d, cesta, true);
    }
    auto cteni = std::make_unique<Stav>();
    for (auto _ : state) {
        benchmark::DoNotOptimize(NactiSoubor(*cteni, d, cesta, true));
    }
    state.counters["rows"] = cteni->PocetKroku + 1;
}
BENCHMARK(BM_NactiSoubor_10001Radku)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
