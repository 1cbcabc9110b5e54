#include "ui/main_window/frm_zorvet.h"

#include <QAction>
#include <QComboBox>
#include <QCloseEvent>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/datova_slozka.h"
#include "files/jazyk.h"
#include "files/materialy.h"
#include "files/mereni_csv.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy.h"
#include "files/zpravy_vysledku.h"
#include "model/case/geometrie.h"
#include "model/conduction/jadro.h"
#include "model/planning/planovani.h"
#include "model/pipeline/vypocet.h"
#include "ui/main_window/frm_uvitani.h"
#include "ui/main_window/sloupce_mereni.h"
#include "ui/planning/frm_cil.h"
#include "ui/planning/frm_rozmitani.h"
#include "ui/common/navrh.h"
#include "ui/problem_dialog/frm_zadani.h"
#include "ui/common/kurzor.h"
#include "ui/views/pohled_grafu.h"
#include "ui/views/pohled_tabulky.h"
#include "ui/common/twipy.h"
#include "ui/common/ukladani.h"

namespace zorvet {

namespace {

constexpr int kSirkaPlochy = 9045;  // client area, twips
constexpr int kVyskaPlochy = 6150;
constexpr int kSirkaOtevreni = 1100;  // pixels the window opens at, where the screen has them
constexpr int kVyskaOtevreni = 740;

}  // namespace

FrmZorvet::FrmZorvet(Nastaveni& nastaveni, Dialogy& dialogy, QWidget* parent)
    : QMainWindow(parent), nastaveni_(nastaveni), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmZorvet"));
    vytvorMenu();

    auto* plocha = new QWidget(this);
    plocha->setObjectName(QStringLiteral("plocha"));
    setCentralWidget(plocha);
    tabulka_ = new PohledTabulky(dialogy_, plocha);
    graf_ = new PohledGrafu(dialogy_, plocha);
    tabulka_->hide();
    graf_->hide();
    cmdOK_ = new QPushButton(QStringLiteral("&OK"), plocha);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(Twipy(7200, 960, 1215, 495));
    // Enter on the focused button closes the view, as a click does.
    cmdOK_->setAutoDefault(true);
    cmdOK_->hide();
    connect(cmdOK_, &QPushButton::clicked, this, &FrmZorvet::ZavriPohled);
    // The window's cancel button: Esc closes the view while one is shown.
    zrusit_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    zrusit_->setEnabled(false);
    connect(zrusit_, &QShortcut::activated, cmdOK_, &QPushButton::click);
    // Tab runs through each view from left to right and top down.
    setTabOrder(tabulka_->ztraty(), cmdOK_);
    setTabOrder(cmdOK_, graf_->tisk());
    // The chart view grows with the window; OK keeps the column of its buttons.
    connect(graf_, &PohledGrafu::rozvrzeno, this, [this] {
        if (graf_->isVisible()) {
            cmdOK_->move(graf_->sloupecTlacitek(), NaPixely(960));
        }
    });
    connect(tabulka_, &PohledTabulky::rozvrzeno, this, &FrmZorvet::umistiOKTabulky);
    connect(graf_, &PohledGrafu::emisivitaPouzita, this, [this](const NavrzenaHodnota& hodnota) {
        ZavriPohled();
        pouzij(hodnota);
    });

    nastavVelikost();
    obnovPrikazy();
}

FrmZorvet::~FrmZorvet() = default;

void FrmZorvet::Nacti(bool sUvitanim) {
    // Files named without a folder (the material database, the emissivity tables) lie in
    // the data folder: the program's own, or the user's when the program may not write there.
    const DatovaSlozka slozka = NastavDatovouSlozku();
    relace_.datovaSlozka = slozka.cesta;
    Vycentruj(this);
    nastaveni_.Jazyk = NactiJazyk();
    if (sUvitanim) {
        FrmUvitani uvitani(nastaveni_.Jazyk);
        uvitani.exec();
    }
    NastavPopisy();
    // The menu bar's height is known once its menus have captions.
    nastavVelikost();
    Vycentruj(this);
    tabulka_->naplnZtraty();
    if (!slozka.chyba.isEmpty()) {
        // The program works on, with the shipped data read-only; the user learns why a
        // material saved later cannot be kept.
        dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, nastaveni_.Jazyk), slozka.chyba);
    }
}

