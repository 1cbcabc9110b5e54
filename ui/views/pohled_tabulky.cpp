#include "ui/views/pohled_tabulky.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QRegularExpression>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableView>
#include <algorithm>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/tabulka_csv.h"
#include "files/zpravy.h"
#include "files/zpravy_vysledku.h"
#include "model/case/pole.h"
#include "model/pipeline/vykon.h"
#include "ui/common/kurzor.h"
#include "ui/views/bilance_pece.h"
#include "ui/views/tabulka_vysledku.h"
#include "ui/common/twipy.h"

namespace zorvet {

namespace {

// Integer division of whole twips as the layout arithmetic does it: the operand is first
// rounded to a whole number (halves to even), then the quotient truncated toward zero.
long long celeDeleni(double a, long long b) { return static_cast<long long>(std::nearbyint(a)) / b; }

QLabel* popisek(QWidget* rodic, const char* jmeno, const QRect& kde) {
    auto* l = new QLabel(rodic);
    l->setObjectName(QLatin1String(jmeno));
    l->setGeometry(kde);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

}  // namespace

PohledTabulky::PohledTabulky(Dialogy& dialogy, QWidget* parent) : QWidget(parent), dialogy_(dialogy) {
    setObjectName(QStringLiteral("pohledTabulky"));
    // The view covers its parent, whatever size the user gives the window.
    if (parent != nullptr) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }

    fraVykon_ = new QGroupBox(this);
    fraVykon_->setObjectName(QStringLiteral("fraVykon"));
    fraVykon_->setGeometry(Twipy(4200, 120, 2655, 2535));
    cboZtraty_ = new QComboBox(fraVykon_);
    cboZtraty_->setObjectName(QStringLiteral("cboZtraty"));
    cboZtraty_->setEditable(true);
    cboZtraty_->setInsertPolicy(QComboBox::NoInsert);
    cboZtraty_->setMaxVisibleItems(10);
    cboZtraty_->setGeometry(Twipy(1200, 360, 855, 315));
    lblSpotrebaH_ = popisek(fraVykon_, "lblSpotrebaH", Twipy(1440, 1920, 1095, 375));
    lblPrikonH_ = popisek(fraVykon_, "lblPrikonH", Twipy(1440, 1320, 1095, 375));
    for (QLabel* hodnota : {lblSpotrebaH_, lblPrikonH_}) {
        hodnota->setWordWrap(false);
        hodnota->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    }
    // The captions reach to the values, so that the longer ones keep to two or three lines.
    lblSpotreba_ = popisek(fraVykon_, "lblSpotreba", Twipy(120, 1800, 1290, 615));
    lblPrikon_ = popisek(fraVykon_, "lblPrikon", Twipy(120, 1200, 1290, 495));
    lblZtraty_ = popisek(fraVykon_, "lblZtraty", Twipy(240, 360, 975, 495));
    lblZtraty_->setBuddy(cboZtraty_);
    // Below the figures, in a frame made taller for it.
    lblInstalovany_ = popisek(fraVykon_, "lblInstalovany", Twipy(120, 2520, 1290, 495));
    lblInstalovanyH_ = popisek(fraVykon_, "lblInstalovanyH", Twipy(1440, 2580, 1095, 375));
    lblInstalovanyH_->setWordWrap(false);
    bilance_ = new TabulkaBilance(fraVykon_);
    bilance_->hide();
    // The frame is laid out for a small dialog font; its captions and figures keep to it.
    QFont male = fraVykon_->font();
    male.setPointSizeF(std::min(male.pointSizeF(), 8.0));
    for (QWidget* w : fraVykon_->findChildren<QWidget*>()) {
        w->setFont(male);
    }
    // Below the frame, in its column: why losses typed give no figures.
    lblChybaZtrat_ = popisek(this, "lblChybaZtrat", QRect());
    lblChybaZtrat_->hide();
    lblJadro_ = popisek(this, "lblJadro", QRect());
    lblVarovani_ = popisek(this, "lblVarovani", QRect());
    QPalette cervena = lblVarovani_->palette();
    cervena.setColor(QPalette::WindowText, QColor(160, 0, 0));
    lblVarovani_->setPalette(cervena);
    lblChybaZtrat_->setPalette(cervena);
    connect(cboZtraty_, &QComboBox::editTextChanged, this, &PohledTabulky::zmenaZtrat);
    connect(cboZtraty_, &QComboBox::activated, this, &PohledTabulky::zmenaZtrat);

