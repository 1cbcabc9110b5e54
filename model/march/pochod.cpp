#include "model/march/pochod.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "model/case/konstanty.h"
#include "model/march/mocnina.h"
#include "model/march/prubeh_pece.h"
#include "model/march/vsazka.h"
#include "model/properties/koren.h"
#include "model/properties/vlastnosti.h"

namespace zorvet {

namespace {

// Thrown inside one run only and turned into the answer before Pochod returns.
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

class Beh {
public:
    Beh(Vysledek& r, const MoznostiBehu& moznosti)
        : s_(r), u_(r.Uloha), v_(r.Vysledky), moznosti_(moznosti), prubeh_(r.Uloha), d_(r.Uloha) {
        meniSePec_ = u_.Rizeny || moznosti_.pec || d_.pmax > 0.0;
    }

    void spust() {
        if (!(u_.CasKrok > 0.0f) || std::isinf(u_.CasKrok)) {
            throw Selhani{KonecVypoctu::NeplatnyKrok, ""};
        }
        tpece_ = u_.Tpece;
        nastavKelvin();
        zajisti(1);
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
            zajisti(k + 1);
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
        // A furnace the power limited from the first step shows at the start the temperature at
        // which the charge, still at Tv, takes just that power, not the set one it never reaches.
        if (d_.pmax > 0.0 && s_.TeplotaPece[1] != nastavena(1)) {
            s_.TeplotaPece[0] = moznosti_.pecOmezenych
                                    ? naSingle(pecProPrikon(static_cast<double>(u_.Tv), nastavena(0)))
                                    : std::numeric_limits<float>::quiet_NaN();
        }
    }

    int krok() const { return krok_; }
    // The columns end with the last row the march came to.
    void zkrat() {
        for (std::vector<float>* s : {&v_.Cas, &v_.Odhad, &v_.Alfa, &v_.TeplotaVsazky, &s_.TeplotaPece}) {
            s->resize(dosazeno_);
        }
    }
    float tpece() const { return tpece_; }

private:
    static std::size_t r(int k) { return static_cast<std::size_t>(k); }

    // The rows up to k exist: their times, and the furnace temperature the case sets. The
    // columns grow ahead of the march; their rows are filled as it comes to them.
    void zajisti(int k) {
        if (r(k) >= dosazeno_) {
            dosahni(k);
        }
    }

    void dosahni(int k) {
        const std::size_t od = dosazeno_;
        dosazeno_ = r(k) + 1;
        if (r(k) >= v_.Cas.size()) {
            constexpr std::size_t kPrvnich = 64;
            const std::size_t nove =
                std::max(r(k) + 1, std::min(std::max(kPrvnich, 2 * v_.Cas.size()), r(kPocetRadku)));
            for (std::vector<float>* s : {&v_.Cas, &v_.Odhad, &v_.Alfa, &v_.TeplotaVsazky, &s_.TeplotaPece}) {
                s->resize(nove);
            }
        }
        for (std::size_t i = od; i < dosazeno_; ++i) {
            v_.Cas[i] = naSingle(static_cast<double>(i) * static_cast<double>(u_.CasKrok));
            s_.TeplotaPece[i] = stalaPec_ ? u_.Tpece : nastavena(static_cast<long>(i));
        }
    }

    // The furnace temperature the case sets for step k.
    float nastavena(long k) const { return moznosti_.pec ? moznosti_.pec(k) : prubeh_(k); }

    // The march goes on below Tk; or, run to a time, until that time.
    bool pokracuj(int k) const {
        if (moznosti_.doCasu > 0.0) {
            return static_cast<double>(v_.Cas[r(k)]) < moznosti_.doCasu;
        }
        return v_.TeplotaVsazky[r(k)] < u_.Tk;
    }

    void nastavKelvin() {
        teplotaPeceK_ = naSingle(static_cast<double>(tpece_) + kKelvin);
        zarenePece_ = CtvrtaMocnina(static_cast<double>(teplotaPeceK_) / 100.0);
    }

