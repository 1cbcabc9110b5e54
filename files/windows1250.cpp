#include "files/windows1250.h"

#include <QHash>
#include <QStringDecoder>
#include <array>

namespace zorvet {

namespace {

// Bytes 0x80..0xFF of Windows-1250. Bytes below 0x80 are ASCII.
constexpr std::array<char16_t, 128> kHorniPolovina = {
    // 0x80
    0x20AC, 0x0081, 0x201A, 0x0083, 0x201E, 0x2026, 0x2020, 0x2021,
    0x0088, 0x2030, 0x0160, 0x2039, 0x015A, 0x0164, 0x017D, 0x0179,
    // 0x90
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x0098, 0x2122, 0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A,
    // 0xA0
    0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6, 0x00A7,
    0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B,
    // 0xB0
    0x00B0, 0x00B1, 0x02DB, 0x0142, 0x00B4, 0x00B5, 0x00B6, 0x00B7,
    0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C,
    // 0xC0
    0x0154, 0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7,
    0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD, 0x00CE, 0x010E,
    // 0xD0
    0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7,
    0x0158, 0x016E, 0x00DA, 0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF,
    // 0xE0
    0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F,
    // 0xF0
    0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4, 0x0151, 0x00F6, 0x00F7,
    0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

const QHash<char16_t, char>& zpetnaTabulka() {
    static const QHash<char16_t, char> tabulka = [] {
        QHash<char16_t, char> t;
        for (int i = 0; i < 128; ++i) {
            t.insert(kHorniPolovina[static_cast<std::size_t>(i)], static_cast<char>(0x80 + i));
        }
        return t;
    }();
    return tabulka;
}

}  // namespace

QString fromWindows1250(const QByteArray& bajty) {
    QString text(bajty.size(), Qt::Uninitialized);
    QChar* cil = text.data();
    for (const char b : bajty) {
        const auto u = static_cast<unsigned char>(b);
        *cil++ = QChar(u < 0x80 ? static_cast<char16_t>(u) : kHorniPolovina[u - 0x80u]);
    }
    return text;
}

std::optional<QByteArray> toWindows1250(const QString& text) {
    QByteArray bajty(text.size(), Qt::Uninitialized);
    char* cil = bajty.data();
    const auto& zpet = zpetnaTabulka();
    for (const QChar ch : text) {
        const char16_t u = ch.unicode();
        if (u < 0x80) {
            *cil++ = static_cast<char>(u);
            continue;
        }
        const auto it = zpet.constFind(u);
        if (it == zpet.cend()) {
            return std::nullopt;
        }
        *cil++ = it.value();
    }
    return bajty;
}

QString decodeDataFile(const QByteArray& bajty) {
    QByteArrayView obsah(bajty);
    // UTF-16, as Windows editors save "Unicode", is told by its byte order mark alone: its text
    // is full of zero bytes, which neither other encoding gives a data file.
    const bool le = obsah.startsWith("\xFF\xFE");
    if (le || obsah.startsWith("\xFE\xFF")) {
        QStringDecoder utf16(le ? QStringDecoder::Utf16LE : QStringDecoder::Utf16BE);
        QString text = utf16(obsah.sliced(2));
        text.remove(QChar(0xFEFF));
        return text;
    }
    const QByteArrayView bom("\xEF\xBB\xBF");
    if (obsah.startsWith(bom)) {
        obsah = obsah.sliced(bom.size());
    }
    // Pure ASCII reads the same either way; the decoder is only needed for other bytes.
    bool ascii = true;
    for (const char b : obsah) {
        if (static_cast<unsigned char>(b) >= 0x80) {
            ascii = false;
            break;
        }
    }
    if (ascii) {
        return QString::fromLatin1(obsah);
    }
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(obsah);
    if (!utf8.hasError()) {
        // A byte order mark further on (files joined together) is no part of the data; at
        // the start of a name or comment it would be lost on the way to the stored record
        // anyway, so such a record could not be found again by its name.
        text.remove(QChar(0xFEFF));
        return text;
    }
    return fromWindows1250(obsah.toByteArray());
}

QByteArray encodeDataFile(const QString& text) {
    // Windows-1250 only when it reads back as the same text: its bytes can also form valid
    // UTF-8 ("ÉŠ" is 0xC9 0x8A, the UTF-8 of "Ɋ") or begin like a byte order
    // mark, and the reader would take them for UTF-8.
    if (auto bajty = toWindows1250(text); bajty && decodeDataFile(*bajty) == text) {
        return *std::move(bajty);
    }
    return text.toUtf8();
}

}  // namespace zorvet
