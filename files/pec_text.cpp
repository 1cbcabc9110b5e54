#include "files/pec_text.h"

#include <QLocale>
#include <QStringList>
#include <cmath>

#include "files/refraktory.h"

namespace zorvet {

QString TextPlochy(PlochaSten plocha) {
    return plocha == PlochaSten::Vnitrni ? QStringLiteral("inner") : QStringLiteral("rounded");
}

std::optional<PlochaSten> PlochaZTextu(const QString& text) {
    const QString t = text.trimmed();
    if (t == QLatin1String("inner")) {
        return PlochaSten::Vnitrni;
    }
    if (t == QLatin1String("rounded")) {
        return PlochaSten::Zaoblena;
    }
    return std::nullopt;
}

QString TextStartu(const Pec& pec) {
    switch (pec.Start) {
        case StartPece::Horky:
            return QStringLiteral("hot");
        case StartPece::Studeny:
            return QStringLiteral("cold");
        case StartPece::Cyklicky:
            return QStringLiteral("cyclic");
        case StartPece::PoCyklech:
            break;
    }
    return QStringLiteral("after:%1").arg(pec.Cyklu);
}

bool NastavStart(Pec& pec, const QString& text) {
    const QString t = text.trimmed();
    const std::pair<const char*, StartPece> slova[] = {
        {"hot", StartPece::Horky}, {"cold", StartPece::Studeny}, {"cyclic", StartPece::Cyklicky}};
    for (const auto& [slovo, start] : slova) {
        if (t == QLatin1String(slovo)) {
            pec.Start = start;
            pec.Cyklu = 0;
            return true;
        }
    }
    if (!t.startsWith(QLatin1String("after:"))) {
        return false;
    }
    bool ok = false;
    const int n = t.mid(6).toInt(&ok);
    if (!ok || n < 1 || n > 1000) {
        return false;
    }
    pec.Start = StartPece::PoCyklech;
    pec.Cyklu = static_cast<std::int16_t>(n);
    return true;
}

TextVyzdivky VyzdivkaZTextu(const QString& text, const std::vector<Refraktor>& vlastni,
                            const std::vector<Refraktor>& databaze) {
    Vyzdivka v;
    for (const QString& vrstva : text.split(QLatin1Char(','))) {
        const qsizetype dvojtecka = vrstva.lastIndexOf(QLatin1Char(':'));
        if (dvojtecka < 0) {
            return {std::nullopt, vrstva};
        }
        const QString nazev = vrstva.left(dvojtecka).trimmed();
        const Refraktor* r = NajdiRefraktor(nazev.toStdString(), vlastni, databaze);
        if (r == nullptr) {
            return {std::nullopt, nazev};
        }
        bool ok = false;
        const QString tloustka = vrstva.mid(dvojtecka + 1).trimmed();
        const double d = QLocale::c().toDouble(tloustka, &ok);
        if (!ok || !std::isfinite(d) || !(d > 0.0) || d > 10.0) {
            return {std::nullopt, tloustka};
        }
        v.push_back(Vrstva{*r, static_cast<float>(d)});
    }
    return {std::move(v), {}};
}

}  // namespace zorvet
