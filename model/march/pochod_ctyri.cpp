#include "model/march/pochod_ctyri.h"

#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>
#include <vector>

#include "model/case/konstanty.h"
#include "model/march/mocnina.h"
#include "model/march/vsazka.h"
#include "model/properties/tabulka_entalpie.h"
#include "model/properties/vlastnosti.h"

#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
#define ZORVET_PRUHY 1
#include <immintrin.h>
#endif

namespace zorvet {

#if ZORVET_PRUHY

namespace {

const bool kMaPruhy = [] {
    __builtin_cpu_init();  // may run before the library's own initialisation
    return __builtin_cpu_supports("avx2") != 0 && __builtin_cpu_supports("fma") != 0;
}();

}  // namespace

// Everything below is built for processors with AVX2 and FMA, and run only on them.
#if defined(__clang__)
#pragma clang attribute push(__attribute__((target("avx2,fma"))), apply_to = function)
#else
#pragma GCC push_options
#pragma GCC target("avx2,fma")
#endif

namespace {

using D4 = double __attribute__((vector_size(32)));
using F4 = float __attribute__((vector_size(16)));
using M4 = std::int64_t __attribute__((vector_size(32)));  // a lane's mask: all ones or none
using N4 = std::int32_t __attribute__((vector_size(16)));

constexpr int kN = static_cast<int>(kPruhu);
constexpr std::int64_t kBezZnamenka = 0x7FFFFFFFFFFFFFFFLL;

inline D4 siroky(F4 f) { return __builtin_convertvector(f, D4); }
inline F4 uzky(D4 d) { return __builtin_convertvector(d, F4); }
inline M4 maska(N4 n) { return __builtin_convertvector(n, M4); }
inline D4 vsude(double x) { return D4{x, x, x, x}; }
inline F4 vsudeF(float x) { return F4{x, x, x, x}; }
inline F4 vyberF(M4 m, F4 a, F4 b) {
    const N4 n = __builtin_convertvector(m, N4);
    return reinterpret_cast<F4>((reinterpret_cast<N4>(a) & n) | (reinterpret_cast<N4>(b) & ~n));
}
inline bool nektery(M4 m) { return (m[0] | m[1] | m[2] | m[3]) != 0; }
inline D4 absD(D4 d) { return reinterpret_cast<D4>(reinterpret_cast<M4>(d) & M4{kBezZnamenka, kBezZnamenka, kBezZnamenka, kBezZnamenka}); }

// A double stored as a single: NaN or beyond the single's range is no value (Pochod's Overflow).
inline M4 neniSingle(D4 x) {
    const double nej = static_cast<double>(std::numeric_limits<float>::max());
    return ~(absD(x) <= vsude(nej));  // a NaN is not below it either
}

// pow(x, 4) lane by lane, as CtvrtaMocnina gives it.
inline D4 ctvrta(D4 x) {
    const D4 ax = absD(x);
    const __m256d a = reinterpret_cast<__m256d>(ax);
    const __m256d p = _mm256_mul_pd(a, a);
    const __m256d e1 = _mm256_fmsub_pd(a, a, p);
    const __m256d hi = _mm256_mul_pd(p, p);
    const __m256d e2 = _mm256_fmsub_pd(p, p, hi);
    const __m256d lo = _mm256_fmadd_pd(_mm256_add_pd(p, p), e1, e2);
    const D4 h = reinterpret_cast<D4>(hi), l = reinterpret_cast<D4>(lo);
    const D4 r = h + l;
    const D4 zbytek = l - (r - h);
    const M4 bity = reinterpret_cast<M4>(r);
    const M4 exponent = bity & 0x7FF0000000000000LL;
    const D4 ulp = reinterpret_cast<D4>(exponent) * vsude(0x1p-52);
    const M4 mocninaDvou = (bity & 0x000FFFFFFFFFFFFFLL) == 0;
    const M4 jiste = (absD(zbytek) < vsude(detail::kJistota) * ulp) & ~(mocninaDvou & (zbytek < vsude(0.0))) &
                     (ax > vsude(detail::kOd)) & (ax < vsude(detail::kDo));
    D4 v = r;
    if (!((jiste[0] & jiste[1] & jiste[2] & jiste[3]) != 0)) {
        for (int i = 0; i < kN; ++i) {
            if (jiste[i] == 0) {
                v[i] = std::pow(x[i], 4.0);
            }
        }
    }
    return v;
}

// What one lane marches: its case's values, widened once as Pochod widens them (Vsazka).
struct Pruhy {
    D4 A, KoefK, dt, mc, pulK, epsSigma, konvekce, tpeceD, zarenePece, pmax;
    F4 tpece, tolerance, tk, tv;
    // The lanes whose heat balance is in enthalpy, and their charges (else null); the lanes under
    // an installed power.
    M4 vEntalpii, sPrikonem;
    std::array<const Vsazka*, kPruhu> krivka;
};

// The step's temperatures of the lanes in enthalpy, each as Pochod solves it, from the
// coefficient ad; the other lanes keep theirs.
[[gnu::always_inline]] inline D4 vEntalpii(const Pruhy& c, D4 nova, D4 ad, D4 t0d, F4 t, M4 iteruje) {
    for (int i = 0; i < kN; ++i) {
        if ((c.vEntalpii[i] & iteruje[i]) != 0) {
            const double g = ad[i] * c.A[i] * c.KoefK[i] * c.dt[i];
            nova[i] = c.krivka[static_cast<std::size_t>(i)]->teplotaKroku(g, c.tpeceD[i], t0d[i],
                                                                         static_cast<double>(t[i]));
        }
    }
    return nova;
}

// One step of the lanes of jde as Pochod solves it, by fixed-point iteration from the start
// values in t: t0 the temperatures of the row before; out the step's temperatures, the
// last-but-one iterate and the coefficient of the last iteration, and the lanes that met
// anything but the plain march (a value beyond a single, a division by zero, an iteration that
// does not settle, a step that carries the charge past the furnace).
[[gnu::always_inline]] inline M4 krokPruhu(const Pruhy& c, F4 t0, F4& t, F4& odhad, F4& alfa, M4 jde) {
    const D4 t0d = siroky(t0);
    M4 vadne{};
    M4 iteruje = jde;
    for (int iterace = 0; nektery(iteruje); ++iterace) {
        if (iterace == kMaxIteraci) {
            vadne |= iteruje;
            break;
        }
        const F4 x = t;
        const D4 soucet = (t0d + siroky(t)) * vsude(0.5);  // as / 2, exactly
        M4 vada = neniSingle(soucet);
        const F4 tm = uzky(soucet);
        const D4 tmK = siroky(tm) + vsude(kKelvin);
        const F4 rozdil = c.tpece - tm;  // taken in single precision
        const D4 zareni = c.zarenePece - ctvrta(tmK / vsude(100.0));
        const D4 rozdilD = siroky(rozdil);
        vada |= rozdilD == vsude(0.0);
        const D4 a = c.konvekce + (c.epsSigma * zareni) / rozdilD;
        vada |= neniSingle(a);
        const F4 af = uzky(a);
        const D4 ad = siroky(af);
        const D4 citatel = ad * vsude(0.5) * c.A * c.KoefK * c.dt * (vsude(2.0) * c.tpeceD - t0d) + c.mc * t0d;
        const D4 jmenovatel = c.pulK * ad * c.A * c.dt + c.mc;
        vada |= (jmenovatel == vsude(0.0)) & ~c.vEntalpii;
        D4 nova = citatel / jmenovatel;
        if (nektery(c.vEntalpii)) {
            nova = vEntalpii(c, nova, ad, t0d, t, iteruje & ~vada);
        }
        vada |= neniSingle(nova);
        vada &= iteruje;
        vadne |= vada;
        iteruje &= ~vada;
        const F4 tn = uzky(nova);
        odhad = vyberF(iteruje, x, odhad);
        alfa = vyberF(iteruje, af, alfa);
        t = vyberF(iteruje, tn, t);
        const F4 d = x - tn;
        const F4 absd = reinterpret_cast<F4>(reinterpret_cast<N4>(d) & N4{0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF});
        iteruje &= ~maska(absd < c.tolerance);
    }
    const D4 d0 = t0d - c.tpeceD, d1 = siroky(t) - c.tpeceD;
    const D4 nula = vsude(0.0);
    return (vadne | ((d0 < nula) & (d1 > nula)) | ((d0 > nula) & (d1 < nula))) & jde;
}

// The start value at time c2 on the line through (c0, t0) and (c1, t1), as Pochod extrapolates;
// vada gains the lanes where a value is beyond a single or the times coincide.
[[gnu::always_inline]] inline F4 primka(D4 c0, D4 c1, D4 c2, D4 t0, D4 t1, M4& vada) {
    const D4 dc = c1 - c0;
    vada |= dc == vsude(0.0);
    const D4 s = (t1 - t0) / dc;
    vada |= neniSingle(s);
    const D4 smernice = siroky(uzky(s));
    const D4 q = t0 - smernice * c0;
    vada |= neniSingle(q);
    const D4 o = smernice * c2 + siroky(uzky(q));
    vada |= neniSingle(o);
    return uzky(o);
}

// The march of four cases in lanes: the rows of all four in one table, a row a vector of four
// singles, every operation of Pochod done on the four at once. A lane whose case meets anything
// but the plain march (a value beyond a single, a division by zero, an overshoot, the end of the
// table, an iteration that does not settle) leaves the lanes; Pochod tells what it met.
// Lane i takes the values of case u as Pochod widens them; false for a case Pochod refuses to
// start (a time step that is none, a furnace beyond a single).
bool nastavPruh(Pruhy& c, int i, const Uloha& u, std::optional<Vsazka>& krivka) {
    const Vsazka& d = krivka.emplace(u);
    c.vEntalpii[i] = d.tabulka ? -1 : 0;
    c.sPrikonem[i] = d.pmax > 0.0 ? -1 : 0;
    c.krivka[static_cast<std::size_t>(i)] = &d;
    c.A[i] = d.A;
    c.KoefK[i] = d.KoefK;
    c.dt[i] = d.dt;
    c.mc[i] = d.mc;
    c.pmax[i] = d.pmax;
    c.pulK[i] = d.pulK;
    c.epsSigma[i] = d.epsSigma;
    c.konvekce[i] = d.konvekce;
    c.tolerance[i] = d.tolerance;
    c.tpece[i] = u.Tpece;
    c.tpeceD[i] = static_cast<double>(u.Tpece);
    c.tv[i] = u.Tv;
    c.tk[i] = u.Tk;
    const double tpK = static_cast<double>(u.Tpece) + kKelvin;
    const bool single = !std::isnan(tpK) && std::fabs(tpK) <= static_cast<double>(std::numeric_limits<float>::max());
    c.zarenePece[i] = CtvrtaMocnina(static_cast<double>(static_cast<float>(tpK)) / 100.0);
    return single && u.CasKrok > 0.0f && !std::isinf(u.CasKrok);
}

// The lanes' rows, kept from one march to the next by the thread that marches.
struct RadkyPruhu {
    std::vector<F4> odhad, alfa, t, pec;
};

class Ctyri {
public:
    Ctyri(const std::array<Vysledek*, kPruhu>& v, RadkyPruhu& radky, bool pecOmezenych)
        : v_(v), pecOmezenych_(pecOmezenych), odhad_(radky.odhad), alfa_(radky.alfa), t_(radky.t), pec_(radky.pec) {
        for (std::vector<F4>* s : {&odhad_, &alfa_, &t_, &pec_}) {
            s->clear();
        }
        const Uloha* vzor = nullptr;
        for (const Vysledek* p : v_) {
            vzor = vzor ? vzor : (p ? &p->Uloha : nullptr);
        }
        for (int i = 0; i < kN; ++i) {
            const Uloha& u = v_[static_cast<std::size_t>(i)] ? v_[static_cast<std::size_t>(i)]->Uloha : *vzor;
            platny_[i] = v_[static_cast<std::size_t>(i)] ? -1 : 0;
            if (!nastavPruh(c_, i, u, vsazky_[static_cast<std::size_t>(i)])) {
                platny_[i] = 0;
            }
        }
    }

