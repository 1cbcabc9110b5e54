#include "files/tabulka_csv.h"

#include <algorithm>
#include <charconv>

#include "files/zapis.h"

namespace zorvet {

QString TextCsv(float x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString TabulkaCsv(const Vysledek& vysledek) {
    const bool pec = vysledek.Uloha.Rizeny;
    QString out = pec ? QStringLiteral("time_s,charge_C,furnace_C\n") : QStringLiteral("time_s,charge_C\n");
    const int posledni = vysledek.posledniRadek();
    for (int i = 0; i <= posledni; ++i) {
        const auto r = static_cast<std::size_t>(i);
        out += TextCsv(vysledek.Vysledky.Cas[r]) + QLatin1Char(',') + TextCsv(vysledek.Vysledky.TeplotaVsazky[r]);
        if (pec) {
            out += QLatin1Char(',') + TextCsv(vysledek.TeplotaPece[r]);
        }
        out += QLatin1Char('\n');
    }
    return out;
}

std::optional<QString> UlozTabulkuCsv(const Vysledek& vysledek, const QString& cesta) {
    QString duvod;
    if (!ZapisBajty(cesta, TabulkaCsv(vysledek).toUtf8(), &duvod)) {
        return duvod;
    }
    return std::nullopt;
}

}  // namespace zorvet
