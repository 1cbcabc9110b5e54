// The furnace tab of the problem dialog: the installed power with the losses it covers, and the
// convective coefficient added to the radiative one.
#pragma once

#include "ui/problem_dialog/zalozka.h"

class QLabel;
class QLineEdit;

namespace zorvet {

class ZadaniPece : public Zalozka {
    Q_OBJECT
public:
    explicit ZadaniPece(Formular& formular, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void vybrana() override;

private:
    QLabel* lblInstalovanyPrikon = nullptr;
    QLineEdit* txtPrikon = nullptr;
    QLabel* lblZtratyPrikonu = nullptr;
    QLineEdit* txtZtratyPrikonu = nullptr;
    QLabel* lblKonvekce = nullptr;
    QLineEdit* txtKonvekce = nullptr;
};

}  // namespace zorvet
