#include "ui/problem_dialog/zadani_geometrie.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <cmath>
#include <cstdio>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "model/geometrie.h"
#include "ui/problem_dialog/nacrt_profilu.h"
#include "ui/problem_dialog/zadani_material.h"

namespace zorvet {

namespace {

// The mass as mantissa with two decimals and a signed two-digit exponent: 7.85E+02.
QString vedeckyTvar(float x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2E", static_cast<double>(x));
    QString text = QString::fromLatin1(buf);
    text.replace(QLatin1Char('.'), OddelovacLokalu());
    return text;
}

// Shows a text in an editable list; the entry of the same text becomes the current one, so
// that leaving the list does not report that entry as picked.
void ukazText(QComboBox* seznam, const QString& text) {
    const int index = seznam->findText(text);
    seznam->setCurrentIndex(index);
    if (index < 0) {
        seznam->setEditText(text);
    }
}

// Fills a face-count list with "0" up to the bound, keeping the text shown. The counts are
// 16-bit integers, so no list runs past 32767.
void naplnSeznam(QComboBox* seznam, double horni) {
    const double mez = std::nearbyint(horni);
    const int posledni = mez > 32767.0 ? 32767 : static_cast<int>(mez);
    QStringList polozky;
    for (int i = 0; i <= posledni; ++i) {
        polozky.append(QString::number(i));
    }
    const QString text = seznam->currentText();
    const bool blokovano = seznam->blockSignals(true);
    seznam->addItems(polozky);
    ukazText(seznam, text);
    seznam->blockSignals(blokovano);
}

void vymazSeznam(QComboBox* c, bool text) {
    const QString zustava = text ? QString() : c->currentText();
    c->clear();
    c->setEditText(zustava);
}

}  // namespace

ZadaniGeometrie::ZadaniGeometrie(Uloha& uloha, const ZadaniMaterialu& material, QObject* parent)
    : QObject(parent), uloha_(uloha), material_(material) {
    sestavHmotnost();
    sestavPlochy();
    txtPocetProfilu->setText(QStringLiteral("1"));
    txtm->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{frmProfil, frmRozmery, nacrt_->lblA1, nacrt_->lblB1,
                                                       nacrt_->lblL1, nacrt_->ShpNarys, nacrt_->ShpPudorys, lblAB,
                                                       cboAB, lblAL, cboAL, lblBL, cboBL}) {
        w->hide();
    }

    // An option's handling runs when it becomes selected, by the user or from code.
    connect(optMza, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            optMzaClick();
        }
    });
    connect(optMvy, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            optMvyClick();
        }
    });
    for (auto [opt, profil] : {std::pair{optProfilK, "K"}, std::pair{optProfilC, "C"}, std::pair{optProfilO, "O"}}) {
        // Copied into the lambda: a structured binding itself cannot be captured by every compiler.
        connect(opt, &QRadioButton::toggled, this, [this, profil = profil](bool zapnuto) {
            if (zapnuto) {
                profilVybran(profil);
            }
        });
    }
    // The geometry fields: any change marks them, entering clears the mark, leaving acts on it.
    for (QLineEdit* pole : {txtA2, txtB2, txtL2, txtPocetProfilu}) {
        connect(pole, &QLineEdit::textChanged, this, [this] { zmeneno_ = true; });
        pole->installEventFilter(this);
    }
    for (QComboBox* pole : {cboAB, cboAL, cboBL}) {
        connect(pole, &QComboBox::editTextChanged, this, [this] { zmeneno_ = true; });
        connect(pole, &QComboBox::activated, this, [this] { prepocitejPlochu(); });
        pole->installEventFilter(this);
    }
}

