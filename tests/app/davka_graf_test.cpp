// "zorvet chart": the heat-up chart drawn into a PNG, SVG or PDF file from the command line,
// run as users run it, without a display.
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSize>
#include <QTemporaryDir>
#include <functional>

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

// Width and height from a PNG's header chunk.
QSize velikostPng(const QByteArray& png) {
    if (!png.startsWith("\x89PNG\r\n\x1a\n") || png.mid(12, 4) != "IHDR") {
        return {};
    }
    const auto cislo = [&png](int od) {
        int n = 0;
        for (int i = 0; i < 4; ++i) {
            n = (n << 8) | static_cast<unsigned char>(png.at(od + i));
        }
        return n;
    };
    return {cislo(16), cislo(20)};
}

class GrafDavka : public ::testing::Test {
protected:
    // The settings in a fresh folder, the locale given, no display and no platform chosen.
    Beh spust(const QStringList& argumenty, const char* lokal = "en_US.UTF-8",
              const std::function<void(QProcessEnvironment&)>& uprav = {}) {
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), dir_.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lokal));
        env.insert(QStringLiteral("LANG"), QString::fromLatin1(lokal));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env.remove(QStringLiteral("XDG_RUNTIME_DIR"));
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

public:
    QString soubor(const QString& jmeno) const { return dir_.filePath(jmeno); }
    // A results file of an example, computed by the batch command line.
    QString vysledky(const char* problem) {
        const QString odp = soubor(QStringLiteral("vysledky.odp"));
        EXPECT_EQ(spust({QStringLiteral("compute"), priklad(problem), QStringLiteral("--results"), odp}).kod, 0);
        return odp;
    }

protected:
    QTemporaryDir dir_;
};

// One picture per row: what is drawn, in which language and size, and what the file holds.
struct Obrazek {
    const char* nazev;
    bool zVysledku;  // from a results file rather than a problem
    const char* problem;
    const char* vystup;
    QStringList volby;
    const char* lokal;
    QSize velikost;
    const char* titulek;
};

void PrintTo(const Obrazek& o, std::ostream* os) { *os << o.nazev; }

class GrafDavkaKresli : public GrafDavka, public ::testing::WithParamInterface<Obrazek> {};

TEST_P(GrafDavkaKresli, WritesThePictureAndNothingElse) {
    const Obrazek& o = GetParam();
    const QString vstup = o.zVysledku ? vysledky(o.problem) : priklad(o.problem);
    const QString cesta = soubor(QString::fromLatin1(o.vystup));
    const Beh b = spust(QStringList{QStringLiteral("chart"), vstup, QStringLiteral("--output"), cesta} + o.volby,
                        o.lokal);
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    // Silent on success: no result line and none of the platform's remarks.
    EXPECT_TRUE(b.out.isEmpty()) << b.out.toStdString();
    EXPECT_TRUE(b.err.isEmpty()) << b.err.toStdString();
    const QByteArray data = obsah(cesta);
    const QString pripona = cesta.section(QLatin1Char('.'), -1).toLower();
    if (pripona == QLatin1String("png")) {
        EXPECT_EQ(velikostPng(data), o.velikost);
    } else if (pripona == QLatin1String("svg")) {
        const QString text = QString::fromUtf8(data);
        EXPECT_TRUE(text.startsWith(QStringLiteral("<?xml"))) << text.left(40).toStdString();
        const QRegularExpression koren(QStringLiteral("<svg [^>]*viewBox=\"0 0 (\\d+) (\\d+)\""));
        const auto shoda = koren.match(text);
        ASSERT_TRUE(shoda.hasMatch());
        EXPECT_EQ(QSize(shoda.captured(1).toInt(), shoda.captured(2).toInt()), o.velikost);
        EXPECT_TRUE(text.contains(QStringLiteral("<title>%1</title>").arg(QString::fromUtf8(o.titulek))));
    } else {
        ASSERT_TRUE(data.startsWith("%PDF-1.")) << data.left(10).toStdString();
        const QRegularExpression media(QStringLiteral("/MediaBox \\[0 0 ([0-9.]+) ([0-9.]+)\\]"));
        const auto shoda = media.match(QString::fromLatin1(data));
        ASSERT_TRUE(shoda.hasMatch());
        // Points: 72 to the inch, the picture at 300 pixels to the inch.
        EXPECT_NEAR(shoda.captured(1).toDouble(), o.velikost.width() * 72.0 / 300.0, 1.0);
        EXPECT_NEAR(shoda.captured(2).toDouble(), o.velikost.height() * 72.0 / 300.0, 1.0);
    }
}

