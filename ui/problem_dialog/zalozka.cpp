#include "ui/problem_dialog/zalozka.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <cstring>

#include "files/cisla.h"
#include "files/retezce.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

namespace {

// A text box is named txt… in the documents; its field is a number of the record.
bool jeTextoveOkno(const PopisPole& p) {
    return p.ovladac != nullptr && std::strncmp(p.ovladac, "txt", 3) == 0 &&
           (p.druh == DruhPole::Cislo || p.druh == DruhPole::Pocet);
}

bool vRamci(const PopisPole& p, const char* ramec) {
    return ramec == nullptr ? p.ramec == nullptr : p.ramec != nullptr && std::strcmp(p.ramec, ramec) == 0;
}

// lblTpece of txtTpece, lblBaleni of cboBaleni.
QByteArray jmenoPopisku(const PopisPole& p) { return QByteArray("lbl") + QByteArray(p.ovladac).mid(3); }

// What an empty field shows: its text, or a default other than 0 (the usual convection).
QString prazdnyText(const PopisPole& p, Jazyk j) {
    if (p.prazdnyText != 0) {
        return Text(p.prazdnyText, j);
    }
    if (p.prazdne == Prazdne::Vychozi && p.vychozi != 0.0) {
        return TextObecny(static_cast<float>(p.vychozi / p.meritko));
    }
    return {};
}

}  // namespace

Zalozka::Zalozka(Formular& formular, int cislo, QWidget* parent)
    : QWidget(parent), formular_(formular), cislo_(cislo) {}

Zalozka* Zalozka::zTabulky(Formular& formular, int cislo) {
    auto* zalozka = new Zalozka(formular, cislo);
    zalozka->rozloz(formLayout(zalozka));
    return zalozka;
}

Zalozka::Polozka& Zalozka::polozka(const PopisPole& pole, std::function<int()> bod) {
    for (Polozka& p : polozky_) {
        if (p.pole == &pole) {
            return p;
        }
    }
    QLineEdit* edit = numberField(this, pole.ovladac);
    svaz(edit, pole.velicina, std::move(bod));
    polozky_.append({&pole, caption(this, jmenoPopisku(pole).constData(), edit), edit});
    return polozky_.last();
}

void Zalozka::rozloz(QFormLayout* form, const char* ramec) {
    for (const PopisPole& p : PoleUlohy()) {
        if (p.zalozka != cislo_ || p.ovladac == nullptr || !vRamci(p, ramec)) {
            continue;
        }
        if (jeTextoveOkno(p)) {
            pridejRadek(form, polozka(p));
        } else if (QWidget* w = vlastniVstup(p)) {
            polozky_.append({&p, caption(this, jmenoPopisku(p).constData(), w), w});
            pridejRadek(form, polozky_.last());
        }
    }
}

void Zalozka::pridejRadek(QFormLayout* form, const Polozka& polozka) { form->addRow(polozka.popisek, polozka.vstup); }

QWidget* Zalozka::vstup(Velicina v) const {
    for (const Polozka& p : polozky_) {
        if (p.pole->velicina == v) {
            return p.vstup;
        }
    }
    return nullptr;
}

QLabel* Zalozka::popisek(Velicina v) const {
    for (const Polozka& p : polozky_) {
        if (p.pole->velicina == v) {
            return p.popisek;
        }
    }
    return nullptr;
}

void Zalozka::NastavPopisy(Jazyk j) {
    jazyk_ = j;
    for (const Polozka& p : polozky_) {
        p.popisek->setText(p.pole->popisek != 0 ? Text(p.pole->popisek, j) : QString::fromUtf8(p.pole->popisekText));
        if (p.pole->tip != 0) {
            p.popisek->setToolTip(Text(p.pole->tip, j));
            p.vstup->setToolTip(Text(p.pole->tip, j));
        }
        if (auto* edit = qobject_cast<QLineEdit*>(p.vstup)) {
            edit->setPlaceholderText(prazdnyText(*p.pole, j));
        }
    }
}

void Zalozka::ukazPolozku(const Polozka& polozka, const Uloha& u) {
    const bool patri = Plati(polozka.pole->kdy, u);
    polozka.popisek->setVisible(patri);
    polozka.vstup->setVisible(patri);
}

void Zalozka::obnov() {
    for (const Polozka& p : polozky_) {
        ukazPolozku(p, formular_.uloha());
    }
    for (FieldBinding* v : vazby_) {
        v->show();
    }
}

void Zalozka::vybrana() {
    for (const Polozka& p : polozky_) {
        if (p.vstup->isVisibleTo(this) && p.vstup->isEnabled()) {
            p.vstup->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void Zalozka::svaz(QLineEdit* edit, Velicina velicina, std::function<int()> bod) {
    vazby_.append(new FieldBinding(formular_, edit, velicina, std::move(bod)));
}

void Zalozka::svaz(QComboBox* list, Velicina velicina) { vazby_.append(new FieldBinding(formular_, list, velicina)); }

}  // namespace zorvet
