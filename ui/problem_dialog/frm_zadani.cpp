#include "ui/problem_dialog/frm_zadani.h"

#include <QLayout>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QPushButton>
#include <QShowEvent>
#include <QTabBar>
#include <QTabWidget>
#include <QVBoxLayout>

#include "files/retezce.h"
#include "files/zpravy.h"
#include "ui/common/twipy.h"
#include "ui/common/ukladani.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/zadani_hmotnost.h"
#include "ui/problem_dialog/zadani_krivka.h"
#include "ui/problem_dialog/zadani_material.h"
#include "ui/problem_dialog/zadani_pece.h"
#include "ui/problem_dialog/zadani_plochy.h"
#include "ui/problem_dialog/zadani_usporadani.h"

namespace zorvet {

FrmZadani::FrmZadani(Formular& formular, bool zadaniUplne, Relace& relace, const Nastaveni& nastaveni,
                     Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), formular_(formular), zadaniUplne_(zadaniUplne), relace_(relace), nastaveni_(nastaveni),
      dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmZadani"));
    setModal(true);
    auto* hlavni = new QVBoxLayout(this);
    TabStrip1 = named(new QTabWidget(this), "TabStrip1");
    // All nine tabs stay in sight: the dialog is as wide as their titles need.
    TabStrip1->tabBar()->setUsesScrollButtons(false);
    TabStrip1->tabBar()->setElideMode(Qt::ElideNone);
    hlavni->addWidget(TabStrip1, 1);

    // In the order the field table numbers them; the temperatures, the time step and the
    // furnace are their rows alone.
    auto* krivka = new ZadaniKrivky(formular_, 0);
    material_ = new ZadaniMaterialu(formular_, 2, dialogy_);
    usporadani_ = new ZadaniUsporadani(formular_, 5);
    pec_ = new ZadaniPece(formular_, 8, dialogy_);
    Zalozka* stranky[kPocetZalozek] = {krivka,
                                       Zalozka::zTabulky(formular_, 1),
                                       material_,
                                       new ZalozkaHmotnosti(formular_, 3),
                                       new ZadaniPloch(formular_, 4),
                                       usporadani_,
                                       Zalozka::zTabulky(formular_, 6),
                                       Zalozka::zTabulky(formular_, 7),
                                       pec_};
    for (int i = 0; i < kPocetZalozek; ++i) {
        frm1[i] = stranky[i];
        frm1[i]->setObjectName(QStringLiteral("frm1_%1").arg(i));
        TabStrip1->addTab(frm1[i], QString());
    }

    hlavni->addLayout(tlacitka());

    connect(TabStrip1, &QTabWidget::currentChanged, this, [this](int i) {
        if (i >= 0 && i < kPocetZalozek) {
            frm1[i]->vybrana();
        }
    });
    connect(&formular_, &Formular::zmeneno, this, &FrmZadani::obnov);
    // Without the preview of a controlled curve the dialog needs less room, nor without the
    // table of a user's property curve.
    connect(krivka, &ZadaniKrivky::rezimZmenen, this, &FrmZadani::prizpusob);
    connect(material_, &ZadaniMaterialu::tabulkaZmenena, this, &FrmZadani::prizpusob);

    // The load sequence: the first tab, the captions, the material database, the form.
    TabStrip1->setCurrentIndex(0);
    NastavPopisy();
    material_->NactiMaterialy(relace_.datovaSlozka, nastaveni_.Jazyk);
    pec_->NactiRefraktory(relace_.datovaSlozka, nastaveni_.Jazyk);
    setWindowTitle(titulekZadani_);
    obnov();
}

FrmZadani::~FrmZadani() {
    // The form outlives the dialog. A list that loses the focus while the dialog goes still tells
    // the form what it holds; the form must not show it in a dialog that is half gone.
    disconnect(&formular_, nullptr, this, nullptr);
}

