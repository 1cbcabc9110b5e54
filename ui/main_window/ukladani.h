// Saving and opening problem and results files from the windows: the questions that go with
// it (the comment, the file dialog) and its messages. The files layer only turns records
// into text and back.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "files/soubor.h"
#include "ui/common/dialogy.h"
#include "ui/common/relace.h"

namespace zorvet {

// Writes the problem (with vysledek: a results file) after the save dialog and the comment
// question ("Write Comment ?"; Yes asks for the text, the session's comment offered; No
// writes none). The session's comment and the saved problem's print are updated. The path
// written, or nothing when the user cancelled or writing failed (then reported).
std::optional<QString> UlozSDialogem(Dialogy& dialogy, Relace& relace, std::int16_t jazyk, const Uloha& uloha,
                                     const Vysledek* vysledek);

// Reads a file chosen in the open dialog (a results file with sVysledky) on top of vychozi.
// A failure is reported; the comment lines found are shown, each in a box titled with the
// file's name, and the last becomes the session's comment. The path is in *cesta.
std::unique_ptr<ObsahSouboru> OtevriSDialogem(Dialogy& dialogy, Relace& relace, std::int16_t jazyk, bool sVysledky,
                                              const Uloha& vychozi, QString* cesta);

}  // namespace zorvet
