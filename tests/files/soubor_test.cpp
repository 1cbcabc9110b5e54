// Problem and results files: the layout written, files of either language and separator
// read, round trips, and files that are refused or cannot be written.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <csignal>
#include <sys/resource.h>

#include "files/cisla.h"
#include "files/krivka_csv.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/tabulka_csv.h"
#include "files/windows1250.h"
#include "files/zapis.h"
#include "model/case/geometrie.h"
#include "model/pipeline/vypocet.h"
#include "support/lokal.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

using test::Lokal;

QString data(const char* jmeno) {
    return (*jmeno == '/' ? QString() : QStringLiteral(ZORVET_TEST_DATA "/")) + QString::fromLatin1(jmeno);
}

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

struct Vzor {
    const char* nazev;
    const char* lokal;
    Jazyk jazyk;
    bool omezeny;  // by an installed power, else the controlled worked example
    const char* soubor;
};

class VzorSouboru : public testing::TestWithParam<Vzor> {};

// Results files byte for byte. The worked example as every version of the program has written
// it: Czech labels in the code page, the decimal comma, the comment on one line, the curve and
// the rows. A run limited by the installed power: the section beyond the documented problem
// with the power, its losses, where the limit ended and the furnace of every step it limited.
TEST_P(VzorSouboru, IsWrittenByteForByte) {
    const Vzor& p = GetParam();
    const Lokal l(p.lokal);
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("p.odp"));
    Uloha u = test::Priklad(!p.omezeny);
    u.NazevMaterialu = "Uhlíková ocel";
    u.Gama = 7850.5f;
    if (p.omezeny) {
        u.Prikon = 60000.0f;
        u.Ztraty = 10;
    }
    const VysledekVypoctu v = Spocti(u);
    ASSERT_TRUE(v.vysledek != nullptr && (v.vysledek->OmezenoDo > 0.0f) == p.omezeny);
    ASSERT_FALSE(UlozSoubor(cesta, u, v.vysledek.get(), QStringLiteral("Zakázka 12\nřádek"), p.jazyk));
    EXPECT_EQ(obsah(cesta), obsah(data(p.soubor)));
}

INSTANTIATE_TEST_SUITE_P(, VzorSouboru,
                         testing::Values(Vzor{"WorkedExampleInCzech", "cs_CZ", Jazyk::Cesky, false, "written_czech_comma.odp"},
                                         Vzor{"PowerLimitedInEnglish", "en_US", Jazyk::Anglicky, true,
                                              "written_power_limited.odp"}),
                         [](const auto& p) { return std::string(p.param.nazev); });

struct Obeh {
    const char* nazev;
    bool rizeny;
    Profil profil;  // none for a typed mass
    bool vysledky;
    bool jadro = false;  // a thick charge in steps of no binary fraction: the core's rows too
};

class ObehSouboru : public testing::TestWithParam<Obeh> {};

const QString kKomentar = QStringLiteral("Poznámka: Furnace Temperature / Teplota pece 1000");

// Whatever is written reads back the same, in either language and under either separator.
TEST_P(ObehSouboru, ReadsBackWhatWasWritten) {
    const Obeh& p = GetParam();
    Uloha u = test::Priklad(p.rizeny);
    u.NazevMaterialu = "Ocel, 19 436";
    u.Eps = 0.83f;
    u.CasKrok = 0.1f;
    u.Tk = 30.0f;
    if (p.profil != Profil::Zadny) {
        u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
        u.Profil = p.profil;
        u.StranaA = 0.123f;
        u.StranaB = 3.1415927f;
        u.DelkaL = 1e-5f;
        u.PocetProfilu = 20000;
        u.PocetAB = 7;
        u.PocetAL = 2;
        u.PocetBL = p.profil == Profil::Obdelnikovy ? 9 : 0;
        u.Gama = 7850.0f;
        HmotnostZRozmeru(u, u.Gama);
        TeplosmennaPlocha(u);
    }
    if (p.jadro) {
        u.StranaA = 0.1f, u.DelkaL = 1.0f, u.PocetProfilu = 1, u.PocetAB = 2, u.PocetAL = 1;
        HmotnostZRozmeru(u, u.Gama);
        TeplosmennaPlocha(u);
        u.Lambda = 40.0f, u.CasKrok = 7.3f, u.Tk = 850.0f;
    }
    const VysledekVypoctu v = Spocti(u);
    ASSERT_EQ(v.konec, KonecVypoctu::Uspech) << (v.zavada ? static_cast<int>(v.zavada->velicina) : -1);
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        for (Jazyk jazyk : {Jazyk::Anglicky, Jazyk::Cesky}) {
            QTemporaryDir dir;
            const QString cesta = dir.filePath(QStringLiteral("x"));
            {
                const Lokal zapis(lokal);
                // A comment that names the label of line 1 is still a comment.
                ASSERT_FALSE(UlozSoubor(cesta, u, p.vysledky ? v.vysledek.get() : nullptr, kKomentar, jazyk));
            }
            const Lokal cteni(std::strcmp(lokal, "en_US") == 0 ? "cs_CZ" : "en_US");
            const PrecteniSouboru s = NactiSoubor(cesta, p.vysledky, test::Priklad(), Jazyk::Anglicky);
            ASSERT_TRUE(s.obsah) << s.chyba.text.toStdString();
            EXPECT_EQ(OtiskUlohy(s.obsah->uloha), OtiskUlohy(u));
            EXPECT_EQ(s.obsah->komentare, QStringList{kKomentar});
            EXPECT_EQ(s.obsah->uloha.Rizeny, p.rizeny);
            EXPECT_EQ(s.obsah->uloha.PocetKrivek, p.rizeny ? 2 : 0);
            if (p.profil != Profil::Zadny) {
                EXPECT_EQ(s.obsah->uloha.CelkovaPlocha, *CelkovaPlochaProfilu(u));
            }
            ASSERT_EQ(s.obsah->vysledek != nullptr, p.vysledky);
            if (p.vysledky) {
                const Vysledek& r = *s.obsah->vysledek;
                ASSERT_EQ(r.PocetKroku, v.vysledek->PocetKroku);
                for (int i = 0; i <= r.PocetKroku; ++i) {
                    ASSERT_EQ(r.Vysledky.Cas[i], v.vysledek->Vysledky.Cas[i]);
                    ASSERT_EQ(r.Vysledky.TeplotaVsazky[i], v.vysledek->Vysledky.TeplotaVsazky[i]);
                    ASSERT_EQ(r.TeplotaPece[i], p.rizeny ? v.vysledek->TeplotaPece[i] : r.TeplotaPece[i]);
                }
                EXPECT_EQ(OtiskUlohy(r.Uloha), OtiskUlohy(s.obsah->uloha));
                ASSERT_EQ(r.Jadro.has_value(), p.jadro);
                if (p.jadro) {
                    EXPECT_EQ(r.Jadro->teplota, v.vysledek->Jadro->teplota);
                    EXPECT_EQ(r.Jadro->krok, v.vysledek->Jadro->krok);
                }
            }
        }
    }
}

