// Sweep: the decisive time of the accepted problem against one of its inputs, computed point
// by point (each a copy of the problem with that value) from one value to another in equal
// steps, rising or falling. A second quantity makes a family: one curve for each of its
// values. Points that cannot be computed are left out and counted, the first one's reason
// told; the chart is read as the chart view is and exported as its pictures are, and the
// points are saved as the batch "sweep" command writes them.
#pragma once

#include <QDialog>
#include <QList>
#include <QPointF>
#include <QString>
#include <array>
#include <optional>
#include <span>
#include <vector>

#include "model/case/nastaveni.h"
#include "model/case/pole.h"
#include "model/planning/rozmitani.h"
#include "model/case/uloha.h"
#include "ui/common/dialogy.h"
#include "ui/common/graf.h"
#include "ui/common/prace.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zorvet {

class FrmRozmitani : public QDialog {
    Q_OBJECT
public:
    FrmRozmitani(const Uloha& uloha, Jazyk jazyk, Dialogy& dialogy, QWidget* parent = nullptr);

    // Compute: the points of the ranges typed, off the window's thread with their progress
    // shown, then the chart and the note of those left out. A range that is refused leaves no
    // chart and nothing to export or save.
    void spust();
    // Cancel: stops the sweep that runs; the points computed so far are kept. Esc does it too,
    // and closes the window when nothing runs.
    void zastav() { prace_.zrus(); }
    void reject() override;
    bool bezi() const { return prace_.bezi(); }

    // Export...: the chart as a PNG, SVG or PDF picture.
    void Exportuj();
    // Save as CSV...: the points computed, as the batch writes them.
    void UlozCsv();

signals:
    // A sweep started (its controls already locked), and ended with its chart shown.
    void spusteno();
    void dokonceno();

private:
    // The quantity of a box; none for the second box's "(none)". And its value in the problem,
    // as its range is typed.
    std::optional<Rozmitana> velicina(const QComboBox* cbo) const;
    QString hodnota(const Rozmitana& r) const;
    // A quantity chosen: its value in the problem is where its range starts.
    void vybrano();
    void vybranoDruha();
    // The three numbers of a range as typed, or none after the message of one that is no number.
    std::optional<std::array<double, 3>> rozsah(QLineEdit* od, QLineEdit* po, QLineEdit* krok, const int (&popisky)[3]);
    // The quantities of the boxes and their ranges, checked as the command line checks them
    // (PripravOsy) with at most kNejviceBoduGrafu points; none after the message.
    std::optional<std::vector<OsaRozmitani>> osy();
    // The points computed: the curves, the CSV, those left out and why the first was.
    struct Body {
        QList<Graf::Rada> rady;
        QString csv;
        int vynechano = 0;
        QString prvni;
        bool schody = false;  // neighbouring points of a curve with the same time
        int zastaveno = 0;    // the points computed when the sweep was stopped; 0: not stopped
    };
    Body spocti(std::span<const OsaRozmitani> osy, const Prace::Dal& dal) const;
    void spocteno(const Body& b, const std::vector<OsaRozmitani>& osy);
    void zamkni(bool pocita);
    // Forgets the points computed: no chart, nothing to export or save.
    void zapomen();
    void naplnGraf(Graf& graf) const;

    Uloha uloha_;
    Jazyk jazyk_;
    Dialogy& dialogy_;
    QList<Graf::Rada> rady_;  // the value swept, the decisive time; one series per second value
    QString osaX_;            // the caption of the quantity they were computed for
    QString csv_;             // the points as the sweep's CSV

    QComboBox* cboRozmitatVelicinu_ = nullptr;
    QLineEdit* txtRozmitaniOd_ = nullptr;
    QLineEdit* txtRozmitaniDo_ = nullptr;
    QLineEdit* txtRozmitaniKrok_ = nullptr;
    QComboBox* cboRozmitatVelicinu2_ = nullptr;
    QLineEdit* txtRozmitaniOd2_ = nullptr;
    QLineEdit* txtRozmitaniDo2_ = nullptr;
    QLineEdit* txtRozmitaniKrok2_ = nullptr;
    QPushButton* cmdRozmitaniSpocti_ = nullptr;
    QPushButton* cmdRozmitaniZrus_ = nullptr;
    QPushButton* cmdRozmitaniOK_ = nullptr;
    QProgressBar* prbRozmitani_ = nullptr;
    QPushButton* cmdRozmitaniExport_ = nullptr;
    QPushButton* cmdRozmitaniCsv_ = nullptr;
    QLabel* lblRozmitaniPoznamka_ = nullptr;
    Graf* grfRozmitani_ = nullptr;
    Prace prace_;  // the last member: it stops and waits for its work first
};

}  // namespace zorvet
