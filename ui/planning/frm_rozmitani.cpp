#include "ui/planning/frm_rozmitani.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/rozmitani_csv.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "files/zpravy_planovani.h"
#include "files/zpravy_vysledku.h"
#include "model/planning/planovani.h"
#include "ui/common/graf.h"
#include "ui/common/kurzor.h"
#include "ui/views/export_grafu.h"

namespace zorvet {

namespace {

// The curves of a family, one colour each in turn.
const std::array<QColor, 8> kBarvy{QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0), QColor(230, 120, 0),
                                   QColor(200, 0, 200), QColor(0, 150, 160), QColor(120, 80, 0), QColor(0, 0, 0)};

// The item data of a quantity's box that holds its name ("mass", "layer2").
constexpr int kNazevOsy = Qt::UserRole + 1;

QLineEdit* pole(QWidget* rodic, const char* jmeno) {
    auto* t = new QLineEdit(rodic);
    t->setObjectName(QLatin1String(jmeno));
    return t;
}

// A bound or a step as typed, readable at any size: a tiny step is no "0".
QString cisloRozsahu(double x) {
    QLocale lokal;
    lokal.setNumberOptions(QLocale::OmitGroupSeparator);
    return lokal.toString(x, 'g', 7);
}

}  // namespace

FrmRozmitani::FrmRozmitani(const Uloha& uloha, Jazyk jazyk, Dialogy& dialogy, QWidget* parent)
    : QDialog(parent), uloha_(uloha), jazyk_(jazyk), dialogy_(dialogy) {
    setObjectName(QStringLiteral("frmRozmitani"));
    setModal(true);
    setWindowTitle(Text(id::TitulekRozmitani, jazyk));

    cboRozmitatVelicinu_ = new QComboBox(this);
    cboRozmitatVelicinu_->setObjectName(QStringLiteral("cboRozmitatVelicinu"));
    cboRozmitatVelicinu2_ = new QComboBox(this);
    cboRozmitatVelicinu2_->setObjectName(QStringLiteral("cboRozmitatVelicinu2"));
    cboRozmitatVelicinu2_->addItem(Text(id::RozmitaniZadna, jazyk), -1);
    // The fields a sweep varies; a mass that follows from the dimensions, and the furnace of a
    // curve, are no inputs a value could be given to. Each item holds its quantity and the name
    // the command line gives it, which a layer of the lining needs.
    const auto nabidni = [&](const std::string& nazev) {
        const std::optional<Rozmitana> r = RozmitanaNazvu(nazev);
        for (QComboBox* cbo : {cboRozmitatVelicinu_, cboRozmitatVelicinu2_}) {
            cbo->addItem(PopisRozmitane(*r->pole, r->vrstva, uloha, jazyk), static_cast<int>(r->pole->velicina));
            cbo->setItemData(cbo->count() - 1, QString::fromStdString(nazev), kNazevOsy);
        }
    };
    for (const PopisPole& p : PoleUlohy()) {
        if (p.nazev != nullptr && LzeMenit(uloha, p.velicina) == Nemenitelna::Ne) {
            if (p.velicina != Velicina::TloustkaVrstvy) {
                nabidni(p.nazev);
                continue;
            }
            for (const std::string& nazev : VrstvyRozmitani(uloha)) {
                nabidni(nazev);
            }
        }
    }
    txtRozmitaniOd_ = pole(this, "txtRozmitaniOd");
    txtRozmitaniDo_ = pole(this, "txtRozmitaniDo");
    txtRozmitaniKrok_ = pole(this, "txtRozmitaniKrok");
    txtRozmitaniOd2_ = pole(this, "txtRozmitaniOd2");
    txtRozmitaniDo2_ = pole(this, "txtRozmitaniDo2");
    txtRozmitaniKrok2_ = pole(this, "txtRozmitaniKrok2");
    cmdRozmitaniSpocti_ = new QPushButton(Text(id::Spocitej, jazyk), this);
    cmdRozmitaniSpocti_->setObjectName(QStringLiteral("cmdRozmitaniSpocti"));
    cmdRozmitaniSpocti_->setDefault(true);
    cmdRozmitaniZrus_ = new QPushButton(Text(id::Storno, jazyk), this);
    cmdRozmitaniZrus_->setObjectName(QStringLiteral("cmdRozmitaniZrus"));
    cmdRozmitaniZrus_->setEnabled(false);
    prbRozmitani_ = new QProgressBar(this);
    prbRozmitani_->setObjectName(QStringLiteral("prbRozmitani"));
    prbRozmitani_->setFormat(Text(id::RozmitaniPostup, jazyk));
    prbRozmitani_->hide();
    cmdRozmitaniExport_ = new QPushButton(Text(id::Export, jazyk), this);
    cmdRozmitaniExport_->setObjectName(QStringLiteral("cmdRozmitaniExport"));
    cmdRozmitaniCsv_ = new QPushButton(Text(id::RozmitaniCsv, jazyk), this);
    cmdRozmitaniCsv_->setObjectName(QStringLiteral("cmdRozmitaniCsv"));
    cmdRozmitaniOK_ = new QPushButton(Text(id::Ok, jazyk), this);
    cmdRozmitaniOK_->setObjectName(QStringLiteral("cmdRozmitaniOK"));
    for (QPushButton* t : {cmdRozmitaniZrus_, cmdRozmitaniExport_, cmdRozmitaniCsv_, cmdRozmitaniOK_}) {
        t->setAutoDefault(false);
    }
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
    mrizka->setRowMinimumHeight(radek++, fontMetrics().height());
    pridej(id::RozmitatVelicinu2, "lblRozmitatVelicinu2", cboRozmitatVelicinu2_);
    pridej(id::RozmitaniOd2, "lblRozmitaniOd2", txtRozmitaniOd2_);
    pridej(id::RozmitaniDo2, "lblRozmitaniDo2", txtRozmitaniDo2_);
    pridej(id::RozmitaniKrok2, "lblRozmitaniKrok2", txtRozmitaniKrok2_);
    auto* vlevo = new QVBoxLayout;
    vlevo->addLayout(mrizka);
    for (QPushButton* t : {cmdRozmitaniSpocti_, cmdRozmitaniZrus_, cmdRozmitaniExport_, cmdRozmitaniCsv_, cmdRozmitaniOK_}) {
        vlevo->addWidget(t);
    }
    vlevo->addWidget(prbRozmitani_);
    vlevo->addStretch();
    auto* vpravo = new QVBoxLayout;
    vpravo->addWidget(grfRozmitani_, 1);
    vpravo->addWidget(lblRozmitaniPoznamka_);
    auto* okno = new QHBoxLayout(this);
    okno->addLayout(vlevo);
    okno->addLayout(vpravo, 1);

    connect(cboRozmitatVelicinu_, &QComboBox::currentIndexChanged, this, &FrmRozmitani::vybrano);
    connect(cboRozmitatVelicinu2_, &QComboBox::currentIndexChanged, this, &FrmRozmitani::vybranoDruha);
    connect(cmdRozmitaniSpocti_, &QPushButton::clicked, this, &FrmRozmitani::spust);
    connect(cmdRozmitaniZrus_, &QPushButton::clicked, this, &FrmRozmitani::zastav);
    connect(&prace_, &Prace::postup, this, [this](int hotovo, int celkem) {
        prbRozmitani_->setRange(0, celkem);
        prbRozmitani_->setValue(hotovo);
    });
    connect(cmdRozmitaniExport_, &QPushButton::clicked, this, &FrmRozmitani::Exportuj);
    connect(cmdRozmitaniCsv_, &QPushButton::clicked, this, &FrmRozmitani::UlozCsv);
    connect(cmdRozmitaniOK_, &QPushButton::clicked, this, &QDialog::accept);
    vybrano();
    vybranoDruha();
    zapomen();
}

