#include "model/pole.h"

#include <array>
#include <cmath>
#include <limits>

#include "model/geometrie.h"
#include "model/konstanty.h"

namespace zorvet {

namespace {

// No charge is colder than absolute zero, and no furnace is hotter than this.
constexpr double kNejnizsiTeplota = -kKelvin;
constexpr double kNejvyssiTeplota = 3000.0;
constexpr double kNejvetsiPocet = std::numeric_limits<std::int16_t>::max();

constexpr PopisPole kPole[] = {
    // The regime and the curve (tab 1).
    {Velicina::TeplotaKrivky, DruhPole::Cislo, "txtKonTep", 0, id::KonTep, nullptr, Kdy::Rizeny, 0, 0, 0, 0, nullptr,
     kNejnizsiTeplota, kNejvyssiTeplota, true, Kdy::Nikdy, nullptr, nullptr},
    {Velicina::DobaVydrze, DruhPole::Cislo, "txtDobaVydrze", 0, id::DobaVydrze, nullptr, Kdy::Rizeny, 0, 0, 0, 0,
     nullptr, 0.0, 1.0e7, false, Kdy::Nikdy, nullptr, nullptr},
    // The temperatures.
    {Velicina::Tpece, DruhPole::Cislo, "txtTpece", 1, id::Tpece, nullptr, Kdy::Nerizeny, 1, id::SouborTpece, 0,
     id::JednotkaStupne, nullptr, kNejnizsiTeplota, kNejvyssiTeplota, true, Kdy::Nikdy, &Uloha::Tpece, nullptr},
    {Velicina::Tv, DruhPole::Cislo, "txtTv", 1, id::Tv, nullptr, Kdy::Vzdy, 2, id::SouborTv, 0, id::JednotkaStupne,
     nullptr, kNejnizsiTeplota, kNejvyssiTeplota, true, Kdy::Nikdy, &Uloha::Tv, nullptr},
    {Velicina::Tk, DruhPole::Cislo, "txtTk", 1, id::Tk, nullptr, Kdy::Vzdy, 3, id::SouborTk, 0, id::JednotkaStupne,
     nullptr, kNejnizsiTeplota, kNejvyssiTeplota, true, Kdy::Nikdy, &Uloha::Tk, nullptr},
    // The material.
    {Velicina::NazevMaterialu, DruhPole::Text, "cboMaterial", 2, id::Druh, nullptr, Kdy::Vzdy, 5, id::Material, 0, 0,
     "[-]", 0.0, 0.0, true, Kdy::Nikdy, nullptr, nullptr},
    // A density is needed for the mass from the dimensions; with a typed mass it is kept for
    // the file only, and none (0) will do.
    {Velicina::Gama, DruhPole::Cislo, "txtGama", 2, id::Gama, nullptr, Kdy::Vzdy, 10, id::SouborHustota, 0, 0,
     "[kg/m3]", 0.0, 1.0e5, false, Kdy::BezRozmeru, &Uloha::Gama, nullptr},
    {Velicina::c, DruhPole::Cislo, "txtc", 2, id::c, nullptr, Kdy::Vzdy, 8, id::SouborTeplKapacita, 0, 0, "[J/kg/K]",
     0.0, 1.0e5, false, Kdy::Nikdy, &Uloha::c, nullptr},
    {Velicina::Eps, DruhPole::Cislo, "txtEps", 2, id::Eps, nullptr, Kdy::Vzdy, 9, id::SouborEmisivita, 0, 0, "[-]",
     0.0, 1.0, false, Kdy::Nikdy, &Uloha::Eps, nullptr},
    // The same caption in both languages; only its tooltip is translated.
    {Velicina::KoefK, DruhPole::Cislo, "txtKoefK", 2, 0, "Korekční koe&ficient     [-]", Kdy::Vzdy, 0, 0, 0, 0,
     nullptr, 0.0, 1.0, false, Kdy::Nikdy, &Uloha::KoefK, nullptr},
    // No conductivity computes no core.
    {Velicina::Lambda, DruhPole::Cislo, "txtLambda", 2, id::Lambda, nullptr, Kdy::Vzdy, 0, 0, 0, 0, nullptr, 0.0,
     1.0e4, false, Kdy::Vzdy, &Uloha::Lambda, nullptr},
    // The mass, typed or from the dimensions.
    {Velicina::ZadaniHmotnosti, DruhPole::Kod, "optMza", 3, id::ZalozkaHmotnost, nullptr, Kdy::Vzdy, 11,
     id::SouborZadaniHmotnosti, 0, id::JednotkaZV, nullptr, 0.0, 0.0, true, Kdy::Nikdy, nullptr, nullptr},
    {Velicina::Profil, DruhPole::Kod, "optProfilO", 3, id::Profil, nullptr, Kdy::ZRozmeru, 12, id::SouborProfil, 0,
     id::JednotkaKCO, nullptr, 0.0, 0.0, true, Kdy::Nikdy, nullptr, nullptr},
    {Velicina::PocetProfilu, DruhPole::Pocet, "txtPocetProfilu", 3, id::PocetProfilu, nullptr, Kdy::ZRozmeru, 16,
     id::SouborPocetProfilu, 0, 0, "[-]", 1.0, kNejvetsiPocet, true, Kdy::Nikdy, nullptr, &Uloha::PocetProfilu},
    {Velicina::StranaA, DruhPole::Cislo, "txtA2", 3, 0, "A [m]", Kdy::ZRozmeru, 13, id::SouborStranaA,
     id::SouborPrumer, 0, "[m]", 0.0, 100.0, false, Kdy::Nikdy, &Uloha::StranaA, nullptr},
    {Velicina::StranaB, DruhPole::Cislo, "txtB2", 3, 0, "B [m]", Kdy::ZRozmeruObdelnik, 14, id::SouborStranaB, 0, 0,
     "[m]", 0.0, 100.0, false, Kdy::Nikdy, &Uloha::StranaB, nullptr},
    {Velicina::DelkaL, DruhPole::Cislo, "txtL2", 3, 0, "L [m]", Kdy::ZRozmeru, 15, id::SouborDelka, 0, 0, "[m]", 0.0,
     100.0, false, Kdy::Nikdy, &Uloha::DelkaL, nullptr},
    {Velicina::m, DruhPole::Cislo, "txtm", 3, id::m, nullptr, Kdy::Vzdy, 6, id::SouborHmotnost, 0, id::JednotkaKg,
     nullptr, 0.0, 1.0e6, false, Kdy::Nikdy, &Uloha::m, nullptr},
    // The surfaces.
    {Velicina::A, DruhPole::Cislo, "txtA", 4, id::A, nullptr, Kdy::Vzdy, 7, id::SouborPlocha, 0, id::JednotkaM2,
     nullptr, 0.0, 1.0e4, false, Kdy::Nikdy, &Uloha::A, nullptr},
    {Velicina::PocetAB, DruhPole::Pocet, "cboAB", 4, id::PocetAB, nullptr, Kdy::ZRozmeru, 17, id::SouborPocetAB, 0, 0,
     "[-]", 0.0, kNejvetsiPocet, true, Kdy::Nikdy, nullptr, &Uloha::PocetAB},
    {Velicina::PocetAL, DruhPole::Pocet, "cboAL", 4, id::PocetAL, nullptr, Kdy::ZRozmeru, 18, id::SouborPocetAL, 0, 0,
     "[-]", 0.0, kNejvetsiPocet, true, Kdy::Nikdy, nullptr, &Uloha::PocetAL},
    {Velicina::PocetBL, DruhPole::Pocet, "cboBL", 4, id::PocetBL, nullptr, Kdy::ZRozmeruObdelnik, 19,
     id::SouborPocetBL, 0, 0, "[-]", 0.0, kNejvetsiPocet, true, Kdy::Nikdy, nullptr, &Uloha::PocetBL},
    // The iteration step.
    {Velicina::CasKrok, DruhPole::Cislo, "txtCasKrok", 5, id::CasKrok, nullptr, Kdy::Vzdy, 4, id::SouborCasKrok, 0,
     id::JednotkaSekundy, nullptr, 0.0, 86400.0, false, Kdy::Nikdy, &Uloha::CasKrok, nullptr},
    // The furnace beyond the documented problem: written in a file's own section, never on a
    // numbered line. No installed power (0) is an unlimited one.
    {Velicina::Prikon, DruhPole::Cislo, "txtPrikon", 6, id::InstalovanyPrikon, nullptr, Kdy::Vzdy, 0, 0, 0, 0, nullptr, 0.0,
     1.0e6, false, Kdy::Vzdy, &Uloha::Prikon, nullptr},
    {Velicina::ZtratyPrikonu, DruhPole::Pocet, "txtZtratyPrikonu", 6, id::ZtratyPrikonu, nullptr, Kdy::Vzdy, 0, 0, 0,
     0, nullptr, 0.0, 1000.0, true, Kdy::Nikdy, nullptr, &Uloha::ZtratyPrikonu},
    {Velicina::Konvekce, DruhPole::Cislo, "txtKonvekce", 6, id::Konvekce, nullptr, Kdy::Vzdy, 0, 0, 0, 0, nullptr,
     0.0, 1000.0, true, Kdy::Nikdy, &Uloha::Konvekce, nullptr},
    // The percentage of losses that raises the power of a result; a whole number.
    {Velicina::Ztraty, DruhPole::Pocet, "cboZtraty", -1, id::Ztraty, nullptr, Kdy::Nikdy, 0, 0, 0, 0, nullptr, 0.0,
     kNejvetsiPocet, true, Kdy::Nikdy, nullptr, nullptr},
};

double naTriMista(float x) { return std::nearbyint(static_cast<double>(x) * 1000.0) / 1000.0; }

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
    if (auto z = zavada(Velicina::TeplotaKrivky,
                        ZkontrolujHodnotu(teplota, static_cast<double>(u.Krivka[0].Teplota), u), 0)) {
        return z;
    }
    for (int k = 1; k <= PocetUseku(u); ++k) {
        const auto i = static_cast<std::size_t>(k);
        if (auto z = zavada(Velicina::TeplotaKrivky,
                            ZkontrolujHodnotu(teplota, static_cast<double>(u.Krivka[i].Teplota), u), k)) {
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

// The surface the counted faces give equals the one held, at the precision of a written number
// (7 significant digits).
bool plochaSouhlasi(float a, float zPloch) {
    return std::fabs(static_cast<double>(a) - static_cast<double>(zPloch)) <= 1.0e-6 * std::fabs(static_cast<double>(zPloch));
}

}  // namespace

std::span<const PopisPole> PoleUlohy() { return kPole; }

const PopisPole& Pole(Velicina velicina) {
    for (const PopisPole& p : kPole) {
        if (p.velicina == velicina) {
            return p;
        }
    }
    return kPole[0];  // every Velicina has its row
}

bool Plati(Kdy kdy, const Uloha& u) {
    switch (kdy) {
        case Kdy::Vzdy:
            return true;
        case Kdy::Nikdy:
            return false;
        case Kdy::Nerizeny:
            return !u.Rizeny;
        case Kdy::Rizeny:
            return u.Rizeny;
        case Kdy::ZRozmeru:
            return u.zRozmeru();
        case Kdy::ZRozmeruObdelnik:
            return u.zRozmeru() && u.Profil == Profil::Obdelnikovy;
        case Kdy::BezRozmeru:
            return !u.zRozmeru();
    }
    return false;
}

double Hodnota(const PopisPole& pole, const Uloha& u) {
    if (pole.cislo != nullptr) {
        return static_cast<double>(u.*pole.cislo);
    }
    if (pole.pocet != nullptr) {
        return static_cast<double>(u.*pole.pocet);
    }
    return 0.0;
}

std::optional<Vada> ZkontrolujHodnotu(const PopisPole& pole, double x, const Uloha& u) {
    if (std::isnan(x)) {
        return Vada::NekonecnaHodnota;
    }
    if (pole.druh == DruhPole::Pocet && std::isfinite(x) && x != std::nearbyint(x)) {
        return Vada::NeniCele;
    }
    if (x == 0.0 && Plati(pole.nic, u)) {
        return std::nullopt;
    }
    if (x < pole.min || (x == pole.min && !pole.minVcetne)) {
        return Vada::PodRozsahem;
    }
    if (x > pole.max) {
        return Vada::NadRozsahem;
    }
    return std::nullopt;
}

int NejvicPloch(Velicina pocet, const Uloha& u) {
    const int n = u.PocetProfilu;
    if (pocet == Velicina::PocetAL) {
        // One mantle per cylinder, four long faces per square bar, two A*L faces per rectangle.
        return u.Profil == Profil::Kruhovy ? n : (u.Profil == Profil::Ctvercovy ? 4 * n : 2 * n);
    }
    return 2 * n;
}

std::optional<Zavada> ZkontrolujHodnoty(const Uloha& u) {
    for (const PopisPole& p : kPole) {
        if (!Plati(p.kdy, u)) {
            continue;
        }
        switch (p.druh) {
            case DruhPole::Text:
                break;
            case DruhPole::Kod:
                if ((p.velicina == Velicina::ZadaniHmotnosti && u.ZadaniHmotnosti == ZadaniHmotnosti::Nezvoleno) ||
                    (p.velicina == Velicina::Profil && u.Profil == Profil::Zadny)) {
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
                if (auto z = zavada(p.velicina, ZkontrolujHodnotu(p, Hodnota(p, u), u))) {
                    return z;
                }
                if (p.druh == DruhPole::Pocet && p.velicina != Velicina::PocetProfilu &&
                    p.velicina != Velicina::ZtratyPrikonu &&
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
    if (u.Tk < u.Tv) {
        return Zavada{Velicina::Tk, Vada::PodTv, 0, {}};
    }
    if (u.zRozmeru()) {
        // Counted faces make the surface; none counted leaves it to the field.
        const bool obdelnik = u.Profil == Profil::Obdelnikovy;
        if (u.PocetAB > 0 || u.PocetAL > 0 || (obdelnik && u.PocetBL > 0)) {
            Uloha zPloch = u;
            TeplosmennaPlocha(zPloch);
            if (!plochaSouhlasi(u.A, zPloch.A)) {
                return Zavada{Velicina::A, Vada::PlochaNesouhlasi, 0, {}};
            }
        }
        const float celkova = CelkovaPlochaProfilu(u).value_or(0.0f);
        const bool vetsi = pravidlo == Pravidlo::Ok ? naTriMista(u.A) > naTriMista(celkova) : u.A > celkova;
        if (vetsi) {
            return Zavada{Velicina::A, Vada::PlochaVetsi, 0, {}};
        }
    }
    // The charge only nears the furnace temperature: a Tk at or above the hottest furnace is
    // never reached (a charge already at Tk is reached in one step).
    if (u.Tk > u.Tv && !(NejvyssiTeplotaPece(u) > u.Tk)) {
        return Zavada{Velicina::Tk, Vada::Nedosazitelna, 0, {}};
    }
    return std::nullopt;
}

}  // namespace zorvet
