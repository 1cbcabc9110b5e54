// The results table view and the power frame beside it, driven through the main window.
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QScrollBar>
#include <QTableView>

#include "files/nastaveni.h"
#include "okna_pomoc.h"
#include "ui/frm_zorvet.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

struct Pohled : Sezeni {
    QTableView* grid = prvek<QTableView>("grdTabulka");
    QComboBox* ztraty = prvek<QComboBox>("cboZtraty");

    QString bunka(int radek, int sloupec) const {
        return grid->model()->index(radek, sloupec).data().toString();
    }
    QString hlavicka(int sloupec) const {
        return grid->model()->headerData(sloupec, Qt::Horizontal).toString();
    }
    QString prikon() const { return prvek<QLabel>("lblPrikonH")->text(); }
    QString spotreba() const { return prvek<QLabel>("lblSpotrebaH")->text(); }
    void napis(const QString& text) {
        ztraty->lineEdit()->selectAll();
        QTest::keyClick(ztraty->lineEdit(), Qt::Key_Backspace);
        QTest::keyClicks(ztraty->lineEdit(), text);
    }
};

}  // namespace

class TabulkaTest : public QObject {
    Q_OBJECT
private slots:
    void init() { UlozJazyk(kAnglicky); }

    void layoutAndHeaders_data() {
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("vsazka");
        QTest::newRow("uncontrolled, one row") << false << 0 << 0 << "Charge Temperature\n[°C]";
        QTest::newRow("uncontrolled, Czech") << false << 47 << 200 << "Teplota vzorku\n[°C]";
        QTest::newRow("controlled") << true << 90 << 0 << "Charge Temperature\n[°C]";
        QTest::newRow("controlled, full table") << true << 10000 << 200 << "Teplota vzorku\n[°C]";
    }
    void layoutAndHeaders() {
        QFETCH(bool, rizeny);
        QFETCH(int, n);
        QFETCH(int, jazyk);
        QFETCH(QString, vsazka);
        Pohled p;
        p.stav->Jazyk = static_cast<std::int16_t>(jazyk);
        UmelyVysledek(*p.stav, rizeny, n);
        p.okno.ZobrazTabulku();
        QVERIFY(p.grid->isVisible());
        QCOMPARE(p.grid->model()->rowCount(), n + 1);
        QCOMPARE(p.grid->model()->columnCount(), rizeny ? 3 : 2);
        QCOMPARE(p.hlavicka(0), jazyk == 0 ? QStringLiteral("Time\n[s]") : QStringLiteral("Čas\n[s]"));
        QCOMPARE(p.hlavicka(1), vsazka);
        if (rizeny) {
            QCOMPARE(p.hlavicka(2), jazyk == 0 ? QStringLiteral("Furnace Temperature\n[°C]")
                                               : QStringLiteral("Teplota pece\n[°C]"));
        }
        // Every step is listed, the last one included.
        QCOMPARE(p.bunka(n, 0), QString::number(n * 10));
        QCOMPARE(p.grid->currentIndex(), p.grid->model()->index(0, 1));
        QCOMPARE(p.grid->verticalScrollBar()->maximum() > 0, n > 20);
        QVERIFY(p.hlidac.cizi.isEmpty());
    }

    void numbersInTheUsersLocale_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<float>("hodnota");
        QTest::addColumn<QString>("text");
        QTest::newRow("point, 7 digits at most") << "en_US" << 73.196686f << "73.19669";
        QTest::newRow("comma, 7 digits at most") << "cs_CZ" << 73.196686f << "73,19669";
        QTest::newRow("comma, whole number") << "cs_CZ" << 1000.0f << "1000";
        QTest::newRow("comma, below one, negative") << "cs_CZ" << -0.25f << "-0,25";
    }
    void numbersInTheUsersLocale() {
        QFETCH(QString, lokal);
        QFETCH(float, hodnota);
        QFETCH(QString, text);
        QLocale::setDefault(QLocale(lokal));
        Pohled p;
        UmelyVysledek(*p.stav, true, 3);
        p.stav->Vysledky.TeplotaVsazky[2] = hodnota;
        p.stav->TeplotaPece[3] = hodnota;
        p.stav->Vysledky.Cas[1] = hodnota;
        p.okno.ZobrazTabulku();
        QCOMPARE(p.bunka(2, 1), text);
        QCOMPARE(p.bunka(3, 2), text);
        QCOMPARE(p.bunka(1, 0), text);
        QLocale::setDefault(QLocale::c());
    }

    // The example heat-up: E 12222.22 Wh; P 93617.02 W at 0 %, raised by the losses.
    void powerFrameFollowsTheLosses_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("prikon");
        QTest::addColumn<QString>("spotreba");
        QTest::newRow("typed 10") << "en_US" << "10" << "102978.7" << "12222.22";
        QTest::newRow("typed 10, comma") << "cs_CZ" << "10" << "102978,7" << "12222,22";
        QTest::newRow("half rounds to even, comma") << "cs_CZ" << "2,5" << "95489,37" << "12222,22";
        QTest::newRow("half rounds to even, point") << "en_US" << "3.5" << "97361,7" << "12222.22";
        QTest::newRow("negative losses") << "en_US" << "-100" << "0" << "12222.22";
        QTest::newRow("not a number") << "en_US" << "abc" << "" << "";
        QTest::newRow("beyond 16 bits") << "en_US" << "40000" << "" << "";
        QTest::newRow("a grouping comma is no number") << "en_US" << "1,5" << "" << "";
        QTest::newRow("empty") << "cs_CZ" << "" << "" << "";
    }
    void powerFrameFollowsTheLosses() {
        QFETCH(QString, lokal);
        QFETCH(QString, text);
        QFETCH(QString, prikon);
        QFETCH(QString, spotreba);
        QLocale::setDefault(QLocale(lokal));
        prikon.replace(QLatin1Char(','), QLocale().decimalPoint());
        Pohled p;
        PrikladovaUloha(*p.stav, false);
        QCOMPARE(Vypocet(*p.stav).konec, KonecVypoctu::Uspech);
        p.okno.ZobrazTabulku();
        QCOMPARE(p.prikon(), QStringLiteral("93617.02").replace(QLatin1Char('.'), QLocale().decimalPoint()));
        p.napis(text);
        QCOMPARE(p.prikon(), prikon);
        QCOMPARE(p.spotreba(), spotreba);
        QLocale::setDefault(QLocale::c());
    }

    void pickedLossesAndTheHiddenFrame() {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        Pohled p;
        PrikladovaUloha(*p.stav, false);
        QCOMPARE(Vypocet(*p.stav).konec, KonecVypoctu::Uspech);
        p.okno.ZobrazTabulku();
        // Picked from the list with the keyboard: 0 -> 1 %.
        p.ztraty->setFocus();
        QTest::keyClick(p.ztraty, Qt::Key_Down);
        QCOMPARE(p.ztraty->currentText(), QStringLiteral("1"));
        QCOMPARE(p.prikon(), QStringLiteral("94553.2"));
        // With the view closed, another percentage changes nothing.
        QTest::keyClick(&p.okno, Qt::Key_Escape);
        QVERIFY(!p.grid->isVisible());
        p.ztraty->setCurrentIndex(50);
        QCOMPARE(p.prikon(), QStringLiteral("94553.2"));
        // Reopened, the frame shows the percentage now in the box.
        p.okno.ZobrazTabulku();
        QCOMPARE(p.prikon(), QStringLiteral("140425.5"));
        QLocale::setDefault(QLocale::c());
    }
};

ZORVET_TEST_MAIN(TabulkaTest)
#include "tabulka_test.moc"
