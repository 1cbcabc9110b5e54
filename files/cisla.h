// Text forms of numbers as the program writes them.
#pragma once

#include <QChar>
#include <QString>
#include <cstdint>

namespace zorvet {

// The report form of a single, as a person reads it: a minus sign, or a blank when the value
// is not negative; at most 7 significant digits; no digit grouping, no leading zero before
// the separator (one half is ".5"); exponent form ("1.234568E+07", "1E-05") where fixed
// notation would need more digits. No trailing blank.
QString TextZpravy(float x, QChar oddelovac);

// The form of a number in the data files: the report form with the user's decimal
// separator (QLocale()), followed by one blank. A single that 7 digits would not read back
// exactly keeps the 8th and 9th digit, so that a saved file reopens with the same values; an
// infinity is written as 1E+39, which reads back as one.
QString CisloSouboru(float x);
QString CisloSouboru(std::int16_t n);

// The plain form of a single in the user's locale: no leading blank, leading zero kept,
// at most 7 significant digits, no grouping.
QString TextObecny(float x);

// The user's decimal separator.
QChar OddelovacLokalu();

}  // namespace zorvet
