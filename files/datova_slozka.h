// The data folder: where Material.lst, its companions MaterialProperties.txt and (read only)
// Conductivity.lst, and the emissivity files are read and written by their bare names. It
// becomes the working directory at start.
//
// A build tree or a portable copy keeps its data beside the program and may write there, so
// the program's own folder is the data folder. An installed program keeps the shipped data
// read-only under <prefix>/share/zorvet and may not write beside itself; it works in a
// per-user data folder instead, filled from the shipped files when they are missing there.
#pragma once

#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

#include "model/case/nastaveni.h"

namespace zorvet {

// The files the program opens by their bare names in the working directory.
QStringList DatoveSoubory();

// Answers whether the program may create and replace files in a folder.
using ZkouskaZapisu = std::function<bool(const QString& slozka)>;

// The operating system's answer for the current user (a missing folder is not writable).
bool LzeZapisovat(const QString& slozka);

// The folders that take part in the choice.
struct MistaDat {
    QString slozkaProgramu;  // the folder of the executable
    QString dodanaData;      // the shipped data of an installation, <prefix>/share/zorvet
    QString osobniSlozka;    // the per-user data folder
};

// The folders of the running program. The per-user folder is named after the desktop entry,
// org.zorvet.Zorvet, in the user's data location (XDG_DATA_HOME, usually ~/.local/share): not
// zorvet, which is where an installation into ~/.local puts the shipped files, and whose
// update would then replace the user's own.
MistaDat MistaProgramu();

struct DatovaSlozka {
    QString cesta;         // the folder that becomes the working directory
    bool osobni = false;   // it is the per-user data folder
    QStringList doplneno;  // data files copied into it by this call
    QString chyba;         // what went wrong while preparing the per-user folder; empty when nothing did
};

// Chooses the data folder and prepares it:
// - the program's folder, when it is writable and either holds data files itself or there
//   is no shipped data to prefer (a build tree, a portable copy, a test program);
// - otherwise the per-user folder, created when missing; every data file that it lacks is
//   copied from the shipped data (or from the program's folder when only that holds them)
//   and made writable by its owner. A file already there is never replaced, so the user's
//   own Material.lst survives every later start.
// When the per-user folder cannot be created, the shipped data (or the program's folder) is
// used as it is and chyba says why; saving a material there then reports its own failure.
// The texts of chyba are in the language of the offset jazyk.
DatovaSlozka UrciDatovouSlozku(const MistaDat& mista, const ZkouskaZapisu& lzeZapisovat, Jazyk jazyk);

// UrciDatovouSlozku for the running program, then the working directory set to the result.
// A failure to prepare the per-user folder is written to standard error.
DatovaSlozka NastavDatovouSlozku();

}  // namespace zorvet
