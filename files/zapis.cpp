#include "files/zapis.h"

#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <memory>
#include <vector>

namespace zorvet {

namespace {

// Every byte, written without Qt's buffer: a buffered write that the disk cuts short (a full
// disk takes the first bytes and refuses the rest) is flushed as if it had succeeded, and the
// commit then puts the cut file in place of the old one. Written directly, the short write
// shows, and the retry of the rest brings the system's reason ("No space left on device").
bool zapisVse(QFileDevice& soubor, const QByteArray& bajty) {
    qint64 hotovo = 0;
    while (hotovo < bajty.size()) {
        const qint64 n = soubor.write(bajty.constData() + hotovo, bajty.size() - hotovo);
        if (n <= 0) {
            return false;
        }
        hotovo += n;
    }
    return true;
}

}  // namespace

namespace {

bool jeZarizeni(const QString& cesta) {
    const QFileInfo info(cesta);
    return info.exists() && !info.isFile() && !info.isDir();
}

}  // namespace

bool writeWhole(const QString& cesta, const QByteArray& bajty, QString* chyba) {
    if (jeZarizeni(cesta)) {
        // Replacing would put a regular file in place of the device (with the rights to its
        // folder, /dev/full itself) and report success.
        QFile soubor(cesta);
        if (soubor.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && zapisVse(soubor, bajty)) {
            soubor.close();
            if (soubor.error() == QFileDevice::NoError) {
                return true;
            }
        }
        *chyba = soubor.errorString();
        return false;
    }
    QSaveFile soubor(cesta);
    if (!soubor.open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !zapisVse(soubor, bajty) || !soubor.commit()) {
        *chyba = soubor.errorString();
        soubor.cancelWriting();
        return false;
    }
    return true;
}

bool writeAllOrNone(const QList<std::pair<QString, QByteArray>>& soubory, QString* cesta, QString* chyba) {
    std::vector<std::unique_ptr<QSaveFile>> pripravene;
    const auto selhalo = [&](const QString& kde, const QString& proc) {
        for (const auto& s : pripravene) {
            s->cancelWriting();
        }
        *cesta = kde;
        *chyba = proc;
        return false;
    };
    for (const auto& [kam, bajty] : soubory) {
        if (jeZarizeni(kam)) {
            continue;
        }
        auto s = std::make_unique<QSaveFile>(kam);
        if (!s->open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !zapisVse(*s, bajty)) {
            const QString proc = s->errorString();
            s->cancelWriting();
            return selhalo(kam, proc);
        }
        pripravene.push_back(std::move(s));
    }
    for (const auto& s : pripravene) {
        if (!s->commit()) {
            return selhalo(s->fileName(), s->errorString());
        }
    }
    for (const auto& [kam, bajty] : soubory) {
        if (jeZarizeni(kam) && !writeWhole(kam, bajty, chyba)) {
            *cesta = kam;
            return false;
        }
    }
    return true;
}

}  // namespace zorvet
