#include "ui/frm_zadani.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QCursor>
#include <QEvent>
#include <QFileInfo>
#include <QFocusEvent>
#include <QFont>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTabWidget>
#include <QTimer>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <optional>

#include "files/cisla.h"
#include "files/materialy.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "model/geometrie.h"
#include "model/vypocet.h"
#include "ui/graf.h"
#include "ui/nacrt_profilu.h"

namespace zorvet {

namespace {

// Field texts are read in the user's number format. Text that is not a finite number
// gives no value; the callers then keep what the record holds.
std::optional<float> naSingle(const QString& text) {
    bool ok = false;
    const float x = QLocale().toFloat(text, &ok);
    if (!ok || !std::isfinite(x)) {
        return std::nullopt;
    }
    return x;
}

// A 16-bit count: the number rounded to the nearest integer, halves to the even one.
std::optional<std::int16_t> naInteger(const QString& text) {
    bool ok = false;
    const double x = QLocale().toDouble(text, &ok);
    if (!ok || !std::isfinite(x)) {
        return std::nullopt;
    }
    const double r = std::nearbyint(x);
    if (r < -32768.0 || r > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(r);
}

// The leading number of a text with the point as separator; 0 when there is none. Used
// where the number of pieces only sizes the face-count lists.
double ciselnyZacatek(const QString& text) {
    static const QRegularExpression cislo(
        QStringLiteral(R"(^\s*[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?)"));
    const auto shoda = cislo.match(text);
    if (!shoda.hasMatch()) {
        return 0.0;
    }
    return shoda.captured(0).trimmed().toDouble();
}

// The mass as mantissa with two decimals and a signed two-digit exponent: 7.85E+02.
QString vedeckyTvar(float x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2E", static_cast<double>(x));
    QString text = QString::fromLatin1(buf);
    text.replace(QLatin1Char('.'), OddelovacLokalu());
    return text;
}

// Rounding to 3 decimals, halves to even, for the surface check of OK.
double naTriMista(float x) { return std::nearbyint(static_cast<double>(x) * 1000.0) / 1000.0; }

bool viditelny(const QWidget* w) { return !w->isHidden(); }

// Shows a text in an editable list. The entry of the same text becomes the current one:
// a list whose text matches an entry other than its current one reports that entry as
// picked when the field is left, which must not happen for a text set here.
void ukazText(QComboBox* seznam, const QString& text) {
    const int index = seznam->findText(text);
    seznam->setCurrentIndex(index);
    if (index < 0) {
        seznam->setEditText(text);
    }
}

// Fills a face-count list with "0" up to the bound, keeping the text shown. The counts
// are 16-bit integers, so no list runs past 32767.
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

}  // namespace

FrmZadani::FrmZadani(Stav& stav, Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), stav_(stav), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmZadani"));
    setModal(true);
    sestavOkno();
    // Sized for every control shown, so that no later choice squeezes a tab.
    ensurePolished();
    const QSize plna = sizeHint();
    propojUdalosti();
    nacteni();
    resize(plna.expandedTo(sizeHint()));
}

void FrmZadani::propojUdalosti() {
    connect(TabStrip1, &QTabWidget::currentChanged, this, &FrmZadani::vybranaZalozka);

    // An option's handling runs when it becomes selected, by the user or from code, and
    // not when the selected one is chosen again; the load sequence and the refill after a
    // file was read rely on that. The lists below behave the same way.
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
    connect(optProfilK, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            profilVybran("K");
        }
    });
    connect(optProfilC, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            profilVybran("C");
        }
    });
    connect(optProfilO, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            profilVybran("O");
        }
    });
    connect(optNerizenyO, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            nerizenyVybran();
        }
    });
    connect(optRizeny, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            rizenyVybran();
        }
    });
    connect(cboPocetKrivek, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            pocetKrivekVybran();
        }
    });
    connect(cboUsekC, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            usekVybran();
        }
    });

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
    for (QLineEdit* pole : {txtPocTep, txtKonTep, txtDobaVydrze}) {
        pole->installEventFilter(this);
    }
    lblEps->installEventFilter(this);
    connect(tmrHelp, &QTimer::timeout, this, [this] {
        unsetCursor();
        tmrHelp->stop();
    });

    connect(cboMaterial, &QComboBox::activated, this, &FrmZadani::cboMaterialClick);
    connect(cmdUlozMaterial, &QPushButton::clicked, this, &FrmZadani::cmdUlozMaterialClick);
    connect(cmdOK, &QPushButton::clicked, this, &FrmZadani::cmdOKClick);
    connect(cmdStorno, &QPushButton::clicked, this, &FrmZadani::cmdStornoClick);
    connect(cmdNactiCfg, &QPushButton::clicked, this, &FrmZadani::cmdNactiCfgClick);
    connect(cmdUlozCfg, &QPushButton::clicked, this, &FrmZadani::cmdUlozCfgClick);
}

