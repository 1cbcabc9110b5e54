// A computed (or opened) heat-up: the case it was computed from, the result rows, the furnace
// temperature of every step, the core of a thick charge, and what is printed with it. A result
// is never edited after it is made: a new run makes a new one, which replaces the shown one only
// when the run succeeds; saving it makes a copy that names its file. Other losses chosen for its
// power are a setting of the views, or a new run where the installed power covers them.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "model/case/uloha.h"
#include "model/furnace/cyklus.h"

namespace zorvet {

// Four columns of singles, one row per step from row 0 (the start) on; rows 0..PocetKroku are
// the result (a run may have computed a row beyond it).
struct Vysledky {
    std::vector<float> Cas;            // s
    std::vector<float> Odhad;          // °C, working estimate of the iteration
    std::vector<float> Alfa;           // W/m²/K
    std::vector<float> TeplotaVsazky;  // °C
};

// How the core of a thick charge came out.
enum class KonecJadra {
    Dosazeno,      // the core reached Tk
    BezRozmeru,    // the mass is typed: no dimensions to conduct through
    BezPloch,      // no face of a piece takes part in the heat exchange
    Nedosazeno,    // not within ten times the single-temperature time (the rows are kept)
    Chyba,         // the case gives the conduction nothing it can compute
};

// The core of a thick charge, when the conductivity is known (model/conduction/jadro.h).
struct Jadro {
    KonecJadra konec = KonecJadra::Dosazeno;
    std::vector<float> povrch;   // per step 0..: mean temperature of the heated surface, °C
    std::vector<float> teplota;  // per step 0..: temperature of the point that heats slowest, °C
    std::vector<float> pec;      // per step 0..: the furnace temperature the piece saw, °C (the
                                 // set one, or where the installed power limited the step the one
                                 // at which the piece's faces take just that power); empty for
                                 // the rows of the single charge temperature
    long krok = -1;              // the first step whose core reached Tk
    double cas = 0.0;            // s, krok × CasKrok
    double biot = 0.0;           // Bi = α max × (V / A) / λ
    float omezenoDo = 0.0f;      // s, the end of the last step the installed power limited
    // Per step 0..: J that entered the whole load (and what heats with it) since step 0, as far
    // as its march went (an array's and a bundle's through the soak); a furnace described as a
    // thermal system takes its heat from here.
    std::vector<double> teplo;
};

// What the arrangement of the load adds to a result (model/load/usporadani.h), and the soak.
struct VysledekUsporadani {
    bool mrizka = false;              // an array (else a bundle, or only a soak)
    bool svazek = false;
    int radek = 0, sloupec = 0;       // the slowest piece of an array, from 1
    double casNejrychlejsiho = 0.0;   // s, the first piece whose core reached Tk; 0 for none
    std::vector<float> jadroNejrychlejsiho;  // per step 0..: that piece's core, °C, as far as
                                             // the slowest point's rows; empty for none
    double porozita = 0.0;            // of a bundle
    double kef = 0.0;                 // W/m/K, a bundle's effective conductivity at Tk
    double casCyklu = 0.0;            // s, the decisive heat-up and the soak; 0 without a soak
    std::optional<double> teploProdlevy;  // J that still entered the load during the soak
};

// What the furnace as a thermal system adds to a result (model/furnace/cyklus.h): the cycle from
// the case's start, step by step from the loading (row 0) to the end of the soak.
struct VysledekPece {
    double casOhrevu = 0.0;     // s
    double casCyklu = 0.0;      // s, the heat-up and the soak
    BilancePece ohrev;          // J, of the heat-up
    BilancePece cyklus;         // J, of the cycle
    double spicka = 0.0;        // W, the highest power of a step of the cycle
    std::vector<float> pec;     // °C, the furnace (the lining's hot face) per step
    std::vector<float> prikon;  // W, the power drawn over each step (row 0: 0)
    int cyklu = 0;              // cycles marched before, or iterations of the cyclic steady state

