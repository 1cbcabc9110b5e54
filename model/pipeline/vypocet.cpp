#include "model/pipeline/vypocet.h"

#include <algorithm>
#include <cmath>
#include <variant>

#include "model/case/geometrie.h"
#include "model/conduction/jadro.h"
#include "model/case/konstanty.h"
#include "model/march/pochod.h"
#include "model/march/pochod_pruhu.h"
#include "model/pipeline/pochod_pece.h"
#include "model/march/prubeh_pece.h"
#include "model/march/vsazka.h"
#include "model/load/usporadani.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

namespace {

// A time step as the advice gives it: whole seconds, or two significant digits below a second.
double zaokrouhliKrok(double krok) {
    if (krok >= 1.0) {
        return std::floor(krok);
    }
    const double rad = std::pow(10.0, 1.0 - std::floor(std::log10(krok)));
    return std::isfinite(rad) ? std::floor(krok * rad) / rad : 0.0;
}

// The step below which the trapezoidal factor (1 − r) / (1 + r), r = α A K Δt / (2 C), stays
// positive at the largest heat-transfer coefficient the charge can meet, α → Konvekce + 4 ε σ T³
// as the charge nears its hottest furnace, and the smallest heat capacity C it passes through.
double krokBezPrekmitu(const Uloha& u) {
    const double tK = (static_cast<double>(NejvyssiTeplotaPece(u)) + kKelvin) / 100.0;
    const double alfa = static_cast<double>(u.Konvekce) + 0.04 * static_cast<double>(u.Eps) * kSigma * tK * tK * tK;
    const Vsazka vsazka(u);
    double c = static_cast<double>(vsazka.c);
    if (vsazka.entalpie) {
        const Vlastnosti& vlastnosti = *vsazka.entalpie;
        c = vlastnosti.c(static_cast<double>(u.Tv));
        for (double t = static_cast<double>(u.Tv); t <= static_cast<double>(NejvyssiTeplotaPece(u)); t += 5.0) {
            c = std::min(c, vlastnosti.c(t));
        }
    }
    return 2.0 * vsazka.kapacita(c) / (alfa * vsazka.A * vsazka.KoefK);
}

// The longest time step below the case's own with which the march comes through without a step
// that passes the furnace temperature, tried by marching it; 0 when none does within the table.
double overenyKrok(const Uloha& u, const MoznostiBehu& moznosti) {
    double krok = std::min(krokBezPrekmitu(u), 0.999 * static_cast<double>(u.CasKrok));
    MoznostiBehu bezJadra = moznosti;
    bezJadra.bezJadra = true;
    for (int pokus = 0; pokus < 40 && std::isfinite(krok) && krok > 1.0e-6; ++pokus) {
        krok = zaokrouhliKrok(krok);
        Uloha w = u;
        w.CasKrok = static_cast<float>(krok);
        Vysledek v;
        v.Uloha = w;
        const KonecVypoctu konec = Pochod(v, bezJadra).konec;
        if (konec == KonecVypoctu::Uspech) {
            return krok;
        }
        if (konec != KonecVypoctu::Prekmit) {
            return 0.0;  // shorter steps only need more rows
        }
        krok *= 0.8;
    }
    return 0.0;
}

}  // namespace

PrijatyPripad PrijmiPripad(const Uloha& u, Pravidlo pravidlo) {
    PrijatyPripad p{u, std::nullopt};
    OdvodUlohu(p.pripad);
    p.zavada = PrijmiUlohu(p.pripad, pravidlo);
    return p;
}

