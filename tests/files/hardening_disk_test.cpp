// Saving onto a disk that fails: a path whose folder cannot exist, a working folder that was
// deleted, a full disk (the process's file size limit, which fails a write as a full disk does)
// and a full device. Whatever fails, the old file stays as it was, the File Error message
// names the file, and nothing is reported as success. (The tests run as root, where folder
// permissions are not enforced, so a read-only folder is no failure here.)
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTemporaryDir>
#include <csignal>
#include <memory>
#include <tuple>

#include "files/materialy.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "model/stav.h"
#include "support/skriptovane_dialogy.h"

namespace zorvet {
namespace {

using test::SkriptovaneDialogy;

enum class Co { Zadani, Vysledky, PridaniMaterialu, PrepsaniMaterialu };
enum class Jak { SlozkaJeSoubor, SmazanaSlozka, PlnyDisk, PlneZarizeni };

const char* jmeno(Co co) {
    switch (co) {
        case Co::Zadani: return "Problem";
        case Co::Vysledky: return "Results";
        case Co::PridaniMaterialu: return "NewMaterial";
        case Co::PrepsaniMaterialu: return "OverwrittenMaterial";
    }
    return "";
}

const char* jmeno(Jak jak) {
    switch (jak) {
        case Jak::SlozkaJeSoubor: return "FolderIsAFile";
        case Jak::SmazanaSlozka: return "DeletedFolder";
        case Jak::PlnyDisk: return "FullDisk";
        case Jak::PlneZarizeni: return "FullDevice";
    }
    return "";
}

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapis(const QString& cesta, const QByteArray& bajty) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(bajty), bajty.size());
}

const QByteArray kStareMaterialy = "Carbon steel\r\n 460  7850 \r\nCopper\r\n 385  8900 \r\n";
const QByteArray kStaraUloha = "an older file the failed save must not touch\r\n";

std::unique_ptr<Stav> vypocteny() {
    auto s = std::make_unique<Stav>();
    Uloha& u = s->Uloha;
    u.Tpece = 1000.0f;
    u.Tv = 20.0f;
    u.Tk = 900.0f;
    u.CasKrok = 10.0f;
    u.NazevMaterialu = "Carbon steel";
    u.m = 100.0f;
    u.A = 1.0f;
    u.c = 500.0f;
    u.Eps = 0.8f;
    u.Gama = 7850.0f;
    u.ZadaniHmotnosti = "Z";
    u.KoefK = 1.0f;
    s->PocetKroku = 40;
    for (int i = 0; i <= 40; ++i) {
        s->Vysledky.Cas[static_cast<std::size_t>(i)] = 10.0f * static_cast<float>(i);
        s->Vysledky.TeplotaVsazky[static_cast<std::size_t>(i)] = 20.0f + 22.0f * static_cast<float>(i);
    }
    return s;
}

class SelhavajiciDisk : public ::testing::TestWithParam<std::tuple<Co, Jak>> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        ASSERT_TRUE(dir_.isValid());
        puvodniSlozka_ = QDir::currentPath();
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &puvodniMez_), 0);
        puvodniSignal_ = std::signal(SIGXFSZ, SIG_IGN);  // a write past the limit fails instead
    }
    void TearDown() override {
        setrlimit(RLIMIT_FSIZE, &puvodniMez_);
        std::signal(SIGXFSZ, puvodniSignal_);
        QDir::setCurrent(puvodniSlozka_);
        QLocale::setDefault(QLocale::c());
    }

    // From here on no file of this process grows beyond a few bytes, as on a full disk.
    static void zaplnDisk() {
        rlimit mez{};
        ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &mez), 0);
        mez.rlim_cur = 16;
        ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &mez), 0);
    }

    // A full device of our own (/dev/full's numbers) in the test's folder: a failure to
    // handle it may then replace only this node, never the system's /dev/full.
    bool plneZarizeni(const QString& cesta) {
        return mknod(QFile::encodeName(cesta).constData(), S_IFCHR | 0666, makedev(1, 7)) == 0;
    }

    static bool jeZarizeni(const QString& cesta) {
        struct stat st {};
        return stat(QFile::encodeName(cesta).constData(), &st) == 0 && S_ISCHR(st.st_mode);
    }

    QTemporaryDir dir_;
    QString puvodniSlozka_;
    rlimit puvodniMez_{};
    void (*puvodniSignal_)(int) = SIG_DFL;
};

