#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "files/datova_slozka.h"
#include "files/retezce.h"
#include "model/stav.h"

namespace zorvet {
namespace {

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapis(const QString& cesta, const QByteArray& bajty) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly)) << cesta.toStdString();
    f.write(bajty);
}

// Read-only like the files of a package; tests run as root too, where only the bits show it.
void naplnData(const QString& slozka, const QByteArray& znacka) {
    ASSERT_TRUE(QDir().mkpath(slozka));
    for (const QString& jmeno : DatoveSoubory()) {
        const QString cesta = QDir(slozka).filePath(jmeno);
        zapis(cesta, znacka + ' ' + jmeno.toLatin1() + "\r\n");
        QFile(cesta).setPermissions(QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    }
}

enum class Data { Nikde, UProgramu, Dodana, Obe };
enum class Vysledek { SlozkaProgramu, OsobniZDodanych, OsobniZProgramu, OsobniPrazdna };

struct Rozlozeni {
    const char* jmeno;
    Data data;
    bool programZapisovatelny;
    Vysledek ocekavano;
};

void PrintTo(const Rozlozeni& r, std::ostream* os) { *os << r.jmeno; }

// An installation under prefix/ (bin/ and share/zorvet/) and a home with its data location.
class Rozhodnuti : public ::testing::TestWithParam<Rozlozeni> {
protected:
    void SetUp() override {
        ASSERT_TRUE(koren_.isValid());
        mista_ = MistaDat{koren_.filePath(QStringLiteral("prefix/bin")),
                          koren_.filePath(QStringLiteral("prefix/share/zorvet")),
                          koren_.filePath(QStringLiteral("home/.local/share/org.zorvet.Zorvet"))};
        ASSERT_TRUE(QDir().mkpath(mista_.slozkaProgramu));
    }

    // Answers for the program's folder only; asking about another folder is a fault.
    ZkouskaZapisu zkouska(bool odpoved) {
        return [this, odpoved](const QString& slozka) {
            EXPECT_EQ(slozka, mista_.slozkaProgramu);
            return odpoved;
        };
    }

    QTemporaryDir koren_;
    MistaDat mista_;
};

TEST_P(Rozhodnuti, ChoosesTheFolderAndSeedsTheUsersCopies) {
    const Rozlozeni& r = GetParam();
    if (r.data == Data::UProgramu || r.data == Data::Obe) {
        naplnData(mista_.slozkaProgramu, "beside");
    }
    if (r.data == Data::Dodana || r.data == Data::Obe) {
        naplnData(mista_.dodanaData, "shipped");
    }

    const DatovaSlozka s = UrciDatovouSlozku(mista_, zkouska(r.programZapisovatelny), kAnglicky);

    EXPECT_TRUE(s.chyba.isEmpty()) << s.chyba.toStdString();
    if (r.ocekavano == Vysledek::SlozkaProgramu) {
        EXPECT_EQ(s.cesta, mista_.slozkaProgramu);
        EXPECT_FALSE(s.osobni);
        EXPECT_TRUE(s.doplneno.isEmpty());
        EXPECT_FALSE(QFileInfo::exists(mista_.osobniSlozka)) << "nothing is created for a writable program folder";
        return;
    }
    EXPECT_EQ(s.cesta, mista_.osobniSlozka);
    EXPECT_TRUE(s.osobni);
    ASSERT_TRUE(QFileInfo(mista_.osobniSlozka).isDir());
    if (r.ocekavano == Vysledek::OsobniPrazdna) {
        EXPECT_TRUE(s.doplneno.isEmpty());
        EXPECT_TRUE(QDir(mista_.osobniSlozka).isEmpty());
        return;
    }
    EXPECT_EQ(s.doplneno, DatoveSoubory());
    const QString zdroj = r.ocekavano == Vysledek::OsobniZDodanych ? mista_.dodanaData : mista_.slozkaProgramu;
    for (const QString& jmeno : DatoveSoubory()) {
        const QString kopie = QDir(mista_.osobniSlozka).filePath(jmeno);
        EXPECT_EQ(obsah(kopie), obsah(QDir(zdroj).filePath(jmeno))) << jmeno.toStdString();
        // The shipped file is read-only; the user's copy must take new materials.
        EXPECT_TRUE(QFile(kopie).permissions().testFlag(QFile::WriteOwner)) << jmeno.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    DataFolder, Rozhodnuti,
    ::testing::Values(
        Rozlozeni{"BuildTreeKeepsItsOwnFolder", Data::UProgramu, true, Vysledek::SlozkaProgramu},
        Rozlozeni{"TestProgramWithoutDataKeepsItsOwnFolder", Data::Nikde, true, Vysledek::SlozkaProgramu},
        Rozlozeni{"PortableCopyBesideAnInstallationKeepsItsOwnFolder", Data::Obe, true, Vysledek::SlozkaProgramu},
        Rozlozeni{"InstalledProgramSeedsTheUserFolder", Data::Dodana, false, Vysledek::OsobniZDodanych},
        Rozlozeni{"InstalledProgramRunByRootStillLeavesBinAlone", Data::Dodana, true, Vysledek::OsobniZDodanych},
        Rozlozeni{"ReadOnlyPortableCopySeedsFromBesideTheProgram", Data::UProgramu, false, Vysledek::OsobniZProgramu},
        Rozlozeni{"ReadOnlyInstallationPrefersTheShippedData", Data::Obe, false, Vysledek::OsobniZDodanych},
        Rozlozeni{"NoDataAnywhereGivesAnEmptyUserFolder", Data::Nikde, false, Vysledek::OsobniPrazdna}),
    [](const ::testing::TestParamInfo<Rozlozeni>& info) { return std::string(info.param.jmeno); });

class DruhyStart : public Rozhodnuti {};

TEST_F(DruhyStart, KeepsTheUsersFilesAndBringsBackOnlyMissingOnes) {
    naplnData(mista_.dodanaData, "shipped");
    const DatovaSlozka prvni = UrciDatovouSlozku(mista_, zkouska(false), kAnglicky);
    ASSERT_EQ(prvni.doplneno.size(), 3);

    const QDir osobni(mista_.osobniSlozka);
    const QByteArray vlastni = obsah(osobni.filePath(QStringLiteral("Material.lst"))) + "Nerez 304\r\n 452.5  7900 \r\n";
    zapis(osobni.filePath(QStringLiteral("Material.lst")), vlastni);
    ASSERT_TRUE(QFile::remove(osobni.filePath(QStringLiteral("Eps.cz"))));
    // A folder where a data file belongs is the user's business too: it is not replaced.
    ASSERT_TRUE(QFile::remove(osobni.filePath(QStringLiteral("Eps.eng"))));
    ASSERT_TRUE(osobni.mkdir(QStringLiteral("Eps.eng")));

    const DatovaSlozka druhy = UrciDatovouSlozku(mista_, zkouska(false), kAnglicky);

    EXPECT_EQ(druhy.cesta, mista_.osobniSlozka);
    EXPECT_EQ(druhy.doplneno, QStringList{QStringLiteral("Eps.cz")});
    EXPECT_TRUE(druhy.chyba.isEmpty()) << druhy.chyba.toStdString();
    EXPECT_EQ(obsah(osobni.filePath(QStringLiteral("Material.lst"))), vlastni);
    EXPECT_EQ(obsah(osobni.filePath(QStringLiteral("Eps.cz"))), "shipped Eps.cz\r\n");
    EXPECT_TRUE(QFileInfo(osobni.filePath(QStringLiteral("Eps.eng"))).isDir());
}

// A home whose data location cannot be made: the shipped data are read where they lie, and
// the reason is given in the user's language.
TEST_F(Rozhodnuti, AnUnusableUserFolderFallsBackToTheShippedData) {
    naplnData(mista_.dodanaData, "shipped");
    ASSERT_TRUE(QDir().mkpath(koren_.filePath(QStringLiteral("home/.local"))));
    zapis(koren_.filePath(QStringLiteral("home/.local/share")), "a file where a folder belongs");

    for (const std::int16_t jazyk : {kAnglicky, kCesky}) {
        const DatovaSlozka s = UrciDatovouSlozku(mista_, zkouska(false), jazyk);
        EXPECT_EQ(s.cesta, mista_.dodanaData);
        EXPECT_FALSE(s.osobni);
        EXPECT_TRUE(s.doplneno.isEmpty());
        EXPECT_TRUE(s.chyba.startsWith(Text(154, jazyk))) << s.chyba.toStdString();
        EXPECT_TRUE(s.chyba.contains(QDir::toNativeSeparators(mista_.osobniSlozka))) << s.chyba.toStdString();
    }
}

TEST(ZapisDoSlozky, OnlyAnExistingFolderCanBeWritten) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    zapis(dir.filePath(QStringLiteral("soubor")), "x");
    EXPECT_TRUE(LzeZapisovat(dir.path()));
    EXPECT_FALSE(LzeZapisovat(dir.filePath(QStringLiteral("soubor"))));
    EXPECT_FALSE(LzeZapisovat(dir.filePath(QStringLiteral("chybi"))));
}

}  // namespace
}  // namespace zorvet