INSTANTIATE_TEST_SUITE_P(Soubory, ObehSouboru,
                         testing::Values(Obeh{"TypedMass", false, Profil::Zadny, false},
                                         Obeh{"Controlled", true, Profil::Zadny, true},
                                         Obeh{"Round", false, Profil::Kruhovy, true},
                                         Obeh{"Square", true, Profil::Ctvercovy, false},
                                         Obeh{"Rectangular", false, Profil::Obdelnikovy, true},
                                         Obeh{"ThickRound", false, Profil::Kruhovy, true, true}),
                         [](const auto& p) { return std::string(p.param.nazev); });

struct Datovy {
    const char* soubor;
    bool vysledky;
    const char* chyba;  // the reason's text ID as English text, "" when read
    float tpece, casKrok, eps, gama;
    int krivek, komentaru, kroku;
};

class DatovySoubor : public testing::TestWithParam<Datovy> {};

// One named file a case: either language and separator, either encoding, comments, old
// files with a stale curve duration, an Alfa column, and files that hold no problem.
TEST_P(DatovySoubor, ReadsAsItWasMeant) {
    const Datovy& p = GetParam();
    Uloha vychozi;
    vychozi.KoefK = 0.5f;
    vychozi.Gama = 123.0f;
    const Lokal l("en_US");
    const PrecteniSouboru s = NactiSoubor(data(p.soubor), p.vysledky, vychozi, Jazyk::Anglicky);
    if (*p.chyba != '\0') {
        ASSERT_FALSE(s.obsah);
        EXPECT_TRUE(s.chyba.text.startsWith(QDir::toNativeSeparators(data(p.soubor)) + QLatin1Char('\n')));
        EXPECT_TRUE(s.chyba.text.endsWith(QString::fromUtf8(p.chyba))) << s.chyba.text.toStdString();
        return;
    }
    ASSERT_TRUE(s.obsah) << s.chyba.text.toStdString();
    const Uloha& u = s.obsah->uloha;
    EXPECT_EQ(u.Tpece, p.tpece);
    EXPECT_EQ(u.CasKrok, p.casKrok);
    EXPECT_EQ(u.Eps, p.eps);
    EXPECT_EQ(u.Gama, p.gama);
    EXPECT_EQ(u.KoefK, 0.5f);  // no file holds it
    EXPECT_EQ(u.PocetKrivek, p.krivek);
    EXPECT_EQ(u.Rizeny, p.krivek > 0);
    EXPECT_EQ(s.obsah->komentare.size(), p.komentaru);
    if (p.vysledky) {
        EXPECT_EQ(s.obsah->vysledek->PocetKroku, p.kroku);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Data, DatovySoubor,
    testing::Values(Datovy{"english_point.cfg", false, "", 1000, 10, 0.8f, 7850, 0, 0, 0},
                    Datovy{"english_comma.cfg", false, "", 1000, 2.5f, 0.8f, 7850.5f, 0, 0, 0},
                    Datovy{"czech_comma.cfg", false, "", 1000, 2.5f, 0.8f, 7850.5f, 0, 0, 0},
                    Datovy{"czech_point.cfg", false, "", 1000, 2.5f, 0.8f, 7850.5f, 0, 0, 0},
                    Datovy{"utf8_lf.cfg", false, "", 1000, 10, 0.6f, 8930, 0, 0, 0},
                    Datovy{"comment.cfg", false, "", 1000, 10, 0.8f, 7850, 0, 1, 0},
                    Datovy{"comment_with_label.cfg", false, "", 1100, 10, 0.8f, 7850, 0, 1, 0},
                    Datovy{"no_final_line_break.cfg", false, "", 1000, 10, 0.8f, 7850, 0, 0, 0},
                    Datovy{"rectangular_dimensions.cfg", false, "", 1150, 10, 0.85f, 7850, 0, 0, 0},
                    Datovy{"stale_curve_duration.cfg", false, "", 0, 10, 0.8f, 7850, 2, 0, 0},
                    Datovy{"zero_furnace_no_curve.cfg", false, "", 0, 10, 0.8f, 7850, 0, 0, 0},
                    Datovy{"controlled_czech.odp", true, "", 0, 10, 0.8f, 7850, 2, 0, 2},
                    Datovy{"alfa_column.odp", true, "", 1000, 10, 0.8f, 7850, 0, 0, 2},
                    Datovy{"truncated_problem.cfg", false, "The file ends before the problem setting is complete.", 0, 0,
                           0, 0, 0, 0, 0},
                    // A row cut short is no row the program writes.
                    Datovy{"truncated_results.odp", true, "Line 21: a row of results needs 2 numbers, not “40”.", 0,
                           0, 0, 0, 0, 0, 0},
                    Datovy{"results_without_rows.odp", true, "The file holds no results.", 0, 0, 0, 0, 0, 0, 0},
                    Datovy{"unrelated.txt", false, "The file holds no problem setting.", 0, 0, 0, 0, 0, 0, 0},
                    Datovy{"missing.cfg", false, "No such file or directory", 0, 0, 0, 0, 0, 0, 0},
                    Datovy{".", false, "This is a folder, not a file.", 0, 0, 0, 0, 0, 0, 0},
                    Datovy{"/dev/zero", false, "This is no regular file (a device or a pipe).", 0, 0, 0, 0, 0, 0, 0}));

TEST(NactiSoubor, DetailsOfTheFormats) {
    const Lokal l("cs_CZ");
    const auto cti = [](const char* jmeno, bool vysledky) { return NactiSoubor(data(jmeno), vysledky, Uloha{}, Jazyk::Cesky); };
    PrecteniSouboru s = cti("alfa_column.odp", true);
    EXPECT_EQ(s.obsah->vysledek->Vysledky.Alfa[1], 137.86f);
    EXPECT_EQ(s.obsah->vysledek->Vysledky.TeplotaVsazky[2], 73.1f);
    s = cti("controlled_czech.odp", true);
    EXPECT_FLOAT_EQ(s.obsah->vysledek->TeplotaPece[1], 36.333332f);  // the ramp of 980 °C in 600 s, expanded
    EXPECT_EQ(s.obsah->vysledek->Vysledky.TeplotaVsazky[1], 20.5f);
    s = cti("stale_curve_duration.cfg", false);
    EXPECT_EQ(s.obsah->uloha.Krivka[2].Teplota, 1000.0f);
    s = cti("comment_with_label.cfg", false);
    EXPECT_EQ(s.obsah->komentare.first(), QStringLiteral("Furnace Temperature raised to 1100 °C for this charge"));
    s = cti("rectangular_dimensions.cfg", false);
    EXPECT_EQ(s.obsah->uloha.Profil, Profil::Obdelnikovy);
    EXPECT_EQ(s.obsah->uloha.StranaB, 0.05f);
    EXPECT_EQ(s.obsah->uloha.PocetBL, 8);
    EXPECT_FLOAT_EQ(s.obsah->uloha.CelkovaPlocha, 2.08f);
    EXPECT_EQ(s.obsah->uloha.NazevMaterialu, "Ocel S235");
    s = cti("no_final_line_break.cfg", false);
    EXPECT_EQ(s.obsah->uloha.PocetAL, 10);
    EXPECT_EQ(s.obsah->uloha.StranaA, 0.1f);
}

// A problem with every input beyond the documented one; the installed power limits its first
// steps. The name of the user's curve spells what a reader of the documented format looks for
// in the lines it passes over, and starts with a blank.
Uloha Rozsirena(bool rizeny, bool vestavena) {
    Uloha u = test::Priklad(rizeny);
    u.Konvekce = 22.5f;
    u.Prikon = 100100.0f;
    u.Ztraty = 10;
    u.Vlastnosti = vestavena ? VestaveneVlastnosti(kNerezovaOcel)
                             : VlastnostiMaterialu{" Alfa \\ Controlled Heating - Furnace Curve",
                                                   {{0.0f, 450.0f, 50.3f}, {600.0f, 700.1f, 35.0f}, {1200.0f, 650.0f, 0.1f}}};
    return u;
}

struct Preklep {
    const char* nazev;
    const char* radek;  // the start of the line changed
    const char* novy;   // the line that replaces it
    const char* chyba;  // the reason ("" when the file reads)
};

class PreklepVSouboru : public testing::TestWithParam<Preklep> {};

// What no writer writes is refused with its line, in the documented problem and results and in
// the section beyond them; every form a writer gives reads as before.
TEST_P(PreklepVSouboru, IsNamedWithItsLine) {
    const Preklep& p = GetParam();
    const Lokal l("en_US");
    Uloha u = Rozsirena(true, false);
    const VysledekVypoctu v = Spocti(u);
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Profil = Profil::Obdelnikovy;
    u.PocetProfilu = 2;
    QStringList radky = TextSouboru(u, v.vysledek.get(), QString(), Jazyk::Anglicky).split(QStringLiteral("\r\n"));
    int zmenenych = 0;
    for (QString& r : radky) {
        if (r.startsWith(QString::fromUtf8(p.radek)) && zmenenych++ == 0) {
            r = QString::fromUtf8(p.novy);
        }
    }
    ASSERT_EQ(zmenenych > 0, true) << p.radek;
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("x.odp"));
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(radky.join(QStringLiteral("\r\n")).toUtf8());
    f.close();
    const PrecteniSouboru s = NactiSoubor(cesta, true, Uloha{}, Jazyk::Anglicky);
    if (*p.chyba == '\0') {
        EXPECT_TRUE(s.obsah) << s.chyba.text.toStdString();
        return;
    }
    EXPECT_FALSE(s.obsah);
    EXPECT_EQ(s.chyba.text, QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + QString::fromUtf8(p.chyba));
}

