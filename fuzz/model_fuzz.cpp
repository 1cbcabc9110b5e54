// Arbitrary problem records through the checks and the march: NaN, infinities, negative and
// huge values end in an orderly outcome, never a crash, a hang, a row outside the tables, a
// value in a result that is no single, or an accepted charge hotter than its furnace.
#include <bit>
#include <cmath>
#include <cstdint>
#include <vector>

#include "fuzz/fuzz_support.h"
#include "model/case/pole.h"
#include "model/properties/vlastnosti.h"
#include "model/pipeline/vykon.h"
#include "model/pipeline/vypocet.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    fuzz::Bajty b(data, size);
    Uloha u;
    // Every number and count of the field table, so that a new input is fuzzed as soon as it has
    // its row; the codes and the property model from a byte each.
    for (const PopisPole& p : PoleUlohy()) {
        if (p.cislo != nullptr && p.velicina != Velicina::TeplotaKrivky && p.velicina != Velicina::DobaVydrze) {
            u.*p.cislo = b.single();
        } else if (p.pocet != nullptr) {
            u.*p.pocet = b.cele();
        }
    }
    const std::uint8_t kody = b.bajt();
    u.ZadaniHmotnosti = (kody & 1) != 0 ? ZadaniHmotnosti::ZRozmeru : ZadaniHmotnosti::Zadana;
    u.Profil = static_cast<Profil>((kody >> 1) % 4);
    if ((kody & 8) != 0) {
        u.Vlastnosti = VestaveneVlastnosti((kody & 16) != 0 ? kUhlikovaOcel : kNerezovaOcel);
    }
    u.Rizeny = (kody & 32) != 0;
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
    // Computed together with another case (in the lanes, where they take it), it comes out the
    // same to the last bit.
    Uloha jina = u;
    jina.m = b.single();
    const Uloha obe[] = {jina, u};
    const std::vector<VysledekVypoctu> spolu = SpoctiVice(obe);
    ZORVET_OVER(spolu.size() == 2 && spolu[1].konec == v.konec && spolu[1].radek == v.radek);
    ZORVET_OVER((spolu[1].vysledek != nullptr) == (v.vysledek != nullptr));
    if (v.vysledek) {
        const Vysledky& a = spolu[1].vysledek->Vysledky;
        const Vysledky& c = v.vysledek->Vysledky;
        ZORVET_OVER(a.TeplotaVsazky.size() == c.TeplotaVsazky.size() && a.Cas.size() == c.Cas.size());
        for (std::size_t i = 0; i < c.TeplotaVsazky.size(); ++i) {
            ZORVET_OVER(std::bit_cast<std::uint32_t>(a.TeplotaVsazky[i]) == std::bit_cast<std::uint32_t>(c.TeplotaVsazky[i]));
            ZORVET_OVER(std::bit_cast<std::uint32_t>(a.Alfa[i]) == std::bit_cast<std::uint32_t>(c.Alfa[i]));
        }
    }
    return 0;
}
