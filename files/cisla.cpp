#include "files/cisla.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zorvet {

namespace {

struct Cislice {
    std::string mantisa;  // significant digits without trailing zeros, at least one
    int exponent = 0;     // decimal exponent of the first digit
};

// The fewest significant digits, 7 at most unless 7 would not read back as the same single
// (and never more than nejvic).
Cislice rozloz(float x, int nejvic) {
    const float a = std::fabs(x);
    char buf[64];
    for (int presnost = 7; presnost <= nejvic; ++presnost) {
        const auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, presnost - 1);
        float zpet = 0.0f;
        std::from_chars(buf, r.ptr, zpet);
        if (zpet == a || presnost == nejvic) {
            const std::string text(buf, r.ptr);
            const auto e = text.find('e');
            Cislice c;
            for (char ch : text.substr(0, e)) {
                if (ch != '.') {
                    c.mantisa.push_back(ch);
                }
            }
            while (c.mantisa.size() > 1 && c.mantisa.back() == '0') {
                c.mantisa.pop_back();
            }
            c.exponent = std::atoi(text.c_str() + e + 1);
            return c;
        }
    }
    return {};
}

// Digits of |x| in fixed or exponent form, with the given separator.
QString telo(float x, QChar oddelovac, bool uvodniNula, int nejvic = 9) {
    if (std::isnan(x)) {
        return QStringLiteral("NaN");
    }
    if (std::isinf(x)) {
        return QStringLiteral("INF");
    }
    if (x == 0.0f) {
        return QStringLiteral("0");
    }
    const Cislice c = rozloz(x, nejvic);
    const int pocet = static_cast<int>(c.mantisa.size());
    QString out;
    if (c.exponent < -5 + 1 || c.exponent >= 7 + (pocet > 7 ? pocet - 7 : 0)) {
        out += QLatin1Char(c.mantisa[0]);
        if (pocet > 1) {
            out += oddelovac;
            out += QString::fromLatin1(c.mantisa.data() + 1, pocet - 1);
        }
        char exp[16];
        std::snprintf(exp, sizeof exp, "E%c%02d", c.exponent < 0 ? '-' : '+', std::abs(c.exponent));
        out += QLatin1String(exp);
    } else if (c.exponent < 0) {
        if (uvodniNula) {
            out += QLatin1Char('0');
        }
        out += oddelovac;
        out += QString(-c.exponent - 1, QLatin1Char('0'));
        out += QString::fromLatin1(c.mantisa.data(), pocet);
    } else {
        const int cele = c.exponent + 1;
        if (pocet <= cele) {
            out += QString::fromLatin1(c.mantisa.data(), pocet);
            out += QString(cele - pocet, QLatin1Char('0'));
        } else {
            out += QString::fromLatin1(c.mantisa.data(), cele);
            out += oddelovac;
            out += QString::fromLatin1(c.mantisa.data() + cele, pocet - cele);
        }
    }
    return out;
}

}  // namespace

QChar OddelovacLokalu() {
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QString TextZpravy(float x, QChar oddelovac) {
    return (x < 0.0f ? QStringLiteral("-") : QStringLiteral(" ")) + telo(x, oddelovac, false);
}

QString TextSouboru(float x) { return TextZpravy(x, OddelovacLokalu()) + QLatin1Char(' '); }

QString TextSouboru(std::int16_t n) {
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(static_cast<int>(n))) +
           QLatin1Char(' ');
}

QString TextObecny(float x) {
    // What the user reads in a window: 7 significant digits at most, like the
    // platform's own text of a single.
    return (x < 0.0f ? QStringLiteral("-") : QString()) + telo(x, OddelovacLokalu(), true, 7);
}

}  // namespace zorvet
