// Saving and opening problem and results files from the windows: the questions that go with
// it (the comment, the file dialog) and its messages. The files layer only turns records
// into text and back.
#pragma once

#include <QString>
#include <memory>
#include <optional>

#include "files/soubor.h"
#include "ui/common/dialogy.h"
#include "ui/common/relace.h"

namespace zorvet {

// The file a problem was last opened from or saved to.
struct PuvodUlohy {
    QString soubor;    // its name without the folder; empty for none
    QString komentar;  // its comment
    QString otisk;     // the problem as the file holds it (OtiskUlohy, files/soubor.h)
};

struct Soubor {
    QString cesta;
    QString komentar;  // the comment the file holds
};

// Writes the problem (with vysledek: a results file) after the save dialog and the comment
// question ("Write Comment ?"; Yes asks for the text, the session's comment offered; No
// writes none). The session's comment is updated. The file written, or nothing when the user
// cancelled or writing failed (then reported).
std::optional<Soubor> UlozSDialogem(Dialogy& dialogy, Relace& relace, Jazyk jazyk, const Uloha& uloha,
                                    const Vysledek* vysledek);

struct OtevrenySoubor {
    Soubor soubor;
    std::unique_ptr<ObsahSouboru> obsah;
};

// Reads a file chosen in the open dialog (a results file with sVysledky) on top of vychozi.
// A failure is reported; the comment lines found are shown, each in a box titled with the
// file's name, and the last becomes the session's comment.
std::optional<OtevrenySoubor> OtevriSDialogem(Dialogy& dialogy, Relace& relace, Jazyk jazyk, bool sVysledky,
                                              const Uloha& vychozi);

// The file a problem now comes from: its name, comment and the problem as it holds it.
PuvodUlohy PuvodZeSouboru(const Soubor& soubor, const Uloha& uloha);

}  // namespace zorvet
