#include "model/load/pohledove_faktory.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "model/case/konstanty.h"

namespace zorvet {

namespace {


struct Vektor {
    double x = 0.0, y = 0.0;
};
Vektor operator-(Vektor a, Vektor b) { return {a.x - b.x, a.y - b.y}; }
Vektor operator+(Vektor a, Vektor b) { return {a.x + b.x, a.y + b.y}; }
double skalarni(Vektor a, Vektor b) { return a.x * b.x + a.y * b.y; }
double vektorovy(Vektor a, Vektor b) { return a.x * b.y - a.y * b.x; }

// The boundary of one piece about its centre, by the facet parameter t in 0..M (facet f is f..f+1).
struct Tvar {
    char profil;
    double r;  // half the diameter or side
    int m;

    void bod(double t, Vektor& p, Vektor& n) const {
        if (profil == 'K') {
            const double theta = 2.0 * kPiPresne * t / m;
            n = {std::cos(theta), std::sin(theta)};
            p = {r * n.x, r * n.y};
            return;
        }
        const double s = 8.0 * r * t / m;  // along the perimeter from (-r, -r)
        const int strana = std::clamp(static_cast<int>(std::floor(s / (2.0 * r))), 0, 3);
        const double u = s - 2.0 * r * strana;
        switch (strana) {
            case 0: p = {-r + u, -r}, n = {0.0, -1.0}; break;
            case 1: p = {r, -r + u}, n = {1.0, 0.0}; break;
            case 2: p = {r - u, r}, n = {0.0, 1.0}; break;
            default: p = {-r, r - u}, n = {-1.0, 0.0}; break;
        }
    }
    // The facet holding the boundary point p (not a facet boundary).
    int faseta(Vektor p) const {
        double t = 0.0;
        if (profil == 'K') {
            double theta = std::atan2(p.y, p.x);
            if (theta < 0.0) theta += 2.0 * kPiPresne;
            t = theta * m / (2.0 * kPiPresne);
        } else {
            const double e = 1e-9 * r;
            const double s = std::fabs(p.y + r) < e   ? p.x + r
                             : std::fabs(p.x - r) < e ? 2.0 * r + p.y + r
                             : std::fabs(p.y - r) < e ? 4.0 * r + r - p.x
                                                      : 6.0 * r + r - p.y;
            t = s * m / (8.0 * r);
        }
        return std::clamp(static_cast<int>(std::floor(t)), 0, m - 1) % m;
    }
};

// Gauss-Legendre nodes in 0..1 and weights summing to 1 (Newton on P_n from Chebyshev guesses).
void gaussLegendre(int n, std::vector<double>& x, std::vector<double>& w) {
    x.assign(static_cast<std::size_t>(n), 0.0);
    w.assign(static_cast<std::size_t>(n), 0.0);
    for (int i = 0; i < n; ++i) {
        double z = std::cos(kPiPresne * (i + 0.75) / (n + 0.5));
        double dp = 1.0;
        for (int k = 0; k < 100; ++k) {
            double p0 = 1.0, p1 = z;
            for (int j = 2; j <= n; ++j) {
                const double p2 = ((2.0 * j - 1.0) * z * p1 - (j - 1.0) * p0) / j;
                p0 = p1;
                p1 = p2;
            }
            if (n == 1) p0 = 1.0, p1 = z;
            dp = n * (z * p1 - p0) / (z * z - 1.0);
            const double krok = p1 / dp;
            z -= krok;
            if (std::fabs(krok) < 1e-15) break;
        }
        x[static_cast<std::size_t>(i)] = (1.0 - z) / 2.0;
        w[static_cast<std::size_t>(i)] = 1.0 / ((1.0 - z * z) * dp * dp);
    }
}

struct Interval {
    double a, b;
};

// A union of disjoint intervals, in increasing order.
class Pokryti {
public:
    void vyprazdni() { casti_.clear(); }
    // The parts of [a, b] not yet covered.
    void zbytek(double a, double b, std::vector<Interval>& vystup) const {
        vystup.clear();
        double od = a;
        for (const Interval& c : casti_) {
            if (c.b <= od) continue;
            if (c.a >= b) break;
            if (c.a > od) vystup.push_back({od, c.a});
            od = std::max(od, c.b);
            if (od >= b) return;
        }
        if (od < b) vystup.push_back({od, b});
    }
    void pridej(double a, double b) {
        std::vector<Interval> nove;
        nove.reserve(casti_.size() + 1);
        bool vlozeno = false;
        for (const Interval& c : casti_) {
            if (c.b < a) {
                nove.push_back(c);
            } else if (c.a > b) {
                if (!vlozeno) nove.push_back({a, b}), vlozeno = true;
                nove.push_back(c);
            } else {
                a = std::min(a, c.a);
                b = std::max(b, c.b);
            }
        }
        if (!vlozeno) nove.push_back({a, b});
        casti_.swap(nove);
    }
    // The view factor of the covered directions: half the integral of cos over them.
    double faktor() const {
        double s = 0.0;
        for (const Interval& c : casti_) s += (std::sin(c.b) - std::sin(c.a)) / 2.0;
        return s;
    }

private:
    std::vector<Interval> casti_;
};

class Pohled {
public:
    Pohled(const Usporadani& u, int m) : u_(u), tvar_{u.profil, u.d / 2.0, m}, m_(m) {
        const int n = u.nx * u.ny;
        stredy_.resize(static_cast<std::size_t>(n));
        for (int k = 0; k < n; ++k) {
            stredy_[static_cast<std::size_t>(k)] = {(k % u.nx) * (u.d + u.gx), (k / u.nx) * (u.d + u.gy)};
        }
    }

