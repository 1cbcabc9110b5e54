// The furnace as a thermal system in the window: the problem dialog's Furnace tab, which edits
// the case's furnace and refuses an unsound one on OK, the user's own refractory, and the result
// views, whose power frame shows the furnace's balance and whose chart its power.
#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtCharts/QChart>
#include <QtCharts/QValueAxis>
#include <cmath>
#include <functional>
#include <memory>

#include "files/cisla.h"
#include "files/refraktory.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy.h"
#include "model/pipeline/vypocet.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/okno_vysledku.h"
#include "support/priklady.h"
#include "ui/common/graf.h"
#include "ui/main_window/frm_zorvet.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/frm_zadani.h"

namespace zorvet::test {

namespace {

// The problem dialog over a form that holds the worked example in the brick box, the
// refractories of the shipped database (or of a folder given) offered.
struct Zadani {
    Relace relace;
    Nastaveni nastaveni;
    TestDialogy d;
    Formular formular;
    std::unique_ptr<FrmZadani> okno;

    explicit Zadani(const Uloha& u, const QString& data = QStringLiteral(ZORVET_BESIDE)) : relace{data, {}} {
        formular.nastav(u);
        otevri();
    }
    // The dialog opened (again) over the form.
    void otevri() {
        okno = std::make_unique<FrmZadani>(formular, false, relace, nastaveni, d);
        okno->setProperty("zorvetObslouzeno", true);
        okno->show();
        QApplication::setActiveWindow(okno.get());
    }
    template <typename T>
    T* w(const char* jmeno) { return Dite<T>(okno.get(), jmeno); }
};

Uloha VPeci() {
    Uloha u = Priklad();
    u.Pec = Box();
    return u;
}

// What the tab shows agrees with the furnace: the numbers, the choices and every layer.
void OverZobrazeni(Zadani& z, const Pec& p) {
    QCOMPARE(z.w<QCheckBox>("chkPec")->isChecked(), true);
    const std::pair<const char*, float> delky[] = {{"txtSirkaKomory", p.Sirka}, {"txtHloubkaKomory", p.Hloubka},
                                                   {"txtVyskaKomory", p.Vyska}, {"txtSirkaDveri", p.DvereSirka},
                                                   {"txtVyskaDveri", p.DvereVyska}};
    for (const auto& [jmeno, x] : delky) {
        QVERIFY2(static_cast<float>(z.w<QDoubleSpinBox>(jmeno)->value()) == x, jmeno);
    }
    QCOMPARE(z.w<QComboBox>("cboStartPece")->currentIndex(), static_cast<int>(p.Start));
    QCOMPARE(z.w<QComboBox>("cboPlochaSten")->currentIndex(), p.Plocha == PlochaSten::Vnitrni ? 0 : 1);
    for (const auto& [jmeno, vrstvy] : {std::pair{"grdSteny", &p.Steny}, std::pair{"grdStrop", &p.Strop}}) {
        auto* t = z.w<QTableWidget>(jmeno);
        QCOMPARE(t->rowCount(), static_cast<int>(vrstvy->size()));
        for (int i = 0; i < t->rowCount(); ++i) {
            const Vrstva& v = (*vrstvy)[static_cast<std::size_t>(i)];
            QCOMPARE(qobject_cast<QComboBox*>(t->cellWidget(i, 0))->currentText(), QString::fromStdString(v.Material.Nazev));
            QCOMPARE(qobject_cast<QDoubleSpinBox*>(t->cellWidget(i, 1))->value(), std::round(static_cast<double>(v.Tloustka) * 1e4) / 10.0);
        }
    }
}

// What the user does on the tab, and what it makes of the brick box.
struct Uprava {
    const char* nazev;
    std::function<void(Zadani&)> kroky;
    std::function<void(Pec&, const Refraktor& vlakno)> zmena;  // vlakno: the database's fibre
};

void Klikni(Zadani& z, const char* jmeno) { Proved(z.okno.get(), {QString::fromLatin1(jmeno)}); }
void Vyber(Zadani& z, const char* tabulka, int radek) { z.w<QTableWidget>(tabulka)->setCurrentCell(radek, 0); }

const std::vector<Uprava>& Upravy() {
    static const std::vector<Uprava> u{
        {"chamber and door typed",
         [](Zadani& z) {
             const QString c = QLocale().toString(1.25);
             Proved(z.okno.get(), {"txtSirkaKomory=" + c, "txtSirkaDveri=" + c, "txtVyskaDveri=0" + c.mid(1)});
         },
         [](Pec& p, const Refraktor&) { p.Sirka = 1.25f, p.DvereSirka = 1.25f, p.DvereVyska = 0.25f; }},
        {"inner area, after cycles",
         [](Zadani& z) {
             Proved(z.okno.get(), {"cboPlochaSten=inner", "cboStartPece=after cycles", "txtCyklu=3"});
         },
         [](Pec& p, const Refraktor&) { p.Plocha = PlochaSten::Vnitrni, p.Start = StartPece::PoCyklech, p.Cyklu = 3; }},
        {"layer added after the first, of fibre",
         [](Zadani& z) {
             Vyber(z, "grdSteny", 0);
             Klikni(z, "cmdPridatSteny");
             auto* t = z.w<QTableWidget>("grdSteny");
             qobject_cast<QComboBox*>(t->cellWidget(1, 0))->setCurrentText(QStringLiteral("fibre-128"));
             qobject_cast<QDoubleSpinBox*>(t->cellWidget(1, 1))->setValue(50.0);
         },
         [](Pec& p, const Refraktor& vlakno) { p.Steny.insert(p.Steny.begin() + 1, Vrstva{vlakno, 0.05f}); }},
        {"first layer down, then removed",
         [](Zadani& z) {
             Vyber(z, "grdSteny", 0);
             Klikni(z, "cmdDoluSteny");
             Klikni(z, "cmdOdebratSteny");
         },
         [](Pec& p, const Refraktor&) { p.Steny.erase(p.Steny.begin()); }},
        {"roof of its own, its outer layer up",
         [](Zadani& z) {
             Klikni(z, "chkStropJakoSteny");
             Vyber(z, "grdStrop", 1);
             Klikni(z, "cmdNahoruStrop");
         },
         [](Pec& p, const Refraktor&) { p.Strop = {p.Steny[1], p.Steny[0]}; }},
    };
    return u;
}

using Okno = OknoVysledku;

}  // namespace

class PecTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    void uprava_data() {
        QTest::addColumn<int>("uprava");
        QTest::addColumn<QString>("lokal");
        for (std::size_t i = 0; i < Upravy().size(); ++i) {
            for (const char* l : {"en_US", "cs_CZ"}) {
                QTest::newRow((Upravy()[i].nazev + QByteArray(" ") + l).constData()) << static_cast<int>(i) << l;
            }
        }
    }

