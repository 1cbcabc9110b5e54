#include "ui/problem_dialog/zadani_material.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QGroupBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStyle>
#include <QTableWidget>
#include <QTimer>
#include <QVBoxLayout>
#include <QtCharts/QChart>
#include <QtCharts/QChartView>
#include <QtCharts/QLegend>
#include <QtCharts/QLineSeries>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <limits>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/materialy.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

namespace {

// The entries of the property model's list before the user's saved curves.
enum PolozkaVlastnosti { kKonstantniC, kUhlikova, kNerezova, kVlastniTabulka, kPrvniUlozena };

constexpr int kSloupcu = 3;  // T, c, λ

// Equal points, a value that is no number (NaN) equal to another.
bool stejne(const VlastnostiMaterialu& a, const VlastnostiMaterialu& b) {
    const auto hodnota = [](float x, float y) { return x == y || (std::isnan(x) && std::isnan(y)); };
    const auto bod = [&hodnota](const BodVlastnosti& x, const BodVlastnosti& y) {
        return hodnota(x.T, y.T) && hodnota(x.c, y.c) && hodnota(x.lambda, y.lambda);
    };
    return a.Nazev == b.Nazev && a.Body.size() == b.Body.size() &&
           std::equal(a.Body.begin(), a.Body.end(), b.Body.begin(), bod);
}

bool maLambdu(const VlastnostiMaterialu& v) {
    return JeVestavena(v) || (!v.Body.empty() && v.Body.front().lambda > 0.0f);
}

}  // namespace

