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

constexpr int kZalozka = 5;

// The arrangement a field belongs to, by when it applies: the array's to round or square bars,
// the bundle's to round bars; the soak to every case.
std::optional<ZadaniUsporadani::Druh> skupina(const PopisPole& p) {
    if (p.kdy == Kdy::ZRozmeruTyce) {
        return ZadaniUsporadani::Druh::Mrizka;
    }
    if (p.kdy == Kdy::ZRozmeruKruh) {
        return ZadaniUsporadani::Druh::Svazek;
    }
    return std::nullopt;
}

// The text of a field at its default: no bundle is an empty field, one piece "1", no gap "0".
QString vychoziText(const PopisPole& p) { return p.prazdne == Prazdne::Nic ? QString() : QString::number(p.vychozi); }

// The placeholder of a field whose empty text is the model's own value.
int prazdnyText(Velicina v) {
    switch (v) {
        case Velicina::SvazekB:
            return id::SvazekKruhovy;
        case Velicina::Porozita:
            return id::PorozitaBaleni;
        case Velicina::KefSvazku:
            return id::KefModelu;
        default:
            return 0;
    }
}

// The same array: the piece, the counts and the gaps.
bool stejnaMrizka(const Uloha& a, const Uloha& b) {
    return a.Profil == b.Profil && a.StranaA == b.StranaA && a.MrizkaX == b.MrizkaX && a.MrizkaY == b.MrizkaY &&
           a.MezeraX == b.MezeraX && a.MezeraY == b.MezeraY;
}

}  // namespace

ZadaniUsporadani::ZadaniUsporadani(Formular& formular, QWidget* parent) : Zalozka(formular, parent) {
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

    frmMrizka = named(new QGroupBox(this), "frmMrizka");
    frmSvazek = named(new QGroupBox(this), "frmSvazek");
    auto* formMrizka = formLayout(frmMrizka);
    auto* formSvazek = formLayout(frmSvazek);
    auto* formProdleva = new QFormLayout;
    formProdleva->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    formProdleva->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    formProdleva->setHorizontalSpacing(fontMetrics().height());
    // The fields of this tab, in the table's order: a count or a number in a line edit, the
    // packing in a list of its two kinds.
    for (const PopisPole& p : PoleUlohy()) {
        if (p.zalozka != kZalozka) {
            continue;
        }
        const std::optional<Druh> druh = skupina(p);
        QWidget* rodic = druh == Druh::Mrizka ? frmMrizka : druh == Druh::Svazek ? frmSvazek : static_cast<QWidget*>(this);
        QWidget* vstup = nullptr;
        if (p.velicina == Velicina::Baleni) {
            cboBaleni = named(new QComboBox(rodic), p.ovladac);
            cboBaleni->addItems({QString(), QString()});
            vstup = cboBaleni;
        } else {
            auto* edit = numberField(rodic, p.ovladac);
            svaz(edit, p.velicina);
            vstup = edit;
        }
        QLabel* popisek = caption(rodic, qPrintable(QLatin1String("lbl") + QLatin1String(p.ovladac).mid(3)), vstup);
        (druh == Druh::Mrizka ? formMrizka : druh == Druh::Svazek ? formSvazek : formProdleva)->addRow(popisek, vstup);
        ovladace_.append({&p, popisek, vstup});
    }
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

void ZadaniUsporadani::NastavPopisy(Jazyk j) {
    jazyk_ = j;
    optVolnyKus->setText(Text(id::VolnyKus, j));
    optMrizka->setText(Text(id::Mrizka, j));
    optSvazek->setText(Text(id::SvazekTyci, j));
    frmMrizka->setTitle(BezAkceleratoru(Text(id::Mrizka, j)));
    frmSvazek->setTitle(BezAkceleratoru(Text(id::SvazekTyci, j)));
    for (const Ovladac& o : ovladace_) {
        o.popisek->setText(Text(o.pole->popisek, j));
        if (auto* edit = qobject_cast<QLineEdit*>(o.vstup); edit != nullptr && prazdnyText(o.pole->velicina) != 0) {
            edit->setPlaceholderText(Text(prazdnyText(o.pole->velicina), j));
        }
    }
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
    for (const Ovladac& o : ovladace_) {
        const std::optional<Druh> d = skupina(*o.pole);
        if (d && *d != druh) {
            formular_.pis(o.pole->velicina, 0, vychoziText(*o.pole));
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
    for (const Ovladac& o : ovladace_) {
        const std::optional<Druh> d = skupina(*o.pole);
        const bool povoleno = Plati(o.pole->kdy, u) && (!d || *d == druh_);
        o.popisek->setEnabled(povoleno);
        o.vstup->setEnabled(povoleno);
    }
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

void ZadaniUsporadani::vybrana() {
    for (const Ovladac& o : ovladace_) {
        if (o.vstup->isEnabled()) {
            o.vstup->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

}  // namespace zorvet
