#include "files/tabulka_csv.h"

#include <algorithm>
#include <charconv>

#include "files/zapis.h"
#include "model/pipeline/vypocet.h"

namespace zorvet {

QString TextCsv(float x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString TabulkaCsv(const Vysledek& vysledek) {
    const bool pec = PecSeMeni(vysledek);
    const Jadro* jadro = vysledek.Jadro ? &*vysledek.Jadro : nullptr;
    QString out = QStringLiteral("time_s,charge_C");
    out += pec ? QStringLiteral(",furnace_C") : QString();
    out += jadro != nullptr ? QStringLiteral(",surface_C,core_C\n") : QStringLiteral("\n");
    const long posledni = vysledek.posledniRadek();
    // The rows run to the later end; a column is blank after its own.
    const long konec = jadro != nullptr ? std::max<long>(posledni, static_cast<long>(jadro->teplota.size()) - 1) : posledni;
    for (long i = 0; i <= konec; ++i) {
        const auto r = static_cast<std::size_t>(i);
        const float cas = r < vysledek.Vysledky.Cas.size()
                              ? vysledek.Vysledky.Cas[r]
                              : static_cast<float>(static_cast<double>(i) * static_cast<double>(vysledek.Uloha.CasKrok));
        out += TextCsv(cas) + QLatin1Char(',');
        if (i <= posledni) {
            out += TextCsv(vysledek.Vysledky.TeplotaVsazky[r]);
        }
        if (pec) {
            out += QLatin1Char(',') + TextCsv(vysledek.teplotaPece(i));
        }
        if (jadro != nullptr) {
            const bool je = r < jadro->teplota.size();
            out += QLatin1Char(',') + (je ? TextCsv(jadro->povrch[r]) : QString()) + QLatin1Char(',') +
                   (je ? TextCsv(jadro->teplota[r]) : QString());
        }
        out += QLatin1Char('\n');
    }
    return out;
}

std::optional<QString> UlozTabulkuCsv(const Vysledek& vysledek, const QString& cesta) {
    QString duvod;
    if (!writeWhole(cesta, TabulkaCsv(vysledek).toUtf8(), &duvod)) {
        return duvod;
    }
    return std::nullopt;
}

}  // namespace zorvet
