#include "files/cteni.h"

#include <QLocale>
#include <charconv>
#include <cmath>
#include <limits>
#include <string>

namespace zorvet {

namespace {

QStringView orizniMezery(QStringView t) {
    qsizetype zacatek = 0;
    qsizetype konec = t.size();
    while (zacatek < konec && t[zacatek] == QLatin1Char(' ')) {
        ++zacatek;
    }
    while (konec > zacatek && t[konec - 1] == QLatin1Char(' ')) {
        --konec;
    }
    return t.sliced(zacatek, konec - zacatek);
}

bool jeCislice(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// The longest leading part of t that is a number written with the point: optional sign,
// digits, point, digits, optional exponent; blanks inside are skipped. No value when the
// part holds no digit.
std::optional<double> ctiSTeckou(QStringView t) {
    std::string cislo;
    qsizetype i = 0;
    const auto preskocMezery = [&] {
        while (i < t.size() && t[i] == QLatin1Char(' ')) {
            ++i;
        }
    };
    preskocMezery();
    bool zaporne = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        zaporne = t[i] == QLatin1Char('-');
        ++i;
    }
    std::string cele, desetinne;
    for (preskocMezery(); i < t.size() && jeCislice(t[i]); preskocMezery()) {
        cele.push_back(static_cast<char>(t[i++].unicode()));
    }
    if (i < t.size() && t[i] == QLatin1Char('.')) {
        ++i;
        for (preskocMezery(); i < t.size() && jeCislice(t[i]); preskocMezery()) {
            desetinne.push_back(static_cast<char>(t[i++].unicode()));
        }
    }
    if (cele.empty() && desetinne.empty()) {
        return std::nullopt;
    }
    cislo = (cele.empty() ? std::string("0") : cele) + '.' + (desetinne.empty() ? std::string("0") : desetinne);
    if (i < t.size() && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        qsizetype j = i + 1;
        std::string exponent;
        if (j < t.size() && (t[j] == QLatin1Char('-') || t[j] == QLatin1Char('+'))) {
            exponent.push_back(static_cast<char>(t[j++].unicode()));
        }
        std::string cislice;
        while (j < t.size() && jeCislice(t[j])) {
            cislice.push_back(static_cast<char>(t[j++].unicode()));
        }
        if (!cislice.empty()) {
            cislo += 'e' + exponent + cislice;
        }
    }
    double x = 0.0;
    const auto r = std::from_chars(cislo.data(), cislo.data() + cislo.size(), x);
    if (r.ec != std::errc()) {
        return std::nullopt;  // beyond the range of a double
    }
    return zaporne ? -x : x;
}

// The user's locale reading the whole text; no value when it is not a number or overflows.
std::optional<double> ctiVLokalu(const QLocale& lokal, const QString& t) {
    bool ok = false;
    const double x = lokal.toDouble(t, &ok);
    return ok ? std::optional<double>(x) : std::nullopt;
}

// The plain forms the writers produce: optional sign, digits with at most one "," or ".",
// optional exponent (E, sign, digits). Whatever the locale, the rules below read such a
// text as the number with its separator taken for the decimal point, so it is read that way
// at once, without the locale's conversions. No value for any other text.
std::optional<double> ctiProsteCislo(QStringView t) {
    char buf[64];
    std::size_t n = 0;
    qsizetype i = 0;
    bool zaporne = false;
    if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
        zaporne = t[i] == QLatin1Char('-');
        ++i;
    }
    bool cislice = false;
    bool oddelovac = false;
    for (; i < t.size(); ++i) {
        const QChar ch = t[i];
        if (jeCislice(ch)) {
            cislice = true;
        } else if ((ch == QLatin1Char('.') || ch == QLatin1Char(',')) && !oddelovac) {
            oddelovac = true;
        } else {
            break;
        }
        if (n + 1 >= sizeof buf) {
            return std::nullopt;
        }
        buf[n++] = ch == QLatin1Char(',') ? '.' : static_cast<char>(ch.unicode());
    }
    if (!cislice) {
        return std::nullopt;
    }
    if (i < t.size() && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        if (n + 3 > sizeof buf) {
            return std::nullopt;  // no room for "e", a sign and a digit after 61 characters
        }
        buf[n++] = 'e';
        ++i;
        if (i < t.size() && (t[i] == QLatin1Char('-') || t[i] == QLatin1Char('+'))) {
            buf[n++] = static_cast<char>(t[i++].unicode());
        }
        const qsizetype zacatek = i;
        for (; i < t.size() && jeCislice(t[i]) && n + 1 < sizeof buf; ++i) {
            buf[n++] = static_cast<char>(t[i].unicode());
        }
        if (i == zacatek) {
            return std::nullopt;
        }
    }
    if (i != t.size()) {
        return std::nullopt;
    }
    double x = 0.0;
    const auto r = std::from_chars(buf, buf + n, x);
    if (r.ec != std::errc() || r.ptr != buf + n) {
        return std::nullopt;
    }
    return zaporne ? -x : x;
}

}  // namespace

