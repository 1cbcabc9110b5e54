// Goal Seek: the value of one input with which the accepted problem heats up within a target
// time (the largest mass, the lowest furnace temperature or the smallest installed power).
// Find shows the value or why there is none; Use It closes the dialog with the value as it
// was shown, for the main window to put into the problem.
#pragma once

#include <QDialog>
#include <optional>

#include "model/case/nastaveni.h"
#include "model/case/uloha.h"
#include "ui/common/dialogy.h"
#include "ui/common/navrh.h"

class QComboBox;
class QLabel;
class QLineEdit;
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

private:
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
};

}  // namespace zorvet
