// What the main window answers first for a load: the decisive time leading the message and the
// table view's panel, the power frame readable in every state at 1366 x 768, the furnace an
// array saw, and the comparison and the log that belong to the case they were made for.
#include <QAbstractButton>
#include <QDialog>
#include <QFile>
#include <QPushButton>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>
#include <QRegularExpression>
#include <QScreen>
#include <QTemporaryDir>
#include <QtCharts/QAbstractAxis>
#include <QtCharts/QChart>

#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy_vysledku.h"
#include "model/case/geometrie.h"
#include "model/pipeline/vypocet.h"
#include "model/planning/planovani.h"
#include "files/cisla.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/priklady.h"
#include "ui/common/graf.h"
#include "ui/main_window/frm_zorvet.h"
#include "ui/planning/frm_cil.h"
#include "ui/planning/frm_rozmitani.h"

Q_DECLARE_METATYPE(zorvet::Uloha)

namespace zorvet::test {

namespace {

// Round bars of 1 m, the mass and the surface from their dimensions, every mantle heated, of a
// conductivity of 40 W/m/K; from 20 °C to 850 °C in a furnace at 1000 °C, 30 s steps.
Uloha Tyce(int kusu, float d) {
    Uloha u = Priklad();
    u.Tk = 850.0f;
    u.c = 600.0f;
    u.CasKrok = 30.0f;
    u.Profil = Profil::Kruhovy;
    u.StranaA = d;
    u.DelkaL = 1.0f;
    u.PocetProfilu = static_cast<std::int16_t>(kusu);
    u.PocetAL = static_cast<std::int16_t>(kusu);
    u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
    u.Gama = 7850.0f;
    u.Lambda = 40.0f;
    HmotnostZRozmeru(u, u.Gama);
    TeplosmennaPlocha(u);
    return u;
}

// A window at 1366 x 768 that has taken a problem from its file (OK in the problem dialog).
struct Okno {
    QTemporaryDir slozka;
    Nastaveni nastaveni;
    TestDialogy d;
    FrmZorvet okno{nastaveni, d};

    explicit Okno(Jazyk jazyk = Jazyk::Anglicky) {
        okno.Nacti(false);
        okno.ZmenJazyk(jazyk);
        okno.show();
        QApplication::setActiveWindow(&okno);
    }
    // The problem into the dialog as a file named at start puts it there, and OK.
    bool zadej(const Uloha& u) {
        const QString cesta = slozka.filePath(QStringLiteral("u.cfg"));
        if (UlozSoubor(cesta, u, nullptr, QString(), Jazyk::Anglicky)) {
            return false;
        }
        NaOkno na("frmZadani", [](QWidget* z) { Dite<QAbstractButton>(z, "cmdOK")->click(); });
        okno.OtevriSoubor(cesta);
        return na.probehlo() && okno.prijata().has_value();
    }
    template <typename T>
    T* w(const char* jmeno) { return Dite<T>(&okno, jmeno); }
};

}  // namespace

class OdpovedTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    void doba_data() {
        QTest::addColumn<double>("sekundy");
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<QString>("text");
        QTest::newRow("under a minute") << 59.5 << "en_US" << "59.5 s";
        QTest::newRow("a minute") << 60.0 << "en_US" << "60 s (1 min)";
        QTest::newRow("an hour") << 3600.0 << "en_US" << "3600 s (1 h)";
        QTest::newRow("hours and seconds") << 7230.0 << "en_US" << "7230 s (2 h 30 s)";
        QTest::newRow("a tenth, decimal comma") << 469.5 << "cs_CZ" << "469,5 s (7 min 49,5 s)";
    }

    // Long times carry hours and minutes beside the seconds, nothing lost to rounding.
    void doba() {
        QFETCH(double, sekundy);
        QFETCH(QString, lokal);
        QFETCH(QString, text);
        Lokal l(qPrintable(lokal));
        QCOMPARE(DobaVHodinach(sekundy, Jazyk::Anglicky), text);
    }

