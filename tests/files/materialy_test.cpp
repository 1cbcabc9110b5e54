#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <memory>

#include "files/materialy.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "support/skriptovane_dialogy.h"

namespace zorvet {
namespace {

using test::SkriptovaneDialogy;

const QString kLst = QStringLiteral("Material.lst");

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

void zapis(const QString& cesta, const QByteArray& bajty) {
    QFile f(cesta);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bajty);
}

// Material.lst and the emissivity files are looked up in the working directory: each test
// works in a fresh one, under the point or the comma locale.
class Databaze : public ::testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        QLocale::setDefault(QLocale(QString::fromLatin1(GetParam())));
        puvodni_ = QDir::currentPath();
        ASSERT_TRUE(QDir::setCurrent(dir_.path()));
        stav_ = std::make_unique<Stav>();
    }
    void TearDown() override {
        QDir::setCurrent(puvodni_);
        QLocale::setDefault(QLocale::c());
    }
    void tri() {
        QFile::copy(QStringLiteral(ZORVET_TEST_DATA "/three_materials.lst"), kLst);
        QFile(kLst).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
        NactiMaterialy(*stav_);
    }
    // A number as the user types it in the dialog's fields.
    static QString pole(double x) { return QLocale().toString(x, 'g', 7); }

    QTemporaryDir dir_;
    QString puvodni_;
    std::unique_ptr<Stav> stav_;
    SkriptovaneDialogy d_;
};

TEST_P(Databaze, ReadsTheMaterialsInFileOrder) {
    tri();
    EXPECT_EQ(stav_->PocetMaterialu, 2);
    EXPECT_EQ(PocetZaznamu(*stav_), 3);
    EXPECT_EQ(stav_->Materialy[0].Nazev, "Konstrukční ocel S235");
    EXPECT_EQ(stav_->Materialy[0].c, 460.0f);
    EXPECT_EQ(stav_->Materialy[1].Nazev, "Měď");
    EXPECT_EQ(stav_->Materialy[1].c, 385.5f);  // written under a comma locale
    EXPECT_EQ(stav_->Materialy[1].Gama, 8960.0f);
    EXPECT_EQ(stav_->Materialy[2].Nazev, "Mosaz, CuZn37");
    EXPECT_EQ(stav_->Materialy[2].Gama, 8440.25f);
    EXPECT_TRUE(stav_->Materialy[3].Nazev.empty());
}

TEST_P(Databaze, ANewNameAppendsTwoLines) {
    tri();
    const QByteArray pred = obsah(kLst);
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Nerez 304"), pole(452.5), pole(7900)), UlozeniMaterialu::Pridan);
    EXPECT_TRUE(d_.otazky.isEmpty());
    ASSERT_EQ(d_.zpravy.size(), 1);
    EXPECT_EQ(d_.zpravy[0].ikona, Ikona::Informace);
    EXPECT_EQ(d_.zpravy[0].titulek, QStringLiteral("Database Completed"));
    EXPECT_EQ(d_.zpravy[0].text, QStringLiteral("Into the database have been included Nerez 304"));
    EXPECT_EQ(stav_->PocetMaterialu, 3);
    const QByteArray po = obsah(kLst);
    EXPECT_TRUE(po.startsWith(pred));
    const QByteArray carka = QLocale().decimalPoint() == QLatin1String(",") ? " 452,5  7900 " : " 452.5  7900 ";
    EXPECT_EQ(po.mid(pred.size()), "Nerez 304\r\n" + carka + "\r\n");
    auto znovu = std::make_unique<Stav>();
    NactiMaterialy(*znovu);
    EXPECT_EQ(znovu->PocetMaterialu, 3);
    EXPECT_EQ(znovu->Materialy[3].c, 452.5f);
    EXPECT_EQ(znovu->Materialy[2].Nazev, "Mosaz, CuZn37");
}

TEST_P(Databaze, AnExistingNameAsksAndYesRewritesInPlace) {
    tri();
    d_.odpovedi = {true};
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Měď"), pole(390), pole(8930.5)), UlozeniMaterialu::Prepsan);
    ASSERT_EQ(d_.otazky.size(), 1);
    EXPECT_EQ(d_.otazky[0].titulek, QStringLiteral("Question"));
    EXPECT_EQ(d_.otazky[0].text, QStringLiteral("MaterialMěďAlready Exist\r\nOverwrite values in the database ?"));
    ASSERT_EQ(d_.zpravy.size(), 1);
    EXPECT_EQ(d_.zpravy[0].titulek, QStringLiteral("Database Overwriting"));
    EXPECT_EQ(d_.zpravy[0].text, QStringLiteral("Material have been overwrited successful."));
    auto znovu = std::make_unique<Stav>();
    NactiMaterialy(*znovu);
    EXPECT_EQ(znovu->PocetMaterialu, 2);
    EXPECT_EQ(znovu->Materialy[1].Nazev, "Měď");
    EXPECT_EQ(znovu->Materialy[1].c, 390.0f);
    EXPECT_EQ(znovu->Materialy[1].Gama, 8930.5f);
    EXPECT_EQ(znovu->Materialy[2].Nazev, "Mosaz, CuZn37");
    EXPECT_EQ(obsah(kLst).count("\r\n"), 6);
}