const Obrazek kObrazky[] = {
    {"ProblemToPng", false, "controlled_curve.cfg", "graf.png", {}, "en_US.UTF-8", {2400, 1800}, ""},
    {"ProblemToPngSized", false, "uncontrolled.cfg", "graf.png", {"--size", "640x480"}, "en_US.UTF-8", {640, 480}, ""},
    {"ProblemToSvgInCzech", false, "uncontrolled.cfg", "graf.svg", {"--language", "cs"}, "cs_CZ.UTF-8", {2400, 1800},
     "Průběh ohřevu"},
    {"ProblemToSvgInEnglishUnderTheCommaLocale", false, "controlled_curve.cfg", "graf.svg", {"--language=en"},
     "cs_CZ.UTF-8", {2400, 1800}, "Heating Progress"},
    {"ResultsToPdf", true, "controlled_curve.cfg", "graf.pdf", {"--size", "1200X900"}, "en_US.UTF-8", {1200, 900},
     ""},
    {"ResultsToSvgUpperCaseExtension", true, "uncontrolled.cfg", "GRAF.SVG", {"--size=3000x1000", "--language=cs"},
     "en_US.UTF-8", {3000, 1000}, "Průběh ohřevu"},
    {"ProblemWithReductionToPdf", false, "uncontrolled.cfg", "graf.pdf", {"--reduction", "0,5"}, "en_US.UTF-8",
     {2400, 1800}, ""},
};

INSTANTIATE_TEST_SUITE_P(Pripady, GrafDavkaKresli, ::testing::ValuesIn(kObrazky),
                         [](const auto& info) { return std::string(info.param.nazev); });

// A results file is drawn as it was computed: the same picture as its problem computed anew.
TEST_F(GrafDavka, AResultsFileDrawsTheChartOfItsProblem) {
    const QString odp = vysledky("controlled_curve.cfg");
    const QString zProblemu = soubor(QStringLiteral("problem.png"));
    const QString zVysledku = soubor(QStringLiteral("vysledky.png"));
    ASSERT_EQ(spust({QStringLiteral("chart"), priklad("controlled_curve.cfg"), QStringLiteral("--output"), zProblemu})
                  .kod,
              0);
    ASSERT_EQ(spust({QStringLiteral("chart"), odp, QStringLiteral("--output"), zVysledku}).kod, 0);
    EXPECT_FALSE(obsah(zProblemu).isEmpty());
    EXPECT_EQ(obsah(zProblemu), obsah(zVysledku));
    // A shorter reduction-free computation would draw something else.
    const QString zkracene = soubor(QStringLiteral("zkracene.png"));
    ASSERT_EQ(spust({QStringLiteral("chart"), priklad("controlled_curve.cfg"), QStringLiteral("--output"), zkracene,
                     QStringLiteral("--reduction=0.5")})
                  .kod,
              0);
    EXPECT_NE(obsah(zkracene), obsah(zProblemu));
}

// compute and table never start the widgets: a platform that cannot start without a
// display does not stop them.
TEST_F(GrafDavka, ComputeAndTableNeedNoWindowingPlatform) {
    const auto xcb = [](QProcessEnvironment& env) { env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); };
    const QString odp = soubor(QStringLiteral("r.odp"));
    const Beh c = spust({QStringLiteral("compute"), priklad("uncontrolled.cfg"), QStringLiteral("--results"), odp},
                        "en_US.UTF-8", xcb);
    EXPECT_EQ(c.kod, 0) << c.err.toStdString();
    const Beh t = spust({QStringLiteral("table"), odp}, "en_US.UTF-8", xcb);
    EXPECT_EQ(t.kod, 0) << t.err.toStdString();
    EXPECT_TRUE(t.out.startsWith(QStringLiteral("time_s,charge_C\n0,20\n")));
}

// What cannot be drawn: the exit status, the message, and no picture left behind.
struct Odmitnuti {
    const char* nazev;
    std::function<QStringList(GrafDavka&)> argumenty;
    int kod;
    const char* chyba;  // part of the message on standard error
};

void PrintTo(const Odmitnuti& o, std::ostream* os) { *os << o.nazev; }

class GrafDavkaOdmita : public GrafDavka, public ::testing::WithParamInterface<Odmitnuti> {};

TEST_P(GrafDavkaOdmita, ExitStatusAndMessage) {
    const Odmitnuti& o = GetParam();
    const Beh b = spust(o.argumenty(*this));
    EXPECT_EQ(b.kod, o.kod) << b.err.toStdString();
    EXPECT_TRUE(b.err.contains(QString::fromUtf8(o.chyba))) << b.err.toStdString();
    EXPECT_TRUE(b.out.isEmpty()) << b.out.toStdString();
    EXPECT_FALSE(QFile::exists(soubor(QStringLiteral("graf.png"))));
}

