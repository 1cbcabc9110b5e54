// The first tab of the problem dialog: the furnace regime (uncontrolled or controlled), the
// curve edited segment by segment, and its preview.
#pragma once

#include <QList>
#include <QPointF>
#include <QString>

#include "ui/problem_dialog/zalozka.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zorvet {

class Graf;

class ZadaniKrivky : public Zalozka {
    Q_OBJECT
public:
    ZadaniKrivky(Formular& formular, int cislo, QWidget* parent = nullptr);

    void NastavPopisy(Jazyk jazyk) override;
    void obnov() override;
    // The first tab takes no focus of its own.
    void vybrana() override {}

signals:
    // The regime changed: the dialog's height follows the preview.
    void rezimZmenen();

private:
    // The regime, the number of segments and the segment chosen go to the form.
    void pripojVolby();
    void KresliKrivku();

    QString tagPocTep_;
    QString tagKonTep_;
    bool rizeny_ = false;
    QList<QPointF> nakresleno_;  // the points the preview shows

    QRadioButton* optNerizenyO = nullptr;
    QRadioButton* optRizeny = nullptr;
    QLabel* lblPocetKrivek = nullptr;
    QComboBox* cboPocetKrivek = nullptr;
    QLabel* lblUsekC = nullptr;
    QComboBox* cboUsekC = nullptr;
    QLabel* lblPocTep = nullptr;
    QLineEdit* txtPocTep = nullptr;
    QLabel* lblKonTep = nullptr;  // the end temperature's, a field of its row
    Graf* FlpGrf1 = nullptr;
};

}  // namespace zorvet
