// Help: the user guide, wherever the program's documentation lies, and the About box.
#pragma once

#include <QDialog>
#include <QString>
#include <QStringList>

#include "model/case/nastaveni.h"

class QLabel;
class QPushButton;

namespace zorvet {

// The places the user guide is looked for, in this order, for a program in the folder
// slozkaProgramu: the documentation of an installation next to it (<prefix>/bin beside
// <prefix>/share/doc/zorvet), the documentation folder the build was configured to install
// into, and a docs folder or the guide itself beside the program (a copy of its own).
QStringList MistaPrirucky(const QString& slozkaProgramu);

// The first of those places that holds the guide; empty when none does.
QString NajdiPrirucku(const QString& slozkaProgramu);

// About: the program's name and description, its version, the licence and a Close button.
class FrmOProgramu : public QDialog {
    Q_OBJECT
public:
    explicit FrmOProgramu(Jazyk jazyk, QWidget* parent = nullptr);

private:
    QLabel* lblNazev_ = nullptr;
    QLabel* lblVerze_ = nullptr;
    QLabel* lblLicence_ = nullptr;
    QPushButton* cmdZavrit_ = nullptr;
};

}  // namespace zorvet
