// The program's filters in Qt's form, and the real file dialog: filters, the selected
// pattern, overwrite confirmation, cancel and the working directory.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include "okna_pomoc.h"
#include "ui/dialogy_okna.h"

using namespace zorvet;
using namespace zorvet::test;

class DialogyOknaTest : public QObject {
    Q_OBJECT
private slots:
    void filtersInQtForm_data() {
        QTest::addColumn<QString>("filtr");
        QTest::addColumn<QStringList>("qt");
        QTest::addColumn<QStringList>("popisy");  // what the dialog shows
        QTest::newRow("results, English")
            << "All (*.*) |*.*|Results (*.odp) |*.odp" << QStringList{"All (*.*) (*)", "Results (*.odp) (*.odp)"}
            << QStringList{"All (*.*)", "Results (*.odp)"};
        QTest::newRow("results, Czech")
            << "Všechny (*.*) |*.*|Vysledky ohřevu (*.odp) |*.odp"
            << QStringList{"Všechny (*.*) (*)", "Vysledky ohřevu (*.odp) (*.odp)"}
            << QStringList{"Všechny (*.*)", "Vysledky ohřevu (*.odp)"};
        QTest::newRow("problems, two patterns") << "Config File (*.cfg) |*.cfg;*.CFG"
                                                << QStringList{"Config File (*.cfg) (*.cfg *.CFG)"}
                                                << QStringList{"Config File (*.cfg)"};
        QTest::newRow("a description without its pattern is dropped") << "All |*.*|Lone" << QStringList{"All (*)"}
                                                                       << QStringList{"All"};
    }
    void filtersInQtForm() {
        QFETCH(QString, filtr);
        QFETCH(QStringList, qt);
        QFETCH(QStringList, popisy);
        const QStringList vysledek = FiltryQt(filtr);
        QCOMPARE(vysledek, qt);
        QStringList videt;
        for (const QString& f : vysledek) {
            videt.append(PopisFiltru(f));
        }
        QCOMPARE(videt, popisy);
    }

    void fileDialog_data() {
        QTest::addColumn<bool>("ulozit");
        QTest::addColumn<bool>("existuje");
        QTest::addColumn<bool>("zrusit");
        QTest::newRow("open") << false << true << false;
        QTest::newRow("open, cancelled") << false << true << true;
        QTest::newRow("save a new file") << true << false << false;
        QTest::newRow("save over a file, confirmed") << true << true << false;
        QTest::newRow("save, cancelled") << true << false << true;
    }
    void fileDialog() {
        QFETCH(bool, ulozit);
        QFETCH(bool, existuje);
        QFETCH(bool, zrusit);
        QTemporaryDir start;
        QTemporaryDir cil;
        QVERIFY(QDir::setCurrent(start.path()));
        const QString soubor = QDir(cil.path()).filePath(QStringLiteral("ohrev.odp"));
        if (existuje) {
            QFile f(soubor);
            QVERIFY(f.open(QIODevice::WriteOnly));
        }
        Stav stav;
        DialogyQt dialogy(stav);
        HlidacModalu hlidac;
        QStringList filtry;
        QString vybrany;
        QString slozka;
        bool ptaSe = false;
        bool skryvaVzory = false;
        hlidac.ocekavej([&](QWidget* w) {
            auto* d = qobject_cast<QFileDialog*>(w);
            QVERIFY(d != nullptr);
            QCOMPARE(d->objectName(), QStringLiteral("CMDialog1"));
            filtry = d->nameFilters();
            vybrany = d->selectedNameFilter();
            slozka = d->directory().absolutePath();
            ptaSe = !d->testOption(QFileDialog::DontConfirmOverwrite);
            skryvaVzory = d->testOption(QFileDialog::HideNameFilterDetails);
            if (zrusit) {
                d->reject();
                return;
            }
            // The user goes to the folder and types the name.
            d->setDirectory(cil.path());
            auto* jmeno = d->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
            QVERIFY(jmeno != nullptr);
            jmeno->setText(QStringLiteral("ohrev.odp"));
            static_cast<QDialog*>(d)->accept();  // as the Open or Save button does
        });
        if (ulozit && existuje && !zrusit) {
            // The replace question comes up; Yes.
            hlidac.ocekavej([](QWidget* w) {
                auto* box = qobject_cast<QMessageBox*>(w);
                QVERIFY(box != nullptr);
                box->button(QMessageBox::Yes)->click();
            });
        }
        const QString filtr = QStringLiteral("All (*.*) |*.*|Results (*.odp) |*.odp");
        const std::optional<QString> cesta = ulozit ? dialogy.ulozitSoubor(filtr, 2) : dialogy.otevritSoubor(filtr, 2);
        QCOMPARE(hlidac.zbyva(), 0);
        QVERIFY(hlidac.cizi.isEmpty());
        QCOMPARE(filtry, FiltryQt(filtr));
        // The program's own pattern is the one selected (Qt names it by what it shows).
        QCOMPARE(vybrany, PopisFiltru(filtry.value(1)));
        QCOMPARE(slozka, QDir(start.path()).absolutePath());
        QVERIFY(skryvaVzory);
        if (ulozit) {
            QVERIFY(ptaSe);
        }
        if (zrusit) {
            QVERIFY(!cesta.has_value());
            QCOMPARE(QDir::currentPath(), QDir(start.path()).absolutePath());
        } else {
            QCOMPARE(cesta.value_or(QString()), soubor);
            QCOMPARE(QDir::currentPath(), QDir(cil.path()).absolutePath());
        }
        QDir::setCurrent(QDir::tempPath());
    }
};

ZORVET_TEST_MAIN(DialogyOknaTest)
#include "dialogy_okna_test.moc"
