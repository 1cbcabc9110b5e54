#include "ui/problem_dialog/zadani_hmotnost.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "files/retezce.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/nacrt_profilu.h"

namespace zorvet {

namespace {

// Checks the option of a group, or none of them.
void zaskrtni(QButtonGroup* skupina, QRadioButton* volba) {
    const QSignalBlocker blokovano(skupina);
    for (QAbstractButton* b : skupina->buttons()) {
        const QSignalBlocker tlacitko(b);
        if (volba == nullptr) {
            skupina->setExclusive(false);
            b->setChecked(false);
            skupina->setExclusive(true);
        } else {
            b->setChecked(b == volba);
        }
    }
}

}  // namespace

ZalozkaHmotnosti::ZalozkaHmotnosti(Formular& formular, QWidget* parent) : Zalozka(formular, parent) {
    auto* svisle = new QVBoxLayout(this);
    optMza = named(new QRadioButton(this), "optMza");
    optMvy = named(new QRadioButton(this), "optMvy");
    skupinaHmotnost_ = new QButtonGroup(this);
    skupinaHmotnost_->addButton(optMza);
    skupinaHmotnost_->addButton(optMvy);
    txtm = numberField(this, "txtm");
    lblm = caption(this, "lblm", txtm);
    auto* horni = new QGridLayout;
    horni->addWidget(optMza, 0, 0);
    horni->addWidget(optMvy, 1, 0);
    horni->setColumnMinimumWidth(1, fontMetrics().height() * 2);
    horni->addWidget(lblm, 0, 2);
    horni->addWidget(txtm, 0, 3);
    horni->setColumnStretch(4, 1);
    svisle->addLayout(horni);

    frmProfil = named(new QGroupBox(this), "frmProfil");
    optProfilK = named(new QRadioButton(frmProfil), "optProfilK");
    optProfilC = named(new QRadioButton(frmProfil), "optProfilC");
    optProfilO = named(new QRadioButton(frmProfil), "optProfilO");
    skupinaProfil_ = new QButtonGroup(this);
    for (QRadioButton* o : {optProfilK, optProfilC, optProfilO}) {
        skupinaProfil_->addButton(o);
    }
    txtPocetProfilu = numberField(frmProfil, "txtPocetProfilu");
    lblPocetProfilu = caption(frmProfil, "lblPocetProfilu", txtPocetProfilu);
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

    frmRozmery = named(new QGroupBox(this), "frmRozmery");
    txtA2 = numberField(frmRozmery, "txtA2");
    txtB2 = numberField(frmRozmery, "txtB2");
    txtL2 = numberField(frmRozmery, "txtL2");
    lblA2 = caption(frmRozmery, "lblA2", txtA2);
    lblB2 = caption(frmRozmery, "lblB2", txtB2);
    lblL2 = caption(frmRozmery, "lblL2", txtL2);
    lblB2->setText(QStringLiteral("&B"));
    lblL2->setText(QStringLiteral("&L"));
    auto* rozmery = formLayout(frmRozmery);
    rozmery->addRow(lblA2, txtA2);
    rozmery->addRow(lblB2, txtB2);
    rozmery->addRow(lblL2, txtL2);

    auto* ramy = new QHBoxLayout;
    ramy->addWidget(frmProfil);
    ramy->addWidget(frmRozmery);
    ramy->addStretch(1);
    svisle->addLayout(ramy);
    nacrt_ = new NacrtProfilu(this);
    svisle->addWidget(nacrt_);
    svisle->addStretch(1);

    svaz(txtm, Velicina::m);
    svaz(txtPocetProfilu, Velicina::PocetProfilu);
    svaz(txtA2, Velicina::StranaA);
    svaz(txtB2, Velicina::StranaB);
    svaz(txtL2, Velicina::DelkaL);
    // An option's handling runs when it becomes selected, by the user or from code.
    connect(optMza, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            formular_.nastavZadaniHmotnosti(ZadaniHmotnosti::Zadana);
        }
    });
    connect(optMvy, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            formular_.nastavZadaniHmotnosti(ZadaniHmotnosti::ZRozmeru);
        }
    });
    for (auto [opt, p] : {std::pair{optProfilK, Profil::Kruhovy}, std::pair{optProfilC, Profil::Ctvercovy},
                          std::pair{optProfilO, Profil::Obdelnikovy}}) {
        // Copied into the lambda: a structured binding itself cannot be captured by every compiler.
        connect(opt, &QRadioButton::toggled, this, [this, profil = p](bool zapnuto) {
            if (zapnuto) {
                formular_.nastavProfil(profil);
            }
        });
    }
}

void ZalozkaHmotnosti::NastavPopisy(Jazyk j) {
    optMza->setText(Text(id::Mza, j));
    optMvy->setText(Text(id::Mvy, j));
    lblm->setText(Text(id::m, j));
    frmProfil->setTitle(Text(id::Profil, j));
    optProfilK->setText(Text(id::ProfilK, j));
    optProfilC->setText(Text(id::ProfilC, j));
    optProfilO->setText(Text(id::ProfilO, j));
    lblPocetProfilu->setText(Text(id::PocetProfilu, j));
    frmRozmery->setTitle(Text(id::Rozmery, j));
}

void ZalozkaHmotnosti::obnov() {
    const Uloha& u = formular_.uloha();
    const bool zRozmeru = u.zRozmeru();
    zaskrtni(skupinaHmotnost_, u.ZadaniHmotnosti == ZadaniHmotnosti::Zadana ? optMza : zRozmeru ? optMvy : nullptr);
    txtm->setEnabled(u.ZadaniHmotnosti == ZadaniHmotnosti::Zadana);
    zaskrtni(skupinaProfil_, u.Profil == Profil::Kruhovy     ? optProfilK
                             : u.Profil == Profil::Ctvercovy ? optProfilC
                             : u.Profil == Profil::Obdelnikovy ? optProfilO
                                                             : nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{frmProfil, frmRozmery, nacrt_->lblA1, nacrt_->lblL1,
                                                       nacrt_->ShpNarys, nacrt_->ShpPudorys}) {
        w->setVisible(zRozmeru);
    }
    // Side B and its letter belong to the rectangular bar only.
    const bool obdelnik = u.Profil == Profil::Obdelnikovy;
    for (QWidget* w : std::initializer_list<QWidget*>{lblB2, txtB2}) {
        w->setVisible(obdelnik);
    }
    nacrt_->lblB1->setVisible(zRozmeru && obdelnik);
    const bool kruh = u.Profil == Profil::Kruhovy;
    nacrt_->ShpPudorys->nastavDruh(kruh ? TvarProfilu::Druh::Kruh
                                        : u.Profil == Profil::Ctvercovy ? TvarProfilu::Druh::Ctverec
                                                                        : TvarProfilu::Druh::Obdelnik);
    nacrt_->lblA1->setText(kruh ? QStringLiteral("D") : QStringLiteral("A"));
    lblA2->setText(kruh ? QStringLiteral("&D") : QStringLiteral("&A"));
    Zalozka::obnov();
}

void ZalozkaHmotnosti::vybrana() {
    if (txtm->isEnabled()) {
        txtm->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace zorvet
