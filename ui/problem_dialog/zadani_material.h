// The material tab of the problem dialog: the material list from the data folder's
// Material.lst (picking one fills the density, the heat capacity and the conductivity),
// saving a material, the emissivity with its help table, the reduction factor of the surface
// and the thermal conductivity.
#pragma once

#include <QString>

#include "model/material.h"
#include "ui/common/dialogy.h"
#include "ui/problem_dialog/zalozka.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zorvet {

class ZadaniMaterialu : public Zalozka {
    Q_OBJECT
public:
    ZadaniMaterialu(Formular& formular, Dialogy& dialogy, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void vybrana() override;

    // Reads the material database and the emissivity table of the data folder; a last record
    // that may have been cut short is told.
    void NactiMaterialy(const QString& slozka, Jazyk jazyk);

    // The conductivity the database holds for the material's name, 0 when none.
    float vodivost(const std::string& nazev) const;

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void cboMaterialClick(int index);
    void cmdUlozMaterialClick();
    void naplnSeznam();
    QWidget* pole(Velicina v) const;

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
};

}  // namespace zorvet
