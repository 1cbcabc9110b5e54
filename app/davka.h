// The batch command line: "zorvet compute PROBLEM ...", "zorvet table RESULTS.odp",
// "zorvet chart FILE --output PICTURE" and "zorvet report FILE --output REPORT.pdf". Runs
// without a display; results on standard output, messages on standard error.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

#include <cstdint>

#include "model/case/nastaveni.h"
#include "model/planning/planovani.h"
#include "model/case/vysledek.h"

namespace zorvet {

// Exit status of a batch run.
inline constexpr int kUspech = 0;
inline constexpr int kVypocetSelhal = 1;   // the computation failed (overflow or arithmetic failure)
inline constexpr int kNepouzitelnyVstup = 2;  // missing or unreadable file, no problem, incomplete problem, bad
                                              // option, a file that could not be written

// True when the arguments ask for the batch command line rather than the window: a command
// word first, --help / --version, or anything but a file named alone (which the window opens).
bool JeDavka(int argc, char** argv);

// True for "chart", "report" and "fit": they draw through the chart widget and so need the widgets,
// which compute and table do without. main starts them with SpustGrafDavku.
bool JeGrafDavka(int argc, char** argv);

// How the chart command draws; the batch part itself knows no widgets.
struct GrafDavky {
    // The file name's extension names a format it writes.
    std::function<bool(const QString& cesta)> znaFormat;
    // Draws the result chart into cesta; no value on success, else the reason (which may be
    // empty).
    std::function<std::optional<QString>(const Vysledek& vysledek, Jazyk jazyk, const QString& cesta,
                                         QSize velikost)>
        kresli;
    // Writes the one-page report of the result (which carries its file and comment), its power
    // for the losses ztraty, as a PDF; the same answer.
    std::function<std::optional<QString>(std::shared_ptr<const Vysledek> vysledek, std::int16_t ztraty, Jazyk jazyk,
                                         const QString& cesta)>
        zprava;
    // Draws the run fitted to a measured log (its charge curve, dashed) with the logged points
    // over it into cesta, in the formats and sizes of kresli; the same answer.
    std::function<std::optional<QString>(const Vysledek& prubeh, const std::vector<BodMereni>& log, Jazyk jazyk,
                                         const QString& cesta, QSize velikost)>
        kresliMereni;
    QSize vychoziVelikost;
    int nejmensiStrana = 1;
    int nejvetsiStrana = 1;
};

// Runs compute and table (and --help, --version) under a QCoreApplication of its own and
// returns the exit status.
int SpustDavku(int argc, char** argv);

// Runs the command of QCoreApplication::arguments() under the application the caller made.
// The chart command needs kreslic; without it chart is refused.
int ProvedDavku(const GrafDavky* kreslic);

// The chart command (app/davka_graf.cpp): a QApplication on the offscreen platform unless
// QT_QPA_PLATFORM names another, so that the picture does not depend on a screen.
int SpustGrafDavku(int argc, char** argv);

}  // namespace zorvet
