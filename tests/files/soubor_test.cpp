#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <functional>
#include <memory>
#include <tuple>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy.h"
#include "model/geometrie.h"
#include "model/vykon.h"
#include "model/vypocet.h"
#include "support/skriptovane_dialogy.h"

namespace zorvet {
namespace {

using test::SkriptovaneDialogy;

QString data(const char* soubor) { return QStringLiteral(ZORVET_TEST_DATA "/") + QString::fromLatin1(soubor); }

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList radky(const QString& cesta) {
    QString text = QString::fromUtf8(obsah(cesta));
    if (text.endsWith(QLatin1String("\r\n"))) {
        text.chop(2);
    }
    return text.split(QStringLiteral("\r\n"));
}

// The worked example: 100 kg, 500 J/kg/K, 1 m², emissivity 0.8, furnace 1000 °C, 20 -> 900 °C, 10 s.
std::unique_ptr<Stav> priklad() {
    auto s = std::make_unique<Stav>();
    Uloha& u = s->Uloha;
    u.Tpece = 1000.0f;
    u.Tv = 20.0f;
    u.Tk = 900.0f;
    u.CasKrok = 10.0f;
    u.NazevMaterialu = "Carbon steel";
    u.m = 100.0f;
    u.A = 1.0f;
    u.c = 500.0f;
    u.Eps = 0.8f;
    u.Gama = 7850.0f;
    u.ZadaniHmotnosti = "Z";
    u.KoefK = 1.0f;
    return s;
}

void rizeny(Stav& s) {
    Uloha& u = s.Uloha;
    u.Tpece = 0.0f;
    u.Rizeny = true;
    u.PocetKrivek = 3;
    u.Krivka[0] = {20.0f, 300.0f};
    u.Krivka[1] = {600.0f, 450.5f};
    u.Krivka[2] = {1000.0f, 1200.0f};
    u.Krivka[3] = {1000.0f, 0.0f};
}

// A state that an earlier problem left: everything differs from what the data files hold.
std::unique_ptr<Stav> predchozi() {
    auto s = priklad();
    rizeny(*s);
    Uloha& u = s->Uloha;
    u.Tv = 15.0f;
    u.NazevMaterialu = "Earlier";
    u.Gama = 1234.0f;
    u.KoefK = 0.7f;
    u.ZadaniHmotnosti = "V";
    u.Profil = "C";
    u.StranaA = 0.3f;
    u.DelkaL = 2.0f;
    u.PocetProfilu = 3;
    u.PocetAB = 1;
    u.PocetAL = 2;
    u.PocetBL = 5;
    u.StranaB = 0.7f;
    u.CelkovaPlocha = 9.0f;
    s->PocetKroku = 5;
    for (int i = 0; i <= 7; ++i) {
        s->Vysledky.Cas[i] = 99.0f + i;
        s->Vysledky.TeplotaVsazky[i] = 500.0f + i;
        s->Vysledky.Alfa[i] = 7.0f;
        s->Vysledky.Odhad[i] = 3.0f;
    }
    s->TeplotaPece.fill(42.0f);
    s->Komentar = "old comment";
    return s;
}

// Writes without a comment (the question is answered No).
bool ulozBezKomentare(Stav& s, const QString& cesta, bool sVysledky, SkriptovaneDialogy&& d = {}) {
    d.odpovedi = {false};
    return UlozSoubor(s, d, cesta, sVysledky);
}

// Equal as far as anything can tell: the text of the whole file (every field it carries, in
// the fixed layout), and what the file does not carry.
void ocekavejStejne(const Stav& a, const Stav& b) {
    EXPECT_EQ(TextSouboruUlohy(a, true), TextSouboruUlohy(b, true));
    EXPECT_EQ(a.Uloha.KoefK, b.Uloha.KoefK);
    EXPECT_EQ(a.Uloha.CelkovaPlocha, b.Uloha.CelkovaPlocha);
    EXPECT_EQ(a.Uloha.StranaB, b.Uloha.StranaB);
    EXPECT_EQ(a.Uloha.PocetBL, b.Uloha.PocetBL);
    EXPECT_TRUE(a.Vysledky.Cas == b.Vysledky.Cas);
    EXPECT_TRUE(a.Vysledky.TeplotaVsazky == b.Vysledky.TeplotaVsazky);
    EXPECT_TRUE(a.Vysledky.Alfa == b.Vysledky.Alfa);
    EXPECT_TRUE(a.Vysledky.Odhad == b.Vysledky.Odhad);
    EXPECT_TRUE(a.TeplotaPece == b.TeplotaPece);
}

// ---- one data file per format case, read under both locales ----

using Kontrola = std::function<void(const Stav&, const SkriptovaneDialogy&)>;

struct Pripad {
    const char* soubor;
    bool sVysledky;
    int chyba;  // 0: reads; else the string ID of the File Error text
    Kontrola kontrola;
};

void PrintTo(const Pripad& p, std::ostream* os) { *os << p.soubor << (p.sVysledky ? " as results" : ""); }

void jakoPriklad(const Stav& s) {
    const Uloha& u = s.Uloha;
    EXPECT_EQ(u.Tpece, 1000.0f);
    EXPECT_EQ(u.Tv, 20.0f);
    EXPECT_EQ(u.Tk, 900.0f);
    EXPECT_EQ(u.CasKrok, 10.0f);
    EXPECT_EQ(u.m, 100.0f);
    EXPECT_EQ(u.A, 1.0f);
    EXPECT_EQ(u.c, 500.0f);
    EXPECT_EQ(u.Eps, 0.8f);
    EXPECT_EQ(u.Gama, 7850.0f);
    EXPECT_EQ(u.ZadaniHmotnosti, "Z");
    EXPECT_FALSE(u.Rizeny);
    EXPECT_EQ(u.PocetKrivek, 0);  // the earlier controlled problem's count does not survive
    EXPECT_EQ(u.KoefK, 0.7f);     // not in the file
    EXPECT_EQ(u.Profil, "C");     // lines absent in mode Z keep their fields
}

void bezKomentare(const Stav& s, const SkriptovaneDialogy& d) {
    EXPECT_TRUE(d.zpravy.isEmpty());
    EXPECT_EQ(s.Komentar, "old comment");
}

void oddelovace(const Stav& s, const SkriptovaneDialogy& d) {
    bezKomentare(s, d);
    EXPECT_EQ(s.Uloha.CasKrok, 2.5f);
    EXPECT_EQ(s.Uloha.A, 1.25f);
    EXPECT_EQ(s.Uloha.Eps, 0.8f);
    EXPECT_EQ(s.Uloha.Gama, 7850.5f);
    EXPECT_FALSE(s.Uloha.Rizeny);
}

const Pripad kPripady[] = {
    {"english_point.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy& d) {
         jakoPriklad(s);
         EXPECT_EQ(s.Uloha.NazevMaterialu, "Carbon steel");
         bezKomentare(s, d);
     }},
    {"czech_comma.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy& d) {
         oddelovace(s, d);
         EXPECT_EQ(s.Uloha.NazevMaterialu, "Konstrukční ocel 11 375");
     }},
    {"czech_point.cfg", false, 0, oddelovace},
    {"english_comma.cfg", false, 0, oddelovace},
    {"comment.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy& d) {
         jakoPriklad(s);
         ASSERT_EQ(d.zpravy.size(), 1);
         EXPECT_EQ(d.zpravy[0].ikona, Ikona::Informace);
         EXPECT_EQ(d.zpravy[0].titulek, QStringLiteral("File Comment \"comment.cfg\""));
         EXPECT_EQ(d.zpravy[0].text, QStringLiteral("Charge of 12 billets, order 4711."));
         EXPECT_EQ(s.Komentar, "Charge of 12 billets, order 4711.");
     }},
    {"comment_with_label.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy& d) {
         // Line 1 is the line laid out as one, not the comment that names its label.
         EXPECT_EQ(s.Uloha.Tpece, 1100.0f);
         EXPECT_EQ(s.Uloha.Eps, 0.8f);
         EXPECT_EQ(s.Uloha.ZadaniHmotnosti, "Z");
         ASSERT_EQ(d.zpravy.size(), 1);
         EXPECT_EQ(s.Komentar, "Furnace Temperature raised to 1100 °C for this charge");
     }},
    {"alfa_column.odp", true, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         jakoPriklad(s);
         EXPECT_EQ(s.PocetKroku, 2);
         EXPECT_EQ(s.Vysledky.Cas[1], 10.0f);
         EXPECT_EQ(s.Vysledky.TeplotaVsazky[1], 46.65f);
         EXPECT_EQ(s.Vysledky.Alfa[1], 137.86f);
         EXPECT_EQ(s.Vysledky.Alfa[2], 139.5f);
         EXPECT_EQ(s.Vysledky.Odhad[1], 3.0f);  // the working column is not touched
     }},
    {"no_final_line_break.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         const Uloha& u = s.Uloha;
         EXPECT_EQ(u.ZadaniHmotnosti, "V");
         EXPECT_EQ(u.Profil, "K");
         EXPECT_EQ(u.StranaA, 0.1f);
         EXPECT_EQ(u.PocetProfilu, 10);
         EXPECT_EQ(u.PocetAB, 20);
         EXPECT_EQ(u.PocetAL, 10);  // the last line, without its line break
         EXPECT_EQ(u.StranaB, 0.7f);
         EXPECT_EQ(u.PocetBL, 5);
         EXPECT_NEAR(u.CelkovaPlocha, 10 * 3.1415927 * 0.1 * 1.05, 1e-5);
     }},
    {"unrelated.txt", false, retezec::kNeniZadani, {}},
    {"unrelated.txt", true, retezec::kNeniZadani, {}},
    {"truncated_problem.cfg", false, retezec::kNeuplneZadani, {}},
    {"english_point.cfg", true, retezec::kBezVysledku, {}},
    {"truncated_results.odp", true, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         EXPECT_EQ(s.PocetKroku, 3);  // the cut last row is not counted
         EXPECT_EQ(s.Vysledky.TeplotaVsazky[3], 98.7f);
         EXPECT_EQ(s.Vysledky.Cas[4], 103.0f);
     }},
    {"controlled_czech.odp", true, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         const Uloha& u = s.Uloha;
         EXPECT_TRUE(u.Rizeny);
         EXPECT_EQ(u.Tpece, 0.0f);
         EXPECT_EQ(u.PocetKrivek, 2);
         EXPECT_EQ(u.Krivka[1].Teplota, 1000.0f);
         EXPECT_EQ(u.Krivka[1].DobaVydrze, 1200.0f);
         EXPECT_EQ(u.Eps, 0.8f);
         EXPECT_EQ(s.PocetKroku, 2);
         EXPECT_EQ(s.Vysledky.TeplotaVsazky[2], 21.75f);
         // The furnace temperature of each step comes from the curve again.
         EXPECT_FLOAT_EQ(s.TeplotaPece[0], 20.0f);
         EXPECT_FLOAT_EQ(s.TeplotaPece[30], 510.0f);
         EXPECT_FLOAT_EQ(s.TeplotaPece[60], 1000.0f);
     }},
    {"utf8_lf.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         EXPECT_EQ(s.Uloha.NazevMaterialu, "Měď Cu-ETP");
         EXPECT_EQ(s.Uloha.Eps, 0.6f);
         EXPECT_EQ(s.Uloha.c, 385.0f);
         EXPECT_EQ(s.Uloha.Gama, 8930.0f);
     }},
    {"stale_curve_duration.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         // The last point kept an older duration: the curve still ends with it.
         EXPECT_TRUE(s.Uloha.Rizeny);
         EXPECT_EQ(s.Uloha.PocetKrivek, 2);
         EXPECT_EQ(s.Uloha.Krivka[2].Teplota, 1000.0f);
     }},
    {"zero_furnace_no_curve.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         EXPECT_FALSE(s.Uloha.Rizeny);
         EXPECT_EQ(s.Uloha.PocetKrivek, 0);
         EXPECT_EQ(s.Uloha.Tpece, 0.0f);
     }},
    {"rectangular_dimensions.cfg", false, 0,
     [](const Stav& s, const SkriptovaneDialogy&) {
         const Uloha& u = s.Uloha;
         EXPECT_EQ(u.Profil, "O");
         EXPECT_EQ(u.StranaA, 0.2f);
         EXPECT_EQ(u.StranaB, 0.05f);
         EXPECT_EQ(u.PocetBL, 8);
         EXPECT_EQ(u.m, 314.0f);
         EXPECT_EQ(u.CelkovaPlocha, *CelkovaPlochaProfilu(u));
         EXPECT_NEAR(u.CelkovaPlocha, (0.05 * 0.2 + 1 * 0.2 + 0.05 * 1) * 8, 1e-5);
     }},
};

