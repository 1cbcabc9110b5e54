#include "model/planning/rozmitani.h"

#include <algorithm>
#include <atomic>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "model/march/pochod_ctyri.h"

namespace zorvet {

namespace {

// Points od..od+n-1 of the sweep, computed together (four at a time where the lanes take them).
std::vector<BodRozmitani> spoctiBody(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t od,
                                     std::size_t n) {
    std::vector<BodRozmitani> body(n);
    std::vector<Uloha> ulohy;
    std::vector<std::size_t> pocitane;
    for (std::size_t j = 0; j < n; ++j) {
        BodRozmitani& bod = body[j];
        Uloha u = UlohaBodu(zaklad, osy, od + j);
        std::size_t zbytek = od + j;
        for (std::size_t a = osy.size(); a-- > 0;) {
            bod.hodnoty[a] = osy[a].hodnoty[zbytek % osy[a].hodnoty.size()];
            zbytek /= osy[a].hodnoty.size();
        }
        // A swept value is a typed one: an installed power of 0 is refused, not taken for none.
        bool odmitnut = false;
        for (std::size_t a = 0; a < osy.size() && !odmitnut; ++a) {
            if (const std::optional<Vada> vada = ZkontrolujZadanou(*osy[a].pole, bod.hodnoty[a], u)) {
                bod.vypocet.konec = KonecVypoctu::Odmitnuto;
                bod.vypocet.zavada = Zavada{osy[a].pole->velicina, *vada, 0, {}};
                odmitnut = true;
            }
        }
        if (!odmitnut) {
            ulohy.push_back(std::move(u));
            pocitane.push_back(j);
        }
    }
    std::vector<VysledekVypoctu> vysledky = SpoctiVice(ulohy);
    for (std::size_t q = 0; q < pocitane.size(); ++q) {
        BodRozmitani& bod = body[pocitane[q]];
        bod.vypocet = std::move(vysledky[q]);
        if (const std::shared_ptr<Vysledek>& v = bod.vypocet.vysledek) {
            bod.spocten = true;
            bod.cas = v->casOhrevu();
            if (v->Jadro && v->Jadro->konec == KonecJadra::Dosazeno) {
                bod.casJadra = v->Jadro->cas;
            }
            bod.vykon = VykonASpotreba(*v);
        }
        bod.vypocet.vysledek.reset();
    }
    return body;
}

// Points are taken this many at a time: one to a lane.
constexpr std::size_t kNaJednou = kPruhu;

}  // namespace

std::optional<std::vector<double>> HodnotyRozmitani(double od, double po, double krok) {
    if (!std::isfinite(od) || !std::isfinite(po) || !std::isfinite(krok) || !(krok > 0.0)) {
        return std::nullopt;
    }
    const double kroku = std::floor(std::fabs(po - od) / krok + 1e-6);
    if (!(kroku < static_cast<double>(kNejviceBodu))) {
        return std::nullopt;
    }
    const double smer = po < od ? -1.0 : 1.0;
    std::vector<double> hodnoty;
    hodnoty.reserve(static_cast<std::size_t>(kroku) + 1);
    for (double i = 0.0; i <= kroku; i += 1.0) {
        hodnoty.push_back(od + smer * i * krok);
    }
    return hodnoty;
}

std::size_t PocetBodu(std::span<const OsaRozmitani> osy) {
    std::size_t n = osy.empty() ? 0 : 1;
    for (const OsaRozmitani& o : osy) {
        n *= o.hodnoty.size();
    }
    return n;
}

Uloha UlohaBodu(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i) {
    Uloha u = zaklad;
    for (std::size_t a = osy.size(); a-- > 0;) {
        NastavHodnotu(u, *osy[a].pole, osy[a].hodnoty[i % osy[a].hodnoty.size()]);
        i /= osy[a].hodnoty.size();
    }
    return u;
}

void Rozmitej(const Uloha& zaklad, std::span<const OsaRozmitani> osy,
              const std::function<bool(std::size_t, const BodRozmitani&)>& zapis, unsigned vlaken) {
    const std::size_t n = PocetBodu(osy);
    if (vlaken == 0) {
        vlaken = std::max(1u, std::thread::hardware_concurrency());
    }
    vlaken = static_cast<unsigned>(std::min<std::size_t>(vlaken, std::max<std::size_t>(n, 1)));
    if (vlaken <= 1) {
        for (std::size_t i = 0; i < n; i += kNaJednou) {
            const std::vector<BodRozmitani> body = spoctiBody(zaklad, osy, i, std::min(kNaJednou, n - i));
            for (std::size_t j = 0; j < body.size(); ++j) {
                if (!zapis(i + j, body[j])) {
                    return;
                }
            }
        }
        return;
    }
    // The points computed and not yet handed over wait in a ring of a few per thread.
    const std::size_t okno = 64 * static_cast<std::size_t>(vlaken);
    std::vector<std::optional<BodRozmitani>> kruh(okno);
    std::mutex zamek;
    std::condition_variable hotovo, volno;
    std::size_t predano = 0;  // the points handed over
    std::atomic<std::size_t> dalsi{0};
    bool konec = false;
    const auto pracuj = [&] {
        for (;;) {
            const std::size_t i = dalsi.fetch_add(kNaJednou);
            if (i >= n) {
                return;
            }
            const std::size_t pocet = std::min(kNaJednou, n - i);
            {
                std::unique_lock z(zamek);
                volno.wait(z, [&] { return konec || i + pocet <= predano + okno; });
                if (konec) {
                    return;
                }
            }
            std::vector<BodRozmitani> body = spoctiBody(zaklad, osy, i, pocet);
            {
                const std::lock_guard z(zamek);
                for (std::size_t j = 0; j < pocet; ++j) {
                    kruh[(i + j) % okno] = std::move(body[j]);
                }
            }
            hotovo.notify_one();
        }
    };
    std::vector<std::jthread> prace;
    for (unsigned t = 0; t < vlaken; ++t) {
        prace.emplace_back(pracuj);
    }
    for (std::size_t i = 0; i < n; ++i) {
        std::optional<BodRozmitani> bod;
        {
            std::unique_lock z(zamek);
            hotovo.wait(z, [&] { return kruh[i % okno].has_value(); });
            bod = std::move(kruh[i % okno]);
            kruh[i % okno].reset();
        }
        const bool dal = zapis(i, *bod);
        {
            const std::lock_guard z(zamek);
            predano = i + 1;
            konec = !dal;
        }
        volno.notify_all();
        if (!dal) {
            break;
        }
    }
}

}  // namespace zorvet
