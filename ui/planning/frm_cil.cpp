#include "ui/planning/frm_cil.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <cmath>
#include <memory>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "files/zpravy_planovani.h"
#include "model/conduction/jadro.h"
#include "model/planning/planovani.h"

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
    // The target names what it is met by: the cycle with its soak, the core, or the heat-up.
    const int cilCas = uloha.Prodleva > 0.0f ? id::CilCasCyklu : MaJadro(uloha) ? id::CilCasJadra : id::CilCas;
    auto* lblCilCas = new QLabel(Text(cilCas, jazyk), this);
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
    cmdCilStorno_ = new QPushButton(Text(id::Storno, jazyk), this);
    cmdCilStorno_->setObjectName(QStringLiteral("cmdCilStorno"));
    cmdCilStorno_->setAutoDefault(false);
    prbCil_ = new QProgressBar(this);
    prbCil_->setObjectName(QStringLiteral("prbCil"));
    prbCil_->setRange(0, 0);  // a search does not know how many trials it takes
    prbCil_->setTextVisible(false);
    prbCil_->hide();

    auto* mrizka = new QGridLayout(this);
    mrizka->addWidget(lblCilCas, 0, 0);
    mrizka->addWidget(txtCilCas_, 0, 1);
    mrizka->addWidget(lblCilHledat, 1, 0);
    mrizka->addWidget(cboCilHledat_, 1, 1);
    mrizka->addWidget(lblCilOdpoved_, 2, 0, 1, 2);
    mrizka->addWidget(prbCil_, 4, 0, 1, 2);
    auto* tlacitka = new QHBoxLayout;
    tlacitka->addStretch();
    tlacitka->addWidget(cmdCilNajdi_);
    tlacitka->addWidget(cmdCilPouzij_);
    tlacitka->addWidget(cmdCilStorno_);
    mrizka->addLayout(tlacitka, 3, 0, 1, 2);
    mrizka->setColumnMinimumWidth(1, fontMetrics().averageCharWidth() * 32);

    connect(cmdCilNajdi_, &QPushButton::clicked, this, &FrmCil::Najdi);
    connect(cmdCilPouzij_, &QPushButton::clicked, this, &FrmCil::Pouzij);
    connect(cmdCilStorno_, &QPushButton::clicked, this, &FrmCil::reject);
    connect(&prace_, &Prace::postup, this, [this](int pokusu, int) {
        lblCilOdpoved_->setText(Text(id::CilHleda, jazyk_).arg(pokusu));
    });
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
    // The search on a thread of its own, the window answering; its answer comes back here.
    auto h = std::make_shared<VysledekHledani>();
    const double doba = *cas;
    QObject* konec = new QObject(this);
    connect(&prace_, &Prace::dokonceno, konec, [this, h, co, doba, konec] {
        konec->deleteLater();
        nalezeno(*h, co, doba);
    });
    zamkni(true);
    lblCilOdpoved_->setText(Text(id::CilHleda, j).arg(0));
    prace_.spust([u = uloha_, co, doba, h](const Prace::Dal& dal) {
        int pokusu = 0;
        *h = HledejCil(u, co, doba, [&] { return dal(++pokusu, 0); });
    });
    emit spusteno();
}

void FrmCil::zamkni(bool hleda) {
    cmdCilNajdi_->setEnabled(!hleda);
    txtCilCas_->setEnabled(!hleda);
    cboCilHledat_->setEnabled(!hleda);
    prbCil_->setVisible(hleda);
    if (hleda) {
        cmdCilPouzij_->setEnabled(false);
    }
}

void FrmCil::reject() {
    if (prace_.bezi()) {
        prace_.zrus();
        return;
    }
    QDialog::reject();
}

void FrmCil::nalezeno(const VysledekHledani& h, Velicina co, double cas) {
    const Jazyk j = jazyk_;
    zamkni(false);
    QString odpoved;
    if (h.konec == KonecHledani::Nalezeno) {
        nalezena_ = Navrh(co, h.hodnota, uloha_, j);
        odpoved = nalezena_->popis;
    } else if (prace_.zruseno() || h.konec == KonecHledani::Preruseno) {
        odpoved = Text(id::CilZastaven, j);
    } else if (h.konec == KonecHledani::Odmitnuto) {
        odpoved = ZpravaSelhani(h.reseni, uloha_, j);
    } else {
        odpoved = ZpravaHledani(h, Pole(co), uloha_, cas, j);
    }
    lblCilOdpoved_->setText(odpoved);
    cmdCilPouzij_->setEnabled(nalezena_.has_value());
    cmdCilNajdi_->setFocus();
    emit dokonceno();
}

void FrmCil::Pouzij() {
    if (!nalezena_) {
        return;
    }
    pouzita_ = nalezena_;
    accept();
}

}  // namespace zorvet