INSTANTIATE_TEST_SUITE_P(
    Soubory, PreklepVSouboru,
    testing::Values(
        Preklep{"MassTypo", "Heating Material", "Heating Material Weight       [kg]    :   1O0.5 ",
                "Line 6: “1O0.5” is not a number."},
        Preklep{"TwoPoints", "Time Step", "Time Step                     [s]     :   12.5.3 ",
                "Line 4: “12.5.3” is not a number."},
        Preklep{"NotANumber", "Emissivity", "Emissivity                    [-]     :   nan ",
                "Line 9: “nan” is not a number."},
        Preklep{"BlanksAndComma", "Emissivity", "Emissivity                    [-]     :      0,8   ", ""},
        Preklep{"EmptyValue", "Interchange Surface", "Interchange Surface           [m2]    :", ""},
        Preklep{"HalfAPiece", "Number of Pieces", "Number of Pieces              [-]     :   2.5 ",
                "Line 16: “2.5” is not a whole number from −32768 to 32767."},
        Preklep{"UnknownProfile", "Profile", "Profile                       [K/C/O] :   R",
                "Line 12: “R” is none of K, C, O."},
        Preklep{"UnknownMassSetting", "Setting of Weight", "Setting of Weight             [Z/V]   :   X",
                "Line 11: “X” is none of Z, V."},
        // The curve's heading without its rule: no uncontrolled problem is made of it.
        Preklep{"CurveWithoutItsRule", "-----", "", "The file ends before the problem setting is complete."},
        Preklep{"CurveTypo", " 1000          1200", " 1000          12OO ", "Line 26: “12OO” is not a number."},
        Preklep{"CurvePointAlone", " 1000          1200", " 1000 ",
                "Line 26: a row of the furnace curve needs 2 numbers, not “1000”."},
        Preklep{"PointAfterTheEnd", " 1000          1200", " 1000          0 ",
                "Line 27: “1000          0” follows the end of the furnace curve, a segment without a duration."},
        Preklep{"ResultTypo", " 130           ", " 130           3O8.5 ", "Line 87: “3O8.5” is not a number."},
        Preklep{"ResultNaN", " 130           ", " 130           nan ", "Line 87: “nan” is not a number."},
        Preklep{"ResultBeyondSingle", " 130           ", " 130           1E+39 ",
                "Line 87: “1E+39” is no temperature (a finite number of degrees above absolute zero)."},
        Preklep{"ResultRowTypo", " 130           ", " 13O           308.5 ", "Line 87: “13O” is not a number."},
        Preklep{"ResultOneNumber", " 130           ", " 130 ",
                "Line 87: a row of results needs 2 numbers, not “130”."},
        Preklep{"ConvectionTypo", "Convection", "Convection Coefficient        [W/m2/K]:   2O ",
                "Line 33: “2O” is not a number."},
        Preklep{"UnknownLine", "Installed Power", "Installed Powr", "Line 31: “Installed Powr” is no line of the extended setting."},
        Preklep{"UnknownSteel", "Property Curve", "Property Model                [-]     :   mild-steel",
                "Line 35: “mild-steel” is none of carbon-steel, stainless-steel."},
        Preklep{"NoPointHeading", " T[°C]         c", " 300           500           40 ",
                "Line 36: “300           500           40” is no line of the extended setting."},
        Preklep{"PointWithoutLambda", " 600", " 600           700.1 ",
                "Line 38: a row of the property curve needs 3 numbers, not “600           700.1”."},
        Preklep{"FallingPoint", " 600", " -5            700.1         35 ",
                "Line 38, column 1: the temperature “-5” does not rise above the one of the row before."},
        Preklep{"StepOfNoRow", " 540 ", " 15            852 ", "Line 44: “15” is the time of no row of the results."}),
    [](const auto& p) { return std::string(p.param.nazev); });