    grdTabulka_ = new QTableView(this);
    grdTabulka_->setObjectName(QStringLiteral("grdTabulka"));
    tabulka_ = new TabulkaVysledku(this);
    grdTabulka_->setModel(tabulka_);
    grdTabulka_->verticalHeader()->hide();
    // Ranges of cells, for copying; Ctrl+A takes every row.
    grdTabulka_->setSelectionMode(QAbstractItemView::ExtendedSelection);
    grdTabulka_->setSelectionBehavior(QAbstractItemView::SelectItems);
    grdTabulka_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grdTabulka_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grdTabulka_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    grdTabulka_->setWordWrap(false);
    // Every value stays readable: the columns are made as wide as their widest text.
    grdTabulka_->setTextElideMode(Qt::ElideNone);
    grdTabulka_->setCornerButtonEnabled(false);
    QHeaderView* hlavicka = grdTabulka_->horizontalHeader();
    hlavicka->setSectionResizeMode(QHeaderView::Fixed);
    hlavicka->setSectionsClickable(false);
    hlavicka->setHighlightSections(false);
    hlavicka->setDefaultAlignment(Qt::AlignCenter);
    // Every row equally tall, so that ten thousand rows cost nothing to lay out.
    QHeaderView* radky = grdTabulka_->verticalHeader();
    radky->setMinimumSectionSize(1);
    radky->setDefaultSectionSize(grdTabulka_->fontMetrics().height() + 6);
    radky->setSectionResizeMode(QHeaderView::Fixed);

    // The context menu, and Ctrl+C while the grid has the focus.
    mnuKopirovat_ = new QAction(grdTabulka_);
    mnuKopirovat_->setObjectName(QStringLiteral("mnuKopirovat"));
    mnuKopirovat_->setShortcut(QKeySequence::Copy);
    mnuKopirovat_->setShortcutContext(Qt::WidgetShortcut);
    connect(mnuKopirovat_, &QAction::triggered, this, &PohledTabulky::KopirujVyber);
    mnuUlozitCsv_ = new QAction(grdTabulka_);
    mnuUlozitCsv_->setObjectName(QStringLiteral("mnuUlozitCsv"));
    connect(mnuUlozitCsv_, &QAction::triggered, this, &PohledTabulky::UlozTabulkuCsv);
    grdTabulka_->addAction(mnuKopirovat_);
    grdTabulka_->addAction(mnuUlozitCsv_);
    grdTabulka_->setContextMenuPolicy(Qt::ActionsContextMenu);
    setTabOrder(grdTabulka_, cboZtraty_);
}

void PohledTabulky::NastavPopisy(Jazyk j) {
    fraVykon_->setTitle(Text(id::VykonASpotreba, j));
    lblZtraty_->setText(Text(id::Ztraty, j));
    lblPrikon_->setText(Text(id::Prikon, j));
    lblSpotreba_->setText(Text(id::Spotreba, j));
    lblInstalovany_->setText(BezAkceleratoru(Text(id::InstalovanyPrikon, j)));
}

void PohledTabulky::naplnZtraty() {
    cboZtraty_->clear();
    for (int i = 0; i <= 100; ++i) {
        cboZtraty_->addItem(QString::number(i));
    }
    cboZtraty_->setCurrentIndex(0);
    cboZtraty_->setEditText(cboZtraty_->itemText(0));
}

int PohledTabulky::sirkaSloupce(int sloupec) const {
    // The widest text of the column; the numbers of a column differ mostly in length.
    const QFontMetrics metrika = grdTabulka_->fontMetrics();
    qsizetype nejdelsi = 0;
    int sirka = 0;
    for (int r = 0; r < tabulka_->rowCount(); ++r) {
        const QString text = tabulka_->data(tabulka_->index(r, sloupec)).toString();
        if (text.size() >= nejdelsi) {
            nejdelsi = text.size();
            sirka = std::max(sirka, metrika.horizontalAdvance(text));
        }
    }
    const int okraj = 2 * (grdTabulka_->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, grdTabulka_) + 1);
    return sirka + okraj + 4;
}