// ---------------------------------------------------------------- load sequence

void FrmZadani::nacteni() {
    TabStrip1->setCurrentIndex(0);

    // The lists start without a selection: the regime handlers tell "nothing chosen yet".
    {
        const bool b1 = cboPocetKrivek->blockSignals(true);
        const bool b2 = cboUsekC->blockSignals(true);
        for (int i = 2; i <= kMaxUseku; ++i) {
            cboPocetKrivek->addItem(QString::number(i));
        }
        cboUsekC->addItems({QStringLiteral("1"), QStringLiteral("2")});
        cboPocetKrivek->setCurrentIndex(-1);
        cboUsekC->setCurrentIndex(-1);
        cboPocetKrivek->blockSignals(b1);
        cboUsekC->blockSignals(b2);
    }

    // Design state before anything is filled.
    txtKoefK->setText(QStringLiteral("1"));
    txtPocetProfilu->setText(QStringLiteral("1"));
    txtm->setEnabled(false);
    for (QWidget* w : std::initializer_list<QWidget*>{frmProfil, frmRozmery, nacrt_->lblA1, nacrt_->lblB1,
                                                       nacrt_->lblL1, nacrt_->ShpNarys, nacrt_->ShpPudorys, lblAB,
                                                       cboAB, lblAL, cboAL, lblBL, cboBL, FlpGrf1}) {
        w->hide();
    }
    zmeneno_ = false;

    NastavPopisy();
    NastavGrafKrivky();

    NactiMaterialy(stav_);
    for (int i = 0; i < PocetZaznamu(stav_); ++i) {
        cboMaterial->addItem(QString::fromStdString(stav_.Materialy[static_cast<std::size_t>(i)].Nazev));
    }
    cboMaterial->setCurrentIndex(-1);
    cboMaterial->setEditText(QString());

    setWindowTitle(titulekZadani_);

    if (!stav_.Uloha.ZadaniHmotnosti.empty()) {
        ZobrazZadani();
    }
    if (stav_.Uloha.Rizeny) {
        // A controlled problem whose mass mode was never chosen is shown controlled too.
        optRizeny->setChecked(true);
        if (stav_.Uloha.PocetKrivek != 0) {
            zobrazPocetKrivek(stav_.Uloha.PocetKrivek);
        } else if (cboPocetKrivek->currentIndex() < 0) {
            cboPocetKrivek->setCurrentIndex(0);
        }
        cboUsekC->setCurrentIndex(0);
    } else {
        optNerizenyO->setChecked(true);
    }

    lblEps->setToolTip(QString::fromStdString(stav_.TabulkaEps));
}