    std::array<std::optional<VysledekVypoctu>, kPruhu> spust() {
        zajisti(1);
        odhad_[0] = c_.tv;
        t_[0] = c_.tv;
        // First pass: at least two steps.
        int k = 1;
        M4 jde = platny_;
        {
            const D4 o = siroky(c_.tv) + c_.dt;
            vyrad(neniSingle(o) & jde, jde);
            odhad_[1] = uzky(o);
        }
        vyres(1, jde);
        do {
            if (k + 1 > kPosledniRadek) {
                pretece(jde, k);
                break;
            }
            extrapoluj(k, jde);
            ++k;
            vyres(k, jde);
            dokonciPruchod(k, jde, konec1_);
        } while (nektery(jde));

        // Second pass, once, from the first pass's temperatures.
        jde = platny_;
        omezenoDo_ = {};
        k = 0;
        do {
            if (k + 1 > kPosledniRadek) {
                pretece(jde, k);
                break;
            }
            zajisti(k + 1);
            // An estimate of exactly 0 is no estimate, except in row 1.
            const M4 zPrvniho = k == 0 ? jde : maska(odhad_[r(k + 1)] != vsudeF(0.0f)) & jde;
            odhad_[r(k + 1)] = vyberF(zPrvniho, t_[r(k + 1)], odhad_[r(k + 1)]);
            if (nektery(jde & ~zPrvniho)) {
                M4 ostatni = jde & ~zPrvniho;
                extrapoluj(k, ostatni);
                jde &= platny_;
            }
            ++k;
            vyres(k, jde);
            dokonciPruchod(k, jde, konec2_);
        } while (nektery(jde));

        for (int i = 0; i < kN; ++i) {
            if (platny_[i] != 0 && zapis(i)) {
                odpovedi_[static_cast<std::size_t>(i)] = VysledekVypoctu{};
            }
        }
        return odpovedi_;
    }

private:
    static std::size_t r(int k) { return static_cast<std::size_t>(k); }

