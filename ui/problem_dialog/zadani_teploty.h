// The temperatures tab of the problem dialog: the furnace temperature of an uncontrolled
// heat-up, the starting and the final temperature of the charge.
#pragma once

#include "ui/problem_dialog/zalozka.h"

class QLabel;
class QLineEdit;

namespace zorvet {

class ZadaniTeplot : public Zalozka {
    Q_OBJECT
public:
    explicit ZadaniTeplot(Formular& formular, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    void vybrana() override;

private:
    QLabel* lblTpece = nullptr;
    QLineEdit* txtTpece = nullptr;
    QLabel* lblTv = nullptr;
    QLineEdit* txtTv = nullptr;
    QLabel* lblTk = nullptr;
    QLineEdit* txtTk = nullptr;
};

}  // namespace zorvet
