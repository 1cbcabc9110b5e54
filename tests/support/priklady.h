// The worked examples: 100 kg, 500 J/kg/K, 1 m², emissivity 0.8, from 20 °C to 900 °C in 10 s
// steps; uncontrolled at 1000 °C (ends at row 47, 470 s), or controlled along a ramp from
// 20 °C to 1000 °C in 600 s and a hold of 1200 s (ends at row 90, 900 s).
#pragma once

#include "model/case/uloha.h"

namespace zorvet::test {

inline Uloha Priklad(bool rizeny = false) {
    Uloha u;
    u.m = 100.0f;
    u.c = 500.0f;
    u.A = 1.0f;
    u.Eps = 0.8f;
    u.KoefK = 1.0f;
    u.Tpece = 1000.0f;
    u.Tv = 20.0f;
    u.Tk = 900.0f;
    u.CasKrok = 10.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::Zadana;
    if (rizeny) {
        u.Tpece = 0.0f;
        u.Rizeny = true;
        u.PocetKrivek = 2;
        u.Krivka[0] = {20.0f, 600.0f};
        u.Krivka[1] = {1000.0f, 1200.0f};
        u.Krivka[2] = {1000.0f, 0.0f};
    }
    return u;
}

// A box of 1 x 2 x 1 m lined with 230 mm of fireclay and 115 mm of insulating firebrick.
inline zorvet::Pec Box() {
    zorvet::Pec p;
    p.Sirka = 1.0f, p.Hloubka = 2.0f, p.Vyska = 1.0f;
    p.Steny = {{Refraktor{"fireclay", 2050.0f, {{20.0f, 960.0f}}, {{500.0f, 1.0f}, {1100.0f, 1.1f}}}, 0.23f},
               {Refraktor{"ifb-26", 800.0f, {{20.0f, 1000.0f}}, {{400.0f, 0.25f}, {1000.0f, 0.34f}}}, 0.115f}};
    return p;
}

}  // namespace zorvet::test
