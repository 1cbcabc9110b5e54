// The problem dialog driven through its own widgets, offscreen: tabs, mass and profile,
// face counts, the furnace curve and its preview, OK and Cancel, configuration files and
// materials, and one problem typed from scratch and computed.
#include <QDir>
#include <QLabel>
#include <QLocale>
#include <QTemporaryDir>

#include "model/priklady.h"
#include "model/vypocet.h"
#include "ui/graf.h"
#include "zadani_ovladani.h"

using namespace zorvet;

namespace {

// The worked example as a problem typed before: mass entered, material named.
std::unique_ptr<Stav> zadanyPriklad() {
    auto s = zorvet::test::NerizenyPriklad();
    s->Uloha.ZadaniHmotnosti = "Z";
    s->Uloha.Gama = 7850.0f;
    s->Uloha.NazevMaterialu = "Steel";
    return s;
}

// Rectangular bars 0.5 x 0.5 x 0.25 m, two of them: total surface exactly 2 m².
std::unique_ptr<Stav> hranolovyPriklad() {
    auto s = zadanyPriklad();
    Uloha& u = s->Uloha;
    u.ZadaniHmotnosti = "V";
    u.Profil = "O";
    u.StranaA = 0.5f;
    u.StranaB = 0.5f;
    u.DelkaL = 0.25f;
    u.PocetProfilu = 2;
    u.PocetAB = 4;
    u.A = 1.0f;
    return s;
}

// A number typed the way the user's locale writes it.
QString mistni(const QString& cislo) {
    QString t = cislo;
    return t.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

using Okno = zorvet::test::OtevreneZadani;

// The times of the curve preview's points.
QList<double> bodyNahledu(const Okno& o) {
    QList<double> casy;
    for (const QPointF& b : o.w<Graf>("FlpGrf1")->bodyRady(0)) {
        casy.append(b.x());
    }
    return casy;
}

bool stejnaKrivka(const Krivka& a, const Krivka& b) {
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].Teplota != b[i].Teplota || a[i].DobaVydrze != b[i].DobaVydrze) {
            return false;
        }
    }
    return true;
}

QStringList rada(int od, int po) {
    QStringList r;
    for (int i = od; i <= po; ++i) {
        r.append(QString::number(i));
    }
    return r;
}

}  // namespace

class FrmZadaniTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() {
        QVERIFY(adresar_.isValid());
        QVERIFY(QDir::setCurrent(adresar_.path()));
    }
    void init() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void cleanup() {
        QDir::setCurrent(adresar_.path());
        for (const QString& f : QDir().entryList(QDir::Files)) {
            QFile::remove(f);
        }
    }

    void prvniOtevreni() {
        Okno o;
        QVERIFY(o.aktivni);

        QCOMPARE(o.w<QTabWidget>("TabStrip1")->currentIndex(), 0);
        QVERIFY(o.w<QRadioButton>("optNerizenyO")->isChecked());
        QCOMPARE(o.text("txtKoefK"), QStringLiteral("1"));
        QCOMPARE(o.text("txtPocetProfilu"), QStringLiteral("1"));
        for (const char* volba : {"optProfilK", "optProfilC", "optProfilO", "optMza", "optMvy"}) {
            QVERIFY2(!o.w<QRadioButton>(volba)->isChecked(), volba);
        }
        QVERIFY(!o.w<QLineEdit>("txtm")->isEnabled());
        for (const char* skryty : {"frmProfil", "frmRozmery", "cboAB", "lblAB", "cboBL", "lblA1", "ShpNarys",
                                   "cboPocetKrivek", "txtKonTep", "FlpGrf1"}) {
            QVERIFY2(o.w<QWidget>(skryty)->isHidden(), skryty);
        }
        QVERIFY(!o.w<QWidget>("txtTpece")->isHidden());
        QVERIFY(!o.w<QWidget>("lblCelkoveAH")->isHidden());
        QVERIFY(!o.stav->Uloha.Rizeny);
        QCOMPARE(o.stav->Uloha.PocetKrivek, 0);
        QVERIFY(o.stav->Uloha.ZadaniHmotnosti.empty());
    }

    // The computed mass needs a profile: the rectangular one is taken; switching the mass
    // mode back and forth keeps the profile and its face-count selectors.
    void hmotnostAProfil() {
        Okno o;
        o.klik("optMvy");
        QVERIFY(o.w<QRadioButton>("optProfilO")->isChecked());
        QCOMPARE(o.stav->Uloha.Profil, std::string("O"));
        QCOMPARE(o.stav->Uloha.ZadaniHmotnosti, std::string("V"));
        QVERIFY(!o.w<QLineEdit>("txtm")->isEnabled());
        QVERIFY(o.w<QWidget>("frmProfil")->isVisible());
        QVERIFY(o.w<QWidget>("txtB2")->isVisible());
        QVERIFY(o.w<QWidget>("lblB1")->isVisible());

        o.klik("optProfilK");
        QCOMPARE(o.stav->Uloha.Profil, std::string("K"));
        QVERIFY(!o.w<QWidget>("txtB2")->isVisible());
        QVERIFY(!o.w<QWidget>("lblB1")->isVisible());

        o.klik("optMza");
        QVERIFY(o.w<QLineEdit>("txtm")->isEnabled());
        QVERIFY(!o.w<QWidget>("frmProfil")->isVisible());
        QCOMPARE(o.stav->Uloha.ZadaniHmotnosti, std::string("Z"));
        o.zalozka(5);
        QVERIFY(!o.w<QWidget>("cboAB")->isVisible());
        QVERIFY(o.w<QWidget>("txtA")->hasFocus());

        o.klik("optMvy");
        o.klik("optProfilO");
        o.klik("optMza");
        o.klik("optMvy");
        QVERIFY(o.w<QRadioButton>("optProfilO")->isChecked());
        QVERIFY(!o.w<QWidget>("lblB1")->isHidden());
        o.zalozka(5);
        for (const char* pole : {"cboAB", "cboAL", "cboBL", "lblBL", "lblCelkoveAH"}) {
            QVERIFY2(o.w<QWidget>(pole)->isVisible(), pole);
        }
        QVERIFY(o.dialogy.zpravy.isEmpty());
    }

    void poctyPloch_data() {
        QTest::addColumn<QString>("profil");
        QTest::addColumn<QStringList>("ab");
        QTest::addColumn<QStringList>("al");
        QTest::addColumn<bool>("sBL");
        QTest::newRow("circular") << "optProfilK" << rada(0, 6) << rada(0, 3) << false;
        QTest::newRow("square") << "optProfilC" << rada(0, 6) << rada(0, 12) << false;
        QTest::newRow("rectangular") << "optProfilO" << rada(0, 6) << rada(0, 6) << true;
    }
    void poctyPloch() {
        QFETCH(QString, profil);
        QFETCH(QStringList, ab);
        QFETCH(QStringList, al);
        QFETCH(bool, sBL);
        Okno o;
        o.klik("optMvy");
        o.klik(profil.toLatin1().constData());
        o.pis("txtPocetProfilu", QStringLiteral("3"));
        o.zalozka(5);
        QCOMPARE(o.polozky("cboAB"), ab);
        QCOMPARE(o.polozky("cboAL"), al);
        QCOMPARE(o.w<QWidget>("cboBL")->isVisible(), sBL);
        QCOMPARE(o.w<QWidget>("lblBL")->isVisible(), sBL);
        if (sBL) {
            QCOMPARE(o.polozky("cboBL"), rada(0, 6));
        }
        // Filling a list does not pick a count for the user.
        QVERIFY(o.w<QComboBox>("cboAB")->currentText().isEmpty());
    }

    // Leaving a changed dimension empties the face counts; the surface and the counts
    // already taken stay until a count is picked again.
    void rozmerSmazePocty_data() {
        QTest::addColumn<QString>("lokal");
        QTest::newRow("point") << "en_US";
        QTest::newRow("comma") << "cs_CZ";
    }
    void rozmerSmazePocty() {
        QFETCH(QString, lokal);
        QLocale::setDefault(QLocale(lokal));
        Okno o;
        o.klik("optMvy");
        o.pis("txtA2", mistni("0.5"));
        o.pis("txtB2", mistni("0.5"));
        o.pis("txtL2", mistni("0.25"));
        o.pis("txtPocetProfilu", QStringLiteral("2"));
        o.zalozka(5);
        QCOMPARE(o.w<QLabel>("lblCelkoveAH")->text(), QStringLiteral("2"));
        o.zvolText("cboAB", QStringLiteral("4"));
        QCOMPARE(o.stav->Uloha.PocetAB, 4);
        QCOMPARE(o.text("txtA"), QStringLiteral("1"));
        o.zvolText("cboAL", QStringLiteral("2"));
        // The surface is written with the point in every locale.
        QCOMPARE(o.text("txtA"), QStringLiteral("1.25"));
        QCOMPARE(o.stav->Uloha.A, 1.25f);

        o.pis("txtL2", mistni("0.5"));
        for (const char* pocet : {"cboAB", "cboAL", "cboBL"}) {
            QCOMPARE(o.w<QComboBox>(pocet)->count(), 0);
            QVERIFY(o.w<QComboBox>(pocet)->currentText().isEmpty());
        }
        QCOMPARE(o.text("txtA"), QStringLiteral("1.25"));
        QCOMPARE(o.stav->Uloha.PocetAB, 4);
        QCOMPARE(o.stav->Uloha.PocetAL, 2);

        // Entering and leaving a field without a change leaves the lists alone.
        o.zalozka(5);
        o.zvolText("cboAB", QStringLiteral("1"));
        o.navstiv("txtL2");
        QCOMPARE(o.w<QComboBox>("cboAB")->currentText(), QStringLiteral("1"));

        // A count typed outside the list is taken as typed when the field is left.
        o.pis("cboAB", QStringLiteral("9"));
        QCOMPARE(o.stav->Uloha.PocetAB, 9);
        QCOMPARE(o.text("txtA"), QStringLiteral("2.75"));
    }

    void vedeckyTvarHmotnosti_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<QString>("zobrazeno");
        QTest::newRow("point") << "en_US" << "7.85E+02";
        QTest::newRow("comma") << "cs_CZ" << "7,85E+02";
    }
    void vedeckyTvarHmotnosti() {
        QFETCH(QString, lokal);
        QFETCH(QString, zobrazeno);
        QLocale::setDefault(QLocale(lokal));
        Okno o(zadanyPriklad());
        o.pis("txtGama", QStringLiteral("1000"));
        o.klik("optMvy");
        o.klik("optProfilK");
        o.pis("txtA2", QStringLiteral("1"));
        o.pis("txtL2", QStringLiteral("1"));
        QCOMPARE(o.text("txtm"), zobrazeno);
        QCOMPARE(o.stav->Uloha.m, 785.398163f);
        o.zvolText("cboAB", QStringLiteral("2"));
        o.klik("cmdOK");
        QCOMPARE(o.prevzato, 1);
        // The computed mass is taken at full precision, not from its 3-digit display.
        QCOMPARE(o.stav->Uloha.m, 785.398163f);
    }

    // Reopening on a computed-mass problem shows it as it was: the profile selection
    // made while filling does not recompute from fields not yet filled.
    void znovuOtevreniVypoctenaHmotnost() {
        auto s = hranolovyPriklad();
        s->Uloha.PocetProfilu = 3;
        s->Uloha.m = 555.0f;
        Okno o(std::move(s));
        QVERIFY(o.w<QRadioButton>("optMvy")->isChecked());
        QVERIFY(o.w<QRadioButton>("optProfilO")->isChecked());
        QCOMPARE(o.text("txtm"), QStringLiteral("5.55E+02"));
        QCOMPARE(o.stav->Uloha.m, 555.0f);
        QCOMPARE(o.w<QComboBox>("cboAB")->currentText(), QStringLiteral("4"));
    }

    // A density or number of pieces that is not a number keeps the mass held, and a
    // number of pieces that is not a number keeps the surface.
    void prepocetSNeciselnymVstupem_data() {
        QTest::addColumn<QString>("hustota");
        QTest::addColumn<QString>("kusy");
        QTest::newRow("empty density") << "" << "2";
        QTest::newRow("density not a number") << "heavy" << "2";
        QTest::newRow("pieces empty") << "7850" << "";
        QTest::newRow("pieces not a number") << "7850" << "x";
    }
    void prepocetSNeciselnymVstupem() {
        QFETCH(QString, hustota);
        QFETCH(QString, kusy);
        Okno o(hranolovyPriklad());
        o.stav->Uloha.m = 123.0f;
        o.pis("txtGama", hustota);
        o.pis("txtPocetProfilu", kusy);
        o.klik("optProfilC");
        QCOMPARE(o.stav->Uloha.m, 123.0f);
        QCOMPARE(o.text("txtm"), QStringLiteral("1.23E+02"));
        if (kusy != QStringLiteral("2")) {
            o.zvolText("cboAB", QStringLiteral("1"));
            QCOMPARE(o.stav->Uloha.A, 1.0f);
        }
    }

    void okAStorno_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<QString>("pripad");
        QTest::addColumn<QString>("tlacitko");
        QTest::addColumn<bool>("prijato");
        QTest::addColumn<QString>("zprava");
        const QString neuplne = QStringLiteral("Incomplete setting or any value zero");
        const QString plocha = QStringLiteral("This  interchange surface is greater than potential");
        QTest::newRow("complete, OK") << "en_US" << "complete" << "cmdOK" << true << "";
        QTest::newRow("complete, Cancel takes it silently") << "en_US" << "complete" << "cmdStorno" << true << "";
        QTest::newRow("start 0 °C, OK") << "en_US" << "Tv0" << "cmdOK" << false << neuplne;
        QTest::newRow("start 0 °C, Cancel") << "en_US" << "Tv0" << "cmdStorno" << false << "";
        QTest::newRow("emptied field keeps the record's value")
            << "en_US" << "Tv empty" << "cmdOK" << true << "";
        QTest::newRow("uncontrolled furnace 0") << "en_US" << "Tpece0" << "cmdOK" << false << neuplne;
        QTest::newRow("controlled furnace 0") << "en_US" << "controlled Tpece0" << "cmdOK" << true << "";
        QTest::newRow("2.0004 against 2, OK") << "en_US" << "2.0004" << "cmdOK" << true << "";
        QTest::newRow("2,0004 against 2, OK") << "cs_CZ" << "2.0004" << "cmdOK" << true << "";
        QTest::newRow("2.0004 against 2, Cancel") << "en_US" << "2.0004" << "cmdStorno" << false << "";
        QTest::newRow("2.002 against 2, OK") << "en_US" << "2.002" << "cmdOK" << false << plocha;
        QTest::newRow("2,002 against 2, OK") << "cs_CZ" << "2.002" << "cmdOK" << false
                                             << "Teplosměnná plocha je větší než možná !";
        QTest::newRow("2.002 against 2, Cancel") << "en_US" << "2.002" << "cmdStorno" << false << "";
        QTest::newRow("surface over a total not refreshed")
            << "en_US" << "longer bars" << "cmdOK" << false << plocha;
    }
    void okAStorno() {
        QFETCH(QString, lokal);
        QFETCH(QString, pripad);
        QFETCH(QString, tlacitko);
        QFETCH(bool, prijato);
        QFETCH(QString, zprava);
        QLocale::setDefault(QLocale(lokal));
        const bool cesky = lokal == QStringLiteral("cs_CZ");
        auto s = pripad.startsWith(QLatin1Char('2')) || pripad == QStringLiteral("longer bars") ? hranolovyPriklad()
                                                                                                 : zadanyPriklad();
        s->Jazyk = cesky ? kCesky : kAnglicky;
        Okno o(std::move(s));
        if (pripad == QStringLiteral("Tv0")) {
            o.pis("txtTv", QStringLiteral("0"));
        } else if (pripad == QStringLiteral("Tv empty")) {
            o.pis("txtTv", QString());
        } else if (pripad == QStringLiteral("Tpece0")) {
            o.pis("txtTpece", QStringLiteral("0"));
        } else if (pripad == QStringLiteral("controlled Tpece0")) {
            o.pis("txtTpece", QStringLiteral("0"));
            o.klik("optRizeny");
        } else if (pripad.startsWith(QLatin1Char('2'))) {
            o.pis("txtA", mistni(pripad));
        } else if (pripad == QStringLiteral("longer bars")) {
            // The surface was fine for the old length; the total is checked for the new one.
            o.zalozka(5);
            o.pis("txtA", QStringLiteral("1.9"));
            o.pis("txtL2", QStringLiteral("0.1"));
        }
        o.klik(tlacitko.toLatin1().constData());

        QCOMPARE(o.prevzato, prijato ? 1 : 0);
        QCOMPARE(o.stav->ZadaniUplne, prijato);
        if (zprava.isEmpty()) {
            QVERIFY(o.dialogy.zpravy.isEmpty());
        } else {
            QCOMPARE(o.dialogy.zpravy.size(), 1);
            QCOMPARE(o.dialogy.zpravy[0].ikona, Ikona::Vykricnik);
            QCOMPARE(o.dialogy.zpravy[0].titulek, cesky ? QStringLiteral("Chyba v zadání") : QStringLiteral("Setting Error"));
            QCOMPARE(o.dialogy.zpravy[0].text, zprava);
        }
        // Only OK with a message keeps the dialog open.
        QCOMPARE(o.dialog->isVisible(), !zprava.isEmpty());
        if (pripad == QStringLiteral("Tv empty")) {
            QCOMPARE(o.stav->Uloha.Tv, 20.0f);
        }
        if (prijato && o.stav->Uloha.Rizeny) {
            QCOMPARE(o.stav->Uloha.PocetKrivek, 2);
        }
    }

    // Cancel on an accepted problem reads nothing and leaves the furnace temperatures of
    // that acceptance; the curve value left meanwhile is in the record.
    void stornoPoPrijeti() {
        auto s = zorvet::test::RizenyPriklad();
        s->Uloha.ZadaniHmotnosti = "Z";
        s->ZadaniUplne = true;
        RozvinKrivku(*s);
        const auto pece = s->TeplotaPece;
        Okno o(std::move(s));
        o.pis("txtTv", QStringLiteral("55"));
        o.pis("txtKonTep", QStringLiteral("800"));
        o.klik("cmdStorno");
        QVERIFY(!o.dialog->isVisible());
        QCOMPARE(o.prevzato, 0);
        QCOMPARE(o.stav->Uloha.Tv, 20.0f);
        QCOMPARE(o.stav->Uloha.Krivka[1].Teplota, 800.0f);
        QVERIFY(o.stav->TeplotaPece == pece);
    }

    void escAZavreniJakoStorno_data() {
        QTest::addColumn<bool>("esc");
        QTest::newRow("Esc") << true;
        QTest::newRow("close control") << false;
    }
    void escAZavreniJakoStorno() {
        QFETCH(bool, esc);
        Okno o(zadanyPriklad());
        o.zalozka(2);
        // A value typed and not yet left counts as with the Cancel button.
        QTest::mouseClick(o.w<QLineEdit>("txtTk"), Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("950"));
        if (esc) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        } else {
            QVERIFY(o.dialog->close());
        }
        QVERIFY(!o.dialog->isVisible());
        QCOMPARE(o.prevzato, 1);
        QCOMPARE(o.stav->Uloha.Tk, 950.0f);
        QCOMPARE(o.dialog->windowTitle(), QStringLiteral("Setting "));
    }

    void usek3z5() {
        auto s = zadanyPriklad();
        Uloha& u = s->Uloha;
        u.Rizeny = true;
        u.PocetKrivek = 5;
        for (int i = 0; i <= 5; ++i) {
            u.Krivka[static_cast<std::size_t>(i)] = {100.0f * static_cast<float>(i + 1), 60.0f * static_cast<float>(i + 1)};
        }
        u.Krivka[5].DobaVydrze = 0.0f;
        Okno o(std::move(s));
        QCOMPARE(o.w<QComboBox>("cboPocetKrivek")->currentText(), QStringLiteral("5"));
        QCOMPARE(o.polozky("cboUsekC"), rada(1, 5));

        o.zvolText("cboUsekC", QStringLiteral("3"));
        QCOMPARE(o.text("txtPocTep"), QStringLiteral("300"));
        QVERIFY(!o.w<QLineEdit>("txtPocTep")->isEnabled());
        QCOMPARE(o.text("txtKonTep"), QStringLiteral("400"));
        QCOMPARE(o.text("txtDobaVydrze"), QStringLiteral("180"));

        // From 5 to 3 segments with segment 5 selected.
        o.zvolText("cboUsekC", QStringLiteral("5"));
        o.zvolText("cboPocetKrivek", QStringLiteral("3"));
        QCOMPARE(o.stav->Uloha.PocetKrivek, 3);
        QCOMPARE(o.polozky("cboUsekC"), rada(1, 3));
        QCOMPARE(o.w<QComboBox>("cboUsekC")->currentText(), QStringLiteral("3"));
        QCOMPARE(o.text("txtKonTep"), QStringLiteral("400"));
        QCOMPARE(bodyNahledu(o), (QList<double>{0, 60, 180, 360}));

        // The points beyond the shorter curve are kept for a longer one.
        o.zvolText("cboPocetKrivek", QStringLiteral("5"));
        QCOMPARE(o.polozky("cboUsekC"), rada(1, 5));
        o.zvolText("cboUsekC", QStringLiteral("5"));
        QCOMPARE(o.text("txtKonTep"), QStringLiteral("600"));

        o.zvolText("cboUsekC", QStringLiteral("1"));
        QVERIFY(o.w<QLineEdit>("txtPocTep")->isEnabled());
    }

    void casyNahledu_data() {
        QTest::addColumn<QStringList>("doby");
        QTest::addColumn<QList<double>>("casy");
        QTest::newRow("10.5 s three times") << QStringList{"10.5", "10.5", "10.5"} << QList<double>{0, 10, 20, 30};
        QTest::newRow("halves to even after each addition")
            << QStringList{"0.5", "1", "1.5"} << QList<double>{0, 0, 1, 2};
        QTest::newRow("beyond 16-bit seconds") << QStringList{"20000", "20000"} << QList<double>{0, 20000, 40000};
    }
    void casyNahledu() {
        QFETCH(QStringList, doby);
        QFETCH(QList<double>, casy);
        Okno o(zadanyPriklad());
        o.klik("optRizeny");
        o.zvolText("cboPocetKrivek", QString::number(doby.size()));
        for (int k = 1; k <= doby.size(); ++k) {
            o.zvolText("cboUsekC", QString::number(k));
            o.pis("txtDobaVydrze", doby[k - 1]);
            o.pis("txtKonTep", QString::number(100 * k));
        }
        QCOMPARE(o.w<Graf>("FlpGrf1")->pocetRad(), 1);
        QCOMPARE(bodyNahledu(o), casy);
        QCOMPARE(o.w<Graf>("FlpGrf1")->bodyRady(0).last().y(), 100.0 * static_cast<double>(doby.size()));
    }

    // Switching to uncontrolled and back keeps the curve and the number shown; the
    // preview waits for a number to be picked, and OK takes the one shown.
    void rezimTamAZpet() {
        auto s = zorvet::test::RizenyPriklad();
        s->Uloha.ZadaniHmotnosti = "Z";
        s->Uloha.Tpece = 1000.0f;
        const Krivka krivka = s->Uloha.Krivka;
        Okno o(std::move(s));
        QVERIFY(o.w<QRadioButton>("optRizeny")->isChecked());
        QVERIFY(o.w<QWidget>("FlpGrf1")->isVisible());

        o.klik("optNerizenyO");
        QVERIFY(!o.stav->Uloha.Rizeny);
        QCOMPARE(o.stav->Uloha.PocetKrivek, 0);
        QVERIFY(o.w<QWidget>("txtKonTep")->isHidden());
        QVERIFY(o.w<QWidget>("FlpGrf1")->isHidden());
        QVERIFY(!o.w<QWidget>("txtTpece")->isHidden());

        o.klik("optRizeny");
        QVERIFY(o.stav->Uloha.Rizeny);
        QCOMPARE(o.w<QComboBox>("cboPocetKrivek")->currentText(), QStringLiteral("2"));
        QCOMPARE(o.stav->Uloha.PocetKrivek, 0);
        QCOMPARE(bodyNahledu(o), QList<double>{0});
        QVERIFY(stejnaKrivka(o.stav->Uloha.Krivka, krivka));
        QVERIFY(o.w<QWidget>("txtTpece")->isHidden());

        o.klik("cmdOK");
        QCOMPARE(o.prevzato, 1);
        QCOMPARE(o.stav->Uloha.PocetKrivek, 2);
        QCOMPARE(o.stav->TeplotaPece[60], 1000.0f);
    }

    void krivkaSNeciselnymTextem_data() {
        QTest::addColumn<QString>("lokal");
        QTest::newRow("point") << "en_US";
        QTest::newRow("comma") << "cs_CZ";
    }
    void krivkaSNeciselnymTextem() {
        QFETCH(QString, lokal);
        QLocale::setDefault(QLocale(lokal));
        auto s = zorvet::test::RizenyPriklad();
        s->Uloha.ZadaniHmotnosti = "Z";
        Okno o(std::move(s));
        o.pis("txtKonTep", QStringLiteral("hot"));
        QCOMPARE(o.stav->Uloha.Krivka[1].Teplota, 1000.0f);
        QCOMPARE(o.text("txtKonTep"), QStringLiteral("1000"));
        o.pis("txtKonTep", QString());
        QCOMPARE(o.stav->Uloha.Krivka[1].Teplota, 1000.0f);
        o.pis("txtKonTep", mistni("990.5"));
        QCOMPARE(o.stav->Uloha.Krivka[1].Teplota, 990.5f);
        QCOMPARE(o.w<Graf>("FlpGrf1")->bodyRady(0).at(1).y(), 990.5);
        o.pis("txtPocTep", mistni("25.5"));
        QCOMPARE(o.stav->Uloha.Krivka[0].Teplota, 25.5f);
    }

    // A curve of one segment (which a file can hold) is shown as two: the segment and a
    // hold of no duration at its end, so the furnace still ends at that temperature.
    void jedenUsek() {
        auto s = zadanyPriklad();
        Uloha& u = s->Uloha;
        u.Rizeny = true;
        u.PocetKrivek = 1;
        u.Krivka[0] = {20.0f, 100.0f};
        u.Krivka[1] = {900.0f, 0.0f};
        Okno o(std::move(s));
        QCOMPARE(o.w<QComboBox>("cboPocetKrivek")->currentText(), QStringLiteral("2"));
        QCOMPARE(o.stav->Uloha.Krivka[2].Teplota, 900.0f);
        o.klik("cmdOK");
        QCOMPARE(o.prevzato, 1);
        QCOMPARE(o.stav->TeplotaPece[10], 900.0f);
        QCOMPARE(o.stav->TeplotaPece[kPosledniRadek], 900.0f);
    }

    void ulozeniANacteni_data() {
        QTest::addColumn<int>("jazykUlozeni");
        QTest::addColumn<QString>("lokalUlozeni");
        QTest::addColumn<int>("jazykNacteni");
        QTest::addColumn<QString>("lokalNacteni");
        QTest::newRow("English to Czech") << 0 << "en_US" << 200 << "cs_CZ";
        QTest::newRow("Czech to English") << 200 << "cs_CZ" << 0 << "en_US";
    }
    void ulozeniANacteni() {
        QFETCH(int, jazykUlozeni);
        QFETCH(QString, lokalUlozeni);
        QFETCH(int, jazykNacteni);
        QFETCH(QString, lokalNacteni);
        const QString cesta = QDir::current().absoluteFilePath(QStringLiteral("uloha.cfg"));

        QLocale::setDefault(QLocale(lokalUlozeni));
        auto s = hranolovyPriklad();
        Uloha& u = s->Uloha;
        s->Jazyk = static_cast<std::int16_t>(jazykUlozeni);
        u.Profil = "C";
        u.PocetProfilu = 3;
        u.PocetAB = 6;
        u.PocetAL = 12;
        u.m = 999.0f;
        u.Eps = 0.85f;
        u.Rizeny = true;
        u.Tpece = 0.0f;
        u.PocetKrivek = 3;
        u.Krivka[0] = {20.0f, 600.0f};
        u.Krivka[1] = {1000.0f, 1200.0f};
        u.Krivka[2] = {1000.0f, 300.0f};
        u.Krivka[3] = {700.0f, 0.0f};
        u.KoefK = 0.9f;
        Okno a(std::move(s));
        a.dialogy.souboryUlozit.append(cesta);
        a.dialogy.odpovedi.append(false);
        a.klik("cmdUlozCfg");
        QVERIFY(QFile::exists(cesta));
        QCOMPARE(a.dialog->windowTitle(), a.dialog->titulekZadani() + QStringLiteral("- uloha.cfg"));
        QCOMPARE(a.prevzato, 0);

        QLocale::setDefault(QLocale(lokalNacteni));
        auto s2 = std::make_unique<Stav>();
        s2->Jazyk = static_cast<std::int16_t>(jazykNacteni);
        s2->Uloha.KoefK = 0.5f;
        Okno b(std::move(s2));
        b.dialogy.souboryOtevrit.append(cesta);
        b.klik("cmdNactiCfg");
        QCOMPARE(b.dialog->windowTitle(), b.dialog->titulekZadani() + QStringLiteral("- uloha.cfg"));
        QCOMPARE(b.dialogy.neocekavane, 0);
        const Uloha& v = b.stav->Uloha;
        QVERIFY(v.Rizeny);
        QCOMPARE(v.PocetKrivek, 3);
        QVERIFY(stejnaKrivka(v.Krivka, u.Krivka));
        QCOMPARE(v.m, 999.0f);
        QCOMPARE(v.PocetProfilu, 3);
        QCOMPARE(v.KoefK, 0.5f);
        QVERIFY(b.w<QRadioButton>("optProfilC")->isChecked());
        QCOMPARE(b.w<QComboBox>("cboPocetKrivek")->currentText(), QStringLiteral("3"));
        QCOMPARE(b.text("txtEps"), mistni("0.85"));
        QCOMPARE(b.text("txtm"), mistni("9.99E+02"));
        QCOMPARE(b.w<QComboBox>("cboAL")->currentText(), QStringLiteral("12"));
        QCOMPARE(bodyNahledu(b), (QList<double>{0, 600, 1800, 2100}));

        b.klik("cmdOK");
        QCOMPARE(b.prevzato, 1);
        QCOMPARE(b.dialog->windowTitle(), b.dialog->titulekZadani());
        QCOMPARE(b.stav->Uloha.PocetKrivek, 3);
    }

    // Loading over a controlled dialog refreshes the segment fields and the preview even
    // when the number of segments and the segment stay the same.
    void nacteniPresStejnyPocetUseku() {
        const QString cesta = QDir::current().absoluteFilePath(QStringLiteral("jina.cfg"));
        auto s = zorvet::test::RizenyPriklad();
        s->Uloha.ZadaniHmotnosti = "Z";
        s->Uloha.Krivka[1].Teplota = 800.0f;
        {
            Okno a(std::move(s));
            a.dialogy.souboryUlozit.append(cesta);
            a.dialogy.odpovedi.append(false);
            a.klik("cmdUlozCfg");
        }
        auto s2 = zorvet::test::RizenyPriklad();
        s2->Uloha.ZadaniHmotnosti = "Z";
        Okno b(std::move(s2));
        QCOMPARE(b.text("txtKonTep"), QStringLiteral("1000"));
        b.dialogy.souboryOtevrit.append(cesta);
        b.klik("cmdNactiCfg");
        QCOMPARE(b.text("txtKonTep"), QStringLiteral("800"));
        QCOMPARE(b.w<Graf>("FlpGrf1")->bodyRady(0).at(1).y(), 800.0);
    }

    void volbaMaterialu_data() {
        QTest::addColumn<QString>("lokal");
        QTest::addColumn<QString>("c");
        QTest::newRow("point") << "en_US" << "385.5";
        QTest::newRow("comma") << "cs_CZ" << "385,5";
    }
    void volbaMaterialu() {
        QFETCH(QString, lokal);
        QFETCH(QString, c);
        QLocale::setDefault(QLocale(lokal));
        zapisMaterialy();
        Okno o(zadanyPriklad());
        QCOMPARE(o.polozky("cboMaterial"), (QStringList{"Steel", "Copper", "Aluminium"}));
        QCOMPARE(o.w<QComboBox>("cboMaterial")->currentText(), QStringLiteral("Steel"));
        // Passing through the material of the problem does not choose it again: the heat
        // capacity of the problem (500) stays, not the database's 460.
        o.navstiv("cboMaterial");
        QCOMPARE(o.text("txtc"), QStringLiteral("500"));
        o.zvol("cboMaterial", 1);
        QCOMPARE(o.text("txtc"), c);
        QCOMPARE(o.text("txtGama"), QStringLiteral("8900"));
        // The other fields are not touched.
        QCOMPARE(o.text("txtEps"), mistni("0.8"));
    }

    void ulozeniMaterialu_data() {
        QTest::addColumn<QString>("nazev");
        QTest::addColumn<QList<bool>>("odpovedi");
        QTest::addColumn<int>("polozek");
        QTest::addColumn<QString>("titulek");
        QTest::newRow("new name is added") << "Brass" << QList<bool>{} << 4 << "Database Completed";
        QTest::newRow("other letter case is a new name") << "copper" << QList<bool>{} << 4 << "Database Completed";
        QTest::newRow("same name, Yes overwrites") << "Copper" << QList<bool>{true} << 3 << "Database Overwriting";
        QTest::newRow("same name, No keeps all") << "Copper" << QList<bool>{false} << 3 << "";
    }
    void ulozeniMaterialu() {
        QFETCH(QString, nazev);
        QFETCH(QList<bool>, odpovedi);
        QFETCH(int, polozek);
        QFETCH(QString, titulek);
        zapisMaterialy();
        QFile f(QStringLiteral("Material.lst"));
        QVERIFY(f.open(QIODevice::ReadOnly));
        const QByteArray puvodni = f.readAll();
        f.close();

        Okno o(zadanyPriklad());
        o.dialogy.odpovedi = odpovedi;
        o.pis("cboMaterial", nazev);
        o.pis("txtc", QStringLiteral("999"));
        o.klik("cmdUlozMaterial");
        QCOMPARE(o.dialogy.otazky.size(), odpovedi.size());
        QCOMPARE(o.dialogy.neocekavane, 0);
        QCOMPARE(o.w<QComboBox>("cboMaterial")->count(), polozek);
        QCOMPARE(o.w<QComboBox>("cboMaterial")->currentText(), nazev);
        if (titulek.isEmpty()) {
            QVERIFY(o.dialogy.zpravy.isEmpty());
            QVERIFY(f.open(QIODevice::ReadOnly));
            QCOMPARE(f.readAll(), puvodni);
            return;
        }
        QCOMPARE(o.dialogy.zpravy.size(), 1);
        QCOMPARE(o.dialogy.zpravy[0].titulek, titulek);

        // The next opening lists the database as saved, with the new heat capacity.
        Okno dalsi(zadanyPriklad());
        const QStringList jmena = dalsi.polozky("cboMaterial");
        QCOMPARE(jmena.size(), polozek);
        dalsi.zvol("cboMaterial", static_cast<int>(jmena.indexOf(nazev)));
        QCOMPARE(dalsi.text("txtc"), QStringLiteral("999"));
    }

    void napovedaEmisivity_data() {
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("soubor");
        QTest::newRow("English") << 0 << "Eps.eng";
        QTest::newRow("Czech") << 200 << "Eps.cz";
    }
    void napovedaEmisivity() {
        QFETCH(int, jazyk);
        QFETCH(QString, soubor);
        QFile eps(soubor);
        QVERIFY(eps.open(QIODevice::WriteOnly));
        eps.write("Steel oxidized\r\n0.8\r\nCopper polished\r\n0.05\r\n");
        eps.close();
        auto s = std::make_unique<Stav>();
        s->Jazyk = static_cast<std::int16_t>(jazyk);
        Okno o(std::move(s));
        auto* lblEps = o.w<QLabel>("lblEps");
        QVERIFY(lblEps->toolTip().contains(QStringLiteral("Copper polished")));

        o.zalozka(3);
        QTest::mouseMove(lblEps, QPoint(3, 3));
        QTest::mouseMove(lblEps, lblEps->rect().center());
        QCOMPARE(o.dialog->cursor().shape(), Qt::WhatsThisCursor);
        QTRY_COMPARE_WITH_TIMEOUT(o.dialog->cursor().shape(), Qt::ArrowCursor, 5000);
    }

private:
    // Three materials, the second with a fractional heat capacity.
    static void zapisMaterialy() {
        QFile f(QStringLiteral("Material.lst"));
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("Steel\r\n 460  7850 \r\nCopper\r\n 385.5  8900 \r\nAluminium\r\n 900  2700 \r\n");
    }

    QTemporaryDir adresar_;
};

QTEST_MAIN(FrmZadaniTest)
#include "frm_zadani_test.moc"
