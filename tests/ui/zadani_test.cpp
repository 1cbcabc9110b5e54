// The problem dialog on its own: what OK refuses and where it sends the user, the mass and
// surfaces that follow the dimensions, the material database and the question before Load.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QLabel>
#include <QSet>
#include <QImage>
#include <QPalette>
#include <QTransform>
#include <QtCharts/QChartView>
#include <QtCharts/QLineSeries>
#include <algorithm>
#include <functional>
#include <map>
#include <span>

#include "files/cisla.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "model/properties/vlastnosti.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "support/priklady.h"
#include "ui/problem_dialog/formular.h"
#include "ui/problem_dialog/frm_zadani.h"
#include "ui/problem_dialog/nacrt_profilu.h"
#include "ui/common/graf.h"

namespace zorvet::test {

namespace {

QString Soubor(const QString& jmeno) { return QStringLiteral(ZORVET_EXAMPLES "/") + jmeno; }

// The problem of the window at the start, whose reduction factor is 1, and an example opened in it.
Uloha Zacatek() {
    Uloha zacatek;
    zacatek.KoefK = 1.0f;
    return zacatek;
}
Uloha Priklad(const QString& jmeno) { return NactiSoubor(Soubor(jmeno), false, Zacatek(), Jazyk::Anglicky).obsah->uloha; }

QByteArray Obsah(const QString& cesta) {
    QFile f(cesta);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The dialog as the main window opens it for a new problem, shown and active.
struct Zadani {
    Relace relace;
    Nastaveni nastaveni;
    TestDialogy d;
    Formular formular;
    FrmZadani okno;

    explicit Zadani(const QString& data = QString(), bool prijata = false, Jazyk jazyk = Jazyk::Anglicky)
        : relace{data, {}}, nastaveni([jazyk] {
              Nastaveni n;
              n.Jazyk = jazyk;
              return n;
          }()),
          okno(formular, prijata, relace, nastaveni, d) {
        // Shown by the test itself: not a stray modal window for the guard to close.
        okno.setProperty("zorvetObslouzeno", true);
        okno.show();
        QApplication::setActiveWindow(&okno);
    }
    // A file read through Load; its comment box is left out of the messages.
    void nacti(const QString& cesta) {
        d.soubory.append(cesta);
        Dite<QPushButton>(&okno, "cmdNactiCfg")->click();
        QVERIFY(okno.windowTitle().endsWith(QFileInfo(cesta).fileName()));
        d.zpravy.clear();
    }
};


// The accelerator letter of a caption ("&Load" is L, "&&" is no accelerator), lower case;
// empty when it has none.
QString Akcelerator(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == QLatin1Char('&')) {
            if (text[i + 1] == QLatin1Char('&')) {
                ++i;
                continue;
            }
            return text.mid(i + 1, 1).toLower();
        }
    }
    return {};
}

// A problem in which the field belongs to the case, its tab showing it ready for typing: a typed
// mass, else bars whose mass comes from their dimensions (rectangular, else round), else a
// controlled furnace, or one described as a thermal system; an array or a bundle for the fields
// of their frames.
Uloha PripadPole(const PopisPole& p) {
    Uloha u = Priklad(QStringLiteral("uncontrolled.cfg"));
    const std::function<void(Uloha&)> zmeny[] = {
        [](Uloha& x) { x = Priklad(QStringLiteral("mass_from_dimensions.cfg")); },
        [](Uloha& x) { x.Profil = Profil::Kruhovy; },
        [](Uloha& x) {
            x.Rizeny = true;
            x.PocetKrivek = 2;
        },
        [](Uloha& x) { x.Pec = Box(); }};
    for (const auto& zmena : zmeny) {
        if (!Plati(p.kdy, u)) {
            zmena(u);
        }
    }
    const QLatin1String ramec(p.ramec);
    if (ramec == QLatin1String("frmMrizka")) {
        u.MrizkaX = 2;
    } else if (ramec == QLatin1String("frmSvazek")) {
        u.SvazekA = 0.5f;
    }
    return u;
}

// What a field holds in the record; the curve's are the first segment's.
double VZaznamu(const PopisPole& p, const Uloha& u) {
    if (p.velicina == Velicina::TeplotaKrivky) {
        return static_cast<double>(u.Krivka[1].Teplota);
    }
    if (p.velicina == Velicina::DobaVydrze) {
        return static_cast<double>(u.Krivka[0].DobaVydrze);
    }
    return Hodnota(p, u);
}

// Where a dimension line of the sketch of a piece stands: the line on the left of the shape,
// read from the picture, in pixels.
struct Kota {
    int cara = -1;                  // the line's column
    int nahore = -1, dole = -1;     // its ends
    int tvarNahore = -1, tvarDole = -1;  // the rows the shape spans beside it
    int polosirka = 0;              // how far the arrow heads reach beside the line
    int hrotNahore = 0, hrotDole = 0;  // how long the heads are, from their points
};

Kota CtiKotu(const QImage& obraz) {
    const int sirka = obraz.width();
    const int vyska = obraz.height();
    const auto kresba = [&](int x, int y, int mez = 245) { return x >= 0 && x < sirka && qGray(obraz.pixel(x, y)) < mez; };
    const auto pocet = [&](int x, int mez = 245) {
        int n = 0;
        for (int y = 0; y < vyska; ++y) {
            n += kresba(x, y, mez) ? 1 : 0;
        }
        return n;
    };
    Kota k;
    int levy = 0;  // the heads' outer edge
    while (levy < sirka && pocet(levy) == 0) {
        ++levy;
    }
    k.cara = levy;  // the darkest column near it
    for (int x = levy; x <= levy + 4; ++x) {
        k.cara = pocet(x, 150) > pocet(k.cara, 150) ? x : k.cara;
    }
    for (int y = 0; y < vyska; ++y) {
        if (kresba(k.cara, y)) {
            k.nahore = k.nahore < 0 ? y : k.nahore;
            k.dole = y;
        }
    }
    // A head reaches out of the line in a row without a break; its base is the row where it
    // reaches farthest, first from its point.
    const auto dosah = [&](int y) {
        int x = k.cara;
        while (kresba(x - 1, y)) {
            --x;
        }
        return k.cara - x;
    };
    for (const int smer : {1, -1}) {
        const int hrot = smer > 0 ? k.nahore : k.dole;
        int zakladna = hrot;
        for (int y = hrot; y != hrot + 12 * smer && y >= 0 && y < vyska; y += smer) {
            zakladna = dosah(y) > dosah(zakladna) ? y : zakladna;
        }
        k.polosirka = std::max(k.polosirka, dosah(zakladna));
        (smer > 0 ? k.hrotNahore : k.hrotDole) = std::abs(zakladna - hrot);
    }
    // The shape: from the first tall column past the heads to the last column drawn; the
    // longest run of its middle column (the other dimension line runs apart).
    int od = k.cara + k.polosirka + 1;
    while (od < sirka && pocet(od) <= (k.dole - k.nahore) / 2) {
        ++od;
    }
    int po = sirka - 1;
    while (po > od && pocet(po) == 0) {
        --po;
    }
    const int stred = (od + po) / 2;
    for (int y = 0, zacatek = -1; stred < sirka && y <= vyska; ++y) {
        if (y < vyska && kresba(stred, y)) {
            zacatek = zacatek < 0 ? y : zacatek;
        } else if (zacatek >= 0) {
            if (y - zacatek > k.tvarDole - k.tvarNahore) {
                k.tvarNahore = zacatek;
                k.tvarDole = y - 1;
            }
            zacatek = -1;
        }
    }
    return k;
}

// The controls of the documented problem dialog whose captions share a letter.
const QSet<QString> kDokumentovane{"cmdStorno",   "cmdOK",     "cmdNactiCfg", "cmdUlozCfg", "optRizeny", "optNerizenyO",
                                   "lblUsekC",    "lblKonTep", "lblTpece",    "lblTk",      "lblTv",     "optProfilK",
                                   "optProfilO",  "optProfilC", "optMza",     "lblL2",      "lblAL"};

// Every caption with an accelerator on a page, with the control's object name.
void Akceleratory(QWidget* stranka, std::multimap<QString, QString>* pismena) {
    for (QWidget* w : stranka->findChildren<QWidget*>()) {
        QString text;
        if (auto* l = qobject_cast<QLabel*>(w); l != nullptr && l->buddy() != nullptr) {
            text = l->text();
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            text = b->text();
        } else if (auto* g = qobject_cast<QGroupBox*>(w); g != nullptr && g->isCheckable()) {
            text = g->title();
        }
        if (const QString a = Akcelerator(text); !a.isEmpty()) {
            pismena->emplace(a, w->objectName());
        }
    }
}

}  // namespace

