// The problem form without its widgets: what the user does to the fields, in the order the
// dialog passes it on, and what the fields then show and what OK and Save make of it.
#include <QRegularExpression>
#include <QtTest/QTest>

#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "ui/problem_dialog/formular.h"

namespace zorvet::test {

namespace {

// An example as the window opens it at the start, whose reduction factor is 1.
Uloha Priklad(const char* jmeno) {
    Uloha zacatek;
    zacatek.KoefK = 1.0f;
    return NactiSoubor(QStringLiteral(ZORVET_EXAMPLES "/") + QString::fromLatin1(jmeno), false, zacatek,
                       Jazyk::Anglicky)
        .obsah->uloha;
}

// A field by its control's name; the curve's fields belong to the segment shown.
std::pair<Velicina, int> polePodle(const Formular& f, const QString& jmeno) {
    if (jmeno == QLatin1String("txtPocTep")) {
        return {Velicina::TeplotaKrivky, f.usek() - 1};
    }
    for (const PopisPole& p : PoleUlohy()) {
        if (jmeno == QLatin1String(p.ovladac)) {
            const int bod = p.velicina == Velicina::TeplotaKrivky ? f.usek()
                            : p.velicina == Velicina::DobaVydrze  ? f.usek() - 1
                                                                  : 0;
            return {p.velicina, bod};
        }
    }
    qFatal("no field %s", qPrintable(jmeno));
}

// The steps: "file NAME" loads an example; "txtA2=0.123" types into a field and leaves it,
// "txtA2~0.1" types without leaving; "pick cboAB=2" picks a count from its list; "profile K",
// "mass V", "controlled 1", "segments 3", "segment 2" and "material" make the choices; "model
// carbon-steel" picks a property model ("model" alone none), "curve 20;460|900;650" a user's table.
void proved(Formular& f, const QStringList& kroky) {
    for (const QString& krok : kroky) {
        const QString prikaz = krok.section(QLatin1Char(' '), 0, 0);
        const QString zbytek = krok.section(QLatin1Char(' '), 1);
        if (prikaz == QLatin1String("file")) {
            f.nastav(Priklad(qPrintable(zbytek)));
        } else if (prikaz == QLatin1String("pick")) {
            f.vyberPocet(polePodle(f, zbytek.section(QLatin1Char('='), 0, 0)).first, zbytek.section(QLatin1Char('='), 1));
        } else if (prikaz == QLatin1String("profile")) {
            f.nastavProfil(zbytek == QLatin1String("K")   ? Profil::Kruhovy
                           : zbytek == QLatin1String("C") ? Profil::Ctvercovy
                                                          : Profil::Obdelnikovy);
        } else if (prikaz == QLatin1String("mass")) {
            f.nastavZadaniHmotnosti(zbytek == QLatin1String("V") ? ZadaniHmotnosti::ZRozmeru : ZadaniHmotnosti::Zadana);
        } else if (prikaz == QLatin1String("controlled")) {
            f.nastavRizeny(zbytek == QLatin1String("1"));
        } else if (prikaz == QLatin1String("segments")) {
            f.nastavPocetUseku(zbytek.toInt());
        } else if (prikaz == QLatin1String("segment")) {
            f.vyberUsek(zbytek.toInt());
        } else if (prikaz == QLatin1String("material")) {
            f.vyberMaterial(Material{"Litina", 540.0f, 7200.0f}, 0.0f);
        } else if (prikaz == QLatin1String("model")) {
            f.nastavVlastnosti(zbytek.isEmpty() ? std::nullopt : std::optional(VestaveneVlastnosti(zbytek.toStdString())));
        } else if (prikaz == QLatin1String("curve")) {
            VlastnostiMaterialu krivka;
            for (const QString& bod : zbytek.split(QLatin1Char('|'))) {
                krivka.Body.push_back({bod.section(QLatin1Char(';'), 0, 0).toFloat(), bod.section(QLatin1Char(';'), 1, 1).toFloat(), 0.0f});
            }
            f.nastavVlastnosti(krivka);
        } else {
            const bool opustit = krok.contains(QLatin1Char('='));
            const QStringList casti = krok.split(QRegularExpression(QStringLiteral("[=~]")));
            const auto [v, bod] = polePodle(f, casti[0]);
            f.pis(v, bod, casti[1]);
            if (opustit) {
                f.opusteno(v, bod);
            }
        }
    }
}

}  // namespace

class FormularTest : public QObject {
    Q_OBJECT
private slots:
    void pole_data() {
        QTest::addColumn<QStringList>("kroky");
        QTest::addColumn<QString>("ukazano");  // "control=text;..." as the fields show them
        QTest::addColumn<QString>("ok");       // what OK says ("" when it accepts)
        const QString bars = QStringLiteral("file mass_from_dimensions.cfg");
        QTest::newRow("a new problem")
            << QStringList{} << "txtKoefK=1;txtPocetProfilu=1;txtTv=;txtLambda=;txtPrikon=;txtZtratyPrikonu=0;txtKonvekce=15"
            << "Furnace Temperature: a value is needed.";
        QTest::newRow("a file") << QStringList{bars} << "txtm=3.14E+02;txtA=1.28;cboAB=8;txtA2=0.2;txtGama=7850" << "";
        // A dimension left: the mass follows, and the counts that still fit make the surface.
        QTest::newRow("side A") << QStringList{bars, "txtA2=0.123"} << "txtm=1.93E+02;txtA=.9412;cboBL=8" << "";
        QTest::newRow("side A typed, not left")
            << QStringList{bars, "txtA2~0.123"} << "txtm=3.14E+02;txtA=1.28" << "";
        // Another number of pieces: each piece keeps the faces it had, and the surface follows.
        QTest::newRow("fewer pieces") << QStringList{bars, "txtPocetProfilu=1"}
                                      << "txtm=7.85E+01;cboAB=2;cboAL=1;cboBL=2;txtA=.32" << "";
        QTest::newRow("more pieces") << QStringList{bars, "txtPocetProfilu=8"} << "txtm=6.28E+02;cboAB=16;cboAL=8;txtA=2.56"
                                     << "";
        QTest::newRow("round bars, 9 then 177")
            << QStringList{"file thick_round_bar.cfg", "txtPocetProfilu=9", "cboAL=9", "txtPocetProfilu=177"}
            << "cboAB=0;cboAL=177;txtA=278.0309" << "";
        QTest::newRow("dimension no number")
            << QStringList{bars, "txtA2=0,1x"} << "txtm=;txtA=" << "A [m]: “0,1x” is not a number.";
        QTest::newRow("half a piece") << QStringList{bars, "txtPocetProfilu=2.5"} << "txtm=;txtA="
                                      << "Number of Pieces must be a whole number.";
        QTest::newRow("density left") << QStringList{bars, "txtGama=7000"} << "txtm=2.80E+02" << "";
        QTest::newRow("density emptied") << QStringList{bars, "txtGama="} << "txtm="
                                         << "Density [kg/m3]: a value is needed.";
        QTest::newRow("a material picked") << QStringList{bars, "material"} << "txtm=2.88E+02;txtc=540;cboMaterial=Litina"
                                           << "";
        // A count picked makes the surface at once, with the point whatever the locale.
        QTest::newRow("no faces A*L") << QStringList{bars, "pick cboAL=0"} << "txtA=.48;txtm=3.14E+02" << "";
        QTest::newRow("count picked, dimension no number")
            << QStringList{bars, "txtA2=0,1x", "pick cboAB=8"} << "txtA=;cboAB=8" << "A [m]: “0,1x” is not a number.";
        QTest::newRow("count typed, no number")
            << QStringList{bars, "cboBL=8x"} << "txtA=1.28" << "Number of Sides B*L: “8x” is not a number.";
        QTest::newRow("too many faces") << QStringList{bars, "cboBL=9"} << "txtA=1.33"
                                        << "Number of Sides B*L: the pieces have only 8 such faces.";
        // A surface typed with no count given stays as typed when the dimensions change.
        QTest::newRow("typed surface") << QStringList{bars, "cboAB=", "cboAL=", "cboBL=", "txtA=1.5", "txtL2=0.9"}
                                       << "txtA=1.5;txtm=2.83E+02" << "";
        QTest::newRow("surface not of the faces")
            << QStringList{bars, "txtA=1.3"} << "txtA=1.3"
            << "Interchange Surface [m2] does not match the dimensions and the numbers of sides, which give 1.28 m2. "
               "Pick the numbers of sides again, or correct the surface.";
        // Another profile counts other faces: the counts and the surface go.
        QTest::newRow("round bars") << QStringList{bars, "profile K"} << "cboAB=;cboAL=;txtA=;txtm=9.86E+02"
                                    << "Interchange Surface [m2]: a value is needed.";
        QTest::newRow("round bars, counted")
            << QStringList{bars, "profile K", "pick cboAB=8", "pick cboAL=4"} << "txtA=2.764602" << "";
        QTest::newRow("mass from dimensions, new")
            << QStringList{"mass V", "txtA2=0.1", "txtB2=0.2", "txtL2=1", "txtGama=7850"} << "txtm=1.57E+02"
            << "Furnace Temperature: a value is needed.";
        QTest::newRow("typed mass") << QStringList{bars, "mass Z", "txtm=300"} << "txtm=300" << "";
        QTest::newRow("controlled") << QStringList{"file controlled_curve.cfg"} << "txtKonTep=600;txtDobaVydrze=600" << "";
        QTest::newRow("segment 2") << QStringList{"file controlled_curve.cfg", "segment 2"}
                                   << "txtPocTep=600;txtKonTep=1000;txtDobaVydrze=900" << "";
        QTest::newRow("segment without duration")
            << QStringList{"file controlled_curve.cfg", "segment 2", "txtDobaVydrze=0"} << "txtDobaVydrze=0"
            << "Segment 2 of the furnace curve needs a duration greater than zero.";
        QTest::newRow("end temperature no number")
            << QStringList{"file controlled_curve.cfg", "segment 3", "txtKonTep=9OO", "segment 1"} << "txtKonTep=600"
            << "Final Temperature 3 [°C]: “9OO” is not a number.";
        // Back to uncontrolled and controlled again: the curve and its number of segments stay.
        QTest::newRow("regime back and forth")
            << QStringList{"file controlled_curve.cfg", "controlled 0", "txtTpece=1000", "controlled 1"}
            << "txtKonTep=600" << "";
        QTest::newRow("a new curve") << QStringList{"file uncontrolled.cfg", "controlled 1", "txtPocTep=20",
                                                    "txtKonTep=1000", "txtDobaVydrze=600", "segment 2",
                                                    "txtKonTep=1000", "txtDobaVydrze=600"}
                                     << "txtPocTep=1000" << "";
        QTest::newRow("one segment") << QStringList{"file uncontrolled.cfg", "controlled 1", "segments 1", "txtPocTep=20",
                                                    "txtKonTep=1000", "txtDobaVydrze=600"}
                                     << "" << "";
        QTest::newRow("final temperature below start") << QStringList{"file uncontrolled.cfg", "txtTk=10"} << ""
                                                       << "Final Temperature Charge must not be below the Starting "
                                                          "Temperature Charge, 20 °C.";
        QTest::newRow("reduction beyond 1") << QStringList{"file uncontrolled.cfg", "txtKoefK=5"} << ""
                                            << "Reduction Factor of the Surface [-] must be greater than 0 and at most 1.";
        QTest::newRow("no conductivity") << QStringList{"file uncontrolled.cfg", "txtLambda=45", "txtLambda="}
                                         << "txtLambda=" << "";
        // The furnace: an empty convection is the usual one; the losses of the power are whole.
        QTest::newRow("convection emptied") << QStringList{"file uncontrolled.cfg", "txtKonvekce="} << "txtKonvekce=15" << "";
        QTest::newRow("losses beyond") << QStringList{"file uncontrolled.cfg", "txtZtratyPrikonu=40000"} << ""
                                       << "Heat Losses [%] is too large: at most 32767.";
        // A curve gives the heat capacity between the temperatures, a built-in one its density
        // too; the value typed comes back without it.
        QTest::newRow("stainless steel") << QStringList{bars, "model stainless-steel"} << "txtGama=7900;txtm=3.16E+02;txtc=521.0986" << "";
        QTest::newRow("curve and final temperature")
            << QStringList{"file uncontrolled.cfg", "model carbon-steel", "txtTk=600"} << "txtc=578.8583" << "";
        QTest::newRow("curve gone") << QStringList{bars, "txtc=480", "model carbon-steel", "model"} << "txtc=480" << "";
        QTest::newRow("unsound curve") << QStringList{"file uncontrolled.cfg", "txtc=480", "curve 20;460|20;500"} << "txtc="
                                       << Text(id::VadnaKrivka, Jazyk::Anglicky);
    }

