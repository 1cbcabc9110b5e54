#include "ui/problem_dialog/zadani_krok.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "files/retezce.h"

namespace zorvet {

ZadaniKroku::ZadaniKroku(Formular& formular, QWidget* parent) : Zalozka(formular, parent) {
    auto* f = formLayout(this);
    txtCasKrok = numberField(this, "txtCasKrok");
    lblCasKrok = caption(this, "lblCasKrok", txtCasKrok);
    f->addRow(lblCasKrok, txtCasKrok);
    svaz(txtCasKrok, Velicina::CasKrok);
}

void ZadaniKroku::NastavPopisy(Jazyk j) { lblCasKrok->setText(Text(id::CasKrok, j)); }

void ZadaniKroku::vybrana() { txtCasKrok->setFocus(Qt::TabFocusReason); }

}  // namespace zorvet
