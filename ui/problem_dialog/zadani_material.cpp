#include "ui/problem_dialog/zadani_material.h"

#include <QComboBox>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include "files/materialy.h"
#include "files/retezce.h"

namespace zorvet {

namespace {

// Shows a text in an editable list. The entry of the same text becomes the current one:
// a list whose text matches an entry other than its current one reports that entry as
// picked when the field is left, which must not happen for a text set here.
void ukazText(QComboBox* seznam, const QString& text) {
    const int index = seznam->findText(text);
    seznam->setCurrentIndex(index);
    if (index < 0) {
        seznam->setEditText(text);
    }
}

}  // namespace

ZadaniMaterialu::ZadaniMaterialu(Dialogy& dialogy, QWidget* parent) : QWidget(parent), dialogy_(dialogy) {
    auto* f = Formular(this);
    cboMaterial = Pojmenuj(new QComboBox(this), "cboMaterial");
    cboMaterial->setEditable(true);
    cboMaterial->setInsertPolicy(QComboBox::NoInsert);
    cboMaterial->setMinimumContentsLength(22);
    cboMaterial->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A name is taken as typed: no completion to an existing name, which would also make a
    // name differing only in letter case impossible to type.
    cboMaterial->setCompleter(nullptr);
    cmdUlozMaterial = Pojmenuj(new QPushButton(this), "cmdUlozMaterial");
    cmdUlozMaterial->setAutoDefault(false);
    auto* druh = new QHBoxLayout;
    druh->addWidget(cboMaterial);
    druh->addWidget(cmdUlozMaterial);
    lblDruh = Popisek(this, "lblDruh", cboMaterial);
    f->addRow(lblDruh, druh);

    txtGama = CisloPole(this, "txtGama");
    txtc = CisloPole(this, "txtc");
    txtEps = CisloPole(this, "txtEps");
    txtKoefK = CisloPole(this, "txtKoefK");
    txtLambda = CisloPole(this, "txtLambda");
    lblGama = Popisek(this, "lblGama", txtGama);
    lblc = Popisek(this, "lblc", txtc);
    lblEps = Popisek(this, "lblEps", txtEps);
    lblEps->setMouseTracking(true);
    lblKoefK = Popisek(this, "lblKoefK", txtKoefK);
    lblLambda = Popisek(this, "lblLambda", txtLambda);
    f->addRow(lblGama, txtGama);
    f->addRow(lblc, txtc);
    f->addRow(lblEps, txtEps);
    f->addRow(lblKoefK, txtKoefK);
    f->addRow(lblLambda, txtLambda);
    txtKoefK->setText(QStringLiteral("1"));

    tmrHelp = Pojmenuj(new QTimer(this), "tmrHelp");
    tmrHelp->setInterval(1000);
    tmrHelp->setSingleShot(true);
    connect(tmrHelp, &QTimer::timeout, this, [this] { window()->unsetCursor(); });
    lblEps->installEventFilter(this);
    txtGama->installEventFilter(this);
    connect(cboMaterial, &QComboBox::activated, this, &ZadaniMaterialu::cboMaterialClick);
    connect(cmdUlozMaterial, &QPushButton::clicked, this, &ZadaniMaterialu::cmdUlozMaterialClick);
}

void ZadaniMaterialu::NastavPopisy(std::int16_t j) {
    jazyk_ = j;
    lblDruh->setText(Text(id::Druh, j));
    lblGama->setText(Text(id::Gama, j));
    lblc->setText(Text(id::c, j));
    lblEps->setText(Text(id::Eps, j));
    cmdUlozMaterial->setText(Text(id::UlozMaterial, j));
    // The same caption in both languages; only its tooltip is translated.
    lblKoefK->setText(QStringLiteral("Korekční koe&ficient     [-]"));
    lblKoefK->setToolTip(Text(id::KoefKTip, j));
    lblLambda->setText(Text(id::Lambda, j));
}

void ZadaniMaterialu::NactiMaterialy(const QString& slozka, std::int16_t jazyk) {
    slozka_ = slozka;
    databaze_ = zorvet::NactiMaterialy(slozka, jazyk);
    naplnSeznam();
    cboMaterial->setCurrentIndex(-1);
    cboMaterial->setEditText(QString());
    lblEps->setToolTip(QString::fromStdString(databaze_.TabulkaEps));
}

void ZadaniMaterialu::naplnSeznam() {
    const QString text = cboMaterial->currentText();
    const bool blokovano = cboMaterial->blockSignals(true);
    cboMaterial->clear();
    for (const Material& m : databaze_.Materialy) {
        cboMaterial->addItem(QString::fromStdString(m.Nazev));
    }
    ukazText(cboMaterial, text);
    cboMaterial->blockSignals(blokovano);
}

bool ZadaniMaterialu::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == lblEps && udalost->type() == QEvent::MouseMove) {
        // The question-mark pointer stays while the mouse moves over the label and goes one
        // second after the last movement.
        if (window()->cursor().shape() != Qt::WhatsThisCursor) {
            window()->setCursor(Qt::WhatsThisCursor);
        }
        tmrHelp->start();
    } else if (objekt == txtGama && udalost->type() == QEvent::FocusIn) {
        hustotaPriVstupu_ = txtGama->text();
    } else if (objekt == txtGama && udalost->type() == QEvent::FocusOut && txtGama->text() != hustotaPriVstupu_) {
        emit hustotaZmenena();
    }
    return QWidget::eventFilter(objekt, udalost);
}

