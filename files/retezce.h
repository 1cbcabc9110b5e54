// The string table: every text the user sees, and every label written into a file,
// by English ID plus the language offset Jazyk (0 English, 200 Czech). The IDs have names
// in model/retezce_id.h, generated from resources/strings.txt: Text(id::Material, jazyk).
#pragma once

#include <QString>
#include <cstdint>

#include "model/retezce_id.h"
#include "model/case/nastaveni.h"

namespace zorvet {

// Text of one ID of the table; an ID the table lacks gives the empty text.
QString LoadResString(int id);

// Text of an English ID in the language given by the offset.
inline QString Text(int id, Jazyk jazyk) { return LoadResString(id + static_cast<int>(jazyk)); }

// A caption without its accelerator mark: "&Weight [kg]" is "Weight [kg]".
QString BezAkceleratoru(QString popisek);

}  // namespace zorvet
