// The surfaces tab of the problem dialog: the heat-exchange surface, typed or made of the
// faces of the pieces that take part, and the total surface of the pieces.
#pragma once

#include "ui/problem_dialog/zalozka.h"

class QComboBox;
class QLabel;
class QLineEdit;

namespace zorvet {

class ZadaniPloch : public Zalozka {
    Q_OBJECT
public:
    explicit ZadaniPloch(Formular& formular, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    void vybrana() override;

private:
    Jazyk jazyk_ = Jazyk::Anglicky;
    QLabel* lblA = nullptr;
    QLineEdit* txtA = nullptr;
    QLabel* lblCelkoveA = nullptr;
    QLabel* lblCelkoveAH = nullptr;
    QLabel* lblAB = nullptr;
    QComboBox* cboAB = nullptr;
    QLabel* lblAL = nullptr;
    QComboBox* cboAL = nullptr;
    QLabel* lblBL = nullptr;
    QComboBox* cboBL = nullptr;
};

}  // namespace zorvet