// The new inputs, the furnace temperatures of the limited steps and the end of the limit read
// back exactly, in either language and under either separator; a reader that knows no such
// section passes over it.
TEST(RozsirenySoubor, ReadsBackEveryNewInput) {
    const struct {
        bool rizeny, vestavena, vysledky;
    } pripady[] = {{false, false, true}, {true, true, true}, {false, false, false}};
    for (const auto& p : pripady) {
        Uloha u = Rozsirena(p.rizeny, p.vestavena);
        const std::shared_ptr<Vysledek> v = Spocti(u).vysledek;
        ASSERT_TRUE(v != nullptr && v->OmezenoDo > 0.0f);
        if (!p.vysledky) {
            u.Tpece = 0.0f;  // the reader then looks through the lines after the problem for a curve
        }
        Uloha jina = u;
        jina.Konvekce = 15.5f;
        EXPECT_NE(OtiskUlohy(jina), OtiskUlohy(u));
        for (const char* lokal : {"en_US", "cs_CZ"}) {
            for (Jazyk jazyk : {Jazyk::Anglicky, Jazyk::Cesky}) {
                SCOPED_TRACE(testing::Message() << p.rizeny << p.vysledky << lokal << static_cast<int>(jazyk));
                QTemporaryDir dir;
                const QString cesta = dir.filePath(QStringLiteral("x"));
                {
                    const Lokal zapis(lokal);
                    ASSERT_FALSE(UlozSoubor(cesta, u, p.vysledky ? v.get() : nullptr, QString(), jazyk));
                }
                const Lokal cteni(std::strcmp(lokal, "en_US") == 0 ? "cs_CZ" : "en_US");
                PrecteniSouboru s = NactiSoubor(cesta, p.vysledky, test::Priklad(), Jazyk::Anglicky);
                ASSERT_TRUE(s.obsah) << s.chyba.text.toStdString();
                EXPECT_TRUE(s.obsah->uloha == u) << obsah(cesta).toStdString();
                if (p.vysledky) {
                    const Vysledek& r = *s.obsah->vysledek;
                    EXPECT_TRUE(r.Uloha == u);
                    EXPECT_EQ(r.OmezenoDo, v->OmezenoDo);
                    EXPECT_EQ(r.Uloha.Ztraty, 10);
                    for (int i = 0; i <= r.PocetKroku; ++i) {
                        ASSERT_EQ(r.TeplotaPece[i], v->TeplotaPece[i]) << i;
                    }
                }
                // The documented lines come first, as the documented problem writes them.
                Uloha zakladni = u;
                zakladni.Konvekce = 15.0f;
                zakladni.Prikon = 0.0f;
                zakladni.Ztraty = 0;
                // The documented line holds the specific heat the curve gives on average.
                zakladni.c = UcinnaC(u);
                zakladni.Vlastnosti.reset();
                EXPECT_FALSE(PouzivaRozsireni(zakladni));
                const Lokal zapis(lokal);
                EXPECT_TRUE(decodeDataFile(obsah(cesta)).startsWith(TextSouboru(zakladni, nullptr, QString(), jazyk)));
            }
        }
    }
}

