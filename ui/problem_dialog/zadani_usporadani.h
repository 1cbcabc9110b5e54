// The arrangement tab of the problem dialog: the free piece, an array of bars side by side or a
// bundle of round bars, their fields as the field table lists them for this tab (in the frames
// frmMrizka and frmSvazek), the soak, and
// the cross-section drawn to scale beside them. A field is enabled where its row applies to the
// case and it belongs to the arrangement chosen; choosing one sets the other's fields back to
// their defaults, so that the case is never an array and a bundle at once.
#pragma once

#include <QList>
#include <memory>

#include "model/case/vysledek.h"
#include "ui/problem_dialog/zalozka.h"

class QComboBox;
class QGroupBox;
class QLabel;
class QRadioButton;

namespace zorvet {

class NacrtUsporadani;

class ZadaniUsporadani : public Zalozka {
    Q_OBJECT
public:
    ZadaniUsporadani(Formular& formular, int cislo, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;

    // The result shown in the main window: the sketch marks its slowest piece while the form
    // holds the array it was computed for.
    void nastavVysledek(std::shared_ptr<const Vysledek> vysledek);

    enum class Druh { Volny, Mrizka, Svazek };

protected:
    QWidget* vlastniVstup(const PopisPole& pole) override;
    void ukazPolozku(const Polozka& polozka, const Uloha& u) override;

private:
    void zvol(Druh druh);

    Druh druh_ = Druh::Volny;
    std::shared_ptr<const Vysledek> vysledek_;
    QRadioButton* optVolnyKus = nullptr;
    QRadioButton* optMrizka = nullptr;
    QRadioButton* optSvazek = nullptr;
    QGroupBox* frmMrizka = nullptr;
    QGroupBox* frmSvazek = nullptr;
    QComboBox* cboBaleni = nullptr;
    QLabel* lblNacrt = nullptr;
    QLabel* lblNejpomalejsi = nullptr;
    QLabel* lblNelze = nullptr;
    NacrtUsporadani* nacrt_ = nullptr;
};

}  // namespace zorvet
