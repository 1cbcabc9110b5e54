// The problem dialog: six tabs for the furnace regime, temperatures, material, mass,
// surfaces and the iteration step. It edits a copy of the problem and hands it back: OK
// accepts it when every field holds a usable value and the problem can be computed; Cancel
// keeps what the tabs stored while the dialog was open, and takes an unaccepted problem
// silently when it is complete.
#pragma once

#include <QDialog>
#include <optional>

#include "model/nastaveni.h"
#include "model/uloha.h"
#include "ui/common/dialogy.h"
#include "ui/problem_dialog/pole.h"
#include "ui/common/relace.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTabWidget;

namespace zorvet {

class ZadaniGeometrie;
class ZadaniKrivky;
class ZadaniMaterialu;

class FrmZadani : public QDialog {
    Q_OBJECT
public:
    // zadaniUplne: a problem has been accepted before (Cancel then reads nothing).
    FrmZadani(const Uloha& uloha, bool zadaniUplne, Relace& relace, const Nastaveni& nastaveni, Dialogy& dialogy,
              QWidget* parent = nullptr);
    ~FrmZadani() override;

    // The problem as the dialog leaves it, and whether it took it as a new problem.
    const Uloha& uloha() const { return uloha_; }
    bool prijata() const { return prijata_; }

    // The dialog's base caption: "Setting " / "Zadání ".
    QString titulekZadani() const { return titulekZadani_; }

public slots:
    // Esc and the window's close control act as the Cancel button.
    void reject() override;

protected:
    void showEvent(QShowEvent* udalost) override;

private:
    QWidget* sestavTeploty();
    QWidget* sestavKrok();
    void nacteni();
    void NastavPopisy();
    void vybranaZalozka(int index);
    void ZobrazZadani();

    // Every field into the problem, each on its own. The first field the user must correct
    // for the problem to be accepted (a missing value, a text that is no number); for saving
    // (ukladani) an empty field is 0, as the file states it, and only a text that is no
    // number needs correcting.
    std::optional<ChybaPole> PrevezmiZadani(bool ukladani = false);
    // The field checks, the value checks and the acceptance rule; the first fault found.
    std::optional<ChybaPole> zkontroluj();
    void ukazChybu(const ChybaPole& chyba);
    QWidget* poleVeliciny(const Zavada& zavada);
    void dokonciUpravy();

    void cmdOKClick();
    void cmdStornoClick();
    void cmdNactiCfgClick();
    void cmdUlozCfgClick();
    void nastavTitulekSouboru(const QString& cesta);

    Uloha uloha_;
    bool zadaniUplne_;
    bool prijata_ = false;
    bool zavira_ = false;
    QString otiskPriOtevreni_;  // OtiskUlohy of the problem as the dialog opened
    Relace& relace_;
    const Nastaveni& nastaveni_;
    Dialogy& dialogy_;
    QString titulekZadani_;

    QTabWidget* TabStrip1 = nullptr;
    QWidget* frm1[6] = {};
    ZadaniKrivky* krivka_ = nullptr;
    ZadaniMaterialu* material_ = nullptr;
    ZadaniGeometrie* geometrie_ = nullptr;

    QLabel* lblTpece = nullptr;
    QLineEdit* txtTpece = nullptr;
    QLabel* lblTv = nullptr;
    QLineEdit* txtTv = nullptr;
    QLabel* lblTk = nullptr;
    QLineEdit* txtTk = nullptr;
    QLabel* lblCasKrok = nullptr;
    QLineEdit* txtCasKrok = nullptr;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdStorno = nullptr;
    QPushButton* cmdNactiCfg = nullptr;
    QPushButton* cmdUlozCfg = nullptr;
};

}  // namespace zorvet
