// Text of the data files: Windows-1250 (the code page the Czech Windows program wrote), UTF-8
// or (read only) UTF-16, with CR LF, LF or CR line ends.
#pragma once

#include <QByteArray>
#include <QString>
#include <optional>

namespace zorvet {

// Windows-1250 bytes to text. The five bytes the code page leaves undefined become the C1
// control characters of the same value, so no byte is lost.
QString fromWindows1250(const QByteArray& bajty);

// Text to Windows-1250; no value when a character has no Windows-1250 byte.
std::optional<QByteArray> toWindows1250(const QString& text);

// The contents of a data file as text: UTF-16 (little or big endian) after its byte order mark,
// UTF-8 when the bytes are valid UTF-8 (a byte order mark is dropped), Windows-1250 otherwise.
QString decodeDataFile(const QByteArray& bajty);

// The bytes of a data file: Windows-1250 as the original program wrote them; UTF-8 only for
// a text that Windows-1250 cannot hold (a name typed with other letters), so nothing is lost.
QByteArray encodeDataFile(const QString& text);

}  // namespace zorvet