    // The tab shows the case's furnace; what the user does there reaches the case's furnace, and
    // the dialog opened again shows it so. Unchecked the case has none, checked again the same.
    void uprava() {
        QFETCH(int, uprava);
        QFETCH(QString, lokal);
        Lokal l(qPrintable(lokal));
        Zadani z(VPeci());
        OverZobrazeni(z, *VPeci().Pec);
        Pec ocekavana = *VPeci().Pec;
        const Uprava& u = Upravy()[static_cast<std::size_t>(uprava)];
        const std::vector<Refraktor> databaze = *NactiDatabaziRefraktoru(QStringLiteral(ZORVET_BESIDE), Jazyk::Anglicky).refraktory;
        u.zmena(ocekavana, *NajdiRefraktor("fibre-128", {}, databaze));
        u.kroky(z);
        QVERIFY(z.formular.uloha().Pec.has_value());
        QCOMPARE(*z.formular.uloha().Pec, ocekavana);
        z.otevri();
        OverZobrazeni(z, ocekavana);
        Klikni(z, "chkPec");
        QVERIFY(!z.formular.uloha().Pec.has_value());
        QVERIFY(!z.w<QWidget>("txtOkoli")->isEnabled() && !z.w<QWidget>("grdSteny")->isEnabled());
        Klikni(z, "chkPec");
        QCOMPARE(*z.formular.uloha().Pec, ocekavana);
    }

