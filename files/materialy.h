// The material database Material.lst, its companion MaterialProperties.txt and the emissivity
// help files Eps.eng / Eps.cz, in the data folder (files/datova_slozka.h), whatever the working
// directory is.
//
// Material.lst holds two lines per material: the name, then the heat capacity and the
// density as written numbers (" 460  7850 "). It is written in Windows-1250 with CR LF line
// ends; reading also takes UTF-8, LF line ends and either decimal separator. Nothing but a
// material saved by the user is ever written into it.
//
// MaterialProperties.txt holds what Material.lst has no room for, by material name: the thermal
// conductivity and the user's property curves. It is UTF-8 text, one keyword a line, its
// fields separated by tabs:
//
//     material<TAB>Litina
//     lambda<TAB>48
//     point<TAB>20<TAB>460<TAB>52        T [°C], c [J/kg/K], optionally λ [W/m/K]
//
// A record runs from its material line to the next; lines starting with # and lines of other
// keywords are kept as they are when a record is saved. Numbers are written with the point and
// read with either separator. UTF-8, not Windows-1250: only this program reads the file, the
// names of curves are free text, and one encoding for every content keeps the file from
// changing its encoding with a name typed (as Material.lst must, files/windows1250.h).
//
// Conductivity.lst, the older companion (a name, then λ, per record, as Material.lst), is still
// read; MaterialProperties.txt wins where both name a material, and it alone is written.
//
// Every file is read only when it is a regular file within its size (files/cteni_souboru.h), and
// in any of the encodings decodeDataFile reads; a save writes the whole file back in the one
// encoding encodeDataFile chooses (a Material.lst in UTF-16 so becomes Windows-1250). A save
// holds the lock file <name>.lock beside the file from reading it to writing it, so that saves
// of several windows or processes at once each keep the others' records.
#pragma once

#include <QString>
#include <QList>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "files/chyba.h"
#include "model/case/nastaveni.h"
#include "model/properties/material.h"

namespace zorvet {

// The materials of slozka/Material.lst in file order (at most 51; the rest of a longer file
// is left alone; a missing file gives none), the thermal conductivities of Conductivity.lst
// and MaterialProperties.txt, the curves of MaterialProperties.txt (the first record of a name
// counts; a number that cannot be read is NaN, so that the curve's check names it) and the
// emissivity text of the language's file (empty when it is missing). A file that is there but
// cannot be read (a folder, a pipe, a device, too large, refused by the system) counts as
// missing, and its File Error (the path, a line end, the reason) is added to chyby when given.
DatabazeMaterialu NactiMaterialy(const QString& slozka, Jazyk jazyk, QList<Chyba>* chyby = nullptr);

enum class UlozeniMaterialu {
    Pridan,    // appended to the file
    Prepsan,   // the record of that name was replaced in the file
    Existuje,  // the file holds that name and prepsat was false: nothing was written
    Plna,      // the file already holds 51 materials: nothing was written
    Chyba,     // the file could not be read, locked or written (chyba says why); it is as it was
};

// How long a save waits for another save of the same file to end before it fails, in ms. A lock
// left by a process that has ended is taken over at once.
inline constexpr int kCekaniNaUlozeni = 5000;

// Saves one material: the file is read again, and only that material's two lines are
// added or (with prepsat) replaced; everything else in the file stays as it is, also what
// was changed in it since it was last read. The file is replaced only when the new one is
// complete. chyba gets the File Error on a failure, in the language jazyk.
UlozeniMaterialu UlozMaterial(const QString& slozka, const Material& material, bool prepsat, Chyba* chyba,
                              Jazyk jazyk = Jazyk::Anglicky);

// Adds or replaces the thermal conductivity of a material in MaterialProperties.txt, the same
// way: only that record's lambda line changes. The name is stored as Material.lst stores it.
// The problem and results files never hold it.
UlozeniMaterialu UlozVodivost(const QString& slozka, const std::string& nazev, float lambda, Chyba* chyba,
                              Jazyk jazyk = Jazyk::Anglicky);

// Saves a user's property curve under its name in MaterialProperties.txt: only the point lines
// of that record change (Existuje when it holds points and prepsat is false).
UlozeniMaterialu UlozKrivku(const QString& slozka, const VlastnostiMaterialu& krivka, bool prepsat, Chyba* chyba,
                            Jazyk jazyk = Jazyk::Anglicky);

// The companion file's name, for messages.
QString SouborVlastnosti();

// For tests of saves that meet: what every save does while it holds the lock, between reading
// the file and writing it (nothing by default), and how long a save waits for the lock.
struct ZkouskaUkladani {
    std::function<void()> poCteni;
    int cekaniMs = kCekaniNaUlozeni;
};
void NastavZkouskuUkladani(ZkouskaUkladani zkouska);

}  // namespace zorvet
