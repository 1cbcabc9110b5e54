#include "model/load/mrizka.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <memory>

#include "model/case/konstanty.h"
#include "model/conduction/legendre.h"
#include "model/load/mrizka_sit.h"
#include "model/load/salani.h"
#include "model/conduction/vedeni_material.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

using vedeni::kMaxStupnu;
using vedeni::Legendre;

namespace {

constexpr double kMaxTeplota = 1.0e5;  // degrees C
constexpr int kMaxZjemneni = 4;

bool platnaTeplota(double t) { return std::isfinite(t) && t >= -kKelvin && t <= kMaxTeplota; }

// d(Zarivost)/dT, W/(m2 K).
double derivaceZarivosti(double t) {
    const double k = std::max(t + kKelvin, 0.0) / 100.0;
    return 4.0 * kSigma * k * k * k / 100.0;
}

bool platneZadani(const ZadaniMrizky& z) {
    const auto kladne = [](double x) { return std::isfinite(x) && x >= 1e-9 && x <= 1e9; };
    const auto podil = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; };
    const auto nezaporne = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1e12; };
    const bool lambda = z.krivkaLambda != nullptr ? z.krivkaLambda->maLambda() : kladne(z.lambda);
    const bool c = z.krivkaC != nullptr || kladne(z.c);
    const bool delka = nezaporne(z.delka) && ((z.prikon == 0.0 && z.plochyAB == 0) || z.delka > 0.0);
    return PlatneUsporadani(z.usporadani) && lambda && c && nezaporne(z.cNavic) && kladne(z.hustota) && podil(z.eps) && podil(z.koefK) &&
           nezaporne(z.konvekce) && platnaTeplota(z.tv) && platnaTeplota(z.tk) && kladne(z.krok) &&
           z.maxKroku >= 0 && static_cast<bool>(z.pec) && delka && nezaporne(z.prikon) && z.plochyAB >= 0 &&
           z.plochyAB <= 2 && nezaporne(z.prodleva) && z.zjemneni >= 1 && z.zjemneni <= kMaxZjemneni;
}

class PochodMrizky {
public:
    explicit PochodMrizky(const ZadaniMrizky& z)
        : z_(z),
          sit_(SestavSit(z.usporadani.profil, z.usporadani.d, z.zjemneni)),
          sym_(z.usporadani, sit_.fasetNaKus, z.symetrie),
          mat_(z.c, z.lambda, z.krivkaC, z.krivkaLambda, z.cNavic) {
        const Usporadani& u = z.usporadani;
        PohledoveFaktory f = SpoctiFaktory(u, sit_.fasetNaKus, sym_);
        VyrovnejReciprocitu(f, sym_);
        std::vector<double> slozene = SlozFaktory(f, sym_);
        ZprumerujSoumerne(slozene, sym_);
        salani_ = std::make_unique<Salani>(slozene, f.Fpec, std::vector<double>(f.Fpec.size(), z.eps), VahyFaset(sym_));
        kusu_ = sym_.reprezentanti().size();
        uzlu_ = sit_.objem.size();
        naHmotu_.resize(uzlu_);
        for (std::size_t i = 0; i < uzlu_; ++i) naHmotu_[i] = 1.0 / (z.hustota * sit_.objem[i]);
        const std::size_t vse = kusu_ * uzlu_;
        for (auto* v : {&h_, &y0_, &y1_, &y2_, &m0_, &sazby_, &t_, &phi_}) v->assign(vse, 0.0);
        e_.assign(f.Fpec.size(), 0.0);
        g_.assign(f.Fpec.size(), 0.0);
        zk_.assign(kusu_ * sit_.kousky.size(), 0.0);
        meritko_ = z.delka > 0.0 ? z.delka : 1.0;
    }

    VysledekMrizky spust();

private:
    bool krokUzivatele(long k, VysledekMrizky& v);
    bool vsechnyDosahly(long k);
    void krajniKusy(VysledekMrizky& v) const;
    // The rates dh/dt of all nodes at the enthalpies h; returns the power the load takes (W per
    // metre of the whole load) and sets the furnace temperature of the stage.
    double sazby(const double* h, double* vystup, double& tf);
    double omezenaPec(double c0, double c4, double c1) const;
    double pecStupne();
    void krok(double tau);
    double dtFE(double horni) const;
    void zapisRadek(VysledekMrizky& v, std::vector<std::vector<float>>& jadro, std::vector<std::vector<float>>& povrch);

