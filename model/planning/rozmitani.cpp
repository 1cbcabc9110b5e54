#include "model/planning/rozmitani.h"

#include <algorithm>
#include <atomic>
#include <charconv>
#include <cmath>
#include <condition_variable>
#include <mutex>
#include <thread>

#include "model/load/usporadani.h"
#include "model/march/pochod_pruhu.h"
#include "model/planning/planovani.h"

namespace zorvet {

namespace {

// The lining the part has of its own (a roof or a hearth lined as the walls has none); none
// without a furnace.
template <class U>
auto vlastniVyzdivka(U& u, CastPece cast) -> decltype(&u.Pec->Steny) {
    if (!u.Pec) {
        return nullptr;
    }
    return cast == CastPece::Strop ? &u.Pec->Strop : cast == CastPece::Nistej ? &u.Pec->Nistej : &u.Pec->Steny;
}

// Points od..od+n-1 of the sweep (at most a lane's worth), computed together, into body; the rows
// of each are let go as soon as its row of the sweep is taken from them.
void spoctiSkupinu(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t od, std::size_t n,
                    BodRozmitani* body) {
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
    // A row of the sweep shows no furnace of the steps the installed power limits.
    MoznostiBehu moznosti;
    moznosti.pecOmezenych = false;
    std::vector<VysledekVypoctu> vysledky = SpoctiVice(ulohy, moznosti);
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
            if (v->Usporadani && v->Usporadani->casCyklu > 0.0) {
                bod.casCyklu = v->Usporadani->casCyklu;
                bod.teploProdlevy = v->Usporadani->teploProdlevy;
            }
        }
        bod.vypocet.vysledek.reset();
    }
}

// Points od..od+n-1 of the sweep, kPruhu at a time (one to a lane where the lanes take them).
std::vector<BodRozmitani> spoctiBody(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t od,
                                     std::size_t n) {
    std::vector<BodRozmitani> body(n);
    for (std::size_t j = 0; j < n; j += kPruhu) {
        spoctiSkupinu(zaklad, osy, od + j, std::min(kPruhu, n - j), body.data() + j);
    }
    return body;
}

// Points are taken in blocks of whole lanes: a thread takes a block at a time and hands it over
// whole, so the threads meet once a block, not once a point.
constexpr std::size_t kNejvetsiBlok = 16 * kPruhu;

using Zapis = std::function<bool(std::size_t, const BodRozmitani&)>;

// The block: as large as keeps every thread busy to the end, in whole lanes.
std::size_t velikostBloku(std::size_t n, unsigned vlaken) {
    const std::size_t naVlakno = n / (8 * std::max(1u, vlaken));
    return std::clamp<std::size_t>(naVlakno / kPruhu * kPruhu, kPruhu, kNejvetsiBlok);
}

// On the calling thread: the points in turn, until zapis says stop.
void rozmitejSam(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t n, const Zapis& zapis) {
    const std::size_t blok = velikostBloku(n, 1);
    for (std::size_t i = 0; i < n; i += blok) {
        const std::vector<BodRozmitani> body = spoctiBody(zaklad, osy, i, std::min(blok, n - i));
        for (std::size_t j = 0; j < body.size(); ++j) {
            if (!zapis(i + j, body[j])) {
                return;
            }
        }
    }
}

// The blocks computed by the threads and handed over in their order on the calling thread: those
// computed and not yet handed over wait in a ring of a few per thread.
class Kruh {
public:
    Kruh(std::size_t n, unsigned vlaken)
        : n_(n), blok_(velikostBloku(n, vlaken)), okno_(4 * static_cast<std::size_t>(vlaken)), kruh_(okno_) {}

    // A thread's work: the next block, computed once the ring has room for it.
    void pracuj(const Uloha& zaklad, std::span<const OsaRozmitani> osy) {
        for (;;) {
            const std::size_t b = dalsi_.fetch_add(1);
            const std::size_t i = b * blok_;
            if (i >= n_) {
                return;
            }
            {
                std::unique_lock z(zamek_);
                volno_.wait(z, [&] { return konec_ || b < predano_ + okno_; });
                if (konec_) {
                    return;
                }
            }
            std::vector<BodRozmitani> body = spoctiBody(zaklad, osy, i, std::min(blok_, n_ - i));
            {
                const std::lock_guard z(zamek_);
                kruh_[b % okno_] = std::move(body);
            }
            hotovo_.notify_one();
        }
    }

