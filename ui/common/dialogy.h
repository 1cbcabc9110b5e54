// Everything the windows ask of the user or show outside their own widgets: message boxes,
// the input box, the file dialogs, the busy pointer, printing and the documents opened on the
// desktop. The windows answer with
// real dialogs (ui/dialogy_okna.h); tests answer in code.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <optional>

#include "files/chyba.h"
#include "model/case/nastaveni.h"

class QPainter;

namespace zorvet {

enum class Ikona { Informace, Vykricnik, Otaznik };

// The answer to "not saved: save it?".
enum class Volba { Ulozit, Zahodit, Zrusit };

enum class VysledekTisku {
    Vytisteno,      // the page went to the printer
    ZadnaTiskarna,  // no printer is installed; nothing was printed
    Selhal,         // the printer could not be started
    Zruseno,        // the user closed the preview or the choice of printer; nothing was printed
};

class Dialogy {
public:
    using Kresleni = std::function<void(QPainter&, const QRectF&)>;

    virtual ~Dialogy() = default;

    // A message box with an OK button.
    virtual void zprava(Ikona ikona, const QString& titulek, const QString& text) = 0;
    // A Yes/No question with the question icon; true for Yes.
    virtual bool otazka(const QString& titulek, const QString& text) = 0;
    // A question with the buttons Save, Discard and Cancel (captions in the language given).
    virtual Volba otazkaUlozit(const QString& titulek, const QString& text, Jazyk jazyk) = 0;
    // A choice among the buttons given (the last is the one Esc presses): the index of the
    // button pressed.
    virtual int volba(const QString& titulek, const QString& text, const QStringList& tlacitka) = 0;
    // The input box; no value when cancelled.
    virtual std::optional<QString> vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) = 0;
    // File dialogs. filtr is in the program's "Description |pattern|..." form, index is 1-based.
    // The save dialog asks before replacing a file and gives a name typed without an extension
    // the extension pripona.
    virtual std::optional<QString> otevritSoubor(const QString& filtr, int index) = 0;
    virtual std::optional<QString> ulozitSoubor(const QString& filtr, int index, const QString& pripona) = 0;
    // A problem or results file chosen has been read or written: the working directory moves
    // to its folder, where files named without a folder are looked up, and the next file
    // dialog starts there. A file that could not be read or written moves nothing.
    virtual void souborPouzit(const QString& cesta) = 0;
    // The save dialog for a file the program makes for the user (an exported chart, a table
    // as CSV): a name without an extension gets the one of the chosen pattern, and the
    // working directory stays where it is.
    virtual std::optional<QString> ulozitVystup(const QString& filtr, int index) = 0;
    // The busy pointer on the active window, and back.
    virtual void kurzorCekani() = 0;
    virtual void kurzorNormalni() = 0;
    // One page, portrait or landscape: kresli draws it into the printable area. With nahled,
    // first into a preview; the user prints from the preview, on the default printer or, when
    // more than one printer is installed, on the one the user picks. Without it the page goes
    // to the default printer at once, with no dialog.
    virtual VysledekTisku tiskni(const QString& nazevDokumentu, bool nastojato, bool nahled, const Kresleni& kresli) = 0;
};

// A failure in its message box: the information icon for a table too short, the exclamation
// icon for every other.
inline void Ohlas(Dialogy& dialogy, const Chyba& chyba) {
    dialogy.zprava(chyba.druh == DruhChyby::Preteceni ? Ikona::Informace : Ikona::Vykricnik, chyba.titulek, chyba.text);
}

}  // namespace zorvet