    // The lanes of jde need a row beyond the table after step k: they end as Pochod ends them,
    // whatever came before was the plain march, row for row.
    void pretece(M4& jde, int k) {
        const M4 vCase = ~neniSingle(vsude(static_cast<double>(k)) * c_.dt);
        for (int i = 0; i < kN; ++i) {
            if ((jde[i] & vCase[i]) != 0) {
                VysledekVypoctu& o = odpovedi_[static_cast<std::size_t>(i)].emplace();
                o.konec = KonecVypoctu::Preteceni;
                o.radek = k;
            }
        }
        vyrad(jde, jde);
    }

    // The lanes of vada leave the march, and the lanes of jde with them.
    void vyrad(M4 vada, M4& jde) {
        platny_ &= ~vada;
        jde &= ~vada;
    }

    void zajisti(int k) {
        if (r(k) >= odhad_.size()) {
            const std::size_t nove = std::max(r(k) + 1, std::max<std::size_t>(128, 2 * odhad_.size()));
            odhad_.resize(nove, F4{});
            alfa_.resize(nove, F4{});
            t_.resize(nove, F4{});
            pec_.resize(nove, F4{});
        }
    }

    // The time of row k as Pochod stores it, widened again.
    // (A time beyond a single is Pochod's Overflow: the time of a lane's last row is checked
    // before it is answered for, and the times rise with the rows.)
    D4 cas(int k) const { return siroky(uzky(vsude(static_cast<double>(k)) * c_.dt)); }

