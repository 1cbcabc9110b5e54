#include "model/load/usporadani.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "model/case/geometrie.h"
#include "model/case/konstanty.h"
#include "model/load/mrizka.h"
#include "model/load/svazek.h"
#include "model/conduction/vedeni.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

namespace {

// How far the pieces of a bundle may lie from the bars its section holds at its porosity: a real
// bundle's packing is never exact.
constexpr double kOdchylkaSvazku = 0.02;

bool jeMrizka(const Uloha& u) { return u.MrizkaX > 1 || u.MrizkaY > 1; }
bool jeSvazek(const Uloha& u) { return u.SvazekA > 0.0f; }

// The Biot number the free piece's core gives: the largest heat-transfer coefficient of the
// charge's run times the reduction factor, the piece's V / A, the smallest conductivity met.
double biot(const Vysledek& v, const ZadaniVedeni& z, double plocha, double objem, double lambda) {
    float alfaMax = 0.0f;
    for (int i = 1; i <= v.posledniRadek(); ++i) {
        alfaMax = std::max(alfaMax, v.Vysledky.Alfa[static_cast<std::size_t>(i)]);
    }
    double nejmensi = lambda;
    if (!(nejmensi > 0.0) && z.krivkaLambda != nullptr) {
        nejmensi = z.krivkaLambda->lambda(z.tv);
        for (double t = std::min(z.tv, z.tk); t <= std::max(z.tv, z.tk); t += 1.0) {
            nejmensi = std::min(nejmensi, z.krivkaLambda->lambda(t));
        }
    }
    return BiotovoCislo(static_cast<double>(alfaMax) * z.koefK, objem, plocha, nejmensi);
}

std::vector<float> peceKroku(std::size_t kroku, const std::function<float(long)>& videna) {
    std::vector<float> pec(kroku);
    for (std::size_t k = 0; k < kroku; ++k) {
        pec[k] = videna(static_cast<long>(k));
    }
    return pec;
}

// The rows of the heat-up: up to the step the core reached Tk (the soak's rows are the
// arrangement's own).
template <class T>
std::vector<T> doKroku(std::vector<T> radky, long krok) {
    if (krok >= 0 && static_cast<std::size_t>(krok) + 1 < radky.size()) {
        radky.resize(static_cast<std::size_t>(krok) + 1);
    }
    return radky;
}

}  // namespace

bool MaUsporadani(const Uloha& u) { return jeMrizka(u) || jeSvazek(u); }

std::optional<Zavada> ZkontrolujUsporadani(const Uloha& u) {
    for (const Velicina v : {Velicina::MrizkaX, Velicina::MrizkaY, Velicina::MezeraX, Velicina::MezeraY, Velicina::SvazekA,
                             Velicina::SvazekB, Velicina::Baleni, Velicina::Porozita, Velicina::KefSvazku,
                             Velicina::Prodleva}) {
        const PopisPole& p = Pole(v);
        const double x = Hodnota(p, u);
        if (JistePlatna(p, x, u)) {
            continue;
        }
        if (const std::optional<Vada> vada = ZkontrolujHodnotu(p, x, u)) {
            return Zavada{v, *vada, 0, {}};
        }
    }
    if (!MaUsporadani(u)) {
        return std::nullopt;
    }
    const Velicina pole = jeSvazek(u) ? Velicina::SvazekA : Velicina::MrizkaX;
    if (jeMrizka(u) && jeSvazek(u)) {
        return Zavada{Velicina::SvazekA, Vada::MrizkaISvazek, 0, {}};
    }
    if (!u.zRozmeru()) {
        return Zavada{pole, Vada::BezRozmeruUsporadani, 0, {}};
    }
    const bool vodiva = u.Lambda > 0.0f || (u.Vlastnosti && Vlastnosti(*u.Vlastnosti).maLambda());
    if (!vodiva) {
        return Zavada{pole, Vada::BezVodivostiUsporadani, 0, {}};
    }
    if (jeSvazek(u) ? u.Profil != Profil::Kruhovy : u.Profil == Profil::Obdelnikovy) {
        return Zavada{pole, Vada::ProfilUsporadani, 0, {}};
    }
    if (jeSvazek(u) && (!(u.SvazekA > u.StranaA) || (u.SvazekB > 0.0f && !(u.SvazekB > u.StranaA)))) {
        return Zavada{u.SvazekA > u.StranaA ? Velicina::SvazekB : Velicina::SvazekA, Vada::SvazekMensi, 0, {}};
    }
    if (jeMrizka(u) && u.MrizkaX * u.MrizkaY > kNejviceKusuMrizky) {
        return Zavada{Velicina::MrizkaX, Vada::VelkaMrizka, 0, {}};
    }
    // The problem is the whole load: its pieces are the array's, or the bars the bundle holds.
    if (jeMrizka(u) && u.PocetProfilu != u.MrizkaX * u.MrizkaY) {
        return Zavada{Velicina::MrizkaX, Vada::PocetVMrizce, 0, {}};
    }
    if (jeSvazek(u)) {
        const double tyci = TyciVeSvazku(u);
        if (!(std::fabs(u.PocetProfilu - tyci) <= std::max(0.5, kOdchylkaSvazku * tyci))) {
            return Zavada{Velicina::SvazekA, Vada::PocetVeSvazku, 0, {}};
        }
    }
    return std::nullopt;
}

