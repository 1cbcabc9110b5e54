// Writing files whole: every output is either written completely or left as it was.
//
// Outputs are regular files: a new file, or an existing regular file (symbolic links followed)
// that is replaced. A folder, a device, a pipe or a socket is refused before anything is
// written, without being opened: what is written to a device or a pipe cannot be taken back,
// and a pipe that nobody reads never lets the writer go.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <memory>
#include <utility>
#include <vector>

#include "files/cteni_souboru.h"
#include "model/case/nastaveni.h"

class QFileDevice;
class QSaveFile;

namespace zorvet {

// Several outputs written as one: each is first written in full to a temporary file beside its
// target, and only when every one is complete are they put in place of their targets. A batch
// prepares every output, then prints to standard output, then commits, so that a failure at
// any step leaves every file as it was:
//
//     SadaVystupu sada(jazyk);
//     if (!sada.pridej(vysledky, bajty) || !sada.pridej(csv, text) || !tisk() || !sada.potvrd())
//         -> message: File Error, sada.cesta(), sada.chyba(); nothing was changed
//
// What is not committed is removed when the set ends. While it commits, the set holds the lock
// of each target's folder (the file .zorvet.lock there, gone again afterwards): two runs that
// write the same targets at once leave all of them from one run, never some from each.
class SadaVystupu {
public:
    explicit SadaVystupu(Jazyk jazyk = Jazyk::Anglicky);
    ~SadaVystupu();
    SadaVystupu(const SadaVystupu&) = delete;
    SadaVystupu& operator=(const SadaVystupu&) = delete;

    // Checks cesta as an output and writes bajty to a temporary file beside it. False when cesta
    // is no output (druh JeSlozka, NeniSoubor, or Stejny for a file the set already writes) or
    // the writing failed (Systemove); the set is then dropped: it holds no output any more.
    bool pridej(const QString& cesta, const QByteArray& bajty);

    // Puts every prepared file in place of its target. False when one of them could not be; the
    // targets replaced before it are then put back as they were, and no temporary file is left.
    bool potvrd();

    // Drops every prepared output; no target is changed.
    void zrus();

    // The failure: its kind, the output concerned (as it was named) and the reason.
    DruhSelhani druh() const { return druh_; }
    const QString& cesta() const { return cesta_; }
    const QString& chyba() const { return chyba_; }

private:
    struct Vystup;
    bool selhani(DruhSelhani druh, const QString& cesta, const QString& chyba);

    Jazyk jazyk_;
    std::vector<std::unique_ptr<Vystup>> vystupy_;
    DruhSelhani druh_ = DruhSelhani::Zadne;
    QString cesta_;
    QString chyba_;
};

// Writes every byte to a file opened unbuffered (QIODevice::Unbuffered). A buffered write that the
// disk cuts short (a full disk takes the first bytes and refuses the rest) is flushed as if it had
// succeeded, and the commit then puts the cut file in place of the old one, or fails with no
// reason to give. Written directly, the short write shows, and the retry of the rest brings the
// system's reason ("No space left on device") into the file's errorString().
bool ZapisCely(QFileDevice& soubor, const QByteArray& bajty);

// Whether two paths name the same file: an existing file by its device and inode (so symbolic
// and hard links, "./x" and "x" are told), a file still to be written by its resolved path.
bool StejnySoubor(const QString& a, const QString& b);

// Writes bajty to cesta as a set of one output. False, with the reason in chyba, when anything
// failed; the old file is then as it was.
bool writeWhole(const QString& cesta, const QByteArray& bajty, QString* chyba, Jazyk jazyk = Jazyk::Anglicky);

// Writes several files as one set (SadaVystupu). False when anything failed, with the path in
// cesta and the reason in chyba; then no file was changed.
bool writeAllOrNone(const QList<std::pair<QString, QByteArray>>& soubory, QString* cesta, QString* chyba,
                    Jazyk jazyk = Jazyk::Anglicky);

}  // namespace zorvet
