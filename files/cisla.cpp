#include "files/cisla.h"

#include <QLocale>
#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zorvet {

namespace {

// Writes the digits of |x| (never NaN, infinite or zero) in fixed or exponent form, with "." as
// the separator, and returns the end. The fewest significant digits are used, 7 at most unless
// 7 would not read back as the same single (and no more than nejvic, but see below). The
// shortest form that reads back has k digits; when k is 7 or less, the correctly rounded
// 7-digit form is at least as close to x, so it reads back too.
char* pisCislice(char* out, float a, bool uvodniNula, int nejvic) {
    char buf[32];
    auto r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific);
    int nejkratsi = 0;
    for (const char* p = buf; p < r.ptr && *p != 'e'; ++p) {
        nejkratsi += (*p >= '0' && *p <= '9') ? 1 : 0;
    }
    int presnost = std::min(std::max(7, nejkratsi), nejvic);
    r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, presnost - 1);
    // The readers take a number as a double and then store it as a single. Digits that fall
    // just beside a point halfway between two singles can become that point as a double and
    // then round to the other single; more digits are written then (17 always read back).
    if (nejvic > 7) {
        double zpet = 0.0;
        while (presnost < 17 && (std::from_chars(buf, r.ptr, zpet), static_cast<float>(zpet) != a)) {
            ++presnost;
            r = std::to_chars(buf, buf + sizeof buf, a, std::chars_format::scientific, presnost - 1);
        }
    }

    char mantisa[20];
    int pocet = 0;
    const char* p = buf;
    for (; p < r.ptr && *p != 'e'; ++p) {
        if (*p != '.') {
            mantisa[pocet++] = *p;
        }
    }
    while (pocet > 1 && mantisa[pocet - 1] == '0') {
        --pocet;
    }
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), r.ptr, exponent);

    if (exponent < -4 || exponent >= std::max(7, pocet)) {
        *out++ = mantisa[0];
        if (pocet > 1) {
            *out++ = '.';
            out = std::copy(mantisa + 1, mantisa + pocet, out);
        }
        *out++ = 'E';
        *out++ = exponent < 0 ? '-' : '+';
        const int e = std::abs(exponent);
        if (e < 10) {
            *out++ = '0';
        }
        out = std::to_chars(out, out + 4, e).ptr;
    } else if (exponent < 0) {
        if (uvodniNula) {
            *out++ = '0';
        }
        *out++ = '.';
        out = std::fill_n(out, -exponent - 1, '0');
        out = std::copy(mantisa, mantisa + pocet, out);
    } else {
        const int cele = exponent + 1;
        if (pocet <= cele) {
            out = std::copy(mantisa, mantisa + pocet, out);
            out = std::fill_n(out, cele - pocet, '0');
        } else {
            out = std::copy(mantisa, mantisa + cele, out);
            *out++ = '.';
            out = std::copy(mantisa + cele, mantisa + pocet, out);
        }
    }
    return out;
}

// The sign (a blank for a value that is not negative, when mezeraZaZnamenko says so), the digits
// and an optional trailing blank, with the given separator.
QString sestav(float x, QChar oddelovac, bool mezeraZaZnamenko, bool uvodniNula, int nejvic, bool mezeraNaKonci) {
    char buf[48];
    char* k = buf;
    if (x < 0.0f) {
        *k++ = '-';
    } else if (mezeraZaZnamenko) {
        *k++ = ' ';
    }
    const float a = std::fabs(x);
    if (std::isnan(x)) {
        k = std::copy_n("NaN", 3, k);
    } else if (std::isinf(x)) {
        k = std::copy_n("INF", 3, k);
    } else if (a == 0.0f) {
        *k++ = '0';
    } else {
        k = pisCislice(k, a, uvodniNula, nejvic);
    }
    if (mezeraNaKonci) {
        *k++ = ' ';
    }
    QString text = QString::fromLatin1(buf, k - buf);
    if (oddelovac != QLatin1Char('.')) {
        text.replace(QLatin1Char('.'), oddelovac);
    }
    return text;
}

}  // namespace

QChar OddelovacLokalu() {
    const QString s = QLocale().decimalPoint();
    return s.isEmpty() ? QLatin1Char('.') : s.at(0);
}

QString TextZpravy(float x, QChar oddelovac) { return sestav(x, oddelovac, true, false, 7, false); }

QString CisloSouboru(float x) {
    // A value beyond the singles (a file or a field can give one) is written as a number that
    // reads back beyond them again.
    if (std::isinf(x)) {
        return x < 0.0f ? QStringLiteral("-1E+39 ") : QStringLiteral(" 1E+39 ");
    }
    return sestav(x, OddelovacLokalu(), true, false, 9, true);
}

QString CisloSouboru(std::int16_t n) {
    return (n < 0 ? QStringLiteral("-") : QStringLiteral(" ")) + QString::number(std::abs(static_cast<int>(n))) +
           QLatin1Char(' ');
}

QString TextObecny(float x) {
    // What the user reads in a window: 7 significant digits at most, like the
    // platform's own text of a single.
    return sestav(x, OddelovacLokalu(), false, true, 7, false);
}

}  // namespace zorvet
