#include "model/pipeline/vykon.h"

#include <cmath>
#include <limits>

#include "model/march/vsazka.h"

namespace zorvet {

namespace {
bool vejdeSe(double x) {
    return std::isfinite(x) && std::fabs(x) <= static_cast<double>(std::numeric_limits<float>::max());
}
}  // namespace

std::optional<VykonSpotreba> VykonASpotreba(const Vysledek& vysledek, std::int16_t z) {
    const Uloha& u = vysledek.Uloha;
    const std::optional<double> cas = vysledek.rozhodujiciCas();
    const double e = (static_cast<double>(u.Tk) - static_cast<double>(u.Tv)) * Vsazka(u).kapacitaOhrevu(u) / 3600.0;
    if (!cas) {
        return std::nullopt;
    }
    // The time of a row is a single; the core's is a whole number of steps of it.
    const double t = static_cast<double>(static_cast<float>(*cas)) / 3600.0;
    if (t == 0.0 || !vejdeSe(e)) {
        return std::nullopt;
    }
    const float E = static_cast<float>(e);
    const double p = static_cast<double>(E) / t;
    if (!vejdeSe(p)) {
        return std::nullopt;
    }
    const float P = static_cast<float>(p);
    const double podil = static_cast<double>(P) / 100.0 * z;  // share of the losses
    if (!vejdeSe(podil) || !vejdeSe(static_cast<double>(P) + static_cast<double>(static_cast<float>(podil)))) {
        return std::nullopt;
    }
    const float ztraty = static_cast<float>(podil);
    return VykonSpotreba{static_cast<float>(static_cast<double>(P) + static_cast<double>(ztraty)), E, *cas,
                         vysledek.Jadro.has_value() && vysledek.Jadro->konec == KonecJadra::Dosazeno};
}

std::optional<ProvozPece> ProvozZaDen(const Vysledek& v) {
    if (!v.Pec || !(v.Pec->casCyklu > 0.0)) {
        return std::nullopt;
    }
    ProvozPece p;
    p.casOhrevu = v.Pec->casOhrevu;
    p.casCyklu = v.Pec->casCyklu;
    p.cykluZaDen = kSekundDne / p.casCyklu;
    p.cyklus = v.Pec->cyklus;
    const BilancePece& c = p.cyklus;
    const double n = p.cykluZaDen;
    p.den = {c.elektrina * n, c.vsazka * n, c.pripravky * n, c.vyzdivka * n, c.steny * n, c.dvere * n};
    p.spicka = v.Pec->spicka;
    if (v.Uloha.CenaEnergie > 0.0f) {
        const double cena = static_cast<double>(v.Uloha.CenaEnergie) / 3.6e6;  // of a joule
        p.cenaCyklu = c.elektrina * cena;
        p.cenaDne = p.den.elektrina * cena;
    }
    return p;
}

}  // namespace zorvet