    // The calling thread's: each point in its turn to zapis, until it says stop.
    void predavej(const Zapis& zapis) {
        for (std::size_t b = 0; b * blok_ < n_; ++b) {
            std::optional<std::vector<BodRozmitani>> body;
            {
                std::unique_lock z(zamek_);
                hotovo_.wait(z, [&] { return kruh_[b % okno_].has_value(); });
                body = std::move(kruh_[b % okno_]);
                kruh_[b % okno_].reset();
            }
            bool dal = true;
            for (std::size_t j = 0; j < body->size() && dal; ++j) {
                dal = zapis(b * blok_ + j, (*body)[j]);
            }
            {
                const std::lock_guard z(zamek_);
                predano_ = b + 1;
                konec_ = !dal;
            }
            volno_.notify_all();
            if (!dal) {
                return;
            }
        }
    }

private:
    std::size_t n_;
    std::size_t blok_;
    std::size_t okno_;
    std::vector<std::optional<std::vector<BodRozmitani>>> kruh_;
    std::mutex zamek_;
    std::condition_variable hotovo_, volno_;
    std::size_t predano_ = 0;  // the blocks handed over
    std::atomic<std::size_t> dalsi_{0};
    bool konec_ = false;
};

// Why a quantity is refused, without the total of points.
VadaOs vadaOsy(const Uloha& zaklad, std::span<const RozsahOsy> rozsahy, std::size_t a, std::size_t nejvice,
               std::optional<std::vector<double>>& hodnoty) {
    const RozsahOsy& r = rozsahy[a];
    if (LzeMenit(zaklad, r.pole->velicina) != Nemenitelna::Ne) {
        return VadaOs::Nemenitelna;
    }
    if (r.pole->velicina == Velicina::TloustkaVrstvy) {
        const Vyzdivka& vlastni = *vlastniVyzdivka(zaklad, r.vrstva.cast);
        if (vlastni.empty() && r.vrstva.cast != CastPece::Steny) {
            return VadaOs::JakoSteny;
        }
        if (r.vrstva.cislo < 1 || static_cast<std::size_t>(r.vrstva.cislo) > vlastni.size()) {
            return VadaOs::BezVrstvy;
        }
    }
    for (std::size_t b = 0; b < a; ++b) {
        if (rozsahy[b].pole == r.pole && rozsahy[b].vrstva == r.vrstva) {
            return VadaOs::Dvakrat;
        }
    }
    hodnoty = HodnotyRozmitani(r.od, r.po, r.krok, nejvice);
    return hodnoty ? VadaOs::Zadna : VadaOs::Rozsah;
}

}  // namespace

OsyRozmitani PripravOsy(const Uloha& zaklad, std::span<const RozsahOsy> rozsahy, std::size_t nejvice) {
    OsyRozmitani o;
    for (std::size_t a = 0; a < rozsahy.size(); ++a) {
        std::optional<std::vector<double>> hodnoty;
        o.vada = vadaOsy(zaklad, rozsahy, a, nejvice, hodnoty);
        if (o.vada != VadaOs::Zadna) {
            o.osa = a;
            o.osy.clear();
            return o;
        }
        o.osy.push_back({rozsahy[a].pole, std::move(*hodnoty), rozsahy[a].vrstva});
    }
    o.bodu = PocetBodu(o.osy);
    if (o.bodu > nejvice) {
        o.vada = VadaOs::Bodu;
        o.osy.clear();
    }
    return o;
}

namespace {

constexpr std::string_view kVrstva = "layer";
// The prefix of a part's layers: the walls' have none.
constexpr std::array<std::string_view, 3> kPredpona{"", "roof-", "hearth-"};

}  // namespace

