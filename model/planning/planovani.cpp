#include "model/planning/planovani.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <utility>
#include <vector>

#include "model/conduction/jadro.h"

namespace zorvet {

namespace {

// Bisection of a monotone question to its boundary: splne(x) holds on one side only. dobre is
// a value where it holds, spatne one where it does not; both move to the boundary, within the
// relative (or, at zero, absolute) tolerance.
bool rozpul(const std::function<bool(double)>& splne, double& dobre, double& spatne, double relativni,
            double absolutni, const std::function<bool()>& pokracovat) {
    for (int i = 0; i < 200; ++i) {
        if (std::fabs(dobre - spatne) <= std::max(relativni * std::fabs(dobre), absolutni)) {
            break;
        }
        if (pokracovat && !pokracovat()) {
            return false;
        }
        const double stred = (dobre + spatne) / 2.0;
        (splne(stred) ? dobre : spatne) = stred;
    }
    return true;
}

}  // namespace

Nemenitelna LzeMenit(const Uloha& u, Velicina velicina) {
    const PopisPole& p = Pole(velicina);
    if (p.nazev == nullptr && p.volba == nullptr) {
        return Nemenitelna::NeniVelicina;
    }
    return Plati(p.menitelna, u) ? Nemenitelna::Ne : Nemenitelna::Pripadem;
}

std::pair<double, double> RozsahHledani(const PopisPole& pole, const Uloha& u) {
    const CilPole& c = pole.cil;
    const double od = c.odPole != nullptr ? static_cast<double>(u.*c.odPole) : c.od != 0.0 ? c.od : pole.min;
    return {od, c.po != 0.0 ? c.po : pole.max};
}

namespace {

// One goal seek as it runs: the case, the field sought, its range and the time to meet.
struct Hledac {
    const Uloha& u;
    const PopisPole& pole;
    double cas;
    const std::function<bool()>& pokracovat;
    std::pair<double, double> rozsah = RozsahHledani(pole, u);

