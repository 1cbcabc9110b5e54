#include "model/conduction/jadro.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/case/geometrie.h"
#include "model/case/konstanty.h"
#include "model/conduction/vedeni.h"
#include "model/load/usporadani.h"
#include "model/march/prubeh_pece.h"
#include "model/march/vsazka.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

bool MaJadro(const Uloha& u) {
    return u.Lambda > 0.0f || (u.Vlastnosti && Vlastnosti(*u.Vlastnosti).maLambda() && u.zRozmeru());
}

namespace {

// The piece with the fewest faces: of each kind the count of the charge divided by the number of
// pieces, rounded down. No value when it has no face to take heat through.
std::optional<ZadaniVedeni> kusSPlochami(const Uloha& u) {
    const double kusy = std::max<int>(u.PocetProfilu, 1);
    const auto naKus = [kusy](std::int16_t pocet, int nejvic) {
        return std::clamp(static_cast<int>(std::floor(pocet / kusy)), 0, nejvic);
    };
    ZadaniVedeni z;
    z.profil = u.Profil == Profil::Kruhovy ? 'K' : u.Profil == Profil::Ctvercovy ? 'C' : u.Profil == Profil::Obdelnikovy ? 'O' : 'X';
    z.a = static_cast<double>(u.StranaA);
    z.b = static_cast<double>(u.StranaB);
    z.plast = naKus(u.PocetAL, 1) > 0;
    z.plochyAL = naKus(u.PocetAL, z.profil == 'C' ? 4 : 2);
    z.plochyBL = naKus(u.PocetBL, 2);
    z.plochyAB = naKus(u.PocetAB, 2);
    z.delka = static_cast<double>(u.DelkaL);
    const bool dlouhe = z.profil == 'K' ? z.plast : z.plochyAL + (z.profil == 'O' ? z.plochyBL : 0) > 0;
    if (!dlouhe && z.plochyAB == 0) {
        return std::nullopt;
    }
    return z;
}

// The material and the heat exchange of the case: the curves, c(T) always, λ(T) unless a
// conductivity is given (vlastnosti holds them), and what heats with the charge, per kilogram.
void nastavMaterial(ZadaniVedeni& z, const Uloha& u, std::optional<Vlastnosti>& vlastnosti) {
    z.lambda = static_cast<double>(u.Lambda);
    if (u.Vlastnosti) {
        vlastnosti.emplace(*u.Vlastnosti);
        z.krivkaC = &*vlastnosti;
        if (!(u.Lambda > 0.0f) && vlastnosti->maLambda()) {
            z.krivkaLambda = &*vlastnosti;
        }
    }
    z.cNavic = Vsazka(u).navicNaKg();
    z.konvekce = static_cast<double>(u.Konvekce);
    z.c = static_cast<double>(u.c);
    z.hustota = static_cast<double>(u.Gama);
    z.eps = static_cast<double>(u.Eps);
    z.koefK = static_cast<double>(u.KoefK);
    z.tv = static_cast<double>(u.Tv);
    z.tk = static_cast<double>(u.Tk);
    z.krok = static_cast<double>(u.CasKrok);
}

// The smallest conductivity between the start and the final temperature.
double nejmensiLambda(const Uloha& u, const std::optional<Vlastnosti>& vlastnosti) {
    double lambda = static_cast<double>(u.Lambda);
    if (!(lambda > 0.0) && vlastnosti) {
        lambda = vlastnosti->lambda(static_cast<double>(u.Tv));
        for (double t = static_cast<double>(std::min(u.Tv, u.Tk)); t <= static_cast<double>(std::max(u.Tv, u.Tk));
             t += 1.0) {
            lambda = std::min(lambda, vlastnosti->lambda(t));
        }
        lambda = std::min(lambda, vlastnosti->lambda(static_cast<double>(u.Tk)));
    }
    return lambda;
}

// The core of the free piece. Under an installed power (omezeny) its rows hold the furnace the
// piece saw; else the furnace of the single-temperature rows.
KonecJadra jadroKusu(Vysledek& v, const ZadaniVedeni& z, const std::function<float(long)>& videna, bool omezeny,
                     double lambda) {
    const Uloha& u = v.Uloha;
    VysledekVedeni vedeni = SpoctiVedeni(z);
    if (vedeni.konec == KonecVedeni::NeplatneZadani) {
        return KonecJadra::Chyba;
    }
    float alfaMax = 0.0f;
    for (int i = 1; i <= v.posledniRadek(); ++i) {
        alfaMax = std::max(alfaMax, v.Vysledky.Alfa[static_cast<std::size_t>(i)]);
    }
    const KonecJadra konec = vedeni.konec == KonecVedeni::Dosazeno ? KonecJadra::Dosazeno : KonecJadra::Nedosazeno;
    // The heat of the load: as many pieces as it holds, at the mean temperature of this one; in
    // a furnace described as a thermal system through the soak too, by the same march on past tk
    // (its first rows are the same).
    std::vector<float> stredni = vedeni.stredni;
    if (v.Pec && konec == KonecJadra::Dosazeno && u.Prodleva > 0.0f) {
        ZadaniVedeni dal = z;
        dal.tk = z.tk >= z.tv ? 1.0e5 : -kKelvin;
        dal.maxKroku = vedeni.krokJadra + static_cast<long>(std::ceil(static_cast<double>(u.Prodleva) / z.krok - 1e-9));
        VysledekVedeni po = SpoctiVedeni(dal);
        if (po.konec != KonecVedeni::NeplatneZadani) {
            stredni = std::move(po.stredni);
        }
    }
    const Vsazka vsazka(u);
    std::vector<double> teplo(stredni.size());
    for (std::size_t k = 0; k < teplo.size(); ++k) {
        teplo[k] = vsazka.teplo(z.tv, static_cast<double>(stredni[k]));
    }
    std::vector<float> peceJadra = std::move(vedeni.pec);
    if (!omezeny) {
        for (std::size_t k = 0; k < peceJadra.size(); ++k) {
            peceJadra[k] = videna(static_cast<long>(k));
        }
    }
    // The surface takes up heat at α K.
    v.Jadro = zorvet::Jadro{konec,
                            std::move(vedeni.povrch),
                            std::move(vedeni.jadro),
                            std::move(peceJadra),
                            vedeni.krokJadra,
                            vedeni.casJadra,
                            BiotovoCislo(static_cast<double>(alfaMax) * static_cast<double>(u.KoefK),
                                         ObjemKusu(u).value_or(0.0), static_cast<double>(u.A), lambda),
                            omezeny ? static_cast<float>(vedeni.omezenoDo) : v.OmezenoDo,
                            std::move(teplo)};
    return konec;
}

KonecJadra spoctiJadro(Vysledek& v, long doKroku) {
    const Uloha& u = v.Uloha;
    if (!u.zRozmeru()) {
        return KonecJadra::BezRozmeru;
    }
    std::optional<ZadaniVedeni> kus = kusSPlochami(u);
    if (!kus) {
        return KonecJadra::BezPloch;
    }
    ZadaniVedeni& z = *kus;
    std::optional<Vlastnosti> vlastnosti;
    nastavMaterial(z, u, vlastnosti);
    z.maxKroku = doKroku >= 0 ? doKroku : 10L * v.posledniRadek();
    // The furnace as the run saw it. Under an installed power the load is driven by the set
    // furnace and takes at most the power left after the losses; the conduction lowers the
    // furnace where its faces would take more.
    // In a furnace described as a thermal system the load sees the furnace of its cycle, which
    // its lining and its installed power gave (model/pipeline/pochod_pece.h).
    const PrubehPece pec(u);
    const long posledni = v.posledniRadek();
    const double prikon = static_cast<double>(u.Prikon);  // W
    const bool omezeny = prikon > 0.0 && u.A > 0.0f && !v.Pec;
    const std::function<float(long)> videna = [&pec, &v, posledni, omezeny](long k) {
        if (v.Pec) {
            return v.Pec->pecKroku(k, pec(k), v.Uloha.Prikon);
        }
        return k <= posledni && !omezeny ? v.TeplotaPece[static_cast<std::size_t>(k)] : pec(k);
    };
    z.pec = [&videna](long k) { return static_cast<double>(videna(k)); };
    if (MaUsporadani(u)) {
        // The whole load takes the power left after the losses.
        z.prikon = omezeny ? prikon / (1.0 + static_cast<double>(u.Ztraty) / 100.0) : 0.0;
        return SpoctiUsporadani(v, z, videna, doKroku >= 0);
    }
    // A piece takes its share of it, by heated area (× KoefK, which both sides share).
    if (omezeny) {
        z.prikon = prikon / (1.0 + static_cast<double>(u.Ztraty) / 100.0) * (OhrevanaPlocha(z) * z.koefK) /
                   (static_cast<double>(u.A) * z.koefK);
    }
    return jadroKusu(v, z, videna, omezeny, nejmensiLambda(u, vlastnosti));
}

}  // namespace

KonecJadra SpoctiJadro(Vysledek& v, long doKroku) {
    const KonecJadra konec = spoctiJadro(v, doKroku);
    if (!v.Jadro) {
        v.Jadro = zorvet::Jadro{};
        v.Jadro->konec = konec;
    }
    return konec;
}

}  // namespace zorvet
