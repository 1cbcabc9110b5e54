// The weight tab of the problem dialog: the mass typed, or computed from the profile, the
// dimensions and the number of pieces, with a sketch of one piece.
#pragma once

#include "ui/problem_dialog/zalozka.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zorvet {

class NacrtProfilu;

class ZalozkaHmotnosti : public Zalozka {
    Q_OBJECT
public:
    explicit ZalozkaHmotnosti(Formular& formular, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    void vybrana() override;

private:
    QRadioButton* optMza = nullptr;
    QRadioButton* optMvy = nullptr;
    QButtonGroup* skupinaHmotnost_ = nullptr;
    QLabel* lblm = nullptr;
    QLineEdit* txtm = nullptr;
    QGroupBox* frmProfil = nullptr;
    QRadioButton* optProfilK = nullptr;
    QRadioButton* optProfilC = nullptr;
    QRadioButton* optProfilO = nullptr;
    QButtonGroup* skupinaProfil_ = nullptr;
    QLabel* lblPocetProfilu = nullptr;
    QLineEdit* txtPocetProfilu = nullptr;
    QGroupBox* frmRozmery = nullptr;
    QLabel* lblA2 = nullptr;
    QLineEdit* txtA2 = nullptr;
    QLabel* lblB2 = nullptr;
    QLineEdit* txtB2 = nullptr;
    QLabel* lblL2 = nullptr;
    QLineEdit* txtL2 = nullptr;
    NacrtProfilu* nacrt_ = nullptr;
};

}  // namespace zorvet