std::optional<double> CtiCislo(QStringView radek, int sloupec) {
    if (sloupec < 1 || sloupec > radek.size()) {
        return std::nullopt;
    }
    const QStringView orez = orizniMezery(radek.sliced(sloupec - 1));
    if (orez.isEmpty()) {
        return std::nullopt;
    }
    if (const std::optional<double> x = ctiProsteCislo(orez)) {
        return x;
    }
    QString t = orez.toString();
    QLocale lokal;
    lokal.setNumberOptions(lokal.numberOptions() | QLocale::OmitGroupSeparator);
    std::optional<double> x = ctiVLokalu(lokal, t);
    if (!x) {
        // A point-written decimal under a comma locale.
        const qsizetype tecka = t.indexOf(QLatin1Char('.'));
        if (tecka >= 0) {
            t[tecka] = QLatin1Char(',');
            x = ctiVLokalu(lokal, t);
        }
    }
    // The locale may have misread the text (a point locale takes "12,5" for the grouped
    // integer 125) or refused it: when the plain form of the value is not the text itself and
    // the text has a separator, the leading number read with the point decides.
    const QString prosty = x ? lokal.toString(*x, 'g', QLocale::FloatingPointShortest) : QString();
    if (prosty != t && (t.contains(QLatin1Char(',')) || t.contains(QLatin1Char('.')))) {
        const qsizetype carka = t.indexOf(QLatin1Char(','));
        if (carka >= 0) {
            t[carka] = QLatin1Char('.');
        }
        x = ctiSTeckou(t);
    }
    return x;
}

QString CtiText(QStringView radek) {
    if (radek.size() < kSloupecHodnoty) {
        return {};
    }
    QStringView t = radek.sliced(kSloupecHodnoty - 1);
    qsizetype i = 0;
    while (i < t.size() && t[i] == QLatin1Char(' ')) {
        ++i;
    }
    return t.sliced(i).toString();
}

QStringList RozdelRadek(QStringView radek) {
    QStringList pole;
    for (const QStringView kus : radek.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
        pole.append(kus.toString());
    }
    return pole;
}

bool JeSingle(double x) {
    // Values up to half a unit above the largest single still round to it.
    static const double kMez = std::ldexp(1.0, 128) - std::ldexp(1.0, 103);
    return std::isfinite(x) && std::fabs(x) < kMez;
}

float toSingle(std::optional<double> x) {
    if (!x || !JeSingle(*x)) {
        return 0.0f;
    }
    return static_cast<float>(*x);
}

std::optional<std::int16_t> wholeInt16(double x) {
    if (!std::isfinite(x)) {
        return std::nullopt;
    }
    const double n = std::nearbyint(x);  // halves to even in the default rounding mode
    if (n < std::numeric_limits<std::int16_t>::min() || n > std::numeric_limits<std::int16_t>::max()) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(n);
}

std::optional<double> parseNumber(QStringView text) {
    const QString t = text.trimmed().toString();
    if (t.isEmpty()) {
        return std::nullopt;
    }
    if (const std::optional<double> x = ctiProsteCislo(t)) {
        return x;
    }
    // The locale's own forms, such as its minus sign; not digit grouping, which no writer
    // writes and which reads "1,500" as fifteen hundred under a point locale but as one and a
    // half under a comma locale. Not "nan" or "inf" either, which it takes too: no person or
    // writer means a number by them.
    QLocale lokal;
    lokal.setNumberOptions(lokal.numberOptions() | QLocale::RejectGroupSeparator);
    const std::optional<double> x = ctiVLokalu(lokal, t);
    return x && std::isfinite(*x) ? x : std::nullopt;
}

CteckaTextu::CteckaTextu(QString text) : text_(std::move(text)) {}

bool CteckaTextu::jeKonecRadku(qsizetype i) const {
    return i < text_.size() && (text_[i] == QLatin1Char('\n') || text_[i] == QLatin1Char('\r'));
}

void CteckaTextu::preskocKonecRadku() {
    if (pozice_ < text_.size() && text_[pozice_] == QLatin1Char('\r')) {
        ++pozice_;
        if (pozice_ < text_.size() && text_[pozice_] == QLatin1Char('\n')) {
            ++pozice_;
        }
    } else if (pozice_ < text_.size() && text_[pozice_] == QLatin1Char('\n')) {
        ++pozice_;
    }
}