    // Adds w times the view factors of the point p (normal n) of piece k0 to the facets (radek,
    // offset by piece * M) and returns w times its furnace factor.
    double bod(int k0, Vektor p, Vektor n, double w, double* radek) {
        const int n0 = u_.nx * u_.ny;
        const int r0 = k0 / u_.nx, c0 = k0 % u_.nx;
        // A face in contact with a square neighbour sees only that neighbour's face.
        if (u_.profil == 'C') {
            const int dc = static_cast<int>(std::lround(n.x)), dr = static_cast<int>(std::lround(n.y));
            const int c = c0 + dc, r = r0 + dr;
            const double mezera = dc != 0 ? u_.gx : u_.gy;
            if (mezera == 0.0 && c >= 0 && c < u_.nx && r >= 0 && r < u_.ny) {
                const int k = r * u_.nx + c;
                radek[k * m_ + tvar_.faseta(p + stredy_[static_cast<std::size_t>(k0)] -
                                            stredy_[static_cast<std::size_t>(k)])] += w;
                return 0.0;
            }
        }
        poradi_.clear();
        for (int k = 0; k < n0; ++k) {
            if (k != k0) poradi_.push_back(k);
        }
        std::sort(poradi_.begin(), poradi_.end(), [&](int a, int b) {
            const int da = std::abs(a % u_.nx - c0), db = std::abs(b % u_.nx - c0);
            if (da != db) return da < db;
            return std::abs(a / u_.nx - r0) < std::abs(b / u_.nx - r0);
        });
        const Vektor bodP = p + stredy_[static_cast<std::size_t>(k0)];
        pokryti_.vyprazdni();
        for (const int k : poradi_) {
            const Vektor c = stredy_[static_cast<std::size_t>(k)];
            const Vektor smer = c - bodP;
            const double vzdalenost = std::hypot(smer.x, smer.y);
            const double gama = std::atan2(vektorovy(n, smer), skalarni(n, smer));
            // The angle from the normal of a point q, unwrapped about the direction to the centre.
            const auto uhel = [&](Vektor q) {
                const Vektor v = q - bodP;
                return gama + std::atan2(vektorovy(smer, v), skalarni(smer, v));
            };
            double a = 0.0, b = 0.0;
            const double r = tvar_.r;
            if (u_.profil == 'K') {
                const double delta = std::asin(std::min(1.0, r / vzdalenost));
                a = gama - delta, b = gama + delta;
            } else {
                a = 1e300, b = -1e300;
                for (const Vektor roh : {Vektor{-r, -r}, Vektor{r, -r}, Vektor{r, r}, Vektor{-r, r}}) {
                    const double f = uhel(c + roh);
                    a = std::min(a, f), b = std::max(b, f);
                }
            }
            a = std::max(a, -kPiPresne / 2.0), b = std::min(b, kPiPresne / 2.0);
            if (!(a < b)) continue;
            pokryti_.zbytek(a, b, viditelne_);
            if (!viditelne_.empty()) {
                const auto pripis = [&](int f, double ua, double ub) {
                    if (ua > ub) std::swap(ua, ub);
                    for (const Interval& v : viditelne_) {
                        const double lo = std::max(ua, v.a), hi = std::min(ub, v.b);
                        if (lo < hi) radek[k * m_ + f] += w * (std::sin(hi) - std::sin(lo)) / 2.0;
                    }
                };
                if (u_.profil == 'K') {
                    // The arc seen from the point: half-angle psi about the direction to it.
                    const double beta = std::atan2(bodP.y - c.y, bodP.x - c.x);
                    const double psi = std::acos(std::min(1.0, r / vzdalenost));
                    const double dTheta = 2.0 * kPiPresne / m_;
                    const int prvni = static_cast<int>(std::floor((beta - psi) / dTheta));
                    const int posledni = static_cast<int>(std::floor((beta + psi) / dTheta));
                    for (int i = prvni; i <= posledni; ++i) {
                        const double t0 = std::max(i * dTheta, beta - psi), t1 = std::min((i + 1) * dTheta, beta + psi);
                        if (!(t0 < t1)) continue;
                        const int f = ((i % m_) + m_) % m_;
                        pripis(f, uhel(c + Vektor{r * std::cos(t0), r * std::sin(t0)}),
                               uhel(c + Vektor{r * std::cos(t1), r * std::sin(t1)}));
                    }
                } else {
                    const int naStranu = m_ / 4;
                    for (int strana = 0; strana < 4; ++strana) {
                        Vektor q, normala;
                        tvar_.bod(strana * naStranu + 0.5, q, normala);
                        if (!(skalarni(bodP - (c + q), normala) > 1e-12 * r)) continue;
                        Vektor q0, q1, nn;
                        tvar_.bod(strana * naStranu, q0, nn);
                        for (int i = 0; i < naStranu; ++i) {
                            tvar_.bod(strana * naStranu + i + 1, q1, nn);
                            if (i + 1 == naStranu) {  // the side's end corner, not the next side's start
                                const Vektor rohy[4] = {{r, -r}, {r, r}, {-r, r}, {-r, -r}};
                                q1 = rohy[strana];
                            }
                            pripis(strana * naStranu + i, uhel(c + q0), uhel(c + q1));
                            q0 = q1;
                        }
                    }
                }
            }
            pokryti_.pridej(a, b);
        }
        return w * (1.0 - pokryti_.faktor());
    }