void FrmZorvet::nastavVelikost() {
    // Never smaller than the design client area below the menu bar (when the menu bar vanishes
    // the client area grows); it opens larger, so that a load's table, its power frame and the
    // lines below it can be read, within the screen. The user's size is kept from then on.
    const QSize navrh(NaPixely(kSirkaPlochy), NaPixely(kVyskaPlochy) + menuBar()->sizeHint().height());
    setMinimumSize(navrh);
    QSize velikost(kSirkaOtevreni, kVyskaOtevreni);
    if (const QScreen* obrazovka = screen(); obrazovka != nullptr) {
        velikost = velikost.boundedTo(obrazovka->availableGeometry().size() * 0.9);
    }
    resize(velikost.expandedTo(navrh));
}

QSize FrmZorvet::vnejsiTwipy() const {
    // The outer size, frame and title bar included where the window system has them.
    const QSize vnejsi = frameGeometry().size();
    return {vnejsi.width() * kTwipu, vnejsi.height() * kTwipu};
}

void FrmZorvet::ukazTlacitkoOK() {
    zrusit_->setEnabled(true);
    cmdOK_->setDefault(true);
    cmdOK_->show();
    cmdOK_->raise();
    cmdOK_->setFocus();
}

void FrmZorvet::obnovTitulek() {
    const QString& soubor = sezeni_.souborOkna();
    setWindowTitle(soubor.isEmpty() ? titulek_ : titulek_ + QStringLiteral("- ") + soubor);
}

void FrmZorvet::ZobrazTabulku() {
    if (!menuAktivni(mnuVysledkyItem_[0])) {
        return;
    }
    KurzorCekani kurzor(dialogy_);
    SkryjMenu();
    tabulka_->zobraz(sezeni_.vysledek(), nastaveni_.Jazyk, vnejsiTwipy(), sezeni_.ztraty());
    ukazTlacitkoOK();
    umistiOKTabulky();
}

void FrmZorvet::umistiOKTabulky() {
    // The button keeps clear of the power frame and the lines below it.
    const QRect obsazeno = tabulka_->obsazeno();
    const QRect navrh = Twipy(7200, 960, 1215, 495);
    cmdOK_->move(std::max(navrh.left(), obsazeno.right() + NaPixely(120)), navrh.top());
    if (cmdOK_->geometry().right() >= width()) {
        cmdOK_->move(obsazeno.left(), obsazeno.bottom() + NaPixely(120));
    }
}

void FrmZorvet::ZobrazGraf() {
    if (!menuAktivni(mnuVysledkyItem_[1])) {
        return;
    }
    KurzorCekani kurzor(dialogy_);
    SkryjMenu();
    PodkladyZpravy podklady{sezeni_.vysledek(), nastaveni_.Jazyk, QDate::currentDate()};
    podklady.ztraty = sezeni_.ztraty();
    graf_->zobraz(podklady, vnejsiTwipy());
    ukazTlacitkoOK();
    cmdOK_->move(graf_->sloupecTlacitek(), NaPixely(960));
}

void FrmZorvet::ZavriPohled() {
    // The losses left in the power frame, when they are a whole percentage, are those the
    // result is printed and reported with from now on; others are not taken.
    const std::optional<std::int16_t> z = tabulka_->isVisible() ? tabulka_->platneZtraty() : std::nullopt;
    if (z) {
        sezeni_.nastavZtraty(*z);
    }
    graf_->hide();
    tabulka_->hide();
    cmdOK_->hide();
    cmdOK_->setDefault(false);
    zrusit_->setEnabled(false);
    ZobrazMenu();
}

bool FrmZorvet::ulozVysledky() {
    const std::shared_ptr<const Vysledek>& v = sezeni_.vysledek();
    const std::optional<Soubor> soubor = UlozSDialogem(dialogy_, relace_, nastaveni_.Jazyk, v->Uloha, v.get());
    if (!soubor) {
        return false;
    }
    sezeni_.vysledkyUlozeny(soubor->cesta, soubor->komentar);
    obnovTitulek();
    pamatuj(soubor->cesta);
    return true;
}

bool FrmZorvet::ulozUlohu() {
    const Jazyk j = nastaveni_.Jazyk;
    Uloha u;
    if (const std::optional<Zavada> zavada = formular().proUlozeni(&u)) {
        // The field is shown by the problem dialog; here the message says which one.
        dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j), ZpravaZavady(*zavada, formular().uloha(), j));
        return false;
    }
    const std::optional<Soubor> soubor = UlozSDialogem(dialogy_, relace_, j, u, nullptr);
    if (soubor) {
        sezeni_.ulohaUlozena(soubor->cesta, soubor->komentar, u);
        pamatuj(soubor->cesta);
    }
    return soubor.has_value();
}

