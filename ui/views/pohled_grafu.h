// The chart view of the main window: the heat-up chart (`FlpGrf1`) with its Print
// (`cmdStorno`) and Export (`cmdExport`) buttons. It covers the window's client area and grows
// with it: the chart takes the room, the buttons keep their column at the right edge, at
// their design heights in twips. The chart is one to read (ui/common/graf.h). Over the result
// it draws the results opened for comparison and a measured log; with a log, Fit
// (`cmdPrizpusob`) finds the emissivity that computes it (`lblPrizpusobeni`) and Use It
// (`cmdPouzijEps`) offers that value to the problem. Furnaces... (`cmdPorovnaniPeci`) compares the
// furnaces of the results side by side.
#pragma once

#include <QList>
#include <QWidget>
#include <cstdint>
#include <memory>
#include <optional>
#include <vector>

#include "model/planning/planovani.h"
#include "model/case/vysledek.h"
#include "ui/common/dialogy.h"
#include "ui/common/navrh.h"
#include "files/porovnani_peci.h"
#include "ui/views/export_grafu.h"
#include "ui/views/graf_vysledku.h"
#include "ui/views/zprava.h"

class QLabel;
class QPushButton;

namespace zorvet {

class Graf;

class PohledGrafu : public QWidget {
    Q_OBJECT
public:
    PohledGrafu(Dialogy& dialogy, QWidget* parent);

    // Builds the chart of the result, with what was laid over it, and shows the view; the
    // report printed from it is that of zprava, with the comparisons. The view takes the
    // size of its parent; vnejsiTwipy is no longer needed for it.
    void zobraz(const PodkladyZpravy& zprava, QSize vnejsiTwipy);

    // Print: the chart on the default printer, with no dialog of its own. Report: the
    // one-page report of the case through the print preview. With no printer installed either
    // is saved as a PDF file instead, and the user is told why.
    void TiskniGraf();
    void TiskniZpravu();
    // Saves the chart shown (as far as it is zoomed) as a PNG, SVG or PDF picture chosen in
    // the save dialog.
    void ExportujGraf();

    // A result to compare with the one shown; false when the chart holds kNejvicVysledku already,
    // or holds the same file (which the user is told).
    bool pridejSrovnani(Srovnani srovnani);
    int pocetSrovnani() const { return static_cast<int>(srovnani_.size()); }
    // A measured log over the result, read from the file named soubor (without its folder), in
    // place of one before; the fit made for that goes.
    void nastavMereni(std::vector<BodMereni> mereni, const QString& soubor = QString());
    bool maMereni() const { return !mereni_.empty(); }
    // The comparisons and the log go.
    void zrusPridane();

    // Fit: the emissivity with which the problem of the result shown computes the log best,
    // shown with the deviation that remains, and the run it gives drawn dashed.
    void Prizpusob();
    // Use It: the emissivity fitted, as it was shown, goes to emisivitaPouzita.
    void PouzijEmisivitu();
    // Furnaces... (`cmdPorovnaniPeci`, shown while the result and one compared carry a furnace):
    // their cycles and days side by side (ui/views/porovnani_peci.h).
    void UkazPece();
    std::optional<PorovnaniPeci> porovnaniPeci() const;

    // The left edge of the buttons' column.
    int sloupecTlacitek() const;

    Graf* graf() const { return FlpGrf1_; }
    QPushButton* tisk() const { return cmdStorno_; }

signals:
    void emisivitaPouzita(const NavrzenaHodnota& hodnota);
    // The view was laid out anew (the buttons' column may have moved).
    void rozvrzeno();

protected:
    void resizeEvent(QResizeEvent* udalost) override;
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    ObsahGrafu obsah() const;
    // The chart as shown, for a picture: its content and its zoom.
    NaplneniGrafu naplneni() const;
    void prekresli();
    void rozvrhni();
    void tiskni(bool zprava);

    Dialogy& dialogy_;
    PodkladyZpravy zprava_;
    QList<Srovnani> srovnani_;
    std::vector<BodMereni> mereni_;
    QString souborMereni_;
    std::shared_ptr<const Vysledek> prolozeni_;  // the fitted run
    std::shared_ptr<const Vysledek> prolozenoK_;  // the result whose problem was fitted
    std::optional<NavrzenaHodnota> emisivita_;

    Graf* FlpGrf1_ = nullptr;
    QWidget* picMaska_ = nullptr;
    QPushButton* cmdStorno_ = nullptr;
    QPushButton* cmdTiskZpravy_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
    QPushButton* cmdPrizpusob_ = nullptr;
    QPushButton* cmdPouzijEps_ = nullptr;
    QPushButton* cmdPorovnaniPeci_ = nullptr;
    QLabel* lblPrizpusobeni_ = nullptr;
};

}  // namespace zorvet
