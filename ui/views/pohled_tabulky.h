// The table view of the main window: the grid of the result (`grdTabulka`) and beside it the
// power and consumption frame (`fraVykon`) with the losses percentage (`cboZtraty`) and, for a
// furnace of a known installed power, that power (`lblInstalovanyH`). It
// covers the window's client area; its controls keep their design places, in twips.
#pragma once

#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>

#include "model/case/vysledek.h"
#include "ui/common/dialogy.h"
#include "model/case/nastaveni.h"

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QTableView;

namespace zorvet {

class TabulkaBilance;
class TabulkaVysledku;

class PohledTabulky : public QWidget {
    Q_OBJECT
public:
    PohledTabulky(Dialogy& dialogy, QWidget* parent);

    // The frame's captions.
    void NastavPopisy(Jazyk jazyk);

    // The items "0" to "100", the text "0".
    void naplnZtraty();

    // Fills the grid from the result for a window of the given outer size in twips, and shows
    // the view with the power figures for the losses ztraty (none: the result's) and, below
    // them, the core of a thick charge when it was computed.
    void zobraz(std::shared_ptr<const Vysledek> vysledek, Jazyk jazyk, QSize vnejsiTwipy,
                std::optional<std::int16_t> ztraty = std::nullopt);

    // Shows the power required and the energy taken up for z % of losses; the labels are
    // empty when there is nothing to show.
    void VykonASpotreba(std::int16_t z);

    // The grid's selection on the clipboard as tab-separated text, as spreadsheets paste it:
    // the header line first, then the selected rows, each with its time; the numbers as the
    // table shows them.
    void KopirujVyber();
    // The whole table as a CSV file chosen in the save dialog, in the form of the batch
    // "table" command.
    void UlozTabulkuCsv();

    QTableView* grid() const { return grdTabulka_; }
    QComboBox* ztraty() const { return cboZtraty_; }
    // The frame of the power figures and, below it, the core's lines: the buttons of the window
    // keep clear of it.
    QRect obsazeno() const;

    // The losses shown, when they are a whole percentage in range.
    std::optional<std::int16_t> platneZtraty() const { return platneZtraty_; }

signals:
    // The grid and the frame took new places in a window of another size.
    void rozvrzeno();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    // The grid's columns and rows and the frame's place for a window of that outer size.
    void rozvrhni(QSize vnejsiTwipy);
    void zmenaZtrat();
    int sirkaSloupce(int sloupec) const;

    Dialogy& dialogy_;
    std::shared_ptr<const Vysledek> vysledek_;
    Jazyk jazyk_ = Jazyk::Anglicky;
    QGroupBox* fraVykon_ = nullptr;
    QComboBox* cboZtraty_ = nullptr;
    QLabel* lblSpotrebaH_ = nullptr;
    QLabel* lblPrikonH_ = nullptr;
    QLabel* lblSpotreba_ = nullptr;
    QLabel* lblPrikon_ = nullptr;
    QLabel* lblZtraty_ = nullptr;
    QLabel* lblInstalovany_ = nullptr;   // the installed power of the furnace, when it has one
    QLabel* lblInstalovanyH_ = nullptr;
    QLabel* lblChybaZtrat_ = nullptr;  // why the losses typed give no figures
    TabulkaBilance* bilance_ = nullptr;  // a furnace's balance, in place of the losses' figures
    std::optional<std::int16_t> platneZtraty_;
    QLabel* lblJadro_ = nullptr;     // the core time and the Biot number of a thick charge
    QLabel* lblVarovani_ = nullptr;  // the warning when the core lags
    QTableView* grdTabulka_ = nullptr;
    TabulkaVysledku* tabulka_ = nullptr;
    QAction* mnuKopirovat_ = nullptr;
    QAction* mnuUlozitCsv_ = nullptr;
};

}  // namespace zorvet