class DatovySoubor : public ::testing::TestWithParam<std::tuple<Pripad, const char*>> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(std::get<1>(GetParam())))); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(DatovySoubor, ReadsAsExpected) {
    const Pripad& p = std::get<0>(GetParam());
    auto stav = predchozi();
    const auto puvodni = predchozi();
    SkriptovaneDialogy d;
    const bool ok = NactiSoubor(*stav, d, data(p.soubor), p.sVysledky);
    EXPECT_EQ(d.cekani, 0);
    EXPECT_EQ(d.neocekavane, 0);
    EXPECT_FALSE(stav->NacitaniSouboru);
    if (p.chyba == 0) {
        ASSERT_TRUE(ok) << (d.zpravy.isEmpty() ? std::string() : d.zpravy.last().text.toStdString());
        p.kontrola(*stav, d);
        return;
    }
    EXPECT_FALSE(ok);
    ASSERT_EQ(d.zpravy.size(), 1);  // no comment boxes, only the error
    EXPECT_EQ(d.zpravy[0].ikona, Ikona::Vykricnik);
    EXPECT_EQ(d.zpravy[0].titulek, QStringLiteral("File Error"));
    EXPECT_TRUE(d.zpravy[0].text.contains(QString::fromLatin1(p.soubor)));
    EXPECT_TRUE(d.zpravy[0].text.endsWith(Text(p.chyba, kAnglicky)));
    ocekavejStejne(*stav, *puvodni);
}

