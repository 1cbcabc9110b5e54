// Number text written and read, the string table, the language setting, the messages of a
// run, Windows-1250 and the CSV table.
#include <gtest/gtest.h>

#include <QSettings>
#include <QTemporaryDir>
#include <bit>
#include <cstring>
#include <iconv.h>
#include <random>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/jazyk.h"
#include "files/retezce.h"
#include "files/rozmitani_csv.h"
#include "files/tabulka_csv.h"
#include "model/pipeline/vypocet.h"
#include "files/windows1250.h"
#include "files/zpravy.h"
#include "support/lokal.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

using test::Lokal;

struct Tvar {
    float x;
    const char* zprava;  // the report form with "."
    const char* obecny;  // the plain form with "."
};

class TextCisla : public testing::TestWithParam<Tvar> {};

// Each form in both locales: a comma locale writes the same digits with a comma.
TEST_P(TextCisla, ReportFileAndPlainForms) {
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        const Lokal l(lokal);
        const QChar sep = QLocale().decimalPoint().at(0);
        const auto s = [&](const char* t) { return QString::fromLatin1(t).replace(QLatin1Char('.'), sep); };
        EXPECT_EQ(TextZpravy(GetParam().x, sep), s(GetParam().zprava)) << lokal;
        EXPECT_EQ(TextObecny(GetParam().x), s(GetParam().obecny)) << lokal;
        // The file form keeps what reads back exactly, then one blank.
        const QString soubor = CisloSouboru(GetParam().x);
        EXPECT_TRUE(soubor.endsWith(QLatin1Char(' ')));
        EXPECT_EQ(toSingle(CtiCislo(soubor, 1)), GetParam().x) << soubor.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Tvary, TextCisla,
    testing::Values(Tvar{0.0f, " 0", "0"}, Tvar{0.5f, " .5", "0.5"}, Tvar{-0.5f, "-.5", "-0.5"},
                    Tvar{470.0f, " 470", "470"}, Tvar{148.90001f, " 148.9", "148.9"},
                    Tvar{0.32986724f, " .3298672", "0.3298672"}, Tvar{1234567.0f, " 1234567", "1234567"},
                    Tvar{12345678.0f, " 1.234568E+07", "1.234568E+07"}, Tvar{0.0001f, " .0001", "0.0001"},
                    Tvar{0.00001f, " 1E-05", "1E-05"}, Tvar{-3.0e-9f, "-3E-09", "-3E-09"},
                    Tvar{3.4e38f, " 3.4E+38", "3.4E+38"}));

TEST(TextSouboru, KeepsTheDigitsThatReadBackAndWritesCounts) {
    const Lokal l("en_US");
    EXPECT_EQ(CisloSouboru(3.1415927f), QStringLiteral(" 3.1415927 "));
    EXPECT_EQ(CisloSouboru(1.0000001f), QStringLiteral(" 1.0000001 "));
    EXPECT_EQ(CisloSouboru(std::bit_cast<float>(0x6B000000u)), QStringLiteral(" 1.54742505E+26 "));
    EXPECT_EQ(CisloSouboru(std::int16_t{-7}), QStringLiteral("-7 "));
    EXPECT_EQ(CisloSouboru(std::int16_t{12}), QStringLiteral(" 12 "));
    // Random singles of every size read back bit for bit under both separators; so do the
    // two whose shortest digits, read as a double, round to the neighbouring single.
    std::mt19937 g(7);
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        const Lokal l2(lokal);
        for (int i = 0; i < 20002; ++i) {
            const float x = std::bit_cast<float>(i < 2 ? (i == 0 ? 0x6B000000u : 0x6C800000u) : static_cast<std::uint32_t>(g()));
            if (std::isfinite(x)) {
                ASSERT_EQ(std::bit_cast<std::uint32_t>(toSingle(CtiCislo(CisloSouboru(x), 1))),
                          std::bit_cast<std::uint32_t>(x == 0.0f ? 0.0f : x))
                    << CisloSouboru(x).toStdString();
            }
        }
    }
}

