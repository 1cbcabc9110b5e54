// Everything the program asks of the user or shows outside its own windows: message
// boxes, the input box, file dialogs and the busy pointer. The windows answer with real
// dialogs; tests and the batch command line answer in code.
#pragma once

#include <QString>
#include <optional>

namespace zorvet {

enum class Ikona { Informace, Vykricnik, Otaznik };

class Dialogy {
public:
    virtual ~Dialogy() = default;

    // A message box with an OK button.
    virtual void zprava(Ikona ikona, const QString& titulek, const QString& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool otazka(const QString& titulek, const QString& text) = 0;
    // The input box; no value when cancelled.
    virtual std::optional<QString> vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) = 0;
    // File dialogs. filtr is in the program's "Description |pattern|..." form, index is 1-based;
    // the save dialog asks before replacing a file. No value when cancelled.
    virtual std::optional<QString> otevritSoubor(const QString& filtr, int index) = 0;
    virtual std::optional<QString> ulozitSoubor(const QString& filtr, int index) = 0;
    // The busy pointer on the active window, and back.
    virtual void kurzorCekani() = 0;
    virtual void kurzorNormalni() = 0;
};

}  // namespace zorvet
