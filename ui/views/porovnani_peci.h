// The furnaces compared (`frmPorovnaniPeci`): the chart view's Furnaces... shows, side by side, the
// cycle and the day of each result compared that carries a furnace, in a table (`grdPorovnaniPeci`)
// of a row for each figure and a column for each result, the one shown first; OK
// (`cmdPorovnaniPeciOK`) closes it.
#pragma once

#include <QDialog>

#include "files/porovnani_peci.h"
#include "model/case/nastaveni.h"

namespace zorvet {

class FrmPorovnaniPeci : public QDialog {
    Q_OBJECT
public:
    FrmPorovnaniPeci(const PorovnaniPeci& tabulka, Jazyk jazyk, QWidget* parent = nullptr);
};

}  // namespace zorvet