TEST(NactiSoubor, CurveOfMoreThanTwentySegmentsIsRefused) {
    const Lokal l("en_US");
    Uloha u = test::Priklad(true);
    u.PocetKrivek = 20;
    for (int i = 0; i < kPocetBodu; ++i) {
        u.Krivka[static_cast<std::size_t>(i)] = {100.0f + static_cast<float>(i), 60.0f};
    }
    QString text = TextSouboru(u, nullptr, QString(), Jazyk::Anglicky);
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("x.cfg"));
    for (const bool navic : {false, true}) {
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        // 21 points read; one more row is a 21st segment.
        f.write((navic ? text.replace(QStringLiteral(" 120           0 "), QStringLiteral(" 120           60 \r\n 121           0 "))
                       : text)
                    .toLatin1());
        f.close();
        const PrecteniSouboru s = NactiSoubor(cesta, false, Uloha{}, Jazyk::Anglicky);
        EXPECT_EQ(s.obsah != nullptr, !navic) << s.chyba.text.toStdString();
        if (navic) {
            EXPECT_TRUE(s.chyba.text.endsWith(QStringLiteral("Line 38: “121           0” makes the furnace curve longer than 20 segments.")))
                << s.chyba.text.toStdString();
        }
    }
}

struct Tabulka {
    const char* nazev;
    const char* text;
    const char* chyba;  // the start of the reason; "" when read: (20, 460.5, 54) and (1200, 650, lambda)
    float lambda = 0.0f;
};

class KrivkaCsv : public testing::TestWithParam<Tabulka> {};

// The property table of the command line: read, or each fault named by its line and column.
TEST_P(KrivkaCsv, ReadsOrNamesTheFault) {
    const Tabulka& p = GetParam();
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("ocel.c45.csv"));
    QString chyba;
    ASSERT_TRUE(writeWhole(cesta, p.text, &chyba));
    const PrecteniKrivky k = NactiKrivkuCsv(cesta, Jazyk::Anglicky);
    if (*p.chyba != '\0') {
        EXPECT_FALSE(k.krivka);
        EXPECT_TRUE(k.chyba.text.startsWith(QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + QString::fromUtf8(p.chyba)))
            << k.chyba.text.toStdString();
        return;
    }
    ASSERT_TRUE(k.krivka) << k.chyba.text.toStdString();
    const float lambda0 = p.lambda > 0.0f ? 54.0f : 0.0f;
    EXPECT_EQ(*k.krivka, (VlastnostiMaterialu{"ocel.c45", {{20.0f, 460.5f, lambda0}, {1200.0f, 650.0f, p.lambda}}}));
}