void PohledTabulky::zobraz(std::shared_ptr<const Vysledek> sdileny, Jazyk jazyk, QSize vnejsiTwipy,
                           std::optional<std::int16_t> ztraty) {
    vysledek_ = std::move(sdileny);
    const Vysledek& vysledek = *vysledek_;
    jazyk_ = jazyk;

    if (parentWidget() != nullptr) {
        setGeometry(parentWidget()->rect());
    }
    tabulka_->obnov(&vysledek, jazyk);
    mnuKopirovat_->setText(Text(id::Kopirovat, jazyk));
    mnuUlozitCsv_->setText(Text(id::UlozitCsv, jazyk));
    rozvrhni(vnejsiTwipy);
    grdTabulka_->scrollToTop();
    grdTabulka_->setCurrentIndex(tabulka_->index(0, 1));
    {
        // The losses the result is shown with.
        const QString z = QString::number(ztraty.value_or(vysledek.Uloha.Ztraty));
        const QSignalBlocker blokovano(cboZtraty_);
        cboZtraty_->setCurrentIndex(cboZtraty_->findText(z));
        cboZtraty_->setEditText(z);
    }
    show();
    zmenaZtrat();
}

void PohledTabulky::rozvrhni(QSize vnejsiTwipy) {
    const int W = vnejsiTwipy.width();
    const int H = vnejsiTwipy.height();
    const bool rizeny = PecSeMeni(*vysledek_);
    // Widths of the grid and its columns in twips; W / 2.5 is deliberately not rounded. The
    // temperature columns share what the time column leaves (the surface and the core of a
    // thick charge too, so that the grid keeps its width). A column whose numbers, or a word of
    // whose heading, would not fit is widened, and the grid with it.
    const double G = rizeny ? W / 2.5 : static_cast<double>(W / 4);
    const long long teplot = std::max(1, tabulka_->columnCount() - 1);
    long long sloupec0 = 0;
    long long dalsi = 0;
    if (rizeny) {
        sloupec0 = celeDeleni(G, 5);
        dalsi = celeDeleni(G - static_cast<double>(sloupec0), teplot);
    } else {
        sloupec0 = celeDeleni(G, 3);
        dalsi = (static_cast<long long>(G) - sloupec0) / teplot;
    }
    const QFontMetrics hlavicka = grdTabulka_->horizontalHeader()->fontMetrics();
    const int h = grdTabulka_->verticalHeader()->defaultSectionSize();
    int vyskaHlavicky = 3 * h;
    for (int c = 0; c < tabulka_->columnCount(); ++c) {
        const QString nazev = tabulka_->headerData(c, Qt::Horizontal).toString();
        int slovo = 0;
        for (const QString& s : nazev.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts)) {
            slovo = std::max(slovo, hlavicka.horizontalAdvance(s) + 2 * h / 3);
        }
        const int navrh = NaPixely(static_cast<double>(c == 0 ? sloupec0 : dalsi));
        const int sirka = std::max({navrh, sirkaSloupce(c), slovo});
        grdTabulka_->setColumnWidth(c, sirka);
        // The header row is three rows tall and holds two lines; a longer heading makes it taller.
        const QRect text = hlavicka.boundingRect(QRect(0, 0, sirka - 2 * h / 3, 100 * h),
                                                 Qt::AlignCenter | Qt::TextWordWrap, nazev);
        vyskaHlavicky = std::max(vyskaHlavicky, text.height() + h / 2);
    }

    // Whole rows only, within nine tenths of the window's height.
    const int n = static_cast<std::int16_t>(((H * 9) / 10) / (h * kTwipu));
    grdTabulka_->horizontalHeader()->setFixedHeight(vyskaHlavicky);
    // The cells get the documented width and height; the frame and the scroll bar lie
    // outside them.
    const int ramecek = 2 * grdTabulka_->frameWidth();
    int sirkaBunek = 0;
    for (int c = 0; c < tabulka_->columnCount(); ++c) {
        sirkaBunek += grdTabulka_->columnWidth(c);
    }
    const int posuvnik = grdTabulka_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, grdTabulka_);
    const int okraj = NaPixely(W / 50);
    grdTabulka_->setGeometry(okraj, okraj, sirkaBunek + posuvnik + ramecek, h * n + ramecek);
    // The installed power, when the furnace has one, in the frame made taller for it.
    const bool prikon = vysledek_->Uloha.Prikon > 0.0f;
    lblInstalovanyH_->setText(prikon ? TextObecny(static_cast<float>(ZobrazenaHodnota(Pole(Velicina::Prikon), vysledek_->Uloha)))
                                     : QString());
    lblInstalovany_->setVisible(prikon);
    lblInstalovanyH_->setVisible(prikon);
    // A furnace described as a thermal system shows where its energy went instead of the power
    // for a percentage of losses; the installed power follows below its balance.
    const bool pec = vysledek_->Pec && vysledek_->Uloha.Pec;
    for (QWidget* w : std::initializer_list<QWidget*>{lblZtraty_, cboZtraty_, lblPrikon_, lblPrikonH_, lblSpotreba_,
                                                      lblSpotrebaH_}) {
        w->setVisible(!pec);
    }
    bilance_->setVisible(pec);
    if (pec) {
        bilance_->zobraz(*vysledek_, jazyk_);
        const QRect r = Twipy(120, 300, 4560, 0);
        bilance_->setGeometry(r.left(), r.top(), r.width(), bilance_->sizeHint().height());
        const int y = bilance_->geometry().bottom() + NaPixely(120);
        lblInstalovany_->move(lblInstalovany_->x(), y);
        lblInstalovanyH_->move(lblInstalovanyH_->x(), y);
        fraVykon_->resize(Twipy(0, 0, 4800, 0).width(), y + (prikon ? lblInstalovany_->height() : 0) + NaPixely(120));
    } else {
        lblInstalovany_->setGeometry(Twipy(120, 2520, 1290, 495));
        lblInstalovanyH_->setGeometry(Twipy(1440, 2580, 1095, 375));
        fraVykon_->resize(Twipy(4200, 120, 2655, 0).width(), Twipy(0, 0, 0, prikon ? 3135 : 2535).height());
    }
    // A widened grid pushes the frame to its right.
    fraVykon_->move(std::max(Twipy(4200, 120, 0, 0).left(), grdTabulka_->geometry().right() + okraj),
                    fraVykon_->y());
    // The core of a thick charge below the frame, and the warning when it lags.
    // The answer leads with the decisive time where one is beyond the single temperature.
    const QString jadro = (VedeniVysledku(*vysledek_, jazyk_).isEmpty() ? RadkyVysledku(*vysledek_, jazyk_)
                                                                        : OdpovedVysledku(*vysledek_, jazyk_))
                              .trimmed();
    const QString varovani = VarovaniJadra(*vysledek_, jazyk_);
    const int sirka = width() - fraVykon_->x() - okraj;
    lblChybaZtrat_->setGeometry(fraVykon_->x(), fraVykon_->geometry().bottom() + okraj, sirka,
                                2 * lblChybaZtrat_->fontMetrics().lineSpacing() + 4);
    lblJadro_->setText(jadro);
    lblJadro_->setGeometry(fraVykon_->x(), lblChybaZtrat_->geometry().bottom() + okraj, sirka,
                           lblJadro_->heightForWidth(sirka));
    lblVarovani_->setText(varovani);
    lblVarovani_->setGeometry(fraVykon_->x(), lblJadro_->geometry().bottom() + okraj, sirka,
                              lblVarovani_->heightForWidth(sirka));
    lblJadro_->setVisible(!jadro.isEmpty());
    lblVarovani_->setVisible(!varovani.isEmpty());
}

