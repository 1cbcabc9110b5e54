#include "files/zpravy_vysledku.h"

#include <cmath>

#include "files/cisla.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "model/case/pole.h"
#include "model/march/vsazka.h"

namespace zorvet {

QString DobaVHodinach(double s, Jazyk j) {
    const QString sekundy = TextObecny(static_cast<float>(s)) + QLatin1Char(' ') + Text(id::JednotkaS, j);
    if (!(s >= 60.0) || !std::isfinite(s)) {
        return sekundy;
    }
    // Whole hours and minutes; the rest in seconds as the step made them (a tenth of a second
    // stays a tenth).
    const double hodiny = std::floor(s / 3600.0);
    const double minuty = std::floor((s - hodiny * 3600.0) / 60.0);
    const double zbytek = s - hodiny * 3600.0 - minuty * 60.0;
    QStringList casti;
    if (hodiny > 0.0) {
        casti << QString::number(hodiny, 'f', 0) + QLatin1Char(' ') + Text(id::JednotkaH, j);
    }
    if (minuty > 0.0) {
        casti << QString::number(minuty, 'f', 0) + QLatin1Char(' ') + Text(id::JednotkaMin, j);
    }
    if (zbytek > 0.0) {
        casti << TextObecny(static_cast<float>(zbytek)) + QLatin1Char(' ') + Text(id::JednotkaS, j);
    }
    return sekundy + QStringLiteral(" (") + casti.join(QLatin1Char(' ')) + QLatin1Char(')');
}

QString VedeniVysledku(const Vysledek& v, Jazyk j) {
    if (v.Jadro && v.Jadro->konec != KonecJadra::Dosazeno) {
        return ZpravaJadra(v.Jadro->konec, j) + QLatin1Char('\n');
    }
    const VysledekUsporadani* r = v.Usporadani ? &*v.Usporadani : nullptr;
    QString text;
    if (r != nullptr && r->casCyklu > 0.0) {
        const double prodleva = ZobrazenaHodnota(Pole(Velicina::Prodleva), v.Uloha);
        text += Text(id::VedeCyklus, j).arg(TextObecny(static_cast<float>(prodleva)), DobaVHodinach(r->casCyklu, j)) +
                QLatin1Char('\n');
    }
    if (v.Jadro) {
        const QString doba = DobaVHodinach(v.Jadro->cas, j);
        if (r != nullptr && r->mrizka) {
            text += Text(id::VedeMrizka, j).arg(QString::number(r->radek), QString::number(r->sloupec), doba);
        } else if (r != nullptr && r->svazek) {
            text += Text(id::VedeSvazek, j).arg(doba);
        } else {
            text += Text(id::VedeJadro, j).arg(doba);
        }
        text += QLatin1Char('\n');
    } else if (!text.isEmpty()) {
        // A soak after the single charge temperature: that temperature's time is the heat-up.
        text += Text(id::VedeOhrev, j).arg(DobaVHodinach(v.casOhrevu(), j)) + QLatin1Char('\n');
    }
    return text;
}

QString RadkyVysledku(const Vysledek& v, Jazyk j) {
    return RadkyJadra(v, j) + RadkyUsporadani(v, j) + RadkyRozsireni(v, j) + RadkyPece(v, j);
}

QString OdpovedVysledku(const Vysledek& v, Jazyk j) {
    const QString vedeni = VedeniVysledku(v, j);
    const QString konecna = ZpravaKonecneTeploty(v, j);
    if (vedeni.isEmpty()) {
        QString zprava = konecna;
        if (v.omezenoDo() > 0.0f) {
            zprava += QLatin1Char('\n') +
                      Text(id::OmezenoPrikonem, j).arg(TextZpravy(v.omezenoDo(), QLatin1Char('.')).trimmed());
        }
        // A furnace described: where its energy went, as the command line and the report say.
        if (const QString pec = RadkyPece(v, j); !pec.isEmpty()) {
            zprava += QStringLiteral("\n\n") + pec.trimmed();
        }
        return zprava;
    }
    // The single charge temperature is named as such where a core was computed beside it.
    const QString jedna = v.Jadro ? Text(id::JednaTeplota, j).arg(konecna) : konecna;
    return vedeni + QLatin1Char('\n') + RadkyVysledku(v, j) + QLatin1Char('\n') + jedna;
}

QString NazevSJednotkou(Velicina velicina, const Uloha& uloha, Jazyk jazyk) {
    const PopisPole& p = Pole(velicina);
    const QString nazev = NazevPole(velicina, 0, uloha, jazyk);
    QString jednotka = (p.jednotka != 0 ? Text(p.jednotka, jazyk) : QString::fromUtf8(p.jednotkaText)).trimmed();
    if (nazev.contains(QLatin1Char('[')) || jednotka.isEmpty()) {
        return nazev;
    }
    if (!jednotka.startsWith(QLatin1Char('['))) {
        jednotka = QLatin1Char('[') + jednotka + QLatin1Char(']');
    }
    return nazev + QLatin1Char(' ') + jednotka;
}

std::optional<QString> ZpravaMalehoPrikonu(const Uloha& u, Jazyk j) {
    if (!(u.Prikon > 0.0f) || !(u.CasKrok > 0.0f) || !(u.Tk > u.Tv)) {
        return std::nullopt;
    }
    // The heat the charge takes from Tv to Tk cannot enter faster than the installed power
    // less its losses gives it.
    const double teplo = (static_cast<double>(u.Tk) - static_cast<double>(u.Tv)) * Vsazka(u).kapacitaOhrevu(u);
    const double vykon = static_cast<double>(u.Prikon) / (1.0 + static_cast<double>(u.Ztraty) / 100.0);
    const double nejmene = teplo / vykon;
    const double tabulka = static_cast<double>(kPosledniRadek) * static_cast<double>(u.CasKrok);
    if (!(nejmene > tabulka) || !std::isfinite(nejmene)) {
        return std::nullopt;
    }
    return Text(id::PrikonNestaci, j)
        .arg(TextObecny(static_cast<float>(ZobrazenaHodnota(Pole(Velicina::Prikon), u))), QString::number(u.Ztraty),
             TextObecny(static_cast<float>(teplo / 3.6e6)), DobaVHodinach(std::ceil(nejmene), j),
             QString::number(kPosledniRadek), DobaVHodinach(tabulka, j));
}

}  // namespace zorvet
