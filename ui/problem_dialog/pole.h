// Number fields of the problem dialog. A field remembers the single it shows: a text the
// user did not change reads back as that very single, whatever digits it shows. Reading a
// field tells an empty text and a text that is no number apart, so that no typed value is
// ever silently ignored.
#pragma once

#include <QString>
#include <cstdint>
#include <optional>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QWidget;

namespace zorvet {

// Shows x in the platform's plain form (7 significant digits, the user's separator), or as
// the given text.
void UkazCislo(QLineEdit* pole, float x);
void UkazCislo(QLineEdit* pole, float x, const QString& text);

enum class Obsah { Cislo, Prazdne, NeniCislo, Nekonecne };

struct CteniPole {
    Obsah obsah = Obsah::Prazdne;
    float hodnota = 0.0f;  // for Cislo
};

// The single shown (when the text is the one shown), else the text read with either decimal
// separator (files/cteni.h).
CteniPole CtiPole(const QLineEdit* pole);
CteniPole CtiText(const QString& text);

// A field that the user must correct: the message names it by its label.
struct ChybaPole {
    QWidget* pole = nullptr;
    QString text;
};

// The message for a field's text: "Emissivity (Material+Inwall) [-]: “0,6x” is not a
// number.", or that a value is needed; nothing for a number.
std::optional<ChybaPole> ChybaTextu(QWidget* pole, const QLabel* popisek, const QString& text, Obsah obsah,
                                    std::int16_t jazyk);

// Building the tabs: a widget named by its control name, a number field wide enough for
// about a dozen digits, a label with its field as buddy, and a form that keeps its fields at
// their size.
template <typename T>
T* Pojmenuj(T* w, const char* jmeno) {
    w->setObjectName(QString::fromLatin1(jmeno));
    return w;
}
QLineEdit* CisloPole(QWidget* rodic, const char* jmeno);
QLabel* Popisek(QWidget* rodic, const char* jmeno, QWidget* pole);
QFormLayout* Formular(QWidget* rodic);

}  // namespace zorvet
