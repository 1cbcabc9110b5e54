#include "ui/problem_dialog/zadani_pec.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

ZadaniPece::ZadaniPece(Formular& formular, QWidget* parent) : Zalozka(formular, parent) {
    auto* f = formLayout(this);
    txtPrikon = numberField(this, "txtPrikon");
    txtZtratyPrikonu = numberField(this, "txtZtratyPrikonu");
    txtKonvekce = numberField(this, "txtKonvekce");
    lblInstalovanyPrikon = caption(this, "lblInstalovanyPrikon", txtPrikon);
    lblZtratyPrikonu = caption(this, "lblZtratyPrikonu", txtZtratyPrikonu);
    lblKonvekce = caption(this, "lblKonvekce", txtKonvekce);
    f->addRow(lblInstalovanyPrikon, txtPrikon);
    f->addRow(lblZtratyPrikonu, txtZtratyPrikonu);
    f->addRow(lblKonvekce, txtKonvekce);
    svaz(txtPrikon, Velicina::Prikon);
    svaz(txtZtratyPrikonu, Velicina::Ztraty);
    svaz(txtKonvekce, Velicina::Konvekce);
    // An empty field is the usual coefficient.
    txtKonvekce->setPlaceholderText(TextObecny(Uloha{}.Konvekce));
}

void ZadaniPece::NastavPopisy(Jazyk j) {
    lblInstalovanyPrikon->setText(Text(id::InstalovanyPrikon, j));
    lblZtratyPrikonu->setText(Text(id::ZtratyPrikonu, j));
    lblKonvekce->setText(Text(id::Konvekce, j));
    txtPrikon->setPlaceholderText(Text(id::PrikonNeomezeny, j));
}

void ZadaniPece::vybrana() { txtPrikon->setFocus(Qt::TabFocusReason); }

}  // namespace zorvet
