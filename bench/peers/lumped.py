"""The lumped heat-up of the worked example, all points of a sweep at once in numpy arrays: the
same physics as lumped.c (fixed-step trapezoid, two corrections, enthalpy on a 0.125 K table for
carbon steel, the heat of a step capped by an installed power). A peer for the benchmarks of
docs/performance.md, not a part of the program.

    python3 lumped.py KIND      KIND 0 one c, 1 carbon steel, 2 60 kW, 3 a million short marches
prints the CPU seconds and the sum of the heat-up times."""
import sys
import time

import numpy as np

SIGMA, HK = 5.6697, 15.0


def c_uhlikove(t):
    return np.where(t < 600.0, 425.0 + 0.773 * t - 1.69e-3 * t**2 + 2.22e-6 * t**3,
                    np.where(t < 735.0, 666.0 + 13002.0 / (738.0 - np.minimum(t, 737.0)),
                             np.where(t < 900.0, 545.0 + 17820.0 / (np.maximum(t, 732.0) - 731.0), 650.0)))


TT = np.linspace(20.0, 1200.0, 9441)
_jemne = np.linspace(20.0, 1200.0, 9440 * 8 + 1)
_c = c_uhlikove(_jemne)
HH = np.concatenate([[0.0], np.cumsum((_c[1:] + _c[:-1]) / 2.0 * (_jemne[1] - _jemne[0]))])[::8]


def entalpie(t):
    return np.interp(t, TT, HH, left=np.nan, right=np.nan)


def teplota(h):
    return np.interp(h, HH, TT)


def tok(t, tf=1000.0, a=1.0, eps=0.8):
    k, kf = (t + 273.15) / 100.0, (tf + 273.15) / 100.0
    return a * (eps * SIGMA * (kf**4 - k**4) + HK * (tf - t))


def sweep(druh):
    if druh == 3:
        m, dt = 50.0 + np.arange(1000000) * 0.0001, 10.0
    else:
        m, dt = 10.0 + np.arange(10000) * 1.0, 10.0
    t = np.full_like(m, 20.0)
    h = np.zeros_like(m)
    cas = np.zeros_like(m)
    for _ in range(10000):
        ziva = t < 900.0
        if not ziva.any():
            break
        q0 = tok(t)
        t1 = t.copy()
        for _ in range(3):
            q = (q0 + tok(t1)) / 2.0
            if druh == 2:
                q = np.minimum(q, 60000.0)
            t1 = teplota(h + q * dt / m) if druh == 1 else t + q * dt / (m * 500.0)
        if druh == 1:
            h = np.where(ziva, entalpie(np.clip(t1, 20.0, 1200.0)), h)
        t = np.where(ziva, t1, t)
        cas += np.where(ziva, dt, 0.0)
    return cas.sum()


if __name__ == "__main__":
    druh = int(sys.argv[1]) if len(sys.argv) > 1 else 0
    zacatek = time.process_time()
    soucet = sweep(druh)
    print(f"{time.process_time() - zacatek:.3f} s CPU, sum of times {soucet:.0f} s")