    void nastavPec(int k) {
        krok_ = k;
        zajisti(k);
        if (!meniSePec_) {
            return;
        }
        // A step the power limited shows another furnace temperature; the next pass starts
        // from the furnace's own again.
        if (d_.pmax > 0.0) {
            s_.TeplotaPece[r(k)] = nastavena(k);
        }
        const float t = s_.TeplotaPece[r(k)];
        if (t != tpece_ || k == 1) {
            tpece_ = t;
            nastavKelvin();
        }
    }

    void spoctiAlfa(int k) {
        const float tm =
            naSingle((static_cast<double>(v_.TeplotaVsazky[r(k - 1)]) + static_cast<double>(v_.TeplotaVsazky[r(k)])) / 2.0);
        const double tmK = static_cast<double>(tm) + kKelvin;
        const float rozdil = tpece_ - tm;  // taken in single precision
        const double zareni = zarenePece_ - CtvrtaMocnina(tmK / 100.0);
        const double alfa =
            d_.konvekce + vydel(d_.epsSigma * zareni, static_cast<double>(rozdil));
        v_.Alfa[r(k)] = naSingle(alfa);
    }

    void spoctiTeplotu(int k) {
        if (d_.entalpie) {
            spoctiTeplotuEntalpie(k);
            return;
        }
        const double alfa = static_cast<double>(v_.Alfa[r(k)]);
        const double t0 = static_cast<double>(v_.TeplotaVsazky[r(k - 1)]);
        const double citatel = alfa * 0.5 * d_.A * d_.KoefK * d_.dt * (2.0 * static_cast<double>(tpece_) - t0) + d_.mc * t0;
        const double jmenovatel = d_.pulK * alfa * d_.A * d_.dt + d_.mc;
        v_.TeplotaVsazky[r(k)] = naSingle(vydel(citatel, jmenovatel));
    }

    // The heat balance in enthalpy with the same trapezoidal heat flow, and what heats with the
    // charge at its temperature (C, J/K):
    //   m (H(Tk) − H(Tk−1)) + C (Tk − Tk−1) = α A K Δt (Tpece − (Tk−1 + Tk) / 2),
    // increasing in Tk: solved on the curve's enthalpy table (Vsazka::teplotaKroku), or, for a
    // curve too steep for a table, by Newton kept in a shrinking bracket.
    void spoctiTeplotuEntalpie(int k) {
        const Vlastnosti& krivka = *d_.entalpie;
        const double alfa = static_cast<double>(v_.Alfa[r(k)]);
        const double t0 = static_cast<double>(v_.TeplotaVsazky[r(k - 1)]);
        const double m = d_.m, navic = d_.navic;
        const double g = alfa * d_.A * d_.KoefK * d_.dt;
        if (d_.tabulka) {
            const double tf = static_cast<double>(tpece_);
            v_.TeplotaVsazky[r(k)] = naSingle(d_.teplotaKroku(g, tf, t0, static_cast<double>(v_.TeplotaVsazky[r(k)])));
            return;
        }
        const double h0 = krivka.entalpie(t0);
        const double tf = static_cast<double>(tpece_);
        const auto f = [&](double t) {
            return m * (krivka.entalpie(t) - h0) + navic * (t - t0) - g * (tf - (t0 + t) / 2.0);
        };
        // From the trapezoidal step with the mean specific heat up to the iteration's estimate,
        // which is the root itself once the iteration has settled.
        const double odhad = static_cast<double>(v_.TeplotaVsazky[r(k)]);
        const double mc = d_.kapacita(krivka.stredniC(t0, odhad, h0));
        v_.TeplotaVsazky[r(k)] = naSingle(koren(f, [&](double t) { return d_.kapacita(krivka.c(t)) + g / 2.0; },
                                                (g * (2.0 * tf - t0) / 2.0 + mc * t0) / (g / 2.0 + mc)));
    }

    // The root of an increasing function, from a first guess; far below the single the result is
    // stored as.
    template <class F, class D>
    static double koren(const F& f, const D& derivace, double t) {
        if (!std::isfinite(t)) {
            throw Selhani{KonecVypoctu::Chyba, "Overflow"};
        }
        return NewtonVZavorce(f, derivace, t, -kKelvin, 1.0e6, 1e-10, kKelvin);
    }

