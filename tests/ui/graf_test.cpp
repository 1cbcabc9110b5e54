// The chart view of the main window, its printing, and the chart widget on its own.
#include <QLocale>
#include <QtCharts/QValueAxis>

#include "files/nastaveni.h"
#include "files/retezce.h"
#include "okna_pomoc.h"
#include "ui/frm_zorvet.h"
#include "ui/graf.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

struct Pohled : Sezeni {
    Graf* graf = prvek<Graf>("FlpGrf1");
};


}  // namespace

class GrafTest : public QObject {
    Q_OBJECT
private slots:
    void init() {
        UlozJazyk(kAnglicky);
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void seriesLabelsAndMarkers_data() {
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<bool>("znacky");
        QTest::addColumn<QStringList>("nazvy");
        QTest::newRow("one step, marked") << false << 0 << 0 << true << QStringList{QString()};
        QTest::newRow("50 steps, marked") << false << 50 << 0 << true << QStringList{QString()};
        QTest::newRow("51 steps, bare") << false << 51 << 200 << false << QStringList{QString()};
        QTest::newRow("controlled, 50") << true << 50 << 0 << true << QStringList{"Charge", "Furnace"};
        QTest::newRow("controlled, 51, Czech") << true << 51 << 200 << false << QStringList{"vzorek", "pec"};
        QTest::newRow("controlled, 10000") << true << 10000 << 0 << false << QStringList{"Charge", "Furnace"};
    }
    void seriesLabelsAndMarkers() {
        QFETCH(bool, rizeny);
        QFETCH(int, n);
        QFETCH(int, jazyk);
        QFETCH(bool, znacky);
        QFETCH(QStringList, nazvy);
        Pohled p;
        p.stav->Jazyk = static_cast<std::int16_t>(jazyk);
        UmelyVysledek(*p.stav, rizeny, n);
        p.okno.ZobrazGraf();
        QVERIFY(p.graf->isVisible());
        QCOMPARE(p.graf->pocetRad(), nazvy.size());
        QCOMPARE(p.graf->barvaRady(0), QColor(0, 0, 255));
        QCOMPARE(p.graf->nazevRady(0), nazvy.at(0));
        QCOMPARE(p.graf->legenda(), rizeny);
        QCOMPARE(p.graf->znacky(), znacky);
        // Marked, every curve has its dots as a series of their own.
        QCOMPARE(p.graf->chart()->series().size(), nazvy.size() * (znacky ? 2 : 1));
        const QList<QPointF> vsazka = p.graf->bodyRady(0);
        QCOMPARE(vsazka.size(), n + 1);
        QCOMPARE(vsazka.last(), QPointF(p.stav->Vysledky.Cas[n], p.stav->Vysledky.TeplotaVsazky[n]));
        if (rizeny) {
            QCOMPARE(p.graf->barvaRady(1), QColor(255, 0, 0));
            QCOMPARE(p.graf->nazevRady(1), nazvy.at(1));
            QCOMPARE(p.graf->bodyRady(1).last().y(), static_cast<qreal>(p.stav->TeplotaPece[n]));
        }
        QVERIFY(p.hlidac.cizi.isEmpty());
    }

    void printing_data() {
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<int>("klavesa");
        QTest::addColumn<int>("odpoved");
        QTest::addColumn<QString>("hlaseni");
        QTest::newRow("Alt+P prints") << 0 << int(Qt::Key_P) << int(VysledekTisku::Vytisteno) << QString();
        QTest::newRow("Alt+T prints in Czech") << 200 << int(Qt::Key_T) << int(VysledekTisku::Vytisteno) << QString();
        QTest::newRow("no printer") << 0 << int(Qt::Key_P) << int(VysledekTisku::ZadnaTiskarna)
                                    << "No printer is installed.";
        // Giving up in the preview is no failure to report.
        QTest::newRow("preview closed, Czech") << 200 << int(Qt::Key_T) << int(VysledekTisku::Zruseno) << QString();
        QTest::newRow("printer fails, Czech") << 200 << int(Qt::Key_T) << int(VysledekTisku::Selhal)
                                              << "Graf se nepodařilo vytisknout.";
    }
    void printing() {
        QFETCH(int, jazyk);
        QFETCH(int, klavesa);
        QFETCH(int, odpoved);
        QFETCH(QString, hlaseni);
        Pohled p;
        p.stav->Jazyk = static_cast<std::int16_t>(jazyk);
        UmelyVysledek(*p.stav, true, 30);
        p.dialogy.odpovedTisku = static_cast<VysledekTisku>(odpoved);
        p.okno.ZobrazGraf();
        QTest::keyClick(&p.okno, static_cast<Qt::Key>(klavesa), Qt::AltModifier);
        // A mnemonic presses the button visibly, so the click comes a moment later.
        QTRY_COMPARE(p.dialogy.tisky, QStringList{Text(70, p.stav->Jazyk)});
        QCOMPARE(p.dialogy.d.zpravy.size(), hlaseni.isEmpty() ? 0 : 1);
        if (hlaseni.isEmpty() && p.dialogy.odpovedTisku == VysledekTisku::Vytisteno) {
            // The page holds the chart as shown: both curves are on it.
            QVERIFY(pocetBodu(p.dialogy.stranka, QColor(0, 0, 255)) > 100);
            QVERIFY(pocetBodu(p.dialogy.stranka, QColor(255, 0, 0)) > 100);
        } else if (!hlaseni.isEmpty()) {
            QCOMPARE(p.dialogy.d.zpravy.first().titulek, Text(170, p.stav->Jazyk));
            QCOMPARE(p.dialogy.d.zpravy.first().text, hlaseni);
            QCOMPARE(p.dialogy.d.zpravy.first().ikona, Ikona::Vykricnik);
        }
        // The view stays open after printing.
        QVERIFY(p.graf->isVisible());
    }

    // The widget as the problem dialog uses it: series added and cleared again.
    void widgetFitsItsSeriesAndDrawsThemCentred() {
        Graf g;
        g.resize(400, 300);
        g.nastavZnacky(true);
        g.pridejRadu(QString(), Qt::blue, {{0, 20}, {600, 1000}});
        QVERIFY(!g.legenda());
        g.pridejRadu(QStringLiteral("pec"), Qt::red, {{0, 20}, {1800, 1200}});
        QVERIFY(g.legenda());
        QCOMPARE(g.pocetRad(), 2);
        // The axes reach over every series.
        const auto* cas = qobject_cast<QValueAxis*>(g.chart()->axes(Qt::Horizontal).first());
        const auto* teplota = qobject_cast<QValueAxis*>(g.chart()->axes(Qt::Vertical).first());
        QVERIFY(cas->min() <= 0 && cas->max() >= 1800);
        QVERIFY(teplota->min() <= 20 && teplota->max() >= 1200);
        QImage obraz(800, 300, QImage::Format_RGB32);
        obraz.fill(Qt::white);
        {
            QPainter painter(&obraz);
            g.vykresli(painter, QRectF(0, 0, 800, 300));
        }
        // Drawn at its own proportions (4:3) in the middle of a wider page.
        QCOMPARE(pocetBodu(obraz.copy(0, 0, 190, 300), QColor(255, 0, 0)), 0);
        QVERIFY(pocetBodu(obraz.copy(200, 0, 400, 300), QColor(255, 0, 0)) > 50);
        g.vymazRady();
        QCOMPARE(g.pocetRad(), 0);
        QVERIFY(!g.legenda());
    }
};

ZORVET_TEST_MAIN(GrafTest)
#include "graf_test.moc"
