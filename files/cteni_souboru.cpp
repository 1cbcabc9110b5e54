#include "files/cteni_souboru.h"

#include <QDir>
#include <QFile>
#include <algorithm>
#include <cerrno>
#include <optional>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/retezce.h"

namespace zorvet {

namespace {

DruhSelhani druhStatu(const struct stat& st) {
    if (S_ISREG(st.st_mode)) {
        return DruhSelhani::Zadne;
    }
    return S_ISDIR(st.st_mode) ? DruhSelhani::JeSlozka : DruhSelhani::NeniSoubor;
}

CelySoubor selhani(DruhSelhani druh, const QString& text) { return CelySoubor{QByteArray(), druh, text}; }

// Closes the descriptor however the reading ends.
struct Popisovac {
    int fd;
    ~Popisovac() {
        if (fd >= 0) {
            ::close(fd);
        }
    }
};

}  // namespace

QString TextSelhani(DruhSelhani druh, Jazyk jazyk) {
    switch (druh) {
        case DruhSelhani::JeSlozka:
            return Text(id::JeSlozka, jazyk);
        case DruhSelhani::NeniSoubor:
            return Text(id::NeniSoubor, jazyk);
        case DruhSelhani::Chybi:
            return qt_error_string(ENOENT);
        case DruhSelhani::PrilisVelky:
        case DruhSelhani::Stejny:
        case DruhSelhani::Systemove:
        case DruhSelhani::Zadne:
            break;
    }
    return {};
}

QString TextPrilisVelky(qint64 velikost, qint64 nejvic, Jazyk jazyk) {
    return Text(id::SouborPrilisVelky, jazyk).arg(velikost).arg(nejvic);
}

QString ZpravaSouboru(const QString& cesta, const QString& duvod) {
    return QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + duvod;
}

DruhSelhani DruhCesty(const QString& cesta) {
    struct stat st {};
    if (::stat(QFile::encodeName(cesta).constData(), &st) != 0) {
        return errno == ENOENT ? DruhSelhani::Chybi : DruhSelhani::Systemove;
    }
    return druhStatu(st);
}

CelySoubor NactiCelySoubor(const QString& cesta, qint64 nejvic, Jazyk jazyk) {
    if (cesta.isEmpty()) {
        return selhani(DruhSelhani::Chybi, TextSelhani(DruhSelhani::Chybi, jazyk));
    }
    const QByteArray jmeno = QFile::encodeName(cesta);
    struct stat st {};
    if (::stat(jmeno.constData(), &st) != 0) {
        const int e = errno;
        return selhani(e == ENOENT ? DruhSelhani::Chybi : DruhSelhani::Systemove, qt_error_string(e));
    }
    const auto zkontroluj = [&](const struct stat& s) -> std::optional<CelySoubor> {
        if (const DruhSelhani druh = druhStatu(s); druh != DruhSelhani::Zadne) {
            return selhani(druh, TextSelhani(druh, jazyk));
        }
        if (s.st_size > nejvic) {
            return selhani(DruhSelhani::PrilisVelky, TextPrilisVelky(s.st_size, nejvic, jazyk));
        }
        return std::nullopt;
    };
    if (std::optional<CelySoubor> vada = zkontroluj(st)) {
        return *std::move(vada);
    }
    // Without blocking, should the path have become a pipe since: the opened file is checked
    // again before a byte is read.
    Popisovac f{::open(jmeno.constData(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK)};
    if (f.fd < 0) {
        const int e = errno;
        return selhani(e == ENOENT ? DruhSelhani::Chybi : DruhSelhani::Systemove, qt_error_string(e));
    }
    if (::fstat(f.fd, &st) != 0) {
        return selhani(DruhSelhani::Systemove, qt_error_string(errno));
    }
    if (std::optional<CelySoubor> vada = zkontroluj(st)) {
        return *std::move(vada);
    }
    // One byte more than the limit tells a file that grew past it while it was read.
    QByteArray bajty(static_cast<qsizetype>(std::min<qint64>(st.st_size, nejvic) + 1), Qt::Uninitialized);
    qint64 precteno = 0;
    for (;;) {
        if (precteno == bajty.size()) {
            if (precteno > nejvic) {
                const qint64 velikost = ::fstat(f.fd, &st) == 0 ? std::max<qint64>(st.st_size, precteno) : precteno;
                return selhani(DruhSelhani::PrilisVelky, TextPrilisVelky(velikost, nejvic, jazyk));
            }
            bajty.resize(static_cast<qsizetype>(std::min<qint64>(2 * precteno, nejvic + 1)));
        }
        const ssize_t n = ::read(f.fd, bajty.data() + precteno, static_cast<std::size_t>(bajty.size() - precteno));
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0) {
            return selhani(DruhSelhani::Systemove, qt_error_string(errno));
        }
        if (n == 0) {
            break;
        }
        precteno += n;
    }
    bajty.truncate(static_cast<qsizetype>(precteno));
    return CelySoubor{std::move(bajty), DruhSelhani::Zadne, QString()};
}

}  // namespace zorvet
