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

bool RozmitaniSJadrem(const Uloha& zaklad, std::span<const OsaRozmitani> osy) {
    return MaJadro(zaklad) || std::any_of(osy.begin(), osy.end(), [](const OsaRozmitani& o) {
               return o.pole->velicina == Velicina::Lambda;
           });
}

QString HlavickaRozmitaniCsv(const QStringList& nazvy, bool sJadrem) {
    return nazvy.join(QLatin1Char(',')) + QLatin1String(",time_s,power_W,energy_Wh") +
           (sJadrem ? QLatin1String(",core_s") : QLatin1String()) + QLatin1String(",status\n");
}

QString RadekRozmitaniCsv(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i,
                          const BodRozmitani& bod, bool sJadrem, Jazyk jazyk) {
    QString radek;
    for (std::size_t a = 0; a < osy.size(); ++a) {
        radek += QString::number(bod.hodnoty[a], 'g', 10) + QLatin1Char(',');
    }
    if (bod.spocten) {
        radek += TextCsv(static_cast<float>(bod.cas)) + QLatin1Char(',') +
                 (bod.vykon ? TextCsv(bod.vykon->P) + QLatin1Char(',') + TextCsv(bod.vykon->E) : QStringLiteral(","));
        if (sJadrem) {
            radek += QLatin1Char(',') + (bod.casJadra ? TextCsv(static_cast<float>(*bod.casJadra)) : QString());
        }
    } else {
        radek += sJadrem ? QStringLiteral(",,,") : QStringLiteral(",,");
    }
    QString stav;
    if (const std::optional<Chyba> chyba = ChybaVypoctu(bod.vypocet, UlohaBodu(zaklad, osy, i), jazyk)) {
        stav = chyba->text;
        stav.replace(QLatin1String("\r\n"), QLatin1String(" "));
    }
    return radek + QLatin1Char(',') + poleCsv(stav) + QLatin1Char('\n');
}

}  // namespace zorvet
