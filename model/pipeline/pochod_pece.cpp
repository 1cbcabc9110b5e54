#include "model/pipeline/pochod_pece.h"

#include <algorithm>
#include <cmath>

#include "model/case/konstanty.h"
#include "model/conduction/jadro.h"
#include "model/furnace/cyklus.h"
#include "model/load/usporadani.h"
#include "model/march/prubeh_pece.h"
#include "model/march/vsazka.h"

namespace zorvet {

namespace {

// The load's conduction and the furnace are marched in turn until the furnace of two turns is
// the same within kShoda at every step (and the heat-up ends at the same step), at most
// kNejviceObratu turns.
constexpr int kNejviceObratu = 30;
constexpr double kShoda = 1e-2;  // K

// The room around the furnace and its outer surface, as the case gives them.
OkoliPece okoliPece(const Uloha& u) {
    return {static_cast<double>(u.Okoli), static_cast<double>(u.EpsVnejsi), static_cast<double>(u.KonvekceVnejsi)};
}

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

// The charge of one temperature that stands for the load in the furnace's march. A bundle whose
// conduction is computed takes its heat through its envelope, not through the surface of all its
// bars (which would make the stand-in far quicker than the load, and the turns settle slowly).
ZadaniSoustredene vsazka(const Uloha& u, bool vede) {
    const double obalka = vede ? ObalkaSvazku(u) : 0.0;
    return ZadaniSoustredene{.m = static_cast<double>(u.m), .c = static_cast<double>(u.c),
                             .A = obalka > 0.0 ? obalka : static_cast<double>(u.A), .eps = static_cast<double>(u.Eps),
                             .koefK = static_cast<double>(u.KoefK), .konvekce = static_cast<double>(u.Konvekce),
                             .tv = static_cast<double>(u.Tv), .tk = static_cast<double>(u.Tk),
                             .kapacitaPripravku = Vsazka(u).navic, .vlastnosti = u.Vlastnosti};
}

// What the charge takes from the load's conduction: its heat of each step, shared between the
// charge and the fixtures as their heat capacities are, and its slowest point to the heat-up.
VedeniVsazky vedeni(const Jadro& j, const Uloha& u) {
    const Vsazka vs(u);
    const double podil = vs.navic > 0.0 ? vs.navic / vs.kapacitaOhrevu(u) : 0.0;
    VedeniVsazky r;
    r.krokOhrevu = j.krok;
    for (long k = 0; k <= j.krok && static_cast<std::size_t>(k) < j.teplota.size(); ++k) {
        r.nejpomalejsi.push_back(static_cast<double>(j.teplota[static_cast<std::size_t>(k)]));
    }
    r.teplo.resize(j.teplo.size());
    for (std::size_t k = 1; k < j.teplo.size(); ++k) {
        const double d = j.teplo[k] - j.teplo[k - 1];
        r.teplo[k] = TeploVsazky{d * (1.0 - podil), d * podil};
    }
    r.teploOhrevu = j.teplo[std::min(static_cast<std::size_t>(std::max(j.krok, 0L)), j.teplo.size() - 1)];
    return r;
}

// The rows of the result to the heat-up, the furnace's cycle and balance; the charge of each row
// at tvsazky(k).
template <class T>
void zapis(Vysledek& v, const StartPeceVysledek& s, T tvsazky) {
    const Uloha& u = v.Uloha;
    const CyklusPece& c = s.cyklus;
    const double dt = static_cast<double>(u.CasKrok);
    const std::size_t n = static_cast<std::size_t>(c.krokOhrevu) + 1;
    Vysledky& rad = v.Vysledky;
    for (std::vector<float>* sloupec : {&rad.Cas, &rad.Odhad, &rad.Alfa, &rad.TeplotaVsazky, &v.TeplotaPece}) {
        sloupec->assign(n, 0.0f);
    }
    const double omezeni = static_cast<double>(u.Prikon) * (1.0 - 1e-9);
    v.OmezenoDo = 0.0f;
    for (std::size_t k = 0; k < n; ++k) {
        rad.Cas[k] = static_cast<float>(static_cast<double>(k) * dt);
        rad.TeplotaVsazky[k] = rad.Odhad[k] = static_cast<float>(tvsazky(k));
        v.TeplotaPece[k] = static_cast<float>(c.pec[k]);
        if (k > 0) {
            rad.Alfa[k] = static_cast<float>(alfa(u, c.pec[k], tvsazky(k - 1), tvsazky(k)));
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
}

// The furnace of two turns is the same.
bool shoda(const std::vector<float>& a, const std::vector<float>& b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t k = 0; k < a.size(); ++k) {
        if (std::fabs(static_cast<double>(a[k]) - static_cast<double>(b[k])) > kShoda) {
            return false;
        }
    }
    return true;
}

}  // namespace

VysledekVypoctu PochodSPeci(Vysledek& v, const MoznostiBehu& moznosti) {
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
    // A load that conducts takes the heat its conduction takes under the furnace, which in turn
    // depends on that heat where the installed power holds the furnace down.
    const bool vede = MaJadro(u) && !moznosti.bezJadra;
    OpravenaVsazka naboj(vsazka(u, vede), dt);
    const OkoliPece okoli = okoliPece(u);
    std::vector<float> predchozi;
    std::vector<double> stav;  // the lining at the loading of the last turn's cycle
    long krokPred = -1;
    for (int obrat = 0;; ++obrat) {
        const StartPeceVysledek s =
            SpoctiStart(*u.Pec, okoli, naboj, rezim, kPrvekVyzdivky, stav.empty() ? nullptr : &stav);
        const CyklusPece& c = s.cyklus;
        // A charge the furnace does not bring to its final temperature within the table: the
        // cyclic steady state then has no cycle to find either.
        if (!c.ohrato || c.krokOhrevu > kPosledniRadek) {
            r.konec = KonecVypoctu::Preteceni;
            r.radek = kPosledniRadek;
            return r;
        }
        if (!c.vyreseno || !s.ustaleno || obrat == kNejviceObratu) {
            r.konec = KonecVypoctu::Nekonverguje;
            return r;
        }
        zapis(v, s, [&c](std::size_t k) { return c.vsazka[k]; });
        if (!vede) {
            break;
        }
        v.Jadro.reset();
        v.Usporadani.reset();
        if (SpoctiJadro(v) != KonecJadra::Dosazeno || v.Jadro->teplo.empty()) {
            break;  // the result tells the core it did not reach
        }
        if (v.Jadro->krok == krokPred && shoda(v.Pec->pec, predchozi)) {
            // The rows are the load's mean temperature.
            const std::vector<double>& teplo = v.Jadro->teplo;
            zapis(v, s, [&](std::size_t k) { return naboj.jedna().teplotaProTeplo(teplo[std::min(k, teplo.size() - 1)]); });
            break;
        }
        predchozi = v.Pec->pec;
        krokPred = v.Jadro->krok;
        stav = s.stav;
        naboj.nastav(vedeni(*v.Jadro, u));
    }
    r.radek = v.PocetKroku;
    return r;
}

double UstalenaZtrataPece(const Uloha& u) {
    if (!u.Pec) {
        return 0.0;
    }
    PecVProvozu pec(*u.Pec, okoliPece(u));
    pec.horka(static_cast<double>(PrubehPece(u)(0)));
    return pec.ztrataVen();
}

}  // namespace zorvet
