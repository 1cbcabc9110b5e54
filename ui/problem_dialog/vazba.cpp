#include "ui/problem_dialog/vazba.h"

#include <QComboBox>
#include <QFocusEvent>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/problem_dialog/formular.h"

namespace zorvet {

QLineEdit* numberField(QWidget* parent, const char* name) {
    auto* field = named(new QLineEdit(parent), name);
    field->setMinimumWidth(field->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
    field->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    return field;
}

QLabel* caption(QWidget* parent, const char* name, QWidget* buddy) {
    auto* label = named(new QLabel(parent), name);
    if (buddy != nullptr) {
        label->setBuddy(buddy);
    }
    return label;
}

QFormLayout* formLayout(QWidget* parent, bool vlastni) {
    auto* form = vlastni ? new QFormLayout(parent) : new QFormLayout;
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setLabelAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    form->setFormAlignment(Qt::AlignLeft | Qt::AlignTop);
    form->setHorizontalSpacing(parent->fontMetrics().height());
    return form;
}

FieldBinding::FieldBinding(Formular& form, QLineEdit* edit, Velicina velicina, std::function<int()> bod)
    : QObject(edit), form_(form), edit_(edit), velicina_(velicina), bod_(std::move(bod)) {
    connect(edit_, &QLineEdit::textEdited, this, [this](const QString& text) { form_.pis(velicina_, point(), text); });
    edit_->installEventFilter(this);
}

FieldBinding::FieldBinding(Formular& form, QComboBox* list, Velicina velicina)
    : FieldBinding(form, list->lineEdit(), velicina) {
    list->installEventFilter(this);
}

void FieldBinding::show() {
    const QString text = form_.text(velicina_, point());
    if (edit_->text() != text) {
        edit_->setText(text);
    }
}

bool FieldBinding::eventFilter(QObject* object, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason) {
            form_.opusteno(velicina_, point());
        }
    }
    return QObject::eventFilter(object, event);
}

}  // namespace zorvet
