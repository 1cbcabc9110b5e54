// The main window: the menu bar through which every command is reached, and the two result
// views (the table with the power frame, and the chart). No smaller than its design size, and
// as large as the user makes it; its client area stays empty until a view is shown.
//
// It owns the session (ui/main_window/sezeni.h): the problem being edited, the case accepted
// for computing, the result shown and what has not been saved. A run that fails leaves the
// shown result as it was.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>
#include <memory>
#include <optional>

#include "model/case/nastaveni.h"
#include "files/jazyk.h"
#include "files/soubor.h"
#include "model/case/vysledek.h"
#include "ui/common/dialogy.h"
#include "ui/common/relace.h"
#include "ui/main_window/sezeni.h"

class QAction;
class QMenu;
class QPushButton;
class QShortcut;

namespace zorvet {

class PohledGrafu;
class PohledTabulky;
struct NavrzenaHodnota;

class FrmZorvet : public QMainWindow {
    Q_OBJECT
public:
    FrmZorvet(Nastaveni& nastaveni, Dialogy& dialogy, QWidget* parent = nullptr);
    ~FrmZorvet() override;

    // Start-up, in this order: the working directory becomes the data folder, the window is
    // centred, the stored language is read, the splash is shown modally (when sUvitanim),
    // the captions are set and the losses list is filled. The caller shows the window.
    void Nacti(bool sUvitanim = true);

    // Window caption, menu captions, power frame captions and language check marks.
    void NastavPopisy();

    // The five top-level menus vanish with the menu bar, and so do their shortcuts.
    void SkryjMenu();
    void ZobrazMenu();

    // The commands of the menus, one each. A command whose item is disabled, or whose menu
    // is hidden, does nothing.
    void Otevri();
    void Uloz();
    void Konec();
    void Zadani();
    void Vypocti();
    void ZobrazTabulku();
    void ZobrazGraf();
    void ZmenJazyk(Jazyk jazyk);
    void UlozNastaveni();
    // About: the version and the licence, until Close. User Guide: the guide installed with
    // the program, or beside it, in the desktop's browser; where it was looked for when none.
    void OProgramu();
    void Licence();
    void Prirucka();
    // Planning a load: Sweep (File), Goal Seek (Problem), the results compared on the chart
    // and a measured log laid over it (Results).
    void Rozmitani();
    void HledaniCile();
    void PorovnejS();
    void ZrusPorovnani();
    void ImportujMereni();
    // Closes the view shown (cmdOK, Esc, Enter on cmdOK).
    void ZavriPohled();

    // A problem or results file named when the program was started (a double-click in a file
    // manager): a results file is opened as File, Open does it; a problem file goes into the
    // problem dialog, which is shown.
    void OtevriSoubor(const QString& cesta);
    // File, a recent file (1 to 6, the newest first): opened as OtevriSoubor opens it, after
    // asking for unsaved work; one no longer there is taken off the list, with a word.
    void OtevriNedavny(int index);

    // The base caption: the program's title and a blank.
    const QString& Titulek() const { return titulek_; }
    const Uloha& uloha() const { return sezeni_.formular().uloha(); }
    Formular& formular() { return sezeni_.formular(); }
    const Vysledek* vysledek() const { return sezeni_.vysledek().get(); }
    const std::optional<Uloha>& prijata() const { return sezeni_.prijata(); }
    Relace& relace() { return relace_; }

protected:
    // Closing asks first when a computed result or an accepted problem was never saved.
    void closeEvent(QCloseEvent* udalost) override;

private:
    void vytvorMenu();
    QAction* polozka(QMenu* menu, const char* pole, int index, void (FrmZorvet::*prikaz)());
    // Which commands are enabled follows from the session, here only.
    void obnovPrikazy();
    bool menuAktivni(const QAction* polozka) const;
    // The smallest size (the design client area) and the size the window opens at.
    void nastavVelikost();
    QSize vnejsiTwipy() const;
    void ukazTlacitkoOK();
    void umistiOKTabulky();
    void obnovTitulek();
    // Unsaved work: asks Save / Discard / Cancel; true when the work may go.
    bool smiZahodit();
    bool ulozVysledky();
    bool ulozUlohu();
    // A results file read: its problem into the form, its result shown.
    void otevreno(const QString& cesta, const QString& komentar, ObsahSouboru& obsah);
    // A value found for the problem (by a goal seek, by a fit) goes into the accepted problem
    // and into the form's field, as the problem dialog's OK would take it; the user is told
    // that computing it is next.
    void pouzij(const NavrzenaHodnota& hodnota);
    // A new result shown: what was laid over the chart of the one before goes, unless the user
    // keeps it.
    void prevezmiPridane();
    // The list of recent files: a file read or written goes first; the menu shows the list.
    void pamatuj(const QString& cesta);
    void obnovNedavne();

    Nastaveni& nastaveni_;
    Dialogy& dialogy_;
    Relace relace_;
    QString titulek_;

    Sezeni sezeni_;

    QMenu* mnuFile_ = nullptr;
    QMenu* mnuUloha_ = nullptr;
    QMenu* mnuVysledky_ = nullptr;
    QMenu* mnuNastaveni_ = nullptr;
    QMenu* mnuNapoveda_ = nullptr;
    QMenu* mnuJazyk_ = nullptr;
    std::array<QAction*, 4> mnuFileItem_{};
    std::array<QAction*, 2> mnuUlohaItem_{};
    std::array<QAction*, 2> mnuVysledkyItem_{};
    std::array<QAction*, 2> mnuNastaveniItem_{};
    std::array<QAction*, 2> mnuJazykItem_{};
    QAction* mnuNapovedaItem1_ = nullptr;
    QAction* mnuPrirucka_ = nullptr;
    QAction* mnuLicence_ = nullptr;
    QAction* mnuRozmitani_ = nullptr;
    QAction* mnuNedavneOddelovac_ = nullptr;
    std::array<QAction*, kNejviceNedavnych> mnuNedavny_{};
    QAction* mnuCil_ = nullptr;
    QAction* mnuPorovnat_ = nullptr;
    QAction* mnuZrusPorovnani_ = nullptr;
    QAction* mnuMereni_ = nullptr;
    bool menuZobrazeno_ = true;

    PohledTabulky* tabulka_ = nullptr;
    PohledGrafu* graf_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QShortcut* zrusit_ = nullptr;  // Esc while a view is shown
};

}  // namespace zorvet