INSTANTIATE_TEST_SUITE_P(
    Tabulky, KrivkaCsv,
    testing::Values(
        Tabulka{"WithConductivity", "temperature_C,c_J_kgK,lambda_W_mK\r\n20,460.5,54\r\n1200,650,27.3\r\n\r\n", "", 27.3f},
        Tabulka{"ByteOrderMarkBlanksExponent", "\xEF\xBB\xBFtemperature_C, c_J_kgK\n20,4.605e2\n 1200 ,650\n\n \n", ""},
        Tabulka{"NoHeader", "20,460\n1200,650\n", "Line 1, column 1: “20,460” is not the header"},
        Tabulka{"WrongName", "temperature_C,c\n", "Line 1, column 2: “temperature_C,c” is not the header"},
        Tabulka{"FourColumns", "temperature_C,c_J_kgK,lambda_W_mK,rho\n", "Line 1, column 4: "},
        Tabulka{"OneColumn", "temperature_C\n20\n", "Line 1, column 2: “temperature_C” is not the header"},
        Tabulka{"DecimalComma", "temperature_C,c_J_kgK\n20,460,5\n", "Line 2, column 3: a row needs 2 values, not “20,460,5”."},
        Tabulka{"NotANumber", "temperature_C,c_J_kgK\n20,460\n1200,65O\n", "Line 3, column 2: “65O” is not a number."},
        Tabulka{"NaN", "temperature_C,c_J_kgK\n20,nan\n1200,650\n", "Line 2, column 2: “nan” is not finite or too large."},
        Tabulka{"BeyondSingle", "temperature_C,c_J_kgK\n1e39,460\n1200,650\n", "Line 2, column 1: “1e39” is not finite or too large."},
        Tabulka{"BelowAbsoluteZero", "temperature_C,c_J_kgK\n-500,460\n1200,650\n",
                "Line 2, column 1: the temperature “-500” lies outside those a charge may have, from -273.15 to 3000 °C."},
        Tabulka{"HotterThanAnyFurnace", "temperature_C,c_J_kgK\n20,460\n1e30,650\n",
                "Line 3, column 1: the temperature “1e30” lies outside those a charge may have"},
        Tabulka{"ZeroC", "temperature_C,c_J_kgK\n20,460\n1200,0\n", "Line 3, column 2: “0” must be greater than zero."},
        Tabulka{"FirstLambdaZero", "temperature_C,c_J_kgK,lambda_W_mK\n20,460,0\n1200,650,27\n", "Line 2, column 3: “0” must be greater than zero."},
        Tabulka{"AllLambdaZero", "temperature_C,c_J_kgK,lambda_W_mK\n20,460,0\n1200,650,0\n", "Line 2, column 3: “0” must be greater than zero."},
        Tabulka{"NotRising", "temperature_C,c_J_kgK\n20,460\n20,470\n",
                "Line 3, column 1: the temperature “20” does not rise above the one of the row before."},
        Tabulka{"OnePoint", "temperature_C,c_J_kgK\n20,460\n\n", "Line 3, column 1: the curve needs at least two points."}),
    [](const auto& p) { return std::string(p.param.nazev); });

// A file that cannot be written is reported, and the old one stays as it was: the new one
// is written beside it and takes its place only when complete.
TEST(UlozSoubor, FailureLeavesTheOldFile) {
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("stary.odp"));
    const Uloha u = test::Priklad();
    ASSERT_FALSE(UlozSoubor(cesta, u, nullptr, QString(), Jazyk::Anglicky));
    const QByteArray stary = obsah(cesta);
    // No file may grow past 1 kB: the results of 47 rows do not fit.
    std::signal(SIGXFSZ, SIG_IGN);
    rlimit predtim{};
    getrlimit(RLIMIT_FSIZE, &predtim);
    rlimit male = predtim;
    male.rlim_cur = 1024;
    setrlimit(RLIMIT_FSIZE, &male);
    const std::optional<Chyba> chyba = UlozSoubor(cesta, u, Spocti(u).vysledek.get(), QString(), Jazyk::Anglicky);
    setrlimit(RLIMIT_FSIZE, &predtim);
    ASSERT_TRUE(chyba);
    EXPECT_EQ(chyba->druh, DruhChyby::Soubor);
    EXPECT_TRUE(chyba->text.startsWith(QDir::toNativeSeparators(cesta) + QLatin1Char('\n')));
    EXPECT_EQ(obsah(cesta), stary);
    const std::optional<Chyba> plny = UlozSoubor(QStringLiteral("/dev/full"), u, nullptr, QString(), Jazyk::Anglicky);
    ASSERT_TRUE(plny);
    EXPECT_TRUE(plny->text.contains(QStringLiteral("This is no regular file"))) << plny->text.toStdString();
}

// Several files as one: when one cannot be written, none is.
TEST(writeAllOrNone, WritesEveryFileOrNone) {
    QTemporaryDir dir;
    const QString stary = dir.filePath(QStringLiteral("ok.odp"));
    QString chyba;
    ASSERT_TRUE(writeWhole(stary, "stary", &chyba));
    QString kde;
    QString duvod;
    EXPECT_FALSE(writeAllOrNone({{stary, "novy"}, {dir.filePath(QStringLiteral("nic/x.csv")), "x"}}, &kde, &duvod));
    EXPECT_EQ(kde, dir.filePath(QStringLiteral("nic/x.csv")));
    EXPECT_FALSE(duvod.isEmpty());
    EXPECT_EQ(obsah(stary), "stary");
    EXPECT_TRUE(writeAllOrNone({{stary, "novy"}, {dir.filePath(QStringLiteral("y.csv")), "y"}}, &kde, &duvod));
    EXPECT_EQ(obsah(stary), "novy");
    EXPECT_EQ(obsah(dir.filePath(QStringLiteral("y.csv"))), "y");
}

}  // namespace
}  // namespace zorvet

