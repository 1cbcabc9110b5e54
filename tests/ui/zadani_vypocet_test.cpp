// The program's main use from end to end: Problem, Setting; the problem typed into the
// dialog; OK; Problem, Computing reports the time of the heat-up. Offscreen, through the
// main window's menu items and the dialog's own widgets.
#include <QAction>
#include <QApplication>
#include <QLocale>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>

#include "support/skriptovane_dialogy.h"
#include "ui/dialogy_okna.h"
#include "ui/frm_zadani.h"
#include "ui/frm_zorvet.h"
#include "zadani_ovladani.h"

using namespace zorvet;
using zorvet::test::OvladaniZadani;
using zorvet::test::SkriptovaneDialogy;

namespace {

// The windows' Dialogy answered in code; nothing is printed.
class DialogyVTestu : public DialogyOken {
public:
    void zprava(Ikona ikona, const QString& titulek, const QString& text) override {
        skript.zprava(ikona, titulek, text);
    }
    bool otazka(const QString& titulek, const QString& text) override { return skript.otazka(titulek, text); }
    std::optional<QString> vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) override {
        return skript.vstup(vyzva, titulek, vychozi);
    }
    std::optional<QString> otevritSoubor(const QString& filtr, int index) override {
        return skript.otevritSoubor(filtr, index);
    }
    std::optional<QString> ulozitSoubor(const QString& filtr, int index) override {
        return skript.ulozitSoubor(filtr, index);
    }
    void kurzorCekani() override { skript.kurzorCekani(); }
    void kurzorNormalni() override { skript.kurzorNormalni(); }
    VysledekTisku tiskni(const QString&, const Kresleni&) override { return VysledekTisku::ZadnaTiskarna; }

    SkriptovaneDialogy skript;
};

QAction* polozka(const FrmZorvet& okno, const char* pole, int index) {
    for (QAction* a : okno.findChildren<QAction*>(QLatin1String(pole))) {
        if (a->property("Index").toInt() == index) {
            return a;
        }
    }
    qFatal("the main window has no item %s(%d)", pole, index);
}

// Opens Problem, Setting and fills the dialog while it waits modally. A dialog still
// open after 20 s is closed (as Cancel), so that a stuck test fails instead of hanging.
bool vyplnZadani(FrmZorvet& okno, const std::function<void(OvladaniZadani&)>& vyplneni) {
    bool vyplneno = false;
    QTimer::singleShot(0, &okno, [&] {
        auto* dialog = qobject_cast<FrmZadani*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        OvladaniZadani o(dialog);
        o.aktivni = QTest::qWaitForWindowActive(dialog);
        vyplneni(o);
        vyplneno = true;
    });
    QTimer hlidac;
    hlidac.setSingleShot(true);
    QObject::connect(&hlidac, &QTimer::timeout, [] {
        if (QWidget* modalni = QApplication::activeModalWidget()) {
            modalni->close();
        }
    });
    hlidac.start(20000);
    polozka(okno, "mnuUlohaItem", 0)->trigger();
    return vyplneno && QApplication::activeModalWidget() == nullptr;
}

}  // namespace

class ZadaniVypocetTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(nastaveni_.isValid());
        // The stored language is read from a settings folder of this test's own.
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(nastaveni_.path()));
    }

    void celyPostup_data() {
        QTest::addColumn<QString>("lokal");
        QTest::newRow("point") << "en_US";
        QTest::newRow("comma") << "cs_CZ";
    }
    void celyPostup() {
        QFETCH(QString, lokal);
        QLocale::setDefault(QLocale(lokal));
        const QString emisivita = QStringLiteral("0") + QLocale().decimalPoint() + QStringLiteral("8");
        auto stav = std::make_unique<Stav>();
        DialogyVTestu dialogy;
        FrmZorvet okno(*stav, dialogy);
        okno.Nacti(false);
        okno.show();
        QVERIFY(QTest::qWaitForWindowActive(&okno));
        QVERIFY(!polozka(okno, "mnuUlohaItem", 1)->isEnabled());

        QVERIFY(vyplnZadani(okno, [&](OvladaniZadani& o) {
            o.pis("txtTpece", QStringLiteral("1000"));
            o.pis("txtTv", QStringLiteral("20"));
            o.pis("txtTk", QStringLiteral("900"));
            o.pis("txtc", QStringLiteral("500"));
            o.pis("txtEps", emisivita);
            o.klik("optMza");
            o.pis("txtm", QStringLiteral("100"));
            o.pis("txtA", QStringLiteral("1"));
            o.pis("txtCasKrok", QStringLiteral("10"));
            o.klik("cmdOK");
        }));
        QVERIFY(dialogy.skript.zpravy.isEmpty());
        QVERIFY(polozka(okno, "mnuUlohaItem", 1)->isEnabled());
        polozka(okno, "mnuUlohaItem", 1)->trigger();
        QCOMPARE(dialogy.skript.zpravy.size(), 1);
        QCOMPARE(dialogy.skript.zpravy[0].titulek, QStringLiteral("End of Job"));
        QCOMPARE(dialogy.skript.zpravy[0].text, QStringLiteral("Final temperature 901 °C have been obtained during 470 s."));

        // The same charge in a furnace that ramps to 1000 °C in 600 s and holds 1200 s.
        QVERIFY(vyplnZadani(okno, [&](OvladaniZadani& o) {
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
        }));
        QCOMPARE(dialogy.skript.zpravy.size(), 1);
        polozka(okno, "mnuUlohaItem", 1)->trigger();
        QCOMPARE(dialogy.skript.zpravy.size(), 2);
        QVERIFY2(dialogy.skript.zpravy[1].text.endsWith(QStringLiteral(" 900 s.")),
                 qPrintable(dialogy.skript.zpravy[1].text));
        QCOMPARE(stav->PocetKroku, 90);
        QCOMPARE(dialogy.skript.neocekavane, 0);
    }

private:
    QTemporaryDir nastaveni_;
};

QTEST_MAIN(ZadaniVypocetTest)
#include "zadani_vypocet_test.moc"