std::string jmenoPripadu(const ::testing::TestParamInfo<std::tuple<Pripad, const char*>>& info) {
    const Pripad& p = std::get<0>(info.param);
    return QString::fromLatin1("%1_%2%3")
        .arg(QString::fromLatin1(p.soubor), QString::fromLatin1(p.sVysledky ? "results_" : ""),
             QString::fromLatin1(std::get<1>(info.param)))
        .replace(QLatin1Char('.'), QLatin1Char('_'))
        .toStdString();
}

INSTANTIATE_TEST_SUITE_P(Soubory, DatovySoubor,
                         ::testing::Combine(::testing::ValuesIn(kPripady), ::testing::Values("en_US", "cs_CZ")),
                         jmenoPripadu);

TEST(NactiSoubor, AFileThatCannotBeOpenedIsReportedAndChangesNothing) {
    QTemporaryDir dir;
    for (const QString& cesta : {dir.filePath(QStringLiteral("missing.cfg")), dir.path()}) {
        auto stav = predchozi();
        const auto puvodni = predchozi();
        SkriptovaneDialogy d;
        stav->Jazyk = kCesky;
        EXPECT_FALSE(NactiSoubor(*stav, d, cesta, false));
        ASSERT_EQ(d.zpravy.size(), 1);
        EXPECT_EQ(d.zpravy[0].titulek, QStringLiteral("Chyba při práci se soubory"));
        EXPECT_TRUE(d.zpravy[0].text.startsWith(QDir::toNativeSeparators(cesta)));
        EXPECT_EQ(d.cekani, 0);
        stav->Jazyk = kAnglicky;
        ocekavejStejne(*stav, *puvodni);
    }
}

