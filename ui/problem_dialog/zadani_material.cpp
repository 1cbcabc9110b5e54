#include "ui/problem_dialog/zadani_material.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QTimer>

#include "files/cisla.h"
#include "files/materialy.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

ZadaniMaterialu::ZadaniMaterialu(Formular& formular, Dialogy& dialogy, QWidget* parent)
    : Zalozka(formular, parent), dialogy_(dialogy) {
    auto* f = formLayout(this);
    cboMaterial = named(new QComboBox(this), "cboMaterial");
    cboMaterial->setEditable(true);
    cboMaterial->setInsertPolicy(QComboBox::NoInsert);
    cboMaterial->setMinimumContentsLength(22);
    cboMaterial->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A name is taken as typed: no completion to an existing name, which would also make a
    // name differing only in letter case impossible to type.
    cboMaterial->setCompleter(nullptr);
    cmdUlozMaterial = named(new QPushButton(this), "cmdUlozMaterial");
    cmdUlozMaterial->setAutoDefault(false);
    auto* druh = new QHBoxLayout;
    druh->addWidget(cboMaterial);
    druh->addWidget(cmdUlozMaterial);
    lblDruh = caption(this, "lblDruh", cboMaterial);
    f->addRow(lblDruh, druh);

    txtGama = numberField(this, "txtGama");
    txtc = numberField(this, "txtc");
    txtEps = numberField(this, "txtEps");
    txtKoefK = numberField(this, "txtKoefK");
    txtLambda = numberField(this, "txtLambda");
    lblGama = caption(this, "lblGama", txtGama);
    lblc = caption(this, "lblc", txtc);
    lblEps = caption(this, "lblEps", txtEps);
    lblEps->setMouseTracking(true);
    lblKoefK = caption(this, "lblKoefK", txtKoefK);
    lblLambda = caption(this, "lblLambda", txtLambda);
    f->addRow(lblGama, txtGama);
    f->addRow(lblc, txtc);
    f->addRow(lblEps, txtEps);
    f->addRow(lblKoefK, txtKoefK);
    f->addRow(lblLambda, txtLambda);
    svaz(cboMaterial, Velicina::NazevMaterialu);
    svaz(txtGama, Velicina::Gama);
    svaz(txtc, Velicina::c);
    svaz(txtEps, Velicina::Eps);
    svaz(txtKoefK, Velicina::KoefK);
    svaz(txtLambda, Velicina::Lambda);

    tmrHelp = named(new QTimer(this), "tmrHelp");
    tmrHelp->setInterval(1000);
    tmrHelp->setSingleShot(true);
    connect(tmrHelp, &QTimer::timeout, this, [this] { window()->unsetCursor(); });
    lblEps->installEventFilter(this);
    connect(cboMaterial, &QComboBox::activated, this, &ZadaniMaterialu::cboMaterialClick);
    connect(cmdUlozMaterial, &QPushButton::clicked, this, &ZadaniMaterialu::cmdUlozMaterialClick);
}

void ZadaniMaterialu::NastavPopisy(Jazyk j) {
    jazyk_ = j;
    lblDruh->setText(Text(id::Druh, j));
    lblGama->setText(Text(id::Gama, j));
    lblc->setText(Text(id::c, j));
    lblEps->setText(Text(id::Eps, j));
    cmdUlozMaterial->setText(Text(id::UlozMaterial, j));
    // The same caption in both languages; only its tooltip is translated.
    lblKoefK->setText(QString::fromUtf8(Pole(Velicina::KoefK).popisekText));
    lblKoefK->setToolTip(Text(id::KoefKTip, j));
    lblLambda->setText(Text(id::Lambda, j));
}

void ZadaniMaterialu::NactiMaterialy(const QString& slozka, Jazyk jazyk) {
    slozka_ = slozka;
    databaze_ = zorvet::NactiMaterialy(slozka, jazyk);
    naplnSeznam();
    lblEps->setToolTip(QString::fromStdString(databaze_.TabulkaEps));
    if (const std::optional<Material>& m = databaze_.Orezany) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, jazyk),
                        Text(id::OrezanyMaterial, jazyk)
                            .arg(QDir::toNativeSeparators(QDir(slozka).filePath(QStringLiteral("Material.lst"))),
                                 QString::fromStdString(m->Nazev), TextObecny(m->c), TextObecny(m->Gama)));
    }
}

