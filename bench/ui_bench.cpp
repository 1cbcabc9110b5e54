// Opening the result views for the largest result the table holds: 10001 rows of a
// controlled heat-up, time, charge and furnace temperature.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTableView>
#include <memory>

#include "support/dialogy_test.h"
#include "ui/common/graf.h"
#include "ui/views/pohled_grafu.h"
#include "ui/views/pohled_tabulky.h"

namespace zorvet {
namespace {

// The windows need an application; one, without a display, for every benchmark here.
QApplication& Aplikace() {
    static int argc = 1;
    static char nazev[] = "zorvet_bench";
    static char* argv[] = {nazev, nullptr};
    static QApplication* app = [] {
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
            qputenv("QT_QPA_PLATFORM", "offscreen");
        }
        return new QApplication(argc, argv);
    }();
    return *app;
}

std::shared_ptr<const Vysledek> PlnyRizenyVysledek() {
    auto v = std::make_shared<Vysledek>();
    v->Uloha.Rizeny = true;
    v->Uloha.Tv = 20.0f;
    v->Uloha.Tk = 900.0f;
    v->Uloha.c = 500.0f;
    v->Uloha.m = 100.0f;
    v->PocetKroku = kPosledniRadek;
    for (auto* sloupec : {&v->Vysledky.Cas, &v->Vysledky.Odhad, &v->Vysledky.Alfa, &v->Vysledky.TeplotaVsazky, &v->TeplotaPece}) {
        sloupec->assign(kPocetRadku, 0.0f);
    }
    for (int i = 0; i < kPocetRadku; ++i) {
        const auto r = static_cast<std::size_t>(i);
        v->Vysledky.Cas[r] = static_cast<float>(i) * 0.5f;
        v->Vysledky.TeplotaVsazky[r] = 20.0f + static_cast<float>(i) * 0.088f;
        v->TeplotaPece[r] = std::min(1000.0f, 20.0f + static_cast<float>(i) * 0.5f);
    }
    return v;
}

// The view opened and drawn once, as the user first sees it.
void BM_OtevreniTabulky_10001Radku(benchmark::State& state) {
    Aplikace();
    const auto v = PlnyRizenyVysledek();
    test::TestDialogy dialogy;
    QWidget okno;
    okno.resize(603, 430);
    PohledTabulky pohled(dialogy, &okno);
    okno.show();
    for (auto _ : state) {
        pohled.zobraz(v, Jazyk::Anglicky, QSize(9045, 6450));
        QImage obraz = pohled.grid()->grab().toImage();
        benchmark::DoNotOptimize(obraz.constBits());
        state.PauseTiming();
        pohled.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OtevreniTabulky_10001Radku)->Unit(benchmark::kMillisecond);

// Building the chart: series, labels, axes; then also its first drawing.
void BM_StavbaGrafu_10001Radku(benchmark::State& state) {
    Aplikace();
    const auto v = PlnyRizenyVysledek();
    test::TestDialogy dialogy;
    QWidget okno;
    okno.resize(603, 430);
    PohledGrafu pohled(dialogy, &okno);
    okno.show();
    const bool vykreslit = state.range(0) != 0;
    for (auto _ : state) {
        pohled.zobraz(PodkladyZpravy{v, Jazyk::Anglicky, {}}, QSize(9045, 6450));
        if (vykreslit) {
            QImage obraz = pohled.graf()->grab().toImage();
            benchmark::DoNotOptimize(obraz.constBits());
        }
        state.PauseTiming();
        pohled.hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StavbaGrafu_10001Radku)->Arg(0)->Arg(1)->ArgName("drawn")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
