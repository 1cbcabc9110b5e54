#include "ui/problem_dialog/zadani_usporadani.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "files/retezce.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/nacrt_usporadani.h"

namespace zorvet {

namespace {

// The arrangement a field belongs to, by the frame that holds it; the soak belongs to every case.
std::optional<ZadaniUsporadani::Druh> skupina(const PopisPole& p) {
    const QLatin1String ramec(p.ramec);
    if (ramec == QLatin1String("frmMrizka")) {
        return ZadaniUsporadani::Druh::Mrizka;
    }
    if (ramec == QLatin1String("frmSvazek")) {
        return ZadaniUsporadani::Druh::Svazek;
    }
    return std::nullopt;
}

// The text of a field at its default: no bundle is an empty field, one piece "1", no gap "0".
QString vychoziText(const PopisPole& p) { return p.prazdne == Prazdne::Nic ? QString() : QString::number(p.vychozi); }

// The same array: the piece, the counts and the gaps.
bool stejnaMrizka(const Uloha& a, const Uloha& b) {
    return a.Profil == b.Profil && a.StranaA == b.StranaA && a.MrizkaX == b.MrizkaX && a.MrizkaY == b.MrizkaY &&
           a.MezeraX == b.MezeraX && a.MezeraY == b.MezeraY;
}

}  // namespace

ZadaniUsporadani::ZadaniUsporadani(Formular& formular, int cislo, QWidget* parent) : Zalozka(formular, cislo, parent) {
    optVolnyKus = named(new QRadioButton(this), "optVolnyKus");
    optMrizka = named(new QRadioButton(this), "optMrizka");
    optSvazek = named(new QRadioButton(this), "optSvazek");
    auto* volby = new QButtonGroup(this);
    auto* radek = new QHBoxLayout;
    for (QRadioButton* o : {optVolnyKus, optMrizka, optSvazek}) {
        volby->addButton(o);
        radek->addWidget(o);
    }
    radek->addStretch(1);
    optVolnyKus->setChecked(true);

    // The fields of this tab, in the table's order: the array's and the bundle's in their
    // frames (the packing in a list of its two kinds), the soak below them.
    frmMrizka = named(new QGroupBox(this), "frmMrizka");
    frmSvazek = named(new QGroupBox(this), "frmSvazek");
    cboBaleni = named(new QComboBox(this), "cboBaleni");
    cboBaleni->addItems({QString(), QString()});
    rozloz(formLayout(frmMrizka), "frmMrizka");
    rozloz(formLayout(frmSvazek), "frmSvazek");
    auto* formProdleva = formLayout(this, false);
    rozloz(formProdleva);
    connect(cboBaleni, &QComboBox::currentIndexChanged, this,
            [this](int i) { formular_.pis(Velicina::Baleni, 0, QString::number(i)); });

    nacrt_ = new NacrtUsporadani(this);
    nacrt_->setMinimumSize(260, 200);
    lblNacrt = caption(this, "lblNacrt", nullptr);
    lblNejpomalejsi = caption(this, "lblNejpomalejsi", nullptr);
    lblNelze = caption(this, "lblNelze", nullptr);
    lblNelze->setWordWrap(true);

    auto* levy = new QVBoxLayout;
    levy->addLayout(radek);
    auto* skupiny = new QHBoxLayout;
    skupiny->addWidget(frmMrizka, 0, Qt::AlignTop);
    skupiny->addWidget(frmSvazek, 0, Qt::AlignTop);
    levy->addLayout(skupiny);
    levy->addLayout(formProdleva);
    levy->addWidget(lblNelze);
    levy->addStretch(1);
    auto* pravy = new QVBoxLayout;
    pravy->addWidget(lblNacrt);
    pravy->addWidget(nacrt_, 1);
    pravy->addWidget(lblNejpomalejsi);
    auto* vse = new QHBoxLayout(this);
    vse->addLayout(levy);
    vse->addLayout(pravy, 1);

    for (auto [o, druh] : {std::pair{optVolnyKus, Druh::Volny}, std::pair{optMrizka, Druh::Mrizka},
                           std::pair{optSvazek, Druh::Svazek}}) {
        connect(o, &QRadioButton::toggled, this, [this, d = druh](bool zapnuto) {
            if (zapnuto) {
                zvol(d);
            }
        });
    }
}

QWidget* ZadaniUsporadani::vlastniVstup(const PopisPole& p) { return p.velicina == Velicina::Baleni ? cboBaleni : nullptr; }

void ZadaniUsporadani::NastavPopisy(Jazyk j) {
    Zalozka::NastavPopisy(j);
    optVolnyKus->setText(Text(id::VolnyKus, j));
    optMrizka->setText(Text(id::Mrizka, j));
    optSvazek->setText(Text(id::SvazekTyci, j));
    frmMrizka->setTitle(BezAkceleratoru(Text(id::Mrizka, j)));
    frmSvazek->setTitle(BezAkceleratoru(Text(id::SvazekTyci, j)));
    {
        const QSignalBlocker blokovano(cboBaleni);
        cboBaleni->setItemText(0, Text(id::BaleniCtvercove, j));
        cboBaleni->setItemText(1, Text(id::BaleniSestiuhelne, j));
    }
    lblNacrt->setText(Text(id::NacrtVMeritku, j));
    lblNelze->setText(Text(id::UsporadaniNelze, j));
    obnov();
}

void ZadaniUsporadani::zvol(Druh druh) {
    if (druh_ == druh) {
        return;
    }
    druh_ = druh;
    // The fields of the arrangements not chosen go back to their defaults.
    for (const Polozka& p : polozky_) {
        const std::optional<Druh> d = skupina(*p.pole);
        if (d && *d != druh) {
            formular_.pis(p.pole->velicina, 0, vychoziText(*p.pole));
        }
    }
    obnov();
}

void ZadaniUsporadani::obnov() {
    const Uloha& u = formular_.uloha();
    // A case that is an array or a bundle shows it chosen; the free piece keeps the choice made.
    if (Plati(Kdy::VMrizce, u)) {
        druh_ = Druh::Mrizka;
    } else if (Plati(Kdy::VeSvazku, u)) {
        druh_ = Druh::Svazek;
    }
    QRadioButton* zvolena = druh_ == Druh::Mrizka ? optMrizka : druh_ == Druh::Svazek ? optSvazek : optVolnyKus;
    if (!zvolena->isChecked()) {
        const QSignalBlocker blokovano(zvolena);
        zvolena->setChecked(true);
    }
    const bool pole = Plati(Kdy::ZRozmeruTyce, u);
    const bool svazek = Plati(Kdy::ZRozmeruKruh, u);
    optMrizka->setEnabled(pole || druh_ == Druh::Mrizka);
    optSvazek->setEnabled(svazek || druh_ == Druh::Svazek);
    lblNelze->setVisible(!pole);
    {
        const QSignalBlocker blokovano(cboBaleni);
        cboBaleni->setCurrentIndex(u.Baleni == 1 ? 1 : 0);
    }
    Zalozka::obnov();

    // The sketch: the piece alone, the array, or the bundle, of the bars the dimensions give.
    Rozestaveni r;
    r.kruhove = u.Profil == Profil::Kruhovy;
    r.d = pole ? static_cast<double>(u.StranaA) : 0.0;
    if (druh_ == Druh::Mrizka) {
        r.nx = std::max<int>(u.MrizkaX, 1);
        r.ny = std::max<int>(u.MrizkaY, 1);
        r.gx = static_cast<double>(u.MezeraX);
        r.gy = static_cast<double>(u.MezeraY);
    }
    r.svazek = druh_ == Druh::Svazek && u.SvazekA > 0.0f;
    r.svazekA = static_cast<double>(u.SvazekA);
    r.svazekB = static_cast<double>(u.SvazekB);
    const VysledekUsporadani* v = vysledek_ && vysledek_->Usporadani ? &*vysledek_->Usporadani : nullptr;
    if (v != nullptr && v->mrizka && druh_ == Druh::Mrizka && stejnaMrizka(vysledek_->Uloha, u)) {
        r.nejpomalejsi = std::pair{v->radek, v->sloupec};
    }
    nacrt_->nastav(r);
    lblNejpomalejsi->setText(r.nejpomalejsi ? Text(id::NejpomalejsiVNacrtu, jazyk_)
                                                  .arg(r.nejpomalejsi->first)
                                                  .arg(r.nejpomalejsi->second)
                                            : QString());
}

void ZadaniUsporadani::nastavVysledek(std::shared_ptr<const Vysledek> vysledek) {
    vysledek_ = std::move(vysledek);
    obnov();
}

void ZadaniUsporadani::ukazPolozku(const Polozka& polozka, const Uloha& u) {
    // Every field stays in sight, enabled where it applies to the case and the arrangement chosen.
    const std::optional<Druh> d = skupina(*polozka.pole);
    const bool povoleno = Plati(polozka.pole->kdy, u) && (!d || *d == druh_);
    polozka.popisek->setEnabled(povoleno);
    polozka.vstup->setEnabled(povoleno);
}

}  // namespace zorvet
