// The windowed answers to Dialogy: message boxes, the input box, the file dialogs and the
// busy pointer with Qt's own widgets, plus printing on the default printer.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>

#include "files/dialogy.h"
#include "model/stav.h"

class QPainter;
class QWidget;

namespace zorvet {

enum class VysledekTisku {
    Vytisteno,       // the page went to the printer
    ZadnaTiskarna,   // no printer is installed; nothing was printed
    Selhal,          // the printer could not be started
};

// Dialogy for the windows: everything the windows ask of the user, and printing.
class DialogyOken : public Dialogy {
public:
    using Kresleni = std::function<void(QPainter&, const QRectF&)>;

    // One page on the default printer; kresli draws it into the printable area.
    virtual VysledekTisku tiskni(const QString& nazevDokumentu, const Kresleni& kresli) = 0;
};

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
    void kurzorCekani() override;
    void kurzorNormalni() override;
    VysledekTisku tiskni(const QString& nazevDokumentu, const Kresleni& kresli) override;

private:
    std::optional<QString> souborovyDialog(const QString& filtr, int index, bool ulozit);
    void jazykQt();

    const Stav& stav_;
    QTranslator cestina_;
    bool cestinaNactena_ = false;
    bool cestinaInstalovana_ = false;
};

// The window a dialog belongs to: the active modal window, else the active window.
QWidget* RodicDialogu();

}  // namespace zorvet
