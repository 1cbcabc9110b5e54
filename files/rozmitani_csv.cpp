#include "files/rozmitani_csv.h"

#include <algorithm>

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
        hlavicka += QLatin1String(o.pole->nazev) + QLatin1Char(',');
    }
    return hlavicka + QLatin1String("time_s,power_W,energy_Wh") +
           (sloupce.jadro ? QLatin1String(",core_s") : QLatin1String()) +
           (sloupce.cyklus ? QLatin1String(",cycle_s,soak_energy_Wh") : QLatin1String()) + QLatin1String(",status\n");
}

QString RadekRozmitaniCsv(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i,
                          const BodRozmitani& bod, SloupceRozmitani sloupce, Jazyk jazyk) {
    QString radek;
    for (std::size_t a = 0; a < osy.size(); ++a) {
        radek += QString::number(bod.hodnoty[a], 'g', 10) + QLatin1Char(',');
    }
    const auto cislo = [](const std::optional<double>& x) { return x ? TextCsv(static_cast<float>(*x)) : QString(); };
    if (bod.spocten) {
        radek += TextCsv(static_cast<float>(bod.cas)) + QLatin1Char(',') +
                 (bod.vykon ? TextCsv(bod.vykon->P) + QLatin1Char(',') + TextCsv(bod.vykon->E) : QStringLiteral(","));
    } else {
        radek += QStringLiteral(",,");
    }
    if (sloupce.jadro) {
        radek += QLatin1Char(',') + cislo(bod.casJadra);
    }
    if (sloupce.cyklus) {
        const std::optional<double> wh = bod.teploProdlevy ? std::optional<double>(*bod.teploProdlevy / 3600.0) : std::nullopt;
        radek += QLatin1Char(',') + cislo(bod.casCyklu) + QLatin1Char(',') + cislo(wh);
    }
    QString stav;
    if (const std::optional<Chyba> chyba = ChybaVypoctu(bod.vypocet, UlohaBodu(zaklad, osy, i), jazyk)) {
        stav = chyba->text;
        stav.replace(QLatin1String("\r\n"), QLatin1String(" "));
    }
    return radek + QLatin1Char(',') + poleCsv(stav) + QLatin1Char('\n');
}

}  // namespace zorvet
