#include "ui/problem_dialog/zadani_teploty.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "files/retezce.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

ZadaniTeplot::ZadaniTeplot(Formular& formular, QWidget* parent) : Zalozka(formular, parent) {
    auto* f = formLayout(this);
    txtTpece = numberField(this, "txtTpece");
    txtTv = numberField(this, "txtTv");
    txtTk = numberField(this, "txtTk");
    lblTpece = caption(this, "lblTpece", txtTpece);
    lblTv = caption(this, "lblTv", txtTv);
    lblTk = caption(this, "lblTk", txtTk);
    f->addRow(lblTpece, txtTpece);
    f->addRow(lblTv, txtTv);
    f->addRow(lblTk, txtTk);
    svaz(txtTpece, Velicina::Tpece);
    svaz(txtTv, Velicina::Tv);
    svaz(txtTk, Velicina::Tk);
}

void ZadaniTeplot::NastavPopisy(Jazyk j) {
    lblTpece->setText(Text(id::Tpece, j));
    lblTv->setText(Text(id::Tv, j));
    lblTk->setText(Text(id::Tk, j));
}

void ZadaniTeplot::obnov() {
    // A controlled furnace follows its curve.
    const bool nerizeny = !formular_.uloha().Rizeny;
    lblTpece->setVisible(nerizeny);
    txtTpece->setVisible(nerizeny);
    Zalozka::obnov();
}

void ZadaniTeplot::vybrana() { (formular_.uloha().Rizeny ? txtTv : txtTpece)->setFocus(Qt::TabFocusReason); }

}  // namespace zorvet
