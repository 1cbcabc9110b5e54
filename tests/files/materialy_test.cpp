// The material database of the data folder, and the choice of that folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>
#include <map>

#include "files/datova_slozka.h"
#include "files/materialy.h"
#include "files/windows1250.h"
#include "model/case/nastaveni.h"
#include "support/lokal.h"

namespace zorvet {
namespace {

using test::Lokal;

class Databaze : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir_.isValid()); }
    QString cesta(const char* jmeno = "Material.lst") const { return dir_.filePath(QString::fromLatin1(jmeno)); }
    void zapis(const QByteArray& bajty, const char* jmeno = "Material.lst") const {
        QFile f(cesta(jmeno));
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bajty);
    }
    QByteArray obsah(const char* jmeno = "Material.lst") const {
        QFile f(cesta(jmeno));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
    UlozeniMaterialu uloz(const char* nazev, float c, float gama, bool prepsat) {
        chyba_ = {};
        return UlozMaterial(dir_.path(), Material{nazev, c, gama}, prepsat, &chyba_);
    }
    QTemporaryDir dir_;
    Chyba chyba_;
};

TEST_F(Databaze, ReadsRecordsInFileOrderWithEitherSeparatorAndTheEmissivityTable) {
    QFile::copy(QStringLiteral(ZORVET_TEST_DATA "/three_materials.lst"), cesta());
    zapis(*toWindows1250(QStringLiteral("Ocel\r\n0,8\r\nMěď\r\n,05")), "Eps.cz");
    const DatabazeMaterialu db = NactiMaterialy(dir_.path(), Jazyk::Cesky);
    ASSERT_EQ(db.Materialy.size(), 3u);
    EXPECT_EQ(db.Materialy[0], (Material{"Konstrukční ocel S235", 460.0f, 7850.0f}));
    EXPECT_EQ(db.Materialy[1], (Material{"Měď", 385.5f, 8960.0f}));
    EXPECT_EQ(db.Materialy[2], (Material{"Mosaz, CuZn37", 377.0f, 8440.25f}));
    EXPECT_EQ(db.najdi("Měď"), 1);
    EXPECT_EQ(db.najdi("měď"), -1);
    EXPECT_EQ(db.TabulkaEps, "Ocel - 0,8  Měď - ,05  ");
    EXPECT_TRUE(NactiMaterialy(dir_.path(), Jazyk::Anglicky).TabulkaEps.empty());
    EXPECT_FALSE(db.Orezany);
    // A last record without its line end may have lost digits: it is offered, and told.
    zapis("Ocel\r\n 460  7850 \r\nHlinik\r\n 500  78");
    EXPECT_EQ(NactiMaterialy(dir_.path(), Jazyk::Anglicky).Orezany, (Material{"Hlinik", 500.0f, 78.0f}));
}

// A damaged record hides none after it; no more than 51 are taken.
TEST_F(Databaze, DamagedRecordsAreSkippedAndTheTableHolds51) {
    QByteArray text = "Bez cisel\r\n\r\n,\r\n 1  2 \r\nDobra\r\n 460  7850 \r\n\"Neuzavrena\r\n 1 2\r\n";
    for (int i = 0; i < 60; ++i) {
        text += "M" + QByteArray::number(i) + "\r\n 1  2 \r\n";
    }
    zapis(text);
    const DatabazeMaterialu db = NactiMaterialy(dir_.path(), Jazyk::Anglicky);
    ASSERT_EQ(db.Materialy.size(), 51u);
    EXPECT_EQ(db.Materialy[0].Nazev, "Dobra");
    EXPECT_EQ(db.Materialy[1].Nazev, "Neuzavrena");
    EXPECT_EQ(db.Materialy[50].Nazev, "M48");
    EXPECT_TRUE(NactiMaterialy(dir_.filePath(QStringLiteral("nic")), Jazyk::Anglicky).Materialy.empty());
}