TEST_P(SelhavajiciDisk, OldFileIntactFileErrorNamesTheFileNoSuccess) {
    const auto [co, jak] = GetParam();
    SkriptovaneDialogy d;
    auto stav = vypocteny();

    if (co == Co::Zadani || co == Co::Vysledky) {
        QString cesta = dir_.filePath(QStringLiteral("problem.odp"));
        switch (jak) {
            case Jak::SlozkaJeSoubor:
                zapis(dir_.filePath(QStringLiteral("archive")), kStaraUloha);
                cesta = dir_.filePath(QStringLiteral("archive/problem.odp"));
                break;
            case Jak::SmazanaSlozka:
            case Jak::PlnyDisk:
                zapis(cesta, kStaraUloha);
                zaplnDisk();
                break;
            case Jak::PlneZarizeni:
                cesta = dir_.filePath(QStringLiteral("full"));
                if (!plneZarizeni(cesta)) {
                    GTEST_SKIP() << "no device node can be made here";
                }
                break;
        }
        d.odpovedi = {true};
        d.vstupy = {QStringLiteral("Billets for order 4711")};
        EXPECT_FALSE(UlozSoubor(*stav, d, cesta, co == Co::Vysledky));
        setrlimit(RLIMIT_FSIZE, &puvodniMez_);

        ASSERT_EQ(d.zpravy.size(), 1);
        EXPECT_EQ(d.zpravy[0].ikona, Ikona::Vykricnik);
        EXPECT_EQ(d.zpravy[0].titulek, Text(98, kAnglicky));
        EXPECT_TRUE(d.zpravy[0].text.startsWith(QDir::toNativeSeparators(cesta) + QLatin1Char('\n')))
            << d.zpravy[0].text.toStdString();
        EXPECT_GT(d.zpravy[0].text.size(), QDir::toNativeSeparators(cesta).size() + 1);  // the system's reason
        EXPECT_EQ(d.cekani, 0);
        EXPECT_EQ(stav->Komentar, "Billets for order 4711");  // the comment asked for stays
        if (jak == Jak::PlneZarizeni) {
            EXPECT_TRUE(jeZarizeni(cesta)) << "the device was replaced by a file";
        } else if (jak == Jak::SlozkaJeSoubor) {
            EXPECT_EQ(obsah(dir_.filePath(QStringLiteral("archive"))), kStaraUloha);
        } else {
            EXPECT_EQ(obsah(cesta), kStaraUloha);
        }
        // Nothing left behind: no temporary file, no partial file.
        const QStringList zbylo = QDir(dir_.path()).entryList(QDir::Files | QDir::System | QDir::Hidden);
        EXPECT_EQ(zbylo.size(), 1) << zbylo.join(QLatin1Char(' ')).toStdString();
        return;
    }

    // The material database lies in the working folder.
    const QString slozka = dir_.filePath(QStringLiteral("db"));
    ASSERT_TRUE(QDir().mkpath(slozka));
    ASSERT_TRUE(QDir::setCurrent(slozka));
    const QString lst = QDir(slozka).filePath(QStringLiteral("Material.lst"));
    zapis(lst, kStareMaterialy);
    NactiMaterialy(*stav);
    ASSERT_EQ(PocetZaznamu(*stav), 2);
    if (jak == Jak::SmazanaSlozka) {
        ASSERT_TRUE(QFile::remove(lst));
        ASSERT_EQ(rmdir(QFile::encodeName(slozka).constData()), 0);
    } else {
        zaplnDisk();
    }
    const auto pred = std::make_unique<Stav>(*stav);
    const bool prepsat = co == Co::PrepsaniMaterialu;
    if (prepsat) {
        d.odpovedi = {true};
    }
    const UlozeniMaterialu vysledek = UlozMaterial(*stav, d, prepsat ? QStringLiteral("Copper") : QStringLiteral("Brass"),
                                                   QStringLiteral("380"), QStringLiteral("8500"));
    setrlimit(RLIMIT_FSIZE, &puvodniMez_);

    EXPECT_EQ(vysledek, UlozeniMaterialu::Chyba);
    ASSERT_EQ(d.zpravy.size(), 1);  // the error only, no "Database Completed" or "Overwriting"
    EXPECT_EQ(d.zpravy[0].ikona, Ikona::Vykricnik);
    EXPECT_EQ(d.zpravy[0].titulek, Text(98, kAnglicky));
    // The folder's name when the system still knows it (a deleted working folder has none).
    const QString prvniRadek = d.zpravy[0].text.section(QLatin1Char('\n'), 0, 0);
    EXPECT_TRUE(jak == Jak::SmazanaSlozka ? prvniRadek.endsWith(QStringLiteral("Material.lst"))
                                          : prvniRadek == QDir::toNativeSeparators(lst))
        << prvniRadek.toStdString();
    EXPECT_GT(d.zpravy[0].text.size(), prvniRadek.size() + 1);
    // The table is what the file still says.
    EXPECT_EQ(stav->PocetMaterialu, pred->PocetMaterialu);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(stav->Materialy[i].Nazev, pred->Materialy[i].Nazev);
        EXPECT_EQ(stav->Materialy[i].c, pred->Materialy[i].c);
        EXPECT_EQ(stav->Materialy[i].Gama, pred->Materialy[i].Gama);
    }
    if (jak == Jak::PlnyDisk) {
        EXPECT_EQ(obsah(lst), kStareMaterialy);
        EXPECT_EQ(QDir(slozka).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("Material.lst")});
    } else {
        EXPECT_FALSE(QFileInfo::exists(slozka));
    }
}

