// Reading the numbers, text values and fields of the data files. The files are written with
// the decimal separator of the writer's locale, the comma or the point, and a file written
// under one must read back under the other; the user's locale is QLocale().
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>
#include <cstdint>
#include <optional>

namespace zorvet {

// The column where a value line's value starts (the number's sign or blank; a text one later).
inline constexpr int kSloupecHodnoty = 42;

// The number in the text of `radek` from the 1-based column `sloupec` on, surrounding
// blanks ignored. Accepts the user's locale and, whatever the locale, the comma and the
// point as the decimal separator, a value below 1 without its leading zero and the
// exponent form. Text that is not a number gives its leading number read with the point
// when it holds a comma or a point, else no value (callers read no value as 0).
std::optional<double> CtiCislo(QStringView radek, int sloupec);

// The text value of a value line: the line from column 42 on, leading blanks removed
// (trailing blanks stay).
QString CtiText(QStringView radek);

// The blank-separated fields of a table row; empty for a blank line.
QStringList RozdelRadek(QStringView radek);

// Whether a single holds x: finite, and rounded to a single no larger than the largest one
// (1E+39 is a finite double but an infinite single).
bool JeSingle(double x);

// A number read from a file as a single: no value, a non-finite value and a value beyond
// the single's range all read as 0, so nothing unusable enters the state.
float toSingle(std::optional<double> x);


// The one rule for whole numbers of 16 bits (counts, pieces, the losses percentage): x
// rounded to the nearest integer, halves to the even one; no value outside -32768..32767 or
// for a value that is not finite.
std::optional<std::int16_t> wholeInt16(double x);

// The number a person typed into a field, or a value of a problem or results file: the whole
// text (surrounding blanks aside) must be a number in the user's locale or a plain number
// written with the comma or the point as the decimal separator, whatever the locale. No value
// for an empty text or for anything else ("95O", "1.2.3", "nan", the grouped "1,000,000").
std::optional<double> parseNumber(QStringView text);

// Reads a data file's text from the start, line by line or field by field (as the original
// program's sequential input did). Line ends are CR LF, LF or CR. No read goes past the end:
// every read at the end gives no value, so a loop over the reads always ends. Each read costs
// in proportion to the text it consumes, or to a bounded stretch of it when it consumes nothing,
// so that reading a whole text field by field takes time linear in its length, whatever it holds.
class CteckaTextu {
public:
    explicit CteckaTextu(QString text);

    bool naKonci() const { return pozice_ >= text_.size(); }

    // Where the next read starts, as an offset into the text; a reader can come back to it.
    qsizetype pozice() const { return pozice_; }
    void nastavPozici(qsizetype pozice) { pozice_ = pozice < 0 ? 0 : (pozice > text_.size() ? text_.size() : pozice); }

    // The next line without its line end.
    std::optional<QString> radek();

    // Skips the lines that hold nothing but white space (QChar::isSpace), each with its line
    // end, and stops at the start of the first other line (or at the end).
    void preskocPrazdneRadky();

    // A text field: leading blanks skipped; between double quotes when it starts with one
    // (up to the line end when the closing quote is missing), else up to the next comma or
    // line end.
    std::optional<QString> textovePole();

    // A numeric field: leading blanks and line ends skipped; the text up to the next blank,
    // comma or line end. A comma between digits is taken for the decimal comma (files
    // written under a comma locale), so "460,5" is one number. No value, and nothing
    // consumed, when the field is not a number or the text has ended.
    std::optional<double> ciselnePole();

    // The characters the reads have looked at so far: the measure of their work.
    qsizetype prohlednuto() const { return prohlednuto_; }

private:
    // After a field: the blanks, then one comma or one line end.
    void zaPolem();
    bool jeKonecRadku(qsizetype i) const;
    void preskocKonecRadku();

    QString text_;
    qsizetype pozice_ = 0;
    qsizetype prohlednuto_ = 0;
};

}  // namespace zorvet
