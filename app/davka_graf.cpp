// The chart and report commands of the batch command line. They are the only batch commands
// that need the widgets: the chart is drawn by the chart widget of the chart view.
#include <QApplication>
#include <QByteArray>
#include <cstdio>

#include "app/davka.h"
#include "files/retezce.h"
#include "ui/views/export_grafu.h"
#include "ui/views/graf_vysledku.h"
#include "ui/views/zprava.h"

namespace zorvet {

namespace {

// Standard error carries the command's own messages only: the platform's remarks about
// a missing runtime folder or fonts say nothing about the chart.
void zpravyQt(QtMsgType druh, const QMessageLogContext&, const QString& text) {
    if (druh == QtCriticalMsg || druh == QtFatalMsg) {
        std::fprintf(stderr, "zorvet: %s\n", text.toLocal8Bit().constData());
    }
}

}  // namespace

int SpustGrafDavku(int argc, char** argv) {
    // No window is ever shown: the offscreen platform needs no display, and its fixed
    // 96 dpi makes the picture the same on every machine.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    }
    qInstallMessageHandler(zpravyQt);
    QApplication app(argc, argv);
    GrafDavky kreslic;
    kreslic.znaFormat = [](const QString& cesta) { return FormatGrafuSouboru(cesta).has_value(); };
    kreslic.kresli = [](const Vysledek& vysledek, Jazyk jazyk, const QString& cesta,
                        QSize velikost) -> std::optional<QString> {
        const std::optional<FormatGrafu> format = FormatGrafuSouboru(cesta);
        if (!format) {
            return QString();
        }
        return ExportujGraf(vysledek, jazyk, cesta, *format, velikost);
    };
    kreslic.kresliMereni = [](const Vysledek& prubeh, const std::vector<BodMereni>& log, Jazyk jazyk,
                              const QString& cesta, QSize velikost) -> std::optional<QString> {
        const std::optional<FormatGrafu> format = FormatGrafuSouboru(cesta);
        if (!format) {
            return QString();
        }
        // The run is only borrowed for the drawing: a pointer that owns nothing.
        ObsahGrafu obsah{nullptr};
        obsah.mereni = log;
        obsah.prolozeni = std::shared_ptr<const Vysledek>(std::shared_ptr<const Vysledek>(), &prubeh);
        return UlozGraf([&](Graf& graf) { NaplnGraf(graf, obsah, jazyk); }, Text(id::TitulekGrafu, jazyk), cesta,
                        *format, velikost);
    };
    kreslic.zprava = [](std::shared_ptr<const Vysledek> vysledek, std::int16_t ztraty, Jazyk jazyk,
                        const QString& cesta) {
        PodkladyZpravy podklady{std::move(vysledek), jazyk, QDate::currentDate()};
        podklady.ztraty = ztraty;
        return UlozZpravuPdf(podklady, cesta);
    };
    kreslic.vychoziVelikost = kVelikostExportu;
    kreslic.nejmensiStrana = kNejmensiStrana;
    kreslic.nejvetsiStrana = kNejvetsiStrana;
    return ProvedDavku(&kreslic);
}

}  // namespace zorvet