TEST(NactiSoubor, AtMost10001ResultRowsAreRead) {
    QTemporaryDir dir;
    auto s = priklad();
    s->PocetKroku = 3;
    ASSERT_TRUE(ulozBezKomentare(*s, dir.filePath(QStringLiteral("long.odp")), true));
    QFile f(dir.filePath(QStringLiteral("long.odp")));
    ASSERT_TRUE(f.open(QIODevice::Append));
    for (int i = 4; i < 10010; ++i) {
        f.write(QByteArray::number(i * 10) + "            " + QByteArray::number(i) + " \r\n");
    }
    f.close();
    auto cteni = priklad();
    SkriptovaneDialogy d;
    ASSERT_TRUE(NactiSoubor(*cteni, d, f.fileName(), true));
    EXPECT_EQ(cteni->PocetKroku, kPosledniRadek);
    EXPECT_EQ(cteni->Vysledky.Cas[kPosledniRadek], 100000.0f);
}

// ---- round trips: written under one locale and language, read under another ----

class ZpetnyZapis : public ::testing::TestWithParam<std::tuple<const char*, const char*, std::int16_t>> {
protected:
    void SetUp() override { lokal(std::get<0>(GetParam())); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    static void lokal(const char* jmeno) { QLocale::setDefault(QLocale(QString::fromLatin1(jmeno))); }

    QString uloz(Stav& s, bool sVysledky) {
        SkriptovaneDialogy d;
        d.odpovedi = {false};
        s.Jazyk = std::get<2>(GetParam());
        const QString cesta = dir_.filePath(sVysledky ? QStringLiteral("a.odp") : QStringLiteral("a.cfg"));
        EXPECT_TRUE(UlozSoubor(s, d, cesta, sVysledky));
        EXPECT_EQ(d.cekani, 0);
        EXPECT_EQ(d.nejvicCekani, 1);
        return cesta;
    }
    std::unique_ptr<Stav> nacti(const QString& cesta, bool sVysledky) {
        lokal(std::get<1>(GetParam()));
        auto s = predchozi();
        s->Jazyk = std::get<2>(GetParam()) == kCesky ? kAnglicky : kCesky;  // the other interface
        SkriptovaneDialogy d;
        EXPECT_TRUE(NactiSoubor(*s, d, cesta, sVysledky));
        EXPECT_TRUE(d.zpravy.isEmpty());
        return s;
    }
    QTemporaryDir dir_;
};

TEST_P(ZpetnyZapis, UncontrolledProblem) {
    auto s = priklad();
    s->Uloha.NazevMaterialu = "Měď  Cu-ETP ";  // inner and trailing blanks, Czech letters
    s->Uloha.CasKrok = 0.1f;
    s->Uloha.Eps = 0.83f;
    s->Uloha.m = 314.00003f;
    s->Uloha.Gama = 7850.5f;
    const QString cesta = uloz(*s, false);
    EXPECT_EQ(radky(cesta).size(), 11);
    auto zpet = nacti(cesta, false);
    EXPECT_EQ(zpet->Uloha.NazevMaterialu, s->Uloha.NazevMaterialu);
    EXPECT_EQ(zpet->Uloha.CasKrok, 0.1f);
    EXPECT_EQ(zpet->Uloha.m, 314.00003f);
    EXPECT_EQ(zpet->Uloha.KoefK, 0.7f);       // not in the file: the reader's own stays
    EXPECT_EQ(zpet->Komentar, "old comment");  // a file without a comment keeps it
    zpet->Jazyk = s->Jazyk;
    zpet->Komentar.clear();
    lokal(std::get<0>(GetParam()));
    EXPECT_EQ(TextSouboruUlohy(*zpet, false), TextSouboruUlohy(*s, false));
}

TEST_P(ZpetnyZapis, ControlledProblemWithThreeSegments) {
    auto s = priklad();
    rizeny(*s);
    s->Uloha.Tpece = 987.5f;  // a controlled run leaves the last furnace temperature here
    const QString cesta = uloz(*s, false);
    const QStringList r = radky(cesta);
    EXPECT_TRUE(r[0].endsWith(QLatin1Char(':')));
    EXPECT_EQ(r[0].size(), 39);
    const qsizetype pravitko = r.indexOf(QString(23, QLatin1Char('-')));
    ASSERT_GT(pravitko, 0);
    EXPECT_EQ(r.size(), pravitko + 1 + 4 + 1);  // points 0..3, then an empty line
    EXPECT_EQ(r[pravitko + 4].split(QLatin1Char(' '), Qt::SkipEmptyParts).value(1), QStringLiteral("0"));
    auto zpet = nacti(cesta, false);
    EXPECT_TRUE(zpet->Uloha.Rizeny);
    EXPECT_EQ(zpet->Uloha.Tpece, 0.0f);
    EXPECT_EQ(zpet->Uloha.PocetKrivek, 3);
    for (int i = 0; i <= 3; ++i) {
        EXPECT_EQ(zpet->Uloha.Krivka[i].Teplota, s->Uloha.Krivka[i].Teplota);
        EXPECT_EQ(zpet->Uloha.Krivka[i].DobaVydrze, s->Uloha.Krivka[i].DobaVydrze);
    }
}

TEST_P(ZpetnyZapis, MassFromDimensions) {
    for (const char* profil : {"K", "C", "O"}) {
        auto s = priklad();
        Uloha& u = s->Uloha;
        u.ZadaniHmotnosti = "V";
        u.Profil = profil;
        u.StranaA = 0.125f;
        u.StranaB = 0.05f;
        u.DelkaL = 1.5f;
        u.PocetProfilu = 7;
        u.PocetAB = 14;
        u.PocetAL = 6;
        u.PocetBL = 13;
        auto zpet = nacti(uloz(*s, false), false);
        const Uloha& z = zpet->Uloha;
        EXPECT_EQ(z.Profil, profil);
        EXPECT_EQ(z.StranaA, 0.125f);
        EXPECT_EQ(z.DelkaL, 1.5f);
        EXPECT_EQ(z.PocetProfilu, 7);
        EXPECT_EQ(z.PocetAB, 14);
        EXPECT_EQ(z.PocetAL, 6);
        // Side B and the B*L faces are written for the rectangular profile only.
        EXPECT_EQ(z.StranaB, u.Profil == "O" ? 0.05f : 0.7f) << profil;
        EXPECT_EQ(z.PocetBL, u.Profil == "O" ? 13 : 5) << profil;
        EXPECT_EQ(z.CelkovaPlocha, *CelkovaPlochaProfilu(z)) << profil;
        lokal(std::get<0>(GetParam()));
    }
}

TEST_P(ZpetnyZapis, ComputedResult) {
    auto s = priklad();
    s->Uloha.CasKrok = 0.1f;
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    const QString cesta = uloz(*s, true);
    auto zpet = nacti(cesta, true);
    ASSERT_EQ(zpet->PocetKroku, s->PocetKroku);
    for (int i = 0; i <= s->PocetKroku; ++i) {
        ASSERT_EQ(zpet->Vysledky.Cas[i], s->Vysledky.Cas[i]) << i;
        ASSERT_EQ(zpet->Vysledky.TeplotaVsazky[i], s->Vysledky.TeplotaVsazky[i]) << i;
    }
    EXPECT_EQ(zpet->Vysledky.Alfa[1], 7.0f);  // the writer never writes the coefficient
    const QStringList r = radky(cesta);
    const QString obdobi = r[r.indexOf(QString(23, QLatin1Char('-'))) - 3];
    EXPECT_EQ(NaSingle(CtiCislo(obdobi, 42)), s->Vysledky.Cas[s->PocetKroku]);
}

TEST_P(ZpetnyZapis, ControlledResultRebuildsTheFurnaceColumn) {
    auto s = priklad();
    rizeny(*s);
    RozvinKrivku(*s);
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    auto zpet = nacti(uloz(*s, true), true);
    EXPECT_TRUE(zpet->Uloha.Rizeny);
    EXPECT_EQ(zpet->PocetKroku, s->PocetKroku);
    EXPECT_TRUE(zpet->TeplotaPece == s->TeplotaPece);
}

INSTANTIATE_TEST_SUITE_P(Lokaly, ZpetnyZapis,
                         ::testing::Combine(::testing::Values("en_US", "cs_CZ"), ::testing::Values("en_US", "cs_CZ"),
                                            ::testing::Values(kAnglicky, kCesky)));

// ---- the writer ----

class Zapis : public ::testing::Test {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QStringLiteral("cs_CZ"))); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
    QTemporaryDir dir_;
};

