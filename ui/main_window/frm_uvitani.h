// The splash window at start and the About box: borderless, a blue-to-black gradient
// with the program's description, edition, version and build date, and the maker.
#pragma once

#include <QDialog>
#include <QString>
#include <cstdint>

#include "model/case/nastaveni.h"

class QLabel;
class QTimer;

namespace zorvet {

class FrmUvitani : public QDialog {
    Q_OBJECT
public:
    // Texts in the language jazyk; the two-second timer runs from here on.
    explicit FrmUvitani(Jazyk jazyk, QWidget* parent = nullptr);

    // About: the window then stays until it is clicked or Esc is pressed.
    void vypniCasovac();

    // "Education version 1.0, Compiled <date>", the date in the locale's short form.
    static QString RadekVerze(Jazyk jazyk);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* lbl1_;
    QLabel* lbl2_;
    QLabel* lbl3_;
    QTimer* Tmr1_;
};

}  // namespace zorvet
