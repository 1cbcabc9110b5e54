// Writing a whole file at once.
#pragma once

#include <QByteArray>
#include <QString>

namespace zorvet {

// Writes bajty to cesta. A regular file (or a new one) is replaced only when the new contents
// are complete, so a failure leaves the old file as it was. A device or pipe (/dev/full,
// /dev/stdout) has no file to replace and is written directly. False, with the system's
// description of the error in chyba, when anything failed.
bool ZapisBajty(const QString& cesta, const QByteArray& bajty, QString* chyba);

}  // namespace zorvet