    const ZadaniMrizky& z_;
    SitKusu sit_;
    Symetrie sym_;
    vedeni::Material mat_;
    std::unique_ptr<Salani> salani_;
    Legendre legendre_;
    std::size_t kusu_ = 0, uzlu_ = 0;
    std::vector<double> h_, y0_, y1_, y2_, m0_, sazby_, t_, phi_, e_, g_, zk_;
    std::vector<double> naHmotu_;  // per node: 1 / (density × volume)
    double tfKroku_ = 0.0;  // the furnace temperature of the step (pec(k))
    double tfPrvni_ = 0.0;  // the one of the step's first stage
    bool omezeno_ = false;  // the power limited a stage of the step
    double teplo_ = 0.0;    // J per metre since step 0
    double meritko_ = 1.0;
    double h0_ = 0.0;  // the enthalpy of tv
    double dolni_ = 0.0, horni_ = 0.0, limit_ = 0.0;  // the furnace met so far; the stable reach
    std::vector<std::vector<float>> jadro_, povrch_;  // per piece computed, per step
    std::vector<long> dosazeno_;                      // per piece computed: its core reached tk
};

double PochodMrizky::omezenaPec(double c0, double c4, double c1) const {
    // The load's power c0 + c4 E(T) + c1 T grows with T: Newton from pec(k), where it is too
    // large, falls monotonically onto the root (the function is convex).
    const double cil = z_.prikon / meritko_;
    double t = tfKroku_;
    for (int i = 0; i < 100; ++i) {
        const double f = c0 + c4 * Zarivost(t) + c1 * t - cil;
        const double df = c4 * derivaceZarivosti(t) + c1;
        if (!(df > 0.0)) break;
        const double novy = std::max(t - f / df, -kKelvin);
        if (std::fabs(novy - t) < 1e-10 * (std::fabs(t) + kKelvin)) return novy;
        t = novy;
    }
    return t;
}

double PochodMrizky::sazby(const double* h, double* vystup, double& tf) {
    const std::size_t vse = kusu_ * uzlu_;
    std::fill(vystup, vystup + vse, 0.0);
    // The temperatures the faces exchange heat at: of the surface nodes only.
    for (std::size_t p = 0; p < kusu_; ++p) {
        for (const SitKusu::Kousek& k : sit_.kousky) {
            t_[p * uzlu_ + k.uzel] = mat_.teplota(h[p * uzlu_ + k.uzel]);
        }
    }
    mat_.potencialy(h, phi_.data(), vse);
    for (std::size_t p = 0; p < kusu_; ++p) {
        const double* phi = phi_.data() + p * uzlu_;
        double* r = vystup + p * uzlu_;
        for (const SitKusu::Hrana& e : sit_.hrany) {
            const double q = e.g * (phi[e.b] - phi[e.a]);
            r[e.a] += q;
            r[e.b] -= q;
        }
    }
    // The facets' mean emissive powers, their irradiation without the furnace, and the power of
    // the whole load as c0 + c4 E(Tf) + c1 Tf.
    const std::size_t m = static_cast<std::size_t>(sit_.fasetNaKus);
    std::fill(e_.begin(), e_.end(), 0.0);
    const std::size_t nk = sit_.kousky.size();
    for (std::size_t p = 0; p < kusu_; ++p) {
        for (std::size_t i = 0; i < nk; ++i) {
            const SitKusu::Kousek& k = sit_.kousky[i];
            const double e = Zarivost(t_[p * uzlu_ + k.uzel]);
            zk_[p * nk + i] = e;
            e_[p * m + k.faseta] += k.delka * e / sit_.delkaFasety;
        }
    }
    if (z_.eps > 0.0) {
        salani_->ozareni(e_.data(), 0.0, g_.data());
    }
    tf = pecStupne();
    const double eps = z_.eps, hk = z_.konvekce, kk = z_.koefK;
    const double ef = Zarivost(tf);
    double vykon = 0.0;
    for (std::size_t p = 0; p < kusu_; ++p) {
        double* r = vystup + p * uzlu_;
        double prijem = 0.0;
        for (std::size_t i = 0; i < nk; ++i) {
            const SitKusu::Kousek& k = sit_.kousky[i];
            const std::size_t f = p * m + k.faseta;
            const double q = kk * k.delka *
                             (eps * (g_[f] + salani_->zPece(f) * ef - zk_[p * nk + i]) + hk * (tf - t_[p * uzlu_ + k.uzel]));
            r[k.uzel] += q;
            prijem += q;
        }
        vykon += sym_.nasobnost(static_cast<int>(p)) * prijem;
        for (std::size_t i = 0; i < uzlu_; ++i) r[i] *= naHmotu_[i];
    }
    return vykon;
}

