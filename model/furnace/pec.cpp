#include "model/furnace/pec.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace zorvet {

namespace {

inline constexpr int kNejviceCyklu = 1000;

bool kladne(float x) { return std::isfinite(x) && x > 0.0f; }
bool nezaporne(float x) { return std::isfinite(x) && x >= 0.0f; }

std::size_t index(CastPece cast) { return static_cast<std::size_t>(cast); }

ZavadaPece zkontrolujVyzdivku(const Vyzdivka& v, CastPece cast) {
    if (v.empty()) {
        return {VadaPece::BezVrstev, cast, 0, {}};
    }
    for (std::size_t i = 0; i < v.size(); ++i) {
        const int vrstva = static_cast<int>(i);
        if (!kladne(v[i].Tloustka)) {
            return {VadaPece::Tloustka, cast, vrstva, {}};
        }
        const ZavadaRefraktoru z = ZkontrolujRefraktor(v[i].Material);
        if (z.vada != VadaRefraktoru::Zadna) {
            return {VadaPece::Refraktor, cast, vrstva, z};
        }
    }
    return {};
}

}  // namespace

const Vyzdivka& VyzdivkaCasti(const Pec& p, CastPece cast) {
    if (cast == CastPece::Strop && !p.Strop.empty()) {
        return p.Strop;
    }
    if (cast == CastPece::Nistej && !p.Nistej.empty()) {
        return p.Nistej;
    }
    return p.Steny;
}

double TloustkaVyzdivky(const Vyzdivka& v) {
    double d = 0.0;
    for (const Vrstva& vrstva : v) {
        d += static_cast<double>(vrstva.Tloustka);
    }
    return d;
}

ZavadaPece ZkontrolujPec(const Pec& p) {
    if (!kladne(p.Sirka) || !kladne(p.Hloubka) || !kladne(p.Vyska)) {
        return {VadaPece::Komora, CastPece::Steny, 0, {}};
    }
    for (CastPece cast : kCastiPece) {
        const Vyzdivka& v = cast == CastPece::Steny ? p.Steny : cast == CastPece::Strop ? p.Strop : p.Nistej;
        if (cast != CastPece::Steny && v.empty()) {
            continue;
        }
        const ZavadaPece z = zkontrolujVyzdivku(v, cast);
        if (z.vada != VadaPece::Zadna) {
            return z;
        }
    }
    const bool otvor = p.DvereSirka > 0.0f || p.DvereVyska > 0.0f;
    if (!nezaporne(p.DvereSirka) || !nezaporne(p.DvereVyska) || (otvor && !(p.DvereSirka > 0.0f && p.DvereVyska > 0.0f)) ||
        p.DvereVyska > p.Vyska || p.DvereSirka > std::max(p.Sirka, p.Hloubka)) {
        return {VadaPece::Dvere, CastPece::Steny, 0, {}};
    }
    if (p.Cyklu < 0 || p.Cyklu > kNejviceCyklu || (p.Start == StartPece::PoCyklech && p.Cyklu < 1)) {
        return {VadaPece::Cykly, CastPece::Steny, 0, {}};
    }
    return {};
}

GeometriePece Geometrie(const Pec& p, const OkoliPece& okoli) {
    const double w = static_cast<double>(p.Sirka);
    const double d = static_cast<double>(p.Hloubka);
    const double h = static_cast<double>(p.Vyska);
    GeometriePece g;
    g.vnitrni = {2.0 * (w + d) * h, w * d, w * d};
    const double s0 = g.vnitrni[0] + g.vnitrni[1] + g.vnitrni[2];
    for (CastPece cast : kCastiPece) {
        const std::size_t i = index(cast);
        g.tloustka[i] = TloustkaVyzdivky(VyzdivkaCasti(p, cast));
        const double podil = g.vnitrni[i] / s0;
        g.plocha[i] = p.Plocha == PlochaSten::Zaoblena
                          ? PlochaToku{g.vnitrni[i], podil * 2.0 * std::numbers::pi * (w + d + h),
                                       podil * 4.0 * std::numbers::pi}
                          : PlochaToku{g.vnitrni[i], 0.0, 0.0};
    }
    const double dSteny = g.tloustka[index(CastPece::Steny)];
    const double vnejsiVyska = h + g.tloustka[index(CastPece::Strop)] + g.tloustka[index(CastPece::Nistej)];
    const double ws = w + 2.0 * dSteny;
    const double ds = d + 2.0 * dSteny;
    const double vodorovna = ws * ds / (2.0 * (ws + ds));
    for (CastPece cast : kCastiPece) {
        VnejsiPovrch& s = g.povrch[index(cast)];
        s.orientace = cast == CastPece::Steny ? Orientace::Svisla : cast == CastPece::Strop ? Orientace::Nahoru
                                                                                           : Orientace::Dolu;
        s.delka = cast == CastPece::Steny ? vnejsiVyska : vodorovna;
        s.eps = okoli.eps;
        s.konvekce = okoli.konvekce;
        s.okoli = okoli.teplota;
    }
    const double dw = static_cast<double>(p.DvereSirka);
    const double dh = static_cast<double>(p.DvereVyska);
    g.plochaDveri = dw * dh;
    g.faktorDveri = g.plochaDveri > 0.0 ? FaktorOtvoru(dw, dh, dSteny) : 0.0;
    return g;
}

}  // namespace zorvet
