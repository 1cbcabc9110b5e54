// The main window: the commands each menu offers as the session goes on, the worked examples
// typed through the problem dialog and computed, a failed run, the questions before unsaved
// work is lost, the language, the splash and the real save dialog.
#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <list>
#include <sys/stat.h>
#include <QAbstractFileIconProvider>
#include <QFileDialog>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QTextBrowser>
#include <algorithm>

#include "files/cisla.h"
#include "files/jazyk.h"
#include "files/soubor.h"
#include "model/planning/planovani.h"
#include "model/pipeline/vypocet.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/priklady.h"
#include "ui/common/dialogy_okna.h"
#include "ui/main_window/frm_zorvet.h"
#include "ui/planning/frm_cil.h"
#include "ui/planning/frm_rozmitani.h"
#include "ui/main_window/napoveda.h"
#include "ui/common/graf.h"
#include "files/retezce.h"
#include "ui/common/ukladani.h"

Q_DECLARE_METATYPE(zorvet::Volba)
Q_DECLARE_METATYPE(zorvet::Velicina)

namespace zorvet::test {

namespace {

// The worked example typed into a new problem, then OK.
QStringList PrikladVDialogu(bool rizeny, const QString& eps = "0.8", const QString& krok = "10") {
    QStringList kroky{"txtTpece=1000"};
    if (rizeny) {
        kroky = {"optRizeny",  "txtPocTep=20",   "txtKonTep=1000",    "txtDobaVydrze=600",
                 "cboUsekC=2", "txtKonTep=1000", "txtDobaVydrze=1200"};
    }
    return kroky << "txtTv=20" << "txtTk=900" << "txtc=500" << "txtEps=" + eps << "optMza" << "txtm=100" << "txtA=1"
                 << "txtCasKrok=" + krok << "cmdOK";
}

struct Okno {
    Nastaveni nastaveni;
    TestDialogy d;
    FrmZorvet okno{nastaveni, d};

