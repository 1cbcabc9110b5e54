// What the writer and the reader of problem and results files share: the layout of a value line
// and of the print zones, the labels they find, the lines of the problem section in file order,
// and the headings of the extended setting. Private to files/soubor_*.cpp.
#pragma once

#include <QString>
#include <QStringList>
#include <initializer_list>
#include <string>
#include <vector>

#include "files/retezce.h"
#include "model/case/nastaveni.h"
#include "model/case/pole.h"

namespace zorvet::soubor {

inline const QString kKonecRadku = QStringLiteral("\r\n");
inline const QString kPravitko = QString(23, QLatin1Char('-'));

// Columns of a value line: label 1, unit 31, colon 39, number 42, text 43.
inline constexpr int kSirkaPopisku = 30;
inline constexpr int kSirkaJednotky = 8;
// Print zones of the table rows.
inline constexpr int kZona = 14;

// The lines of the problem section after line 1, in the order of the file: the rows of the
// field table that a file holds.
std::vector<const PopisPole*> RadkySouboru();
// The rows of the field table that the extended setting holds, in the order it writes them.
std::vector<const PopisPole*> RadkyRozsireni();

// The one-letter codes of the file, and a code read into the problem (false for a text that is
// none of the codes).
QString Kod(const Uloha& u, Velicina v);
bool NastavKod(Uloha& u, Velicina v, const QString& text);

// The unit of a field's line.
QString JednotkaRadku(const PopisPole& p, Jazyk j);
// Line breaks would split one value over two lines of the file.
QString NaJedenRadek(QString text);

// Collects the text of a file, line by line with CR LF.
class Zapisovac {
public:
    explicit Zapisovac(Jazyk jazyk) : j_(jazyk) {}

    void radek(const QString& text = QString());
    // A number starts with its sign or blank in column 42, a text in column 43.
    void hodnota(int popisek, const QString& jednotka, const QString& hodnota, bool text);
    // Items in print zones of 14 columns: the second starts in column 15 (or the next zone when
    // the first is longer), and so on.
    void zony(std::initializer_list<QString> polozky);
    void zony(const QStringList& polozky);
    void rezervuj(qsizetype znaku) { out_.reserve(znaku); }
    const QString& text() const { return out_; }
    Jazyk jazyk() const { return j_; }

private:
    Jazyk j_;
    QString out_;
};

// The headings of the extended setting's tables, as a writer of the language lays them out.
QString HlavickaBodu(Jazyk j);      // the points of a property curve
QString HlavickaOmezenych(Jazyk j); // the steps the installed power limited
QString HlavickaJadra(Jazyk j);     // the rows of the core of a thick charge
QString HlavickaVrstev(Jazyk j);    // the layers of a furnace's lining
QString HlavickaBilance(Jazyk j);   // the furnace's balance of the heat-up and of the cycle
QString HlavickaPrubehuPece(Jazyk j);  // the furnace's steps: its temperature and power

// What the documented reader looks for in the lines it passes over; no name may spell it.
QStringList HledanaSlova();
// The name of a property curve as a value of the section, and back (files/soubor_zapis.cpp).
QString ZakryjNazev(const std::string& nazev);
std::string OdkryjNazev(const QString& text);

// Lines as the reader finds them.
bool JePravitko(const QString& radek);
bool ObsahujeText(const QString& radek, int id);
bool ZacinaTextem(const QString& radek, int id);
// The line of the results section's heading, "Heating Period [s] : 470", in either language: its
// label, blanks, the unit (not "Core Heat-up Time", whose Czech label starts with the same words).
bool JeRadekDobyOhrevu(const QString& radek);
// Line 1 as every writer lays it out: the label in column 1 and the colon in column 39.
bool JeRadek1(const QString& radek);
// The label (or heading) of a line of the section, in either language: the text from column 1,
// then a blank or the end.
bool JePopisek(const QString& radek, int id);
// The lines of a text with CR LF, LF or CR line ends; a last line without its end counts.
QStringList RadkyTextu(const QString& text);

}  // namespace zorvet::soubor