    // Step k of the lanes of jde, by fixed-point iteration from Odhad(k).
    void vyres(int k, M4& jde) {
        zajisti(k);
        F4 t = odhad_[r(k)];
        F4 odhad = t, alfa = alfa_[r(k)];
        vyrad(krokPruhu(c_, t_[r(k - 1)], t, odhad, alfa, jde), jde);
        odhad_[r(k)] = vyberF(jde, odhad, odhad_[r(k)]);
        alfa_[r(k)] = vyberF(jde, alfa, alfa_[r(k)]);
        t_[r(k)] = vyberF(jde, t, t_[r(k)]);
        if (nektery(jde & c_.sPrikonem)) {
            omez(k, jde);
        }
    }

    // The lanes of jde under an installed power whose step k took more heat than it gives take
    // just that heat, as Pochod limits them.
    void omez(int k, M4& jde) {
        M4 zbyva = jde & c_.sPrikonem;
        if (!pecOmezenych_ && nektery(zbyva & ~c_.vEntalpii)) {
            omezStalaC(k, zbyva & ~c_.vEntalpii, jde);
            zbyva &= c_.vEntalpii;
        }
        M4 vada{};
        for (int i = 0; i < kN; ++i) {
            if (zbyva[i] == 0) {
                continue;
            }
            pec_[r(k)][i] = c_.tpece[i];
            const std::optional<OmezenyKrok> o = c_.krivka[static_cast<std::size_t>(i)]->omezPrikonem(
                static_cast<double>(t_[r(k - 1)][i]), static_cast<double>(t_[r(k)][i]),
                static_cast<double>(alfa_[r(k)][i]), c_.tpece[i], pecOmezenych_);
            if (!o) {
                continue;
            }
            const double a = o->ak == 0.0 ? 0.0 : c_.krivka[static_cast<std::size_t>(i)]->pmax / o->ak;
            if (o->deleniNulou || !jeSingle(o->t) ||
                (pecOmezenych_ && (o->ak == 0.0 || !jeSingle(a) || !jeSingle(o->pec)))) {
                vada[i] = -1;
                continue;
            }
            t_[r(k)][i] = static_cast<float>(o->t);
            alfa_[r(k)][i] = pecOmezenych_ ? static_cast<float>(a) : std::numeric_limits<float>::quiet_NaN();
            pec_[r(k)][i] = pecOmezenych_ ? static_cast<float>(o->pec) : std::numeric_limits<float>::quiet_NaN();
            omezenoDo_[static_cast<std::size_t>(i)] = k;
        }
        vyrad(vada, jde);
    }

