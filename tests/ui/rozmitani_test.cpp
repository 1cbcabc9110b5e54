// The sweep window on its own: a family of curves for two quantities, a falling range, the
// points saved as the batch writes them, and a range refused that leaves nothing behind.
#include <QApplication>
#include <QFile>
#include <QtCharts/QChart>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>

#include "files/retezce.h"
#include "files/soubor.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/priklady.h"
#include "ui/common/graf.h"
#include "ui/planning/frm_rozmitani.h"

namespace zorvet::test {

namespace {

struct Okno {
    Lokal lokal{"en_US"};
    TestDialogy d;
    FrmRozmitani okno;

    explicit Okno(const Uloha& u) : okno(u, Jazyk::Anglicky, d) {}
    template <typename T>
    T* w(const char* jmeno) { return Dite<T>(&okno, jmeno); }
    void vyber(const char* box, Velicina v) {
        auto* cbo = w<QComboBox>(box);
        cbo->setCurrentIndex(cbo->findData(static_cast<int>(v)));
    }
    void rozsah(const char* od, const char* po, const char* krok, const QString& a, const QString& b, const QString& k) {
        w<QLineEdit>(od)->setText(a);
        w<QLineEdit>(po)->setText(b);
        w<QLineEdit>(krok)->setText(k);
    }
    QString poznamka() { return w<QLabel>("lblRozmitaniPoznamka")->text(); }
    // Compute, and the points awaited.
    bool spocti() {
        w<QPushButton>("cmdRozmitaniSpocti")->click();
        return Dockej(&okno, &FrmRozmitani::dokonceno);
    }
};

}  // namespace

class RozmitaniTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    // A furnace's layers are offered by the names the command line gives them, starting at their
    // thickness; a thicker insulating layer under a tight power heats the charge sooner.
    void vrstvaPece() {
        Uloha u = Priklad();
        u.Pec = Box();
        u.Prikon = 60000.0f;
        Okno o(u);
        auto* cbo = o.w<QComboBox>("cboRozmitatVelicinu");
        cbo->setCurrentIndex(cbo->findData(QStringLiteral("layer2"), Qt::UserRole + 1));
        QCOMPARE(cbo->currentText(), QStringLiteral("Thickness of Layer 2 of the Lining (walls) [m]"));
        QCOMPARE(o.w<QLineEdit>("txtRozmitaniOd")->text(), QStringLiteral("0.115"));
        o.rozsah("txtRozmitaniOd", "txtRozmitaniDo", "txtRozmitaniKrok", "0.115", "0.345", "0.23");
        QVERIFY(o.spocti());
        const QList<QPointF> body = o.w<Graf>("grfRozmitani")->bodyRady(0);
        QCOMPARE(body.size(), 2);
        QVERIFY2(body[1].y() < body[0].y(), qPrintable(o.poznamka()));
    }