ZadaniMaterialu::ZadaniMaterialu(Formular& formular, Dialogy& dialogy, QWidget* parent)
    : Zalozka(formular, parent), dialogy_(dialogy) {
    auto* f = formLayout(this);
    cboMaterial = named(new QComboBox(this), "cboMaterial");
    cboMaterial->setEditable(true);
    cboMaterial->setInsertPolicy(QComboBox::NoInsert);
    cboMaterial->setMinimumContentsLength(22);
    cboMaterial->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A name is taken as typed: no completion to an existing name, which would also make a
    // name differing only in letter case impossible to type.
    cboMaterial->setCompleter(nullptr);
    cmdUlozMaterial = named(new QPushButton(this), "cmdUlozMaterial");
    cmdUlozMaterial->setAutoDefault(false);
    auto* druh = new QHBoxLayout;
    druh->addWidget(cboMaterial);
    druh->addWidget(cmdUlozMaterial);
    lblDruh = caption(this, "lblDruh", cboMaterial);
    f->addRow(lblDruh, druh);

    txtGama = numberField(this, "txtGama");
    txtc = numberField(this, "txtc");
    txtEps = numberField(this, "txtEps");
    txtKoefK = numberField(this, "txtKoefK");
    txtLambda = numberField(this, "txtLambda");
    lblGama = caption(this, "lblGama", txtGama);
    lblc = caption(this, "lblc", txtc);
    lblEps = caption(this, "lblEps", txtEps);
    lblEps->setMouseTracking(true);
    lblKoefK = caption(this, "lblKoefK", txtKoefK);
    lblLambda = caption(this, "lblLambda", txtLambda);
    cboVlastnosti = named(new QComboBox(this), "cboVlastnosti");
    cboVlastnosti->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblVlastnosti = caption(this, "lblVlastnosti", cboVlastnosti);
    lblcKrivky = named(new QLabel(this), "lblcKrivky");
    auto* kapacita = new QHBoxLayout;
    kapacita->addWidget(txtc);
    kapacita->addWidget(lblcKrivky, 1);
    f->addRow(lblGama, txtGama);
    f->addRow(lblVlastnosti, cboVlastnosti);
    f->addRow(lblc, kapacita);
    f->addRow(lblEps, txtEps);
    f->addRow(lblKoefK, txtKoefK);
    f->addRow(lblLambda, txtLambda);

    // A user's curve: its name, its table and its plot.
    fraKrivka = named(new QGroupBox(this), "fraKrivka");
    auto* krivka = new QVBoxLayout(fraKrivka);
    txtNazevKrivky = named(new QLineEdit(fraKrivka), "txtNazevKrivky");
    lblNazevKrivky = caption(fraKrivka, "lblNazevKrivky", txtNazevKrivky);
    cmdUlozKrivku = named(new QPushButton(fraKrivka), "cmdUlozKrivku");
    cmdUlozKrivku->setAutoDefault(false);
    auto* nazev = new QHBoxLayout;
    nazev->addWidget(lblNazevKrivky);
    nazev->addWidget(txtNazevKrivky, 1);
    nazev->addWidget(cmdUlozKrivku);
    krivka->addLayout(nazev);
    tblKrivka = named(new QTableWidget(1, kSloupcu, fraKrivka), "tblKrivka");
    tblKrivka->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    tblKrivka->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    // Ten rows in sight: with its plot beside it the dialog keeps within a 768 pixel screen.
    tblKrivka->setMinimumHeight(fontMetrics().height() * 10);
    tblKrivka->setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    // Ctrl+V takes lines of a spreadsheet; Delete empties the cells selected.
    auto* vlozit = new QAction(tblKrivka);
    vlozit->setShortcut(QKeySequence::Paste);
    vlozit->setShortcutContext(Qt::WidgetShortcut);
    tblKrivka->addAction(vlozit);
    auto* smazat = new QAction(tblKrivka);
    smazat->setShortcut(QKeySequence::Delete);
    smazat->setShortcutContext(Qt::WidgetShortcut);
    tblKrivka->addAction(smazat);
    grfKrivka = named(new QChartView(fraKrivka), "grfKrivka");
    grfKrivka->setMinimumSize(fontMetrics().height() * 22, fontMetrics().height() * 10);
    grfKrivka->setRenderHint(QPainter::Antialiasing);
    auto* obsah = new QHBoxLayout;
    obsah->addWidget(tblKrivka);
    obsah->addWidget(grfKrivka, 1);
    krivka->addLayout(obsah);
    fraKrivka->hide();
    f->addRow(fraKrivka);
    svaz(cboMaterial, Velicina::NazevMaterialu);
    svaz(txtGama, Velicina::Gama);
    svaz(txtc, Velicina::c);
    svaz(txtEps, Velicina::Eps);
    svaz(txtKoefK, Velicina::KoefK);
    svaz(txtLambda, Velicina::Lambda);

    tmrHelp = named(new QTimer(this), "tmrHelp");
    tmrHelp->setInterval(1000);
    tmrHelp->setSingleShot(true);
    connect(tmrHelp, &QTimer::timeout, this, [this] { window()->unsetCursor(); });
    lblEps->installEventFilter(this);
    connect(cboMaterial, &QComboBox::activated, this, &ZadaniMaterialu::cboMaterialClick);
    connect(cmdUlozMaterial, &QPushButton::clicked, this, &ZadaniMaterialu::cmdUlozMaterialClick);
    connect(cboVlastnosti, &QComboBox::currentIndexChanged, this, &ZadaniMaterialu::cboVlastnostiClick);
    connect(cmdUlozKrivku, &QPushButton::clicked, this, &ZadaniMaterialu::cmdUlozKrivkuClick);
    connect(tblKrivka, &QTableWidget::itemChanged, this, &ZadaniMaterialu::tabulkaUpravena);
    connect(txtNazevKrivky, &QLineEdit::textEdited, this, &ZadaniMaterialu::tabulkaUpravena);
    connect(vlozit, &QAction::triggered, this, &ZadaniMaterialu::vlozZeSchranky);
    connect(smazat, &QAction::triggered, this, &ZadaniMaterialu::smazBunky);
}

void ZadaniMaterialu::NastavPopisy(Jazyk j) {
    jazyk_ = j;
    lblDruh->setText(Text(id::Druh, j));
    lblGama->setText(Text(id::Gama, j));
    lblc->setText(Text(id::c, j));
    lblEps->setText(Text(id::Eps, j));
    cmdUlozMaterial->setText(Text(id::UlozMaterial, j));
    // The same caption in both languages; only its tooltip is translated.
    lblKoefK->setText(QString::fromUtf8(Pole(Velicina::KoefK).popisekText));
    lblKoefK->setToolTip(Text(id::KoefKTip, j));
    lblLambda->setText(Text(id::Lambda, j));
    lblVlastnosti->setText(Text(id::ModelVlastnosti, j));
    fraKrivka->setTitle(Text(id::VlastniTabulka, j));
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
    naplnVlastnosti();
}