QHBoxLayout* FrmZadani::tlacitka() {
    auto* tlacitka = new QHBoxLayout;
    cmdNactiCfg = named(new QPushButton(this), "cmdNactiCfg");
    cmdUlozCfg = named(new QPushButton(this), "cmdUlozCfg");
    cmdOK = named(new QPushButton(this), "cmdOK");
    cmdStorno = named(new QPushButton(this), "cmdStorno");
    for (QPushButton* b : {cmdNactiCfg, cmdUlozCfg, cmdOK, cmdStorno}) {
        b->setAutoDefault(false);
    }
    cmdOK->setDefault(true);
    tlacitka->addWidget(cmdNactiCfg);
    tlacitka->addWidget(cmdUlozCfg);
    tlacitka->addStretch(1);
    tlacitka->addWidget(cmdOK);
    tlacitka->addWidget(cmdStorno);
    connect(cmdOK, &QPushButton::clicked, this, &FrmZadani::cmdOKClick);
    connect(cmdStorno, &QPushButton::clicked, this, &FrmZadani::cmdStornoClick);
    connect(cmdNactiCfg, &QPushButton::clicked, this, &FrmZadani::cmdNactiCfgClick);
    connect(cmdUlozCfg, &QPushButton::clicked, this, &FrmZadani::cmdUlozCfgClick);
    return tlacitka;
}

void FrmZadani::prizpusob() {
    if (!isVisible()) {
        return;
    }
    // A control shown or hidden tells the layouts above it only through posted events: each
    // layout from the tab up to the dialog learns it now, so that the dialog takes the size of
    // what is in sight, smaller as well as larger.
    for (QWidget* w = TabStrip1->currentWidget(); w != nullptr; w = w->parentWidget()) {
        if (w->layout() != nullptr) {
            w->layout()->invalidate();
            w->layout()->activate();
        }
        w->updateGeometry();
        if (w == this) {
            break;
        }
    }
    adjustSize();
}

void FrmZadani::NastavPopisy() {
    const Jazyk j = nastaveni_.Jazyk;
    const int zalozky[kPocetZalozek] = {id::ZalozkaOhrev,  id::ZalozkaTeploty,      id::Material,
                                        id::ZalozkaHmotnost, id::ZalozkaPlochy,    id::ZalozkaUsporadani,
                                        id::ZalozkaKrok,     id::ZalozkaPec,        id::PecPopisek};
    for (int i = 0; i < kPocetZalozek; ++i) {
        TabStrip1->setTabText(i, Text(zalozky[i], j));
        frm1[i]->NastavPopisy(j);
    }
    // "&Setting" without its accelerator mark, and a blank for the file name to follow.
    titulekZadani_ = Text(id::MenuZadani, j).mid(1) + QLatin1Char(' ');
    cmdOK->setText(Text(id::Ok, j));
    cmdStorno->setText(Text(id::Storno, j));
    cmdNactiCfg->setText(Text(id::Nacti, j));
    cmdUlozCfg->setText(Text(id::Uloz, j));
}

void FrmZadani::ukazVysledek(std::shared_ptr<const Vysledek> vysledek) {
    usporadani_->nastavVysledek(std::move(vysledek));
}

void FrmZadani::obnov() {
    for (Zalozka* z : frm1) {
        z->obnov();
    }
}

void FrmZadani::showEvent(QShowEvent* udalost) {
    QDialog::showEvent(udalost);
    if (!udalost->spontaneous()) {
        Vycentruj(this);
    }
}

