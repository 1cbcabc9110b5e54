#include "files/soubor.h"

namespace zorvet {

bool UlozSoubor(Stav&, Dialogy&, const QString&, bool) { return false; }
bool NactiSoubor(Stav&, Dialogy&, const QString&, bool) { return false; }

}  // namespace zorvet