TEST_F(Zapis, ColumnsEncodingAndLineEnds) {
    auto s = priklad();
    const QString cesta = dir_.filePath(QStringLiteral("p.cfg"));
    ASSERT_TRUE(ulozBezKomentare(*s, cesta, false));
    const QByteArray b = obsah(cesta);
    EXPECT_TRUE(b.startsWith("Furnace Temperature           [\xB0" "C]    :   1000 \r\n"));
    EXPECT_TRUE(b.contains("\r\nEmissivity                    [-]     :   ,8 \r\n"));
    EXPECT_TRUE(b.contains("\r\nMaterial                      [-]     :   Carbon steel\r\n"));
    EXPECT_TRUE(b.endsWith("Setting of Weight             [Z/V]   :   Z\r\n"));
    EXPECT_EQ(b.count("\r\n"), 11);
    EXPECT_EQ(b.count("\n"), 11);

    s->Jazyk = kCesky;
    s->PocetKroku = 1;
    s->Vysledky.TeplotaVsazky[0] = 20.0f;
    s->Vysledky.Cas[1] = 10.0f;
    s->Vysledky.TeplotaVsazky[1] = 46.65f;
    ASSERT_TRUE(ulozBezKomentare(*s, cesta, true));
    const QByteArray c = obsah(cesta);
    EXPECT_TRUE(c.startsWith("Teplota pece                  [\xB0" "C]    :   1000 \r\n"));
    EXPECT_TRUE(c.contains("\r\nM\xECrna tepeln\xE1 kapacita        [J/kg/K]:   500 \r\n"));
    EXPECT_TRUE(c.contains("\r\n\r\nDoba oh\xF8" "evu                   [s]     :   10 \r\n\r\n "
                           "\xC8" "as[s]        T[\xB0" "C]\r\n-----------------------\r\n"
                           " 0             20 \r\n 10            46,65 \r\n"));
    EXPECT_TRUE(c.endsWith(" 46,65 \r\n"));
}