void FrmZadani::ukazChybu(const Zavada& zavada) {
    const Jazyk j = nastaveni_.Jazyk;
    if (zavada.vada == Vada::VadnaKrivka) {
        // The material tab names the row and the column of the curve.
        TabStrip1->setCurrentWidget(material_);
        if (material_->ukazChybuKrivky()) {
            return;
        }
    }
    // A field left empty is the incomplete setting, in its own words; the field is in focus below.
    dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j),
                    zavada.vada == Vada::ChybiHodnota ? Text(id::NeuplneZadani, j) : ZpravaZavady(zavada, formular_.uloha(), j));
    // The furnace's description, on its tab.
    if (zavada.velicina == Velicina::PopisPece) {
        TabStrip1->setCurrentWidget(pec_);
        pec_->ukazZavadu(zavada.pec);
        return;
    }
    // The field, on its tab; a value of the curve in its segment.
    const PopisPole& pole = Pole(zavada.velicina);
    const char* ovladac = pole.ovladac;
    if (zavada.velicina == Velicina::TeplotaKrivky) {
        formular_.vyberUsek(std::max(zavada.bod, 1));
        ovladac = zavada.bod == 0 ? "txtPocTep" : "txtKonTep";
    } else if (zavada.velicina == Velicina::DobaVydrze) {
        formular_.vyberUsek(zavada.bod + 1);
    }
    TabStrip1->setCurrentIndex(pole.zalozka);
    if (auto* w = findChild<QWidget*>(QLatin1String(ovladac))) {
        w->setFocus(Qt::OtherFocusReason);
    }
}

void FrmZadani::cmdOKClick() {
    if (const std::optional<Zavada> zavada = formular_.zkontroluj(Pravidlo::Ok)) {
        zadaniUplne_ = false;
        ukazChybu(*zavada);
        return;
    }
    zadaniUplne_ = true;
    prijata_ = formular_.uloha();
    setWindowTitle(titulekZadani_);
    zavira_ = true;
    QDialog::accept();
}

void FrmZadani::cmdStornoClick() {
    // Cancel shows no message, and what was typed stays in the form. A problem accepted before
    // stays the one Computing computes; otherwise a problem that passes every check is taken.
    if (!zadaniUplne_ && !formular_.zkontroluj(Pravidlo::Storno)) {
        prijata_ = formular_.uloha();
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
    const Jazyk j = nastaveni_.Jazyk;
    // What the form holds is lost by loading: unless a file holds it, or it is the empty form of
    // a new problem, the user is asked first (whether or not it was accepted).
    if (formular_.neulozena()) {
        switch (dialogy_.otazkaUlozit(Text(id::Zorvet, j), Text(id::NeulozenaUloha, j), j)) {
            case Volba::Ulozit:
                cmdUlozCfgClick();
                if (formular_.otisk() != formular_.puvod.otisk) {
                    return;  // not saved: nothing is lost
                }
                break;
            case Volba::Zahodit:
                break;
            case Volba::Zrusit:
                return;
        }
    }
    std::optional<OtevrenySoubor> otevreny = OtevriSDialogem(dialogy_, relace_, j, false, formular_.uloha());
    if (!otevreny) {
        return;
    }
    Uloha u = otevreny->obsah->uloha;
    // A file of the documented form holds no conductivity: the database gives it by the
    // material's name.
    if (!otevreny->obsah->rozsirene) {
        u.Lambda = material_->vodivost(u.NazevMaterialu);
    }
    formular_.nastav(u);
    formular_.puvod = PuvodZeSouboru(otevreny->soubor, otevreny->obsah->uloha);
    nastavTitulekSouboru(otevreny->soubor.cesta);
}

void FrmZadani::cmdUlozCfgClick() {
    // The file holds what the fields show: an empty field is 0 there, and a text that is no
    // number is corrected first.
    Uloha u;
    if (const std::optional<Zavada> zavada = formular_.proUlozeni(&u)) {
        ukazChybu(*zavada);
        return;
    }
    if (const std::optional<Soubor> soubor = UlozSDialogem(dialogy_, relace_, nastaveni_.Jazyk, u, nullptr)) {
        formular_.puvod = PuvodZeSouboru(*soubor, u);
        nastavTitulekSouboru(soubor->cesta);
    }
}

}  // namespace zorvet
