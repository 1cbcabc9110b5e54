// The worked examples of the heat-up, shared by the model tests.
#pragma once

#include <memory>

#include "model/stav.h"

namespace zorvet::test {

// 100 kg, 500 J/kg/K, 1 m², emissivity 0.8, furnace 1000 °C, 20 °C to 900 °C in 10 s steps.
inline std::unique_ptr<Stav> NerizenyPriklad() {
    auto s = std::make_unique<Stav>();
    Uloha& u = s->Uloha;
    u.m = 100.0f;
    u.c = 500.0f;
    u.A = 1.0f;
    u.Eps = 0.8f;
    u.KoefK = 1.0f;
    u.Tpece = 1000.0f;
    u.Tv = 20.0f;
    u.Tk = 900.0f;
    u.CasKrok = 10.0f;
    return s;
}

// The same charge, the furnace ramping from 20 °C to 1000 °C in 600 s, then holding 1200 s.
inline std::unique_ptr<Stav> RizenyPriklad() {
    auto s = NerizenyPriklad();
    Uloha& u = s->Uloha;
    u.Tpece = 0.0f;
    u.Rizeny = true;
    u.PocetKrivek = 2;
    u.Krivka[0] = {20.0f, 600.0f};
    u.Krivka[1] = {1000.0f, 1200.0f};
    u.Krivka[2] = {1000.0f, 0.0f};
    return s;
}

}  // namespace zorvet::test
