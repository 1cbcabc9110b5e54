// The main window: the menu bar through which every command is reached, the results
// table with the power and consumption frame, and the heat-up chart. Fixed size; its
// client area stays empty until a result view is shown.
#pragma once

#include <QMainWindow>
#include <QString>
#include <array>
#include <cstdint>

#include "model/stav.h"
#include "ui/dialogy_okna.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QShortcut;
class QTableView;

namespace zorvet {

class Graf;
class TabulkaVysledku;

class FrmZorvet : public QMainWindow {
    Q_OBJECT
public:
    FrmZorvet(Stav& stav, DialogyOken& dialogy, QWidget* parent = nullptr);
    ~FrmZorvet() override;

    // Start-up, in this order: the working directory becomes the data folder, the
    // window is centred, the stored language is read, the splash is shown modally (when
    // sUvitanim), the captions are set and the losses list is filled. The caller shows
    // the window afterwards.
    void Nacti(bool sUvitanim = true);

    // Window caption, menu captions, power frame captions and language check marks.
    void NastavPopisy();

    // The five top-level menus vanish with the menu bar, and so do their shortcuts.
    void SkryjMenu();
    void ZobrazMenu();
    void NastavKurzorCekani();
    void NastavKurzorNormalni();

    // The result views; cmdOK (or Esc, or Enter on it) closes the one shown.
    void ZobrazTabulku();
    void ZobrazGraf();
    void TiskniGraf();
    // Saves the chart shown as a PNG, SVG or PDF picture, chosen in the save dialog.
    void ExportujGraf();
    void ZavriPohled();

    // The table view's selection on the clipboard as tab-separated text, as spreadsheets
    // paste it: the header line first, then the selected rows, each with its time; the
    // numbers as the table shows them.
    void KopirujVyber();
    // The whole table as a CSV file chosen in the save dialog, in the form of the batch
    // "table" command.
    void UlozTabulkuCsv();

    // Shows the power required and the energy taken up for z % of losses; the labels
    // are empty when there is nothing to show.
    void VykonASpotreba(std::int16_t z);

    // The problem dialog took a new problem: Computing on, Save and Results off, and the
    // caption back to Titulek.
    void PrevzataUloha();

    // Menu handlers, by the item's index in its menu.
    void mnuFileItemClick(int index);
    void mnuUlohaItemClick(int index);
    void mnuVysledkyItemClick(int index);
    void mnuNastaveniItemClick(int index);
    void mnuJazykItemClick(int index);
    void mnuNapovedaItemClick(int index);

    // The base caption: the program's title and a blank.
    const QString& Titulek() const { return titulek_; }

private:
    void vytvorMenu();
    void vytvorPlochu();
    QAction* polozka(QMenu* menu, const QString& pole, int index);
    void zmenaZtrat();
    void ukazTlacitkoOK();
    QSize vnejsiTwipy() const;
    bool pohledZobrazen() const;

    Stav& stav_;
    DialogyOken& dialogy_;
    QString titulek_;

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
    bool menuZobrazeno_ = true;

    QGroupBox* fraVykon_ = nullptr;
    QComboBox* cboZtraty_ = nullptr;
    QLabel* lblSpotrebaH_ = nullptr;
    QLabel* lblPrikonH_ = nullptr;
    QLabel* lblSpotreba_ = nullptr;
    QLabel* lblPrikon_ = nullptr;
    QLabel* lblZtraty_ = nullptr;
    QWidget* picMaska_ = nullptr;
    QPushButton* cmdStorno_ = nullptr;
    QPushButton* cmdOK_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QShortcut* zrusit_ = nullptr;  // Esc while a view is shown
    Graf* FlpGrf1_ = nullptr;
    QTableView* grdTabulka_ = nullptr;
    TabulkaVysledku* tabulka_ = nullptr;
    QAction* mnuKopirovat_ = nullptr;  // the table's context menu
    QAction* mnuUlozitCsv_ = nullptr;
};

}  // namespace zorvet
