// The problem dialog: six tabs for the furnace regime, temperatures, material, mass,
// surfaces and the iteration step.
#pragma once

#include <QDialog>

#include "files/dialogy.h"
#include "model/stav.h"

namespace zorvet {

class FrmZadani : public QDialog {
    Q_OBJECT
public:
    FrmZadani(Stav& stav, Dialogy& dialogy, QWidget* parent = nullptr);

signals:
    // The dialog took a new problem (its OK, or its Cancel in the cases where that takes
    // one): the main window enables Computing, disables Save and Results and puts its
    // caption back to Titulek.
    void ulohaPrevzata();

private:
    Stav& stav_;
    Dialogy& dialogy_;
};

}  // namespace zorvet