    void vedeCas_data() {
        QTest::addColumn<Uloha>("uloha");
        QTest::addColumn<Jazyk>("jazyk");
        QTest::addColumn<QString>("vedeni");   // the lead: its times captured, the core's last
        QTest::addColumn<QStringList>("radky");  // lines of the load that follow it
        QTest::addColumn<QString>("jedna");    // how the single charge temperature's sentence starts
        const QString doba = QStringLiteral("(\\d+) s \\((?:\\d+ h )?(?:\\d+ min)?(?: \\d+ s)?\\)");
        Uloha jadro = Tyce(1, 0.25f);
        QTest::newRow("core of a billet") << jadro << Jazyk::Anglicky
                                          << "The core reaches the final temperature after " + doba + "\\.\n"
                                          << QStringList{"Biot Number [-]: ", "Core Heat-up Time [s]: "}
                                          << "As one charge temperature: Final temperature ";
        Uloha mrizka = Tyce(3, 0.1f);
        mrizka.MrizkaX = 3;
        mrizka.MezeraX = 0.01f;
        mrizka.Prodleva = 600.0f;
        QTest::newRow("array with a soak")
            << mrizka << Jazyk::Anglicky
            << "The cycle with the soak of 10 min takes " + doba +
                   "\\.\nThe core of the slowest piece \\(row 1, column 2\\) reaches the final temperature after " +
                   doba + "\\.\n"
            << QStringList{"Core Heat-up Time [s]: ", "Slowest Piece: 1 2", "Fastest Piece Core Heat-up Time [s]: ",
                           "Cycle Time [s]: ", "Soak Energy [kWh]: "}
            << "As one charge temperature: Final temperature ";
        QTest::newRow("array with a soak, Czech")
            << mrizka << Jazyk::Cesky
            << "Cyklus s výdrží 10 min trvá " + doba +
                   "\\.\nJádro nejpomalejšího kusu \\(řada 1, sloupec 2\\) dosáhne konečné teploty za " + doba + "\\.\n"
            << QStringList{"Nejpomalejší kus: 1 2", "Doba cyklu [s]: "} << "Jako jediná teplota vsázky: Konečné teploty ";
        // 134 bars of 20 mm in a bundle of 0.3 x 0.2 m at a porosity of 0.3.
        Uloha svazek = Tyce(134, 0.02f);
        svazek.SvazekA = 0.3f;
        svazek.SvazekB = 0.2f;
        svazek.Porozita = 0.3f;
        QTest::newRow("bundle") << svazek << Jazyk::Anglicky
                                << "The core of the bundle reaches the final temperature after " + doba + "\\.\n"
                                << QStringList{"Arrangement: bundle of 0.3 m x 0.2 m", "Effective Conductivity [W/m/K]: "}
                                << "As one charge temperature: Final temperature ";
        Uloha prodleva = Priklad();
        prodleva.Prodleva = 600.0f;
        QTest::newRow("soak without a core")
            << prodleva << Jazyk::Anglicky
            << "The cycle with the soak of 10 min takes " + doba +
                   "\\.\nThe charge reaches the final temperature after " + doba + "\\.\n"
            << QStringList{"Cycle Time [s]: 1070"} << "Final temperature 901 °C ";
    }