    // °C the furnace of step k as a load sees it: the cycle's own; beyond the cycle (a load
    // marched longer than the cycle its furnace was computed with) the set furnace nastavena, or
    // where the installed power (W) held the furnace down at the cycle's end, its last.
    float pecKroku(long k, float nastavena, float instalovany) const {
        if (pec.empty()) {
            return nastavena;
        }
        if (k >= 0 && static_cast<std::size_t>(k) < pec.size()) {
            return pec[static_cast<std::size_t>(k)];
        }
        const bool omezena =
            instalovany > 0.0f && static_cast<double>(prikon.back()) >= static_cast<double>(instalovany) * (1.0 - 1e-6);
        return omezena ? pec.back() : nastavena;
    }
};

struct Vysledek {
    zorvet::Uloha Uloha;  // the case exactly as it was computed
    zorvet::Vysledky Vysledky;
    std::int16_t PocetKroku = 0;        // index of the last row of the result
    std::vector<float> TeplotaPece;     // °C furnace temperature per row
    std::optional<zorvet::Jadro> Jadro;  // the core, when it was computed
    float OmezenoDo = 0.0f;  // s, the end of the last step the installed power limited; 0 for none
    std::optional<VysledekUsporadani> Usporadani;  // an array, a bundle or a soak
    std::optional<VysledekPece> Pec;  // the furnace as a thermal system, when the case describes one

    // What is printed with it. The file is the results file it was saved to or opened from,
    // or the problem file it was computed from when the problem is what that file holds.
    std::string Soubor;       // the name without its folder; empty for none
    std::string Komentar;     // that file's comment
    bool ZnamyKoefK = true;   // a results file of the documented form holds no reduction factor

    // The last row of the result, within its rows whatever PocetKroku says; -1 for none.
    int posledniRadek() const {
        return std::min<int>(std::max<int>(PocetKroku, 0), static_cast<int>(Vysledky.Cas.size()) - 1);
    }
    // The time of the last row: when the charge reached Tk; 0 without rows.
    double casOhrevu() const {
        const int r = posledniRadek();
        return r >= 0 ? static_cast<double>(Vysledky.Cas[static_cast<std::size_t>(r)]) : 0.0;
    }
    // The time that decides the heat-up: the core's when it was computed (none when the core
    // did not reach Tk), else the charge's.
    std::optional<double> rozhodujiciCas() const {
        if (Jadro && Jadro->konec == KonecJadra::Dosazeno) {
            return Jadro->cas;
        }
        if (Jadro && Jadro->konec == KonecJadra::Nedosazeno) {
            return std::nullopt;
        }
        return casOhrevu();
    }
    // What a goal seek meets: the decisive time, and the soak after it.
    std::optional<double> casCyklu() const {
        if (Pec) {
            return Pec->casCyklu;
        }
        const std::optional<double> t = rozhodujiciCas();
        if (!t || !(Uloha.Prodleva > 0.0f)) {
            return t;
        }
        return *t + static_cast<double>(Uloha.Prodleva);
    }
    // The core was computed and reached Tk, or none was asked for.
    bool jadroDosazeno() const { return !Jadro || Jadro->konec == KonecJadra::Dosazeno; }
    // The furnace temperature of row k: as the run saw it for its rows; where a core ran longer,
    // as the core saw it.
    float teplotaPece(long k) const {
        if (Jadro && k >= 0 && static_cast<std::size_t>(k) < Jadro->pec.size()) {
            return Jadro->pec[static_cast<std::size_t>(k)];
        }
        if (k >= 0 && static_cast<std::size_t>(k) < TeplotaPece.size()) {
            return TeplotaPece[static_cast<std::size_t>(k)];
        }
        return TeplotaPece.empty() ? Uloha.Tpece : TeplotaPece.back();
    }
    // The end of the last step the installed power limited, as the decisive run saw it.
    float omezenoDo() const { return Jadro && !Jadro->pec.empty() ? Jadro->omezenoDo : OmezenoDo; }
};

// Whether the furnace temperature of a result changes over time: it follows a curve, the
// installed power limited steps (their rows hold the temperature that gave the limited heat), or
// it is the hot face of a lining.
inline bool PecSeMeni(const Vysledek& v) { return v.Uloha.Rizeny || v.omezenoDo() > 0.0f || v.Pec.has_value(); }
// Whether the rows' furnace is an equivalent one: the temperature at which an ideal furnace would
// give the heat the installed power allowed. The hot face of a lining is the furnace itself.
inline bool PecEkvivalentni(const Vysledek& v) { return v.omezenoDo() > 0.0f && !v.Pec.has_value(); }

}  // namespace zorvet
