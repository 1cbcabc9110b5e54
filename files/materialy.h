// The material database Material.lst and the emissivity help file, both in the working
// directory (the program's folder at start, then the folder of the last file chosen).
//
// Material.lst holds two lines per material: the name, then the heat capacity and the
// density as written numbers (" 460  7850 "). It is written in Windows-1250 with CR LF line
// ends; reading also takes UTF-8, LF line ends and either decimal separator.
#pragma once

#include <QString>

#include "files/dialogy.h"
#include "model/stav.h"

namespace zorvet {

namespace retezec {
inline constexpr int kDatabazePlna = 162;  // "The material database is full: ..."
}  // namespace retezec

// Reads Material.lst into stav.Materialy / PocetMaterialu (at most 51 records; the rest of a
// longer file is left alone) and the emissivity file of the current language (Eps.eng or
// Eps.cz) into stav.TabulkaEps. The table is emptied first, so it always matches the file; a
// missing Material.lst leaves it empty. A missing emissivity file leaves TabulkaEps as it was.
void NactiMaterialy(Stav& stav);

// Number of materials in the table: PocetMaterialu + 1, or 0 for an empty table (record 0
// without a name).
int PocetZaznamu(const Stav& stav);

enum class UlozeniMaterialu {
    Pridan,     // a new record was appended (its index is PocetMaterialu)
    Prepsan,    // an existing record was overwritten and the file rewritten
    Odmitnuto,  // the user answered No, the name is empty, or the table is full (reported)
    Chyba,      // the file could not be written (reported); table and file are unchanged
};

// The Save material button: the name and the texts of the heat-capacity and density
// fields (user's locale; a text that is no number keeps the record's value). Asks before
// overwriting a material of the same name (same letters and case). The file is replaced
// only when the new one is complete: adding keeps everything the file held and appends the
// two lines; overwriting rewrites it from the table (keeping records beyond the table's 51).
UlozeniMaterialu UlozMaterial(Stav& stav, Dialogy& dialogy, const QString& nazev, const QString& cText,
                              const QString& gamaText);

}  // namespace zorvet