void FrmZadani::NastavPopisy() {
    const std::int16_t j = stav_.Jazyk;
    const int zalozky[6] = {35, 43, 46, 52, 62, 68};
    for (int i = 0; i < 6; ++i) {
        TabStrip1->setTabText(i, Text(zalozky[i], j));
    }

    // "&Setting" without its accelerator mark, and a blank for the file name to follow.
    titulekZadani_ = Text(19, j).mid(1) + QLatin1Char(' ');

    cmdOK->setText(Text(31, j));
    cmdStorno->setText(Text(32, j));
    cmdNactiCfg->setText(Text(33, j));
    cmdUlozCfg->setText(Text(34, j));
    optNerizenyO->setText(Text(36, j));
    optRizeny->setText(Text(37, j));
    lblPocetKrivek->setText(Text(38, j));
    lblUsekC->setText(Text(39, j));
    lblPocTep->setText(Text(40, j));
    tagPocTep_ = lblPocTep->text() + QLatin1Char(' ');
    lblKonTep->setText(Text(41, j));
    tagKonTep_ = lblKonTep->text() + QLatin1Char(' ');
    lblDobaVydrze->setText(Text(42, j));
    lblTpece->setText(Text(75, j));
    lblTv->setText(Text(44, j));
    lblTk->setText(Text(45, j));
    lblDruh->setText(Text(47, j));
    lblGama->setText(Text(48, j));
    lblc->setText(Text(49, j));
    lblEps->setText(Text(50, j));
    cmdUlozMaterial->setText(Text(51, j));
    optMza->setText(Text(53, j));
    optMvy->setText(Text(54, j));
    lblm->setText(Text(55, j));
    frmProfil->setTitle(Text(56, j));
    optProfilK->setText(Text(57, j));
    optProfilC->setText(Text(58, j));
    optProfilO->setText(Text(59, j));
    lblPocetProfilu->setText(Text(60, j));
    frmRozmery->setTitle(Text(61, j));
    lblA->setText(Text(63, j));
    lblCelkoveA->setText(Text(64, j));
    lblAB->setText(Text(65, j));
    lblAL->setText(Text(66, j));
    lblBL->setText(Text(67, j));
    lblCasKrok->setText(Text(69, j));
    // The same caption in both languages; only its tooltip is translated.
    lblKoefK->setText(QStringLiteral("Korekční koe&ficient     [-]"));
    lblKoefK->setToolTip(Text(148, j));
    lblA2->setText(QStringLiteral("&A"));
}

void FrmZadani::NastavGrafKrivky() {
    const std::int16_t j = stav_.Jazyk;
    FlpGrf1->nastavPismo(QFont(QStringLiteral("Arial"), 8));
    FlpGrf1->nastavPopisOsyX(Text(72, j));
    FlpGrf1->nastavPopisOsyY(Text(71, j));
    FlpGrf1->nastavTitulek(Text(76, j) + QString(10, QLatin1Char(' ')));
    FlpGrf1->nastavZnacky(true);
}

void FrmZadani::showEvent(QShowEvent* udalost) {
    QDialog::showEvent(udalost);
    if (!udalost->spontaneous()) {
        const QScreen* obrazovka = screen();
        if (obrazovka != nullptr) {
            const QRect plocha = obrazovka->availableGeometry();
            const QSize velikost = frameGeometry().size();
            move(plocha.left() + (plocha.width() - velikost.width()) / 2,
                 plocha.top() + (plocha.height() - velikost.height()) / 2);
        }
    }
}

void FrmZadani::vybranaZalozka(int index) {
    switch (index + 1) {
        case 2:
            (optNerizenyO->isChecked() ? txtTpece : txtTv)->setFocus(Qt::TabFocusReason);
            break;
        case 3:
            cboMaterial->setFocus(Qt::TabFocusReason);
            break;
        case 4:
            if (txtm->isEnabled()) {
                txtm->setFocus(Qt::TabFocusReason);
            }
            break;
        case 5:
            ObnovPlochy();
            txtA->setFocus(Qt::TabFocusReason);
            break;
        case 6:
            txtCasKrok->setFocus(Qt::TabFocusReason);
            break;
        default:
            break;
    }
}

// ---------------------------------------------------------------- events

bool FrmZadani::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == lblEps && udalost->type() == QEvent::MouseMove) {
        // The question-mark pointer stays while the mouse moves over the label and
        // goes one second after the last movement.
        if (cursor().shape() != Qt::WhatsThisCursor) {
            setCursor(Qt::WhatsThisCursor);
        }
        tmrHelp->start();
        return false;
    }
    if (udalost->type() != QEvent::FocusIn && udalost->type() != QEvent::FocusOut) {
        return QDialog::eventFilter(objekt, udalost);
    }
    // Opening a list's popup or a context menu, or switching to another window, does
    // not leave the field.
    const Qt::FocusReason duvod = static_cast<QFocusEvent*>(udalost)->reason();
    if (duvod == Qt::PopupFocusReason || duvod == Qt::ActiveWindowFocusReason) {
        return QDialog::eventFilter(objekt, udalost);
    }
    auto* w = qobject_cast<QWidget*>(objekt);
    const bool krivka = objekt == txtPocTep || objekt == txtKonTep || objekt == txtDobaVydrze;
    if (udalost->type() == QEvent::FocusIn) {
        if (!krivka) {
            zmeneno_ = false;
        }
    } else if (krivka) {
        krivkaOpustena(static_cast<QLineEdit*>(w));
    } else {
        geometrieOpustena(w);
    }
    return QDialog::eventFilter(objekt, udalost);
}

