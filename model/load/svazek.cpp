#include "model/load/svazek.h"

#include <algorithm>
#include <cmath>
#include <numbers>
#include <optional>
#include <vector>

#include "model/case/konstanty.h"
#include "model/load/salani.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

namespace {

// The table of k_ef(T) handed to the conduction core: every 5 K over 0..1500 degrees C (held
// beyond), linear between, so within 0.1 % of the model.
constexpr double kTabulkaOd = 0.0, kTabulkaDo = 1500.0, kTabulkaKrok = 5.0;

double vodivostVzduchu(double t) { return 0.0263 * std::pow((t + kKelvin) / 300.0, 0.8); }

// Gauss-Legendre, 8 points on 0..1.
constexpr double kUzly[8] = {0.0198550717512319, 0.1016667612931866, 0.2372337950418355, 0.4082826787521751,
                             0.5917173212478249, 0.7627662049581645, 0.8983332387068134, 0.9801449282487681};
constexpr double kVahy[8] = {0.0506142681451881, 0.1111905172266872, 0.1568533229389436, 0.1813418916891810,
                             0.1813418916891810, 0.1568533229389436, 0.1111905172266872, 0.0506142681451881};

double vodivostOceli(const ZadaniSvazku& z, double t) { return z.krivkaLambda ? z.krivkaLambda->lambda(t) : z.lambda; }

// The model's k_ef(T) as a table of points; none where the model gives no conductivity.
std::optional<VlastnostiMaterialu> tabulkaKef(const ZadaniSvazku& z, double phi) {
    VlastnostiMaterialu tabulka{"k_ef", {}};
    for (double t = kTabulkaOd; t <= kTabulkaDo + 1e-9; t += kTabulkaKrok) {
        const double k = VodivostSvazku(z.d, phi, vodivostOceli(z, t), t, z.eps).kef;
        if (!(k > 0.0)) return std::nullopt;
        tabulka.Body.push_back({static_cast<float>(t), 1.0f, static_cast<float>(k)});
    }
    return tabulka;
}

// The heat that entered through the envelope since step 0, per step: trapezoids of the flux law
// at the furnace of each step as the bundle saw it (the power may have held it down).
std::vector<double> teploObalky(const ZadaniSvazku& z, const VysledekVedeni& vedeni) {
    const double obvod = (z.tvar == 'K' ? kPiPresne * z.a : 2.0 * (z.a + z.b)) * (z.delka > 0.0 ? z.delka : 1.0);
    std::vector<double> teplo(vedeni.povrch.size(), 0.0);
    for (std::size_t k = 1; k < teplo.size(); ++k) {
        const double tf = k < vedeni.pec.size() ? static_cast<double>(vedeni.pec[k]) : z.pec(static_cast<long>(k));
        const auto tok = [&](float ts) {
            const double t = static_cast<double>(ts);
            return z.koefK * (z.eps * (Zarivost(tf) - Zarivost(t)) + z.konvekce * (tf - t));
        };
        teplo[k] = teplo[k - 1] + z.krok * obvod * (tok(vedeni.povrch[k - 1]) + tok(vedeni.povrch[k])) / 2.0;
    }
    return teplo;
}

}  // namespace

double PorozitaBaleni(Baleni b) {
    switch (b) {
        case Baleni::Ctvercove: return 1.0 - kPiPresne / 4.0;
        case Baleni::Sestiuhelne: return 1.0 - kPiPresne / (2.0 * std::sqrt(3.0));
        default: return -1.0;
    }
}

EfektivniVodivost VodivostSvazku(double d, double phi, double ks, double t, double eps) {
    const double hex = PorozitaBaleni(Baleni::Sestiuhelne), ctverec = PorozitaBaleni(Baleni::Ctvercove);
    if (!(d > 0.0) || !std::isfinite(d) || !(phi >= hex - 1e-12) || !(phi <= 0.9) || !(ks > 0.0) ||
        !std::isfinite(ks) || !std::isfinite(t) || t < -kKelvin || !(eps > 0.0) || !(eps <= 1.0)) {
        return {};
    }
    const double r = d / 2.0;
    const double px = phi >= ctverec ? d * std::sqrt(kPiPresne / (4.0 * (1.0 - phi))) : d;
    const double py = phi >= ctverec ? px : kPiPresne * d / (4.0 * (1.0 - phi));
    const double kg = vodivostVzduchu(t);
    const double k = (t + kKelvin) / 100.0;
    const double hr = 4.0 * kSigma * k * k * k / 100.0 / (2.0 / eps - 1.0);
    // Half the cell, 0..py/2, in intervals halving towards the line of contact (y = 0), where
    // the integrand peaks over a width of about d kg / ks.
    double soucet = 0.0, ocel = 0.0;
    double horni = py / 2.0;
    for (int i = 0; i < 48; ++i) {
        const double dolni = i == 47 ? 0.0 : horni / 2.0;
        for (int q = 0; q < 8; ++q) {
            const double y = dolni + (horni - dolni) * kUzly[q], w = (horni - dolni) * kVahy[q];
            const double ls = y < r ? 2.0 * std::sqrt(r * r - y * y) : 0.0;
            const double lg = std::max(px - ls, 0.0);
            const double mezera = lg > 0.0 ? 1.0 / (kg / lg + hr) : 0.0;
            soucet += w * px / (ls / ks + mezera);
            ocel += w * ls;
        }
        horni = dolni;
    }
    EfektivniVodivost v;
    v.kef = soucet / (py / 2.0);
    const double podil = ocel / (px * py / 2.0);  // the cell's steel fraction
    v.kPar = podil * ks + (1.0 - podil) * (kg + hr * px);
    v.kSer = 1.0 / (podil / ks + (1.0 - podil) / kg);
    return v;
}

