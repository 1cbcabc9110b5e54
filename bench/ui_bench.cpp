// Opening the result views for the largest result the table holds: 10001 rows of a
// controlled heat-up, time, charge and furnace temperature.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QTableView>
#include <memory>

#include "files/dialogy.h"
#include "model/stav.h"
#include "ui/dialogy_okna.h"
#include "ui/frm_zorvet.h"
#include "ui/graf.h"

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

// Answers nothing: the views ask nothing but the busy pointer.
class TicheDialogy : public DialogyOken {
public:
    void zprava(Ikona, const QString&, const QString&) override {}
    bool otazka(const QString&, const QString&) override { return false; }
    std::optional<QString> vstup(const QString&, const QString&, const QString&) override { return std::nullopt; }
    std::optional<QString> otevritSoubor(const QString&, int) override { return std::nullopt; }
    std::optional<QString> ulozitSoubor(const QString&, int) override { return std::nullopt; }
    void kurzorCekani() override {}
    void kurzorNormalni() override {}
    VysledekTisku tiskni(const QString&, const Kresleni&) override { return VysledekTisku::ZadnaTiskarna; }
};

std::unique_ptr<Stav> PlnyRizenyVysledek() {
    auto stav = std::make_unique<Stav>();
    stav->Uloha.Rizeny = true;
    stav->Uloha.Tv = 20.0f;
    stav->Uloha.Tk = 900.0f;
    stav->Uloha.c = 500.0f;
    stav->Uloha.m = 100.0f;
    stav->PocetKroku = kPosledniRadek;
    for (int i = 0; i < kPocetRadku; ++i) {
        const auto r = static_cast<std::size_t>(i);
        stav->Vysledky.Cas[r] = static_cast<float>(i) * 0.5f;
        stav->Vysledky.TeplotaVsazky[r] = 20.0f + static_cast<float>(i) * 0.088f;
        stav->TeplotaPece[r] = std::min(1000.0f, 20.0f + static_cast<float>(i) * 0.5f);
    }
    return stav;
}

// The view opened and drawn once, as the user first sees it.
void BM_OtevreniTabulky_10001Radku(benchmark::State& state) {
    Aplikace();
    auto stav = PlnyRizenyVysledek();
    TicheDialogy dialogy;
    FrmZorvet okno(*stav, dialogy);
    okno.Nacti(false);
    okno.show();
    auto* grid = okno.findChild<QTableView*>(QStringLiteral("grdTabulka"));
    for (auto _ : state) {
        okno.ZobrazTabulku();
        QImage obraz = grid->grab().toImage();
        benchmark::DoNotOptimize(obraz.constBits());
        state.PauseTiming();
        okno.ZavriPohled();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OtevreniTabulky_10001Radku)->Unit(benchmark::kMillisecond);

// Building the chart: series, labels, axes; then also its first drawing.
void BM_StavbaGrafu_10001Radku(benchmark::State& state) {
    Aplikace();
    auto stav = PlnyRizenyVysledek();
    TicheDialogy dialogy;
    FrmZorvet okno(*stav, dialogy);
    okno.Nacti(false);
    okno.show();
    auto* graf = okno.findChild<Graf*>(QStringLiteral("FlpGrf1"));
    const bool vykreslit = state.range(0) != 0;
    for (auto _ : state) {
        okno.ZobrazGraf();
        if (vykreslit) {
            QImage obraz = graf->grab().toImage();
            benchmark::DoNotOptimize(obraz.constBits());
        }
        state.PauseTiming();
        okno.ZavriPohled();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_StavbaGrafu_10001Radku)->Arg(0)->Arg(1)->ArgName("drawn")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace zorvet