// Saving touches that one record: the rest of the file stays byte for byte, also what was
// written into it by someone else since it was read.
TEST_F(Databaze, AddsOrReplacesOnlyThatRecord) {
    const Lokal l("cs_CZ");
    const QByteArray puvodni = "Ocel\r\n 460  7850 \r\n# cizi radek\r\nMed\r\n 385  8960 \r\nMosaz\r\n 377  8440";
    zapis(puvodni);
    EXPECT_EQ(uloz("Med", 390.5f, 8900.0f, false), UlozeniMaterialu::Existuje);
    EXPECT_EQ(obsah(), puvodni);
    EXPECT_EQ(uloz("Med", 390.5f, 8900.0f, true), UlozeniMaterialu::Prepsan);
    EXPECT_EQ(obsah(), QByteArray("Ocel\r\n 460  7850 \r\n# cizi radek\r\nMed\r\n 390,5  8900 \r\nMosaz\r\n 377  8440"));
    EXPECT_EQ(uloz("med", 1.0f, 2.0f, false), UlozeniMaterialu::Pridan);
    EXPECT_EQ(uloz("Bronz, Cu", 0.25f, 8800.0f, true), UlozeniMaterialu::Pridan);
    EXPECT_TRUE(obsah().endsWith("Mosaz\r\n 377  8440\r\nmed\r\n 1  2 \r\n\"Bronz, Cu\"\r\n ,25  8800 \r\n"));
    const DatabazeMaterialu db = NactiMaterialy(dir_.path(), Jazyk::Cesky);
    ASSERT_EQ(db.Materialy.size(), 5u);  // the foreign line is a name without numbers: no record
    EXPECT_EQ(db.Materialy[4], (Material{"Bronz, Cu", 0.25f, 8800.0f}));
}

TEST_F(Databaze, NewFileFullTableAndFailures) {
    EXPECT_EQ(uloz("Prvni", 460.0f, 7850.0f, false), UlozeniMaterialu::Pridan);
    EXPECT_EQ(obsah(), QByteArray("Prvni\r\n 460  7850 \r\n"));
    QByteArray plny;
    for (int i = 0; i < 51; ++i) {
        plny += "M" + QByteArray::number(i) + "\r\n 1  2 \r\n";
    }
    zapis(plny);
    EXPECT_EQ(uloz("Dalsi", 1.0f, 2.0f, false), UlozeniMaterialu::Plna);
    EXPECT_EQ(uloz("M50", 3.0f, 4.0f, true), UlozeniMaterialu::Prepsan);
    EXPECT_EQ(obsah().size(), plny.size());
    EXPECT_EQ(UlozMaterial(QStringLiteral("/dev/null/nic"), Material{"X", 1, 2}, false, &chyba_), UlozeniMaterialu::Chyba);
    EXPECT_TRUE(chyba_.text.startsWith(QStringLiteral("/dev/null/nic/Material.lst\n")));
}

