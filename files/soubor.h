// Problem configuration files (*.cfg) and results files (*.odp): a configuration file
// followed by a results section. One writer and one reader serve both.
//
// The files are reports: one labelled line per input with the value from column 42, the
// labels in the language of the writer, the numbers with the writer's decimal separator.
// They are written in Windows-1250 with CR LF line ends; the reader takes either language,
// either separator, Windows-1250 or UTF-8 and CR LF or LF.
#pragma once

#include <QString>

#include "files/dialogy.h"
#include "model/stav.h"

namespace zorvet {

namespace retezec {
inline constexpr int kNeuplneZadani = 160;  // "The file ends before the problem setting is complete."
inline constexpr int kBezVysledku = 161;    // "The file holds no results."
}  // namespace retezec

// Writes the problem (and, with sVysledky, its result) of stav to cesta, after asking the
// comment question through dialogy (Yes: the input box sets Komentar; No: no comment).
// Returns true when the whole file was written; on a failure the File Error message names
// the file, and false is returned with any old file left as it was. The caller updates the
// captions on success. A controlled problem (Rizeny) is written with its curve, points 0 to
// PocetKrivek, the last with the duration 0.
bool UlozSoubor(Stav& stav, Dialogy& dialogy, const QString& cesta, bool sVysledky);

// Reads a configuration (or, with sVysledky, a results) file into stav. A file that cannot
// be opened, holds no problem, ends inside the problem section or (with sVysledky) holds no
// result rows is reported with the File Error message; stav is then left unchanged and false
// is returned. On success the comment lines before the problem are shown through dialogy
// (the last becomes Komentar), fields whose lines the file lacks keep their values, an
// uncontrolled problem gets PocetKrivek 0, and a controlled results file has its curve
// expanded into TeplotaPece. The busy pointer is shown while reading. The caller refills the
// dialog (with NacitaniSouboru set meanwhile), updates the captions and enables the results
// menu.
bool NactiSoubor(Stav& stav, Dialogy& dialogy, const QString& cesta, bool sVysledky);

// The text UlozSoubor writes (before encoding), with the comment of stav.Komentar.
QString TextSouboruUlohy(const Stav& stav, bool sVysledky);

}  // namespace zorvet
