#include "model/vypocet.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "model/konstanty.h"
#include "model/vlastnosti.h"

namespace zorvet {

namespace {

// Thrown inside one run only and turned into a VysledekVypoctu before Vypocet returns.
struct Selhani {
    KonecVypoctu konec;
    const char* popis;
};

// A double intermediate stored as a single: too large a value or a NaN is an overflow,
// as the single-precision store of the original reports it.
float naSingle(double x) {
    if (std::isnan(x) || std::fabs(x) > static_cast<double>(std::numeric_limits<float>::max())) {
        throw Selhani{KonecVypoctu::Chyba, "Overflow"};
    }
    return static_cast<float>(x);
}

double vydel(double citatel, double jmenovatel) {
    if (jmenovatel == 0.0) {
        throw Selhani{KonecVypoctu::Chyba, "Division by zero"};
    }
    return citatel / jmenovatel;
}

// The charge ends the step on the other side of the furnace temperature than it started.
bool preskocila(float pred, float po, float pec) {
    const double d0 = static_cast<double>(pred) - static_cast<double>(pec);
    const double d1 = static_cast<double>(po) - static_cast<double>(pec);
    return (d0 < 0.0 && d1 > 0.0) || (d0 > 0.0 && d1 < 0.0);
}

// 2 m c / (α A K), rounded down: the step at which the trapezoidal factor (1 − r) / (1 + r)
// with r = α A K Δt / (2 m c) reaches 0. Below a second, to two significant digits.
double nejdelsiKrok(const Uloha& u, double alfa) {
    const double mez = 2.0 * static_cast<double>(u.m) * static_cast<double>(u.c) /
                       (alfa * static_cast<double>(u.A) * static_cast<double>(u.KoefK));
    if (!(mez >= 1.0)) {
        const double rad = std::pow(10.0, 1.0 - std::floor(std::log10(mez)));
        return std::isfinite(rad) ? std::floor(mez * rad) / rad : 0.0;
    }
    return std::floor(mez);
}

class Beh {
public:
    Beh(Vysledek& r, const MoznostiBehu& moznosti)
        : s_(r), u_(r.Uloha), v_(r.Vysledky), moznosti_(moznosti) {
        // A curve of one specific heat marches as that specific heat does, bit for bit.
        if (u_.Vlastnosti) {
            vlastnosti_.emplace(*u_.Vlastnosti);
            if (const std::optional<float> c = vlastnosti_->stalaC()) {
                c_ = *c;
                vlastnosti_.reset();
            }
        }
        // The heat the installed power gives the charge, after the losses.
        if (u_.Prikon > 0.0f) {
            pmax_ = static_cast<double>(u_.Prikon) * 1000.0 / (1.0 + static_cast<double>(u_.ZtratyPrikonu) / 100.0);
            nastavena_.assign(r.TeplotaPece.begin(), r.TeplotaPece.end());
        }
    }

    void spust() {
        if (!(u_.CasKrok > 0.0f) || std::isinf(u_.CasKrok)) {
            throw Selhani{KonecVypoctu::NeplatnyKrok, ""};
        }
        tpece_ = u_.Tpece;
        teplotaPeceK_ = naSingle(static_cast<double>(tpece_) + kKelvin);
        tolerance_ = naSingle(static_cast<double>(u_.CasKrok) / 10.0);
        for (int i = 0; i < kPocetRadku; ++i) {
            v_.Cas[static_cast<std::size_t>(i)] = naSingle(static_cast<double>(i) * static_cast<double>(u_.CasKrok));
        }
        // A fresh start: no estimate of an earlier run may steer this one.
        v_.Odhad.fill(0.0f);
        v_.Odhad[0] = u_.Tv;
        v_.TeplotaVsazky[0] = u_.Tv;

        // First pass: at least two steps.
        int k = 1;
        nastavPec(k);
        v_.Odhad[1] = naSingle(static_cast<double>(u_.Tv) + static_cast<double>(u_.CasKrok));
        vyresKrok(k);
        do {
            extrapoluj(k);
            ++k;
            nastavPec(k);
            vyresKrok(k);
        } while (pokracuj(k));
        s_.PocetKroku = static_cast<std::int16_t>(k);

        // Second pass, once, from the first pass's temperatures.
        s_.OmezenoDo = 0.0f;
        k = 0;
        do {
            if (k + 1 > kPosledniRadek) {
                throw Selhani{KonecVypoctu::Preteceni, ""};
            }
            // The first pass's temperature is the start value. An estimate of exactly 0 is
            // no estimate, except in row 1: the first pass settled there at 0 °C, and step 0
            // has no predecessor to extrapolate from.
            if (v_.Odhad[r(k + 1)] != 0.0f || k == 0) {
                v_.Odhad[r(k + 1)] = v_.TeplotaVsazky[r(k + 1)];
            } else {
                extrapoluj(k);
            }
            ++k;
            nastavPec(k);
            vyresKrok(k);
        } while (pokracuj(k));
        s_.PocetKroku = static_cast<std::int16_t>(k);
    }

