#include "ui/problem_dialog/frm_zadani.h"

#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "files/cisla.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy.h"
#include "ui/common/twipy.h"
#include "ui/main_window/ukladani.h"
#include "ui/problem_dialog/zadani_geometrie.h"
#include "ui/problem_dialog/zadani_krivka.h"
#include "ui/problem_dialog/zadani_material.h"

namespace zorvet {

FrmZadani::FrmZadani(const Uloha& uloha, bool zadaniUplne, Relace& relace, const Nastaveni& nastaveni,
                     Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), uloha_(uloha), zadaniUplne_(zadaniUplne), relace_(relace), nastaveni_(nastaveni),
      dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmZadani"));
    setModal(true);
    auto* hlavni = new QVBoxLayout(this);
    TabStrip1 = Pojmenuj(new QTabWidget(this), "TabStrip1");
    // All six tabs stay in sight: the dialog is as wide as their titles need.
    TabStrip1->tabBar()->setUsesScrollButtons(false);
    TabStrip1->tabBar()->setElideMode(Qt::ElideNone);
    hlavni->addWidget(TabStrip1, 1);

    krivka_ = new ZadaniKrivky(uloha_);
    material_ = new ZadaniMaterialu(dialogy_);
    geometrie_ = new ZadaniGeometrie(uloha_, *material_, this);
    QWidget* stranky[6] = {krivka_, sestavTeploty(), material_, geometrie_->stranaHmotnost(),
                           geometrie_->stranaPlochy(), sestavKrok()};
    for (int i = 0; i < 6; ++i) {
        frm1[i] = stranky[i];
        frm1[i]->setObjectName(QStringLiteral("frm1_%1").arg(i));
        TabStrip1->addTab(frm1[i], QString());
    }

    auto* tlacitka = new QHBoxLayout;
    cmdNactiCfg = Pojmenuj(new QPushButton(this), "cmdNactiCfg");
    cmdUlozCfg = Pojmenuj(new QPushButton(this), "cmdUlozCfg");
    cmdOK = Pojmenuj(new QPushButton(this), "cmdOK");
    cmdStorno = Pojmenuj(new QPushButton(this), "cmdStorno");
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

    connect(TabStrip1, &QTabWidget::currentChanged, this, &FrmZadani::vybranaZalozka);
    connect(krivka_, &ZadaniKrivky::rezimZmenen, this, [this](bool rizeny) {
        lblTpece->setVisible(!rizeny);
        txtTpece->setVisible(!rizeny);
    });
    connect(krivka_, &ZadaniKrivky::textNeprevzat, this,
            [this](const QString& zprava) { dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaZadani, nastaveni_.Jazyk), zprava); });
    connect(material_, &ZadaniMaterialu::hustotaZmenena, geometrie_, &ZadaniGeometrie::hustotaZmenena);
    connect(cmdOK, &QPushButton::clicked, this, &FrmZadani::cmdOKClick);
    connect(cmdStorno, &QPushButton::clicked, this, &FrmZadani::cmdStornoClick);
    connect(cmdNactiCfg, &QPushButton::clicked, this, &FrmZadani::cmdNactiCfgClick);
    connect(cmdUlozCfg, &QPushButton::clicked, this, &FrmZadani::cmdUlozCfgClick);

    // Sized for every control shown, so that no later choice squeezes a tab.
    ensurePolished();
    const QSize plna = sizeHint();
    nacteni();
    resize(plna.expandedTo(sizeHint()));
    // Taken after the load sequence: the handlers store what the user changes in the dialog's
    // copy at once, so the copy itself cannot tell later what the dialog opened with.
    otiskPriOtevreni_ = OtiskUlohy(uloha_);
}

FrmZadani::~FrmZadani() = default;