void ZadaniMaterialu::NactiMaterialy(const QString& slozka, Jazyk jazyk) {
    slozka_ = slozka;
    databaze_ = zorvet::NactiMaterialy(slozka, jazyk);
    naplnSeznam();
    naplnVlastnosti();
    lblEps->setToolTip(QString::fromStdString(databaze_.TabulkaEps));
    if (const std::optional<Material>& m = databaze_.Orezany) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, jazyk),
                        Text(id::OrezanyMaterial, jazyk)
                            .arg(QDir::toNativeSeparators(QDir(slozka).filePath(QStringLiteral("Material.lst"))),
                                 QString::fromStdString(m->Nazev), TextObecny(m->c), TextObecny(m->Gama)));
    }
}

void ZadaniMaterialu::naplnSeznam() {
    const QSignalBlocker blokovano(cboMaterial);
    cboMaterial->clear();
    for (const Material& m : databaze_.Materialy) {
        cboMaterial->addItem(QString::fromStdString(m.Nazev));
    }
    // The name of the problem, not the first of the list.
    cboMaterial->setCurrentIndex(-1);
    cboMaterial->setEditText(formular_.text(Velicina::NazevMaterialu));
}

bool ZadaniMaterialu::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == lblEps && udalost->type() == QEvent::MouseMove) {
        // The question-mark pointer stays while the mouse moves over the label and goes one
        // second after the last movement.
        if (window()->cursor().shape() != Qt::WhatsThisCursor) {
            window()->setCursor(Qt::WhatsThisCursor);
        }
        tmrHelp->start();
    }
    return Zalozka::eventFilter(objekt, udalost);
}

void ZadaniMaterialu::vybrana() { cboMaterial->setFocus(Qt::TabFocusReason); }

float ZadaniMaterialu::vodivost(const std::string& nazev) const {
    const auto lambda = databaze_.Vodivosti.find(nazev);
    return lambda != databaze_.Vodivosti.end() ? lambda->second : 0.0f;
}

QWidget* ZadaniMaterialu::pole(Velicina v) const {
    switch (v) {
        case Velicina::NazevMaterialu:
            return cboMaterial;
        case Velicina::c:
            return txtc;
        case Velicina::Gama:
            return txtGama;
        default:
            return txtLambda;
    }
}

void ZadaniMaterialu::cboMaterialClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= databaze_.Materialy.size()) {
        return;
    }
    const Material& m = databaze_.Materialy[static_cast<std::size_t>(index)];
    formular_.vyberMaterial(m, vodivost(m.Nazev));
}