std::optional<Rozmitana> FrmRozmitani::velicina(const QComboBox* cbo) const {
    return RozmitanaNazvu(cbo->currentData(kNazevOsy).toString().toStdString());
}

QString FrmRozmitani::hodnota(const Rozmitana& r) const {
    return TextObecny(static_cast<float>(HodnotaRozmitane(uloha_, *r.pole, r.vrstva) / r.pole->meritko));
}

void FrmRozmitani::vybrano() { txtRozmitaniOd_->setText(hodnota(*velicina(cboRozmitatVelicinu_))); }

void FrmRozmitani::vybranoDruha() {
    const std::optional<Rozmitana> v = velicina(cboRozmitatVelicinu2_);
    for (QLineEdit* t : {txtRozmitaniOd2_, txtRozmitaniDo2_, txtRozmitaniKrok2_}) {
        t->setEnabled(v.has_value());
    }
    txtRozmitaniOd2_->setText(v ? hodnota(*v) : QString());
}

void FrmRozmitani::naplnGraf(Graf& graf) const {
    graf.vymazRady();
    graf.nastavTitulek(Text(id::TitulekRozmitani, jazyk_));
    graf.nastavPopisOsyX(osaX_);
    graf.nastavPopisOsyY(Text(id::OsaDoby, jazyk_));
    bool kratke = true;
    for (const Graf::Rada& r : rady_) {
        kratke = kratke && r.body.size() <= kZnackyDo;
    }
    graf.nastavZnacky(kratke);
    graf.nastavRady(rady_);
}