    double pecProPrikon(double tm, float vlastni) const {
        const std::optional<double> pec = d_.pecProPrikon(tm, vlastni);
        if (!pec) {
            throw Selhani{KonecVypoctu::Chyba, "Division by zero"};
        }
        return *pec;
    }

    // A step that would take more heat than the installed power gives takes just that heat; the
    // furnace then shows the temperature at which the surface takes it up, where a result shows
    // the furnace of its rows.
    void omezPrikonem(int k) {
        const std::optional<OmezenyKrok> o =
            d_.omezPrikonem(static_cast<double>(v_.TeplotaVsazky[r(k - 1)]), static_cast<double>(v_.TeplotaVsazky[r(k)]),
                            static_cast<double>(v_.Alfa[r(k)]), tpece_, moznosti_.pecOmezenych);
        if (!o) {
            return;
        }
        if (o->deleniNulou) {
            throw Selhani{KonecVypoctu::Chyba, "Division by zero"};
        }
        v_.TeplotaVsazky[r(k)] = naSingle(o->t);
        if (moznosti_.pecOmezenych) {
            v_.Alfa[r(k)] = naSingle(vydel(d_.pmax, o->ak));
            s_.TeplotaPece[r(k)] = naSingle(o->pec);
        } else {
            v_.Alfa[r(k)] = s_.TeplotaPece[r(k)] = std::numeric_limits<float>::quiet_NaN();
        }
        s_.OmezenoDo = v_.Cas[r(k)];
    }

    [[gnu::always_inline]] void vyresKrok(int k) {
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
            if (std::fabs(x - v_.TeplotaVsazky[r(k)]) < d_.tolerance) {
                break;
            }
        }
        // The exact heat balance never carries the charge past the furnace temperature; a step
        // too long for the charge does, and its temperature would be no temperature at all.
        if (prekmit(k)) {
            throw Selhani{KonecVypoctu::Prekmit, ""};
        }
        if (d_.pmax > 0.0) {
            omezPrikonem(k);
        }
    }

    bool prekmit(int k) const { return preskocila(v_.TeplotaVsazky[r(k - 1)], v_.TeplotaVsazky[r(k)], tpece_); }

    // Start value of step k+1 on the line through steps k-1 and k.
    void extrapoluj(int k) {
        if (k + 1 > kPosledniRadek) {
            throw Selhani{KonecVypoctu::Preteceni, ""};
        }
        zajisti(k + 1);
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
    PrubehPece prubeh_;
    float tpece_ = 0.0f;  // the furnace temperature of the step being solved
    float teplotaPeceK_ = 0.0f;
    double zarenePece_ = 0.0;  // (teplotaPeceK_ / 100)^4
    int krok_ = 0;
    bool meniSePec_ = false;                // the furnace temperature may change from step to step
    const Vsazka d_;                        // the charge as the steps take it
    std::size_t dosazeno_ = 0;              // the rows the march has come to and filled
    bool stalaPec_ = !u_.Rizeny && !moznosti_.pec;  // the furnace the case sets is Tpece throughout
};

}  // namespace

VysledekVypoctu Pochod(Vysledek& v, const MoznostiBehu& moznosti) {
    Beh beh(v, moznosti);
    try {
        beh.spust();
        beh.zkrat();
    } catch (const Selhani& s) {
        VysledekVypoctu selhani;
        selhani.konec = s.konec;
        selhani.popis = s.popis;
        selhani.radek = beh.krok();
        if (s.konec == KonecVypoctu::Prekmit) {
            const auto k = static_cast<std::size_t>(beh.krok());
            selhani.pred = v.Vysledky.TeplotaVsazky[k - 1];
            selhani.po = v.Vysledky.TeplotaVsazky[k];
            selhani.pec = beh.tpece();
        }
        return selhani;
    }
    return {};
}

}  // namespace zorvet