void ZadaniMaterialu::cmdUlozMaterialClick() {
    const Jazyk j = jazyk_;
    const Uloha& u = formular_.uloha();
    // A material of the database needs its name, heat capacity and density; a conductivity,
    // when given, is saved with it in its companion file.
    std::optional<Zavada> chyba;
    const QString nazev = formular_.text(Velicina::NazevMaterialu);
    Uloha sHustotou = u;
    sHustotou.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    for (Velicina v : {Velicina::NazevMaterialu, Velicina::c, Velicina::Gama, Velicina::Lambda}) {
        const bool prazdne = formular_.text(v).trimmed().isEmpty();
        if (prazdne && v != Velicina::Lambda) {
            chyba = Zavada{v, Vada::ChybiHodnota, 0, {}};
        } else if (v != Velicina::NazevMaterialu && !prazdne) {
            chyba = formular_.chybaPole(v);
            if (const std::optional<Vada> vada = ZkontrolujHodnotu(Pole(v), Hodnota(Pole(v), u), sHustotou);
                !chyba && vada) {
                chyba = Zavada{v, *vada, 0, {}};
            }
        }
        if (chyba) {
            dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j), ZpravaZavady(*chyba, u, j));
            pole(v)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const Material novy{nazev.toStdString(), u.c, u.Gama};
    Chyba popis;
    UlozeniMaterialu vysledek = UlozMaterial(slozka_, novy, false, &popis);
    if (vysledek == UlozeniMaterialu::Existuje) {
        if (!dialogy_.otazka(Text(id::Dotaz, j), Text(id::Material, j) + nazev + Text(id::UzExistuje, j) +
                                                      QStringLiteral("\r\n") + Text(id::PrepsatMaterial, j))) {
            return;
        }
        vysledek = UlozMaterial(slozka_, novy, true, &popis);
    }
    if ((vysledek == UlozeniMaterialu::Pridan || vysledek == UlozeniMaterialu::Prepsan) && u.Lambda > 0.0f &&
        UlozVodivost(slozka_, novy.Nazev, u.Lambda, &popis) == UlozeniMaterialu::Chyba) {
        vysledek = UlozeniMaterialu::Chyba;
    }
    switch (vysledek) {
        case UlozeniMaterialu::Pridan:
            dialogy_.zprava(Ikona::Informace, Text(id::DoplneniDatabaze, j), Text(id::MaterialPridan, j) + nazev);
            break;
        case UlozeniMaterialu::Prepsan:
            dialogy_.zprava(Ikona::Informace, Text(id::PrepsaniDatabaze, j), Text(id::MaterialPrepsan, j));
            break;
        case UlozeniMaterialu::Plna:
            dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, j), Text(id::DatabazePlna, j));
            return;
        case UlozeniMaterialu::Chyba:
            Ohlas(dialogy_, popis);
            return;
        case UlozeniMaterialu::Existuje:
            return;
    }
    // The list shows the files as they are now.
    const DatabazeMaterialu znovu = zorvet::NactiMaterialy(slozka_, j);
    databaze_.Materialy = znovu.Materialy;
    databaze_.Vodivosti = znovu.Vodivosti;
    naplnSeznam();
}

void ZadaniMaterialu::naplnVlastnosti() {
    const QSignalBlocker blokovano(cboVlastnosti);
    cboVlastnosti->clear();
    for (int popisek : {id::KonstantniC, id::UhlikovaOcel, id::NerezovaOcel, id::VlastniTabulka}) {
        cboVlastnosti->addItem(Text(popisek, jazyk_));
    }
    for (const auto& [nazev, krivka] : databaze_.Krivky) {
        cboVlastnosti->addItem(QString::fromStdString(nazev));
    }
    obnov();
}

void ZadaniMaterialu::obnov() {
    const Uloha& u = formular_.uloha();
    const std::optional<VlastnostiMaterialu>& v = u.Vlastnosti;
    const bool tabulka = v && !JeVestavena(*v);
    int polozka = !v         ? kKonstantniC
                  : !tabulka ? (v->Nazev == kUhlikovaOcel ? kUhlikova : kNerezova)
                             : kVlastniTabulka;
    if (tabulka) {
        // A saved curve as it was saved is shown by its name.
        const auto ulozena = databaze_.Krivky.find(v->Nazev);
        for (int i = kPrvniUlozena; i < cboVlastnosti->count(); ++i) {
            if (ulozena != databaze_.Krivky.end() && stejne(ulozena->second, *v) &&
                cboVlastnosti->itemText(i).toStdString() == v->Nazev) {
                polozka = i;
            }
        }
        if (!zTabulky_ || !stejne(*zTabulky_, *v)) {
            ukazKrivku(*v);
        }
        if (!nakreslena_ || !stejne(*nakreslena_, *v)) {
            nakresliKrivku(*v);
        }
    }
    {
        const QSignalBlocker blokovano(cboVlastnosti);
        cboVlastnosti->setCurrentIndex(polozka);
    }
    // The heat capacity of a curve cannot be typed, and says where it comes from.
    txtc->setReadOnly(v.has_value());
    txtc->setToolTip(v ? Text(id::CZKrivkyTip, jazyk_) : QString());
    lblcKrivky->setText(Text(id::CZKrivky, jazyk_).arg(TextObecny(u.Tv), TextObecny(u.Tk)));
    lblcKrivky->setVisible(v.has_value());
    const bool lambda = v && maLambdu(*v);
    txtLambda->setPlaceholderText(lambda ? Text(id::LambdaZKrivky, jazyk_) : QString());
    const int sirka = txtLambda->fontMetrics().horizontalAdvance(txtLambda->placeholderText()) + 16;
    txtLambda->setMinimumWidth(std::max(txtc->minimumWidth(), sirka));
    txtLambda->setToolTip(lambda ? Text(id::LambdaZKrivkyTip, jazyk_) : QString());
    const bool bylaVidet = !fraKrivka->isHidden();
    fraKrivka->setVisible(tabulka);
    Zalozka::obnov();
    if (bylaVidet != tabulka) {
        emit tabulkaZmenena();
    }
}

