#include "ui/problem_dialog/zalozka.h"

namespace zorvet {

Zalozka::Zalozka(Formular& formular, QWidget* parent) : QWidget(parent), formular_(formular) {}

void Zalozka::obnov() {
    for (FieldBinding* v : vazby_) {
        v->show();
    }
}

void Zalozka::svaz(QLineEdit* edit, Velicina velicina, std::function<int()> bod) {
    vazby_.append(new FieldBinding(formular_, edit, velicina, std::move(bod)));
}

void Zalozka::svaz(QComboBox* list, Velicina velicina) { vazby_.append(new FieldBinding(formular_, list, velicina)); }

}  // namespace zorvet
