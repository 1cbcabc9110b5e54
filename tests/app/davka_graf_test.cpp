// "zorvet chart": the heat-up chart drawn into a PNG, SVG or PDF file from the command line,
// run as users run it, without a display. What cannot be drawn is in davka_test.cpp.
#include <QRegularExpression>
#include <QSize>

#include "app/davka_pomoc.h"

namespace zorvet {
namespace {

using test::Beh;
using test::Davka;
using test::obsah;
using test::priklad;

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

class GrafDavkaKresli : public Davka, public ::testing::WithParamInterface<Obrazek> {};

TEST_P(GrafDavkaKresli, WritesThePictureAndNothingElse) {
    const Obrazek& o = GetParam();
    const QString vstup = o.zVysledku ? vysledky(o.problem) : priklad(o.problem);
    const QString cesta = soubor(o.vystup);
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

// A results file is drawn as it was computed: the same picture as its problem computed anew;
// a computation cut short by the reduction factor draws something else.
TEST_F(Davka, AResultsFileDrawsTheChartOfItsProblem) {
    vysledky("controlled_curve.cfg");
    ASSERT_EQ(spust(argumenty({"chart", "ex:controlled_curve.cfg", "--output", "@problem.png"})).kod, 0);
    ASSERT_EQ(spust(argumenty({"chart", "@vysledky.odp", "--output", "@vysledky.png"})).kod, 0);
    ASSERT_EQ(spust(argumenty({"chart", "ex:controlled_curve.cfg", "--output", "@zkracene.png", "--reduction=0.5"})).kod,
              0);
    EXPECT_FALSE(obsah(soubor("problem.png")).isEmpty());
    EXPECT_EQ(obsah(soubor("problem.png")), obsah(soubor("vysledky.png")));
    EXPECT_NE(obsah(soubor("zkracene.png")), obsah(soubor("problem.png")));
}

}  // namespace
}  // namespace zorvet
