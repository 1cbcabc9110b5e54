// The one pipeline: a case computed into a result. Every front end reaches the computation here:
// the window's OK (PrijmiPripad) and Computing, opening a results file with a problem to compute,
// a value that goal seek found, the batch's compute, chart and report, goal seek, sweep, fit and
// compare. None of them assembles the computation itself.
//
// Spocti takes what follows from the case (the total surface of the dimensions), applies the
// acceptance rule, marches the single charge temperature (the documented march, with the curves,
// the convection and the installed power beyond it), computes the core of a thick charge when
// the conductivity is known, and returns one result that holds the case, the rows, the furnace
// temperature of every step, the core, the power-limited span and the decisive time; or the
// failure, with a time step that the march has shown to work when a step was too long.
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>
#include <string>

#include "model/case/pole.h"
#include "model/case/prijeti.h"
#include "model/case/vysledek.h"

namespace zorvet {

// How a computation ended.
enum class KonecVypoctu {
    Uspech,         // Tk reached: the result holds rows 0..PocetKroku
    Odmitnuto,      // the acceptance rule refused the case (zavada); nothing was computed
    Preteceni,      // the march would need a row beyond 10000
    Chyba,          // arithmetic failure; popis holds the standard description
    Nekonverguje,   // the iteration of one step did not settle
    NeplatnyKrok,   // the time step is not positive; nothing was computed
    Prekmit,        // a step carried the charge past its furnace temperature
    KrivkaNestaci,  // the curve ends below Tk before the charge gets there
};

struct VysledekVypoctu {
    KonecVypoctu konec = KonecVypoctu::Uspech;
    std::optional<Zavada> zavada;  // Odmitnuto: the first fault of the case
    std::string popis;             // "Division by zero", "Overflow", ... for KonecVypoctu::Chyba
    int radek = 0;                 // the step at which a failure happened
    // Prekmit: the charge before and after the step, the furnace temperature of the step, the
    // longest time step the march has shown to work (0 for none within the table), and whether
    // the charge is so small that a second is too long a step for it.
    float pred = 0.0f, po = 0.0f, pec = 0.0f;
    double nejdelsiKrok = 0.0;
    bool malaVsazka = false;
    // The result when the march succeeded (also when the core did not reach Tk); the caller adds
    // what is printed with it (the file, the comment) before it shares it.
    std::shared_ptr<Vysledek> vysledek;

    std::optional<KonecJadra> jadro;  // how the core came out, when one was asked for

    // The march succeeded and, when a core was computed, the core reached Tk.
    bool uspech() const { return konec == KonecVypoctu::Uspech && (!jadro || *jadro == KonecJadra::Dosazeno); }
};

// A generous bound: an ordinary step settles in two or three iterations.
inline constexpr int kMaxIteraci = 1000;

// How a run may differ from the case's own: for fitting a measured log, and for the trials of a
// goal seek, which need no advice on the time step (model/planning/planovani.h).
struct MoznostiBehu {
    double doCasu = 0.0;  // s: march until this time, whatever the final temperature; 0: to Tk
    std::function<float(long k)> pec;  // the furnace temperature of step k, in place of the case's
    bool bezJadra = false;             // no core, whatever the case says
    bool radaKroku = true;             // a step too long finds the longest one that works
    // The furnace temperature and α of the steps the installed power limits, which only the rows
    // shown (a table, a chart, a file) and a core need; a sweep's row needs neither.
    bool pecOmezenych = true;
};

// The case with what follows from it, accepted by the rule of the dialog's OK (or Cancel): the
// case as it is computed, or the first fault.
struct PrijatyPripad {
    Uloha pripad;
    std::optional<Zavada> zavada;
};
PrijatyPripad PrijmiPripad(const Uloha& u, Pravidlo pravidlo = Pravidlo::Ok);

// Computes a case.
VysledekVypoctu Spocti(const Uloha& u, const MoznostiBehu& moznosti = {});

// Computes several cases, each exactly as Spocti computes it, up to eight at a time where the
// processor and the case allow (model/march/pochod_pruhu.h).
std::vector<VysledekVypoctu> SpoctiVice(std::span<const Uloha> ulohy, const MoznostiBehu& moznosti = {});

// A result as a results file holds it, finished as a run finishes it: what follows from its case
// and its rows (the cycle of a soak). The window and the batch call it on every results file they
// open, before the result is shown or printed; the file's reader gives only what the file holds.
std::shared_ptr<const Vysledek> DokonciNacteny(std::shared_ptr<Vysledek> nacteny);

}  // namespace zorvet