void KusySleduji(const Uloha& zaklad, Uloha& u) {
    const auto pocetVadny = [](const Uloha& x) {
        const std::optional<Zavada> z = ZkontrolujUsporadani(x);
        return z && (z->vada == Vada::PocetVMrizce || z->vada == Vada::PocetVeSvazku);
    };
    if (pocetVadny(zaklad) || !pocetVadny(u) || u.PocetProfilu < 1) {
        return;
    }
    const double kusu = jeSvazek(u) ? std::round(TyciVeSvazku(u)) : static_cast<double>(u.MrizkaX) * u.MrizkaY;
    // The counted faces are the whole load's: each piece keeps its own.
    const double podil = kusu / u.PocetProfilu;
    for (std::int16_t Uloha::*plochy : {&Uloha::PocetProfilu, &Uloha::PocetAB, &Uloha::PocetAL, &Uloha::PocetBL}) {
        if (!(std::round(u.*plochy * podil) <= std::numeric_limits<std::int16_t>::max())) {
            return;
        }
    }
    const bool pocitaPlochy = u.PocetAB > 0 || u.PocetAL > 0 || u.PocetBL > 0;
    for (std::int16_t Uloha::*plochy : {&Uloha::PocetProfilu, &Uloha::PocetAB, &Uloha::PocetAL, &Uloha::PocetBL}) {
        u.*plochy = static_cast<std::int16_t>(std::round(u.*plochy * podil));
    }
    if (pocitaPlochy) {
        TeplosmennaPlocha(u);
    }
    HmotnostZRozmeru(u, u.Gama);
}

double TyciVeSvazku(const Uloha& u) {
    if (!jeSvazek(u) || !(u.StranaA > 0.0f)) {
        return 0.0;
    }
    const double a = static_cast<double>(u.SvazekA), b = static_cast<double>(u.SvazekB), d = static_cast<double>(u.StranaA);
    const double prurez = b > 0.0 ? a * b : kPiPresne * a * a / 4.0;
    return (1.0 - PorozitaSvazku(u)) * prurez / (kPiPresne * d * d / 4.0);
}

double PorozitaSvazku(const Uloha& u) {
    return u.Porozita > 0.0f ? static_cast<double>(u.Porozita)
                             : PorozitaBaleni(u.Baleni == 1 ? Baleni::Sestiuhelne : Baleni::Ctvercove);
}

double ObalkaSvazku(const Uloha& u) {
    if (!(u.SvazekA > 0.0f)) {
        return 0.0;
    }
    const double a = static_cast<double>(u.SvazekA), b = static_cast<double>(u.SvazekB);
    return (u.SvazekB > 0.0f ? 2.0 * (a + b) : kPiPresne * a) * static_cast<double>(u.DelkaL);
}

