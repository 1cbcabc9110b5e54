#include "model/furnace/vnejsi.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "model/case/konstanty.h"

namespace zorvet {

namespace {

// Air at atmospheric pressure: T (K), ν (10⁻⁶ m²/s), k (10⁻³ W/m/K), Pr. F. P. Incropera,
// D. P. DeWitt et al., Fundamentals of Heat and Mass Transfer, 7th ed., Wiley 2011, Table A.4.
// Linear between the rows, held at the end rows outside them.
struct RadekVzduchu {
    double T, nu, k, Pr;
};
constexpr std::array<RadekVzduchu, 18> kVzduch{{
    {200.0, 7.590, 18.1, 0.737},   {250.0, 11.44, 22.3, 0.720},  {300.0, 15.89, 26.3, 0.707},
    {350.0, 20.92, 30.0, 0.700},   {400.0, 26.41, 33.8, 0.690},  {450.0, 32.39, 37.3, 0.686},
    {500.0, 38.79, 40.7, 0.684},   {550.0, 45.57, 43.9, 0.683},  {600.0, 52.69, 46.9, 0.685},
    {650.0, 60.21, 49.7, 0.690},   {700.0, 68.10, 52.4, 0.695},  {750.0, 76.37, 54.9, 0.702},
    {800.0, 84.93, 57.3, 0.709},   {850.0, 93.80, 59.6, 0.716},  {900.0, 102.9, 62.0, 0.720},
    {950.0, 112.2, 64.3, 0.723},   {1000.0, 121.9, 66.7, 0.726}, {1100.0, 141.8, 71.5, 0.728},
}};

constexpr double kTihove = 9.80665;  // m/s², standard gravity

}  // namespace

Vzduch VlastnostiVzduchu(double tK) {
    const double t = std::clamp(tK, kVzduch.front().T, kVzduch.back().T);
    std::size_t i = 1;
    while (i + 1 < kVzduch.size() && kVzduch[i].T < t) {
        ++i;
    }
    const RadekVzduchu& a = kVzduch[i - 1];
    const RadekVzduchu& b = kVzduch[i];
    const double w = (t - a.T) / (b.T - a.T);
    const auto mezi = [w](double x, double y) { return x + w * (y - x); };
    return Vzduch{mezi(a.nu, b.nu) * 1e-6, mezi(a.k, b.k) * 1e-3, mezi(a.Pr, b.Pr)};
}

double PrirozenaKonvekce(Orientace o, double l, double ts, double ta) {
    const double dt = ts - ta;
    if (dt == 0.0 || !(l > 0.0)) {
        return 0.0;
    }
    const double film = (ts + ta) / 2.0 + kKelvin;
    const Vzduch v = VlastnostiVzduchu(film);
    // Rayleigh number with the expansion coefficient of an ideal gas, 1 / T_film.
    const double ra = kTihove * std::fabs(dt) * l * l * l * v.Pr / (film * v.nu * v.nu);
    double nu = 0.0;
    const bool teplaNahoru = (o == Orientace::Nahoru) == (dt > 0.0);
    if (o == Orientace::Svisla) {
        // S. W. Churchill, H. H. S. Chu, Correlating equations for laminar and turbulent free
        // convection from a vertical plate, Int. J. Heat Mass Transfer 18 (1975) 1323-1329,
        // doi:10.1016/0017-9310(75)90243-4, eq. (4): the whole range of Ra.
        const double f = std::pow(1.0 + std::pow(0.492 / v.Pr, 9.0 / 16.0), 8.0 / 27.0);
        const double z = 0.825 + 0.387 * std::cbrt(std::sqrt(ra)) / f;
        nu = z * z;
    } else if (teplaNahoru) {
        // The upper face of a warm plate (or the lower of a cold one): J. R. Lloyd, W. R. Moran,
        // Natural convection adjacent to horizontal surface of various planforms, J. Heat
        // Transfer 96 (1974) 443-447, doi:10.1115/1.3450224: 0.54 Ra^1/4 up to 10⁷,
        // 0.15 Ra^1/3 above, with l = area / perimeter. The two ranges meet at 10⁷ with a jump
        // of 6 %, across which an outer surface whose balance falls into it has no temperature
        // at all (a step's iteration would go to and fro across it): from 10⁷ / 1.2 to
        // 10⁷ · 1.2 the two are blended linearly in ln Ra.
        constexpr double kSkok = 1e7, kPasmo = 1.2;
        const double laminarni = 0.54 * std::sqrt(std::sqrt(ra)), turbulentni = 0.15 * std::cbrt(ra);
        const double w = std::clamp(std::log(ra * kPasmo / kSkok) / std::log(kPasmo * kPasmo), 0.0, 1.0);
        nu = w <= 0.0 ? laminarni : w >= 1.0 ? turbulentni : (1.0 - w) * laminarni + w * turbulentni;
    } else {
        // The lower face of a warm plate: 0.27 Ra^1/4 (W. H. McAdams, Heat Transmission, 3rd ed.,
        // McGraw-Hill 1954; Incropera et al., 6th ed., eq. 9.32), l = area / perimeter.
        nu = 0.27 * std::sqrt(std::sqrt(ra));
    }
    return nu * v.k / l;
}

double VnejsiPovrch::tok(double ts) const {
    const double tsK = ts + kKelvin;
    const double taK = okoli + kKelvin;
    const double h = konvekce > 0.0 ? konvekce : PrirozenaKonvekce(orientace, delka, ts, okoli);
    return eps * kSigmaSI * (tsK * tsK * tsK * tsK - taK * taK * taK * taK) + h * (ts - okoli);
}

double PohledovyFaktorObdelniku(double a, double b, double c) {
    if (!(c > 0.0)) {
        return 1.0;
    }
    // J. R. Howell, A Catalog of Radiation Heat Transfer Configuration Factors, configuration
    // C-11 (directly opposed parallel rectangles); also Siegel & Howell, Thermal Radiation Heat
    // Transfer, appendix.
    const double x = a / c;
    const double y = b / c;
    const double x2 = 1.0 + x * x;
    const double y2 = 1.0 + y * y;
    const double soucet = 0.5 * std::log(x2 * y2 / (x2 + y * y)) + x * std::sqrt(y2) * std::atan(x / std::sqrt(y2)) +
                          y * std::sqrt(x2) * std::atan(y / std::sqrt(x2)) - x * std::atan(x) - y * std::atan(y);
    return 2.0 / (std::numbers::pi * x * y) * soucet;
}

double FaktorOtvoru(double a, double b, double c) { return (1.0 + PohledovyFaktorObdelniku(a, b, c)) / 2.0; }

}  // namespace zorvet
