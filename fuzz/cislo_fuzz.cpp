// The number reader and the written number forms.
//
// Any text: CtiCislo, CtiText, RozdelRadek and the field reader of CteckaTextu never crash,
// never loop, and never hand a caller a value that is no single; a text made only of digits,
// signs, separators and exponents reads the same under the point and the comma locale.
// Any single and any 16-bit count written under one locale read back as exactly the same
// value under the other, in a value line, a curve row and a result row.
#include <QLocale>
#include <QString>
#include <QStringList>
#include <cmath>
#include <cstdint>
#include <optional>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/windows1250.h"
#include "fuzz/fuzz_support.h"

namespace {

using namespace zorvet;
using zorvet::fuzz::Bajty;
using zorvet::fuzz::nastavLokal;

// Digits, signs, the two separators and the exponent letter, with blanks only around them:
// what any writer of these files produces. (A blank inside is a digit group to a locale
// that groups with blanks, and to no other.)
bool jenCiselneZnaky(QStringView t) {
    t = t.trimmed();
    for (const QChar ch : t) {
        if (!QStringView(u"0123456789+-.,eE").contains(ch)) {
            return false;
        }
    }
    return true;
}

void libovolnyText(std::uint8_t nastaveni, const QString& text) {
    const int sloupec = 1 + nastaveni % 48;
    std::optional<double> hodnoty[2];
    for (int carka = 0; carka < 2; ++carka) {
        nastavLokal(carka != 0);
        hodnoty[carka] = CtiCislo(text, sloupec);
        const float x = NaSingle(hodnoty[carka]);
        ZORVET_OVER(std::isfinite(x));
        if (!hodnoty[carka] || !std::isfinite(*hodnoty[carka])) {
            ZORVET_OVER(x == 0.0f);
        }
        NaCeleCislo(hodnoty[carka]);
    }
    if (sloupec <= text.size() && jenCiselneZnaky(QStringView(text).sliced(sloupec - 1))) {
        ZORVET_OVER(hodnoty[0].has_value() == hodnoty[1].has_value());
        if (hodnoty[0] && !std::isnan(*hodnoty[0])) {
            ZORVET_OVER(*hodnoty[0] == *hodnoty[1]);
        }
    }

    const QString hodnotaTextu = CtiText(text);
    ZORVET_OVER(text.endsWith(hodnotaTextu));
    ZORVET_OVER(!hodnotaTextu.startsWith(QLatin1Char(' ')));

    // The fields are the text's blank-separated words, none empty.
    const QStringList pole = RozdelRadek(text);
    for (const QString& p : pole) {
        ZORVET_OVER(!p.isEmpty() && !p.contains(QLatin1Char(' ')));
    }
    ZORVET_OVER(pole.join(QLatin1Char(' ')) == text.split(QLatin1Char(' '), Qt::SkipEmptyParts).join(QLatin1Char(' ')));

    // The loops of the material and curve readers: every read that gives a field moves on.
    const qsizetype mez = 2 * text.size() + 4;
    CteckaTextu cteni(text);
    for (qsizetype krok = 0;; ++krok) {
        ZORVET_OVER(krok < mez);
        const qsizetype pred = cteni.pozice();
        if (!cteni.textovePole()) {
            ZORVET_OVER(cteni.naKonci());
            break;
        }
        ZORVET_OVER(cteni.pozice() > pred);
        for (int i = 0; i < 2; ++i) {
            const qsizetype predCislem = cteni.pozice();
            const std::optional<double> x = cteni.ciselnePole();
            ZORVET_OVER(x ? cteni.pozice() > predCislem : cteni.pozice() == predCislem);
            ZORVET_OVER(std::isfinite(NaSingle(x)));
        }
    }
    CteckaTextu radky(text);
    for (qsizetype krok = 0; radky.radek(); ++krok) {
        ZORVET_OVER(krok < mez);
    }
    ZORVET_OVER(radky.naKonci());
}

// The form the files hold: a blank or minus, digits with one separator, maybe an exponent,
// a trailing blank.
bool jeTvarSouboru(const QString& t) {
    if (t.size() < 3 || !(t.startsWith(QLatin1Char(' ')) || t.startsWith(QLatin1Char('-'))) ||
        !t.endsWith(QLatin1Char(' '))) {
        return false;
    }
    return !t.sliced(1, t.size() - 2).contains(QLatin1Char(' '));
}

// Written under one locale, read under the other (or the same).
void zpetneCteni(Bajty& b) {
    const std::uint8_t nastaveni = b.bajt();
    const bool carkaZapisu = (nastaveni & 1) != 0;
    const bool carkaCteni = (nastaveni & 2) != 0;
    const float x = b.single();
    const float y = b.single();
    const std::int16_t n = b.cele();

    nastavLokal(carkaZapisu);
    const QString tx = TextSouboru(x);
    const QString ty = TextSouboru(y);
    const QString tn = TextSouboru(n);
    const QString obecny = TextObecny(x);

    if (std::isfinite(x)) {
        ZORVET_OVER(jeTvarSouboru(tx));
        // What a window shows reads in the window's own locale, to 7 significant digits.
        bool ok = false;
        const double zpet = QLocale().toDouble(obecny, &ok);
        ZORVET_OVER(ok);
        ZORVET_OVER(std::fabs(zpet - x) <= 1e-6 * std::fabs(static_cast<double>(x)));
    }
    ZORVET_OVER(jeTvarSouboru(tn));

    nastavLokal(carkaCteni);
    const QString radek = QStringLiteral("Emissivity                    [-]     :  ");
    if (std::isfinite(x)) {
        ZORVET_OVER(NaSingle(CtiCislo(radek + tx, kSloupecHodnoty)) == x);
    }
    ZORVET_OVER(NaCeleCislo(CtiCislo(radek + tn, kSloupecHodnoty)) == n);

    // A curve row and a result row: two numbers in print zones of 14 columns.
    const QString zona = tx.size() < 14 ? tx.leftJustified(14) : tx.leftJustified(28);
    const QString dvojice = zona + ty;
    if (std::isfinite(x) && std::isfinite(y)) {
        CteckaTextu cteni(dvojice + QStringLiteral("\r\n") + dvojice);
        for (int i = 0; i < 2; ++i) {
            ZORVET_OVER(NaSingle(cteni.ciselnePole()) == x);
            ZORVET_OVER(NaSingle(cteni.ciselnePole()) == y);
        }
        ZORVET_OVER(cteni.naKonci());
        const QStringList pole = RozdelRadek(dvojice);
        ZORVET_OVER(pole.size() == 2);
        ZORVET_OVER(NaSingle(CtiCislo(pole[0], 1)) == x);
        ZORVET_OVER(NaSingle(CtiCislo(pole[1], 1)) == y);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    libovolnyText(data[0], DekodujSoubor(QByteArray(reinterpret_cast<const char*>(data) + 1,
                                                    static_cast<qsizetype>(size - 1))));
    Bajty b(data, size);
    zpetneCteni(b);
    return 0;
}