struct Cteni {
    const char* text;
    std::optional<double> hodnota;
};

class CtiCisloZ : public testing::TestWithParam<Cteni> {};

// The file reader: either separator under either locale, the leading number of a text
// that holds a separator, no value otherwise.
TEST_P(CtiCisloZ, EitherSeparatorUnderEitherLocale) {
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        const Lokal l(lokal);
        const QString radek = QStringLiteral("Emissivity                    [-]     :  ") + QString::fromUtf8(GetParam().text);
        EXPECT_EQ(CtiCislo(radek, kSloupecHodnoty), GetParam().hodnota) << lokal << " " << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texty, CtiCisloZ,
                         testing::Values(Cteni{" .8 ", 0.8}, Cteni{",8", 0.8}, Cteni{"0,8", 0.8}, Cteni{" 12,5 ", 12.5},
                                         Cteni{"-1.5E+03", -1500.0}, Cteni{"2,5E-02", 0.025}, Cteni{"470", 470.0},
                                         Cteni{"9.5O", 9.5}, Cteni{"1,2,3", 1.2}, Cteni{"2,5E-03x", 0.0025}, Cteni{"abc", std::nullopt},
                                         Cteni{"", std::nullopt}, Cteni{"95O", std::nullopt}));

class CtiPoleZ : public testing::TestWithParam<Cteni> {};

// A field typed by a person: the whole text must be a number.
TEST_P(CtiPoleZ, WholeTextMustBeANumber) {
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        const Lokal l(lokal);
        EXPECT_EQ(parseNumber(QString::fromUtf8(GetParam().text)), GetParam().hodnota) << lokal << GetParam().text;
    }
}

INSTANTIATE_TEST_SUITE_P(Texty, CtiPoleZ,
                         testing::Values(Cteni{"0.6", 0.6}, Cteni{"0,6", 0.6}, Cteni{" 950 ", 950.0}, Cteni{".5", 0.5},
                                         Cteni{"-2e3", -2000.0}, Cteni{"95O", std::nullopt}, Cteni{"9.5O", std::nullopt},
                                         Cteni{"1.2.3", std::nullopt}, Cteni{"", std::nullopt}, Cteni{"  ", std::nullopt},
                                         Cteni{"e5", std::nullopt}));

TEST(wholeInt16, RoundsHalvesToEvenWithinSixteenBits) {
    EXPECT_EQ(wholeInt16(2.5), 2);
    EXPECT_EQ(wholeInt16(3.5), 4);
    EXPECT_EQ(wholeInt16(-0.5), 0);
    EXPECT_EQ(wholeInt16(32767.4), 32767);
    EXPECT_EQ(wholeInt16(-32768.0), -32768);
    EXPECT_FALSE(wholeInt16(32767.5));
    EXPECT_FALSE(wholeInt16(-32769.0));
    EXPECT_FALSE(wholeInt16(std::nan("")));
    EXPECT_EQ(toSingle(1e39), 0.0f);
    EXPECT_EQ(toSingle(-3.4028235e38), -3.4028235e38f);
}

TEST(Pole, RowsTextValuesAndFields) {
    EXPECT_EQ(RozdelRadek(QStringLiteral("  10            46,65  ")), (QStringList{"10", "46,65"}));
    EXPECT_EQ(RozdelRadek(QStringLiteral("1             2             3")).size(), 3);
    EXPECT_TRUE(RozdelRadek(QStringLiteral("   ")).isEmpty());
    const QString material = QStringLiteral("Material                      [-]     :   Tool steel 19 ");
    EXPECT_EQ(CtiText(material), QStringLiteral("Tool steel 19 "));
    EXPECT_EQ(CtiText(QStringLiteral("short")), QString());
}