INSTANTIATE_TEST_SUITE_P(Pripady, SelhavajiciDisk,
                         ::testing::Values(std::tuple(Co::Zadani, Jak::SlozkaJeSoubor),
                                           std::tuple(Co::Zadani, Jak::PlnyDisk),
                                           std::tuple(Co::Zadani, Jak::PlneZarizeni),
                                           std::tuple(Co::Vysledky, Jak::SlozkaJeSoubor),
                                           std::tuple(Co::Vysledky, Jak::PlnyDisk),
                                           std::tuple(Co::Vysledky, Jak::PlneZarizeni),
                                           std::tuple(Co::PridaniMaterialu, Jak::SmazanaSlozka),
                                           std::tuple(Co::PridaniMaterialu, Jak::PlnyDisk),
                                           std::tuple(Co::PrepsaniMaterialu, Jak::SmazanaSlozka),
                                           std::tuple(Co::PrepsaniMaterialu, Jak::PlnyDisk)),
                         [](const auto& info) {
                             return std::string(jmeno(std::get<0>(info.param))) + "_" +
                                    jmeno(std::get<1>(info.param));
                         });

// Reading what is no regular file: a device that never ends, one that never gives a byte,
// a folder, a pipe without a writer. Each is refused at once with the File Error message,
// the state untouched.
class NeniSoubor : public ::testing::TestWithParam<const char*> {};

TEST_P(NeniSoubor, IsRefusedAtOnce) {
    QString cesta = QString::fromLatin1(GetParam());
    QTemporaryDir dir;
    if (cesta == QLatin1String("fifo")) {
        // A pipe that nobody writes to: opening it would wait for ever.
        cesta = dir.filePath(QStringLiteral("pipe.cfg"));
        ASSERT_EQ(mkfifo(QFile::encodeName(cesta).constData(), 0600), 0);
    }
    if (!QFileInfo::exists(cesta)) {
        GTEST_SKIP() << "no " << GetParam() << " here";
    }
    for (const bool sVysledky : {false, true}) {
        auto stav = vypocteny();
        SkriptovaneDialogy d;
        EXPECT_FALSE(NactiSoubor(*stav, d, cesta, sVysledky));
        ASSERT_EQ(d.zpravy.size(), 1);
        EXPECT_EQ(d.zpravy[0].titulek, Text(98, kAnglicky));
        EXPECT_TRUE(d.zpravy[0].text.startsWith(cesta + QLatin1Char('\n')));
        EXPECT_EQ(stav->PocetKroku, 40);
        EXPECT_EQ(stav->Uloha.Tpece, 1000.0f);
        EXPECT_EQ(d.cekani, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Zarizeni, NeniSoubor, ::testing::Values("/dev/zero", "/dev/full", "/dev/null", "/", "fifo"),
                         [](const auto& info) {
                             QString j = QString::fromLatin1(info.param);
                             j.replace(QLatin1Char('/'), QLatin1Char('_'));
                             return j == QLatin1String("_") ? std::string("root_folder") : j.mid(1).toStdString();
                         });

}  // namespace
}  // namespace zorvet
