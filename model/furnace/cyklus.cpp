#include "model/furnace/cyklus.h"

#include <algorithm>
#include <cmath>
#include <deque>

namespace zorvet {

namespace {

// The cyclic steady state: the iterations of one cycle each, the history Anderson's method
// mixes, and how close the lining must come back to its state at the loading (K at every node).
constexpr int kNejviceIteraci = 80;
constexpr std::size_t kHloubka = 6;
constexpr double kUstaleni = 1e-3;

double nejvetsi(const std::vector<double>& v) {
    double m = 0.0;
    for (double x : v) {
        m = std::max(m, std::fabs(x));
    }
    return m;
}

std::vector<double> rozdil(const std::vector<double>& a, const std::vector<double>& b) {
    std::vector<double> r(a.size());
    for (std::size_t i = 0; i < a.size(); ++i) {
        r[i] = a[i] - b[i];
    }
    return r;
}

double skalar(const std::vector<double>& a, const std::vector<double>& b) {
    double s = 0.0;
    for (std::size_t i = 0; i < a.size(); ++i) {
        s += a[i] * b[i];
    }
    return s;
}

// The coefficients γ that minimise |f − Σ γj·df[j]|, by the normal equations (a few columns),
// slightly regularised, by elimination with partial pivoting.
std::vector<double> nejmensiCtverce(const std::deque<std::vector<double>>& df, const std::vector<double>& f) {
    const std::size_t m = df.size();
    std::vector<std::vector<double>> a(m, std::vector<double>(m + 1));
    for (std::size_t i = 0; i < m; ++i) {
        for (std::size_t j = 0; j < m; ++j) {
            a[i][j] = skalar(df[i], df[j]);
        }
        a[i][i] *= 1.0 + 1e-10;
        a[i][m] = skalar(df[i], f);
    }
    for (std::size_t k = 0; k < m; ++k) {
        std::size_t p = k;
        for (std::size_t i = k + 1; i < m; ++i) {
            if (std::fabs(a[i][k]) > std::fabs(a[p][k])) {
                p = i;
            }
        }
        std::swap(a[k], a[p]);
        if (a[k][k] == 0.0) {
            continue;
        }
        for (std::size_t i = k + 1; i < m; ++i) {
            const double w = a[i][k] / a[k][k];
            for (std::size_t j = k; j <= m; ++j) {
                a[i][j] -= w * a[k][j];
            }
        }
    }
    std::vector<double> g(m, 0.0);
    for (std::size_t k = m; k-- > 0;) {
        double s = a[k][m];
        for (std::size_t j = k + 1; j < m; ++j) {
            s -= a[k][j] * g[j];
        }
        g[k] = a[k][k] != 0.0 ? s / a[k][k] : 0.0;
    }
    return g;
}

// The lining's state at the loading that the smooth cycle brings back to itself, by Anderson's
// method from the state the furnace is in; false when it does not settle (the furnace is left in
// the last iterate). The cycle whose soak ends with a step would jump by a step where the
// heat-up does, and have no fixed point; the smooth one ends the soak within a step.
bool pevnyBod(PecVProvozu& pec, VsazkaVPeci& vsazka, const RezimPece& rezim, int& iteraci) {
    std::vector<double> x = pec.stav();
    std::deque<std::vector<double>> df, dg;
    std::vector<double> fPred, gPred;
    for (int i = 0; i < kNejviceIteraci; ++i) {
        ++iteraci;
        pec.nastavStav(x);
        if (!SpoctiCyklus(pec, vsazka, rezim, true).ohrato) {
            return false;
        }
        const std::vector<double> g = pec.stav();
        const std::vector<double> f = rozdil(g, x);
        if (nejvetsi(f) < kUstaleni) {
            pec.nastavStav(x);
            return true;
        }
        if (!fPred.empty()) {
            df.push_back(rozdil(f, fPred));
            dg.push_back(rozdil(g, gPred));
            if (df.size() > kHloubka) {
                df.pop_front();
                dg.pop_front();
            }
        }
        fPred = f;
        gPred = g;
        x = g;
        const std::vector<double> gama = nejmensiCtverce(df, f);
        for (std::size_t j = 0; j < gama.size(); ++j) {
            for (std::size_t u = 0; u < x.size(); ++u) {
                x[u] -= gama[j] * dg[j][u];
            }
        }
    }
    pec.nastavStav(x);
    return false;
}

}  // namespace

void BilancePece::pridej(const KrokPece& k, double dt) {
    elektrina += k.prikon * dt;
    vsazka += k.vsazka.vsazka;
    pripravky += k.vsazka.pripravky;
    vyzdivka += k.vyzdivka;
    steny += k.steny;
    dvere += k.dvere;
}

CyklusPece SpoctiCyklus(PecVProvozu& pec, VsazkaVPeci& vsazka, const RezimPece& rezim, bool spojity) {
    CyklusPece c;
    const double dt = rezim.krok;
    const double otevreno = rezim.otevreno;
    vsazka.nalozit();
    if (rezim.radky) {
        c.pec.push_back(pec.teplota());
        c.prikon.push_back(0.0);
        c.vsazka.push_back(vsazka.teplota());
    }
    double konec = static_cast<double>(rezim.maxKroku) * dt;  // s
    // The smooth cycle: the lining before the last step and where that step began and ended.
    std::vector<double> stavPred;
    double zacatekPoslednich = 0.0, konecPoslednich = 0.0;
    for (long k = 1; static_cast<double>(k - 1) * dt < konec * (1.0 - 1e-12); ++k) {
        const double zacatek = static_cast<double>(k - 1) * dt;
        const double delka = std::min(dt, konec - zacatek);
        const double dvere = std::clamp(otevreno - zacatek, 0.0, delka);
        const double pred = vsazka.teplota();
        if (spojity) {
            stavPred = pec.stav();
            zacatekPoslednich = zacatek;
            konecPoslednich = zacatek + delka;
        }
        const KrokPece krok = pec.krok(delka, rezim.nastavena(k), dvere, rezim.prikon, vsazka);
        c.cyklus.pridej(krok, delka);
        c.spicka = std::max(c.spicka, krok.prikon);
        c.vyreseno = c.vyreseno && krok.vyreseno;
        c.kroku = k;
        if (rezim.radky) {
            c.pec.push_back(krok.teplota);
            c.prikon.push_back(krok.prikon);
            c.vsazka.push_back(vsazka.teplota());
        }
        if (!c.ohrato && vsazka.ohrata()) {
            c.ohrato = true;
            c.krokOhrevu = k;
            c.ohrev = c.cyklus;
            // The soak ends at the first step at or after the heat-up time plus the soak; in the
            // smooth cycle, the soak after the time the charge crossed its final temperature,
            // linear within the step.
            double ohrev = static_cast<double>(k) * dt;
            if (spojity) {
                const double po = vsazka.teplota();
                const double podil = po > pred ? (vsazka.cil() - pred) / (po - pred) : 1.0;
                ohrev = zacatek + std::clamp(podil, 0.0, 1.0) * delka;
            }
            const double doba = ohrev + rezim.prodleva;
            konec = std::min(konec, spojity ? doba : std::ceil(doba / dt - 1e-9) * dt);
        }
    }
    // A soak shorter than what is left of the step the charge crossed its final temperature in
    // ends inside that step, which was taken whole: the smooth cycle's lining at its end lies
    // between the states before and after the step, as the end lies between its times. Else the
    // lining would jump by a whole step as the crossing moves across a step's end, and the cycle
    // have no fixed point.
    if (spojity && c.ohrato && konec < konecPoslednich && konecPoslednich > zacatekPoslednich) {
        const double podil = std::clamp((konec - zacatekPoslednich) / (konecPoslednich - zacatekPoslednich), 0.0, 1.0);
        std::vector<double> stav = pec.stav();
        for (std::size_t i = 0; i < stav.size(); ++i) {
            stav[i] = stavPred[i] + podil * (stav[i] - stavPred[i]);
        }
        pec.nastavStav(stav);
    }
    return c;
}

StartPeceVysledek SpoctiStart(const Pec& popis, const OkoliPece& okoli, VsazkaVPeci& vsazka, const RezimPece& rezim,
                              double prvek, const std::vector<double>* odhad) {
    PecVProvozu pec(popis, okoli, prvek);
    StartPeceVysledek v;
    RezimPece bezRadku = rezim;
    bezRadku.radky = false;
    switch (popis.Start) {
        case StartPece::Horky:
            pec.horka(rezim.nastavena(0));
            break;
        case StartPece::Studeny:
            pec.studena();
            break;
        case StartPece::PoCyklech:
            pec.studena();
            for (; v.cyklu < popis.Cyklu; ++v.cyklu) {
                if (!SpoctiCyklus(pec, vsazka, bezRadku).ohrato) {
                    break;
                }
            }
            break;
        case StartPece::Cyklicky:
            pec.horka(rezim.nastavena(0));
            if (odhad != nullptr && odhad->size() == pec.stav().size()) {
                pec.nastavStav(*odhad);
            }
            v.ustaleno = pevnyBod(pec, vsazka, bezRadku, v.cyklu);
            break;
    }
    v.stav = pec.stav();
    v.cyklus = SpoctiCyklus(pec, vsazka, rezim);
    return v;
}

}  // namespace zorvet
