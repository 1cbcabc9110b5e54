#include "files/porovnani_peci.h"

#include <cmath>
#include <functional>
#include <vector>

#include "files/cisla.h"
#include "files/retezce.h"
#include "model/pipeline/vykon.h"

namespace zorvet {

std::optional<PorovnaniPeci> PorovnejPece(std::span<const PorovnavanaPec> vysledky, Jazyk j) {
    PorovnaniPeci t;
    std::vector<ProvozPece> provoz;
    for (const PorovnavanaPec& v : vysledky) {
        const std::optional<ProvozPece> p = v.vysledek != nullptr ? ProvozZaDen(*v.vysledek) : std::nullopt;
        if (p) {
            t.nazvy << v.nazev;
            provoz.push_back(*p);
        } else if (t.nazvy.isEmpty()) {
            return std::nullopt;  // the result shown has none
        }
    }
    if (provoz.size() < 2) {
        return std::nullopt;
    }
    const auto cislo = [](double x) { return TextObecny(static_cast<float>(x)); };
    const auto radek = [&](const QString& popisek, const std::function<std::optional<double>(const ProvozPece&)>& hodnota) {
        QStringList r{popisek};
        for (const ProvozPece& p : provoz) {
            const std::optional<double> x = hodnota(p);
            r << (x ? cislo(*x) : QStringLiteral("—"));
        }
        t.radky << r;
    };
    const auto kwh = [](double joulu) { return joulu / 3.6e6; };
    radek(Text(id::DobaOhrevuPece, j), [](const ProvozPece& p) { return p.casOhrevu; });
    radek(Text(id::CasCyklu, j), [](const ProvozPece& p) { return p.casCyklu; });
    // The cycles of a day to a hundredth: a fraction of a cycle is a charge not yet out.
    radek(Text(id::CykluZaDen, j), [](const ProvozPece& p) { return std::round(p.cykluZaDen * 100.0) / 100.0; });
    radek(Text(id::EnergieCyklu, j), [&](const ProvozPece& p) { return kwh(p.cyklus.elektrina); });
    radek(Text(id::EnergieZaDen, j), [&](const ProvozPece& p) { return kwh(p.den.elektrina); });
    const std::pair<int, double BilancePece::*> polozky[] = {
        {id::SloupecVsazka, &BilancePece::vsazka},     {id::SloupecPripravky, &BilancePece::pripravky},
        {id::SloupecVyzdivka, &BilancePece::vyzdivka}, {id::SloupecSteny, &BilancePece::steny},
        {id::SloupecOtvor, &BilancePece::dvere}};
    for (const auto& polozka : polozky) {
        double BilancePece::*const clen = polozka.second;
        radek(Text(id::PolozkaCyklu, j).arg(Text(polozka.first, j).trimmed()),
              [&](const ProvozPece& p) { return kwh(p.cyklus.*clen); });
    }
    radek(Text(id::SpickaPrikonu, j), [](const ProvozPece& p) { return p.spicka / 1000.0; });
    bool cena = false;
    for (const ProvozPece& p : provoz) {
        cena = cena || p.cenaCyklu.has_value();
    }
    if (cena) {
        radek(Text(id::CenaCyklu, j), [](const ProvozPece& p) { return p.cenaCyklu; });
        radek(Text(id::CenaZaDen, j), [](const ProvozPece& p) { return p.cenaDne; });
    }
    return t;
}

}  // namespace zorvet
