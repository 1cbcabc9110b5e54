#include "ui/problem_dialog/krivka_vlastnosti.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <algorithm>
#include <cmath>
#include <limits>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/materialy.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/vazba.h"

namespace zorvet {

namespace {

constexpr int kSloupcu = 3;  // T, c, λ

}  // namespace

bool StejneKrivky(const VlastnostiMaterialu& a, const VlastnostiMaterialu& b) {
    const auto hodnota = [](float x, float y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    const auto bod = [&hodnota](const BodVlastnosti& x, const BodVlastnosti& y) {
        return hodnota(x.T, y.T) && hodnota(x.c, y.c) && hodnota(x.lambda, y.lambda);
    };
    return a.Nazev == b.Nazev && a.Body.size() == b.Body.size() &&
           std::equal(a.Body.begin(), a.Body.end(), b.Body.begin(), bod);
}

bool MaLambdu(const VlastnostiMaterialu& v) {
    return JeVestavena(v) || (!v.Body.empty() && v.Body.front().lambda > 0.0f);
}

EditorKrivky::EditorKrivky(Formular& formular, Dialogy& dialogy, QWidget* parent)
    : QGroupBox(parent), formular_(formular), dialogy_(dialogy) {
    setObjectName(QStringLiteral("fraKrivka"));
    auto* krivka = new QVBoxLayout(this);
    txtNazevKrivky = named(new QLineEdit(this), "txtNazevKrivky");
    lblNazevKrivky = caption(this, "lblNazevKrivky", txtNazevKrivky);
    cmdUlozKrivku = named(new QPushButton(this), "cmdUlozKrivku");
    cmdUlozKrivku->setAutoDefault(false);
    auto* nazev = new QHBoxLayout;
    nazev->addWidget(lblNazevKrivky);
    nazev->addWidget(txtNazevKrivky, 1);
    nazev->addWidget(cmdUlozKrivku);
    krivka->addLayout(nazev);
    tblKrivka = named(new QTableWidget(1, kSloupcu, this), "tblKrivka");
    tblKrivka->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblKrivka->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Ten rows in sight: with its plot beside it the dialog keeps within a 768 pixel screen.
    tblKrivka->setMinimumHeight(fontMetrics().height() * 10);
    tblKrivka->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Tab leaves the table for the next control; the arrow keys move between its cells.
    tblKrivka->setTabKeyNavigation(false);
    // Ctrl+V takes lines of a spreadsheet; Delete empties the cells selected.
    auto* vlozit = new QAction(tblKrivka);
    vlozit->setShortcut(QKeySequence::Paste);
    vlozit->setShortcutContext(Qt::WidgetShortcut);
    tblKrivka->addAction(vlozit);
    auto* smazat = new QAction(tblKrivka);
    smazat->setShortcut(QKeySequence::Delete);
    smazat->setShortcutContext(Qt::WidgetShortcut);
    tblKrivka->addAction(smazat);
    grfKrivka = named(new QChartView(this), "grfKrivka");
    grfKrivka->setMinimumSize(fontMetrics().height() * 22, fontMetrics().height() * 10);
    grfKrivka->setRenderHint(QPainter::Antialiasing);
    auto* obsah = new QHBoxLayout;
    obsah->addWidget(tblKrivka);
    obsah->addWidget(grfKrivka, 1);
    krivka->addLayout(obsah);
    connect(cmdUlozKrivku, &QPushButton::clicked, this, &EditorKrivky::cmdUlozKrivkuClick);
    connect(tblKrivka, &QTableWidget::itemChanged, this, &EditorKrivky::tabulkaUpravena);
    connect(txtNazevKrivky, &QLineEdit::textEdited, this, &EditorKrivky::tabulkaUpravena);
    connect(vlozit, &QAction::triggered, this, &EditorKrivky::vlozZeSchranky);
    connect(smazat, &QAction::triggered, this, &EditorKrivky::smazBunky);
}

void EditorKrivky::NastavPopisy(Jazyk j) {
    jazyk_ = j;
    setTitle(Text(id::VlastniTabulka, j));
    lblNazevKrivky->setText(Text(id::NazevKrivky, j));
    cmdUlozKrivku->setText(Text(id::UlozKrivku, j));
    tblKrivka->setHorizontalHeaderLabels(
        {Text(id::SloupecTeploty, j), Text(id::SloupecTepelneKapacity, j), Text(id::SloupecVodivosti, j)});
    // Every column in sight, each wide enough for its caption and a number like -1234.567.
    int sirka = tblKrivka->verticalHeader()->sizeHint().width() + 2 * tblKrivka->frameWidth() +
                tblKrivka->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, tblKrivka) + 4;
    const int cislo = tblKrivka->fontMetrics().horizontalAdvance(QStringLiteral("-1234.567")) + 12;
    for (int s = 0; s < kSloupcu; ++s) {
        sirka += std::max(tblKrivka->horizontalHeader()->sectionSizeHint(s), cislo);
    }
    tblKrivka->setMinimumWidth(sirka);
}

void EditorKrivky::ukaz(const VlastnostiMaterialu& krivka) {
    if (!zTabulky_ || !StejneKrivky(*zTabulky_, krivka)) {
        ukazKrivku(krivka);
    }
    if (!nakreslena_ || !StejneKrivky(*nakreslena_, krivka)) {
        nakresliKrivku(krivka);
    }
}

VlastnostiMaterialu EditorKrivky::zTabulky() {
    zTabulky_ = krivkaTabulky();
    return *zTabulky_;
}

QString EditorKrivky::bunka(int radek, int sloupec) const {
    const QTableWidgetItem* polozka = tblKrivka->item(radek, sloupec);
    return polozka != nullptr ? polozka->text().trimmed() : QString();
}

VlastnostiMaterialu EditorKrivky::krivkaTabulky() {
    // Empty rows are no points; a text that is no number is NaN, which the curve's check names.
    const auto cislo = [](const QString& text) {
        const std::optional<double> x = parseNumber(text);
        return x ? static_cast<float>(*x) : std::numeric_limits<float>::quiet_NaN();
    };
    VlastnostiMaterialu krivka{txtNazevKrivky->text().trimmed().toStdString(), {}};
    radkyBodu_.clear();
    for (int r = 0; r < tblKrivka->rowCount(); ++r) {
        if (bunka(r, 0).isEmpty() && bunka(r, 1).isEmpty() && bunka(r, 2).isEmpty()) {
            continue;
        }
        radkyBodu_.push_back(r);
        krivka.Body.push_back({cislo(bunka(r, 0)), cislo(bunka(r, 1)), bunka(r, 2).isEmpty() ? 0.0f : cislo(bunka(r, 2))});
    }
    return krivka;
}

void EditorKrivky::ukazKrivku(const VlastnostiMaterialu& krivka) {
    const QSignalBlocker blokovano(tblKrivka);
    const bool lambda = MaLambdu(krivka);
    const auto text = [](float x) { return std::isnan(x) ? QString() : TextObecny(x); };
    tblKrivka->setRowCount(static_cast<int>(krivka.Body.size()) + 1);
    radkyBodu_.clear();
    for (int r = 0; r < tblKrivka->rowCount(); ++r) {
        const bool bod = static_cast<std::size_t>(r) < krivka.Body.size();
        const BodVlastnosti b = bod ? krivka.Body[static_cast<std::size_t>(r)] : BodVlastnosti{};
        const QString texty[kSloupcu] = {bod ? text(b.T) : QString(), bod ? text(b.c) : QString(),
                                         bod && (lambda || b.lambda != 0.0f) ? text(b.lambda) : QString()};
        for (int s = 0; s < kSloupcu; ++s) {
            tblKrivka->setItem(r, s, new QTableWidgetItem(texty[s]));
        }
        if (bod) {
            radkyBodu_.push_back(r);
        }
    }
    txtNazevKrivky->setText(QString::fromStdString(krivka.Nazev));
    zTabulky_ = krivka;
}

void EditorKrivky::tabulkaUpravena() {
    {
        // A row to type the next point into.
        const QSignalBlocker blokovano(tblKrivka);
        const int posledni = tblKrivka->rowCount() - 1;
        if (posledni < 0 || !bunka(posledni, 0).isEmpty() || !bunka(posledni, 1).isEmpty() ||
            !bunka(posledni, 2).isEmpty()) {
            tblKrivka->insertRow(posledni + 1);
        }
    }
    zTabulky_ = krivkaTabulky();
    formular_.nastavVlastnosti(zTabulky_);
}

void EditorKrivky::vlozZeSchranky() {
    const QStringList radky = QGuiApplication::clipboard()->text().split(QLatin1Char('\n'));
    int r = std::max(tblKrivka->currentRow(), 0);
    const int s0 = std::max(tblKrivka->currentColumn(), 0);
    {
        const QSignalBlocker blokovano(tblKrivka);
        for (QString radek : radky) {
            radek.remove(QLatin1Char('\r'));
            if (radek.trimmed().isEmpty()) {
                continue;
            }
            // A spreadsheet copies tab-separated lines; a CSV file has semicolons or commas.
            const QChar oddelovac = radek.contains(QLatin1Char('\t'))  ? QLatin1Char('\t')
                                    : radek.contains(QLatin1Char(';')) ? QLatin1Char(';')
                                                                       : QLatin1Char(',');
            const QStringList bunky = radek.split(oddelovac);
            // A header, a line without any number, is left out.
            if (std::none_of(bunky.begin(), bunky.end(), [](const QString& b) { return parseNumber(b).has_value(); })) {
                continue;
            }
            if (r >= tblKrivka->rowCount()) {
                tblKrivka->setRowCount(r + 1);
            }
            for (qsizetype i = 0; i < bunky.size() && s0 + i < kSloupcu; ++i) {
                tblKrivka->setItem(r, s0 + static_cast<int>(i), new QTableWidgetItem(bunky[i].trimmed()));
            }
            ++r;
        }
    }
    tabulkaUpravena();
}

void EditorKrivky::smazBunky() {
    {
        const QSignalBlocker blokovano(tblKrivka);
        for (QTableWidgetItem* polozka : tblKrivka->selectedItems()) {
            polozka->setText(QString());
        }
    }
    tabulkaUpravena();
}

void EditorKrivky::nakresliKrivku(const VlastnostiMaterialu& krivka) {
    auto* graf = new QChart;
    graf->legend()->setAlignment(Qt::AlignBottom);
    graf->setMargins(QMargins(2, 2, 2, 2));
    auto* osaT = new QValueAxis;
    osaT->setTitleText(tblKrivka->horizontalHeaderItem(0)->text());
    osaT->setLabelFormat(QStringLiteral("%g"));
    graf->addAxis(osaT, Qt::AlignBottom);
    const bool lambda = MaLambdu(krivka);
    for (int s = 1; s <= (lambda ? 2 : 1); ++s) {
        auto* rada = new QLineSeries;
        rada->setName(s == 1 ? QStringLiteral("c(T)") : QStringLiteral("λ(T)"));
        for (const BodVlastnosti& b : krivka.Body) {
            const float y = s == 1 ? b.c : b.lambda;
            if (std::isfinite(b.T) && std::isfinite(y)) {
                rada->append(static_cast<double>(b.T), static_cast<double>(y));
            }
        }
        rada->setPointsVisible(true);
        graf->addSeries(rada);
        auto* osa = new QValueAxis;
        osa->setTitleText(tblKrivka->horizontalHeaderItem(s)->text().section(QStringLiteral(" ("), 0, 0));
        osa->setLabelFormat(QStringLiteral("%g"));
        osa->setLinePenColor(rada->color());
        graf->addAxis(osa, s == 1 ? Qt::AlignLeft : Qt::AlignRight);
        rada->attachAxis(osaT);
        rada->attachAxis(osa);
    }
    QFont pismo = graf->font();
    pismo.setPointSizeF(std::min(pismo.pointSizeF(), 8.0));
    for (QAbstractAxis* osa : graf->axes()) {
        osa->setLabelsFont(pismo);
        osa->setTitleFont(pismo);
    }
    graf->legend()->setFont(pismo);
    QChart* stary = grfKrivka->chart();
    grfKrivka->setChart(graf);
    delete stary;
    nakreslena_ = krivka;
}

bool EditorKrivky::ukazChybu() {
    const std::optional<VlastnostiMaterialu>& v = formular_.uloha().Vlastnosti;
    if (!v) {
        return false;
    }
    const ZavadaKrivky z = ZkontrolujKrivku(*v);
    if (z.vada == VadaKrivky::Zadna) {
        return false;
    }
    const Jazyk j = jazyk_;
    const auto bod = static_cast<std::size_t>(z.bod);
    const int radek = bod < radkyBodu_.size() ? radkyBodu_[bod] : z.bod;
    // The column's caption without the note that λ may be left out.
    const QString sloupec = tblKrivka->horizontalHeaderItem(z.sloupec)->text().section(QStringLiteral(" ("), 0, 0);
    const QString cislo = QString::number(radek + 1);
    QString zprava;
    switch (z.vada) {
        case VadaKrivky::MaloBodu:
            zprava = Text(id::TabulkaMaloBodu, j);
            break;
        case VadaKrivky::NekonecnaHodnota:
            zprava = bunka(radek, z.sloupec).isEmpty()
                         ? Text(id::BunkaChybi, j).arg(cislo, sloupec)
                         : Text(id::BunkaNeniCislo, j).arg(cislo, sloupec, bunka(radek, z.sloupec));
            break;
        case VadaKrivky::NerostouciTeplota:
            zprava = Text(id::BunkaNerostouci, j).arg(cislo, sloupec);
            break;
        case VadaKrivky::MimoTeploty:
            zprava = Text(id::BunkaMimoTeploty, j)
                         .arg(cislo, sloupec, TextObecny(static_cast<float>(Pole(Velicina::Tv).min)),
                              TextObecny(static_cast<float>(Pole(Velicina::Tv).max)));
            break;
        case VadaKrivky::NekladnaHodnota: {
            // A conductivity in some rows only, or one that is not positive.
            const auto& b = v->Body;
            const bool jenNekde = z.sloupec == 2 && (b.front().lambda == 0.0f || b[bod].lambda == 0.0f);
            zprava = Text(jenNekde ? id::BunkaLambda : id::BunkaNekladna, j).arg(cislo, sloupec);
            break;
        }
        case VadaKrivky::Zadna:
            break;
    }
    dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j), zprava);
    if (z.vada != VadaKrivky::MaloBodu) {
        tblKrivka->setCurrentCell(radek, z.sloupec);
    }
    tblKrivka->setFocus(Qt::OtherFocusReason);
    return true;
}