QWidget* FrmZadani::sestavTeploty() {
    auto* z = new QWidget;
    auto* f = Formular(z);
    txtTpece = CisloPole(z, "txtTpece");
    txtTv = CisloPole(z, "txtTv");
    txtTk = CisloPole(z, "txtTk");
    lblTpece = Popisek(z, "lblTpece", txtTpece);
    lblTv = Popisek(z, "lblTv", txtTv);
    lblTk = Popisek(z, "lblTk", txtTk);
    f->addRow(lblTpece, txtTpece);
    f->addRow(lblTv, txtTv);
    f->addRow(lblTk, txtTk);
    return z;
}

QWidget* FrmZadani::sestavKrok() {
    auto* z = new QWidget;
    auto* f = Formular(z);
    txtCasKrok = CisloPole(z, "txtCasKrok");
    lblCasKrok = Popisek(z, "lblCasKrok", txtCasKrok);
    f->addRow(lblCasKrok, txtCasKrok);
    return z;
}

// ---------------------------------------------------------------- load sequence

void FrmZadani::nacteni() {
    TabStrip1->setCurrentIndex(0);
    NastavPopisy();
    krivka_->NastavGrafKrivky(nastaveni_.Jazyk);
    material_->NactiMaterialy(relace_.datovaSlozka, nastaveni_.Jazyk);
    setWindowTitle(titulekZadani_);
    if (!uloha_.ZadaniHmotnosti.empty()) {
        ZobrazZadani();
    } else {
        // A problem whose mass mode was never chosen still shows its regime.
        krivka_->zobraz();
    }
}

void FrmZadani::NastavPopisy() {
    const std::int16_t j = nastaveni_.Jazyk;
    const int zalozky[6] = {id::ZalozkaOhrev, id::ZalozkaTeploty, id::Material,
                            id::ZalozkaHmotnost, id::ZalozkaPlochy, id::ZalozkaKrok};
    for (int i = 0; i < 6; ++i) {
        TabStrip1->setTabText(i, Text(zalozky[i], j));
    }
    // "&Setting" without its accelerator mark, and a blank for the file name to follow.
    titulekZadani_ = Text(id::MenuZadani, j).mid(1) + QLatin1Char(' ');
    cmdOK->setText(Text(id::Ok, j));
    cmdStorno->setText(Text(id::Storno, j));
    cmdNactiCfg->setText(Text(id::Nacti, j));
    cmdUlozCfg->setText(Text(id::Uloz, j));
    lblTpece->setText(Text(id::Tpece, j));
    lblTv->setText(Text(id::Tv, j));
    lblTk->setText(Text(id::Tk, j));
    lblCasKrok->setText(Text(id::CasKrok, j));
    krivka_->NastavPopisy(j);
    material_->NastavPopisy(j);
    geometrie_->NastavPopisy(j);
}

void FrmZadani::showEvent(QShowEvent* udalost) {
    QDialog::showEvent(udalost);
    if (!udalost->spontaneous()) {
        Vycentruj(this);
    }
}

void FrmZadani::vybranaZalozka(int index) {
    switch (index + 1) {
        case 2:
            (krivka_->rizeny() ? txtTv : txtTpece)->setFocus(Qt::TabFocusReason);
            break;
        case 3:
            material_->zamerSeznam();
            break;
        case 4:
            if (geometrie_->poleHmotnosti()->isEnabled()) {
                geometrie_->poleHmotnosti()->setFocus(Qt::TabFocusReason);
            }
            break;
        case 5:
            geometrie_->ObnovPlochy();
            geometrie_->pole(Velicina::A)->setFocus(Qt::TabFocusReason);
            break;
        case 6:
            txtCasKrok->setFocus(Qt::TabFocusReason);
            break;
        default:
            break;
    }
}

void FrmZadani::ZobrazZadani() {
    UkazCislo(txtTpece, uloha_.Tpece);
    UkazCislo(txtTv, uloha_.Tv);
    UkazCislo(txtTk, uloha_.Tk);
    material_->zobraz(uloha_);
    UkazCislo(txtCasKrok, uloha_.CasKrok);
    geometrie_->zobraz();
    krivka_->zobraz();
}

// ---------------------------------------------------------------- acceptance

