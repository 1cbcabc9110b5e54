#include "ui/problem_dialog/zadani_krivka.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QEvent>
#include <QFocusEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "files/retezce.h"
#include "ui/common/graf.h"

namespace zorvet {

ZadaniKrivky::ZadaniKrivky(Uloha& uloha, QWidget* parent) : QWidget(parent), uloha_(uloha) {
    auto* svisle = new QVBoxLayout(this);
    optNerizenyO = Pojmenuj(new QRadioButton(this), "optNerizenyO");
    optRizeny = Pojmenuj(new QRadioButton(this), "optRizeny");
    auto* skupina = new QButtonGroup(this);
    skupina->addButton(optNerizenyO);
    skupina->addButton(optRizeny);
    auto* rezim = new QHBoxLayout;
    rezim->addWidget(optNerizenyO);
    rezim->addSpacing(fontMetrics().height() * 2);
    rezim->addWidget(optRizeny);
    rezim->addStretch(1);
    svisle->addLayout(rezim);

    cboPocetKrivek = Pojmenuj(new QComboBox(this), "cboPocetKrivek");
    cboUsekC = Pojmenuj(new QComboBox(this), "cboUsekC");
    for (QComboBox* c : {cboPocetKrivek, cboUsekC}) {
        c->setMinimumContentsLength(3);
        c->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    }
    txtPocTep = CisloPole(this, "txtPocTep");
    txtKonTep = CisloPole(this, "txtKonTep");
    txtDobaVydrze = CisloPole(this, "txtDobaVydrze");
    lblPocetKrivek = Popisek(this, "lblPocetKrivek", cboPocetKrivek);
    lblUsekC = Popisek(this, "lblUsekC", cboUsekC);
    lblPocTep = Popisek(this, "lblPocTep", txtPocTep);
    lblKonTep = Popisek(this, "lblKonTep", txtKonTep);
    lblDobaVydrze = Popisek(this, "lblDobaVydrze", txtDobaVydrze);

    // Left: the number of segments and the segment; right: the segment's own values.
    auto* mrizka = new QGridLayout;
    mrizka->addWidget(lblPocetKrivek, 0, 0);
    mrizka->addWidget(cboPocetKrivek, 0, 1, Qt::AlignLeft);
    mrizka->addWidget(lblUsekC, 1, 0);
    mrizka->addWidget(cboUsekC, 1, 1, Qt::AlignLeft);
    mrizka->setColumnMinimumWidth(2, fontMetrics().height() * 2);
    mrizka->addWidget(lblPocTep, 0, 3);
    mrizka->addWidget(txtPocTep, 0, 4);
    mrizka->addWidget(lblKonTep, 1, 3);
    mrizka->addWidget(txtKonTep, 1, 4);
    mrizka->addWidget(lblDobaVydrze, 2, 3);
    mrizka->addWidget(txtDobaVydrze, 2, 4);
    mrizka->setColumnStretch(5, 1);
    svisle->addLayout(mrizka);

    FlpGrf1 = Pojmenuj(new Graf(this), "FlpGrf1");
    FlpGrf1->setMinimumSize(fontMetrics().height() * 30, fontMetrics().height() * 17);
    FlpGrf1->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    FlpGrf1->hide();
    svisle->addWidget(FlpGrf1, 100);
    // Keeps the fields at the top while the preview is hidden.
    svisle->addStretch(1);

    // The lists start without a selection: the regime handlers tell "nothing chosen yet".
    for (int i = 2; i <= kMaxUseku; ++i) {
        cboPocetKrivek->addItem(QString::number(i));
    }
    cboUsekC->addItems({QStringLiteral("1"), QStringLiteral("2")});
    cboPocetKrivek->setCurrentIndex(-1);
    cboUsekC->setCurrentIndex(-1);

    // An option's handling runs when it becomes selected, by the user or from code, and not
    // when the selected one is chosen again; the load sequence and the refill after a file
    // was read rely on that. The lists behave the same way.
    connect(optNerizenyO, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            nerizenyVybran();
        }
    });
    connect(optRizeny, &QRadioButton::toggled, this, [this](bool zapnuto) {
        if (zapnuto) {
            rizenyVybran();
        }
    });
    connect(cboPocetKrivek, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            pocetKrivekVybran();
        }
    });
    connect(cboUsekC, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index >= 0) {
            usekVybran();
        }
    });
    for (QLineEdit* pole : {txtPocTep, txtKonTep, txtDobaVydrze}) {
        pole->installEventFilter(this);
    }
}

