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
    z.a = static_cast<double>(u.StranaA);
    z.b = static_cast<double>(u.StranaB);
    z.plast = naKus(u.PocetAL, 1) > 0;
    z.plochyAL = naKus(u.PocetAL, z.profil == 'C' ? 4 : 2);
    z.plochyBL = naKus(u.PocetBL, 2);
    if ((z.profil == 'K' && !z.plast) || (z.profil != 'K' && z.plochyAL + (z.profil == 'O' ? z.plochyBL : 0) == 0)) {
        return KonecJadra::BezPloch;
    }
    z.lambda = static_cast<double>(u.Lambda);
    z.c = static_cast<double>(u.c);
    z.hustota = static_cast<double>(u.Gama);
    z.eps = static_cast<double>(u.Eps);
    z.koefK = static_cast<double>(u.KoefK);
    z.tv = static_cast<double>(u.Tv);
    z.tk = static_cast<double>(u.Tk);
    z.krok = static_cast<double>(u.CasKrok);
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
                            BiotovoCislo(static_cast<double>(alfaMax), ObjemKusu(u).value_or(0.0),
                                         static_cast<double>(u.A), static_cast<double>(u.Lambda))};
    return vedeni.konec == KonecVedeni::Dosazeno ? KonecJadra::Dosazeno : KonecJadra::Nedosazeno;
}

}  // namespace zorvet