    // A load whose time is decided beyond the single charge temperature: the message and the
    // table's panel lead with that time (hours and minutes beside the seconds), carry the lines
    // the command line prints, and end with the single temperature's sentence, named as such
    // beside a core. The cycle is the core's time and the soak.
    void vedeCas() {
        QFETCH(Uloha, uloha);
        QFETCH(Jazyk, jazyk);
        QFETCH(QString, vedeni);
        QFETCH(QStringList, radky);
        QFETCH(QString, jedna);
        Lokal l(jazyk == Jazyk::Cesky ? "cs_CZ" : "en_US");
        Okno o(jazyk);
        QVERIFY(o.zadej(uloha));
        o.okno.Vypocti();
        QCOMPARE(o.d.zpravy.size(), 1);
        const QString zprava = o.d.posledni();
        const QRegularExpressionMatch m = QRegularExpression(QLatin1Char('^') + vedeni).match(zprava);
        QVERIFY2(m.hasMatch(), qPrintable(zprava));
        const Vysledek& v = *o.okno.vysledek();
        const double rozhodujici = *v.rozhodujiciCas();
        QCOMPARE(m.captured(m.lastCapturedIndex()).toDouble(), rozhodujici);
        if (uloha.Prodleva > 0.0f) {
            QCOMPARE(m.captured(1).toDouble(), rozhodujici + 600.0);
        }
        qsizetype kde = m.capturedEnd();
        for (const QString& radek : radky) {
            const qsizetype i = zprava.indexOf(QLatin1Char('\n') + radek, kde - 1);
            QVERIFY2(i >= 0, qPrintable(radek + QStringLiteral(" in ") + zprava));
            kde = i + 1;
        }
        QVERIFY2(zprava.indexOf(QLatin1Char('\n') + jedna, kde - 1) > 0, qPrintable(zprava));
        // The table's panel tells the same, below the power frame.
        o.okno.ZobrazTabulku();
        auto* panel = o.w<QLabel>("lblJadro");
        QVERIFY(panel->isVisible());
        QVERIFY(panel->text().startsWith(m.captured(0)));
        QVERIFY(panel->text().contains(QLatin1Char('\n') + jedna));
    }

    // A furnace described: the message and the table's panel carry where the energy went, as the
    // command line does; the problem's furnace comes through the dialog whole.
    void pecVeZprave() {
        Lokal l("en_US");
        Okno o;
        Uloha u = Priklad();
        u.Pec = Box();
        u.Prikon = 60000.0f;
        QVERIFY(o.zadej(u));
        o.okno.Vypocti();
        QCOMPARE(o.d.zpravy.size(), 1);
        QVERIFY(o.okno.vysledek()->Uloha.Pec == u.Pec);
        const QString zprava = o.d.posledni();
        for (const char* radek : {"\nEnergy Balance of the Heat-up [kWh]: electric ", "\nPeak Power [kW]: 60"}) {
            QVERIFY2(zprava.startsWith(QStringLiteral("Final temperature")) && zprava.contains(QLatin1String(radek)),
                     qPrintable(zprava));
        }
        o.okno.ZobrazTabulku();
        QVERIFY(o.w<QLabel>("lblJadro")->text().contains(QStringLiteral("Energy Balance of the Heat-up")));
    }