namespace {

// The most steps the load's core may take: the free piece's bound, and as many times more as the
// load holds its heat longer behind its envelope: one body of its steel heated through the
// envelope only (the sum of its pieces' sections per envelope length against a piece's section
// per its perimeter); and the soak's rows beyond.
long doJadra(long maxKroku, double meritko) {
    return static_cast<long>(std::ceil(static_cast<double>(maxKroku) * std::max(1.0, meritko)));
}

// The furnace of each row as the load saw it: under an installed power its own where the power
// held it down (the start too, when it did so from the first step), else the run's; and the end
// of the last row the power limited, as a results file tells it.
void peceJadra(Jadro& jadro, const std::vector<float>& vlastni, const std::function<float(long)>& videna, double krok,
               bool omezeny) {
    jadro.pec = peceKroku(jadro.teplota.size(), videna);
    jadro.omezenoDo = 0.0f;
    const std::size_t radku = omezeny ? std::min(jadro.pec.size(), vlastni.size()) : 0;
    for (std::size_t k = 1; k < radku; ++k) {
        if (vlastni[k] != jadro.pec[k]) {
            jadro.pec[k] = vlastni[k];
            jadro.omezenoDo = static_cast<float>(static_cast<double>(k) * krok);
            if (k == 1) {
                jadro.pec[0] = vlastni[0];
            }
        }
    }
}

KonecJadra jadroMrizky(Vysledek& v, const ZadaniVedeni& z, const std::function<float(long)>& videna, bool doMaxKroku,
                       VysledekUsporadani& r, std::vector<double>& teplo) {
    const Uloha& u = v.Uloha;
    const double prodleva = static_cast<double>(u.Prodleva);
    ZadaniMrizky p;
    p.usporadani = Usporadani{z.profil, z.a, u.MrizkaX, u.MrizkaY, static_cast<double>(u.MezeraX),
                              static_cast<double>(u.MezeraY)};
    p.lambda = z.lambda, p.c = z.c, p.hustota = z.hustota, p.krivkaC = z.krivkaC, p.krivkaLambda = z.krivkaLambda;
    p.cNavic = z.cNavic, p.eps = z.eps, p.koefK = z.koefK, p.konvekce = z.konvekce;
    p.tv = z.tv, p.tk = z.tk, p.krok = z.krok, p.pec = [&videna](long k) { return static_cast<double>(videna(k)); };
    p.delka = z.delka, p.plochyAB = z.plochyAB, p.prodleva = prodleva, p.prikon = z.prikon;
    const double obvod = z.profil == 'K' ? kPiPresne * z.a : 4.0 * z.a;
    const double objem = z.profil == 'K' ? kPiPresne * z.a * z.a / 4.0 : z.a * z.a;
    const Usporadani& a = p.usporadani;
    const double obalka = 2.0 * (a.nx * a.d + (a.nx - 1) * a.gx + a.ny * a.d + (a.ny - 1) * a.gy);
    const long kroku = doMaxKroku ? z.maxKroku : doJadra(z.maxKroku, a.nx * a.ny * obvod / obalka);
    p.maxKroku = kroku + static_cast<long>(std::ceil(prodleva / z.krok));
    VysledekMrizky vp = SpoctiMrizku(p);
    if (vp.konec == KonecMrizky::NeplatneZadani || vp.konec == KonecMrizky::NeplatnaPec) {
        return KonecJadra::Chyba;
    }
    const KonecJadra konec =
        vp.konec == KonecMrizky::Dosazeno && vp.krokJadra <= kroku ? KonecJadra::Dosazeno : KonecJadra::Nedosazeno;
    Jadro jadro;
    const auto kus = static_cast<std::size_t>(vp.nejpomalejsiKus.radek * vp.sloupcu + vp.nejpomalejsiKus.sloupec);
    jadro.povrch = doKroku(vp.povrch[kus], vp.krokJadra);
    jadro.teplota = doKroku(vp.nejpomalejsi, vp.krokJadra);
    jadro.krok = konec == KonecJadra::Dosazeno ? vp.krokJadra : -1;
    jadro.cas = konec == KonecJadra::Dosazeno ? vp.casJadra : 0.0;
    jadro.konec = konec;
    jadro.biot = biot(v, z, obvod, objem, z.lambda);
    peceJadra(jadro, vp.pec, videna, z.krok, z.prikon > 0.0);
    jadro.teplo = vp.teplo;
    v.Jadro = std::move(jadro);
    r.mrizka = true;
    r.radek = vp.nejpomalejsiKus.radek + 1;
    r.sloupec = vp.nejpomalejsiKus.sloupec + 1;
    r.casNejrychlejsiho = vp.krokNejrychlejsiho >= 0 ? vp.casNejrychlejsiho : 0.0;
    if (vp.krokNejrychlejsiho >= 0) {
        const auto rychly = static_cast<std::size_t>(vp.nejrychlejsiKus.radek * vp.sloupcu + vp.nejrychlejsiKus.sloupec);
        r.jadroNejrychlejsiho = doKroku(vp.jadro[rychly], vp.krokJadra);
    }
    teplo = std::move(vp.teplo);
    return konec;
}

KonecJadra jadroSvazku(Vysledek& v, const ZadaniVedeni& z, const std::function<float(long)>& videna, bool doMaxKroku,
                       VysledekUsporadani& r, std::vector<double>& teplo) {
    const Uloha& u = v.Uloha;
    const double prodleva = static_cast<double>(u.Prodleva);
    ZadaniSvazku s;
    s.tvar = u.SvazekB > 0.0f ? 'O' : 'K';
    s.a = static_cast<double>(u.SvazekA);
    s.b = static_cast<double>(u.SvazekB);
    s.d = z.a;
    s.baleni = u.Porozita > 0.0f ? Baleni::Porozita : u.Baleni == 1 ? Baleni::Sestiuhelne : Baleni::Ctvercove;
    s.porozita = static_cast<double>(u.Porozita);
    s.kef = static_cast<double>(u.KefSvazku);
    s.lambda = z.lambda, s.c = z.c, s.hustota = z.hustota, s.krivkaC = z.krivkaC, s.krivkaLambda = z.krivkaLambda;
    s.cNavic = z.cNavic, s.eps = z.eps, s.koefK = z.koefK, s.konvekce = z.konvekce;
    s.tv = z.tv, s.tk = z.tk, s.krok = z.krok, s.pec = [&videna](long k) { return static_cast<double>(videna(k)); };
    s.delka = z.delka, s.prodleva = prodleva, s.prikon = z.prikon, s.tyci = u.PocetProfilu;
    // The bundle takes its heat through its envelope only: one body of the solid fraction of its
    // section per envelope length, (1 - phi) D / 4 for a round one, against a bar's d / 4.
    const double phi = s.baleni == Baleni::Porozita ? s.porozita : PorozitaBaleni(s.baleni);
    const double vNaA = s.tvar == 'K' ? s.a / 4.0 : s.a * s.b / (2.0 * (s.a + s.b));
    const long kroku = doMaxKroku ? z.maxKroku : doJadra(z.maxKroku, (1.0 - phi) * vNaA / (z.a / 4.0));
    s.maxKroku = kroku + static_cast<long>(std::ceil(prodleva / z.krok));
    VysledekSvazku vs = SpoctiSvazek(s);
    if (vs.konec == KonecSvazku::NeplatneZadani) {
        return KonecJadra::Chyba;
    }
    const KonecJadra konec = vs.konec == KonecSvazku::Dosazeno && vs.vedeni.krokJadra <= kroku ? KonecJadra::Dosazeno
                                                                                                : KonecJadra::Nedosazeno;
    Jadro jadro;
    jadro.povrch = doKroku(std::move(vs.vedeni.povrch), vs.vedeni.krokJadra);
    jadro.teplota = doKroku(std::move(vs.vedeni.jadro), vs.vedeni.krokJadra);
    jadro.krok = konec == KonecJadra::Dosazeno ? vs.vedeni.krokJadra : -1;
    jadro.cas = konec == KonecJadra::Dosazeno ? vs.vedeni.casJadra : 0.0;
    jadro.konec = konec;
    // The bundle as one body: its V / A and its effective conductivity at Tk.
    const double objem = s.tvar == 'K' ? kPiPresne * s.a * s.a / 4.0 : s.a * s.b;
    const double obvod = s.tvar == 'K' ? kPiPresne * s.a : 2.0 * (s.a + s.b);
    ZadaniVedeni bezKrivky = z;
    bezKrivky.krivkaLambda = nullptr;
    jadro.biot = biot(v, bezKrivky, obvod, objem, vs.kefKonecna);
    peceJadra(jadro, vs.vedeni.pec, videna, z.krok, z.prikon > 0.0);
    jadro.teplo = vs.teplo;
    v.Jadro = std::move(jadro);
    r.svazek = true;
    r.porozita = vs.porozita;
    r.kef = vs.kefKonecna;
    teplo = std::move(vs.teplo);
    return konec;
}

}  // namespace