void ZadaniKrivky::NastavPopisy(std::int16_t j) {
    jazyk_ = j;
    optNerizenyO->setText(Text(id::Nerizeny, j));
    optRizeny->setText(Text(id::Rizeny, j));
    lblPocetKrivek->setText(Text(id::PocetKrivek, j));
    lblUsekC->setText(Text(id::UsekC, j));
    lblPocTep->setText(Text(id::PocTep, j));
    tagPocTep_ = lblPocTep->text() + QLatin1Char(' ');
    lblKonTep->setText(Text(id::KonTep, j));
    tagKonTep_ = lblKonTep->text() + QLatin1Char(' ');
    lblDobaVydrze->setText(Text(id::DobaVydrze, j));
}

void ZadaniKrivky::NastavGrafKrivky(std::int16_t j) {
    FlpGrf1->nastavPismo(QFont(QStringLiteral("Arial"), 8));
    FlpGrf1->nastavPopisOsyX(Text(id::OsaCasu, j));
    FlpGrf1->nastavPopisOsyY(Text(id::OsaTeploty, j));
    FlpGrf1->nastavTitulek(Text(id::TitulekKrivky, j) + QString(10, QLatin1Char(' ')));
    FlpGrf1->nastavZnacky(true);
}

bool ZadaniKrivky::eventFilter(QObject* objekt, QEvent* udalost) {
    if (udalost->type() == QEvent::FocusOut) {
        // Opening a context menu, or switching to another window, does not leave the field.
        const Qt::FocusReason duvod = static_cast<QFocusEvent*>(udalost)->reason();
        if (duvod != Qt::PopupFocusReason && duvod != Qt::ActiveWindowFocusReason) {
            krivkaOpustena(static_cast<QLineEdit*>(objekt));
        }
    }
    return QWidget::eventFilter(objekt, udalost);
}

bool ZadaniKrivky::rizeny() const { return optRizeny->isChecked(); }

void ZadaniKrivky::zobraz() {
    if (uloha_.Rizeny) {
        const bool uz = optRizeny->isChecked();
        optRizeny->setChecked(true);
        if (uloha_.PocetKrivek != 0) {
            zobrazPocetKrivek(uloha_.PocetKrivek);
        } else if (cboPocetKrivek->currentIndex() < 0) {
            cboPocetKrivek->setCurrentIndex(0);
        }
        cboUsekC->setCurrentIndex(0);
        if (uz) {
            // The same entries as before do not run their handling; the fields and the
            // preview still have to show the curve.
            zobrazUsek();
            KresliKrivku();
        }
    } else {
        optNerizenyO->setChecked(true);
    }
}

void ZadaniKrivky::ZobrazKrivku(bool zobrazit) {
    for (QWidget* w : std::initializer_list<QWidget*>{lblPocetKrivek, cboPocetKrivek, lblUsekC, cboUsekC, lblPocTep,
                                                       lblKonTep, lblDobaVydrze, txtPocTep, txtKonTep, txtDobaVydrze}) {
        w->setVisible(zobrazit);
    }
    uloha_.Rizeny = zobrazit;
    emit rezimZmenen(zobrazit);
}

void ZadaniKrivky::nerizenyVybran() {
    ZobrazKrivku(false);
    FlpGrf1->hide();
    uloha_.PocetKrivek = 0;
}

void ZadaniKrivky::rizenyVybran() {
    ZobrazKrivku(true);
    if (uloha_.PocetKrivek == 0 && cboPocetKrivek->currentIndex() < 0) {
        cboPocetKrivek->setCurrentIndex(0);
        cboUsekC->setCurrentIndex(0);
    }
    KresliKrivku();
    FlpGrf1->show();
}

// Shows a number of segments in its selector. The selector offers 2 to 20: a curve of one
// segment (a file can hold one) is shown as that segment followed by a hold of no duration
// at its end temperature, which heats the same.
void ZadaniKrivky::zobrazPocetKrivek(int pocet) {
    if (pocet <= 0) {
        return;
    }
    if (pocet == 1) {
        uloha_.Krivka[2].Teplota = uloha_.Krivka[1].Teplota;
        uloha_.Krivka[1].DobaVydrze = 0.0f;
        pocet = 2;
    }
    cboPocetKrivek->setCurrentIndex(std::min(pocet, kMaxUseku) - 2);
}

void ZadaniKrivky::pocetKrivekVybran() {
    int n = uloha_.PocetKrivek;
    if (!cboPocetKrivek->isHidden()) {
        n = cboPocetKrivek->currentIndex() + 2;
        uloha_.PocetKrivek = static_cast<std::int16_t>(n);
    }
    int posledni = cboUsekC->count();
    if (posledni > n) {
        for (; posledni > n && posledni > 0; --posledni) {
            cboUsekC->removeItem(posledni - 1);
            if (cboUsekC->currentIndex() < 0 && cboUsekC->count() > 0) {
                cboUsekC->setCurrentIndex(cboUsekC->count() - 1);
            }
        }
    } else {
        for (int i = posledni + 1; i <= n; ++i) {
            cboUsekC->addItem(QString::number(i));
        }
    }
    KresliKrivku();
}

