// Nothing hangs, nothing is lost: what every reader takes, outputs written all or none, saves
// that meet, measured logs of every form, the reading of fields in linear time.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QTemporaryDir>
#include <map>
#include <optional>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include "files/cteni.h"
#include "files/cteni_souboru.h"
#include "files/jazyk.h"
#include "files/krivka_csv.h"
#include "files/materialy.h"
#include "files/mereni_csv.h"
#include "files/soubor.h"
#include "files/windows1250.h"
#include "files/zapis.h"
#include "support/lokal.h"

namespace zorvet {
namespace {

class Slozka : public testing::Test {
protected:
    QString cesta(const QString& jmeno) const { return dir_.filePath(jmeno); }
    QString zapis(const QString& jmeno, const QByteArray& bajty) const {
        QFile f(cesta(jmeno));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bajty);
        return f.fileName();
    }
    QByteArray obsah(const QString& jmeno) const {
        QFile f(cesta(jmeno));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(none)");
    }
    // A pipe that nobody opens: reading or writing it would wait for ever.
    QString roura(const QString& jmeno) const {
        EXPECT_EQ(::mkfifo(QFile::encodeName(cesta(jmeno)).constData(), 0600), 0);
        return cesta(jmeno);
    }
    QStringList soubory() const { return QDir(dir_.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot); }
    QTemporaryDir dir_;
};

// Only a regular file within the limit is read; everything else is refused at once with why.
TEST_F(Slozka, TheOneReaderRefusesWhatIsNoRegularFileOrTooLarge) {
    zapis(QStringLiteral("maly"), "0123456789");
    QDir().mkdir(cesta(QStringLiteral("slozka")));
    const struct {
        QString cesta;
        qint64 nejvic;
        DruhSelhani druh;
        const char* chyba;
    } pripady[] = {
        {cesta(QStringLiteral("maly")), 10, DruhSelhani::Zadne, ""},
        {cesta(QStringLiteral("maly")), 9, DruhSelhani::PrilisVelky, "The file is too large: 10 bytes, at most 9."},
        {cesta(QStringLiteral("nic")), 9, DruhSelhani::Chybi, "No such file or directory"},
        {cesta(QStringLiteral("slozka")), 9, DruhSelhani::JeSlozka, "This is a folder, not a file."},
        {roura(QStringLiteral("roura")), 9, DruhSelhani::NeniSoubor, "This is no regular file (a device or a pipe)."},
        {QStringLiteral("/dev/zero"), 9, DruhSelhani::NeniSoubor, "This is no regular file (a device or a pipe)."},
    };
    for (const auto& p : pripady) {
        const CelySoubor s = NactiCelySoubor(p.cesta, p.nejvic, Jazyk::Anglicky);
        EXPECT_EQ(s.druh, p.druh) << p.cesta.toStdString();
        EXPECT_EQ(s.chyba, QString::fromUtf8(p.chyba)) << p.cesta.toStdString();
        EXPECT_EQ(s.bajty, p.druh == DruhSelhani::Zadne ? QByteArray("0123456789") : QByteArray());
    }
    EXPECT_EQ(NactiCelySoubor(cesta(QStringLiteral("maly")), 9, Jazyk::Cesky).chyba,
              QStringLiteral("Soubor je příliš velký: 10 bajtů, nejvýše 9."));
}

// A property table longer than its reader takes is refused as a whole, never cut at the limit.
TEST_F(Slozka, APropertyTableOverItsLimitIsRefusedNotCut) {
    QByteArray tabulka = "temperature_C,c_J_kgK\n20,440\n";
    tabulka += QByteArray(kNejvetsiTabulkaVlastnosti - tabulka.size() - 12, '\n');
    tabulka += "600,5000\n1200,5000\n";
    const PrecteniKrivky k = NactiKrivkuCsv(zapis(QStringLiteral("velka.csv"), tabulka), Jazyk::Anglicky);
    EXPECT_FALSE(k.krivka);
    EXPECT_EQ(k.chyba.text, cesta(QStringLiteral("velka.csv")) + QStringLiteral("\nThe file is too large: 16777223 bytes, at most 16777216."));
    const PrecteniKrivky roura_ = NactiKrivkuCsv(roura(QStringLiteral("r.csv")), Jazyk::Anglicky);
    EXPECT_TRUE(roura_.chyba.text.endsWith(QStringLiteral("\nThis is no regular file (a device or a pipe).")));
}

// A problem or results file is read only when regular and within its size: a pipe that nobody
// writes is named at once, a file past the limit (sparse, so the test writes nothing) refused.
TEST_F(Slozka, TheProblemReaderTakesOnlyARegularFileWithinItsSize) {
    QFile velky(cesta(QStringLiteral("velky.cfg")));
    ASSERT_TRUE(velky.open(QIODevice::WriteOnly) && velky.resize(kNejvetsiSoubor + 1));
    velky.close();
    const struct {
        QString cesta;
        QString chyba;
    } pripady[] = {
        {roura(QStringLiteral("roura.cfg")), QStringLiteral("This is no regular file (a device or a pipe).")},
        {velky.fileName(), QStringLiteral("The file holds %1 bytes, more than the %2 bytes a problem or results file "
                                          "can hold.").arg(kNejvetsiSoubor + 1).arg(kNejvetsiSoubor)},
    };
    for (const auto& p : pripady) {
        const PrecteniSouboru r = NactiSoubor(p.cesta, false, Uloha{}, Jazyk::Anglicky);
        EXPECT_FALSE(r.obsah);
        EXPECT_EQ(r.chyba.druh, DruhChyby::Soubor);
        EXPECT_EQ(r.chyba.text, p.cesta + QLatin1Char('\n') + p.chyba);
    }
}

// A device, a pipe that nobody reads or a folder is refused before anything is written, and a
// failure anywhere in a set leaves every target as it was and no file beside them.
TEST_F(Slozka, OutputsAreRegularFilesWrittenAllOrNone) {
    zapis(QStringLiteral("stary.odp"), "stary");
    zapis(QStringLiteral("soubor"), "soubor");
    QDir().mkdir(cesta(QStringLiteral("slozka")));
    const struct {
        QString cesta;
        DruhSelhani druh;
        const char* chyba;
    } vadne[] = {
        {QStringLiteral("/dev/full"), DruhSelhani::NeniSoubor, "This is no regular file (a device or a pipe)."},
        {roura(QStringLiteral("roura")), DruhSelhani::NeniSoubor, "This is no regular file (a device or a pipe)."},
        {cesta(QStringLiteral("slozka")), DruhSelhani::JeSlozka, "This is a folder, not a file."},
        {cesta(QStringLiteral("soubor/x.csv")), DruhSelhani::Systemove, "Not a directory"},
        {cesta(QStringLiteral("./stary.odp")), DruhSelhani::Stejny, ""},
    };
    const QStringList predtim = soubory();
    for (const auto& v : vadne) {
        SadaVystupu sada;
        ASSERT_TRUE(sada.pridej(cesta(QStringLiteral("stary.odp")), "novy"));
        ASSERT_TRUE(sada.pridej(cesta(QStringLiteral("novy.csv")), "csv"));
        EXPECT_FALSE(sada.pridej(v.cesta, "x")) << v.cesta.toStdString();
        EXPECT_EQ(sada.druh(), v.druh) << v.cesta.toStdString();
        EXPECT_EQ(sada.cesta(), v.cesta);
        const QString stejny = cesta(QStringLiteral("stary.odp")) + QStringLiteral(" and ") + v.cesta +
                               QStringLiteral(" name the same file.");
        EXPECT_EQ(sada.chyba(), v.druh == DruhSelhani::Stejny ? stejny : QString::fromUtf8(v.chyba));
        EXPECT_TRUE(sada.potvrd());  // the failed set holds nothing
        EXPECT_EQ(obsah(QStringLiteral("stary.odp")), "stary");
        EXPECT_EQ(soubory(), predtim);
    }
    // A target that became a folder after it was prepared: the one replaced before it is put back.
    SadaVystupu sada;
    ASSERT_TRUE(sada.pridej(cesta(QStringLiteral("stary.odp")), "novy"));
    ASSERT_TRUE(sada.pridej(cesta(QStringLiteral("novy.csv")), "csv"));
    ASSERT_TRUE(QDir().mkpath(cesta(QStringLiteral("novy.csv/uvnitr"))));
    EXPECT_FALSE(sada.potvrd());
    EXPECT_EQ(sada.cesta(), cesta(QStringLiteral("novy.csv")));
    EXPECT_EQ(obsah(QStringLiteral("stary.odp")), "stary");
    QStringList s_novym = predtim;
    s_novym.append(QStringLiteral("novy.csv"));
    s_novym.sort();
    EXPECT_EQ(soubory(), s_novym);
}


// The same file by any of its names; a file still to be written by its resolved path.
TEST_F(Slozka, SameFileByAnyName) {
    zapis(QStringLiteral("x"), "x");
    zapis(QStringLiteral("y"), "y");
    QDir().mkdir(cesta(QStringLiteral("d")));
    ASSERT_TRUE(QFile::link(cesta(QStringLiteral("x")), cesta(QStringLiteral("odkaz"))));
    ASSERT_TRUE(QFile::link(cesta(QStringLiteral("d")), cesta(QStringLiteral("odkaz_d"))));
    ASSERT_EQ(::link(QFile::encodeName(cesta(QStringLiteral("x"))).constData(),
                     QFile::encodeName(cesta(QStringLiteral("pevny"))).constData()), 0);
    const QString predtim = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir_.path()));
    const struct {
        const char* a;
        const char* b;
        bool stejny;
    } pripady[] = {
        {"x", "./x", true},          {"x", "odkaz", true},        {"x", "pevny", true},
        {"x", "d/../x", true},       {"x", "y", false},           {"novy", "./novy", true},
        {"d/novy", "odkaz_d/novy", true}, {"novy", "x", false},   {"d/novy", "novy", false},
    };
    for (const auto& p : pripady) {
        EXPECT_EQ(StejnySoubor(QString::fromLatin1(p.a), QString::fromLatin1(p.b)), p.stejny) << p.a << " " << p.b;
    }
    QDir::setCurrent(predtim);
}

