// The conduction through one piece: the two grids whose rows are extrapolated, whether a piece
// with heated ends needs its length, and the power limit. The grids are in vedeni_sit.cpp, the
// internal steps in vedeni_prostup.cpp, the implicit march in vedeni_rez.cpp, the enthalpy march
// in vedeni_teleso.cpp.
#include "model/conduction/vedeni.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <memory>
#include <numbers>
#include <vector>

#include "model/conduction/vedeni_prostup.h"
#include "model/conduction/vedeni_sit.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

namespace {

using namespace vedeni;

// Intervals along the least depth of the fine grid at zjemneni 1 (one direction; more); the
// coarse grid has half as many. Chosen so that the extrapolated core time is within a few
// hundredths of a per cent of the converged one over the cases of the tests.
constexpr int kDeleni1D = 16;
constexpr int kDeleniHloubky = 6;

bool platneZadani(const ZadaniVedeni& z) {
    // Far wider than any charge; the bounds keep every intermediate of the grid finite.
    const auto kladne = [](double x) { return x >= kMinHodnota && x <= kMaxHodnota; };
    const auto podil = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; };
    const bool c = z.krivkaC != nullptr || kladne(z.c);
    const bool lambda = z.krivkaLambda != nullptr ? z.krivkaLambda->maLambda() : kladne(z.lambda);
    const bool konce = z.plochyAB >= 0 && z.plochyAB <= 2 && (z.plochyAB == 0 || kladne(z.delka));
    const bool prikon = std::isfinite(z.prikon) && z.prikon >= 0.0 && (z.prikon == 0.0 || kladne(z.delka));
    return kladne(z.a) && (z.profil != 'O' || kladne(z.b)) && lambda && c && konce && prikon && kladne(z.hustota) &&
           kladne(z.krok) && podil(z.eps) && podil(z.koefK) && std::isfinite(z.konvekce) && z.konvekce >= 0.0 &&
           z.konvekce <= kMaxHodnota && platnaTeplota(z.tv) && platnaTeplota(z.tk) && z.maxKroku >= 0 &&
           z.zjemneni >= 1 && z.zjemneni <= kMaxZjemneni && static_cast<bool>(z.pec);
}

// s: about the internal step a heat-up of constant properties takes, for the choice of its
// march: a fiftieth of its time, the diffusion through the least depth d plus the surface's
// resistance at the furnace tf.
double typickyKrok(const ZadaniVedeni& z, const std::vector<Smer>& smery, double tf) {
    double d = kNekonecno;
    for (const Smer& s : smery) {
        d = std::min(d, s.hloubka());
    }
    const double k = std::max(tf, z.tv) / 100.0 + kKelvin / 100.0;
    const double alfa = z.koefK * (z.konvekce + z.eps * kSigma * 0.04 * k * k * k);
    const double rc = z.hustota * z.c;
    return (rc * d * d / (3.0 * z.lambda) + rc * d / alfa) / 50.0;
}

// The extrapolation to the vanishing cell of a quantity whose values on the fine and the coarse
// grid are a and b (Richardson: the error of either is of the second order in the spacing).
double spoj(double a, double b) { return (4.0 * a - b) / 3.0; }

// The same for a temperature, by the logarithm of its excess over the furnace tf where both lie
// on one side of it. The excess decays as exp(-rate t), the rate of the second order in the
// spacing too; so extrapolated, the excess keeps decaying however long the run, where the
// difference of two decays that differ by a hair would make it wobble at the end. The ratio of
// the excesses is kept within 1/8..8 (they differ by a few per cent where they matter).
double spojTeplotu(double a, double b, double tf) {
    const double ea = a - tf, eb = b - tf;
    if (!(ea * eb > 0.0)) {
        return spoj(a, b);
    }
    return tf + ea * std::cbrt(std::clamp(ea / eb, 0.125, 8.0));
}

