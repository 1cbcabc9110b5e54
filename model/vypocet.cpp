#include "model/vypocet.h"

#include <cmath>
#include <limits>

namespace zorvet {

namespace {

constexpr double kKelvin = 273.15;
constexpr double kSigma = 5.6697;  // Stefan–Boltzmann constant scaled by 1e8 (temperatures / 100)
constexpr double kKonvekce = 15.0;

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

class Beh {
public:
    explicit Beh(Vysledek& r) : s_(r), u_(r.Uloha), v_(r.Vysledky) {}

    void spust() {
        if (!(u_.CasKrok > 0.0f) || std::isinf(u_.CasKrok)) {
            throw Selhani{KonecVypoctu::NeplatnyKrok, ""};
        }
        teplotaPeceK_ = naSingle(static_cast<double>(u_.Tpece) + kKelvin);
        tolerance_ = naSingle(static_cast<double>(u_.CasKrok) / 10.0);
        for (int i = 0; i < kPocetRadku; ++i) {
            v_.Cas[i] = naSingle(static_cast<double>(i) * u_.CasKrok);
        }
        // A fresh start: no estimate of an earlier run may steer this one.
        v_.Odhad.fill(0.0f);
        v_.Odhad[0] = u_.Tv;
        v_.TeplotaVsazky[0] = u_.Tv;

        // First pass: at least two steps.
        int k = 1;
        nastavPec(k);
        v_.Odhad[1] = naSingle(static_cast<double>(u_.Tv) + u_.CasKrok);
        vyresKrok(k);
        do {
            extrapoluj(k);
            ++k;
            nastavPec(k);
            vyresKrok(k);
        } while (v_.TeplotaVsazky[k] < u_.Tk);
        s_.PocetKroku = static_cast<std::int16_t>(k);

        // Second pass, once, from the first pass's temperatures.
        k = 0;
        do {
            if (k + 1 > kPosledniRadek) {
                throw Selhani{KonecVypoctu::Preteceni, ""};
            }
            // The first pass's temperature is the start value. An estimate of exactly 0 is
            // no estimate, except in row 1: the first pass settled there at 0 °C, and step 0
            // has no predecessor to extrapolate from.
            if (v_.Odhad[k + 1] != 0.0f || k == 0) {
                v_.Odhad[k + 1] = v_.TeplotaVsazky[k + 1];
            } else {
                extrapoluj(k);
            }
            ++k;
            nastavPec(k);
            vyresKrok(k);
        } while (v_.TeplotaVsazky[k] < u_.Tk);
        s_.PocetKroku = static_cast<std::int16_t>(k);
    }

    int krok() const { return krok_; }

private:
    void nastavPec(int k) {
        krok_ = k;
        if (u_.Rizeny) {
            u_.Tpece = s_.TeplotaPece[k];
            teplotaPeceK_ = naSingle(static_cast<double>(u_.Tpece) + kKelvin);
        }
    }

    void spoctiAlfa(int k) {
        const float tm = naSingle((static_cast<double>(v_.TeplotaVsazky[k - 1]) + v_.TeplotaVsazky[k]) / 2.0);
        const double tmK = static_cast<double>(tm) + kKelvin;
        const float rozdil = u_.Tpece - tm;  // taken in single precision
        const double zareni = std::pow(static_cast<double>(teplotaPeceK_) / 100.0, 4.0) -
                              std::pow(tmK / 100.0, 4.0);
        const double alfa =
            kKonvekce + vydel((static_cast<double>(u_.Eps) * kSigma) * zareni, static_cast<double>(rozdil));
        v_.Alfa[k] = naSingle(alfa);
    }

    void spoctiTeplotu(int k) {
        const double alfa = v_.Alfa[k];
        const double dt = u_.CasKrok;
        const double t0 = v_.TeplotaVsazky[k - 1];
        const double mc = static_cast<double>(u_.m) * u_.c;
        const double citatel =
            alfa * 0.5 * u_.A * u_.KoefK * dt * (2.0 * u_.Tpece - t0) + mc * t0;
        const double jmenovatel = static_cast<double>(u_.KoefK) * 0.5 * alfa * u_.A * dt + mc;
        v_.TeplotaVsazky[k] = naSingle(vydel(citatel, jmenovatel));
    }

    void vyresKrok(int k) {
        v_.TeplotaVsazky[k] = v_.Odhad[k];
        for (int iterace = 0;; ++iterace) {
            if (iterace == kMaxIteraci) {
                throw Selhani{KonecVypoctu::Nekonverguje, ""};
            }
            const float x = v_.TeplotaVsazky[k];
            v_.Odhad[k] = x;
            spoctiAlfa(k);
            spoctiTeplotu(k);
            if (std::fabs(x - v_.TeplotaVsazky[k]) < tolerance_) {
                return;
            }
        }
    }

    // Start value of step k+1 on the line through steps k-1 and k.
    void extrapoluj(int k) {
        if (k + 1 > kPosledniRadek) {
            throw Selhani{KonecVypoctu::Preteceni, ""};
        }
        const float smernice =
            naSingle(vydel(static_cast<double>(v_.TeplotaVsazky[k]) - v_.TeplotaVsazky[k - 1],
                           static_cast<double>(v_.Cas[k]) - v_.Cas[k - 1]));
        const float usek =
            naSingle(static_cast<double>(v_.TeplotaVsazky[k - 1]) - static_cast<double>(smernice) * v_.Cas[k - 1]);
        v_.Odhad[k + 1] = naSingle(static_cast<double>(smernice) * v_.Cas[k + 1] + usek);
    }

    Vysledek& s_;
    Uloha& u_;
    Vysledky& v_;
    float teplotaPeceK_ = 0.0f;
    float tolerance_ = 0.0f;
    int krok_ = 0;
};

}  // namespace

VysledekVypoctu Vypocet(const Uloha& uloha) {
    auto vysledek = std::make_unique<Vysledek>();
    vysledek->Uloha = uloha;
    RozvinKrivku(uloha, vysledek->TeplotaPece);
    Beh beh(*vysledek);
    try {
        beh.spust();
    } catch (const Selhani& s) {
        return VysledekVypoctu{s.konec, s.popis, beh.krok(), nullptr};
    }
    const int radek = vysledek->PocetKroku;
    return VysledekVypoctu{KonecVypoctu::Uspech, {}, radek, std::move(vysledek)};
}

void RozvinKrivku(const Uloha& u, std::array<float, kPocetRadku>& pec) {
    const int pocet = PocetUseku(u);
    pec.fill(0.0f);
    pec[0] = u.Krivka[0].Teplota;
    int j = 0;
    const double krok = u.CasKrok;
    for (int i = 0; i < pocet && j < kPosledniRadek; ++i) {
        const UsekKrivky& bod = u.Krivka[i];
        // A segment without a positive duration, or a step that is not positive, adds no steps.
        if (!(bod.DobaVydrze > 0.0f) || !(krok > 0.0)) {
            continue;
        }
        const float smernice =
            static_cast<float>((static_cast<double>(u.Krivka[i + 1].Teplota) - bod.Teplota) / bod.DobaVydrze);
        const double n = std::floor(static_cast<double>(bod.DobaVydrze) / krok);
        for (double s = 1.0; s <= n && j < kPosledniRadek; s += 1.0) {
            ++j;
            pec[j] = static_cast<float>(s * smernice * krok + bod.Teplota);
        }
    }
    const float konec = u.Krivka[pocet].Teplota;
    for (int i = j + 1; i < kPocetRadku; ++i) {
        pec[i] = konec;
    }
}

}  // namespace zorvet
