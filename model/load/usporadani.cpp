#include "model/load/usporadani.h"

#include <algorithm>
#include <cmath>
#include <optional>

#include "model/case/geometrie.h"
#include "model/case/konstanty.h"
#include "model/load/mrizka.h"
#include "model/load/svazek.h"
#include "model/conduction/vedeni.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

namespace {


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
        if (const std::optional<Vada> vada = ZkontrolujHodnotu(p, Hodnota(p, u), u)) {
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
    return std::nullopt;
}

KonecJadra SpoctiUsporadani(Vysledek& v, const ZadaniVedeni& z, const std::function<float(long)>& videna,
                            bool doMaxKroku) {
    const Uloha& u = v.Uloha;
    VysledekUsporadani r;
    const double prodleva = static_cast<double>(u.Prodleva);
    // The soak's rows beyond the heat-up, within the table's ten times the charge's rows.
    const long maxKroku = z.maxKroku + static_cast<long>(std::ceil(prodleva / z.krok));
    const auto pec = [&videna](long k) { return static_cast<double>(videna(k)); };
    KonecJadra konec = KonecJadra::Chyba;
    Jadro jadro;
    std::vector<double> teplo;
    if (jeMrizka(u)) {
        ZadaniMrizky p;
        p.usporadani = Usporadani{z.profil, z.a, u.MrizkaX, u.MrizkaY, static_cast<double>(u.MezeraX),
                                  static_cast<double>(u.MezeraY)};
        p.lambda = z.lambda, p.c = z.c, p.hustota = z.hustota, p.krivkaC = z.krivkaC, p.krivkaLambda = z.krivkaLambda;
        p.eps = z.eps, p.koefK = z.koefK, p.konvekce = z.konvekce;
        p.tv = z.tv, p.tk = z.tk, p.krok = z.krok, p.maxKroku = maxKroku, p.pec = pec;
        p.delka = z.delka, p.plochyAB = z.plochyAB, p.prodleva = prodleva, p.prikon = z.prikon;
        VysledekMrizky vp = SpoctiMrizku(p);
        if (vp.konec == KonecMrizky::NeplatneZadani || vp.konec == KonecMrizky::NeplatnaPec) {
            return KonecJadra::Chyba;
        }
        konec = vp.konec == KonecMrizky::Dosazeno && vp.krokJadra <= z.maxKroku ? KonecJadra::Dosazeno
                                                                               : KonecJadra::Nedosazeno;
        const auto kus = static_cast<std::size_t>(vp.nejpomalejsiKus.radek * vp.sloupcu + vp.nejpomalejsiKus.sloupec);
        jadro.povrch = doKroku(vp.povrch[kus], vp.krokJadra);
        jadro.teplota = doKroku(vp.nejpomalejsi, vp.krokJadra);
        jadro.krok = konec == KonecJadra::Dosazeno ? vp.krokJadra : -1;
        jadro.cas = konec == KonecJadra::Dosazeno ? vp.casJadra : 0.0;
        r.mrizka = true;
        r.radek = vp.nejpomalejsiKus.radek + 1;
        r.sloupec = vp.nejpomalejsiKus.sloupec + 1;
        r.casNejrychlejsiho = vp.krokNejrychlejsiho >= 0 ? vp.casNejrychlejsiho : 0.0;
        if (vp.krokNejrychlejsiho >= 0) {
            const auto rychly =
                static_cast<std::size_t>(vp.nejrychlejsiKus.radek * vp.sloupcu + vp.nejrychlejsiKus.sloupec);
            r.jadroNejrychlejsiho = doKroku(vp.jadro[rychly], vp.krokJadra);
        }
        teplo = std::move(vp.teplo);
        const double objem = z.profil == 'K' ? kPiPresne * z.a * z.a / 4.0 : z.a * z.a;
        const double obvod = z.profil == 'K' ? kPiPresne * z.a : 4.0 * z.a;
        jadro.biot = biot(v, z, obvod, objem, z.lambda);
    } else {
        ZadaniSvazku s;
        s.tvar = u.SvazekB > 0.0f ? 'O' : 'K';
        s.a = static_cast<double>(u.SvazekA);
        s.b = static_cast<double>(u.SvazekB);
        s.d = z.a;
        s.baleni = u.Porozita > 0.0f ? Baleni::Porozita : u.Baleni == 1 ? Baleni::Sestiuhelne : Baleni::Ctvercove;
        s.porozita = static_cast<double>(u.Porozita);
        s.kef = static_cast<double>(u.KefSvazku);
        s.lambda = z.lambda, s.c = z.c, s.hustota = z.hustota, s.krivkaC = z.krivkaC, s.krivkaLambda = z.krivkaLambda;
        s.eps = z.eps, s.koefK = z.koefK, s.konvekce = z.konvekce;
        // The bundle takes its heat through its envelope only: one body of the solid fraction of its
        // section per envelope length, (1 - phi) D / 4 for a round one, against a bar's d / 4, so its
        // single-temperature time is that many times its bars'. The core gets ten times that, and
        // the soak's rows beyond.
        const double phi = s.baleni == Baleni::Porozita ? s.porozita : PorozitaBaleni(s.baleni);
        const double vNaA = s.tvar == 'K' ? s.a / 4.0 : s.a * s.b / (2.0 * (s.a + s.b));
        const double meritko = doMaxKroku ? 1.0 : std::max(1.0, (1.0 - phi) * vNaA / (z.a / 4.0));
        s.tv = z.tv, s.tk = z.tk, s.krok = z.krok, s.pec = pec;
        const long doJadra = static_cast<long>(std::ceil(static_cast<double>(z.maxKroku) * meritko));
        s.maxKroku = doJadra + (maxKroku - z.maxKroku);
        s.delka = z.delka, s.prodleva = prodleva;
        VysledekSvazku vs = SpoctiSvazek(s);
        if (vs.konec == KonecSvazku::NeplatneZadani) {
            return KonecJadra::Chyba;
        }
        konec = vs.konec == KonecSvazku::Dosazeno && vs.vedeni.krokJadra <= doJadra ? KonecJadra::Dosazeno
                                                                                     : KonecJadra::Nedosazeno;
        jadro.povrch = doKroku(std::move(vs.vedeni.povrch), vs.vedeni.krokJadra);
        jadro.teplota = doKroku(std::move(vs.vedeni.jadro), vs.vedeni.krokJadra);
        jadro.krok = konec == KonecJadra::Dosazeno ? vs.vedeni.krokJadra : -1;
        jadro.cas = konec == KonecJadra::Dosazeno ? vs.vedeni.casJadra : 0.0;
        r.svazek = true;
        r.porozita = vs.porozita;
        r.kef = vs.kefKonecna;
        teplo = std::move(vs.teplo);
        // The bundle as one body: its V / A and its effective conductivity at Tk.
        const double objem = s.tvar == 'K' ? kPiPresne * s.a * s.a / 4.0 : s.a * s.b;
        const double obvod = s.tvar == 'K' ? kPiPresne * s.a : 2.0 * (s.a + s.b);
        ZadaniVedeni bezKrivky = z;
        bezKrivky.krivkaLambda = nullptr;
        jadro.biot = biot(v, bezKrivky, obvod, objem, r.kef);
    }
    jadro.konec = konec;
    jadro.pec = peceKroku(jadro.teplota.size(), videna);
    jadro.omezenoDo = v.OmezenoDo;
    v.Jadro = std::move(jadro);
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