// ---------------------------------------------------------------- mass and profile

void FrmZadani::optMzaClick() {
    if (!txtm->isEnabled()) {
        ZobrazRozmery(false);
        PovolHmotnost(true);
        stav_.Uloha.ZadaniHmotnosti = "Z";
    }
}

void FrmZadani::optMvyClick() {
    if (!viditelny(frmProfil)) {
        PovolHmotnost(false);
        ZobrazRozmery(true);
        stav_.Uloha.ZadaniHmotnosti = "V";
    }
}

void FrmZadani::PovolHmotnost(bool povolit) { txtm->setEnabled(povolit); }

void FrmZadani::vyberProfil(const std::string& profil) {
    if (profil == "K") {
        optProfilK->setChecked(true);
    } else if (profil == "C") {
        optProfilC->setChecked(true);
    } else if (profil == "O") {
        optProfilO->setChecked(true);
    }
}

void FrmZadani::ZobrazRozmery(bool zobrazit) {
    vyberProfil(stav_.Uloha.Profil);
    if (zobrazit && skupinaProfil_->checkedButton() == nullptr) {
        // The rectangular bar is the default profile.
        optProfilO->setChecked(true);
    }
    for (QWidget* w : std::initializer_list<QWidget*>{nacrt_->lblL1, nacrt_->lblA1, nacrt_->ShpNarys,
                                                       nacrt_->ShpPudorys, frmProfil, frmRozmery}) {
        w->setVisible(zobrazit);
    }
    // The letter B belongs to the rectangular cross-section only.
    nacrt_->lblB1->setVisible(zobrazit && optProfilO->isChecked());
    if (zobrazit) {
        for (QWidget* w : std::initializer_list<QWidget*>{lblCelkoveA, lblCelkoveAH, lblAB, cboAB, lblAL, cboAL}) {
            w->show();
        }
        lblBL->setVisible(optProfilO->isChecked());
        cboBL->setVisible(optProfilO->isChecked());
    } else {
        for (QWidget* w : std::initializer_list<QWidget*>{lblCelkoveA, lblCelkoveAH, lblAB, cboAB, lblAL, cboAL,
                                                           lblBL, cboBL}) {
            w->hide();
        }
    }
}

void FrmZadani::profilVybran(const char* profil) {
    SmazPoctyPloch();
    stav_.Uloha.Profil = profil;
    if (stav_.Uloha.Profil == "K") {
        NastavProfilK();
    } else if (stav_.Uloha.Profil == "C") {
        NastavProfilC();
    } else {
        NastavProfilO();
    }
    // While a file or the record is being put into the fields, the mass is the one read.
    if (!stav_.NacitaniSouboru && !plneniZadani_) {
        prepocitejHmotnost();
    }
    ZobrazHmotnost();
}

void FrmZadani::NastavProfilK() {
    nacrt_->ShpPudorys->nastavDruh(TvarProfilu::Druh::Kruh);
    nacrt_->lblA1->setText(QStringLiteral("D"));
    lblA2->setText(QStringLiteral("&D"));
    nacrt_->lblB1->hide();
    lblB2->hide();
    txtB2->hide();
}

void FrmZadani::NastavProfilC() {
    nacrt_->ShpPudorys->nastavDruh(TvarProfilu::Druh::Ctverec);
    nacrt_->lblA1->setText(QStringLiteral("A"));
    lblA2->setText(QStringLiteral("&A"));
    nacrt_->lblB1->hide();
    lblB2->hide();
    txtB2->hide();
}

void FrmZadani::NastavProfilO() {
    nacrt_->ShpPudorys->nastavDruh(TvarProfilu::Druh::Obdelnik);
    nacrt_->lblA1->setText(QStringLiteral("A"));
    lblA2->setText(QStringLiteral("&A"));
    nacrt_->lblB1->show();
    lblB2->show();
    txtB2->show();
}

void FrmZadani::prepocitejHmotnost() {
    // A dimension, number of pieces or density that is not a number keeps the mass held.
    const Uloha& u = stav_.Uloha;
    if (u.Profil != "K" && u.Profil != "C" && u.Profil != "O") {
        return;
    }
    if (!PrevezmiRozmery()) {
        return;
    }
    const auto hustota = naSingle(txtGama->text());
    if (!hustota) {
        return;
    }
    HmotnostZRozmeru(stav_.Uloha, *hustota);
}

