#include <gtest/gtest.h>

#include <QLocale>
#include <cmath>
#include <cstring>
#include <random>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/windows1250.h"

namespace zorvet {
namespace {

// A value line as the writer lays it out: the value from column 42.
QString radekHodnoty(const char* hodnota) {
    return QStringLiteral("Emissivity                    [-]     :  ") + QString::fromUtf8(hodnota);
}

class VLokalu : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

struct Cteni {
    const char* text;
    std::optional<double> hodnota;
};

// Every row reads the same under the point and the comma locale.
const Cteni kCisla[] = {
    {" .8 ", 0.8},           {" ,8 ", 0.8},          {"0.8", 0.8},
    {"0,8", 0.8},            {" 12,5 ", 12.5},       {" 12.5 ", 12.5},
    {" 1,234 ", 1.234},      {" 1.234 ", 1.234},     {" 470 ", 470.0},
    {" 7850 ", 7850.0},      {"-273,15 ", -273.15},  {"-273.15 ", -273.15},
    {"-,5 ", -0.5},          {"-.5 ", -0.5},         {" 2,5E+07 ", 2.5e7},
    {" 2.5E+07 ", 2.5e7},    {" 1E-05 ", 1e-5},      {" 12.50 ", 12.5},
    {" 1,0000001 ", 1.0000001}, {"", std::nullopt}, {"   ", std::nullopt},
    {" abc ", std::nullopt}, {" 12abc,5 ", 12.0},  {" 3,1415927 ", 3.1415927},
    // Not a plain number: the locale's reading is checked against the text.
    {" 1,234,567 ", 1.234},  {" 2,5E+07x ", 2.5e7}, {" +5 ", 5.0},
    {" 5. ", 5.0},           {" 1E+999 ", std::nullopt},
};

TEST_P(VLokalu, CtiCisloTakesEitherSeparator) {
    for (const Cteni& c : kCisla) {
        const std::optional<double> x = CtiCislo(radekHodnoty(c.text), kSloupecHodnoty);
        ASSERT_EQ(x.has_value(), c.hodnota.has_value()) << c.text;
        if (c.hodnota) {
            EXPECT_DOUBLE_EQ(*x, *c.hodnota) << c.text;
        }
    }
}

TEST_P(VLokalu, ALineEndingWithTheColonHasNoValue) {
    EXPECT_FALSE(CtiCislo(QStringLiteral("Furnace Temperature           [°C]    :"), kSloupecHodnoty));
    EXPECT_FALSE(CtiCislo(QStringLiteral("short"), kSloupecHodnoty));
    EXPECT_EQ(NaSingle(CtiCislo(QStringLiteral("Furnace Temperature           [°C]    :"), kSloupecHodnoty)), 0.0f);
}

TEST_P(VLokalu, ColumnOneReadsAWholeField) {
    EXPECT_DOUBLE_EQ(*CtiCislo(QStringLiteral("900,79"), 1), 900.79);
    EXPECT_DOUBLE_EQ(*CtiCislo(QStringLiteral(".1"), 1), 0.1);
    EXPECT_FALSE(CtiCislo(QStringLiteral("Time[s]"), 1));
}

// Any single written under one locale reads back as the same single under the other.
TEST_P(VLokalu, EveryWrittenSingleReadsBackUnderBothLocales) {
    std::mt19937 gen(20261206u);
    std::uniform_int_distribution<std::uint32_t> bity;
    std::vector<float> hodnoty = {0.0f,   0.5f,      -0.5f,      0.1f,       0.8f,      470.0f,    900.79f,
                                  1e-5f,  1e-30f,    1e20f,      3.1415927f, 1.0000001f, 12345678.0f, 16777217.0f,
                                  7850.0f, 314.00003f, -273.15f, 2.5e7f,     1e-45f,    3.4028235e38f};
    while (hodnoty.size() < 3000) {
        const std::uint32_t b = bity(gen);
        float x = 0.0f;
        std::memcpy(&x, &b, sizeof x);
        if (std::isfinite(x)) {
            hodnoty.push_back(x);
        }
    }
    for (const char* ctenar : {"en_US", "cs_CZ"}) {
        for (const float x : hodnoty) {
            const QString zapsano = TextSouboru(x);  // the writer's locale: the test's parameter
            QLocale::setDefault(QLocale(QString::fromLatin1(ctenar)));
            const float zpet = NaSingle(CtiCislo(QStringLiteral("  ") + zapsano, 1));
            QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
            ASSERT_EQ(zpet, x) << zapsano.toStdString() << " read under " << ctenar;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Lokaly, VLokalu, ::testing::Values("en_US", "cs_CZ"));

TEST(CtiText, KeepsInnerAndTrailingBlanks) {
    EXPECT_EQ(CtiText(QStringLiteral("Material                      [-]     :   Stainless steel 304  ")),
              QStringLiteral("Stainless steel 304  "));
    EXPECT_EQ(CtiText(QStringLiteral("Setting of Weight             [Z/V]   :   V")), QStringLiteral("V"));
    EXPECT_EQ(CtiText(QStringLiteral("Setting of Weight             [Z/V]   :")), QString());
}

struct Deleni {
    const char* radek;
    QStringList pole;
};

class RozdeleniRadku : public ::testing::TestWithParam<Deleni> {};

TEST_P(RozdeleniRadku, OnlyBlanksSeparate) { EXPECT_EQ(RozdelRadek(QString::fromLatin1(GetParam().radek)), GetParam().pole); }

INSTANTIATE_TEST_SUITE_P(
    Radky, RozdeleniRadku,
    ::testing::Values(Deleni{" 0             20 ", {"0", "20"}}, Deleni{" 10            46,65 ", {"10", "46,65"}},
                      Deleni{" 10            46.65         137.86 ", {"10", "46.65", "137.86"}},
                      Deleni{"", {}}, Deleni{"      ", {}}, Deleni{"a,b\tc", {"a,b\tc"}}));

TEST(NaCeleCislo, RoundsHalvesToEvenAndRejectsWhatDoesNotFit) {
    EXPECT_EQ(NaCeleCislo(2.5), 2);
    EXPECT_EQ(NaCeleCislo(3.5), 4);
    EXPECT_EQ(NaCeleCislo(-2.5), -2);
    EXPECT_EQ(NaCeleCislo(32767.0), 32767);
    EXPECT_EQ(NaCeleCislo(40000.0), 0);
    EXPECT_EQ(NaCeleCislo(std::nullopt), 0);
    EXPECT_EQ(NaSingle(1e39), 0.0f);
    EXPECT_EQ(NaSingle(std::nan("")), 0.0f);
    EXPECT_EQ(NaSingle(-1e300), 0.0f);
}

// The sequential field reading of curve rows and Material.lst.
TEST(CteckaTextu, TextAndNumericFieldsAcrossLineEnds) {
    for (const char* konec : {"\r\n", "\n", "\r"}) {
        const QString k = QString::fromLatin1(konec);
        CteckaTextu c(QStringLiteral("Steel S235") + k + QStringLiteral(" 460  7850 ") + k +
                      QStringLiteral("  \"Steel, hardened\"  ") + k + QStringLiteral(" 460,5  7850,25 ") + k + k +
                      QStringLiteral(" ,5  1E+03"));
        EXPECT_EQ(c.textovePole(), QStringLiteral("Steel S235")) << konec;
        EXPECT_EQ(c.ciselnePole(), 460.0);
        EXPECT_EQ(c.ciselnePole(), 7850.0);
        EXPECT_EQ(c.textovePole(), QStringLiteral("Steel, hardened"));
        EXPECT_EQ(c.ciselnePole(), 460.5);
        EXPECT_EQ(c.ciselnePole(), 7850.25);
        EXPECT_EQ(c.ciselnePole(), 0.5);  // blank lines are skipped before a number
        EXPECT_EQ(c.ciselnePole(), 1000.0);
        EXPECT_TRUE(c.naKonci());
        EXPECT_FALSE(c.ciselnePole());
        EXPECT_FALSE(c.textovePole());
        EXPECT_FALSE(c.radek());
    }
}

TEST(CteckaTextu, CommasSeparateFieldsWhenNoDigitFollows) {
    CteckaTextu c(QStringLiteral("a b,c\n460, 7850\n1,5,2"));
    EXPECT_EQ(c.textovePole(), QStringLiteral("a b"));
    EXPECT_EQ(c.textovePole(), QStringLiteral("c"));
    EXPECT_EQ(c.ciselnePole(), 460.0);
    EXPECT_EQ(c.ciselnePole(), 7850.0);
    EXPECT_EQ(c.ciselnePole(), 1.5);  // one decimal comma per number
    EXPECT_EQ(c.ciselnePole(), 2.0);
}

TEST(CteckaTextu, AFieldThatIsNoNumberIsLeftForTheNextRead) {
    CteckaTextu c(QStringLiteral(" 1000  0 \r\n\r\nHeating Period  [s]  :   470 \r\n"));
    EXPECT_EQ(c.ciselnePole(), 1000.0);
    EXPECT_EQ(c.ciselnePole(), 0.0);
    EXPECT_FALSE(c.ciselnePole());
    EXPECT_EQ(c.radek(), QString());
    EXPECT_EQ(c.radek(), QStringLiteral("Heating Period  [s]  :   470 "));
    EXPECT_FALSE(c.radek());
}

TEST(CteckaTextu, LastLineWithoutItsLineEndIsALine) {
    CteckaTextu c(QStringLiteral("a\r\nb"));
    EXPECT_EQ(c.radek(), QStringLiteral("a"));
    EXPECT_EQ(c.radek(), QStringLiteral("b"));
    EXPECT_FALSE(c.radek());
    CteckaTextu d(QStringLiteral("a\r\n"));
    EXPECT_EQ(d.radek(), QStringLiteral("a"));
    EXPECT_FALSE(d.radek());  // no empty line after the last line end
}

// Windows-1250: every byte the code page defines maps to one character and back.
TEST(Windows1250, EveryDefinedByteRoundTrips) {
    QByteArray vse;
    for (int b = 1; b < 256; ++b) {
        vse.append(static_cast<char>(b));
    }
    const QString text = ZWindows1250(vse);
    ASSERT_EQ(text.size(), vse.size());
    EXPECT_EQ(DoWindows1250(text), vse);
    EXPECT_EQ(ZWindows1250(QByteArray("\xE8\xEC\xF8\x9A\x9E\xFD\xE1\xED\xE9\xF9\xB0\x80")),
              QStringLiteral("čěřšžýáíéů°€"));
    EXPECT_EQ(DoWindows1250(QStringLiteral("Měrna tepelná kapacita")), QByteArray("M\xECrna tepeln\xE1 kapacita"));
    EXPECT_FALSE(DoWindows1250(QStringLiteral("Stahl \u03b1")));
}

TEST(Windows1250, FilesAreDecodedAsUtf8OnlyWhenValid) {
    const QString cesky = QStringLiteral("Teplota pece [°C] Měrná hmotnost");
    EXPECT_EQ(DekodujSoubor(*DoWindows1250(cesky)), cesky);
    EXPECT_EQ(DekodujSoubor(cesky.toUtf8()), cesky);
    EXPECT_EQ(DekodujSoubor(QByteArray("\xEF\xBB\xBF") + cesky.toUtf8()), cesky);
    EXPECT_EQ(KodujSoubor(cesky), *DoWindows1250(cesky));
    // A text Windows-1250 cannot hold is written in UTF-8, and reads back whole.
    const QString recky = QStringLiteral("Ocel \u03b1 °C");
    EXPECT_EQ(DekodujSoubor(KodujSoubor(recky)), recky);
}

}  // namespace
}  // namespace zorvet