class ZadaniTest : public QObject {
    Q_OBJECT
private slots:
    void akceleratory_data() {
        QTest::addColumn<int>("jazyk");
        QTest::newRow("English") << 0;
        QTest::newRow("Czech") << 1;
    }

    // On every tab, with every control it may show, a caption added to the documented window
    // takes a letter that no other control on its tab nor a button of the dialog uses. The
    // documented captions stay as they are, letters they share included.
    void akceleratory() {
        QFETCH(int, jazyk);
        Zadani z(QString(), false, jazyk == 0 ? Jazyk::Anglicky : Jazyk::Cesky);
        std::multimap<QString, QString> tlacitka;
        for (const char* b : {"cmdNactiCfg", "cmdUlozCfg", "cmdOK", "cmdStorno"}) {
            tlacitka.emplace(Akcelerator(Dite<QPushButton>(&z.okno, b)->text()), QString::fromLatin1(b));
        }
        auto* zalozky = Dite<QTabWidget>(&z.okno, "TabStrip1");
        QStringList dvakrat;
        for (int i = 0; i < zalozky->count(); ++i) {
            std::multimap<QString, QString> pismena = tlacitka;
            Akceleratory(zalozky->widget(i), &pismena);
            for (auto it = pismena.begin(); it != pismena.end(); it = pismena.upper_bound(it->first)) {
                const auto [od, po] = pismena.equal_range(it->first);
                const bool pridany = std::any_of(od, po, [](const auto& p) { return !kDokumentovane.contains(p.second); });
                if (pismena.count(it->first) > 1 && pridany) {
                    QStringList kdo;
                    for (auto [a, b] = pismena.equal_range(it->first); a != b; ++a) {
                        kdo << a->second;
                    }
                    dvakrat << QStringLiteral("%1 Alt+%2: %3").arg(zalozky->tabText(i), it->first, kdo.join(QLatin1Char(' ')));
                }
            }
        }
        QVERIFY2(dvakrat.isEmpty(), qPrintable(dvakrat.join(QLatin1String("; "))));
    }

    void cleanup() {
        const QStringList cizi = std::exchange(CiziOkna(), {});
        QVERIFY2(cizi.isEmpty(), qPrintable(cizi.join(QLatin1Char(' '))));
    }