// Every byte of the code page against the system's own converter.
TEST(Windows1250, MatchesIconvForEveryByte) {
    iconv_t cd = iconv_open("UTF-8", "CP1250");
    ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1));
    for (int b = 0x80; b <= 0xff; ++b) {
        char vstup = static_cast<char>(b);
        char vystup[8] = {};
        char* in = &vstup;
        char* out = vystup;
        std::size_t zbyva = 1;
        std::size_t misto = sizeof vystup;
        const QString nase = fromWindows1250(QByteArray(1, vstup));
        if (iconv(cd, &in, &zbyva, &out, &misto) == static_cast<std::size_t>(-1)) {
            // Undefined in the code page: kept as the control character of the same value.
            EXPECT_EQ(nase, QString(QChar(b))) << b;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            continue;
        }
        EXPECT_EQ(nase, QString::fromUtf8(vystup)) << b;
        EXPECT_EQ(toWindows1250(nase), QByteArray(1, vstup)) << b;
    }
    iconv_close(cd);
    EXPECT_FALSE(toWindows1250(QStringLiteral("日本")));
    const QString text = QStringLiteral("Konečná teplota °C");
    EXPECT_EQ(decodeDataFile(encodeDataFile(text)), text);
    EXPECT_EQ(encodeDataFile(text), *toWindows1250(text));
    EXPECT_EQ(encodeDataFile(QStringLiteral("日本")), QStringLiteral("日本").toUtf8());
    EXPECT_EQ(decodeDataFile(QByteArray("\xef\xbb\xbf") + text.toUtf8()), text);
}

TEST(Retezce, BothLanguagesAndNamedIds) {
    EXPECT_EQ(Text(id::MenuZadani, Jazyk::Anglicky), QStringLiteral("&Setting"));
    EXPECT_EQ(Text(id::MenuZadani, Jazyk::Cesky), QStringLiteral("&Zadání"));
    EXPECT_EQ(Text(id::PlochaVetsi, Jazyk::Anglicky), QStringLiteral("This  interchange surface is greater than potential"));
    EXPECT_EQ(LoadResString(9999), QString());
    EXPECT_EQ(BezAkceleratoru(QStringLiteral("&Weight && more")), QStringLiteral("Weight & more"));
    // Every English text has its Czech one.
    for (int i = 10; i < 600; ++i) {
        if (i < 200 || i >= 400) {
            EXPECT_EQ(LoadResString(i).isEmpty(), LoadResString(i + 200).isEmpty()) << i;
        }
    }
}

TEST(Jazyk, StoredLanguageAndAnythingElseIsEnglish) {
    QTemporaryDir dir;
    qputenv("XDG_CONFIG_HOME", dir.path().toUtf8());
    EXPECT_EQ(NactiJazyk(), Jazyk::Anglicky);
    UlozJazyk(Jazyk::Cesky);
    EXPECT_EQ(NactiJazyk(), Jazyk::Cesky);
    QSettings s(QSettings::NativeFormat, QSettings::UserScope, QStringLiteral("Zorvet"), QStringLiteral("Zorvet"));
    EXPECT_EQ(s.value(QStringLiteral("Settings/Language")).toString(), QStringLiteral("200"));
    s.setValue(QStringLiteral("Settings/Language"), QStringLiteral("100"));
    s.sync();
    EXPECT_EQ(NactiJazyk(), Jazyk::Anglicky);
}

Vysledek radek(float teplota, float cas) {
    Vysledek v;
    v.PocetKroku = 1;
    v.Vysledky.TeplotaVsazky = {0.0f, teplota};
    v.Vysledky.Cas = {0.0f, cas};
    v.Vysledky.Alfa = v.Vysledky.Odhad = {0.0f, 0.0f};
    return v;
}

