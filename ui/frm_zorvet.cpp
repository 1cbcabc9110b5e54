#include "ui/frm_zorvet.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cmath>
#include <optional>

#include "files/cisla.h"
#include "files/kurzor.h"
#include "files/datova_slozka.h"
#include "files/nastaveni.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/tabulka_csv.h"
#include "files/zpravy.h"
#include "model/vykon.h"
#include "model/vypocet.h"
#include "ui/export_grafu.h"
#include "ui/frm_uvitani.h"
#include "ui/frm_zadani.h"
#include "ui/graf.h"
#include "ui/graf_vysledku.h"
#include "ui/tabulka_vysledku.h"

namespace zorvet {

namespace {

// The window is laid out in twips, 15 to a pixel.
constexpr int kTwipu = 15;
constexpr int kSirkaPlochy = 9045;  // client area, twips
constexpr int kVyskaPlochy = 6150;

// Texts added for printing.
constexpr int kTitulekTisku = 170;
constexpr int kTiskSelhal = 171;

// The results file filter and its own pattern's index.
constexpr int kFiltrVysledku = 101;
constexpr int kIndexFiltru = 2;

// Texts added for the exported chart and the table's context menu.
constexpr int kExport = 190;
constexpr int kFiltrExportu = 191;
constexpr int kGrafNeulozen = 192;
constexpr int kKopirovat = 193;
constexpr int kUlozitCsv = 194;
constexpr int kFiltrCsv = 195;
constexpr int kTabulkaNeulozena = 196;
constexpr int kPriponaExportu = 198;
constexpr int kChybaSouboru = 98;  // "File Error"
// The exported picture's default pattern (PNG) and the CSV pattern in their filters.
constexpr int kIndexExportu = 2;
constexpr int kIndexCsv = 2;

int px(double twipy) { return static_cast<int>(std::lround(twipy / kTwipu)); }

QRect twipy(int vlevo, int nahore, int sirka, int vyska) {
    return {px(vlevo), px(nahore), px(sirka), px(vyska)};
}

// Integer division of whole twips as the layout arithmetic does it: the operand is first
// rounded to a whole number (halves to even), then the quotient truncated toward zero.
long long celeDeleni(double a, long long b) { return static_cast<long long>(std::nearbyint(a)) / b; }

// The losses text as a whole percentage: the user's decimal separator, rounded half to
// even, within the 16-bit range; no value for any other text.
std::optional<std::int16_t> ztratyZTextu(const QString& text) {
    QLocale lokal;
    lokal.setNumberOptions(QLocale::RejectGroupSeparator);
    bool ok = false;
    const double d = lokal.toDouble(text.trimmed(), &ok);
    if (!ok || !std::isfinite(d)) {
        return std::nullopt;
    }
    const double cele = std::nearbyint(d);
    if (cele < -32768.0 || cele > 32767.0) {
        return std::nullopt;
    }
    return static_cast<std::int16_t>(cele);
}

QLabel* popisek(QWidget* rodic, const QString& jmeno, const QRect& kde) {
    auto* l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setGeometry(kde);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

}  // namespace

FrmZorvet::FrmZorvet(Stav& stav, DialogyOken& dialogy, QWidget* parent)
    : QMainWindow(parent), stav_(stav), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmZorvet"));
    // A fixed single border: minimize, but no maximize.
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    vytvorMenu();
    vytvorPlochu();
    // The client area is the design size below the menu bar; when the menu bar vanishes
    // the window keeps its outer size and the client area grows.
    setFixedSize(px(kSirkaPlochy), px(kVyskaPlochy) + menuBar()->sizeHint().height());
}

FrmZorvet::~FrmZorvet() = default;

QAction* FrmZorvet::polozka(QMenu* menu, const QString& pole, int index) {
    auto* a = new QAction(menu);
    a->setObjectName(pole);
    // Items of one menu form an indexed array, as their handlers see them.
    a->setProperty("Index", index);
    menu->addAction(a);
    return a;
}

void FrmZorvet::vytvorMenu() {
    QMenuBar* lista = menuBar();
    lista->setNativeMenuBar(false);

    mnuFile_ = lista->addMenu(QString());
    mnuFile_->setObjectName(QStringLiteral("mnuFile"));
    mnuFile_->menuAction()->setObjectName(QStringLiteral("mnuFile"));
    const QString file = QStringLiteral("mnuFileItem");
    mnuFileItem_[0] = polozka(mnuFile_, file, 0);
    mnuFileItem_[0]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileItem_[1] = polozka(mnuFile_, file, 1);
    mnuFileItem_[1]->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileItem_[1]->setEnabled(false);
    mnuFileItem_[2] = polozka(mnuFile_, file, 2);
    mnuFileItem_[2]->setSeparator(true);
    mnuFileItem_[3] = polozka(mnuFile_, file, 3);

    mnuUloha_ = lista->addMenu(QString());
    mnuUloha_->setObjectName(QStringLiteral("mnuUloha"));
    const QString uloha = QStringLiteral("mnuUlohaItem");
    mnuUlohaItem_[0] = polozka(mnuUloha_, uloha, 0);
    mnuUlohaItem_[0]->setShortcut(QKeySequence(Qt::Key_F3));
    mnuUlohaItem_[1] = polozka(mnuUloha_, uloha, 1);
    mnuUlohaItem_[1]->setShortcut(QKeySequence(Qt::Key_F5));
    mnuUlohaItem_[1]->setEnabled(false);

    mnuVysledky_ = lista->addMenu(QString());
    mnuVysledky_->setObjectName(QStringLiteral("mnuVysledky"));
    const QString vysledky = QStringLiteral("mnuVysledkyItem");
    mnuVysledkyItem_[0] = polozka(mnuVysledky_, vysledky, 0);
    mnuVysledkyItem_[0]->setShortcut(QKeySequence(Qt::Key_F8));
    mnuVysledkyItem_[1] = polozka(mnuVysledky_, vysledky, 1);
    mnuVysledkyItem_[1]->setShortcut(QKeySequence(Qt::Key_F9));
    mnuVysledky_->menuAction()->setEnabled(false);

    mnuNastaveni_ = lista->addMenu(QString());
    mnuNastaveni_->setObjectName(QStringLiteral("mnuNastaveni"));
    mnuJazyk_ = new QMenu(mnuNastaveni_);
    mnuJazyk_->setObjectName(QStringLiteral("mnuJazyk"));
    mnuNastaveniItem_[0] = mnuJazyk_->menuAction();
    mnuNastaveniItem_[0]->setObjectName(QStringLiteral("mnuNastaveniItem"));
    mnuNastaveniItem_[0]->setProperty("Index", 0);
    mnuNastaveni_->addAction(mnuNastaveniItem_[0]);
    const QString jazyk = QStringLiteral("mnuJazykItem");
    mnuJazykItem_[0] = polozka(mnuJazyk_, jazyk, 0);
    mnuJazykItem_[1] = polozka(mnuJazyk_, jazyk, 1);
    for (QAction* a : mnuJazykItem_) {
        a->setCheckable(true);
    }
    mnuNastaveniItem_[1] = polozka(mnuNastaveni_, QStringLiteral("mnuNastaveniItem"), 1);

    mnuNapoveda_ = lista->addMenu(QString());
    mnuNapoveda_->setObjectName(QStringLiteral("mnuNapoveda"));
    mnuNapovedaItem1_ = polozka(mnuNapoveda_, QStringLiteral("mnuNapovedaItem"), 1);

    for (QAction* a : mnuFileItem_) {
        connect(a, &QAction::triggered, this, [this, a] { mnuFileItemClick(a->property("Index").toInt()); });
    }
    for (QAction* a : mnuUlohaItem_) {
        connect(a, &QAction::triggered, this, [this, a] { mnuUlohaItemClick(a->property("Index").toInt()); });
    }
    for (QAction* a : mnuVysledkyItem_) {
        connect(a, &QAction::triggered, this, [this, a] { mnuVysledkyItemClick(a->property("Index").toInt()); });
    }
    for (QAction* a : mnuJazykItem_) {
        connect(a, &QAction::triggered, this, [this, a] { mnuJazykItemClick(a->property("Index").toInt()); });
    }
    connect(mnuNastaveniItem_[1], &QAction::triggered, this, [this] { mnuNastaveniItemClick(1); });
    connect(mnuNapovedaItem1_, &QAction::triggered, this, [this] { mnuNapovedaItemClick(1); });
}

void FrmZorvet::vytvorPlochu() {
    auto* plocha = new QWidget(this);
    plocha->setObjectName(QStringLiteral("plocha"));
    setCentralWidget(plocha);

    fraVykon_ = new QGroupBox(plocha);
    fraVykon_->setObjectName(QStringLiteral("fraVykon"));
    fraVykon_->setGeometry(twipy(4200, 120, 2655, 2535));
    cboZtraty_ = new QComboBox(fraVykon_);
    cboZtraty_->setObjectName(QStringLiteral("cboZtraty"));
    cboZtraty_->setEditable(true);
    cboZtraty_->setInsertPolicy(QComboBox::NoInsert);
    cboZtraty_->setMaxVisibleItems(10);
    cboZtraty_->setGeometry(twipy(1200, 360, 855, 315));
    lblSpotrebaH_ = popisek(fraVykon_, QStringLiteral("lblSpotrebaH"), twipy(1440, 1920, 1095, 375));
    lblPrikonH_ = popisek(fraVykon_, QStringLiteral("lblPrikonH"), twipy(1440, 1320, 1095, 375));
    for (QLabel* hodnota : {lblSpotrebaH_, lblPrikonH_}) {
        hodnota->setWordWrap(false);
        hodnota->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    // The captions reach to the values, so that the longer ones keep to two or three lines.
    lblSpotreba_ = popisek(fraVykon_, QStringLiteral("lblSpotreba"), twipy(120, 1800, 1290, 615));
    lblPrikon_ = popisek(fraVykon_, QStringLiteral("lblPrikon"), twipy(120, 1200, 1290, 495));
    lblZtraty_ = popisek(fraVykon_, QStringLiteral("lblZtraty"), twipy(240, 360, 975, 495));
    lblZtraty_->setBuddy(cboZtraty_);
    // The frame is laid out for a small dialog font; its captions and figures keep to it.
    QFont male = fraVykon_->font();
    male.setPointSizeF(std::min(male.pointSizeF(), 8.0));
    for (QWidget* w : {static_cast<QWidget*>(cboZtraty_), static_cast<QWidget*>(lblSpotrebaH_),
                       static_cast<QWidget*>(lblPrikonH_), static_cast<QWidget*>(lblSpotreba_),
                       static_cast<QWidget*>(lblPrikon_), static_cast<QWidget*>(lblZtraty_)}) {
        w->setFont(male);
    }
    fraVykon_->hide();
    connect(cboZtraty_, &QComboBox::editTextChanged, this, [this] { zmenaZtrat(); });
    connect(cboZtraty_, &QComboBox::activated, this, [this] { zmenaZtrat(); });

    picMaska_ = new QWidget(plocha);
    picMaska_->setObjectName(QStringLiteral("picMaska"));
    picMaska_->setGeometry(twipy(6000, 0, 2415, 375));
    picMaska_->hide();

    cmdStorno_ = new QPushButton(plocha);
    cmdStorno_->setObjectName(QStringLiteral("cmdStorno"));
    cmdStorno_->setGeometry(twipy(7200, 1920, 1215, 495));
    cmdStorno_->hide();
    connect(cmdStorno_, &QPushButton::clicked, this, &FrmZorvet::TiskniGraf);

    // Below the print button, in the same column.
    cmdExport_ = new QPushButton(plocha);
    cmdExport_->setObjectName(QStringLiteral("cmdExport"));
    cmdExport_->setGeometry(twipy(7200, 2880, 1215, 495));
    cmdExport_->hide();
    connect(cmdExport_, &QPushButton::clicked, this, &FrmZorvet::ExportujGraf);

    cmdOK_ = new QPushButton(QStringLiteral("&OK"), plocha);
    cmdOK_->setObjectName(QStringLiteral("cmdOK"));
    cmdOK_->setGeometry(twipy(7200, 960, 1215, 495));
    // Enter on the focused button closes the view, as a click does.
    cmdOK_->setAutoDefault(true);
    cmdOK_->hide();
    connect(cmdOK_, &QPushButton::clicked, this, &FrmZorvet::ZavriPohled);

    // The window's cancel button: Esc closes the view while one is shown.
    zrusit_ = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    zrusit_->setEnabled(false);
    connect(zrusit_, &QShortcut::activated, cmdOK_, &QPushButton::click);

    FlpGrf1_ = new Graf(plocha);
    FlpGrf1_->setObjectName(QStringLiteral("FlpGrf1"));
    FlpGrf1_->hide();

    grdTabulka_ = new QTableView(plocha);
    grdTabulka_->setObjectName(QStringLiteral("grdTabulka"));
    tabulka_ = new TabulkaVysledku(stav_, this);
    grdTabulka_->setModel(tabulka_);
    grdTabulka_->verticalHeader()->hide();
    // Ranges of cells, for copying; Ctrl+A takes every row.
    grdTabulka_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdTabulka_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdTabulka_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTabulka_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdTabulka_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdTabulka_->setWordWrap(false);
    grdTabulka_->setCornerButtonEnabled(false);
    QHeaderView* hlavicka = grdTabulka_->horizontalHeader();
    hlavicka->setSectionResizeMode(QHeaderView::Fixed);
    hlavicka->setSectionsClickable(false);
    hlavicka->setHighlightSections(false);
    hlavicka->setDefaultAlignment(Qt::AlignCenter);
    // Every row equally tall, so that ten thousand rows cost nothing to lay out.
    QHeaderView* radky = grdTabulka_->verticalHeader();
    const int vyskaRadku = grdTabulka_->fontMetrics().height() + 6;
    radky->setMinimumSectionSize(1);
    radky->setDefaultSectionSize(vyskaRadku);
    radky->setSectionResizeMode(QHeaderView::Fixed);
    grdTabulka_->hide();

    // The context menu, and Ctrl+C while the grid has the focus.
    mnuKopirovat_ = new QAction(grdTabulka_);
    mnuKopirovat_->setObjectName(QStringLiteral("mnuKopirovat"));
    mnuKopirovat_->setShortcut(QKeySequence::Copy);
    mnuKopirovat_->setShortcutContext(Qt::WidgetShortcut);
    connect(mnuKopirovat_, &QAction::triggered, this, &FrmZorvet::KopirujVyber);
    mnuUlozitCsv_ = new QAction(grdTabulka_);
    mnuUlozitCsv_->setObjectName(QStringLiteral("mnuUlozitCsv"));
    connect(mnuUlozitCsv_, &QAction::triggered, this, &FrmZorvet::UlozTabulkuCsv);
    grdTabulka_->addAction(mnuKopirovat_);
    grdTabulka_->addAction(mnuUlozitCsv_);
    grdTabulka_->setContextMenuPolicy(Qt::ActionsContextMenu);

    // Tab runs through each view from left to right and top down: the grid, the losses,
    // OK; OK, Print, Export. The chart itself takes no focus.
    setTabOrder(grdTabulka_, cboZtraty_);
    setTabOrder(cboZtraty_, cmdOK_);
    setTabOrder(cmdOK_, cmdStorno_);
    setTabOrder(cmdStorno_, cmdExport_);
}

void FrmZorvet::Nacti(bool sUvitanim) {
    // Files named without a folder (the material database, the emissivity tables) lie in
    // the data folder: the program's own, or the user's when the program may not write there.
    NastavDatovouSlozku();
    if (const QScreen* obrazovka = QGuiApplication::primaryScreen()) {
        const QRect g = obrazovka->geometry();
        const QSize vnejsi = frameGeometry().size();
        move(g.x() + (g.width() - vnejsi.width()) / 2, g.y() + (g.height() - vnejsi.height()) / 2);
    }
    stav_.Jazyk = NactiJazyk();
    if (sUvitanim) {
        FrmUvitani uvitani(stav_.Jazyk);
        uvitani.exec();
    }
    NastavPopisy();
    // The menu bar's height is known once its menus have captions.
    setFixedSize(px(kSirkaPlochy), px(kVyskaPlochy) + menuBar()->sizeHint().height());
    cboZtraty_->clear();
    for (int i = 0; i <= 100; ++i) {
        cboZtraty_->addItem(QString::number(i));
    }
    cboZtraty_->setCurrentIndex(0);
    cboZtraty_->setEditText(cboZtraty_->itemText(0));
}

void FrmZorvet::NastavPopisy() {
    const std::int16_t j = stav_.Jazyk;
    titulek_ = Text(10, j) + QLatin1Char(' ');
    setWindowTitle(titulek_);

    mnuFile_->setTitle(Text(14, j));
    mnuFileItem_[0]->setText(Text(15, j));
    mnuFileItem_[1]->setText(Text(16, j));
    mnuFileItem_[3]->setText(Text(17, j));
    mnuUloha_->setTitle(Text(18, j));
    mnuUlohaItem_[0]->setText(Text(19, j));
    mnuUlohaItem_[1]->setText(Text(20, j));
    mnuVysledky_->setTitle(Text(21, j));
    mnuVysledkyItem_[0]->setText(Text(22, j));
    mnuVysledkyItem_[1]->setText(Text(23, j));
    mnuNastaveni_->setTitle(Text(24, j));
    mnuJazyk_->setTitle(Text(25, j));
    mnuJazykItem_[0]->setText(Text(26, j));
    mnuJazykItem_[1]->setText(Text(27, j));
    mnuNastaveniItem_[1]->setText(Text(28, j));
    mnuNapoveda_->setTitle(Text(29, j));
    mnuNapovedaItem1_->setText(Text(30, j));

    fraVykon_->setTitle(Text(77, j));
    lblZtraty_->setText(Text(78, j));
    lblPrikon_->setText(Text(79, j));
    lblSpotreba_->setText(Text(80, j));

    mnuJazykItem_[0]->setChecked(j == kAnglicky);
    mnuJazykItem_[1]->setChecked(j != kAnglicky);
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

void FrmZorvet::NastavKurzorCekani() { dialogy_.kurzorCekani(); }

void FrmZorvet::NastavKurzorNormalni() { dialogy_.kurzorNormalni(); }

QSize FrmZorvet::vnejsiTwipy() const {
    // The outer size, frame and title bar included where the window system has them.
    const QSize vnejsi = frameGeometry().size();
    return {vnejsi.width() * kTwipu, vnejsi.height() * kTwipu};
}

bool FrmZorvet::pohledZobrazen() const { return cmdOK_->isVisibleTo(centralWidget()); }

void FrmZorvet::ukazTlacitkoOK() {
    zrusit_->setEnabled(true);
    cmdOK_->setDefault(true);
    cmdOK_->show();
}

void FrmZorvet::ZobrazTabulku() {
    NastavKurzorCekani();
    SkryjMenu();
    const QSize vnejsi = vnejsiTwipy();
    const int W = vnejsi.width();
    const int H = vnejsi.height();
    const bool rizeny = stav_.Uloha.Rizeny;

    tabulka_->obnov();
    mnuKopirovat_->setText(Text(kKopirovat, stav_.Jazyk));
    mnuUlozitCsv_->setText(Text(kUlozitCsv, stav_.Jazyk));
    // Widths of the grid and its columns in twips; W / 2.5 is deliberately not rounded.
    const double G = rizeny ? W / 2.5 : static_cast<double>(W / 4);
    long long sloupec0 = 0;
    long long dalsi = 0;
    if (rizeny) {
        sloupec0 = celeDeleni(G, 5);
        dalsi = celeDeleni(G - static_cast<double>(sloupec0), 2);
    } else {
        sloupec0 = celeDeleni(G, 3);
        dalsi = static_cast<long long>(G) - sloupec0;
    }
    grdTabulka_->setColumnWidth(0, px(static_cast<double>(sloupec0)));
    for (int c = 1; c < tabulka_->columnCount(); ++c) {
        grdTabulka_->setColumnWidth(c, px(static_cast<double>(dalsi)));
    }

    // Whole rows only, within nine tenths of the window's height; the header row is
    // three rows tall and holds two lines.
    const int h = grdTabulka_->verticalHeader()->defaultSectionSize();
    const int n = static_cast<std::int16_t>(((H * 9) / 10) / (h * kTwipu));
    grdTabulka_->horizontalHeader()->setFixedHeight(3 * h);
    // The cells get the documented width and height; the frame and the scroll bar lie
    // outside them.
    const int ramecek = 2 * grdTabulka_->frameWidth();
    int sirkaBunek = 0;
    for (int c = 0; c < tabulka_->columnCount(); ++c) {
        sirkaBunek += grdTabulka_->columnWidth(c);
    }
    const int posuvnik = grdTabulka_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grdTabulka_);
    const int okraj = px(W / 50);
    grdTabulka_->setGeometry(okraj, okraj, sirkaBunek + posuvnik + ramecek, h * n + ramecek);

    grdTabulka_->show();
    grdTabulka_->scrollToTop();
    grdTabulka_->setCurrentIndex(tabulka_->index(0, 1));

    // The losses shown decide the power; the frame is visible first, so the figures
    // follow every later change of the text.
    ukazTlacitkoOK();
    fraVykon_->show();
    zmenaZtrat();
    cmdOK_->setFocus();
    NastavKurzorNormalni();
}

void FrmZorvet::ZobrazGraf() {
    NastavKurzorCekani();
    SkryjMenu();
    const QSize vnejsi = vnejsiTwipy();
    const int W = vnejsi.width();
    const int H = vnejsi.height();
    FlpGrf1_->setGeometry(px(W / 50), px(W / 50), px((W * 3) / 4), px((H * 9) / 10));

    NaplnGrafVysledku(*FlpGrf1_, stav_);
    FlpGrf1_->show();

    ukazTlacitkoOK();
    cmdOK_->setFocus();
    cmdStorno_->setText(Text(74, stav_.Jazyk));
    cmdStorno_->show();
    cmdExport_->setText(Text(kExport, stav_.Jazyk));
    cmdExport_->show();
    NastavKurzorNormalni();
}

void FrmZorvet::TiskniGraf() {
    if (!FlpGrf1_->isVisibleTo(centralWidget())) {
        return;
    }
    const std::int16_t j = stav_.Jazyk;
    const VysledekTisku vysledek =
        dialogy_.tiskni(Text(70, j), [this](QPainter& painter, const QRectF& cil) { FlpGrf1_->vykresli(painter, cil); });
    if (vysledek == VysledekTisku::ZadnaTiskarna) {
        dialogy_.zprava(Ikona::Vykricnik, Text(kTitulekTisku, j), Text(retezec::kZadnaTiskarna, j));
    } else if (vysledek == VysledekTisku::Selhal) {
        dialogy_.zprava(Ikona::Vykricnik, Text(kTitulekTisku, j), Text(kTiskSelhal, j));
    }
}

void FrmZorvet::ExportujGraf() {
    if (!FlpGrf1_->isVisibleTo(centralWidget())) {
        return;
    }
    const std::int16_t j = stav_.Jazyk;
    const std::optional<QString> cesta = dialogy_.ulozitVystup(Text(kFiltrExportu, j), kIndexExportu);
    if (!cesta) {
        return;
    }
    const std::optional<FormatGrafu> format = FormatGrafuSouboru(*cesta);
    if (!format) {
        dialogy_.zprava(Ikona::Vykricnik, Text(kChybaSouboru, j),
                        *cesta + QLatin1Char('\n') + Text(kGrafNeulozen, j) + QLatin1Char('\n') + Text(kPriponaExportu, j));
        return;
    }
    KurzorCekani cekani(dialogy_);
    const std::optional<QString> duvod = zorvet::ExportujGraf(stav_, *cesta, *format);
    cekani.uvolni();
    if (duvod) {
        dialogy_.zprava(Ikona::Vykricnik, Text(kChybaSouboru, j),
                        *cesta + QLatin1Char('\n') + Text(kGrafNeulozen, j) +
                            (duvod->isEmpty() ? QString() : QLatin1Char('\n') + *duvod));
    }
}

void FrmZorvet::KopirujVyber() {
    if (!grdTabulka_->isVisibleTo(centralWidget())) {
        return;
    }
    QModelIndexList vybrane = grdTabulka_->selectionModel()->selectedIndexes();
    if (vybrane.isEmpty() && grdTabulka_->currentIndex().isValid()) {
        vybrane.append(grdTabulka_->currentIndex());
    }
    if (vybrane.isEmpty()) {
        return;
    }
    QList<int> radky;
    QList<int> sloupce;
    for (const QModelIndex& i : vybrane) {
        radky.append(i.row());
        sloupce.append(i.column());
    }
    QGuiApplication::clipboard()->setText(tabulka_->textBloku(radky, sloupce));
}

void FrmZorvet::UlozTabulkuCsv() {
    if (!grdTabulka_->isVisibleTo(centralWidget())) {
        return;
    }
    const std::int16_t j = stav_.Jazyk;
    const std::optional<QString> cesta = dialogy_.ulozitVystup(Text(kFiltrCsv, j), kIndexCsv);
    if (!cesta) {
        return;
    }
    KurzorCekani cekani(dialogy_);
    const std::optional<QString> duvod = zorvet::UlozTabulkuCsv(stav_, *cesta);
    cekani.uvolni();
    if (duvod) {
        dialogy_.zprava(Ikona::Vykricnik, Text(kChybaSouboru, j),
                        *cesta + QLatin1Char('\n') + Text(kTabulkaNeulozena, j) +
                            (duvod->isEmpty() ? QString() : QLatin1Char('\n') + *duvod));
    }
}

void FrmZorvet::ZavriPohled() {
    FlpGrf1_->hide();
    picMaska_->hide();
    grdTabulka_->hide();
    cmdOK_->hide();
    cmdOK_->setDefault(false);
    zrusit_->setEnabled(false);
    fraVykon_->hide();
    cmdStorno_->hide();
    cmdExport_->hide();
    ZobrazMenu();
}

void FrmZorvet::VykonASpotreba(std::int16_t z) {
    const std::optional<VykonSpotreba> v = zorvet::VykonASpotreba(stav_, z);
    if (!v) {
        lblPrikonH_->clear();
        lblSpotrebaH_->clear();
        return;
    }
    lblPrikonH_->setText(TextObecny(v->P));
    lblSpotrebaH_->setText(TextObecny(v->E));
}

void FrmZorvet::zmenaZtrat() {
    if (!fraVykon_->isVisibleTo(centralWidget())) {
        return;
    }
    // A text that is no whole percentage in range shows nothing rather than the figures
    // of an earlier text.
    const std::optional<std::int16_t> z = ztratyZTextu(cboZtraty_->currentText());
    if (!z) {
        lblPrikonH_->clear();
        lblSpotrebaH_->clear();
        return;
    }
    VykonASpotreba(*z);
}

void FrmZorvet::PrevzataUloha() {
    mnuFileItem_[1]->setEnabled(false);
    mnuUlohaItem_[1]->setEnabled(true);
    mnuVysledky_->menuAction()->setEnabled(false);
    setWindowTitle(titulek_);
}

void FrmZorvet::mnuFileItemClick(int index) {
    if (!menuZobrazeno_) {
        return;
    }
    const std::int16_t j = stav_.Jazyk;
    switch (index) {
        case 0: {
            const std::optional<QString> cesta = dialogy_.otevritSoubor(Text(kFiltrVysledku, j), kIndexFiltru);
            if (!cesta) {
                return;
            }
            if (NactiSoubor(stav_, dialogy_, *cesta, true)) {
                mnuVysledky_->menuAction()->setEnabled(true);
                setWindowTitle(titulek_ + QStringLiteral("- ") + QFileInfo(*cesta).fileName());
            }
            return;
        }
        case 1: {
            if (!mnuFileItem_[1]->isEnabled()) {
                return;
            }
            const std::optional<QString> cesta = dialogy_.ulozitSoubor(Text(kFiltrVysledku, j), kIndexFiltru);
            if (!cesta) {
                return;
            }
            if (UlozSoubor(stav_, dialogy_, *cesta, true)) {
                setWindowTitle(titulek_ + QStringLiteral("- ") + QFileInfo(*cesta).fileName());
            }
            return;
        }
        case 3:
            close();
            return;
        default:
            return;
    }
}

void FrmZorvet::mnuUlohaItemClick(int index) {
    if (!menuZobrazeno_) {
        return;
    }
    switch (index) {
        case 0: {
            SkryjMenu();
            {
                FrmZadani zadani(stav_, dialogy_, this);
                connect(&zadani, &FrmZadani::ulohaPrevzata, this, &FrmZorvet::PrevzataUloha);
                zadani.exec();
            }
            ZobrazMenu();
            return;
        }
        case 1: {
            if (!mnuUlohaItem_[1]->isEnabled()) {
                return;
            }
            NastavKurzorCekani();
            const VysledekVypoctu vysledek = Vypocet(stav_);
            // The pointer is normal again before the message waits for the user.
            NastavKurzorNormalni();
            const std::int16_t j = stav_.Jazyk;
            if (vysledek.konec == KonecVypoctu::Uspech) {
                dialogy_.zprava(Ikona::Informace, TitulekKonecneTeploty(j), ZpravaKonecneTeploty(stav_));
                mnuFileItem_[1]->setEnabled(true);
                mnuVysledky_->menuAction()->setEnabled(true);
            } else {
                dialogy_.zprava(SelhaniJeInformace(vysledek) ? Ikona::Informace : Ikona::Vykricnik, TitulekSelhani(j),
                                ZpravaSelhani(vysledek, j));
            }
            return;
        }
        default:
            return;
    }
}

void FrmZorvet::mnuVysledkyItemClick(int index) {
    // A disabled Results menu keeps its items' shortcuts from opening a view.
    if (!menuZobrazeno_ || !mnuVysledky_->menuAction()->isEnabled()) {
        return;
    }
    if (index == 0) {
        ZobrazTabulku();
    } else if (index == 1) {
        ZobrazGraf();
    }
}

void FrmZorvet::mnuNastaveniItemClick(int /*index*/) {
    if (!menuZobrazeno_) {
        return;
    }
    UlozJazyk(stav_.Jazyk);
}

void FrmZorvet::mnuJazykItemClick(int index) {
    if (!menuZobrazeno_) {
        return;
    }
    const std::int16_t novy = index == 0 ? kAnglicky : kCesky;
    if (novy != stav_.Jazyk) {
        stav_.Jazyk = novy;
        NastavPopisy();
        return;
    }
    // Picking the language already chosen changes nothing; the click must not untick it.
    mnuJazykItem_[0]->setChecked(stav_.Jazyk == kAnglicky);
    mnuJazykItem_[1]->setChecked(stav_.Jazyk != kAnglicky);
}

void FrmZorvet::mnuNapovedaItemClick(int index) {
    if (!menuZobrazeno_ || index != 1) {
        return;
    }
    FrmUvitani oProgramu(stav_.Jazyk, this);
    oProgramu.vypniCasovac();
    oProgramu.exec();
}

}  // namespace zorvet