std::optional<ChybaPole> FrmZadani::PrevezmiZadani(bool ukladani) {
    const std::int16_t j = nastaveni_.Jazyk;
    std::optional<ChybaPole> prvni = krivka_->chybaPoli(j);
    const auto pole = [&](QLineEdit* txt, const QLabel* lbl, float& cil) {
        const CteniPole cteni = CtiPole(txt);
        if (cteni.obsah == Obsah::Cislo || (ukladani && cteni.obsah == Obsah::Prazdne)) {
            cil = cteni.hodnota;
        } else if (!prvni) {
            prvni = ChybaTextu(txt, lbl, txt->text(), cteni.obsah, j);
        }
    };
    if (!krivka_->rizeny()) {
        pole(txtTpece, lblTpece, uloha_.Tpece);
    }
    pole(txtTv, lblTv, uloha_.Tv);
    pole(txtTk, lblTk, uloha_.Tk);
    const std::optional<ChybaPole> material = material_->prevezmi(uloha_, geometrie_->zRozmeru(), ukladani);
    const std::optional<ChybaPole> geometrie = geometrie_->prevezmi(j, ukladani);
    for (const auto& chyba : {material, geometrie}) {
        if (!prvni && chyba) {
            prvni = chyba;
        }
    }
    pole(txtCasKrok, lblCasKrok, uloha_.CasKrok);
    krivka_->prevezmi(uloha_);
    return prvni;
}

QWidget* FrmZadani::poleVeliciny(const Zavada& zavada) {
    switch (zavada.velicina) {
        case Velicina::Tpece:
            return txtTpece;
        case Velicina::Tv:
            return txtTv;
        case Velicina::Tk:
            return txtTk;
        case Velicina::CasKrok:
            return txtCasKrok;
        case Velicina::TeplotaKrivky:
        case Velicina::DobaVydrze:
            return krivka_->ukazPole(zavada.velicina == Velicina::DobaVydrze, zavada.usek);
        case Velicina::Gama:
        case Velicina::c:
        case Velicina::Eps:
        case Velicina::KoefK:
        case Velicina::Lambda:
            return material_->pole(zavada.velicina);
        default:
            return geometrie_->pole(zavada.velicina);
    }
}

std::optional<ChybaPole> FrmZadani::zkontroluj() {
    const std::int16_t j = nastaveni_.Jazyk;
    if (std::optional<ChybaPole> chyba = PrevezmiZadani()) {
        return chyba;
    }
    const std::optional<ChybaPole> plocha = geometrie_->dopocti(j);
    if (const std::optional<Zavada> zavada = ZkontrolujHodnoty(uloha_)) {
        return ChybaPole{poleVeliciny(*zavada), ZpravaZavady(*zavada, j)};
    }
    if (plocha) {
        return plocha;
    }
    const Prijeti prijeti = PrijmiUlohu(uloha_);
    QWidget* pole = nullptr;
    switch (prijeti) {
        case Prijeti::Prijata:
            return std::nullopt;
        case Prijeti::Neuplna:
            // Only the temperatures can still be zero: the field is the first of them.
            pole = !krivka_->rizeny() && uloha_.Tpece == 0.0f ? txtTpece : uloha_.Tv == 0.0f ? txtTv : txtTk;
            break;
        case Prijeti::PlochaVetsi:
            pole = geometrie_->pole(Velicina::A);
            break;
        case Prijeti::Nedosazitelna:
            pole = txtTk;
            break;
    }
    return ChybaPole{pole, ZpravaPrijeti(prijeti, uloha_, j)};
}

void FrmZadani::ukazChybu(const ChybaPole& chyba) {
    dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaZadani, nastaveni_.Jazyk), chyba.text);
    if (chyba.pole == nullptr) {
        return;
    }
    for (int i = 0; i < 6; ++i) {
        if (frm1[i]->isAncestorOf(chyba.pole)) {
            TabStrip1->setCurrentIndex(i);
        }
    }
    chyba.pole->setFocus(Qt::OtherFocusReason);
}

