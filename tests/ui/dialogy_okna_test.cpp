// The windowed dialogs: the program's filters in Qt's form, the real file dialog (filters,
// the selected pattern, overwrite confirmation, cancel, working directory), message
// boxes, the question, the input box and the busy pointer.
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
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

    void messageBoxes_data() {
        QTest::addColumn<int>("ikona");
        QTest::addColumn<int>("qtIkona");
        QTest::newRow("information") << int(Ikona::Informace) << int(QMessageBox::Information);
        QTest::newRow("exclamation") << int(Ikona::Vykricnik) << int(QMessageBox::Warning);
        QTest::newRow("question") << int(Ikona::Otaznik) << int(QMessageBox::Question);
    }
    void messageBoxes() {
        QFETCH(int, ikona);
        QFETCH(int, qtIkona);
        Stav stav;
        DialogyQt dialogy(stav);
        HlidacModalu hlidac;
        int videno = -1;
        QString titulek;
        QString text;
        hlidac.ocekavej([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box != nullptr);
            videno = box->icon();
            titulek = box->windowTitle();
            text = box->text();
            box->button(QMessageBox::Ok)->click();
        });
        dialogy.zprava(static_cast<Ikona>(ikona), QStringLiteral("Evaluation Error"),
                       QStringLiteral("Within evaluation array overload.\r\nSet bigger iteration step in the setting."));
        QCOMPARE(videno, qtIkona);
        QCOMPARE(titulek, QStringLiteral("Evaluation Error"));
        QCOMPARE(text,
                 QStringLiteral("Within evaluation array overload.\nSet bigger iteration step in the setting."));
    }

    void questionAndInputBox_data() {
        QTest::addColumn<bool>("ano");
        QTest::newRow("Yes, then a text") << true;
        QTest::newRow("No, then cancel") << false;
    }
    void questionAndInputBox() {
        QFETCH(bool, ano);
        Stav stav;
        DialogyQt dialogy(stav);
        HlidacModalu hlidac;
        hlidac.ocekavej([&](QWidget* w) {
            auto* box = qobject_cast<QMessageBox*>(w);
            QVERIFY(box != nullptr);
            QCOMPARE(box->icon(), QMessageBox::Question);
            box->button(ano ? QMessageBox::Yes : QMessageBox::No)->click();
        });
        QCOMPARE(dialogy.otazka(QStringLiteral("Zorvet"), QStringLiteral("Write Comment ?")), ano);
        QString vyzva;
        hlidac.ocekavej([&](QWidget* w) {
            auto* box = qobject_cast<QInputDialog*>(w);
            QVERIFY(box != nullptr);
            vyzva = box->labelText();
            QCOMPARE(box->textValue(), QStringLiteral("old"));
            box->setTextValue(QStringLiteral("new comment"));
            ano ? box->accept() : box->reject();
        });
        const std::optional<QString> text =
            dialogy.vstup(QStringLiteral("Write text"), QStringLiteral("Comment"), QStringLiteral("old"));
        QCOMPARE(vyzva, QStringLiteral("Write text"));
        QCOMPARE(text.has_value(), ano);
        if (ano) {
            QCOMPARE(*text, QStringLiteral("new comment"));
        }
        QVERIFY(hlidac.cizi.isEmpty());
    }

    void busyPointerIsBalanced() {
        Stav stav;
        DialogyQt dialogy(stav);
        dialogy.kurzorCekani();
        QVERIFY(QApplication::overrideCursor() != nullptr);
        QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
        dialogy.kurzorNormalni();
        QVERIFY(QApplication::overrideCursor() == nullptr);
    }
};

ZORVET_TEST_MAIN(DialogyOknaTest)
#include "dialogy_okna_test.moc"