bool PohledTabulky::eventFilter(QObject* objekt, QEvent* udalost) {
    // A window of another size gives the grid more or fewer rows and the columns their share
    // of the new width, as the design size does.
    if (objekt == parentWidget() && udalost->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
        if (isVisible() && vysledek_ != nullptr) {
            const QSize vnejsi = window()->frameGeometry().size();
            rozvrhni({vnejsi.width() * kTwipu, vnejsi.height() * kTwipu});
            emit rozvrzeno();
        }
    }
    return QWidget::eventFilter(objekt, udalost);
}

QRect PohledTabulky::obsazeno() const {
    QRect r = fraVykon_->geometry();
    for (const QLabel* l : {lblChybaZtrat_, lblJadro_, lblVarovani_}) {
        if (!l->isHidden()) {
            r = r.united(l->geometry());
        }
    }
    return r;
}

void PohledTabulky::VykonASpotreba(std::int16_t z) {
    const std::optional<VykonSpotreba> v = vysledek_ != nullptr ? zorvet::VykonASpotreba(*vysledek_, z) : std::nullopt;
    if (!v) {
        lblPrikonH_->clear();
        lblSpotrebaH_->clear();
        return;
    }
    lblPrikonH_->setText(TextObecny(v->P));
    lblSpotrebaH_->setText(TextObecny(v->E));
}

