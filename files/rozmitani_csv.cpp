#include "files/rozmitani_csv.h"

#include <algorithm>
#include <charconv>
#include <optional>

#include "files/tabulka_csv.h"
#include "files/zpravy.h"
#include "model/conduction/jadro.h"

namespace zorvet {

namespace {

// A field between double quotes when it holds a comma, a quote or a line end.
QString poleCsv(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString t = text;
    t.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

}  // namespace

SloupceRozmitani SloupceBodu(const Uloha& zaklad, std::span<const OsaRozmitani> osy) {
    const auto meni = [&osy](Velicina v) {
        return std::any_of(osy.begin(), osy.end(), [v](const OsaRozmitani& o) { return o.pole->velicina == v; });
    };
    return {MaJadro(zaklad) || meni(Velicina::Lambda), zaklad.Prodleva > 0.0f || meni(Velicina::Prodleva)};
}

QString HlavickaRozmitaniCsv(std::span<const OsaRozmitani> osy, SloupceRozmitani sloupce) {
    QString hlavicka;
    for (const OsaRozmitani& o : osy) {
        hlavicka += QString::fromStdString(NazevRozmitane(*o.pole, o.vrstva)) + QLatin1Char(',');
    }
    return hlavicka + QLatin1String("time_s,power_W,energy_Wh") +
           (sloupce.jadro ? QLatin1String(",core_s") : QLatin1String()) +
           (sloupce.cyklus ? QLatin1String(",cycle_s,soak_energy_Wh") : QLatin1String()) + QLatin1String(",status\n");
}

namespace {

// A single as TextCsv writes it (the shortest text that reads back as it), into the line.
void pridejCislo(std::string& radek, float x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    radek.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

void pridejCislo(std::string& radek, const std::optional<double>& x) {
    if (x) {
        pridejCislo(radek, static_cast<float>(*x));
    }
}

// A quantity's value with ten significant digits, as printf's "%.10g" and Qt's 'g' write it
// (Qt's without the sign of a negative zero).
void pridejHodnotu(std::string& radek, double x) {
    if (x == 0.0) {
        x = 0.0;
    }
    char buf[40];
    const auto r = std::to_chars(buf, buf + sizeof buf, x, std::chars_format::general, 10);
    radek.append(buf, static_cast<std::size_t>(r.ptr - buf));
}

}  // namespace

void PridejRadekRozmitaniCsv(std::string& csv, const Uloha& zaklad, std::span<const OsaRozmitani> osy,
                             std::size_t i, const BodRozmitani& bod, SloupceRozmitani sloupce, Jazyk jazyk) {
    for (std::size_t a = 0; a < osy.size(); ++a) {
        pridejHodnotu(csv, bod.hodnoty[a]);
        csv += ',';
    }
    if (bod.spocten) {
        pridejCislo(csv, static_cast<float>(bod.cas));
        csv += ',';
        if (bod.vykon) {
            pridejCislo(csv, bod.vykon->P);
            csv += ',';
            pridejCislo(csv, bod.vykon->E);
        } else {
            csv += ',';
        }
    } else {
        csv += ",,";
    }
    if (sloupce.jadro) {
        csv += ',';
        pridejCislo(csv, bod.casJadra);
    }
    if (sloupce.cyklus) {
        const std::optional<double> wh = bod.teploProdlevy ? std::optional<double>(*bod.teploProdlevy / 3600.0) : std::nullopt;
        csv += ',';
        pridejCislo(csv, bod.casCyklu);
        csv += ',';
        pridejCislo(csv, wh);
    }
    csv += ',';
    // A point computed whole has no status: its case is rebuilt only to tell why not.
    const bool cely = bod.vypocet.konec == KonecVypoctu::Uspech &&
                      (!bod.vypocet.jadro || *bod.vypocet.jadro == KonecJadra::Dosazeno);
    if (!cely) {
        if (const std::optional<Chyba> chyba = ChybaVypoctu(bod.vypocet, UlohaBodu(zaklad, osy, i), jazyk)) {
            QString stav = chyba->text;
            stav.replace(QLatin1String("\r\n"), QLatin1String(" "));
            csv += poleCsv(stav).toStdString();
        }
    }
    csv += '\n';
}

QString RadekRozmitaniCsv(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i,
                          const BodRozmitani& bod, SloupceRozmitani sloupce, Jazyk jazyk) {
    std::string radek;
    PridejRadekRozmitaniCsv(radek, zaklad, osy, i, bod, sloupce, jazyk);
    return QString::fromStdString(radek);
}

}  // namespace zorvet
