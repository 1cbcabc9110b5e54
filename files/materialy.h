// The material database Material.lst and the emissivity help file, both in the working directory.
#pragma once

#include <QString>

#include "files/dialogy.h"
#include "model/stav.h"

namespace zorvet {

// Reads Material.lst into stav.Materialy / PocetMaterialu and the emissivity file of the
// current language (Eps.eng or Eps.cz) into stav.TabulkaEps. Missing files are no error.
void NactiMaterialy(Stav& stav);

enum class UlozeniMaterialu {
    Pridan,     // a new record was appended (its index is PocetMaterialu)
    Prepsan,    // an existing record was overwritten and the file rewritten
    Odmitnuto,  // the user answered No, or the table is full
    Chyba,      // the file could not be written (reported)
};

// The Save material button: the name and the texts of the heat-capacity and density
// fields (user's locale). Asks before overwriting a material of the same name.
UlozeniMaterialu UlozMaterial(Stav& stav, Dialogy& dialogy, const QString& nazev, const QString& cText,
                              const QString& gamaText);

}  // namespace zorvet
