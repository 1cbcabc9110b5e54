// The material tab of the problem dialog: the material list from the data folder's
// Material.lst (picking one fills the density and the heat capacity), saving a material,
// the emissivity with its help table, and the reduction factor of the surface.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "model/material.h"
#include "model/uloha.h"
#include "ui/common/dialogy.h"
#include "ui/problem_dialog/pole.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;

namespace zorvet {

class ZadaniMaterialu : public QWidget {
    Q_OBJECT
public:
    ZadaniMaterialu(Dialogy& dialogy, QWidget* parent = nullptr);

    void NastavPopisy(std::int16_t jazyk);
    // Reads the material database and the emissivity table of the data folder.
    void NactiMaterialy(const QString& slozka, std::int16_t jazyk);

    // The record into the fields (a reduction factor of 0 becomes 1 in u; no conductivity is
    // an empty field).
    void zobraz(Uloha& u);

    // The conductivity the database holds for the material's name, 0 when none.
    float vodivost(const std::string& nazev) const;

    // The fields into the problem, each on its own: a field whose text is no number keeps
    // the problem's value, an empty density is none (0) when the mass is typed, and with
    // prazdnaNula every empty field is 0, as a saved file states it. The first
    // field to correct, when checking for acceptance: a needed value missing, a text that
    // is no number.
    std::optional<ChybaPole> prevezmi(Uloha& u, bool zRozmeru, bool prazdnaNula = false) const;

    // The density field as read now (the mass from the dimensions uses it).
    CteniPole hustota() const;

    // The focus into the material list, as selecting the tab gives it.
    void zamerSeznam();

    QLineEdit* pole(Velicina v) const;
    const QLabel* popisek(Velicina v) const;

signals:
    // The density field was left after a change.
    void hustotaZmenena();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void cboMaterialClick(int index);
    void cmdUlozMaterialClick();
    void naplnSeznam();

    Dialogy& dialogy_;
    QString slozka_;
    std::int16_t jazyk_ = 0;
    DatabazeMaterialu databaze_;
    QString hustotaPriVstupu_;

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
