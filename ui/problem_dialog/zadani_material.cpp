#include "ui/problem_dialog/zadani_material.h"

#include <QComboBox>
#include <QDir>
#include <QEvent>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QTimer>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/materialy.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

namespace {

// The entries of the property model's list before the user's saved curves.
enum PolozkaVlastnosti { kKonstantniC, kUhlikova, kNerezova, kVlastniTabulka, kPrvniUlozena };

}  // namespace

ZadaniMaterialu::ZadaniMaterialu(Formular& formular, int cislo, Dialogy& dialogy, QWidget* parent)
    : Zalozka(formular, cislo, parent), dialogy_(dialogy) {
    cboMaterial = named(new QComboBox(this), "cboMaterial");
    cboMaterial->setEditable(true);
    cboMaterial->setInsertPolicy(QComboBox::NoInsert);
    cboMaterial->setMinimumContentsLength(22);
    cboMaterial->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // A name is taken as typed: no completion to an existing name, which would also make a
    // name differing only in letter case impossible to type.
    cboMaterial->setCompleter(nullptr);
    svaz(cboMaterial, Velicina::NazevMaterialu);
    cmdUlozMaterial = named(new QPushButton(this), "cmdUlozMaterial");
    cmdUlozMaterial->setAutoDefault(false);
    cboVlastnosti = named(new QComboBox(this), "cboVlastnosti");
    cboVlastnosti->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    lblVlastnosti = caption(this, "lblVlastnosti", cboVlastnosti);
    cmdKrivkaMaterialu = named(new QPushButton(this), "cmdKrivkaMaterialu");
    cmdKrivkaMaterialu->setAutoDefault(false);
    cmdKrivkaMaterialu->hide();
    lblcKrivky = named(new QLabel(this), "lblcKrivky");
    lblLambdaPuvod = named(new QLabel(this), "lblLambdaPuvod");

    auto* f = formLayout(this);
    rozloz(f);
    txtGama = static_cast<QLineEdit*>(vstup(Velicina::Gama));
    txtc = static_cast<QLineEdit*>(vstup(Velicina::c));
    txtLambda = static_cast<QLineEdit*>(vstup(Velicina::Lambda));
    lblEps = popisek(Velicina::Eps);
    lblEps->setMouseTracking(true);
    // A user's curve: its name, its table and its plot.
    fraKrivka = new EditorKrivky(formular_, dialogy_, this);
    fraKrivka->hide();
    f->addRow(fraKrivka);
    // Tab runs down the rows as they stand, then into the curve's editor.
    QWidget* poradi[] = {cboMaterial, cmdUlozMaterial,    txtGama,           cboVlastnosti, cmdKrivkaMaterialu,
                         txtc,        vstup(Velicina::Eps), vstup(Velicina::KoefK), txtLambda};
    for (std::size_t i = 0; i + 1 < std::size(poradi); ++i) {
        setTabOrder(poradi[i], poradi[i + 1]);
    }
    setTabOrder(txtLambda, fraKrivka);

    tmrHelp = named(new QTimer(this), "tmrHelp");
    tmrHelp->setInterval(1000);
    tmrHelp->setSingleShot(true);
    connect(tmrHelp, &QTimer::timeout, this, [this] { window()->unsetCursor(); });
    lblEps->installEventFilter(this);
    connect(cboMaterial, &QComboBox::activated, this, &ZadaniMaterialu::cboMaterialClick);
    connect(cmdUlozMaterial, &QPushButton::clicked, this, &ZadaniMaterialu::cmdUlozMaterialClick);
    connect(fraKrivka, &EditorKrivky::krivkaUlozena, this, [this] {
        // The list offers the curves as the file holds them now.
        const DatabazeMaterialu znovu = zorvet::NactiMaterialy(slozka_, jazyk_);
        databaze_.Krivky = znovu.Krivky;
        databaze_.Vodivosti = znovu.Vodivosti;
        naplnVlastnosti();
    });
    connect(cboVlastnosti, &QComboBox::currentIndexChanged, this, &ZadaniMaterialu::cboVlastnostiClick);
    connect(cmdKrivkaMaterialu, &QPushButton::clicked, this, &ZadaniMaterialu::cmdKrivkaMaterialuClick);
}