// Two saves of the data folder's file at once: the second, started while the first holds the
// lock between reading and writing, fails with a message instead of being lost.
TEST_F(Slozka, SavesThatMeetAreSerialisedAndNoneIsLost) {
    Chyba chyba2;
    std::optional<UlozeniMaterialu> druhy;
    std::optional<UlozeniMaterialu> druhaVodivost;
    NastavZkouskuUkladani({[&] {
                               NastavZkouskuUkladani({{}, 20});
                               druhy = UlozMaterial(dir_.path(), Material{"Druhy", 2, 3}, false, &chyba2);
                               druhaVodivost = UlozVodivost(dir_.path(), "Druhy", 45.0f, &chyba2, Jazyk::Cesky);
                           },
                           20});
    Chyba chyba;
    EXPECT_EQ(UlozMaterial(dir_.path(), Material{"Prvni", 1, 2}, false, &chyba), UlozeniMaterialu::Pridan);
    EXPECT_EQ(druhy, UlozeniMaterialu::Chyba);
    EXPECT_EQ(druhaVodivost, UlozeniMaterialu::Pridan);  // another file, another lock
    NastavZkouskuUkladani({[&] {
                               NastavZkouskuUkladani({{}, 20});
                               druhaVodivost = UlozVodivost(dir_.path(), "Prvni", 50.0f, &chyba2, Jazyk::Cesky);
                           },
                           20});
    EXPECT_EQ(UlozVodivost(dir_.path(), "Treti", 40.0f, &chyba), UlozeniMaterialu::Pridan);
    NastavZkouskuUkladani({});
    EXPECT_EQ(druhaVodivost, UlozeniMaterialu::Chyba);
    EXPECT_EQ(chyba2.text, cesta(QStringLiteral("MaterialProperties.txt")) +
                          QStringLiteral("\nDo souboru právě ukládá někdo jiný, a tak nebylo uloženo nic. Zkuste to znovu."));
    const DatabazeMaterialu db = NactiMaterialy(dir_.path(), Jazyk::Anglicky);
    EXPECT_EQ(db.Materialy, (std::vector<Material>{{"Prvni", 1, 2}}));
    EXPECT_EQ(db.Vodivosti, (std::map<std::string, float>{{"Druhy", 45.0f}, {"Treti", 40.0f}}));
    EXPECT_EQ(soubory(), (QStringList{"Material.lst", "MaterialProperties.txt"}));
}

