// The surfaces tab of the problem dialog: the heat-exchange surface, typed or made of the
// faces of the pieces that take part (their counts in lists of the faces the pieces have),
// and the total surface of the pieces.
#pragma once

#include "ui/problem_dialog/zalozka.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zorvet {

class ZadaniPloch : public Zalozka {
    Q_OBJECT
public:
    ZadaniPloch(Formular& formular, int cislo, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;

protected:
    QWidget* vlastniVstup(const PopisPole& pole) override;
    void pridejRadek(QFormLayout* form, const Polozka& polozka) override;

private:
    QLabel* lblCelkoveA = nullptr;
    QLabel* lblCelkoveAH = nullptr;
};

}  // namespace zorvet
