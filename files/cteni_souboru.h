// Reading a whole file at once, the one way every reader of the program takes: only a regular
// file, and only up to the size its reader states. A pipe nobody writes would block the reader
// for ever, a device such as /dev/zero never ends, and a file cut at a limit without a word
// computes a different problem; each of them is refused with its reason instead.
#pragma once

#include <QByteArray>
#include <QString>

#include "model/case/nastaveni.h"

namespace zorvet {

// What kind of file a path names, or why it cannot be read or written. Shared by the readers
// (here) and the writers (files/zapis.h): a failure is one of these kinds and a text.
enum class DruhSelhani {
    Zadne,        // no failure
    Chybi,        // nothing of that name (a reader may take it for an empty file)
    JeSlozka,     // a folder
    NeniSoubor,   // a device, a pipe or a socket
    PrilisVelky,  // larger than its reader takes
    Stejny,       // an output that names the same file as another input or output
    Systemove,    // the system refused it (the text is the system's reason)
};

// The limits of the readers, generous for every file of their kind.
inline constexpr qint64 kNejvetsiTabulkaVlastnosti = 16LL * 1024 * 1024;  // a property table (*.csv)
inline constexpr qint64 kNejvetsiMereni = 16LL * 1024 * 1024;  // a measured log: a row a second for days
inline constexpr qint64 kNejvetsiSeznamMaterialu = 4LL * 1024 * 1024;     // Material.lst, Conductivity.lst
inline constexpr qint64 kNejvetsiVlastnostiMaterialu = 16LL * 1024 * 1024;  // MaterialProperties.txt
inline constexpr qint64 kNejvetsiTabulkaEps = 1LL * 1024 * 1024;          // Eps.eng, Eps.cz
inline constexpr qint64 kNejvetsiNastaveni = 1LL * 1024 * 1024;           // the settings file
inline constexpr qint64 kNejvetsiPrirucka = 4LL * 1024 * 1024;            // the user guide (*.md)
// A problem or results file: kNejvetsiSoubor (files/soubor.h).

struct CelySoubor {
    QByteArray bajty;                      // the whole file, when druh is Zadne
    DruhSelhani druh = DruhSelhani::Zadne;
    QString chyba;                         // else why, in the language asked for (without the path)

    bool precten() const { return druh == DruhSelhani::Zadne; }
};

// Every byte of the file at cesta, when it is a regular file of at most nejvic bytes. The kind
// of the path is checked before it is opened, and again on the opened file, so a pipe or a
// device is never read (nor opened: a tape or a terminal reacts to that); a file that grows
// past nejvic while it is read is refused as too large.
CelySoubor NactiCelySoubor(const QString& cesta, qint64 nejvic, Jazyk jazyk);

// The kind of what cesta names, symbolic links followed, without opening it: Zadne for a
// regular file, Chybi for nothing, else JeSlozka, NeniSoubor or Systemove.
DruhSelhani DruhCesty(const QString& cesta);

// The text of a kind (PrilisVelky, Stejny, Systemove and Zadne need more words and have none).
QString TextSelhani(DruhSelhani druh, Jazyk jazyk);

// The reason a file is too large: its size and the limit.
QString TextPrilisVelky(qint64 velikost, qint64 nejvic, Jazyk jazyk);

// The message of a failure as every File Error shows it: the path, then the reason.
QString ZpravaSouboru(const QString& cesta, const QString& duvod);

}  // namespace zorvet