    Uloha sHodnotou(double x) const {
        Uloha w = u;
        NastavHodnotu(w, pole, x);
        return w;
    }
    // With a soak the time to meet is the cycle's.
    bool splneno(const VysledekVypoctu& r) const { return r.uspech() && *r.vysledek->casCyklu() <= cas; }
    // A trial: no advice on the time step is needed.
    bool splne(double x) const {
        MoznostiBehu pokus;
        pokus.radaKroku = false;
        return splneno(Spocti(sHodnotou(x), pokus));
    }
    bool dal() const { return !pokracovat || pokracovat(); }
    // A larger value takes longer (a mass), or a smaller one does (a furnace, a power).
    bool vetsiDele() const { return pole.hledani == Hledani::Mensi; }
};

// The values on either side of the boundary: dobre meets the time, spatne does not.
struct Zavorka {
    double dobre = 0.0;
    double spatne = 0.0;
};

// The favourable end of the range: the value that meets the time if any does. A field whose 0
// is none (an unlimited power) has it there.
double priznivyKraj(const Hledac& s) {
    if (s.pole.cil.zacatek == ZacatekHledani::Tok) {
        return 0.0;
    }
    return s.vetsiDele() ? s.rozsah.first : s.rozsah.second;
}

// Nothing at the favourable end meets the time: the table, the installed power (when the case
// without it would), or nothing can.
VysledekHledani nelze(const Hledac& s, double kraj, VysledekVypoctu r, VysledekHledani h) {
    if (r.konec != KonecVypoctu::Preteceni) {
        Uloha neomezena = s.sHodnotou(kraj);
        if (neomezena.Prikon > 0.0f) {
            neomezena.Prikon = 0.0f;
            if (s.splneno(Spocti(neomezena))) {
                h.konec = KonecHledani::Prikonem;
                h.reseni = std::move(r);
                return h;
            }
        }
    }
    h.konec = r.konec == KonecVypoctu::Preteceni ? KonecHledani::Tabulkou : KonecHledani::Nelze;
    h.reseni = std::move(r);
    return h;
}

// The most heat the charge took in a step of a run, as a power that covers the losses too; a
// core takes its heat later, so more may be needed.
double nejvetsiTok(const Vysledek& v, const Uloha& u) {
    const double ak = static_cast<double>(u.A) * static_cast<double>(u.KoefK);
    double nejvic = 0.0;
    for (std::size_t k = 1; k <= static_cast<std::size_t>(v.posledniRadek()); ++k) {
        const double tm = (static_cast<double>(v.Vysledky.TeplotaVsazky[k - 1]) +
                           static_cast<double>(v.Vysledky.TeplotaVsazky[k])) / 2.0;
        nejvic = std::max(nejvic, static_cast<double>(v.Vysledky.Alfa[k]) * ak *
                                      (static_cast<double>(v.TeplotaPece[k]) - tm));
    }
    return nejvic * (1.0 + static_cast<double>(u.Ztraty) / 100.0) * 1.001 + 1.0;
}

// From x, doubling or halving within the range: towards values that take longer while the time
// is met, towards those that take less while it is not. The bracket, or none (h says why).
std::optional<Zavorka> zavorka(const Hledac& s, double x, VysledekHledani& h) {
    const auto [od, po] = s.rozsah;
    const bool nahoru = s.vetsiDele();
    const bool splneno = s.splne(x);
    for (;;) {
        // Met: a value that takes longer, within the range; not met: one that takes less.
        const double y = splneno == nahoru ? std::min(2.0 * x, po) : std::max(x / 2.0, od);
        if (!splneno && (nahoru ? x / 2.0 < od : 2.0 * x > po)) {
            h.konec = KonecHledani::Nelze;
            return std::nullopt;
        }
        if (y == x) {
            return Zavorka{x, x};  // met at the end of the range
        }
        if (s.splne(y) != splneno) {
            return splneno ? Zavorka{x, y} : Zavorka{y, x};
        }
        x = y;
        if (!s.dal()) {
            h.konec = KonecHledani::Preruseno;
            return std::nullopt;
        }
    }
}

// The bracket halved to the field's tolerance, and the value found: rounded to the side that
// meets the time and computed, unless the table draws the boundary.
VysledekHledani najdi(const Hledac& s, Zavorka z, VysledekHledani h) {
    if (!rozpul([&s](double x) { return s.splne(x); }, z.dobre, z.spatne, s.pole.cil.relativne,
                 s.pole.cil.absolutne, s.pokracovat)) {
        h.konec = KonecHledani::Preruseno;
        return h;
    }
    // A boundary the table draws is no answer: the values beyond it need more rows.
    if (z.spatne != z.dobre) {
        VysledekVypoctu zaHranici = Spocti(s.sHodnotou(z.spatne));
        if (zaHranici.konec == KonecVypoctu::Preteceni) {
            h.konec = KonecHledani::Tabulkou;
            h.hodnota = z.dobre;
            h.reseni = std::move(zaHranici);
            return h;
        }
    }
    h.hodnota = ZaokrouhliNalezenou(s.pole, z.dobre);
    h.reseni = Spocti(s.sHodnotou(h.hodnota));
    h.konec = s.splneno(h.reseni) ? KonecHledani::Nalezeno : KonecHledani::Odmitnuto;
    return h;
}

}  // namespace

VysledekHledani HledejCil(const Uloha& u, Velicina co, double cas, const std::function<bool()>& pokracovat) {
    VysledekHledani h;
    const PopisPole& pole = Pole(co);
    h.nemenitelna = pole.hledani == Hledani::Ne ? Nemenitelna::NeniVelicina : LzeMenit(u, co);
    if (h.nemenitelna != Nemenitelna::Ne) {
        h.konec = KonecHledani::Nemenitelna;
        return h;
    }
    // The case as it is must compute: a fault of its own is no answer of the goal seek.
    h.reseni = Spocti(u);
    if (h.reseni.konec != KonecVypoctu::Uspech && h.reseni.konec != KonecVypoctu::Preteceni) {
        return h;
    }
    if (static_cast<double>(u.Prodleva) >= cas) {
        h.konec = KonecHledani::Prodlevou;
        return h;
    }
    const Hledac s{u, pole, cas, pokracovat};
    if (pole.cil.zacatek == ZacatekHledani::Hodnota) {
        const std::optional<Zavorka> z = zavorka(s, Hodnota(pole, u), h);
        return z ? najdi(s, *z, std::move(h)) : h;
    }
    // The favourable end first: where it does not meet the time, nothing does.
    double kraj = priznivyKraj(s);
    VysledekVypoctu r = Spocti(s.sHodnotou(kraj));
    // A furnace that starts from cold (or after cycles from cold) needs an installed power: its
    // favourable end is the largest power of the range.
    if (r.zavada && r.zavada->vada == Vada::PecBezPrikonu) {
        kraj = s.rozsah.second;
        r = Spocti(s.sHodnotou(kraj));
    }
    if (!s.splneno(r)) {
        return nelze(s, kraj, std::move(r), std::move(h));
    }
    if (pole.cil.zacatek == ZacatekHledani::Rozsah) {
        const double druhy = kraj == s.rozsah.first ? s.rozsah.second : s.rozsah.first;
        return najdi(s, Zavorka{kraj, druhy}, std::move(h));
    }
    const std::optional<Zavorka> z = zavorka(s, nejvetsiTok(*r.vysledek, u), h);
    return z ? najdi(s, *z, std::move(h)) : h;
}

namespace {

// The column of a run that the thermocouple reads; none without a core.
const std::vector<float>* radaTermoclanku(const Vysledek& v, Termoclanek kde) {
    if (kde == Termoclanek::Vsazka) {
        return &v.Vysledky.TeplotaVsazky;
    }
    if (!v.Jadro) {
        return nullptr;
    }
    return kde == Termoclanek::Povrch ? &v.Jadro->povrch : &v.Jadro->teplota;
}

}  // namespace

std::optional<double> TeplotaVCase(const Vysledek& v, double cas, Termoclanek kde) {
    const std::vector<float>* rada = radaTermoclanku(v, kde);
    const double krok = static_cast<double>(v.Uloha.CasKrok);
    const int posledni = rada == nullptr ? -1 : std::min(v.posledniRadek(), static_cast<int>(rada->size()) - 1);
    if (!(krok > 0.0) || posledni < 1 || cas < 0.0 ||
        cas > static_cast<double>(v.Vysledky.Cas[static_cast<std::size_t>(posledni)])) {
        return std::nullopt;
    }
    const auto i = std::min(static_cast<std::size_t>(cas / krok), static_cast<std::size_t>(posledni - 1));
    const double t0 = static_cast<double>(v.Vysledky.Cas[i]);
    const double t1 = static_cast<double>(v.Vysledky.Cas[i + 1]);
    const double y0 = static_cast<double>((*rada)[i]);
    const double y1 = static_cast<double>((*rada)[i + 1]);
    return y0 + (y1 - y0) * (cas - t0) / (t1 - t0);
}

Vysledek PodleTermoclanku(const Vysledek& v, Termoclanek kde) {
    Vysledek kopie = v;
    const std::vector<float>* rada = radaTermoclanku(v, kde);
    if (rada == nullptr || kde == Termoclanek::Vsazka) {
        return kopie;
    }
    const int posledni = std::min(v.posledniRadek(), static_cast<int>(rada->size()) - 1);
    kopie.PocetKroku = static_cast<std::int16_t>(std::max(posledni, 0));
    for (int i = 0; i <= posledni; ++i) {
        kopie.Vysledky.TeplotaVsazky[static_cast<std::size_t>(i)] = (*rada)[static_cast<std::size_t>(i)];
    }
    return kopie;
}

namespace {

// How near an end of that range a best emissivity says that the log lies beyond it.
constexpr double kUMeze = 1.0e-4;

// The furnace of a log: linear between its logged times, held before the first and after the
// last; none when the log has no furnace.
std::function<float(long)> pecZaznamu(std::span<const BodMereni> log, double krok) {
    std::vector<std::pair<double, double>> body;
    for (const BodMereni& b : log) {
        if (b.pec) {
            body.emplace_back(b.cas, *b.pec);
        }
    }
    if (body.empty()) {
        return {};
    }
    return [body = std::move(body), krok](long k) {
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

// The root mean square deviation from the log of the run with an emissivity, where the
// thermocouple sits.
class OdchylkaZaznamu {
public:
    OdchylkaZaznamu(const Uloha& u, std::span<const BodMereni> log, Termoclanek kde) : u_(u), log_(log), kde_(kde) {
        moznosti_.pec = pecZaznamu(log, static_cast<double>(u.CasKrok));
        moznosti_.doCasu = log.back().cas;
        moznosti_.bezJadra = kde == Termoclanek::Vsazka;
        moznosti_.radaKroku = false;
    }

    // In K; infinite when the run fails or ends before the log. The run goes to prubeh when given.
    double operator()(double eps, std::shared_ptr<const Vysledek>* prubeh = nullptr) {
        Uloha w = u_;
        w.Eps = static_cast<float>(eps);
        if (kde_ != Termoclanek::Vsazka) {
            // A final temperature the core never reaches: its column runs as far as the log.
            w.Tk = static_cast<float>(Pole(Velicina::Tk).max);
        }
        VysledekVypoctu r = Spocti(w, moznosti_);
        if (r.konec != KonecVypoctu::Uspech) {
            selhani = r;
            return std::numeric_limits<double>::infinity();
        }
        double soucet = 0.0;
        for (const BodMereni& b : log_) {
            const std::optional<double> t = TeplotaVCase(*r.vysledek, b.cas, kde_);
            if (!t) {
                return std::numeric_limits<double>::infinity();
            }
            soucet += (*t - b.teplota) * (*t - b.teplota);
        }
        if (prubeh != nullptr) {
            *prubeh = std::move(r.vysledek);
        }
        return std::sqrt(soucet / static_cast<double>(log_.size()));
    }

    VysledekVypoctu selhani;  // the last run that failed

private:
    const Uloha& u_;
    std::span<const BodMereni> log_;
    Termoclanek kde_;
    MoznostiBehu moznosti_;
};

// The minimum of f over [a, b] by golden-section search: the middle of the last interval, once
// it is no wider than sirka.
double zlatyRez(const std::function<double(double)>& f, double a, double b, double sirka) {
    const double zlaty = (std::sqrt(5.0) - 1.0) / 2.0;
    double x1 = b - zlaty * (b - a), x2 = a + zlaty * (b - a);
    double f1 = f(x1), f2 = f(x2);
    while (b - a > sirka) {
        if (f1 <= f2) {
            b = x2;
            x2 = x1;
            f2 = f1;
            x1 = b - zlaty * (b - a);
            f1 = f(x1);
        } else {
            a = x1;
            x1 = x2;
            f1 = f2;
            x2 = a + zlaty * (b - a);
            f2 = f(x2);
        }
    }
    return (a + b) / 2.0;
}

// The spread of the log's temperatures about their mean, K: the deviation of a fit that
// explains nothing of the heating.
double rozptylZaznamu(std::span<const BodMereni> log) {
    double prumer = 0.0;
    for (const BodMereni& b : log) {
        prumer += b.teplota;
    }
    prumer /= static_cast<double>(log.size());
    double soucet = 0.0;
    for (const BodMereni& b : log) {
        soucet += (b.teplota - prumer) * (b.teplota - prumer);
    }
    return std::sqrt(soucet / static_cast<double>(log.size()));
}

}  // namespace

VysledekPrizpusobeni PrizpusobEmisivitu(const Uloha& u, std::span<const BodMereni> log, Termoclanek kde) {
    VysledekPrizpusobeni vysledek;
    if (log.empty()) {
        return vysledek;
    }
    if (kde != Termoclanek::Vsazka && !MaJadro(u)) {
        vysledek.bezJadra = true;
        return vysledek;
    }
    OdchylkaZaznamu odchylka(u, log, kde);
    double eps = zlatyRez([&](double x) { return odchylka(x); }, kNejmensiEps, kNejvetsiEps, 1e-5);
    std::shared_ptr<const Vysledek> prubeh;
    double rms = odchylka(eps, &prubeh);
    // The upper end is a candidate too: the search only nears it.
    std::shared_ptr<const Vysledek> naKonci;
    if (const double f = odchylka(kNejvetsiEps, &naKonci); f < rms) {
        eps = kNejvetsiEps;
        rms = f;
        prubeh = std::move(naKonci);
    }
    vysledek.selhani = std::move(odchylka.selhani);
    if (!std::isfinite(rms) || !prubeh) {
        return vysledek;
    }
    vysledek.eps = eps;
    vysledek.rms = rms;
    vysledek.rozptyl = rozptylZaznamu(log);
    // The best at an end of the range may lie beyond it; a deviation no smaller than the log's
    // own spread explains nothing. Neither is an emissivity of the log.
    vysledek.naMezi = eps <= kNejmensiEps + kUMeze || eps >= kNejvetsiEps - kUMeze;
    vysledek.uspech = !vysledek.naMezi && rms < vysledek.rozptyl;
    if (vysledek.uspech) {
        vysledek.prubeh = std::move(prubeh);
    }
    return vysledek;
}

}  // namespace zorvet