    int krok() const { return krok_; }
    float tpece() const { return tpece_; }
    float alfa() const { return v_.Alfa[r(krok_)]; }

private:
    static std::size_t r(int k) { return static_cast<std::size_t>(k); }

    // The march goes on below Tk; or, run to a time, until that time.
    bool pokracuj(int k) const {
        if (moznosti_.doCasu > 0.0) {
            return static_cast<double>(v_.Cas[r(k)]) < moznosti_.doCasu;
        }
        return v_.TeplotaVsazky[r(k)] < u_.Tk;
    }

    void nastavPec(int k) {
        krok_ = k;
        if (pmax_ > 0.0) {
            // The furnace's own temperature: a step the power limited shows another one.
            tpece_ = nastavena_[r(k)];
            teplotaPeceK_ = naSingle(static_cast<double>(tpece_) + kKelvin);
            s_.TeplotaPece[r(k)] = tpece_;
        } else if (u_.Rizeny || moznosti_.pec != nullptr) {
            tpece_ = s_.TeplotaPece[r(k)];
            teplotaPeceK_ = naSingle(static_cast<double>(tpece_) + kKelvin);
        }
    }

    void spoctiAlfa(int k) {
        const float tm =
            naSingle((static_cast<double>(v_.TeplotaVsazky[r(k - 1)]) + static_cast<double>(v_.TeplotaVsazky[r(k)])) / 2.0);
        const double tmK = static_cast<double>(tm) + kKelvin;
        const float rozdil = tpece_ - tm;  // taken in single precision
        const double zareni = std::pow(static_cast<double>(teplotaPeceK_) / 100.0, 4.0) -
                              std::pow(tmK / 100.0, 4.0);
        const double alfa =
            static_cast<double>(u_.Konvekce) + vydel((static_cast<double>(u_.Eps) * kSigma) * zareni, static_cast<double>(rozdil));
        v_.Alfa[r(k)] = naSingle(alfa);
    }

    void spoctiTeplotu(int k) {
        if (vlastnosti_) {
            spoctiTeplotuEntalpie(k);
            return;
        }
        const double alfa = static_cast<double>(v_.Alfa[r(k)]);
        const double dt = static_cast<double>(u_.CasKrok);
        const double t0 = static_cast<double>(v_.TeplotaVsazky[r(k - 1)]);
        const double mc = static_cast<double>(u_.m) * static_cast<double>(c_);
        const double citatel =
            alfa * 0.5 * static_cast<double>(u_.A) * static_cast<double>(u_.KoefK) * dt *
                (2.0 * static_cast<double>(tpece_) - t0) +
            mc * t0;
        const double jmenovatel = static_cast<double>(u_.KoefK) * 0.5 * alfa * static_cast<double>(u_.A) * dt + mc;
        v_.TeplotaVsazky[r(k)] = naSingle(vydel(citatel, jmenovatel));
    }