void ZadaniMaterialu::naplnSeznam() {
    const QSignalBlocker blokovano(cboMaterial);
    cboMaterial->clear();
    for (const Material& m : databaze_.Materialy) {
        cboMaterial->addItem(QString::fromStdString(m.Nazev));
    }
    // The name of the problem, not the first of the list.
    cboMaterial->setCurrentIndex(-1);
    cboMaterial->setEditText(formular_.text(Velicina::NazevMaterialu));
}

bool ZadaniMaterialu::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == lblEps && udalost->type() == QEvent::MouseMove) {
        // The question-mark pointer stays while the mouse moves over the label and goes one
        // second after the last movement.
        if (window()->cursor().shape() != Qt::WhatsThisCursor) {
            window()->setCursor(Qt::WhatsThisCursor);
        }
        tmrHelp->start();
    }
    return Zalozka::eventFilter(objekt, udalost);
}

void ZadaniMaterialu::vybrana() { cboMaterial->setFocus(Qt::TabFocusReason); }

float ZadaniMaterialu::vodivost(const std::string& nazev) const {
    const auto lambda = databaze_.Vodivosti.find(nazev);
    return lambda != databaze_.Vodivosti.end() ? lambda->second : 0.0f;
}

QWidget* ZadaniMaterialu::pole(Velicina v) const {
    switch (v) {
        case Velicina::NazevMaterialu:
            return cboMaterial;
        case Velicina::c:
            return txtc;
        case Velicina::Gama:
            return txtGama;
        default:
            return txtLambda;
    }
}

void ZadaniMaterialu::cboMaterialClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= databaze_.Materialy.size()) {
        return;
    }
    const Material& m = databaze_.Materialy[static_cast<std::size_t>(index)];
    formular_.vyberMaterial(m, vodivost(m.Nazev));
}

void ZadaniMaterialu::cmdUlozMaterialClick() {
    const Jazyk j = jazyk_;
    const Uloha& u = formular_.uloha();
    // A material of the database needs its name, heat capacity and density; a conductivity,
    // when given, is saved with it in its companion file.
    std::optional<Zavada> chyba;
    const QString nazev = formular_.text(Velicina::NazevMaterialu);
    Uloha sHustotou = u;
    sHustotou.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    for (Velicina v : {Velicina::NazevMaterialu, Velicina::c, Velicina::Gama, Velicina::Lambda}) {
        const bool prazdne = formular_.text(v).trimmed().isEmpty();
        if (prazdne && v != Velicina::Lambda) {
            chyba = Zavada{v, Vada::ChybiHodnota, 0, {}};
        } else if (v != Velicina::NazevMaterialu && !prazdne) {
            chyba = formular_.chybaPole(v);
            if (const std::optional<Vada> vada = ZkontrolujHodnotu(Pole(v), Hodnota(Pole(v), u), sHustotou);
                !chyba && vada) {
                chyba = Zavada{v, *vada, 0, {}};
            }
        }
        if (chyba) {
            dialogy_.zprava(Ikona::Vykricnik, TitulekZavady(j), ZpravaZavady(*chyba, u, j));
            pole(v)->setFocus(Qt::OtherFocusReason);
            return;
        }
    }
    const Material novy{nazev.toStdString(), u.c, u.Gama};
    QString popis;
    UlozeniMaterialu vysledek = UlozMaterial(slozka_, novy, false, &popis);
    if (vysledek == UlozeniMaterialu::Existuje) {
        if (!dialogy_.otazka(Text(id::Dotaz, j), Text(id::Material, j) + nazev + Text(id::UzExistuje, j) +
                                                      QStringLiteral("\r\n") + Text(id::PrepsatMaterial, j))) {
            return;
        }
        vysledek = UlozMaterial(slozka_, novy, true, &popis);
    }
    if ((vysledek == UlozeniMaterialu::Pridan || vysledek == UlozeniMaterialu::Prepsan) && u.Lambda > 0.0f &&
        UlozVodivost(slozka_, novy.Nazev, u.Lambda, &popis) == UlozeniMaterialu::Chyba) {
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
            dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j), popis);
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
