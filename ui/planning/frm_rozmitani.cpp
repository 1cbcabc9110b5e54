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
#include "ui/common/graf.h"
#include "ui/common/kurzor.h"
#include "ui/views/export_grafu.h"

namespace zorvet {

namespace {

constexpr std::array<Velicina, 9> kVeliciny{Velicina::m,       Velicina::Tpece,  Velicina::Tk,
                                            Velicina::Tv,      Velicina::Eps,    Velicina::CasKrok,
                                            Velicina::Prikon,  Velicina::Konvekce, Velicina::Lambda};
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
    for (const Velicina v : kVeliciny) {
        // A mass that follows from the dimensions, and the furnace of a curve, are no inputs
        // a value could be given to.
        if ((v == Velicina::m && uloha.zRozmeru()) || (v == Velicina::Tpece && uloha.Rizeny)) {
            continue;
        }
        cboRozmitatVelicinu_->addItem(NazevPole(v, 0, uloha, jazyk), static_cast<int>(v));
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
    txtRozmitaniOd_->setText(TextObecny(static_cast<float>(Hodnota(Pole(velicina()), uloha_))));
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
    const double pocet = krok > 0.0 ? std::floor((do_ - od) / krok + 1e-9) + 1.0 : 0.0;
    if (!(pocet >= 1.0) || pocet > kNejvicBodu) {
        lblRozmitaniPoznamka_->setText(Text(id::RozmitaniRozsah, j)
                                           .arg(TextObecny(static_cast<float>(od)), TextObecny(static_cast<float>(do_)),
                                                TextObecny(static_cast<float>(krok)), QString::number(kNejvicBodu)));
        return;
    }
    const int n = static_cast<int>(pocet);
    const Velicina v = velicina();
    KurzorCekani cekani(dialogy_);
    body_.clear();
    int vynechano = 0;
    for (int i = 0; i < n; ++i) {
        const double hodnota = od + static_cast<double>(i) * krok;
        Uloha u = uloha_;
        NastavHodnotu(u, v, hodnota);
        const Reseni r = Spocti(u);
        if (r.uspech()) {
            body_.append(QPointF(hodnota, *r.cas));
        } else {
            ++vynechano;
        }
    }
    osaX_ = cboRozmitatVelicinu_->currentText();
    naplnGraf(*grfRozmitani_);
    cekani.uvolni();
    lblRozmitaniPoznamka_->setText(vynechano > 0 ? Text(id::RozmitaniVynechano, j).arg(vynechano).arg(n) : QString());
    cmdRozmitaniExport_->setEnabled(!body_.isEmpty());
}

void FrmRozmitani::Exportuj() {
    if (body_.isEmpty()) {
        return;
    }
    ExportujSDialogem(dialogy_, jazyk_, [this](Graf& graf) { naplnGraf(graf); }, Text(id::TitulekRozmitani, jazyk_));
}

}  // namespace zorvet
