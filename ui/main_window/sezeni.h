// The session of the main window, without its widgets: the problem being edited (the problem
// form), the case accepted for computing with the file it came from, the result shown (which
// carries the case it was computed from), and what has not been saved. Every computation goes
// through the pipeline (model/pipeline/vypocet.h). The window asks it what its commands may do and tells
// it what the user did; tests drive it without a window.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

#include "files/chyba.h"
#include "files/soubor.h"
#include "model/case/nastaveni.h"
#include "model/case/vysledek.h"
#include "ui/common/dialogy.h"
#include "ui/common/relace.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet {

class Sezeni {
public:
    Sezeni();

    Formular& formular() { return formular_; }
    const Formular& formular() const { return formular_; }
    const std::optional<Uloha>& prijata() const { return prijata_; }
    const std::shared_ptr<const Vysledek>& vysledek() const { return vysledek_; }

    // What the commands may do.
    bool lzeSpocitat() const { return prijata_.has_value(); }
    bool lzeUlozitVysledky() const { return vysledek_ != nullptr && ulozeniPovoleno_; }
    bool vysledkyPristupne() const { return vysledek_ != nullptr && vysledkyPristupne_; }

    // The problem dialog took a case: by its OK, or silently by its Cancel. A new case hides the
    // result until it is computed; a Cancel that takes the very case of the result shown (a
    // results file opened, or a change typed and put back) leaves the result as it was.
    void prijmi(const Uloha& uloha, bool tiche);

    // Computes the accepted case. The result replaces the shown one only when the march
    // succeeded (also when the core did not get there: the failure tells so). The failure, or
    // none.
    std::optional<Chyba> spocti(Jazyk jazyk);

    // A results file read: its problem into the form (with the conductivity of the database when
    // the file holds none), its result shown. The case accepted, if any, becomes the file's, when
    // it can be accepted.
    void otevreno(const QString& cesta, const QString& komentar, ObsahSouboru& obsah, float lambdaDatabaze);
    // A problem file named at start: into the form.
    void nactenaUloha(const QString& cesta, const QString& komentar, const Uloha& uloha);

    // The result was saved to a results file (with its comment).
    void vysledkyUlozeny(const QString& cesta, const QString& komentar);
    // The problem of the form was saved to a problem file.
    void ulohaUlozena(const QString& cesta, const QString& komentar, const Uloha& uloha);

    // The losses of the power frame: they become the case's one losses figure. A case whose
    // installed power covers them is computed again with them (the march changes: a new
    // result); otherwise they change only the power shown, a setting of the views, and the
    // result stays as it was computed. False when that computation failed (the result stays).
    bool nastavZtraty(std::int16_t ztraty);
    // The losses the power of the result is shown for: those chosen in the power frame, else
    // its case's.
    std::int16_t ztraty() const;

    // A value found (by goal seek, by a fit) into the accepted case and the form's field, as the
    // problem dialog's OK would take it. The fault when the case then cannot be accepted.
    std::optional<Zavada> pouzij(Velicina velicina, double hodnota, const QString& text);

    // Unsaved work: a result computed and not saved since; and whether it is the result of the
    // problem the form holds now (else the question must say it is of an earlier one).
    bool vysledekNeulozen() const { return vysledek_ != nullptr && vysledekNeulozen_; }
    bool vysledekFormulare() const;
    // The form holds a problem that no file holds and that is more than the empty form.
    bool ulohaNeulozena() const { return formular_.neulozena(); }

    // The file named in the window's caption: of the result shown, or none once a new case
    // was accepted.
    const QString& souborOkna() const { return souborOkna_; }

private:
    void prijmiTise(const Uloha& uloha);

    Formular formular_;
    std::optional<Uloha> prijata_;
    PuvodUlohy puvodPrijate_;  // the file the accepted case came from, when it holds it
    std::shared_ptr<const Vysledek> vysledek_;
    std::optional<std::int16_t> ztratyPohledu_;  // chosen for the result shown, when not its case's
    QString souborOkna_;
    bool vysledkyPristupne_ = false;
    bool ulozeniPovoleno_ = false;
    bool vysledekNeulozen_ = false;
};

// The comments of a file opened, shown as File, Open shows them: each in a message titled with
// the file's name. The last one becomes the session's comment (a file without one leaves it as
// it was) and is returned.
QString UkazKomentare(Dialogy& dialogy, Relace& relace, const QString& cesta, const QStringList& komentare, Jazyk jazyk);

}  // namespace zorvet
