// A tab of the problem dialog, laid out from the field table (model/case/pole.h). Its fields are
// the rows whose zalozka is this tab: a row whose control is a text box (txt…) becomes a
// number field with its caption, tooltip and empty text, bound to the problem form and shown
// where the row belongs to the case; a row of another control (a list, an option) gets the
// widget the tab makes for it. A tab adds only what no row describes (the material list's Save,
// the profile options and sketch, the face-count lists, the curve's segments and preview, the
// arrangement options and sketch). A tab shows the form and tells it what the user did; it
// never reads another tab's widgets.
#pragma once

#include <QList>
#include <QWidget>
#include <functional>

#include "model/case/nastaveni.h"
#include "ui/problem_dialog/vazba.h"

class QFormLayout;
class QLabel;

namespace zorvet {

class Formular;

class Zalozka : public QWidget {
    Q_OBJECT
public:
    // cislo: the tab's place in the dialog, as the rows of the field table name it.
    Zalozka(Formular& formular, int cislo, QWidget* parent = nullptr);

    // Captions, tooltips and empty texts in the language.
    virtual void NastavPopisy(Jazyk jazyk);
    // The form into the widgets: texts, choices, what is shown and enabled.
    virtual void obnov();
    // The tab was selected: the first field that can take the focus takes it.
    virtual void vybrana();

    // A tab of the rows alone: every field it has comes from the table.
    static Zalozka* zTabulky(Formular& formular, int cislo);

protected:
    // A field of a row: its caption (named lbl and the control's name without its prefix) and
    // its widget.
    struct Polozka {
        const PopisPole* pole;
        QLabel* popisek;
        QWidget* vstup;
    };

    // Lays the rows of this tab that the frame ramec holds (none: the tab's own) into form, in
    // the table's order. A text box is made here, unless polozka() made it before; the widget
    // of another control is the one vlastniVstup() gives (none: the tab lays it elsewhere).
    void rozloz(QFormLayout* form, const char* ramec = nullptr);
    // The number field of a row, made on the first asking; bod gives the curve point it shows.
    Polozka& polozka(const PopisPole& pole, std::function<int()> bod = {});
    // The widget of a field of this tab, by its quantity.
    QWidget* vstup(Velicina v) const;
    QLabel* popisek(Velicina v) const;

    // The widget of a row whose control is no text box, or none.
    virtual QWidget* vlastniVstup(const PopisPole&) { return nullptr; }
    // Puts a field into the form: its caption and widget side by side.
    virtual void pridejRadek(QFormLayout* form, const Polozka& polozka);
    // Shows a field as the case stands: only where its row belongs to the case.
    virtual void ukazPolozku(const Polozka& polozka, const Uloha& u);

    // Binds a field to the form; obnov() shows every bound field.
    void svaz(QLineEdit* edit, Velicina velicina, std::function<int()> bod = {});
    void svaz(QComboBox* list, Velicina velicina);

    Formular& formular_;
    const int cislo_;
    Jazyk jazyk_ = Jazyk::Anglicky;
    QList<Polozka> polozky_;
    QList<FieldBinding*> vazby_;
};

}  // namespace zorvet
