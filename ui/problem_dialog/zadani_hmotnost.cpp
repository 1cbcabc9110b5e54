#include "ui/problem_dialog/zadani_hmotnost.h"

#include <QButtonGroup>
#include <QFormLayout>
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

ZalozkaHmotnosti::ZalozkaHmotnosti(Formular& formular, int cislo, QWidget* parent) : Zalozka(formular, cislo, parent) {
    auto* svisle = new QVBoxLayout(this);
    optMza = named(new QRadioButton(this), "optMza");
    optMvy = named(new QRadioButton(this), "optMvy");
    skupinaHmotnost_ = new QButtonGroup(this);
    skupinaHmotnost_->addButton(optMza);
    skupinaHmotnost_->addButton(optMvy);
    // The mass options, and beside them the tab's own fields: the mass.
    auto* volby = new QVBoxLayout;
    volby->addWidget(optMza);
    volby->addWidget(optMvy);
    auto* vlastni = formLayout(this, false);
    rozloz(vlastni);
    auto* horni = new QHBoxLayout;
    horni->addLayout(volby);
    horni->addSpacing(fontMetrics().height() * 2);
    horni->addLayout(vlastni);
    horni->addStretch(1);
    svisle->addLayout(horni);

    // The profile with the number of pieces, and the dimensions of one piece.
    frmProfil = named(new QGroupBox(this), "frmProfil");
    optProfilK = named(new QRadioButton(frmProfil), "optProfilK");
    optProfilC = named(new QRadioButton(frmProfil), "optProfilC");
    optProfilO = named(new QRadioButton(frmProfil), "optProfilO");
    skupinaProfil_ = new QButtonGroup(this);
    auto* profil = new QVBoxLayout(frmProfil);
    for (QRadioButton* o : {optProfilK, optProfilC, optProfilO}) {
        skupinaProfil_->addButton(o);
        profil->addWidget(o);
    }
    auto* kusy = formLayout(frmProfil, false);
    rozloz(kusy, "frmProfil");
    profil->addLayout(kusy);
    profil->addStretch(1);
    frmRozmery = named(new QGroupBox(this), "frmRozmery");
    rozloz(formLayout(frmRozmery), "frmRozmery");

    auto* ramy = new QHBoxLayout;
    ramy->addWidget(frmProfil);
    ramy->addWidget(frmRozmery);
    ramy->addStretch(1);
    svisle->addLayout(ramy);
    nacrt_ = new NacrtProfilu(this);
    svisle->addWidget(nacrt_);
    svisle->addStretch(1);

    pripojVolby();
}

void ZalozkaHmotnosti::pripojVolby() {
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
    Zalozka::NastavPopisy(j);
    optMza->setText(Text(id::Mza, j));
    optMvy->setText(Text(id::Mvy, j));
    frmProfil->setTitle(Text(Pole(Velicina::Profil).popisek, j));
    optProfilK->setText(Text(id::ProfilK, j));
    optProfilC->setText(Text(id::ProfilC, j));
    optProfilO->setText(Text(id::ProfilO, j));
    frmRozmery->setTitle(Text(id::Rozmery, j));
}

void ZalozkaHmotnosti::obnov() {
    const Uloha& u = formular_.uloha();
    const bool zRozmeru = u.zRozmeru();
    zaskrtni(skupinaHmotnost_, u.ZadaniHmotnosti == ZadaniHmotnosti::Zadana ? optMza : zRozmeru ? optMvy : nullptr);
    zaskrtni(skupinaProfil_, u.Profil == Profil::Kruhovy     ? optProfilK
                             : u.Profil == Profil::Ctvercovy ? optProfilC
                             : u.Profil == Profil::Obdelnikovy ? optProfilO
                                                             : nullptr);
    for (QWidget* w : std::initializer_list<QWidget*>{frmProfil, frmRozmery, nacrt_->lblA1, nacrt_->lblL1,
                                                       nacrt_->ShpNarys, nacrt_->ShpPudorys}) {
        w->setVisible(zRozmeru);
    }
    // Side B and its letter belong to the rectangular bar only (its row says so for its field).
    nacrt_->lblB1->setVisible(zRozmeru && u.Profil == Profil::Obdelnikovy);
    const bool kruh = u.Profil == Profil::Kruhovy;
    nacrt_->ShpPudorys->nastavDruh(kruh ? TvarProfilu::Druh::Kruh
                                        : u.Profil == Profil::Ctvercovy ? TvarProfilu::Druh::Ctverec
                                                                        : TvarProfilu::Druh::Obdelnik);
    nacrt_->lblA1->setText(kruh ? QStringLiteral("D") : QStringLiteral("A"));
    // Side A of a round bar is its diameter.
    popisek(Velicina::StranaA)->setText(kruh ? QStringLiteral("&D") : QString::fromUtf8(Pole(Velicina::StranaA).popisekText));
    Zalozka::obnov();
    // The mass is typed only while it is not computed.
    vstup(Velicina::m)->setEnabled(u.ZadaniHmotnosti == ZadaniHmotnosti::Zadana);
}

void ZalozkaHmotnosti::vybrana() {
    // The mass when it is typed, and nothing else.
    if (QWidget* m = vstup(Velicina::m); m->isEnabled()) {
        m->setFocus(Qt::TabFocusReason);
    }
}

}  // namespace zorvet
