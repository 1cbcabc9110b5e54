#include "ui/problem_dialog/zadani_pece.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "files/refraktory.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "ui/common/dialogy.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/nacrt_steny.h"
#include "ui/problem_dialog/vrstvy_pece.h"

namespace zorvet {

namespace {

// A length in m, to the millimetre.
QDoubleSpinBox* delkaPece(QWidget* parent, const char* jmeno) {
    auto* s = named(new QDoubleSpinBox(parent), jmeno);
    s->setRange(0.0, 100.0);
    s->setDecimals(3);
    s->setSingleStep(0.1);
    s->setButtonSymbols(QAbstractSpinBox::NoButtons);
    return s;
}

void ukazDelku(QDoubleSpinBox* s, float x) {
    if (static_cast<float>(s->value()) != x) {
        const QSignalBlocker blok(s);
        s->setValue(static_cast<double>(x));
    }
}

QLabel* znakKrat(QWidget* parent) { return new QLabel(QStringLiteral("×"), parent); }

}  // namespace

ZadaniPece::ZadaniPece(Formular& formular, int cislo, Dialogy& dialogy, QWidget* parent)
    : Zalozka(formular, cislo, parent), dialogy_(dialogy) {
    chkPec = named(new QCheckBox(this), "chkPec");
    txtSirkaKomory = delkaPece(this, "txtSirkaKomory");
    txtHloubkaKomory = delkaPece(this, "txtHloubkaKomory");
    txtVyskaKomory = delkaPece(this, "txtVyskaKomory");
    txtSirkaDveri = delkaPece(this, "txtSirkaDveri");
    txtVyskaDveri = delkaPece(this, "txtVyskaDveri");
    cboPlochaSten = named(new QComboBox(this), "cboPlochaSten");
    cboPlochaSten->addItems({QString(), QString()});
    cboStartPece = named(new QComboBox(this), "cboStartPece");
    cboStartPece->addItems({QString(), QString(), QString(), QString()});
    txtCyklu = named(new QSpinBox(this), "txtCyklu");
    txtCyklu->setRange(1, 1000);
    lblKomora = caption(this, "lblKomora", txtSirkaKomory);
    lblDvere = caption(this, "lblDvere", txtSirkaDveri);
    lblPlochaSten = caption(this, "lblPlochaSten", cboPlochaSten);
    lblStartPece = caption(this, "lblStartPece", cboStartPece);
    lblCyklu = caption(this, "lblCyklu", nullptr);

    // The description beside the furnace's numbers, the linings on pages of their own: the tab
    // keeps to the height of the others.
    auto* form = formLayout(this, false);
    auto* komora = new QHBoxLayout;
    for (QWidget* w : {static_cast<QWidget*>(txtSirkaKomory), static_cast<QWidget*>(znakKrat(this)),
                       static_cast<QWidget*>(txtHloubkaKomory), static_cast<QWidget*>(znakKrat(this)),
                       static_cast<QWidget*>(txtVyskaKomory)}) {
        komora->addWidget(w);
    }
    form->addRow(lblKomora, komora);
    auto* dvere = new QHBoxLayout;
    dvere->addWidget(txtSirkaDveri);
    dvere->addWidget(znakKrat(this));
    dvere->addWidget(txtVyskaDveri);
    dvere->addStretch(1);
    form->addRow(lblDvere, dvere);
    form->addRow(lblPlochaSten, cboPlochaSten);
    auto* start = new QHBoxLayout;
    start->addWidget(cboStartPece);
    start->addWidget(txtCyklu);
    start->addWidget(lblCyklu);
    start->addStretch(1);
    form->addRow(lblStartPece, start);
    auto* cisla = formLayout(this, false);
    rozloz(cisla);

    const auto refraktor = [this](const QString& n) { return najdi(n); };
    steny_ = new TabulkaVrstev("Steny", refraktor, {}, this);
    strop_ = new TabulkaVrstev("Strop", refraktor, [this] { return pec_.Steny; }, this);
    nistej_ = new TabulkaVrstev("Nistej", refraktor, [this] { return pec_.Steny; }, this);
    tabVyzdivka = named(new QTabWidget(this), "tabVyzdivka");
    for (TabulkaVrstev* t : {steny_, strop_, nistej_}) {
        tabVyzdivka->addTab(t, QString());
    }
    cmdNovyRefraktor = named(new QPushButton(this), "cmdNovyRefraktor");
    cmdNovyRefraktor->setAutoDefault(false);
    nacrt_ = new NacrtSteny(this);
    nacrt_->setMinimumSize(200, 80);
    lblRezSteny = caption(this, "lblRezSteny", nullptr);

    auto* levy = new QVBoxLayout;
    levy->addWidget(chkPec);
    levy->addLayout(form);
    levy->addWidget(lblRezSteny);
    levy->addWidget(nacrt_, 1);
    auto* stred = new QVBoxLayout;
    stred->addLayout(cisla);
    stred->addStretch(1);
    auto* pravy = new QVBoxLayout;
    pravy->addWidget(tabVyzdivka, 1);
    pravy->addWidget(cmdNovyRefraktor, 0, Qt::AlignLeft);
    auto* vse = new QHBoxLayout(this);
    vse->addLayout(levy);
    vse->addLayout(stred);
    vse->addLayout(pravy, 1);

    popisPece_ = {txtSirkaKomory, txtHloubkaKomory, txtVyskaKomory, txtSirkaDveri, txtVyskaDveri,
                  cboPlochaSten,  cboStartPece,     txtCyklu,       lblKomora,     lblDvere,
                  lblPlochaSten,  lblStartPece,     lblCyklu,       steny_,        strop_,
                  nistej_,        cmdNovyRefraktor, nacrt_,         lblRezSteny,   tabVyzdivka};

    connect(chkPec, &QCheckBox::toggled, this, [this](bool je) {
        formular_.nastavPec(je ? std::optional<Pec>(pec_) : std::nullopt);
    });
    const std::pair<QDoubleSpinBox*, float Pec::*> rozmery[] = {
        {txtSirkaKomory, &Pec::Sirka},     {txtHloubkaKomory, &Pec::Hloubka}, {txtVyskaKomory, &Pec::Vyska},
        {txtSirkaDveri, &Pec::DvereSirka}, {txtVyskaDveri, &Pec::DvereVyska}};
    for (const auto& [s, clen] : rozmery) {
        connect(s, &QDoubleSpinBox::valueChanged, this,
                [this, c = clen](double x) { zmenPec([&](Pec& p) { p.*c = static_cast<float>(x); }); });
    }
    connect(cboPlochaSten, &QComboBox::currentIndexChanged, this, [this](int i) {
        zmenPec([i](Pec& p) { p.Plocha = i == 0 ? PlochaSten::Vnitrni : PlochaSten::Zaoblena; });
    });
    connect(cboStartPece, &QComboBox::currentIndexChanged, this, [this](int i) {
        zmenPec([this, i](Pec& p) {
            p.Start = static_cast<StartPece>(i);
            p.Cyklu = p.Start == StartPece::PoCyklech ? static_cast<std::int16_t>(txtCyklu->value()) : 0;
        });
    });
    connect(txtCyklu, &QSpinBox::valueChanged, this,
            [this](int n) { zmenPec([n](Pec& p) { p.Cyklu = static_cast<std::int16_t>(n); }); });
    const std::pair<TabulkaVrstev*, Vyzdivka Pec::*> casti[] = {
        {steny_, &Pec::Steny}, {strop_, &Pec::Strop}, {nistej_, &Pec::Nistej}};
    for (const auto& [t, clen] : casti) {
        connect(t, &TabulkaVrstev::zmeneno, this,
                [this, c = clen](const Vyzdivka& v) { zmenPec([&](Pec& p) { p.*c = v; }); });
    }
    connect(cmdNovyRefraktor, &QPushButton::clicked, this, &ZadaniPece::novyRefraktor);
}

void ZadaniPece::NastavPopisy(Jazyk j) {
    Zalozka::NastavPopisy(j);
    chkPec->setText(Text(id::PopsatPec, j));
    lblKomora->setText(Text(id::KomoraPopisek, j));
    lblDvere->setText(Text(id::DverePopisek, j));
    lblPlochaSten->setText(Text(id::PlochaStenPopisek, j));
    lblStartPece->setText(Text(id::StartPopisek, j));
    lblCyklu->setText(Text(id::CykluPopisek, j));
    {
        const QSignalBlocker blok(cboPlochaSten);
        cboPlochaSten->setItemText(0, Text(id::PlochaVnitrni, j));
        cboPlochaSten->setItemText(1, Text(id::PlochaZaoblena, j));
    }
    {
        const QSignalBlocker blok(cboStartPece);
        const int starty[] = {id::StartHorky, id::StartStudeny, id::StartPoCyklech, id::StartCyklicky};
        for (int i = 0; i < 4; ++i) {
            cboStartPece->setItemText(i, Text(starty[i], j));
        }
    }
    const int casti[] = {id::SouborVyzdivkaSten, id::SouborVyzdivkaStropu, id::SouborVyzdivkaNisteje};
    for (int i = 0; i < 3; ++i) {
        tabVyzdivka->setTabText(i, Text(casti[i], j));
        qobject_cast<TabulkaVrstev*>(tabVyzdivka->widget(i))->NastavPopisy(j);
    }
    cmdNovyRefraktor->setText(Text(id::NovyRefraktor, j));
    for (QWidget* w : {static_cast<QWidget*>(lblStartPece), static_cast<QWidget*>(cboStartPece)}) {
        w->setToolTip(Text(id::StartTip, j));
    }
    lblRezSteny->setText(Text(id::RezStenou, j));
}

void ZadaniPece::NactiRefraktory(const QString& slozka, Jazyk jazyk) {
    slozka_ = slozka;
    SouborRefraktoru s = NactiDatabaziRefraktoru(slozka, jazyk);
    databaze_ = s.refraktory.value_or(std::vector<Refraktor>{});
    obnov();
}

Refraktor ZadaniPece::najdi(const QString& nazev) const {
    const Refraktor* r = NajdiRefraktor(nazev.toStdString(), vlastni_, databaze_);
    return r != nullptr ? *r : Refraktor{nazev.toStdString(), 0.0f, {}, {}};
}

QStringList ZadaniPece::nazvy() const {
    QStringList n;
    for (const auto* seznam : {&vlastni_, &databaze_}) {
        for (const Refraktor& r : *seznam) {
            if (!n.contains(QString::fromStdString(r.Nazev))) {
                n.append(QString::fromStdString(r.Nazev));
            }
        }
    }
    return n;
}

// A refractory of the case that the database does not hold as it is comes first under its name.
void ZadaniPece::pridejVlastni(const Refraktor& r) {
    if (r.Nazev.empty() || std::find(databaze_.begin(), databaze_.end(), r) != databaze_.end()) {
        return;
    }
    const auto it = std::find_if(vlastni_.begin(), vlastni_.end(), [&r](const Refraktor& x) { return x.Nazev == r.Nazev; });
    if (it != vlastni_.end()) {
        *it = r;
    } else {
        vlastni_.push_back(r);
    }
}

void ZadaniPece::zmenPec(const std::function<void(Pec&)>& zmena) {
    zmena(pec_);
    nacrt_->nastav(pec_.Steny);
    txtCyklu->setEnabled(chkPec->isChecked() && pec_.Start == StartPece::PoCyklech);
    if (chkPec->isChecked()) {
        formular_.nastavPec(pec_);
    }
}

void ZadaniPece::obnov() {
    Zalozka::obnov();
    const std::optional<Pec>& pec = formular_.uloha().Pec;
    {
        const QSignalBlocker blok(chkPec);
        chkPec->setChecked(pec.has_value());
    }
    if (pec) {
        pec_ = *pec;
    }
    for (const Vyzdivka* v : {&pec_.Steny, &pec_.Strop, &pec_.Nistej}) {
        for (const Vrstva& vrstva : *v) {
            pridejVlastni(vrstva.Material);
        }
    }
    ukazDelku(txtSirkaKomory, pec_.Sirka);
    ukazDelku(txtHloubkaKomory, pec_.Hloubka);
    ukazDelku(txtVyskaKomory, pec_.Vyska);
    ukazDelku(txtSirkaDveri, pec_.DvereSirka);
    ukazDelku(txtVyskaDveri, pec_.DvereVyska);
    {
        const QSignalBlocker blok(cboPlochaSten);
        cboPlochaSten->setCurrentIndex(pec_.Plocha == PlochaSten::Vnitrni ? 0 : 1);
    }
    {
        const QSignalBlocker blok(cboStartPece);
        cboStartPece->setCurrentIndex(static_cast<int>(pec_.Start));
    }
    if (pec_.Start == StartPece::PoCyklech) {
        const QSignalBlocker blok(txtCyklu);
        txtCyklu->setValue(pec_.Cyklu);
    }
    const QStringList n = nazvy();
    steny_->nastav(n, pec_.Steny);
    strop_->nastav(n, pec_.Strop);
    nistej_->nastav(n, pec_.Nistej);
    nacrt_->nastav(pec_.Steny);
    for (QWidget* w : popisPece_) {
        w->setEnabled(pec.has_value());
    }
    txtCyklu->setEnabled(pec.has_value() && pec_.Start == StartPece::PoCyklech);
}

void ZadaniPece::ukazZavadu(const ZavadaPece& z) {
    QWidget* w = chkPec;
    switch (z.vada) {
        case VadaPece::Komora:
            w = txtSirkaKomory;
            break;
        case VadaPece::Dvere:
            w = txtSirkaDveri;
            break;
        case VadaPece::Cykly:
            w = txtCyklu;
            break;
        case VadaPece::BezVrstev:
        case VadaPece::Tloustka:
        case VadaPece::Refraktor:
            tabVyzdivka->setCurrentIndex(static_cast<int>(z.cast));
            w = (z.cast == CastPece::Steny ? steny_ : z.cast == CastPece::Strop ? strop_ : nistej_)->pole(z.vrstva);
            break;
        case VadaPece::Zadna:
            break;
    }
    w->setFocus(Qt::OtherFocusReason);
}

void ZadaniPece::vybrana() { chkPec->setFocus(Qt::TabFocusReason); }

void ZadaniPece::ukazPolozku(const Polozka& polozka, const Uloha& u) {
    // The numbers stay in sight, enabled while the furnace is described.
    const bool patri = Plati(polozka.pole->kdy, u);
    polozka.popisek->setEnabled(patri);
    polozka.vstup->setEnabled(patri);
}

void ZadaniPece::novyRefraktor() {
    const Jazyk j = jazyk_;
    const QString titulek = BezAkceleratoru(Text(id::NovyRefraktor, j)).remove(QChar(0x2026));
    const std::optional<QString> radek = dialogy_.vstup(Text(id::NovyRefraktorVyzva, j), titulek, QString());
    if (!radek || radek->trimmed().isEmpty()) {
        return;
    }
    QString chyba;
    const std::optional<Refraktor> r = CtiRadekRefraktoru(radek->trimmed(), 1, j, &chyba);
    if (!r) {
        dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j), chyba);
        return;
    }
    // The case keeps it whatever becomes of the database.
    pridejVlastni(*r);
    obnov();
    Chyba popis;
    UlozeniMaterialu ulozeni = UlozRefraktor(slozka_, *r, false, &popis, j);
    if (ulozeni == UlozeniMaterialu::Existuje) {
        if (!dialogy_.otazka(Text(id::Dotaz, j), Text(id::RefraktorExistuje, j).arg(QString::fromStdString(r->Nazev)))) {
            return;
        }
        ulozeni = UlozRefraktor(slozka_, *r, true, &popis, j);
    }
    if (ulozeni == UlozeniMaterialu::Chyba) {
        Ohlas(dialogy_, popis);
        return;
    }
    dialogy_.zprava(Ikona::Informace, Text(id::DoplneniDatabaze, j), Text(id::RefraktorUlozen, j));
}

}  // namespace zorvet
