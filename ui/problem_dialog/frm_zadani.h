// The problem dialog: nine tabs for the furnace regime, temperatures, material, mass, surfaces,
// the arrangement of the load, the iteration step, the furnace's power and convection, and the
// furnace as a thermal system, laid
// out from the field table (ui/problem_dialog/zalozka.h), over the problem form
// (ui/problem_dialog/formular.h), which outlives it. OK accepts the problem when every field holds a usable value and the problem can be
// computed; Cancel closes it, keeping all that was typed, and takes a complete problem without
// a word when none was accepted before; Load and Save read and write problem files.
#pragma once

#include <QDialog>
#include <memory>
#include <optional>

#include "model/case/nastaveni.h"
#include "model/case/pole.h"
#include "model/case/uloha.h"
#include "model/case/vysledek.h"
#include "ui/common/dialogy.h"
#include "ui/common/relace.h"

class QHBoxLayout;
class QPushButton;
class QTabWidget;

namespace zorvet {

class Formular;
class Zalozka;
class ZadaniMaterialu;
class ZadaniPece;
class ZadaniUsporadani;

class FrmZadani : public QDialog {
    Q_OBJECT
public:
    // zadaniUplne: a problem has been accepted before (Cancel then takes nothing).
    FrmZadani(Formular& formular, bool zadaniUplne, Relace& relace, const Nastaveni& nastaveni, Dialogy& dialogy,
              QWidget* parent = nullptr);
    ~FrmZadani() override;

    // The problem the dialog took for computing, when it took one.
    const std::optional<Uloha>& prijata() const { return prijata_; }

    // The result the main window shows: the arrangement's sketch marks its slowest piece.
    void ukazVysledek(std::shared_ptr<const Vysledek> vysledek);

    // The dialog's base caption: "Setting " / "Zadání ".
    QString titulekZadani() const { return titulekZadani_; }

public slots:
    // Esc and the window's close control act as the Cancel button.
    void reject() override;

protected:
    void showEvent(QShowEvent* udalost) override;

private:
    void NastavPopisy();
    void obnov();
    // Load, Save, OK and Cancel in a row.
    QHBoxLayout* tlacitka();
    // The dialog takes the size of what is in sight.
    void prizpusob();
    void ukazChybu(const Zavada& zavada);
    void cmdOKClick();
    void cmdStornoClick();
    void cmdNactiCfgClick();
    void cmdUlozCfgClick();
    void nastavTitulekSouboru(const QString& cesta);

    Formular& formular_;
    bool zadaniUplne_;
    std::optional<Uloha> prijata_;
    bool zavira_ = false;
    Relace& relace_;
    const Nastaveni& nastaveni_;
    Dialogy& dialogy_;
    QString titulekZadani_;

    QTabWidget* TabStrip1 = nullptr;
    static constexpr int kPocetZalozek = 9;
    Zalozka* frm1[kPocetZalozek] = {};
    ZadaniMaterialu* material_ = nullptr;
    ZadaniUsporadani* usporadani_ = nullptr;
    ZadaniPece* pec_ = nullptr;

    QPushButton* cmdOK = nullptr;
    QPushButton* cmdStorno = nullptr;
    QPushButton* cmdNactiCfg = nullptr;
    QPushButton* cmdUlozCfg = nullptr;
};

}  // namespace zorvet