struct Komentare {
    std::optional<bool> odpoved;
    std::optional<QString> vstup;
    const char* predtim;
    const char* potom;
};

class KomentarSouboru : public ::testing::TestWithParam<Komentare> {
protected:
    QTemporaryDir dir_;
};

TEST_P(KomentarSouboru, AskedBeforeWriting) {
    const Komentare& k = GetParam();
    auto s = priklad();
    s->Komentar = k.predtim;
    SkriptovaneDialogy d;
    d.odpovedi = {*k.odpoved};
    if (*k.odpoved) {
        d.vstupy = {k.vstup};
    }
    const QString cesta = dir_.filePath(QStringLiteral("k.cfg"));
    ASSERT_TRUE(UlozSoubor(*s, d, cesta, false));
    EXPECT_EQ(d.neocekavane, 0);
    ASSERT_EQ(d.otazky.size(), 1);
    EXPECT_EQ(d.otazky[0].titulek, QStringLiteral("Zorvet"));
    EXPECT_EQ(d.otazky[0].text, QStringLiteral("Write Comment ?"));
    if (*k.odpoved) {
        EXPECT_EQ(d.vyzvyVstupu, QStringList{QStringLiteral("Write text")});
        EXPECT_EQ(d.vychoziVstupu, QStringList{QString::fromUtf8(k.predtim)});
    }
    EXPECT_EQ(s->Komentar, k.potom);
    const QStringList r = radky(cesta);
    if (*k.potom == '\0') {
        EXPECT_TRUE(r[0].startsWith(QStringLiteral("Furnace Temperature")));
    } else {
        EXPECT_EQ(r[0], QString::fromUtf8(k.potom));
        EXPECT_EQ(r[1], QString());
        auto zpet = priklad();
        SkriptovaneDialogy e;
        ASSERT_TRUE(NactiSoubor(*zpet, e, cesta, false));
        EXPECT_EQ(zpet->Komentar, k.potom);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Odpovedi, KomentarSouboru,
    ::testing::Values(Komentare{false, std::nullopt, "old", ""},
                      Komentare{true, QStringLiteral("Billets for order 4711"), "old", "Billets for order 4711"},
                      Komentare{true, std::nullopt, "old", ""},                 // the input box cancelled
                      Komentare{true, QStringLiteral("   "), "", ""},           // a blank comment is none
                      Komentare{true, QStringLiteral("two\r\nlines"), "", "two lines"}));

TEST_F(Zapis, AFailedWriteIsReportedAndLeavesWhatWasThere) {
    auto s = priklad();
    for (const QString& cesta : {dir_.filePath(QStringLiteral("missing/p.cfg")), dir_.path()}) {
        SkriptovaneDialogy d;
        d.odpovedi = {false};
        EXPECT_FALSE(UlozSoubor(*s, d, cesta, true));
        ASSERT_EQ(d.zpravy.size(), 1);
        EXPECT_EQ(d.zpravy[0].ikona, Ikona::Vykricnik);
        EXPECT_EQ(d.zpravy[0].titulek, QStringLiteral("File Error"));
        EXPECT_TRUE(d.zpravy[0].text.startsWith(QDir::toNativeSeparators(cesta) + QLatin1Char('\n')));
        EXPECT_EQ(d.cekani, 0);
    }
    EXPECT_TRUE(QFileInfo(dir_.path()).isDir());
    EXPECT_EQ(QDir(dir_.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), QStringList());
}

TEST_F(Zapis, TheLastCurvePointEndsTheCurveWhateverItsDuration) {
    auto s = priklad();
    rizeny(*s);
    s->Uloha.PocetKrivek = 2;  // point 2 still holds the duration of a longer curve
    const QString cesta = dir_.filePath(QStringLiteral("c.cfg"));
    ASSERT_TRUE(ulozBezKomentare(*s, cesta, false));
    auto zpet = priklad();
    SkriptovaneDialogy d;
    ASSERT_TRUE(NactiSoubor(*zpet, d, cesta, false));
    EXPECT_EQ(zpet->Uloha.PocetKrivek, 2);
    EXPECT_EQ(zpet->Uloha.Krivka[2].Teplota, 1000.0f);
    EXPECT_EQ(zpet->Uloha.Krivka[3].Teplota, 0.0f);
}

// The worked example from its file to the messages of the end of a run, and back from its
// results file.
class PrikladCelkem : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override { QLocale::setDefault(QLocale(QString::fromLatin1(GetParam()))); }
    void TearDown() override { QLocale::setDefault(QLocale::c()); }
};