void FrmZadani::ZobrazHmotnost() { txtm->setText(vedeckyTvar(stav_.Uloha.m)); }

bool FrmZadani::PrevezmiRozmery() {
    Uloha& u = stav_.Uloha;
    if (!txtA2->text().isEmpty()) {
        const auto a = naSingle(txtA2->text());
        if (!a) {
            return false;
        }
        u.StranaA = *a;
    }
    if (u.Profil == "O" && !txtB2->text().isEmpty()) {
        const auto b = naSingle(txtB2->text());
        if (!b) {
            return false;
        }
        u.StranaB = *b;
    }
    if (!txtL2->text().isEmpty()) {
        const auto l = naSingle(txtL2->text());
        if (!l) {
            return false;
        }
        u.DelkaL = *l;
    }
    const auto n = naInteger(txtPocetProfilu->text());
    if (!n) {
        return false;
    }
    u.PocetProfilu = *n;
    return true;
}

void FrmZadani::PrevezmiPoctyPloch() {
    Uloha& u = stav_.Uloha;
    if (const auto ab = naInteger(cboAB->currentText())) {
        u.PocetAB = *ab;
    }
    if (const auto al = naInteger(cboAL->currentText())) {
        u.PocetAL = *al;
    }
    if (const auto bl = naInteger(cboBL->currentText())) {
        u.PocetBL = *bl;
    }
}

void FrmZadani::prepocitejPlochu() {
    if (!PrevezmiRozmery()) {
        return;
    }
    PrevezmiPoctyPloch();
    TeplosmennaPlocha(stav_.Uloha);
    // Written with the point whatever the user's format, as the surface always was.
    txtA->setText(TextZpravy(stav_.Uloha.A, QLatin1Char('.')).trimmed());
}

void FrmZadani::ObnovPlochy() {
    const double n = ciselnyZacatek(txtPocetProfilu->text());
    if (optMvy->isChecked()) {
        if (cboAB->count() == 0) {
            naplnSeznam(cboAB, 2.0 * n);
        }
        lblAB->show();
        cboAB->show();
        const std::int16_t j = stav_.Jazyk;
        if (optProfilK->isChecked()) {
            lblAB->setText(Text(109, j));
            lblAL->setText(Text(110, j));
            if (cboAL->count() == 0) {
                naplnSeznam(cboAL, n);
            }
            cboAL->show();
            lblAL->show();
            lblBL->hide();
            cboBL->hide();
        } else if (optProfilC->isChecked()) {
            lblAB->setText(Text(108, j));
            lblAL->setText(Text(66, j));
            if (cboAL->count() == 0) {
                naplnSeznam(cboAL, 4.0 * n);
            }
            cboAL->show();
            lblAL->show();
            lblBL->hide();
            cboBL->hide();
        } else if (optProfilO->isChecked()) {
            lblAB->setText(Text(65, j));
            lblAL->setText(Text(66, j));
            if (cboAL->count() == 0) {
                naplnSeznam(cboAL, 2.0 * n);
            }
            if (cboBL->count() == 0) {
                naplnSeznam(cboBL, 2.0 * n);
            }
            cboAL->show();
            cboBL->show();
            lblAL->show();
            lblBL->show();
        }
    }
    PrevezmiRozmery();
    stav_.Uloha.CelkovaPlocha = CelkovaPlochaProfilu(stav_.Uloha).value_or(0.0f);
    lblCelkoveAH->setText(TextObecny(stav_.Uloha.CelkovaPlocha));
}

void FrmZadani::SmazPoctyPloch() {
    for (QComboBox* c : {cboAB, cboAL, cboBL}) {
        c->clear();
        c->clearEditText();
    }
}

void FrmZadani::geometrieOpustena(QWidget* pole) {
    if (!zmeneno_) {
        return;
    }
    if (pole == cboAB || pole == cboAL || pole == cboBL) {
        prepocitejPlochu();
    } else {
        SmazPoctyPloch();
        prepocitejHmotnost();
        ZobrazHmotnost();
    }
}

