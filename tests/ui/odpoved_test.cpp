// What the main window answers first for a load: the decisive time leading the message and the
// table view's panel, the power frame readable in every state at 1366 x 768, the furnace an
// array saw, and the comparison and the log that belong to the case they were made for.
#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QRegularExpression>
#include <QTemporaryDir>

#include "files/soubor.h"
#include "files/zpravy_vysledku.h"
#include "model/case/geometrie.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/priklady.h"
#include "ui/main_window/frm_zorvet.h"

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
};

ZORVET_TEST_OKEN(OdpovedTest);

}  // namespace zorvet::test

#include "odpoved_test.moc"
