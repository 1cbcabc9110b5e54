// Building the tabs of the problem dialog: widgets named by their control names, number
// fields, captions with their fields, forms, and the binding of a field to the problem form.
#pragma once

#include <QObject>
#include <functional>

#include "model/case/pole.h"

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace zorvet {

class Formular;

template <typename T>
T* named(T* widget, const char* name) {
    widget->setObjectName(QString::fromLatin1(name));
    return widget;
}

// A number field wide enough for about a dozen digits.
QLineEdit* numberField(QWidget* parent, const char* name);
// A caption with its field as buddy (none for a caption that stands alone).
QLabel* caption(QWidget* parent, const char* name, QWidget* buddy);
// A form that keeps its fields at their size: the layout of parent, or one to nest in another
// (vlastni false) spaced for parent's font.
QFormLayout* formLayout(QWidget* parent, bool vlastni = true);

// Ties a line edit (or the edit of an editable list) to a field of the problem form: what the
// user types goes to the form at once, leaving the field tells the form (opening a list's
// popup or a context menu, or switching to another window, is no leaving), and show() puts
// the form's text into the edit when it differs. The point of the curve a field shows may
// change with the segment: bod gives it.
class FieldBinding : public QObject {
    Q_OBJECT
public:
    FieldBinding(Formular& form, QLineEdit* edit, Velicina velicina, std::function<int()> bod = {});
    FieldBinding(Formular& form, QComboBox* list, Velicina velicina);

    void show();
    Velicina velicina() const { return velicina_; }

protected:
    bool eventFilter(QObject* object, QEvent* event) override;

private:
    int point() const { return bod_ ? bod_() : 0; }

    Formular& form_;
    QLineEdit* edit_;
    Velicina velicina_;
    std::function<int()> bod_;
};

}  // namespace zorvet
