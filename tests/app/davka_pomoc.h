// Runs the built zorvet program as users run it: a child process with the settings in a fresh
// folder, the locale given (never the machine's), no display and no platform chosen.
#pragma once

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <functional>
#include <vector>

namespace zorvet::test {

struct Beh {
    int kod = -1;
    QString out;
    QString err;
};

inline QString priklad(const char* jmeno) { return QStringLiteral(ZORVET_EXAMPLES "/") + QString::fromLatin1(jmeno); }

inline QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Davka : public ::testing::Test {
public:
    Beh spust(const QStringList& argumenty, const char* lokal = "en_US.UTF-8",
              const std::function<void(QProcessEnvironment&)>& uprav = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), soubor("config"));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lokal));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lokal));
        for (const char* promenna : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM", "XDG_RUNTIME_DIR"}) {
            env.remove(QString::fromLatin1(promenna));
        }
        if (uprav) {
            uprav(env);
        }
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZORVET_PROGRAM), argumenty);
        EXPECT_TRUE(p.waitForFinished(60000));
        Beh b;
        b.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        b.out = QString::fromUtf8(p.readAllStandardOutput());
        b.err = QString::fromUtf8(p.readAllStandardError());
        return b;
    }

    QString soubor(const char* jmeno) const { return dir_.filePath(QString::fromUtf8(jmeno)); }

    // Arguments as written in a table: "ex:" names an example problem, "data:" a test data
    // file, "@" a file in the test's own folder.
    QStringList argumenty(const std::vector<const char*>& texty) const {
        QStringList a;
        for (const char* t : texty) {
            const QString s = QString::fromUtf8(t);
            if (s.startsWith(QLatin1String("ex:"))) {
                a << priklad(t + 3);
            } else if (s.startsWith(QLatin1String("data:"))) {
                a << QStringLiteral(ZORVET_TEST_DATA "/") + s.mid(5);
            } else if (s.startsWith(QLatin1Char('@'))) {
                a << soubor(t + 1);
            } else {
                a << s;
            }
        }
        return a;
    }

    // An example problem with one value text changed, written into the test's folder as jmeno.
    QString upraveny(const char* zdroj, const char* puvodne, const char* nove, const char* jmeno = "upraveny.cfg") {
        QByteArray text = obsah(priklad(zdroj));
        EXPECT_TRUE(text.contains(puvodne));
        text.replace(puvodne, nove);
        QFile f(soubor(jmeno));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return f.fileName();
    }
    // A results file of an example, computed by the batch command line.
    QString vysledky(const char* problem) {
        const QString odp = soubor("vysledky.odp");
        EXPECT_EQ(spust({QStringLiteral("compute"), priklad(problem), QStringLiteral("--results"), odp}).kod, 0);
        return odp;
    }

protected:
    QTemporaryDir dir_;
};

}  // namespace zorvet::test