void ZadaniGeometrie::sestavHmotnost() {
    hmotnost_ = new QWidget;
    QWidget* z = hmotnost_;
    auto* svisle = new QVBoxLayout(z);
    optMza = Pojmenuj(new QRadioButton(z), "optMza");
    optMvy = Pojmenuj(new QRadioButton(z), "optMvy");
    auto* skupina = new QButtonGroup(this);
    skupina->addButton(optMza);
    skupina->addButton(optMvy);
    txtm = CisloPole(z, "txtm");
    lblm = Popisek(z, "lblm", txtm);
    auto* horni = new QGridLayout;
    horni->addWidget(optMza, 0, 0);
    horni->addWidget(optMvy, 1, 0);
    horni->setColumnMinimumWidth(1, z->fontMetrics().height() * 2);
    horni->addWidget(lblm, 0, 2);
    horni->addWidget(txtm, 0, 3);
    horni->setColumnStretch(4, 1);
    svisle->addLayout(horni);

    frmProfil = Pojmenuj(new QGroupBox(z), "frmProfil");
    optProfilK = Pojmenuj(new QRadioButton(frmProfil), "optProfilK");
    optProfilC = Pojmenuj(new QRadioButton(frmProfil), "optProfilC");
    optProfilO = Pojmenuj(new QRadioButton(frmProfil), "optProfilO");
    skupinaProfil_ = new QButtonGroup(this);
    for (QRadioButton* o : {optProfilK, optProfilC, optProfilO}) {
        skupinaProfil_->addButton(o);
    }
    txtPocetProfilu = CisloPole(frmProfil, "txtPocetProfilu");
    lblPocetProfilu = Popisek(frmProfil, "lblPocetProfilu", txtPocetProfilu);
    auto* profil = new QVBoxLayout(frmProfil);
    profil->addWidget(optProfilK);
    profil->addWidget(optProfilC);
    profil->addWidget(optProfilO);
    auto* kusy = new QHBoxLayout;
    kusy->addWidget(lblPocetProfilu);
    kusy->addWidget(txtPocetProfilu);
    kusy->addStretch(1);
    profil->addLayout(kusy);
    profil->addStretch(1);

    frmRozmery = Pojmenuj(new QGroupBox(z), "frmRozmery");
    txtA2 = CisloPole(frmRozmery, "txtA2");
    txtB2 = CisloPole(frmRozmery, "txtB2");
    txtL2 = CisloPole(frmRozmery, "txtL2");
    lblA2 = Popisek(frmRozmery, "lblA2", txtA2);
    lblB2 = Popisek(frmRozmery, "lblB2", txtB2);
    lblL2 = Popisek(frmRozmery, "lblL2", txtL2);
    lblA2->setText(QStringLiteral("&A"));
    lblB2->setText(QStringLiteral("&B"));
    lblL2->setText(QStringLiteral("&L"));
    auto* rozmery = Formular(frmRozmery);
    rozmery->addRow(lblA2, txtA2);
    rozmery->addRow(lblB2, txtB2);
    rozmery->addRow(lblL2, txtL2);

    auto* ramy = new QHBoxLayout;
    ramy->addWidget(frmProfil);
    ramy->addWidget(frmRozmery);
    ramy->addStretch(1);
    svisle->addLayout(ramy);
    nacrt_ = new NacrtProfilu(z);
    svisle->addWidget(nacrt_);
    svisle->addStretch(1);
}

void ZadaniGeometrie::sestavPlochy() {
    plochy_ = new QWidget;
    QWidget* z = plochy_;
    auto* f = Formular(z);
    txtA = CisloPole(z, "txtA");
    lblA = Popisek(z, "lblA", txtA);
    lblCelkoveA = Popisek(z, "lblCelkoveA", nullptr);
    lblCelkoveAH = Popisek(z, "lblCelkoveAH", nullptr);
    lblCelkoveAH->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addRow(lblA, txtA);
    f->addRow(lblCelkoveA, lblCelkoveAH);
    const auto pocty = [&](const char* jmeno) {
        auto* c = Pojmenuj(new QComboBox(z), jmeno);
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
    lblAB = Popisek(z, "lblAB", cboAB);
    lblAL = Popisek(z, "lblAL", cboAL);
    lblBL = Popisek(z, "lblBL", cboBL);
    f->addRow(lblAB, cboAB);
    f->addRow(lblAL, cboAL);
    f->addRow(lblBL, cboBL);
}

void ZadaniGeometrie::NastavPopisy(std::int16_t j) {
    jazyk_ = j;
    optMza->setText(Text(id::Mza, j));
    optMvy->setText(Text(id::Mvy, j));
    lblm->setText(Text(id::m, j));
    frmProfil->setTitle(Text(id::Profil, j));
    optProfilK->setText(Text(id::ProfilK, j));
    optProfilC->setText(Text(id::ProfilC, j));
    optProfilO->setText(Text(id::ProfilO, j));
    lblPocetProfilu->setText(Text(id::PocetProfilu, j));
    frmRozmery->setTitle(Text(id::Rozmery, j));
    lblA->setText(Text(id::A, j));
    lblCelkoveA->setText(Text(id::CelkoveA, j));
    lblAB->setText(Text(id::PocetAB, j));
    lblAL->setText(Text(id::PocetAL, j));
    lblBL->setText(Text(id::PocetBL, j));
}

bool ZadaniGeometrie::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() != QEvent::FocusIn && udalost->type() != QEvent::FocusOut) {
        return QObject::eventFilter(objekt, udalost);
    }
    // Opening a list's popup or a context menu, or switching to another window, does not
    // leave the field.
    const Qt::FocusReason duvod = static_cast<QFocusEvent*>(udalost)->reason();
    if (duvod == Qt::PopupFocusReason || duvod == Qt::ActiveWindowFocusReason) {
        return QObject::eventFilter(objekt, udalost);
    }
    if (udalost->type() == QEvent::FocusIn) {
        zmeneno_ = false;
    } else {
        geometrieOpustena(qobject_cast<QWidget*>(objekt));
    }
    return QObject::eventFilter(objekt, udalost);
}

