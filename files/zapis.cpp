#include "files/zapis.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QSaveFile>
#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include "files/retezce.h"

namespace zorvet {

namespace {

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

// For tests of runs that meet, with the environment variable ZORVET_TEST_COMMIT_PAUSE set: a set
// says on standard error when it finds a folder locked by another ("waiting"), and after each of
// its commits but the last says so ("committed") and waits for a line (or the end) on standard
// input, holding its locks.
bool zkouskaSoubehu() {
    static const bool zkouska = !qEnvironmentVariableIsEmpty("ZORVET_TEST_COMMIT_PAUSE");
    return zkouska;
}

void hlasZkousce(const char* co) {
    if (zkouskaSoubehu()) {
        std::fprintf(stderr, "%s\n", co);
        std::fflush(stderr);
    }
}

void pockejNaZkousku() {
    if (zkouskaSoubehu()) {
        hlasZkousce("committed");
        for (int znak = std::getchar(); znak != EOF && znak != '\n'; znak = std::getchar()) {
        }
    }
}

// The lock of the outputs of one folder, held while a set puts its files in place there: two
// runs that write the same targets at once leave each target from one of them and every set
// whole, never the files of one beside the files of the other. An advisory lock (flock) on the
// file .zorvet.lock of the folder: the system lets it go when its holder ends in any way, so no
// lock goes stale. The holder removes the file before it lets go, and a taker keeps the lock
// only while the file it locked is still the one of that name (else it takes the new one).
class ZamekSlozky {
public:
    explicit ZamekSlozky(const QString& slozka) : cesta_(QFile::encodeName(slozka + QStringLiteral("/.zorvet.lock"))) {}
    ~ZamekSlozky() {
        if (fd_ >= 0) {
            ::unlink(cesta_.constData());
            ::close(fd_);
        }
    }
    ZamekSlozky(const ZamekSlozky&) = delete;
    ZamekSlozky& operator=(const ZamekSlozky&) = delete;

    // Waits until the lock is held. A folder where the file can be neither made nor opened (one
    // that cannot be written, whose outputs then fail on their own) is written without it.
    void zamkni() {
        for (;;) {
            int fd = ::open(cesta_.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0666);
            if (fd < 0 && errno == EACCES) {
                fd = ::open(cesta_.constData(), O_RDONLY | O_CLOEXEC | O_NOFOLLOW);
            }
            if (fd < 0) {
                return;
            }
            if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
                hlasZkousce("waiting");
                int r = 0;
                while ((r = ::flock(fd, LOCK_EX)) != 0 && errno == EINTR) {
                }
                if (r != 0) {
                    ::close(fd);
                    return;
                }
            }
            struct stat zamceny {};
            struct stat jmeno {};
            if (::fstat(fd, &zamceny) == 0 && ::stat(cesta_.constData(), &jmeno) == 0 &&
                zamceny.st_dev == jmeno.st_dev && zamceny.st_ino == jmeno.st_ino) {
                fd_ = fd;
                return;
            }
            ::close(fd);  // its holder removed it on letting go
        }
    }

private:
    QByteArray cesta_;
    int fd_ = -1;
};

}  // namespace

bool ZapisCely(QFileDevice& soubor, const QByteArray& bajty) {
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
    if (!v->soubor->open(QIODevice::WriteOnly | QIODevice::Unbuffered) || !ZapisCely(*v->soubor, bajty)) {
        const QString proc = v->soubor->errorString();
        v->soubor->cancelWriting();
        return selhani(DruhSelhani::Systemove, cesta, proc);
    }
    vystupy_.push_back(std::move(v));
    return true;
}

namespace {

// The locks of the folders of the targets, each taken once and in one order, so that two sets
// that share folders never wait for each other both.
std::vector<std::unique_ptr<ZamekSlozky>> zamkniSlozky(QStringList slozky) {
    slozky.sort();
    slozky.removeDuplicates();
    std::vector<std::unique_ptr<ZamekSlozky>> zamky;
    for (const QString& slozka : slozky) {
        zamky.push_back(std::make_unique<ZamekSlozky>(slozka));
        zamky.back()->zamkni();
    }
    return zamky;
}

}  // namespace

bool SadaVystupu::potvrd() {
    QStringList slozky;
    for (const auto& v : vystupy_) {
        slozky.append(QFileInfo(v->cil).absolutePath());
    }
    const std::vector<std::unique_ptr<ZamekSlozky>> zamky = zamkniSlozky(slozky);
    // The targets replaced first must be able to come back should a later one fail: each but the
    // last keeps its present file under a second name until all are in place. Whether a target
    // is there is asked again under the lock: another run may have made it meanwhile.
    for (std::size_t i = 0; i + 1 < vystupy_.size(); ++i) {
        Vystup& v = *vystupy_[i];
        struct stat st {};
        v.existoval = ::stat(QFile::encodeName(v.cil).constData(), &st) == 0;
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
            if (i + 1 < vystupy_.size()) {
                pockejNaZkousku();
            }
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