    void odmitnuti_data() {
        QTest::addColumn<int>("vada");
        QTest::addColumn<QString>("zprava");
        QTest::addColumn<QString>("pole");  // the control in focus; a table's thickness in row n: "grd…:n"
        const QString odmitnuta = QStringLiteral("The furnace is refused: ");
        QTest::newRow("chamber without width") << 0 << odmitnuta + "its chamber needs a width, a depth and a height above zero."
                                               << "txtSirkaKomory";
        QTest::newRow("layer without thickness")
            << 1 << odmitnuta + "layer 2 of its lining of the walls needs a thickness above zero." << "grdSteny:1";
        QTest::newRow("door of one side") << 2 << odmitnuta + "its door needs both a width and a height, no larger than a wall."
                                          << "txtSirkaDveri";
        QTest::newRow("cold start without power")
            << 3 << Text(id::PecBezPrikonu, Jazyk::Anglicky) << "txtPrikon";
    }

    // OK refuses an unsound furnace with the reason the batch gives, and puts the focus where it
    // is to be corrected.
    void odmitnuti() {
        QFETCH(int, vada);
        QFETCH(QString, zprava);
        QFETCH(QString, pole);
        Lokal l("en_US");
        Uloha u = VPeci();
        const std::function<void(Pec&)> vady[] = {[](Pec& p) { p.Sirka = 0.0f; },
                                                  [](Pec& p) { p.Steny[1].Tloustka = 0.0f; },
                                                  [](Pec& p) { p.DvereSirka = 0.5f; },
                                                  [](Pec& p) { p.Start = StartPece::Studeny; }};
        vady[vada](*u.Pec);
        Zadani z(u);
        Klikni(z, "cmdOK");
        QCOMPARE(z.d.zpravy.size(), 1);
        QCOMPARE(z.d.zpravy[0].text, zprava);
        QVERIFY(!z.okno->prijata().has_value());
        const QStringList p = pole.split(QLatin1Char(':'));
        QWidget* ocekavany = p.size() == 1 ? z.w<QWidget>(qPrintable(p[0]))
                                           : z.w<QTableWidget>(qPrintable(p[0]))->cellWidget(p[1].toInt(), 1);
        QCOMPARE(QApplication::focusWidget(), ocekavany);
    }

    void vlastniRefraktor_data() {
        QTest::addColumn<QString>("radek");
        QTest::addColumn<QByteArray>("databaze");
        QTest::addColumn<QByteArray>("potom");  // the database afterwards
        QTest::addColumn<bool>("nabizen");      // the layers offer it
        const QByteArray kaolin("kaolin 2200 20:880/1000:1120 20:1.2 1000:1.5");
        QTest::newRow("into a new database") << QString::fromLatin1(kaolin) << QByteArray() << kaolin + "\n" << true;
        QTest::newRow("over the database's own, its comment kept")
            << QString::fromLatin1(kaolin) << QByteArray("# mine\r\nkaolin 1 1 20:1 # old\r\nifb 2 2 20:2\r\n")
            << "# mine\r\n" + kaolin + " # old\r\nifb 2 2 20:2\r\n" << true;
        QTest::newRow("no refractory") << QStringLiteral("kaolin 2200") << QByteArray("ifb 2 2 20:2\n")
                                       << QByteArray("ifb 2 2 20:2\n") << false;
    }