TEST_P(PrikladCelkem, FinalTemperaturePowerAndEnergy) {
    auto s = std::make_unique<Stav>();
    SkriptovaneDialogy d;
    ASSERT_TRUE(NactiSoubor(*s, d, data("czech_point.cfg"), false));
    ASSERT_TRUE(NactiSoubor(*s, d, data("english_point.cfg"), false));
    s->Uloha.KoefK = 1.0f;
    ASSERT_TRUE(OverZadani(*s));
    RozvinKrivku(*s);
    ASSERT_EQ(Vypocet(*s).konec, KonecVypoctu::Uspech);
    EXPECT_EQ(ZpravaKonecneTeploty(*s), QStringLiteral("Final temperature 901 °C have been obtained during 470 s."));
    const auto v = VykonASpotreba(*s, 0);
    ASSERT_TRUE(v);
    QString vykon = TextObecny(v->P);
    EXPECT_EQ(vykon.replace(QLatin1Char(','), QLatin1Char('.')), QStringLiteral("93617.02"));
    EXPECT_NEAR(v->E, 12222.22, 0.01);

    QTemporaryDir dir;
    ASSERT_TRUE(ulozBezKomentare(*s, dir.filePath(QStringLiteral("r.odp")), true));
    auto zpet = std::make_unique<Stav>();
    ASSERT_TRUE(NactiSoubor(*zpet, d, dir.filePath(QStringLiteral("r.odp")), true));
    EXPECT_EQ(ZpravaKonecneTeploty(*zpet), ZpravaKonecneTeploty(*s));
    EXPECT_EQ(VykonASpotreba(*zpet, 10)->P, VykonASpotreba(*s, 10)->P);
}

INSTANTIATE_TEST_SUITE_P(Lokaly, PrikladCelkem, ::testing::Values("en_US", "cs_CZ"));

}  // namespace
}  // namespace zorvet