VysledekSvazku SpoctiSvazek(const ZadaniSvazku& z) {
    VysledekSvazku v;
    const double phi = z.baleni == Baleni::Porozita ? z.porozita : PorozitaBaleni(z.baleni);
    const auto kladne = [](double x) { return std::isfinite(x) && x >= 1e-6 && x <= 1e3; };
    const bool rozmery = z.tvar == 'K' ? kladne(z.a) : z.tvar == 'O' && kladne(z.a) && kladne(z.b);
    const double nejmensi = z.tvar == 'K' ? z.a : std::min(z.a, z.b);
    if (!rozmery || !kladne(z.d) || z.d > nejmensi || !std::isfinite(phi) || phi < 0.0 || phi > 0.9 ||
        !std::isfinite(z.kef) || z.kef < 0.0 || !std::isfinite(z.delka) || z.delka < 0.0 || !std::isfinite(z.prodleva) ||
        z.prodleva < 0.0 || !std::isfinite(z.prikon) || z.prikon < 0.0 || (z.prikon > 0.0 && !(z.delka > 0.0)) ||
        z.tyci < 0 || (z.kef == 0.0 && (z.krivkaLambda == nullptr ? !(z.lambda > 0.0) : !z.krivkaLambda->maLambda()))) {
        return v;
    }
    // The model's k_ef(T) as a curve of its own; its c column is not read (c stays the steel's).
    std::optional<Vlastnosti> kef;
    if (z.kef == 0.0) {
        std::optional<VlastnostiMaterialu> tabulka = tabulkaKef(z, phi);
        if (!tabulka) return v;
        kef.emplace(*tabulka);
        v.kefKonecna = VodivostSvazku(z.d, phi, vodivostOceli(z, z.tk), z.tk, z.eps).kef;
    } else {
        v.kefKonecna = z.kef;
    }
    v.porozita = phi;
    ZadaniVedeni zv;
    zv.profil = z.tvar;
    zv.a = z.a, zv.b = z.b, zv.plast = true, zv.plochyAL = 2, zv.plochyBL = 2;
    zv.lambda = z.kef, zv.krivkaLambda = kef ? &*kef : nullptr;
    zv.c = z.c, zv.krivkaC = z.krivkaC, zv.cNavic = z.cNavic;
    const double prurez = z.tvar == 'K' ? kPiPresne * z.a * z.a / 4.0 : z.a * z.b;
    zv.hustota = z.tyci > 0 ? z.hustota * (z.tyci * (kPiPresne * z.d * z.d / 4.0)) / prurez : (1.0 - phi) * z.hustota;
    if (z.prikon > 0.0) {
        zv.prikon = z.prikon, zv.delka = z.delka;
    }
    zv.eps = z.eps, zv.koefK = z.koefK, zv.konvekce = z.konvekce;
    zv.tv = z.tv, zv.tk = z.tk, zv.krok = z.krok, zv.maxKroku = z.maxKroku, zv.pec = z.pec;
    v.vedeni = SpoctiVedeni(zv);
    if (v.vedeni.konec == KonecVedeni::NeplatneZadani) {
        return v;
    }
    v.konec = v.vedeni.konec == KonecVedeni::Dosazeno ? KonecSvazku::Dosazeno : KonecSvazku::Nedosazeno;
    if (v.konec == KonecSvazku::Dosazeno && z.prodleva > 0.0) {
        // The same march on past tk: rows up to the end of the soak (the first ones are the same).
        ZadaniVedeni dal = zv;
        dal.tk = z.tk >= z.tv ? 1.0e5 : -kKelvin;
        dal.maxKroku = std::min(z.maxKroku, v.vedeni.krokJadra + static_cast<long>(std::ceil(z.prodleva / z.krok - 1e-9)));
        VysledekVedeni prodleva = SpoctiVedeni(dal);
        prodleva.konec = v.vedeni.konec, prodleva.krokJadra = v.vedeni.krokJadra, prodleva.casJadra = v.vedeni.casJadra;
        v.vedeni = std::move(prodleva);
    }
    v.teplo = teploObalky(z, v.vedeni);
    return v;
}

}  // namespace zorvet