KonecJadra SpoctiUsporadani(Vysledek& v, const ZadaniVedeni& z, const std::function<float(long)>& videna,
                            bool doMaxKroku) {
    VysledekUsporadani r;
    std::vector<double> teplo;
    const KonecJadra konec = jeMrizka(v.Uloha) ? jadroMrizky(v, z, videna, doMaxKroku, r, teplo)
                                               : jadroSvazku(v, z, videna, doMaxKroku, r, teplo);
    if (konec == KonecJadra::Chyba) {
        return konec;
    }
    const double prodleva = static_cast<double>(v.Uloha.Prodleva);
    if (konec == KonecJadra::Dosazeno && prodleva > 0.0) {
        const Prodleva w = SpoctiProdlevu(teplo, z.krok, v.Jadro->krok, prodleva);
        if (w.konec == KonecProdlevy::Spocteno) {
            r.teploProdlevy = w.teplo;
        }
    }
    v.Usporadani = r;
    return konec;
}

void DoplnProdlevu(Vysledek& v) {
    if (!(v.Uloha.Prodleva > 0.0f)) {
        return;
    }
    const std::optional<double> cyklus = v.casCyklu();
    if (!cyklus) {
        return;
    }
    if (!v.Usporadani) {
        v.Usporadani = VysledekUsporadani{};
    }
    v.Usporadani->casCyklu = *cyklus;
}

}  // namespace zorvet
