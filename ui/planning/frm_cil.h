// Goal Seek: the value of one input with which the accepted problem heats up within a target
// time (the largest mass, the lowest furnace temperature or the smallest installed power).
// Find searches off the window's thread, the progress shown, and shows the value or why there is
// none; Cancel stops a search that runs, else closes. Use It closes the dialog with the value as
// it was shown, for the main window to put into the problem.
#pragma once

#include <QDialog>
#include <optional>

#include "model/case/nastaveni.h"
#include "model/case/uloha.h"
#include "model/planning/planovani.h"
#include "ui/common/dialogy.h"
#include "ui/common/navrh.h"
#include "ui/common/prace.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;

namespace zorvet {

class FrmCil : public QDialog {
    Q_OBJECT
public:
    FrmCil(const Uloha& uloha, Jazyk jazyk, Dialogy& dialogy, QWidget* parent = nullptr);

    // The value Use It took; none after Cancel.
    const std::optional<NavrzenaHodnota>& pouzita() const { return pouzita_; }

    void Najdi();
    void Pouzij();
    // Cancel: stops the search that runs, or closes the dialog.
    void reject() override;
    bool bezi() const { return prace_.bezi(); }

signals:
    // A search started (its controls already locked), and ended with its answer shown.
    void spusteno();
    void dokonceno();

private:
    void nalezeno(const VysledekHledani& h, Velicina co, double cas);
    void zamkni(bool hleda);
    // A changed time or choice leaves no answer to use.
    void zneplatni();

    Uloha uloha_;
    Jazyk jazyk_;
    Dialogy& dialogy_;
    std::optional<NavrzenaHodnota> nalezena_;
    std::optional<NavrzenaHodnota> pouzita_;

    QLineEdit* txtCilCas_ = nullptr;
    QComboBox* cboCilHledat_ = nullptr;
    QLabel* lblCilOdpoved_ = nullptr;
    QPushButton* cmdCilNajdi_ = nullptr;
    QPushButton* cmdCilPouzij_ = nullptr;
    QPushButton* cmdCilStorno_ = nullptr;
    QProgressBar* prbCil_ = nullptr;
    Prace prace_;
};

}  // namespace zorvet