// The rows of step k from the samples a and b of the two grids at the furnace tf; mez the limited
// furnace of the step before (then of this one), dolni..horni the temperatures met. The core.
double pridejRadek(VysledekVedeni& v, const ZadaniVedeni& z, long k, double tf, const Vzorek& a, const Vzorek& b,
                   double& mez, double& dolni, double& horni) {
    // The furnace the piece saw, and whether the power limited the step: the limit at its
    // start or its end (the limited furnace changes steadily in between).
    const double predchozi = mez;
    mez = std::isfinite(a.mezniPec) ? spoj(a.mezniPec, b.mezniPec) : kNekonecno;
    const double videna = std::min(tf, mez);
    if (std::min(predchozi, mez) < tf) {
        v.omezenoDo = static_cast<double>(k) * z.krok;
    }
    // The exact temperatures stay between tv and the furnace (maximum principle); the
    // extrapolation is kept there too.
    dolni = std::min(dolni, videna);
    horni = std::max(horni, videna);
    const auto meze = [&](double x) { return std::clamp(x, dolni, horni); };
    const double jadro = meze(spojTeplotu(a.jadro, b.jadro, tf));
    v.povrch.push_back(static_cast<float>(meze(spojTeplotu(a.povrch, b.povrch, tf))));
    v.jadro.push_back(static_cast<float>(jadro));
    v.pec.push_back(static_cast<float>(videna));
    v.stredni.push_back(static_cast<float>(meze(spojTeplotu(a.stredni, b.stredni, tf))));
    return jadro;
}

// The march on two grids, the second with half the intervals, whose rows are extrapolated to
// the vanishing cell, under the mean flux tokMax of the power limit (W/m2; 0 for none).
VysledekVedeni spocti(const ZadaniVedeni& z, double tokMax) {
    const std::vector<Smer> smery = smeryTepla(z, true);
    if (smery.empty()) {
        return {};
    }
    Pec pec(z);
    const Prestup prestup(z, tokMax);
    VysledekVedeni v;
    const std::size_t radku = static_cast<std::size_t>(std::min(z.maxKroku, 32767L)) + 1;
    for (auto* rada : {&v.povrch, &v.jadro, &v.pec, &v.stredni}) {
        rada->reserve(radku);
        rada->push_back(static_cast<float>(z.tv));
    }
    const double tf1 = z.maxKroku >= 1 ? pec(1) : std::numeric_limits<double>::quiet_NaN();
    if (std::isfinite(tf1)) {
        v.pec[0] = static_cast<float>(prestup.pecPro(tf1, prestup.g(z.tv)));
    }
    if (z.tk == z.tv) {
        v.konec = KonecVedeni::Dosazeno;
        v.krokJadra = 0;
        return v;
    }
    if (z.maxKroku == 0) {
        v.konec = KonecVedeni::Nedosazeno;
        return v;
    }
    if (!std::isfinite(tf1)) {
        return v;
    }
    const int deleni = (smery.size() == 1 ? kDeleni1D : kDeleniHloubky) * z.zjemneni;
    const double typicky = typickyKrok(z, smery, tf1);
    std::unique_ptr<Prostup> jemna = NovyProstup(z, pec, prestup, deleni, typicky);
    std::unique_ptr<Prostup> hruba = NovyProstup(z, pec, prestup, deleni / 2, typicky);
    if (!jemna || !hruba) {
        return {};
    }
    double mez = spoj(jemna->zacni().mezniPec, hruba->zacni().mezniPec);
    const bool ohrev = z.tk > z.tv;
    double dolni = std::min(z.tv, static_cast<double>(v.pec[0]));
    double horni = std::max(z.tv, static_cast<double>(v.pec[0]));
    const auto konec = [&](KonecVedeni k) {
        v.konec = k;
        v.uzlu = jemna->uzlu() + hruba->uzlu();
        v.vnitrnichKroku = jemna->kroku() + hruba->kroku();
        return v;
    };
    for (long k = 1; k <= z.maxKroku; ++k) {
        const double tf = pec(k);
        if (!std::isfinite(tf)) {
            return konec(KonecVedeni::NeplatneZadani);
        }
        const double jadro = pridejRadek(v, z, k, tf, jemna->vzorek(k), hruba->vzorek(k), mez, dolni, horni);
        if (ohrev ? jadro >= z.tk : jadro <= z.tk) {
            v.krokJadra = k;
            v.casJadra = static_cast<double>(k) * z.krok;
            return konec(KonecVedeni::Dosazeno);
        }
    }
    return konec(KonecVedeni::Nedosazeno);
}

