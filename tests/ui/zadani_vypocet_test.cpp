// The program's main use from end to end: Problem, Setting; the problem typed into the
// dialog; OK; Problem, Computing reports the time of the heat-up. Offscreen, through the
// main window's menu items and the dialog's own widgets.
#include <QLocale>

#include "okna_pomoc.h"
#include "zadani_ovladani.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

// Opens Problem, Setting and fills the dialog while it waits modally.
void vyplnZadani(Sezeni& s, const std::function<void(OvladaniZadani&)>& vyplneni) {
    s.hlidac.ocekavej([vyplneni](QWidget* w) {
        auto* dialog = qobject_cast<QDialog*>(w);
        QVERIFY(dialog != nullptr);
        OvladaniZadani o(dialog);
        o.aktivni = QTest::qWaitForWindowActive(dialog);
        vyplneni(o);
    });
    s.polozka("mnuUlohaItem", 0)->trigger();
    QCOMPARE(s.hlidac.zbyva(), 0);
    QVERIFY(s.hlidac.cizi.isEmpty());
}

}  // namespace

class ZadaniVypocetTest : public QObject {
    Q_OBJECT

private slots:
    void celyPostup_data() {
        QTest::addColumn<QString>("lokal");
        QTest::newRow("point") << "en_US";
        QTest::newRow("comma") << "cs_CZ";
    }
    void celyPostup() {
        QFETCH(QString, lokal);
        QLocale::setDefault(QLocale(lokal));
        Sezeni s;
        QVERIFY(!s.polozka("mnuUlohaItem", 1)->isEnabled());
        vyplnZadani(s, [](OvladaniZadani& o) {
            o.pis("txtTpece", QStringLiteral("1000"));
            o.pis("txtTv", QStringLiteral("20"));
            o.pis("txtTk", QStringLiteral("900"));
            o.pis("txtc", QStringLiteral("500"));
            o.pis("txtEps", QStringLiteral("0") + QLocale().decimalPoint() + QStringLiteral("8"));
            o.klik("optMza");
            o.pis("txtm", QStringLiteral("100"));
            o.pis("txtA", QStringLiteral("1"));
            o.pis("txtCasKrok", QStringLiteral("10"));
            o.klik("cmdOK");
        });
        const auto& zpravy = s.dialogy.d.zpravy;
        QVERIFY(zpravy.isEmpty());
        s.polozka("mnuUlohaItem", 1)->trigger();
        QCOMPARE(zpravy.size(), 1);
        QCOMPARE(zpravy[0].titulek, QStringLiteral("End of Job"));
        QCOMPARE(zpravy[0].text, QStringLiteral("Final temperature 901 °C have been obtained during 470 s."));

        // The same charge in a furnace that ramps to 1000 °C in 600 s and holds 1200 s.
        vyplnZadani(s, [](OvladaniZadani& o) {
            o.klik("optRizeny");
            o.zvolText("cboPocetKrivek", QStringLiteral("2"));
            o.zvolText("cboUsekC", QStringLiteral("1"));
            o.pis("txtPocTep", QStringLiteral("20"));
            o.pis("txtKonTep", QStringLiteral("1000"));
            o.pis("txtDobaVydrze", QStringLiteral("600"));
            o.zvolText("cboUsekC", QStringLiteral("2"));
            o.pis("txtKonTep", QStringLiteral("1000"));
            o.pis("txtDobaVydrze", QStringLiteral("1200"));
            o.klik("cmdOK");
        });
        s.polozka("mnuUlohaItem", 1)->trigger();
        QCOMPARE(zpravy.size(), 2);
        QVERIFY2(zpravy[1].text.endsWith(QStringLiteral(" 900 s.")), qPrintable(zpravy[1].text));
        QCOMPARE(s.stav->PocetKroku, 90);
        QCOMPARE(s.dialogy.d.neocekavane, 0);
    }
};

ZORVET_TEST_MAIN(ZadaniVypocetTest)
#include "zadani_vypocet_test.moc"