namespace zorvet {
namespace {

// The bundled examples are what the program writes: read, the mass and surfaces derived from
// the dimensions as OK derives them, and written again, byte for byte.
TEST(Priklady, AreWhatTheProgramWrites) {
    const Lokal l("en_US");
    const QDir priklady(QStringLiteral(ZORVET_EXAMPLES));
    const QStringList soubory = priklady.entryList({QStringLiteral("*.cfg")}, QDir::Files);
    ASSERT_GE(soubory.size(), 4);
    for (const QString& jmeno : soubory) {
        const QString cesta = priklady.filePath(jmeno);
        const PrecteniSouboru s = NactiSoubor(cesta, false, Rozsirena(false, false), Jazyk::Anglicky);
        ASSERT_TRUE(s.obsah) << s.chyba.text.toStdString();
        Uloha u = s.obsah->uloha;
        EXPECT_FALSE(PouzivaRozsireni(u));
        OdvodUlohu(u);
        const QByteArray zapsano =
            BajtySouboru(u, nullptr, s.obsah->komentare.isEmpty() ? QString() : s.obsah->komentare.last(), Jazyk::Anglicky);
        EXPECT_EQ(obsah(cesta), zapsano) << jmeno.toStdString() << ":\n" << zapsano.toStdString();
    }
}

}  // namespace
}  // namespace zorvet

namespace zorvet {
namespace {

// 100 mm round bars of lambda 40, 1 m long, in 10 s steps from 20 to 850 degrees C at 1000, with a
// soak of 10 min: three in a row with gaps of 10 mm, or the 33 bars of 50 mm packed hexagonally in
// a round bundle of 300 mm.
Uloha Zalozena(bool svazek) {
    Uloha u = test::Priklad();
    u.Tk = 850.0f, u.Gama = 7850.0f, u.Lambda = 40.0f, u.Prodleva = 600.0f;
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    const std::int16_t kusu = svazek ? 33 : 3;
    u.Profil = Profil::Kruhovy, u.StranaA = svazek ? 0.05f : 0.1f, u.DelkaL = 1.0f, u.PocetProfilu = kusu, u.PocetAL = kusu;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    if (svazek) {
        u.SvazekA = 0.3f, u.Baleni = 1;
    } else {
        u.MrizkaX = 3, u.MezeraX = u.MezeraY = 0.01f;
    }
    return u;
}

// The numbers of a CSV table, row by row.
std::vector<std::vector<double>> Cisla(const QString& csv) {
    std::vector<std::vector<double>> radky;
    for (const QString& r : csv.split(QLatin1Char('\n'), Qt::SkipEmptyParts).mid(1)) {
        radky.emplace_back();
        for (const QString& x : r.split(QLatin1Char(','))) radky.back().push_back(x.isEmpty() ? -1e30 : x.toDouble());
    }
    return radky;
}

// Under an installed power the load's furnace is its own, lower than the set one from the start,
// and the table of a computed result is the table of its results file read back, whichever
// command writes it: the same columns and rows, each value to the seven digits the file holds.
TEST(RozsirenySoubor, OneTableOfALimitedLoad) {
    const Lokal l("en_US");
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("u.odp"));
    for (const bool svazek : {false, true}) {
        Uloha u = Zalozena(svazek);
        u.Prikon = svazek ? 20000.0f : 8000.0f;
        const VysledekVypoctu r = Spocti(u);
        ASSERT_TRUE(r.uspech() && r.vysledek->omezenoDo() > 0.0f);
        ASSERT_LT(r.vysledek->teplotaPece(1), 950.0f);
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeDataFile(TextSouboru(r.vysledek->Uloha, r.vysledek.get(), QString(), Jazyk::Anglicky)));
        f.close();
        const PrecteniSouboru s = NactiSoubor(cesta, true, Uloha{}, Jazyk::Anglicky);
        ASSERT_TRUE(s.obsah) << s.chyba.text.toStdString();
        const QString a = TabulkaCsv(*r.vysledek), b = TabulkaCsv(*s.obsah->vysledek);
        ASSERT_EQ(a.section(QLatin1Char('\n'), 0, 0), QStringLiteral("time_s,charge_C,furnace_C,surface_C,core_C"));
        EXPECT_EQ(a.section(QLatin1Char('\n'), 0, 0), b.section(QLatin1Char('\n'), 0, 0));
        const auto ca = Cisla(a), cb = Cisla(b);
        ASSERT_EQ(ca.size(), cb.size());
        for (std::size_t i = 0; i < ca.size(); ++i) {
            ASSERT_EQ(ca[i].size(), cb[i].size()) << i;
            for (std::size_t j = 0; j < ca[i].size(); ++j) EXPECT_NEAR(ca[i][j], cb[i][j], 5e-7 * std::fabs(ca[i][j])) << i;
        }
    }
}

