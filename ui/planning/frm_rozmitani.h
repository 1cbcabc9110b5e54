// Sweep: the decisive time of the accepted problem against one of its inputs, computed point
// by point (each a copy of the problem with that value) from one value to another in equal
// steps. Points that cannot be computed are left out and counted; the chart is read as the
// chart view is and exported as its pictures are.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointF>

#include "model/nastaveni.h"
#include "model/pole.h"
#include "model/uloha.h"
#include "ui/common/dialogy.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zorvet {

class Graf;

// The most points a sweep computes.
inline constexpr int kNejvicBodu = 200;

class FrmRozmitani : public QDialog {
    Q_OBJECT
public:
    FrmRozmitani(const Uloha& uloha, Jazyk jazyk, Dialogy& dialogy, QWidget* parent = nullptr);

    // Compute: the points of the range typed, the chart and the note of those left out.
    void Rozmitej();
    // Export...: the chart as a PNG, SVG or PDF picture.
    void Exportuj();

private:
    Velicina velicina() const;
    // The quantity chosen: its value in the problem is where the range starts.
    void vybrano();
    void naplnGraf(Graf& graf) const;

    Uloha uloha_;
    Jazyk jazyk_;
    Dialogy& dialogy_;
    QList<QPointF> body_;  // the value swept, the decisive time
    QString osaX_;         // the caption of the quantity they were computed for

    QComboBox* cboRozmitatVelicinu_ = nullptr;
    QLineEdit* txtRozmitaniOd_ = nullptr;
    QLineEdit* txtRozmitaniDo_ = nullptr;
    QLineEdit* txtRozmitaniKrok_ = nullptr;
    QPushButton* cmdRozmitaniExport_ = nullptr;
    QLabel* lblRozmitaniPoznamka_ = nullptr;
    Graf* grfRozmitani_ = nullptr;
};

}  // namespace zorvet