    // The heat balance in enthalpy with the same trapezoidal heat flow:
    //   m (H(Tk) − H(Tk−1)) = α A K Δt (Tpece − (Tk−1 + Tk) / 2),
    // increasing in Tk, so Newton kept in a shrinking bracket finds its one root.
    void spoctiTeplotuEntalpie(int k) {
        const double alfa = static_cast<double>(v_.Alfa[r(k)]);
        const double t0 = static_cast<double>(v_.TeplotaVsazky[r(k - 1)]);
        const double m = static_cast<double>(u_.m);
        const double g = alfa * static_cast<double>(u_.A) * static_cast<double>(u_.KoefK) * static_cast<double>(u_.CasKrok);
        const double h0 = vlastnosti_->entalpie(t0);
        const double tf = static_cast<double>(tpece_);
        const auto f = [&](double t) { return m * (vlastnosti_->entalpie(t) - h0) - g * (tf - (t0 + t) / 2.0); };
        // From the trapezoidal step with the mean specific heat up to the iteration's estimate,
        // which is the root itself once the iteration has settled.
        const double odhad = static_cast<double>(v_.TeplotaVsazky[r(k)]);
        const double c = vlastnosti_->stredniC(t0, odhad);
        v_.TeplotaVsazky[r(k)] = naSingle(koren(f, [&](double t) { return m * vlastnosti_->c(t) + g / 2.0; },
                                                (g * (2.0 * tf - t0) / 2.0 + m * c * t0) / (g / 2.0 + m * c)));
    }

    // The root of an increasing function, from a first guess.
    template <class F, class D>
    static double koren(const F& f, const D& derivace, double t) {
        double dolni = -kKelvin, horni = 1.0e6;
        if (!std::isfinite(t)) {
            throw Selhani{KonecVypoctu::Chyba, "Overflow"};
        }
        t = std::clamp(t, dolni, horni);
        for (int i = 0; i < 200; ++i) {
            const double y = f(t);
            (y > 0.0 ? horni : dolni) = t;
            double dalsi = t - y / derivace(t);
            if (!(dalsi > dolni && dalsi < horni)) {
                dalsi = (dolni + horni) / 2.0;
            }
            // Far below the single the result is stored as.
            if (std::fabs(dalsi - t) <= 1e-10 * (std::fabs(t) + kKelvin)) {
                return dalsi;
            }
            t = dalsi;
        }
        return t;
    }

    // A step that would take more heat than the installed power gives takes just that heat; the
    // furnace then shows the temperature at which the surface takes it up.
    void omezPrikonem(int k) {
        const double t0 = static_cast<double>(v_.TeplotaVsazky[r(k - 1)]);
        const double t1 = static_cast<double>(v_.TeplotaVsazky[r(k)]);
        const double ak = static_cast<double>(u_.A) * static_cast<double>(u_.KoefK);
        const double alfa = static_cast<double>(v_.Alfa[r(k)]);
        if (!(alfa * ak * (static_cast<double>(tpece_) - (t0 + t1) / 2.0) > pmax_)) {
            return;
        }
        const double dt = static_cast<double>(u_.CasKrok);
        const double m = static_cast<double>(u_.m);
        double t;
        if (vlastnosti_) {
            const double h = vlastnosti_->entalpie(t0) + pmax_ * dt / m;
            t = vlastnosti_->teplota(h);
        } else {
            t = t0 + pmax_ * dt / (m * static_cast<double>(c_));
        }
        const double tm = (t0 + t) / 2.0;
        const double tmK = std::pow((tm + kKelvin) / 100.0, 4.0);
        const double es = static_cast<double>(u_.Eps) * kSigma;
        const double hc = static_cast<double>(u_.Konvekce);
        // The surface's heat at a furnace temperature rises with it and is convex: Newton from
        // the furnace's own temperature, where it is too high, comes down to the root.
        double tf = static_cast<double>(tpece_);
        for (int i = 0; i < 100; ++i) {
            const double q = ak * (hc * (tf - tm) + es * (std::pow((tf + kKelvin) / 100.0, 4.0) - tmK)) - pmax_;
            const double dq = ak * (hc + es * 0.04 * std::pow((tf + kKelvin) / 100.0, 3.0));
            const double dalsi = tf - vydel(q, dq);
            if (std::fabs(dalsi - tf) <= 1e-9 * (std::fabs(tf) + kKelvin)) {
                tf = dalsi;
                break;
            }
            tf = dalsi;
        }
        v_.TeplotaVsazky[r(k)] = naSingle(t);
        v_.Alfa[r(k)] = naSingle(vydel(pmax_, ak * (tf - tm)));
        s_.TeplotaPece[r(k)] = naSingle(tf);
        s_.OmezenoDo = v_.Cas[r(k)];
    }

