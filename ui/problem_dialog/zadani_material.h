// The material tab of the problem dialog: the material list from the data folder's
// Material.lst (picking one fills the density, the heat capacity and the conductivity),
// saving a material, the property model (a constant specific heat, a built-in steel or a
// user's curve, which MaterialProperties.txt keeps by name), the emissivity with its help
// table, the reduction factor of the surface and the thermal conductivity.
//
// A user's curve is a table of points, typed or pasted from a spreadsheet (tab-, semicolon- or
// comma-separated lines), drawn beside it as c(T) and λ(T), and saved under its name.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/material.h"
#include "ui/common/dialogy.h"
#include "ui/problem_dialog/zalozka.h"

class QChartView;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTimer;

namespace zorvet {

class ZadaniMaterialu : public Zalozka {
    Q_OBJECT
public:
    ZadaniMaterialu(Formular& formular, Dialogy& dialogy, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    void vybrana() override;

    // Reads the material database and the emissivity table of the data folder; a last record
    // that may have been cut short is told.
    void NactiMaterialy(const QString& slozka, Jazyk jazyk);

    // The conductivity the database holds for the material's name, 0 when none.
    float vodivost(const std::string& nazev) const;

    // Tells what is wrong with the curve of the problem, naming the row and the column of the
    // table, and puts the focus in that cell; false when nothing is.
    bool ukazChybuKrivky();

signals:
    // The table of a user's curve came into sight or went.
    void tabulkaZmenena();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void cboMaterialClick(int index);
    void cmdUlozMaterialClick();
    void naplnSeznam();
    QWidget* pole(Velicina v) const;

    void naplnVlastnosti();
    void cboVlastnostiClick(int index);
    void cmdUlozKrivkuClick();
    // The table and the name into the form, as the user left them.
    void tabulkaUpravena();
    void vlozZeSchranky();
    void smazBunky();
    void ukazKrivku(const VlastnostiMaterialu& krivka);
    VlastnostiMaterialu krivkaTabulky();
    void nakresliKrivku(const VlastnostiMaterialu& krivka);
    QString bunka(int radek, int sloupec) const;

    Dialogy& dialogy_;
    QString slozka_;
    Jazyk jazyk_ = Jazyk::Anglicky;
    DatabazeMaterialu databaze_;

    QLabel* lblDruh = nullptr;
    QComboBox* cboMaterial = nullptr;
    QPushButton* cmdUlozMaterial = nullptr;
    QLabel* lblGama = nullptr;
    QLineEdit* txtGama = nullptr;
    QLabel* lblc = nullptr;
    QLineEdit* txtc = nullptr;
    QLabel* lblEps = nullptr;
    QLineEdit* txtEps = nullptr;
    QLabel* lblKoefK = nullptr;
    QLineEdit* txtKoefK = nullptr;
    QLabel* lblLambda = nullptr;
    QLineEdit* txtLambda = nullptr;
    QTimer* tmrHelp = nullptr;

    QLabel* lblVlastnosti = nullptr;
    QComboBox* cboVlastnosti = nullptr;
    QLabel* lblcKrivky = nullptr;  // where the heat capacity comes from while a curve gives it
    QGroupBox* fraKrivka = nullptr;
    QLabel* lblNazevKrivky = nullptr;
    QLineEdit* txtNazevKrivky = nullptr;
    QPushButton* cmdUlozKrivku = nullptr;
    QTableWidget* tblKrivka = nullptr;
    QChartView* grfKrivka = nullptr;
    std::vector<int> radkyBodu_;                    // the table's row of each point of the curve
    std::optional<VlastnostiMaterialu> zTabulky_;  // the curve the table shows
    std::optional<VlastnostiMaterialu> nakreslena_;  // the curve the plot shows
};

}  // namespace zorvet
