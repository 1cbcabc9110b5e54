#include "files/zpravy.h"

#include <cmath>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

QString ZpravaKonecneTeploty(const Stav& stav) {
    const std::int16_t j = stav.Jazyk;
    const int radek = stav.PocetKroku;
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const float teplota = static_cast<float>(std::nearbyint(static_cast<double>(stav.Vysledky.TeplotaVsazky[radek])));
    const QChar tecka = QLatin1Char('.');
    return Text(85, j) + TextZpravy(teplota, tecka) + Text(86, j) + TextZpravy(stav.Vysledky.Cas[radek], tecka) +
           Text(87, j);
}

QString TitulekKonecneTeploty(std::int16_t jazyk) { return Text(88, jazyk); }

QString ZpravaSelhani(const VysledekVypoctu& vysledek, std::int16_t jazyk) {
    switch (vysledek.konec) {
        case KonecVypoctu::Preteceni:
            return Text(89, jazyk) + QStringLiteral("\r\n") + Text(90, jazyk);
        case KonecVypoctu::Nekonverguje:
            return Text(retezec::kNekonverguje, jazyk);
        case KonecVypoctu::NeplatnyKrok:
            return Text(retezec::kNeplatnyKrok, jazyk);
        case KonecVypoctu::Chyba:
            return QString::fromStdString(vysledek.popis);
        case KonecVypoctu::Uspech:
            break;
    }
    return {};
}

QString TitulekSelhani(std::int16_t jazyk) { return Text(91, jazyk); }

bool SelhaniJeInformace(const VysledekVypoctu& vysledek) { return vysledek.konec == KonecVypoctu::Preteceni; }

}  // namespace zorvet