bool FrmZorvet::smiZahodit() {
    const Jazyk j = nastaveni_.Jazyk;
    // One question for all that would be lost: results not saved, and what was typed into the
    // problem dialog since (accepted or not); the problem goes with results computed for it.
    const bool vysledky = sezeni_.vysledekNeulozen();
    const bool uloha = !(vysledky && sezeni_.vysledekFormulare()) && sezeni_.ulohaNeulozena();
    if (!vysledky && !uloha) {
        return true;
    }
    const int otazka = vysledky && uloha ? id::NeulozeneVysledkyAUloha
                       : uloha           ? id::NeulozenaUloha
                       : sezeni_.vysledekFormulare() ? id::NeulozeneVysledky
                                                     : id::NeulozeneStarsiVysledky;
    switch (dialogy_.otazkaUlozit(Text(id::Zorvet, j), Text(otazka, j), j)) {
        case Volba::Ulozit:
            return (!vysledky || ulozVysledky()) && (!uloha || ulozUlohu());
        case Volba::Zahodit:
            return true;
        case Volba::Zrusit:
            return false;
    }
    return false;
}

void FrmZorvet::closeEvent(QCloseEvent* udalost) {
    if (!smiZahodit()) {
        udalost->ignore();
        return;
    }
    udalost->accept();
}

void FrmZorvet::otevreno(const QString& cesta, const QString& komentar, ObsahSouboru& obsah) {
    const DatabazeMaterialu databaze = NactiMaterialy(relace_.datovaSlozka, nastaveni_.Jazyk);
    const auto lambda = databaze.Vodivosti.find(obsah.uloha.NazevMaterialu);
    sezeni_.otevreno(cesta, komentar, obsah, lambda != databaze.Vodivosti.end() ? lambda->second : 0.0f);
    obnovTitulek();
    obnovPrikazy();
    prevezmiPridane();
    pamatuj(cesta);
}

void FrmZorvet::Otevri() {
    if (!menuAktivni(mnuFileItem_[0]) || !smiZahodit()) {
        return;
    }
    std::optional<OtevrenySoubor> otevreny =
        OtevriSDialogem(dialogy_, relace_, nastaveni_.Jazyk, true, formular().uloha());
    if (otevreny) {
        otevreno(otevreny->soubor.cesta, otevreny->soubor.komentar, *otevreny->obsah);
    }
}

void FrmZorvet::OtevriSoubor(const QString& cesta) {
    PrecteniSouboru precteni = NactiSoubor(cesta, true, formular().uloha(), nastaveni_.Jazyk);
    if (!precteni.obsah && precteni.jenUloha) {
        // No results in it: a problem file, then.
        precteni = NactiSoubor(cesta, false, formular().uloha(), nastaveni_.Jazyk);
    }
    if (!precteni.obsah) {
        Ohlas(dialogy_, precteni.chyba);
        return;
    }
    const QString komentar = UkazKomentare(dialogy_, relace_, cesta, precteni.obsah->komentare, nastaveni_.Jazyk);
    if (precteni.obsah->vysledek) {
        otevreno(cesta, komentar, *precteni.obsah);
        return;
    }
    sezeni_.nactenaUloha(cesta, komentar, precteni.obsah->uloha);
    pamatuj(cesta);
    Zadani();
}

void FrmZorvet::Uloz() {
    if (menuAktivni(mnuFileItem_[1])) {
        ulozVysledky();
    }
}

void FrmZorvet::Konec() {
    if (menuAktivni(mnuFileItem_[3])) {
        close();
    }
}

void FrmZorvet::Zadani() {
    if (!menuAktivni(mnuUlohaItem_[0])) {
        return;
    }
    SkryjMenu();
    {
        FrmZadani zadani(formular(), sezeni_.lzeSpocitat(), relace_, nastaveni_, dialogy_, this);
        zadani.ukazVysledek(sezeni_.vysledek());
        const bool ok = zadani.exec() == QDialog::Accepted;
        if (zadani.prijata()) {
            sezeni_.prijmi(*zadani.prijata(), !ok);
            obnovTitulek();
        }
    }
    ZobrazMenu();
    obnovPrikazy();
}

void FrmZorvet::Vypocti() {
    if (!menuAktivni(mnuUlohaItem_[1])) {
        return;
    }
    KurzorCekani kurzor(dialogy_);
    const std::shared_ptr<const Vysledek> pred = sezeni_.vysledek();
    const std::optional<Chyba> chyba = sezeni_.spocti(nastaveni_.Jazyk);
    // The pointer is normal again before the message waits for the user.
    kurzor.uvolni();
    obnovPrikazy();
    const Jazyk j = nastaveni_.Jazyk;
    if (sezeni_.vysledek() == pred) {
        // The result shown before stays, and so do the menus.
        if (chyba) {
            Ohlas(dialogy_, *chyba);
        }
        return;
    }
    const Vysledek& v = *sezeni_.vysledek();
    // The decisive time leads; a core that was not reached says so in the lead.
    QString zprava = OdpovedVysledku(v, j);
    if (const QString varovani = VarovaniJadra(v, j); !varovani.isEmpty()) {
        zprava += QStringLiteral("\n\n") + varovani;
    }
    dialogy_.zprava(Ikona::Informace, TitulekKonecneTeploty(j), zprava);
    prevezmiPridane();
}

