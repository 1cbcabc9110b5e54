// The widgets and layouts of the problem dialog. Everything sits in Qt layouts, so the
// dialog grows with the font; the captions are set by NastavPopisy.
#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/frm_zadani.h"
#include "ui/graf.h"
#include "ui/nacrt_profilu.h"

namespace zorvet {

namespace {

template <typename T>
T* pojmenuj(T* w, const char* jmeno) {
    w->setObjectName(QLatin1String(jmeno));
    return w;
}

// A number field wide enough for about a dozen digits.
QLineEdit* cisloPole(QWidget* rodic, const char* jmeno) {
    auto* pole = pojmenuj(new QLineEdit(rodic), jmeno);
    pole->setMinimumWidth(pole->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    pole->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return pole;
}

QLabel* popisek(QWidget* rodic, const char* jmeno, QWidget* pole) {
    auto* l = pojmenuj(new QLabel(rodic), jmeno);
    if (pole != nullptr) {
        l->setBuddy(pole);
    }
    return l;
}

QFormLayout* formular(QWidget* rodic) {
    auto* f = new QFormLayout(rodic);
    f->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    f->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    f->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    f->setHorizontalSpacing(rodic->fontMetrics().height());
    return f;
}

}  // namespace

void FrmZadani::sestavOkno() {
    auto* hlavni = new QVBoxLayout(this);
    TabStrip1 = pojmenuj(new QTabWidget(this), "TabStrip1");
    // All six tabs stay in sight: the dialog is as wide as their titles need.
    TabStrip1->tabBar()->setUsesScrollButtons(false);
    TabStrip1->tabBar()->setElideMode(Qt::ElideNone);
    hlavni->addWidget(TabStrip1, 1);

    QWidget* (FrmZadani::*stavitele[6])() = {
        &FrmZadani::sestavZalozkuOhrev,    &FrmZadani::sestavZalozkuTeploty, &FrmZadani::sestavZalozkuMaterial,
        &FrmZadani::sestavZalozkuHmotnost, &FrmZadani::sestavZalozkuPlochy,  &FrmZadani::sestavZalozkuKrok,
    };
    for (int i = 0; i < 6; ++i) {
        frm1[i] = (this->*stavitele[i])();
        frm1[i]->setObjectName(QStringLiteral("frm1_%1").arg(i));
        TabStrip1->addTab(frm1[i], QString());
    }

    auto* tlacitka = new QHBoxLayout;
    cmdNactiCfg = pojmenuj(new QPushButton(this), "cmdNactiCfg");
    cmdUlozCfg = pojmenuj(new QPushButton(this), "cmdUlozCfg");
    cmdOK = pojmenuj(new QPushButton(this), "cmdOK");
    cmdStorno = pojmenuj(new QPushButton(this), "cmdStorno");
    for (QPushButton* b : {cmdNactiCfg, cmdUlozCfg, cmdOK, cmdStorno}) {
        b->setAutoDefault(false);
    }
    cmdOK->setDefault(true);
    tlacitka->addWidget(cmdNactiCfg);
    tlacitka->addWidget(cmdUlozCfg);
    tlacitka->addStretch(1);
    tlacitka->addWidget(cmdOK);
    tlacitka->addWidget(cmdStorno);
    hlavni->addLayout(tlacitka);

    tmrHelp = pojmenuj(new QTimer(this), "tmrHelp");
    tmrHelp->setInterval(1000);
    tmrHelp->setSingleShot(true);
}

QWidget* FrmZadani::sestavZalozkuOhrev() {
    auto* z = new QWidget;
    auto* svisle = new QVBoxLayout(z);

    optNerizenyO = pojmenuj(new QRadioButton(z), "optNerizenyO");
    optRizeny = pojmenuj(new QRadioButton(z), "optRizeny");
    skupinaRezim_ = new QButtonGroup(this);
    skupinaRezim_->addButton(optNerizenyO);
    skupinaRezim_->addButton(optRizeny);
    auto* rezim = new QHBoxLayout;
    rezim->addWidget(optNerizenyO);
    rezim->addSpacing(fontMetrics().height() * 2);
    rezim->addWidget(optRizeny);
    rezim->addStretch(1);
    svisle->addLayout(rezim);

    cboPocetKrivek = pojmenuj(new QComboBox(z), "cboPocetKrivek");
    cboUsekC = pojmenuj(new QComboBox(z), "cboUsekC");
    for (QComboBox* c : {cboPocetKrivek, cboUsekC}) {
        c->setMinimumContentsLength(3);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    txtPocTep = cisloPole(z, "txtPocTep");
    txtKonTep = cisloPole(z, "txtKonTep");
    txtDobaVydrze = cisloPole(z, "txtDobaVydrze");
    lblPocetKrivek = popisek(z, "lblPocetKrivek", cboPocetKrivek);
    lblUsekC = popisek(z, "lblUsekC", cboUsekC);
    lblPocTep = popisek(z, "lblPocTep", txtPocTep);
    lblKonTep = popisek(z, "lblKonTep", txtKonTep);
    lblDobaVydrze = popisek(z, "lblDobaVydrze", txtDobaVydrze);

    // Left: the number of segments and the segment; right: the segment's own values.
    auto* mrizka = new QGridLayout;
    mrizka->addWidget(lblPocetKrivek, 0, 0);
    mrizka->addWidget(cboPocetKrivek, 0, 1, Qt::AlignLeft);
    mrizka->addWidget(lblUsekC, 1, 0);
    mrizka->addWidget(cboUsekC, 1, 1, Qt::AlignLeft);
    mrizka->setColumnMinimumWidth(2, fontMetrics().height() * 2);
    mrizka->addWidget(lblPocTep, 0, 3);
    mrizka->addWidget(txtPocTep, 0, 4);
    mrizka->addWidget(lblKonTep, 1, 3);
    mrizka->addWidget(txtKonTep, 1, 4);
    mrizka->addWidget(lblDobaVydrze, 2, 3);
    mrizka->addWidget(txtDobaVydrze, 2, 4);
    mrizka->setColumnStretch(5, 1);
    svisle->addLayout(mrizka);

    FlpGrf1 = pojmenuj(new Graf(z), "FlpGrf1");
    FlpGrf1->setMinimumSize(fontMetrics().height() * 30, fontMetrics().height() * 17);
    FlpGrf1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    svisle->addWidget(FlpGrf1, 100);
    // Keeps the fields at the top while the preview is hidden.
    svisle->addStretch(1);
    return z;
}

QWidget* FrmZadani::sestavZalozkuTeploty() {
    auto* z = new QWidget;
    auto* f = formular(z);
    txtTpece = cisloPole(z, "txtTpece");
    txtTv = cisloPole(z, "txtTv");
    txtTk = cisloPole(z, "txtTk");
    lblTpece = popisek(z, "lblTpece", txtTpece);
    lblTv = popisek(z, "lblTv", txtTv);
    lblTk = popisek(z, "lblTk", txtTk);
    f->addRow(lblTpece, txtTpece);
    f->addRow(lblTv, txtTv);
    f->addRow(lblTk, txtTk);
    return z;
}

QWidget* FrmZadani::sestavZalozkuMaterial() {
    auto* z = new QWidget;
    auto* f = formular(z);
    cboMaterial = pojmenuj(new QComboBox(z), "cboMaterial");
    cboMaterial->setEditable(true);
    cboMaterial->setInsertPolicy(QComboBox::NoInsert);
    cboMaterial->setMinimumContentsLength(22);
    cboMaterial->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A name is taken as typed: no completion to an existing name, which would also make
    // a name differing only in letter case impossible to type.
    cboMaterial->setCompleter(nullptr);
    cmdUlozMaterial = pojmenuj(new QPushButton(z), "cmdUlozMaterial");
    cmdUlozMaterial->setAutoDefault(false);
    auto* druh = new QHBoxLayout;
    druh->addWidget(cboMaterial);
    druh->addWidget(cmdUlozMaterial);
    lblDruh = popisek(z, "lblDruh", cboMaterial);
    f->addRow(lblDruh, druh);

    txtGama = cisloPole(z, "txtGama");
    txtc = cisloPole(z, "txtc");
    txtEps = cisloPole(z, "txtEps");
    txtKoefK = cisloPole(z, "txtKoefK");
    lblGama = popisek(z, "lblGama", txtGama);
    lblc = popisek(z, "lblc", txtc);
    lblEps = popisek(z, "lblEps", txtEps);
    lblEps->setMouseTracking(true);
    lblKoefK = popisek(z, "lblKoefK", txtKoefK);
    f->addRow(lblGama, txtGama);
    f->addRow(lblc, txtc);
    f->addRow(lblEps, txtEps);
    f->addRow(lblKoefK, txtKoefK);
    return z;
}

QWidget* FrmZadani::sestavZalozkuHmotnost() {
    auto* z = new QWidget;
    auto* svisle = new QVBoxLayout(z);

    optMza = pojmenuj(new QRadioButton(z), "optMza");
    optMvy = pojmenuj(new QRadioButton(z), "optMvy");
    skupinaHmotnost_ = new QButtonGroup(this);
    skupinaHmotnost_->addButton(optMza);
    skupinaHmotnost_->addButton(optMvy);
    txtm = cisloPole(z, "txtm");
    lblm = popisek(z, "lblm", txtm);
    auto* horni = new QGridLayout;
    horni->addWidget(optMza, 0, 0);
    horni->addWidget(optMvy, 1, 0);
    horni->setColumnMinimumWidth(1, fontMetrics().height() * 2);
    horni->addWidget(lblm, 0, 2);
    horni->addWidget(txtm, 0, 3);
    horni->setColumnStretch(4, 1);
    svisle->addLayout(horni);

    frmProfil = pojmenuj(new QGroupBox(z), "frmProfil");
    optProfilK = pojmenuj(new QRadioButton(frmProfil), "optProfilK");
    optProfilC = pojmenuj(new QRadioButton(frmProfil), "optProfilC");
    optProfilO = pojmenuj(new QRadioButton(frmProfil), "optProfilO");
    skupinaProfil_ = new QButtonGroup(this);
    skupinaProfil_->addButton(optProfilK);
    skupinaProfil_->addButton(optProfilC);
    skupinaProfil_->addButton(optProfilO);
    txtPocetProfilu = cisloPole(frmProfil, "txtPocetProfilu");
    lblPocetProfilu = popisek(frmProfil, "lblPocetProfilu", txtPocetProfilu);
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

    frmRozmery = pojmenuj(new QGroupBox(z), "frmRozmery");
    txtA2 = cisloPole(frmRozmery, "txtA2");
    txtB2 = cisloPole(frmRozmery, "txtB2");
    txtL2 = cisloPole(frmRozmery, "txtL2");
    lblA2 = popisek(frmRozmery, "lblA2", txtA2);
    lblB2 = popisek(frmRozmery, "lblB2", txtB2);
    lblL2 = popisek(frmRozmery, "lblL2", txtL2);
    lblL2->setText(QStringLiteral("&L"));
    lblB2->setText(QStringLiteral("&B"));
    auto* rozmery = formular(frmRozmery);
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
    return z;
}

QWidget* FrmZadani::sestavZalozkuPlochy() {
    auto* z = new QWidget;
    auto* f = formular(z);
    txtA = cisloPole(z, "txtA");
    lblA = popisek(z, "lblA", txtA);
    lblCelkoveA = popisek(z, "lblCelkoveA", nullptr);
    lblCelkoveAH = popisek(z, "lblCelkoveAH", nullptr);
    lblCelkoveAH->setTextInteractionFlags(Qt::TextSelectableByMouse);
    f->addRow(lblA, txtA);
    f->addRow(lblCelkoveA, lblCelkoveAH);

    const auto pocty = [&](const char* jmeno) {
        auto* c = pojmenuj(new QComboBox(z), jmeno);
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
    lblAB = popisek(z, "lblAB", cboAB);
    lblAL = popisek(z, "lblAL", cboAL);
    lblBL = popisek(z, "lblBL", cboBL);
    f->addRow(lblAB, cboAB);
    f->addRow(lblAL, cboAL);
    f->addRow(lblBL, cboBL);
    return z;
}

QWidget* FrmZadani::sestavZalozkuKrok() {
    auto* z = new QWidget;
    auto* f = formular(z);
    txtCasKrok = cisloPole(z, "txtCasKrok");
    lblCasKrok = popisek(z, "lblCasKrok", txtCasKrok);
    f->addRow(lblCasKrok, txtCasKrok);
    return z;
}

}  // namespace zorvet
