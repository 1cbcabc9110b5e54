// The chart view of the main window: the heat-up chart (`FlpGrf1`) with its Print
// (`cmdStorno`) and Export (`cmdExport`) buttons. It covers the window's client area; the
// buttons keep their design places, in twips.
#pragma once

#include <QWidget>
#include <cstdint>

#include "model/vysledek.h"
#include "ui/common/dialogy.h"
#include "ui/views/zprava.h"

class QPushButton;

namespace zorvet {

class Graf;

class PohledGrafu : public QWidget {
    Q_OBJECT
public:
    PohledGrafu(Dialogy& dialogy, QWidget* parent);

    // Builds the chart of the result for a window of the given outer size in twips, and shows
    // the view; the report printed from it is that of zprava.
    void zobraz(const PodkladyZpravy& zprava, QSize vnejsiTwipy);

    // Prints the one-page report of the case, or the chart alone, as the user chooses, through
    // the print preview; with no printer installed, saves it as a PDF file instead.
    void TiskniGraf();
    // Saves the chart shown as a PNG, SVG or PDF picture chosen in the save dialog.
    void ExportujGraf();

    Graf* graf() const { return FlpGrf1_; }
    QPushButton* tisk() const { return cmdStorno_; }

private:
    Dialogy& dialogy_;
    PodkladyZpravy zprava_;
    Graf* FlpGrf1_ = nullptr;
    QWidget* picMaska_ = nullptr;
    QPushButton* cmdStorno_ = nullptr;
    QPushButton* cmdExport_ = nullptr;
};

}  // namespace zorvet