    // Each step as the dialog's tabs pass it on; the fields show what follows, and OK says what
    // it refuses first.
    void pole() {
        QFETCH(QStringList, kroky);
        QFETCH(QString, ukazano);
        QFETCH(QString, ok);
        Lokal l("en_US");
        Formular f;
        proved(f, kroky);
        for (const QString& p : ukazano.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const auto [v, bod] = polePodle(f, p.section(QLatin1Char('='), 0, 0));
            QCOMPARE(f.text(v, bod), p.section(QLatin1Char('='), 1));
        }
        const std::optional<Zavada> zavada = f.zkontroluj(Pravidlo::Ok);
        QCOMPARE(zavada ? ZpravaZavady(*zavada, f.uloha(), Jazyk::Anglicky) : QString(), ok);
    }

    // OK takes the mass of the dimensions being accepted, at full precision; the problem it
    // takes is the file's when nothing was changed.
    void prijeti() {
        Lokal l("cs_CZ");
        Formular f;
        const Uloha tyce = Priklad("mass_from_dimensions.cfg");
        f.nastav(tyce);
        QVERIFY(!f.zkontroluj(Pravidlo::Ok));
        QCOMPARE(f.uloha().m, 314.00003f);
        QCOMPARE(OtiskUlohy(f.uloha()), OtiskUlohy(tyce));
        QCOMPARE(f.text(Velicina::m), QStringLiteral("3,14E+02"));
        // The thick billet, written with 7 digits, is accepted as it stands.
        f.nastav(Priklad("thick_round_bar.cfg"));
        QVERIFY(!f.zkontroluj(Pravidlo::Ok));
        // A surface a little over the total: OK rounds both to three decimals, Cancel does not.
        f.nastav(tyce);
        proved(f, {"cboAB=", "cboAL=", "cboBL=", "txtA=2,0804"});
        QVERIFY(!f.zkontroluj(Pravidlo::Ok));
        QCOMPARE(f.zkontroluj(Pravidlo::Storno)->vada, Vada::PlochaVetsi);
    }