// The conductivities and the user's curves live in MaterialProperties.txt beside the materials;
// the older Conductivity.lst is still read, loses to it where both name a material, and is
// never written again. Saving changes the lines of one kind in one record, nothing else.
TEST_F(Databaze, PropertiesByNameInTheCompanionFiles) {
    const QByteArray vodivosti = "Ocel\r\n 45 \r\nMed\r\n 385,5 \r\n";
    zapis(vodivosti, "Conductivity.lst");
    zapis("# vlastni\nmaterial\tMed\nlambda\t390\n\nmaterial\tLitina\npoint\t20\t460\npoint 600  7x0\n"
          "material\tMed\nlambda\t1",
          "MaterialProperties.txt");
    const DatabazeMaterialu db = NactiMaterialy(dir_.path(), Jazyk::Anglicky);
    EXPECT_EQ(db.Vodivosti, (std::map<std::string, float>{{"Ocel", 45.0f}, {"Med", 390.0f}}));
    ASSERT_EQ(db.Krivky.size(), 1u);
    const std::vector<BodVlastnosti>& body = db.Krivky.at("Litina").Body;
    ASSERT_EQ(body.size(), 2u);
    EXPECT_EQ(body[0], (BodVlastnosti{20.0f, 460.0f, 0.0f}));
    EXPECT_TRUE(std::isnan(body[1].c));  // what cannot be read is left for the curve's check to name

    const VlastnostiMaterialu litina{"Litina", {{20.0f, 460.0f, 52.0f}, {600.0f, 700.25f, 0.1f}}};
    EXPECT_EQ(UlozKrivku(dir_.path(), litina, false, &chyba_), UlozeniMaterialu::Existuje);
    EXPECT_EQ(UlozKrivku(dir_.path(), litina, true, &chyba_), UlozeniMaterialu::Prepsan);
    EXPECT_EQ(UlozKrivku(dir_.path(), {"Med", {{0.0f, 1.0f, 0.0f}, {1.0e6f, 2.0f, 0.0f}}}, false, &chyba_),
              UlozeniMaterialu::Pridan);
    EXPECT_EQ(UlozVodivost(dir_.path(), "Med", 400.0f, &chyba_), UlozeniMaterialu::Prepsan);
    EXPECT_EQ(UlozVodivost(dir_.path(), "Bronz \"B\", Cu", 50.5f, &chyba_), UlozeniMaterialu::Pridan);
    EXPECT_EQ(obsah("MaterialProperties.txt"),
              QByteArray("# vlastni\nmaterial\tMed\nlambda\t400\npoint\t0\t1\npoint\t1e+06\t2\n\n"
                         "material\tLitina\npoint\t20\t460\t52\npoint\t600\t700.25\t0.1\n"
                         "material\tMed\nlambda\t1\nmaterial\tBronz 'B', Cu\nlambda\t50.5\n"));
    EXPECT_EQ(obsah("Conductivity.lst"), vodivosti);
    EXPECT_EQ(NactiMaterialy(dir_.path(), Jazyk::Anglicky).Krivky.at("Litina"), litina);
    // A new file starts with what it holds, in a comment.
    QTemporaryDir novy;
    EXPECT_EQ(UlozVodivost(novy.path(), "Ocel", 45.0f, &chyba_), UlozeniMaterialu::Pridan);
    EXPECT_EQ(NactiMaterialy(novy.path(), Jazyk::Anglicky).Vodivosti.at("Ocel"), 45.0f);
    // A curve added to a last record without its line end starts a line of its own.
    zapis("material\tZelezo\nlambda\t80", "MaterialProperties.txt");
    EXPECT_EQ(UlozKrivku(dir_.path(), {"Zelezo", {{20.0f, 460.0f, 0.0f}, {900.0f, 500.0f, 0.0f}}}, false, &chyba_),
              UlozeniMaterialu::Pridan);
    EXPECT_EQ(obsah("MaterialProperties.txt"), QByteArray("material\tZelezo\nlambda\t80\npoint\t20\t460\npoint\t900\t500\n"));
}

struct Misto {
    const char* nazev;
    bool programZapisovatelny;
    bool programMaData;
    bool dodanaData;
    bool osobni;  // the per-user folder is chosen
};

class VolbaSlozky : public testing::TestWithParam<Misto> {};

