// The choice of a measured log's columns, when its header does not name them time_s, charge_C
// and furnace_C: the time, the charge temperature and, when it was logged, the furnace's,
// each picked from the header's names.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "files/mereni_csv.h"
#include "model/case/nastaveni.h"

class QComboBox;

namespace zorvet {

class FrmSloupceMereni : public QDialog {
    Q_OBJECT
public:
    // nazvy: the header's names; soubor: the file's name as the text names it.
    FrmSloupceMereni(const QStringList& nazvy, const QString& soubor, Jazyk jazyk, QWidget* parent = nullptr);

    // The columns chosen: at first the first two, without the furnace.
    SloupceMereni sloupce() const;

private:
    QComboBox* cboCas_ = nullptr;
    QComboBox* cboVsazka_ = nullptr;
    QComboBox* cboPec_ = nullptr;
};

}  // namespace zorvet
