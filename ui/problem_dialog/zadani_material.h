// The material tab of the problem dialog: the material list from the data folder's
// Material.lst (picking one fills the density, the heat capacity and the conductivity),
// saving a material, the property model (a constant specific heat, a built-in steel or a
// user's curve, which MaterialProperties.txt keeps by name, edited in
// ui/problem_dialog/krivka_vlastnosti.h), the emissivity with its help table, the reduction
// factor of the surface and the thermal conductivity.
//
// A material of the database that has a property curve of its own (a saved curve of its
// name, or a grade that a built-in curve describes) offers it beside the property model; the
// problem keeps the model chosen until the user takes it. A built-in curve brings its density;
// going back to a constant specific heat or a user's curve restores the material's own.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/properties/material.h"
#include "ui/common/dialogy.h"
#include "ui/problem_dialog/krivka_vlastnosti.h"
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
    ZadaniMaterialu(Formular& formular, int cislo, Dialogy& dialogy, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;

    // Reads the material database and the emissivity table of the data folder; a last record
    // that may have been cut short is told.
    void NactiMaterialy(const QString& slozka, Jazyk jazyk);

    // The conductivity the database holds for the material's name, 0 when none.
    float vodivost(const std::string& nazev) const;

    // Tells what is wrong with the curve of the problem, naming the row and the column of the
    // table, and puts the focus in that cell; false when nothing is.
    bool ukazChybuKrivky();

    // The curve of a material of the database: a saved curve of its name, else the built-in
    // curve of its grade (an austenitic stainless steel, a structural carbon steel); none
    // for another material.
    std::optional<VlastnostiMaterialu> krivkaMaterialu(const std::string& nazev) const;

signals:
    // The table of a user's curve came into sight or went.
    void tabulkaZmenena();

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;
    QWidget* vlastniVstup(const PopisPole& pole) override;
    void pridejRadek(QFormLayout* form, const Polozka& polozka) override;

private:
    void cboMaterialClick(int index);
    // The conductivity a material picked brings: the database's, unless the user chose another
    // (typed it, or a curve that gives λ(T)) and keeps it when asked; nothing: it stays.
    std::optional<float> lambdaMaterialu(const Material& m);
    void cmdUlozMaterialClick();
    void naplnSeznam();
    // Tells what a material of the database lacks, its field in focus; false then.
    bool materialUplny();

    void naplnVlastnosti();
    void cboVlastnostiClick(int index);
    void cmdKrivkaMaterialuClick();
    // The density the material has without a built-in curve, back in its field.
    void vratHustotu();

    Dialogy& dialogy_;
    QString slozka_;
    DatabazeMaterialu databaze_;

    QComboBox* cboMaterial = nullptr;
    QPushButton* cmdUlozMaterial = nullptr;
    // Fields of their rows that this tab changes as the property model stands.
    QLineEdit* txtGama = nullptr;
    QLineEdit* txtc = nullptr;
    QLabel* lblEps = nullptr;
    QLineEdit* txtLambda = nullptr;
    QLabel* lblLambdaPuvod = nullptr;  // where the conductivity comes from
    QTimer* tmrHelp = nullptr;

    QLabel* lblVlastnosti = nullptr;
    QComboBox* cboVlastnosti = nullptr;
    QPushButton* cmdKrivkaMaterialu = nullptr;  // the material's own curve, when it has one
    QLabel* lblcKrivky = nullptr;  // where the heat capacity comes from while a curve gives it
    EditorKrivky* fraKrivka = nullptr;
    QString hustotaMaterialu_;  // the density shown before a built-in curve brought its own
};

}  // namespace zorvet
