// Shared pieces of the fuzz targets: a check that stops the run with the failed condition,
// the two locales every reader must serve, a private scratch folder and the plain byte
// source that turns fuzz input into values.
#pragma once

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QString>
#include <cerrno>
#include <csignal>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>

namespace zorvet::fuzz {

// libFuzzer takes an abort for a finding; the replay program fails its test with it.
[[noreturn]] inline void selhani(const char* podminka, const char* soubor, int radek) {
    std::fprintf(stderr, "%s:%d: check failed: %s\n", soubor, radek, podminka);
    std::fflush(stderr);
    std::abort();
}

#define ZORVET_OVER(podminka)                                 \
    do {                                                      \
        if (!(podminka)) {                                    \
            ::zorvet::fuzz::selhani(#podminka, __FILE__, __LINE__); \
        }                                                     \
    } while (false)

// The decimal point and the decimal comma: the files of one must read under the other.
inline void nastavLokal(bool carka) {
    QLocale::setDefault(QLocale(carka ? QStringLiteral("cs_CZ") : QStringLiteral("en_US")));
}

// A folder of this process, in memory when the system has /dev/shm: the readers take paths,
// and each input is written there first. libFuzzer may end the process without cleaning up,
// so the folders of processes that are gone are removed when the next one starts.
inline const QDir& pracovniSlozka() {
    static const QDir slozka = [] {
        const QDir koren(QDir(QStringLiteral("/dev/shm")).exists() ? QStringLiteral("/dev/shm") : QDir::tempPath());
        const QString predpona = QStringLiteral("zorvet-fuzz-");
        for (const QString& jmeno : koren.entryList({predpona + QLatin1Char('*')}, QDir::Dirs)) {
            bool cislo = false;
            const long pid = jmeno.mid(predpona.size()).toLong(&cislo);
            if (cislo && pid > 0 && kill(static_cast<pid_t>(pid), 0) != 0 && errno == ESRCH) {
                QDir(koren.filePath(jmeno)).removeRecursively();
            }
        }
        static const QString cesta = koren.filePath(predpona + QString::number(getpid()));
        if (!QDir().mkpath(cesta)) {
            std::fprintf(stderr, "no scratch folder %s\n", qPrintable(cesta));
            std::abort();
        }
        std::atexit([] { QDir(cesta).removeRecursively(); });
        return QDir(cesta);
    }();
    return slozka;
}

inline void zapisBajty(const QString& cesta, const std::uint8_t* data, std::size_t size) {
    QFile f(cesta);
    ZORVET_OVER(f.open(QIODevice::WriteOnly));
    ZORVET_OVER(f.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size)) ==
                static_cast<qint64>(size));
}

// Values taken one after another from the input; zeros once it has run out.
class Bajty {
public:
    Bajty(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    std::uint8_t bajt() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::uint32_t slovo() {
        std::uint32_t x = 0;
        for (int i = 0; i < 4; ++i) {
            x = (x << 8) | bajt();
        }
        return x;
    }
    float single() {
        const std::uint32_t bity = slovo();
        float x;
        std::memcpy(&x, &bity, sizeof x);
        return x;
    }
    std::int16_t cele() { return static_cast<std::int16_t>((bajt() << 8) | bajt()); }
    // What is left of the input.
    const std::uint8_t* zbytek() const { return data_ + pos_; }
    std::size_t zbyva() const { return pos_ < size_ ? size_ - pos_ : 0; }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

}  // namespace zorvet::fuzz
