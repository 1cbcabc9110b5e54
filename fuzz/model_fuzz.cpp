// Arbitrary problem records through the checks and the march: NaN, infinities, negative and
// huge values end in an orderly outcome, never a crash, a hang, a row outside the tables, a
// value in a result that is no single, or an accepted charge hotter than its furnace.
#include <cmath>

#include "fuzz/fuzz_support.h"
#include "model/pole.h"
#include "model/vykon.h"
#include "model/vypocet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    fuzz::Bajty b(data, size);
    Uloha u;
    for (float Uloha::*pole : {&Uloha::Tpece, &Uloha::Tk, &Uloha::Tv, &Uloha::CasKrok, &Uloha::m, &Uloha::c, &Uloha::A,
                               &Uloha::Eps, &Uloha::KoefK}) {
        u.*pole = b.single();
    }
    u.Rizeny = (b.bajt() & 1) != 0;
    u.PocetKrivek = b.cele();
    for (auto& bod : u.Krivka) {
        bod = {b.single(), b.single()};
    }
    const bool prijata = !PrijmiUlohu(u).has_value();
    const VysledekVypoctu v = Spocti(u);
    ZORVET_OVER((v.konec == KonecVypoctu::Uspech) == (v.vysledek != nullptr));
    if (v.vysledek) {
        ZORVET_OVER(v.vysledek->PocetKroku >= 1 && v.vysledek->PocetKroku <= kPosledniRadek);
        for (int i = 0; i <= v.vysledek->PocetKroku; ++i) {
            ZORVET_OVER(std::isfinite(v.vysledek->Vysledky.TeplotaVsazky[i]) && std::isfinite(v.vysledek->Vysledky.Cas[i]));
            // An accepted charge heating in one furnace temperature never gets hotter than it.
            ZORVET_OVER(!prijata || u.Rizeny || u.Tv > u.Tpece || v.vysledek->Vysledky.TeplotaVsazky[i] <= u.Tpece);
        }
        VykonASpotreba(*v.vysledek, b.cele());
    }
    return 0;
}
