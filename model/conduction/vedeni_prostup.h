// One march of the conduction through one piece on one grid (model/conduction/vedeni.h), in internal steps
// of its own: long where the temperatures change slowly, short where they change fast, chosen
// by the local error against a tolerance, and never across a change of the furnace. The rows
// at the user's steps are read off between the internal steps. The implicit march
// (vedeni_rez.cpp) and the enthalpy march (vedeni_teleso.cpp) supply the step itself.
#pragma once

#include <array>
#include <memory>

#include "model/conduction/vedeni.h"
#include "model/conduction/vedeni_sit.h"

namespace zorvet::vedeni {

// What a march shows of its state at one moment.
struct Vzorek {
    double povrch = 0.0;     // degrees C, the area-weighted mean of the heated faces
    double jadro = 0.0;      // degrees C, the coldest node when heating, the hottest when cooling
    double stredni = 0.0;    // degrees C, the temperature of the mean enthalpy
    double mezniPec = 0.0;   // degrees C, the furnace at which the faces take the limited power
                             // (infinite without a limit)
};

class Prostup {
public:
    Prostup(const ZadaniVedeni& z, Pec& pec) : z_(z), pec_(pec) {}
    virtual ~Prostup() = default;
    Prostup(const Prostup&) = delete;
    Prostup& operator=(const Prostup&) = delete;

    // The state at the start, with the furnace of step 1 (valid) set.
    Vzorek zacni();
    // The state at the end of step k, k = 1, 2, ... in turn; the furnace of steps 1..k is valid.
    Vzorek vzorek(long k);

    long kroku() const { return kroku_; }
    virtual long uzlu() const = 0;

protected:
    // The furnace's own temperature for the steps that follow, and the lowest and highest of
    // tv and the furnace temperatures met so far.
    virtual void nastavPec(double tf, double dolni, double horni) = 0;
    // One attempt of dt from the present state: the estimated local error, K. The new state
    // waits for prijmi; another attempt replaces it.
    virtual double zkus(double dt) = 0;
    virtual void prijmi() = 0;
    virtual Vzorek stav() const = 0;
    virtual double prvniKrok() const = 0;  // s, the first attempt
    virtual double nejdelsiKrok() const { return kNekonecno; }
    virtual double rad() const = 0;  // the local error grows as dt to this power

    const ZadaniVedeni& z_;

private:
    struct Bod {
        double t = 0.0;
        Vzorek v;
        bool zlom = false;  // the furnace changed here
    };
    void krok();
    void zapis(bool zlom);

    Pec& pec_;
    double t_ = 0.0;           // s, the time of the present state
    double tf_ = 0.0;          // the furnace's own temperature now
    double dolni_ = 0.0, horni_ = 0.0;
    double navrh_ = 0.0;       // s, the next attempt
    long kroku_ = 0;           // internal steps taken
    long pokusu_ = 0;          // attempts so far
    std::array<Bod, 3> body_;  // the last three states, the newest last
    int pocetBodu_ = 0;
};

// The march of the piece on a grid of `deleni` intervals along the least depth (vedeni_sit.h),
// with the flux law and limit of prestup: the enthalpy march, or the implicit one where it
// costs less at internal steps of about typickyKrok (vedeni_teleso.cpp). Null when the faces
// give no computable piece.
std::unique_ptr<Prostup> NovyProstup(const ZadaniVedeni& z, Pec& pec, const Prestup& prestup, int deleni,
                                   double typickyKrok);
// The implicit march alone (vedeni_rez.cpp); a long bar of constant properties only.
std::unique_ptr<Prostup> NovyRez(const ZadaniVedeni& z, Pec& pec, const Prestup& prestup, int deleni);

// m2/s: the largest diffusivity of the material between the temperatures dolni and horni.
double NejvetsiDifuzivita(const ZadaniVedeni& z, double dolni, double horni);

}  // namespace zorvet::vedeni
