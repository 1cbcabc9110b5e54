#include "model/load/mrizka_sit.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <numbers>

#include "model/case/konstanty.h"

namespace zorvet {

namespace {

constexpr int kFaset = 32;       // facets per piece at refinement 1
constexpr int kDeleniPolomer = 16;
constexpr int kDeleniStrany = 20;

std::uint32_t u32(std::size_t i) { return static_cast<std::uint32_t>(i); }

void pridejHranu(SitKusu& s, std::size_t a, std::size_t b, double g) {
    s.hrany.push_back({u32(a), u32(b), g});
    s.vodivostUzlu[a] += g;
    s.vodivostUzlu[b] += g;
}

SitKusu kruhova(double d, int zjemneni) {
    SitKusu s;
    const int m = kFaset * zjemneni, n = kDeleniPolomer * zjemneni;
    const double r = d / 2.0, dr = r / n;
    // Nodes per ring: M halved while the spacing along the ring stays below 0.9 dr (at least 4).
    std::vector<int> naKruh(static_cast<std::size_t>(n) + 1, m);
    naKruh[0] = 1;
    for (int k = 1; k <= n; ++k) {
        int pocet = m;
        while (pocet > 4 && pocet % 2 == 0 && k * dr * 2.0 * kPiPresne / pocet < 0.9 * dr) pocet /= 2;
        naKruh[static_cast<std::size_t>(k)] = pocet;
    }
    std::vector<std::size_t> prvni(static_cast<std::size_t>(n) + 2, 0);
    for (int k = 0; k <= n; ++k) prvni[static_cast<std::size_t>(k) + 1] = prvni[static_cast<std::size_t>(k)] + static_cast<std::size_t>(naKruh[static_cast<std::size_t>(k)]);
    const std::size_t uzlu = prvni.back();
    s.objem.assign(uzlu, 0.0);
    s.plochaUzlu.assign(uzlu, 0.0);
    s.vodivostUzlu.assign(uzlu, 0.0);
    s.objem[0] = kPiPresne * dr * dr / 4.0;
    for (int k = 1; k <= n; ++k) {
        const std::size_t kk = static_cast<std::size_t>(k);
        const int mk = naKruh[kk];
        const double dTheta = 2.0 * kPiPresne / mk;
        const double vnitrni = (k - 0.5) * dr, vnejsi = std::min(k + 0.5, static_cast<double>(n)) * dr;
        for (int j = 0; j < mk; ++j) {
            const std::size_t u = prvni[kk] + static_cast<std::size_t>(j);
            s.objem[u] = dTheta / 2.0 * (vnejsi * vnejsi - vnitrni * vnitrni);
            // Along the ring, to the next node.
            const std::size_t dalsi = prvni[kk] + static_cast<std::size_t>((j + 1) % mk);
            pridejHranu(s, u, dalsi, (vnejsi - vnitrni) / (k * dr * dTheta));
            // Inwards: to the centre, or to the node of the inner ring that holds this angle.
            const int mIn = naKruh[kk - 1];
            const std::size_t vnitrniUzel = prvni[kk - 1] + static_cast<std::size_t>(j / (mk / mIn));
            pridejHranu(s, vnitrniUzel, u, vnitrni * dTheta / dr);
        }
    }
    s.fasetNaKus = m;
    s.delkaFasety = r * 2.0 * kPiPresne / m;
    for (int j = 0; j < m; ++j) {
        const std::size_t u = prvni[static_cast<std::size_t>(n)] + static_cast<std::size_t>(j);
        s.kousky.push_back({u32(u), static_cast<std::uint32_t>(j), s.delkaFasety});
        s.plochaUzlu[u] += s.delkaFasety;
    }
    return s;
}

SitKusu ctvercova(double d, int zjemneni) {
    SitKusu s;
    const int m = kFaset * zjemneni, n = kDeleniStrany * zjemneni;
    const double h = d / n;
    const std::size_t strana = static_cast<std::size_t>(n) + 1, uzlu = strana * strana;
    s.objem.assign(uzlu, 0.0);
    s.plochaUzlu.assign(uzlu, 0.0);
    s.vodivostUzlu.assign(uzlu, 0.0);
    const auto sirka = [&](std::size_t i) { return i == 0 || i + 1 == strana ? h / 2.0 : h; };
    for (std::size_t i = 0; i < strana; ++i) {      // x
        for (std::size_t j = 0; j < strana; ++j) {  // y
            const std::size_t u = j * strana + i;
            s.objem[u] = sirka(i) * sirka(j);
            if (i + 1 < strana) pridejHranu(s, u, u + 1, sirka(j) / h);
            if (j + 1 < strana) pridejHranu(s, u, u + strana, sirka(i) / h);
        }
    }
    // The boundary counter-clockwise from (-d/2, -d/2), as the facets are numbered: the node
    // faces in the perimeter coordinate, cut by the facets (length 4 d / M).
    s.fasetNaKus = m;
    s.delkaFasety = 4.0 * d / m;
    for (int st = 0; st < 4; ++st) {
        for (std::size_t p = 0; p < strana; ++p) {
            std::size_t i = 0, j = 0;
            switch (st) {
                case 0: i = p, j = 0; break;
                case 1: i = strana - 1, j = p; break;
                case 2: i = strana - 1 - p, j = strana - 1; break;
                default: i = 0, j = strana - 1 - p; break;
            }
            const std::size_t u = j * strana + i;
            const double a = st * d + std::max(0.0, (static_cast<double>(p) - 0.5) * h);
            const double b = st * d + std::min(d, (static_cast<double>(p) + 0.5) * h);
            const int f0 = static_cast<int>(std::floor(a / s.delkaFasety));
            for (int f = std::max(f0, 0); f < m && f * s.delkaFasety < b; ++f) {
                const double delka = std::min(b, (f + 1) * s.delkaFasety) - std::max(a, f * s.delkaFasety);
                if (delka > 1e-12 * d) {
                    s.kousky.push_back({u32(u), static_cast<std::uint32_t>(f), delka});
                    s.plochaUzlu[u] += delka;
                }
            }
        }
    }
    return s;
}

}  // namespace

int FasetNaKus(int zjemneni) { return kFaset * zjemneni; }

SitKusu SestavSit(char profil, double d, int zjemneni) {
    return profil == 'K' ? kruhova(d, zjemneni) : ctvercova(d, zjemneni);
}

}  // namespace zorvet