void PohledTabulky::zmenaZtrat() {
    if (isHidden()) {
        return;
    }
    // The percentage typed, rounded to a whole one (halves to the even one); a text that is no
    // number, or a percentage out of range, shows nothing rather than the figures of an earlier
    // text, and says why below the frame.
    const QString text = cboZtraty_->currentText();
    const std::optional<double> cislo = parseNumber(text);
    const std::optional<std::int16_t> cele = cislo ? wholeInt16(*cislo) : std::nullopt;
    const std::int16_t x = cele.value_or(0);
    std::optional<Zavada> chyba;
    if (!cislo) {
        chyba = Zavada{Velicina::Ztraty, text.trimmed().isEmpty() ? Vada::ChybiHodnota : Vada::NeniCislo, 0,
                       text.toStdString()};
    } else if (const std::optional<Vada> vada = ZkontrolujHodnotu(Pole(Velicina::Ztraty), cele ? x : *cislo, Uloha{})) {
        chyba = Zavada{Velicina::Ztraty, *vada, 0, {}};
    }
    lblChybaZtrat_->setText(chyba ? ZpravaZavady(*chyba, vysledek_->Uloha, jazyk_) : QString());
    lblChybaZtrat_->setVisible(chyba.has_value());
    if (chyba || !cele) {
        platneZtraty_.reset();
        lblPrikonH_->clear();
        lblSpotrebaH_->clear();
        return;
    }
    platneZtraty_ = x;
    VykonASpotreba(*platneZtraty_);
}

void PohledTabulky::KopirujVyber() {
    if (isHidden()) {
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

void PohledTabulky::UlozTabulkuCsv() {
    if (isHidden() || vysledek_ == nullptr) {
        return;
    }
    const std::optional<QString> cesta = dialogy_.ulozitVystup(Text(id::FiltrCsv, jazyk_), 2);
    if (!cesta) {
        return;
    }
    KurzorCekani cekani(dialogy_);
    const std::optional<QString> duvod = zorvet::UlozTabulkuCsv(*vysledek_, *cesta);
    cekani.uvolni();
    if (duvod) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, jazyk_),
                        *cesta + QLatin1Char('\n') + Text(id::TabulkaNeulozena, jazyk_) +
                            (duvod->isEmpty() ? QString() : QLatin1Char('\n') + *duvod));
    }
}

}  // namespace zorvet
