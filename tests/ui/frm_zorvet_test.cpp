// The main window driven through its menus, shortcuts and buttons: the command states of a
// whole session, the views hiding the menus, the language menu and its store, the file
// commands and Exit.
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>

#include "files/nastaveni.h"
#include "files/retezce.h"
#include "okna_pomoc.h"
#include "ui/frm_uvitani.h"
#include "ui/frm_zadani.h"
#include "ui/frm_zorvet.h"
#include "ui/graf.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

// A session with the menus' states at hand.
struct Relace : Sezeni {
    QAction* menu(const char* jmeno) const {
        return okno.findChild<QMenu*>(QString::fromLatin1(jmeno))->menuAction();
    }
    bool ulozit() const { return polozka("mnuFileItem", 1)->isEnabled(); }
    bool pocitat() const { return polozka("mnuUlohaItem", 1)->isEnabled(); }
    bool vysledky() const { return menu("mnuVysledky")->isEnabled(); }
    bool menuVidet() const { return okno.menuBar()->isVisible() && menu("mnuFile")->isVisible(); }
    bool tabulka() const { return prvek<QTableView>("grdTabulka")->isVisible(); }
    bool graf() const { return prvek<Graf>("FlpGrf1")->isVisible(); }

    // Problem, Setting: the dialog takes the example problem as its OK would.
    void prevezmiUlohu(bool rizeny, bool* menuBehemDialogu = nullptr) {
        hlidac.ocekavej([this, rizeny, menuBehemDialogu](QWidget* w) {
            if (menuBehemDialogu != nullptr) {
                *menuBehemDialogu = menuVidet();
            }
            auto* zadani = qobject_cast<FrmZadani*>(w);
            // Hidden, the dialog leaves its loop without running its own OK or Cancel.
            w->hide();
            PrikladovaUloha(*stav, rizeny);
            if (zadani != nullptr) {
                emit zadani->ulohaPrevzata();
            }
        });
        klavesa(Qt::Key_F3);
    }
};

}  // namespace

class FrmZorvetTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        UlozJazyk(kAnglicky);
    }

    void startState() {
        Relace s;
        QVERIFY(s.polozka("mnuJazykItem", 0)->isChecked());
        QVERIFY(!s.polozka("mnuJazykItem", 1)->isChecked());
        QVERIFY(!s.ulozit());
        QVERIFY(!s.pocitat());
        QVERIFY(!s.vysledky());
        // The client area is empty until a view is shown.
        for (const char* jmeno : {"fraVykon", "grdTabulka", "FlpGrf1", "cmdOK", "cmdStorno", "picMaska"}) {
            QVERIFY2(!s.okno.findChild<QWidget*>(QString::fromLatin1(jmeno))->isVisible(), jmeno);
        }
        // F8 does not open a view while the Results menu is disabled.
        s.klavesa(Qt::Key_F8);
        QVERIFY(!s.tabulka());
        QVERIFY(s.hlidac.cizi.isEmpty());
    }

    // Start, accept a problem, compute, look at both views, save; then open the saved file
    // in a new session.
    void wholeSession() {
        QTemporaryDir slozka;
        const QString soubor = slozka.filePath(QStringLiteral("ohrev.odp"));
        {
            Relace s;
            bool menuBehemDialogu = true;
            s.prevezmiUlohu(false, &menuBehemDialogu);
            QCOMPARE(s.hlidac.zbyva(), 0);
            QVERIFY(!menuBehemDialogu);
            QVERIFY(s.menuVidet());
            QVERIFY(s.pocitat());
            QVERIFY(!s.ulozit());
            QVERIFY(!s.vysledky());

            s.klavesa(Qt::Key_F5);
            QCOMPARE(s.dialogy.d.zpravy.size(), 1);
            QCOMPARE(s.dialogy.d.zpravy.last().ikona, Ikona::Informace);
            QCOMPARE(s.dialogy.d.zpravy.last().titulek, QStringLiteral("End of Job"));
            QCOMPARE(s.dialogy.d.zpravy.last().text,
                     QStringLiteral("Final temperature 901 °C have been obtained during 470 s."));
            QCOMPARE(s.dialogy.d.nejvicCekani, 1);
            QCOMPARE(s.dialogy.d.cekani, 0);
            QVERIFY(s.ulozit());
            QVERIFY(s.vysledky());

            // The table: no menu, no shortcut, until Esc.
            s.klavesa(Qt::Key_F8);
            QVERIFY(s.tabulka());
            QVERIFY(!s.menuVidet());
            for (QKeyCombination k : {QKeyCombination(Qt::Key_F3), QKeyCombination(Qt::Key_F5),
                                      QKeyCombination(Qt::Key_F9), QKeyCombination(Qt::CTRL | Qt::Key_O),
                                      QKeyCombination(Qt::CTRL | Qt::Key_S)}) {
                s.klavesa(k);
            }
            QVERIFY(s.tabulka());
            QVERIFY(!s.graf());
            QCOMPARE(s.dialogy.d.zpravy.size(), 1);
            QVERIFY(s.dialogy.d.filtry.isEmpty());
            s.klavesa(Qt::Key_Escape);
            QVERIFY(!s.tabulka());
            QVERIFY(s.menuVidet());

            // The chart: Enter on the focused OK closes it.
            s.klavesa(Qt::Key_F9);
            QVERIFY(s.graf());
            QVERIFY(!s.menuVidet());
            s.klavesa(Qt::Key_F8);
            QVERIFY(!s.tabulka());
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
            QVERIFY(!s.graf());
            QVERIFY(s.menuVidet());

            s.dialogy.d.souboryUlozit.append(soubor);
            s.dialogy.d.odpovedi.append(false);  // no comment
            s.klavesa(QKeyCombination(Qt::CTRL | Qt::Key_S));
            QCOMPARE(s.dialogy.d.filtry.last(), QStringLiteral("All (*.*) |*.*|Results (*.odp) |*.odp"));
            QVERIFY(QFileInfo::exists(soubor));
            QCOMPARE(s.okno.windowTitle(), s.okno.Titulek() + QStringLiteral("- ohrev.odp"));

            // A new problem puts the caption back and takes Save and Results away.
            s.prevezmiUlohu(false);
            QCOMPARE(s.okno.windowTitle(), s.okno.Titulek());
            QVERIFY(!s.ulozit());
            QVERIFY(!s.vysledky());
            QVERIFY(s.hlidac.cizi.isEmpty());
        }
        Relace s;
        s.dialogy.d.souboryOtevrit.append(soubor);
        s.klavesa(QKeyCombination(Qt::CTRL | Qt::Key_O));
        QCOMPARE(s.stav->PocetKroku, std::int16_t{47});
        QVERIFY(s.vysledky());
        QVERIFY(!s.ulozit());
        QVERIFY(!s.pocitat());
        QCOMPARE(s.okno.windowTitle(), s.okno.Titulek() + QStringLiteral("- ohrev.odp"));
        s.klavesa(Qt::Key_F8);
        QVERIFY(s.tabulka());
        QVERIFY(s.hlidac.cizi.isEmpty());
    }

    void failedComputingKeepsTheMenus_data() {
        QTest::addColumn<bool>("predtimVysledek");
        QTest::newRow("first run") << false;
        QTest::newRow("after a result") << true;
    }
    void failedComputingKeepsTheMenus() {
        QFETCH(bool, predtimVysledek);
        Relace s;
        s.prevezmiUlohu(false);
        if (predtimVysledek) {
            s.klavesa(Qt::Key_F5);
        }
        // A furnace cooler than the final temperature never gets the charge there.
        s.stav->Uloha.Tpece = 800.0f;
        s.klavesa(Qt::Key_F5);
        QCOMPARE(s.dialogy.d.zpravy.size(), predtimVysledek ? 2 : 1);
        const Hlaseni& h = s.dialogy.d.zpravy.last();
        QCOMPARE(h.ikona, Ikona::Informace);
        QCOMPARE(h.titulek, QStringLiteral("Evaluation Error"));
        QVERIFY(h.text.startsWith(QStringLiteral("Within evaluation array overload.")));
        QCOMPARE(s.ulozit(), predtimVysledek);
        QCOMPARE(s.vysledky(), predtimVysledek);
        QCOMPARE(s.dialogy.d.cekani, 0);
    }

    void openThatReadsNothingChangesNothing_data() {
        QTest::addColumn<bool>("zrusit");
        QTest::addColumn<int>("hlaseni");
        QTest::newRow("cancelled") << true << 0;
        QTest::newRow("missing file") << false << 1;
    }
    void openThatReadsNothingChangesNothing() {
        QFETCH(bool, zrusit);
        QFETCH(int, hlaseni);
        Relace s;
        const QString predtim = QDir::currentPath();
        s.dialogy.d.souboryOtevrit.append(zrusit ? std::nullopt
                                                 : std::optional<QString>(QDir::temp().filePath("zadny.odp")));
        s.klavesa(QKeyCombination(Qt::CTRL | Qt::Key_O));
        QCOMPARE(s.dialogy.d.filtry.size(), 1);
        QCOMPARE(s.dialogy.d.zpravy.size(), hlaseni);
        QCOMPARE(s.okno.windowTitle(), s.okno.Titulek());
        QVERIFY(!s.vysledky());
        QVERIFY(!s.ulozit());
        QCOMPARE(s.stav->PocetKroku, std::int16_t{0});
        QCOMPARE(QDir::currentPath(), predtim);
    }

    void languageMenu_data() {
        QTest::addColumn<int>("ulozeny");
        QTest::addColumn<int>("index");
        QTest::addColumn<QString>("soubor");  // caption of mnuFile afterwards
        QTest::newRow("English to Czech") << 0 << 1 << QStringLiteral("&Soubor");
        QTest::newRow("Czech to English") << 200 << 0 << QStringLiteral("&File");
        QTest::newRow("English again") << 0 << 0 << QStringLiteral("&File");
        QTest::newRow("Czech again") << 200 << 1 << QStringLiteral("&Soubor");
    }
    void languageMenu() {
        QFETCH(int, ulozeny);
        QFETCH(int, index);
        QFETCH(QString, soubor);
        UlozJazyk(static_cast<std::int16_t>(ulozeny));
        Relace s;
        QCOMPARE(s.stav->Jazyk, static_cast<std::int16_t>(ulozeny));
        const bool zmena = (index == 0 ? 0 : 200) != ulozeny;
        // A caption that the caption routine would put back shows whether it ran.
        s.okno.setWindowTitle(QStringLiteral("marker"));
        s.polozka("mnuJazykItem", index)->trigger();
        QCOMPARE(s.okno.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), soubor);
        QCOMPARE(s.okno.windowTitle() == QStringLiteral("marker"), !zmena);
        QVERIFY(s.polozka("mnuJazykItem", index)->isChecked());
        QVERIFY(!s.polozka("mnuJazykItem", 1 - index)->isChecked());
        QCOMPARE(s.okno.findChild<QGroupBox*>(QStringLiteral("fraVykon"))->title(),
                 index == 0 ? QStringLiteral("&Power and Consumption") : QStringLiteral("&Výkon a spotřeba"));
        // Only Save Settings stores the choice, and it stores it even when unchanged.
        QCOMPARE(NactiJazyk(), static_cast<std::int16_t>(ulozeny));
        UlozJazyk(static_cast<std::int16_t>(200 - ulozeny));
        s.polozka("mnuNastaveniItem", 1)->trigger();
        QCOMPARE(NactiJazyk(), static_cast<std::int16_t>(index == 0 ? 0 : 200));
    }

    void aboutStaysAndSpeaksTheCurrentLanguage() {
        Relace s;
        s.polozka("mnuJazykItem", 1)->trigger();
        bool casovacBezi = true;
        QString popis;
        s.hlidac.ocekavej([&](QWidget* w) {
            casovacBezi = w->findChild<QTimer*>(QStringLiteral("Tmr1"))->isActive();
            popis = w->findChild<QLabel*>(QStringLiteral("lbl1"))->text();
            QTest::mouseClick(w, Qt::LeftButton);
        });
        s.polozka("mnuNapovedaItem", 1)->trigger();
        QCOMPARE(s.hlidac.zbyva(), 0);
        QVERIFY(!casovacBezi);
        QCOMPARE(popis, Text(11, kCesky));
        QVERIFY(s.hlidac.cizi.isEmpty());
    }

    void exitEndsTheWindow_data() {
        QTest::addColumn<bool>("zMenu");
        QTest::addColumn<bool>("sPohledem");
        QTest::newRow("File, Exit") << true << false;
        QTest::newRow("closing the window") << false << false;
        QTest::newRow("closing while a view is shown") << false << true;
    }
    void exitEndsTheWindow() {
        QFETCH(bool, zMenu);
        QFETCH(bool, sPohledem);
        Relace s;
        if (sPohledem) {
            UmelyVysledek(*s.stav, false, 10);
            s.okno.ZobrazTabulku();
        }
        if (zMenu) {
            s.polozka("mnuFileItem", 3)->trigger();
        } else {
            s.okno.close();
        }
        QVERIFY(!s.okno.isVisible());
        QVERIFY(s.hlidac.cizi.isEmpty());
        QVERIFY(s.dialogy.d.otazky.isEmpty());
    }
};

ZORVET_TEST_MAIN(FrmZorvetTest)
#include "frm_zorvet_test.moc"