void FrmZadani::ZobrazZadani() {
    plneniZadani_ = true;
    Uloha& u = stav_.Uloha;
    txtTpece->setText(TextObecny(u.Tpece));
    txtTv->setText(TextObecny(u.Tv));
    txtTk->setText(TextObecny(u.Tk));
    ukazText(cboMaterial, QString::fromStdString(u.NazevMaterialu));
    txtm->setText(TextObecny(u.m));
    txtA->setText(TextObecny(u.A));
    txtc->setText(TextObecny(u.c));
    txtEps->setText(TextObecny(u.Eps));
    txtGama->setText(TextObecny(u.Gama));
    txtCasKrok->setText(TextObecny(u.CasKrok));
    if (u.KoefK == 0.0f) {
        u.KoefK = 1.0f;
    }
    txtKoefK->setText(TextObecny(u.KoefK));

    if (u.ZadaniHmotnosti == "V") {
        optMvy->setChecked(true);
        vyberProfil(u.Profil);
        txtA2->setText(TextObecny(u.StranaA));
        if (u.Profil == "O") {
            txtB2->setText(TextObecny(u.StranaB));
        }
        txtL2->setText(TextObecny(u.DelkaL));
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

    if (u.Rizeny) {
        optRizeny->setChecked(true);
        zobrazPocetKrivek(u.PocetKrivek);
        cboUsekC->setCurrentIndex(0);
        // The same entries as before do not run their handling; the fields and the
        // preview still have to show the curve just read.
        zobrazUsek();
        KresliKrivku();
    } else {
        optNerizenyO->setChecked(true);
    }
    plneniZadani_ = false;
}

// ---------------------------------------------------------------- furnace curve

void FrmZadani::ZobrazKrivku(bool zobrazit) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblPocetKrivek, cboPocetKrivek, lblUsekC, cboUsekC, lblPocTep,
                                                       lblKonTep, lblDobaVydrze, txtPocTep, txtKonTep, txtDobaVydrze}) {
        w->setVisible(zobrazit);
    }
    lblTpece->setVisible(!zobrazit);
    txtTpece->setVisible(!zobrazit);
    stav_.Uloha.Rizeny = zobrazit;
}

void FrmZadani::nerizenyVybran() {
    ZobrazKrivku(false);
    FlpGrf1->hide();
    stav_.Uloha.PocetKrivek = 0;
}

void FrmZadani::rizenyVybran() {
    ZobrazKrivku(true);
    if (stav_.Uloha.PocetKrivek == 0 && cboPocetKrivek->currentIndex() < 0) {
        cboPocetKrivek->setCurrentIndex(0);
        cboUsekC->setCurrentIndex(0);
    }
    KresliKrivku();
    FlpGrf1->show();
}

// Shows a number of segments in its selector. The selector offers 2 to 20: a curve of
// one segment (a file can hold one) is shown as that segment followed by a hold of no
// duration at its end temperature, which heats the same.
void FrmZadani::zobrazPocetKrivek(int pocet) {
    if (pocet <= 0) {
        return;
    }
    if (pocet == 1) {
        stav_.Uloha.Krivka[2].Teplota = stav_.Uloha.Krivka[1].Teplota;
        stav_.Uloha.Krivka[1].DobaVydrze = 0.0f;
        pocet = 2;
    }
    cboPocetKrivek->setCurrentIndex(std::min(pocet, kMaxUseku) - 2);
}

void FrmZadani::pocetKrivekVybran() {
    int n = stav_.Uloha.PocetKrivek;
    if (viditelny(cboPocetKrivek)) {
        if (const auto pocet = naInteger(cboPocetKrivek->currentText())) {
            n = *pocet;
            stav_.Uloha.PocetKrivek = *pocet;
        }
    }
    int posledni = cboUsekC->count();
    if (posledni > n) {
        for (; posledni > n && posledni > 0; --posledni) {
            cboUsekC->removeItem(posledni - 1);
            if (cboUsekC->currentIndex() < 0 && cboUsekC->count() > 0) {
                cboUsekC->setCurrentIndex(cboUsekC->count() - 1);
            }
        }
    } else {
        for (int i = posledni + 1; i <= n; ++i) {
            cboUsekC->addItem(QString::number(i));
        }
    }
    KresliKrivku();
}

int FrmZadani::vybranyUsek() const {
    bool ok = false;
    const int k = cboUsekC->currentText().toInt(&ok);
    return ok && k >= 1 && k <= kMaxUseku ? k : 0;
}