QWidget* ZadaniMaterialu::vlastniVstup(const PopisPole& p) {
    return p.velicina == Velicina::NazevMaterialu ? cboMaterial : nullptr;
}

void ZadaniMaterialu::pridejRadek(QFormLayout* form, const Polozka& polozka) {
    if (polozka.pole->velicina == Velicina::NazevMaterialu) {
        // The material and its Save side by side.
        auto* druh = new QHBoxLayout;
        druh->addWidget(cboMaterial);
        druh->addWidget(cmdUlozMaterial);
        form->addRow(polozka.popisek, druh);
    } else if (polozka.pole->velicina == Velicina::c) {
        // The property model decides where the heat capacity comes from: above it, and what a
        // curve gives said beside it.
        auto* model = new QHBoxLayout;
        model->addWidget(cboVlastnosti);
        model->addWidget(cmdKrivkaMaterialu);
        model->addStretch(1);
        form->addRow(lblVlastnosti, model);
        auto* kapacita = new QHBoxLayout;
        kapacita->addWidget(polozka.vstup);
        kapacita->addWidget(lblcKrivky, 1);
        form->addRow(polozka.popisek, kapacita);
    } else if (polozka.pole->velicina == Velicina::Lambda) {
        auto* vodivost = new QHBoxLayout;
        vodivost->addWidget(polozka.vstup);
        vodivost->addWidget(lblLambdaPuvod, 1);
        form->addRow(polozka.popisek, vodivost);
    } else {
        Zalozka::pridejRadek(form, polozka);
    }
}

void ZadaniMaterialu::NastavPopisy(Jazyk j) {
    Zalozka::NastavPopisy(j);
    cmdUlozMaterial->setText(Text(id::UlozMaterial, j));
    lblVlastnosti->setText(Text(id::ModelVlastnosti, j));
    cmdKrivkaMaterialu->setText(Text(id::KrivkaMaterialu, j));
    fraKrivka->NastavPopisy(j);
    naplnVlastnosti();
}

void ZadaniMaterialu::NactiMaterialy(const QString& slozka, Jazyk jazyk) {
    slozka_ = slozka;
    fraKrivka->nastavSlozku(slozka);
    databaze_ = zorvet::NactiMaterialy(slozka, jazyk);
    naplnSeznam();
    naplnVlastnosti();
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

float ZadaniMaterialu::vodivost(const std::string& nazev) const {
    const auto lambda = databaze_.Vodivosti.find(nazev);
    return lambda != databaze_.Vodivosti.end() ? lambda->second : 0.0f;
}

void ZadaniMaterialu::cboMaterialClick(int index) {
    if (index < 0 || static_cast<std::size_t>(index) >= databaze_.Materialy.size()) {
        return;
    }
    const Material& m = databaze_.Materialy[static_cast<std::size_t>(index)];
    formular_.vyberMaterial(m, lambdaMaterialu(m));
}

std::optional<float> ZadaniMaterialu::lambdaMaterialu(const Material& m) {
    const float databaze = vodivost(m.Nazev);
    const Formular::PuvodLambdy puvod = formular_.puvodLambdy();
    const bool zvolena = puvod == Formular::PuvodLambdy::ZKrivky || puvod == Formular::PuvodLambdy::Zadana;
    if (!zvolena) {
        return databaze;  // none, or the database's of the material picked before
    }
    const QString text = formular_.text(Velicina::Lambda).trimmed();
    if (!(databaze > 0.0f) || text == TextObecny(databaze)) {
        return std::nullopt;
    }
    const QString jeho = puvod == Formular::PuvodLambdy::ZKrivky ? Text(id::LambdaKrivky, jazyk_)
                                                                : Text(id::LambdaZadana, jazyk_).arg(text);
    if (dialogy_.otazka(Text(id::Dotaz, jazyk_),
                        Text(id::LambdaNahradit, jazyk_).arg(jeho, TextObecny(databaze), QString::fromStdString(m.Nazev)))) {
        return databaze;
    }
    return std::nullopt;
}

bool ZadaniMaterialu::materialUplny() {
    const Jazyk j = jazyk_;
    const Uloha& u = formular_.uloha();
    // A material of the database needs its name, heat capacity and density; a conductivity,
    // when given, is saved with it in its companion file.
    std::optional<Zavada> chyba;
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
            vstup(v)->setFocus(Qt::OtherFocusReason);
            return false;
        }
    }
    return true;
}

