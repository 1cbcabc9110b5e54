#include "ui/planning/frm_rozmitani.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <array>
#include <cmath>
#include <optional>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "model/planovani.h"
#include "model/rozmitani.h"
#include "ui/common/graf.h"
#include "ui/common/kurzor.h"
#include "ui/views/export_grafu.h"

namespace zorvet {

namespace {

constexpr int kZnackyDo = 50;

QLineEdit* pole(QWidget* rodic, const char* jmeno) {
    auto* t = new QLineEdit(rodic);
    t->setObjectName(QLatin1String(jmeno));
    return t;
}

}  // namespace

FrmRozmitani::FrmRozmitani(const Uloha& uloha, Jazyk jazyk, Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), uloha_(uloha), jazyk_(jazyk), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmRozmitani"));
    setModal(true);
    setWindowTitle(Text(id::TitulekRozmitani, jazyk));

    cboRozmitatVelicinu_ = new QComboBox(this);
    cboRozmitatVelicinu_->setObjectName(QStringLiteral("cboRozmitatVelicinu"));
    // The fields a sweep varies; a mass that follows from the dimensions, and the furnace of a
    // curve, are no inputs a value could be given to.
    for (const PopisPole& p : PoleUlohy()) {
        if (p.nazev != nullptr && LzeMenit(uloha, p.velicina) == Nemenitelna::Ne) {
            cboRozmitatVelicinu_->addItem(NazevPole(p.velicina, 0, uloha, jazyk), static_cast<int>(p.velicina));
        }
    }
    txtRozmitaniOd_ = pole(this, "txtRozmitaniOd");
    txtRozmitaniDo_ = pole(this, "txtRozmitaniDo");
    txtRozmitaniKrok_ = pole(this, "txtRozmitaniKrok");
    auto* cmdRozmitaniSpocti = new QPushButton(Text(id::Spocitej, jazyk), this);
    cmdRozmitaniSpocti->setObjectName(QStringLiteral("cmdRozmitaniSpocti"));
    cmdRozmitaniSpocti->setDefault(true);
    cmdRozmitaniExport_ = new QPushButton(Text(id::Export, jazyk), this);
    cmdRozmitaniExport_->setObjectName(QStringLiteral("cmdRozmitaniExport"));
    cmdRozmitaniExport_->setAutoDefault(false);
    cmdRozmitaniExport_->setEnabled(false);
    auto* cmdRozmitaniOK = new QPushButton(Text(id::Ok, jazyk), this);
    cmdRozmitaniOK->setObjectName(QStringLiteral("cmdRozmitaniOK"));
    cmdRozmitaniOK->setAutoDefault(false);
    lblRozmitaniPoznamka_ = new QLabel(this);
    lblRozmitaniPoznamka_->setObjectName(QStringLiteral("lblRozmitaniPoznamka"));
    lblRozmitaniPoznamka_->setWordWrap(true);
    grfRozmitani_ = new Graf(this);
    grfRozmitani_->setObjectName(QStringLiteral("grfRozmitani"));
    grfRozmitani_->nastavCteni(true);
    grfRozmitani_->setMinimumSize(fontMetrics().height() * 32, fontMetrics().height() * 20);
    grfRozmitani_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);

    auto* mrizka = new QGridLayout;
    int radek = 0;
    const auto pridej = [&](int popisek, const char* jmeno, QWidget* ovladac) {
        auto* l = new QLabel(Text(popisek, jazyk), this);
        l->setObjectName(QLatin1String(jmeno));
        l->setBuddy(ovladac);
        mrizka->addWidget(l, radek, 0);
        mrizka->addWidget(ovladac, radek++, 1);
    };
    pridej(id::RozmitatVelicinu, "lblRozmitatVelicinu", cboRozmitatVelicinu_);
    pridej(id::RozmitaniOd, "lblRozmitaniOd", txtRozmitaniOd_);
    pridej(id::RozmitaniDo, "lblRozmitaniDo", txtRozmitaniDo_);
    pridej(id::RozmitaniKrok, "lblRozmitaniKrok", txtRozmitaniKrok_);
    auto* vlevo = new QVBoxLayout;
    vlevo->addLayout(mrizka);
    for (QPushButton* t : {cmdRozmitaniSpocti, cmdRozmitaniExport_, cmdRozmitaniOK}) {
        vlevo->addWidget(t);
    }
    vlevo->addStretch();
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(grfRozmitani_, 1);
    vpravo->addWidget(lblRozmitaniPoznamka_);
    auto* okno = new QHBoxLayout(this);
    okno->addLayout(vlevo);
    okno->addLayout(vpravo, 1);

    connect(cboRozmitatVelicinu_, &QComboBox::currentIndexChanged, this, &FrmRozmitani::vybrano);
    connect(cmdRozmitaniSpocti, &QPushButton::clicked, this, &FrmRozmitani::Rozmitej);
    connect(cmdRozmitaniExport_, &QPushButton::clicked, this, &FrmRozmitani::Exportuj);
    connect(cmdRozmitaniOK, &QPushButton::clicked, this, &QDialog::accept);
    vybrano();
    naplnGraf(*grfRozmitani_);
}