int ZadaniKrivky::vybranyUsek() const {
    const int k = cboUsekC->currentIndex() + 1;
    return k >= 1 && k <= kMaxUseku ? k : 0;
}

void ZadaniKrivky::usekVybran() {
    // A text that is no number in the segment left behind is not silently dropped.
    if (const std::optional<ChybaPole> chyba = chybaPoli(jazyk_)) {
        emit textNeprevzat(chyba->text);
    }
    zobrazUsek();
}

void ZadaniKrivky::zobrazUsek() {
    const int k = vybranyUsek();
    if (k == 0) {
        return;
    }
    zobrazenyUsek_ = k;
    const QString konec = QString::number(k) + QStringLiteral(" [°C]");
    lblPocTep->setText(tagPocTep_ + konec);
    lblKonTep->setText(tagKonTep_ + konec);
    const Krivka& krivka = uloha_.Krivka;
    UkazCislo(txtPocTep, krivka[static_cast<std::size_t>(k - 1)].Teplota);
    UkazCislo(txtKonTep, krivka[static_cast<std::size_t>(k)].Teplota);
    UkazCislo(txtDobaVydrze, krivka[static_cast<std::size_t>(k - 1)].DobaVydrze);
    // The start of a later segment is the end of the one before; it is typed there.
    txtPocTep->setEnabled(k == 1);
}

void ZadaniKrivky::krivkaOpustena(QLineEdit* pole) {
    Krivka& krivka = uloha_.Krivka;
    const int k = zobrazenyUsek_;
    float* cil = nullptr;
    if (pole == txtPocTep) {
        cil = &krivka[0].Teplota;
    } else if (k != 0 && pole == txtKonTep) {
        cil = &krivka[static_cast<std::size_t>(k)].Teplota;
    } else if (k != 0 && pole == txtDobaVydrze) {
        cil = &krivka[static_cast<std::size_t>(k - 1)].DobaVydrze;
    }
    if (cil == nullptr) {
        return;
    }
    // A text that is no number stays in the field, unstored, and OK names it.
    const CteniPole cteni = CtiPole(pole);
    if (cteni.obsah == Obsah::Cislo) {
        *cil = cteni.hodnota;
        KresliKrivku();
    }
}

void ZadaniKrivky::dokonciUpravy(QWidget* fokus) {
    if (fokus == txtPocTep || fokus == txtKonTep || fokus == txtDobaVydrze) {
        krivkaOpustena(static_cast<QLineEdit*>(fokus));
    }
}

std::optional<ChybaPole> ZadaniKrivky::chybaPoli(std::int16_t j) const {
    if (!optRizeny->isChecked() || zobrazenyUsek_ == 0) {
        return std::nullopt;
    }
    const std::pair<QLineEdit*, QLabel*> pole[] = {
        {txtPocTep, lblPocTep}, {txtKonTep, lblKonTep}, {txtDobaVydrze, lblDobaVydrze}};
    for (const auto& [txt, lbl] : pole) {
        const CteniPole cteni = CtiPole(txt);
        if (auto chyba = ChybaTextu(txt, lbl, txt->text(), cteni.obsah, j)) {
            return chyba;
        }
    }
    return std::nullopt;
}

QWidget* ZadaniKrivky::ukazPole(bool doba, int usek) {
    if (usek >= 1 && usek <= cboUsekC->count()) {
        cboUsekC->setCurrentIndex(usek - 1);
    }
    return doba ? txtDobaVydrze : txtKonTep;
}

void ZadaniKrivky::prevezmi(Uloha& u) const {
    u.Rizeny = optRizeny->isChecked();
    if (u.Rizeny && cboPocetKrivek->currentIndex() >= 0) {
        u.PocetKrivek = static_cast<std::int16_t>(cboPocetKrivek->currentIndex() + 2);
    }
}

void ZadaniKrivky::KresliKrivku() {
    const Uloha& u = uloha_;
    const int pocet = PocetUseku(u);
    QList<QPointF> body;
    body.reserve(pocet + 1);
    body.append(QPointF(0.0, u.Krivka[0].Teplota));
    // Whole seconds, rounded after each addition (halves to even). The sum is kept wide
    // enough for curves of any length.
    double cas = 0.0;
    for (int k = 1; k <= pocet; ++k) {
        cas = std::nearbyint(cas + static_cast<double>(u.Krivka[static_cast<std::size_t>(k - 1)].DobaVydrze));
        body.append(QPointF(cas, u.Krivka[static_cast<std::size_t>(k)].Teplota));
    }
    FlpGrf1->vymazRady();
    FlpGrf1->pridejRadu(QString(), QColor(0, 0, 255), body);
}

}  // namespace zorvet