std::optional<Rozmitana> RozmitanaNazvu(std::string_view nazev) {
    const PopisPole& vrstvy = Pole(Velicina::TloustkaVrstvy);
    for (std::size_t c = kPredpona.size(); c-- > 0;) {
        std::string_view zbytek = nazev;
        if (!zbytek.starts_with(kPredpona[c]) || !zbytek.substr(kPredpona[c].size()).starts_with(kVrstva)) {
            continue;
        }
        zbytek.remove_prefix(kPredpona[c].size() + kVrstva.size());
        int cislo = 0;
        const auto [konec, chyba] = std::from_chars(zbytek.data(), zbytek.data() + zbytek.size(), cislo);
        if (chyba != std::errc{} || konec != zbytek.data() + zbytek.size() || zbytek.starts_with('+') ||
            zbytek.starts_with('0') || cislo < 1) {
            return std::nullopt;
        }
        return Rozmitana{&vrstvy, {kCastiPece[c], cislo}};
    }
    const PopisPole* pole = PoleNazvu(nazev);
    if (pole == nullptr || pole == &vrstvy) {
        return std::nullopt;
    }
    return Rozmitana{pole, {}};
}

std::string NazevRozmitane(const PopisPole& pole, VrstvaOsy vrstva) {
    if (pole.velicina != Velicina::TloustkaVrstvy) {
        return pole.nazev != nullptr ? pole.nazev : "";
    }
    return std::string(kPredpona[static_cast<std::size_t>(vrstva.cast)]) + std::string(kVrstva) +
           std::to_string(vrstva.cislo);
}

std::vector<std::string> VrstvyRozmitani(const Uloha& u) {
    std::vector<std::string> nazvy;
    if (!u.Pec) {
        return nazvy;
    }
    for (const CastPece cast : kCastiPece) {
        const Vyzdivka& v = *vlastniVyzdivka(u, cast);
        for (std::size_t n = 1; n <= v.size(); ++n) {
            nazvy.push_back(NazevRozmitane(Pole(Velicina::TloustkaVrstvy), {cast, static_cast<int>(n)}));
        }
    }
    return nazvy;
}

double HodnotaRozmitane(const Uloha& u, const PopisPole& pole, VrstvaOsy vrstva) {
    if (pole.velicina != Velicina::TloustkaVrstvy) {
        return Hodnota(pole, u);
    }
    const Vyzdivka* v = vlastniVyzdivka(u, vrstva.cast);
    const auto i = static_cast<std::size_t>(vrstva.cislo - 1);
    return v != nullptr && vrstva.cislo >= 1 && i < v->size() ? static_cast<double>((*v)[i].Tloustka) : 0.0;
}

void NastavRozmitanou(Uloha& u, const PopisPole& pole, VrstvaOsy vrstva, double hodnota) {
    if (pole.velicina != Velicina::TloustkaVrstvy) {
        NastavHodnotu(u, pole, hodnota);
        return;
    }
    Vyzdivka* v = vlastniVyzdivka(u, vrstva.cast);
    const auto i = static_cast<std::size_t>(vrstva.cislo - 1);
    if (v != nullptr && vrstva.cislo >= 1 && i < v->size()) {
        (*v)[i].Tloustka = static_cast<float>(hodnota);
    }
}

std::optional<std::vector<double>> HodnotyRozmitani(double od, double po, double krok, std::size_t nejvice) {
    if (!std::isfinite(od) || !std::isfinite(po) || !std::isfinite(krok) || !(krok > 0.0)) {
        return std::nullopt;
    }
    const double kroku = std::floor(std::fabs(po - od) / krok + 1e-6);
    if (!(kroku < static_cast<double>(nejvice))) {
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
        NastavRozmitanou(u, *osy[a].pole, osy[a].vrstva, osy[a].hodnoty[i % osy[a].hodnoty.size()]);
        i /= osy[a].hodnoty.size();
    }
    // A sweep of the arrangement sweeps the load with it.
    KusySleduji(zaklad, u);
    return u;
}

void Rozmitej(const Uloha& zaklad, std::span<const OsaRozmitani> osy, const Zapis& zapis, unsigned vlaken) {
    const std::size_t n = PocetBodu(osy);
    if (vlaken == 0) {
        vlaken = std::max(1u, std::thread::hardware_concurrency());
    }
    vlaken = static_cast<unsigned>(std::min<std::size_t>(vlaken, std::max<std::size_t>(n, 1)));
    if (vlaken <= 1) {
        rozmitejSam(zaklad, osy, n, zapis);
        return;
    }
    Kruh kruh(n, vlaken);
    std::vector<std::jthread> prace;
    for (unsigned t = 0; t < vlaken; ++t) {
        prace.emplace_back([&] { kruh.pracuj(zaklad, osy); });
    }
    kruh.predavej(zapis);
}

}  // namespace zorvet
