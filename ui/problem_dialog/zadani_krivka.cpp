#include "ui/problem_dialog/zadani_krivka.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <cmath>

#include "files/retezce.h"
#include "ui/common/graf.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

ZadaniKrivky::ZadaniKrivky(Formular& formular, int cislo, QWidget* parent) : Zalozka(formular, cislo, parent) {
    auto* svisle = new QVBoxLayout(this);
    optNerizenyO = named(new QRadioButton(this), "optNerizenyO");
    optRizeny = named(new QRadioButton(this), "optRizeny");
    auto* skupina = new QButtonGroup(this);
    skupina->addButton(optNerizenyO);
    skupina->addButton(optRizeny);
    auto* rezim = new QHBoxLayout;
    rezim->addWidget(optNerizenyO);
    rezim->addSpacing(fontMetrics().height() * 2);
    rezim->addWidget(optRizeny);
    rezim->addStretch(1);
    svisle->addLayout(rezim);

    cboPocetKrivek = named(new QComboBox(this), "cboPocetKrivek");
    cboUsekC = named(new QComboBox(this), "cboUsekC");
    for (QComboBox* c : {cboPocetKrivek, cboUsekC}) {
        c->setMinimumContentsLength(3);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    txtPocTep = numberField(this, "txtPocTep");
    lblPocetKrivek = caption(this, "lblPocetKrivek", cboPocetKrivek);
    lblUsekC = caption(this, "lblUsekC", cboUsekC);
    lblPocTep = caption(this, "lblPocTep", txtPocTep);

    // Left: the number of segments and the segment; right: the segment's own values. The
    // segment's fields show the points of the segment chosen: the start is the end of the
    // segment before, typed there, and only the first segment's start is typed here.
    auto* levy = formLayout(this, false);
    levy->addRow(lblPocetKrivek, cboPocetKrivek);
    levy->addRow(lblUsekC, cboUsekC);
    auto* pravy = formLayout(this, false);
    pravy->addRow(lblPocTep, txtPocTep);
    svaz(txtPocTep, Velicina::TeplotaKrivky, [this] { return formular_.usek() - 1; });
    const Polozka& konec = polozka(Pole(Velicina::TeplotaKrivky), [this] { return formular_.usek(); });
    polozka(Pole(Velicina::DobaVydrze), [this] { return formular_.usek() - 1; });
    lblKonTep = konec.popisek;
    rozloz(pravy);
    auto* useky = new QHBoxLayout;
    useky->addLayout(levy);
    useky->addSpacing(fontMetrics().height() * 2);
    useky->addLayout(pravy);
    useky->addStretch(1);
    svisle->addLayout(useky);

    FlpGrf1 = named(new Graf(this), "FlpGrf1");
    FlpGrf1->setMinimumSize(fontMetrics().height() * 30, fontMetrics().height() * 17);
    FlpGrf1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    FlpGrf1->nastavZnacky(true);
    // A hold at the highest temperature is drawn inside the frame, not on its edge.
    FlpGrf1->nastavOdstup(true);
    svisle->addWidget(FlpGrf1, 100);
    // Keeps the fields at the top while the preview is hidden.
    svisle->addStretch(1);

    // 2 to 20 segments; a curve of one, which a file may hold, is offered while the problem has it.
    for (int i = 2; i <= kMaxUseku; ++i) {
        cboPocetKrivek->addItem(QString::number(i));
    }
    pripojVolby();
}

void ZadaniKrivky::pripojVolby() {
    connect(optNerizenyO, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            formular_.nastavRizeny(false);
        }
    });
    connect(optRizeny, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            formular_.nastavRizeny(true);
        }
    });
    connect(cboPocetKrivek, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            formular_.nastavPocetUseku(cboPocetKrivek->itemText(index).toInt());
        }
    });
    connect(cboUsekC, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            formular_.vyberUsek(index + 1);
        }
    });
}