// The furnace of a stage: the step's own, or where the whole load would take more than the power
// gives, the cooler one at which it takes just that (its power c0 + c4 E(Tf) + c1 Tf).
double PochodMrizky::pecStupne() {
    const std::size_t m = static_cast<std::size_t>(sit_.fasetNaKus), nk = sit_.kousky.size();
    const double eps = z_.eps, hk = z_.konvekce, kk = z_.koefK;
    double c0 = 0.0, c4 = 0.0, c1 = 0.0;
    for (std::size_t p = 0; p < kusu_; ++p) {
        const double w = sym_.nasobnost(static_cast<int>(p)) * kk;
        for (std::size_t i = 0; i < nk; ++i) {
            const SitKusu::Kousek& k = sit_.kousky[i];
            const std::size_t f = p * m + k.faseta;
            const double a = w * k.delka;
            c0 += a * (eps * (g_[f] - zk_[p * nk + i]) - hk * t_[p * uzlu_ + k.uzel]);
            c4 += a * eps * salani_->zPece(f);
            c1 += a * hk;
        }
    }
    double tf = tfKroku_;
    if (z_.prikon > 0.0 && c0 + c4 * Zarivost(tf) + c1 * tf > z_.prikon / meritko_) {
        tf = omezenaPec(c0, c4, c1);
        omezeno_ = true;
    }
    return tf;
}

// One Runge-Kutta-Legendre step of tau from h_; the heat the load took goes by the same
// recurrence as the enthalpies, from the powers of the stages.
void PochodMrizky::krok(double tau) {
    const Legendre& l = legendre_;
    const std::size_t n = h_.size();
    double tf = 0.0;
    const double p0 = sazby(h_.data(), m0_.data(), tf);
    tfPrvni_ = tf;
    double* pred = h_.data();
    double* akt = y1_.data();
    double* nova = y2_.data();
    double* volna = y0_.data();
    const double a1 = l.muT[1] * tau;
    for (std::size_t i = 0; i < n; ++i) akt[i] = h_[i] + a1 * m0_[i];
    double ePred = 0.0, eAkt = a1 * p0;
    for (std::size_t j = 2; j <= static_cast<std::size_t>(l.s); ++j) {
        const double pj = sazby(akt, sazby_.data(), tf);
        const double mu = l.mu[j], nu = l.nu[j], zbytek = 1.0 - mu - nu, mt = l.muT[j] * tau, gt = l.gamaT[j] * tau;
        for (std::size_t i = 0; i < n; ++i) {
            nova[i] = mu * akt[i] + nu * pred[i] + zbytek * h_[i] + mt * sazby_[i] + gt * m0_[i];
        }
        const double eNova = mu * eAkt + nu * ePred + mt * pj + gt * p0;
        ePred = eAkt;
        eAkt = eNova;
        double* uvolnena = pred == h_.data() ? volna : pred;
        pred = akt;
        akt = nova;
        nova = uvolnena;
    }
    std::copy(akt, akt + n, h_.begin());
    teplo_ += eAkt;
}

double PochodMrizky::dtFE(double horni) const {
    const double kappa2 = 2.0 * mat_.kappa();
    const double alfa = 2.0 * z_.koefK * (z_.eps * derivaceZarivosti(horni) + z_.konvekce) / mat_.cMin();
    double polomer = 0.0;
    for (std::size_t i = 0; i < uzlu_; ++i) {
        polomer = std::max(polomer, (kappa2 * sit_.vodivostUzlu[i] + alfa * sit_.plochaUzlu[i]) /
                                        (z_.hustota * sit_.objem[i]));
    }
    return 2.0 / polomer;
}

