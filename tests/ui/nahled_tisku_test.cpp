// Printing the chart: the preview first, the choice of printer only when there is one to
// make, and what the chart view does with each outcome. The printer is a PDF file here, so
// that what went to paper can be looked at.
#include <QAction>
#include <QFile>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrintPreviewWidget>
#include <QPrinter>

#include "files/nastaveni.h"
#include "files/retezce.h"
#include "okna_pomoc.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

QAction* akceTisku(QWidget* nahled) {
    const QString text = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    for (QAction* a : nahled->findChildren<QAction*>()) {
        if (a->text() == text) {
            return a;
        }
    }
    return nullptr;
}

}  // namespace

class NahledTiskuTest : public QObject {
    Q_OBJECT
private slots:
    void init() { UlozJazyk(kAnglicky); }

    void previewThenPrint_data() {
        QTest::addColumn<bool>("vyber");       // more than one printer installed
        QTest::addColumn<QStringList>("kroky");  // what the user does, dialog by dialog
        QTest::addColumn<int>("vysledek");
        QTest::newRow("one printer: printed from the preview, no choice")
            << false << QStringList{"print"} << int(VysledekTisku::Vytisteno);
        QTest::newRow("preview closed") << false << QStringList{"close"} << int(VysledekTisku::Zruseno);
        QTest::newRow("several printers: one chosen")
            << true << QStringList{"print", "choose"} << int(VysledekTisku::Vytisteno);
        QTest::newRow("several printers: choice cancelled, back in the preview, closed")
            << true << QStringList{"print", "cancel", "close"} << int(VysledekTisku::Zruseno);
        QTest::newRow("several printers: choice cancelled, then printed after all")
            << true << QStringList{"print", "cancel", "print", "choose"} << int(VysledekTisku::Vytisteno);
    }
    void previewThenPrint() {
        QFETCH(bool, vyber);
        QFETCH(QStringList, kroky);
        QFETCH(int, vysledek);
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("tisk.pdf"));
        QPrinter tiskarna(QPrinter::HighResolution);
        tiskarna.setOutputFormat(QPrinter::PdfFormat);
        tiskarna.setOutputFileName(pdf);

        HlidacModalu hlidac;
        QStringList videno;  // object names of the dialogs, in order
        int stranekNahledu = -1;
        for (const QString& krok : kroky) {
            hlidac.ocekavej([&, krok](QWidget* w) {
                videno.append(w->objectName());
                if (auto* nahled = qobject_cast<QPrintPreviewDialog*>(w)) {
                    QCOMPARE(nahled->windowTitle(), QStringLiteral("Print Preview"));
                    if (auto* stranky = nahled->findChild<QPrintPreviewWidget*>()) {
                        stranekNahledu = stranky->pageCount();
                    }
                    if (krok == QLatin1String("print")) {
                        QAction* tisk = akceTisku(nahled);
                        QVERIFY(tisk != nullptr);
                        tisk->trigger();
                    } else {
                        nahled->reject();
                    }
                } else if (auto* volba = qobject_cast<QPrintDialog*>(w)) {
                    if (krok == QLatin1String("choose")) {
                        volba->accept();
                    } else {
                        volba->reject();
                    }
                }
            });
        }
        int kresleni = 0;
        const VysledekTisku v = TiskniSNahledem(
            tiskarna, vyber, Text(197, kAnglicky),
            [&kresleni](QPainter& p, const QRectF& cil) {
                ++kresleni;
                p.fillRect(cil.adjusted(cil.width() / 4, cil.height() / 4, -cil.width() / 4, -cil.height() / 4),
                           Qt::blue);
            },
            nullptr);
        QCOMPARE(hlidac.zbyva(), 0);
        QVERIFY2(hlidac.cizi.isEmpty(), qPrintable(hlidac.cizi.join(QLatin1Char(','))));
        QCOMPARE(int(v), vysledek);
        // The dialogs came in the order the user met them.
        QStringList ocekavane;
        for (const QString& krok : kroky) {
            ocekavane.append(krok == QLatin1String("choose") || krok == QLatin1String("cancel")
                                 ? QStringLiteral("volbaTiskarny")
                                 : QStringLiteral("nahledTisku"));
        }
        QCOMPARE(videno, ocekavane);
        QCOMPARE(stranekNahledu, 1);
        QFile vytisk(pdf);
        if (v == VysledekTisku::Vytisteno) {
            QVERIFY(vytisk.open(QIODevice::ReadOnly));
            QVERIFY(vytisk.read(5) == "%PDF-");
            // Drawn for the preview, then once more for the paper.
            QVERIFY(kresleni >= 2);
        } else {
            QVERIFY(!vytisk.exists());
        }
    }
};

ZORVET_TEST_MAIN(NahledTiskuTest)
#include "nahled_tisku_test.moc"
