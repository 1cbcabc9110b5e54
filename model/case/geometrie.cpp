#include "model/case/geometrie.h"

#include <cmath>

#include "model/case/konstanty.h"

namespace zorvet {

std::optional<float> CelkovaPlochaProfilu(const Uloha& u) {
    const double n = u.PocetProfilu;
    // 2n is formed in a wider integer, so that more than 16383 pieces still give the right surface.
    const double dveN = 2.0 * static_cast<double>(static_cast<int>(u.PocetProfilu));
    const double a = static_cast<double>(u.StranaA);
    const double l = static_cast<double>(u.DelkaL);
    switch (u.Profil) {
        case Profil::Kruhovy:
            return static_cast<float>((a / 2.0 + l) * (a * kPi) * n);
        case Profil::Ctvercovy:
            return static_cast<float>((a * a + 2.0 * a * l) * dveN);
        case Profil::Obdelnikovy: {
            // The rectangular rule is evaluated in single precision.
            const float sa = u.StranaA, sb = u.StranaB, sl = u.DelkaL;
            const float soucet = sb * sa + sl * sa + sb * sl;
            return soucet * static_cast<float>(dveN);
        }
        case Profil::Zadny:
            break;
    }
    return std::nullopt;
}

void TeplosmennaPlocha(Uloha& u) {
    const double a = static_cast<double>(u.StranaA), b = static_cast<double>(u.StranaB),
                 l = static_cast<double>(u.DelkaL);
    float sAB = 0.0f, sAL = 0.0f, sBL = 0.0f;
    switch (u.Profil) {
        case Profil::Kruhovy:
            sAB = static_cast<float>((a * a * kPi / 4.0) * u.PocetAB);
            sAL = static_cast<float>(a * kPi * l * u.PocetAL);
            break;
        case Profil::Ctvercovy:
            sAB = static_cast<float>(a * a * u.PocetAB);
            sAL = static_cast<float>(u.PocetAL * a * l);
            break;
        case Profil::Obdelnikovy:
            sAB = static_cast<float>(u.PocetAB * a * b);
            sAL = static_cast<float>(u.PocetAL * a * l);
            sBL = static_cast<float>(u.PocetBL * b * l);
            break;
        case Profil::Zadny:
            break;
    }
    u.A = static_cast<float>(static_cast<double>(sAL) + static_cast<double>(sAB) + static_cast<double>(sBL));
}

std::optional<double> ObjemKusu(const Uloha& u) {
    const double a = static_cast<double>(u.StranaA), b = static_cast<double>(u.StranaB),
                 l = static_cast<double>(u.DelkaL);
    const double n = u.PocetProfilu;
    switch (u.Profil) {
        case Profil::Kruhovy:
            return (a * a * kPi / 4.0) * l * n;
        case Profil::Ctvercovy:
            return a * a * n * l;
        case Profil::Obdelnikovy:
            return n * a * b * l;
        case Profil::Zadny:
            break;
    }
    return std::nullopt;
}

void HmotnostZRozmeru(Uloha& u, float hustota) {
    if (const std::optional<double> objem = ObjemKusu(u)) {
        u.m = static_cast<float>(*objem);
    }
    // Without a profile the mass held is scaled as it is.
    u.m = static_cast<float>(static_cast<double>(hustota) * static_cast<double>(u.m));
}

void OdvodUlohu(Uloha& u) {
    if (u.zRozmeru()) {
        u.CelkovaPlocha = CelkovaPlochaProfilu(u).value_or(0.0f);
    }
}

}  // namespace zorvet
