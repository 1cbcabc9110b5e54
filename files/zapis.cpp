#include "files/zapis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <cerrno>
#include <sys/stat.h>
#include <unistd.h>

#include "files/retezce.h"

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

// The file that writing to cesta changes: symbolic links followed (at most 40, as the system
// does), the path absolute and clean; for a file still to be made, its folder resolved.
QString cilCesty(const QString& cesta) {
    QString p = QFileInfo(cesta).absoluteFilePath();
    for (int i = 0; i < 40; ++i) {
        const QFileInfo info(p);
        if (info.exists()) {
            return info.canonicalFilePath();
        }
        if (!info.isSymLink()) {
            break;
        }
        p = info.symLinkTarget();
    }
    const QFileInfo info(p);
    const QString slozka = QFileInfo(info.absolutePath()).canonicalFilePath();
    return slozka.isEmpty() ? QDir::cleanPath(p) : slozka + QLatin1Char('/') + info.fileName();
}

// A second name of the file cil beside it, holding its present contents while the set commits:
// a hard link, or a copy where the file system has none. Empty (and the reason in chyba) when
// neither could be made.
QString zalohuj(const QString& cil, QString* chyba) {
    const QFileInfo info(cil);
    for (int pokus = 0; pokus < 100; ++pokus) {
        const QString zaloha = info.absolutePath() + QStringLiteral("/.") + info.fileName() +
                               QStringLiteral(".zorvet-") +
                               QString::number(QRandomGenerator::global()->generate(), 16);
        if (::link(QFile::encodeName(cil).constData(), QFile::encodeName(zaloha).constData()) == 0) {
            return zaloha;
        }
        if (errno == EEXIST) {
            continue;
        }
        QFile soubor(cil);
        if (soubor.copy(zaloha)) {
            return zaloha;
        }
        *chyba = soubor.errorString();
        return {};
    }
    *chyba = qt_error_string(EEXIST);
    return {};
}

}  // namespace

struct SadaVystupu::Vystup {
    QString jmeno;  // as the output was named
    QString cil;    // the file it replaces or makes
    std::unique_ptr<QSaveFile> soubor;
    bool existoval = false;
    QString zaloha;
    bool potvrzen = false;
};

SadaVystupu::SadaVystupu(Jazyk jazyk) : jazyk_(jazyk) {}

SadaVystupu::~SadaVystupu() { zrus(); }

bool SadaVystupu::selhani(DruhSelhani druh, const QString& cesta, const QString& chyba) {
    zrus();
    druh_ = druh;
    cesta_ = cesta;
    chyba_ = chyba;
    return false;
}

void SadaVystupu::zrus() {
    for (const auto& v : vystupy_) {
        if (!v->potvrzen) {
            v->soubor->cancelWriting();
        }
        if (!v->zaloha.isEmpty()) {
            QFile::remove(v->zaloha);
        }
    }
    // Each QSaveFile removes its temporary file as it goes.
    vystupy_.clear();
}

bool SadaVystupu::pridej(const QString& cesta, const QByteArray& bajty) {
    auto v = std::make_unique<Vystup>();
    v->jmeno = cesta;
    v->cil = cilCesty(cesta);
    struct stat st {};
    if (::stat(QFile::encodeName(v->cil).constData(), &st) == 0) {
        if (!S_ISREG(st.st_mode)) {
            const DruhSelhani druh = S_ISDIR(st.st_mode) ? DruhSelhani::JeSlozka : DruhSelhani::NeniSoubor;
            return selhani(druh, cesta, TextSelhani(druh, jazyk_));
        }
        v->existoval = true;
    } else if (errno != ENOENT) {
        const int e = errno;
        return selhani(DruhSelhani::Systemove, cesta, qt_error_string(e));
    }
    for (const auto& jiny : vystupy_) {
        if (jiny->cil == v->cil || StejnySoubor(jiny->cil, v->cil)) {
            return selhani(DruhSelhani::Stejny, cesta,
                           Text(id::StejnySoubor, jazyk_)
                               .arg(QDir::toNativeSeparators(jiny->jmeno), QDir::toNativeSeparators(cesta)));
        }
    }
    v->soubor = std::make_unique<QSaveFile>(v->cil);
    if (!v->soubor->open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !zapisVse(*v->soubor, bajty)) {
        const QString proc = v->soubor->errorString();
        v->soubor->cancelWriting();
        return selhani(DruhSelhani::Systemove, cesta, proc);
    }
    vystupy_.push_back(std::move(v));
    return true;
}

bool SadaVystupu::potvrd() {
    // The targets replaced first must be able to come back should a later one fail: each but the
    // last keeps its present file under a second name until all are in place.
    for (std::size_t i = 0; i + 1 < vystupy_.size(); ++i) {
        Vystup& v = *vystupy_[i];
        if (v.existoval) {
            QString proc;
            v.zaloha = zalohuj(v.cil, &proc);
            if (v.zaloha.isEmpty()) {
                return selhani(DruhSelhani::Systemove, v.jmeno, proc);
            }
        }
    }
    for (std::size_t i = 0; i < vystupy_.size(); ++i) {
        Vystup& v = *vystupy_[i];
        if (v.soubor->commit()) {
            v.potvrzen = true;
            continue;
        }
        const QString proc = v.soubor->errorString();
        const QString jmeno = v.jmeno;
        for (std::size_t j = 0; j < i; ++j) {
            Vystup& hotovy = *vystupy_[j];
            const QByteArray cil = QFile::encodeName(hotovy.cil);
            if (hotovy.existoval) {
                // Moved back, or (should even that fail) left beside the target for the user.
                ::rename(QFile::encodeName(hotovy.zaloha).constData(), cil.constData());
                hotovy.zaloha.clear();
            } else {
                ::unlink(cil.constData());
            }
        }
        return selhani(DruhSelhani::Systemove, jmeno, proc);
    }
    for (const auto& v : vystupy_) {
        if (!v->zaloha.isEmpty()) {
            QFile::remove(v->zaloha);
        }
    }
    vystupy_.clear();
    return true;
}

bool StejnySoubor(const QString& a, const QString& b) {
    struct stat sa {};
    struct stat sb {};
    const bool jeA = ::stat(QFile::encodeName(a).constData(), &sa) == 0;
    const bool jeB = ::stat(QFile::encodeName(b).constData(), &sb) == 0;
    if (jeA && jeB) {
        return sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    }
    // A file that is there is never one that is not; two that are not are the same when they
    // resolve to the same path.
    return !jeA && !jeB && cilCesty(a) == cilCesty(b);
}

bool writeWhole(const QString& cesta, const QByteArray& bajty, QString* chyba, Jazyk jazyk) {
    SadaVystupu sada(jazyk);
    if (!sada.pridej(cesta, bajty) || !sada.potvrd()) {
        *chyba = sada.chyba();
        return false;
    }
    return true;
}

bool writeAllOrNone(const QList<std::pair<QString, QByteArray>>& soubory, QString* cesta, QString* chyba,
                    Jazyk jazyk) {
    SadaVystupu sada(jazyk);
    for (const auto& [kam, bajty] : soubory) {
        if (!sada.pridej(kam, bajty)) {
            break;
        }
    }
    if (sada.druh() != DruhSelhani::Zadne || !sada.potvrd()) {
        *cesta = sada.cesta();
        *chyba = sada.chyba();
        return false;
    }
    return true;
}

}  // namespace zorvet
