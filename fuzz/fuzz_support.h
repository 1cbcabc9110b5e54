// Shared by the fuzz targets: a check that stops the run with the failed condition, the two
// locales every reader must serve, a scratch folder and the byte source of values.
#pragma once

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace zorvet::fuzz {

// libFuzzer takes an abort for a finding; the replay program fails its test with it.
#define ZORVET_OVER(podminka)                                                                 \
    do {                                                                                      \
        if (!(podminka)) {                                                                    \
            std::fprintf(stderr, "%s:%d: check failed: %s\n", __FILE__, __LINE__, #podminka); \
            std::abort();                                                                     \
        }                                                                                     \
    } while (false)

// The decimal point and the decimal comma: the files of one must read under the other.
inline void nastavLokal(bool carka) {
    QLocale::setDefault(QLocale(carka ? QStringLiteral("cs_CZ") : QStringLiteral("en_US")));
}

// A folder for the run's files, removed when the process ends normally.
inline QString soubor(const char* jmeno) {
    static QTemporaryDir slozka;
    return slozka.filePath(QString::fromLatin1(jmeno));
}

inline void zapis(const QString& cesta, const std::uint8_t* data, std::size_t size) {
    QFile f(cesta);
    ZORVET_OVER(f.open(QIODevice::WriteOnly));
    f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
}

// Values taken one after another from the input; zeros once it has run out.
class Bajty {
public:
    Bajty(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t bajt() { return pos_ < size_ ? data_[pos_++] : 0; }
    float single() {
        std::uint32_t x = 0;
        for (int i = 0; i < 4; ++i) {
            x = (x << 8) | bajt();
        }
        float f;
        std::memcpy(&f, &x, sizeof f);
        return f;
    }
    std::int16_t cele() { return static_cast<std::int16_t>((bajt() << 8) | bajt()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace zorvet::fuzz
