#include "model/planovani.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "model/geometrie.h"

namespace zorvet {

namespace {

// Bisection of a monotone question to its boundary: splne(x) holds on one side only. dobre is
// a value where it holds, spatne one where it does not; returns the one that holds, within the
// relative (or, at zero, absolute) tolerance.
double rozpul(const std::function<bool(double)>& splne, double dobre, double spatne, double relativni,
              double absolutni) {
    for (int i = 0; i < 200; ++i) {
        if (std::fabs(dobre - spatne) <= std::max(relativni * std::fabs(dobre), absolutni)) {
            break;
        }
        const double stred = (dobre + spatne) / 2.0;
        (splne(stred) ? dobre : spatne) = stred;
    }
    return dobre;
}

}  // namespace

Reseni Spocti(Uloha u) {
    Reseni r;
    OdvodUlohu(u);
    r.zavada = PrijmiUlohu(u);
    if (r.zavada) {
        return r;
    }
    r.vypocet = Vypocet(u);
    if (r.vypocet.konec != KonecVypoctu::Uspech) {
        return r;
    }
    const Vysledek& v = *r.vypocet.vysledek;
    if (!r.vypocet.jadro) {
        r.cas = static_cast<double>(v.Vysledky.Cas[static_cast<std::size_t>(v.posledniRadek())]);
    } else if (*r.vypocet.jadro == KonecJadra::Dosazeno && v.Jadro) {
        r.cas = v.Jadro->cas;
    }
    return r;
}

bool NastavHodnotu(Uloha& u, Velicina velicina, double hodnota) {
    const PopisPole& p = Pole(velicina);
    if (p.velicina != velicina || (velicina == Velicina::Tpece && u.Rizeny)) {
        return false;
    }
    if (p.cislo != nullptr) {
        u.*p.cislo = static_cast<float>(hodnota);
        return true;
    }
    if (p.pocet != nullptr && std::isfinite(hodnota) && std::fabs(hodnota) <= 32767.0) {
        u.*p.pocet = static_cast<std::int16_t>(std::lround(hodnota));
        return true;
    }
    return false;
}

VysledekHledani HledejCil(const Uloha& u, Velicina co, double cas) {
    VysledekHledani h;
    if (co == Velicina::Tpece && u.Rizeny) {
        h.konec = KonecHledani::RizenaPec;
        return h;
    }
    if (co == Velicina::m && u.zRozmeru()) {
        h.konec = KonecHledani::HmotnostZRozmeru;
        return h;
    }
    // The problem as it is must compute: a fault of its own is no answer of the goal seek.
    h.reseni = Spocti(u);
    if (h.reseni.zavada || (h.reseni.vypocet.konec != KonecVypoctu::Uspech &&
                            h.reseni.vypocet.konec != KonecVypoctu::Preteceni)) {
        return h;
    }
    const auto sHodnotou = [&](double x) {
        Uloha w = u;
        NastavHodnotu(w, co, co == Velicina::Prikon ? x / 1000.0 : x);
        return w;
    };
    const auto splne = [&](double x) {
        const Reseni r = Spocti(sHodnotou(x));
        return r.uspech() && *r.cas <= cas;
    };
    double dobre = 0.0, spatne = 0.0;
    if (co == Velicina::m) {
        const double nejvic = Pole(Velicina::m).max;
        double x = static_cast<double>(u.m);
        if (splne(x)) {
            while (splne(std::min(2.0 * x, nejvic)) && x < nejvic) {
                x = std::min(2.0 * x, nejvic);
            }
            dobre = x;
            spatne = std::min(2.0 * x, nejvic);
            if (dobre == nejvic) {
                spatne = dobre;
            }
        } else {
            while (!splne(x / 2.0)) {
                x /= 2.0;
                if (x < 1e-6) {
                    h.konec = KonecHledani::Nelze;
                    return h;
                }
            }
            dobre = x / 2.0;
            spatne = x;
        }
        h.hodnota = rozpul(splne, dobre, spatne, 1e-4, 0.0);
    } else if (co == Velicina::Tpece) {
        if (!splne(kNejvyssiCilovaPec)) {
            h.konec = KonecHledani::Nelze;
            return h;
        }
        h.hodnota = rozpul(splne, kNejvyssiCilovaPec, static_cast<double>(u.Tk), 0.0, 0.05);
    } else if (co == Velicina::Prikon) {
        // Unlimited first: a power that never limits a step meets the time if anything does.
        Uloha bez = u;
        bez.Prikon = 0.0f;
        const Reseni r = Spocti(bez);
        if (!r.uspech() || *r.cas > cas) {
            h.konec = KonecHledani::Nelze;
            return h;
        }
        const Vysledek& v = *r.vypocet.vysledek;
        const double ak = static_cast<double>(u.A) * static_cast<double>(u.KoefK);
        double nejvic = 0.0;
        for (std::size_t k = 1; k <= static_cast<std::size_t>(v.posledniRadek()); ++k) {
            const double tm = (static_cast<double>(v.Vysledky.TeplotaVsazky[k - 1]) +
                               static_cast<double>(v.Vysledky.TeplotaVsazky[k])) / 2.0;
            nejvic = std::max(nejvic, static_cast<double>(v.Vysledky.Alfa[k]) * ak *
                                          (static_cast<double>(v.TeplotaPece[k]) - tm));
        }
        dobre = nejvic * (1.0 + static_cast<double>(u.ZtratyPrikonu) / 100.0) * 1.001 + 1.0;
        spatne = dobre / 2.0;
        while (splne(spatne)) {
            dobre = spatne;
            spatne /= 2.0;
            if (spatne < 1e-3) {
                break;
            }
        }
        h.hodnota = rozpul(splne, dobre, spatne, 1e-4, 0.0);
    } else {
        return h;
    }
    h.reseni = Spocti(sHodnotou(h.hodnota));
    h.konec = h.reseni.uspech() ? KonecHledani::Nalezeno : KonecHledani::Odmitnuto;
    return h;
}

std::optional<double> TeplotaVCase(const Vysledek& v, double cas) {
    const double krok = static_cast<double>(v.Uloha.CasKrok);
    const int posledni = v.posledniRadek();
    if (!(krok > 0.0) || cas < 0.0 || cas > static_cast<double>(v.Vysledky.Cas[static_cast<std::size_t>(posledni)])) {
        return std::nullopt;
    }
    const auto i = std::min(static_cast<std::size_t>(cas / krok), static_cast<std::size_t>(std::max(posledni - 1, 0)));
    const double t0 = static_cast<double>(v.Vysledky.Cas[i]);
    const double t1 = static_cast<double>(v.Vysledky.Cas[i + 1]);
    const double y0 = static_cast<double>(v.Vysledky.TeplotaVsazky[i]);
    const double y1 = static_cast<double>(v.Vysledky.TeplotaVsazky[i + 1]);
    return y0 + (y1 - y0) * (cas - t0) / (t1 - t0);
}

VysledekPrizpusobeni PrizpusobEmisivitu(const Uloha& u, std::span<const BodMereni> log) {
    VysledekPrizpusobeni vysledek;
    if (log.empty()) {
        return vysledek;
    }
    Uloha zaklad = u;
    OdvodUlohu(zaklad);
    // A measured furnace: linear between its logged times, held after the last.
    std::function<float(long)> pec;
    std::vector<std::pair<double, double>> body;
    for (const BodMereni& b : log) {
        if (b.pec) {
            body.emplace_back(b.cas, *b.pec);
        }
    }
    if (!body.empty()) {
        const double krok = static_cast<double>(zaklad.CasKrok);
        pec = [body, krok](long k) {
            const double t = static_cast<double>(k) * krok;
            const auto za = std::upper_bound(body.begin(), body.end(), t,
                                             [](double x, const std::pair<double, double>& b) { return x < b.first; });
            if (za == body.begin()) {
                return static_cast<float>(body.front().second);
            }
            if (za == body.end()) {
                return static_cast<float>(body.back().second);
            }
            const auto& [t0, y0] = *(za - 1);
            const auto& [t1, y1] = *za;
            return static_cast<float>(y0 + (y1 - y0) * (t - t0) / (t1 - t0));
        };
    }
    MoznostiBehu moznosti;
    moznosti.doCasu = log.back().cas;
    moznosti.pec = pec ? &pec : nullptr;
    moznosti.bezJadra = true;
    std::shared_ptr<const Vysledek> nejlepsi;
    const auto odchylka = [&](double eps, std::shared_ptr<const Vysledek>* prubeh) {
        Uloha w = zaklad;
        w.Eps = static_cast<float>(eps);
        VysledekVypoctu r = Vypocet(w, moznosti);
        if (r.konec != KonecVypoctu::Uspech) {
            vysledek.selhani = r;
            return std::numeric_limits<double>::infinity();
        }
        double soucet = 0.0;
        for (const BodMereni& b : log) {
            const std::optional<double> t = TeplotaVCase(*r.vysledek, b.cas);
            if (!t) {
                return std::numeric_limits<double>::infinity();
            }
            soucet += (*t - b.teplota) * (*t - b.teplota);
        }
        if (prubeh != nullptr) {
            *prubeh = std::move(r.vysledek);
        }
        return std::sqrt(soucet / static_cast<double>(log.size()));
    };
    // Golden-section search over the emissivity.
    const double zlaty = (std::sqrt(5.0) - 1.0) / 2.0;
    double a = 0.001, b = 1.0;
    double x1 = b - zlaty * (b - a), x2 = a + zlaty * (b - a);
    double f1 = odchylka(x1, nullptr), f2 = odchylka(x2, nullptr);
    while (b - a > 1e-5) {
        if (f1 <= f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - zlaty * (b - a);
            f1 = odchylka(x1, nullptr);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + zlaty * (b - a);
            f2 = odchylka(x2, nullptr);
        }
    }
    // The ends of the range are candidates too: the best fit may lie on the boundary.
    double eps = (a + b) / 2.0;
    double rms = odchylka(eps, &nejlepsi);
    std::shared_ptr<const Vysledek> naKonci;
    if (const double f = odchylka(1.0, &naKonci); f < rms) {
        eps = 1.0;
        rms = f;
        nejlepsi = std::move(naKonci);
    }
    if (!std::isfinite(rms) || !nejlepsi) {
        return vysledek;
    }
    vysledek.uspech = true;
    vysledek.eps = eps;
    vysledek.rms = rms;
    vysledek.prubeh = std::move(nejlepsi);
    return vysledek;
}

}  // namespace zorvet