    void vyresKrok(int k) {
        v_.TeplotaVsazky[r(k)] = v_.Odhad[r(k)];
        for (int iterace = 0;; ++iterace) {
            if (iterace == kMaxIteraci) {
                // An iteration that cannot settle because every step overshoots is told as such.
                throw Selhani{prekmit(k) ? KonecVypoctu::Prekmit : KonecVypoctu::Nekonverguje, ""};
            }
            const float x = v_.TeplotaVsazky[r(k)];
            v_.Odhad[r(k)] = x;
            spoctiAlfa(k);
            spoctiTeplotu(k);
            if (std::fabs(x - v_.TeplotaVsazky[r(k)]) < tolerance_) {
                break;
            }
        }
        // The exact heat balance never carries the charge past the furnace temperature; a step
        // too long for the charge does, and its temperature would be no temperature at all.
        if (prekmit(k)) {
            throw Selhani{KonecVypoctu::Prekmit, ""};
        }
        if (pmax_ > 0.0) {
            omezPrikonem(k);
        }
    }

    bool prekmit(int k) const { return preskocila(v_.TeplotaVsazky[r(k - 1)], v_.TeplotaVsazky[r(k)], tpece_); }

    // Start value of step k+1 on the line through steps k-1 and k.
    void extrapoluj(int k) {
        if (k + 1 > kPosledniRadek) {
            throw Selhani{KonecVypoctu::Preteceni, ""};
        }
        const float smernice =
            naSingle(vydel(static_cast<double>(v_.TeplotaVsazky[r(k)]) -
                               static_cast<double>(v_.TeplotaVsazky[r(k - 1)]),
                           static_cast<double>(v_.Cas[r(k)]) - static_cast<double>(v_.Cas[r(k - 1)])));
        const float usek = naSingle(static_cast<double>(v_.TeplotaVsazky[r(k - 1)]) -
                                    static_cast<double>(smernice) * static_cast<double>(v_.Cas[r(k - 1)]));
        v_.Odhad[r(k + 1)] =
            naSingle(static_cast<double>(smernice) * static_cast<double>(v_.Cas[r(k + 1)]) + static_cast<double>(usek));
    }

