#include "ui/planning/navrh.h"

#include <cmath>

#include "files/cisla.h"

namespace zorvet {

NavrzenaHodnota Navrh(Velicina velicina, double x, Zaokrouhleni smer, const QString& popisek) {
    if (x != 0.0 && std::isfinite(x)) {
        const double rad = std::pow(10.0, std::floor(std::log10(std::fabs(x))) - 3.0);
        double n = x / rad;
        // A value that has four digits already keeps them, whatever the division left over.
        if (std::fabs(n - std::round(n)) < 1e-6) {
            n = std::round(n);
        }
        x = (smer == Zaokrouhleni::Dolu ? std::floor(n) : smer == Zaokrouhleni::Nahoru ? std::ceil(n) : std::round(n)) * rad;
    }
    NavrzenaHodnota h;
    h.velicina = velicina;
    // The goal seek gives the installed power in W; its field holds kW.
    h.hodnota = velicina == Velicina::Prikon ? x / 1000.0 : x;
    h.text = TextObecny(static_cast<float>(h.hodnota));
    h.popis = popisek + QStringLiteral(": ") + TextObecny(static_cast<float>(x));
    return h;
}

}  // namespace zorvet
