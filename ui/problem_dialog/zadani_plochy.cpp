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

ZadaniPloch::ZadaniPloch(Formular& formular, int cislo, QWidget* parent) : Zalozka(formular, cislo, parent) {
    lblCelkoveA = caption(this, "lblCelkoveA", nullptr);
    lblCelkoveAH = caption(this, "lblCelkoveAH", nullptr);
    lblCelkoveAH->setTextInteractionFlags(Qt::TextSelectableByMouse);
    rozloz(formLayout(this));
}

QWidget* ZadaniPloch::vlastniVstup(const PopisPole& p) {
    // A count of faces, picked from the faces the pieces have or typed.
    auto* c = named(new QComboBox(this), p.ovladac);
    c->setEditable(true);
    // A count typed outside the list is taken as typed, not added to the list.
    c->setInsertPolicy(QComboBox::NoInsert);
    c->setMinimumContentsLength(6);
    c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // No completion: typing 1 must not turn into 10 or 12.
    c->setCompleter(nullptr);
    svaz(c, p.velicina);
    // A count picked from the list makes the surface at once.
    connect(c, &QComboBox::activated, this,
            [this, c, v = p.velicina](int index) { formular_.vyberPocet(v, c->itemText(index)); });
    return c;
}

void ZadaniPloch::pridejRadek(QFormLayout* form, const Polozka& polozka) {
    Zalozka::pridejRadek(form, polozka);
    // The total surface under the surface typed or made of the faces.
    if (polozka.pole->velicina == Velicina::A) {
        form->addRow(lblCelkoveA, lblCelkoveAH);
    }
}

void ZadaniPloch::NastavPopisy(Jazyk j) {
    Zalozka::NastavPopisy(j);
    lblCelkoveA->setText(Text(id::CelkoveA, j));
    obnov();
}

void ZadaniPloch::obnov() {
    const Uloha& u = formular_.uloha();
    const bool zRozmeru = u.zRozmeru();
    // In mode "Z" the surface is typed, and only its field is shown (the counts' rows say so
    // for theirs).
    lblCelkoveA->setVisible(zRozmeru);
    lblCelkoveAH->setVisible(zRozmeru);
    // The first two counts are named by what they count of the profile.
    const bool kruh = u.Profil == Profil::Kruhovy;
    popisek(Velicina::PocetAB)
        ->setText(Text(kruh ? id::PocetD : (u.Profil == Profil::Ctvercovy ? id::PocetAA : id::PocetAB), jazyk_));
    popisek(Velicina::PocetAL)->setText(Text(kruh ? id::PocetValcu : id::PocetAL, jazyk_));
    if (zRozmeru) {
        for (Velicina v : {Velicina::PocetAB, Velicina::PocetAL, Velicina::PocetBL}) {
            nabidni(static_cast<QComboBox*>(vstup(v)), NejvicPloch(v, u));
        }
    }
    lblCelkoveAH->setText(TextObecny(u.CelkovaPlocha));
    Zalozka::obnov();
}

}  // namespace zorvet