void PochodMrizky::zapisRadek(VysledekMrizky& v, std::vector<std::vector<float>>& jadro, std::vector<std::vector<float>>& povrch) {
    const bool ohrev = z_.tk >= z_.tv;
    double nejhorsi = ohrev ? 1e300 : -1e300, drzi = 0.0;
    for (std::size_t p = 0; p < kusu_; ++p) {
        double krajni = ohrev ? 1e300 : -1e300, soucet = 0.0, plocha = 0.0;
        for (std::size_t i = 0; i < uzlu_; ++i) {
            const double h = h_[p * uzlu_ + i];
            const double t = mat_.teplota(h);
            krajni = ohrev ? std::min(krajni, t) : std::max(krajni, t);
            drzi += sym_.nasobnost(static_cast<int>(p)) * z_.hustota * sit_.objem[i] * (h - h0_);
        }
        for (const SitKusu::Kousek& k : sit_.kousky) {
            soucet += k.delka * mat_.teplota(h_[p * uzlu_ + k.uzel]);
            plocha += k.delka;
        }
        jadro[p].push_back(static_cast<float>(krajni));
        povrch[p].push_back(static_cast<float>(soucet / plocha));
        nejhorsi = ohrev ? std::min(nejhorsi, krajni) : std::max(nejhorsi, krajni);
    }
    v.nejpomalejsi.push_back(static_cast<float>(nejhorsi));
    v.teplo.push_back(teplo_ * meritko_);
    v.entalpie.push_back(drzi * meritko_);
}

// Step k of the user's steps: the stable reach at the furnace met so far, then as many
// Runge-Kutta-Legendre steps as it takes; the row of its end. False for a furnace that is none.
bool PochodMrizky::krokUzivatele(long k, VysledekMrizky& v) {
    tfKroku_ = z_.pec(k);
    if (!platnaTeplota(tfKroku_)) {
        v.konec = KonecMrizky::NeplatnaPec;
        return false;
    }
    const double predHorni = horni_;
    dolni_ = std::min(dolni_, tfKroku_), horni_ = std::max(horni_, tfKroku_);
    if (mat_.pokryj(dolni_, horni_) || limit_ == 0.0 || horni_ > predHorni) {
        limit_ = dtFE(std::min(mat_.tMax(), horni_ + 50.0));
    }
    double kroku = z_.zjemneni;
    if (Legendre::dosah(kMaxStupnu, limit_) * kroku < z_.krok) kroku = std::ceil(z_.krok / Legendre::dosah(kMaxStupnu, limit_));
    const double tau = z_.krok / kroku;
    int s = 3;
    while (Legendre::dosah(s, limit_) < tau && s < kMaxStupnu) s += 2;
    legendre_.priprav(s);
    omezeno_ = false;
    for (long i = 0; i < static_cast<long>(kroku); ++i) {
        krok(tau);
        if (i == 0) {
            if (k == 1) v.pec[0] = static_cast<float>(tfPrvni_);
            v.pec.push_back(static_cast<float>(tfPrvni_));
        }
    }
    if (omezeno_) v.omezenoDo = static_cast<double>(k) * z_.krok;
    zapisRadek(v, jadro_, povrch_);
    return true;
}

// Whether every piece's core has reached tk at step k (each piece's first such step is kept).
bool PochodMrizky::vsechnyDosahly(long k) {
    const bool ohrev = z_.tk >= z_.tv;
    bool vsechny = true;
    for (std::size_t p = 0; p < kusu_; ++p) {
        const double t = static_cast<double>(jadro_[p].back());
        if (dosazeno_[p] < 0 && (ohrev ? t >= z_.tk : t <= z_.tk)) dosazeno_[p] = k;
        vsechny = vsechny && dosazeno_[p] >= 0;
    }
    return vsechny;
}

// The slowest piece: reached last, and of those the farthest from tk at that step; the fastest:
// reached first, and of those the farthest past it. The core time is the slowest piece's.
void PochodMrizky::krajniKusy(VysledekMrizky& v) const {
    const bool ohrev = z_.tk >= z_.tv;
    std::size_t pomaly = 0, rychly = 0;
    const auto pres = [&](std::size_t p, long k) {
        const double t = static_cast<double>(jadro_[p][static_cast<std::size_t>(k)]);
        return ohrev ? t - z_.tk : z_.tk - t;
    };
    for (std::size_t p = 1; p < kusu_; ++p) {
        if (dosazeno_[p] > dosazeno_[pomaly] ||
            (dosazeno_[p] == dosazeno_[pomaly] && pres(p, dosazeno_[p]) < pres(pomaly, dosazeno_[p])))
            pomaly = p;
        if (dosazeno_[p] < dosazeno_[rychly] ||
            (dosazeno_[p] == dosazeno_[rychly] && pres(p, dosazeno_[p]) > pres(rychly, dosazeno_[p])))
            rychly = p;
    }
    const auto poloha = [&](std::size_t p) {
        const int kus = sym_.reprezentanti()[p];
        return PolohaKusu{kus / z_.usporadani.nx, kus % z_.usporadani.nx};
    };
    v.krokJadra = dosazeno_[pomaly];
    v.casJadra = static_cast<double>(v.krokJadra) * z_.krok;
    v.nejpomalejsiKus = poloha(pomaly);
    v.krokNejrychlejsiho = dosazeno_[rychly];
    v.casNejrychlejsiho = static_cast<double>(v.krokNejrychlejsiho) * z_.krok;
    v.nejrychlejsiKus = poloha(rychly);
    if (z_.plochyAB > 0) {
        const double a = mat_.kappa() / z_.hustota;
        v.konceRozhoduji = z_.delka / z_.plochyAB < 5.0 * std::sqrt(a * v.casJadra);
    }
}

