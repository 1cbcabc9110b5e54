#include "files/materialy.h"

namespace zorvet {

void NactiMaterialy(Stav&) {}
UlozeniMaterialu UlozMaterial(Stav&, Dialogy&, const QString&, const QString&, const QString&) {
    return UlozeniMaterialu::Odmitnuto;
}

}  // namespace zorvet