// A sweep's line writes its quantities' values with ten significant digits as Qt's 'g' form
// does, and the times, powers and energies as the results table does, under either locale.
TEST(RozmitaniCsv, ValuesAsQtWritesThemAndNumbersAsTheTable) {
    std::mt19937 g(12);
    std::vector<double> hodnoty = {0.0, -0.0, 1.0, 0.1, 100.0, 1e6, 12345678901.0, 1e-5, 0.0001, 123456.789012345,
                                   -3.5e-7, 9.999999999e9, 1e10, 1e15, 2.5e-300, 1.7e308};
    for (int i = 0; i < 2000; ++i) {
        hodnoty.push_back(std::ldexp(std::uniform_real_distribution<double>(-1, 1)(g), static_cast<int>(g() % 80) - 40));
    }
    const OsaRozmitani osa{&Pole(Velicina::m), {}};
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        const test::Lokal l(lokal);
        for (const double x : hodnoty) {
            BodRozmitani bod;
            bod.hodnoty[0] = x;
            bod.spocten = true;
            bod.cas = 712.5 + x;
            bod.vykon = VykonSpotreba{61234.5f, 7.25e-3f, 0.0, false};
            std::string radek;
            PridejRadekRozmitaniCsv(radek, test::Priklad(), std::span(&osa, 1), 0, bod, {}, Jazyk::Anglicky);
            const QString cekany = QString::number(x, 'g', 10) + QLatin1Char(',') +
                                   TextCsv(static_cast<float>(bod.cas)) + QLatin1Char(',') + TextCsv(bod.vykon->P) +
                                   QLatin1Char(',') + TextCsv(bod.vykon->E) + QStringLiteral(",\n");
            ASSERT_EQ(QString::fromStdString(radek), cekany) << x;
        }
    }
}

TEST(Zpravy, FinalTemperatureWithThePointAndSevenDigits) {
    const Lokal l("cs_CZ");
    EXPECT_EQ(ZpravaKonecneTeploty(radek(900.79f, 470.0f), Jazyk::Anglicky),
              QStringLiteral("Final temperature 901 °C have been obtained during 470 s."));
    EXPECT_EQ(ZpravaKonecneTeploty(radek(900.5f, 0.5f), Jazyk::Cesky), QStringLiteral("Konečné teploty  900 °C je dosaženo za .5 s."));
    EXPECT_EQ(ZpravaKonecneTeploty(radek(901.5f, 148.90001f), Jazyk::Anglicky),
              QStringLiteral("Final temperature 902 °C have been obtained during 148.9 s."));
    EXPECT_TRUE(ZpravaKonecneTeploty(radek(-3.4f, 1.0f), Jazyk::Anglicky).startsWith(QStringLiteral("Final temperature-3 °C")));
    EXPECT_EQ(TitulekKonecneTeploty(Jazyk::Cesky), QStringLiteral("Konec výpočtu"));
}

VysledekVypoctu selhani(KonecVypoctu konec, int radek, float pec = 0.0f) {
    VysledekVypoctu v;
    v.konec = konec;
    v.radek = radek;
    v.pec = pec;
    return v;
}

