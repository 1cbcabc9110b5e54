// The weight tab of the problem dialog: the mass typed, or computed from the profile, the
// dimensions and the number of pieces (fields of their rows, in the frames frmProfil and
// frmRozmery), with a sketch of one piece.
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
    ZalozkaHmotnosti(Formular& formular, int cislo, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    void vybrana() override;

private:
    // The mass options and the profile's go to the form.
    void pripojVolby();

    QRadioButton* optMza = nullptr;
    QRadioButton* optMvy = nullptr;
    QButtonGroup* skupinaHmotnost_ = nullptr;
    QGroupBox* frmProfil = nullptr;
    QRadioButton* optProfilK = nullptr;
    QRadioButton* optProfilC = nullptr;
    QRadioButton* optProfilO = nullptr;
    QButtonGroup* skupinaProfil_ = nullptr;
    QGroupBox* frmRozmery = nullptr;
    NacrtProfilu* nacrt_ = nullptr;
};

}  // namespace zorvet