    // Save writes what the fields show: an empty field is 0, a text that is no number must be
    // corrected, and a segment without a duration would cut the file's curve short.
    void ulozeni() {
        Lokal l("en_US");
        Formular f;
        f.nastav(Priklad("controlled_curve.cfg"));
        proved(f, {"txtc="});
        Uloha u;
        QVERIFY(!f.proUlozeni(&u));
        QCOMPARE(u.c, 0.0f);
        QCOMPARE(f.uloha().c, 500.0f);
        proved(f, {"txtKonvekce="});
        QVERIFY(!f.proUlozeni(&u));
        QCOMPARE(u.Konvekce, 15.0f);
        proved(f, {"txtTk=9OO"});
        QCOMPARE(f.proUlozeni(&u)->velicina, Velicina::Tk);
        proved(f, {"txtTk=900", "segment 3", "txtDobaVydrze=0"});
        QCOMPARE(f.proUlozeni(&u)->vada, Vada::NulovaDoba);
        // Uncontrolled, the problem holds no curve segments.
        f.nastavRizeny(false);
        QCOMPARE(f.uloha().PocetKrivek, 0);
    }

    // What the form holds changes with every value and every text that is no number, and not
    // with a choice made again.
    void otisk() {
        Lokal l("en_US");
        Formular f;
        const QString novy = f.otisk();
        // Uncontrolled is no curve chosen yet.
        f.nastavRizeny(false);
        QCOMPARE(f.pocetUseku(), 0);
        f.nastav(Priklad("uncontrolled.cfg"));
        const QString soubor = f.otisk();
        QCOMPARE(soubor, OtiskUlohy(Priklad("uncontrolled.cfg")));
        QVERIFY(soubor != novy);
        proved(f, {"txtTk=9OO"});
        QVERIFY(f.otisk() != soubor);
        proved(f, {"txtTk=900", "mass Z"});
        QCOMPARE(f.otisk(), soubor);
    }
};

ZORVET_TEST_OKEN(FormularTest);

}  // namespace zorvet::test

#include "formular_test.moc"
