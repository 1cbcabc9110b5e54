// The furnace tab of the problem dialog: the furnace as a thermal system, present in the case
// while "Describe the furnace" is checked. Its chamber and door, how the walls' area is taken and
// how the furnace starts are widgets of the tab; the linings of the walls, the roof and the
// hearth are tables of layers (ui/problem_dialog/vrstvy_pece.h), the walls' drawn to scale
// beside them; the plain numbers (the room, the outer surface, the door's time, the fixtures, the
// price) are rows of the field table. A refractory is picked from the data folder's database and
// the case's own, to which the user may add one (saved into the database too); every layer
// holds its refractory's record, so the case computes the same wherever it is opened.
#pragma once

#include <QStringList>
#include <functional>
#include <vector>

#include "model/furnace/pec.h"
#include "ui/problem_dialog/zalozka.h"

class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QPushButton;
class QSpinBox;
class QTabWidget;

namespace zorvet {

class Dialogy;
class NacrtSteny;
class TabulkaVrstev;

class ZadaniPece : public Zalozka {
    Q_OBJECT
public:
    ZadaniPece(Formular& formular, int cislo, Dialogy& dialogy, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    void vybrana() override;

    // The widget of what is wrong with the furnace takes the focus.
    void ukazZavadu(const ZavadaPece& zavada);

    // The refractories of the data folder's database (none when it cannot be read).
    void NactiRefraktory(const QString& slozka, Jazyk jazyk);

protected:
    void ukazPolozku(const Polozka& polozka, const Uloha& u) override;

private:
    void zmenPec(const std::function<void(Pec&)>& zmena);
    Refraktor najdi(const QString& nazev) const;
    QStringList nazvy() const;
    void pridejVlastni(const Refraktor& r);
    void novyRefraktor();

    Dialogy& dialogy_;
    QString slozka_;
    std::vector<Refraktor> databaze_;
    std::vector<Refraktor> vlastni_;  // the case's own and those the user added: before the database's
    Pec pec_;                         // the furnace shown, kept while the check box is off

    QCheckBox* chkPec = nullptr;
    QDoubleSpinBox* txtSirkaKomory = nullptr;
    QDoubleSpinBox* txtHloubkaKomory = nullptr;
    QDoubleSpinBox* txtVyskaKomory = nullptr;
    QDoubleSpinBox* txtSirkaDveri = nullptr;
    QDoubleSpinBox* txtVyskaDveri = nullptr;
    QComboBox* cboPlochaSten = nullptr;
    QComboBox* cboStartPece = nullptr;
    QSpinBox* txtCyklu = nullptr;
    QLabel* lblKomora = nullptr;
    QLabel* lblDvere = nullptr;
    QLabel* lblPlochaSten = nullptr;
    QLabel* lblStartPece = nullptr;
    QLabel* lblCyklu = nullptr;
    QLabel* lblRezSteny = nullptr;
    QTabWidget* tabVyzdivka = nullptr;  // a page for each part's lining
    TabulkaVrstev* steny_ = nullptr;
    TabulkaVrstev* strop_ = nullptr;
    TabulkaVrstev* nistej_ = nullptr;
    NacrtSteny* nacrt_ = nullptr;
    QPushButton* cmdNovyRefraktor = nullptr;
    QList<QWidget*> popisPece_;  // enabled while the furnace is described
};

}  // namespace zorvet
