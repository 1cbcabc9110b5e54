#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QProcess>
#include <QTemporaryDir>
#include <charconv>
#include <functional>
#include <memory>

#include "files/soubor.h"
#include "model/stav.h"
#include "support/skriptovane_dialogy.h"

namespace zorvet {
namespace {

struct Beh {
    int kod = -1;
    QString out;
    QString err;
};

QString priklad(const char* jmeno) { return QStringLiteral(ZORVET_EXAMPLES "/") + QString::fromLatin1(jmeno); }

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs the program with the settings in a fresh folder and the locale given, never the machine's.
class Davka : public ::testing::Test {
protected:
    Beh spust(const QStringList& argumenty, const char* lokal = "en_US.UTF-8") {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lokal));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lokal));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZORVET_PROGRAM), argumenty);
        EXPECT_TRUE(p.waitForFinished(60000));
        Beh b;
        b.kod = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
        b.out = QString::fromUtf8(p.readAllStandardOutput());
        b.err = QString::fromUtf8(p.readAllStandardError());
        return b;
    }

public:
    QString soubor(const char* jmeno) const { return dir_.filePath(QString::fromLatin1(jmeno)); }
    // An example problem with one value line changed.
    QString upraveny(const char* zdroj, const char* puvodne, const char* nove) {
        QByteArray text = obsah(priklad(zdroj));
        EXPECT_TRUE(text.contains(puvodne));
        text.replace(puvodne, nove);
        const QString cesta = soubor("upraveny.cfg");
        QFile f(cesta);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
        return cesta;
    }

protected:
    QTemporaryDir dir_;
};

TEST_F(Davka, WorkedExampleInEnglish) {
    const Beh b = spust({QStringLiteral("compute"), priklad("uncontrolled.cfg")});
    EXPECT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_EQ(b.out, QStringLiteral("Final temperature 901 °C have been obtained during 470 s.\n"
                                    "Heat Losses [%]: 0\n"
                                    "Power Required [W]: 93617.02\n"
                                    "Power Consumption [Wh]: 12222.22\n"));
    EXPECT_TRUE(b.err.isEmpty());
}

TEST_F(Davka, CzechMessagesAndTheCommaLocale) {
    const Beh b = spust({QStringLiteral("compute"), priklad("uncontrolled.cfg"), QStringLiteral("--language"),
                         QStringLiteral("cs"), QStringLiteral("--losses"), QStringLiteral("10")},
                        "cs_CZ.UTF-8");
    EXPECT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_EQ(b.out, QStringLiteral("Konečné teploty  901 °C je dosaženo za 470 s.\n"
                                    "Ztráty [%]: 10\n"
                                    "Potřebný příkon [W]: 102978,7\n"
                                    "Spotřeba energie [Wh]: 12222,22\n"));
}

