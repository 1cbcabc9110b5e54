#include "model/jadro.h"

#include <algorithm>
#include <cmath>

#include "model/geometrie.h"
#include "model/vedeni.h"
#include "model/vypocet.h"

namespace zorvet {

KonecJadra SpoctiJadro(Vysledek& v) {
    const Uloha& u = v.Uloha;
    if (!u.zRozmeru()) {
        return KonecJadra::BezRozmeru;
    }
    const double kusy = std::max<int>(u.PocetProfilu, 1);
    const auto naKus = [kusy](std::int16_t pocet, int nejvic) {
        return std::clamp(static_cast<int>(std::floor(pocet / kusy)), 0, nejvic);
    };
    ZadaniVedeni z;
    z.profil = u.Profil == Profil::Kruhovy ? 'K' : u.Profil == Profil::Ctvercovy ? 'C' : u.Profil == Profil::Obdelnikovy ? 'O' : 'X';
    z.a = u.StranaA;
    z.b = u.StranaB;
    z.plast = naKus(u.PocetAL, 1) > 0;
    z.plochyAL = naKus(u.PocetAL, z.profil == 'C' ? 4 : 2);
    z.plochyBL = naKus(u.PocetBL, 2);
    if ((z.profil == 'K' && !z.plast) || (z.profil != 'K' && z.plochyAL + (z.profil == 'O' ? z.plochyBL : 0) == 0)) {
        return KonecJadra::BezPloch;
    }
    z.lambda = u.Lambda;
    z.c = u.c;
    z.hustota = u.Gama;
    z.eps = u.Eps;
    z.koefK = u.KoefK;
    z.tv = u.Tv;
    z.tk = u.Tk;
    z.krok = u.CasKrok;
    z.maxKroku = 10L * v.posledniRadek();
    const PrubehPece pec(u);
    z.pec = [&pec](long k) { return static_cast<double>(pec(k)); };
    VysledekVedeni vedeni = SpoctiVedeni(z);
    if (vedeni.konec == KonecVedeni::NeplatneZadani) {
        return KonecJadra::Chyba;
    }
    float alfaMax = 0.0f;
    for (int i = 1; i <= v.posledniRadek(); ++i) {
        alfaMax = std::max(alfaMax, v.Vysledky.Alfa[static_cast<std::size_t>(i)]);
    }
    v.Jadro = zorvet::Jadro{std::move(vedeni.povrch), std::move(vedeni.jadro), vedeni.krokJadra, vedeni.casJadra,
                            BiotovoCislo(alfaMax, ObjemKusu(u).value_or(0.0), u.A, u.Lambda)};
    return vedeni.konec == KonecVedeni::Dosazeno ? KonecJadra::Dosazeno : KonecJadra::Nedosazeno;
}

}  // namespace zorvet