    Vysledek& s_;
    const Uloha& u_;
    Vysledky& v_;
    const MoznostiBehu& moznosti_;
    float tpece_ = 0.0f;  // the furnace temperature of the step being solved
    float teplotaPeceK_ = 0.0f;
    float tolerance_ = 0.0f;
    int krok_ = 0;
    std::optional<Vlastnosti> vlastnosti_;  // c(T), when the problem has a property curve
    std::vector<float> nastavena_;  // the furnace's own temperature of each step, when the power is limited
    double pmax_ = 0.0;                     // W the installed power gives the charge; 0 for unlimited
    float c_ = u_.c;                        // J/kg/K of the documented march
};

}  // namespace

VysledekVypoctu Vypocet(const Uloha& uloha, const MoznostiBehu& moznosti) {
    auto vysledek = std::make_shared<Vysledek>();
    vysledek->Uloha = uloha;
    if (moznosti.pec != nullptr) {
        for (std::size_t k = 0; k < vysledek->TeplotaPece.size(); ++k) {
            vysledek->TeplotaPece[k] = (*moznosti.pec)(static_cast<long>(k));
        }
    } else {
        RozvinKrivku(uloha, vysledek->TeplotaPece);
    }
    Beh beh(*vysledek, moznosti);
    try {
        beh.spust();
    } catch (const Selhani& s) {
        VysledekVypoctu selhani{s.konec, s.popis, beh.krok(), 0.0f, 0.0f, 0.0f, 0.0, nullptr, std::nullopt};
        const auto k = static_cast<std::size_t>(beh.krok());
        if (s.konec == KonecVypoctu::Prekmit) {
            selhani.pred = vysledek->Vysledky.TeplotaVsazky[k - 1];
            selhani.po = vysledek->Vysledky.TeplotaVsazky[k];
            selhani.pec = beh.tpece();
            selhani.nejdelsiKrok = nejdelsiKrok(uloha, static_cast<double>(beh.alfa()));
        }
        // A curve that ends below Tk within the table leaves the charge short of it for good:
        // no time step helps.
        const PrubehPece pec(uloha);
        if (s.konec == KonecVypoctu::Preteceni && uloha.Rizeny && pec.konecKrivky() < kPosledniRadek &&
            !(pec.konecnaTeplota() > uloha.Tk)) {
            selhani.konec = KonecVypoctu::KrivkaNestaci;
            selhani.pec = pec.konecnaTeplota();
        }
        return selhani;
    }
    std::optional<KonecJadra> jadro;
    if (MaJadro(uloha) && !moznosti.bezJadra) {
        jadro = SpoctiJadro(*vysledek);
    }
    const int radek = vysledek->PocetKroku;
    return VysledekVypoctu{KonecVypoctu::Uspech, {}, radek, 0.0f, 0.0f, 0.0f, 0.0, std::move(vysledek), jadro};
}

PrubehPece::PrubehPece(const Uloha& u)
    : rizeny_(u.Rizeny), tpece_(u.Tpece), pocatek_(u.Krivka[0].Teplota),
      konecna_(u.Rizeny ? u.Krivka[static_cast<std::size_t>(PocetUseku(u))].Teplota : u.Tpece),
      krok_(static_cast<double>(u.CasKrok)) {
    if (!rizeny_) {
        return;
    }
    long j = 0;
    for (int i = 0; i < PocetUseku(u); ++i) {
        const UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
        // A segment without a positive duration, or a step that is not positive, adds no steps.
        if (!(bod.DobaVydrze > 0.0f) || !(krok_ > 0.0)) {
            continue;
        }
        const auto smernice = static_cast<float>(
            (static_cast<double>(u.Krivka[static_cast<std::size_t>(i) + 1].Teplota) - static_cast<double>(bod.Teplota)) /
            static_cast<double>(bod.DobaVydrze));
        const double n = std::floor(static_cast<double>(bod.DobaVydrze) / krok_);
        const long kroku = n < 1.0e15 ? static_cast<long>(n) : 1000000000000000L;
        useky_[static_cast<std::size_t>(pocet_++)] = Usek{j, kroku, smernice, bod.Teplota};
        j += kroku;
    }
    konec_ = j;
}

float PrubehPece::operator()(long k) const {
    if (!rizeny_) {
        return tpece_;
    }
    if (k <= 0) {
        return pocatek_;
    }
    for (int i = 0; i < pocet_; ++i) {
        const Usek& s = useky_[static_cast<std::size_t>(i)];
        if (k <= s.zacatek + s.kroku) {
            return static_cast<float>(static_cast<double>(k - s.zacatek) * static_cast<double>(s.smernice) * krok_ +
                                      static_cast<double>(s.teplota));
        }
    }
    return konecna_;
}

void RozvinKrivku(const Uloha& u, std::array<float, kPocetRadku>& pec) {
    const PrubehPece prubeh(u);
    for (int i = 0; i < kPocetRadku; ++i) {
        pec[static_cast<std::size_t>(i)] = prubeh(i);
    }
}

}  // namespace zorvet