// The lock of a process that ended without unlocking is taken over at once.
TEST_F(Slozka, TheLockOfAnEndedProcessIsTakenOver) {
    const QString zamek = cesta(QStringLiteral("Material.lst.lock"));
    const pid_t dite = ::fork();
    if (dite == 0) {
        QLockFile z(zamek);
        _exit(z.tryLock(0) ? 0 : 1);  // ends holding it: no destructor runs
    }
    int stav = -1;
    ASSERT_EQ(::waitpid(dite, &stav, 0), dite);
    ASSERT_TRUE(WIFEXITED(stav) && WEXITSTATUS(stav) == 0 && QFile::exists(zamek));
    Chyba chyba;
    EXPECT_EQ(UlozMaterial(dir_.path(), Material{"M", 1, 2}, false, &chyba), UlozeniMaterialu::Pridan) << chyba.text.toStdString();
    EXPECT_FALSE(QFile::exists(zamek));
}

// Reading a file's fields costs in proportion to its length, whatever it holds.
TEST(CteckaTextu, FieldsOfAnyTextAreReadInLinearWork) {
    for (const char* vzor : {"\"", ",", "\"a", "\"\"1,", ".\"", " \r\n", "1,\"", "\t\""}) {
        QString text;
        while (text.size() < 100000) {
            text += QString::fromLatin1(vzor);
        }
        CteckaTextu cteni(text);
        for (qsizetype predtim = -1; cteni.pozice() > predtim;) {
            predtim = cteni.pozice();
            cteni.preskocPrazdneRadky();
            if (cteni.textovePole()) {
                cteni.ciselnePole();
                cteni.ciselnePole();
            }
        }
        EXPECT_TRUE(cteni.naKonci()) << vzor;
        EXPECT_LT(cteni.prohlednuto(), 8 * text.size()) << vzor;
        CteckaTextu radky(text);
        while (radky.radek()) {
        }
        EXPECT_LE(radky.prohlednuto(), 2 * text.size()) << vzor;
    }
}