    // The lanes of `lane` (of one specific heat, their furnace of the limit shown nowhere) at once,
    // each as Vsazka::omezPrikonem and poPrikonu limit it: the same operations in the same order.
    void omezStalaC(int k, M4 lane, M4& jde) {
        const D4 t0 = siroky(t_[r(k - 1)]), t1 = siroky(t_[r(k)]);
        const M4 nad = (siroky(alfa_[r(k)]) * (c_.A * c_.KoefK) * (c_.tpeceD - (t0 + t1) / vsude(2.0)) > c_.pmax) & lane;
        pec_[r(k)] = vyberF(lane, c_.tpece, pec_[r(k)]);
        if (!nektery(nad)) {
            return;
        }
        const D4 t = t0 + c_.pmax * c_.dt / c_.mc;
        const M4 vada = neniSingle(t) & nad, plati = nad & ~vada;
        const F4 nic = vsudeF(std::numeric_limits<float>::quiet_NaN());
        t_[r(k)] = vyberF(plati, uzky(t), t_[r(k)]);
        alfa_[r(k)] = vyberF(plati, nic, alfa_[r(k)]);
        pec_[r(k)] = vyberF(plati, nic, pec_[r(k)]);
        for (int i = 0; i < kN; ++i) {
            if (plati[i] != 0) {
                omezenoDo_[static_cast<std::size_t>(i)] = k;
            }
        }
        vyrad(vada, jde);
    }

    static bool jeSingle(double x) {
        return !std::isnan(x) && std::fabs(x) <= static_cast<double>(std::numeric_limits<float>::max());
    }

    // Start value of step k+1 of the lanes of jde on the line through steps k-1 and k.
    void extrapoluj(int k, M4& jde) {
        zajisti(k + 1);
        const D4 c0 = cas(k - 1), c1 = cas(k), c2 = cas(k + 1);
        M4 vada{};
        const F4 o = primka(c0, c1, c2, siroky(t_[r(k - 1)]), siroky(t_[r(k)]), vada);
        vyrad(vada & jde, jde);
        odhad_[r(k + 1)] = vyberF(jde, o, odhad_[r(k + 1)]);
    }

    // The lanes of jde that reached Tk at step k end their pass there.
    void dokonciPruchod(int k, M4& jde, std::array<int, kPruhu>& konec) {
        const M4 dosazeno = maska(~(t_[r(k)] < c_.tk)) & jde;
        for (int i = 0; i < kN; ++i) {
            if (dosazeno[i] != 0) {
                konec[static_cast<std::size_t>(i)] = k;
            }
        }
        jde &= ~dosazeno;
    }