void FrmRozmitani::zapomen() {
    rady_.clear();
    csv_.clear();
    naplnGraf(*grfRozmitani_);
    cmdRozmitaniExport_->setEnabled(false);
    cmdRozmitaniCsv_->setEnabled(false);
}

std::optional<std::array<double, 3>> FrmRozmitani::rozsah(QLineEdit* od, QLineEdit* po, QLineEdit* krok,
                                                          const int (&popisky)[3]) {
    const Jazyk j = jazyk_;
    // The three numbers of the range, each named by its caption when it is none.
    std::array<double, 3> x{};
    const std::array<QLineEdit*, 3> pole{od, po, krok};
    for (std::size_t i = 0; i < pole.size(); ++i) {
        const QString nazev = BezAkceleratoru(Text(popisky[i], j)).trimmed();
        const QString text = pole[i]->text().trimmed();
        const std::optional<double> cislo = parseNumber(text);
        if (!cislo || !std::isfinite(*cislo)) {
            lblRozmitaniPoznamka_->setText(text.isEmpty() ? Text(id::ChybiHodnota, j).arg(nazev)
                                                          : Text(id::NeniCislo, j).arg(nazev, text));
            return std::nullopt;
        }
        x[i] = *cislo;
    }
    return x;
}

std::optional<std::vector<OsaRozmitani>> FrmRozmitani::osy() {
    const Jazyk j = jazyk_;
    std::vector<std::array<double, 3>> typed;
    std::vector<RozsahOsy> rozsahy;
    // The values as the field shows them; the case holds them in its own unit. The direction
    // follows from the bounds: a falling range may be typed with a negative step as well.
    const auto pridej = [&](const Rozmitana& r, const std::optional<std::array<double, 3>>& x) {
        const double m = r.pole->meritko;
        if (x) {
            typed.push_back(*x);
            rozsahy.push_back({r.pole, (*x)[0] * m, (*x)[1] * m, std::abs((*x)[2]) * m, r.vrstva});
        }
        return x.has_value();
    };
    if (!pridej(*velicina(cboRozmitatVelicinu_),
                rozsah(txtRozmitaniOd_, txtRozmitaniDo_, txtRozmitaniKrok_,
                       {id::RozmitaniOd, id::RozmitaniDo, id::RozmitaniKrok}))) {
        return std::nullopt;
    }
    if (const std::optional<Rozmitana> druha = velicina(cboRozmitatVelicinu2_);
        druha && !pridej(*druha, rozsah(txtRozmitaniOd2_, txtRozmitaniDo2_, txtRozmitaniKrok2_,
                                              {id::RozmitaniOd2, id::RozmitaniDo2, id::RozmitaniKrok2}))) {
        return std::nullopt;
    }
    OsyRozmitani o = PripravOsy(uloha_, rozsahy, kNejviceBoduGrafu);
    const std::array<double, 3>& x = typed[o.osa];
    switch (o.vada) {
        case VadaOs::Zadna:
            return std::move(o.osy);
        case VadaOs::Nemenitelna:
            lblRozmitaniPoznamka_->setText(ZpravaNemenitelne(*rozsahy[o.osa].pole, uloha_, j));
            break;
        case VadaOs::BezVrstvy:
        case VadaOs::JakoSteny:
            lblRozmitaniPoznamka_->setText(ZpravaVrstvy(o.vada, rozsahy[o.osa].vrstva, uloha_, j));
            break;
        case VadaOs::Dvakrat:
            lblRozmitaniPoznamka_->setText(Text(id::RozmitaniStejna, j));
            break;
        case VadaOs::Rozsah:
            lblRozmitaniPoznamka_->setText(Text(id::RozmitaniRozsah, j).arg(
                cisloRozsahu(x[0]), cisloRozsahu(x[1]), cisloRozsahu(x[2]), QString::number(kNejviceBoduGrafu)));
            break;
        case VadaOs::Bodu:
            lblRozmitaniPoznamka_->setText(Text(id::RozmitaniBodu, j).arg(o.bodu).arg(kNejviceBoduGrafu));
            break;
    }
    return std::nullopt;
}

