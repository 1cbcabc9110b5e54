// The furnace temperature of every step of a case: Tpece for an uncontrolled heat-up, the curve's
// for a controlled one.
#pragma once

#include <array>

#include "model/case/uloha.h"

namespace zorvet {

// A curve whose segments all last a whole number of time steps is laid out step by step, each
// segment its ramp without its first value, then held at the curve's last temperature. A curve
// where the steps miss the end of a segment (a 29 s ramp at 30 s steps, a 60 s one at 0.3 s
// steps, whose whole number of steps falls short by a fraction) would lose the rest of each
// such segment that way, and a segment shorter than a step altogether: its furnace temperature
// of step k is then the curve's value at the step's time k × CasKrok, linear within a segment.
class PrubehPece {
public:
    explicit PrubehPece(const Uloha& u);
    // Step k, for any k from 0.
    float operator()(long k) const;
    // The last step within the curve (0 for none): after it the furnace holds konecnaTeplota().
    long konecKrivky() const { return konec_; }
    float konecnaTeplota() const { return konecna_; }
    // The steps miss the end of a segment: the curve is followed by time.
    bool podleCasu() const { return podleCasu_; }

private:
    struct Usek {
        long zacatek;     // the step before its first
        long kroku;
        float smernice;   // K/s
        float teplota;    // °C at its start
        double cas;       // s, its start
        double doba;      // s
        float konec;      // °C at its end
    };
    bool rizeny_;
    bool podleCasu_ = false;
    float tpece_;
    float pocatek_;
    float konecna_;
    double krok_;
    std::array<Usek, kMaxUseku> useky_{};
    int pocet_ = 0;
    long konec_ = 0;
};

// The furnace temperature of steps 0..10000 of the case.
void RozvinKrivku(const Uloha& u, std::array<float, kPocetRadku>& TeplotaPece);

}  // namespace zorvet
