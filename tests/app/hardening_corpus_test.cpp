// The batch command line on every input the fuzz targets and the tests keep (seeds, found
// failures, data files, examples) and on what is no file at all: each run ends within a
// bounded time with exit status 0, 1 (the computation failed) or 2 (unusable input), a
// failure is one clear message on standard error and nothing on standard output, nothing is
// written beside the files asked for, no file asked for is left behind by a failed run, and
// the input is never touched. A results file that compute writes prints, through table, the
// very CSV that compute wrote.
#include <gtest/gtest.h>

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cctype>
#include <string>
#include <vector>

namespace {

// The folder the sources live in.
QString koren() { return QDir::cleanPath(QStringLiteral(ZORVET_EXAMPLES "/..")); }

std::vector<std::string> vstupy() {
    std::vector<std::string> cesty;
    for (const char* slozka : {"fuzz/corpus", "tests/files/data", "examples"}) {
        QDirIterator it(koren() + QLatin1Char('/') + QLatin1String(slozka), QDir::Files | QDir::Hidden,
                        QDirIterator::Subdirectories);
        QStringList nalezene;
        while (it.hasNext()) {
            nalezene.append(QDir(koren()).relativeFilePath(it.next()));
        }
        nalezene.sort();
        for (const QString& n : nalezene) {
            cesty.push_back(n.toStdString());
        }
    }
    // What is no problem file: devices that never end or give nothing, a folder, nothing.
    for (const char* zvlastni : {"/dev/zero", "/dev/full", "/dev/null", "/", "/nonexistent/problem.cfg"}) {
        cesty.emplace_back(zvlastni);
    }
    return cesty;
}

QString absolutni(const std::string& cesta) {
    const QString c = QString::fromStdString(cesta);
    return c.startsWith(QLatin1Char('/')) ? c : koren() + QLatin1Char('/') + c;
}

QByteArray otisk(const QString& cesta) {
    QFile f(cesta);
    if (!QFileInfo(cesta).isFile() || !f.open(QIODevice::ReadOnly)) {
        return QByteArray();
    }
    return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha256);
}

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Beh {
    bool dobehl = false;
    int kod = -1;
    QByteArray out;
    QByteArray err;
};

class KorpusDavky : public ::testing::TestWithParam<std::string> {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("work")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("config")));
        ASSERT_TRUE(QDir(dir_.path()).mkpath(QStringLiteral("out")));
    }

    // One run in an empty working folder, with the settings in a fresh folder and the locale
    // given, never the machine's; a generous bound guards against a hang.
    Beh spust(const QStringList& argumenty, const char* lokal) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lokal));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lokal));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.setWorkingDirectory(dir_.filePath(QStringLiteral("work")));
        p.start(QStringLiteral(ZORVET_PROGRAM), argumenty);
        Beh b;
        b.dobehl = p.waitForFinished(60000);
        if (!b.dobehl) {
            p.kill();
            p.waitForFinished();
        }
        b.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        b.out = p.readAllStandardOutput();
        b.err = p.readAllStandardError();
        return b;
    }

    static void overBeh(const Beh& b, std::initializer_list<int> dovolene, const std::string& co) {
        SCOPED_TRACE(co);
        ASSERT_TRUE(b.dobehl) << "no end within the bound";
        ASSERT_NE(b.kod, -1) << "crashed:\n" << b.err.toStdString();
        EXPECT_NE(std::find(dovolene.begin(), dovolene.end(), b.kod), dovolene.end())
            << "exit status " << b.kod << "\n" << b.err.toStdString();
        if (b.kod == 0) {
            EXPECT_TRUE(b.err.isEmpty()) << b.err.toStdString();
            EXPECT_FALSE(b.out.isEmpty());
        } else {
            EXPECT_TRUE(b.out.isEmpty()) << b.out.toStdString();
            EXPECT_TRUE(b.err.startsWith("zorvet: ")) << b.err.toStdString();
            EXPECT_TRUE(b.err.endsWith('\n'));
            EXPECT_GT(b.err.trimmed().size(), 20) << "a message that says nothing: " << b.err.toStdString();
        }
    }

    QStringList zbylo(const char* slozka) const {
        return QDir(dir_.filePath(QString::fromLatin1(slozka)))
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    }

    QTemporaryDir dir_;
};

TEST_P(KorpusDavky, EndsCleanlyWritesNothingUnaskedTouchesNoInput) {
    const QString vstup = absolutni(GetParam());
    const QByteArray pred = otisk(vstup);

    for (const char* lokal : {"en_US.UTF-8", "cs_CZ.UTF-8"}) {
        overBeh(spust({QStringLiteral("compute"), vstup}, lokal), {0, 1, 2}, std::string("compute ") + lokal);
    }
    overBeh(spust({QStringLiteral("table"), vstup}, "en_US.UTF-8"), {0, 2}, "table");
    EXPECT_EQ(zbylo("work"), QStringList());
    EXPECT_EQ(zbylo("config"), QStringList()) << "the settings were written";

    // With files asked for: all of them on success, none of them otherwise.
    const QString odp = dir_.filePath(QStringLiteral("out/result.odp"));
    const QString csv = dir_.filePath(QStringLiteral("out/result.csv"));
    const Beh s = spust({QStringLiteral("compute"), vstup, QStringLiteral("--results"), odp, QStringLiteral("--csv"), csv},
                        "cs_CZ.UTF-8");
    overBeh(s, {0, 1, 2}, "compute with files");
    if (s.kod == 0) {
        EXPECT_EQ(zbylo("out"), (QStringList{QStringLiteral("result.csv"), QStringLiteral("result.odp")}));
        const Beh t = spust({QStringLiteral("table"), odp}, "en_US.UTF-8");
        overBeh(t, {0}, "table of the written results");
        EXPECT_EQ(t.out, obsah(csv)) << "the results file does not hold the computed table";
    } else {
        EXPECT_EQ(zbylo("out"), QStringList());
    }
    EXPECT_EQ(zbylo("work"), QStringList());
    EXPECT_EQ(otisk(vstup), pred) << "the input was changed";
}

INSTANTIATE_TEST_SUITE_P(Vstupy, KorpusDavky, ::testing::ValuesIn(vstupy()), [](const auto& info) {
    std::string jmeno;
    for (const char ch : info.param) {
        jmeno += std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
    }
    return jmeno + "_" + std::to_string(info.index);
});

}  // namespace