QStringList chart(const QString& vstup, const QStringList& dalsi) {
    return QStringList{QStringLiteral("chart"), vstup} + dalsi;
}

QStringList doPng(GrafDavka& d, const QStringList& dalsi = {}) {
    return QStringList{QStringLiteral("--output"), d.soubor(QStringLiteral("graf.png"))} + dalsi;
}

const Odmitnuti kOdmitnuti[] = {
    {"NoOutput", [](GrafDavka&) { return chart(priklad("uncontrolled.cfg"), {}); }, 2, "--output"},
    {"UnknownFormat",
     [](GrafDavka& d) {
         return chart(priklad("uncontrolled.cfg"), {QStringLiteral("--output"), d.soubor(QStringLiteral("graf.jpg"))});
     },
     2, "graf.jpg"},
    {"SizeTooSmall", [](GrafDavka& d) { return chart(priklad("uncontrolled.cfg"), doPng(d, {"--size=10x10"})); }, 2,
     "--size"},
    {"SizeTooLarge", [](GrafDavka& d) { return chart(priklad("uncontrolled.cfg"), doPng(d, {"--size=20000x100"})); },
     2, "--size"},
    {"SizeNotNumbers", [](GrafDavka& d) { return chart(priklad("uncontrolled.cfg"), doPng(d, {"--size=axb"})); }, 2,
     "--size"},
    {"OptionOfCompute", [](GrafDavka& d) { return chart(priklad("uncontrolled.cfg"), doPng(d, {"--losses=5"})); }, 2,
     "--losses"},
    {"OptionOfChartForCompute",
     [](GrafDavka&) { return QStringList{QStringLiteral("compute"), priklad("uncontrolled.cfg"), "--size=800x600"}; },
     2, "--size"},
    {"ReductionOfAResultsFile",
     [](GrafDavka& d) { return chart(d.vysledky("uncontrolled.cfg"), doPng(d, {"--reduction=0.5"})); }, 2,
     "--reduction"},
    {"BadReduction", [](GrafDavka& d) { return chart(priklad("uncontrolled.cfg"), doPng(d, {"--reduction=2"})); }, 2,
     "--reduction"},
    {"MissingProblem", [](GrafDavka& d) { return chart(d.soubor(QStringLiteral("none.cfg")), doPng(d)); }, 2,
     "File Error"},
    {"MissingResults", [](GrafDavka& d) { return chart(d.soubor(QStringLiteral("none.odp")), doPng(d)); }, 2,
     "File Error"},
    {"ResultsWithoutRows",
     [](GrafDavka& d) {
         QFile::copy(priklad("uncontrolled.cfg"), d.soubor(QStringLiteral("problem.odp")));
         return chart(d.soubor(QStringLiteral("problem.odp")), doPng(d));
     },
     2, "The file holds no results."},
    {"IncompleteProblem",
     [](GrafDavka& d) { return chart(QStringLiteral(ZORVET_TEST_DATA "/zero_furnace_no_curve.cfg"), doPng(d)); }, 2,
     "Incomplete setting or any value zero"},
    {"Overflow",
     [](GrafDavka& d) {
         QByteArray text = obsah(priklad("uncontrolled.cfg"));
         text.replace(":   1000 ", ":   800 ");
         QFile f(d.soubor(QStringLiteral("pomala.cfg")));
         f.open(QIODevice::WriteOnly);
         f.write(text);
         f.close();
         return chart(d.soubor(QStringLiteral("pomala.cfg")), doPng(d));
     },
     1, "Evaluation Error"},
    {"FolderMissing",
     [](GrafDavka& d) {
         return chart(priklad("uncontrolled.cfg"),
                      {QStringLiteral("--output"), d.soubor(QStringLiteral("none/graf.png"))});
     },
     2, "File Error"},
    {"CzechMessage",
     [](GrafDavka& d) {
         return chart(priklad("uncontrolled.cfg"), {QStringLiteral("--output"), d.soubor(QStringLiteral("none/graf.svg")),
                                                    QStringLiteral("--language=cs")});
     },
     2, "Graf se nepodařilo uložit."},
};

INSTANTIATE_TEST_SUITE_P(Pripady, GrafDavkaOdmita, ::testing::ValuesIn(kOdmitnuti),
                         [](const auto& info) { return std::string(info.param.nazev); });

TEST_F(GrafDavka, HelpNamesTheChartCommand) {
    const Beh h = spust({QStringLiteral("--help")});
    EXPECT_EQ(h.kod, 0);
    for (const char* slovo : {"chart FILE --output PICTURE", "--output", "--size", "2400x1800"}) {
        EXPECT_TRUE(h.out.contains(QString::fromLatin1(slovo))) << slovo;
    }
}

}  // namespace
}  // namespace zorvet