TEST_P(Databaze, NoLeavesFileAndTableUnchanged) {
    tri();
    const QByteArray pred = obsah(kLst);
    d_.odpovedi = {false};
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Měď"), pole(1), pole(2)), UlozeniMaterialu::Odmitnuto);
    EXPECT_EQ(obsah(kLst), pred);
    EXPECT_EQ(stav_->Materialy[1].c, 385.5f);
    EXPECT_TRUE(d_.zpravy.isEmpty());
}

TEST_P(Databaze, ANameThatDiffersInCaseIsNew) {
    tri();
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("měď"), pole(1), pole(2)), UlozeniMaterialu::Pridan);
    EXPECT_TRUE(d_.otazky.isEmpty());
    EXPECT_EQ(stav_->PocetMaterialu, 3);
}

TEST_P(Databaze, TheFirstMaterialCreatesTheFile) {
    for (const QByteArray& pred : {QByteArray(), QByteArray("")}) {
        QFile::remove(kLst);
        if (!pred.isNull()) {
            zapis(kLst, pred);  // an existing but empty file
        }
        NactiMaterialy(*stav_);
        EXPECT_EQ(PocetZaznamu(*stav_), 0);
        EXPECT_EQ(stav_->PocetMaterialu, 0);
        EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Steel"), pole(460), pole(7850)), UlozeniMaterialu::Pridan);
        EXPECT_EQ(stav_->PocetMaterialu, 0);
        EXPECT_EQ(PocetZaznamu(*stav_), 1);
        EXPECT_EQ(obsah(kLst), QByteArray("Steel\r\n 460  7850 \r\n"));
    }
}

TEST_P(Databaze, ATextThatIsNoNumberKeepsTheValue) {
    tri();
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Unknown"), QStringLiteral("abc"), pole(1000)),
              UlozeniMaterialu::Pridan);
    EXPECT_EQ(stav_->Materialy[3].c, 0.0f);
    EXPECT_EQ(stav_->Materialy[3].Gama, 1000.0f);
    d_.odpovedi = {true};
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Měď"), pole(400), QStringLiteral("")), UlozeniMaterialu::Prepsan);
    EXPECT_EQ(stav_->Materialy[1].c, 400.0f);
    EXPECT_EQ(stav_->Materialy[1].Gama, 8960.0f);
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("  "), pole(1), pole(1)), UlozeniMaterialu::Odmitnuto);
}

TEST_P(Databaze, NamesWithACommaOrLeadingBlanksReadBack) {
    for (const char* jmeno : {"Steel, hardened", "  Indented", "\"Quoted\", odd"}) {
        ASSERT_EQ(UlozMaterial(*stav_, d_, QString::fromUtf8(jmeno), pole(460), pole(7850)), UlozeniMaterialu::Pridan);
    }
    auto znovu = std::make_unique<Stav>();
    NactiMaterialy(*znovu);
    ASSERT_EQ(PocetZaznamu(*znovu), 3);
    EXPECT_EQ(znovu->Materialy[0].Nazev, "Steel, hardened");
    EXPECT_EQ(znovu->Materialy[1].Nazev, "  Indented");
    EXPECT_EQ(znovu->Materialy[2].Nazev, stav_->Materialy[2].Nazev);  // the table holds what the file holds
    EXPECT_EQ(znovu->Materialy[2].Gama, 7850.0f);
}

TEST_P(Databaze, AddingKeepsWhatTheFileHeld) {
    // Edited elsewhere: UTF-8, LF line ends, blank lines between records, a record without its
    // numbers, no final line break.
    zapis(kLst, QStringLiteral("Měď\n 385  8960 \n\nBroken\nMosaz\n 377  8440\nNo numbers").toUtf8());
    NactiMaterialy(*stav_);
    ASSERT_EQ(PocetZaznamu(*stav_), 2);
    ASSERT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Hliník"), pole(897), pole(2700)), UlozeniMaterialu::Pridan);
    auto znovu = std::make_unique<Stav>();
    NactiMaterialy(*znovu);
    ASSERT_EQ(PocetZaznamu(*znovu), 3);
    EXPECT_EQ(znovu->Materialy[0].Nazev, "Měď");
    EXPECT_EQ(znovu->Materialy[1].Gama, 8440.0f);
    EXPECT_EQ(znovu->Materialy[2].Nazev, "Hliník");
}

