#include "ui/main_window/sloupce_mereni.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "files/retezce.h"

namespace zorvet {

FrmSloupceMereni::FrmSloupceMereni(const QStringList& nazvy, const QString& soubor, Jazyk jazyk, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("frmSloupceMereni"));
    setWindowTitle(Text(id::TitulekSloupcu, jazyk));
    auto* sloupec = new QVBoxLayout(this);
    auto* vysvetleni = new QLabel(Text(id::SloupceVysvetleni, jazyk).arg(soubor), this);
    vysvetleni->setObjectName(QStringLiteral("lblVysvetleni"));
    vysvetleni->setWordWrap(true);
    sloupec->addWidget(vysvetleni);
    auto* f = new QFormLayout;
    // Each list shows the header's names with their numbers, as a spreadsheet counts them.
    QStringList polozky;
    for (qsizetype i = 0; i < nazvy.size(); ++i) {
        polozky << QStringLiteral("%1: %2").arg(i + 1).arg(nazvy[i]);
    }
    const auto seznam = [this, f, &polozky](const char* jmeno, int popisek, Jazyk j) {
        auto* c = new QComboBox(this);
        c->setObjectName(QLatin1String(jmeno));
        c->addItems(polozky);
        auto* l = new QLabel(Text(popisek, j), this);
        l->setBuddy(c);
        f->addRow(l, c);
        return c;
    };
    cboCas_ = seznam("cboCas", id::SloupecCasu, jazyk);
    cboVsazka_ = seznam("cboVsazka", id::SloupecVsazky, jazyk);
    cboPec_ = seznam("cboPec", id::SloupecPece, jazyk);
    cboPec_->insertItem(0, Text(id::PecNemerena, jazyk));
    cboCas_->setCurrentIndex(0);
    cboVsazka_->setCurrentIndex(std::min(1, cboVsazka_->count() - 1));
    cboPec_->setCurrentIndex(0);
    sloupec->addLayout(f);
    auto* tlacitka = new QDialogButtonBox(this);
    QPushButton* ok = tlacitka->addButton(Text(id::Ok, jazyk), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QStringLiteral("cmdOK"));
    ok->setDefault(true);
    tlacitka->addButton(Text(id::Storno, jazyk), QDialogButtonBox::RejectRole)->setObjectName(QStringLiteral("cmdStorno"));
    connect(tlacitka, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    sloupec->addWidget(tlacitka);
    // Wide enough for the explanation to wrap into two or three lines.
    setMinimumWidth(fontMetrics().averageCharWidth() * 56);
}

SloupceMereni FrmSloupceMereni::sloupce() const {
    SloupceMereni s{cboCas_->currentIndex(), cboVsazka_->currentIndex(), std::nullopt};
    if (cboPec_->currentIndex() > 0) {
        s.pec = cboPec_->currentIndex() - 1;
    }
    return s;
}

}  // namespace zorvet
