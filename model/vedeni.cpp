#include "model/vedeni.h"

// The dispatcher of the conduction through one piece: which march computes it, and whether a
// piece with heated ends needs its length. The grids are in vedeni_sit.cpp, the implicit march
// in vedeni_rez.cpp, the enthalpy march in vedeni_teleso.cpp.
#include "model/vedeni.h"

#include <algorithm>
#include <cmath>

#include "model/vedeni_pochody.h"
#include "model/vedeni_sit.h"
#include "model/vlastnosti.h"

namespace zorvet {

namespace {

using namespace vedeni;

bool platneZadani(const ZadaniVedeni& z) {
    // Far wider than any charge; the bounds keep every intermediate of the grid finite.
    const auto kladne = [](double x) { return x >= kMinHodnota && x <= kMaxHodnota; };
    const auto podil = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1.0; };
    const bool c = z.krivkaC != nullptr || kladne(z.c);
    const bool lambda = z.krivkaLambda != nullptr ? z.krivkaLambda->maLambda() : kladne(z.lambda);
    const bool konce = z.plochyAB >= 0 && z.plochyAB <= 2 && (z.plochyAB == 0 || kladne(z.delka));
    return kladne(z.a) && (z.profil != 'O' || kladne(z.b)) && lambda && c && konce && kladne(z.hustota) &&
           kladne(z.krok) && podil(z.eps) && podil(z.koefK) && std::isfinite(z.konvekce) && z.konvekce >= 0.0 &&
           z.konvekce <= kMaxHodnota && platnaTeplota(z.tv) && platnaTeplota(z.tk) && z.maxKroku >= 0 &&
           z.zjemneni >= 1 && z.zjemneni <= kMaxZjemneni && static_cast<bool>(z.pec);
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
    for (long k = 1; k <= kroku; ++k) {
        const double tf = z.pec(k);
        dolni = std::min(dolni, tf);
        horni = std::max(horni, tf);
    }
    const double a = NejvetsiDifuzivita(z, dolni, horni);
    return z.delka / z.plochyAB >= 5.0 * std::sqrt(a * static_cast<double>(kroku) * z.krok);
}

}  // namespace

VysledekVedeni SpoctiVedeni(const ZadaniVedeni& z) {
    if (!platneZadani(z)) {
        return {};
    }
    if (z.plochyAB > 0) {
        ZadaniVedeni rez = z;
        rez.plochyAB = 0;
        const VysledekVedeni v = SpoctiVedeni(rez);
        if (v.konec != KonecVedeni::NeplatneZadani && staciRez(z, v)) {
            return v;
        }
    }
    // A long bar of constant properties: both marches serve, on the same grid, and the cheaper
    // is taken. The explicit march's work per step is its stages (from its stability limit at
    // the first step's furnace) times the nodes; the implicit march's is a fixed number of stages
    // times the nodes per unit of zjemneni (it takes at least zjemneni sub-steps a step). A stiff
    // piece (a huge conductivity, fine cells against long steps) needs many stages and so keeps
    // the implicit march, stable at any step.
    const bool konstanty = z.krivkaC == nullptr && z.krivkaLambda == nullptr && z.plochyAB == 0;
    if (std::optional<VysledekVedeni> v = SpustTeleso(z, konstanty)) {
        return *std::move(v);
    }
    return SpustRez(z);
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