std::optional<QString> CteckaTextu::radek() {
    if (naKonci()) {
        return std::nullopt;
    }
    const qsizetype zacatek = pozice_;
    while (pozice_ < text_.size() && !jeKonecRadku(pozice_)) {
        ++pozice_;
    }
    prohlednuto_ += pozice_ - zacatek + 1;
    QString r = text_.sliced(zacatek, pozice_ - zacatek);
    preskocKonecRadku();
    return r;
}

void CteckaTextu::preskocPrazdneRadky() {
    // Looks no further than the first character that is no white space: a line of content is
    // not read to its end here, only by the read that consumes it.
    qsizetype i = pozice_;
    while (i < text_.size() && !jeKonecRadku(i) && text_[i].isSpace()) {
        ++i;
    }
    prohlednuto_ += i - pozice_ + 1;
    while (i == text_.size() || jeKonecRadku(i)) {
        pozice_ = i;
        preskocKonecRadku();
        if (naKonci()) {
            return;
        }
        i = pozice_;
        while (i < text_.size() && !jeKonecRadku(i) && text_[i].isSpace()) {
            ++i;
        }
        prohlednuto_ += i - pozice_ + 1;
    }
}

void CteckaTextu::zaPolem() {
    const qsizetype zaPolem = pozice_;
    while (pozice_ < text_.size() && text_[pozice_] == QLatin1Char(' ')) {
        ++pozice_;
    }
    prohlednuto_ += pozice_ - zaPolem + 1;
    if (pozice_ < text_.size() && text_[pozice_] == QLatin1Char(',')) {
        // After blanks, a comma with a digit after it is the next number, a value below 1
        // written under the decimal comma (" 600  ,5 "), not a separator.
        const bool dalsiCislo = pozice_ > zaPolem && pozice_ + 1 < text_.size() && jeCislice(text_[pozice_ + 1]);
        if (!dalsiCislo) {
            ++pozice_;
        }
    } else {
        preskocKonecRadku();
    }
}

std::optional<QString> CteckaTextu::textovePole() {
    const qsizetype predMezerami = pozice_;
    while (pozice_ < text_.size() && text_[pozice_] == QLatin1Char(' ')) {
        ++pozice_;
    }
    prohlednuto_ += pozice_ - predMezerami + 1;
    if (naKonci()) {
        return std::nullopt;
    }
    QString pole;
    if (text_[pozice_] == QLatin1Char('"')) {
        // A quoted name ends at the line end when its closing quote is missing: a name never
        // spans lines, and an unclosed quote must not swallow the records after it.
        const qsizetype zacatek = pozice_ + 1;
        qsizetype konec = zacatek;
        while (konec < text_.size() && text_[konec] != QLatin1Char('"') && !jeKonecRadku(konec)) {
            ++konec;
        }
        prohlednuto_ += konec - pozice_ + 1;
        pole = text_.sliced(zacatek, konec - zacatek);
        pozice_ = konec < text_.size() && text_[konec] == QLatin1Char('"') ? konec + 1 : konec;
    } else {
        const qsizetype zacatek = pozice_;
        while (pozice_ < text_.size() && text_[pozice_] != QLatin1Char(',') && !jeKonecRadku(pozice_)) {
            ++pozice_;
        }
        prohlednuto_ += pozice_ - zacatek + 1;
        pole = text_.sliced(zacatek, pozice_ - zacatek);
    }
    zaPolem();
    return pole;
}

std::optional<double> CteckaTextu::ciselnePole() {
    qsizetype i = pozice_;
    while (i < text_.size() && (text_[i] == QLatin1Char(' ') || jeKonecRadku(i))) {
        ++i;
    }
    prohlednuto_ += i - pozice_ + 1;
    // A double quote starts no number of any form or locale. Such a field is the rest of a
    // run of quoted names ("""""..."), which would otherwise be scanned to its end once for
    // every name in it.
    if (i < text_.size() && text_[i] == QLatin1Char('"')) {
        return std::nullopt;
    }
    const qsizetype zacatek = i;
    bool oddelovac = false;
    while (i < text_.size() && text_[i] != QLatin1Char(' ') && !jeKonecRadku(i)) {
        const QChar ch = text_[i];
        if (ch == QLatin1Char(',')) {
            const bool cisliceZa = i + 1 < text_.size() && jeCislice(text_[i + 1]);
            if (oddelovac || !cisliceZa) {
                break;
            }
        }
        if (ch == QLatin1Char(',') || ch == QLatin1Char('.')) {
            oddelovac = true;
        }
        ++i;
    }
    // The scan, and the reading of what it found.
    prohlednuto_ += 2 * (i - zacatek);
    if (i == zacatek) {
        return std::nullopt;
    }
    const std::optional<double> x = CtiCislo(QStringView(text_).sliced(zacatek, i - zacatek), 1);
    if (!x) {
        return std::nullopt;
    }
    pozice_ = i;
    zaPolem();
    return x;
}

}  // namespace zorvet