    // Lane i's rows into its result, as Pochod leaves them; none when the time of its last row
    // is beyond a single (Pochod's Overflow).
    bool zapis(int i) {
        Vysledek& v = *v_[static_cast<std::size_t>(i)];
        const int p1 = konec1_[static_cast<std::size_t>(i)], p2 = konec2_[static_cast<std::size_t>(i)];
        const std::size_t radku = r(std::max(p1, p2) + 1);
        const double posledni = static_cast<double>(radku - 1) * static_cast<double>(v.Uloha.CasKrok);
        if (!(posledni <= static_cast<double>(std::numeric_limits<float>::max()))) {
            return false;
        }
        Vysledky& s = v.Vysledky;
        s.Cas.resize(radku);
        s.Odhad.resize(radku);
        s.Alfa.resize(radku);
        s.TeplotaVsazky.resize(radku);
        v.TeplotaPece.assign(radku, v.Uloha.Tpece);
        const bool sPrikonem = c_.sPrikonem[i] != 0;
        for (std::size_t j = 0; j < radku; ++j) {
            s.Cas[j] = static_cast<float>(static_cast<double>(j) * static_cast<double>(v.Uloha.CasKrok));
            s.Odhad[j] = odhad_[j][i];
            s.Alfa[j] = alfa_[j][i];
            s.TeplotaVsazky[j] = t_[j][i];
            if (sPrikonem && j > 0) {
                v.TeplotaPece[j] = pec_[j][i];
            }
        }
        v.PocetKroku = static_cast<std::int16_t>(p2);
        const int omezeno = omezenoDo_[static_cast<std::size_t>(i)];
        v.OmezenoDo = omezeno > 0 ? s.Cas[r(omezeno)] : 0.0f;
        // A furnace the power limited from the first step shows at the start the temperature at
        // which the charge, still at Tv, takes just that power.
        if (sPrikonem && v.TeplotaPece[1] != v.Uloha.Tpece) {
            v.TeplotaPece[0] = std::numeric_limits<float>::quiet_NaN();
            if (pecOmezenych_) {
                const std::optional<double> pec =
                    c_.krivka[static_cast<std::size_t>(i)]->pecProPrikon(static_cast<double>(v.Uloha.Tv), v.Uloha.Tpece);
                if (!pec || !jeSingle(*pec)) {
                    return false;
                }
                v.TeplotaPece[0] = static_cast<float>(*pec);
            }
        }
        return true;
    }

    std::array<Vysledek*, kPruhu> v_;
    bool pecOmezenych_;
    std::array<std::optional<Vsazka>, kPruhu> vsazky_;
    Pruhy c_{};
    M4 platny_{};
    std::vector<F4>& odhad_;
    std::vector<F4>& alfa_;
    std::vector<F4>& t_;
    std::vector<F4>& pec_;  // the furnace of the rows of the lanes under an installed power
    std::array<int, kPruhu> konec1_{}, konec2_{}, omezenoDo_{};
    std::array<std::optional<VysledekVypoctu>, kPruhu> odpovedi_{};
};

}  // namespace

#if defined(__clang__)
#pragma clang attribute pop
#else
#pragma GCC pop_options
#endif

bool DoPruhu(const Uloha& u, const MoznostiBehu& moznosti) {
    if (!kMaPruhy || moznosti.pec || moznosti.doCasu > 0.0 || u.Rizeny) {
        return false;
    }
    return !u.Vlastnosti || Vlastnosti(*u.Vlastnosti).stalaC().has_value() ||
           TabulkaEntalpie::Pro(*u.Vlastnosti) != nullptr;
}

std::array<std::optional<VysledekVypoctu>, kPruhu> PochodCtyr(const std::array<Vysledek*, kPruhu>& v,
                                                              bool pecOmezenych) {
    for (const Vysledek* p : v) {
        if (p) {
            thread_local RadkyPruhu radky;
            return Ctyri(v, radky, pecOmezenych).spust();
        }
    }
    return {};
}

#else

bool DoPruhu(const Uloha&, const MoznostiBehu&) { return false; }
std::array<std::optional<VysledekVypoctu>, kPruhu> PochodCtyr(const std::array<Vysledek*, kPruhu>&, bool) {
    return {};
}

#endif  // ZORVET_PRUHY

}  // namespace zorvet