// Whether a piece heated on its ends may keep the section alone (the march `rez` of the section,
// to its core time or to its last step). The heat of an end reaches a point at the distance d
// from it by the time t at most as to the centre of a slab 2d thick held at the furnace
// temperature: an excess of 2 erfc(d / (2 sqrt(a t))) of the initial one, a the largest
// diffusivity met. With d >= 5 sqrt(a t) that is below 1e-3 of the excess at the coldest point
// (the middle of the length between two heated ends, the far end for one), which moves its time
// by a few hundredths of a per cent. A shorter piece is computed with its length.
bool staciRez(const ZadaniVedeni& z, const VysledekVedeni& rez) {
    const long kroku = static_cast<long>(rez.jadro.size()) - 1;
    double dolni = z.tv, horni = z.tv;
    for (const float tf : rez.pec) {
        dolni = std::min(dolni, static_cast<double>(tf));
        horni = std::max(horni, static_cast<double>(tf));
    }
    const double a = NejvetsiDifuzivita(z, dolni, horni);
    return z.delka / z.plochyAB >= 5.0 * std::sqrt(a * static_cast<double>(kroku) * z.krok);
}

}  // namespace

VysledekVedeni SpoctiVedeni(const ZadaniVedeni& zadani) {
    if (!platneZadani(zadani) || !std::isfinite(zadani.cNavic) || zadani.cNavic < 0.0) {
        return {};
    }
    // What heats with the piece is part of a constant c; a curve's Material adds it.
    ZadaniVedeni z = zadani;
    if (z.krivkaC == nullptr) {
        z.c += z.cNavic;
        z.cNavic = 0.0;
    }
    // The power limit as a mean flux over the piece's heated faces: the section of a piece
    // computed without its ends takes the share of its own faces.
    const double tokMax = z.prikon > 0.0 ? z.prikon / OhrevanaPlocha(z) : 0.0;
    if (z.plochyAB > 0) {
        ZadaniVedeni rez = z;
        rez.plochyAB = 0;
        const VysledekVedeni v = spocti(rez, tokMax);
        if (v.konec != KonecVedeni::NeplatneZadani && staciRez(z, v)) {
            return v;
        }
    }
    return spocti(z, tokMax);
}

double OhrevanaPlocha(const ZadaniVedeni& z) {
    const double pi = std::numbers::pi;
    switch (z.profil) {
        case 'K':
            return (z.plast ? pi * z.a * z.delka : 0.0) + z.plochyAB * pi * z.a * z.a / 4.0;
        case 'C':
            return z.plochyAL * z.a * z.delka + z.plochyAB * z.a * z.a;
        case 'O':
            return z.plochyAL * z.a * z.delka + z.plochyBL * z.b * z.delka + z.plochyAB * z.a * z.b;
        default:
            return 0.0;
    }
}

double BiotovoCislo(double alfaMax, double objem, double plocha, double lambda) {
    if (!std::isfinite(alfaMax) || !std::isfinite(objem) || !std::isfinite(plocha) || !std::isfinite(lambda) ||
        alfaMax < 0.0 || objem < 0.0 || !(plocha > 0.0) || !(lambda > 0.0)) {
        return 0.0;
    }
    const double bi = alfaMax * (objem / plocha) / lambda;
    return std::isfinite(bi) ? bi : 0.0;
}

}  // namespace zorvet