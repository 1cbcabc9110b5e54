// The layers of one part of the furnace's lining (frmSteny, frmStrop, frmNistej), from the hot
// face out: a table whose rows are
// a refractory picked from the list offered and its thickness in mm, with Add, Remove, Up and
// Down. The roof's and the hearth's tables have a check box "As the walls": checked, the part
// has no layers of its own. The table only shows what it is given and tells what the user did.
#pragma once

#include <QWidget>
#include <QStringList>
#include <functional>

#include "model/case/nastaveni.h"
#include "model/furnace/pec.h"

class QCheckBox;
class QPushButton;
class QTableWidget;

namespace zorvet {

class TabulkaVrstev : public QWidget {
    Q_OBJECT
public:
    // cast names the widgets (grdSteny, cmdPridatSteny, chkStropJakoSteny, …); najdi gives the
    // refractory of a name offered. steny, for the roof and the hearth: the walls' layers, which
    // a part no longer as the walls starts from.
    TabulkaVrstev(const char* cast, std::function<Refraktor(const QString&)> najdi,
                  std::function<Vyzdivka()> steny = {}, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk);
    // The names of the refractories offered, and the layers shown (none with the check box:
    // as the walls).
    void nastav(const QStringList& nazvy, const Vyzdivka& vrstvy);
    const Vyzdivka& vrstvy() const { return vrstvy_; }
    // What takes the focus for layer i (from 0): its thickness, or the table without the layer.
    QWidget* pole(int i) const;

signals:
    // The user changed the layers (none: as the walls).
    void zmeneno(const Vyzdivka& vrstvy);

protected:
    // A refractory or a thickness taking the focus selects its row.
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void ukazTabulku(int vybrany);
    void ukaz();
    // The layers changed: the rows shown again (radky) or only the buttons; vybrany is selected.
    void zmen(const std::function<void(Vyzdivka&)>& zmena, bool radky, int vybrany);

    std::function<Refraktor(const QString&)> najdi_;
    std::function<Vyzdivka()> steny_;
    QStringList nazvy_;
    Vyzdivka vrstvy_;
    QTableWidget* tabulka_ = nullptr;
    QCheckBox* jakoSteny_ = nullptr;
    QPushButton* pridat_ = nullptr;
    QPushButton* odebrat_ = nullptr;
    QPushButton* nahoru_ = nullptr;
    QPushButton* dolu_ = nullptr;
};

}  // namespace zorvet