    // A refractory of the user's own goes into the data folder's database, only its line
    // changed, and the layers offer it at once; a line that is no refractory says why.
    void vlastniRefraktor() {
        QFETCH(QString, radek);
        QFETCH(QByteArray, databaze);
        QFETCH(QByteArray, potom);
        QFETCH(bool, nabizen);
        Lokal l("en_US");
        QTemporaryDir slozka;
        const QString soubor = slozka.filePath(QStringLiteral("Refractories.lst"));
        if (!databaze.isEmpty()) {
            QFile f(soubor);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(databaze) == databaze.size());
        }
        Zadani z(VPeci(), slozka.path());
        z.d.vstupy = {radek};
        z.d.odpovedi = {true};
        Klikni(z, "cmdNovyRefraktor");
        QCOMPARE(z.d.zpravy.size(), 1);
        QCOMPARE(z.d.zpravy[0].ikona, nabizen ? Ikona::Informace : Ikona::Vykricnik);
        QFile f(soubor);
        QCOMPARE(f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray(), potom);
        auto* vrstva = qobject_cast<QComboBox*>(z.w<QTableWidget>("grdSteny")->cellWidget(0, 0));
        QCOMPARE(vrstva->findText(QStringLiteral("kaolin")) >= 0, nabizen);
    }

    void vysledek_data() {
        QTest::addColumn<bool>("pec");
        QTest::addColumn<float>("prodleva");
        QTest::newRow("no furnace") << false << 0.0f;
        QTest::newRow("furnace, heat-up") << true << 0.0f;
        QTest::newRow("furnace, with a soak") << true << 600.0f;
    }

    // The power frame shows, for a furnace, its balance as the batch states it (the cycle's
    // column with a cycle) in place of the losses' figures; the chart has the furnace's power on
    // an axis of its own, named in the legend. Without a furnace both are as they were.
    void vysledek() {
        QFETCH(bool, pec);
        QFETCH(float, prodleva);
        Uloha u = pec ? VPeci() : Priklad();
        u.Prodleva = prodleva;
        u.Prikon = 60000.0f;  // the charge at 20 °C would take more: the furnace is held down
        Okno o(u);
        o.okno.ZobrazTabulku();
        auto* bilance = o.w<QTableWidget>("grdBilance");
        QCOMPARE(bilance->isVisible(), pec);
        QCOMPARE(o.w<QComboBox>("cboZtraty")->isVisible(), !pec);
        QCOMPARE(o.w<QLabel>("lblPrikonH")->isVisible(), !pec);
        if (pec) {
            // "Energy Balance of the Heat-up [kWh]: electric E, charge C, …" and of the cycle.
            const QStringList radky = RadkyPece(*o.okno.vysledek(), Jazyk::Anglicky).split(QLatin1Char('\n'));
            for (int sloupec = 0; sloupec < 2; ++sloupec) {
                const QStringList bilanceRadek =
                    radky.filter(Text(sloupec == 0 ? id::BilanceOhrevu : id::BilanceCyklu, Jazyk::Anglicky));
                QCOMPARE(bilance->isColumnHidden(sloupec), bilanceRadek.isEmpty());
                if (bilanceRadek.isEmpty()) {
                    continue;
                }
                const QStringList polozky = bilanceRadek[0].section(QStringLiteral(": "), 1).split(QStringLiteral(", "));
                QCOMPARE(polozky.size(), bilance->rowCount());
                for (int i = 0; i < bilance->rowCount(); ++i) {
                    QCOMPARE(bilance->item(i, sloupec)->text(), polozky[i].section(QLatin1Char(' '), -1));
                }
            }
        }
        QTest::keyClick(&o.okno, Qt::Key_Escape);
        o.okno.ZobrazGraf();
        const QList<QAbstractAxis*> osy = o.w<Graf>("FlpGrf1")->chart()->axes(Qt::Vertical);
        QCOMPARE(osy.size(), pec ? 2 : 1);
        const QStringList nazvy = o.nazvy();
        QCOMPARE(nazvy.contains(QStringLiteral("Power")), pec);
        // The hot face is the furnace itself, though the installed power held it down; without a
        // furnace described, the power-limited steps show an equivalent one.
        QCOMPARE(nazvy.contains(Text(id::Pec, Jazyk::Anglicky)), pec);
        QCOMPARE(nazvy.contains(Text(id::PecOmezena, Jazyk::Anglicky)), !pec);
        if (pec) {
            QCOMPARE(osy[1]->alignment(), Qt::AlignRight);
            QCOMPARE(osy[1]->titleText(), QStringLiteral("Power [kW]"));
        }
    }
};

ZORVET_TEST_OKEN(PecTest);

}  // namespace zorvet::test

#include "pec_test.moc"
