// The arrangement tab of the problem dialog and what a computed array shows: the controls the
// case allows, the values typed in the case and back from its file, the slowest piece marked
// on the sketch, and the fastest piece's core in the table and on the chart.
#include <QHeaderView>
#include <QImage>
#include <QPalette>
#include <cmath>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include "files/soubor.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "ui/common/graf.h"
#include "ui/main_window/frm_zorvet.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/frm_zadani.h"
#include "ui/problem_dialog/nacrt_usporadani.h"

namespace zorvet::test {

namespace {

QString Soubor(const QString& jmeno) { return QStringLiteral(ZORVET_EXAMPLES "/") + jmeno; }

// The dialog as the main window opens it, an example loaded through Load.
struct Zadani {
    Relace relace;
    Nastaveni nastaveni;
    TestDialogy d;
    Formular formular;
    FrmZadani okno{formular, false, relace, nastaveni, d};

    explicit Zadani(const QString& cesta, Jazyk jazyk = Jazyk::Anglicky) : nastaveni{jazyk} {
        okno.setProperty("zorvetObslouzeno", true);
        okno.show();
        QApplication::setActiveWindow(&okno);
        d.soubory.append(cesta);
        Dite<QPushButton>(&okno, "cmdNactiCfg")->click();
    }
    QWidget* w(const char* jmeno) { return Dite<QWidget>(&okno, jmeno); }
};

// The rows of the tab: the fields whose control is on the arrangement's tab.
QList<const PopisPole*> RadkyZalozky() {
    QList<const PopisPole*> radky;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.zalozka == Pole(Velicina::MrizkaX).zalozka) {
            radky.append(&p);
        }
    }
    return radky;
}

const PopisPole& PodleOvladace(const QString& jmeno) {
    for (const PopisPole* p : RadkyZalozky()) {
        if (jmeno == QLatin1String(p->ovladac)) {
            return *p;
        }
    }
    qFatal("no field %s", qPrintable(jmeno));
}

// An array's fields belong to round or square bars, a bundle's to round bars; the soak to all.
bool VeVolbe(const PopisPole& p, const QString& volba) {
    if (p.kdy == Kdy::ZRozmeruTyce) {
        return volba == QLatin1String("optMrizka");
    }
    if (p.kdy == Kdy::ZRozmeruKruh) {
        return volba == QLatin1String("optSvazek");
    }
    return true;
}

// A row of three 100 mm round bars, 10 mm apart, of a known conductivity: the problem is the
// whole load of three pieces.
const QStringList kRadaTri{"txtLambda=40",  "txtA2=0.1",    "txtPocetProfilu=3", "cboAL=3",
                           "optMrizka",     "txtMrizkaX=3", "txtMezeraX=0.01"};

}  // namespace

class UsporadaniTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    void povoleni_data() {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("volby");  // "choice:fields enabled;..." for each choice enabled
        QTest::newRow("typed mass") << "uncontrolled.cfg" << QStringList{} << "optVolnyKus:1";
        QTest::newRow("rectangular bars") << "mass_from_dimensions.cfg" << QStringList{} << "optVolnyKus:1";
        QTest::newRow("square bars") << "mass_from_dimensions.cfg" << QStringList{"optProfilC"}
                                     << "optVolnyKus:1;optMrizka:5";
        QTest::newRow("round bar") << "thick_round_bar.cfg" << QStringList{} << "optVolnyKus:1;optMrizka:5;optSvazek:6";
    }

    // A control is enabled exactly where its row applies to the case and belongs to the
    // arrangement chosen; a choice is offered only where its arrangement can be.
    void povoleni() {
        QFETCH(QString, soubor);
        QFETCH(QStringList, kroky);
        QFETCH(QString, volby);
        Lokal l("en_US");
        Zadani z(Soubor(soubor));
        Proved(&z.okno, kroky);
        QStringList nabidnute;
        for (const char* volba : {"optVolnyKus", "optMrizka", "optSvazek"}) {
            auto* o = Dite<QRadioButton>(&z.okno, volba);
            if (!o->isEnabled()) {
                continue;
            }
            Proved(&z.okno, {QString::fromLatin1(volba)});
            QVERIFY(o->isChecked());
            int povoleno = 0;
            for (const PopisPole* p : RadkyZalozky()) {
                const bool ma = Plati(p->kdy, z.formular.uloha()) && VeVolbe(*p, QLatin1String(volba));
                QVERIFY2(z.w(p->ovladac)->isEnabled() == ma, p->ovladac);
                povoleno += ma ? 1 : 0;
            }
            nabidnute << QStringLiteral("%1:%2").arg(QLatin1String(volba)).arg(povoleno);
        }
        QCOMPARE(nabidnute.join(QLatin1Char(';')), volby);
    }

    void akceleratory_data() {
        QTest::addColumn<Jazyk>("jazyk");
        QTest::newRow("English") << Jazyk::Anglicky;
        QTest::newRow("Czech") << Jazyk::Cesky;
    }

    // Every caption and choice of the tab has a letter of its own, which neither another of
    // the tab nor a button of the dialog takes.
    void akceleratory() {
        QFETCH(Jazyk, jazyk);
        Zadani z(Soubor(QStringLiteral("thick_round_bar.cfg")), jazyk);
        QStringList texty;
        for (const char* tlacitko : {"cmdNactiCfg", "cmdUlozCfg", "cmdOK", "cmdStorno"}) {
            texty << Dite<QPushButton>(&z.okno, tlacitko)->text();
        }
        QWidget* zalozka = Dite<QTabWidget>(&z.okno, "TabStrip1")->widget(Pole(Velicina::MrizkaX).zalozka);
        for (const QLabel* l : zalozka->findChildren<QLabel*>()) {
            if (l->buddy() != nullptr) {
                texty << l->text();
            }
        }
        for (const QRadioButton* o : zalozka->findChildren<QRadioButton*>()) {
            texty << o->text();
        }
        QCOMPARE(texty.size(), 4 + RadkyZalozky().size() + 3);
        QStringList pismena;
        for (const QString& text : texty) {
            const qsizetype i = text.indexOf(QLatin1Char('&'));
            QVERIFY2(i >= 0 && i + 1 < text.size(), qPrintable(text));
            const QString pismeno = text.mid(i + 1, 1).toLower();
            QVERIFY2(!pismena.contains(pismeno), qPrintable(text));
            pismena << pismeno;
        }
    }

    void hodnoty_data() {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("volba");
        QTest::addColumn<QString>("pole");  // "control=text;..." as the fields show them
        QTest::newRow("array") << (QStringList{"txtLambda=40", "txtPocetProfilu=6", "cboAL=6", "optMrizka",
                                               "txtMrizkaX=3", "txtMrizkaY=2",
                                               "txtMezeraX=0.01", "txtMezeraY=0.02", "txtProdleva=30"})
                               << "optMrizka" << "txtMrizkaX=3;txtMrizkaY=2;txtMezeraX=0.01;txtMezeraY=0.02;txtProdleva=30";
        // 134 bars of 20 mm in a bundle of 0.3 x 0.2 m at a porosity of 0.3.
        QTest::newRow("bundle") << (QStringList{"txtLambda=40", "txtA2=0.02", "txtPocetProfilu=134", "cboAL=134",
                                                "optSvazek", "txtSvazekA=0.3",
                                                "txtSvazekB=0.2", "cboBaleni=Hexagonal", "txtPorozita=0.3",
                                                "txtKefSvazku=5"})
                                << "optSvazek"
                                << "txtSvazekA=0.3;txtSvazekB=0.2;cboBaleni=Hexagonal;txtPorozita=0.3;txtKefSvazku=5";
        // Another choice sets the fields of the one left back to the free piece.
        QTest::newRow("array, then the free piece")
            << (QStringList{"txtLambda=40", "optMrizka", "txtMrizkaX=3", "txtMezeraX=0.01", "optVolnyKus"})
            << "optVolnyKus" << "txtMrizkaX=1;txtMrizkaY=1;txtMezeraX=0";
        QTest::newRow("bundle, then an array")
            << (QStringList{"txtLambda=40", "txtA2=0.02", "optSvazek", "txtSvazekA=0.3", "txtPorozita=0.3",
                            "optMrizka", "txtMrizkaX=2", "txtPocetProfilu=2", "cboAL=2"})
            << "optMrizka" << "txtSvazekA=;txtPorozita=;txtMrizkaX=2";
    }

    // What is typed reaches the case OK accepts, in the record's units (the soak in seconds);
    // saved and loaded again, the file fills the fields and the choice as they were.
    void hodnoty() {
        QFETCH(QStringList, kroky);
        QFETCH(QString, volba);
        QFETCH(QString, pole);
        Lokal l("en_US");
        QTemporaryDir t;
        const QString cesta = t.filePath(QStringLiteral("usporadani.cfg"));
        {
            Zadani z(Soubor(QStringLiteral("thick_round_bar.cfg")));
            Proved(&z.okno, kroky);
            z.d.soubory = {cesta};
            z.d.odpovedi = {false};
            Proved(&z.okno, {"cmdUlozCfg", "cmdOK"});
            QVERIFY2(z.okno.prijata().has_value(), qPrintable(z.d.posledni()));
            const Uloha& u = *z.okno.prijata();
            for (const QString& par : pole.split(QLatin1Char(';'))) {
                const PopisPole& p = PodleOvladace(par.section(QLatin1Char('='), 0, 0));
                const QString text = par.section(QLatin1Char('='), 1);
                const double ocekavano = p.velicina == Velicina::Baleni ? (text == QLatin1String("Hexagonal") ? 1.0 : 0.0)
                                                                        : static_cast<double>(static_cast<float>(
                                                                              text.toDouble() * p.meritko));
                QVERIFY2(Hodnota(p, u) == ocekavano, p.ovladac);
            }
        }
        Zadani z(cesta);
        QVERIFY(Dite<QRadioButton>(&z.okno, qPrintable(volba))->isChecked());
        for (const QString& par : pole.split(QLatin1Char(';'))) {
            QWidget* w = z.w(qPrintable(par.section(QLatin1Char('='), 0, 0)));
            const auto* seznam = qobject_cast<QComboBox*>(w);
            QCOMPARE(seznam != nullptr ? seznam->currentText() : qobject_cast<QLineEdit*>(w)->text(),
                     par.section(QLatin1Char('='), 1));
        }
    }

    void meritkoNacrtu_data() {
        QTest::addColumn<bool>("kruhove");
        QTest::addColumn<double>("d");
        QTest::addColumn<int>("nx");
        QTest::addColumn<int>("ny");
        QTest::addColumn<double>("gx");
        QTest::addColumn<double>("gy");
        QTest::addColumn<double>("svazekA");  // a bundle, of the sides A and B (B 0: round)
        QTest::addColumn<double>("svazekB");
        QTest::newRow("three round bars, gaps of half a bar") << true << 0.1 << 3 << 1 << 0.05 << 0.0 << 0.0 << 0.0;
        QTest::newRow("2 x 3 square bars, rows far apart") << false << 0.05 << 2 << 3 << 0.01 << 0.04 << 0.0 << 0.0;
        QTest::newRow("round bundle") << true << 0.02 << 1 << 1 << 0.0 << 0.0 << 0.25 << 0.0;
        QTest::newRow("flat bundle") << true << 0.02 << 1 << 1 << 0.0 << 0.0 << 0.3 << 0.1;
    }

    // The sketch of the load as painted is to scale: the load fills the room on the side that
    // limits it, centred, and each bar of an array is as wide as a bar and as far from the next
    // as the gap, at that scale.
    void meritkoNacrtu() {
        QFETCH(bool, kruhove);
        QFETCH(double, d);
        QFETCH(int, nx);
        QFETCH(int, ny);
        QFETCH(double, gx);
        QFETCH(double, gy);
        QFETCH(double, svazekA);
        QFETCH(double, svazekB);
        NacrtUsporadani nacrt;
        QPalette paleta;
        paleta.setColor(QPalette::Window, Qt::white);
        nacrt.setPalette(paleta);
        nacrt.resize(312, 212);  // 300 x 200 inside its margins of 6
        nacrt.nastav({kruhove, d, nx, ny, gx, gy, svazekA > 0.0, svazekA, svazekB, std::nullopt});
        QImage obraz(nacrt.size(), QImage::Format_RGB32);
        obraz.fill(Qt::white);
        nacrt.render(&obraz);
        const auto kresba = [&obraz](int x, int y) { return obraz.pixel(x, y) != QColor(Qt::white).rgb(); };
        QRect obrys;
        for (int y = 0; y < obraz.height(); ++y) {
            for (int x = 0; x < obraz.width(); ++x) {
                obrys |= kresba(x, y) ? QRect(x, y, 1, 1) : QRect();
            }
        }
        const QSizeF m = svazekA > 0.0 ? QSizeF(svazekA, svazekB > 0.0 ? svazekB : svazekA)
                                       : QSizeF(nx * d + (nx - 1) * gx, ny * d + (ny - 1) * gy);
        const double k = std::min(300.0 / m.width(), 200.0 / m.height());
        const QString popis = QStringLiteral("drawn %1 x %2 at %3, %4").arg(obrys.width()).arg(obrys.height())
                                  .arg(obrys.left()).arg(obrys.top());
        QVERIFY2(std::abs(obrys.width() - m.width() * k) <= 3.5 && std::abs(obrys.height() - m.height() * k) <= 3.5,
                 qPrintable(popis));
        QVERIFY2(std::abs(obrys.center().x() - 155.5) <= 1.5 && std::abs(obrys.center().y() - 105.5) <= 1.5, qPrintable(popis));
        if (svazekA > 0.0) {
            return;
        }
        // Across the middle of the first row: a run of the drawing for each bar.
        const int y = obrys.top() + static_cast<int>(d * k / 2.0);
        QList<QPair<int, int>> kusy;  // first and last column
        for (int x = 0; x < obraz.width(); ++x) {
            if (kresba(x, y) && (x == 0 || !kresba(x - 1, y))) {
                kusy.append({x, x});
            } else if (kresba(x, y)) {
                kusy.last().second = x;
            }
        }
        QCOMPARE(kusy.size(), nx);
        for (qsizetype i = 0; i < kusy.size(); ++i) {
            QVERIFY2(std::abs(kusy[i].second - kusy[i].first + 1 - d * k) <= 3.5, qPrintable(popis));
            QVERIFY2(i == 0 || std::abs(kusy[i].first - kusy[i - 1].first - (d + gx) * k) <= 1.5, qPrintable(popis));
        }
    }

    // A row of three bars computed in the main window: its middle bar, shaded by both
    // neighbours, is the slowest, and the sketch marks it while the dialog holds that array; the
    // table and the chart show the fastest piece's core beside the slowest piece's.
    void vypoctenaMrizka() {
        Lokal l("en_US");
        TestDialogy d;
        Nastaveni nastaveni;
        FrmZorvet okno{nastaveni, d};
        okno.Nacti(false);
        okno.show();
        QApplication::setActiveWindow(&okno);
        const auto zadej = [&](const std::function<void(QWidget*)>& co) {
            NaOkno na("frmZadani", [&co](QWidget* z) {
                co(z);
                if (z->isVisible()) {
                    static_cast<QDialog*>(z)->reject();
                }
            });
            okno.Zadani();
            QVERIFY(na.probehlo());
        };
        d.soubory = {Soubor(QStringLiteral("thick_round_bar.cfg"))};
        zadej([](QWidget* z) { Proved(z, QStringList{"cmdNactiCfg"} << kRadaTri << "cmdOK"); });
        d.zpravy.clear();  // the file's comment
        okno.Vypocti();
        QCOMPARE(d.zpravy.size(), 1);
        zadej([](QWidget* z) {
            QCOMPARE(Dite<NacrtUsporadani>(z, "ShpUsporadani")->rozestaveni().nejpomalejsi, std::pair(1, 2));
            QCOMPARE(Dite<QLabel>(z, "lblNejpomalejsi")->text(), QStringLiteral("Slowest piece: row 1, column 2"));
            // Another array is not the one computed.
            Proved(z, {"txtMrizkaX=4"});
            QVERIFY(!Dite<NacrtUsporadani>(z, "ShpUsporadani")->rozestaveni().nejpomalejsi);
            QCOMPARE(Dite<QLabel>(z, "lblNejpomalejsi")->text(), QString());
        });

        okno.ZobrazTabulku();
        const QAbstractItemModel* tabulka = Dite<QTableView>(&okno, "grdTabulka")->model();
        const auto nazev = [tabulka](int c) {
            return tabulka->headerData(c, Qt::Horizontal).toString().section(QLatin1Char('\n'), 0, 0);
        };
        QCOMPARE(tabulka->columnCount(), 5);
        QCOMPARE(nazev(3), QStringLiteral("Slowest Piece Core"));
        QCOMPARE(nazev(4), QStringLiteral("Fastest Piece Core"));
        // The outer bars heat sooner: the fastest core is never behind the slowest, and it
        // reaches the final temperature at the fastest piece's time.
        const Vysledek* v = okno.vysledek();
        const auto k = static_cast<int>(std::lround(v->Usporadani->casNejrychlejsiho / static_cast<double>(v->Uloha.CasKrok)));
        const auto t = [tabulka](int r, int c) { return tabulka->index(r, c).data().toString().toDouble(); };
        QVERIFY(k > 0 && k < tabulka->rowCount());
        const auto tk = static_cast<double>(v->Uloha.Tk);
        QVERIFY(t(k, 4) >= tk && t(k - 1, 4) < tk);
        for (int r = 0; r < tabulka->rowCount(); ++r) {
            QVERIFY(t(r, 4) >= t(r, 3));
        }
        okno.ZavriPohled();
        okno.ZobrazGraf();
        auto* graf = Dite<Graf>(&okno, "FlpGrf1");
        QStringList rady;
        for (int i = 0; i < graf->pocetRad(); ++i) {
            rady << graf->nazevRady(i);
        }
        QCOMPARE(rady, (QStringList{"Charge", "Slowest Surface", "Slowest Core", "Fastest Core"}));
    }
};

ZORVET_TEST_OKEN(UsporadaniTest);

}  // namespace zorvet::test

#include "usporadani_test.moc"