    const Tvar& tvar() const { return tvar_; }

private:
    const Usporadani& u_;
    Tvar tvar_;
    int m_;
    std::vector<Vektor> stredy_;
    std::vector<int> poradi_;
    Pokryti pokryti_;
    std::vector<Interval> viditelne_;
};

}  // namespace

bool PlatneUsporadani(const Usporadani& u) {
    const auto rozmer = [](double x) { return std::isfinite(x) && x >= 1e-6 && x <= 1e3; };
    const auto mezera = [](double x) { return std::isfinite(x) && x >= 0.0 && x <= 1e3; };
    return (u.profil == 'K' || u.profil == 'C') && rozmer(u.d) && u.nx >= 1 && u.ny >= 1 && u.nx <= kNejviceKusuMrizky &&
           u.ny <= kNejviceKusuMrizky && u.nx * u.ny <= kNejviceKusuMrizky && mezera(u.gx) && mezera(u.gy);
}

Symetrie::Symetrie(const Usporadani& u, int fasetNaKus, bool vyuzit)
    : kusu_(u.nx * u.ny), m_(fasetNaKus), nx_(u.nx), ny_(u.ny), vyuzit_(vyuzit),
      diagonala_(vyuzit && u.nx > 1 && u.nx == u.ny && u.gx == u.gy) {
    const int nx = u.nx;
    poradi_.assign(static_cast<std::size_t>(kusu_), 0);
    for (int k = 0; k < kusu_; ++k) {
        const int r = k / nx, c = k % nx;
        const bool vlastni = !vyuzit || (2 * r <= u.ny - 1 && 2 * c <= nx - 1 && (!diagonala_ || r <= c));
        if (vlastni) {
            poradi_[static_cast<std::size_t>(k)] = static_cast<int>(reprezentanti_.size());
            reprezentanti_.push_back(k);
            nasobnost_.push_back(0);
        }
    }
    for (int k = 0; k < kusu_; ++k) {
        const int rep = zrcadliKus(k, prevraciX(k), prevraciY(k), prevraciD(k));
        poradi_[static_cast<std::size_t>(k)] = poradi_[static_cast<std::size_t>(rep)];
        ++nasobnost_[static_cast<std::size_t>(poradi_[static_cast<std::size_t>(k)])];
    }
    const Tvar tvar{u.profil, u.d / 2.0, m_};
    zrcadloX_.resize(static_cast<std::size_t>(m_));
    zrcadloY_.resize(static_cast<std::size_t>(m_));
    zrcadloD_.resize(static_cast<std::size_t>(m_));
    for (int f = 0; f < m_; ++f) {
        Vektor p, n;
        tvar.bod(f + 0.5, p, n);
        zrcadloX_[static_cast<std::size_t>(f)] = tvar.faseta({-p.x, p.y});
        zrcadloY_[static_cast<std::size_t>(f)] = tvar.faseta({p.x, -p.y});
        zrcadloD_[static_cast<std::size_t>(f)] = tvar.faseta({p.y, p.x});
    }
}

bool Symetrie::prevraciX(int kus) const { return vyuzit_ && 2 * (kus % nx_) > nx_ - 1; }

bool Symetrie::prevraciY(int kus) const { return vyuzit_ && 2 * (kus / nx_) > ny_ - 1; }

// Below the quarter's diagonal once mirrored into the quarter.
bool Symetrie::prevraciD(int kus) const {
    const int r = kus / nx_, c = kus % nx_;
    return diagonala_ && std::min(r, ny_ - 1 - r) > std::min(c, nx_ - 1 - c);
}

bool Symetrie::naOseX(int kus) const { return vyuzit_ && nx_ > 1 && 2 * (kus % nx_) == nx_ - 1; }

bool Symetrie::naOseY(int kus) const { return vyuzit_ && ny_ > 1 && 2 * (kus / nx_) == ny_ - 1; }

bool Symetrie::naOseD(int kus) const {
    const int r = kus / nx_, c = kus % nx_;
    return diagonala_ && std::min(r, ny_ - 1 - r) == std::min(c, nx_ - 1 - c);
}

int Symetrie::zrcadlo(int f, bool x, bool y, bool d) const {
    if (x) f = zrcadloX_[static_cast<std::size_t>(f)];
    if (y) f = zrcadloY_[static_cast<std::size_t>(f)];
    if (d) f = zrcadloD_[static_cast<std::size_t>(f)];
    return f;
}

int Symetrie::faseta(int kus, int f) const { return zrcadlo(f, prevraciX(kus), prevraciY(kus), prevraciD(kus)); }

int Symetrie::zrcadliKus(int kus, bool x, bool y, bool d) const {
    int r = kus / nx_, c = kus % nx_;
    if (x) c = nx_ - 1 - c;
    if (y) r = ny_ - 1 - r;
    if (d) std::swap(r, c);  // only for a square array
    return r * nx_ + c;
}

PohledoveFaktory SpoctiFaktory(const Usporadani& u, int m, const Symetrie& s, int bodu) {
    PohledoveFaktory v;
    if (!PlatneUsporadani(u) || m < 4 || m % 4 != 0 || bodu < 1 || bodu > 64) {
        return v;
    }
    v.fasetNaKus = m;
    v.kusu = u.nx * u.ny;
    v.delkaFasety = (u.profil == 'K' ? kPiPresne * u.d : 4.0 * u.d) / m;
    const std::size_t sloupcu = static_cast<std::size_t>(v.kusu) * static_cast<std::size_t>(m);
    const std::size_t radku = s.reprezentanti().size() * static_cast<std::size_t>(m);
    v.F.assign(radku * sloupcu, 0.0);
    v.Fpec.assign(radku, 0.0);
    std::vector<double> x, w;
    gaussLegendre(bodu, x, w);
    Pohled pohled(u, m);
    for (std::size_t i = 0; i < radku; ++i) {
        const int kus = s.reprezentanti()[i / static_cast<std::size_t>(m)];
        const int f = static_cast<int>(i % static_cast<std::size_t>(m));
        for (std::size_t q = 0; q < x.size(); ++q) {
            Vektor p, n;
            pohled.tvar().bod(f + x[q], p, n);
            v.Fpec[i] += pohled.bod(kus, p, n, w[q], v.F.data() + i * sloupcu);
        }
    }
    return v;
}

void VyrovnejReciprocitu(PohledoveFaktory& f, const Symetrie& s) {
    const int m = f.fasetNaKus;
    const std::size_t sloupcu = static_cast<std::size_t>(f.kusu) * static_cast<std::size_t>(m);
    const std::vector<double> puvodni = f.F;
    for (std::size_t i = 0; i < f.Fpec.size(); ++i) {
        const int kus = s.reprezentanti()[i / static_cast<std::size_t>(m)];
        const int fi = static_cast<int>(i % static_cast<std::size_t>(m));
        double soucet = 0.0;
        for (std::size_t j = 0; j < sloupcu; ++j) {
            const int k = static_cast<int>(j / static_cast<std::size_t>(m));
            const int g = static_cast<int>(j % static_cast<std::size_t>(m));
            // Facet j's row is that of its representative; facet i goes along with the mirroring.
            const std::size_t radekJ = static_cast<std::size_t>(s.poradi(k) * m + s.faseta(k, g));
            const int kusI = s.zrcadliKus(kus, s.prevraciX(k), s.prevraciY(k), s.prevraciD(k));
            // The same mirroring as takes k to its representative.
            const std::size_t sloupecI = static_cast<std::size_t>(kusI * m + s.faseta(k, fi));
            const double prumer = (puvodni[i * sloupcu + j] + puvodni[radekJ * sloupcu + sloupecI]) / 2.0;
            f.F[i * sloupcu + j] = prumer;
            soucet += prumer;
        }
        f.Fpec[i] = std::max(0.0, 1.0 - soucet);
    }
}

std::vector<double> SlozFaktory(const PohledoveFaktory& f, const Symetrie& s) {
    const std::size_t m = static_cast<std::size_t>(f.fasetNaKus);
    const std::size_t sloupcu = static_cast<std::size_t>(f.kusu) * m;
    const std::size_t n = f.Fpec.size();
    std::vector<double> slozene(n * n, 0.0);
    for (std::size_t i = 0; i < n; ++i) {
        for (std::size_t j = 0; j < sloupcu; ++j) {
            const int k = static_cast<int>(j / m);
            const std::size_t cil =
                static_cast<std::size_t>(s.poradi(k)) * m + static_cast<std::size_t>(s.faseta(k, static_cast<int>(j % m)));
            slozene[i * n + cil] += f.F[i * sloupcu + j];
        }
    }
    return slozene;
}

void ZprumerujSoumerne(std::vector<double>& F, const Symetrie& s) {
    const auto m = static_cast<std::size_t>(s.fasetNaKus());
    const std::size_t n = s.reprezentanti().size() * m;
    if (F.size() != n * n) {
        return;
    }
    std::vector<double> radek(n);
    for (std::size_t i = 0; i < n; ++i) {
        double* r = F.data() + i * n;
        std::copy(r, r + n, radek.begin());
        for (std::size_t q = 0; q < s.reprezentanti().size(); ++q) {
            const int kus = s.reprezentanti()[q];
            const bool x = s.naOseX(kus), y = s.naOseY(kus), d = s.naOseD(kus);
            if (!x && !y && !d) {
                continue;
            }
            // Over the mirrorings that take the piece to itself.
            for (std::size_t f = 0; f < m; ++f) {
                double soucet = 0.0;
                int pocet = 0;
                for (int a = 0; a <= (x ? 1 : 0); ++a) {
                    for (int b = 0; b <= (y ? 1 : 0); ++b) {
                        for (int c = 0; c <= (d ? 1 : 0); ++c) {
                            soucet += radek[q * m + static_cast<std::size_t>(s.zrcadlo(static_cast<int>(f), a == 1, b == 1, c == 1))];
                            ++pocet;
                        }
                    }
                }
                r[q * m + f] = soucet / pocet;
            }
        }
    }
}

std::vector<double> VahyFaset(const Symetrie& s) {
    const auto m = static_cast<std::size_t>(s.fasetNaKus());
    std::vector<double> vahy(s.reprezentanti().size() * m);
    for (std::size_t i = 0; i < vahy.size(); ++i) {
        vahy[i] = s.nasobnost(static_cast<int>(i / m));
    }
    return vahy;
}

}  // namespace zorvet
