// The refractories of the lining as text: the database shipped beside the program, the user's file.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "files/pec_text.h"
#include "files/refraktory.h"
#include "files/soubor.h"
#include "model/furnace/pec.h"
#include "support/lokal.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

// The shipped database: the classes the documents name, each sound, each read back from its own
// line as the same record.
TEST(Refraktory, ShippedDatabaseHoldsSoundRefractories) {
    const SouborRefraktoru db = NactiDatabaziRefraktoru(QStringLiteral(ZORVET_BESIDE), Jazyk::Anglicky);
    ASSERT_TRUE(db.refraktory) << db.chyba.text.toStdString();
    for (const char* nazev : {"fireclay", "ifb-23", "ifb-26", "fibre-128", "mineral-wool", "steel"}) {
        const Refraktor* r = NajdiRefraktor(nazev, {}, *db.refraktory);
        ASSERT_NE(r, nullptr) << nazev;
        EXPECT_EQ(ZkontrolujRefraktor(*r).vada, VadaRefraktoru::Zadna) << nazev;
        const PrecteniRefraktoru zpet = CtiRefraktory(TextRefraktoru(*r), Jazyk::Anglicky);
        ASSERT_EQ(zpet.refraktory.size(), 1u) << TextRefraktoru(*r).toStdString();
        EXPECT_EQ(zpet.refraktory.front(), *r);
    }
    EXPECT_EQ(NajdiRefraktor("steel", *db.refraktory, {})->Teplo.size(), 6u);
}

// A user's file: comments, blank lines and any line ends; c(T) as points; its names before the
// database's.
TEST(Refraktory, UsersFileAndItsNamesFirst) {
    const PrecteniRefraktoru p = CtiRefraktory(
        QStringLiteral("# my lining\r\n\r\nbrick 2100 20:900/1000:1150 20:1.2 1200:1.6  # hot face\rsteel 7800 460 20:50\n"),
        Jazyk::Anglicky);
    ASSERT_FALSE(p.chyba);
    ASSERT_EQ(p.refraktory.size(), 2u);
    EXPECT_EQ(p.refraktory[0], (Refraktor{"brick", 2100, {{20, 900}, {1000, 1150}}, {{20, 1.2f}, {1200, 1.6f}}}));
    const std::vector<Refraktor> db{{"steel", 7850, {{20, 440}}, {{20, 53}}}};
    EXPECT_EQ(NajdiRefraktor("steel", p.refraktory, db)->Hustota, 7800.0f);
    EXPECT_EQ(NajdiRefraktor("steel", {}, db)->Hustota, 7850.0f);
    EXPECT_EQ(NajdiRefraktor("nothing", p.refraktory, db), nullptr);
}

// The first line that is no sound refractory refuses the file, with its line, column and text.
TEST(Refraktory, RefusedLineIsNamed) {
    const struct {
        const char* radek;
        const char* zprava;
    } pripady[] = {
        {"brick 2100 900", "Line 2, column 1: “brick 2100 900” is no refractory"},
        {"brick 2,1 900 20:1", "Line 2, column 2: “2,1” is not a number."},
        {"brick 0 900 20:1", "Line 2, column 2: “0” must be greater than zero."},
        {"brick 2100 1e40 20:1", "Line 2, column 3: “1e40” is not finite or too large."},
        {"brick 2100 900 20:1 20:2", "Line 2, column 5: the temperature “20” does not rise"},
        {"brick 2100 900 20-1", "Line 2, column 4: “20-1” is no point"},
        {"brick 2100 20:900/10:950 20:1", "Line 2, column 3: the temperature “10” does not rise"},
        {"brick 2100 900 20:-1", "Line 2, column 4: “-1” must be greater than zero."},
        {"a,b 2100 900 20:1", "Line 2, column 1: the name “a,b” may hold no colon and no comma."},
        {"steel 2100 900 20:1", "Line 2: the refractory “steel” is named on line 1 already."},
    };
    for (const auto& p : pripady) {
        const QString text = QStringLiteral("steel 7800 460 20:50\n") + QString::fromUtf8(p.radek);
        const PrecteniRefraktoru r = CtiRefraktory(text, Jazyk::Anglicky);
        ASSERT_TRUE(r.chyba) << p.radek;
        EXPECT_TRUE(r.chyba->startsWith(QString::fromUtf8(p.zprava))) << r.chyba->toStdString();
    }
    QString mnoho = QStringLiteral("brick 2100 900");
    for (int i = 0; i <= kNejviceBoduRefraktoru; ++i) mnoho += QStringLiteral(" %1:1").arg(i);
    EXPECT_TRUE(CtiRefraktory(mnoho, Jazyk::Anglicky).chyba->contains(QStringLiteral("at most 64 points")));
}

