// The problem and results reader on any bytes. A file it takes gives values the program can
// check (counts in range, no NaN), and that content, written and read again, comes back the
// same.
#include <cmath>

#include "files/soubor.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    const QString cesta = fuzz::soubor("vstup");
    fuzz::zapis(cesta, data, size);
    for (bool vysledky : {false, true}) {
        fuzz::nastavLokal(vysledky);
        const PrecteniSouboru p = NactiSoubor(cesta, vysledky, Uloha{}, Jazyk::Anglicky);
        ZORVET_OVER(p.obsah != nullptr || !p.chyba.text.isEmpty());
        if (!p.obsah) {
            continue;
        }
        const Uloha& u = p.obsah->uloha;
        for (float x : {u.Tpece, u.Tk, u.Tv, u.CasKrok, u.m, u.c, u.A, u.Eps, u.Gama, u.StranaA, u.StranaB, u.DelkaL}) {
            ZORVET_OVER(!std::isnan(x));
        }
        ZORVET_OVER(u.PocetKrivek >= 0 && u.PocetKrivek <= kMaxUseku && (u.Rizeny || u.PocetKrivek == 0));
        const Vysledek* v = p.obsah->vysledek.get();
        ZORVET_OVER((v != nullptr) == vysledky);
        ZORVET_OVER(v == nullptr || (v->PocetKroku >= 0 && v->PocetKroku <= kPosledniRadek));

        const QString znovu = fuzz::soubor("znovu");
        fuzz::nastavLokal(!vysledky);
        ZORVET_OVER(!UlozSoubor(znovu, u, v, p.obsah->komentare.value(0), Jazyk::Cesky));
        const PrecteniSouboru q = NactiSoubor(znovu, vysledky, Uloha{}, Jazyk::Anglicky);
        ZORVET_OVER(q.obsah && OtiskUlohy(q.obsah->uloha) == OtiskUlohy(u));
        if (v != nullptr) {
            ZORVET_OVER(q.obsah->vysledek->PocetKroku == v->PocetKroku);
            for (int i = 0; i <= v->PocetKroku; ++i) {
                ZORVET_OVER(q.obsah->vysledek->Vysledky.Cas[i] == v->Vysledky.Cas[i]);
                ZORVET_OVER(q.obsah->vysledek->Vysledky.TeplotaVsazky[i] == v->Vysledky.TeplotaVsazky[i]);
            }
        }
    }
    return 0;
}