// The program's folder when it may be written and holds the data (a build tree, a copy),
// otherwise the per-user folder, seeded with the missing files and never overwritten.
TEST_P(VolbaSlozky, ChoosesAndSeeds) {
    QTemporaryDir dir;
    const MistaDat mista{dir.filePath(QStringLiteral("bin")), dir.filePath(QStringLiteral("share")),
                         dir.filePath(QStringLiteral("osobni"))};
    const auto vytvor = [](const QString& slozka, const QByteArray& text) {
        QDir().mkpath(slozka);
        for (const QString& jmeno : DatoveSoubory()) {
            QFile f(QDir(slozka).filePath(jmeno));
            ASSERT_TRUE(f.open(QIODevice::WriteOnly));
            f.write(text + jmeno.toUtf8());
        }
    };
    QDir().mkpath(mista.slozkaProgramu);
    if (GetParam().programMaData) vytvor(mista.slozkaProgramu, "program ");
    if (GetParam().dodanaData) vytvor(mista.dodanaData, "dodana ");
    const ZkouskaZapisu zapis = [&](const QString& s) { return s != mista.slozkaProgramu || GetParam().programZapisovatelny; };
    const DatovaSlozka volba = UrciDatovouSlozku(mista, zapis, Jazyk::Anglicky);
    EXPECT_EQ(volba.osobni, GetParam().osobni);
    EXPECT_EQ(volba.cesta, GetParam().osobni ? mista.osobniSlozka : mista.slozkaProgramu);
    EXPECT_TRUE(volba.chyba.isEmpty());
    if (!GetParam().osobni) {
        EXPECT_FALSE(QFileInfo::exists(mista.osobniSlozka));
        return;
    }
    EXPECT_EQ(volba.doplneno, DatoveSoubory());
    QFile kopie(QDir(mista.osobniSlozka).filePath(QStringLiteral("Material.lst")));
    ASSERT_TRUE(kopie.open(QIODevice::ReadOnly));
    EXPECT_EQ(kopie.readAll(), QByteArray(GetParam().dodanaData ? "dodana " : "program ") + "Material.lst");
    // The user's own file survives the next start; only a missing one comes back.
    kopie.close();
    ASSERT_TRUE(kopie.open(QIODevice::WriteOnly));
    kopie.write("vlastni");
    kopie.close();
    QFile::remove(QDir(mista.osobniSlozka).filePath(QStringLiteral("Eps.cz")));
    const DatovaSlozka znovu = UrciDatovouSlozku(mista, zapis, Jazyk::Anglicky);
    EXPECT_EQ(znovu.doplneno, QStringList{QStringLiteral("Eps.cz")});
    EXPECT_TRUE(znovu.chyba.isEmpty()) << znovu.chyba.toStdString();
    ASSERT_TRUE(kopie.open(QIODevice::ReadOnly));
    EXPECT_EQ(kopie.readAll(), QByteArray("vlastni"));
}

INSTANTIATE_TEST_SUITE_P(Mista, VolbaSlozky,
                         testing::Values(Misto{"BuildTree", true, true, false, false},
                                         Misto{"WritableWithoutAnyData", true, false, false, false},
                                         Misto{"InstalledForTheUser", true, false, true, true},
                                         Misto{"InstalledReadOnly", false, false, true, true},
                                         Misto{"ReadOnlyCopy", false, true, false, true}),
                         [](const auto& p) { return std::string(p.param.nazev); });

TEST(VolbaSlozky, AFolderThatIsMissingIsNotWritable) {
    QTemporaryDir dir;
    EXPECT_TRUE(LzeZapisovat(dir.path()));
    EXPECT_FALSE(LzeZapisovat(dir.filePath(QStringLiteral("nic"))));
}

TEST(VolbaSlozky, WithoutAPerUserFolderTheShippedDataServe) {
    QTemporaryDir dir;
    QFile soubor(dir.filePath(QStringLiteral("soubor")));
    ASSERT_TRUE(soubor.open(QIODevice::WriteOnly));
    const MistaDat mista{dir.filePath(QStringLiteral("bin")), dir.path(), soubor.fileName() + QStringLiteral("/osobni")};
    QFile(dir.filePath(QStringLiteral("Material.lst"))).open(QIODevice::WriteOnly);
    const DatovaSlozka volba = UrciDatovouSlozku(mista, [](const QString&) { return false; }, Jazyk::Cesky);
    EXPECT_EQ(volba.cesta, dir.path());
    EXPECT_FALSE(volba.osobni);
    EXPECT_TRUE(volba.chyba.startsWith(QStringLiteral("Datovou složku se nepodařilo vytvořit"))) << volba.chyba.toStdString();
}

}  // namespace
}  // namespace zorvet