bool ZadaniGeometrie::zRozmeru() const { return optMvy->isChecked(); }

// ---------------------------------------------------------------- mass and profile

void ZadaniGeometrie::optMzaClick() {
    if (!txtm->isEnabled()) {
        ZobrazRozmery(false);
        PovolHmotnost(true);
        uloha_.ZadaniHmotnosti = "Z";
    }
}

void ZadaniGeometrie::optMvyClick() {
    if (frmProfil->isHidden()) {
        PovolHmotnost(false);
        ZobrazRozmery(true);
        uloha_.ZadaniHmotnosti = "V";
    }
}

void ZadaniGeometrie::PovolHmotnost(bool povolit) { txtm->setEnabled(povolit); }

void ZadaniGeometrie::vyberProfil(const std::string& profil) {
    if (profil == "K") {
        optProfilK->setChecked(true);
    } else if (profil == "C") {
        optProfilC->setChecked(true);
    } else if (profil == "O") {
        optProfilO->setChecked(true);
    }
}

void ZadaniGeometrie::ZobrazRozmery(bool zobrazit) {
    vyberProfil(uloha_.Profil);
    if (zobrazit && skupinaProfil_->checkedButton() == nullptr) {
        // The rectangular bar is the default profile.
        optProfilO->setChecked(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{nacrt_->lblL1, nacrt_->lblA1, nacrt_->ShpNarys,
                                                       nacrt_->ShpPudorys, frmProfil, frmRozmery}) {
        w->setVisible(zobrazit);
    }
    // The letter B belongs to the rectangular cross-section only.
    const bool obdelnik = optProfilO->isChecked();
    nacrt_->lblB1->setVisible(zobrazit && obdelnik);
    for (QWidget* w : std::initializer_list<QWidget*>{lblCelkoveA, lblCelkoveAH, lblAB, cboAB, lblAL, cboAL}) {
        w->setVisible(zobrazit);
    }
    lblBL->setVisible(zobrazit && obdelnik);
    cboBL->setVisible(zobrazit && obdelnik);
}

void ZadaniGeometrie::profilVybran(const char* profil) {
    SmazPoctyPloch();
    const bool jinyProfil = !uloha_.Profil.empty() && uloha_.Profil != profil;
    uloha_.Profil = profil;
    if (uloha_.Profil == "K") {
        NastavProfilK();
    } else if (uloha_.Profil == "C") {
        NastavProfilC();
    } else {
        NastavProfilO();
    }
    if (!optMvy->isChecked()) {
        return;
    }
    // While the record (as read or as opened) is being put into the fields, the mass and the surface are
    // the ones read; otherwise the counts of another profile mean other faces, and the
    // surface made of them no longer holds.
    if (plneni_) {
        ZobrazHmotnost();
        return;
    }
    if (jinyProfil) {
        txtA->clear();
    }
    prepocitejHmotnost();
}

void ZadaniGeometrie::NastavProfilK() {
    nacrt_->ShpPudorys->nastavDruh(TvarProfilu::Druh::Kruh);
    nacrt_->lblA1->setText(QStringLiteral("D"));
    lblA2->setText(QStringLiteral("&D"));
    for (QWidget* w : std::initializer_list<QWidget*>{nacrt_->lblB1, lblB2, txtB2}) {
        w->hide();
    }
}

void ZadaniGeometrie::NastavProfilC() {
    nacrt_->ShpPudorys->nastavDruh(TvarProfilu::Druh::Ctverec);
    nacrt_->lblA1->setText(QStringLiteral("A"));
    lblA2->setText(QStringLiteral("&A"));
    for (QWidget* w : std::initializer_list<QWidget*>{nacrt_->lblB1, lblB2, txtB2}) {
        w->hide();
    }
}

void ZadaniGeometrie::NastavProfilO() {
    nacrt_->ShpPudorys->nastavDruh(TvarProfilu::Druh::Obdelnik);
    nacrt_->lblA1->setText(QStringLiteral("A"));
    lblA2->setText(QStringLiteral("&A"));
    for (QWidget* w : std::initializer_list<QWidget*>{nacrt_->lblB1, lblB2, txtB2}) {
        w->show();
    }
}

void ZadaniGeometrie::prepocitejHmotnost() {
    // A dimension, number of pieces or density that is no number gives no mass: the field
    // is emptied rather than left with the mass of other dimensions.
    const CteniPole hustota = material_.hustota();
    if (!PrevezmiRozmery() || hustota.obsah != Obsah::Cislo) {
        txtm->clear();
        return;
    }
    HmotnostZRozmeru(uloha_, hustota.hodnota);
    ZobrazHmotnost();
}

void ZadaniGeometrie::ZobrazHmotnost() { UkazCislo(txtm, uloha_.m, vedeckyTvar(uloha_.m)); }

void ZadaniGeometrie::hustotaZmenena() {
    if (optMvy->isChecked() && !plneni_) {
        prepocitejHmotnost();
    }
}

bool ZadaniGeometrie::PrevezmiRozmery() {
    Uloha& u = uloha_;
    const auto rozmer = [](QLineEdit* pole, float& cil) {
        if (pole->text().isEmpty()) {
            return true;
        }
        const CteniPole cteni = CtiPole(pole);
        if (cteni.obsah != Obsah::Cislo) {
            return false;
        }
        cil = cteni.hodnota;
        return true;
    };
    if (!rozmer(txtA2, u.StranaA) || (u.Profil == "O" && !rozmer(txtB2, u.StranaB)) || !rozmer(txtL2, u.DelkaL)) {
        return false;
    }
    const CteniPole kusy = CtiPole(txtPocetProfilu);
    const std::optional<std::int16_t> n = kusy.obsah == Obsah::Cislo ? Cele16(kusy.hodnota) : std::nullopt;
    if (!n) {
        return false;
    }
    u.PocetProfilu = *n;
    return true;
}

std::optional<std::int16_t> ZadaniGeometrie::pocet(const QComboBox* c) const {
    const CteniPole cteni = CtiText(c->currentText());
    return cteni.obsah == Obsah::Cislo ? Cele16(cteni.hodnota) : std::nullopt;
}

void ZadaniGeometrie::PrevezmiPoctyPloch() {
    Uloha& u = uloha_;
    for (auto [c, cil] : {std::pair{cboAB, &u.PocetAB}, std::pair{cboAL, &u.PocetAL}, std::pair{cboBL, &u.PocetBL}}) {
        if (const std::optional<std::int16_t> n = pocet(c)) {
            *cil = *n;
        }
    }
}

void ZadaniGeometrie::prepocitejPlochu() {
    if (!PrevezmiRozmery()) {
        txtA->clear();
        return;
    }
    PrevezmiPoctyPloch();
    TeplosmennaPlocha(uloha_);
    // Written with the point whatever the user's format, as the surface always was.
    UkazCislo(txtA, uloha_.A, TextZpravy(uloha_.A, QLatin1Char('.')).trimmed());
}

void ZadaniGeometrie::ObnovPlochy() {
    const CteniPole kusy = CtiPole(txtPocetProfilu);
    const double n = kusy.obsah == Obsah::Cislo ? kusy.hodnota : 0.0;
    if (optMvy->isChecked()) {
        if (cboAB->count() == 0) {
            naplnSeznam(cboAB, 2.0 * n);
        }
        lblAB->show();
        cboAB->show();
        const bool obdelnik = optProfilO->isChecked();
        const std::int16_t j = jazyk_;
        if (optProfilK->isChecked()) {
            lblAB->setText(Text(id::PocetD, j));
            lblAL->setText(Text(id::PocetValcu, j));
        } else {
            lblAB->setText(Text(optProfilC->isChecked() ? id::PocetAA : id::PocetAB, j));
            lblAL->setText(Text(id::PocetAL, j));
        }
        if (cboAL->count() == 0) {
            naplnSeznam(cboAL, optProfilK->isChecked() ? n : (optProfilC->isChecked() ? 4.0 * n : 2.0 * n));
        }
        if (obdelnik && cboBL->count() == 0) {
            naplnSeznam(cboBL, 2.0 * n);
        }
        cboAL->show();
        lblAL->show();
        lblBL->setVisible(obdelnik);
        cboBL->setVisible(obdelnik);
    }
    PrevezmiRozmery();
    uloha_.CelkovaPlocha = CelkovaPlochaProfilu(uloha_).value_or(0.0f);
    lblCelkoveAH->setText(TextObecny(uloha_.CelkovaPlocha));
}

void ZadaniGeometrie::SmazPoctyPloch() {
    for (QComboBox* c : {cboAB, cboAL, cboBL}) {
        vymazSeznam(c, true);
    }
}

void ZadaniGeometrie::rozmeryZmeneny() {
    // The lists are offered again for the new number of pieces (tab 5 fills them); the
    // counts shown stay while the pieces still have that many faces.
    const CteniPole kusy = CtiPole(txtPocetProfilu);
    const double n = kusy.obsah == Obsah::Cislo ? kusy.hodnota : 0.0;
    const double ab = 2.0 * n;
    const double al = optProfilK->isChecked() ? n : (optProfilC->isChecked() ? 4.0 * n : 2.0 * n);
    bool vsechny = true;
    for (auto [c, mez] : {std::pair{cboAB, ab}, std::pair{cboAL, al}, std::pair{cboBL, 2.0 * n}}) {
        if (c == cboBL && !optProfilO->isChecked()) {
            vymazSeznam(c, true);
            continue;
        }
        const std::optional<std::int16_t> p = pocet(c);
        const bool vejdeSe = p && *p >= 0 && *p <= std::nearbyint(mez);
        vymazSeznam(c, !vejdeSe);
        vsechny = vsechny && vejdeSe;
    }
    if (vsechny) {
        prepocitejPlochu();
    } else {
        txtA->clear();
    }
}

void ZadaniGeometrie::geometrieOpustena(QWidget* pole) {
    if (!zmeneno_) {
        return;
    }
    zmeneno_ = false;
    if (pole == cboAB || pole == cboAL || pole == cboBL) {
        prepocitejPlochu();
    } else {
        rozmeryZmeneny();
        prepocitejHmotnost();
    }
}

void ZadaniGeometrie::dokonciUpravy(QWidget* fokus) {
    for (QWidget* w : std::initializer_list<QWidget*>{txtA2, txtB2, txtL2, txtPocetProfilu, cboAB, cboAL, cboBL}) {
        if (w == fokus) {
            geometrieOpustena(fokus);
        }
    }
}

void ZadaniGeometrie::zobraz() {
    plneni_ = true;
    Uloha& u = uloha_;
    UkazCislo(txtm, u.m);
    UkazCislo(txtA, u.A);
    if (u.ZadaniHmotnosti == "V") {
        optMvy->setChecked(true);
        vyberProfil(u.Profil);
        UkazCislo(txtA2, u.StranaA);
        if (u.Profil == "O") {
            UkazCislo(txtB2, u.StranaB);
        }
        UkazCislo(txtL2, u.DelkaL);
        txtPocetProfilu->setText(QString::number(u.PocetProfilu));
        ukazText(cboAB, QString::number(u.PocetAB));
        ukazText(cboAL, QString::number(u.PocetAL));
        if (u.Profil == "O") {
            ukazText(cboBL, QString::number(u.PocetBL));
        }
        ZobrazHmotnost();
    } else {
        optMza->setChecked(true);
    }
    zmeneno_ = false;
    plneni_ = false;
}

QWidget* ZadaniGeometrie::pole(Velicina v) const {
    switch (v) {
        case Velicina::m:
            return txtm;
        case Velicina::A:
            return txtA;
        case Velicina::StranaA:
            return txtA2;
        case Velicina::StranaB:
            return txtB2;
        case Velicina::DelkaL:
            return txtL2;
        case Velicina::PocetProfilu:
            return txtPocetProfilu;
        case Velicina::PocetAB:
            return cboAB;
        case Velicina::PocetAL:
            return cboAL;
        case Velicina::PocetBL:
            return cboBL;
        default:
            return nullptr;
    }
}

const QLabel* ZadaniGeometrie::popisek(Velicina v) const {
    for (QLabel* l : {lblm, lblA, lblA2, lblB2, lblL2, lblPocetProfilu, lblAB, lblAL, lblBL}) {
        if (l->buddy() == pole(v)) {
            return l;
        }
    }
    return nullptr;
}

std::optional<ChybaPole> ZadaniGeometrie::prevezmi(std::int16_t j, bool prazdnaNula) {
    Uloha& u = uloha_;
    PrevezmiPoctyPloch();
    PrevezmiRozmery();
    if (prazdnaNula) {
        for (auto [c, cil] : {std::pair{cboAB, &u.PocetAB}, std::pair{cboAL, &u.PocetAL}, std::pair{cboBL, &u.PocetBL}}) {
            if (c->currentText().trimmed().isEmpty()) {
                *cil = 0;
            }
        }
        for (auto [pole, cil] : {std::pair{txtA2, &u.StranaA}, std::pair{txtB2, &u.StranaB}, std::pair{txtL2, &u.DelkaL},
                                 std::pair{txtm, &u.m}, std::pair{txtA, &u.A}}) {
            if (pole->text().trimmed().isEmpty()) {
                *cil = 0.0f;
            }
        }
    }
    std::optional<ChybaPole> prvni;
    const auto zkontroluj = [&](Velicina v, const QString& text, Obsah obsah) {
        if (!prvni && !(prazdnaNula && obsah == Obsah::Prazdne)) {
            prvni = ChybaTextu(pole(v), popisek(v), text, obsah, j);
        }
    };
    const bool zRozmeru = optMvy->isChecked();
    // A computed mass is kept at full precision; the field only shows it to 3 digits.
    if (!zRozmeru) {
        const CteniPole m = CtiPole(txtm);
        if (m.obsah == Obsah::Cislo) {
            u.m = m.hodnota;
        }
        zkontroluj(Velicina::m, txtm->text(), m.obsah);
    } else {
        for (auto [v, txt] : {std::pair{Velicina::PocetProfilu, txtPocetProfilu}, std::pair{Velicina::StranaA, txtA2},
                              std::pair{Velicina::StranaB, txtB2}, std::pair{Velicina::DelkaL, txtL2}}) {
            if (v != Velicina::StranaB || u.Profil == "O") {
                zkontroluj(v, txt->text(), CtiPole(txt).obsah);
            }
        }
    }
    const CteniPole a = CtiPole(txtA);
    if (a.obsah == Obsah::Cislo) {
        u.A = a.hodnota;
    }
    zkontroluj(Velicina::A, txtA->text(), a.obsah);
    if (zRozmeru) {
        for (auto [v, c] : {std::pair{Velicina::PocetAB, cboAB}, std::pair{Velicina::PocetAL, cboAL},
                            std::pair{Velicina::PocetBL, cboBL}}) {
            const CteniPole p = CtiText(c->currentText());
            // An empty count leaves the surface to the field; one that is given must be a number.
            if ((v != Velicina::PocetBL || u.Profil == "O") && p.obsah != Obsah::Prazdne) {
                zkontroluj(v, c->currentText(), p.obsah);
            }
        }
    }
    return prvni;
}

std::optional<ChybaPole> ZadaniGeometrie::dopocti(std::int16_t j) {
    Uloha& u = uloha_;
    if (!optMvy->isChecked()) {
        return std::nullopt;
    }
    u.CelkovaPlocha = CelkovaPlochaProfilu(u).value_or(0.0f);
    lblCelkoveAH->setText(TextObecny(u.CelkovaPlocha));
    const CteniPole hustota = material_.hustota();
    if (hustota.obsah == Obsah::Cislo) {
        HmotnostZRozmeru(u, hustota.hodnota);
    }
    // A surface made of face counts belongs to the dimensions and counts shown.
    const bool obdelnik = u.Profil == "O";
    if (pocet(cboAB) && pocet(cboAL) && (!obdelnik || pocet(cboBL))) {
        Uloha podle = u;
        TeplosmennaPlocha(podle);
        if (podle.A != u.A) {
            const QString nazev = BezAkceleratoru(lblA->text()).trimmed();
            return ChybaPole{txtA, Text(id::PlochaNesouhlasi, j).arg(nazev, TextZpravy(podle.A, QLatin1Char('.')).trimmed())};
        }
    }
    return std::nullopt;
}

}  // namespace zorvet
