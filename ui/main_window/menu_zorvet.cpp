// The main window's menus: the items, their captions in the language chosen, which are
// enabled, the menu bar hidden while a view or the problem dialog is shown, and the commands
// of the Settings and Help menus.
#include <QAction>
#include <QCoreApplication>
#include <QDialog>
#include <QMenu>
#include <QMenuBar>

#include "files/cteni_souboru.h"
#include "files/jazyk.h"
#include "files/retezce.h"
#include "model/planning/planovani.h"
#include "ui/main_window/frm_zorvet.h"
#include "ui/main_window/frm_uvitani.h"
#include "ui/main_window/napoveda.h"
#include "ui/views/pohled_grafu.h"
#include "ui/views/pohled_tabulky.h"

namespace zorvet {

QAction* FrmZorvet::polozka(QMenu* menu, const char* pole, int index, void (FrmZorvet::*prikaz)()) {
    auto* a = new QAction(menu);
    a->setObjectName(QLatin1String(pole));
    // Items of one menu form an indexed array, as the menu's documentation names them.
    a->setProperty("Index", index);
    menu->addAction(a);
    if (prikaz != nullptr) {
        connect(a, &QAction::triggered, this, prikaz);
    }
    return a;
}

void FrmZorvet::vytvorMenu() {
    QMenuBar* lista = menuBar();
    lista->setNativeMenuBar(false);

    mnuFile_ = lista->addMenu(QString());
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFileItem_[0] = polozka(mnuFile_, "mnuFileItem", 0, &FrmZorvet::Otevri);
    mnuFileItem_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileItem_[1] = polozka(mnuFile_, "mnuFileItem", 1, &FrmZorvet::Uloz);
    mnuFileItem_[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileItem_[2] = polozka(mnuFile_, "mnuFileItem", 2, nullptr);
    mnuFileItem_[2]->setSeparator(true);
    mnuFileItem_[3] = polozka(mnuFile_, "mnuFileItem", 3, &FrmZorvet::Konec);
    // Sweep goes above the separator, with the commands on files.
    mnuRozmitani_ = polozka(mnuFile_, "mnuRozmitani", 0, &FrmZorvet::Rozmitani);
    mnuFile_->removeAction(mnuRozmitani_);
    mnuFile_->insertAction(mnuFileItem_[2], mnuRozmitani_);
    // The recent files after the documented items.
    mnuNedavneOddelovac_ = mnuFile_->addSeparator();
    for (int i = 0; i < kNejviceNedavnych; ++i) {
        mnuNedavny_[static_cast<std::size_t>(i)] = polozka(mnuFile_, "mnuNedavny", i, nullptr);
        connect(mnuNedavny_[static_cast<std::size_t>(i)], &QAction::triggered, this, [this, i] { OtevriNedavny(i); });
    }
    connect(mnuFile_, &QMenu::aboutToShow, this, &FrmZorvet::obnovNedavne);
    obnovNedavne();

    mnuUloha_ = lista->addMenu(QString());
    mnuUloha_->setObjectName(QStringLiteral("mnuUloha"));
    mnuUlohaItem_[0] = polozka(mnuUloha_, "mnuUlohaItem", 0, &FrmZorvet::Zadani);
    mnuUlohaItem_[0]->setShortcut(QKeySequence(Qt::Key_F3));
    mnuUlohaItem_[1] = polozka(mnuUloha_, "mnuUlohaItem", 1, &FrmZorvet::Vypocti);
    mnuUlohaItem_[1]->setShortcut(QKeySequence(Qt::Key_F5));
    mnuCil_ = polozka(mnuUloha_, "mnuCil", 0, &FrmZorvet::HledaniCile);

    mnuVysledky_ = lista->addMenu(QString());
    mnuVysledky_->setObjectName(QStringLiteral("mnuVysledky"));
    mnuVysledkyItem_[0] = polozka(mnuVysledky_, "mnuVysledkyItem", 0, &FrmZorvet::ZobrazTabulku);
    mnuVysledkyItem_[0]->setShortcut(QKeySequence(Qt::Key_F8));
    mnuVysledkyItem_[1] = polozka(mnuVysledky_, "mnuVysledkyItem", 1, &FrmZorvet::ZobrazGraf);
    mnuVysledkyItem_[1]->setShortcut(QKeySequence(Qt::Key_F9));
    mnuVysledky_->addSeparator();
    mnuPorovnat_ = polozka(mnuVysledky_, "mnuPorovnat", 0, &FrmZorvet::PorovnejS);
    mnuMereni_ = polozka(mnuVysledky_, "mnuMereni", 0, &FrmZorvet::ImportujMereni);
    mnuZrusPorovnani_ = polozka(mnuVysledky_, "mnuZrusPorovnani", 0, &FrmZorvet::ZrusPorovnani);

    mnuNastaveni_ = lista->addMenu(QString());
    mnuNastaveni_->setObjectName(QStringLiteral("mnuNastaveni"));
    mnuJazyk_ = new QMenu(mnuNastaveni_);
    mnuJazyk_->setObjectName(QStringLiteral("mnuJazyk"));
    mnuNastaveniItem_[0] = mnuJazyk_->menuAction();
    mnuNastaveniItem_[0]->setObjectName(QStringLiteral("mnuNastaveniItem"));
    mnuNastaveniItem_[0]->setProperty("Index", 0);
    mnuNastaveni_->addAction(mnuNastaveniItem_[0]);
    mnuJazykItem_[0] = polozka(mnuJazyk_, "mnuJazykItem", 0, nullptr);
    mnuJazykItem_[1] = polozka(mnuJazyk_, "mnuJazykItem", 1, nullptr);
    connect(mnuJazykItem_[0], &QAction::triggered, this, [this] { ZmenJazyk(Jazyk::Anglicky); });
    connect(mnuJazykItem_[1], &QAction::triggered, this, [this] { ZmenJazyk(Jazyk::Cesky); });
    for (QAction* a : mnuJazykItem_) {
        a->setCheckable(true);
    }
    mnuNastaveniItem_[1] = polozka(mnuNastaveni_, "mnuNastaveniItem", 1, &FrmZorvet::UlozNastaveni);

    mnuNapoveda_ = lista->addMenu(QString());
    mnuNapoveda_->setObjectName(QStringLiteral("mnuNapoveda"));
    mnuPrirucka_ = polozka(mnuNapoveda_, "mnuPrirucka", 0, &FrmZorvet::Prirucka);
    mnuPrirucka_->setShortcut(QKeySequence::HelpContents);
    mnuLicence_ = polozka(mnuNapoveda_, "mnuLicence", 0, &FrmZorvet::Licence);
    mnuNapoveda_->addSeparator();
    mnuNapovedaItem1_ = polozka(mnuNapoveda_, "mnuNapovedaItem", 1, &FrmZorvet::OProgramu);
}

void FrmZorvet::obnovPrikazy() {
    mnuFileItem_[1]->setEnabled(sezeni_.lzeUlozitVysledky());
    mnuUlohaItem_[1]->setEnabled(sezeni_.lzeSpocitat());
    mnuVysledky_->menuAction()->setEnabled(sezeni_.vysledkyPristupne());
    mnuRozmitani_->setEnabled(sezeni_.lzeSpocitat());
    mnuCil_->setEnabled(sezeni_.lzeSpocitat());
    mnuPorovnat_->setEnabled(graf_->pocetSrovnani() + 1 < kNejvicVysledku);
    mnuZrusPorovnani_->setEnabled(graf_->pocetSrovnani() > 0 || graf_->maMereni());
}

bool FrmZorvet::menuAktivni(const QAction* polozka) const {
    const auto* menu = qobject_cast<const QMenu*>(polozka->parent());
    return menuZobrazeno_ && polozka->isEnabled() && (menu == nullptr || menu->menuAction()->isEnabled());
}

void FrmZorvet::NastavPopisy() {
    const Jazyk j = nastaveni_.Jazyk;
    titulek_ = Text(id::NazevProgramu, j) + QLatin1Char(' ');
    // The file the caption names stays in it.
    obnovTitulek();

    mnuFile_->setTitle(Text(id::MenuSoubor, j));
    mnuFileItem_[0]->setText(Text(id::MenuOtevrit, j));
    mnuFileItem_[1]->setText(Text(id::MenuUlozit, j));
    mnuFileItem_[3]->setText(Text(id::MenuKonec, j));
    mnuRozmitani_->setText(Text(id::MenuRozmitani, j));
    mnuUloha_->setTitle(Text(id::MenuUloha, j));
    mnuUlohaItem_[0]->setText(Text(id::MenuZadani, j));
    mnuUlohaItem_[1]->setText(Text(id::MenuVypocet, j));
    mnuCil_->setText(Text(id::MenuCil, j));
    mnuVysledky_->setTitle(Text(id::MenuVysledky, j));
    mnuVysledkyItem_[0]->setText(Text(id::MenuTabulka, j));
    mnuVysledkyItem_[1]->setText(Text(id::MenuGraf, j));
    mnuPorovnat_->setText(Text(id::MenuPorovnat, j));
    mnuMereni_->setText(Text(id::MenuMereni, j));
    mnuZrusPorovnani_->setText(Text(id::MenuZrusPorovnani, j));
    mnuNastaveni_->setTitle(Text(id::MenuNastaveni, j));
    mnuJazyk_->setTitle(Text(id::MenuJazyk, j));
    mnuJazykItem_[0]->setText(Text(id::MenuAnglicky, j));
    mnuJazykItem_[1]->setText(Text(id::MenuCesky, j));
    mnuNastaveniItem_[1]->setText(Text(id::MenuUlozNastaveni, j));
    mnuNapoveda_->setTitle(Text(id::MenuNapoveda, j));
    mnuPrirucka_->setText(Text(id::MenuPrirucka, j));
    mnuLicence_->setText(Text(id::MenuLicence, j));
    mnuNapovedaItem1_->setText(Text(id::MenuOProgramu, j));
    tabulka_->NastavPopisy(j);

    mnuJazykItem_[0]->setChecked(j == Jazyk::Anglicky);
    mnuJazykItem_[1]->setChecked(j != Jazyk::Anglicky);
}

void FrmZorvet::SkryjMenu() {
    for (QMenu* m : {mnuFile_, mnuUloha_, mnuVysledky_, mnuNastaveni_, mnuNapoveda_}) {
        m->menuAction()->setVisible(false);
    }
    // A hidden menu bar takes the shortcuts of every item with it.
    menuBar()->hide();
    menuZobrazeno_ = false;
}

void FrmZorvet::ZobrazMenu() {
    for (QMenu* m : {mnuFile_, mnuUloha_, mnuVysledky_, mnuNastaveni_, mnuNapoveda_}) {
        m->menuAction()->setVisible(true);
    }
    menuBar()->show();
    menuZobrazeno_ = true;
}

void FrmZorvet::ZmenJazyk(Jazyk jazyk) {
    if (menuZobrazeno_ && jazyk != nastaveni_.Jazyk) {
        nastaveni_.Jazyk = jazyk;
        NastavPopisy();
        return;
    }
    // Picking the language already chosen changes nothing; the click must not untick it.
    mnuJazykItem_[0]->setChecked(nastaveni_.Jazyk == Jazyk::Anglicky);
    mnuJazykItem_[1]->setChecked(nastaveni_.Jazyk != Jazyk::Anglicky);
}

void FrmZorvet::UlozNastaveni() {
    if (menuAktivni(mnuNastaveniItem_[1])) {
        UlozJazyk(nastaveni_.Jazyk);
    }
}

void FrmZorvet::OProgramu() {
    if (!menuAktivni(mnuNapovedaItem1_)) {
        return;
    }
    // The splash again, without its timer: it stays until it is clicked or Esc is pressed.
    FrmUvitani uvitani(nastaveni_.Jazyk, this);
    uvitani.vypniCasovac();
    uvitani.exec();
}

void FrmZorvet::Licence() {
    if (!menuAktivni(mnuLicence_)) {
        return;
    }
    FrmOProgramu licence(nastaveni_.Jazyk, this);
    licence.exec();
}

void FrmZorvet::Prirucka() {
    if (!menuAktivni(mnuPrirucka_)) {
        return;
    }
    const Jazyk j = nastaveni_.Jazyk;
    const QString slozka = QCoreApplication::applicationDirPath();
    const QString prirucka = NajdiPrirucku(slozka, j);
    if (prirucka.isEmpty()) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, j),
                        Text(id::PriruckaChybi, j) + QLatin1Char('\n') + MistaPrirucky(slozka).join(QLatin1Char('\n')));
        return;
    }
    const CelySoubor text = NactiCelySoubor(prirucka, kNejvetsiPrirucka, j);
    if (!text.precten()) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j), ZpravaSouboru(prirucka, text.chyba));
        return;
    }
    auto* okno = new FrmPrirucka(prirucka, QString::fromUtf8(text.bajty), j, this);
    okno->show();
}

}  // namespace zorvet