TEST(Zpravy, FailuresOfTheComputation) {
    Uloha u = test::Priklad();
    const VysledekVypoctu pretekl = selhani(KonecVypoctu::Preteceni, 10000);
    EXPECT_EQ(ZpravaSelhani(pretekl, u, Jazyk::Anglicky),
              QStringLiteral("Within evaluation array overload.\r\nSet bigger iteration step in the setting."));
    EXPECT_EQ(ChybaVypoctu(pretekl, u, Jazyk::Anglicky)->druh, DruhChyby::Preteceni);
    VysledekVypoctu nula = selhani(KonecVypoctu::Chyba, 3);
    nula.popis = "Division by zero";
    EXPECT_EQ(ZpravaSelhani(nula, u, Jazyk::Cesky), QStringLiteral("Division by zero"));
    EXPECT_EQ(ChybaVypoctu(nula, u, Jazyk::Anglicky)->druh, DruhChyby::Vypocet);
    VysledekVypoctu prekmit = selhani(KonecVypoctu::Prekmit, 1, 1000.0f);
    prekmit.pred = 20.0f;
    prekmit.po = 1481.2377f;
    prekmit.nejdelsiKrok = 0.3;
    prekmit.malaVsazka = true;
    EXPECT_EQ(ZpravaSelhani(prekmit, u, Jazyk::Anglicky),
              QStringLiteral("In step 1 the charge would pass the furnace temperature: 20 °C before the step, "
                             "1481.238 °C after it, in a furnace of 1000 °C. The time step is too long for so small a "
                             "charge; the longest time step that works is 0.3 s."));
    prekmit.nejdelsiKrok = 3.0;
    prekmit.malaVsazka = false;
    EXPECT_FALSE(ZpravaSelhani(prekmit, u, Jazyk::Anglicky).contains(QStringLiteral("small")));
    EXPECT_TRUE(ZpravaSelhani(prekmit, u, Jazyk::Anglicky).contains(QStringLiteral(" 3 s")));
    prekmit.nejdelsiKrok = 0.0;
    EXPECT_FALSE(ZpravaSelhani(prekmit, u, Jazyk::Anglicky).contains(QStringLiteral(" 3 s")));
    const VysledekVypoctu krivka = selhani(KonecVypoctu::KrivkaNestaci, 10000, 500.0f);
    EXPECT_EQ(ChybaVypoctu(krivka, u, Jazyk::Anglicky)->druh, DruhChyby::Preteceni);
    EXPECT_EQ(ZpravaSelhani(krivka, u, Jazyk::Cesky),
              QStringLiteral("Vsázka nedosáhne konečné teploty 900 °C, dokud je křivka pece teplejší, a po jejím konci "
                             "drží pec 500 °C. Zadejte nižší konečnou teplotu, nebo delší či teplejší konec křivky."));
    // A refused case tells its fault; a success is no failure.
    VysledekVypoctu odmitnuto = selhani(KonecVypoctu::Odmitnuto, 0);
    odmitnuto.zavada = Zavada{Velicina::m, Vada::PodRozsahem};
    EXPECT_EQ(ChybaVypoctu(odmitnuto, u, Jazyk::Anglicky)->text, QStringLiteral("Weight [kg] must be at least 0.000001."));
    EXPECT_FALSE(ChybaVypoctu(Spocti(u), u, Jazyk::Anglicky));
    EXPECT_EQ(TitulekSelhani(Jazyk::Cesky), QStringLiteral("Chyba výpočtu"));
}

struct Hlaseni {
    Zavada zavada;
    bool tyce;  // the four bars of mass_from_dimensions.cfg, else the worked example
    Jazyk jazyk;
    const char* text;
};

class ZpravaZavady_ : public testing::TestWithParam<Hlaseni> {};

// Every fault names its field by the dialog's caption, in either language.
TEST_P(ZpravaZavady_, NamesTheField) {
    const Hlaseni& h = GetParam();
    Uloha u = test::Priklad();
    if (h.tyce) {
        u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
        u.Profil = Profil::Kruhovy;
        u.StranaA = 0.25f;
        u.DelkaL = 2.0f;
        u.PocetProfilu = 1;
        u.PocetAL = 1;
    }
    EXPECT_EQ(ZpravaZavady(h.zavada, u, h.jazyk), QString::fromUtf8(h.text));
}

