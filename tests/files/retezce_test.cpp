#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

#include "files/cisla.h"
#include "files/nastaveni.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "model/stav.h"

namespace zorvet {
namespace {

TEST(StringTable, BothBlocksAreCompleteAndAligned) {
    for (int id = 10; id <= 153; ++id) {
        EXPECT_FALSE(LoadResString(id).isEmpty()) << id;
        EXPECT_FALSE(LoadResString(id + 200).isEmpty()) << id + 200;
    }
    EXPECT_TRUE(LoadResString(9).isEmpty());
    EXPECT_TRUE(LoadResString(209).isEmpty());
}

TEST(StringTable, TextsKeepTheirBlanksAndAccelerators) {
    EXPECT_EQ(Text(85, kCesky), QStringLiteral("Konečné teploty "));
    EXPECT_EQ(Text(86, kAnglicky), QStringLiteral(" °C have been obtained during"));
    EXPECT_EQ(Text(90, kCesky), QStringLiteral("Zkuste  v zadání úlohy zvolit delší časový krok iterace."));
    EXPECT_EQ(Text(103, kAnglicky), QStringLiteral("This  interchange surface is greater than potential"));
    EXPECT_EQ(Text(135, kAnglicky), QStringLiteral(" T[°C]"));
    EXPECT_EQ(Text(27, kCesky), QStringLiteral("Č&eský"));
    EXPECT_EQ(Text(101, kCesky), QStringLiteral("Všechny (*.*) |*.*|Vysledky ohřevu (*.odp) |*.odp"));
    EXPECT_EQ(Text(19, kAnglicky), QStringLiteral("&Setting"));
}

// Settings in a temporary folder, so the test never touches the user's own.
class Jazyk : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    }
    void ulozText(const QString& text) {
        QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zorvet"), QStringLiteral("Zorvet"));
        s.setValue(QStringLiteral("Settings/Language"), text);
    }
    QTemporaryDir dir_;
};

TEST_F(Jazyk, NothingStoredIsEnglish) { EXPECT_EQ(NactiJazyk(), kAnglicky); }

TEST_F(Jazyk, StoredCzechRoundTrips) {
    UlozJazyk(kCesky);
    EXPECT_EQ(NactiJazyk(), kCesky);
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zorvet"), QStringLiteral("Zorvet"));
    EXPECT_EQ(s.value(QStringLiteral("Settings/Language")).toString(), QStringLiteral("200"));
    UlozJazyk(kAnglicky);
    EXPECT_EQ(NactiJazyk(), kAnglicky);
}

TEST_F(Jazyk, AnyOtherStoredTextFallsBackToEnglish) {
    for (const char* text : {"100", "abc", "", "-200", "200.0"}) {
        ulozText(QString::fromLatin1(text));
        EXPECT_EQ(NactiJazyk(), kAnglicky) << text;
    }
}

// The final-temperature message uses "." whatever the locale.
class ZpravaKonce : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(ZpravaKonce, WorkedExampleInBothLanguages) {
    Stav s;
    s.PocetKroku = 47;
    s.Vysledky.TeplotaVsazky[47] = 900.79f;
    s.Vysledky.Cas[47] = 470.0f;
    EXPECT_EQ(ZpravaKonecneTeploty(s), QStringLiteral("Final temperature 901 °C have been obtained during 470 s."));
    s.Jazyk = kCesky;
    EXPECT_EQ(ZpravaKonecneTeploty(s), QStringLiteral("Konečné teploty  901 °C je dosaženo za 470 s."));
}

TEST_P(ZpravaKonce, HalvesRoundToEvenAndFractionsUseThePoint) {
    Stav s;
    s.PocetKroku = 1;
    s.Vysledky.TeplotaVsazky[1] = 900.5f;
    s.Vysledky.Cas[1] = 0.5f;
    EXPECT_EQ(ZpravaKonecneTeploty(s), QStringLiteral("Final temperature 900 °C have been obtained during .5 s."));
    s.Vysledky.TeplotaVsazky[1] = 901.5f;
    s.Vysledky.Cas[1] = 12345.5f;
    EXPECT_EQ(ZpravaKonecneTeploty(s),
              QStringLiteral("Final temperature 902 °C have been obtained during 12345.5 s."));
    s.Vysledky.TeplotaVsazky[1] = -3.4f;
    EXPECT_TRUE(ZpravaKonecneTeploty(s).startsWith(QStringLiteral("Final temperature-3 °C")));
}