void EditorKrivky::cmdUlozKrivkuClick() {
    const Jazyk j = jazyk_;
    const QString nazev = txtNazevKrivky->text().trimmed();
    if (nazev.isEmpty()) {
        dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j),
                        Text(id::ChybiHodnota, j).arg(BezAkceleratoru(Text(id::NazevKrivky, j))));
        txtNazevKrivky->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (ukazChybu() || !formular_.uloha().Vlastnosti) {
        return;
    }
    const VlastnostiMaterialu krivka = *formular_.uloha().Vlastnosti;
    Chyba popis;
    UlozeniMaterialu vysledek = UlozKrivku(slozka_, krivka, false, &popis);
    if (vysledek == UlozeniMaterialu::Existuje) {
        if (!dialogy_.otazka(Text(id::Dotaz, j), Text(id::KrivkaJizExistuje, j).arg(nazev))) {
            return;
        }
        vysledek = UlozKrivku(slozka_, krivka, true, &popis);
    }
    if (vysledek == UlozeniMaterialu::Chyba) {
        Ohlas(dialogy_, popis);
        return;
    }
    dialogy_.zprava(Ikona::Informace, Text(id::DoplneniDatabaze, j),
                    Text(id::KrivkaUlozena, j).arg(nazev, SouborVlastnosti()));
    emit krivkaUlozena();
}

}  // namespace zorvet