Velicina FrmRozmitani::velicina() const { return static_cast<Velicina>(cboRozmitatVelicinu_->currentData().toInt()); }

void FrmRozmitani::vybrano() {
    txtRozmitaniOd_->setText(TextObecny(static_cast<float>(ZobrazenaHodnota(Pole(velicina()), uloha_))));
}

void FrmRozmitani::naplnGraf(Graf& graf) const {
    graf.vymazRady();
    graf.nastavTitulek(Text(id::TitulekRozmitani, jazyk_));
    graf.nastavPopisOsyX(osaX_);
    graf.nastavPopisOsyY(Text(id::OsaDoby, jazyk_));
    graf.nastavZnacky(body_.size() <= kZnackyDo);
    graf.nastavRady({{QString(), QColor(0, 0, 255), body_}});
}

void FrmRozmitani::Rozmitej() {
    const Jazyk j = jazyk_;
    // The three numbers of the range, each named by its caption when it is none.
    std::array<double, 3> x{};
    const std::array<std::pair<QLineEdit*, int>, 3> pole{
        {{txtRozmitaniOd_, id::RozmitaniOd}, {txtRozmitaniDo_, id::RozmitaniDo}, {txtRozmitaniKrok_, id::RozmitaniKrok}}};
    for (std::size_t i = 0; i < pole.size(); ++i) {
        const QString nazev = BezAkceleratoru(Text(pole[i].second, j)).trimmed();
        const QString text = pole[i].first->text().trimmed();
        const std::optional<double> cislo = parseNumber(text);
        if (!cislo || !std::isfinite(*cislo)) {
            lblRozmitaniPoznamka_->setText(text.isEmpty() ? Text(id::ChybiHodnota, j).arg(nazev)
                                                          : Text(id::NeniCislo, j).arg(nazev, text));
            return;
        }
        x[i] = *cislo;
    }
    const auto [od, do_, krok] = x;
    // The values as the field shows them; the case holds them in its own unit.
    const PopisPole& p = Pole(velicina());
    std::optional<std::vector<double>> hodnoty = HodnotyRozmitani(od * p.meritko, do_ * p.meritko, krok * p.meritko);
    if (!hodnoty || hodnoty->size() > static_cast<std::size_t>(kNejvicBodu)) {
        lblRozmitaniPoznamka_->setText(Text(id::RozmitaniRozsah, j)
                                           .arg(TextObecny(static_cast<float>(od)), TextObecny(static_cast<float>(do_)),
                                                TextObecny(static_cast<float>(krok)), QString::number(kNejvicBodu)));
        return;
    }
    KurzorCekani cekani(dialogy_);
    body_.clear();
    int vynechano = 0;
    QString prvni;  // why the first point left out could not be computed
    const std::vector<OsaRozmitani> osy{{&p, std::move(*hodnoty)}};
    zorvet::Rozmitej(uloha_, osy, [&](std::size_t i, const BodRozmitani& bod) {
        const std::optional<double> cas = bod.casJadra ? bod.casJadra : std::optional<double>(bod.cas);
        if (bod.vypocet.uspech()) {
            body_.append(QPointF(bod.hodnoty[0] / p.meritko, *cas));
            return true;
        }
        if (++vynechano == 1) {
            if (const std::optional<Chyba> chyba = ChybaVypoctu(bod.vypocet, UlohaBodu(uloha_, osy, i), j)) {
                prvni = chyba->text;
            }
        }
        return true;
    });
    osaX_ = cboRozmitatVelicinu_->currentText();
    naplnGraf(*grfRozmitani_);
    cekani.uvolni();
    const int n = static_cast<int>(osy[0].hodnoty.size());
    lblRozmitaniPoznamka_->setText(vynechano > 0 ? Text(id::RozmitaniVynechano, j).arg(vynechano).arg(n) +
                                                       (prvni.isEmpty() ? QString() : QLatin1Char('\n') + prvni)
                                                 : QString());
    cmdRozmitaniExport_->setEnabled(!body_.isEmpty());
}

void FrmRozmitani::Exportuj() {
    if (body_.isEmpty()) {
        return;
    }
    ExportujSDialogem(dialogy_, jazyk_, [this](Graf& graf) { naplnGraf(graf); }, Text(id::TitulekRozmitani, jazyk_));
}

}  // namespace zorvet