FrmRozmitani::Body FrmRozmitani::spocti(std::span<const OsaRozmitani> osy, const Prace::Dal& dal) const {
    const Jazyk j = jazyk_;
    const PopisPole& p = *osy[0].pole;
    Body b;
    // One curve for each value of the second quantity (the last quantity varies fastest).
    const std::size_t krivek = osy.size() > 1 ? osy[1].hodnoty.size() : 1;
    for (std::size_t k = 0; k < krivek; ++k) {
        QString nazev;
        if (osy.size() > 1) {
            const PopisPole& p2 = *osy[1].pole;
            nazev = PopisRozmitane(p2, osy[1].vrstva, uloha_, j) + QStringLiteral(" = ") + cisloRozsahu(osy[1].hodnoty[k] / p2.meritko);
        }
        b.rady.append({nazev, kBarvy[k % kBarvy.size()], {}});
    }
    const SloupceRozmitani sloupce = SloupceBodu(uloha_, osy);
    b.csv = HlavickaRozmitaniCsv(osy, sloupce);
    const int celkem = static_cast<int>(PocetBodu(osy));
    int hotovo = 0;
    zorvet::Rozmitej(uloha_, osy, [&](std::size_t i, const BodRozmitani& bod) {
        b.csv += RadekRozmitaniCsv(uloha_, osy, i, bod, sloupce, j);
        const bool dal_ = dal(++hotovo, celkem);
        if (!dal_) {
            b.zastaveno = hotovo;
        }
        const std::optional<double> cas = bod.casJadra ? bod.casJadra : std::optional<double>(bod.cas);
        if (bod.vypocet.uspech()) {
            b.rady[static_cast<qsizetype>(i % krivek)].body.append(QPointF(bod.hodnoty[0] / p.meritko, *cas));
            return dal_;
        }
        if (++b.vynechano == 1) {
            if (const std::optional<Chyba> chyba = ChybaVypoctu(bod.vypocet, UlohaBodu(uloha_, osy, i), j)) {
                b.prvni = chyba->text;
            }
        }
        return dal_;
    });
    // A curve is read along rising values, whichever way the range ran.
    for (Graf::Rada& r : b.rady) {
        std::sort(r.body.begin(), r.body.end(), [](const QPointF& a, const QPointF& c) { return a.x() < c.x(); });
        for (qsizetype i = 1; i < r.body.size(); ++i) {
            b.schody = b.schody || r.body.at(i).y() == r.body.at(i - 1).y();
        }
    }
    b.rady.removeIf([](const Graf::Rada& r) { return r.body.isEmpty(); });
    return b;
}

void FrmRozmitani::spust() {
    zapomen();
    const std::optional<std::vector<OsaRozmitani>> osy = this->osy();
    if (!osy) {
        return;
    }
    // The points on a thread of their own, the window answering; the chart when they are done.
    auto b = std::make_shared<Body>();
    auto os = std::make_shared<std::vector<OsaRozmitani>>(std::move(*osy));
    QObject* konec = new QObject(this);
    connect(&prace_, &Prace::dokonceno, konec, [this, b, os, konec] {
        konec->deleteLater();
        spocteno(*b, *os);
    });
    zamkni(true);
    prbRozmitani_->setRange(0, static_cast<int>(PocetBodu(*os)));
    prbRozmitani_->setValue(0);
    prace_.spust([this, b, os](const Prace::Dal& dal) { *b = spocti(*os, dal); });
    emit spusteno();
}