// A Material.lst saved as UTF-16 reads, and a save writes it back whole in Windows-1250.
TEST_F(Slozka, MaterialsInUtf16AreReadAndWrittenBackInOneEncoding) {
    for (const char* jmeno : {"utf16le_materials.lst", "utf16be_materials.lst"}) {
        QFile::remove(cesta(QStringLiteral("Material.lst")));
        ASSERT_TRUE(QFile::copy(QStringLiteral(ZORVET_TEST_DATA "/") + QString::fromLatin1(jmeno), cesta(QStringLiteral("Material.lst"))));
        const std::vector<Material> pred = NactiMaterialy(dir_.path(), Jazyk::Anglicky).Materialy;
        ASSERT_FALSE(pred.empty()) << jmeno;
        EXPECT_EQ(pred.front().Nazev, jmeno[5] == 'l' ? "Ocel S235" : "Mosaz, CuZn37");
        Chyba chyba;
        ASSERT_EQ(UlozMaterial(dir_.path(), Material{"Nový", 1, 2}, false, &chyba), UlozeniMaterialu::Pridan);
        const QByteArray bajty = obsah(QStringLiteral("Material.lst"));
        std::vector<Material> po = pred;
        po.push_back(Material{"Nový", 1, 2});
        EXPECT_EQ(NactiMaterialy(dir_.path(), Jazyk::Anglicky).Materialy, po);
        EXPECT_EQ(toWindows1250(fromWindows1250(bajty)), bajty);
        EXPECT_FALSE(bajty.contains('\0'));
    }
}

// The data folder's files are read only when regular; a pipe is named, never waited for.
TEST_F(Slozka, APipeAmongTheMaterialFilesIsNamedNotRead) {
    roura(QStringLiteral("Material.lst"));
    roura(QStringLiteral("Eps.eng"));
    QDir().mkdir(cesta(QStringLiteral("Conductivity.lst")));
    QList<Chyba> chyby;
    EXPECT_TRUE(NactiMaterialy(dir_.path(), Jazyk::Anglicky, &chyby).Materialy.empty());
    QStringList texty;
    for (const Chyba& c : chyby) {
        texty.append(c.text);
    }
    const QString roura_ = QStringLiteral("\nThis is no regular file (a device or a pipe).");
    EXPECT_EQ(texty, (QStringList{cesta(QStringLiteral("Material.lst")) + roura_,
                                  cesta(QStringLiteral("Conductivity.lst")) + QStringLiteral("\nThis is a folder, not a file."),
                                  cesta(QStringLiteral("Eps.eng")) + roura_}));
    Chyba chyba;
    EXPECT_EQ(UlozMaterial(dir_.path(), Material{"M", 1, 2}, false, &chyba), UlozeniMaterialu::Chyba);
    EXPECT_EQ(chyba.text, cesta(QStringLiteral("Material.lst")) + roura_);
}

