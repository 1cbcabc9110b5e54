// The batch command line, run as users run it: the built program in a child process, with
// its settings in a fresh folder, the locale given and no display.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <cmath>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <map>
#include <sys/resource.h>
#include <sys/stat.h>
#include <vector>

#include "files/retezce.h"
#include "files/soubor.h"
#include "model/case/pole.h"
#include "model/load/usporadani.h"
#include "support/lokal.h"

namespace {

struct Beh {
    int kod = -1;
    QString out;
    QString err;
};

// A value well inside the range of a field, away from its ends.
double vRozsahu(const zorvet::PopisPole& p) { return p.max < 2.0 ? 0.75 : p.max < 37.0 ? 3.0 : 37.0; }

class Davka : public testing::Test {
protected:
    Beh spust(const std::vector<const char*>& texty, const char* lokal = "en_US.UTF-8") {
        QStringList argumenty;
        for (const char* t : texty) {
            const QString s = QString::fromUtf8(t);
            argumenty << (s.startsWith(QLatin1String("ex:"))     ? QStringLiteral(ZORVET_EXAMPLES "/") + s.mid(3)
                          : s.startsWith(QLatin1String("data:")) ? QStringLiteral(ZORVET_TEST_DATA "/") + s.mid(5)
                          : s.startsWith(QLatin1Char('@'))       ? soubor(t + 1)
                                                                 : s);
        }
        QProcess p;
        p.setProcessEnvironment(prostredi(lokal));
        p.start(QStringLiteral(ZORVET_PROGRAM), argumenty);
        EXPECT_TRUE(p.waitForFinished(60000));
        return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
                QString::fromUtf8(p.readAllStandardError())};
    }
    QProcessEnvironment prostredi(const char* lokal = "en_US.UTF-8") const {
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), soubor("config"));
        env.insert(QStringLiteral("LC_ALL"), QString::fromLatin1(lokal));
        for (const char* promenna : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
            env.remove(QString::fromLatin1(promenna));
        }
        return env;
    }
    QString soubor(const char* jmeno) const { return dir_.filePath(QString::fromUtf8(jmeno)); }
    QByteArray obsah(const char* jmeno) const {
        QFile f(soubor(jmeno));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    // An example (the uncontrolled one unless named) with the values of some lines replaced,
    // found by their labels.
    void problem(const char* jmeno, const std::vector<std::pair<const char*, const char*>>& hodnoty,
                 const char* priklad = "uncontrolled.cfg") {
        QFile zdroj(QStringLiteral(ZORVET_EXAMPLES "/") + QString::fromLatin1(priklad));
        ASSERT_TRUE(zdroj.open(QIODevice::ReadOnly));
        QByteArray text = zdroj.readAll();
        for (const auto& [popisek, hodnota] : hodnoty) {
            const qsizetype nalez = text.indexOf(popisek);
            ASSERT_GE(nalez, 0) << popisek;
            const qsizetype i = text.lastIndexOf('\n', nalez) + 1;
            text.replace(i + 41, text.indexOf("\r\n", i) - i - 41, hodnota);
        }
        QFile f(soubor(jmeno));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    // The thick billet of the examples as a load of n of its pieces (the problem describes the
    // whole load): n times its mass and its mantle.
    void sochory(const char* jmeno, int n) {
        const QByteArray kusu = ' ' + QByteArray::number(n) + ' ';
        const QByteArray m = ' ' + QByteArray::number(770.67196 * n, 'g', 7) + ' ';
        const QByteArray a = ' ' + QByteArray::number(1.5707963 * n, 'g', 7) + ' ';
        problem(jmeno,
                {{"Weight", m.constData()}, {"Interchange Surface", a.constData()}, {"Number of Pieces", kusu.constData()},
                 {"Number of Sides A*L", kusu.constData()}},
                "thick_round_bar.cfg");
    }
    QTemporaryDir dir_;
};

struct Vypis {
    std::vector<const char*> argumenty;
    const char* lokal;
    const char* out;
};

class Vypocet : public Davka, public testing::WithParamInterface<Vypis> {};

// The final-temperature message and the power frame, in the language asked for, whatever
// the locale.
TEST_P(Vypocet, PrintsTheResultAndThePower) {
    const Beh b = spust(GetParam().argumenty, GetParam().lokal);
    EXPECT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_EQ(b.out, QString::fromUtf8(GetParam().out));
    EXPECT_TRUE(b.err.isEmpty()) << b.err.toStdString();
}

INSTANTIATE_TEST_SUITE_P(
    Davka, Vypocet,
    testing::Values(Vypis{{"compute", "ex:uncontrolled.cfg"}, "en_US.UTF-8",
                          "Final temperature 901 °C have been obtained during 470 s.\nHeat Losses [%]: 0\n"
                          "Power Required [W]: 93617.02\nPower Consumption [Wh]: 12222.22\n"},
                    Vypis{{"compute", "ex:uncontrolled.cfg", "--language", "cs", "--losses", "10"}, "cs_CZ.UTF-8",
                          "Konečné teploty  901 °C je dosaženo za 470 s.\nZtráty [%]: 10\n"
                          "Potřebný příkon [W]: 102978,7\nSpotřeba energie [Wh]: 12222,22\n"},
                    Vypis{{"compute", "ex:controlled_curve.cfg", "--losses", "2"}, "en_US.UTF-8",
                          "Final temperature 904 °C have been obtained during 1500 s.\nHeat Losses [%]: 2\n"
                          "Power Required [W]: 29920\nPower Consumption [Wh]: 12222.22\n"},
                    Vypis{{"compute", "ex:mass_from_dimensions.cfg", "--reduction", "0.5"}, "en_US.UTF-8",
                          "Final temperature 851 °C have been obtained during 1020 s.\nHeat Losses [%]: 0\n"
                          "Power Required [W]: 117534.5\nPower Consumption [Wh]: 33301.45\n"},
                    // The standard's carbon steel in a 60 kW furnace with 10 % losses: the energy is
                    // the curve's enthalpy, the mean power stays below 60 kW.
                    Vypis{{"compute", "ex:uncontrolled.cfg", "--properties", "carbon-steel", "--power-limit", "60000",
                           "--losses", "10", "--convection", "15"},
                          "en_US.UTF-8",
                          "Final temperature 901 °C have been obtained during 1180 s.\nHeat Losses [%]: 10\n"
                          "Power Required [W]: 58921.21\nPower Consumption [Wh]: 17557.33\n"
                          "Property Model: Carbon steel (EN 1993-1-2)\nPower-Limited Until [s]: 1070\n"}));

// Each row of a sweep is what compute prints for its point; a goal seek's answer meets the time;
// a fit to the table of a computed result gives its emissivity back.
TEST_F(Davka, PlansALoad) {
    problem("m200.cfg", {{"Weight", " 200 "}});
    const Beh sweep = spust({"sweep", "ex:uncontrolled.cfg", "--vary", "mass=100:200:100", "--losses", "10"});
    ASSERT_EQ(sweep.kod, 0) << sweep.err.toStdString();
    const QStringList radky = sweep.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(radky.size(), 3);
    EXPECT_EQ(radky[0], QStringLiteral("mass,time_s,power_W,energy_Wh,status"));
    for (int i = 1; i <= 2; ++i) {
        const QStringList pole = radky[i].split(QLatin1Char(','));
        const Beh jeden = spust({"compute", i == 1 ? "ex:uncontrolled.cfg" : "@m200.cfg", "--losses", "10"});
        EXPECT_TRUE(jeden.out.contains(QStringLiteral("during %1 s.").arg(pole[1]))) << jeden.out.toStdString();
        EXPECT_TRUE(jeden.out.contains(QStringLiteral("Power Required [W]: %1").arg(pole[2].toDouble(), 0, 'g', 7)));
        EXPECT_EQ(pole[4], QString());
    }
    // Two quantities: the second varies fastest.
    const Beh dve = spust({"sweep", "ex:uncontrolled.cfg", "--vary", "mass=100:200:100", "--vary", "furnace=1000:1100:100"});
    EXPECT_EQ(dve.out, QStringLiteral("mass,furnace,time_s,power_W,energy_Wh,status\n100,1000,470,93617.02,12222.223,\n"
                                      "100,1100,320,137500,12222.223,\n200,1000,940,93617.02,24444.445,\n"
                                      "200,1100,630,139682.55,24444.445,\n"));
    // A swept installed power of 0 is refused as a typed one is; the losses count in every point.
    const Beh prikon = spust({"sweep", "ex:uncontrolled.cfg", "--vary", "power=0:20000:20000", "--losses", "5"});
    const QStringList body = prikon.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(body.size(), 3) << prikon.out.toStdString();
    EXPECT_EQ(body[1], QStringLiteral("0,,,,Installed Power [kW] must be greater than zero."));
    EXPECT_TRUE(body[2].startsWith(QStringLiteral("20000,2320,"))) << body[2].toStdString();
    const Beh cil = spust({"goal", "ex:uncontrolled.cfg", "--time", "600", "--find", "mass"});
    ASSERT_EQ(cil.kod, 0) << cil.err.toStdString();
    EXPECT_TRUE(cil.out.startsWith(QStringLiteral("Heating Material Weight [kg]: 127.9\nFinal temperature 900 °C "
                                                  "have been obtained during 600 s.\n")));
    ASSERT_EQ(spust({"compute", "ex:uncontrolled.cfg", "--results", "@r.odp"}).kod, 0);
    QFile log(soubor("log.csv"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(spust({"table", "@r.odp"}).out.toUtf8());
    log.close();
    const Beh fit = spust({"fit", "ex:uncontrolled.cfg", "--measured", "@log.csv", "--chart", "@fit.png"});
    EXPECT_EQ(fit.out, QStringLiteral("Emissivity [-]: 0.8000\nRMS Deviation [K]: 0.00\n")) << fit.err.toStdString();
    EXPECT_TRUE(obsah("fit.png").startsWith("\x89PNG"));
    // The same log as a Czech spreadsheet writes it, its columns named or counted.
    QString cesky = spust({"table", "@r.odp"}).out;
    cesky.replace(QLatin1Char(','), QLatin1Char(';')).replace(QLatin1Char('.'), QLatin1Char(','));
    cesky = QStringLiteral("\"čas\";\"teplota vsázky\"") + cesky.mid(cesky.indexOf(QLatin1Char('\n'))).replace(QLatin1Char('\n'), QLatin1Char('\r'));
    QFile csv(soubor("cesky.csv"));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write(cesky.toUtf8());
    csv.close();
    for (const char* sloupce : {"čas,teplota vsázky", "1,2"}) {
        const Beh b = spust({"fit", "ex:uncontrolled.cfg", "--measured", "@cesky.csv", "--columns", sloupce});
        EXPECT_EQ(b.out, fit.out) << sloupce << b.err.toStdString();
    }
}

// A Czech output has the decimal comma in every number: the value a goal seek finds and the
// emissivity fitted as well as the power.
TEST_F(Davka, CzechOutputHasOneDecimalSeparator) {
    ASSERT_EQ(spust({"compute", "ex:uncontrolled.cfg", "--results", "@r.odp"}).kod, 0);
    QFile log(soubor("log.csv"));
    ASSERT_TRUE(log.open(QIODevice::WriteOnly));
    log.write(spust({"table", "@r.odp"}).out.toUtf8());
    log.close();
    for (const std::vector<const char*>& prikaz :
         {std::vector<const char*>{"goal", "ex:uncontrolled.cfg", "--time", "600", "--find", "mass", "--language", "cs"},
          std::vector<const char*>{"fit", "ex:uncontrolled.cfg", "--measured", "@log.csv", "--language", "cs"}}) {
        const Beh b = spust(prikaz, "cs_CZ.UTF-8");
        ASSERT_EQ(b.kod, 0) << b.err.toStdString();
        EXPECT_TRUE(b.out.contains(QRegularExpression(QStringLiteral("\\d,\\d")))) << b.out.toStdString();
        EXPECT_FALSE(b.out.contains(QRegularExpression(QStringLiteral("\\d\\.\\d")))) << b.out.toStdString();
    }
}

// The installed power with its unit or without (watts): one case, one output.
TEST_F(Davka, PowerLimitTakesItsUnit) {
    const Beh watty = spust({"compute", "ex:uncontrolled.cfg", "--power-limit", "60000"});
    ASSERT_EQ(watty.kod, 0) << watty.err.toStdString();
    EXPECT_TRUE(watty.out.contains(QStringLiteral("Power-Limited Until [s]: ")));
    for (const char* prikon : {"60kW", "60 kW", "60000W", "0.06MW", "60,0kW"}) {
        const Beh b = spust({"compute", "ex:uncontrolled.cfg", "--power-limit", prikon});
        EXPECT_EQ(b.kod, 0) << prikon << b.err.toStdString();
        EXPECT_EQ(b.out, watty.out) << prikon;
    }
}

// With the conductivity, the Biot number and the core time follow; the CSV gains the surface
// and core columns and runs to the core's end.
TEST_F(Davka, ConductivityAddsTheCore) {
    const Beh b = spust({"compute", "ex:mass_from_dimensions.cfg", "--conductivity", "45", "--csv", "@j.csv"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(b.out.endsWith(QStringLiteral("Power Consumption [Wh]: 33301.45\nOver the core heat-up time, 650 s.\nBiot Number [-]: 0.2891045\n"
                                              "Core Heat-up Time [s]: 650\n")))
        << b.out.toStdString();
    const QStringList radky = QString::fromUtf8(obsah("j.csv")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(radky.size(), 1 + 66);
    EXPECT_EQ(radky[0], QStringLiteral("time_s,charge_C,surface_C,core_C"));
    EXPECT_TRUE(radky[1].startsWith(QStringLiteral("0,20,20,20")));
    EXPECT_TRUE(radky.last().startsWith(QStringLiteral("650,,")));
    const Beh cs = spust({"compute", "ex:mass_from_dimensions.cfg", "--conductivity", "45", "--language", "cs"});
    EXPECT_TRUE(cs.out.contains(QStringLiteral("Biotovo číslo [-]: 0.2891045\nDoba ohřevu jádra [s]: 650\n")));
}

// The files first, then the table of what was written.
TEST_F(Davka, WritesResultsAndCsvThatReadBack) {
    const Beh b = spust({"compute", "ex:controlled_curve.cfg", "--results", "@r.odp", "--csv", "@r.csv", "--comment",
                         "Zakázka 7", "--language", "cs"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(obsah("r.odp").startsWith("Zak\xe1zka 7\r\n\r\nTeplota pece "));
    const Beh t = spust({"table", "@r.odp"}, "cs_CZ.UTF-8");
    EXPECT_EQ(t.kod, 0);
    EXPECT_EQ(t.out.toUtf8(), obsah("r.csv"));
    EXPECT_TRUE(t.out.startsWith(QStringLiteral("time_s,charge_C,furnace_C\n0,20,20\n10,")));
    EXPECT_EQ(t.out.count(QLatin1Char('\n')), 152);
}

TEST_F(Davka, DrawsTheChartInEachFormat) {
    for (const char* jmeno : {"g.png", "g.svg", "g.pdf"}) {
        const std::string cil = std::string("@") + jmeno;
        // The smallest side allowed is 64.
        const Beh b = spust({"chart", "ex:uncontrolled.cfg", "--output", cil.c_str(), "--size", "640x64"});
        EXPECT_EQ(b.kod, 0) << jmeno << b.err.toStdString();
        // The platform's remarks (no runtime folder, fonts) are not the command's to say.
        EXPECT_EQ(b.err, QString()) << jmeno;
    }
    EXPECT_TRUE(obsah("g.png").startsWith("\x89PNG"));
    // The picture keeps the proportions asked for, 640 wide and 64 high (within the rounding to
    // whole pixels of the screen's resolution).
    // Its drawing fills the page from the corner: the view box starts at 0 0 and has the same proportions.
    const QRegularExpressionMatch svg =
        QRegularExpression(QStringLiteral("<svg width=\"([0-9.]+)mm\" height=\"([0-9.]+)mm\"\\s+viewBox=\"0 0 (\\d+) (\\d+)\""))
            .match(obsah("g.svg"));
    ASSERT_TRUE(svg.hasMatch());
    EXPECT_NEAR(svg.captured(1).toDouble() / svg.captured(2).toDouble(), 10.0, 0.3);
    EXPECT_EQ(svg.captured(3).toInt(), 10 * svg.captured(4).toInt());
    EXPECT_TRUE(obsah("g.pdf").startsWith("%PDF"));
}

// The report is a one-page PDF whose text a PDF reader finds, in the language asked for (a
// furnace's lines put its chart on a second page).
TEST_F(Davka, ReportsTheCaseInOnePage) {
    const auto text = [this](const char* pdf, const char* nastroj) {
        QProcess p;
        const bool info = std::strcmp(nastroj, "pdfinfo") == 0;
        p.start(QString::fromLatin1(nastroj), info ? QStringList{soubor(pdf)}
                                                    : QStringList{QStringLiteral("-layout"), soubor(pdf), QStringLiteral("-")});
        EXPECT_TRUE(p.waitForFinished(30000));
        return QString::fromUtf8(p.readAllStandardOutput()).simplified();
    };
    Beh b = spust({"report", "ex:uncontrolled.cfg", "--output", "@en.pdf", "--losses", "10"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    QString t = text("en.pdf", "pdftotext");
    for (const char* hledany : {"Final temperature 901 °C have been obtained during 470 s.", "Carbon steel",
                                "Power Required [W] 102978.7", "Power Consumption [Wh] 12222.22", "uncontrolled.cfg"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(hledany))) << hledany << "\n" << t.toStdString();
    }
    EXPECT_TRUE(text("en.pdf", "pdfinfo").contains(QStringLiteral("Pages: 1")));
    EXPECT_FALSE(t.contains(QStringLiteral("Time Tenacity")));  // no curve for one furnace temperature
    EXPECT_FALSE(t.contains(QStringLiteral("Property Model")));  // nor a model for one specific heat
    // The problem lists the inputs beyond the documented ones only while they are used; the mass
    // setting and the conductivity have lines of their own.
    for (const char* jinde : {"Setting of Weight", "Thermal Conductivity", "Installed Power", "Convection", "Soak"}) {
        EXPECT_FALSE(t.contains(QString::fromUtf8(jinde))) << jinde;
    }
    EXPECT_EQ(t.count(QStringLiteral("Heat Losses [%]")), 1);  // the power frame's
    b = spust({"report", "ex:uncontrolled.cfg", "--output", "@p.pdf", "--power-limit", "60000", "--convection", "20",
               "--soak", "30"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    t = text("p.pdf", "pdftotext");
    for (const char* hledany : {"Installed Power [kW] 60", "Convection Coefficient [W/m2/K] 20", "Soak Time [min] 30"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(hledany))) << hledany << "\n" << t.toStdString();
    }
    EXPECT_EQ(t.count(QStringLiteral("Heat Losses [%]")), 2);  // and the 0 % the installed power covers
    b = spust({"report", "ex:mass_from_dimensions.cfg", "--output", "@cs.pdf", "--language", "cs"}, "cs_CZ.UTF-8");
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    t = text("cs.pdf", "pdftotext");
    for (const char* hledany : {"Konečné teploty 851 °C je dosaženo za 510 s.", "Structural steel S235",
                                "Potřebný příkon [W] 235069", "Geometrie vsázky", "Obdélníkový"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(hledany))) << hledany << "\n" << t.toStdString();
    }
    // A furnace described as a thermal system: its description, the numbers away from their
    // defaults only (the outer emissivity of 0.9 a single holds is its default), its balance.
    b = spust({"report", "ex:uncontrolled.cfg", "--output", "@pec.pdf", "--chamber", "1x1x1", "--lining", "fibre-128:0.2",
               "--power-limit", "60000", "--soak", "30", "--ambient", "30"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    t = text("pec.pdf", "pdftotext");
    for (const char* hledany : {"Wall Lining fibre-128:0.2", "Ambient Temperature [°C] 30", "Energy Balance of the Cycle [kWh] electric",
                                "Peak Power [kW] 60", "Walls", "Wall Area rounded", "Start hot, steady"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(hledany))) << hledany << "\n" << t.toStdString();
    }
    EXPECT_FALSE(t.contains(QStringLiteral("Outer Emissivity")));
    // Its lines leave no room for a chart that can be read: the chart is on a page of its own.
    EXPECT_TRUE(text("pec.pdf", "pdfinfo").contains(QStringLiteral("Pages: 2")));
    EXPECT_TRUE(t.contains(QStringLiteral("Heating Progress")));
    // A results file holds no reduction factor: the page says so rather than print one.
    b = spust({"compute", "ex:uncontrolled.cfg", "--results", "@r.odp"});
    b = spust({"report", "@r.odp", "--output", "@r.pdf"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    EXPECT_TRUE(text("r.pdf", "pdftotext").contains(QStringLiteral("Reduction Factor of the Surface [-] not held in a results file")));
    b = spust({"report", "ex:controlled_curve.cfg", "--output", "@curve.pdf"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    t = text("curve.pdf", "pdftotext");
    for (const char* hledany : {"1 20 600 600", "2 600 1000 900", "3 1000 1000 3600"}) {
        EXPECT_TRUE(t.contains(QString::fromUtf8(hledany))) << hledany << "\n" << t.toStdString();
    }
}

// The help speaks the language of the run, named or stored: every option of the table with its
// Czech sentence and value, no English sentence left, and the parser's own words too.
TEST_F(Davka, HelpSpeaksTheLanguageOfTheRun) {
    QDir().mkpath(soubor("config/Zorvet"));
    QFile nastaveni(soubor("config/Zorvet/Zorvet.conf"));
    ASSERT_TRUE(nastaveni.open(QIODevice::WriteOnly) && nastaveni.write("[Settings]\nLanguage=200\n") > 0);
    nastaveni.close();
    const auto jeden = [](QString t) { return t.replace(QRegularExpression(QStringLiteral("\\s+")), QStringLiteral(" ")); };
    for (const std::vector<const char*>& argumenty :
         {std::vector<const char*>{"--help", "--language", "cs"}, std::vector<const char*>{"-h"}}) {
        const Beh b = spust(argumenty);
        ASSERT_EQ(b.kod, 0) << b.err.toStdString();
        const QString pomoc = jeden(b.out);
        EXPECT_TRUE(pomoc.contains(QStringLiteral(" Volby: ")) && !pomoc.contains(QStringLiteral("Options:")));
        for (const zorvet::PopisPole& p : zorvet::PoleUlohy()) {
            if (p.volba == nullptr) {
                continue;
            }
            const QString volba = QStringLiteral("--%1 <%2> ").arg(QLatin1String(p.volba),
                                                                   zorvet::Text(p.jednotkaVolby, zorvet::Jazyk::Cesky));
            EXPECT_TRUE(pomoc.contains(volba + jeden(zorvet::Text(p.popisVolby, zorvet::Jazyk::Cesky)))) << p.volba;
            EXPECT_FALSE(pomoc.contains(zorvet::Text(p.popisVolby, zorvet::Jazyk::Anglicky))) << p.volba;
        }
    }
}

// Every option of the field table reaches the case: computed with it, the results file holds the
// value given (the thick billet, whose core the conductivity computes and whose heat the power limits).
TEST_F(Davka, EveryFieldOptionReachesTheCase) {
    int voleb = 0;
    for (const zorvet::PopisPole& p : zorvet::PoleUlohy()) {
        if (p.volba == nullptr) {
            continue;
        }
        // The second word of "square|hexagonal"; a number field that takes a word for its 0 a number.
        const bool slova = p.slovaVolby != nullptr && p.druh != zorvet::DruhPole::Cislo;
        const double hodnota = p.velicina == zorvet::Velicina::Prikon ? 150000.0
                               : p.velicina == zorvet::Velicina::Ztraty ? 7.0
                               : slova                                   ? 1.0
                               : p.velicina == zorvet::Velicina::SvazekA ? 0.875
                               : p.velicina == zorvet::Velicina::MezeraX ? 0.03125
                               : p.velicina == zorvet::Velicina::Prodleva   ? 600.0
                                                                         : vRozsahu(p);
        const std::string volba = std::string("--") + p.volba;
        const std::string text = slova ? std::string(std::strchr(p.slovaVolby, '|') + 1)
                                       : QString::number(hodnota / p.meritkoVolby).toStdString();
        // The billet as the whole load the arrangement holds: an array's pieces, or a bundle's bars.
        zorvet::Uloha w;
        w.StranaA = 0.25f;
        w.MrizkaX = w.MrizkaY = p.rozsirenyKdy == zorvet::Kdy::VMrizce ? 2 : 1;
        w.SvazekA = p.rozsirenyKdy == zorvet::Kdy::VeSvazku ? 0.75f : 0.0f;
        zorvet::NastavHodnotu(w, p, hodnota);
        sochory("kusy.cfg", zorvet::MaUsporadani(w) && w.SvazekA > 0.0f ? static_cast<int>(std::lround(zorvet::TyciVeSvazku(w)))
                                                                       : w.MrizkaX * w.MrizkaY);
        // The furnace's numbers belong to a furnace described as a thermal system.
        const bool pec = p.kdy == zorvet::Kdy::SPeci;
        std::vector<const char*> argumenty{"compute", pec ? "ex:uncontrolled.cfg" : "@kusy.cfg", volba.c_str(), text.c_str(),
                                           "--results", "@v.odp"};
        if (pec) {
            argumenty.insert(argumenty.end(), {"--chamber", "1x1x1", "--lining", "fibre-128:0.2"});
        }
        if (p.velicina == zorvet::Velicina::Ztraty) {  // the losses the file keeps are those of an installed power
            argumenty.insert(argumenty.end(), {"--power-limit", "150000"});
        }
        // The arrangement's inputs belong to an array or to a bundle of the bars, of a known conductivity.
        if (p.zalozka == zorvet::Pole(zorvet::Velicina::MrizkaX).zalozka) {
            argumenty.insert(argumenty.end(), {"--conductivity", "40"});
        }
        if (p.rozsirenyKdy == zorvet::Kdy::VMrizce) {
            argumenty.insert(argumenty.end(), {"--array", "2x2"});
        }
        if (p.rozsirenyKdy == zorvet::Kdy::VeSvazku) {
            argumenty.insert(argumenty.end(), {"--bundle", "0.75"});
        }
        const Beh b = spust(argumenty);
        ASSERT_EQ(b.kod, 0) << p.volba << " " << b.err.toStdString();
        zorvet::Uloha zacatek;
        zacatek.KoefK = 1.0f;
        const zorvet::PrecteniSouboru s = zorvet::NactiSoubor(soubor("v.odp"), true, zacatek, zorvet::Jazyk::Anglicky);
        ASSERT_TRUE(s.obsah) << p.volba;
        EXPECT_EQ(zorvet::Hodnota(p, s.obsah->vysledek->Uloha), static_cast<double>(static_cast<float>(hodnota))) << p.volba;
        ++voleb;
    }
    EXPECT_GE(voleb, 5);
}

// The load as it stands: after the core time (the slowest point of the load) the arrangement, the
// slowest piece (the middle of a row of three, by symmetry), the fastest piece's time, a bundle's
// conductivity, and with a soak of 10 min the cycle, 600 s after the core time.
TEST_F(Davka, PrintsTheLoadAsItStands) {
    const QRegularExpression pole(QStringLiteral(
        "\nCore Heat-up Time \\[s\\]: (\\d+)\nArrangement: array of 3 x 1 pieces, gaps 0.01 m and 0.01 m\n"
        "Slowest Piece: 1 2\nFastest Piece Core Heat-up Time \\[s\\]: (\\d+)\nCycle Time \\[s\\]: (\\d+)\n"
        "Soak Energy \\[kWh\\]: [0-9.]+\n$"));
    sochory("tri.cfg", 3);
    sochory("sedm.cfg", 7);
    const Beh b = spust({"compute", "@tri.cfg", "--conductivity", "40", "--array", "3x1", "--gap", "0.01",
                         "--soak", "10"});
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    const QRegularExpressionMatch m = pole.match(b.out);
    ASSERT_TRUE(m.hasMatch()) << b.out.toStdString();
    EXPECT_LT(m.captured(2).toInt(), m.captured(1).toInt());
    EXPECT_EQ(m.captured(3).toInt(), m.captured(1).toInt() + 600);
    const Beh s = spust({"compute", "@sedm.cfg", "--conductivity", "40", "--bundle", "0.75"});
    ASSERT_EQ(s.kod, 0) << s.err.toStdString();
    EXPECT_TRUE(QRegularExpression(QStringLiteral("\nCore Heat-up Time \\[s\\]: \\d+\nArrangement: round bundle of 0.75 m "
                                                  "of bars of 0.25 m, porosity 0.2146018\nEffective Conductivity "
                                                  "\\[W/m/K\\]: [0-9.]+\n$"))
                    .match(s.out)
                    .hasMatch())
        << s.out.toStdString();
}

// A value that cannot act in a case is refused, given as an option, swept or sought, with its
// field's reason: every field the table gives a condition, on an example where it does not hold.
TEST_F(Davka, RefusesAValueThatCannotAct) {
    for (const zorvet::PopisPole& p : zorvet::PoleUlohy()) {
        if (p.menitelna == zorvet::Kdy::Vzdy) {
            continue;
        }
        std::string priklad;
        for (const char* jmeno : {"uncontrolled.cfg", "controlled_curve.cfg", "thick_round_bar.cfg"}) {
            const zorvet::PrecteniSouboru c = zorvet::NactiSoubor(QStringLiteral(ZORVET_EXAMPLES "/") + QLatin1String(jmeno),
                                                                  false, zorvet::Uloha{}, zorvet::Jazyk::Anglicky);
            if (priklad.empty() && c.obsah && !zorvet::Plati(p.menitelna, c.obsah->uloha)) {
                priklad = std::string("ex:") + jmeno;
            }
        }
        ASSERT_FALSE(priklad.empty()) << p.ovladac;
        // The first word of the option's words ("square" of "square|hexagonal", "natural").
        const std::string hodnota = p.slovaVolby != nullptr ? std::string(p.slovaVolby, std::strcspn(p.slovaVolby, "|"))
                                                            : QString::number((p.minVcetne ? p.min : p.max) / p.meritkoVolby).toStdString();
        std::vector<std::vector<std::string>> behy;
        if (p.volba != nullptr) {
            behy.push_back({"compute", priklad, std::string("--") + p.volba, hodnota});
        }
        if (p.nazev != nullptr) {
            const bool vrstva = p.velicina == zorvet::Velicina::TloustkaVrstvy;
            behy.push_back({"sweep", priklad, "--vary", (vrstva ? std::string("layer1") : p.nazev) + "=1:2:1"});
        }
        if (p.hledani != zorvet::Hledani::Ne) {
            behy.push_back({"goal", priklad, "--time", "600", "--find", p.nazev});
        }
        for (const std::vector<std::string>& beh : behy) {
            std::vector<const char*> argumenty;
            for (const std::string& a : beh) {
                argumenty.push_back(a.c_str());
            }
            const Beh b = spust(argumenty);
            EXPECT_EQ(b.kod, 2) << beh[0] << " " << beh[2];
            EXPECT_TRUE(b.err.contains(zorvet::Text(p.nemenitelna, zorvet::Jazyk::Anglicky))) << b.err.toStdString();
        }
    }
}

// Every quantity a sweep varies changes its rows beyond the value itself (the soak its cycle, the
// losses the power), in a case where it acts; a sweep of the arrangement takes the load's pieces along.
TEST_F(Davka, EverySweptQuantityChangesItsRows) {
    using zorvet::Kdy;
    const std::vector<const char*> tyc{"ex:thick_round_bar.cfg", "--conductivity", "40"};
    sochory("ctyri.cfg", 4);
    sochory("pet.cfg", 5);
    // The case where a value of the row acts: the typed 100 kg, the billet (alone, in a 2 x 2
    // array, in a bundle of five) or a brick-less box of thin fibre under a tight power.
    const std::map<Kdy, std::vector<const char*>> pripady{
        {Kdy::Vzdy, {"ex:uncontrolled.cfg"}}, {Kdy::Nerizeny, {"ex:uncontrolled.cfg"}},
        {Kdy::BezRozmeru, {"ex:uncontrolled.cfg"}}, {Kdy::ZRozmeru, tyc}, {Kdy::ZRozmeruTyce, tyc},
        {Kdy::ZRozmeruKruh, tyc}, {Kdy::VMrizce, {"@ctyri.cfg", "--conductivity", "40", "--array", "2x2"}},
        {Kdy::VeSvazku, {"@pet.cfg", "--conductivity", "40", "--bundle", "0.6"}},
        {Kdy::SPeci, {"ex:uncontrolled.cfg", "--chamber", "1x1x1", "--lining", "fibre-128:0.05", "--power-limit",
                      "15000", "--door", "0.5x0.5:60"}},
    };
    // Rows whose two values the range cannot give: a bundle the bars fill, a power that limits.
    const std::map<std::string, std::pair<double, double>> zvlast{
        {"bundle", {0.6, 0.8}}, {"bundle-b", {0.6, 0.8}}, {"power", {20000.0, 40000.0}}, {"layerN", {0.05, 0.1}}};
    zorvet::Uloha vychozi;
    vychozi.KoefK = 1.0f;
    const zorvet::PrecteniSouboru u =
        zorvet::NactiSoubor(QStringLiteral(ZORVET_EXAMPLES "/uncontrolled.cfg"), false, vychozi, zorvet::Jazyk::Anglicky);
    ASSERT_TRUE(u.obsah);
    for (const zorvet::PopisPole& p : zorvet::PoleUlohy()) {
        if (p.nazev == nullptr) {
            continue;
        }
        // A value the problem needs: its own and a little less; a default: it and twice it (half,
        // beyond the range); none: a value of the range and half of it.
        const double vlastni = zorvet::Hodnota(p, u.obsah->uloha);
        auto [od, po] = p.prazdne == zorvet::Prazdne::Nelze ? std::pair(vlastni, 0.95 * vlastni)
                        : p.prazdne == zorvet::Prazdne::Nic ? std::pair(vRozsahu(p) / 2.0, vRozsahu(p))
                        : p.vychozi == 0.0                  ? std::pair(0.0, vRozsahu(p))
                        : 2.0 * p.vychozi <= p.max          ? std::pair(p.vychozi, 2.0 * p.vychozi)
                                                            : std::pair(p.vychozi, p.vychozi / 2.0);
        std::tie(od, po) = zvlast.contains(p.nazev) ? zvlast.at(p.nazev) : std::pair(od, po);
        const QString a = QString::number(od, 'g', 6);
        const QString b = QString::number(po, 'g', 6);
        const std::string vary = QStringLiteral("%1=%2:%3:%4")
                                     .arg(QString::fromLatin1(p.nazev).replace(QLatin1Char('N'), QLatin1Char('1')), a, b, QString::number(std::fabs(b.toDouble() - a.toDouble()), 'g', 6))
                                     .toStdString();
        std::vector<const char*> argumenty = pripady.at(p.menitelna != Kdy::Vzdy ? p.menitelna : p.kdy);
        argumenty.insert(argumenty.begin(), "sweep");
        argumenty.insert(argumenty.end(), {"--vary", vary.c_str()});
        const Beh b2 = spust(argumenty);
        ASSERT_EQ(b2.kod, 0) << vary << ": " << b2.err.toStdString();
        const QStringList radky = b2.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        ASSERT_EQ(radky.size(), 3) << vary << "\n" << b2.out.toStdString();
        EXPECT_TRUE(radky[1].endsWith(QLatin1Char(',')) && radky[2].endsWith(QLatin1Char(','))) << b2.out.toStdString();
        EXPECT_NE(radky[1].section(QLatin1Char(','), 1), radky[2].section(QLatin1Char(','), 1)) << b2.out.toStdString();
    }
}

// A log read off the core column of a computed run is fitted back to its emissivity with the
// thermocouple in the core, not as the charge's temperature; a thermocouple needs a core, and is
// at one of three places.
TEST_F(Davka, FitsTheLogWhereTheThermocoupleSits) {
    ASSERT_EQ(spust({"compute", "ex:thick_round_bar.cfg", "--conductivity", "40", "--csv", "@j.csv"}).kod, 0);
    QString log = QStringLiteral("time_s,charge_C\n");
    const QStringList radky = QString::fromUtf8(obsah("j.csv")).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    for (qsizetype i = 1; i < radky.size(); ++i) {
        const QStringList pole = radky[i].split(QLatin1Char(','));
        log += pole[0] + QLatin1Char(',') + pole[3] + QLatin1Char('\n');
    }
    QFile f(soubor("core.csv"));
    ASSERT_TRUE(f.open(QIODevice::WriteOnly) && f.write(log.toUtf8()) > 0);
    f.close();
    const Beh jadro = spust({"fit", "ex:thick_round_bar.cfg", "--conductivity", "40", "--measured", "@core.csv",
                             "--thermocouple", "core"});
    EXPECT_EQ(jadro.out, QStringLiteral("Emissivity [-]: 0.8000\nRMS Deviation [K]: 0.02\n")) << jadro.err.toStdString();
    const Beh vsazka = spust({"fit", "ex:thick_round_bar.cfg", "--conductivity", "40", "--measured", "@core.csv"});
    ASSERT_EQ(vsazka.kod, 0);
    EXPECT_FALSE(vsazka.out.startsWith(QStringLiteral("Emissivity [-]: 0.8"))) << vsazka.out.toStdString();
    const Beh bez = spust({"fit", "ex:thick_round_bar.cfg", "--measured", "@core.csv", "--thermocouple", "surface"});
    EXPECT_EQ(bez.kod, 2);
    EXPECT_TRUE(bez.err.contains(QStringLiteral("needs the core of the charge"))) << bez.err.toStdString();
    const Beh spatne = spust({"fit", "ex:thick_round_bar.cfg", "--measured", "@core.csv", "--thermocouple", "kore"});
    EXPECT_EQ(spatne.kod, 2);
    EXPECT_EQ(spatne.err, QStringLiteral("zorvet: --thermocouple is surface, core or charge, not \"kore\".\n"));
}

// What cannot be printed leaves every file as it was: the files are put in place after the print.
TEST_F(Davka, AFailedPrintChangesNoFile) {
    {
        QFile stary(soubor("x.odp"));
        ASSERT_TRUE(stary.open(QIODevice::WriteOnly) && stary.write("stary") == 5);
    }
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), soubor("config"));
    p.setProcessEnvironment(env);
    p.setStandardOutputFile(QStringLiteral("/dev/full"));
    p.start(QStringLiteral(ZORVET_PROGRAM), {QStringLiteral("compute"), QStringLiteral(ZORVET_EXAMPLES "/uncontrolled.cfg"),
                                            QStringLiteral("--results"), soubor("x.odp"), QStringLiteral("--csv"),
                                            soubor("x.csv")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_EQ(obsah("x.odp"), "stary");
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("x.odp")});
}

// Two runs that write the same results file and table at once leave both from one run. The
// first holds its outputs' lock between its two commits (a hook of the tests); the second, started
// then, finds the lock taken and waits; so both files are the second's, as when the runs took
// turns, and no lock file stays behind.
TEST_F(Davka, RunsThatMeetLeaveOnePairOfOutputs) {
    ASSERT_TRUE(QDir(dir_.path()).mkdir(QStringLiteral("sam")));
    const std::vector<const char*> druhe{"compute", "ex:uncontrolled.cfg", "--reduction", "0.5"};
    std::vector<const char*> samotne = druhe;
    samotne.insert(samotne.end(), {"--results", "@sam/r.odp", "--csv", "@sam/r.csv"});
    ASSERT_EQ(spust(samotne).kod, 0);
    QProcessEnvironment env = prostredi();
    env.insert(QStringLiteral("ZORVET_TEST_COMMIT_PAUSE"), QStringLiteral("1"));
    const auto zacni = [&](QProcess& p, QStringList argumenty, const char* ceka) {
        p.setProcessEnvironment(env);
        p.setReadChannel(QProcess::StandardError);
        argumenty << QStringLiteral("--results") << soubor("r.odp") << QStringLiteral("--csv") << soubor("r.csv");
        p.start(QStringLiteral(ZORVET_PROGRAM), argumenty);
        QByteArray err;
        while (!err.contains(ceka) && p.waitForReadyRead(60000)) {
            err += p.readAllStandardError();
        }
        return err.contains(ceka);
    };
    const QString priklad = QStringLiteral(ZORVET_EXAMPLES "/uncontrolled.cfg");
    QProcess prvni, druhy;
    ASSERT_TRUE(zacni(prvni, {QStringLiteral("compute"), priklad}, "committed"));
    druhy.setStandardInputFile(QProcess::nullDevice());  // it goes on at once between its own commits
    EXPECT_TRUE(zacni(druhy, {QStringLiteral("compute"), priklad, QStringLiteral("--reduction"), QStringLiteral("0.5")},
                      "waiting"));
    prvni.write("\n");
    prvni.closeWriteChannel();
    for (QProcess* p : {&prvni, &druhy}) {
        ASSERT_TRUE(p->state() == QProcess::NotRunning || p->waitForFinished(60000));
    }
    EXPECT_EQ(prvni.exitCode(), 0);
    EXPECT_EQ(druhy.exitCode(), 0);
    EXPECT_EQ(obsah("r.odp"), obsah("sam/r.odp"));
    EXPECT_EQ(obsah("r.csv"), obsah("sam/r.csv"));
    EXPECT_FALSE(QFileInfo::exists(soubor(".zorvet.lock")));
}

// A sweep's CSV that the disk cuts short (no file may grow past 1 kB) names the system's reason,
// as the other outputs do, and leaves no file.
TEST_F(Davka, ASweepCutShortSaysWhy) {
    QProcess p;
    p.setProcessEnvironment(prostredi());
    p.setChildProcessModifier([] {
        std::signal(SIGXFSZ, SIG_IGN);
        const rlimit male{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &male);
    });
    p.start(QStringLiteral(ZORVET_PROGRAM), {QStringLiteral("sweep"), QStringLiteral(ZORVET_EXAMPLES "/uncontrolled.cfg"),
                                            QStringLiteral("--vary"), QStringLiteral("mass=1:200:1"),
                                            QStringLiteral("--csv"), soubor("s.csv")});
    ASSERT_TRUE(p.waitForFinished(60000));
    EXPECT_EQ(p.exitCode(), 2);
    EXPECT_EQ(QString::fromUtf8(p.readAllStandardError()),
              QStringLiteral("zorvet: File Error: %1: %2\n").arg(soubor("s.csv"), qt_error_string(EFBIG)));
    EXPECT_FALSE(QFileInfo::exists(soubor("s.csv")));
}

struct Odmitnuti {
    std::vector<const char*> argumenty;
    int kod;
    const char* zprava;
};

class Chyba : public Davka, public testing::WithParamInterface<Odmitnuti> {};

// Unusable input exits with 2, a failed computation with 1; the reason on standard error and
// nothing on standard output, and a results file asked for left as it was.
TEST_P(Chyba, SaysWhyAndWritesNothing) {
    problem("nulova_hmotnost.cfg", {{"Weight", " 0 "}});
    problem("kilogram.cfg", {{"Weight", " 1 "}});
    problem("preklep.cfg", {{"Weight", " 1O0.5 "}});
    problem("nedosazitelna.cfg", {{"Final", " 1000 "}});
    problem("kratky_krok.cfg", {{"Time Step", " .001 "}});
    problem("prumer.cfg", {{"Charge Diameter", " .3 "}}, "thick_round_bar.cfg");
    problem("vlastni.cfg", {});
    problem("bez_ploch.cfg", {{"Sides A*B", " 0 "}, {"Sides A*L", " 0 "}, {"Sides B*L", " 0 "}}, "mass_from_dimensions.cfg");
    ASSERT_EQ(::mkfifo(QFile::encodeName(soubor("roura.png")).constData(), 0600), 0);  // opened by nobody
    for (const auto& [jmeno, text] : {std::pair{"log.csv", "time_s,charge_C\n0,20\n0,30\n"},
                                      std::pair{"malo.csv", "time_s,charge_C\n0,20\n10,30\n"},
                                      std::pair{"studeny.csv", "time_s,charge_C\n0,20\n10,20\n20,15\n"},
                                      std::pair{"cislo.csv", "time_s,charge_C\n0,20\n10,3O\n"},
                                      std::pair{"hlava.csv", "time,charge\n0,20\n"},
                                      std::pair{"pec.csv", "time_s,charge_C,furnace_C\n0,20,1000\n60,90,-1000\n"},
                                      std::pair{"nad_peci.csv", "time_s,charge_C,furnace_C\n0,20,400\n600,700,400\n"
                                                                "1200,900,400\n"},
                                      std::pair{"vlastnosti.csv", "temperature_C,c_J_kgK\n-500,460\n1200,650\n"}}) {
        QFile log(soubor(jmeno));
        ASSERT_TRUE(log.open(QIODevice::WriteOnly) && log.write(text) > 0);
    }
    {
        QFile stary(soubor("x.odp"));
        ASSERT_TRUE(stary.open(QIODevice::WriteOnly) && stary.write("stary") == 5);
    }
    const Beh b = spust(GetParam().argumenty);
    EXPECT_EQ(b.kod, GetParam().kod);
    EXPECT_TRUE(b.out.isEmpty());
    EXPECT_TRUE(b.err.startsWith(QStringLiteral("zorvet: ")));
    EXPECT_TRUE(b.err.contains(QString::fromUtf8(GetParam().zprava))) << b.err.toStdString();
    EXPECT_EQ(obsah("x.odp"), "stary");
}

INSTANTIATE_TEST_SUITE_P(
    Davka, Chyba,
    testing::Values(
        Odmitnuti{{"compute", "@nulova_hmotnost.cfg", "--results", "@x.odp"}, 2, "Weight [kg] must be at least 0.000001."},
        Odmitnuti{{"compute", "@kilogram.cfg", "--results", "@x.odp"}, 1,
                  "In step 1 the charge would pass the furnace temperature"},
        Odmitnuti{{"compute", "@preklep.cfg"}, 2, "preklep.cfg: Line 8: “1O0.5” is not a number."},
        Odmitnuti{{"compute", "@prumer.cfg"}, 2, "Interchange Surface [m2] does not match the dimensions"},
        Odmitnuti{{"compute", "data:"}, 2, "This is a folder, not a file."},
        // Every output is checked before any is written.
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--results", "@x.odp", "--csv", "/nonexistent/x.csv"}, 2,
                  "File Error: /nonexistent/x.csv"},
        // An output is no input and no other output, by any name, and a regular file or a new one.
        Odmitnuti{{"compute", "@vlastni.cfg", "--csv", "@./vlastni.cfg"}, 2, "this is the file the command reads"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--results", "@x.odp", "--csv", "@x.odp"}, 2,
                  "another output of the command names this file too."},
        Odmitnuti{{"report", "@x.pdf", "--output", "@x.pdf"}, 2, "this is the file the command reads"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--results", "@x.odp", "--csv", "@roura.png"}, 2,
                  "roura.png: This is no regular file"},
        Odmitnuti{{"chart", "ex:uncontrolled.cfg", "--output", "@roura.png"}, 2, "This is no regular file"},
        Odmitnuti{{"compute", "@nedosazitelna.cfg"}, 2, "The final temperature 1000 °C is never reached"},
        Odmitnuti{{"compute", "@kratky_krok.cfg", "--results", "@x.odp"}, 1, "Within evaluation array overload."},
        // 60 W: no step mends a power that cannot give the charge its heat within the table.
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--power-limit", "60", "--results", "@x.odp"}, 1,
                  "The installed power of 0.06 kW cannot bring the charge to the final temperature within the table: "
                  "less the 0 % losses, it gives the 12.22222 kWh the charge takes in no less than 733334 s"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--power-limit", "60KW"}, 2, "“60KW” is not a number."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--bogus"}, 2, "Unknown option 'bogus'. See zorvet --help."},
        Odmitnuti{{"compute", "data:truncated_problem.cfg"}, 2, "The file ends before the problem setting is complete."},
        Odmitnuti{{"compute", "data:unrelated.txt"}, 2, "The file holds no problem setting."},
        Odmitnuti{{"compute", "@chybi.cfg"}, 2, "File Error"},
        Odmitnuti{{"table", "ex:uncontrolled.cfg"}, 2, "The file holds no results."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--results", "/dev/full"}, 2, "This is no regular file"},
        Odmitnuti{{"frobnicate", "ex:uncontrolled.cfg"}, 2, "unknown command"},
        Odmitnuti{{"compute"}, 2, "needs exactly one file"},
        Odmitnuti{{}, 2, "the window needs a display"},
        // A file alone is what a file manager starts: it opens in the window; a name of no file is a command.
        Odmitnuti{{"ex:uncontrolled.cfg"}, 2, "the window needs a display"},
        Odmitnuti{{"@chybi.cfg"}, 2, "File Error: "},
        Odmitnuti{{"nic"}, 2, "unknown command"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--losses", "40000"}, 2,
                  "--losses: Heat Losses [%] is too large: at most 32767."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--losses", "2,5"}, 2,
                  "--losses: Heat Losses [%] must be a whole number."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--reduction", "0"}, 2, "--reduction: Reduction Factor of the Surface [-] must be greater than 0 and at most 1."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--reduction", "1.5"}, 2, "--reduction: Reduction Factor of the Surface [-] must be greater than 0 and at most 1."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--language", "de"}, 2, "--language is en or cs"},
        Odmitnuti{{"table", "ex:uncontrolled.cfg", "--losses", "5"}, 2, "--losses is not an option of table"},
        Odmitnuti{{"chart", "ex:uncontrolled.cfg"}, 2, "chart needs --output"},
        Odmitnuti{{"chart", "ex:uncontrolled.cfg", "--output", "@x.gif"}, 2, "--output names a .png, .svg or .pdf"},
        Odmitnuti{{"chart", "ex:uncontrolled.cfg", "--output", "@x.png", "--size", "640x20"}, 2, "--size is WxH"},
        Odmitnuti{{"report", "ex:uncontrolled.cfg", "--output", "@x.png"}, 2, "report needs --output FILE.pdf"},
        Odmitnuti{{"compute", "ex:mass_from_dimensions.cfg", "--conductivity", "0"}, 2, "--conductivity: Thermal Conductivity [W/m/K] must be at least"},
        Odmitnuti{{"table", "ex:mass_from_dimensions.cfg", "--conductivity", "4"}, 2, "--conductivity is not an option"},
        Odmitnuti{{"report", "ex:uncontrolled.cfg", "--output", "@x.pdf", "--losses", "x"}, 2,
                  "--losses: Heat Losses [%]: “x” is not a number."},
        // A core needs a piece with a face to heat: every command refuses the case for it alike.
        Odmitnuti{{"compute", "@bez_ploch.cfg", "--conductivity", "50"}, 2, "needs at least one long face of every piece"},
        Odmitnuti{{"goal", "@bez_ploch.cfg", "--conductivity", "50", "--time", "3000", "--find", "furnace"}, 2,
                  "needs at least one long face of every piece"},
        Odmitnuti{{"compute", "ex:thick_round_bar.cfg", "--conductivity", "1e-12"}, 2, "must be at least 0.000000001."},
        Odmitnuti{{"compute", "ex:thick_round_bar.cfg", "--conductivity", "1e-3"}, 1,
                  "The core does not reach the final temperature within ten times"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--power-limit", "0"}, 2, "must be greater than zero"},
        // The problem is the whole load: one billet is no array of nine, nor the seven bars of a bundle.
        Odmitnuti{{"compute", "ex:thick_round_bar.cfg", "--conductivity", "40", "--array", "3x3"}, 2,
                  "an array of 3 x 3 holds 9 pieces, but the problem's number of pieces is 1."},
        Odmitnuti{{"compute", "ex:thick_round_bar.cfg", "--conductivity", "40", "--bundle", "0.75"}, 2,
                  "the bundle holds 7 bars of .25 m at a porosity of .2146018, but the problem's number of pieces is 1."},
        Odmitnuti{{"compute", "ex:thick_round_bar.cfg", "--conductivity", "40", "--array", "11x10"}, 2,
                  "an array of 11 x 10 is 110 pieces; at most 100 pieces in an array are computed."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--power-limit", "1e-320"}, 2, "must be greater than zero"},
        // The soak's bound in the minutes it is given in, one that the check takes.
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--soak", "166666.7"}, 2, "Soak Time [min] is too large: at most 166666.6."},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--properties", ""}, 2, "--properties needs carbon-steel"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--properties", "@vlastnosti.csv"}, 2,
                  "Line 2, column 1: the temperature “-500” lies outside those a charge may have, from -273.15 to 3000"},
        Odmitnuti{{"table", "data:results_beyond_single.odp"}, 2, "Line 20: “1E+39” is no temperature"},
        Odmitnuti{{"goal", "ex:uncontrolled.cfg", "--time", "600", "--soak", "10", "--find", "furnace"}, 1,
                  "the soak of 10 min alone takes that long or longer"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--convection", "-1"}, 2, "must be 0 or more"},
        Odmitnuti{{"compute", "ex:uncontrolled.cfg", "--properties", "data:"}, 2, "File Error"},
        Odmitnuti{{"goal", "ex:uncontrolled.cfg", "--time", "100", "--find", "power"}, 1, "Even with unlimited power"},
        Odmitnuti{{"goal", "ex:uncontrolled.cfg", "--time", "600", "--find", "x"}, 2, "--find furnace, mass, power"},
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--vary", "mass=1:2:0"}, 2, "a STEP over 0"},
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--vary", "mass=1:2:1", "--vary", "mass=3:4:1"}, 2, "swept twice"},
        // A layer the lining has not; the roof lined as the walls is swept with them.
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--chamber", "1x1x1", "--lining", "fibre-128:0.1", "--vary",
                   "layer2=0.1:0.2:0.1"},
                  2, "The lining (walls) has no layer 2: it has 1."},
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--chamber", "1x1x1", "--lining", "fibre-128:0.1", "--vary",
                   "roof-layer1=0.1:0.2:0.1", "--language", "cs"},
                  2, "Vyzdívka (strop) je stejná jako stěn"},
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--vary", "layer0=1:2:1"}, 2, "NAME=FROM:TO:STEP names"},
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--vary", "mass=1:2000000:1"}, 2, "more than a million values"},
        Odmitnuti{{"sweep", "ex:uncontrolled.cfg", "--vary", "mass=1:1000:1", "--vary", "start=0:1000:1"}, 2,
                  "sweep: more than a million points"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@log.csv"}, 2, "log.csv: Line 3: the time “0” s"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@malo.csv"}, 2, "at least 3 points, not 2"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@studeny.csv"}, 2, "above the starting temperature 20 °C"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@cislo.csv"}, 2, "Line 3, column 2: “3O” is not a number"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@hlava.csv"}, 2, "“time,charge” is not the header"},
        // Logs that cannot be true, and a log no emissivity explains.
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@pec.csv"}, 2,
                  "Line 3, column 3: “-1000” °C is no temperature of a charge or a furnace"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@nad_peci.csv"}, 1,
                  "the log heats as fast as ε 1 allows or faster"},
        Odmitnuti{{"fit", "ex:uncontrolled.cfg", "--measured", "@hlava.csv", "--columns", "time,3"}, 2,
                  "hlava.csv or by numbers from 1 to 2, not \"time,3\"."}));

}  // namespace

namespace {

// The furnace as a thermal system from the options: its lines after today's, in both languages;
// the cost is the cycle's electric energy at the price; a results file reopens to the same lines.
TEST_F(Davka, FurnaceOfItsOwnOptions) {
    const std::vector<const char*> pec{"compute", "ex:uncontrolled.cfg", "--chamber", "1x1x1", "--lining",
                                       "fibre-128:0.2", "--power-limit", "100000", "--start", "cold", "--door",
                                       "0.5x0.5:60", "--soak", "10", "--energy-price", "0.25", "--results", "@pec.odp"};
    const Beh b = spust(pec);
    ASSERT_EQ(b.kod, 0) << b.err.toStdString();
    const QString x = QStringLiteral("-?[0-9.]+(?:E[-+][0-9]+)?");
    const QRegularExpression cyklus(QStringLiteral("Energy Balance of the Cycle \\[kWh\\]: electric (%1), charge %1, "
                                                   "fixtures 0, lining %1, walls %1, opening %1\n"
                                                   "Peak Power \\[kW\\]: 100\nCost per Cycle: (%1)\n$").arg(x));
    const QRegularExpressionMatch m = cyklus.match(b.out);
    ASSERT_TRUE(m.hasMatch()) << b.out.toStdString();
    EXPECT_NEAR(m.captured(2).toDouble(), 0.25 * m.captured(1).toDouble(), 1e-4 * m.captured(2).toDouble());
    EXPECT_TRUE(b.out.contains(QStringLiteral("Cycle Time [s]: ")));
    EXPECT_TRUE(b.out.contains(QStringLiteral("Energy Balance of the Heat-up [kWh]: electric ")));
    const Beh znovu = spust({"compute", "@pec.odp"});
    EXPECT_EQ(znovu.out, b.out);
    std::vector<const char*> cesky = pec;
    cesky.insert(cesky.end(), {"--language", "cs"});
    EXPECT_TRUE(spust(cesky, "cs_CZ.UTF-8").out.contains(QStringLiteral("Energetická bilance cyklu [kWh]: elektřina ")));
}

// A furnace whose installed power does not even cover its walls' loss never brings the charge to
// its final temperature: the run says so and why, from cold and in the cyclic steady state. A goal
// seek from cold finds the smallest power that meets a cycle time: it does, and 1 % less does not.
TEST_F(Davka, FurnacePowerFromCold) {
    const auto s = [](std::vector<const char*> a) {
        a.insert(a.begin() + 1, {"ex:uncontrolled.cfg", "--chamber", "1x1x1", "--lining", "fibre-128:0.1", "--soak", "10"});
        return a;
    };
    for (const char* start : {"cold", "cyclic"}) {
        const Beh b = spust(s({"compute", "--power-limit", "5kW", "--start", start}));
        EXPECT_EQ(b.kod, 1) << start;
        EXPECT_TRUE(b.err.contains(QStringLiteral("The furnace does not bring the charge to the final temperature")) &&
                    b.err.contains(QStringLiteral("alone lose 8.1"))) << b.err.toStdString();
    }
    const Beh cil = spust(s({"goal", "--power-limit", "15kW", "--start", "cold", "--time", "5000", "--find", "power"}));
    ASSERT_EQ(cil.kod, 0) << cil.err.toStdString();
    const double w = cil.out.section(QLatin1Char('\n'), 0, 0).section(QStringLiteral(": "), 1).toDouble();
    const auto cyklus = [&](double prikon) {
        const std::string p = QString::number(prikon, 'f', 0).toStdString();
        const QString out = spust(s({"compute", "--power-limit", p.c_str(), "--start", "cold"})).out;
        return out.section(QStringLiteral("Cycle Time [s]: "), 1).section(QLatin1Char('\n'), 0, 0).toDouble();
    };
    EXPECT_LE(cyklus(w), 5000.0) << w;
    EXPECT_GT(cyklus(0.99 * w), 5000.0) << w;
}

// What the furnace's options refuse, each with the exit status of unusable input and its reason.
TEST_F(Davka, FurnaceOptionsRefused) {
    const struct {
        std::vector<const char*> volby;
        const char* duvod;
    } pripady[] = {
        {{"--fixtures", "10:500"}, "It belongs to a furnace described as a thermal system"},
        {{"--start", "cold"}, "--chamber and --lining describe the furnace"},
        {{"--chamber", "1x1", "--lining", "fibre-128:0.2"}, "--chamber: needs WxDxH"},
        {{"--chamber", "1x1x1", "--lining", "cork:0.2"}, "\"cork\" is no refractory"},
        {{"--chamber", "1x1x1", "--lining", "fibre-128:-1"}, "\"-1\" is no refractory"},
        {{"--chamber", "1x1x1", "--lining", "fibre-128:0.2", "--start", "sometimes"}, "--start: is hot, cold"},
        {{"--chamber", "1x1x1", "--lining", "fibre-128:0.2", "--start", "cold"}, "needs its installed power"},
        {{"--chamber", "1x1x1", "--lining", "fibre-128:0.2", "--door", "0.5x0.5"}, "--door: needs WxH:SECONDS"},
        {{"--chamber", "1x1x1", "--lining", "x:0.2", "--refractories", "data:none.lst"}, "none.lst"},
    };
    for (const auto& p : pripady) {
        std::vector<const char*> argumenty{"compute", "ex:uncontrolled.cfg"};
        argumenty.insert(argumenty.end(), p.volby.begin(), p.volby.end());
        const Beh b = spust(argumenty);
        EXPECT_EQ(b.kod, 2) << p.duvod;
        EXPECT_TRUE(b.err.contains(QString::fromUtf8(p.duvod))) << b.err.toStdString();
    }
}

}  // namespace