    void vykonCitelny_data() {
        QTest::addColumn<Uloha>("uloha");
        QTest::addColumn<Jazyk>("jazyk");
        QTest::addColumn<int>("sloupcu");
        Uloha omezeny = Priklad();
        omezeny.Prikon = 40000.0f;
        omezeny.Ztraty = 10;
        Uloha mrizka = Tyce(3, 0.1f);
        mrizka.MrizkaX = 3;
        mrizka.MezeraX = 0.01f;
        Uloha omezenaMrizka = mrizka;
        omezenaMrizka.Prikon = 60000.0f;
        omezenaMrizka.Prodleva = 1800.0f;
        for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
            const char* jazyk = j == Jazyk::Cesky ? ", Czech" : "";
            QTest::addRow("documented%s", jazyk) << Priklad() << j << 2;
            QTest::addRow("thick%s", jazyk) << Tyce(1, 0.25f) << j << 4;
            QTest::addRow("power-limited with losses%s", jazyk) << omezeny << j << 3;
            QTest::addRow("array%s", jazyk) << mrizka << j << 5;
            QTest::addRow("power-limited array with a soak%s", jazyk) << omezenaMrizka << j << 6;
        }
    }

    // In a window of 1366 x 768 every figure of the power frame, the panel below it and the
    // OK button lie whole inside the window, each state and language; the losses typed
    // too large say so there as well.
    void vykonCitelny() {
        QFETCH(Uloha, uloha);
        QFETCH(Jazyk, jazyk);
        QFETCH(int, sloupcu);
        Lokal l(jazyk == Jazyk::Cesky ? "cs_CZ" : "en_US");
        Okno o(jazyk);
        o.okno.resize(1366, 768);
        QVERIFY(o.zadej(uloha));
        o.okno.Vypocti();
        o.okno.ZobrazTabulku();
        QCOMPARE(o.w<QTableView>("grdTabulka")->model()->columnCount(), sloupcu);
        for (const QString& ztraty : {QStringLiteral("10"), QStringLiteral("40000")}) {
            o.w<QComboBox>("cboZtraty")->setEditText(ztraty);
            const QRect okno = o.okno.centralWidget()->rect();
            QStringList videt{"fraVykon", "cboZtraty", "lblZtraty", "lblPrikon", "lblPrikonH", "lblSpotreba",
                              "lblSpotrebaH", "cmdOK", "grdTabulka"};
            if (uloha.Prikon > 0.0f) {
                videt << "lblInstalovany" << "lblInstalovanyH";
            }
            if (uloha.Lambda > 0.0f) {
                videt << "lblJadro" << "lblVarovani";
            }
            if (ztraty != QLatin1String("10")) {
                videt << "lblChybaZtrat";
            }
            for (const QString& jmeno : videt) {
                auto* w = o.w<QWidget>(qPrintable(jmeno));
                QVERIFY2(w->isVisible(), qPrintable(jmeno));
                const QRect kde(w->mapTo(o.okno.centralWidget(), QPoint(0, 0)), w->size());
                QVERIFY2(okno.contains(kde), qPrintable(QStringLiteral("%1 at %2,%3 %4x%5").arg(jmeno).arg(kde.x()).arg(kde.y()).arg(kde.width()).arg(kde.height())));
                // Inside its frame too, and its text not cut.
                if (w->parentWidget() != nullptr && w->parentWidget()->objectName() == QLatin1String("fraVykon")) {
                    QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(jmeno));
                }
                if (auto* popisek = qobject_cast<QLabel*>(w); popisek != nullptr && !popisek->text().isEmpty()) {
                    const QSize treba = popisek->wordWrap() ? QSize(popisek->width(), popisek->heightForWidth(popisek->width()))
                                                            : popisek->sizeHint();
                    QVERIFY2(treba.width() <= popisek->width() && treba.height() <= popisek->height(),
                             qPrintable(jmeno + QStringLiteral(": ") + popisek->text()));
                }
            }
            QVERIFY(!o.w<QLabel>("lblPrikonH")->text().isEmpty() || ztraty != QLatin1String("10"));
        }
    }

    // The window opens larger than its design size, within the screen, and keeps the size the
    // user gave it when a view opens and closes.
    void velikost() {
        Okno o;
        const QSize navrh = o.okno.minimumSize();
        QVERIFY(o.okno.width() > navrh.width() && o.okno.height() > navrh.height());
        QVERIFY(o.okno.frameGeometry().width() <= o.okno.screen()->availableGeometry().width());
        const QSize dana(1200, 700);
        o.okno.resize(dana);
        QVERIFY(o.zadej(Priklad()));
        o.okno.Vypocti();
        for (void (FrmZorvet::*pohled)() : {&FrmZorvet::ZobrazTabulku, &FrmZorvet::ZobrazGraf}) {
            (o.okno.*pohled)();
            QCOMPARE(o.okno.size(), dana);
            o.okno.ZavriPohled();
            QApplication::sendPostedEvents();
            QCOMPARE(o.okno.size(), dana);
        }
    }

    // An array in a furnace of 60 kW: the furnace column and the chart's furnace curve are the
    // equivalent furnace temperature the array saw, below the set 1000 °C while the power
    // limited the heating (up to the end of its last step), rising, and the set temperature after.
    void pecMrizky() {
        Lokal l("en_US");
        Uloha u = Tyce(3, 0.1f);
        u.MrizkaX = 3;
        u.MezeraX = 0.01f;
        u.Prikon = 60000.0f;
        Okno o;
        QVERIFY(o.zadej(u));
        o.okno.Vypocti();
        const float omezeno = o.okno.vysledek()->omezenoDo();
        QVERIFY(omezeno > 0.0f);
        o.okno.ZobrazTabulku();
        const QAbstractItemModel* t = o.w<QTableView>("grdTabulka")->model();
        QVERIFY(t->headerData(2, Qt::Horizontal).toString().contains(QStringLiteral("equivalent")));
        QList<QPointF> sloupec;
        for (int r = 0; r < t->rowCount(); ++r) {
            sloupec.append({t->index(r, 0).data().toDouble(), t->index(r, 2).data().toDouble()});
        }
        QVERIFY2(sloupec.first().y() < 900.0, qPrintable(QString::number(sloupec.first().y())));
        for (qsizetype i = 1; i < sloupec.size(); ++i) {
            QVERIFY(sloupec[i].y() >= sloupec[i - 1].y());
            QCOMPARE(sloupec[i].y() < 1000.0, sloupec[i].x() <= static_cast<double>(omezeno));
        }
        o.okno.ZavriPohled();
        o.okno.ZobrazGraf();
        auto* graf = o.w<Graf>("FlpGrf1");
        QCOMPARE(graf->nazevRady(1), QStringLiteral("Furnace (equivalent, power-limited)"));
        const QList<QPointF> krivka = graf->bodyRady(1);
        QCOMPARE(krivka.size(), sloupec.size());
        for (qsizetype i = 0; i < krivka.size(); ++i) {
            QVERIFY(qAbs(krivka[i].y() - sloupec[i].y()) <= 1e-4 * sloupec[i].y());
        }
    }

    void pridane_data() {
        QTest::addColumn<bool>("otevrit");  // another results file opened, else another case computed
        QTest::addColumn<bool>("ponechat");
        QTest::newRow("opened, dropped") << true << false;
        QTest::newRow("opened, kept") << true << true;
        QTest::newRow("computed, dropped") << false << false;
        QTest::newRow("computed, kept") << false << true;
    }

    // A comparison and a measured log made for the worked example: when another result comes
    // they go with Fit, unless the user keeps them; kept, each is named by its file.
    void pridane() {
        QFETCH(bool, otevrit);
        QFETCH(bool, ponechat);
        Lokal l("en_US");
        Okno o;
        QVERIFY(o.zadej(Priklad()));
        o.okno.Vypocti();
        const QString b = o.slozka.filePath(QStringLiteral("b.odp"));
        QVERIFY(!UlozSoubor(b, Priklad(true), Spocti(Priklad(true)).vysledek.get(), QString(), Jazyk::Anglicky));
        QFile log(o.slozka.filePath(QStringLiteral("log.csv")));
        QVERIFY(log.open(QIODevice::WriteOnly) && log.write("time_s,charge_C\n0,20\n100,300\n200,500\n") > 0);
        log.close();
        o.d.soubory = {b, log.fileName()};
        o.okno.PorovnejS();
        o.okno.ZavriPohled();
        o.okno.ImportujMereni();
        o.okno.ZavriPohled();
        Uloha mrizka = Tyce(3, 0.1f);
        mrizka.MrizkaX = 3;
        mrizka.MezeraX = 0.01f;
        o.d.zpravy.clear();
        o.d.otazky.clear();
        o.d.odpovedi = {ponechat};
        if (otevrit) {
            const QString a = o.slozka.filePath(QStringLiteral("pole.odp"));
            QVERIFY(!UlozSoubor(a, mrizka, Spocti(mrizka).vysledek.get(), QString(), Jazyk::Anglicky));
            o.d.soubory = {a};
            o.d.volby = {Volba::Zahodit};  // the example's result was never saved
            o.okno.Otevri();
        } else {
            QVERIFY(o.zadej(mrizka));
            o.okno.Vypocti();
        }
        QCOMPARE(o.d.otazky.last(), Text(id::PonechatPridane, Jazyk::Anglicky));
        o.okno.ZobrazGraf();
        QStringList nazvy;
        for (int i = 0; i < o.w<Graf>("FlpGrf1")->pocetRad(); ++i) {
            nazvy << o.w<Graf>("FlpGrf1")->nazevRady(i);
        }
        QCOMPARE(nazvy.contains(QStringLiteral("b.odp")), ponechat);
        QCOMPARE(nazvy.contains(QStringLiteral("Measured: log.csv")), ponechat);
        QVERIFY(!nazvy.contains(QStringLiteral("current")) || !otevrit);
        QCOMPARE(o.w<QPushButton>("cmdPrizpusob")->isVisible(), ponechat);
        QCOMPARE(o.d.neocekavane, 0);
    }

    void cil_data() {
        QTest::addColumn<bool>("zrusit");
        QTest::newRow("found") << false;
        QTest::newRow("cancelled") << true;
    }

    // Goal seek off the window's thread: the target names the cycle with the soak; while it
    // searches, Find and the inputs are locked and the progress shows; Cancel stops the search
    // (the dialog stays), else the answer carries its unit.
    void cil() {
        QFETCH(bool, zrusit);
        Lokal l("en_US");
        Uloha u = Priklad();
        u.Prodleva = 600.0f;
        TestDialogy d;
        FrmCil cil(u, Jazyk::Anglicky, d);
        QCOMPARE(Dite<QLabel>(&cil, "lblCilCas")->text(), QStringLiteral("Target Cycle &Time, Soak Included [s]"));
        Dite<QLineEdit>(&cil, "txtCilCas")->setText(QStringLiteral("1200"));
        auto* cbo = Dite<QComboBox>(&cil, "cboCilHledat");
        cbo->setCurrentIndex(cbo->findData(static_cast<int>(Velicina::Tpece)));
        QSignalSpy zavreno(&cil, &QDialog::rejected);
        bool zamceno = false;
        connect(&cil, &FrmCil::spusteno, this, [&] {
            zamceno = !Dite<QPushButton>(&cil, "cmdCilNajdi")->isEnabled() && !cbo->isEnabled() &&
                      !Dite<QWidget>(&cil, "prbCil")->isHidden() && !Dite<QPushButton>(&cil, "cmdCilPouzij")->isEnabled();
            if (zrusit) {
                Dite<QPushButton>(&cil, "cmdCilStorno")->click();
            }
        });
        Dite<QPushButton>(&cil, "cmdCilNajdi")->click();
        QVERIFY(Dockej(&cil, &FrmCil::dokonceno));
        QVERIFY(zamceno);
        QVERIFY(Dite<QPushButton>(&cil, "cmdCilNajdi")->isEnabled() && Dite<QWidget>(&cil, "prbCil")->isHidden());
        QCOMPARE(zavreno.size(), 0);
        const QString odpoved = Dite<QLabel>(&cil, "lblCilOdpoved")->text();
        QCOMPARE(Dite<QPushButton>(&cil, "cmdCilPouzij")->isEnabled(), !zrusit);
        if (zrusit) {
            QCOMPARE(odpoved, Text(id::CilZastaven, Jazyk::Anglicky));
        } else {
            // The cycle of 1200 s is the heat-up of the worked example's 600 s and the soak.
            QCOMPARE(odpoved, QStringLiteral("Furnace Temperature [°C]: ") +
                                  TextObecny(static_cast<float>(HledejCil(Priklad(), Velicina::Tpece, 600.0).hodnota)));
        }
        // Cancel with nothing running closes.
        Dite<QPushButton>(&cil, "cmdCilStorno")->click();
        QCOMPARE(zavreno.size(), 1);
    }

    // A sweep cancelled as it starts stops after its first point: the chart shows that one,
    // the note says so, and Compute is offered again.
    void rozmitaniZrusene() {
        Lokal l("en_US");
        TestDialogy d;
        FrmRozmitani r(Priklad(), Jazyk::Anglicky, d);
        auto* cbo = Dite<QComboBox>(&r, "cboRozmitatVelicinu");
        cbo->setCurrentIndex(cbo->findData(static_cast<int>(Velicina::Tpece)));
        Dite<QLineEdit>(&r, "txtRozmitaniOd")->setText(QStringLiteral("1000"));
        Dite<QLineEdit>(&r, "txtRozmitaniDo")->setText(QStringLiteral("1300"));
        Dite<QLineEdit>(&r, "txtRozmitaniKrok")->setText(QStringLiteral("50"));
        bool zamceno = false;
        connect(&r, &FrmRozmitani::spusteno, this, [&] {
            zamceno = !Dite<QPushButton>(&r, "cmdRozmitaniSpocti")->isEnabled() &&
                      !Dite<QPushButton>(&r, "cmdRozmitaniOK")->isEnabled() && !Dite<QWidget>(&r, "prbRozmitani")->isHidden();
            Dite<QPushButton>(&r, "cmdRozmitaniZrus")->click();
        });
        Dite<QPushButton>(&r, "cmdRozmitaniSpocti")->click();
        QVERIFY(Dockej(&r, &FrmRozmitani::dokonceno));
        QVERIFY(zamceno);
        QCOMPARE(Dite<QLabel>(&r, "lblRozmitaniPoznamka")->text(), Text(id::RozmitaniZastaveno, Jazyk::Anglicky).arg(1).arg(7));
        QCOMPARE(Dite<Graf>(&r, "grfRozmitani")->bodyRady(0).size(), 1);
        QVERIFY(Dite<QPushButton>(&r, "cmdRozmitaniSpocti")->isEnabled() && !Dite<QPushButton>(&r, "cmdRozmitaniZrus")->isEnabled());
    }


    void legenda_data() {
        QTest::addColumn<int>("rad");
        QTest::newRow("three") << 3;
        QTest::newRow("six") << 6;
    }

    // Results compared with their cores, in a chart of the window's design size: the legend
    // keeps to a quarter of the chart, and the temperature axis keeps room for its whole title.
    void legenda() {
        QFETCH(int, rad);
        Graf g;
        g.resize(560, 400);
        g.nastavPismo(QFont(QStringLiteral("Arial"), 16));
        g.nastavPopisOsyY(QStringLiteral("Temperature [°C]"));
        QList<Graf::Rada> rady;
        for (int i = 0; i < rad; ++i) {
            rady.append({QStringLiteral("porovnani_dlouhy_nazev_%1.odp – Core").arg(i), Qt::blue,
                         {{0, 20}, {600.0 + 10 * i, 900}}, Qt::SolidLine, false});
        }
        g.nastavRady(rady);
        g.show();
        QApplication::sendPostedEvents();
        const qreal vyska = g.chart()->size().height();
        QRectF legenda;
        for (const LegendaGrafu::Umisteni& m : g.legenda()) {
            legenda = legenda.united(m.obdelnik);
        }
        QVERIFY2(legenda.height() <= vyska / 4.0, qPrintable(QStringLiteral("%1 of %2").arg(legenda.height()).arg(vyska)));
        const QAbstractAxis* y = g.chart()->axes(Qt::Vertical).first();
        QVERIFY(g.chart()->plotArea().height() >= QFontMetricsF(y->titleFont()).horizontalAdvance(y->titleText()));
    }
};

ZORVET_TEST_OKEN(OdpovedTest);

}  // namespace zorvet::test

#include "odpoved_test.moc"
