// The material database Material.lst and the emissivity help files Eps.eng / Eps.cz, in the
// data folder (files/datova_slozka.h), whatever the working directory is.
//
// Material.lst holds two lines per material: the name, then the heat capacity and the
// density as written numbers (" 460  7850 "). It is written in Windows-1250 with CR LF line
// ends; reading also takes UTF-8, LF line ends and either decimal separator.
#pragma once

#include <QString>
#include <cstdint>

#include "model/nastaveni.h"
#include "model/material.h"

namespace zorvet {

// The materials of slozka/Material.lst in file order (at most 51; the rest of a longer file
// is left alone; a missing file gives none), the thermal conductivities of its companion
// Conductivity.lst (a name, then λ in W/m/K, per record; the same encodings and rules) and
// the emissivity text of the language's file (empty when it is missing).
DatabazeMaterialu NactiMaterialy(const QString& slozka, Jazyk jazyk);

enum class UlozeniMaterialu {
    Pridan,    // appended to the file
    Prepsan,   // the record of that name was replaced in the file
    Existuje,  // the file holds that name and prepsat was false: nothing was written
    Plna,      // the file already holds 51 materials: nothing was written
    Chyba,     // the file could not be read or written (chyba says why); it is as it was
};

// Saves one material: the file is read again, and only that material's two lines are
// added or (with prepsat) replaced; everything else in the file stays as it is, also what
// was changed in it since it was last read. The file is replaced only when the new one is
// complete. chyba gets the File Error message's text on a failure.
UlozeniMaterialu UlozMaterial(const QString& slozka, const Material& material, bool prepsat, QString* chyba);

// Adds or replaces the thermal conductivity of a material in Conductivity.lst, the same way.
// The problem and results files never hold it.
UlozeniMaterialu UlozVodivost(const QString& slozka, const std::string& nazev, float lambda, QString* chyba);

}  // namespace zorvet
