// The splash and About window, and the start-up that waits for it.
#include <QFileInfo>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QRegularExpression>

#include "files/nastaveni.h"
#include "files/retezce.h"
#include "okna_pomoc.h"
#include "ui/frm_uvitani.h"
#include "ui/frm_zorvet.h"

using namespace zorvet;
using namespace zorvet::test;

class FrmUvitaniTest : public QObject {
    Q_OBJECT
private slots:
    void closesByItselfAfterTwoSeconds() {
        FrmUvitani uvitani(kAnglicky);
        QCOMPARE(uvitani.findChild<QTimer*>(QStringLiteral("Tmr1"))->interval(), 2000);
        // A rescue in case the timer never fires: the test fails instead of hanging.
        bool zachraneno = false;
        QTimer::singleShot(6000, &uvitani, [&] {
            zachraneno = true;
            uvitani.reject();
        });
        uvitani.exec();
        QVERIFY(!zachraneno);
    }

    void clickOrEscCloses_data() {
        QTest::addColumn<QString>("cil");
        QTest::addColumn<int>("klavesa");  // 0: a click on cil
        QTest::addColumn<bool>("zavreno");
        QTest::newRow("click on the window") << "frmUvitani" << 0 << true;
        QTest::newRow("click on a text") << "lbl2" << 0 << true;
        QTest::newRow("Esc") << "frmUvitani" << int(Qt::Key_Escape) << true;
        QTest::newRow("Enter stays") << "frmUvitani" << int(Qt::Key_Return) << false;
        QTest::newRow("a letter stays") << "frmUvitani" << int(Qt::Key_A) << false;
    }
    void clickOrEscCloses() {
        QFETCH(QString, cil);
        QFETCH(int, klavesa);
        QFETCH(bool, zavreno);
        // As About: no timer to close it meanwhile.
        FrmUvitani okno(kAnglicky);
        okno.vypniCasovac();
        okno.show();
        QVERIFY(QTest::qWaitForWindowExposed(&okno));
        QWidget* w = cil == okno.objectName() ? &okno : okno.findChild<QWidget*>(cil);
        QVERIFY(w != nullptr);
        if (klavesa == 0) {
            QTest::mouseClick(w, Qt::LeftButton, {}, QPoint(5, 5));
        } else {
            QTest::keyClick(w, static_cast<Qt::Key>(klavesa));
        }
        QCOMPARE(okno.isVisible(), !zavreno);
    }

    void versionLine_data() {
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<QString>("zacatek");
        QTest::newRow("English") << 0 << "en_US" << R"(^Education version \d+\.\d+, Compiled )";
        QTest::newRow("Czech") << 200 << "cs_CZ" << R"(^školní verze \d+\.\d+ ze dne )";
    }
    void versionLine() {
        QFETCH(int, jazyk);
        QFETCH(QString, lokal);
        QFETCH(QString, zacatek);
        QLocale::setDefault(QLocale(lokal));
        const auto j = static_cast<std::int16_t>(jazyk);
        FrmUvitani okno(j);
        okno.vypniCasovac();
        const QString verze = okno.findChild<QLabel*>(QStringLiteral("lbl2"))->text();
        QVERIFY2(QRegularExpression(zacatek).match(verze).hasMatch(), qPrintable(verze));
        // The date of the running program's file in the locale's short form.
        const QDate datum = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
        QString text = QLocale(lokal).toString(datum, QLocale::ShortFormat);
        QVERIFY(verze.endsWith(text.replace(QLatin1Char(' '), QChar(QChar::Nbsp))));
        QLocale::setDefault(QLocale::c());
    }

    // The stored language is read before the splash, and the main window appears only
    // after the splash has gone.
    void startupWaitsForTheSplash() {
        UlozJazyk(kCesky);
        auto stav = std::make_unique<Stav>();
        SkriptovanaOkna dialogy;
        HlidacModalu hlidac;
        FrmZorvet okno(*stav, dialogy);
        bool hlavniVidet = true;
        QString popis;
        hlidac.ocekavej([&](QWidget* w) {
            hlavniVidet = okno.isVisible();
            popis = w->findChild<QLabel*>(QStringLiteral("lbl1"))->text();
            QTest::keyClick(w, Qt::Key_Escape);
        });
        okno.Nacti(true);
        QCOMPARE(hlidac.zbyva(), 0);
        QVERIFY(!hlavniVidet);
        QCOMPARE(popis, Text(11, kCesky));
        QCOMPARE(okno.findChild<QMenu*>(QStringLiteral("mnuFile"))->title(), QStringLiteral("&Soubor"));
        QVERIFY(hlidac.cizi.isEmpty());
        UlozJazyk(kAnglicky);
    }
};

ZORVET_TEST_MAIN(FrmUvitaniTest)
#include "frm_uvitani_test.moc"
