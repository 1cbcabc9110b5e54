// Help: the user guide, wherever the program's documentation lies, shown inside the program,
// and the version and licence.
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

// The first of those places that holds the guide; empty when none does. In Czech the Czech
// guide (user-guide.cs.md beside the English one) where there is one, else the English.
QString NajdiPrirucku(const QString& slozkaProgramu, Jazyk jazyk = Jazyk::Anglicky);

// The user guide inside the program: the Markdown of the file at cesta (its pictures beside
// it), in a window of its own that stays beside the main window.
class FrmPrirucka : public QDialog {
    Q_OBJECT
public:
    FrmPrirucka(const QString& cesta, const QString& text, Jazyk jazyk, QWidget* parent = nullptr);
};

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