// A settings file that is a pipe is no setting: English, at once; nothing is stored into it.
TEST_F(Slozka, ASettingsFileThatIsAPipeIsNoSetting) {
    qputenv("XDG_CONFIG_HOME", dir_.path().toUtf8());
    qputenv("XDG_CONFIG_DIRS", cesta(QStringLiteral("system")).toUtf8());
    ASSERT_TRUE(UlozJazyk(Jazyk::Cesky));
    ASSERT_EQ(NactiJazyk(), Jazyk::Cesky);
    QDir().mkpath(cesta(QStringLiteral("system")));
    roura(QStringLiteral("system/Zorvet.conf"));
    EXPECT_EQ(NactiJazyk(), Jazyk::Anglicky);
    QString chyba;
    EXPECT_FALSE(UlozJazyk(Jazyk::Anglicky, &chyba));
    EXPECT_EQ(chyba, QStringLiteral("The language cannot be stored in %1.\nThis is no regular file (a device or a pipe).")
                         .arg(cesta(QStringLiteral("system/Zorvet.conf"))));
    qunsetenv("XDG_CONFIG_DIRS");
}

struct Log {
    const char* soubor;
    std::optional<SloupceMereni> sloupce;
    const char* chyba;             // after the path and a line end; empty for a log read
    std::vector<double> casy;      // s
    std::vector<double> teploty;   // °C of the charge
    std::optional<double> pec;     // °C of the furnace in the second row
};

class MereniZ : public testing::TestWithParam<Log> {};