TEST_F(Davka, TheStoredLanguageIsTheDefault) {
    ASSERT_TRUE(QDir().mkpath(soubor("config/Zorvet")));
    QFile f(soubor("config/Zorvet/Zorvet.conf"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("[Settings]\nLanguage=200\n");
    f.close();
    const Beh b = spust({QStringLiteral("compute"), priklad("uncontrolled.cfg")});
    EXPECT_TRUE(b.out.startsWith(QStringLiteral("Konečné teploty  901 °C"))) << b.out.toStdString();
    EXPECT_TRUE(spust({QStringLiteral("compute"), priklad("uncontrolled.cfg"), QStringLiteral("--language=en")})
                    .out.startsWith(QStringLiteral("Final temperature 901 °C")));
}

TEST_F(Davka, ResultsFileAndTableAgree) {
    const QString odp = soubor("r.odp");
    const QString csv = soubor("r.csv");
    const Beh b = spust({QStringLiteral("compute"), priklad("uncontrolled.cfg"), QStringLiteral("--results"), odp,
                         QStringLiteral("--csv"), csv});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(obsah(odp).startsWith("Furnace Temperature           [\xB0" "C]    :   1000 \r\n"));  // no comment
    const Beh t = spust({QStringLiteral("table"), odp});
    ASSERT_EQ(t.kod, 0) << t.err.toStdString();
    EXPECT_EQ(t.out.toUtf8(), obsah(csv));

    // Every value is the shortest text that reads back as the single of the results file.
    auto stav = std::make_unique<Stav>();
    test::SkriptovaneDialogy d;
    ASSERT_TRUE(NactiSoubor(*stav, d, odp, true));
    const QStringList radky = t.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(radky.size(), 1 + 48);
    EXPECT_EQ(radky[0], QStringLiteral("time_s,charge_C"));
    EXPECT_EQ(radky[1], QStringLiteral("0,20"));
    EXPECT_TRUE(radky[48].startsWith(QStringLiteral("470,900.7")));
    for (int i = 0; i <= 47; ++i) {
        const QStringList pole = radky[i + 1].split(QLatin1Char(','));
        ASSERT_EQ(pole.size(), 2);
        const float ocekavane[2] = {stav->Vysledky.Cas[i], stav->Vysledky.TeplotaVsazky[i]};
        for (int k = 0; k < 2; ++k) {
            const QByteArray text = pole[k].toLatin1();
            float x = 0.0f;
            std::from_chars(text.constData(), text.constData() + text.size(), x);
            EXPECT_EQ(x, ocekavane[k]) << text.constData();
            char nejkratsi[32];
            const auto r = std::to_chars(nejkratsi, nejkratsi + sizeof nejkratsi, ocekavane[k]);
            EXPECT_LE(text.size(), r.ptr - nejkratsi) << text.constData();
        }
    }
}

TEST_F(Davka, CommentAndControlledCurve) {
    const QString odp = soubor("c.odp");
    const Beh b = spust({QStringLiteral("compute"), priklad("controlled_curve.cfg"), QStringLiteral("--results"), odp,
                         QStringLiteral("--comment"), QStringLiteral("Zkouška pece")});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(obsah(odp).startsWith("Zkou\x9Aka pece\r\n\r\nFurnace Temperature           [\xB0" "C]    :\r\n"));
    const Beh t = spust({QStringLiteral("table"), odp});
    ASSERT_EQ(t.kod, 0) << t.err.toStdString();
    const QStringList radky = t.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(radky[0], QStringLiteral("time_s,charge_C,furnace_C"));
    EXPECT_EQ(radky[1], QStringLiteral("0,20,20"));
    EXPECT_TRUE(radky[61].endsWith(QStringLiteral(",600"))) << radky[61].toStdString();  // the end of the first ramp
}

TEST_F(Davka, ReductionFactorSlowsTheHeatUp) {
    const auto cas = [](const Beh& b) {
        const QString prvni = b.out.section(QLatin1Char('\n'), 0, 0);
        return prvni.section(QLatin1Char(' '), -2, -2).toDouble();
    };
    const Beh plna = spust({QStringLiteral("compute"), priklad("uncontrolled.cfg")});
    const Beh polovina =
        spust({QStringLiteral("compute"), priklad("uncontrolled.cfg"), QStringLiteral("--reduction"), QStringLiteral("0,5")});
    ASSERT_EQ(polovina.kod, 0) << polovina.err.toStdString();
    EXPECT_EQ(cas(plna), 470.0);
    EXPECT_GT(cas(polovina), 1.8 * cas(plna));
}

TEST_F(Davka, MassFromDimensions) {
    const Beh b = spust({QStringLiteral("compute"), priklad("mass_from_dimensions.cfg")});
    EXPECT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(b.out.startsWith(QStringLiteral("Final temperature 851 °C"))) << b.out.toStdString();
}

// Exit status and message of what cannot be used or computed.
struct Odmitnuti {
    const char* nazev;
    std::function<QStringList(Davka&)> argumenty;
    int kod;
    const char* chyba;  // part of the message on standard error
};

void PrintTo(const Odmitnuti& o, std::ostream* os) { *os << o.nazev; }

class DavkaOdmita : public Davka, public ::testing::WithParamInterface<Odmitnuti> {};

TEST_P(DavkaOdmita, ExitStatusAndMessage) {
    const Odmitnuti& o = GetParam();
    const Beh b = spust(o.argumenty(*this));
    EXPECT_EQ(b.kod, o.kod) << b.err.toStdString();
    EXPECT_TRUE(b.err.contains(QString::fromUtf8(o.chyba))) << b.err.toStdString();
    EXPECT_TRUE(b.err.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(b.out.isEmpty()) << b.out.toStdString();
}

QStringList compute(const QString& cesta, QStringList dalsi = {}) {
    return QStringList{QStringLiteral("compute"), cesta} + dalsi;
}

const Odmitnuti kOdmitnuti[] = {
    {"MissingFile", [](Davka& d) { return compute(d.soubor("none.cfg")); }, 2, "File Error"},
    {"NotAProblem", [](Davka&) { return compute(QStringLiteral(ZORVET_TEST_DATA "/unrelated.txt")); }, 2,
     "The file holds no problem setting."},
    {"TruncatedProblem", [](Davka&) { return compute(QStringLiteral(ZORVET_TEST_DATA "/truncated_problem.cfg")); },
     2, "The file ends before the problem setting is complete."},
    {"Incomplete", [](Davka&) { return compute(QStringLiteral(ZORVET_TEST_DATA "/zero_furnace_no_curve.cfg")); }, 2,
     "Setting Error: Incomplete setting or any value zero"},
    {"SurfaceTooLarge",
     [](Davka& d) {
         return compute(d.upraveny("mass_from_dimensions.cfg", "[m2]    :   1.28 ", "[m2]    :   9 "));
     },
     2, "This  interchange surface is greater than potential"},
    {"Overflow", [](Davka& d) { return compute(d.upraveny("uncontrolled.cfg", ":   1000 ", ":   800 ")); }, 1,
     "Evaluation Error: Within evaluation array overload. Set bigger iteration step in the setting."},
    {"TableOfAProblemFile", [](Davka&) { return QStringList{QStringLiteral("table"), priklad("uncontrolled.cfg")}; }, 2,
     "The file holds no results."},
    {"UnknownCommand", [](Davka&) { return QStringList{QStringLiteral("run")}; }, 2, "unknown command"},
    {"NoFile", [](Davka&) { return QStringList{QStringLiteral("compute")}; }, 2, "needs exactly one file"},
    {"UnknownOption", [](Davka&) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--fast")}); }, 2,
     "fast"},
    {"LossesNotANumber",
     [](Davka&) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--losses"), QStringLiteral("ten")}); },
     2, "--losses"},
    {"LossesOutOfRange",
     [](Davka&) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--losses=40000")}); }, 2, "--losses"},
    {"ReductionZero",
     [](Davka&) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--reduction=0")}); }, 2,
     "--reduction"},
    {"ReductionAboveOne",
     [](Davka&) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--reduction=1.5")}); }, 2,
     "--reduction"},
    {"Language", [](Davka&) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--language=de")}); }, 2,
     "--language"},
    {"OptionOfComputeForTable",
     [](Davka&) { return QStringList{QStringLiteral("table"), priklad("uncontrolled.cfg"), QStringLiteral("--csv=x")}; },
     2, "--csv"},
    {"ResultsCannotBeWritten",
     [](Davka& d) { return compute(priklad("uncontrolled.cfg"), {QStringLiteral("--results"), d.soubor("no/r.odp")}); },
     2, "File Error"},
};

INSTANTIATE_TEST_SUITE_P(Pripady, DavkaOdmita, ::testing::ValuesIn(kOdmitnuti),
                         [](const auto& info) { return std::string(info.param.nazev); });

TEST_F(Davka, HelpAndVersion) {
    const Beh h = spust({QStringLiteral("--help")});
    EXPECT_EQ(h.kod, 0);
    for (const char* slovo : {"compute", "table", "--results", "--csv", "--losses", "--language", "--comment",
                              "--reduction"}) {
        EXPECT_TRUE(h.out.contains(QString::fromLatin1(slovo))) << slovo;
    }
    const Beh v = spust({QStringLiteral("--version")});
    EXPECT_EQ(v.kod, 0);
    EXPECT_TRUE(v.out.startsWith(QStringLiteral("zorvet "))) << v.out.toStdString();
}

TEST_F(Davka, WithoutACommandOrDisplayTheWindowExplainsItself) {
    const Beh b = spust({});
    EXPECT_EQ(b.kod, 2);
    EXPECT_TRUE(b.err.contains(QStringLiteral("display")));
    EXPECT_TRUE(b.err.contains(QStringLiteral("zorvet compute")));
}

}  // namespace
}  // namespace zorvet
