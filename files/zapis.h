// Writing a whole file at once.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <utility>

namespace zorvet {

// Writes bajty to cesta. A regular file (or a new one) is replaced only when the new contents
// are complete, so a failure leaves the old file as it was. A device or pipe (/dev/full,
// /dev/stdout) has no file to replace and is written directly. False, with the system's
// description of the error in chyba, when anything failed.
bool writeWhole(const QString& cesta, const QByteArray& bajty, QString* chyba);

// Writes several files as one: every regular file is first written beside its place, and only
// when all of them are complete do they replace the old ones; a device or pipe is written
// last. False when anything failed, with the path in cesta and the system's description in
// chyba; then no regular file was changed.
bool writeAllOrNone(const QList<std::pair<QString, QByteArray>>& soubory, QString* cesta, QString* chyba);

}  // namespace zorvet
