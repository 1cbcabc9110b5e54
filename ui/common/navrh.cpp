#include "ui/common/navrh.h"

#include "files/cisla.h"
#include "files/zpravy.h"
#include "files/zpravy_vysledku.h"

namespace zorvet {

NavrzenaHodnota Navrh(Velicina velicina, double x, const Uloha& uloha, Jazyk jazyk) {
    NavrzenaHodnota h;
    h.velicina = velicina;
    // The field's single as it shows it, and back: what is read is what is taken.
    const PopisPole& pole = Pole(velicina);
    const auto zobrazena = static_cast<float>(x / pole.meritko);
    h.text = TextObecny(zobrazena);
    h.hodnota = static_cast<double>(zobrazena) * pole.meritko;
    h.popis = NazevSJednotkou(velicina, uloha, jazyk) + QStringLiteral(": ") + h.text;
    return h;
}

}  // namespace zorvet