void FrmZorvet::prevezmiPridane() {
    // Results compared and a measured log were laid over the result before: they stay over the
    // new one only when the user says so (each is named by its file).
    if (graf_->pocetSrovnani() == 0 && !graf_->maMereni()) {
        return;
    }
    const Jazyk j = nastaveni_.Jazyk;
    if (!dialogy_.otazka(Text(id::Zorvet, j), Text(id::PonechatPridane, j))) {
        graf_->zrusPridane();
    }
    obnovPrikazy();
}

void FrmZorvet::pouzij(const NavrzenaHodnota& hodnota) {
    const Jazyk j = nastaveni_.Jazyk;
    if (const std::optional<Zavada> zavada = sezeni_.pouzij(hodnota.velicina, hodnota.hodnota, hodnota.text)) {
        dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j), ZpravaZavady(*zavada, formular().uloha(), j));
        return;
    }
    obnovTitulek();
    obnovPrikazy();
    dialogy_.zprava(Ikona::Informace, Text(id::Zorvet, j), Text(id::HodnotaPouzita, j).arg(hodnota.popis));
}

void FrmZorvet::Rozmitani() {
    if (!menuAktivni(mnuRozmitani_)) {
        return;
    }
    FrmRozmitani rozmitani(*sezeni_.prijata(), nastaveni_.Jazyk, dialogy_, this);
    rozmitani.exec();
}

void FrmZorvet::HledaniCile() {
    if (!menuAktivni(mnuCil_)) {
        return;
    }
    FrmCil cil(*sezeni_.prijata(), nastaveni_.Jazyk, dialogy_, this);
    if (cil.exec() == QDialog::Accepted && cil.pouzita()) {
        pouzij(*cil.pouzita());
    }
}

void FrmZorvet::PorovnejS() {
    if (!menuAktivni(mnuPorovnat_)) {
        return;
    }
    const Jazyk j = nastaveni_.Jazyk;
    const std::optional<QString> cesta = dialogy_.otevritSoubor(Text(id::FiltrVysledku, j), 2);
    if (!cesta) {
        return;
    }
    PrecteniSouboru precteni = NactiSoubor(*cesta, true, formular().uloha(), j);
    if (!precteni.obsah) {
        Ohlas(dialogy_, precteni.chyba);
        return;
    }
    graf_->pridejSrovnani(
        Srovnani{QFileInfo(*cesta).fileName(), DokonciNacteny(std::move(precteni.obsah->vysledek)), *cesta});
    obnovPrikazy();
    ZobrazGraf();
}

void FrmZorvet::ZrusPorovnani() {
    if (menuAktivni(mnuZrusPorovnani_)) {
        graf_->zrusPridane();
        obnovPrikazy();
    }
}

void FrmZorvet::ImportujMereni() {
    if (!menuAktivni(mnuMereni_)) {
        return;
    }
    const Jazyk j = nastaveni_.Jazyk;
    const std::optional<QString> cesta = dialogy_.otevritSoubor(Text(id::FiltrCsv, j), 2);
    if (!cesta) {
        return;
    }
    // A header of other names than the log's own: the user picks the columns, or cancels.
    const HlavickaMereni hlavicka = CtiHlavickuMereni(*cesta, j);
    std::optional<SloupceMereni> sloupce;
    if (hlavicka.chyba.text.isEmpty() && !hlavicka.podleNazvu && hlavicka.nazvy.size() >= 2) {
        FrmSloupceMereni volba(hlavicka.nazvy, QFileInfo(*cesta).fileName(), j, this);
        if (volba.exec() != QDialog::Accepted) {
            return;
        }
        sloupce = volba.sloupce();
    }
    // A log that cannot be used changes nothing; its fault names the line.
    CteniMereni mereni = NactiMereniCsv(*cesta, sezeni_.vysledek()->Uloha.Tv, j, sloupce);
    if (mereni.body.empty()) {
        Ohlas(dialogy_, mereni.chyba);
        return;
    }
    graf_->nastavMereni(std::move(mereni.body), QFileInfo(*cesta).fileName());
    obnovPrikazy();
    ZobrazGraf();
}

}  // namespace zorvet