void ZadaniMaterialu::cboVlastnostiClick(int index) {
    switch (index) {
        case kKonstantniC:
            formular_.nastavVlastnosti(std::nullopt);
            return;
        case kUhlikova:
            formular_.nastavVlastnosti(VestaveneVlastnosti(kUhlikovaOcel));
            return;
        case kNerezova:
            formular_.nastavVlastnosti(VestaveneVlastnosti(kNerezovaOcel));
            return;
        case kVlastniTabulka: {
            // The table as it was left.
            const std::optional<VlastnostiMaterialu>& v = formular_.uloha().Vlastnosti;
            if (!v || JeVestavena(*v)) {
                zTabulky_ = krivkaTabulky();
                formular_.nastavVlastnosti(zTabulky_);
            }
            return;
        }
        default:
            if (index < kPrvniUlozena) {
                return;
            }
            if (const auto ulozena = databaze_.Krivky.find(cboVlastnosti->itemText(index).toStdString());
                ulozena != databaze_.Krivky.end()) {
                formular_.nastavVlastnosti(ulozena->second);
            }
    }
}

QString ZadaniMaterialu::bunka(int radek, int sloupec) const {
    const QTableWidgetItem* polozka = tblKrivka->item(radek, sloupec);
    return polozka != nullptr ? polozka->text().trimmed() : QString();
}

VlastnostiMaterialu ZadaniMaterialu::krivkaTabulky() {
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

void ZadaniMaterialu::ukazKrivku(const VlastnostiMaterialu& krivka) {
    const QSignalBlocker blokovano(tblKrivka);
    const bool lambda = maLambdu(krivka);
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

void ZadaniMaterialu::tabulkaUpravena() {
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

void ZadaniMaterialu::vlozZeSchranky() {
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

void ZadaniMaterialu::smazBunky() {
    {
        const QSignalBlocker blokovano(tblKrivka);
        for (QTableWidgetItem* polozka : tblKrivka->selectedItems()) {
            polozka->setText(QString());
        }
    }
    tabulkaUpravena();
}

void ZadaniMaterialu::nakresliKrivku(const VlastnostiMaterialu& krivka) {
    auto* graf = new QChart;
    graf->legend()->setAlignment(Qt::AlignBottom);
    graf->setMargins(QMargins(2, 2, 2, 2));
    auto* osaT = new QValueAxis;
    osaT->setTitleText(tblKrivka->horizontalHeaderItem(0)->text());
    osaT->setLabelFormat(QStringLiteral("%g"));
    graf->addAxis(osaT, Qt::AlignBottom);
    const bool lambda = maLambdu(krivka);
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

bool ZadaniMaterialu::ukazChybuKrivky() {
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

void ZadaniMaterialu::cmdUlozKrivkuClick() {
    const Jazyk j = jazyk_;
    const QString nazev = txtNazevKrivky->text().trimmed();
    if (nazev.isEmpty()) {
        dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j),
                        Text(id::ChybiHodnota, j).arg(BezAkceleratoru(Text(id::NazevKrivky, j))));
        txtNazevKrivky->setFocus(Qt::OtherFocusReason);
        return;
    }
    if (ukazChybuKrivky() || !formular_.uloha().Vlastnosti) {
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
    // The list offers the curves as the file holds them now.
    const DatabazeMaterialu znovu = zorvet::NactiMaterialy(slozka_, j);
    databaze_.Krivky = znovu.Krivky;
    databaze_.Vodivosti = znovu.Vodivosti;
    naplnVlastnosti();
}

}  // namespace zorvet