void FrmZadani::usekVybran() { zobrazUsek(); }

void FrmZadani::zobrazUsek() {
    const int k = vybranyUsek();
    if (k == 0) {
        return;
    }
    const QString konec = QString::number(k) + QStringLiteral(" [°C]");
    lblPocTep->setText(tagPocTep_ + konec);
    lblKonTep->setText(tagKonTep_ + konec);
    const Krivka& krivka = stav_.Uloha.Krivka;
    txtPocTep->setText(TextObecny(krivka[static_cast<std::size_t>(k - 1)].Teplota));
    txtKonTep->setText(TextObecny(krivka[static_cast<std::size_t>(k)].Teplota));
    txtDobaVydrze->setText(TextObecny(krivka[static_cast<std::size_t>(k - 1)].DobaVydrze));
    // The start of a later segment is the end of the one before; it is typed there.
    txtPocTep->setEnabled(k == 1);
}

void FrmZadani::krivkaOpustena(QLineEdit* pole) {
    Krivka& krivka = stav_.Uloha.Krivka;
    const int k = vybranyUsek();
    float* cil = nullptr;
    if (pole == txtPocTep) {
        cil = &krivka[0].Teplota;
    } else if (k != 0 && pole == txtKonTep) {
        cil = &krivka[static_cast<std::size_t>(k)].Teplota;
    } else if (k != 0 && pole == txtDobaVydrze) {
        cil = &krivka[static_cast<std::size_t>(k - 1)].DobaVydrze;
    }
    if (cil == nullptr) {
        return;
    }
    if (const auto hodnota = naSingle(pole->text())) {
        *cil = *hodnota;
    } else {
        // Not a number: the point keeps its value, and the field shows it again.
        pole->setText(TextObecny(*cil));
    }
    KresliKrivku();
}

void FrmZadani::KresliKrivku() {
    const Uloha& u = stav_.Uloha;
    const int pocet = std::clamp<int>(u.PocetKrivek, 0, kMaxUseku);
    QList<QPointF> body;
    body.reserve(pocet + 1);
    body.append(QPointF(0.0, u.Krivka[0].Teplota));
    // Whole seconds, rounded after each addition (halves to even). The sum is kept wide
    // enough for curves of any length.
    double cas = 0.0;
    for (int k = 1; k <= pocet; ++k) {
        cas = std::nearbyint(cas + static_cast<double>(u.Krivka[static_cast<std::size_t>(k - 1)].DobaVydrze));
        body.append(QPointF(cas, u.Krivka[static_cast<std::size_t>(k)].Teplota));
    }
    FlpGrf1->vymazRady();
    FlpGrf1->pridejRadu(QString(), QColor(0, 0, 255), body);
}

// ---------------------------------------------------------------- acceptance

void FrmZadani::PrevezmiZadani() {
    Uloha& u = stav_.Uloha;
    PrevezmiPoctyPloch();
    PrevezmiRozmery();
    const auto precti = [](QLineEdit* pole, float& cil) {
        if (const auto x = naSingle(pole->text())) {
            cil = *x;
        }
    };
    precti(txtKoefK, u.KoefK);
    if (optNerizenyO->isChecked()) {
        precti(txtTpece, u.Tpece);
    }
    precti(txtTv, u.Tv);
    precti(txtTk, u.Tk);
    u.NazevMaterialu = cboMaterial->currentText().toStdString();
    // A computed mass is kept at full precision; the field only shows it to 3 digits.
    if (u.ZadaniHmotnosti != "V") {
        precti(txtm, u.m);
    }
    precti(txtA, u.A);
    precti(txtc, u.c);
    precti(txtEps, u.Eps);
    precti(txtCasKrok, u.CasKrok);
    precti(txtGama, u.Gama);
    u.Rizeny = optRizeny->isChecked();
    if (u.Rizeny) {
        if (const auto n = naInteger(cboPocetKrivek->currentText())) {
            u.PocetKrivek = *n;
        }
    }
}

// The surface check compares with the total surface of the dimensions being accepted,
// also when they changed after tab 5 was last shown.
void FrmZadani::obnovCelkovouPlochu() {
    if (stav_.Uloha.ZadaniHmotnosti == "V") {
        stav_.Uloha.CelkovaPlocha = CelkovaPlochaProfilu(stav_.Uloha).value_or(0.0f);
        lblCelkoveAH->setText(TextObecny(stav_.Uloha.CelkovaPlocha));
    }
}

