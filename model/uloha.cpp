#include "model/uloha.h"

#include <cmath>

namespace zorvet {

namespace {

// Only a value strictly below or strictly above zero counts; NaN counts as zero.
bool nenulove(float x) { return x < 0.0f || x > 0.0f; }

double naTriMista(float x) { return std::nearbyint(static_cast<double>(x) * 1000.0) / 1000.0; }

std::optional<Zavada> kladne(Velicina v, float x) {
    if (!std::isfinite(x)) {
        return Zavada{v, Vada::NekonecnaHodnota};
    }
    if (!(x > 0.0f)) {
        return Zavada{v, Vada::NeniKladne};
    }
    return std::nullopt;
}

std::optional<Zavada> konecne(Velicina v, float x) {
    if (!std::isfinite(x)) {
        return Zavada{v, Vada::NekonecnaHodnota};
    }
    return std::nullopt;
}

}  // namespace

bool OverZadani(const Uloha& u) {
    if (!nenulove(u.Tpece) && !u.Rizeny) {
        return false;
    }
    return nenulove(u.Tv) && nenulove(u.Tk) && nenulove(u.m) && nenulove(u.A) && nenulove(u.c) &&
           nenulove(u.Eps) && nenulove(u.CasKrok);
}

std::optional<Zavada> ZkontrolujKrivku(const Uloha& u) {
    if (u.Rizeny) {
        const int pocet = PocetUseku(u);
        for (int k = 1; k <= pocet; ++k) {
            const UsekKrivky& zacatek = u.Krivka[static_cast<std::size_t>(k - 1)];
            if (auto z = konecne(Velicina::TeplotaKrivky, u.Krivka[static_cast<std::size_t>(k)].Teplota);
                z || !std::isfinite(zacatek.Teplota)) {
                return Zavada{Velicina::TeplotaKrivky, Vada::NekonecnaHodnota, k};
            }
            if (!std::isfinite(zacatek.DobaVydrze)) {
                return Zavada{Velicina::DobaVydrze, Vada::NekonecnaHodnota, k};
            }
            if (zacatek.DobaVydrze < 0.0f) {
                return Zavada{Velicina::DobaVydrze, Vada::ZapornaDoba, k};
            }
            if (zacatek.DobaVydrze == 0.0f) {
                return Zavada{Velicina::DobaVydrze, Vada::NulovaDoba, k};
            }
        }
    }
    return std::nullopt;
}

std::optional<Zavada> ZkontrolujHodnoty(const Uloha& u) {
    // Tab by tab: the furnace regime and curve, the temperatures, the material, the mass and
    // the surfaces, the time step.
    if (auto z = ZkontrolujKrivku(u)) {
        return z;
    }
    if (auto z = u.Rizeny ? std::nullopt : konecne(Velicina::Tpece, u.Tpece)) {
        return z;
    }
    for (auto [v, x] : {std::pair{Velicina::Tv, u.Tv}, std::pair{Velicina::Tk, u.Tk}}) {
        if (auto z = konecne(v, x)) {
            return z;
        }
    }
    const bool zRozmeru = u.ZadaniHmotnosti == "V";
    if (zRozmeru || u.Gama != 0.0f) {
        // The density makes the mass from the dimensions; typed with a typed mass it is kept
        // for the file only, but it must still be a density.
        if (auto z = kladne(Velicina::Gama, u.Gama)) {
            return z;
        }
    }
    if (auto z = kladne(Velicina::c, u.c)) {
        return z;
    }
    if (!std::isfinite(u.Eps)) {
        return Zavada{Velicina::Eps, Vada::NekonecnaHodnota};
    }
    if (!(u.Eps > 0.0f) || u.Eps > 1.0f) {
        return Zavada{Velicina::Eps, Vada::MimoRozsah};
    }
    if (auto z = konecne(Velicina::KoefK, u.KoefK)) {
        return z;
    }
    // No conductivity (0) computes no core; one that is given must be one.
    if (u.Lambda != 0.0f) {
        if (auto z = kladne(Velicina::Lambda, u.Lambda)) {
            return z;
        }
    }
    if (zRozmeru) {
        if (auto z = kladne(Velicina::StranaA, u.StranaA)) {
            return z;
        }
        if (u.Profil == "O") {
            if (auto z = kladne(Velicina::StranaB, u.StranaB)) {
                return z;
            }
        }
        if (auto z = kladne(Velicina::DelkaL, u.DelkaL)) {
            return z;
        }
        if (u.PocetProfilu <= 0) {
            return Zavada{Velicina::PocetProfilu, Vada::NeniKladne};
        }
        for (auto [v, n] : {std::pair{Velicina::PocetAB, u.PocetAB}, std::pair{Velicina::PocetAL, u.PocetAL},
                            std::pair{Velicina::PocetBL, u.PocetBL}}) {
            if (n < 0 && (v != Velicina::PocetBL || u.Profil == "O")) {
                return Zavada{v, Vada::MimoRozsah};
            }
        }
    }
    if (auto z = kladne(Velicina::m, u.m)) {
        return z;
    }
    if (auto z = kladne(Velicina::A, u.A)) {
        return z;
    }
    return kladne(Velicina::CasKrok, u.CasKrok);
}

float NejvyssiTeplotaPece(const Uloha& u) {
    if (!u.Rizeny) {
        return u.Tpece;
    }
    float nejvyssi = u.Krivka[0].Teplota;
    for (int i = 1; i <= PocetUseku(u); ++i) {
        nejvyssi = std::max(nejvyssi, u.Krivka[static_cast<std::size_t>(i)].Teplota);
    }
    return nejvyssi;
}

Prijeti PrijmiUlohu(const Uloha& u) {
    if (!OverZadani(u)) {
        return Prijeti::Neuplna;
    }
    if (u.ZadaniHmotnosti == "V" && naTriMista(u.A) > naTriMista(u.CelkovaPlocha)) {
        return Prijeti::PlochaVetsi;
    }
    // The charge only nears the furnace temperature: a Tk at or above the hottest furnace is
    // never reached (a charge already at Tk is reached in one step).
    if (u.Tk > u.Tv && !(NejvyssiTeplotaPece(u) > u.Tk)) {
        return Prijeti::Nedosazitelna;
    }
    return Prijeti::Prijata;
}

}  // namespace zorvet