    Okno() {
        okno.Nacti(false);
        okno.show();
        QApplication::setActiveWindow(&okno);
    }
    // Setting from the Problem menu; the dialog is worked through from its own loop.
    bool zadej(const QStringList& kroky) {
        NaOkno na("frmZadani", [&kroky](QWidget* z) {
            Proved(z, kroky);
            if (z->isVisible()) {
                static_cast<QDialog*>(z)->reject();
            }
        });
        okno.Zadani();
        return na.probehlo();
    }
    // The example accepted and computed, its message taken.
    void spocti(bool rizeny = false) {
        QVERIFY(zadej(PrikladVDialogu(rizeny)));
        okno.Vypocti();
        QCOMPARE(d.zpravy.size(), 1);
        d.zpravy.clear();
    }
    QAction* polozka(const char* pole, int index) {
        const QList<QAction*> polozky = okno.findChildren<QAction*>(QLatin1String(pole));
        const auto i = std::find_if(polozky.begin(), polozky.end(),
                                    [index](QAction* a) { return a->property("Index") == index; });
        return i == polozky.end() ? nullptr : *i;
    }
    // The commands that depend on the session, those enabled.
    QString povoleno() {
        const QString s = polozka("mnuFileItem", 1)->isEnabled() ? "Save " : "";
        const QString c = polozka("mnuUlohaItem", 1)->isEnabled() ? "Computing " : "";
        const QString r = Dite<QMenu>(&okno, "mnuVysledky")->menuAction()->isEnabled() ? "Results" : "";
        return (s + c + r).trimmed();
    }
};

QByteArray PrvniRadek(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readLine().trimmed() : QByteArray();
}

}  // namespace

class OknoTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    void priklad_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<QString>("eps");
        QTest::addColumn<QString>("krok");
        QTest::addColumn<QString>("zprava");
        const QString zprava = QStringLiteral("Final temperature %1 °C have been obtained during %2 s.");
        QTest::newRow("decimal point") << "en_US" << false << "0.8" << "10" << zprava.arg(901).arg(470);
        QTest::newRow("decimal comma") << "cs_CZ" << false << "0,8" << "10" << zprava.arg(901).arg(470);
        QTest::newRow("point under the comma") << "cs_CZ" << false << "0.6" << "10" << zprava.arg(904).arg(620);
        QTest::newRow("comma under the point") << "en_US" << false << "0,6" << "10" << zprava.arg(904).arg(620);
        QTest::newRow("controlled") << "en_US" << true << "0.8" << "10" << zprava.arg(901).arg(900);
        QTest::newRow("tenth of a second") << "cs_CZ" << false << "0,8" << "0,1" << zprava.arg(900).arg(469);
    }

    // The worked example from a new window to its result, and the commands on the way; either
    // decimal separator is read as such, whatever the locale.
    void priklad() {
        QFETCH(QString, lokal);
        QFETCH(bool, rizeny);
        QFETCH(QString, eps);
        QFETCH(QString, krok);
        QFETCH(QString, zprava);
        Lokal l(qPrintable(lokal));
        Okno o;
        QCOMPARE(o.povoleno(), QString());
        o.okno.Uloz();
        QCOMPARE(o.d.pripony, QStringList());
        QVERIFY(o.zadej(PrikladVDialogu(rizeny, eps, krok)));
        QCOMPARE(o.povoleno(), QStringLiteral("Computing"));
        o.okno.Vypocti();
        QCOMPARE(o.d.zpravy.size(), 1);
        QCOMPARE(o.d.zpravy[0].ikona, Ikona::Informace);
        QCOMPARE(o.d.zpravy[0].titulek, QStringLiteral("End of Job"));
        QCOMPARE(o.d.zpravy[0].text, zprava);
        QCOMPARE(o.povoleno(), QStringLiteral("Save Computing Results"));
        QCOMPARE(o.d.neocekavane, 0);
    }

    // An installed power too small for the charge: the message says until when it limited the
    // heating, and the power frame starts from the losses that power covers and shows it.
    void omezenyPrikon() {
        Okno o;
        QStringList kroky = PrikladVDialogu(false);
        kroky.insert(kroky.size() - 1, QStringLiteral("txtPrikon=40"));
        kroky.insert(kroky.size() - 1, QStringLiteral("txtZtratyPrikonu=10"));
        QVERIFY(o.zadej(kroky));
        o.okno.Vypocti();
        QCOMPARE(o.d.posledni().section(QLatin1Char('\n'), 1), QStringLiteral("The installed power limited the heating until 1200 s."));
        o.okno.ZobrazTabulku();
        QCOMPARE(Dite<QComboBox>(&o.okno, "cboZtraty")->currentText(), QStringLiteral("10"));
        QCOMPARE(Dite<QLabel>(&o.okno, "lblInstalovanyH")->text(), QStringLiteral("40"));
        // The mean power the charge took, raised by the losses, stays within what was installed.
        QVERIFY(Dite<QLabel>(&o.okno, "lblPrikonH")->text().toDouble() <= 40000.0);
    }

    // A run that fails leaves the result shown and the commands as they were.
    void neuspesnyBeh() {
        Okno o;
        o.spocti();
        const Vysledek* pred = o.okno.vysledek();
        QVERIFY(o.zadej({"txtm=1", "cmdOK"}));
        // A new problem is taken: the result shown is not its result.
        const QString povoleno = o.povoleno();
        QCOMPARE(povoleno, QStringLiteral("Computing"));
        o.okno.Vypocti();
        QCOMPARE(o.d.zpravy.size(), 1);
        QCOMPARE(o.d.zpravy[0].ikona, Ikona::Vykricnik);
        QCOMPARE(o.d.zpravy[0].titulek, QStringLiteral("Evaluation Error"));
        QVERIFY(o.d.zpravy[0].text.startsWith(QStringLiteral("In step 1 the charge would pass the furnace temperature")));
        QCOMPARE(o.okno.vysledek(), pred);
        QCOMPARE(pred->PocetKroku, 47);
        QCOMPARE(pred->Vysledky.Cas[47], 470.0f);
        QVERIFY(pred->Vysledky.TeplotaVsazky[47] >= 900.0f);
        QCOMPARE(o.povoleno(), povoleno);
    }

    // Cancel after another regime was picked: Save writes the problem that was computed; the
    // regime picked stays in the dialog and is asked for before Open replaces it; neither the
    // saved result nor the one opened from its file asks before it goes.
    void ulozeniAOtevreni() {
        QTemporaryDir t;
        const QString cesta = t.filePath(QStringLiteral("beh.odp"));
        Okno o;
        o.spocti();
        QVERIFY(o.zadej({"optRizeny", "cmdStorno"}));
        QCOMPARE(o.povoleno(), QStringLiteral("Save Computing Results"));
        o.d.soubory = {cesta};
        o.d.odpovedi = {false};
        o.okno.Uloz();
        QCOMPARE(o.d.pripony, QStringList{"odp"});
        QCOMPARE(o.okno.windowTitle(), QStringLiteral("Zorvet Furnace Heat-up - beh.odp"));
        // The result is now that of its file; the caption keeps the file in either language.
        QCOMPARE(o.okno.vysledek()->Soubor, "beh.odp");
        o.okno.ZmenJazyk(Jazyk::Cesky);
        QCOMPARE(o.okno.windowTitle(), QStringLiteral("Zorvet Ohřev v peci - beh.odp"));
        o.okno.ZmenJazyk(Jazyk::Anglicky);
        const QByteArray radek = PrvniRadek(cesta).simplified();
        QVERIFY2(radek.startsWith("Furnace Temperature") && radek.endsWith(": 1000"), radek.constData());
        // Opened again, its problem is the one Computing computes.
        o.d.otazky.clear();
        o.d.soubory = {cesta};
        o.d.volby = {Volba::Zahodit};
        o.okno.Otevri();
        QCOMPARE(o.d.otazky, QStringList{"The problem has not been saved. Save it?"});
        QCOMPARE(o.povoleno(), QStringLiteral("Save Computing Results"));
        QVERIFY(!o.okno.uloha().Rizeny);
        o.d.otazky.clear();
        o.okno.Konec();
        QVERIFY(!o.okno.isVisible());

        // Named when the program starts, as a file manager does it.
        Okno p;
        p.okno.OtevriSoubor(cesta);
        QCOMPARE(p.povoleno(), QStringLiteral("Results"));
        QVERIFY(!p.okno.vysledek()->ZnamyKoefK);
        QVERIFY(!p.okno.uloha().Rizeny);
        QCOMPARE(p.okno.vysledek()->PocetKroku, 47);
        QCOMPARE(p.okno.vysledek()->Vysledky.Cas[47], o.okno.vysledek()->Vysledky.Cas[47]);
        p.okno.close();
        QVERIFY(!p.okno.isVisible());
        QCOMPARE(o.d.otazky + p.d.otazky, QStringList());
        QCOMPARE(o.d.neocekavane + p.d.neocekavane, 0);
    }

    void neulozenaPrace_data() {
        QTest::addColumn<QString>("prikaz");
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<Volba>("volba");
        QTest::addColumn<bool>("zavreno");
        QTest::addColumn<int>("dialogu");
        QTest::addColumn<bool>("psano");  // the problem typed into since
        QTest::newRow("Exit, Cancel") << "Exit" << false << Volba::Zrusit << false << 0 << false;
        QTest::newRow("Exit, a problem typed since, Cancel") << "Exit" << false << Volba::Zrusit << false << 0 << true;
        QTest::newRow("Exit, a problem typed since, Discard") << "Exit" << false << Volba::Zahodit << true << 0 << true;
        QTest::newRow("close, Cancel") << "close" << false << Volba::Zrusit << false << 0 << false;
        QTest::newRow("Exit, Discard") << "Exit" << false << Volba::Zahodit << true << 0 << false;
        QTest::newRow("close, Discard controlled") << "close" << true << Volba::Zahodit << true << 0 << false;
        QTest::newRow("close, Save") << "close" << false << Volba::Ulozit << true << 1 << false;
        QTest::newRow("Exit, Save, no file chosen") << "Exit" << false << Volba::Ulozit << false << 1 << false;
        QTest::newRow("Open, Cancel") << "Open" << false << Volba::Zrusit << false << 0 << false;
        QTest::newRow("Open, Save") << "Open" << false << Volba::Ulozit << false << 2 << false;
    }

    // A computed result never saved, and a problem typed since: one question before they go, and
    // only what was answered.
    void neulozenaPrace() {
        QFETCH(QString, prikaz);
        QFETCH(bool, rizeny);
        QFETCH(Volba, volba);
        QFETCH(bool, zavreno);
        QFETCH(int, dialogu);
        QFETCH(bool, psano);
        QTemporaryDir t;
        const QString cesta = t.filePath(QStringLiteral("beh.odp"));
        Okno o;
        o.spocti(rizeny);
        if (psano) {
            QVERIFY(o.zadej({"txtTk=850", "cmdStorno"}));
        }
        o.d.volby = {volba};
        o.d.soubory = {cesta, cesta};
        const bool zrusenyDialog = prikaz == QLatin1String("Exit") && volba == Volba::Ulozit;
        if (zrusenyDialog) {
            o.d.soubory = {std::nullopt};  // the save dialog cancelled: nothing goes
        }
        o.d.odpovedi = {false};
        if (prikaz == QLatin1String("Exit")) {
            o.okno.Konec();
        } else if (prikaz == QLatin1String("close")) {
            o.okno.close();
        } else {
            o.okno.Otevri();
        }
        QCOMPARE(o.d.otazky.value(0), Text(psano ? id::NeulozeneVysledkyAUloha : id::NeulozeneVysledky, Jazyk::Anglicky));
        QCOMPARE(o.d.otazky.size(), volba == Volba::Ulozit && !zrusenyDialog ? 2 : 1);  // with the comment question
        QCOMPARE(o.okno.isVisible(), !zavreno);
        QCOMPARE(o.d.filtry.size(), dialogu);
        QCOMPARE(QFile::exists(cesta), volba == Volba::Ulozit && !zrusenyDialog);
        QCOMPARE(o.d.zpravy.size(), 0);
        QCOMPARE(o.d.neocekavane, 0);
    }

    // The language changes every caption at once.
    // A thick charge: the conductivity picked with the material gives the core time, the Biot
    // number and the warning; the table and the chart show the surface and the core.
    void tlustaVsazka() {
        QTemporaryDir data;
        QFile m(data.filePath("Material.lst"));
        QVERIFY(m.open(QIODevice::WriteOnly) && m.write("Ocel\r\n 460  7850 \r\n") > 0);
        m.close();
        QFile l(data.filePath("Conductivity.lst"));
        QVERIFY(l.open(QIODevice::WriteOnly) && l.write("Ocel\r\n 45 \r\n") > 0);
        l.close();
        Okno o;
        o.okno.relace().datovaSlozka = data.path();
        o.d.soubory = {QStringLiteral(ZORVET_EXAMPLES "/mass_from_dimensions.cfg")};
        QVERIFY(o.zadej({"cmdNactiCfg", "cboMaterial=Ocel", "cmdOK"}));
        QCOMPARE(o.okno.uloha().Lambda, 45.0f);
        o.okno.Vypocti();
        const QString odpoved = QStringLiteral("The core reaches the final temperature after 650 s (10 min 50 s).\n\n"
                                               "Biot Number [-]: 0.2891045\nCore Heat-up Time [s]: 650\n\n"
                                               "As one charge temperature: Final temperature 851 °C have been obtained during 510 s.");
        QCOMPARE(o.d.posledni(), odpoved + QStringLiteral("\n\n") + Text(id::VarovaniBiot, Jazyk::Anglicky));
        o.okno.ZobrazTabulku();
        auto* grid = Dite<QTableView>(&o.okno, "grdTabulka");
        QCOMPARE(grid->model()->columnCount(), 4);
        QCOMPARE(grid->model()->rowCount(), 66);
        QCOMPARE(grid->model()->index(60, 1).data().toString(), QString());
        QCOMPARE(Dite<QLabel>(&o.okno, "lblJadro")->text(), odpoved);
        QVERIFY(Dite<QLabel>(&o.okno, "lblVarovani")->isVisible());
        // The core lines stand below the power frame, the warning below them.
        QVERIFY(Dite<QLabel>(&o.okno, "lblJadro")->y() > Dite<QWidget>(&o.okno, "fraVykon")->geometry().bottom());
        QVERIFY(Dite<QLabel>(&o.okno, "lblVarovani")->y() > Dite<QLabel>(&o.okno, "lblJadro")->geometry().bottom());
        o.okno.ZavriPohled();
        o.okno.ZobrazGraf();
        auto* graf = Dite<Graf>(&o.okno, "FlpGrf1");
        QCOMPARE(graf->pocetRad(), 3);
        QCOMPARE(graf->nazevRady(2), QStringLiteral("Core"));
        QCOMPARE(graf->stylRady(2), Qt::DashLine);
        QCOMPARE(graf->bodyRady(2).last(), QPointF(650.0, static_cast<double>(o.okno.vysledek()->Jadro->teplota.back())));
    }

    void jazyk() {
        Okno o;
        // Every command of the menus takes the caption of the language chosen.
        const auto popisy = [&o] {
            QStringList texty;
            for (QAction* menu : o.okno.menuBar()->actions()) {
                texty << menu->text();
                for (QAction* a : menu->menu()->actions()) {
                    // A recent file is named by its file's name in either language.
                    if (!a->isSeparator() && a->objectName() != QLatin1String("mnuNedavny")) {
                        texty << a->text();
                    }
                }
            }
            return texty;
        };
        const QStringList anglicky = popisy();
        o.polozka("mnuJazykItem", 1)->trigger();
        const QStringList cesky = popisy();
        QCOMPARE(cesky.size(), anglicky.size());
        for (qsizetype i = 0; i < cesky.size(); ++i) {
            QVERIFY2(cesky[i] != anglicky[i], qPrintable(cesky[i]));
        }
        QCOMPARE(o.nastaveni.Jazyk, Jazyk::Cesky);
        QCOMPARE(o.okno.windowTitle(), QStringLiteral("Zorvet Ohřev v peci "));
        QVERIFY(o.polozka("mnuJazykItem", 1)->isChecked() && !o.polozka("mnuJazykItem", 0)->isChecked());
        // Picking it again leaves it ticked.
        o.polozka("mnuJazykItem", 1)->trigger();
        QCOMPARE(o.nastaveni.Jazyk, Jazyk::Cesky);
        QVERIFY(o.polozka("mnuJazykItem", 1)->isChecked() && !o.polozka("mnuJazykItem", 0)->isChecked());
        // While a view is shown the menus are gone, and so is the switch.
        o.spocti();
        o.okno.ZobrazTabulku();
        o.okno.ZmenJazyk(Jazyk::Anglicky);
        QCOMPARE(o.nastaveni.Jazyk, Jazyk::Cesky);
        QVERIFY(o.polozka("mnuJazykItem", 1)->isChecked() && !o.polozka("mnuJazykItem", 0)->isChecked());
    }

    void menu_data() {
        QTest::addColumn<QByteArray>("nabidka");  // the menu it is an item of
        QTest::addColumn<QByteArray>("pole");     // empty: the menu itself, its title
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("misto");           // its place in the menu, separators counted
        QTest::addColumn<int>("text");
        QTest::addColumn<QKeySequence>("klavesa");
        const auto radek = [](const char* nabidka, const char* pole, int index, int misto, int text,
                              QKeySequence k = {}) {
            QTest::addRow("%s %s(%d)", nabidka, pole, index) << QByteArray(nabidka) << QByteArray(pole) << index
                                                             << misto << text << k;
        };
        radek("mnuFile", "", 0, 0, id::MenuSoubor);
        radek("mnuFile", "mnuFileItem", 0, 0, id::MenuOtevrit, QKeySequence(Qt::CTRL | Qt::Key_O));
        radek("mnuFile", "mnuFileItem", 1, 1, id::MenuUlozit, QKeySequence(Qt::CTRL | Qt::Key_S));
        radek("mnuFile", "mnuRozmitani", 0, 2, id::MenuRozmitani);
        radek("mnuFile", "mnuFileItem", 3, 4, id::MenuKonec);
        radek("mnuUloha", "", 0, 1, id::MenuUloha);
        radek("mnuUloha", "mnuUlohaItem", 0, 0, id::MenuZadani, QKeySequence(Qt::Key_F3));
        radek("mnuUloha", "mnuUlohaItem", 1, 1, id::MenuVypocet, QKeySequence(Qt::Key_F5));
        radek("mnuUloha", "mnuCil", 0, 2, id::MenuCil);
        radek("mnuVysledky", "", 0, 2, id::MenuVysledky);
        radek("mnuVysledky", "mnuVysledkyItem", 0, 0, id::MenuTabulka, QKeySequence(Qt::Key_F8));
        radek("mnuVysledky", "mnuVysledkyItem", 1, 1, id::MenuGraf, QKeySequence(Qt::Key_F9));
        radek("mnuVysledky", "mnuPorovnat", 0, 3, id::MenuPorovnat);
        radek("mnuVysledky", "mnuMereni", 0, 4, id::MenuMereni);
        radek("mnuVysledky", "mnuZrusPorovnani", 0, 5, id::MenuZrusPorovnani);
        radek("mnuNastaveni", "", 0, 3, id::MenuNastaveni);
        radek("mnuNastaveni", "mnuNastaveniItem", 0, 0, id::MenuJazyk);
        radek("mnuJazyk", "mnuJazykItem", 0, 0, id::MenuAnglicky);
        radek("mnuJazyk", "mnuJazykItem", 1, 1, id::MenuCesky);
        radek("mnuNastaveni", "mnuNastaveniItem", 1, 1, id::MenuUlozNastaveni);
        radek("mnuNapoveda", "", 0, 4, id::MenuNapoveda);
        radek("mnuNapoveda", "mnuPrirucka", 0, 0, id::MenuPrirucka, QKeySequence(QKeySequence::HelpContents));
        radek("mnuNapoveda", "mnuLicence", 0, 1, id::MenuLicence);
        radek("mnuNapoveda", "mnuNapovedaItem", 1, 3, id::MenuOProgramu);
    }

    // Every command stands at its place in its menu (a menu at its place in the bar) under the
    // caption of its string in either language, with its shortcut.
    void menu() {
        QFETCH(QByteArray, nabidka);
        QFETCH(QByteArray, pole);
        QFETCH(int, index);
        QFETCH(int, misto);
        QFETCH(int, text);
        QFETCH(QKeySequence, klavesa);
        Okno o;
        auto* menu = Dite<QMenu>(&o.okno, nabidka.constData());
        for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
            o.okno.ZmenJazyk(j);
            if (pole.isEmpty()) {
                QCOMPARE(menu->title(), Text(text, j));
                QCOMPARE(o.okno.menuBar()->actions().indexOf(menu->menuAction()), misto);
                continue;
            }
            QAction* a = o.polozka(pole.constData(), index);
            QVERIFY(a != nullptr);
            QCOMPARE(a->text(), Text(text, j));
            QCOMPARE(a->shortcut(), klavesa);
            QCOMPARE(menu->actions().indexOf(a), misto);
        }
    }

    // Save Settings stores the language chosen, which the next start reads.
    void ulozeniNastaveni() {
        Okno o;
        for (const Jazyk j : {Jazyk::Cesky, Jazyk::Anglicky}) {
            o.okno.ZmenJazyk(j);
            o.polozka("mnuNastaveniItem", 1)->trigger();
            QCOMPARE(NactiJazyk(), j);
        }
    }

    // The real Save / Discard / Cancel question: Esc is Cancel.
    void otazkaEsc() {
        Nastaveni nastaveni;
        DialogyQt dialogy(nastaveni);
        NaOkno otazka("QMessageBox", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(dialogy.otazkaUlozit(QStringLiteral("Zorvet"), QStringLiteral("?"), Jazyk::Anglicky), Volba::Zrusit);
        QVERIFY(otazka.probehlo());
        // A choice among buttons: Esc is the last.
        NaOkno volba("QMessageBox", [](QWidget* w) { QTest::keyClick(w, Qt::Key_Escape); });
        QCOMPARE(dialogy.volba(QStringLiteral("Zorvet"), QStringLiteral("?"), {"A", "B", "C"}), 2);
    }

    // The splash goes on Esc and stays on Enter; About is the splash without its timer; the
    // version and the licence stay until Close.
    void uvitani() {
        Nastaveni nastaveni;
        TestDialogy d;
        FrmZorvet okno(nastaveni, d);
        QStringList stav;
        NaOkno splash("frmUvitani", [&stav](QWidget* w) {
            QTest::keyClick(w, Qt::Key_Return);
            stav << (w->isVisible() ? "open after Enter" : "closed by Enter");
            QTest::keyClick(w, Qt::Key_Escape);
            stav << (w->isVisible() ? "open after Esc" : "closed by Esc");
        });
        okno.Nacti(true);
        okno.show();
        for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
            okno.ZmenJazyk(j);
            NaOkno oProgramu("frmOProgramu", [&stav](QWidget* w) {
                stav << Dite<QLabel>(w, "lblVerze")->text().section(QLatin1Char(' '), 0, 0)
                     << (QRegularExpression(QStringLiteral(" \\d+\\.\\d+\\.\\d+$")).match(Dite<QLabel>(w, "lblVerze")->text()).hasMatch()
                             ? "x.y.z"
                             : "no version")
                     << Dite<QLabel>(w, "lblLicence")->text().left(14) << Dite<QPushButton>(w, "cmdZavrit")->text();
                Dite<QPushButton>(w, "cmdZavrit")->click();
                stav << (w->isVisible() ? "open after Close" : "closed by Close");
            });
            okno.Licence();
            QVERIFY(oProgramu.probehlo());
            NaOkno oZorvetu("frmUvitani", [&stav](QWidget* w) {
                stav << (Dite<QTimer>(w, "Tmr1")->isActive() ? "timer" : "no timer") << Dite<QLabel>(w, "lbl1")->text().left(8);
                QTest::keyClick(w, Qt::Key_Escape);
            });
            okno.OProgramu();
            QVERIFY(oZorvetu.probehlo());
        }
        QCOMPARE(stav, QStringList({"open after Enter", "closed by Esc", "Version", "x.y.z", "Copyright 2026", "&Close",
                                    "closed by Close", "no timer", "Heat-up ", "Verze", "x.y.z", "Copyright 2026",
                                    "&Zavřít", "closed by Close", "no timer", "Doba ohř"}));
    }

    // The File menu lists the files read or written last, after its documented items; one no
    // longer there is greyed, and its path is its tip.
    void nedavne() {
        QTemporaryDir t;
        const QString cesta = QDir::toNativeSeparators(t.filePath(QStringLiteral("beh & co.odp")));
        Okno o;
        o.spocti();
        o.d.soubory = {cesta};
        o.d.odpovedi = {false};
        o.okno.Uloz();
        auto* menu = Dite<QMenu>(&o.okno, "mnuFile");
        const auto prvni = [&] {
            emit menu->aboutToShow();
            for (QAction* a : menu->actions()) {
                if (a->objectName() == QLatin1String("mnuNedavny") && a->property("Index").toInt() == 0) {
                    return a;
                }
            }
            return static_cast<QAction*>(nullptr);
        };
        QVERIFY(prvni() != nullptr && menu->actions().indexOf(prvni()) > menu->actions().indexOf(o.polozka("mnuFileItem", 3)));
        QCOMPARE(prvni()->text(), QStringLiteral("&1 beh && co.odp"));
        QCOMPARE(prvni()->toolTip(), cesta);
        QVERIFY(prvni()->isVisible() && prvni()->isEnabled());
        QFile::remove(cesta);
        QVERIFY(prvni()->isVisible() && !prvni()->isEnabled());
        QCOMPARE(o.d.neocekavane, 0);
    }

    void mistaPrirucky_data() {
        QTest::addColumn<QString>("prirucka");  // the guide's place below the folder of the prefix
        QTest::addColumn<QString>("program");   // the program's folder below it
        QTest::newRow("installed") << "share/doc/zorvet/docs/user-guide.md" << "bin";
        QTest::newRow("docs beside") << "kopie/docs/user-guide.md" << "kopie";
        QTest::newRow("beside") << "kopie/user-guide.md" << "kopie";
        QTest::newRow("none") << "" << "bin";
        QTest::newRow("not beside another folder") << "jinde/user-guide.md" << "bin";
    }

    // The user guide is found where an installation into a prefix puts it (GNU layout), or
    // beside a copy of the program.
    void mistaPrirucky() {
        QFETCH(QString, prirucka);
        QFETCH(QString, program);
        QTemporaryDir t;
        const QDir koren(t.path());
        QVERIFY(koren.mkpath(program));
        QString cesta;
        if (!prirucka.isEmpty()) {
            cesta = koren.filePath(prirucka);
            QVERIFY(koren.mkpath(QFileInfo(cesta).path()));
            QFile f(cesta);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("# Guide\n") > 0);
        }
        const QString nalezena = NajdiPrirucku(koren.filePath(program));
        QCOMPARE(nalezena, prirucka.startsWith(QLatin1String("jinde")) ? QString() : cesta);
        QVERIFY(MistaPrirucky(koren.filePath(program)).contains(koren.filePath(program + "/user-guide.md")));
    }

    // Help, User Guide shows the guide inside the program, in the user's language where a
    // translation lies beside it; a guide not there is told with the places it was looked for.
    void prirucka() {
        Okno o;
        const QDir program(QCoreApplication::applicationDirPath());
        const QString beside = program.filePath(QStringLiteral("user-guide.md"));
        const QString cesky = program.filePath(QStringLiteral("user-guide.cs.md"));
        QVERIFY(NajdiPrirucku(QCoreApplication::applicationDirPath()).isEmpty());
        o.okno.Prirucka();
        QVERIFY(o.d.posledni().startsWith(QStringLiteral("The user guide is not installed")));
        QVERIFY(o.d.posledni().endsWith(beside));
        for (const auto& [cesta, text] : {std::pair{beside, QByteArray("# Guide\n\nRead *this*.\n")},
                                          std::pair{cesky, QByteArray("# Příručka\n")}}) {
            QFile f(cesta);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(text) > 0);
        }
        o.d.zpravy.clear();
        QStringList ukazano;
        const auto ukaz = [&](Jazyk j) {
            o.okno.ZmenJazyk(j);
            NaOkno okno("frmPrirucka", [&ukazano](QWidget* w) {
                ukazano << Dite<QTextBrowser>(w, "txtPrirucka")->toPlainText().simplified();
                w->close();
            });
            o.okno.Prirucka();
            QApplication::processEvents();
            QVERIFY(okno.probehlo());
        };
        ukaz(Jazyk::Anglicky);
        ukaz(Jazyk::Cesky);
        QFile::remove(cesky);
        ukaz(Jazyk::Cesky);
        o.okno.ZmenJazyk(Jazyk::Anglicky);
        QFile::remove(beside);
        QCOMPARE(ukazano, QStringList({"Guide Read this.", "Příručka", "Guide Read this."}));
        QCOMPARE(o.d.zpravy.size(), 0);
        // The menu holds it with its shortcut, above About.
        auto* menu = Dite<QMenu>(&o.okno, "mnuNapoveda");
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("&User Guide"));
        QCOMPARE(menu->actions().first()->shortcut(), QKeySequence(QKeySequence::HelpContents));
        QCOMPARE(menu->actions().last()->text(), QStringLiteral("&About"));
    }

    void pocatecniSlozka_data() {
        QTest::addColumn<bool>("vlastniSlozka");  // the program may write in its own folder
        QTest::newRow("a copy of its own") << true;
        QTest::newRow("installed") << false;
    }

    // The file dialogs of a copy that keeps its data beside it start in the working directory;
    // those of an installed program in the home folder, then in the folder used last.
    void pocatecniSlozka() {
        QFETCH(bool, vlastniSlozka);
        QTemporaryDir t;
        const QString pracovni = QDir::currentPath();
        QVERIFY(QDir(t.path()).mkdir(QStringLiteral("prace")) && QDir(t.path()).mkdir(QStringLiteral("obrazky")));
        QDir::setCurrent(QDir(t.path()).filePath(QStringLiteral("prace")));
        Nastaveni nastaveni;
        DialogyQt dialogy(nastaveni, [vlastniSlozka](const QString&) { return vlastniSlozka; });
        QStringList zacatky;
        const auto vyber = [&](const QString& jmeno) {
            NaOkno soubor("CMDialog1", [&](QWidget* w) {
                auto* d = static_cast<QFileDialog*>(w);
                zacatky << QDir(d->directory()).absolutePath();
                d->setDirectory(QDir(t.path()).filePath(QStringLiteral("obrazky")));
                auto* nazev = Dite<QLineEdit>(w, "fileNameEdit");
                QTest::keyClicks(nazev, jmeno);
                QTest::keyClick(nazev, Qt::Key_Return);
            });
            return dialogy.ulozitVystup(Text(id::FiltrExportu, Jazyk::Anglicky), 4).has_value() && soubor.probehlo();
        };
        QVERIFY(vyber(QStringLiteral("graf1")));
        QVERIFY(vyber(QStringLiteral("graf2")));
        const QString zde = QDir::currentPath();
        QDir::setCurrent(pracovni);
        const QString prace = QDir(t.path()).filePath(QStringLiteral("prace"));
        const QString obrazky = QDir(t.path()).filePath(QStringLiteral("obrazky"));
        QCOMPARE(zde, prace);
        QCOMPARE(zacatky, vlastniSlozka ? QStringList({prace, prace}) : QStringList({QDir::homePath(), obrazky}));
    }

    // Cancel keeps everything typed, valid or not, for the next opening; what was typed is
    // work, and closing asks for it, Cancel keeping the window.
    void stornoDrziZadane() {
        Okno o;
        QVERIFY(o.zadej({"txtTk=850", "txtc=5OO", "cmdStorno"}));
        QCOMPARE(o.povoleno(), QString());
        QString tk, c;
        QVERIFY(o.zadej({}));
        NaOkno znovu("frmZadani", [&](QWidget* z) {
            tk = Dite<QLineEdit>(z, "txtTk")->text();
            c = Dite<QLineEdit>(z, "txtc")->text();
            static_cast<QDialog*>(z)->reject();
        });
        o.okno.Zadani();
        QCOMPARE(tk, QStringLiteral("850"));
        QCOMPARE(c, QStringLiteral("5OO"));
        o.d.volby = {Volba::Zrusit};
        o.okno.Konec();
        QCOMPARE(o.d.otazky, QStringList{"The problem has not been saved. Save it?"});
        QVERIFY(o.okno.isVisible());
        // Save cannot write a text that is no number: it says which, and the window stays.
        o.d.volby = {Volba::Ulozit};
        o.okno.Konec();
        QCOMPARE(o.d.posledni(), QStringLiteral("Specific Heat Capacity [J/kg/K]: “5OO” is not a number."));
        QVERIFY(o.okno.isVisible());
        o.d.volby = {Volba::Zahodit};
        o.okno.Konec();
        QVERIFY(!o.okno.isVisible());
        QCOMPARE(o.d.neocekavane, 0);
    }

    // A result names the file of its problem only while the problem is what the file holds,
    // and keeps it whatever the dialog later loads or saves.
    void souborVysledku() {
        QTemporaryDir t;
        Okno o;
        const QString priklad = QStringLiteral(ZORVET_EXAMPLES "/uncontrolled.cfg");
        o.d.soubory = {priklad};
        QVERIFY(o.zadej({"cmdNactiCfg", "cmdOK"}));
        o.okno.Vypocti();
        QCOMPARE(o.okno.vysledek()->Soubor, "uncontrolled.cfg");
        QCOMPARE(QString::fromStdString(o.okno.vysledek()->Komentar),
                 QStringLiteral("100 kg of carbon steel heated from 20 °C to 900 °C in a furnace held at 1000 °C"));
        o.d.soubory = {priklad};
        o.d.volby = {Volba::Zahodit};
        QVERIFY(o.zadej({"cmdNactiCfg", "txtTpece=1100", "cmdOK"}));
        o.okno.Vypocti();
        QCOMPARE(o.okno.vysledek()->Soubor, "");
        QCOMPARE(o.okno.vysledek()->Uloha.Tpece, 1100.0f);
        o.d.soubory = {t.filePath(QStringLiteral("p200.cfg"))};
        o.d.odpovedi = {false};
        QVERIFY(o.zadej({"txtm=200", "cmdUlozCfg", "cmdStorno"}));
        QCOMPARE(o.okno.vysledek()->Soubor, "");
        QCOMPARE(o.okno.vysledek()->Uloha.m, 100.0f);
        // Another file loaded and cancelled leaves the result's comment too.
        o.d.soubory = {QStringLiteral(ZORVET_EXAMPLES "/controlled_curve.cfg")};
        QVERIFY(o.zadej({"cmdNactiCfg", "cmdStorno"}));
        QCOMPARE(o.okno.vysledek()->Soubor, "");
        QCOMPARE(o.okno.vysledek()->Komentar, "");
    }

    // A results file named when the program starts shows its comment as File, Open does, and
    // the comment goes on with the results.
    void komentarPriStartu() {
        QTemporaryDir t;
        const QString cesta = t.filePath("r.odp");
        QVERIFY(!UlozSoubor(cesta, Priklad(), Spocti(Priklad()).vysledek.get(), "night shift, charge 14", Jazyk::Anglicky));
        Okno menu;
        menu.d.soubory = {cesta};
        menu.okno.Otevri();
        Okno start;
        start.okno.OtevriSoubor(cesta);
        QCOMPARE(start.d.zpravy.size(), 1);
        QCOMPARE(start.d.zpravy.size(), menu.d.zpravy.size());
        QCOMPARE(start.d.zpravy[0].titulek, menu.d.zpravy[0].titulek);
        QCOMPARE(start.d.zpravy[0].text, QStringLiteral("night shift, charge 14"));
        QCOMPARE(start.okno.relace().komentar, menu.okno.relace().komentar);
    }

    // A problem file named when the program starts goes into the problem dialog.
    void souborPriStartu() {
        Okno o;
        QString tpece;
        NaOkno dialog("frmZadani", [&](QWidget* z) {
            tpece = Dite<QLineEdit>(z, "txtTpece")->text();
            static_cast<QDialog*>(z)->reject();
        });
        o.okno.OtevriSoubor(QStringLiteral(ZORVET_EXAMPLES "/uncontrolled.cfg"));
        QCOMPARE(tpece, QStringLiteral("1000"));
        QCOMPARE(o.povoleno(), QStringLiteral("Computing"));
        // A results file with a row cut short is refused, not taken for its problem alone.
        o.okno.OtevriSoubor(QStringLiteral(ZORVET_TEST_DATA "/truncated_results.odp"));
        QVERIFY(o.d.posledni().endsWith(QStringLiteral("Line 21: a row of results needs 2 numbers, not “40”.")));
    }

    // The comment box holds a line of sixty letters and grows with its window.
    void komentarovePole() {
        Nastaveni nastaveni;
        DialogyQt dialogy(nastaveni);
        int sirka = 0;
        int sirsi = 0;
        int pismeno = 0;
        NaOkno box("QInputDialog", [&](QWidget* w) {
            auto* pole = w->findChild<QLineEdit*>();
            sirka = pole->width();
            pismeno = pole->fontMetrics().averageCharWidth();
            w->resize(w->width() + 300, w->height());
            QApplication::sendPostedEvents();
            sirsi = pole->width();
            static_cast<QDialog*>(w)->accept();
        });
        QVERIFY(dialogy.vstup("Text", "Comment", "night shift").has_value());
        QVERIFY(box.probehlo());
        QVERIFY2(sirka >= 50 * pismeno, qPrintable(QString::number(sirka)));
        QCOMPARE(sirsi, sirka + 300);
    }

    // An output named without an extension takes the one of the pattern chosen.
    void priponaVystupu() {
        QTemporaryDir t;
        Nastaveni nastaveni;
        DialogyQt dialogy(nastaveni);
        NaOkno soubor("CMDialog1", [&t](QWidget* w) {
            static_cast<QFileDialog*>(w)->setDirectory(t.path());
            auto* nazev = Dite<QLineEdit>(w, "fileNameEdit");
            QTest::keyClicks(nazev, QStringLiteral("graf"));
            QTest::keyClick(nazev, Qt::Key_Return);
        });
        const std::optional<QString> cesta = dialogy.ulozitVystup(Text(id::FiltrExportu, Jazyk::Anglicky), 4);
        QVERIFY(soubor.probehlo());
        QCOMPARE(cesta.value_or(QString()), QDir::toNativeSeparators(QDir(t.path()).filePath(QStringLiteral("graf.pdf"))));
    }

    void priponaSouboru_data() {
        QTest::addColumn<bool>("sVysledky");
        QTest::addColumn<QString>("napsano");  // the name typed
        QTest::addColumn<QString>("jmeno");    // the file written; none when the writing fails
        QTest::newRow("results") << true << "run1" << "run1.odp";
        QTest::newRow("problem") << false << "run1" << "run1.cfg";
        QTest::newRow("results not written") << true << "roura.odp" << "";
    }

    // The real save dialog gives a name typed without an extension the file's own; the folder of
    // a file written becomes the working directory, a save that fails leaves it as it was.
    void priponaSouboru() {
        QFETCH(bool, sVysledky);
        QFETCH(QString, napsano);
        QFETCH(QString, jmeno);
        QTemporaryDir t;
        const QString pracovni = QDir::currentPath();
        QDir::setCurrent(t.path());
        QVERIFY(QDir(t.path()).mkdir(QStringLiteral("jinde")));
        Nastaveni nastaveni;
        DialogyQt dialogy(nastaveni);
        Relace relace;
        QString filtr;
        QString typ;
        QFile pdf(t.filePath(QStringLiteral("jinde/graf")));
        QVERIFY(pdf.open(QIODevice::WriteOnly) && pdf.write("%PDF-1.4\n") > 0);
        pdf.close();
        QVERIFY(::mkfifo(QFile::encodeName(t.filePath(QStringLiteral("jinde/roura.odp"))).constData(), 0600) == 0);
        NaOkno soubor("CMDialog1", [&](QWidget* w) {
            auto* d = static_cast<QFileDialog*>(w);
            filtr = d->selectedNameFilter();
            d->setDirectory(QDir(t.path()).filePath(QStringLiteral("jinde")));
            // The dialog tells a type by the name, without reading the file.
            typ = d->iconProvider()->type(QFileInfo(pdf.fileName()));
            auto* nazev = Dite<QLineEdit>(w, "fileNameEdit");
            QTest::keyClicks(nazev, napsano);
            QTest::keyClick(nazev, Qt::Key_Return);
        });
        // Replace the pipe, no comment, and the failure read.
        const QList<QMessageBox::StandardButton> tlacitka = jmeno.isEmpty()
            ? QList{QMessageBox::Yes, QMessageBox::No, QMessageBox::Ok} : QList{QMessageBox::No};
        std::list<NaOkno> boxy;
        qsizetype odpovedi = 0;
        std::function<void()> dalsi = [&] {
            boxy.emplace_back("QMessageBox", [&](QWidget* w) {
                const QMessageBox::StandardButton b = tlacitka.value(odpovedi++, QMessageBox::Ok);
                if (odpovedi < tlacitka.size()) {
                    dalsi();
                }
                static_cast<QMessageBox*>(w)->button(b)->click();
            });
        };
        dalsi();
        const Uloha u = Priklad();
        const VysledekVypoctu beh = Spocti(u);
        const std::optional<Soubor> ulozeno =
            UlozSDialogem(dialogy, relace, Jazyk::Anglicky, u, sVysledky ? beh.vysledek.get() : nullptr);
        const std::optional<QString> cesta = ulozeno ? std::optional(ulozeno->cesta) : std::nullopt;
        // The folder of the file written is where files named without a folder are looked for.
        const QString zvolena = QDir::currentPath();
        QDir::setCurrent(pracovni);
        QCOMPARE(zvolena, jmeno.isEmpty() ? t.path() : QDir(t.path()).filePath(QStringLiteral("jinde")));
        QVERIFY(soubor.probehlo());
        QCOMPARE(odpovedi, tlacitka.size());
        QVERIFY(!typ.contains(QLatin1String("PDF")));
        QCOMPARE(cesta.has_value(), !jmeno.isEmpty());
        if (cesta) {
            QCOMPARE(QFileInfo(*cesta).fileName(), jmeno);
            // The program's own pattern is the one offered first.
            QVERIFY2(filtr.contains(sVysledky ? QStringLiteral("*.odp") : QStringLiteral("*.cfg")), qPrintable(filtr));
            QCOMPARE(PrvniRadek(*cesta).simplified(), QByteArray("Furnace Temperature [\xB0""C] : 1000"));
        }
        // The busy pointer of the saving is gone.
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
    void cil_data() {
        QTest::addColumn<bool>("rizeny");
        QTest::addColumn<Velicina>("co");
        QTest::addColumn<QString>("cas");
        QTest::addColumn<QString>("odpoved");  // empty: a value found
        QTest::newRow("largest mass") << false << Velicina::m << "300" << "";
        QTest::newRow("lowest furnace") << false << Velicina::Tpece << "300" << "";
        QTest::newRow("furnace of a curve") << true << Velicina::Tpece << "900" << Text(id::CilRizena, Jazyk::Anglicky);
        QTest::newRow("no power is enough") << false << Velicina::Prikon << "10"
                                            << Text(id::NelzePrikon, Jazyk::Anglicky).arg(10);
        const QString cas = BezAkceleratoru(Text(id::CilCas, Jazyk::Anglicky)).trimmed();
        QTest::newRow("no time") << false << Velicina::m << "0" << Text(id::MusiBytKladne, Jazyk::Anglicky).arg(cas);
        QTest::newRow("not a number") << false << Velicina::m << "x" << Text(id::NeniCislo, Jazyk::Anglicky).arg(cas, "x");
    }

    // Goal Seek answers as the goal seek does, rounded to the side that still meets the time;
    // Use It puts that value into the problem, which then computes within the time.
    void cil() {
        QFETCH(bool, rizeny);
        QFETCH(Velicina, co);
        QFETCH(QString, cas);
        QFETCH(QString, odpoved);
        Okno o;
        QVERIFY(o.zadej(PrikladVDialogu(rizeny)));
        const double hledano = odpoved.isEmpty() ? HledejCil(o.okno.uloha(), co, cas.toDouble()).hodnota : 0.0;
        QString ukazano;
        bool pouzitelne = false;
        NaOkno na("frmCil", [&](QWidget* w) {
            Dite<QLineEdit>(w, "txtCilCas")->setText(cas);
            auto* cbo = Dite<QComboBox>(w, "cboCilHledat");
            cbo->setCurrentIndex(cbo->findData(static_cast<int>(co)));
            Dite<QAbstractButton>(w, "cmdCilNajdi")->click();
            QVERIFY(Dockej(static_cast<FrmCil*>(w), &FrmCil::dokonceno));
            ukazano = Dite<QLabel>(w, "lblCilOdpoved")->text();
            pouzitelne = Dite<QAbstractButton>(w, "cmdCilPouzij")->isEnabled();
            Dite<QAbstractButton>(w, pouzitelne ? "cmdCilPouzij" : "cmdCilStorno")->click();
        });
        o.okno.HledaniCile();
        QVERIFY(na.probehlo());
        QCOMPARE(pouzitelne, odpoved.isEmpty());
        if (!odpoved.isEmpty()) {
            QCOMPARE(ukazano, odpoved);
            return;
        }
        const double x = static_cast<double>(co == Velicina::m ? o.okno.uloha().m : o.okno.uloha().Tpece);
        QVERIFY2(ukazano.endsWith(": " + TextObecny(static_cast<float>(x))) && o.d.posledni().contains(ukazano), qPrintable(ukazano));
        QVERIFY(qAbs(x - hledano) <= 0.001 * hledano);
        o.okno.Vypocti();
        QVERIFY(o.okno.vysledek()->Vysledky.Cas[static_cast<std::size_t>(o.okno.vysledek()->PocetKroku)] <= 300.0f);
    }

    // Sweep: each point a run of its own, those that fail counted; the chart exported.
    void rozmitani() {
        Okno o;
        QVERIFY(o.zadej(PrikladVDialogu(false)));
        QTemporaryDir slozka;
        QString poznamka;
        QList<QPointF> body;
        NaOkno na("frmRozmitani", [&](QWidget* w) {
            auto* cbo = Dite<QComboBox>(w, "cboRozmitatVelicinu");
            cbo->setCurrentIndex(cbo->findData(static_cast<int>(Velicina::Eps)));
            Dite<QLineEdit>(w, "txtRozmitaniOd")->setText("0.2");
            Dite<QLineEdit>(w, "txtRozmitaniDo")->setText("1.2");
            Dite<QLineEdit>(w, "txtRozmitaniKrok")->setText("0.2");
            Dite<QAbstractButton>(w, "cmdRozmitaniSpocti")->click();
            QVERIFY(Dockej(static_cast<FrmRozmitani*>(w), &FrmRozmitani::dokonceno));
            poznamka = Dite<QLabel>(w, "lblRozmitaniPoznamka")->text();
            body = Dite<Graf>(w, "grfRozmitani")->bodyRady(0);
            o.d.soubory = {slozka.filePath("r.svg")};
            Dite<QAbstractButton>(w, "cmdRozmitaniExport")->click();
            Dite<QAbstractButton>(w, "cmdRozmitaniOK")->click();
        });
        o.okno.Rozmitani();
        QVERIFY(na.probehlo());
        // The first point that failed says why.
        QCOMPARE(poznamka, Text(id::RozmitaniVynechano, Jazyk::Anglicky).arg(1).arg(6) +
                               QStringLiteral("\nEmissivity (Material+Inwall) [-] must be greater than 0 and at most 1."));
        QCOMPARE(body.size(), 5);
        QCOMPARE(body.value(3), QPointF(0.8, 470.0));  // the worked example
        QVERIFY(QFile::exists(slozka.filePath("r.svg")));
    }
};

ZORVET_TEST_OKEN(OknoTest);

}  // namespace zorvet::test

#include "okno_test.moc"