// The problem is taken: the per-step furnace temperatures, the main window's menus and caption.
void FrmZadani::prevezmiUlohu() {
    RozvinKrivku(stav_);
    emit ulohaPrevzata();
}

// A value typed into the field that has the focus counts also when OK is pressed with
// Enter or Cancel with Esc: the field is left first, as with a click on the button.
void FrmZadani::dokonciUpravy() {
    QWidget* fokus = focusWidget();
    if (fokus == txtPocTep || fokus == txtKonTep || fokus == txtDobaVydrze) {
        krivkaOpustena(static_cast<QLineEdit*>(fokus));
    } else if (fokus == txtA2 || fokus == txtB2 || fokus == txtL2 || fokus == txtPocetProfilu || fokus == cboAB ||
               fokus == cboAL || fokus == cboBL) {
        geometrieOpustena(fokus);
        zmeneno_ = false;
    }
}

void FrmZadani::cmdOKClick() {
    dokonciUpravy();
    PrevezmiZadani();
    OverZadani(stav_);
    const std::int16_t j = stav_.Jazyk;
    if (!stav_.ZadaniUplne) {
        dialogy_.zprava(Ikona::Vykricnik, Text(104, j), Text(102, j));
        return;
    }
    obnovCelkovouPlochu();
    if (stav_.Uloha.ZadaniHmotnosti == "V" && naTriMista(stav_.Uloha.A) > naTriMista(stav_.Uloha.CelkovaPlocha)) {
        dialogy_.zprava(Ikona::Vykricnik, Text(104, j), Text(103, j));
        stav_.ZadaniUplne = false;
        return;
    }
    prevezmiUlohu();
    setWindowTitle(titulekZadani_);
    zavira_ = true;
    QDialog::accept();
}

void FrmZadani::cmdStornoClick() {
    if (!stav_.ZadaniUplne) {
        dokonciUpravy();
        PrevezmiZadani();
        OverZadani(stav_);
        obnovCelkovouPlochu();
        if (stav_.Uloha.ZadaniHmotnosti == "V" && stav_.Uloha.A > stav_.Uloha.CelkovaPlocha) {
            stav_.ZadaniUplne = false;
        }
        if (stav_.ZadaniUplne) {
            prevezmiUlohu();
        }
    } else {
        // An accepted problem stays as it was accepted; only the typed curve values,
        // stored as they were left, remain in the record.
        QWidget* fokus = focusWidget();
        if (fokus == txtPocTep || fokus == txtKonTep || fokus == txtDobaVydrze) {
            krivkaOpustena(static_cast<QLineEdit*>(fokus));
        }
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
    const auto cesta = dialogy_.otevritSoubor(Text(116, stav_.Jazyk), 2);
    if (!cesta) {
        return;
    }
    if (!NactiSoubor(stav_, dialogy_, *cesta, false)) {
        return;
    }
    stav_.NacitaniSouboru = true;
    ZobrazZadani();
    stav_.NacitaniSouboru = false;
    nastavTitulekSouboru(*cesta);
}

void FrmZadani::cmdUlozCfgClick() {
    const auto cesta = dialogy_.ulozitSoubor(Text(116, stav_.Jazyk), 2);
    if (!cesta) {
        return;
    }
    PrevezmiZadani();
    if (UlozSoubor(stav_, dialogy_, *cesta, false)) {
        nastavTitulekSouboru(*cesta);
    }
}

// ---------------------------------------------------------------- materials

void FrmZadani::cboMaterialClick(int index) {
    if (index < 0 || index >= PocetZaznamu(stav_)) {
        return;
    }
    const Material& mat = stav_.Materialy[static_cast<std::size_t>(index)];
    txtc->setText(TextObecny(mat.c));
    txtGama->setText(TextObecny(mat.Gama));
}

void FrmZadani::cmdUlozMaterialClick() {
    const QString nazev = cboMaterial->currentText();
    if (UlozMaterial(stav_, dialogy_, nazev, txtc->text(), txtGama->text()) == UlozeniMaterialu::Pridan) {
        cboMaterial->addItem(nazev);
        ukazText(cboMaterial, nazev);
    }
}

}  // namespace zorvet