void ZadaniKrivky::NastavPopisy(Jazyk j) {
    Zalozka::NastavPopisy(j);
    optNerizenyO->setText(Text(id::Nerizeny, j));
    optRizeny->setText(Text(id::Rizeny, j));
    lblPocetKrivek->setText(Text(id::PocetKrivek, j));
    lblUsekC->setText(Text(id::UsekC, j));
    lblPocTep->setText(Text(id::PocTep, j));
    // The captions of the segment's temperatures end in the segment's number.
    tagPocTep_ = lblPocTep->text() + QLatin1Char(' ');
    tagKonTep_ = lblKonTep->text() + QLatin1Char(' ');
    FlpGrf1->nastavPismo(QFont(QStringLiteral("Arial"), 8));
    FlpGrf1->nastavPopisOsyX(Text(id::OsaCasu, j));
    FlpGrf1->nastavPopisOsyY(Text(id::OsaTeploty, j));
    FlpGrf1->nastavTitulek(Text(id::TitulekKrivky, j) + QString(10, QLatin1Char(' ')));
    nakresleno_.clear();
    obnov();
}

void ZadaniKrivky::obnov() {
    const Uloha& u = formular_.uloha();
    const QSignalBlocker b1(optNerizenyO), b2(optRizeny), b3(cboPocetKrivek), b4(cboUsekC);
    (u.Rizeny ? optRizeny : optNerizenyO)->setChecked(true);
    // The curve's own fields follow their rows (a controlled heat-up).
    for (QWidget* w : std::initializer_list<QWidget*>{lblPocetKrivek, cboPocetKrivek, lblUsekC, cboUsekC, lblPocTep,
                                                       txtPocTep, FlpGrf1}) {
        w->setVisible(u.Rizeny);
    }
    const int pocet = formular_.pocetUseku();
    const bool jeden = cboPocetKrivek->itemText(0) == QLatin1String("1");
    if ((pocet == 1) != jeden) {
        pocet == 1 ? cboPocetKrivek->insertItem(0, QStringLiteral("1")) : cboPocetKrivek->removeItem(0);
    }
    cboPocetKrivek->setCurrentIndex(cboPocetKrivek->findText(QString::number(pocet)));
    while (cboUsekC->count() > pocet) {
        cboUsekC->removeItem(cboUsekC->count() - 1);
    }
    for (int i = cboUsekC->count() + 1; i <= pocet; ++i) {
        cboUsekC->addItem(QString::number(i));
    }
    const int k = formular_.usek();
    cboUsekC->setCurrentIndex(k - 1);
    const QString konec = QString::number(k) + QStringLiteral(" [°C]");
    lblPocTep->setText(tagPocTep_ + konec);
    lblKonTep->setText(tagKonTep_ + konec);
    txtPocTep->setEnabled(k == 1);
    Zalozka::obnov();
    KresliKrivku();
    if (u.Rizeny != rizeny_) {
        rizeny_ = u.Rizeny;
        emit rezimZmenen();
    }
}

void ZadaniKrivky::KresliKrivku() {
    const Uloha& u = formular_.uloha();
    const int pocet = PocetUseku(u);
    QList<QPointF> body;
    body.reserve(pocet + 1);
    // Only what is filled: the start, then each segment as far as its duration is over 0 and
    // both its fields are numbers. A segment not yet given its duration is none, and its end
    // temperature (0 until typed) is not drawn.
    const auto vyplneno = [this](Velicina v, int bod) { return !formular_.chybaPole(v, bod).has_value(); };
    body.append(QPointF(0.0, static_cast<double>(u.Krivka[0].Teplota)));
    // Whole seconds, rounded after each addition (halves to even). The sum is kept wide
    // enough for curves of any length.
    double cas = 0.0;
    for (int k = 1; k <= pocet; ++k) {
        if (!vyplneno(Velicina::DobaVydrze, k - 1) || !(u.Krivka[static_cast<std::size_t>(k - 1)].DobaVydrze > 0.0f) ||
            !vyplneno(Velicina::TeplotaKrivky, k)) {
            break;
        }
        cas = std::nearbyint(cas + static_cast<double>(u.Krivka[static_cast<std::size_t>(k - 1)].DobaVydrze));
        body.append(QPointF(cas, static_cast<double>(u.Krivka[static_cast<std::size_t>(k)].Teplota)));
    }
    // Built again only when the curve changed: every keystroke of the dialog shows the form anew.
    if (body != nakresleno_ || FlpGrf1->pocetRad() == 0) {
        nakresleno_ = body;
        FlpGrf1->vymazRady();
        FlpGrf1->pridejRadu(QString(), QColor(0, 0, 255), body);
    }
}

}  // namespace zorvet