// A results file of a load as it stands comes back whole, in either language: the slowest and
// the fastest piece of an array, a bundle's conductivity and porosity, the cycle and the soak's
// energy, each to the seven digits of a single the file writes; a misspelt line of the
// arrangement is refused with its line.
TEST(RozsirenySoubor, TheLoadAsItStandsComesBack) {
    const Lokal l("en_US");
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("u.odp"));
    const auto zapis = [&](const QString& text) {
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(encodeDataFile(text));
    };
    for (const bool svazek : {false, true}) {
        const VysledekVypoctu r = Spocti(Zalozena(svazek));
        ASSERT_TRUE(r.uspech() && r.vysledek->Usporadani && r.vysledek->Usporadani->teploProdlevy);
        const VysledekUsporadani& a = *r.vysledek->Usporadani;
        for (const Jazyk jazyk : {Jazyk::Anglicky, Jazyk::Cesky}) {
            zapis(TextSouboru(r.vysledek->Uloha, r.vysledek.get(), QString(), jazyk));
            PrecteniSouboru s = NactiSoubor(cesta, true, Uloha{}, Jazyk::Anglicky);
            ASSERT_TRUE(s.obsah && s.obsah->vysledek->Usporadani) << s.chyba.text.toStdString();
            const std::shared_ptr<const Vysledek> v = DokonciNacteny(std::move(s.obsah->vysledek));
            const VysledekUsporadani& b = *v->Usporadani;
            EXPECT_EQ(b.mrizka, a.mrizka);
            EXPECT_EQ(b.svazek, a.svazek);
            EXPECT_EQ(b.radek, a.radek);
            EXPECT_EQ(b.sloupec, a.sloupec);
            EXPECT_EQ(b.casNejrychlejsiho, a.casNejrychlejsiho);
            EXPECT_NEAR(b.kef, a.kef, 1e-6 * a.kef);
            EXPECT_EQ(b.porozita, a.porozita);
            EXPECT_EQ(b.casCyklu, a.casCyklu);
            EXPECT_NEAR(*b.teploProdlevy, *a.teploProdlevy, 1e-6 * *a.teploProdlevy);
        }
    }
    const struct {
        bool svazek;
        const char* radek;  // the start of the line changed
        const char* novy;
        int zprava;
    } preklepy[] = {{false, "Pieces in a Row", "Pieces in a Rwo               [-]     :   3", id::RadekRozsireni},
                    {false, "Slowest Piece Row", "Slowest Piece Rwo             [-]     :   1", id::RadekRozsireni},
                    {false, "Slowest Piece Column", "Slowest Piece Column          [-]     :   1.5", id::RadekNeniCele},
                    {false, "Gap in a Row", "Gap in a Row                  [m]     :   .O1", id::RadekNeniCislo},
                    {true, "Bundle Packing", "Bundle Packing (0 Square, 1 Hx[-]     :   0", id::RadekRozsireni},
                    {true, "Soak Energy", "Soak Energy                   [kWh]   :   1E+39", id::RadekMimoSingle}};
    for (const auto& p : preklepy) {
        const VysledekVypoctu r = Spocti(Zalozena(p.svazek));
        QStringList radky = TextSouboru(r.vysledek->Uloha, r.vysledek.get(), QString(), Jazyk::Anglicky).split(QStringLiteral("\r\n"));
        qsizetype cislo = -1;
        for (qsizetype i = 0; i < radky.size() && cislo < 0; ++i) {
            if (radky[i].startsWith(QLatin1String(p.radek))) {
                radky[i] = QString::fromLatin1(p.novy);
                cislo = i + 1;
            }
        }
        ASSERT_GT(cislo, 0) << p.radek;
        zapis(radky.join(QStringLiteral("\r\n")));
        const PrecteniSouboru s = NactiSoubor(cesta, true, Uloha{}, Jazyk::Anglicky);
        ASSERT_FALSE(s.obsah) << p.novy;
        const QString hodnota = QString::fromLatin1(p.novy).mid(41).trimmed();
        EXPECT_EQ(s.chyba.text.section(QLatin1Char('\n'), 1),
                  Text(p.zprava, Jazyk::Anglicky)
                      .arg(cislo)
                      .arg(p.zprava == id::RadekRozsireni ? QString::fromLatin1(p.novy).trimmed() : hodnota))
            << p.novy;
    }
    // The core time is that of a row of the core: its last (where the march stopped) is read as
    // reached, a time after it or before the first is refused with its line.
    const VysledekVypoctu r = Spocti(Zalozena(false));
    const QStringList radky = TextSouboru(r.vysledek->Uloha, r.vysledek.get(), QString(), Jazyk::Anglicky)
                                  .split(QStringLiteral("\r\n"));
    const qsizetype cislo = radky.indexOf(QRegularExpression(QStringLiteral("Core Heat-up Time .*"))) + 1;
    ASSERT_GT(cislo, 0);
    const double posledni = r.vysledek->Jadro->cas;
    for (const double cas : {posledni, posledni + 10.0, -10.0}) {
        QStringList zmenene = radky;
        zmenene[cislo - 1] = zmenene[cislo - 1].left(41) + CisloSouboru(static_cast<float>(cas));
        zapis(zmenene.join(QStringLiteral("\r\n")));
        const PrecteniSouboru c = NactiSoubor(cesta, true, Uloha{}, Jazyk::Anglicky);
        if (cas == posledni) {
            ASSERT_TRUE(c.obsah) << c.chyba.text.toStdString();
            EXPECT_EQ(c.obsah->vysledek->Jadro->krok, r.vysledek->Jadro->krok);
            continue;
        }
        ASSERT_FALSE(c.obsah) << cas;
        EXPECT_EQ(c.chyba.text.section(QLatin1Char('\n'), 1),
                  Text(id::RadekCasJadra, Jazyk::Anglicky)
                      .arg(cislo)
                      .arg(CisloSouboru(static_cast<float>(cas)).trimmed(), QString::number(posledni)));
    }
}

}  // namespace
}  // namespace zorvet