void ZadaniMaterialu::zobraz(Uloha& u) {
    ukazText(cboMaterial, QString::fromStdString(u.NazevMaterialu));
    UkazCislo(txtc, u.c);
    UkazCislo(txtEps, u.Eps);
    UkazCislo(txtGama, u.Gama);
    if (u.KoefK == 0.0f) {
        u.KoefK = 1.0f;
    }
    UkazCislo(txtKoefK, u.KoefK);
    if (u.Lambda != 0.0f) {
        UkazCislo(txtLambda, u.Lambda);
    } else {
        txtLambda->clear();
    }
}

float ZadaniMaterialu::vodivost(const std::string& nazev) const {
    const auto lambda = databaze_.Vodivosti.find(nazev);
    return lambda != databaze_.Vodivosti.end() ? lambda->second : 0.0f;
}

void ZadaniMaterialu::zamerSeznam() { cboMaterial->setFocus(Qt::TabFocusReason); }

CteniPole ZadaniMaterialu::hustota() const { return CtiPole(txtGama); }

QLineEdit* ZadaniMaterialu::pole(Velicina v) const {
    switch (v) {
        case Velicina::Gama:
            return txtGama;
        case Velicina::c:
            return txtc;
        case Velicina::Eps:
            return txtEps;
        case Velicina::KoefK:
            return txtKoefK;
        case Velicina::Lambda:
            return txtLambda;
        default:
            return nullptr;
    }
}

const QLabel* ZadaniMaterialu::popisek(Velicina v) const {
    QLineEdit* p = pole(v);
    return p == txtGama ? lblGama : p == txtc ? lblc : p == txtEps ? lblEps : p == txtKoefK ? lblKoefK
           : p == txtLambda ? lblLambda : nullptr;
}

std::optional<ChybaPole> ZadaniMaterialu::prevezmi(Uloha& u, bool zRozmeru, bool prazdnaNula) const {
    u.NazevMaterialu = cboMaterial->currentText().toStdString();
    std::optional<ChybaPole> prvni;
    const std::pair<Velicina, float Uloha::*> pole[] = {
        {Velicina::Gama, &Uloha::Gama}, {Velicina::c, &Uloha::c},         {Velicina::Eps, &Uloha::Eps},
        {Velicina::KoefK, &Uloha::KoefK}, {Velicina::Lambda, &Uloha::Lambda}};
    for (const auto& [v, cil] : pole) {
        QLineEdit* txt = this->pole(v);
        const CteniPole cteni = CtiPole(txt);
        if (cteni.obsah == Obsah::Cislo) {
            u.*cil = cteni.hodnota;
            continue;
        }
        // A typed mass needs no density, and an empty conductivity computes no core.
        const bool smiChybet = (v == Velicina::Gama && !zRozmeru) || v == Velicina::Lambda;
        if (cteni.obsah == Obsah::Prazdne && (prazdnaNula || smiChybet)) {
            u.*cil = 0.0f;
            continue;
        }
        if (!prvni) {
            prvni = ChybaTextu(txt, popisek(v), txt->text(), cteni.obsah, jazyk_);
        }
    }
    return prvni;
}