// A file that cannot be read is a File Error naming it; a missing database holds none.
TEST(Refraktory, FileErrors) {
    QTemporaryDir dir;
    const SouborRefraktoru slozka = NactiRefraktory(dir.path(), Jazyk::Anglicky);
    EXPECT_FALSE(slozka.refraktory);
    EXPECT_TRUE(slozka.chyba.text.startsWith(QDir::toNativeSeparators(dir.path())));
    const SouborRefraktoru prazdna = NactiDatabaziRefraktoru(dir.path(), Jazyk::Anglicky);
    ASSERT_TRUE(prazdna.refraktory);
    EXPECT_TRUE(prazdna.refraktory->empty());
}

}  // namespace
}  // namespace zorvet

namespace zorvet {
namespace {

// A problem with its furnace, in either language and locale, comes back whole: the chamber, the
// door, the start, the three linings and their refractories (so it computes the same without the
// database), and the furnace's plain numbers.
// The start as a word: "after:N" takes 1 to 1000 cycles and reads back as written.
TEST(PecSouboru, StartWords) {
    for (const char* slovo : {"hot", "cold", "cyclic", "after:1", "after:1000"}) {
        Pec p;
        ASSERT_TRUE(NastavStart(p, QString::fromLatin1(slovo))) << slovo;
        EXPECT_EQ(TextStartu(p), QString::fromLatin1(slovo));
    }
    for (const char* slovo : {"after:0", "after:1001", "after:", "after:x", "warm"}) {
        Pec p;
        EXPECT_FALSE(NastavStart(p, QString::fromLatin1(slovo))) << slovo;
    }
}

TEST(PecSouboru, ComesBackWhole) {
    Uloha u = test::Priklad();
    u.Pec = test::Box();
    u.Pec->Strop = {{u.Pec->Steny[1].Material, 0.3f}};
    u.Pec->Nistej = {u.Pec->Steny[0], {Refraktor{"steel", 7850, {{20, 440}, {500, 670}}, {{20, 53.3f}}}, 0.005f}};
    u.Pec->Plocha = PlochaSten::Vnitrni;
    u.Pec->DvereSirka = 0.6f;
    u.Pec->DvereVyska = 0.7f;
    u.Pec->Start = StartPece::PoCyklech;
    u.Pec->Cyklu = 3;
    u.Okoli = 31.5f, u.DobaOtevreni = 120.0f, u.HmotnostPripravku = 80.0f, u.KonvekceVnejsi = 7.0f;
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        for (const Jazyk jazyk : {Jazyk::Anglicky, Jazyk::Cesky}) {
            QTemporaryDir dir;
            const QString cesta = dir.filePath(QStringLiteral("pec.cfg"));
            {
                const test::Lokal zapis(lokal);
                ASSERT_FALSE(UlozSoubor(cesta, u, nullptr, QString(), jazyk));
            }
            const PrecteniSouboru s = NactiSoubor(cesta, false, test::Priklad(), Jazyk::Anglicky);
            ASSERT_TRUE(s.obsah) << s.chyba.text.toStdString();
            EXPECT_EQ(s.obsah->uloha, u) << lokal;
        }
    }
}

// A line of the furnace that no writer writes refuses the file with its line: a layer of a
// refractory the file does not hold, the furnace's numbers without a furnace.
TEST(PecSouboru, RefusedLineIsNamed) {
    Uloha u = test::Priklad();
    u.Pec = test::Box();
    QTemporaryDir dir;
    const QString cesta = dir.filePath(QStringLiteral("pec.cfg"));
    const auto zkus = [&](const QString& z, const QString& na, const char* zprava) {
        QString text = TextSouboru(u, nullptr, QString(), Jazyk::Anglicky);
        ASSERT_TRUE(text.contains(z)) << z.toStdString();
        text.replace(z, na);
        QFile f(cesta);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text.toUtf8());
        f.close();
        const PrecteniSouboru s = NactiSoubor(cesta, false, test::Priklad(), Jazyk::Anglicky);
        ASSERT_FALSE(s.obsah);
        EXPECT_TRUE(s.chyba.text.contains(QString::fromUtf8(zprava))) << s.chyba.text.toStdString();
    };
    zkus(QStringLiteral(" ifb-26        .115"), QStringLiteral(" ifb-28        .115"), "“ifb-28” is no refractory");
    zkus(QStringLiteral(" fireclay 2050"), QStringLiteral(" fireclay -2050"), "“-2050” must be greater than zero");
    zkus(QStringLiteral("Wall Area                     [-]     :   rounded"),
         QStringLiteral("Wall Area                     [-]     :   round"), "“round” is none of inner, rounded");
    zkus(QStringLiteral("Chamber Width                 [m]     :   1 \r\n"), QString(), "belongs to a furnace");
    u.Pec.reset();
    u.Konvekce = 22.0f;
    zkus(QStringLiteral("Convection Coefficient"),
         QStringLiteral("Ambient Temperature           [°C]    :   25 \r\nConvection Coefficient"), "belongs to a furnace");
}

}  // namespace
}  // namespace zorvet