namespace {

// What follows the march of an accepted case: the advice on a step too long, the core, the soak.
VysledekVypoctu Dokonci(std::shared_ptr<Vysledek> vysledek, VysledekVypoctu r, const MoznostiBehu& moznosti) {
    const Uloha& pripad = vysledek->Uloha;
    if (r.konec == KonecVypoctu::Prekmit && moznosti.radaKroku) {
        r.nejdelsiKrok = overenyKrok(pripad, moznosti);
        r.malaVsazka = r.nejdelsiKrok > 0.0 && r.nejdelsiKrok < 1.0;
    }
    // A curve that ends below Tk within the table leaves the charge short of it for good: no
    // time step helps.
    if (r.konec == KonecVypoctu::Preteceni && pripad.Rizeny && !moznosti.pec) {
        const PrubehPece pec(pripad);
        if (pec.konecKrivky() < kPosledniRadek && !(pec.konecnaTeplota() > pripad.Tk)) {
            r.konec = KonecVypoctu::KrivkaNestaci;
            r.pec = pec.konecnaTeplota();
        }
    }
    if (r.konec != KonecVypoctu::Uspech) {
        return r;
    }
    // The march of a furnace described as a thermal system computed the core with it.
    if (MaJadro(pripad) && !moznosti.bezJadra && !vysledek->Jadro) {
        // A run to a time takes the core to that time, no further.
        r.jadro = SpoctiJadro(*vysledek, moznosti.doCasu > 0.0 ? static_cast<long>(vysledek->posledniRadek()) : -1);
    }
    DoplnProdlevu(*vysledek);
    r.radek = vysledek->PocetKroku;
    r.vysledek = std::move(vysledek);
    return r;
}

// The march of the case: in its furnace as a thermal system when it describes one, unless the run
// gives the furnace of every step itself (a measured log's, to fit the charge to).
VysledekVypoctu pochoduj(Vysledek& v, const MoznostiBehu& moznosti) {
    if (v.Uloha.Pec && !moznosti.pec && !(moznosti.doCasu > 0.0)) {
        return PochodSPeci(v, moznosti);
    }
    return Pochod(v, moznosti);
}

// The accepted case into a result of its own, or the refusal.
std::variant<std::shared_ptr<Vysledek>, VysledekVypoctu> Prijmi(const Uloha& u, const MoznostiBehu& moznosti) {
    PrijatyPripad prijaty = PrijmiPripad(u, moznosti.doCasu > 0.0 ? Pravidlo::DoCasu : Pravidlo::Ok);
    if (prijaty.zavada) {
        VysledekVypoctu odmitnuti;
        odmitnuti.konec = KonecVypoctu::Odmitnuto;
        odmitnuti.zavada = prijaty.zavada;
        return odmitnuti;
    }
    auto vysledek = std::make_shared<Vysledek>();
    vysledek->Uloha = std::move(prijaty.pripad);
    return vysledek;
}

}  // namespace

VysledekVypoctu Spocti(const Uloha& u, const MoznostiBehu& moznosti) {
    auto prijaty = Prijmi(u, moznosti);
    if (auto* odmitnuti = std::get_if<VysledekVypoctu>(&prijaty)) {
        return std::move(*odmitnuti);
    }
    std::shared_ptr<Vysledek> vysledek = std::get<std::shared_ptr<Vysledek>>(std::move(prijaty));
    VysledekVypoctu r = pochoduj(*vysledek, moznosti);
    return Dokonci(std::move(vysledek), std::move(r), moznosti);
}

std::vector<VysledekVypoctu> SpoctiVice(std::span<const Uloha> ulohy, const MoznostiBehu& zadane) {
    // A core takes the heat-transfer coefficients of the limited steps too.
    MoznostiBehu sPeci = zadane;
    sPeci.pecOmezenych = true;
    std::vector<VysledekVypoctu> vysledky(ulohy.size());
    std::array<std::shared_ptr<Vysledek>, kPruhu> pruhy{};
    std::array<std::size_t, kPruhu> kde{};
    std::size_t obsazeno = 0;
    // The lanes marched; a lane without an answer is marched alone, which tells what it met.
    const auto spoctiPruhy = [&] {
        std::array<Vysledek*, kPruhu> v{};
        for (std::size_t i = 0; i < obsazeno; ++i) {
            v[i] = pruhy[i].get();
        }
        std::array<std::optional<VysledekVypoctu>, kPruhu> odpovedi = PochodPruhu(v, zadane.pecOmezenych);
        for (std::size_t i = 0; i < obsazeno; ++i) {
            VysledekVypoctu r = odpovedi[i] ? std::move(*odpovedi[i]) : Pochod(*pruhy[i], zadane);
            vysledky[kde[i]] = Dokonci(std::move(pruhy[i]), std::move(r), zadane);
        }
        obsazeno = 0;
    };
    for (std::size_t j = 0; j < ulohy.size(); ++j) {
        auto prijaty = Prijmi(ulohy[j], zadane);
        if (auto* odmitnuti = std::get_if<VysledekVypoctu>(&prijaty)) {
            vysledky[j] = std::move(*odmitnuti);
            continue;
        }
        std::shared_ptr<Vysledek> vysledek = std::get<std::shared_ptr<Vysledek>>(std::move(prijaty));
        // A core, and the furnace as a thermal system, take the limited steps' furnace too.
        const MoznostiBehu& moznosti =
            zadane.pecOmezenych || !(MaJadro(vysledek->Uloha) || vysledek->Uloha.Pec) ? zadane : sPeci;
        if (vysledek->Uloha.Pec || !DoPruhu(vysledek->Uloha, moznosti) || &moznosti != &zadane) {
            VysledekVypoctu r = pochoduj(*vysledek, moznosti);
            vysledky[j] = Dokonci(std::move(vysledek), std::move(r), moznosti);
            continue;
        }
        pruhy[obsazeno] = std::move(vysledek);
        kde[obsazeno++] = j;
        if (obsazeno == kPruhu) {
            spoctiPruhy();
        }
    }
    if (obsazeno > 0) {
        spoctiPruhy();
    }
    return vysledky;
}

std::shared_ptr<const Vysledek> DokonciNacteny(std::shared_ptr<Vysledek> nacteny) {
    if (nacteny) {
        DoplnProdlevu(*nacteny);
    }
    return nacteny;
}

}  // namespace zorvet
