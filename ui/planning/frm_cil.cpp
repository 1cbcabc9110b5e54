#include "ui/planning/frm_cil.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "files/zpravy_planovani.h"
#include "model/planning/planovani.h"
#include "ui/common/kurzor.h"

namespace zorvet {

FrmCil::FrmCil(const Uloha& uloha, Jazyk jazyk, Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), uloha_(uloha), jazyk_(jazyk), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmCil"));
    setModal(true);
    setWindowTitle(Text(id::TitulekCile, jazyk));

    txtCilCas_ = new QLineEdit(this);
    txtCilCas_->setObjectName(QStringLiteral("txtCilCas"));
    cboCilHledat_ = new QComboBox(this);
    cboCilHledat_->setObjectName(QStringLiteral("cboCilHledat"));
    // The fields a goal seek finds, in the order of the table.
    for (const PopisPole& p : PoleUlohy()) {
        if (p.hledani != Hledani::Ne) {
            cboCilHledat_->addItem(p.cil.volba != 0 ? Text(p.cil.volba, jazyk) : NazevPole(p.velicina, 0, uloha, jazyk),
                                   static_cast<int>(p.velicina));
        }
    }
    auto* lblCilCas = new QLabel(Text(id::CilCas, jazyk), this);
    lblCilCas->setObjectName(QStringLiteral("lblCilCas"));
    lblCilCas->setBuddy(txtCilCas_);
    auto* lblCilHledat = new QLabel(Text(id::CilHledat, jazyk), this);
    lblCilHledat->setObjectName(QStringLiteral("lblCilHledat"));
    lblCilHledat->setBuddy(cboCilHledat_);
    lblCilOdpoved_ = new QLabel(this);
    lblCilOdpoved_->setObjectName(QStringLiteral("lblCilOdpoved"));
    lblCilOdpoved_->setWordWrap(true);
    lblCilOdpoved_->setMinimumHeight(fontMetrics().lineSpacing() * 3);
    lblCilOdpoved_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblCilOdpoved_->setTextInteractionFlags(Qt::TextSelectableByMouse);

    cmdCilNajdi_ = new QPushButton(Text(id::Najdi, jazyk), this);
    cmdCilNajdi_->setObjectName(QStringLiteral("cmdCilNajdi"));
    cmdCilNajdi_->setDefault(true);
    cmdCilPouzij_ = new QPushButton(Text(id::Pouzij, jazyk), this);
    cmdCilPouzij_->setObjectName(QStringLiteral("cmdCilPouzij"));
    cmdCilPouzij_->setEnabled(false);
    cmdCilPouzij_->setAutoDefault(false);
    auto* cmdCilStorno = new QPushButton(Text(id::Storno, jazyk), this);
    cmdCilStorno->setObjectName(QStringLiteral("cmdCilStorno"));
    cmdCilStorno->setAutoDefault(false);

    auto* mrizka = new QGridLayout(this);
    mrizka->addWidget(lblCilCas, 0, 0);
    mrizka->addWidget(txtCilCas_, 0, 1);
    mrizka->addWidget(lblCilHledat, 1, 0);
    mrizka->addWidget(cboCilHledat_, 1, 1);
    mrizka->addWidget(lblCilOdpoved_, 2, 0, 1, 2);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdCilNajdi_);
    tlacitka->addWidget(cmdCilPouzij_);
    tlacitka->addWidget(cmdCilStorno);
    mrizka->addLayout(tlacitka, 3, 0, 1, 2);
    mrizka->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 32);

    connect(cmdCilNajdi_, &QPushButton::clicked, this, &FrmCil::Najdi);
    connect(cmdCilPouzij_, &QPushButton::clicked, this, &FrmCil::Pouzij);
    connect(cmdCilStorno, &QPushButton::clicked, this, &QDialog::reject);
    connect(txtCilCas_, &QLineEdit::textEdited, this, &FrmCil::zneplatni);
    connect(cboCilHledat_, &QComboBox::currentIndexChanged, this, &FrmCil::zneplatni);
}

void FrmCil::zneplatni() {
    nalezena_.reset();
    cmdCilPouzij_->setEnabled(false);
    lblCilOdpoved_->clear();
}

void FrmCil::Najdi() {
    zneplatni();
    const Jazyk j = jazyk_;
    const QString nazev = BezAkceleratoru(Text(id::CilCas, j)).trimmed();
    const QString text = txtCilCas_->text().trimmed();
    const std::optional<double> cas = parseNumber(text);
    if (text.isEmpty()) {
        lblCilOdpoved_->setText(Text(id::ChybiHodnota, j).arg(nazev));
        return;
    }
    if (!cas) {
        lblCilOdpoved_->setText(Text(id::NeniCislo, j).arg(nazev, text));
        return;
    }
    if (!(*cas > 0.0) || !std::isfinite(*cas)) {
        lblCilOdpoved_->setText(Text(id::MusiBytKladne, j).arg(nazev));
        return;
    }
    const auto co = static_cast<Velicina>(cboCilHledat_->currentData().toInt());
    KurzorCekani cekani(dialogy_);
    const VysledekHledani h = HledejCil(uloha_, co, *cas);
    cekani.uvolni();
    QString odpoved;
    if (h.konec == KonecHledani::Nalezeno) {
        nalezena_ = Navrh(co, h.hodnota, uloha_, j);
        odpoved = nalezena_->popis;
    } else if (h.konec == KonecHledani::Odmitnuto || h.konec == KonecHledani::Preruseno) {
        odpoved = ZpravaSelhani(h.reseni, uloha_, j);
    } else {
        odpoved = ZpravaHledani(h, Pole(co), uloha_, *cas, j);
    }
    lblCilOdpoved_->setText(odpoved);
    cmdCilPouzij_->setEnabled(nalezena_.has_value());
}

void FrmCil::Pouzij() {
    if (!nalezena_) {
        return;
    }
    pouzita_ = nalezena_;
    accept();
}

}  // namespace zorvet
