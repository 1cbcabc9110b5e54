// Problem configuration files (*.cfg) and results files (*.odp): a configuration file
// followed by a results section. One writer and one reader serve both.
//
// The files are reports: one labelled line per input with the value from column 42, the
// labels in the language of the writer, the numbers with the writer's decimal separator.
// They are written in Windows-1250 with CR LF line ends; the reader takes either language,
// either separator, Windows-1250 or UTF-8 and CR LF or LF.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <optional>

#include "files/chyba.h"
#include "model/case/nastaveni.h"
#include "model/case/vysledek.h"

namespace zorvet {

// What a file holds.
struct ObsahSouboru {
    Uloha uloha;
    // A results file's result as the file holds it: its problem, the file's name and last
    // comment, no reduction factor, the losses of an installed power. The pipeline finishes it
    // (DokonciNacteny, model/pipeline/vypocet.h) before it is shown.
    std::shared_ptr<Vysledek> vysledek;
    QStringList komentare;               // the comment lines before the problem, in order
    bool rozsirene = false;              // it has the extended setting
};

struct PrecteniSouboru {
    std::unique_ptr<ObsahSouboru> obsah;  // nothing when the file could not be read
    Chyba chyba;        // then the File Error message: the file and the reason
    bool jenUloha = false;  // asked for results, it holds a problem and no results section
};

// The most a problem or results file holds: a results file of 10001 rows with the core of a
// thick charge ten times as long is about 5 MB.
inline constexpr qint64 kNejvetsiSoubor = 64LL * 1024 * 1024;

// Reads a configuration file (or, with sVysledky, a results file). Fields whose lines the
// file lacks keep the values of vychozi (the geometry of a typed mass is never in a file). The
// inputs beyond the documented problem are what the file's extended setting says, their
// defaults where it has no line of theirs; a file without the section (as the documented
// format writes it) keeps the reduction factor of vychozi and has the defaults of the others
// (no conductivity). An uncontrolled problem gets PocetKrivek 0; in mode "V"
// CelkovaPlocha is recomputed; a results file has its curve expanded into TeplotaPece, with the
// furnace temperatures of the steps the installed power limited and the end of the limit
// (OmezenoDo) as the extended setting gives them, and the core of a thick charge. Every form a
// writer gives a value is read: blanks around it, the comma or the point, an empty value (0; an
// empty density keeps the one of vychozi). A file that cannot be opened, is no regular file or
// too large, holds no problem, ends inside the problem section, holds a line no writer writes (a
// number with a typo, a count with a fraction, an unknown code, a curve of more than 20
// segments, a results row without its numbers, a time that is not its row's, a temperature that
// is no number, a line after the problem that is none of the sections, a line of the extended
// setting that is none of its lines, an unsound property curve, a limited step of a time no row
// has) or (with sVysledky) holds no result rows gives no content and the reason, the line named.
PrecteniSouboru NactiSoubor(const QString& cesta, bool sVysledky, const Uloha& vychozi, Jazyk jazyk);

// The text of a file: the comment (when not empty) and an empty line, the problem, the curve
// of a controlled problem (points 0 to PocetKrivek, the last with the duration 0), the extended
// setting when the problem uses anything beyond the documented one or the result was limited
// by the installed power (docs/file-formats.md) and, when vysledek is given, its results
// section. The furnace temperatures of the result are written only where they differ from the
// ones the problem's furnace gives.
QString TextSouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, Jazyk jazyk);

// That text encoded as a file holds it (files/windows1250.h).
QByteArray BajtySouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, Jazyk jazyk);

// Writes that text to cesta, encoded; the old file is replaced only when the new one is
// complete. A comment a reader would take for the problem is refused. No value on success;
// otherwise the File Error message.
std::optional<Chyba> UlozSoubor(const QString& cesta, const Uloha& uloha, const Vysledek* vysledek,
                                const QString& komentar, Jazyk jazyk);

// The problem as a saved file states it, to tell whether it changed since it was saved
// (the comment and the language play no part).
QString OtiskUlohy(const Uloha& uloha);

// A result names the file of its problem, with that file's comment, when the case it was
// computed from is what the file holds (otisk: OtiskUlohy of the file's problem); else none. For
// the result of a run, before it is shared.
void PojmenujVysledek(Vysledek& vysledek, const Uloha& uloha, const QString& soubor, const QString& komentar,
                      const QString& otisk);

// Why a comment cannot go into a file: a reader would take it for the problem's first line
// (it holds its label, in either language). None for a comment that can.
std::optional<QString> ChybaKomentare(const QString& komentar, Jazyk jazyk);

}  // namespace zorvet
