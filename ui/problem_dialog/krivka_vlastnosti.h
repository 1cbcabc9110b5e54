// The editor of a user's property curve on the material tab: its name, a table of points,
// typed or pasted from a spreadsheet (tab-, semicolon- or comma-separated lines), drawn beside
// it as c(T) and λ(T), and saved under its name in MaterialProperties.txt.
#pragma once

#include <QGroupBox>
#include <QString>
#include <optional>
#include <vector>

#include "model/properties/material.h"
#include "model/properties/vlastnosti.h"
#include "ui/common/dialogy.h"

class QChartView;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;

namespace zorvet {

class Formular;

class EditorKrivky : public QGroupBox {
    Q_OBJECT
public:
    EditorKrivky(Formular& formular, Dialogy& dialogy, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk);
    // The data folder the curves are saved in.
    void nastavSlozku(const QString& slozka) { slozka_ = slozka; }

    // The curve into the table and the plot, unless they show it already.
    void ukaz(const VlastnostiMaterialu& krivka);
    // The curve of the table as the user left it, which the table shows from now on.
    VlastnostiMaterialu zTabulky();

    // Tells what is wrong with the curve of the problem, naming the row and the column of the
    // table, and puts the focus in that cell; false when nothing is.
    bool ukazChybu();

signals:
    // A curve was saved: the list of saved curves is to be read again.
    void krivkaUlozena();

private:
    void cmdUlozKrivkuClick();
    void tabulkaUpravena();
    void vlozZeSchranky();
    void smazBunky();
    void ukazKrivku(const VlastnostiMaterialu& krivka);
    VlastnostiMaterialu krivkaTabulky();
    void nakresliKrivku(const VlastnostiMaterialu& krivka);
    QString bunka(int radek, int sloupec) const;

    Formular& formular_;
    Dialogy& dialogy_;
    QString slozka_;
    Jazyk jazyk_ = Jazyk::Anglicky;

    QLabel* lblNazevKrivky = nullptr;
    QLineEdit* txtNazevKrivky = nullptr;
    QPushButton* cmdUlozKrivku = nullptr;
    QTableWidget* tblKrivka = nullptr;
    QChartView* grfKrivka = nullptr;
    std::vector<int> radkyBodu_;                     // the table's row of each point of the curve
    std::optional<VlastnostiMaterialu> zTabulky_;    // the curve the table shows
    std::optional<VlastnostiMaterialu> nakreslena_;  // the curve the plot shows
};

// Equal curves, a value that is no number (NaN) equal to another.
bool StejneKrivky(const VlastnostiMaterialu& a, const VlastnostiMaterialu& b);

// The curve gives the conductivity: a built-in one, or a user's with λ in its points.
bool MaLambdu(const VlastnostiMaterialu& v);

}  // namespace zorvet
