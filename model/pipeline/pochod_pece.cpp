#include "model/pipeline/pochod_pece.h"

#include <cmath>

#include "model/case/konstanty.h"
#include "model/furnace/cyklus.h"
#include "model/march/prubeh_pece.h"
#include "model/march/vsazka.h"

namespace zorvet {

namespace {

// The coefficient of a step as the lumped march states it: the convection and the radiation
// between the furnace and the step's mean temperature.
double alfa(const Uloha& u, double tf, double t0, double t1) {
    const double tm = (t0 + t1) / 2.0;
    const double a = (tf + kKelvin) / 100.0;
    const double b = (tm + kKelvin) / 100.0;
    const double rozdil = tf - tm;
    const double zareni = rozdil != 0.0 ? (a * a * a * a - b * b * b * b) / rozdil : 0.04 * b * b * b;
    return static_cast<double>(u.Konvekce) + static_cast<double>(u.Eps) * kSigma * zareni;
}

ZadaniSoustredene vsazka(const Uloha& u) {
    return ZadaniSoustredene{.m = static_cast<double>(u.m), .c = static_cast<double>(u.c),
                             .A = static_cast<double>(u.A), .eps = static_cast<double>(u.Eps),
                             .koefK = static_cast<double>(u.KoefK), .konvekce = static_cast<double>(u.Konvekce),
                             .tv = static_cast<double>(u.Tv), .tk = static_cast<double>(u.Tk),
                             .kapacitaPripravku = Vsazka(u).navic, .vlastnosti = u.Vlastnosti};
}

}  // namespace

VysledekVypoctu PochodSPeci(Vysledek& v, const MoznostiBehu&) {
    const Uloha& u = v.Uloha;
    VysledekVypoctu r;
    const double dt = static_cast<double>(u.CasKrok);
    const PrubehPece nastavena(u);
    const RezimPece rezim{.krok = dt,
                          .nastavena = [&nastavena](long k) { return static_cast<double>(nastavena(k)); },
                          .prikon = static_cast<double>(u.Prikon),
                          .otevreno = static_cast<double>(u.DobaOtevreni),
                          .prodleva = static_cast<double>(u.Prodleva),
                          .maxKroku = kPosledniRadek + static_cast<long>(std::ceil(static_cast<double>(u.Prodleva) / dt)),
                          .radky = true};
    SoustredenaVsazka naboj(vsazka(u));
    const OkoliPece okoli{static_cast<double>(u.Okoli), static_cast<double>(u.EpsVnejsi),
                          static_cast<double>(u.KonvekceVnejsi)};
    const StartPeceVysledek s = SpoctiStart(*u.Pec, okoli, naboj, rezim);
    const CyklusPece& c = s.cyklus;
    if (!c.vyreseno || !s.ustaleno) {
        r.konec = KonecVypoctu::Nekonverguje;
        return r;
    }
    if (!c.ohrato || c.krokOhrevu > kPosledniRadek) {
        r.konec = KonecVypoctu::Preteceni;
        r.radek = kPosledniRadek;
        return r;
    }
    const std::size_t n = static_cast<std::size_t>(c.krokOhrevu) + 1;
    Vysledky& rad = v.Vysledky;
    for (std::vector<float>* sloupec : {&rad.Cas, &rad.Odhad, &rad.Alfa, &rad.TeplotaVsazky, &v.TeplotaPece}) {
        sloupec->assign(n, 0.0f);
    }
    const double omezeni = static_cast<double>(u.Prikon) * (1.0 - 1e-9);
    for (std::size_t k = 0; k < n; ++k) {
        rad.Cas[k] = static_cast<float>(static_cast<double>(k) * dt);
        rad.TeplotaVsazky[k] = rad.Odhad[k] = static_cast<float>(c.vsazka[k]);
        v.TeplotaPece[k] = static_cast<float>(c.pec[k]);
        if (k > 0) {
            rad.Alfa[k] = static_cast<float>(alfa(u, c.pec[k], c.vsazka[k - 1], c.vsazka[k]));
            if (u.Prikon > 0.0f && c.prikon[k] >= omezeni) {
                v.OmezenoDo = rad.Cas[k];
            }
        }
    }
    v.PocetKroku = static_cast<std::int16_t>(c.krokOhrevu);
    VysledekPece p;
    p.casOhrevu = CyklusPece::cas(c.krokOhrevu, dt);
    p.casCyklu = CyklusPece::cas(c.kroku, dt);
    p.ohrev = c.ohrev;
    p.cyklus = c.cyklus;
    p.spicka = c.spicka;
    p.pec.assign(c.pec.begin(), c.pec.end());
    p.prikon.assign(c.prikon.begin(), c.prikon.end());
    p.cyklu = s.cyklu;
    v.Pec = std::move(p);
    r.radek = v.PocetKroku;
    return r;
}

}  // namespace zorvet