INSTANTIATE_TEST_SUITE_P(
    Zpravy, ZpravaZavady_,
    testing::Values(
        Hlaseni{{Velicina::m, Vada::PodRozsahem}, false, Jazyk::Anglicky, "Weight [kg] must be at least 0.000001."},
        Hlaseni{{Velicina::m, Vada::NadRozsahem}, false, Jazyk::Anglicky, "Weight [kg] is too large: at most 1000000."},
        Hlaseni{{Velicina::Eps, Vada::NadRozsahem}, false, Jazyk::Cesky,
                "Emisivita (materiál+pec) [-] musí být větší než 0 a nejvýše 1."},
        Hlaseni{{Velicina::KoefK, Vada::PodRozsahem}, false, Jazyk::Anglicky,
                "Reduction Factor of the Surface [-] must be greater than 0 and at most 1."},
        Hlaseni{{Velicina::Tv, Vada::PodRozsahem}, false, Jazyk::Anglicky,
                "Starting Temperature Charge cannot be below absolute zero, −273.15 °C."},
        Hlaseni{{Velicina::Tpece, Vada::NeniCislo, 0, "95O"}, false, Jazyk::Anglicky,
                "Furnace Temperature: “95O” is not a number."},
        Hlaseni{{Velicina::PocetProfilu, Vada::NeniCele}, true, Jazyk::Anglicky,
                "Number of Pieces must be a whole number."},
        Hlaseni{{Velicina::StranaA, Vada::ChybiHodnota}, true, Jazyk::Cesky, "D [m]: chybí hodnota."},
        Hlaseni{{Velicina::PocetAL, Vada::PrilisMnohoPloch}, true, Jazyk::Anglicky,
                "Number of Cylinders: the pieces have only 1 such faces."},
        Hlaseni{{Velicina::PocetBL, Vada::PodRozsahem}, true, Jazyk::Anglicky, "Number of Sides B*L must be 0 or more."},
        Hlaseni{{Velicina::PocetAB, Vada::PodRozsahem}, false, Jazyk::Anglicky, "Number of Sides A*B must be 0 or more."},
        Hlaseni{{Velicina::DobaVydrze, Vada::NulovaDoba, 1}, false, Jazyk::Anglicky,
                "Segment 2 of the furnace curve needs a duration greater than zero."},
        Hlaseni{{Velicina::TeplotaKrivky, Vada::NadRozsahem, 3}, false, Jazyk::Anglicky,
                "Final Temperature 3 [°C] is too large: at most 3000."},
        Hlaseni{{Velicina::TeplotaKrivky, Vada::NeniCislo, 0, "x"}, false, Jazyk::Anglicky,
                "Initial Temperature 1 [°C]: “x” is not a number."},
        Hlaseni{{Velicina::Ztraty, Vada::NeniCele}, false, Jazyk::Anglicky, "Heat Losses [%] must be a whole number."},
        Hlaseni{{Velicina::Tk, Vada::PodTv}, false, Jazyk::Anglicky,
                "Final Temperature Charge must be above the Starting Temperature Charge, 20 °C."},
        Hlaseni{{Velicina::Tk, Vada::Nedosazitelna}, false, Jazyk::Anglicky,
                "The final temperature 900 °C is never reached: the furnace is never hotter than 1000 °C, and the "
                "charge only nears the furnace temperature. Set a lower final temperature or a hotter furnace."},
        Hlaseni{{Velicina::Tv, Vada::Neuplna}, false, Jazyk::Cesky, "Zadání není úplné nebo některé hodnoty jsou nulové !"},
        Hlaseni{{Velicina::A, Vada::PlochaVetsi}, true, Jazyk::Anglicky,
                "This  interchange surface is greater than potential"},
        Hlaseni{{Velicina::A, Vada::PlochaNesouhlasi}, true, Jazyk::Anglicky,
                "Interchange Surface [m2] does not match the dimensions and the numbers of sides, which give 1.570796 "
                "m2. Pick the numbers of sides again, or correct the surface."}),
    [](const auto& p) { return std::to_string(p.index); });

TEST(TabulkaCsv, PointAndFurnaceColumnForAControlledResult) {
    const Lokal l("cs_CZ");
    Vysledek v = radek(46.65f, 0.1f);
    EXPECT_EQ(TabulkaCsv(v), QStringLiteral("time_s,charge_C\n0,0\n0.1,46.65\n"));
    v.Uloha.Rizeny = true;
    v.Uloha.Krivka[0].Teplota = 1000.0f;
    v.TeplotaPece.assign(2, 1000.0f);
    EXPECT_EQ(TabulkaCsv(v), QStringLiteral("time_s,charge_C,furnace_C\n0,0,1000\n0.1,46.65,1000\n"));
    // One furnace temperature that the installed power held lower: the furnace as the run saw it.
    v.Uloha.Rizeny = false;
    v.OmezenoDo = 0.1f;
    v.TeplotaPece[1] = 612.5f;
    EXPECT_EQ(TabulkaCsv(v), QStringLiteral("time_s,charge_C,furnace_C\n0,0,1000\n0.1,46.65,612.5\n"));
}

}  // namespace
}  // namespace zorvet