    // The furnace falling from 1300 °C in steps typed as -100, for three emissivities: a curve
    // for each, read along the rising furnace, and the CSV saved from the window is the file the
    // batch writes for the same sweep of the same problem file.
    void rodinaJakoDavka() {
        QTemporaryDir slozka;
        const QString uloha = slozka.filePath("u.cfg");
        QVERIFY(!UlozSoubor(uloha, Priklad(), nullptr, QString(), Jazyk::Anglicky));
        const PrecteniSouboru precteno = NactiSoubor(uloha, false, Priklad(), Jazyk::Anglicky);
        QVERIFY(precteno.obsah != nullptr);
        Okno o(precteno.obsah->uloha);
        o.vyber("cboRozmitatVelicinu", Velicina::Tpece);
        // A temperature is offered with its unit, as its axis is titled.
        QCOMPARE(o.w<QComboBox>("cboRozmitatVelicinu")->currentText(), QStringLiteral("Furnace Temperature [°C]"));
        o.rozsah("txtRozmitaniOd", "txtRozmitaniDo", "txtRozmitaniKrok", "1300", "1000", "-100");
        o.vyber("cboRozmitatVelicinu2", Velicina::Eps);
        o.rozsah("txtRozmitaniOd2", "txtRozmitaniDo2", "txtRozmitaniKrok2", "0.5", "0.9", "0.2");
        // Shown by the test itself: not a stray modal window for the guard to close.
        o.okno.setProperty("zorvetObslouzeno", true);
        o.okno.show();
        QVERIFY(o.spocti());
        QCOMPARE(o.poznamka(), QString());
        auto* graf = o.w<Graf>("grfRozmitani");
        // The family's legend inside the chart, and the chart inside its widget.
        QVERIFY(graf->chart()->size().height() <= graf->height());
        QCOMPARE(graf->legenda().size(), 3);
        for (const LegendaGrafu::Umisteni& l : graf->legenda()) {
            QVERIFY2(QRectF(QPointF(0, 0), graf->chart()->size()).contains(l.obdelnik), qPrintable(l.text));
        }
        QCOMPARE(graf->pocetRad(), 3);
        QStringList nazvy;
        for (int i = 0; i < graf->pocetRad(); ++i) {
            nazvy << graf->nazevRady(i);
            const QList<QPointF> body = graf->bodyRady(i);
            QCOMPARE(body.size(), 4);
            QCOMPARE(body.first().x(), 1000.0);
            QCOMPARE(body.last().x(), 1300.0);
            // A hotter furnace heats faster, a brighter charge too.
            QVERIFY(body.first().y() > body.last().y());
            QVERIFY(i == 0 || body.first().y() < graf->bodyRady(i - 1).first().y());
        }
        QCOMPARE(nazvy, (QStringList{"Emissivity (Material+Inwall) [-] = 0.5", "Emissivity (Material+Inwall) [-] = 0.7",
                                     "Emissivity (Material+Inwall) [-] = 0.9"}));
        QVERIFY(o.w<QPushButton>("cmdRozmitaniExport")->isEnabled());

        const QString okno = slozka.filePath("okno.csv");
        o.d.soubory = {okno};
        o.w<QPushButton>("cmdRozmitaniCsv")->click();
        QCOMPARE(o.d.zpravy.size(), 0);
        const QString davka = slozka.filePath("davka.csv");
        QProcess p;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), slozka.filePath("config"));
        env.insert(QStringLiteral("LC_ALL"), QStringLiteral("en_US.UTF-8"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("QT_QPA_PLATFORM"));
        p.setProcessEnvironment(env);
        p.start(QStringLiteral(ZORVET_PROGRAM), {"sweep", uloha, "--vary", "furnace=1300:1000:100", "--vary",
                                                 "emissivity=0.5:0.9:0.2", "--csv", davka});
        QVERIFY(p.waitForFinished(60000));
        QCOMPARE(p.exitCode(), 0);
        QFile a(okno);
        QFile b(davka);
        QVERIFY(a.open(QIODevice::ReadOnly) && b.open(QIODevice::ReadOnly));
        const QByteArray csv = a.readAll();
        QCOMPARE(csv, b.readAll());
        QCOMPARE(csv.count('\n'), 13);
    }

    void odmitnuto_data() {
        QTest::addColumn<QString>("krok");
        QTest::addColumn<QString>("poznamka");
        QTest::newRow("no step") << "0" << "From 1000 to 1300 in steps of 0 gives no point or more than 200 points.";
        QTest::newRow("a tiny step, told as typed")
            << "1E-300" << "From 1000 to 1300 in steps of 1E-300 gives no point or more than 200 points.";
        QTest::newRow("too many points") << "1" << "From 1000 to 1300 in steps of 1 gives no point or more than 200 points.";
        QTest::newRow("no number") << "x" << "Step: “x” is not a number.";
    }

    // A range refused after a sweep that was computed: its chart goes, and so do Export and
    // Save as CSV, with the reason in the note.
    void odmitnuto() {
        QFETCH(QString, krok);
        QFETCH(QString, poznamka);
        Okno o(Priklad());
        o.vyber("cboRozmitatVelicinu", Velicina::Tpece);
        o.rozsah("txtRozmitaniOd", "txtRozmitaniDo", "txtRozmitaniKrok", "1000", "1300", "100");
        QVERIFY(o.spocti());
        QCOMPARE(o.w<Graf>("grfRozmitani")->bodyRady(0).size(), 4);
        QVERIFY(o.w<QPushButton>("cmdRozmitaniExport")->isEnabled() && o.w<QPushButton>("cmdRozmitaniCsv")->isEnabled());
        o.w<QLineEdit>("txtRozmitaniKrok")->setText(krok);
        o.w<QPushButton>("cmdRozmitaniSpocti")->click();
        QCOMPARE(o.poznamka(), poznamka);
        QCOMPARE(o.w<Graf>("grfRozmitani")->pocetRad(), 0);
        QVERIFY(!o.w<QPushButton>("cmdRozmitaniExport")->isEnabled());
        QVERIFY(!o.w<QPushButton>("cmdRozmitaniCsv")->isEnabled());
    }
};

ZORVET_TEST_OKEN(RozmitaniTest);

}  // namespace zorvet::test

#include "rozmitani_test.moc"
