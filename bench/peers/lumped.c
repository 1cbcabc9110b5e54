/* The lumped heat-up of the worked example (100 kg, 500 J/kg/K, 1 m², emissivity 0.8,
 * convection 15 W/m²/K, furnace 1000 °C, 20 -> 900 °C) as a fixed-step trapezoidal march:
 * each step's end temperature by two fixed-point corrections of the trapezoid from the explicit
 * step, the heat in enthalpy for a property curve (EN 1993-1-2 carbon steel, inverted on a table
 * of 0.125 K and read back on an even grid of the enthalpy), the heat of a step capped by an installed power. A peer for the benchmarks of
 * docs/performance.md, written from the same physics, not a part of the program.
 *
 *   cc -O2 -mavx2 -mfma -o lumped lumped.c -lm
 *   ./lumped KIND LANES     KIND 0 one c, 1 carbon steel, 2 60 kW, 3 a million short marches;
 *                           LANES 1 (one point at a time) or 8 (eight points in vector lanes)
 * prints the CPU seconds and the sum of the heat-up times. */
#include <math.h>
#include <stdio.h>
#include <stdlib.h>
#include <time.h>

#define SIGMA 5.6697
#define HK 15.0
#define TMIN 20.0
#define KROK 0.125
#define UZLU 9441 /* (1200 - 20) / 0.125 + 1 */

#define INVERZE (4 * UZLU)
static double H[UZLU];
static double T_H[INVERZE + 1]; /* the temperature on an even grid of the enthalpy */
static double naH;

static double c_uhlikove(double t) {
    if (t < 600.0) return 425.0 + 0.773 * t - 1.69e-3 * t * t + 2.22e-6 * t * t * t;
    if (t < 735.0) return 666.0 + 13002.0 / (738.0 - t);
    if (t < 900.0) return 545.0 + 17820.0 / (t - 731.0);
    return 650.0;
}

static void tabulka(void) {
    /* the enthalpy from 20 °C by Simpson's rule on each interval, in eighths */
    H[0] = 0.0;
    for (int i = 1; i < UZLU; ++i) {
        double a = TMIN + (i - 1) * KROK, s = 0.0, d = KROK / 8.0;
        for (int k = 0; k < 8; ++k) {
            double x = a + k * d;
            s += d / 6.0 * (c_uhlikove(x) + 4.0 * c_uhlikove(x + d / 2.0) + c_uhlikove(x + d));
        }
        H[i] = H[i - 1] + s;
    }
    naH = INVERZE / H[UZLU - 1];
    for (int j = 0, i = 0; j <= INVERZE; ++j) {
        double h = j / naH;
        while (i + 2 < UZLU && H[i + 1] <= h) ++i;
        T_H[j] = TMIN + (i + (h - H[i]) / (H[i + 1] - H[i])) * KROK;
    }
}

static inline double entalpie(double t) {
    double x = (t - TMIN) / KROK;
    if (x <= 0.0) return H[0] + (t - TMIN) * c_uhlikove(TMIN);
    if (x >= UZLU - 1) return H[UZLU - 1] + (t - 1200.0) * 650.0;
    int j = (int)x;
    return H[j] + (x - j) * (H[j + 1] - H[j]);
}

static inline double teplota(double h) {
    if (h <= 0.0) return TMIN + h / c_uhlikove(TMIN);
    if (h >= H[UZLU - 1]) return 1200.0 + (h - H[UZLU - 1]) / 650.0;
    double x = h * naH;
    int j = (int)x;
    return T_H[j] + (x - j) * (T_H[j + 1] - T_H[j]);
}

static inline double tok(double t, double tf, double a, double eps) {
    double k = (t + 273.15) / 100.0, kf = (tf + 273.15) / 100.0;
    return a * (eps * SIGMA * (kf * kf * kf * kf - k * k * k * k) + HK * (tf - t));
}

/* The heat-up time of one case of mass m. */
static double pochod(double m, int druh, double dt) {
    const double c = 500.0, a = 1.0, eps = 0.8, tf = 1000.0, tk = 900.0, pmax = 60000.0;
    double t = 20.0, cas = 0.0, h = 0.0;
    for (int k = 0; k < 10000 && t < tk; ++k) {
        double q0 = tok(t, tf, a, eps), t1 = t;
        for (int i = 0; i < 3; ++i) {
            double q = (q0 + tok(t1, tf, a, eps)) / 2.0;
            if (druh == 2 && q > pmax) q = pmax;
            t1 = druh == 1 ? teplota(h + q * dt / m) : t + q * dt / (m * c);
        }
        if (druh == 1) h = entalpie(t1);
        t = t1;
        cas += dt;
    }
    return cas;
}

/* Eight cases at once, each lane a mass, until every lane has reached tk. */
static double pochod8(const double* m, int druh, double dt) {
    const double c = 500.0, a = 1.0, eps = 0.8, tf = 1000.0, tk = 900.0, pmax = 60000.0;
    double t[8], h[8], cas[8], t1[8], q0[8];
    for (int l = 0; l < 8; ++l) t[l] = 20.0, h[l] = 0.0, cas[l] = 0.0;
    for (int k = 0; k < 10000; ++k) {
        int bezi = 0;
        for (int l = 0; l < 8; ++l) bezi |= t[l] < tk;
        if (!bezi) break;
        for (int l = 0; l < 8; ++l) q0[l] = tok(t[l], tf, a, eps), t1[l] = t[l];
        for (int i = 0; i < 3; ++i) {
            for (int l = 0; l < 8; ++l) {
                double q = (q0[l] + tok(t1[l], tf, a, eps)) / 2.0;
                if (druh == 2 && q > pmax) q = pmax;
                t1[l] = druh == 1 ? teplota(h[l] + q * dt / m[l]) : t[l] + q * dt / (m[l] * c);
            }
        }
        for (int l = 0; l < 8; ++l) {
            double ziva = t[l] < tk;
            if (druh == 1 && ziva) h[l] = entalpie(t1[l]);
            t[l] = ziva ? t1[l] : t[l];
            cas[l] += ziva ? dt : 0.0;
        }
    }
    double s = 0.0;
    for (int l = 0; l < 8; ++l) s += cas[l];
    return s;
}

int main(int argc, char** argv) {
    int druh = argc > 1 ? atoi(argv[1]) : 0, pruhu = argc > 2 ? atoi(argv[2]) : 1;
    long n = druh == 3 ? 1000000 : 10000;
    double dt = 10.0, od = druh == 3 ? 50.0 : 10.0, krok = druh == 3 ? 0.0001 : 1.0;
    tabulka();
    clock_t zacatek = clock();
    double soucet = 0.0;
    if (pruhu == 8) {
        for (long i = 0; i < n; i += 8) {
            double m[8];
            for (int l = 0; l < 8; ++l) m[l] = od + (double)(i + l < n ? i + l : n - 1) * krok;
            soucet += pochod8(m, druh, dt);
        }
    } else {
        for (long i = 0; i < n; ++i) soucet += pochod(od + (double)i * krok, druh, dt);
    }
    printf("%.3f s CPU, sum of times %.0f s\n", (double)(clock() - zacatek) / CLOCKS_PER_SEC, soucet);
    return 0;
}