INSTANTIATE_TEST_SUITE_P(Lokaly, ZpravaKonce, ::testing::Values("en_US", "cs_CZ"));

TEST(ZpravaSelhani, OverflowHasTwoLinesAndTheInformationIcon) {
    VysledekVypoctu v{KonecVypoctu::Preteceni, {}, 10000};
    EXPECT_EQ(ZpravaSelhani(v, kAnglicky),
              QStringLiteral("Within evaluation array overload.\r\nSet bigger iteration step in the setting."));
    EXPECT_TRUE(SelhaniJeInformace(v));
    EXPECT_EQ(TitulekSelhani(kCesky), QStringLiteral("Chyba výpočtu"));
    VysledekVypoctu nula{KonecVypoctu::Chyba, "Division by zero", 3};
    EXPECT_EQ(ZpravaSelhani(nula, kCesky), QStringLiteral("Division by zero"));
    EXPECT_FALSE(SelhaniJeInformace(nula));
    EXPECT_FALSE(ZpravaSelhani({KonecVypoctu::Nekonverguje, {}, 2}, kAnglicky).isEmpty());
    EXPECT_FALSE(ZpravaSelhani({KonecVypoctu::NeplatnyKrok, {}, 0}, kCesky).isEmpty());
}

// The report form of a single, in both separators.
struct TvarCisla {
    float x;
    const char* tecka;
};

class TextCisla : public ::testing::TestWithParam<TvarCisla> {};

TEST_P(TextCisla, ReportForm) {
    const TvarCisla& p = GetParam();
    EXPECT_EQ(TextZpravy(p.x, QLatin1Char('.')), QString::fromLatin1(p.tecka));
    QString carka = QString::fromLatin1(p.tecka);
    carka.replace(QLatin1Char('.'), QLatin1Char(','));
    EXPECT_EQ(TextZpravy(p.x, QLatin1Char(',')), carka);
}

INSTANTIATE_TEST_SUITE_P(
    Tvary, TextCisla,
    ::testing::Values(TvarCisla{0.0f, " 0"}, TvarCisla{-0.0f, " 0"}, TvarCisla{0.5f, " .5"},
                      TvarCisla{-0.5f, "-.5"}, TvarCisla{470.0f, " 470"}, TvarCisla{0.1f, " .1"},
                      TvarCisla{900.79f, " 900.79"}, TvarCisla{1234567.0f, " 1234567"},
                      TvarCisla{25000000.0f, " 2.5E+07"}, TvarCisla{1e8f, " 1E+08"}, TvarCisla{1e-5f, " 1E-05"},
                      TvarCisla{0.0001f, " .0001"}, TvarCisla{7850.0f, " 7850"}, TvarCisla{1e20f, " 1E+20"},
                      TvarCisla{3.25f, " 3.25"}, TvarCisla{-273.15f, "-273.15"},
                      // 7 digits would read back as another single: the digits needed are kept
                      TvarCisla{1.0000001f, " 1.0000001"}, TvarCisla{3.1415927f, " 3.1415927"},
                      TvarCisla{12345678.0f, " 12345678"}));

TEST(TextCisla, FileFormUsesTheLocaleSeparatorAndATrailingBlank) {
    QLocale::setDefault(QLocale(QStringLiteral("cs_CZ")));
    EXPECT_EQ(TextSouboru(0.8f), QStringLiteral(" ,8 "));
    EXPECT_EQ(TextSouboru(static_cast<std::int16_t>(-3)), QStringLiteral("-3 "));
    EXPECT_EQ(TextObecny(0.8f), QStringLiteral("0,8"));
    EXPECT_EQ(TextObecny(12222.22f), QStringLiteral("12222,22"));
    QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    EXPECT_EQ(TextSouboru(0.8f), QStringLiteral(" .8 "));
    EXPECT_EQ(TextSouboru(static_cast<std::int16_t>(12)), QStringLiteral(" 12 "));
    EXPECT_EQ(TextObecny(93617.02f), QStringLiteral("93617.02"));
    EXPECT_EQ(TextObecny(-0.25f), QStringLiteral("-0.25"));
    QLocale::setDefault(QLocale::c());
}

}  // namespace
}  // namespace zorvet
