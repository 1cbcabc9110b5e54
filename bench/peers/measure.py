"""Pairs in one run: every case of the issue's table computed by the program's benchmark (one
thread, CPU time) and by the peers, in turn, round after round; the medians of the CPU times.

    python3 bench/peers/measure.py [ROUNDS] [BENCH ...]
BENCH: zorvet_bench programs to compare (default build/bench/zorvet_bench), each measured in
every round beside the peers."""
import os
import re
import statistics
import subprocess
import sys

TU = os.path.dirname(os.path.abspath(__file__))
PRIPADY = {0: "sweep 1e4 masses, one specific heat", 1: "sweep 1e4, carbon steel",
           2: "sweep 1e4, installed power 60 kW", 3: "sweep 1e6 short marches"}


def cpu_benchmarku(bench, filtr):
    out = subprocess.run([bench, f"--benchmark_filter={filtr}", "--benchmark_format=csv"],
                         env=dict(os.environ, QT_QPA_PLATFORM="offscreen"), capture_output=True, text=True).stdout
    radky = [r for r in out.splitlines() if r.startswith('"BM_')]
    return [float(r.split(",")[3]) / 1000.0 for r in radky]  # cpu_time in ms -> s


def cpu_peera(prikaz):
    out = subprocess.run(prikaz, capture_output=True, text=True).stdout
    return float(re.match(r"([0-9.]+) s CPU", out).group(1))


def main():
    kol = int(sys.argv[1]) if len(sys.argv) > 1 else 3
    benche = sys.argv[2:] or ["build/bench/zorvet_bench"]
    peer = "/tmp/zorvet_peer_lumped"
    subprocess.run(["cc", "-O2", "-mavx2", "-mfma", "-o", peer, os.path.join(TU, "lumped.c"), "-lm"], check=True)
    casy = {}
    for _ in range(kol):
        for k in PRIPADY:
            for b in benche:
                casy.setdefault((k, b), []).extend(cpu_benchmarku(b, f"BM_Rozmitani_Druhy/kind:{k}/"))
            casy.setdefault((k, "numpy"), []).append(cpu_peera([sys.executable, os.path.join(TU, "lumped.py"), str(k)]))
            casy.setdefault((k, "C"), []).append(cpu_peera([peer, str(k), "1"]))
            casy.setdefault((k, "C lanes"), []).append(cpu_peera([peer, str(k), "8"]))
        for b in benche:
            for i, t in enumerate(cpu_benchmarku(b, "BM_Spocti_Mrizka/")):
                casy.setdefault((f"array {(3, 5, 7, 10)[i]}", b), []).append(t)
    for (k, kdo), t in casy.items():
        nazev = PRIPADY.get(k, k)
        print(f"{nazev} | {kdo} | median {statistics.median(t):.3f} s CPU | {', '.join(f'{x:.3f}' for x in t)}")


if __name__ == "__main__":
    main()
