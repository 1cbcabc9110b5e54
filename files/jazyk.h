// The one persisted setting: the language offset, per user
// (application "Zorvet", section "Settings", key "Language", text "0" or "200").
#pragma once

#include <QString>
#include <QStringList>

#include "model/case/nastaveni.h"

namespace zorvet {

// The stored offset; nothing stored, or any text other than "0" and "200", is English. So is a
// setting that cannot be read without risk: when a settings file that QSettings would read is
// anything but a regular file within kNejvetsiNastaveni (a pipe would block every start, a
// device never end), no file is read at all.
Jazyk NactiJazyk();

// Stores "0" or "200". False, with the message in the language stored in chyba when given, when
// a settings file may not be read as above (nothing is then read or written) or the system
// refused the writing.
bool UlozJazyk(Jazyk jazyk, QString* chyba = nullptr);

// The problem and results files read or written last, the newest first (section "Recent", key
// "Files"), at most kNejviceNedavnych; none when a settings file may not be read as above.
inline constexpr int kNejviceNedavnych = 6;
QStringList NactiNedavne();
// Stores that list, cut to kNejviceNedavnych; false when it may not or cannot be stored.
bool UlozNedavne(const QStringList& soubory);

// The files QSettings reads the setting from, the user's first, then those of the system
// folders (XDG_CONFIG_DIRS, /etc/xdg by default).
QStringList SouboryNastaveni();

}  // namespace zorvet
