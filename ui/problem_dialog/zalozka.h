// What every tab of the problem dialog offers the dialog: its captions, showing the problem
// form as it stands, and the focus it takes when it is selected. A tab shows the form and
// tells it what the user did; it never reads another tab's widgets.
#pragma once

#include <QList>
#include <QWidget>

#include "model/case/nastaveni.h"
#include "ui/problem_dialog/vazba.h"

namespace zorvet {

class Formular;

class Zalozka : public QWidget {
    Q_OBJECT
public:
    explicit Zalozka(Formular& formular, QWidget* parent = nullptr);

    virtual void NastavPopisy(Jazyk jazyk) = 0;
    // The form into the widgets: texts, choices, what is shown and enabled.
    virtual void obnov();
    // The tab was selected: the field that takes the focus.
    virtual void vybrana() {}

protected:
    // Binds a field to the form; obnov() shows every bound field.
    void svaz(QLineEdit* edit, Velicina velicina, std::function<int()> bod = {});
    void svaz(QComboBox* list, Velicina velicina);

    Formular& formular_;
    QList<FieldBinding*> vazby_;
};

}  // namespace zorvet
