// The first tab of the problem dialog: the furnace regime (uncontrolled or controlled), the
// curve edited segment by segment, and its preview. The handlers write the dialog's copy of
// the problem as soon as a value changes.
#pragma once

#include <QWidget>
#include <cstdint>
#include <optional>

#include "model/uloha.h"
#include "ui/problem_dialog/pole.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zorvet {

class Graf;

class ZadaniKrivky : public QWidget {
    Q_OBJECT
public:
    explicit ZadaniKrivky(Uloha& uloha, QWidget* parent = nullptr);

    void NastavPopisy(std::int16_t jazyk);
    // The preview's titles and font.
    void NastavGrafKrivky(std::int16_t jazyk);

    // The regime of the problem: selects its option (which runs its handling) and shows its
    // curve. Used by the load sequence and after a file was read.
    void zobraz();

    // The text of a curve field that has the focus goes into the curve, as leaving it does.
    void dokonciUpravy(QWidget* fokus);

    // The shown segment's fields, when one holds a text that is no number (or nothing).
    std::optional<ChybaPole> chybaPoli(std::int16_t jazyk) const;

    // Rizeny and PocetKrivek into the problem.
    void prevezmi(Uloha& u) const;

    // The field that shows a value of the curve: TeplotaKrivky or DobaVydrze of segment k;
    // the segment is selected first.
    QWidget* ukazPole(bool doba, int usek);

    bool rizeny() const;

signals:
    // The regime changed: the furnace temperature field of the temperatures tab is shown
    // only for an uncontrolled heat-up.
    void rezimZmenen(bool rizeny);
    // Another segment was picked while a field of the one shown held a text that is no
    // number: the text is not taken, and the user is told.
    void textNeprevzat(const QString& zprava);

protected:
    bool eventFilter(QObject* objekt, QEvent* udalost) override;

private:
    void ZobrazKrivku(bool zobrazit);
    void nerizenyVybran();
    void rizenyVybran();
    void pocetKrivekVybran();
    void usekVybran();
    void zobrazUsek();
    void zobrazPocetKrivek(int pocet);
    void krivkaOpustena(QLineEdit* pole);
    void KresliKrivku();
    int vybranyUsek() const;

    Uloha& uloha_;
    std::int16_t jazyk_ = 0;
    QString tagPocTep_;
    QString tagKonTep_;
    int zobrazenyUsek_ = 0;

    QRadioButton* optNerizenyO = nullptr;
    QRadioButton* optRizeny = nullptr;
    QLabel* lblPocetKrivek = nullptr;
    QComboBox* cboPocetKrivek = nullptr;
    QLabel* lblUsekC = nullptr;
    QComboBox* cboUsekC = nullptr;
    QLabel* lblPocTep = nullptr;
    QLineEdit* txtPocTep = nullptr;
    QLabel* lblKonTep = nullptr;
    QLineEdit* txtKonTep = nullptr;
    QLabel* lblDobaVydrze = nullptr;
    QLineEdit* txtDobaVydrze = nullptr;
    Graf* FlpGrf1 = nullptr;
};

}  // namespace zorvet
