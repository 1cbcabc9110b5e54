// The one persisted setting: the language offset, per user
// (application "Zorvet", section "Settings", key "Language", text "0" or "200").
#pragma once

#include "model/nastaveni.h"

namespace zorvet {

// The stored offset; nothing stored, or any text other than "0" and "200", is English.
Jazyk NactiJazyk();

// Stores "0" or "200".
void UlozJazyk(Jazyk jazyk);

}  // namespace zorvet