void ZadaniMaterialu::cboMaterialClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= databaze_.Materialy.size()) {
        return;
    }
    const Material& mat = databaze_.Materialy[static_cast<std::size_t>(index)];
    UkazCislo(txtc, mat.c);
    UkazCislo(txtGama, mat.Gama);
    if (const float lambda = vodivost(mat.Nazev); lambda != 0.0f) {
        UkazCislo(txtLambda, lambda);
    } else {
        txtLambda->clear();
    }
    emit hustotaZmenena();
}

void ZadaniMaterialu::cmdUlozMaterialClick() {
    const std::int16_t j = jazyk_;
    const QString nazev = cboMaterial->currentText();
    const auto oprav = [&](const ChybaPole& chyba) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaZadani, j), chyba.text);
        chyba.pole->setFocus(Qt::OtherFocusReason);
    };
    if (nazev.trimmed().isEmpty()) {
        oprav(*ChybaTextu(cboMaterial, lblDruh, nazev, Obsah::Prazdne, j));
        return;
    }
    Material novy{nazev.toStdString(), 0.0f, 0.0f};
    for (const auto& [txt, lbl, cil] : {std::tuple{txtc, lblc, &novy.c}, std::tuple{txtGama, lblGama, &novy.Gama}}) {
        const CteniPole cteni = CtiPole(txt);
        if (auto chyba = ChybaTextu(txt, lbl, txt->text(), cteni.obsah, j)) {
            oprav(*chyba);
            return;
        }
        *cil = cteni.hodnota;
    }
    // The conductivity, when given, is saved with the material in its companion file.
    const CteniPole lambda = CtiPole(txtLambda);
    if (auto chyba = ChybaTextu(txtLambda, lblLambda, txtLambda->text(), lambda.obsah, j);
        chyba && lambda.obsah != Obsah::Prazdne) {
        oprav(*chyba);
        return;
    }
    QString chyba;
    UlozeniMaterialu vysledek = UlozMaterial(slozka_, novy, false, &chyba);
    if (vysledek == UlozeniMaterialu::Existuje) {
        if (!dialogy_.otazka(Text(id::Dotaz, j), Text(id::Material, j) + nazev + Text(id::UzExistuje, j) +
                                                      QStringLiteral("\r\n") + Text(id::PrepsatMaterial, j))) {
            return;
        }
        vysledek = UlozMaterial(slozka_, novy, true, &chyba);
    }
    if ((vysledek == UlozeniMaterialu::Pridan || vysledek == UlozeniMaterialu::Prepsan) && lambda.obsah == Obsah::Cislo &&
        UlozVodivost(slozka_, novy.Nazev, lambda.hodnota, &chyba) == UlozeniMaterialu::Chyba) {
        vysledek = UlozeniMaterialu::Chyba;
    }
    switch (vysledek) {
        case UlozeniMaterialu::Pridan:
            dialogy_.zprava(Ikona::Informace, Text(id::DoplneniDatabaze, j), Text(id::MaterialPridan, j) + nazev);
            break;
        case UlozeniMaterialu::Prepsan:
            dialogy_.zprava(Ikona::Informace, Text(id::PrepsaniDatabaze, j), Text(id::MaterialPrepsan, j));
            break;
        case UlozeniMaterialu::Plna:
            dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, j), Text(id::DatabazePlna, j));
            return;
        case UlozeniMaterialu::Chyba:
            dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j), chyba);
            return;
        case UlozeniMaterialu::Existuje:
            return;
    }
    // The list shows the files as they are now.
    const DatabazeMaterialu znovu = zorvet::NactiMaterialy(slozka_, j);
    databaze_.Materialy = znovu.Materialy;
    databaze_.Vodivosti = znovu.Vodivosti;
    naplnSeznam();
}

}  // namespace zorvet
