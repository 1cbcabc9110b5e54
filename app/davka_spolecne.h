// What the commands of the batch command line share: the options (those of the field table
// among them), the messages on standard error, reading a problem with the options applied,
// computing it through the pipeline, and writing the outputs all or none. Private to app/.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QString>
#include <QTranslator>
#include <array>
#include <cstdio>
#include <memory>
#include <optional>
#include <utility>
#include <vector>

#include "app/davka.h"
#include "files/chyba.h"
#include "model/case/pole.h"
#include "model/furnace/pec.h"
#include "model/pipeline/vypocet.h"

namespace zorvet::davka {

void Vypis(std::FILE* kam, const QString& text);
// One message on standard error: the program's name, the title and the text on one line.
void Hlas(const QString& titulek, const QString& text);
// A failure told, and the exit status it gives.
int Ohlas(const Chyba& chyba);
int Status(DruhChyby druh);

// A number on the command line, with the point or the comma.
std::optional<double> CisloArgumentu(QString text);

// The options, their sentences and the names of their values in the language of the help
// (app/davka_pomoc.cpp).
struct Volby {
    explicit Volby(Jazyk jazyk);
    QCommandLineOption vysledky, csv, jazyk, komentar, vystup, vlastnosti, cas, hledej, menit, mereni, sloupce,
        grafMereni, velikost, termoclanek;
    // The furnace as a thermal system (app/davka_pec.cpp).
    QCommandLineOption komora, vyzdivka, strop, nistej, refraktory, plochaSten, dvere, start;
    // One option for every field of the table that has one.
    std::vector<std::pair<const PopisPole*, QCommandLineOption>> pole;
    QList<QCommandLineOption> vsechny() const;
    QStringList pece() const;  // the names of the furnace's options, which every command that computes takes
};

// The help's text above the options: what the program does, its commands, its exit status.
QString PopisPomoci(Jazyk jazyk);
// Qt's parser speaks the language too while the translator lives (none for English).
std::unique_ptr<QTranslator> PrelozParser(Jazyk jazyk);

// One command as it runs.
struct Kontext {
    const QCommandLineParser& parser;
    const Volby& v;
    Jazyk jazyk;
    QString soubor;              // the file the command names
    const GrafDavky* kreslic;    // nullptr without the widgets
};

// What the furnace's options change: its chamber, linings (walls, roof, hearth), wall area, door
// (width, height and the seconds it stands open) and start. A furnace the file does not describe
// needs the chamber and the wall lining.
struct UpravaPece {
    std::optional<std::array<float, 3>> komora;
    std::array<std::optional<Vyzdivka>, 3> vyzdivky;
    std::optional<PlochaSten> plocha;
    std::optional<std::array<float, 3>> dvere;
    std::optional<Pec> start;  // its Start and Cyklu
    bool prazdna() const;
    void pouzij(Uloha& u) const;
};
// The furnace's options; false after the message of one that is wrong.
bool UpravaPeceArgumentu(const Kontext& k, UpravaPece& pec);

// What the options change in the case of a file before it is computed: the values of fields,
// the property model and the furnace.
struct Uprava {
    std::vector<std::pair<const PopisPole*, double>> hodnoty;
    std::optional<VlastnostiMaterialu> vlastnosti;
    UpravaPece pec;
    bool prazdna() const { return hodnoty.empty() && !vlastnosti && pec.prazdna(); }
    void pouzij(Uloha& u) const;
};
// The options that change the case, each checked as its field checks a value typed; no value
// after the message of one that is wrong.
std::optional<Uprava> UpravaArgumentu(const Kontext& k);

// A problem file read, with the options applied.
struct NactenaUloha {
    Uloha uloha;
    QString otisk;     // the problem as the file holds it
    QString komentar;  // the file's last comment
};
// Reads the problem of the command's file (or of a results file). kUspech, or the exit status
// after the message.
int NactiUlohu(const Kontext& k, const Uprava& uprava, NactenaUloha& n);
// The same with the command's own options applied to it.
int NactiUlohu(const Kontext& k, NactenaUloha& n);

// Computes a case through the pipeline. kUspech and the result, or the exit status after the
// message (a refused case names its file). The result names the file when the case computed
// is what the file holds. With moznosti the runs of a plan.
int Vypocti(const Kontext& k, const Uloha& u, const NactenaUloha& n, std::shared_ptr<Vysledek>& vysledek);

// The result of a file: a results file as it was computed, anything else a problem computed;
// and the losses its power is shown for: the case's, or for a results file without an installed
// power those of --losses, which change nothing else.
int VysledekSouboru(const Kontext& k, std::shared_ptr<const Vysledek>& vysledek, std::int16_t& ztraty);

// Refuses an output that names the input file or another output; kUspech or the status.
int ZkontrolujVystupy(const Kontext& k, const QList<QString>& vystupy);

// The files compute and goal write, then what they print, after the line prvni when given.
int Dokonci(const Kontext& k, const std::shared_ptr<Vysledek>& vysledek, const QString& prvni = QString());

// Goal seek, sweep and fit (app/davka_planovani.cpp).
int PrikazCil(const Kontext& k);
int PrikazRozmitani(const Kontext& k);
int PrikazPrizpusobeni(const Kontext& k);

// Ctrl-C asked the command to stop (set only while a long command watches for it).
void SledujPreruseni();
bool Preruseno();

}  // namespace zorvet::davka