// Each form of a log as loggers and spreadsheets write it, under either locale.
TEST_P(MereniZ, ReadsEveryFormOrSaysWhyWithTheLine) {
    const Log& p = GetParam();
    for (const char* lokal : {"en_US", "cs_CZ"}) {
        const test::Lokal l(lokal);
        const QString cesta = QStringLiteral(ZORVET_TEST_DATA "/") + QString::fromLatin1(p.soubor);
        const CteniMereni c = NactiMereniCsv(cesta, 20.0f, Jazyk::Anglicky, p.sloupce);
        EXPECT_EQ(c.chyba.text, *p.chyba ? cesta + QLatin1Char('\n') + QString::fromUtf8(p.chyba) : QString()) << p.soubor;
        std::vector<double> casy, teploty;
        for (const BodMereni& b : c.body) {
            casy.push_back(b.cas);
            teploty.push_back(b.teplota);
        }
        EXPECT_EQ(casy, p.casy) << p.soubor;
        EXPECT_EQ(teploty, p.teploty) << p.soubor;
        EXPECT_EQ(c.body.size() > 1 ? c.body[1].pec : std::nullopt, p.pec) << p.soubor;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Zaznamy, MereniZ,
    testing::Values(
        Log{"log_semicolon_comma.csv", {}, "", {0, 60, 120}, {20, 143.5, 254.25}, 1000.0},
        Log{"log_tab_cr.csv", {}, "", {0, 60.5, 120}, {20, 143.5, 254}, {}},
        Log{"log_furnace_first.csv", {}, "", {0, 60, 120}, {20, 143.5, 254}, 990.0},
        Log{"log_clock_midnight.csv", {}, "", {0, 30, 90, 120}, {20, 80, 190, 240}, {}},
        Log{"log_minutes_seconds.csv", {}, "", {0, 60.5, 120}, {20, 143.5, 254}, {}},
        Log{"log_windows1250_columns.csv", SloupceMereni{0, 1, 2}, "", {0, 60, 120}, {20, 143.5, 254}, 990.0},
        Log{"log_windows1250_columns.csv", {}, "Line 1: “\"čas\";\"vsázka\";\"pec\";\"poznámka\"” is not the header of a "
            "measured log, which reads time_s,charge_C or, with a measured furnace, time_s,charge_C,furnace_C.", {}, {}, {}},
        Log{"log_windows1250_columns.csv", SloupceMereni{0, 4, {}}, "Line 1: the header has 4 columns; column 5 is not "
            "one of them.", {}, {}, {}},
        Log{"log_windows1250_columns.csv", SloupceMereni{0, 1, 1}, "Time, charge and furnace each need a column of "
            "their own.", {}, {}, {}},
        Log{"log_negative_start.csv", {}, "Line 2: the time “-10” s lies before the start; a log starts at 0 s or "
            "later.", {}, {}, {}},
        Log{"log_furnace_below_zero.csv", {}, "Line 3, column 3: “-1000” °C is no temperature of a charge or a "
            "furnace, which lie from -273.15 to 3000 °C.", {}, {}, {}},
        Log{"log_charge_beyond.csv", {}, "Line 3, column 2: “9e7” °C is no temperature of a charge or a furnace, "
            "which lie from -273.15 to 3000 °C.", {}, {}, {}},
        Log{"log_bad_clock.csv", {}, "Line 3, column 1: “1:75” is not a time (seconds, hh:mm:ss or mm:ss).", {}, {}, {}},
        Log{"log_decimal_comma_with_commas.csv", {}, "Line 3: a row needs 2 values, not “60,1,435.5”.", {}, {}, {}},
        Log{"log_not_a_log.csv", {}, "Line 1: “ELF” is not the header of a measured log, which "
            "reads time_s,charge_C or, with a measured furnace, time_s,charge_C,furnace_C.", {}, {}, {}}));

// The columns a user names on the command line: by the header's names or by numbers from 1.
TEST(HlavickaMereni, ColumnsNamedByTheUser) {
    const QStringList hlavicka{"čas", "vsázka", "pec", "12"};
    const struct {
        const char* zadani;
        std::optional<SloupceMereni> sloupce;
    } pripady[] = {
        {"čas,vsázka,pec", SloupceMereni{0, 1, 2}},
        {" vsázka , čas", SloupceMereni{1, 0, {}}},
        {"1,3,2", SloupceMereni{0, 2, 1}},
        {"12,1", SloupceMereni{3, 0, {}}},  // a name before a number
        {"4,2", SloupceMereni{3, 1, {}}},
        {"čas", {}},
        {"1,2,3,4", {}},
        {"0,1", {}},
        {"1,5", {}},
        {"1,-2", {}},
        {"čas,Vsázka", {}},
        {"1,,2", {}},
        {"99999999999,1", {}},
    };
    for (const auto& p : pripady) {
        const std::optional<SloupceMereni> s = ZvoleneSloupce(hlavicka, QString::fromUtf8(p.zadani));
        ASSERT_EQ(s.has_value(), p.sloupce.has_value()) << p.zadani;
        if (s) {
            EXPECT_EQ(s->cas, p.sloupce->cas) << p.zadani;
            EXPECT_EQ(s->vsazka, p.sloupce->vsazka) << p.zadani;
            EXPECT_EQ(s->pec, p.sloupce->pec) << p.zadani;
        }
    }
}

TEST(HlavickaMereni, NamesTheColumnsForAWindowToOffer) {
    const HlavickaMereni h = CtiHlavickuMereni(QStringLiteral(ZORVET_TEST_DATA "/log_windows1250_columns.csv"), Jazyk::Anglicky);
    EXPECT_EQ(h.nazvy, (QStringList{"čas", "vsázka", "pec", "poznámka"}));
    EXPECT_FALSE(h.podleNazvu);
    const HlavickaMereni z = CtiHlavickuMereni(QStringLiteral(ZORVET_TEST_DATA "/log_minutes_seconds.csv"), Jazyk::Anglicky);
    ASSERT_TRUE(z.podleNazvu);
    EXPECT_EQ(z.podleNazvu->cas, 1);
    EXPECT_EQ(z.podleNazvu->vsazka, 0);
    EXPECT_FALSE(z.podleNazvu->pec);
    EXPECT_EQ(CtiHlavickuMereni(QStringLiteral("/dev/zero"), Jazyk::Anglicky).chyba.text,
              QStringLiteral("/dev/zero\nThis is no regular file (a device or a pipe)."));
}

}  // namespace
}  // namespace zorvet