TEST_P(Databaze, AtMost51MaterialsAndNothingLost) {
    QByteArray text;
    for (int i = 0; i < 53; ++i) {
        text += "M" + QByteArray::number(i) + "\r\n " + QByteArray::number(100 + i) + "  7850 \r\n";
    }
    zapis(kLst, text);
    NactiMaterialy(*stav_);
    EXPECT_EQ(stav_->PocetMaterialu, 50);
    EXPECT_EQ(stav_->Materialy[50].Nazev, "M50");
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("New"), pole(1), pole(1)), UlozeniMaterialu::Odmitnuto);
    ASSERT_EQ(d_.zpravy.size(), 1);
    EXPECT_EQ(d_.zpravy[0].text, Text(retezec::kDatabazePlna, kAnglicky));
    EXPECT_EQ(obsah(kLst), text);
    // Overwriting rewrites the table and keeps the records the table has no room for.
    d_.odpovedi = {true};
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("M0"), pole(111), pole(7000)), UlozeniMaterialu::Prepsan);
    const QByteArray po = obsah(kLst);
    EXPECT_TRUE(po.startsWith("M0\r\n 111  7000 \r\nM1\r\n"));
    EXPECT_TRUE(po.endsWith("M51\r\n 151  7850 \r\nM52\r\n 152  7850 \r\n"));
}

TEST_P(Databaze, AFileThatCannotBeWrittenIsReported) {
    tri();
    QFile::remove(kLst);
    ASSERT_TRUE(QDir().mkdir(kLst));  // a folder where the file should be
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Steel"), pole(460), pole(7850)), UlozeniMaterialu::Chyba);
    ASSERT_EQ(d_.zpravy.size(), 1);
    EXPECT_EQ(d_.zpravy[0].titulek, QStringLiteral("File Error"));
    EXPECT_EQ(stav_->PocetMaterialu, 2);
    EXPECT_TRUE(stav_->Materialy[3].Nazev.empty());
    d_.odpovedi = {true};
    EXPECT_EQ(UlozMaterial(*stav_, d_, QStringLiteral("Měď"), pole(1), pole(1)), UlozeniMaterialu::Chyba);
    EXPECT_EQ(stav_->Materialy[1].c, 385.5f);
}

TEST_P(Databaze, ReadingAgainEmptiesTheTableWhenTheFileIsGone) {
    tri();
    QFile::remove(kLst);
    NactiMaterialy(*stav_);
    EXPECT_EQ(PocetZaznamu(*stav_), 0);
    EXPECT_TRUE(stav_->Materialy[1].Nazev.empty());
}

TEST_P(Databaze, EmissivityTableOfTheLanguage) {
    zapis(QStringLiteral("Eps.eng"), "Steel, oxidised\r\n0.79\r\nCopper, polished\r\n0.02 - 0.05\r\n");
    zapis(QStringLiteral("Eps.cz"), *DoWindows1250(QStringLiteral("Ocel zoxidovaná\r\n0,79\r\nMěď\r\n0,78\r\nLichý")));
    NactiMaterialy(*stav_);
    EXPECT_EQ(stav_->TabulkaEps, "Steel, oxidised - 0.79  Copper, polished - 0.02 - 0.05  ");
    stav_->Jazyk = kCesky;
    NactiMaterialy(*stav_);
    EXPECT_EQ(stav_->TabulkaEps, "Ocel zoxidovaná - 0,79  Měď - 0,78  Lichý  ");
    QFile::remove(QStringLiteral("Eps.cz"));
    NactiMaterialy(*stav_);
    EXPECT_EQ(stav_->TabulkaEps, "Ocel zoxidovaná - 0,79  Měď - 0,78  Lichý  ");  // kept when the file is gone
}

// The files that lie beside the program.
TEST_P(Databaze, ShippedFilesRead) {
    const QString beside = QStringLiteral(ZORVET_TEST_DATA "/../../../resources/beside/");
    for (const QString& jmeno : {kLst, QStringLiteral("Eps.eng"), QStringLiteral("Eps.cz")}) {
        ASSERT_TRUE(QFile::copy(beside + jmeno, jmeno)) << jmeno.toStdString();
    }
    const QByteArray lst = obsah(kLst);
    EXPECT_EQ(lst.count("\r\n"), lst.count("\n"));
    NactiMaterialy(*stav_);
    EXPECT_GE(PocetZaznamu(*stav_), 10);
    for (int i = 0; i < PocetZaznamu(*stav_); ++i) {
        EXPECT_GT(stav_->Materialy[i].c, 300.0f) << i;
        EXPECT_GT(stav_->Materialy[i].Gama, 2000.0f) << i;
    }
    EXPECT_FALSE(stav_->TabulkaEps.empty());
    stav_->Jazyk = kCesky;
    NactiMaterialy(*stav_);
    EXPECT_NE(QString::fromStdString(stav_->TabulkaEps).indexOf(QStringLiteral("Ocel")), -1);
}

INSTANTIATE_TEST_SUITE_P(Lokaly, Databaze, ::testing::Values("en_US", "cs_CZ"));

}  // namespace
}  // namespace zorvet
