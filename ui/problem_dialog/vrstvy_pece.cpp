#include "ui/problem_dialog/vrstvy_pece.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "files/retezce.h"
#include "ui/problem_dialog/vazba.h"

namespace zorvet {

namespace {

QByteArray jmenoCasti(const char* predpona, const char* cast, const char* pripona = "") {
    return QByteArray(predpona) + cast + pripona;
}

}  // namespace

TabulkaVrstev::TabulkaVrstev(const char* cast, std::function<Refraktor(const QString&)> najdi,
                             std::function<Vyzdivka()> steny, QWidget* parent)
    : QWidget(parent), najdi_(std::move(najdi)), steny_(std::move(steny)) {
    setObjectName(QString::fromLatin1(jmenoCasti("frm", cast)));
    auto* svisle = new QVBoxLayout(this);
    svisle->setContentsMargins(4, 4, 4, 4);
    if (steny_) {
        jakoSteny_ = named(new QCheckBox(this), jmenoCasti("chk", cast, "JakoSteny").constData());
        svisle->addWidget(jakoSteny_);
        connect(jakoSteny_, &QCheckBox::toggled, this, [this](bool jako) {
            const Vyzdivka vlastni = jako ? Vyzdivka{} : steny_();
            zmen([&vlastni](Vyzdivka& v) { v = vlastni; }, true, 0);
        });
    }
    tabulka_ = named(new QTableWidget(0, 2, this), jmenoCasti("grd", cast).constData());
    tabulka_->verticalHeader()->setDefaultSectionSize(tabulka_->fontMetrics().height() + 10);
    tabulka_->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tabulka_->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tabulka_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tabulka_->setSelectionMode(QAbstractItemView::SingleSelection);
    tabulka_->setMinimumHeight(tabulka_->fontMetrics().height() * 6);
    svisle->addWidget(tabulka_, 1);
    auto* tlacitka = new QHBoxLayout;
    pridat_ = named(new QPushButton(this), jmenoCasti("cmdPridat", cast).constData());
    odebrat_ = named(new QPushButton(this), jmenoCasti("cmdOdebrat", cast).constData());
    nahoru_ = named(new QPushButton(this), jmenoCasti("cmdNahoru", cast).constData());
    dolu_ = named(new QPushButton(this), jmenoCasti("cmdDolu", cast).constData());
    for (QPushButton* b : {pridat_, odebrat_, nahoru_, dolu_}) {
        b->setAutoDefault(false);
        tlacitka->addWidget(b);
    }
    tlacitka->addStretch(1);
    svisle->addLayout(tlacitka);

    // A new layer goes below the one selected (at the end without one), of the first refractory
    // offered, and waits for its thickness.
    connect(pridat_, &QPushButton::clicked, this, [this] {
        const int i = tabulka_->currentRow() < 0 ? static_cast<int>(vrstvy_.size()) : tabulka_->currentRow() + 1;
        Vrstva nova;
        if (!nazvy_.isEmpty()) {
            nova.Material = najdi_(nazvy_.front());
        }
        zmen([i, &nova](Vyzdivka& v) { v.insert(v.begin() + i, nova); }, true, i);
    });
    connect(odebrat_, &QPushButton::clicked, this, [this] {
        const int i = tabulka_->currentRow();
        zmen([i](Vyzdivka& v) { v.erase(v.begin() + i); }, true, std::min(i, static_cast<int>(vrstvy_.size()) - 2));
    });
    connect(nahoru_, &QPushButton::clicked, this, [this] {
        const int i = tabulka_->currentRow();
        zmen([i](Vyzdivka& v) { std::swap(v[i - 1], v[i]); }, true, i - 1);
    });
    connect(dolu_, &QPushButton::clicked, this, [this] {
        const int i = tabulka_->currentRow();
        zmen([i](Vyzdivka& v) { std::swap(v[i], v[i + 1]); }, true, i + 1);
    });
    connect(tabulka_, &QTableWidget::currentCellChanged, this, [this] { ukaz(); });
    ukaz();
}

void TabulkaVrstev::NastavPopisy(Jazyk j) {
    if (jakoSteny_ != nullptr) {
        jakoSteny_->setText(Text(id::JakoSteny, j));
    }
    tabulka_->setHorizontalHeaderLabels({Text(id::SloupecMaterialVrstvy, j), Text(id::SloupecTloustkaVrstvy, j)});
    pridat_->setText(Text(id::PridatVrstvu, j));
    odebrat_->setText(Text(id::OdebratVrstvu, j));
    nahoru_->setText(Text(id::VrstvaNahoru, j));
    dolu_->setText(Text(id::VrstvaDolu, j));
}

void TabulkaVrstev::nastav(const QStringList& nazvy, const Vyzdivka& vrstvy) {
    if (nazvy == nazvy_ && vrstvy == vrstvy_) {
        return;  // as shown: a row being edited stays
    }
    nazvy_ = nazvy;
    vrstvy_ = vrstvy;
    ukazTabulku(tabulka_->currentRow());
}

void TabulkaVrstev::ukazTabulku(int vybrany) {
    const QSignalBlocker blokTabulky(tabulka_);
    tabulka_->setRowCount(0);
    tabulka_->setRowCount(static_cast<int>(vrstvy_.size()));
    for (int i = 0; i < tabulka_->rowCount(); ++i) {
        const Vrstva& v = vrstvy_[static_cast<std::size_t>(i)];
        auto* material = named(new QComboBox, "cboVrstva");
        material->addItems(nazvy_);
        const QString nazev = QString::fromStdString(v.Material.Nazev);
        if (material->findText(nazev) < 0) {
            material->addItem(nazev);
        }
        material->setCurrentText(nazev);
        connect(material, &QComboBox::currentTextChanged, this, [this, i](const QString& text) {
            zmen([&](Vyzdivka& x) { x[static_cast<std::size_t>(i)].Material = najdi_(text); }, false, i);
        });
        auto* tloustka = named(new QDoubleSpinBox, "txtTloustka");
        tloustka->setRange(0.0, 5000.0);
        tloustka->setDecimals(1);
        tloustka->setValue(std::round(static_cast<double>(v.Tloustka) * 1.0e4) / 10.0);
        connect(tloustka, &QDoubleSpinBox::valueChanged, this, [this, i](double mm) {
            zmen([&](Vyzdivka& x) { x[static_cast<std::size_t>(i)].Tloustka = static_cast<float>(mm / 1000.0); },
                 false, i);
        });
        for (int sloupec : {0, 1}) {
            QWidget* w = sloupec == 0 ? static_cast<QWidget*>(material) : static_cast<QWidget*>(tloustka);
            w->setProperty("radek", i);
            w->setProperty("sloupec", sloupec);
            w->installEventFilter(this);
        }
        tabulka_->setCellWidget(i, 0, material);
        tabulka_->setCellWidget(i, 1, tloustka);
    }
    tabulka_->setCurrentCell(std::min(vybrany, tabulka_->rowCount() - 1), 0);
    ukaz();
}

QWidget* TabulkaVrstev::pole(int i) const {
    QWidget* tloustka = tabulka_->cellWidget(i, 1);
    return tloustka != nullptr ? tloustka : static_cast<QWidget*>(tabulka_);
}

bool TabulkaVrstev::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() == QEvent::FocusIn) {
        tabulka_->setCurrentCell(objekt->property("radek").toInt(), objekt->property("sloupec").toInt());
    }
    return QWidget::eventFilter(objekt, udalost);
}

void TabulkaVrstev::zmen(const std::function<void(Vyzdivka&)>& zmena, bool radky, int vybrany) {
    zmena(vrstvy_);
    if (radky) {
        ukazTabulku(vybrany);
    }
    ukaz();
    emit zmeneno(vrstvy_);
}

void TabulkaVrstev::ukaz() {
    const bool jako = jakoSteny_ != nullptr && vrstvy_.empty();
    if (jakoSteny_ != nullptr) {
        const QSignalBlocker blok(jakoSteny_);
        jakoSteny_->setChecked(jako);
    }
    const int i = tabulka_->currentRow();
    const int n = tabulka_->rowCount();
    tabulka_->setEnabled(!jako);
    pridat_->setEnabled(!jako);
    odebrat_->setEnabled(!jako && i >= 0);
    nahoru_->setEnabled(!jako && i > 0);
    dolu_->setEnabled(!jako && i >= 0 && i + 1 < n);
}

}  // namespace zorvet