    void polaTabulky_data() {
        QTest::addColumn<int>("radek");
        QTest::addColumn<Jazyk>("jazyk");
        const std::span<const PopisPole> pole = PoleUlohy();
        for (std::size_t i = 0; i < pole.size(); ++i) {
            const QByteArray ovladac(pole[i].ovladac);
            if (ovladac.isEmpty() || ovladac.startsWith("opt")) {
                continue;  // the mass and profile options are the weight tab's own
            }
            for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
                QTest::newRow(QByteArray(ovladac + (j == Jazyk::Anglicky ? " en" : " cs")).constData())
                    << static_cast<int>(i) << j;
            }
        }
    }

    // Every field of the field table stands on its tab under its control's name, captioned by
    // its row in either language (a curve point's caption goes on with the segment's number),
    // with the row's tooltip and empty text; what is typed into it, or picked, reaches the problem.
    void polaTabulky() {
        QFETCH(int, radek);
        QFETCH(Jazyk, jazyk);
        const PopisPole& p = PoleUlohy()[static_cast<std::size_t>(radek)];
        Lokal lokal("en_US");
        Zadani z(QString(), false, jazyk);
        z.formular.nastav(PripadPole(p));
        QVERIFY(Plati(p.kdy, z.formular.uloha()));
        auto* zalozky = Dite<QTabWidget>(&z.okno, "TabStrip1");
        zalozky->setCurrentIndex(p.zalozka);
        QWidget* w = Dite<QWidget>(zalozky->currentWidget(), p.ovladac);
        auto* popisek = Dite<QLabel>(zalozky->currentWidget(), QByteArray("lbl" + QByteArray(p.ovladac).mid(3)).constData());
        QVERIFY(w->isVisible() && w->isEnabled() && popisek->isVisible());
        QCOMPARE(popisek->buddy(), w);
        const QString titulek = p.popisek != 0 ? Text(p.popisek, jazyk) : QString::fromUtf8(p.popisekText);
        QVERIFY2(popisek->text().startsWith(titulek), qPrintable(popisek->text()));
        if (p.tip != 0) {
            QCOMPARE(popisek->toolTip(), Text(p.tip, jazyk));
        }
        if (p.prazdnyText != 0) {
            QCOMPARE(qobject_cast<QLineEdit*>(w)->placeholderText(), Text(p.prazdnyText, jazyk));
        }
        // A value within the field's range as the field shows it: the middle, or for a count two
        // above the least; the second entry of a list to pick from.
        auto* seznam = qobject_cast<QComboBox*>(w);
        QString text = QStringLiteral("Ocel 12 050");
        double hodnota = 1.0;
        if (seznam != nullptr && !seznam->isEditable()) {
            text = seznam->itemText(1);
        } else if (p.druh == DruhPole::Pocet) {
            hodnota = p.min + 2.0;
            text = QString::number(hodnota);
        } else if (p.druh == DruhPole::Cislo) {
            text = QString::number(0.5 * (p.min + p.max) / p.meritko, 'f', 3);
            hodnota = text.toDouble() * p.meritko;
        }
        Proved(&z.okno, {QString::fromLatin1(p.ovladac) + QLatin1Char('=') + text});
        if (p.druh == DruhPole::Text) {
            QCOMPARE(QString::fromStdString(z.formular.uloha().NazevMaterialu), text);
        } else {
            QCOMPARE(static_cast<float>(VZaznamu(p, z.formular.uloha())), static_cast<float>(hodnota));
        }
    }

    void kotyNacrtu_data() {
        QTest::addColumn<int>("druh");
        QTest::addColumn<bool>("spodni");  // the line under the view, else the one beside it
        QTest::newRow("side view, height") << static_cast<int>(TvarProfilu::Druh::Narys) << false;
        QTest::newRow("side view, length") << static_cast<int>(TvarProfilu::Druh::Narys) << true;
        QTest::newRow("rectangle, side A") << static_cast<int>(TvarProfilu::Druh::Obdelnik) << false;
        QTest::newRow("rectangle, side B") << static_cast<int>(TvarProfilu::Druh::Obdelnik) << true;
        QTest::newRow("circle, diameter") << static_cast<int>(TvarProfilu::Druh::Kruh) << false;
    }

    // The sketch of a piece as painted: each dimension line runs beside its view, clear of it,
    // from edge to edge, with an arrow head at each end a few pixels long and narrower than long.
    void kotyNacrtu() {
        QFETCH(int, druh);
        QFETCH(bool, spodni);
        TvarProfilu tvar(static_cast<TvarProfilu::Druh>(druh));
        QPalette paleta;
        paleta.setColor(QPalette::Window, Qt::white);
        paleta.setColor(QPalette::WindowText, Qt::black);
        tvar.setPalette(paleta);
        tvar.resize(tvar.sizeHint());
        QImage obraz(tvar.size(), QImage::Format_RGB32);
        obraz.fill(Qt::white);
        tvar.render(&obraz);
        if (spodni) {
            obraz = obraz.transformed(QTransform().rotate(90));  // the line under it to the left
        }
        const Kota k = CtiKotu(obraz);
        const QString popis = QStringLiteral("line %1 from %2 to %3, shape %4 to %5, heads %6 wide, %7 and %8 long")
                                  .arg(k.cara).arg(k.nahore).arg(k.dole).arg(k.tvarNahore).arg(k.tvarDole)
                                  .arg(k.polosirka).arg(k.hrotNahore).arg(k.hrotDole);
        QVERIFY2(k.cara > 0 && k.tvarDole - k.tvarNahore > 10, qPrintable(popis));
        QVERIFY2(std::abs(k.nahore - k.tvarNahore) <= 2 && std::abs(k.dole - k.tvarDole) <= 2, qPrintable(popis));
        QVERIFY2(k.polosirka >= 1 && k.polosirka <= 4, qPrintable(popis));
        QVERIFY2(std::min(k.hrotNahore, k.hrotDole) >= 3 && std::max(k.hrotNahore, k.hrotDole) <= 8, qPrintable(popis));
    }

    void chybnaPole_data() {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("zprava");
        QTest::addColumn<int>("zalozka");
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("usek");
        const QString nerizeny = QStringLiteral("uncontrolled.cfg");
        QTest::newRow("furnace temperature no number") << nerizeny << QStringList{"txtTpece=95O"}
                                                       << "Furnace Temperature: “95O” is not a number." << 1
                                                       << "txtTpece" << "";
        QTest::newRow("furnace temperature empty") << nerizeny << QStringList{"txtTpece="}
                                                   << "Incomplete setting or any value zero" << 1 << "txtTpece" << "";
        QTest::newRow("emissivity no number") << nerizeny << QStringList{"txtEps=0,6x"}
                                              << "Emissivity (Material+Inwall) [-]: “0,6x” is not a number." << 2
                                              << "txtEps" << "";
        QTest::newRow("weight beyond a single")
            << nerizeny << QStringList{"txtm=1e39"} << "Weight [kg] is too large: at most 1000000." << 3 << "txtm" << "";
        QTest::newRow("time step zero") << nerizeny << QStringList{"txtCasKrok=0"}
                                        << "Time Step [s] must be at least 0.000001." << 6 << "txtCasKrok" << "";
        QTest::newRow("installed power below zero") << nerizeny << QStringList{"txtPrikon=-5"}
                                                    << "Installed Power [kW] must be greater than zero." << 7
                                                    << "txtPrikon" << "";
        QTest::newRow("dimension no number") << "mass_from_dimensions.cfg" << QStringList{"txtA2=0,1x"}
                                             << "A [m]: “0,1x” is not a number." << 3 << "txtA2" << "";
        QTest::newRow("count of faces no number") << "mass_from_dimensions.cfg" << QStringList{"cboBL=8x"}
                                                  << "Number of Sides B*L: “8x” is not a number." << 4 << "cboBL" << "";
        // A core needs counted faces to heat its piece; the counts are the cause, not the surface typed.
        QTest::newRow("core without a face counted")
            << "mass_from_dimensions.cfg" << QStringList{"cboAB=0", "cboAL=0", "cboBL=0", "txtA=1.28", "txtLambda=50"}
            << Text(id::JadroBezPloch, Jazyk::Anglicky) << 4 << "cboAL" << "";
        QTest::newRow("last curve segment without duration")
            << nerizeny
            << QStringList{"optRizeny",           "cboPocetKrivek=3", "txtPocTep=20",     "txtKonTep=1000",
                           "txtDobaVydrze=600",   "cboUsekC=2",       "txtKonTep=1000",   "txtDobaVydrze=600",
                           "cboUsekC=3",          "txtKonTep=1100",   "txtDobaVydrze=0",  "cboUsekC=1", "txtTk=900"}
            << "Segment 3 of the furnace curve needs a duration greater than zero." << 0 << "txtDobaVydrze" << "3";
        const QString nikdy = QStringLiteral(
            "The final temperature %1 °C is never reached: the furnace is never hotter than %2 °C, and the charge only "
            "nears the furnace temperature. Set a lower final temperature or a hotter furnace.");
        QTest::newRow("curve never hot enough")
            << "controlled_curve.cfg" << QStringList{"txtTk=1050"} << nikdy.arg(1050).arg(1000) << 1 << "txtTk" << "1";
    }

    // OK names the first field to correct, shows its tab, puts the focus in it and accepts nothing.
    void chybnaPole() {
        QFETCH(QString, soubor);
        QFETCH(QStringList, kroky);
        QFETCH(QString, zprava);
        QFETCH(int, zalozka);
        QFETCH(QString, pole);
        QFETCH(QString, usek);
        Lokal lokal("en_US");
        Zadani z;
        z.nacti(Soubor(soubor));
        Proved(&z.okno, kroky << QStringLiteral("cmdOK"));
        QCOMPARE(z.d.zpravy.size(), 1);
        QCOMPARE(z.d.zpravy[0].ikona, Ikona::Vykricnik);
        QCOMPARE(z.d.zpravy[0].titulek, QStringLiteral("Setting Error"));
        QCOMPARE(z.d.zpravy[0].text, zprava);
        QCOMPARE(Dite<QTabWidget>(&z.okno, "TabStrip1")->currentIndex(), zalozka);
        QCOMPARE(QApplication::focusWidget(), Dite<QWidget>(&z.okno, qPrintable(pole)));
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboUsekC")->currentText(), usek);
        QVERIFY(z.okno.isVisible() && !z.okno.prijata().has_value());
        QCOMPARE(z.d.neocekavane, 0);
    }

    void storno_data() {
        QTest::addColumn<bool>("prijataPred");
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<bool>("prijata");
        QTest::newRow("complete") << false << "uncontrolled.cfg" << QStringList{} << true;
        QTest::newRow("no number") << false << "uncontrolled.cfg" << QStringList{"txtTk=95O"} << false;
        // Without counts the surface is typed: 2.0800002 reads as the very float that all faces
        // of the four bars add up to.
        QTest::newRow("every face of every piece")
            << false << "mass_from_dimensions.cfg" << QStringList{"cboAB=", "cboAL=", "cboBL=", "txtA=2.0800002"}
            << true;
        QTest::newRow("surface beyond the faces")
            << false << "mass_from_dimensions.cfg" << QStringList{"cboAB=", "cboAL=", "cboBL=", "txtA=2.09"} << false;
        QTest::newRow("accepted before") << true << "uncontrolled.cfg" << QStringList{"txtTk=850"} << false;
        QTest::newRow("refused by OK, then mended")
            << true << "uncontrolled.cfg" << QStringList{"txtTk=95O", "cmdOK", "txtTk=850"} << true;
    }

    // Cancel says nothing. It takes a problem that passes every check of OK, unless the dialog
    // opened with an accepted problem that no OK has refused since: that one stays as it was.
    void storno() {
        QFETCH(bool, prijataPred);
        QFETCH(QString, soubor);
        QFETCH(QStringList, kroky);
        QFETCH(bool, prijata);
        Lokal lokal("en_US");
        Zadani z(QString(), prijataPred);
        z.nacti(Soubor(soubor));
        Proved(&z.okno, kroky);
        z.d.zpravy.clear();
        Proved(&z.okno, {"cmdStorno"});
        QVERIFY(!z.okno.isVisible());
        QCOMPARE(z.okno.prijata().has_value(), prijata);
        QCOMPARE(z.d.zpravy.size(), 0);
    }

    // A new problem whose mass is to come from the dimensions starts as rectangular bars; a file
    // loaded shows its own profile, whatever was shown before.
    void profil() {
        Zadani z;
        Proved(&z.okno, {"optMza", "optMvy"});
        QVERIFY(!Dite<QRadioButton>(&z.okno, "optMza")->isChecked());
        QVERIFY(Dite<QRadioButton>(&z.okno, "optProfilO")->isChecked());
        z.d.volby = {Volba::Zahodit};
        z.nacti(Soubor(QStringLiteral("thick_round_bar.cfg")));
        QVERIFY(Dite<QRadioButton>(&z.okno, "optProfilK")->isChecked());
        QVERIFY(Dite<QWidget>(&z.okno, "txtB2")->isHidden());
        // One mantle per round bar, and no faces B*L.
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboAL")->count(), 2);
        QVERIFY(Dite<QWidget>(&z.okno, "cboBL")->isHidden());
        z.nacti(Soubor(QStringLiteral("mass_from_dimensions.cfg")));
        QVERIFY(Dite<QRadioButton>(&z.okno, "optProfilO")->isChecked());
        QVERIFY(!Dite<QWidget>(&z.okno, "txtB2")->isHidden());
        // Four bars: 0 to 8 faces of each kind are offered.
        for (const char* seznam : {"cboAB", "cboAL", "cboBL"}) {
            QCOMPARE(Dite<QComboBox>(&z.okno, seznam)->count(), 9);
        }
        Proved(&z.okno, {"optProfilC"});
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboAL")->count(), 17);
        QCOMPARE(Dite<TvarProfilu>(&z.okno, "ShpPudorys")->druh(), TvarProfilu::Druh::Ctverec);
    }

    void nahledKrivky_data() {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QList<QPointF>>("body");
        const QStringList prvni{"optRizeny", "cboPocetKrivek=3", "txtPocTep=20", "txtKonTep=1000", "txtDobaVydrze=600"};
        QTest::newRow("nothing typed") << QStringList{"optRizeny"} << QList<QPointF>{{0, 0}};
        QTest::newRow("the start alone") << QStringList{"optRizeny", "txtPocTep=20"} << QList<QPointF>{{0, 20}};
        QTest::newRow("the first of three segments") << prvni << QList<QPointF>{{0, 20}, {600, 1000}};
        QTest::newRow("the third typed, the second not")
            << (QStringList(prvni) << "cboUsekC=3" << "txtKonTep=900" << "txtDobaVydrze=300")
            << QList<QPointF>{{0, 20}, {600, 1000}};
        QTest::newRow("a hold at the highest temperature")
            << (QStringList(prvni) << "cboUsekC=2" << "txtKonTep=1000" << "txtDobaVydrze=1200")
            << QList<QPointF>{{0, 20}, {600, 1000}, {1800, 1000}};
    }

    // The preview draws the segments filled and no more (one without its duration is not yet a
    // segment, and does not drop to 0 °C), every point inside the frame.
    void nahledKrivky() {
        QFETCH(QStringList, kroky);
        QFETCH(QList<QPointF>, body);
        Zadani z;
        Proved(&z.okno, kroky);
        auto* graf = Dite<Graf>(&z.okno, "FlpGrf1");
        QCOMPARE(graf->bodyRady(0), body);
        const QRectF ramec = graf->rozsahOs();
        for (const QPointF& b : body) {
            QVERIFY(b.y() > ramec.top() && b.y() < ramec.bottom());
        }
    }

    // The sketch of the furnace curve: each segment ends at its end temperature after its
    // duration. The list offers 2 to 20 segments; a curve of one that a file holds is shown as it
    // is, with "1" offered while the problem has it, and accepted.
    void nacrtKrivky() {
        Zadani z;
        QCOMPARE(z.okno.windowTitle(), QStringLiteral("Setting "));
        z.nacti(Soubor(QStringLiteral("controlled_curve.cfg")));
        // Without the preview the dialog needs less room.
        const int vyska = z.okno.height();
        Proved(&z.okno, {"optNerizenyO"});
        QVERIFY(z.okno.height() < vyska);
        Proved(&z.okno, {"optRizeny"});
        const QList<QPointF> body{{0, 20}, {600, 600}, {1500, 1000}, {5100, 1000}};
        QCOMPARE(Dite<Graf>(&z.okno, "FlpGrf1")->bodyRady(0), body);
        QCOMPARE(Dite<Graf>(&z.okno, "FlpGrf1")->barvaRady(0), QColor(0, 0, 255));
        auto* pocet = Dite<QComboBox>(&z.okno, "cboPocetKrivek");
        QCOMPARE(pocet->count(), 19);
        QCOMPARE(pocet->itemText(0), QStringLiteral("2"));
        QCOMPARE(pocet->itemText(18), QStringLiteral("20"));
        QTemporaryDir t;
        Uloha u = Priklad(QStringLiteral("controlled_curve.cfg"));
        u.PocetKrivek = 1;
        u.Krivka[1].Teplota = 1000.0f;
        QVERIFY(!UlozSoubor(t.filePath("jeden.cfg"), u, nullptr, QString(), Jazyk::Anglicky));
        z.d.volby = {Volba::Zahodit};
        z.nacti(t.filePath("jeden.cfg"));
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboPocetKrivek")->currentText(), QStringLiteral("1"));
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboUsekC")->count(), 1);
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboUsekC")->currentText(), QStringLiteral("1"));
        QCOMPARE(Dite<QLineEdit>(&z.okno, "txtKonTep")->text(), QStringLiteral("1000"));
        QCOMPARE(Dite<Graf>(&z.okno, "FlpGrf1")->bodyRady(0), (QList<QPointF>{{0, 20}, {600, 1000}}));
        Proved(&z.okno, {"cmdOK"});
        QVERIFY(z.okno.prijata().has_value());
        QCOMPARE(z.okno.prijata()->PocetKrivek, 1);
        QCOMPARE(pocet->count(), 20);
    }

    // Every tab and state of the dialog fits a 1366 × 768 screen (39 lines of its font leave room
    // for the title bar and a panel), and the dialog shrinks back when the property table goes.
    void miraObrazovky() {
        Zadani z;
        auto* vlastnosti = Dite<QComboBox>(&z.okno, "cboVlastnosti");
        auto* zalozky = Dite<QTabWidget>(&z.okno, "TabStrip1");
        const int radek = z.okno.fontMetrics().lineSpacing();
        const int vyska = z.okno.height();
        for (const QString& stav : {QString(), QStringLiteral("table"), QStringLiteral("optRizeny")}) {
            if (stav == QLatin1String("table")) {
                vlastnosti->setCurrentIndex(3);
            } else if (!stav.isEmpty()) {
                Proved(&z.okno, {stav});
            }
            for (int i = 0; i < zalozky->count(); ++i) {
                zalozky->setCurrentIndex(i);
                QVERIFY2(z.okno.minimumSizeHint().height() <= 39 * radek && z.okno.height() <= 39 * radek,
                         qPrintable(QStringLiteral("%1: %2").arg(stav).arg(z.okno.height())));
            }
        }
        Proved(&z.okno, {"optNerizenyO"});
        zalozky->setCurrentIndex(2);
        QVERIFY(z.okno.height() > vyska);
        vlastnosti->setCurrentIndex(0);
        QCOMPARE(z.okno.height(), vyska);
    }

    // The material list and Save go to the data folder's Material.lst, not to the one of the
    // folder the problem came from (where choosing it in a file dialog moves the working
    // directory).
    void materialy() {
        QTemporaryDir data;
        QTemporaryDir jinde;
        QVERIFY(QFile::copy(QStringLiteral(ZORVET_TEST_DATA "/three_materials.lst"), data.filePath("Material.lst")));
        QVERIFY(QFile::copy(Soubor(QStringLiteral("uncontrolled.cfg")), jinde.filePath("uloha.cfg")));
        const QByteArray cizi("Jin\xE1 ocel\r\n 400  7000 \r\n");
        QFile f(jinde.filePath("Material.lst"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(cizi) == cizi.size());
        f.close();
        const QByteArray puvodni = Obsah(data.filePath("Material.lst"));
        const QString pracovni = QDir::currentPath();
        QDir::setCurrent(jinde.path());
        Zadani z(data.path());
        z.nacti(jinde.filePath("uloha.cfg"));
        auto* seznam = Dite<QComboBox>(&z.okno, "cboMaterial");
        QStringList nazvy;
        for (int i = 0; i < seznam->count(); ++i) {
            nazvy << seznam->itemText(i);
        }
        Proved(&z.okno, {"cboMaterial=Litina", "txtc=540", "txtGama=7200", "txtLambda=48", "cmdUlozMaterial"});
        QDir::setCurrent(pracovni);
        QCOMPARE(nazvy, QStringList({"Konstrukční ocel S235", "Měď", "Mosaz, CuZn37"}));
        QCOMPARE(z.d.posledni(), QStringLiteral("Into the database have been included Litina"));
        QCOMPARE(Obsah(data.filePath("Material.lst")), puvodni + "Litina\r\n 540  7200 \r\n");
        QVERIFY(Obsah(data.filePath("MaterialProperties.txt")).endsWith("material\tLitina\nlambda\t48\n"));
        QVERIFY(!QFileInfo::exists(data.filePath("Conductivity.lst")));
        QCOMPARE(Obsah(jinde.filePath("Material.lst")), cizi);
        QCOMPARE(seznam->count(), 4);
        // Enter in a field of the material tab is OK, not Save.
        Proved(&z.okno, {"txtc=460"});
        Dite<QLineEdit>(&z.okno, "txtc")->setFocus();
        QTest::keyClick(Dite<QLineEdit>(&z.okno, "txtc"), Qt::Key_Return);
        QVERIFY(z.okno.prijata().has_value());
        // A last record that may have been cut short is told when the dialog opens.
        QFile konec(data.filePath("Material.lst"));
        QVERIFY(konec.open(QIODevice::Append) && konec.write("Hlinik\r\n 900  27") > 0);
        konec.close();
        Zadani orezany(data.path());
        QVERIFY(orezany.d.posledni().contains(QStringLiteral("“Hlinik”, ends without a line end")));
        QVERIFY(orezany.d.posledni().contains(QStringLiteral("density 27.")));
    }

    // A user's curve pasted from a spreadsheet: the cell at fault is named and in focus, the curve
    // mended is saved by its name and offered, and the heat capacity follows it.
    void krivkaVlastnosti() {
        Lokal lokal("en_US");
        QTemporaryDir data;
        Zadani z(data.path());
        z.nacti(Soubor(QStringLiteral("uncontrolled.cfg")));
        Proved(&z.okno, {"cboVlastnosti=User's table"});
        auto* tabulka = Dite<QTableWidget>(&z.okno, "tblKrivka");
        QVERIFY(tabulka->isVisible() && Dite<QLineEdit>(&z.okno, "txtc")->isReadOnly());
        QGuiApplication::clipboard()->setText(QStringLiteral("T;c\r\n20;460\r\n20;500\r\n"));
        tabulka->setFocus();
        QTest::keyClick(tabulka, Qt::Key_V, Qt::ControlModifier);
        Proved(&z.okno, {"cmdOK"});
        QCOMPARE(z.d.posledni(), QStringLiteral("Row 2 of the curve, T [°C]: the temperature must be higher than in the row above."));
        QCOMPARE(QApplication::focusWidget(), tabulka);
        QCOMPARE(tabulka->currentRow(), 1);
        tabulka->item(1, 0)->setText(QStringLiteral("900"));
        QCOMPARE(Dite<QLineEdit>(&z.okno, "txtc")->text(), QStringLiteral("480"));
        // The curve beside the table draws c(T) as typed, and no λ(T) where the table has none.
        const QList<QAbstractSeries*> rady = Dite<QChartView>(&z.okno, "grfKrivka")->chart()->series();
        QCOMPARE(rady.size(), 1);
        QCOMPARE(rady[0]->name(), QStringLiteral("c(T)"));
        QCOMPARE(static_cast<QLineSeries*>(rady[0])->points(), QList<QPointF>({{20.0, 460.0}, {900.0, 500.0}}));
        Proved(&z.okno, {"txtNazevKrivky=Moje", "cmdUlozKrivku"});
        QVERIFY(Obsah(data.filePath("MaterialProperties.txt")).endsWith("material\tMoje\npoint\t20\t460\npoint\t900\t500\n"));
        QCOMPARE(Dite<QComboBox>(&z.okno, "cboVlastnosti")->currentText(), QStringLiteral("Moje"));
        // Picked again after another model, the saved curve comes back.
        Proved(&z.okno, {"cboVlastnosti=Carbon steel (EN 1993-1-2)"});
        QVERIFY(Dite<QLineEdit>(&z.okno, "txtc")->text() != QStringLiteral("480"));
        Proved(&z.okno, {"cboVlastnosti=Moje"});
        QCOMPARE(Dite<QLineEdit>(&z.okno, "txtc")->text(), QStringLiteral("480"));
        Proved(&z.okno, {"cmdOK"});
        QCOMPARE(UcinnaC(*z.okno.prijata()), 480.0f);
        QCOMPARE(z.d.neocekavane, 0);
    }


    void prepsani_data() {
        QTest::addColumn<bool>("krivka");
        QTest::addColumn<bool>("ano");
        QTest::newRow("material, Yes") << false << true;
        QTest::newRow("material, No") << false << false;
        QTest::newRow("curve, Yes") << true << true;
        QTest::newRow("curve, No") << true << false;
    }

    // Saving a material or a curve under a name the database holds asks first: Yes puts the new
    // values on disk in place of the old ones and says so, No leaves the file as it was and says
    // nothing of a save.
    void prepsani() {
        QFETCH(bool, krivka);
        QFETCH(bool, ano);
        Lokal lokal("en_US");
        QTemporaryDir data;
        const QString soubor = data.filePath(krivka ? "MaterialProperties.txt" : "Material.lst");
        const QByteArray stary = krivka ? "material\tMoje\npoint\t20\t400\npoint\t900\t450\n" : "Litina\r\n 500  7000 \r\n";
        QFile f(soubor);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(stary) == stary.size());
        f.close();
        Zadani z(data.path());
        z.nacti(Soubor(QStringLiteral("uncontrolled.cfg")));
        z.d.odpovedi = {ano};
        if (krivka) {
            Proved(&z.okno, {"cboVlastnosti=User's table"});
            auto* tabulka = Dite<QTableWidget>(&z.okno, "tblKrivka");
            QGuiApplication::clipboard()->setText(QStringLiteral("T;c\r\n20;460\r\n900;500\r\n"));
            tabulka->setFocus();
            QTest::keyClick(tabulka, Qt::Key_V, Qt::ControlModifier);
            Proved(&z.okno, {"txtNazevKrivky=Moje", "cmdUlozKrivku"});
        } else {
            Proved(&z.okno, {"cboMaterial=Litina", "txtc=540", "txtGama=7200", "cmdUlozMaterial"});
        }
        QCOMPARE(z.d.otazky.size(), 1);
        const QByteArray novy = krivka ? "material\tMoje\npoint\t20\t460\npoint\t900\t500\n" : "Litina\r\n 540  7200 \r\n";
        QCOMPARE(Obsah(soubor), ano ? novy : stary);
        const QString hlaseni = krivka ? QStringLiteral("The curve “Moje” has been saved in MaterialProperties.txt.")
                                       : QStringLiteral("Material have been overwrited successful.");
        QCOMPARE(z.d.posledni(), ano ? hlaseni : QString());
        QCOMPARE(z.d.neocekavane, 0);
    }

    // Tab runs down the material tab as its rows stand, through the user's table and out of
    // it again.
    void poradiMaterialu() {
        Zadani z;
        Proved(&z.okno, {"cboVlastnosti=User's table"});
        auto* material = Dite<QComboBox>(&z.okno, "cboMaterial");
        material->setFocus(Qt::TabFocusReason);
        QStringList poradi;
        for (int i = 0; i < 13 && QApplication::focusWidget() != nullptr; ++i) {
            QWidget* w = QApplication::focusWidget();
            while (w != nullptr && w->objectName().isEmpty()) {
                w = w->parentWidget();
            }
            poradi << (w != nullptr ? w->objectName() : QStringLiteral("?"));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QCOMPARE(poradi.mid(0, 10), QStringList({"cboMaterial", "cmdUlozMaterial", "txtGama", "cboVlastnosti", "txtc",
                                                 "txtEps", "txtKoefK", "txtLambda", "txtNazevKrivky", "cmdUlozKrivku"}));
        // One Tab into the table, the next one out of it.
        QCOMPARE(poradi.count(QStringLiteral("tblKrivka")), 1);
        QCOMPARE(poradi.at(10), QStringLiteral("tblKrivka"));
    }

    void hustotaMaterialu_data() {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("krivka");   // the model the material's own curve offers; empty: none
        QTest::addColumn<QString>("hustota");  // after a built-in curve and back
        QTest::newRow("stainless of the database")
            << QStringList{"cboMaterial=Stainless steel X5CrNi18-10 (304)"} << "Austenitic stainless steel (EN 1993-1-2)"
            << "7900";
        QTest::newRow("structural steel of the database")
            << QStringList{"cboMaterial=Structural steel S235"} << "Carbon steel (EN 1993-1-2)" << "7850";
        QTest::newRow("alloy steel of the database") << QStringList{"cboMaterial=Alloy steel 42CrMo4"} << "" << "7720";
        QTest::newRow("copper of the database") << QStringList{"cboMaterial=Copper Cu-ETP"} << "" << "8930";
        QTest::newRow("typed") << QStringList{"cboMaterial=Moje ocel", "txtGama=7800"} << "" << "7800";
    }

    // A material of the database with a curve of its grade offers it, and the problem keeps
    // its model until the curve is taken; a built-in curve brings its density, and a constant
    // specific heat again gives the material's own back.
    void hustotaMaterialu() {
        QFETCH(QStringList, kroky);
        QFETCH(QString, krivka);
        QFETCH(QString, hustota);
        Lokal lokal("en_US");
        QTemporaryDir data;
        QVERIFY(QFile::copy(QStringLiteral(ZORVET_BESIDE "/Material.lst"), data.filePath("Material.lst")));
        Zadani z(data.path());
        auto* seznam = Dite<QComboBox>(&z.okno, "cboMaterial");
        auto* model = Dite<QComboBox>(&z.okno, "cboVlastnosti");
        auto* nabidka = Dite<QPushButton>(&z.okno, "cmdKrivkaMaterialu");
        for (const QString& krok : kroky) {
            const int i = seznam->findText(krok.section(QLatin1Char('='), 1));
            if (krok.startsWith(QLatin1String("cboMaterial")) && i >= 0) {
                Dite<QTabWidget>(&z.okno, "TabStrip1")->setCurrentIndex(2);
                seznam->setCurrentIndex(i);
                emit seznam->activated(i);
            } else {
                Proved(&z.okno, {krok});
            }
        }
        QCOMPARE(model->currentIndex(), 0);
        QCOMPARE(nabidka->isVisible(), !krivka.isEmpty());
        if (!krivka.isEmpty()) {
            nabidka->click();
            QCOMPARE(model->currentText(), krivka);
            QVERIFY(z.formular.uloha().Vlastnosti.has_value() && !nabidka->isVisible());
        }
        Proved(&z.okno, {"cboVlastnosti=Carbon steel (EN 1993-1-2)", "cboVlastnosti=Austenitic stainless steel (EN 1993-1-2)"});
        QCOMPARE(Dite<QLineEdit>(&z.okno, "txtGama")->text(), TextObecny(HustotaVestavene(*z.formular.uloha().Vlastnosti)));
        Proved(&z.okno, {"cboVlastnosti=Constant specific heat"});
        QCOMPARE(Dite<QLineEdit>(&z.okno, "txtGama")->text(), hustota);
        QCOMPARE(z.formular.uloha().Gama, hustota.toFloat());
        QCOMPARE(z.d.neocekavane, 0);
    }

    // A caption's letter takes the focus to its field.
    void lambdaMaterialu_data() {
        QTest::addColumn<QStringList>("kroky");  // before the pick of "Structural steel S235" (53 W/m/K)
        QTest::addColumn<bool>("odpoved");       // the answer, when asked
        QTest::addColumn<QString>("lambda");     // the conductivity then
        QTest::addColumn<QString>("puvod");      // where it comes from, as the tab says
        QTest::addColumn<int>("otazek");
        const QStringList krivka{"cboVlastnosti=Carbon steel (EN 1993-1-2)"};
        QTest::newRow("curve's λ(T) kept") << krivka << false << "" << "from the curve: λ(T)" << 1;
        QTest::newRow("curve's λ(T) replaced") << krivka << true << "53" << "from the database: Structural steel S235" << 1;
        QTest::newRow("typed kept") << QStringList{"txtLambda=45"} << false << "45" << "as typed" << 1;
        QTest::newRow("typed as the database's") << QStringList{"txtLambda=53"} << false << "53" << "as typed" << 0;
        QTest::newRow("none") << QStringList{} << false << "53" << "from the database: Structural steel S235" << 0;
        QTest::newRow("another material's") << QStringList{"cboMaterial=Carbon steel C45"} << false << "53"
                                            << "from the database: Structural steel S235" << 0;
    }

    // A material picked never silently replaces a conductivity the user chose: the tab says where
    // λ comes from, and asks before the database's takes the place of one typed or of the curve.
    void lambdaMaterialu() {
        QFETCH(QStringList, kroky);
        QFETCH(bool, odpoved);
        QFETCH(QString, lambda);
        QFETCH(QString, puvod);
        QFETCH(int, otazek);
        Lokal lokal("en_US");
        QTemporaryDir data;
        for (const char* jmeno : {"Material.lst", "Conductivity.lst"}) {
            QVERIFY(QFile::copy(QStringLiteral(ZORVET_BESIDE "/") + jmeno, data.filePath(jmeno)));
        }
        Zadani z(data.path());
        z.nacti(Soubor(QStringLiteral("thick_round_bar.cfg")));
        auto* seznam = Dite<QComboBox>(&z.okno, "cboMaterial");
        const auto vyber = [&](const QString& nazev) {
            Dite<QTabWidget>(&z.okno, "TabStrip1")->setCurrentIndex(2);
            seznam->setCurrentIndex(seznam->findText(nazev));
            emit seznam->activated(seznam->currentIndex());
        };
        Proved(&z.okno, {"txtLambda="});
        for (const QString& krok : kroky) {
            krok.startsWith(QLatin1String("cboMaterial=")) ? vyber(krok.section(QLatin1Char('='), 1)) : Proved(&z.okno, {krok});
        }
        z.d.odpovedi = {odpoved};
        vyber(QStringLiteral("Structural steel S235"));
        QCOMPARE(Dite<QLineEdit>(&z.okno, "txtLambda")->text(), lambda);
        QCOMPARE(Dite<QLabel>(&z.okno, "lblLambdaPuvod")->text(), puvod);
        QCOMPARE(z.d.otazky.size(), otazek);
        QCOMPARE(z.d.neocekavane, 0);
    }

    void klavesy_data() {
        QTest::addColumn<int>("karta");
        QTest::addColumn<int>("klavesa");
        QTest::addColumn<QString>("pole");
        QTest::newRow("density") << 2 << int(Qt::Key_D) << "txtGama";
        QTest::newRow("heat capacity") << 2 << int(Qt::Key_H) << "txtc";
        QTest::newRow("emissivity") << 2 << int(Qt::Key_E) << "txtEps";
        QTest::newRow("property model") << 2 << int(Qt::Key_P) << "cboVlastnosti";
        QTest::newRow("heat losses") << 7 << int(Qt::Key_H) << "txtZtratyPrikonu";
    }
    void klavesy() {
        QFETCH(int, karta);
        QFETCH(int, klavesa);
        QFETCH(QString, pole);
        Zadani z;
        z.okno.findChild<QTabWidget*>()->setCurrentIndex(karta);
        QTest::keyClick(&z.okno, Qt::Key(klavesa), Qt::AltModifier);
        QCOMPARE(QApplication::focusWidget(), Dite<QWidget>(&z.okno, qPrintable(pole)));
    }

    void nacteniSeZepta_data() {
        QTest::addColumn<QString>("soubor");
        QTest::addColumn<QStringList>("kroky");
        QTest::newRow("temperature typed") << "uncontrolled.cfg" << QStringList{"txtTk=850"};
        QTest::newRow("curve typed") << "uncontrolled.cfg"
                                     << QStringList{"optRizeny", "txtPocTep=20", "txtKonTep=1000", "txtDobaVydrze=600",
                                                    "cboUsekC=2", "txtKonTep=1000", "txtDobaVydrze=1200"};
        QTest::newRow("dimension typed") << "mass_from_dimensions.cfg" << QStringList{"txtA2=0.123"};
    }

    // Load asks before it replaces a problem changed in the dialog; once saved, it asks no more.
    void nacteniSeZepta() {
        QFETCH(QString, soubor);
        QFETCH(QStringList, kroky);
        QTemporaryDir t;
        Zadani z;
        z.nacti(Soubor(soubor));
        QCOMPARE(z.d.otazky, QStringList());
        Proved(&z.okno, kroky);
        const QString titulek = z.okno.windowTitle();
        z.d.volby = {Volba::Zrusit};
        z.d.soubory = {Soubor(QStringLiteral("controlled_curve.cfg"))};
        Proved(&z.okno, {"cmdNactiCfg"});
        QCOMPARE(z.d.otazky, QStringList{"The problem has not been saved. Save it?"});
        QCOMPARE(z.d.soubory.size(), 1);
        QCOMPARE(z.okno.windowTitle(), titulek);

        z.d.soubory = {t.filePath("zmena.cfg")};
        z.d.odpovedi = {false};
        Proved(&z.okno, {"cmdUlozCfg"});
        QCOMPARE(z.d.pripony, QStringList{"cfg"});
        const PrecteniSouboru ulozeno = NactiSoubor(t.filePath("zmena.cfg"), false, Zacatek(), Jazyk::Anglicky);
        QVERIFY(ulozeno.obsah != nullptr);
        QCOMPARE(OtiskUlohy(ulozeno.obsah->uloha), OtiskUlohy(z.formular.uloha()));
        z.d.otazky.clear();
        z.nacti(Soubor(QStringLiteral("controlled_curve.cfg")));
        QCOMPARE(z.d.otazky, QStringList());
        QVERIFY(Dite<QRadioButton>(&z.okno, "optRizeny")->isChecked());
        QCOMPARE(z.d.neocekavane, 0);
    }
};

ZORVET_TEST_OKEN(ZadaniTest);

}  // namespace zorvet::test

#include "zadani_test.moc"
