// The heat-up computation: the march of one charge temperature (Vypocet), with the core of a
// thick charge when the conductivity is known, and the furnace temperature of every step.
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "model/jadro.h"
#include "model/vysledek.h"

namespace zorvet {

// How a run ended. The caller shows the matching message.
enum class KonecVypoctu {
    Uspech,         // Tk reached: result in rows 0..PocetKroku
    Preteceni,      // the march would need a row beyond 10000
    Chyba,          // arithmetic failure; popis holds the standard description
    Nekonverguje,   // the iteration of one step did not settle
    NeplatnyKrok,   // the time step is not positive; nothing was computed
    Prekmit,        // a step carried the charge past its furnace temperature
    KrivkaNestaci,  // the curve ends below Tk before the charge gets there
};

struct VysledekVypoctu {
    KonecVypoctu konec = KonecVypoctu::Uspech;
    std::string popis;  // "Division by zero", "Overflow", ... for KonecVypoctu::Chyba
    int radek = 0;      // the step at which a failure happened
    // Prekmit: the charge before and after the step, the furnace temperature of the step and
    // the longest time step that works at the step's heat-transfer coefficient.
    float pred = 0.0f, po = 0.0f, pec = 0.0f;
    double nejdelsiKrok = 0.0;
    // The new result, only when the run succeeded; the caller adds what is printed with it
    // (the file, the comment) before it shares it.
    std::shared_ptr<Vysledek> vysledek;
    std::optional<KonecJadra> jadro;           // how the core ended, when it was computed
};

// A generous bound: an ordinary step settles in two or three iterations.
inline constexpr int kMaxIteraci = 1000;

// How a run may differ from the problem's own, for the planning of a load (model/planovani.h).
struct MoznostiBehu {
    double doCasu = 0.0;  // s: march until this time, whatever the final temperature; 0: to Tk
    const std::function<float(long k)>* pec = nullptr;  // the furnace temperature of step k, in
                                                        // place of the problem's
    bool bezJadra = false;  // no core, whatever the problem says
};

// Marches the problem to its final temperature into a new result: its rows, PocetKroku and the
// furnace temperature of every step. With a conductivity (Lambda > 0) the core of a thick
// charge follows (model/jadro.h); its outcome does not fail the run. The problem itself is
// copied into the result as it is.
VysledekVypoctu Vypocet(const Uloha& uloha, const MoznostiBehu& moznosti = {});

// The furnace temperature of step k, for any k from 0: Tpece for an uncontrolled heat-up; for a
// controlled one the curve laid out in time steps, each segment its ramp without its first
// value (a duration that is no whole number of steps stops the ramp short), then held at the
// curve's last temperature.
class PrubehPece {
public:
    explicit PrubehPece(const Uloha& u);
    float operator()(long k) const;
    // The last step a segment of the curve lays out (0 for none).
    long konecKrivky() const { return konec_; }
    // The temperature the furnace holds after the curve.
    float konecnaTeplota() const { return konecna_; }

private:
    struct Usek {
        long zacatek;     // the step before its first
        long kroku;
        float smernice;   // K/s
        float teplota;    // °C at its start
    };
    bool rizeny_;
    float tpece_;
    float pocatek_;
    float konecna_;
    double krok_;
    std::array<Usek, kMaxUseku> useky_{};
    int pocet_ = 0;
    long konec_ = 0;
};

// Whether the furnace temperature of a result changes over time: it follows a curve, or the
// installed power limited steps (their rows hold the temperature that gave the limited heat).
inline bool PecSeMeni(const Vysledek& v) { return v.Uloha.Rizeny || v.OmezenoDo > 0.0f; }

// The furnace temperature of row k of a result: as the run saw it within the table, the curve's
// own after it (the rows of a core that ends later).
inline float TeplotaPeceRadku(const Vysledek& v, const PrubehPece& prubeh, long k) {
    return k >= 0 && k < kPocetRadku ? v.TeplotaPece[static_cast<std::size_t>(k)] : prubeh(k);
}

// The furnace temperature of steps 0..10000 of the problem.
void RozvinKrivku(const Uloha& u, std::array<float, kPocetRadku>& TeplotaPece);

}  // namespace zorvet
