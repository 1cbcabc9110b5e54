// The result views of the main window, on results opened from a file: the table with the
// power frame, the chart with Print and Export, and Esc that closes either.
#include <QComboBox>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QTableView>
#include <QTableWidget>
#include <QProcess>
#include <map>
#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QLegend>

#include <QWheelEvent>

#include "files/soubor.h"
#include "model/planning/planovani.h"
#include "model/pipeline/vypocet.h"
#include "files/retezce.h"
#include "files/tabulka_csv.h"
#include "ui/views/graf_vysledku.h"
#include "ui/views/pohled_tabulky.h"
#include "ui/views/zprava.h"
#include <QPainter>
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/okno_vysledku.h"
#include "support/priklady.h"
#include "ui/main_window/frm_zorvet.h"
#include "ui/common/graf.h"

namespace zorvet::test {

namespace {

using Okno = OknoVysledku;

}  // namespace

class PohledyTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    void tabulka_data() {
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<QString>("ztraty");
        QTest::addColumn<int>("sloupcu");
        QTest::addColumn<QString>("prikon");
        QTest::addColumn<QString>("spotreba");
        QTest::addColumn<QString>("chyba");
        QTest::addColumn<int>("vysledku");  // the losses the result is then shown and printed with
        QTest::newRow("uncontrolled, no losses") << false << "0" << 2 << "93617.02" << "12222.22" << "" << 0;
        QTest::newRow("uncontrolled, 10 % losses") << false << "10" << 2 << "102978.7" << "12222.22" << "" << 10;
        QTest::newRow("losses that are no number")
            << false << "1x" << 2 << "" << "" << "Heat Losses [%]: “1x” is not a number." << 0;
        // A percentage with a fraction is rounded to the nearest whole one, halves to the even.
        QTest::newRow("10,5 % losses") << false << "10,5" << 2 << "102978.7" << "12222.22" << "" << 10;
        QTest::newRow("11.5 % losses") << false << "11.5" << 2 << "104851.1" << "12222.22" << "" << 12;
        QTest::newRow("controlled") << true << "0" << 3 << "48888.89" << "12222.22" << "" << 0;
    }

