#include <QDir>
#include <charconv>
#include <memory>

#include "app/davka_pomoc.h"
#include "files/soubor.h"
#include "model/stav.h"
#include "support/skriptovane_dialogy.h"

namespace zorvet {
namespace {

using test::Beh;
using test::Davka;
using test::obsah;
using test::priklad;

// What compute prints: the final temperature, then the power frame's lines.
struct Vypis {
    const char* nazev;
    std::vector<const char*> argumenty;
    const char* lokal;
    bool ulozenoCesky;  // the stored language setting
    const char* out;
    bool cely;  // the whole output, else its start
};

void PrintTo(const Vypis& v, std::ostream* os) { *os << v.nazev; }

class DavkaVypis : public Davka, public ::testing::WithParamInterface<Vypis> {};

TEST_P(DavkaVypis, PrintsTheResult) {
    const Vypis& v = GetParam();
    if (v.ulozenoCesky) {
        ASSERT_TRUE(QDir().mkpath(soubor("config/Zorvet")));
        QFile f(soubor("config/Zorvet/Zorvet.conf"));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("[Settings]\nLanguage=200\n");
    }
    const Beh b = spust(argumenty(v.argumenty), v.lokal);
    EXPECT_EQ(b.kod, 0) << b.err.toStdString();
    if (v.cely) {
        EXPECT_EQ(b.out, QString::fromUtf8(v.out));
        EXPECT_TRUE(b.err.isEmpty()) << b.err.toStdString();
    } else {
        EXPECT_TRUE(b.out.startsWith(QString::fromUtf8(v.out))) << b.out.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Pripady, DavkaVypis,
    ::testing::Values(
        Vypis{"WorkedExampleInEnglish", {"compute", "ex:uncontrolled.cfg"}, "en_US.UTF-8", false,
              "Final temperature 901 °C have been obtained during 470 s.\nHeat Losses [%]: 0\n"
              "Power Required [W]: 93617.02\nPower Consumption [Wh]: 12222.22\n",
              true},
        Vypis{"CzechMessagesAndTheCommaLocale",
              {"compute", "ex:uncontrolled.cfg", "--language", "cs", "--losses", "10"}, "cs_CZ.UTF-8", false,
              "Konečné teploty  901 °C je dosaženo za 470 s.\nZtráty [%]: 10\n"
              "Potřebný příkon [W]: 102978,7\nSpotřeba energie [Wh]: 12222,22\n",
              true},
        Vypis{"TheStoredLanguageIsTheDefault", {"compute", "ex:uncontrolled.cfg"}, "en_US.UTF-8", true,
              "Konečné teploty  901 °C", false},
        Vypis{"TheLanguageOptionOverridesTheStoredOne", {"compute", "ex:uncontrolled.cfg", "--language=en"},
              "en_US.UTF-8", true, "Final temperature 901 °C", false},
        Vypis{"MassFromDimensions", {"compute", "ex:mass_from_dimensions.cfg"}, "en_US.UTF-8", false,
              "Final temperature 851 °C", false}),
    [](const auto& info) { return std::string(info.param.nazev); });

TEST_F(Davka, ReductionFactorSlowsTheHeatUp) {
    const auto cas = [this](const std::vector<const char*>& a) {
        const Beh b = spust(argumenty(a));
        EXPECT_EQ(b.kod, 0) << b.err.toStdString();
        return b.out.section(QLatin1Char('\n'), 0, 0).section(QLatin1Char(' '), -2, -2).toDouble();
    };
    const double plna = cas({"compute", "ex:uncontrolled.cfg"});
    EXPECT_EQ(plna, 470.0);
    EXPECT_GT(cas({"compute", "ex:uncontrolled.cfg", "--reduction", "0,5"}), 1.8 * plna);
}

TEST_F(Davka, ResultsFileAndTableAgree) {
    const Beh b = spust(argumenty({"compute", "ex:uncontrolled.cfg", "--results", "@r.odp", "--csv", "@r.csv"}));
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(obsah(soubor("r.odp")).startsWith("Furnace Temperature           [\xB0" "C]    :   1000 \r\n"));
    const Beh t = spust(argumenty({"table", "@r.odp"}));
    ASSERT_EQ(t.kod, 0) << t.err.toStdString();
    EXPECT_EQ(t.out.toUtf8(), obsah(soubor("r.csv")));

    // Every value is the shortest text that reads back as the single of the results file.
    auto stav = std::make_unique<Stav>();
    test::SkriptovaneDialogy d;
    ASSERT_TRUE(NactiSoubor(*stav, d, soubor("r.odp"), true));
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
    const Beh b = spust(
        argumenty({"compute", "ex:controlled_curve.cfg", "--results", "@c.odp", "--comment", "Zkouška pece"}));
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(
        obsah(soubor("c.odp")).startsWith("Zkou\x9Aka pece\r\n\r\nFurnace Temperature           [\xB0" "C]    :\r\n"));
    const Beh t = spust(argumenty({"table", "@c.odp"}));
    ASSERT_EQ(t.kod, 0) << t.err.toStdString();
    const QStringList radky = t.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    EXPECT_EQ(radky[0], QStringLiteral("time_s,charge_C,furnace_C"));
    EXPECT_EQ(radky[1], QStringLiteral("0,20,20"));
    EXPECT_TRUE(radky[61].endsWith(QStringLiteral(",600"))) << radky[61].toStdString();  // the end of the first ramp
}

// compute and table never start the widgets: a platform that cannot start without a display
// does not stop them.
TEST_F(Davka, ComputeAndTableNeedNoWindowingPlatform) {
    const auto xcb = [](QProcessEnvironment& env) { env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb")); };
    const Beh c = spust(argumenty({"compute", "ex:uncontrolled.cfg", "--results", "@r.odp"}), "en_US.UTF-8", xcb);
    EXPECT_EQ(c.kod, 0) << c.err.toStdString();
    const Beh t = spust(argumenty({"table", "@r.odp"}), "en_US.UTF-8", xcb);
    EXPECT_EQ(t.kod, 0) << t.err.toStdString();
    EXPECT_TRUE(t.out.startsWith(QStringLiteral("time_s,charge_C\n0,20\n")));
}

// What cannot be used, computed or drawn: the exit status, the message, nothing on standard
// output and no picture left behind.
struct Odmitnuti {
    const char* nazev;
    std::vector<const char*> argumenty;
    int kod;
    const char* chyba;  // part of the message on standard error
    void (*priprava)(Davka&) = nullptr;
};

void PrintTo(const Odmitnuti& o, std::ostream* os) { *os << o.nazev; }

class DavkaOdmita : public Davka, public ::testing::WithParamInterface<Odmitnuti> {};

TEST_P(DavkaOdmita, ExitStatusAndMessage) {
    const Odmitnuti& o = GetParam();
    if (o.priprava) {
        o.priprava(*this);
    }
    const Beh b = spust(argumenty(o.argumenty));
    EXPECT_EQ(b.kod, o.kod) << b.err.toStdString();
    EXPECT_TRUE(b.err.contains(QString::fromUtf8(o.chyba))) << b.err.toStdString();
    EXPECT_TRUE(b.err.endsWith(QLatin1Char('\n')));
    EXPECT_TRUE(b.out.isEmpty()) << b.out.toStdString();
    EXPECT_FALSE(QFile::exists(soubor("graf.png")));
}

void pomala(Davka& d) { d.upraveny("uncontrolled.cfg", ":   1000 ", ":   800 ", "pomala.cfg"); }

const Odmitnuti kOdmitnuti[] = {
    {"MissingFile", {"compute", "@none.cfg"}, 2, "File Error"},
    {"NotAProblem", {"compute", "data:unrelated.txt"}, 2, "The file holds no problem setting."},
    {"TruncatedProblem", {"compute", "data:truncated_problem.cfg"}, 2,
     "The file ends before the problem setting is complete."},
    {"Incomplete", {"compute", "data:zero_furnace_no_curve.cfg"}, 2,
     "Setting Error: Incomplete setting or any value zero"},
    {"SurfaceTooLarge", {"compute", "@velka.cfg"}, 2, "This  interchange surface is greater than potential",
     [](Davka& d) { d.upraveny("mass_from_dimensions.cfg", "[m2]    :   1.28 ", "[m2]    :   9 ", "velka.cfg"); }},
    {"Overflow", {"compute", "@pomala.cfg"}, 1,
     "Evaluation Error: Within evaluation array overload. Set bigger iteration step in the setting.", pomala},
    {"TableOfAProblemFile", {"table", "ex:uncontrolled.cfg"}, 2, "The file holds no results."},
    {"UnknownCommand", {"run"}, 2, "unknown command"},
    {"NoFile", {"compute"}, 2, "needs exactly one file"},
    {"UnknownOption", {"compute", "ex:uncontrolled.cfg", "--fast"}, 2, "fast"},
    {"LossesNotANumber", {"compute", "ex:uncontrolled.cfg", "--losses", "ten"}, 2, "--losses"},
    {"LossesOutOfRange", {"compute", "ex:uncontrolled.cfg", "--losses=40000"}, 2, "--losses"},
    {"ReductionZero", {"compute", "ex:uncontrolled.cfg", "--reduction=0"}, 2, "--reduction"},
    {"ReductionAboveOne", {"compute", "ex:uncontrolled.cfg", "--reduction=1.5"}, 2, "--reduction"},
    {"Language", {"compute", "ex:uncontrolled.cfg", "--language=de"}, 2, "--language"},
    {"OptionOfComputeForTable", {"table", "ex:uncontrolled.cfg", "--csv=x"}, 2, "--csv"},
    {"ResultsCannotBeWritten", {"compute", "ex:uncontrolled.cfg", "--results", "@no/r.odp"}, 2, "File Error"},
    {"ChartNoOutput", {"chart", "ex:uncontrolled.cfg"}, 2, "--output"},
    {"ChartUnknownFormat", {"chart", "ex:uncontrolled.cfg", "--output", "@graf.jpg"}, 2, "graf.jpg"},
    {"ChartSizeTooSmall", {"chart", "ex:uncontrolled.cfg", "--output", "@graf.png", "--size=10x10"}, 2, "--size"},
    {"ChartSizeTooLarge", {"chart", "ex:uncontrolled.cfg", "--output", "@graf.png", "--size=20000x100"}, 2, "--size"},
    {"ChartSizeNotNumbers", {"chart", "ex:uncontrolled.cfg", "--output", "@graf.png", "--size=axb"}, 2, "--size"},
    {"ChartOptionOfCompute", {"chart", "ex:uncontrolled.cfg", "--output", "@graf.png", "--losses=5"}, 2, "--losses"},
    {"OptionOfChartForCompute", {"compute", "ex:uncontrolled.cfg", "--size=800x600"}, 2, "--size"},
    {"ChartReductionOfAResultsFile", {"chart", "@vysledky.odp", "--output", "@graf.png", "--reduction=0.5"}, 2,
     "--reduction", [](Davka& d) { d.vysledky("uncontrolled.cfg"); }},
    {"ChartBadReduction", {"chart", "ex:uncontrolled.cfg", "--output", "@graf.png", "--reduction=2"}, 2,
     "--reduction"},
    {"ChartMissingProblem", {"chart", "@none.cfg", "--output", "@graf.png"}, 2, "File Error"},
    {"ChartMissingResults", {"chart", "@none.odp", "--output", "@graf.png"}, 2, "File Error"},
    {"ChartResultsWithoutRows", {"chart", "@problem.odp", "--output", "@graf.png"}, 2, "The file holds no results.",
     [](Davka& d) { QFile::copy(priklad("uncontrolled.cfg"), d.soubor("problem.odp")); }},
    {"ChartIncompleteProblem", {"chart", "data:zero_furnace_no_curve.cfg", "--output", "@graf.png"}, 2,
     "Incomplete setting or any value zero"},
    {"ChartOverflow", {"chart", "@pomala.cfg", "--output", "@graf.png"}, 1, "Evaluation Error", pomala},
    {"ChartFolderMissing", {"chart", "ex:uncontrolled.cfg", "--output", "@none/graf.png"}, 2, "File Error"},
    {"ChartCzechMessage", {"chart", "ex:uncontrolled.cfg", "--output", "@none/graf.svg", "--language=cs"}, 2,
     "Graf se nepodařilo uložit."},
};

INSTANTIATE_TEST_SUITE_P(Pripady, DavkaOdmita, ::testing::ValuesIn(kOdmitnuti),
                         [](const auto& info) { return std::string(info.param.nazev); });

TEST_F(Davka, HelpAndVersion) {
    const Beh h = spust({QStringLiteral("--help")});
    EXPECT_EQ(h.kod, 0);
    for (const char* slovo : {"compute", "table", "--results", "--csv", "--losses", "--language", "--comment",
                              "--reduction", "chart FILE --output PICTURE", "--output", "--size", "2400x1800"}) {
        EXPECT_TRUE(h.out.contains(QString::fromLatin1(slovo))) << slovo;
    }
    const Beh v = spust({QStringLiteral("--version")});
    EXPECT_EQ(v.kod, 0);
    EXPECT_TRUE(v.out.startsWith(QStringLiteral("zorvet "))) << v.out.toStdString();
}

TEST_F(Davka, WithoutACommandOrDisplayTheWindowExplainsItself) {
    const Beh b = spust(QStringList{});
    EXPECT_EQ(b.kod, 2);
    EXPECT_TRUE(b.err.contains(QStringLiteral("display")));
    EXPECT_TRUE(b.err.contains(QStringLiteral("zorvet compute")));
}

}  // namespace
}  // namespace zorvet
