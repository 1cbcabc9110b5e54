// The iteration step tab of the problem dialog: the time step of the march.
#pragma once

#include "ui/problem_dialog/zalozka.h"

class QLabel;
class QLineEdit;

namespace zorvet {

class ZadaniKroku : public Zalozka {
    Q_OBJECT
public:
    explicit ZadaniKroku(Formular& formular, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void vybrana() override;

private:
    QLabel* lblCasKrok = nullptr;
    QLineEdit* txtCasKrok = nullptr;
};

}  // namespace zorvet
