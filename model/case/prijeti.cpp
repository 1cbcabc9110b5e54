#include "model/case/prijeti.h"

#include <charconv>
#include <cmath>

#include "model/case/geometrie.h"
#include "model/conduction/jadro.h"
#include "model/load/usporadani.h"

namespace zorvet {

namespace {

double naTriMista(float x) { return std::nearbyint(static_cast<double>(x) * 1000.0) / 1000.0; }

// A value held equals the one the dimensions give at the precision of a written number (7
// significant digits).
bool souhlasi(float drzena, float zRozmeru) {
    return std::fabs(static_cast<double>(drzena) - static_cast<double>(zRozmeru)) <=
           1.0e-6 * std::fabs(static_cast<double>(zRozmeru));
}

// The mass the problem dialog shows for its dimensions, 7.85E+02, read back: a mass computed there
// and written by a program that took it from the field so holds three significant digits.
bool jakoVDialogu(float drzena, float zRozmeru) {
    char text[32];
    const auto konec = std::to_chars(text, text + sizeof text, static_cast<double>(zRozmeru),
                                     std::chars_format::scientific, 2);
    double x = 0.0;
    return konec.ec == std::errc() && std::from_chars(text, konec.ptr, x).ec == std::errc() &&
           drzena == static_cast<float>(x);
}

// The furnace as a thermal system: a sound description, a door for the door's time, an installed
// power for a start from cold (whose first step would take any power).
std::optional<Zavada> zkontrolujPec(const Uloha& u) {
    if (!u.Pec) {
        return std::nullopt;
    }
    if (const ZavadaPece z = ZkontrolujPec(*u.Pec); z.vada != VadaPece::Zadna) {
        return Zavada{Velicina::PopisPece, Vada::VadnaPec, 0, {}, z};
    }
    if (u.DobaOtevreni > 0.0f && !(u.Pec->DvereSirka > 0.0f)) {
        return Zavada{Velicina::DobaOtevreni, Vada::DvereBezOtvoru, 0, {}};
    }
    const bool zeStudena = u.Pec->Start == StartPece::Studeny || u.Pec->Start == StartPece::PoCyklech;
    if (zeStudena && !(u.Prikon > 0.0f)) {
        return Zavada{Velicina::Prikon, Vada::PecBezPrikonu, 0, {}};
    }
    return std::nullopt;
}

std::optional<Zavada> zavada(Velicina v, std::optional<Vada> vada, int bod = 0) {
    if (!vada) {
        return std::nullopt;
    }
    return Zavada{v, *vada, bod, {}};
}

// Segment by segment: the start of the first, then each end temperature and duration.
std::optional<Zavada> zkontrolujKrivku(const Uloha& u) {
    const PopisPole& teplota = Pole(Velicina::TeplotaKrivky);
    const PopisPole& doba = Pole(Velicina::DobaVydrze);
    if (auto z = zavada(Velicina::TeplotaKrivky, ZkontrolujHodnotu(teplota, static_cast<double>(u.Krivka[0].Teplota), u), 0)) {
        return z;
    }
    for (int k = 1; k <= PocetUseku(u); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (auto z =
                zavada(Velicina::TeplotaKrivky, ZkontrolujHodnotu(teplota, static_cast<double>(u.Krivka[i].Teplota), u), k)) {
            return z;
        }
        const float trvani = u.Krivka[i - 1].DobaVydrze;
        if (trvani <= 0.0f) {
            return Zavada{Velicina::DobaVydrze, Vada::NulovaDoba, k - 1, {}};
        }
        if (auto z = zavada(Velicina::DobaVydrze, ZkontrolujHodnotu(doba, static_cast<double>(trvani), u), k - 1)) {
            return z;
        }
    }
    return std::nullopt;
}

}  // namespace

std::optional<Zavada> ZkontrolujHodnoty(const Uloha& u) {
    for (const PopisPole& p : PoleUlohy()) {
        if (!Plati(p.kdy, u)) {
            continue;
        }
        switch (p.druh) {
            case DruhPole::Text:
                break;
            case DruhPole::Kod:
                if ((p.velicina == Velicina::ZadaniHmotnosti && u.ZadaniHmotnosti == zorvet::ZadaniHmotnosti::Nezvoleno) ||
                    (p.velicina == Velicina::Profil && u.Profil == zorvet::Profil::Zadny)) {
                    return Zavada{p.velicina, Vada::ChybiHodnota, 0, {}};
                }
                break;
            case DruhPole::Cislo:
            case DruhPole::Pocet:
                if (p.velicina == Velicina::TeplotaKrivky) {
                    if (auto z = zkontrolujKrivku(u)) {
                        return z;
                    }
                    break;
                }
                if (p.velicina == Velicina::DobaVydrze) {
                    break;  // with the temperatures, segment by segment
                }
                if (const double x = Hodnota(p, u); !JistePlatna(p, x, u)) {
                    if (auto z = zavada(p.velicina, ZkontrolujHodnotu(p, x, u))) {
                        return z;
                    }
                }
                if ((p.velicina == Velicina::PocetAB || p.velicina == Velicina::PocetAL || p.velicina == Velicina::PocetBL) &&
                    Hodnota(p, u) > NejvicPloch(p.velicina, u)) {
                    return Zavada{p.velicina, Vada::PrilisMnohoPloch, 0, {}};
                }
                break;
        }
    }
    return std::nullopt;
}

std::optional<Zavada> PrijmiUlohu(const Uloha& u, Pravidlo pravidlo) {
    if (auto z = ZkontrolujHodnoty(u)) {
        return z;
    }
    if (u.Vlastnosti && ZkontrolujKrivku(*u.Vlastnosti).vada != VadaKrivky::Zadna) {
        return Zavada{Velicina::c, Vada::VadnaKrivka, 0, {}};
    }
    if (!OverZadani(u)) {
        // The values above refuse every other zero; a temperature of 0 °C stays what the
        // completeness calls missing.
        for (Velicina v : {Velicina::Tpece, Velicina::Tv, Velicina::Tk, Velicina::m, Velicina::A, Velicina::c,
                           Velicina::Eps, Velicina::CasKrok}) {
            const PopisPole& p = Pole(v);
            if (Plati(p.kdy, u) && !(Hodnota(p, u) < 0.0 || Hodnota(p, u) > 0.0)) {
                return Zavada{v, Vada::Neuplna, 0, {}};
            }
        }
        return Zavada{Velicina::Tk, Vada::Neuplna, 0, {}};
    }
    // A charge already at its final temperature has no heat-up to compute.
    if (!(u.Tk > u.Tv) && pravidlo != Pravidlo::DoCasu) {
        return Zavada{Velicina::Tk, Vada::PodTv, 0, {}};
    }
    if (u.zRozmeru()) {
        // Counted faces make the surface; none counted leaves it to the field.
        const bool obdelnik = u.Profil == Profil::Obdelnikovy;
        if (u.PocetAB > 0 || u.PocetAL > 0 || (obdelnik && u.PocetBL > 0)) {
            Uloha zPloch = u;
            TeplosmennaPlocha(zPloch);
            if (!souhlasi(u.A, zPloch.A)) {
                return Zavada{Velicina::A, Vada::PlochaNesouhlasi, 0, {}};
            }
        }
        Uloha zRozmeru = u;
        HmotnostZRozmeru(zRozmeru, u.Gama);
        if (!souhlasi(u.m, zRozmeru.m) && !jakoVDialogu(u.m, zRozmeru.m)) {
            return Zavada{Velicina::m, Vada::HmotnostNesouhlasi, 0, {}};
        }
        const float celkova = CelkovaPlochaProfilu(u).value_or(0.0f);
        const bool vetsi = pravidlo != Pravidlo::Storno ? naTriMista(u.A) > naTriMista(celkova) : u.A > celkova;
        if (vetsi) {
            return Zavada{Velicina::A, Vada::PlochaVetsi, 0, {}};
        }
        // The core heats a piece through its counted faces: a surface typed without them gives
        // the single temperature, but no piece for the core.
        if (MaJadro(u) && !JadroMaPlochy(u)) {
            return Zavada{Velicina::PocetAL, Vada::JadroBezPloch, 0, {}};
        }
    }
    if (auto z = ZkontrolujUsporadani(u)) {
        return z;
    }
    if (auto z = zkontrolujPec(u)) {
        return z;
    }
    // The charge only nears the furnace temperature: a Tk at or above the hottest furnace is
    // never reached.
    if (!(NejvyssiTeplotaPece(u) > u.Tk) && pravidlo != Pravidlo::DoCasu) {
        return Zavada{Velicina::Tk, Vada::Nedosazitelna, 0, {}};
    }
    return std::nullopt;
}

}  // namespace zorvet