VysledekMrizky PochodMrizky::spust() {
    VysledekMrizky v;
    v.radku = z_.usporadani.ny, v.sloupcu = z_.usporadani.nx;
    h0_ = mat_.entalpie(z_.tv);
    std::fill(h_.begin(), h_.end(), h0_);
    jadro_.assign(kusu_, {});
    povrch_.assign(kusu_, {});
    dosazeno_.assign(kusu_, -1);
    mat_.pokryj(z_.tv, z_.tv);
    zapisRadek(v, jadro_, povrch_);
    dolni_ = horni_ = z_.tv;
    long konecProdlevy = -1;
    const auto prodleva = [this](long k) { return k + static_cast<long>(std::ceil(z_.prodleva / z_.krok - 1e-9)); };
    v.konec = KonecMrizky::Nedosazeno;
    if (z_.tk == z_.tv) {
        std::fill(dosazeno_.begin(), dosazeno_.end(), 0L);
        konecProdlevy = prodleva(0);
        v.konec = KonecMrizky::Dosazeno;
    }
    v.pec.push_back(static_cast<float>(z_.maxKroku >= 1 && platnaTeplota(z_.pec(1)) ? z_.pec(1) : z_.tv));
    for (long k = 1; k <= z_.maxKroku && (konecProdlevy < 0 || k <= konecProdlevy); ++k) {
        if (!krokUzivatele(k, v)) break;
        if (konecProdlevy < 0 && vsechnyDosahly(k)) {
            v.konec = KonecMrizky::Dosazeno;
            konecProdlevy = prodleva(k);
        }
    }
    // The pieces: mirror images take their representative's rows.
    const int vse = sym_.kusu();
    v.jadro.resize(static_cast<std::size_t>(vse));
    v.povrch.resize(static_cast<std::size_t>(vse));
    v.krokKusu.resize(static_cast<std::size_t>(vse));
    for (int k = 0; k < vse; ++k) {
        const std::size_t p = static_cast<std::size_t>(sym_.poradi(k));
        v.jadro[static_cast<std::size_t>(k)] = jadro_[p];
        v.povrch[static_cast<std::size_t>(k)] = povrch_[p];
        v.krokKusu[static_cast<std::size_t>(k)] = dosazeno_[p];
    }
    if (v.konec == KonecMrizky::Dosazeno) {
        krajniKusy(v);
    }
    return v;
}

}  // namespace

bool JeVolnyKus(const ZadaniMrizky& z) { return z.usporadani.nx == 1 && z.usporadani.ny == 1; }

VysledekMrizky SpoctiMrizku(const ZadaniMrizky& z) {
    if (!platneZadani(z)) {
        return {};
    }
    PochodMrizky pochod(z);
    return pochod.spust();
}

Prodleva SpoctiProdlevu(const std::vector<double>& teplo, double krok, long krokOhrevu, double prodleva) {
    Prodleva v;
    if (!std::isfinite(prodleva) || prodleva < 0.0 || !std::isfinite(krok) || !(krok > 0.0)) {
        return v;
    }
    if (krokOhrevu < 0) {
        v.konec = KonecProdlevy::NedosazenoJadro;
        return v;
    }
    const long konec = krokOhrevu + static_cast<long>(std::ceil(prodleva / krok - 1e-9));
    v.casCyklu = static_cast<double>(krokOhrevu) * krok + prodleva;
    v.krokKonce = konec;
    if (konec >= static_cast<long>(teplo.size())) {
        v.konec = KonecProdlevy::KratkyBeh;
        return v;
    }
    v.teplo = teplo[static_cast<std::size_t>(konec)] - teplo[static_cast<std::size_t>(krokOhrevu)];
    v.konec = KonecProdlevy::Spocteno;
    return v;
}

}  // namespace zorvet
