// The table view's selection copied for a spreadsheet, and the table saved as CSV from its
// context menu.
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFile>
#include <QLocale>
#include <QMenu>
#include <QTableView>

#include "files/nastaveni.h"
#include "files/retezce.h"
#include "files/tabulka_csv.h"
#include "okna_pomoc.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

struct Pohled : Sezeni {
    QTableView* grid = prvek<QTableView>("grdTabulka");

    QAction* akce(const char* jmeno) const { return grid->findChild<QAction*>(QString::fromLatin1(jmeno)); }
    // A click on a cell, with Shift to extend the selection to it.
    void klik(int radek, int sloupec, Qt::KeyboardModifiers s = Qt::NoModifier) {
        const QModelIndex i = grid->model()->index(radek, sloupec);
        grid->scrollTo(i);
        QTest::mouseClick(grid->viewport(), Qt::LeftButton, s, grid->visualRect(i).center());
    }
};

QByteArray obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

}  // namespace

class TabulkaExportTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        UlozJazyk(kAnglicky);
        QGuiApplication::clipboard()->clear();
    }
    void cleanup() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    // Rows of the artificial result: time 10 s a step, charge 20 + 0.5 per step, furnace 1000.
    void copiedForASpreadsheet_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<QPoint>("od");    // (column, row) clicked
        QTest::addColumn<QPoint>("do_");   // shift-clicked; (-1, -1) none
        QTest::addColumn<bool>("vse");     // Ctrl+A instead of clicks
        QTest::addColumn<QString>("text");
        QTest::newRow("one cell")
            << "en_US" << 0 << false << QPoint(1, 3) << QPoint(-1, -1) << false
            << "Time [s]\tCharge Temperature [°C]\n30\t21.5\n";
        QTest::newRow("one cell, decimal comma, Czech")
            << "cs_CZ" << 200 << false << QPoint(1, 3) << QPoint(-1, -1) << false
            << "Čas [s]\tTeplota vzorku [°C]\n30\t21,5\n";
        QTest::newRow("a range of the furnace column")
            << "en_US" << 0 << true << QPoint(2, 1) << QPoint(2, 3) << false
            << "Time [s]\tFurnace Temperature [°C]\n10\t1000\n20\t1000\n30\t1000\n";
        QTest::newRow("a block of both temperatures, upwards, comma")
            << "cs_CZ" << 0 << true << QPoint(2, 5) << QPoint(1, 4) << false
            << "Time [s]\tCharge Temperature [°C]\tFurnace Temperature [°C]\n40\t22\t1000\n50\t22,5\t1000\n";
        QTest::newRow("everything, Czech")
            << "en_US" << 200 << true << QPoint() << QPoint(-1, -1) << true
            << "Čas [s]\tTeplota vzorku [°C]\tTeplota pece [°C]\n0\t20\t1000\n10\t20.5\t1000\n20\t21\t1000\n"
               "30\t21.5\t1000\n40\t22\t1000\n50\t22.5\t1000\n";
    }
    void copiedForASpreadsheet() {
        QFETCH(QString, lokal);
        QFETCH(int, jazyk);
        QFETCH(bool, rizeny);
        QFETCH(QPoint, od);
        QFETCH(QPoint, do_);
        QFETCH(bool, vse);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(lokal));
        Pohled p;
        p.stav->Jazyk = static_cast<std::int16_t>(jazyk);
        UmelyVysledek(*p.stav, rizeny, 5);
        p.okno.ZobrazTabulku();
        if (vse) {
            p.grid->setFocus();
            QTest::keyClick(p.grid, Qt::Key_A, Qt::ControlModifier);
        } else {
            p.klik(od.y(), od.x());
            if (do_.x() >= 0) {
                p.klik(do_.y(), do_.x(), Qt::ShiftModifier);
            }
        }
        QVERIFY(p.grid->hasFocus());
        QTest::keyClick(p.grid, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), text);
        QVERIFY(p.hlidac.cizi.isEmpty());
    }

    // The context menu opened from the keyboard, its accelerator, and the file it writes:
    // the CSV of the batch "table" command, whatever the locale and language.
    void savedAsCsvFromTheContextMenu_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<QString>("jmeno");   // empty: the dialog is cancelled
        QTest::addColumn<QByteArray>("csv");  // empty: no file
        QTest::newRow("uncontrolled") << "en_US" << 0 << false << "t.csv"
                                      << QByteArray("time_s,charge_C\n0,20\n10,20.5\n20,21\n");
        QTest::newRow("controlled, Czech, comma locale")
            << "cs_CZ" << 200 << true << "t.csv"
            << QByteArray("time_s,charge_C,furnace_C\n0,20,1000\n10,20.5,1000\n20,21,1000\n");
        QTest::newRow("cancelled") << "en_US" << 0 << false << QString() << QByteArray();
        QTest::newRow("missing folder, Czech") << "cs_CZ" << 200 << false << "none/t.csv" << QByteArray();
    }
    void savedAsCsvFromTheContextMenu() {
        QFETCH(QString, lokal);
        QFETCH(int, jazyk);
        QFETCH(bool, rizeny);
        QFETCH(QString, jmeno);
        QFETCH(QByteArray, csv);
        QLocale::setDefault(QLocale(lokal));
        const auto j = static_cast<std::int16_t>(jazyk);
        QTemporaryDir dir;
        const QString cesta = dir.filePath(jmeno);
        Pohled p;
        p.stav->Jazyk = j;
        UmelyVysledek(*p.stav, rizeny, 2);
        p.dialogy.d.souboryUlozit.append(jmeno.isEmpty() ? std::nullopt : std::optional<QString>(cesta));
        p.okno.ZobrazTabulku();
        p.grid->setFocus();

        // The menu key opens the menu; the first letter of "&Save as CSV..." / "&Uložit
        // jako CSV..." picks the item. A menu that stays open is closed, and fails the test.
        QStringList polozky;
        QTimer::singleShot(100, [&] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (QAction* a : menu->actions()) {
                    polozky.append(a->text());
                }
                QTest::keyClick(menu, j == kAnglicky ? Qt::Key_S : Qt::Key_U);
            }
        });
        QTimer::singleShot(3000, [] {
            if (QWidget* w = QApplication::activePopupWidget()) {
                w->close();
            }
        });
        // What the desktop's platform makes of the menu key: a keyboard context menu
        // event for the widget with the focus.
        const QPoint stred = p.grid->rect().center();
        QContextMenuEvent klavesou(QContextMenuEvent::Keyboard, stred, p.grid->mapToGlobal(stred));
        QCoreApplication::sendEvent(p.grid, &klavesou);
        QCOMPARE(polozky, (QStringList{Text(193, j), Text(194, j)}));
        QTRY_COMPARE(p.dialogy.vystupu, 1);
        QCOMPARE(p.dialogy.d.filtry, QStringList{Text(195, j)});
        if (!csv.isEmpty()) {
            QCOMPARE(obsah(cesta), csv);
            QCOMPARE(QString::fromUtf8(csv), TabulkaCsv(*p.stav));
            QVERIFY(p.dialogy.d.zpravy.isEmpty());
        } else if (!jmeno.isEmpty()) {
            QVERIFY(!QFile::exists(cesta));
            QCOMPARE(p.dialogy.d.zpravy.size(), 1);
            QCOMPARE(p.dialogy.d.zpravy.first().titulek, Text(98, j));
            QVERIFY(p.dialogy.d.zpravy.first().text.startsWith(cesta + QLatin1Char('\n') + Text(196, j) + QLatin1Char('\n')));
        } else {
            QVERIFY(p.dialogy.d.zpravy.isEmpty());
        }
        QCOMPARE(p.dialogy.d.cekani, 0);
        QVERIFY(p.hlidac.cizi.isEmpty());
    }

    // Copying and saving belong to the table view: with the chart shown they do nothing.
    void onlyWhileTheTableIsShown() {
        Pohled p;
        UmelyVysledek(*p.stav, false, 3);
        p.okno.ZobrazGraf();
        p.okno.KopirujVyber();
        p.okno.UlozTabulkuCsv();
        QVERIFY(QGuiApplication::clipboard()->text().isEmpty());
        QCOMPARE(p.dialogy.vystupu, 0);
    }
};

ZORVET_TEST_MAIN(TabulkaExportTest)
#include "tabulka_export_test.moc"