    // The grid holds every row of the result; the power frame follows the losses typed.
    void tabulka() {
        QFETCH(bool, rizeny);
        QFETCH(QString, ztraty);
        QFETCH(int, sloupcu);
        QFETCH(QString, prikon);
        QFETCH(QString, spotreba);
        QFETCH(QString, chyba);
        QFETCH(int, vysledku);
        Okno o(Priklad(rizeny));
        o.okno.ZobrazTabulku();
        auto* grid = o.w<QTableView>("grdTabulka");
        QVERIFY(grid->isVisible());
        QVERIFY(!o.okno.menuBar()->isVisible());
        QCOMPARE(QApplication::focusWidget(), o.w<QPushButton>("cmdOK"));
        QCOMPARE(grid->model()->columnCount(), sloupcu);
        QCOMPARE(grid->model()->rowCount(), o.okno.vysledek()->PocetKroku + 1);
        // The first charge temperature is the current cell, as the view opens.
        QCOMPARE(grid->currentIndex(), grid->model()->index(0, 1));
        auto* cbo = o.w<QComboBox>("cboZtraty");
        // The grid lies within the window; the losses start at 0 % and offer up to 100 %.
        QVERIFY(o.okno.rect().contains(grid->geometry()));
        QCOMPARE(cbo->currentText(), QStringLiteral("0"));
        QCOMPARE(cbo->itemText(cbo->count() - 1), QStringLiteral("100"));
        cbo->setFocus(Qt::TabFocusReason);
        QTest::keyClick(cbo, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(cbo, ztraty);
        QCOMPARE(o.w<QLabel>("lblPrikonH")->text(), prikon);
        QCOMPARE(o.w<QLabel>("lblSpotrebaH")->text(), spotreba);
        QCOMPARE(o.w<QLabel>("lblChybaZtrat")->text(), chyba);
        QCOMPARE(o.w<QLabel>("lblChybaZtrat")->isVisible(), !chyba.isEmpty());
        // The time column is a third of the grid, a fifth beside the furnace's.
        int sirka = 0;
        for (int c = 0; c < grid->model()->columnCount(); ++c) {
            sirka += grid->columnWidth(c);
        }
        QVERIFY(qAbs(grid->columnWidth(0) * (rizeny ? 5 : 3) - sirka) <= 3 * grid->model()->columnCount());
        QCOMPARE(grid->horizontalScrollBar()->maximum(), 0);  // every column in sight
        // The cells selected go to the clipboard with their times and the header; the whole
        // table into a CSV file as the batch writes it.
        grid->setCurrentIndex(grid->model()->index(2, 1));
        grid->selectionModel()->select(grid->model()->index(3, 1), QItemSelectionModel::Select);
        o.okno.findChild<PohledTabulky*>()->KopirujVyber();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Time [s]\tCharge Temperature [°C]\n20\t") +
                                                              grid->model()->index(2, 1).data().toString() + "\n30\t" +
                                                              grid->model()->index(3, 1).data().toString() + "\n");
        const QString csv = o.slozka.filePath(QStringLiteral("t.csv"));
        o.d.soubory = {csv};
        o.okno.findChild<PohledTabulky*>()->UlozTabulkuCsv();
        QFile f(csv);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), TabulkaCsv(*o.okno.vysledek()));
        QVERIFY(o.zavriEsc());
        // The losses become the problem's; without an installed power the result stays as it was
        // computed, and the view opened again shows its power for them.
        QCOMPARE(o.okno.uloha().Ztraty, vysledku);
        QCOMPARE(o.okno.vysledek()->Uloha.Ztraty, 0);
        o.okno.ZobrazTabulku();
        QCOMPARE(cbo->currentText(), QString::number(vysledku));
        QCOMPARE(o.w<QLabel>("lblPrikonH")->text(), chyba.isEmpty() ? prikon : QStringLiteral("93617.02"));
        QCOMPARE(o.d.neocekavane, 0);
    }

    // Eighth-second steps make times like 1172.375: no column is narrower than its text.
    void sirkaSloupcu() {
        Uloha u = Priklad();
        u.m = 250.0f;
        u.CasKrok = 0.125f;
        Okno o(u);
        o.okno.ZobrazTabulku();
        auto* grid = o.w<QTableView>("grdTabulka");
        const int posledni = o.okno.vysledek()->PocetKroku;
        QCOMPARE(grid->model()->index(posledni, 0).data().toString(), QStringLiteral("1172.375"));
        for (int sloupec = 0; sloupec < grid->model()->columnCount(); ++sloupec) {
            const QString text = grid->model()->index(posledni, sloupec).data().toString();
            QVERIFY2(grid->columnWidth(sloupec) >= grid->fontMetrics().horizontalAdvance(text), qPrintable(text));
        }
    }

    void graf_data() {
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<QStringList>("rady");
        QTest::newRow("uncontrolled") << false << QStringList{""};
        QTest::newRow("controlled") << true << QStringList{"Charge", "Furnace"};
    }

    // The chart draws the result; Print goes to the printer, Export writes the picture.
    void graf() {
        QFETCH(bool, rizeny);
        QFETCH(QStringList, rady);
        Okno o(Priklad(rizeny));
        o.okno.ZobrazGraf();
        auto* graf = o.w<Graf>("FlpGrf1");
        QVERIFY(graf->isVisible());
        QVERIFY(o.okno.rect().contains(graf->geometry()));
        // A legend only when the curves have names.
        QCOMPARE(!graf->legenda().isEmpty(), rizeny);
        QStringList nazvy;
        for (int i = 0; i < graf->pocetRad(); ++i) {
            nazvy << graf->nazevRady(i);
        }
        QCOMPARE(nazvy, rady);
        // The charge in blue, the furnace in red.
        QCOMPARE(graf->barvaRady(0), QColor(0, 0, 255));
        QCOMPARE(graf->barvaRady(1), rizeny ? QColor(255, 0, 0) : QColor());
        const Vysledek& v = *o.okno.vysledek();
        const QList<QPointF> body = graf->bodyRady(0);
        QCOMPARE(body.size(), v.PocetKroku + 1);
        const auto r = static_cast<std::size_t>(v.PocetKroku);
        QCOMPARE(body.last(), QPointF(static_cast<double>(v.Vysledky.Cas[r]), static_cast<double>(v.Vysledky.TeplotaVsazky[r])));

        // Print puts the chart on the printer with no dialog of its own; the report has its own
        // command, through the preview.
        o.w<QPushButton>("cmdStorno")->click();
        o.w<QPushButton>("cmdTiskZpravy")->click();
        QCOMPARE(o.d.tisky, (QStringList{"Heating Progress", "Heat-up Report (preview)"}));
        QImage prazdna(o.d.stranka.size(), o.d.stranka.format());
        prazdna.fill(Qt::white);
        QVERIFY(o.d.stranka.height() > o.d.stranka.width() && o.d.stranka != prazdna);
        // Without a printer the page is saved as a PDF instead, and the user is told why.
        o.d.tisk = VysledekTisku::ZadnaTiskarna;
        const QString pdf = o.slozka.filePath(QStringLiteral("zprava.pdf"));
        o.d.soubory = {pdf};
        o.w<QPushButton>("cmdTiskZpravy")->click();
        QFile soubor(pdf);
        QVERIFY(soubor.open(QIODevice::ReadOnly) && soubor.read(4) == "%PDF");
        // Why a file is asked for, then where the page went.
        QCOMPARE(o.d.zpravy.size(), 2);
        QCOMPARE(o.d.zpravy.first().text, Text(id::TiskDoPdf, Jazyk::Anglicky));
        QCOMPARE(o.d.posledni(), QStringLiteral("The page was saved as a PDF document in %1.").arg(pdf));
        o.d.zpravy.clear();

        const QString obrazek = o.slozka.filePath(QStringLiteral("graf.png"));
        o.d.soubory = {obrazek};
        o.w<QPushButton>("cmdExport")->click();
        QVERIFY(!QImage(obrazek, "png").isNull());
        QCOMPARE(o.d.zpravy.size(), 0);
        QVERIFY(o.zavriEsc());
        QCOMPARE(o.d.neocekavane, 0);
    }
    // The wheel zooms about the pointer, which reads the curve; a double-click gives the whole
    // chart back; the chart grows with the window, and OK keeps the buttons' column.
    void cteni() {
        Okno o(Priklad());
        o.okno.ZobrazGraf();
        auto* g = o.w<Graf>("FlpGrf1");
        const QRectF cely = g->rozsahOs();
        const QPoint p = g->mapFromScene(g->chart()->mapToScene(g->chart()->mapToPosition({235, 500})));
        const QPoint kde = g->viewport()->mapToGlobal(p);
        QWheelEvent kolo(p, kde, {}, {0, 240}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(g->viewport(), &kolo);
        const QRectF blize = g->rozsahOs();
        QVERIFY(blize.width() < cely.width() * 0.7 && blize.height() < cely.height() * 0.7);
        QVERIFY(blize.left() < 235 && 235 < blize.right() && blize.top() < 500 && 500 < blize.bottom());
        // A second step, on axes that no longer start at 0: the value under the pointer stays.
        const auto podUkazatelem = [g, p] { return g->chart()->mapToValue(g->chart()->mapFromScene(g->mapToScene(p))); };
        const QPointF pred = podUkazatelem();
        QApplication::sendEvent(g->viewport(), &kolo);
        const QPointF po = podUkazatelem();
        QVERIFY(g->rozsahOs().width() < blize.width() * 0.7);
        QVERIFY(qAbs(po.x() - pred.x()) < 1e-6 * cely.width() && qAbs(po.y() - pred.y()) < 1e-6 * cely.height());
        QMouseEvent pohyb(QEvent::MouseMove, p, kde, Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &pohyb);
        const QStringList radky = Dite<QLabel>(g, "lblHodnota")->text().split('\n');
        const double t = radky.value(0).section(": ", 1).toDouble();
        QVERIFY2(qAbs(t - 235) < 2, qPrintable(radky.join('|')));
        QVERIFY(qAbs(radky.value(1).section(": ", 1).toDouble() - *TeplotaVCase(*o.okno.vysledek(), t)) < 0.5);
        // Each reading has four digits of its axis's shown span: one more would only be noise.
        const auto mist = [](const QString& radek) {
            const QString x = radek.section(": ", 1);
            return x.contains('.') ? x.size() - x.indexOf('.') - 1 : 0;
        };
        for (const auto& [radek, rozpeti] : {std::pair{radky.value(0), g->rozsahOs().width()},
                                            std::pair{radky.value(1), g->rozsahOs().height()}}) {
            const double cislic = rozpeti * std::pow(10.0, mist(radek));
            QVERIFY2(cislic >= 1000.0 && cislic < 10000.0, qPrintable(radek + " " + QString::number(rozpeti)));
        }
        QMouseEvent dvakrat(QEvent::MouseButtonDblClick, p, kde, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(g->viewport(), &dvakrat);
        QCOMPARE(g->rozsahOs(), cely);
        const int sirka = g->width();
        o.okno.resize(o.okno.size() + QSize(300, 200));
        QApplication::sendPostedEvents();
        QCOMPARE(g->width(), sirka + 300);
        QCOMPARE(o.w<QPushButton>("cmdOK")->x(), o.w<QPushButton>("cmdStorno")->x());
    }

    // The table grows with the window as the chart does: more rows, and OK clear of the frame.
    void tabulkaRoste() {
        Okno o(Priklad());
        o.okno.ZobrazTabulku();
        auto* grid = o.w<QTableView>("grdTabulka");
        QVERIFY(grid->isVisible());
        QCOMPARE(o.okno.maximumHeight(), QWIDGETSIZE_MAX);
        const int vyska = grid->height();
        const int radek = grid->verticalHeader()->defaultSectionSize();
        const QSize pred = o.okno.size();
        o.okno.resize(pred + QSize(300, 200));
        QApplication::sendPostedEvents();
        QCOMPARE(o.okno.height(), pred.height() + 200);
        QVERIFY2(grid->height() >= vyska + 4 * radek, qPrintable(QString::number(grid->height())));
        QVERIFY(grid->geometry().bottom() < o.okno.centralWidget()->height());
        const QRect ok = o.w<QPushButton>("cmdOK")->geometry();
        QVERIFY(!ok.intersects(o.w<QWidget>("fraVykon")->geometry()) && !ok.intersects(grid->geometry()));
        QVERIFY(o.zavriEsc());
    }

    // Zoomed axes tick on 1, 2 or 5 times a power of ten with the
    // user's decimal separator, and zooming out ends at the whole chart.
    void osy() {
        Lokal cesky("cs_CZ");
        Graf g;
        g.resize(520, 360);
        g.nastavPismo(QFont(QStringLiteral("Arial"), 16));
        g.nastavRady({{"aktuální", Qt::blue, {{0, 20}, {600, 900}}, Qt::SolidLine, false},
                      {"porovnani_dlouhy_nazev.odp", Qt::red, {{0, 20}, {700, 950}}, Qt::SolidLine, false},
                      {"Naměřeno", Qt::black, {{0, 25}, {650, 880}}, Qt::SolidLine, true}});
        g.nastavCteni(true);
        g.show();
        QApplication::sendPostedEvents();
        // The time axis's first label, "0", stands under the plot's corner: the labels are written.
        const QPoint roh = g.mapFromScene(g.chart()->mapToScene(g.chart()->plotArea().bottomLeft()));
        const QImage obraz = g.grab().toImage();
        int tmavych = 0;
        for (int y = roh.y() + 7; y < roh.y() + 7 + g.fontMetrics().height(); ++y) {
            for (int x = roh.x() - 8; x <= roh.x() + 8; ++x) {
                tmavych += qGray(obraz.pixel(x, y)) < 128 ? 1 : 0;
            }
        }
        QVERIFY(tmavych > 0);
        const QRectF cely = g.rozsahOs();
        const QPoint p = g.mapFromScene(g.chart()->mapToScene(g.chart()->plotArea().center()));
        const auto kolo = [&](int o) {
            QWheelEvent e(p, g.viewport()->mapToGlobal(p), {}, {0, o}, Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
            QApplication::sendEvent(g.viewport(), &e);
        };
        kolo(360);
        auto* x = qobject_cast<QValueAxis*>(g.chart()->axes(Qt::Horizontal).first());
        QCOMPARE(x->tickType(), QValueAxis::TicksDynamic);
        const double mantisa = x->tickInterval() / std::pow(10.0, std::floor(std::log10(x->tickInterval())));
        QVERIFY2(qAbs(mantisa - 1) < 1e-9 || qAbs(mantisa - 2) < 1e-9 || qAbs(mantisa - 5) < 1e-9,
                 qPrintable(QString::number(x->tickInterval())));
        QVERIFY(g.chart()->localizeNumbers() && g.chart()->locale().decimalPoint() == QStringLiteral(","));
        for (int i = 0; i < 6; ++i) {
            kolo(-360);
        }
        QCOMPARE(g.rozsahOs(), cely);
        QCOMPARE(x->tickType(), QValueAxis::TicksFixed);
    }

    void omezeni_data() {
        QTest::addColumn<float>("prikon");
        QTest::addColumn<QString>("sloupec");
        QTest::addColumn<QString>("legenda");
        QTest::newRow("controlled") << 0.0f << "Furnace Temperature\n[°C]" << "Furnace";
        QTest::newRow("controlled, limited to 30 kW")
            << 30000.0f << "Furnace Temperature\n(equivalent under the power limit)\n[°C]"
            << "Furnace (equivalent, power-limited)";
    }

    // Under a power limit the furnace column and curve are the equivalent temperatures of the
    // limited power, and their heading and legend say so.
    void omezeni() {
        QFETCH(float, prikon);
        QFETCH(QString, sloupec);
        QFETCH(QString, legenda);
        Uloha u = Priklad(true);
        u.Prikon = prikon;
        Okno o(u);
        o.okno.ZobrazTabulku();
        QCOMPARE(o.w<QTableView>("grdTabulka")->model()->headerData(2, Qt::Horizontal).toString(), sloupec);
        o.okno.ZavriPohled();
        o.okno.ZobrazGraf();
        QCOMPARE(o.nazvy(), (QStringList{"Charge", legenda}));
    }

    void legenda_data() {
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QSize>("obraz");  // an export of that size; none: the widget on screen
        QTest::addColumn<QStringList>("nazvy");
        const QStringList en{"current", "cs.2026-12-07 night shift, charge 14.odp",
                             "comparison of the slow furnace after its repair.odp", "Fitted", "Measured"};
        const QStringList cs{"aktuální", "cs.2026-12-07 night shift, charge 14.odp",
                             "comparison of the slow furnace after its repair.odp", "Proloženo", "Naměřeno"};
        QTest::newRow("English, 1366 x 768 screen") << 0 << QSize() << en;
        QTest::newRow("Czech, 1366 x 768 screen") << 1 << QSize() << cs;
        QTest::newRow("English, 2400 x 1800 export") << 0 << QSize(2400, 1800) << en;
        QTest::newRow("Czech, 2400 x 1800 export") << 1 << QSize(2400, 1800) << cs;
        QTest::newRow("Czech, narrow 600 x 1800 export") << 1 << QSize(600, 1800) << cs;
    }

    // A comparison with long file names, a fit and a measured log: the legend names every curve
    // whole, below the plot, each name clear of the others and inside the chart, on screen and
    // in an export.
    void legenda() {
        QFETCH(int, jazyk);
        QFETCH(QSize, obraz);
        QFETCH(QStringList, nazvy);
        const Jazyk j = jazyk == 0 ? Jazyk::Anglicky : Jazyk::Cesky;
        ObsahGrafu obsah;
        obsah.vysledek = Spocti(Priklad()).vysledek;
        for (int i = 1; i <= 2; ++i) {
            obsah.srovnani.append({nazvy.at(i), Spocti(Priklad(true)).vysledek});
        }
        obsah.prolozeni = obsah.vysledek;
        for (int t = 0; t <= 400; t += 100) {
            obsah.mereni.push_back({static_cast<double>(t), 20.0 + 2.0 * t, std::nullopt});
        }
        Graf g;
        NaplnGraf(g, obsah, j);
        if (obraz.isEmpty()) {
            // The chart of the main window maximised on a 1366 x 768 screen.
            g.resize(1366, 640);
            g.show();
            QApplication::sendPostedEvents();
        } else {
            // As an export lays it out: 800 x 600 pixels' area in the picture's proportions.
            const double k = std::sqrt(800.0 * 600.0 / (obraz.width() * obraz.height()));
            const QSize plocha(qRound(obraz.width() * k), qRound(obraz.height() * k));
            g.resize(plocha);
            g.chart()->resize(QSizeF(plocha));
            QImage img(obraz, QImage::Format_RGB32);
            QPainter painter(&img);
            g.vykresli(painter, QRectF(QPointF(0, 0), QSizeF(obraz)));
        }
        const QList<LegendaGrafu::Umisteni> legenda = g.legenda();
        QStringList texty;
        const QRectF graf(QPointF(0, 0), g.chart()->size());
        QVERIFY(graf.width() <= g.width() && graf.height() <= g.height());
        for (qsizetype i = 0; i < legenda.size(); ++i) {
            texty << legenda.at(i).text;
            const QRectF r = legenda.at(i).obdelnik;
            QVERIFY2(graf.contains(r), qPrintable(legenda.at(i).text));
            QVERIFY2(r.top() >= g.chart()->plotArea().bottom(), qPrintable(legenda.at(i).text));
            for (qsizetype k = 0; k < i; ++k) {
                QVERIFY2(!r.intersects(legenda.at(k).obdelnik), qPrintable(legenda.at(i).text));
            }
        }
        QCOMPARE(texty, (QStringList{nazvy.at(0), nazvy.at(1), nazvy.at(2), nazvy.at(3), nazvy.at(4)}));
    }

    // Results compared are drawn each in a colour of its own, the one shown in the blue of a
    // result alone, the others in the order they came; no more than the chart compares.
    void barvySrovnani() {
        ObsahGrafu obsah;
        obsah.vysledek = Spocti(Priklad()).vysledek;
        for (int i = 1; i <= kNejvicVysledku; ++i) {
            obsah.srovnani.append({QStringLiteral("%1.odp").arg(i), Spocti(Priklad(true)).vysledek});
        }
        Graf g;
        NaplnGraf(g, obsah, Jazyk::Anglicky);
        QList<QColor> barvy;
        for (int i = 0; i < g.pocetRad(); ++i) {
            barvy << g.barvaRady(i);
        }
        QCOMPARE(barvy, (QList<QColor>{QColor(0, 0, 255), QColor(255, 0, 0), QColor(0, 128, 0), QColor(230, 120, 0),
                                       QColor(200, 0, 200), QColor(0, 150, 160)}));
    }

    // Brick and fibre compared: Furnaces... shows them side by side, a day taking a cycle's energy
    // 86400 s over the cycle time times (in the locale's numbers), and the report lists both.
    void porovnaniPeci_data() {
        QTest::addColumn<QString>("lokal");
        QTest::newRow("point") << QStringLiteral("en_US");
        QTest::newRow("comma") << QStringLiteral("cs_CZ");
    }
    void porovnaniPeci() {
        QFETCH(QString, lokal);
        Uloha cihla = Priklad();
        cihla.Pec = Box();
        cihla.CenaEnergie = 0.2f;
        Okno o(cihla);
        Lokal l(lokal.toLatin1().constData());
        Uloha vlakno = cihla;
        vlakno.Pec->Steny = {{Refraktor{"fibre", 128.0f, {{20.0f, 1050.0f}}, {{200.0f, 0.06f}, {1000.0f, 0.25f}}}, 0.25f}};
        const QString b = o.slozka.filePath(QStringLiteral("b.odp"));
        const VysledekVypoctu vb = Spocti(vlakno);
        QVERIFY(!UlozSoubor(b, vlakno, vb.vysledek.get(), QString(), Jazyk::Anglicky));
        o.d.soubory = {b};
        o.okno.PorovnejS();
        QStringList sloupce;
        std::map<QString, QStringList> radky;
        NaOkno na("frmPorovnaniPeci", [&](QWidget* w) {
            auto* t = Dite<QTableWidget>(w, "grdPorovnaniPeci");
            for (int c = 0; c < t->columnCount(); ++c) {
                sloupce << t->horizontalHeaderItem(c)->text();
                for (int r = 0; r < t->rowCount(); ++r) {
                    radky[t->verticalHeaderItem(r)->text()] << t->item(r, c)->text();
                }
            }
            Dite<QPushButton>(w, "cmdPorovnaniPeciOK")->click();
        });
        o.w<QPushButton>("cmdPorovnaniPeci")->click();
        QVERIFY(na.probehlo());
        QCOMPARE(sloupce, (QStringList{"vysledky.odp", "b.odp"}));
        const auto cislo = [&radky](const char* radek, int c) { return QLocale().toDouble(radky[radek].value(c)); };
        for (int c = 0; c < 2; ++c) {
            const double den = cislo("Electric Energy per Day [kWh]", c);
            QVERIFY(den > 0.0 && std::abs(den - cislo("Electric Energy per Cycle [kWh]", c) * 86400.0 /
                                                    cislo("Cycle Time [s]", c)) < 1e-5 * den);
            QVERIFY(std::abs(cislo("Cost per Day", c) - 0.2 * den) < 1e-5 * den);
        }
        QVERIFY(std::abs(cislo("Walls per Cycle [kWh]", 1) - vb.vysledek->Pec->cyklus.steny / 3.6e6) < 1e-6);
        const QString pdf = o.slozka.filePath(QStringLiteral("z.pdf"));
        PodkladyZpravy z{Spocti(cihla).vysledek, Jazyk::Anglicky, QDate(2024, 1, 1)};
        z.srovnani = {{QStringLiteral("b.odp"), vb.vysledek}};
        QVERIFY(!UlozZpravuPdf(z, pdf));
        QProcess text;
        text.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        QVERIFY(text.waitForFinished(30000));
        const QString t = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(t.contains(QStringLiteral("Furnaces Compared current b.odp")) && t.contains(QStringLiteral("Cycles per Day")),
                 qPrintable(t));
    }

    // Results compared get a named curve each, until cleared; a log that cannot be read changes
    // nothing; a good one is fitted and its emissivity put into the problem.
    void pridane() {
        Okno o(Priklad());
        const QString b = o.slozka.filePath(QStringLiteral("b.odp"));
        QVERIFY(!UlozSoubor(b, Priklad(true), Spocti(Priklad(true)).vysledek.get(), QString(), Jazyk::Anglicky));
        o.d.soubory = {b};
        o.okno.PorovnejS();
        QCOMPARE(o.nazvy(), (QStringList{"vysledky.odp", "b.odp"}));
        // The same file again, by another path to it: told, and not drawn twice.
        o.okno.ZavriPohled();
        o.d.soubory = {o.slozka.filePath(QStringLiteral("./b.odp"))};
        o.okno.PorovnejS();
        QCOMPARE(o.nazvy(), (QStringList{"vysledky.odp", "b.odp"}));
        QCOMPARE(o.d.posledni(), QStringLiteral("b.odp is already in the comparison."));
        QVERIFY(o.w<Graf>("FlpGrf1")->barvaRady(0) != o.w<Graf>("FlpGrf1")->barvaRady(1));
        o.okno.ZavriPohled();
        o.okno.ZrusPorovnani();
        o.d.zpravy.clear();
        Uloha u = Priklad();
        u.Eps = 0.6f;
        const VysledekVypoctu beh = Spocti(u);
        QString log = "time_s,charge_C\n";
        for (int t = 0; t <= 600; t += 50) {
            log += QStringLiteral("%1,%2\n").arg(t).arg(*TeplotaVCase(*beh.vysledek, t));
        }
        // A header of other names asks for the columns: Cancel loads nothing; the columns
        // chosen read a Czech spreadsheet's log (semicolons, decimal commas, CR line ends,
        // Windows-1250, where č is the byte E8) to the points of the log's own form.
        QString cesky = log;
        cesky.replace(QLatin1Char(','), QLatin1Char(';')).replace(QLatin1Char('.'), QLatin1Char(',')).replace(QLatin1Char('\n'), QLatin1Char('\r'));
        cesky = QStringLiteral("poznámka;čas;teplota vsázky") + cesky.mid(cesky.indexOf(QLatin1Char('\r'))).replace(QLatin1Char('\r'), QStringLiteral("\r-;"));
        cesky.chop(2);
        QList<QPointF> body;
        const std::pair<QString, int> logy[] = {{log.mid(1), 0}, {cesky, 1}, {log, 2}};
        for (const auto& polozka : logy) {
            const QString& obsah = polozka.first;
            const int krok = polozka.second;  // a lambda takes no structured binding in every compiler
            o.okno.ZobrazGraf();
            o.okno.ZavriPohled();
            QFile f(o.slozka.filePath("log.csv"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(krok == 1 ? QString(obsah).replace(QChar(0x10D), QChar(0xE8)).toLatin1() : obsah.toUtf8()) > 0);
            f.close();
            o.d.soubory = {f.fileName()};
            QStringList nabidka;
            NaOkno sloupce("frmSloupceMereni", [&nabidka, krok](QWidget* w) {
                auto* cas = Dite<QComboBox>(w, "cboCas");
                for (int i = 0; i < cas->count(); ++i) {
                    nabidka << cas->itemText(i);
                }
                if (krok == 0) {
                    Dite<QPushButton>(w, "cmdStorno")->click();
                    return;
                }
                cas->setCurrentIndex(1);
                Dite<QComboBox>(w, "cboVsazka")->setCurrentIndex(2);
                Dite<QPushButton>(w, "cmdOK")->click();
            });
            o.okno.ImportujMereni();
            QCOMPARE(sloupce.probehlo(), krok < 2);
            if (krok == 0) {
                QCOMPARE(nabidka, QStringList({"1: ime_s", "2: charge_C"}));
                QCOMPARE(o.d.zpravy.size(), 0);
                QCOMPARE(o.nazvy(), QStringList{""});
            } else if (krok == 1) {
                QCOMPARE(nabidka, QStringList({"1: poznámka", "2: čas", "3: teplota vsázky"}));
                QCOMPARE(o.d.zpravy.size(), 0);
                body = o.w<Graf>("FlpGrf1")->bodyRady(1);
            }
        }
        QCOMPARE(o.nazvy(), (QStringList{"Charge", "Measured: log.csv"}));
        QCOMPARE(body.size(), 13);
        QCOMPARE(o.w<Graf>("FlpGrf1")->bodyRady(1), body);
        o.w<QPushButton>("cmdPrizpusob")->click();
        auto* odpoved = o.w<QLabel>("lblPrizpusobeni");
        QVERIFY2(odpoved->text().startsWith("Emissivity (Material+Inwall) [-]: 0.6"), qPrintable(odpoved->text()));
        // Each line of the answer whole on a line of its own, under the chart.
        for (const QString& radek : odpoved->text().split(QLatin1Char('\n'))) {
            QVERIFY2(odpoved->width() >= odpoved->fontMetrics().horizontalAdvance(radek), qPrintable(radek));
        }
        QVERIFY(odpoved->geometry().top() >= o.w<Graf>("FlpGrf1")->geometry().bottom());
        o.w<QPushButton>("cmdPouzijEps")->click();
        QVERIFY(!o.w<Graf>("FlpGrf1")->isVisible() && qAbs(o.okno.uloha().Eps - 0.6f) < 0.001f);
        QVERIFY(o.d.posledni().startsWith("The problem now holds Emissivity (Material+Inwall) [-]: 0.6"));
        // The same log twice as fast: no emissivity up to 1 heats the charge so, and the window
        // says so rather than offer one.
        QString rychly = QStringLiteral("time_s,charge_C\n");
        for (int t = 0; t <= 600; t += 50) {
            rychly += QStringLiteral("%1,%2\n").arg(t / 2).arg(*TeplotaVCase(*beh.vysledek, t));
        }
        QFile f(o.slozka.filePath("rychly.csv"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(rychly.toUtf8()) > 0);
        f.close();
        o.d.odpovedi = {false};  // the log of the result before goes
        o.okno.Vypocti();
        QCOMPARE(o.d.otazky.size(), 1);
        o.d.soubory = {f.fileName()};
        o.okno.ImportujMereni();
        o.w<QPushButton>("cmdPrizpusob")->click();
        QVERIFY2(o.w<QLabel>("lblPrizpusobeni")->text().startsWith("No emissivity fits the measured log: the best lies "
                                                                   "at the end of the range, ε 1"),
                 qPrintable(o.w<QLabel>("lblPrizpusobeni")->text()));
        QVERIFY(!o.w<QPushButton>("cmdPouzijEps")->isEnabled());
    }
};

ZORVET_TEST_OKEN(PohledyTest);

}  // namespace zorvet::test

#include "pohledy_test.moc"
