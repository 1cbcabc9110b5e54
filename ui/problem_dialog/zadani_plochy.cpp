#include "ui/problem_dialog/zadani_plochy.h"

#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSignalBlocker>
#include <algorithm>

#include "files/cisla.h"
#include "files/retezce.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

namespace {

// Offers the counts 0 to nejvic (the faces of that kind the pieces have), keeping the text
// shown; the entry of that text becomes the current one, so that leaving the list does not
// report it as picked.
void nabidni(QComboBox* seznam, int nejvic) {
    const int posledni = std::clamp(nejvic, 0, 32767);
    if (seznam->count() == posledni + 1) {
        return;
    }
    const QSignalBlocker blokovano(seznam);
    const QString text = seznam->currentText();
    QStringList polozky;
    for (int i = 0; i <= posledni; ++i) {
        polozky.append(QString::number(i));
    }
    seznam->clear();
    seznam->addItems(polozky);
    seznam->setCurrentIndex(seznam->findText(text));
    seznam->setEditText(text);
}

}  // namespace

ZadaniPloch::ZadaniPloch(Formular& formular, QWidget* parent) : Zalozka(formular, parent) {
    auto* f = formLayout(this);
    txtA = numberField(this, "txtA");
    lblA = caption(this, "lblA", txtA);
    lblCelkoveA = caption(this, "lblCelkoveA", nullptr);
    lblCelkoveAH = caption(this, "lblCelkoveAH", nullptr);
    lblCelkoveAH->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addRow(lblA, txtA);
    f->addRow(lblCelkoveA, lblCelkoveAH);
    const auto pocty = [this](const char* jmeno) {
        auto* c = named(new QComboBox(this), jmeno);
        c->setEditable(true);
        // A count typed outside the list is taken as typed, not added to the list.
        c->setInsertPolicy(QComboBox::NoInsert);
        c->setMinimumContentsLength(6);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        // No completion: typing 1 must not turn into 10 or 12.
        c->setCompleter(nullptr);
        return c;
    };
    cboAB = pocty("cboAB");
    cboAL = pocty("cboAL");
    cboBL = pocty("cboBL");
    lblAB = caption(this, "lblAB", cboAB);
    lblAL = caption(this, "lblAL", cboAL);
    lblBL = caption(this, "lblBL", cboBL);
    f->addRow(lblAB, cboAB);
    f->addRow(lblAL, cboAL);
    f->addRow(lblBL, cboBL);
    svaz(txtA, Velicina::A);
    for (auto [c, v] : {std::pair{cboAB, Velicina::PocetAB}, std::pair{cboAL, Velicina::PocetAL},
                        std::pair{cboBL, Velicina::PocetBL}}) {
        svaz(c, v);
        // A count picked from the list makes the surface at once.
        connect(c, &QComboBox::activated, this,
                [this, c = c, v = v](int index) { formular_.vyberPocet(v, c->itemText(index)); });
    }
}

void ZadaniPloch::NastavPopisy(Jazyk j) {
    jazyk_ = j;
    lblA->setText(Text(id::A, j));
    lblCelkoveA->setText(Text(id::CelkoveA, j));
    lblBL->setText(Text(id::PocetBL, j));
    obnov();
}

void ZadaniPloch::obnov() {
    const Uloha& u = formular_.uloha();
    const bool zRozmeru = u.zRozmeru();
    const bool obdelnik = u.Profil == Profil::Obdelnikovy;
    // In mode "Z" the surface is typed, and only its field is shown.
    for (QWidget* w : std::initializer_list<QWidget*>{lblCelkoveA, lblCelkoveAH, lblAB, cboAB, lblAL, cboAL}) {
        w->setVisible(zRozmeru);
    }
    lblBL->setVisible(zRozmeru && obdelnik);
    cboBL->setVisible(zRozmeru && obdelnik);
    // The first two counts are named by what they count of the profile.
    const bool kruh = u.Profil == Profil::Kruhovy;
    lblAB->setText(Text(kruh ? id::PocetD : (u.Profil == Profil::Ctvercovy ? id::PocetAA : id::PocetAB), jazyk_));
    lblAL->setText(Text(kruh ? id::PocetValcu : id::PocetAL, jazyk_));
    if (zRozmeru) {
        nabidni(cboAB, NejvicPloch(Velicina::PocetAB, u));
        nabidni(cboAL, NejvicPloch(Velicina::PocetAL, u));
        nabidni(cboBL, NejvicPloch(Velicina::PocetBL, u));
    }
    lblCelkoveAH->setText(TextObecny(u.CelkovaPlocha));
    Zalozka::obnov();
}

void ZadaniPloch::vybrana() { txtA->setFocus(Qt::TabFocusReason); }

}  // namespace zorvet
