// The windowed answers to Dialogy: message boxes, the input box, the file dialogs and the
// busy pointer with Qt's own widgets, plus printing with a preview.
#pragma once

#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <functional>

#include "files/datova_slozka.h"
#include "model/case/nastaveni.h"
#include "ui/common/dialogy.h"

class QPainter;
class QPrinter;
class QWidget;

namespace zorvet {

// The preview of one page drawn by kresli for tiskarna, titled titulek. Printing from it
// asks for the printer first when vyberTiskarny (the printer's settings then come from
// that dialog), then prints the page. Zruseno when the preview or the choice is closed.
VysledekTisku TiskniSNahledem(QPrinter& tiskarna, bool vyberTiskarny, const QString& titulek,
                              const Dialogy::Kresleni& kresli, QWidget* rodic);

// The program's "Description |pattern|Description |pattern" filter as Qt name filters,
// one per pair: the description as written, then the patterns in parentheses for Qt to
// use. "*.*" means every file, as it does in the program's filters, so it becomes "*".
QStringList FiltryQt(const QString& filtr);

// The text a file dialog shows for a Qt name filter: the description without the
// patterns Qt reads from the last parentheses.
QString PopisFiltru(const QString& filtrQt);

class DialogyQt : public Dialogy {
public:
    // Buttons and the file dialogs follow the language of the settings when Qt's own Czech
    // texts are installed. lzeZapisovat tells whether the program may write in its own
    // folder, which decides where the file dialogs start.
    explicit DialogyQt(const Nastaveni& nastaveni, ZkouskaZapisu lzeZapisovat = LzeZapisovat);

    void zprava(Ikona ikona, const QString& titulek, const QString& text) override;
    bool otazka(const QString& titulek, const QString& text) override;
    Volba otazkaUlozit(const QString& titulek, const QString& text, Jazyk jazyk) override;
    int volba(const QString& titulek, const QString& text, const QStringList& tlacitka) override;
    std::optional<QString> vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) override;
    // Where a file dialog starts: a copy that may write in its own folder keeps its data
    // there and starts in the working directory, which is that folder until a file has been
    // read or written and then the folder of the file read or written last by Open or Save. An
    // installed program starts in the folder of that file or of the output chosen last, at
    // first in the user's home folder (not in the folder of the executable or of its data). The
    // dialog tells the files' types by their names alone: it reads no file, so a file of /proc
    // that never ends or blocks is listed like any other.
    std::optional<QString> otevritSoubor(const QString& filtr, int index) override;
    std::optional<QString> ulozitSoubor(const QString& filtr, int index, const QString& pripona) override;
    std::optional<QString> ulozitVystup(const QString& filtr, int index) override;
    void souborPouzit(const QString& cesta) override;
    void kurzorCekani() override;
    void kurzorNormalni() override;
    // No printer installed: ZadnaTiskarna without a dialog. Otherwise the preview on the
    // default printer (the first installed when none is the default), the page turned as asked.
    VysledekTisku tiskni(const QString& nazevDokumentu, bool nastojato, bool nahled, const Kresleni& kresli) override;

private:
    enum class Druh { Otevrit, Ulozit, Vystup };
    std::optional<QString> souborovyDialog(const QString& filtr, int index, Druh druh, const QString& pripona);
    void jazykQt();

    QString pocatecniSlozka();

    const Nastaveni& nastaveni_;
    ZkouskaZapisu lzeZapisovat_;
    QString posledniSlozka_;  // the folder of the file used or the output chosen last
    QTranslator cestina_;
    bool cestinaNactena_ = false;
    bool cestinaInstalovana_ = false;
};

// The window a dialog belongs to: the active modal window, else the active window.
QWidget* RodicDialogu();

}  // namespace zorvet
