#include "model/geometrie.h"

namespace zorvet {

std::optional<float> CelkovaPlochaProfilu(const Uloha& u) {
    const double n = u.PocetProfilu;
    // 2n is formed in a wider integer, so that more than 16383 pieces still give the right surface.
    const double dveN = 2.0 * static_cast<double>(static_cast<int>(u.PocetProfilu));
    const double a = u.StranaA;
    const double l = u.DelkaL;
    if (u.Profil == "K") {
        return static_cast<float>((a / 2.0 + l) * (a * kPi) * n);
    }
    if (u.Profil == "C") {
        return static_cast<float>((a * a + 2.0 * a * l) * dveN);
    }
    if (u.Profil == "O") {
        // The rectangular rule is evaluated in single precision.
        const float sa = u.StranaA, sb = u.StranaB, sl = u.DelkaL;
        const float soucet = sb * sa + sl * sa + sb * sl;
        return soucet * static_cast<float>(dveN);
    }
    return std::nullopt;
}

void TeplosmennaPlocha(Uloha& u) {
    const double a = u.StranaA, b = u.StranaB, l = u.DelkaL;
    float sAB = 0.0f, sAL = 0.0f, sBL = 0.0f;
    if (u.Profil == "K") {
        sAB = static_cast<float>((a * a * kPi / 4.0) * u.PocetAB);
        sAL = static_cast<float>(a * kPi * l * u.PocetAL);
    } else if (u.Profil == "C") {
        sAB = static_cast<float>(a * a * u.PocetAB);
        sAL = static_cast<float>(u.PocetAL * a * l);
    } else if (u.Profil == "O") {
        sAB = static_cast<float>(u.PocetAB * a * b);
        sAL = static_cast<float>(u.PocetAL * a * l);
        sBL = static_cast<float>(u.PocetBL * b * l);
    }
    u.A = static_cast<float>(static_cast<double>(sAL) + sAB + sBL);
}

std::optional<double> ObjemKusu(const Uloha& u) {
    const double a = u.StranaA, b = u.StranaB, l = u.DelkaL;
    const double n = u.PocetProfilu;
    if (u.Profil == "K") {
        return (a * a * kPi / 4.0) * l * n;
    }
    if (u.Profil == "C") {
        return a * a * n * l;
    }
    if (u.Profil == "O") {
        return n * a * b * l;
    }
    return std::nullopt;
}

void HmotnostZRozmeru(Uloha& u, float hustota) {
    if (const std::optional<double> objem = ObjemKusu(u)) {
        u.m = static_cast<float>(*objem);
    }
    // Another profile cannot be chosen in the dialog; the mass held is then scaled as it is.
    u.m = static_cast<float>(static_cast<double>(hustota) * u.m);
}

}  // namespace zorvet