// A value typed into the field that has the focus counts also when OK is pressed with
// Enter or Cancel with Esc: the field is left first, as with a click on the button.
void FrmZadani::dokonciUpravy() {
    QWidget* fokus = focusWidget();
    krivka_->dokonciUpravy(fokus);
    geometrie_->dokonciUpravy(fokus);
}

void FrmZadani::cmdOKClick() {
    dokonciUpravy();
    if (const std::optional<ChybaPole> chyba = zkontroluj()) {
        zadaniUplne_ = false;
        ukazChybu(*chyba);
        return;
    }
    zadaniUplne_ = true;
    prijata_ = true;
    setWindowTitle(titulekZadani_);
    zavira_ = true;
    QDialog::accept();
}

void FrmZadani::cmdStornoClick() {
    if (!zadaniUplne_) {
        // Cancel shows no message: a problem that would need one is simply not taken.
        dokonciUpravy();
        const bool prijatelna = !zkontroluj().has_value();
        const bool plochaVetsi = uloha_.ZadaniHmotnosti == "V" && uloha_.A > uloha_.CelkovaPlocha;
        prijata_ = prijatelna && !plochaVetsi;
    } else {
        // An accepted problem stays as it was accepted; the curve values typed, stored as
        // they were left, remain in the problem.
        krivka_->dokonciUpravy(focusWidget());
    }
    setWindowTitle(titulekZadani_);
    zavira_ = true;
    QDialog::reject();
}

void FrmZadani::reject() {
    if (zavira_) {
        QDialog::reject();
        return;
    }
    cmdStornoClick();
}

void FrmZadani::nastavTitulekSouboru(const QString& cesta) {
    setWindowTitle(titulekZadani_ + QStringLiteral("- ") + QFileInfo(cesta).fileName());
}

void FrmZadani::cmdNactiCfgClick() {
    const std::int16_t j = nastaveni_.Jazyk;
    // What the dialog holds is lost by loading: unless it is what was last saved or opened,
    // or what the dialog opened with, the user is asked first.
    dokonciUpravy();
    PrevezmiZadani();
    const QString otisk = OtiskUlohy(uloha_);
    if (otisk != relace_.otiskUlozene && otisk != otiskPriOtevreni_) {
        switch (dialogy_.otazkaUlozit(Text(id::Zorvet, j), Text(id::NeulozenaUloha, j), j)) {
            case Volba::Ulozit:
                if (const std::optional<QString> cesta = UlozSDialogem(dialogy_, relace_, j, uloha_, nullptr)) {
                    nastavTitulekSouboru(*cesta);
                    break;
                }
                return;
            case Volba::Zahodit:
                break;
            case Volba::Zrusit:
                return;
        }
    }
    QString cesta;
    const std::unique_ptr<ObsahSouboru> obsah = OtevriSDialogem(dialogy_, relace_, j, false, uloha_, &cesta);
    if (!obsah) {
        return;
    }
    uloha_ = obsah->uloha;
    // The conductivity is no part of the file: the database gives it by the material's name.
    uloha_.Lambda = material_->vodivost(uloha_.NazevMaterialu);
    ZobrazZadani();
    nastavTitulekSouboru(cesta);
}

void FrmZadani::cmdUlozCfgClick() {
    const std::int16_t j = nastaveni_.Jazyk;
    dokonciUpravy();
    // The file holds what the fields show: an empty field is 0 there, and a text that is no
    // number is corrected first.
    std::optional<ChybaPole> chyba = PrevezmiZadani(true);
    // A curve the file cannot hold as it is would come back cut short.
    if (const std::optional<Zavada> krivka = ZkontrolujKrivku(uloha_); !chyba && krivka) {
        chyba = ChybaPole{poleVeliciny(*krivka), ZpravaZavady(*krivka, j)};
    }
    if (chyba) {
        ukazChybu(*chyba);
        return;
    }
    if (const std::optional<QString> cesta = UlozSDialogem(dialogy_, relace_, j, uloha_, nullptr)) {
        nastavTitulekSouboru(*cesta);
    }
}

}  // namespace zorvet