void FrmRozmitani::zamkni(bool pocita) {
    for (QWidget* w : std::initializer_list<QWidget*>{cboRozmitatVelicinu_, txtRozmitaniOd_, txtRozmitaniDo_,
                                                      txtRozmitaniKrok_, cboRozmitatVelicinu2_, txtRozmitaniOd2_,
                                                      txtRozmitaniDo2_, txtRozmitaniKrok2_, cmdRozmitaniSpocti_,
                                                      cmdRozmitaniOK_}) {
        w->setEnabled(!pocita);
    }
    cmdRozmitaniZrus_->setEnabled(pocita);
    prbRozmitani_->setVisible(pocita);
    if (pocita) {
        cmdRozmitaniExport_->setEnabled(false);
        cmdRozmitaniCsv_->setEnabled(false);
    } else {
        cmdRozmitaniSpocti_->setFocus();
    }
}

void FrmRozmitani::reject() {
    if (prace_.bezi()) {
        prace_.zrus();
        return;
    }
    QDialog::reject();
}

void FrmRozmitani::spocteno(const Body& b, const std::vector<OsaRozmitani>& osy) {
    const Jazyk j = jazyk_;
    zamkni(false);
    // The second range stays disabled while its box says "(none)".
    for (QLineEdit* t : {txtRozmitaniOd2_, txtRozmitaniDo2_, txtRozmitaniKrok2_}) {
        t->setEnabled(velicina(cboRozmitatVelicinu2_).has_value());
    }
    rady_ = b.rady;
    csv_ = b.csv;
    osaX_ = PopisRozmitane(*osy.front().pole, osy.front().vrstva, uloha_, j);
    naplnGraf(*grfRozmitani_);
    QStringList poznamka;
    if (b.zastaveno > 0) {
        poznamka << Text(id::RozmitaniZastaveno, j).arg(b.zastaveno).arg(PocetBodu(osy));
    }
    if (b.vynechano > 0) {
        poznamka << Text(id::RozmitaniVynechano, j).arg(b.vynechano).arg(PocetBodu(osy));
        if (!b.prvni.isEmpty()) {
            poznamka << b.prvni;
        }
    }
    // The heat-up time is a whole number of time steps: where neighbouring points take the
    // same number, the curve is flat between them.
    const bool krok = std::any_of(osy.begin(), osy.end(),
                                  [](const OsaRozmitani& o) { return o.pole->velicina == Velicina::CasKrok; });
    if (b.schody && !krok) {
        poznamka << Text(id::RozmitaniSchody, j).arg(TextObecny(uloha_.CasKrok));
    }
    lblRozmitaniPoznamka_->setText(poznamka.join(QLatin1Char('\n')));
    cmdRozmitaniExport_->setEnabled(!rady_.isEmpty());
    cmdRozmitaniCsv_->setEnabled(true);
    emit dokonceno();
}

void FrmRozmitani::Exportuj() {
    if (rady_.isEmpty()) {
        return;
    }
    ExportujSDialogem(dialogy_, jazyk_, [this](Graf& graf) { naplnGraf(graf); }, Text(id::TitulekRozmitani, jazyk_));
}

void FrmRozmitani::UlozCsv() {
    if (csv_.isEmpty()) {
        return;
    }
    const std::optional<QString> cesta = dialogy_.ulozitVystup(Text(id::FiltrCsv, jazyk_), 2);
    if (!cesta) {
        return;
    }
    KurzorCekani cekani(dialogy_);
    QString duvod;
    const bool zapsano = writeWhole(*cesta, csv_.toUtf8(), &duvod, jazyk_);
    cekani.uvolni();
    if (!zapsano) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, jazyk_),
                        *cesta + QLatin1Char('\n') + Text(id::RozmitaniNeulozeno, jazyk_) +
                            (duvod.isEmpty() ? QString() : QLatin1Char('\n') + duvod));
    }
}

}  // namespace zorvet