void ZadaniMaterialu::cmdUlozMaterialClick() {
    if (!materialUplny()) {
        return;
    }
    const Jazyk j = jazyk_;
    const Uloha& u = formular_.uloha();
    const QString nazev = formular_.text(Velicina::NazevMaterialu);
    const Material novy{nazev.toStdString(), u.c, u.Gama};
    Chyba popis;
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
            Ohlas(dialogy_, popis);
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

void ZadaniMaterialu::naplnVlastnosti() {
    const QSignalBlocker blokovano(cboVlastnosti);
    cboVlastnosti->clear();
    for (int popisek : {id::KonstantniC, id::UhlikovaOcel, id::NerezovaOcel, id::VlastniTabulka}) {
        cboVlastnosti->addItem(Text(popisek, jazyk_));
    }
    for (const auto& [nazev, krivka] : databaze_.Krivky) {
        cboVlastnosti->addItem(QString::fromStdString(nazev));
    }
    obnov();
}

void ZadaniMaterialu::obnov() {
    const Uloha& u = formular_.uloha();
    const std::optional<VlastnostiMaterialu>& v = u.Vlastnosti;
    const bool tabulka = v && !JeVestavena(*v);
    int polozka = !v         ? kKonstantniC
                  : !tabulka ? (v->Nazev == kUhlikovaOcel ? kUhlikova : kNerezova)
                             : kVlastniTabulka;
    if (tabulka) {
        // A saved curve as it was saved is shown by its name.
        const auto ulozena = databaze_.Krivky.find(v->Nazev);
        for (int i = kPrvniUlozena; i < cboVlastnosti->count(); ++i) {
            if (ulozena != databaze_.Krivky.end() && StejneKrivky(ulozena->second, *v) &&
                cboVlastnosti->itemText(i).toStdString() == v->Nazev) {
                polozka = i;
            }
        }
        fraKrivka->ukaz(*v);
    }
    {
        const QSignalBlocker blokovano(cboVlastnosti);
        cboVlastnosti->setCurrentIndex(polozka);
    }
    // The heat capacity of a curve cannot be typed, and says where it comes from.
    txtc->setReadOnly(v.has_value());
    txtc->setToolTip(v ? Text(id::CZKrivkyTip, jazyk_) : QString());
    lblcKrivky->setText(Text(id::CZKrivky, jazyk_).arg(TextObecny(u.Tv), TextObecny(u.Tk)));
    lblcKrivky->setVisible(v.has_value());
    const bool lambda = v && MaLambdu(*v);
    txtLambda->setPlaceholderText(lambda ? Text(id::LambdaZKrivky, jazyk_) : QString());
    const int sirka = txtLambda->fontMetrics().horizontalAdvance(txtLambda->placeholderText()) + 16;
    txtLambda->setMinimumWidth(std::max(txtc->minimumWidth(), sirka));
    txtLambda->setToolTip(lambda ? Text(id::LambdaZKrivkyTip, jazyk_) : QString());
    switch (formular_.puvodLambdy()) {
        case Formular::PuvodLambdy::Zadna:
            lblLambdaPuvod->clear();
            break;
        case Formular::PuvodLambdy::ZKrivky:
            lblLambdaPuvod->setText(Text(id::LambdaPuvodKrivka, jazyk_));
            break;
        case Formular::PuvodLambdy::Zadana:
            lblLambdaPuvod->setText(Text(id::LambdaPuvodZadana, jazyk_));
            break;
        case Formular::PuvodLambdy::Databaze:
            lblLambdaPuvod->setText(Text(id::LambdaPuvodDatabaze, jazyk_).arg(formular_.text(Velicina::NazevMaterialu)));
            break;
    }
    // The material's own curve is offered while another model is chosen.
    const std::optional<VlastnostiMaterialu> vlastni = krivkaMaterialu(formular_.text(Velicina::NazevMaterialu).toStdString());
    cmdKrivkaMaterialu->setVisible(vlastni && vlastni != v);
    if (vlastni) {
        const QString jeji = JeVestavena(*vlastni) ? cboVlastnosti->itemText(vlastni->Nazev == kUhlikovaOcel ? kUhlikova : kNerezova)
                                                   : QString::fromStdString(vlastni->Nazev);
        cmdKrivkaMaterialu->setToolTip(Text(id::KrivkaMaterialuTip, jazyk_).arg(formular_.text(Velicina::NazevMaterialu), jeji));
    }
    const bool bylaVidet = !fraKrivka->isHidden();
    fraKrivka->setVisible(tabulka);
    Zalozka::obnov();
    if (bylaVidet != tabulka) {
        emit tabulkaZmenena();
    }
}

void ZadaniMaterialu::cboVlastnostiClick(int index) {
    const std::optional<VlastnostiMaterialu> byla = formular_.uloha().Vlastnosti;
    const bool zVestavene = byla && JeVestavena(*byla);
    if (!zVestavene && (index == kUhlikova || index == kNerezova)) {
        // The density the built-in curve replaces.
        hustotaMaterialu_ = formular_.text(Velicina::Gama);
    }
    switch (index) {
        case kKonstantniC:
            formular_.nastavVlastnosti(std::nullopt);
            break;
        case kUhlikova:
            formular_.nastavVlastnosti(VestaveneVlastnosti(kUhlikovaOcel));
            break;
        case kNerezova:
            formular_.nastavVlastnosti(VestaveneVlastnosti(kNerezovaOcel));
            break;
        case kVlastniTabulka:
            // The table as it was left.
            if (!byla || zVestavene) {
                formular_.nastavVlastnosti(fraKrivka->zTabulky());
            }
            break;
        default:
            if (const auto ulozena = databaze_.Krivky.find(cboVlastnosti->itemText(index).toStdString());
                index >= kPrvniUlozena && ulozena != databaze_.Krivky.end()) {
                formular_.nastavVlastnosti(ulozena->second);
            }
    }
    const std::optional<VlastnostiMaterialu>& je = formular_.uloha().Vlastnosti;
    if (zVestavene && !(je && JeVestavena(*je))) {
        vratHustotu();
    }
}

void ZadaniMaterialu::vratHustotu() {
    // The density of the material of the database named, else the one typed before.
    QString hustota = hustotaMaterialu_;
    const std::string nazev = formular_.text(Velicina::NazevMaterialu).toStdString();
    for (const Material& m : databaze_.Materialy) {
        if (m.Nazev == nazev) {
            hustota = TextObecny(m.Gama);
        }
    }
    if (!hustota.isEmpty() && hustota != formular_.text(Velicina::Gama)) {
        formular_.pis(Velicina::Gama, 0, hustota);
        formular_.opusteno(Velicina::Gama);
    }
}

std::optional<VlastnostiMaterialu> ZadaniMaterialu::krivkaMaterialu(const std::string& nazev) const {
    if (const auto ulozena = databaze_.Krivky.find(nazev); ulozena != databaze_.Krivky.end()) {
        return ulozena->second;
    }
    // EN 1993-1-2 gives its carbon steel curve for the structural steels S235 to S460 and its
    // stainless curve for the austenitic grades, the EN 10088 names X..CrNi.. and numbers
    // 1.43xx to 1.45xx.
    static const QRegularExpression nerezova(QStringLiteral("\\bX\\d+CrNi|\\b1\\.4[345]\\d\\d\\b"));
    static const QRegularExpression uhlikova(QStringLiteral("\\bS(235|275|355|420|460)"));
    const QString text = QString::fromStdString(nazev);
    if (nerezova.match(text).hasMatch()) {
        return VestaveneVlastnosti(kNerezovaOcel);
    }
    if (uhlikova.match(text).hasMatch()) {
        return VestaveneVlastnosti(kUhlikovaOcel);
    }
    return std::nullopt;
}

void ZadaniMaterialu::cmdKrivkaMaterialuClick() {
    const std::optional<VlastnostiMaterialu> krivka =
        krivkaMaterialu(formular_.text(Velicina::NazevMaterialu).toStdString());
    if (!krivka) {
        return;
    }
    int polozka = krivka->Nazev == kUhlikovaOcel ? kUhlikova : kNerezova;
    if (!JeVestavena(*krivka)) {
        polozka = cboVlastnosti->findText(QString::fromStdString(krivka->Nazev));
    }
    cboVlastnosti->setCurrentIndex(polozka);
    cboVlastnosti->setFocus(Qt::OtherFocusReason);
}

bool ZadaniMaterialu::ukazChybuKrivky() { return fraKrivka->ukazChybu(); }

}  // namespace zorvet
