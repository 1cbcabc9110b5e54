// The windowed answers to Dialogy: message boxes, the input box, the file dialogs and the
// busy pointer with Qt's own widgets, plus printing with a preview.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>

#include "files/dialogy.h"
#include "model/stav.h"

class QPainter;
class QPrinter;
class QWidget;

namespace zorvet {

enum class VysledekTisku {
    Vytisteno,       // the page went to the printer
    ZadnaTiskarna,   // no printer is installed; nothing was printed
    Selhal,          // the printer could not be started
    Zruseno,         // the user closed the preview or the choice of printer; nothing was printed
};

// Dialogy for the windows: everything the windows ask of the user, and printing.
class DialogyOken : public Dialogy {
public:
    using Kresleni = std::function<void(QPainter&, const QRectF&)>;

    // One page: kresli draws it into the printable area, first into a preview; the user
    // prints from the preview, on the default printer or, when more than one printer is
    // installed, on the one the user picks.
    virtual VysledekTisku tiskni(const QString& nazevDokumentu, const Kresleni& kresli) = 0;

    // The save dialog for a file the program makes for the user (an exported chart, a
    // table as CSV), filter and index as for ulozitSoubor. A name typed without an extension
    // gets the one of the chosen pattern, and the working directory stays where it is: the
    // data files looked up there have nothing to do with such a file.
    virtual std::optional<QString> ulozitVystup(const QString& filtr, int index) { return ulozitSoubor(filtr, index); }
};

// The preview of one page drawn by kresli for tiskarna, titled titulek. Printing from it
// asks for the printer first when vyberTiskarny (the printer's settings then come from
// that dialog), then prints the page. Zruseno when the preview or the choice is closed.
VysledekTisku TiskniSNahledem(QPrinter& tiskarna, bool vyberTiskarny, const QString& titulek,
                              const DialogyOken::Kresleni& kresli, QWidget* rodic);

// The program's "Description |pattern|Description |pattern" filter as Qt name filters,
// one per pair: the description as written, then the patterns in parentheses for Qt to
// use. "*.*" means every file, as it does in the program's filters, so it becomes "*".
QStringList FiltryQt(const QString& filtr);

// The text a file dialog shows for a Qt name filter: the description without the
// patterns Qt reads from the last parentheses.
QString PopisFiltru(const QString& filtrQt);

class DialogyQt : public DialogyOken {
public:
    // Buttons and the file dialogs follow stav.Jazyk when Qt's own Czech texts are installed.
    explicit DialogyQt(const Stav& stav);

    void zprava(Ikona ikona, const QString& titulek, const QString& text) override;
    bool otazka(const QString& titulek, const QString& text) override;
    std::optional<QString> vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) override;
    // The dialog starts in the working directory; a chosen file moves the working
    // directory to its folder.
    std::optional<QString> otevritSoubor(const QString& filtr, int index) override;
    std::optional<QString> ulozitSoubor(const QString& filtr, int index) override;
    std::optional<QString> ulozitVystup(const QString& filtr, int index) override;
    void kurzorCekani() override;
    void kurzorNormalni() override;
    // No printer installed: ZadnaTiskarna without a dialog. Otherwise the preview on the
    // default printer (the first installed when none is the default), in landscape.
    VysledekTisku tiskni(const QString& nazevDokumentu, const Kresleni& kresli) override;

private:
    enum class Druh { Otevrit, Ulozit, Vystup };
    std::optional<QString> souborovyDialog(const QString& filtr, int index, Druh druh);
    void jazykQt();

    const Stav& stav_;
    QTranslator cestina_;
    bool cestinaNactena_ = false;
    bool cestinaInstalovana_ = false;
};

// The window a dialog belongs to: the active modal window, else the active window.
QWidget* RodicDialogu();

}  // namespace zorvet
