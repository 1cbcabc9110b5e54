// The keyboard: every control of the problem dialog's tabs and of the main window's views
// reached by its accelerator, the letters each page uses (clashes included, since the
// captions are fixed), and the order in which Tab walks through each page.
#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <map>

#include "files/nastaveni.h"
#include "model/priklady.h"
#include "okna_pomoc.h"
#include "ui/frm_zadani.h"
#include "zadani_ovladani.h"

using namespace zorvet;
using namespace zorvet::test;

namespace {

// The problem the dialog is opened on decides what its tabs show.
enum class Rezim { Nerizeny, Rizeny, HmotnostZadana, Obdelnik, Kruh };

std::unique_ptr<Stav> uloha(Rezim r, int jazyk) {
    auto s = r == Rezim::Rizeny ? RizenyPriklad() : NerizenyPriklad();
    s->Jazyk = static_cast<std::int16_t>(jazyk);
    Uloha& u = s->Uloha;
    u.Gama = 7850.0f;
    if (r == Rezim::HmotnostZadana) {
        u.ZadaniHmotnosti = "Z";
    } else if (r == Rezim::Obdelnik || r == Rezim::Kruh) {
        u.ZadaniHmotnosti = "V";
        u.Profil = r == Rezim::Kruh ? "K" : "O";
        u.StranaA = 0.1f;
        u.StranaB = 0.1f;
        u.DelkaL = 1.0f;
        u.PocetProfilu = 2;
    }
    return s;
}

// The dialog open on a problem, on one of its tabs; everything it would ask is answered in code.
struct Dialog : OtevreneZadani {
    Dialog(Rezim r, int jazyk, int naZalozce) : OtevreneZadani(uloha(r, jazyk), naZalozce) {}
};

QString jmeno(const QWidget* w) { return w == nullptr ? QStringLiteral("(none)") : w->objectName(); }

// The accelerator letter of a caption ("&Save" → "S", "Č&eský" → "E"), empty without one.
QString pismeno(const QString& text) {
    const QKeySequence k = QKeySequence::mnemonic(text);
    if (k.isEmpty()) {
        return {};
    }
    return QString(QChar(k[0].key())).toUpper();
}

// Letter → what it reaches, for every visible control of window with an accelerator: a
// label names its buddy, a button itself, a frame itself.
std::map<QString, QStringList> akceleratory(QWidget* okno) {
    std::map<QString, QStringList> mapa;
    for (QWidget* w : okno->findChildren<QWidget*>()) {
        if (!w->isVisible()) {
            continue;
        }
        QString p;
        QString cil;
        if (auto* l = qobject_cast<QLabel*>(w)) {
            p = pismeno(l->text());
            cil = jmeno(l->buddy());
        } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
            p = pismeno(b->text());
            cil = jmeno(b);
        } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
            p = pismeno(g->title());
            cil = jmeno(g);
        }
        if (!p.isEmpty()) {
            mapa[p].append(cil);
        }
    }
    for (auto& [k, cile] : mapa) {
        cile.sort();
    }
    return mapa;
}

// "U=optNerizenyO; C=cmdStorno,optRizeny" as a map.
std::map<QString, QStringList> mapaZTextu(const QString& text) {
    std::map<QString, QStringList> mapa;
    for (const QString& polozka : text.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString k = polozka.section(QLatin1Char('='), 0, 0).trimmed();
        QStringList cile = polozka.section(QLatin1Char('='), 1).trimmed().split(QLatin1Char(','));
        for (QString& c : cile) {
            c = c.trimmed();
        }
        cile.sort();
        mapa[k] = cile;
    }
    return mapa;
}

QString textMapy(const std::map<QString, QStringList>& mapa) {
    QStringList casti;
    for (const auto& [k, cile] : mapa) {
        casti.append(k + QLatin1Char('=') + cile.join(QLatin1Char(',')));
    }
    return casti.join(QStringLiteral("; "));
}

Qt::Key klavesa(const QString& p) { return static_cast<Qt::Key>(p.at(0).unicode()); }

// The focused widget and those Tab takes the focus to, kroku in all.
QStringList cestaTabem(QWidget* okno, int kroku) {
    QStringList cesta;
    for (int i = 0; i < kroku; ++i) {
        cesta.append(jmeno(QApplication::focusWidget()));
        QTest::keyClick(okno, Qt::Key_Tab);
    }
    return cesta;
}

}  // namespace

class KlavesniceTest : public QObject {
    Q_OBJECT
private slots:
    void init() { UlozJazyk(kAnglicky); }

    // The letters of every page, what each reaches, and that pressing it gets there. A
    // letter two controls share (the captions are fixed, so some pages have such clashes)
    // takes the focus to each in turn and clicks neither.
    void dialogAccelerators_data() {
        QTest::addColumn<int>("rezim");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<int>("zalozka");
        QTest::addColumn<QString>("mapa");
        const QString en = QStringLiteral("O=cmdOK; C=cmdStorno; L=cmdNactiCfg; S=cmdUlozCfg");
        const QString cs = QStringLiteral("O=cmdOK; S=cmdStorno; N=cmdNactiCfg; U=cmdUlozCfg");
        auto radek = [](const char* nazev, Rezim r, int j, int z, const QString& mapa) {
            QTest::newRow(nazev) << int(r) << j << z << mapa;
        };
        radek("heating, uncontrolled", Rezim::Nerizeny, 0, 1,
              "U=optNerizenyO; C=cmdStorno,optRizeny; O=cmdOK; L=cmdNactiCfg; S=cmdUlozCfg");
        radek("heating, controlled", Rezim::Rizeny, 0, 1,
              "U=optNerizenyO; C=cmdStorno,optRizeny; N=cboPocetKrivek; F=cboUsekC,txtKonTep; I=txtPocTep; "
              "T=txtDobaVydrze; O=cmdOK; L=cmdNactiCfg; S=cmdUlozCfg");
        radek("heating, controlled, Czech", Rezim::Rizeny, 200, 1,
              "E=cboUsekC,optNerizenyO; Z=optRizeny; K=cboPocetKrivek; P=txtPocTep; N=cmdNactiCfg,txtKonTep; "
              "D=txtDobaVydrze; O=cmdOK; S=cmdStorno; U=cmdUlozCfg");
        radek("temperatures, uncontrolled", Rezim::Nerizeny, 0, 2,
              "F=txtTk,txtTpece; S=cmdUlozCfg,txtTv; O=cmdOK; C=cmdStorno; L=cmdNactiCfg");
        radek("temperatures, controlled", Rezim::Rizeny, 0, 2,
              "F=txtTk; S=cmdUlozCfg,txtTv; O=cmdOK; C=cmdStorno; L=cmdNactiCfg");
        radek("temperatures, Czech", Rezim::Nerizeny, 200, 2, "P=txtTpece; V=txtTv; K=txtTk; " + cs);
        radek("material", Rezim::Nerizeny, 0, 3,
              "K=cboMaterial; D=txtGama; H=txtc; E=txtEps; A=cmdUlozMaterial; F=txtKoefK; " + en);
        // "Druh" has no accelerator: the material list is reached by Tab only.
        radek("material, Czech", Rezim::Nerizeny, 200, 3,
              "H=txtGama; T=txtc; E=txtEps; L=cmdUlozMaterial; F=txtKoefK; " + cs);
        radek("weight entered", Rezim::HmotnostZadana, 0, 4, "E=optMza; R=optMvy; W=txtm; " + en);
        radek("weight from dimensions", Rezim::Obdelnik, 0, 4,
              "E=optMza,optProfilO; R=optMvy; W=txtm; P=frmProfil; C=cmdStorno,optProfilK; S=cmdUlozCfg,optProfilC; "
              "N=txtPocetProfilu; O=cmdOK,frmRozmery; A=txtA2; B=txtB2; L=cmdNactiCfg,txtL2");
        radek("weight from dimensions, Czech", Rezim::Obdelnik, 200, 4,
              "Z=optMza; V=optMvy; H=txtm; P=frmProfil; K=optProfilK; Č=optProfilC; O=cmdOK,optProfilO; "
              "T=txtPocetProfilu; R=frmRozmery; A=txtA2; B=txtB2; L=txtL2; S=cmdStorno; N=cmdNactiCfg; "
              "U=cmdUlozCfg");
        radek("surfaces, rectangular", Rezim::Obdelnik, 0, 5,
              "I=txtA; A=cboAB; L=cboAL,cmdNactiCfg; B=cboBL; O=cmdOK; C=cmdStorno; S=cmdUlozCfg");
        radek("surfaces, circular", Rezim::Kruh, 0, 5,
              "I=txtA; D=cboAB; C=cboAL,cmdStorno; O=cmdOK; L=cmdNactiCfg; S=cmdUlozCfg");
        radek("surfaces, Czech", Rezim::Obdelnik, 200, 5, "T=txtA; P=cboAB; A=cboAL; B=cboBL; " + cs);
        radek("surfaces, weight entered", Rezim::HmotnostZadana, 0, 5, "I=txtA; " + en);
        radek("iteration step", Rezim::Nerizeny, 0, 6, "T=txtCasKrok; " + en);
        // "Časový krok [s]" has no accelerator either.
        radek("iteration step, Czech", Rezim::Nerizeny, 200, 6, cs);
    }
    void dialogAccelerators() {
        QFETCH(int, rezim);
        QFETCH(int, jazyk);
        QFETCH(int, zalozka);
        QFETCH(QString, mapa);
        Dialog d(static_cast<Rezim>(rezim), jazyk, zalozka);
        QVERIFY(d.aktivni);
        QCOMPARE(d.w<QTabWidget>("TabStrip1")->currentIndex(), zalozka - 1);
        const std::map<QString, QStringList> skutecna = akceleratory(d.dialog.get());
        QCOMPARE(textMapy(skutecna), textMapy(mapaZTextu(mapa)));

        for (const auto& [p, cile] : skutecna) {
            // A letter of one button alone clicks it (OK, Load, an option): not pressed here.
            const auto* tlacitko = d.dialog->findChild<QAbstractButton*>(cile.first());
            if (cile.size() == 1 && tlacitko != nullptr) {
                continue;
            }
            QStringList dosazene;
            for (qsizetype i = 0; i < cile.size(); ++i) {
                QTest::keyClick(d.dialog.get(), klavesa(p), Qt::AltModifier);
                QWidget* f = QApplication::focusWidget();
                // A frame hands the focus to a control inside it.
                for (const QString& c : cile) {
                    auto* g = d.dialog->findChild<QGroupBox*>(c);
                    if (g != nullptr && g->isAncestorOf(f)) {
                        f = g;
                    }
                }
                dosazene.append(jmeno(f));
            }
            // A field that is disabled (the mass while it is computed) keeps the focus away.
            QStringList ocekavane;
            for (const QString& c : cile) {
                if (d.dialog->findChild<QWidget*>(c)->isEnabled()) {
                    ocekavane.append(c);
                }
            }
            dosazene.sort();
            dosazene.removeDuplicates();
            if (ocekavane.isEmpty()) {
                continue;
            }
            QVERIFY2(dosazene == ocekavane, qPrintable(p + QStringLiteral(": ") + dosazene.join(QLatin1Char(','))));
        }
        // Nothing was clicked: no file dialog, no message, the dialog still open.
        QVERIFY(d.dialogy.filtry.isEmpty());
        QVERIFY(d.dialogy.zpravy.isEmpty());
        QVERIFY(d.dialog->isVisible());
    }

    // Tab walks each page top-down (the two columns of the curve fields one after the
    // other; the computed mass, disabled, is passed by), then the four buttons below the
    // tabs and the tab strip, and comes back to the page. A group of options is one stop:
    // the arrow keys move within it.
    void dialogTabOrder_data() {
        QTest::addColumn<int>("rezim");
        QTest::addColumn<int>("zalozka");
        QTest::addColumn<QStringList>("stranka");
        QTest::newRow("heating, controlled")
            << int(Rezim::Rizeny) << 1
            << QStringList{"optNerizenyO", "cboPocetKrivek", "cboUsekC", "txtPocTep", "txtKonTep", "txtDobaVydrze"};
        QTest::newRow("heating, uncontrolled") << int(Rezim::Nerizeny) << 1 << QStringList{"optNerizenyO"};
        QTest::newRow("temperatures") << int(Rezim::Nerizeny) << 2 << QStringList{"txtTpece", "txtTv", "txtTk"};
        QTest::newRow("temperatures, controlled") << int(Rezim::Rizeny) << 2 << QStringList{"txtTv", "txtTk"};
        QTest::newRow("material") << int(Rezim::Nerizeny) << 3
                                  << QStringList{"cboMaterial", "cmdUlozMaterial", "txtGama", "txtc", "txtEps",
                                                 "txtKoefK"};
        QTest::newRow("weight from dimensions")
            << int(Rezim::Obdelnik) << 4
            << QStringList{"optMza", "optProfilK", "txtPocetProfilu", "txtA2", "txtB2", "txtL2"};
        QTest::newRow("weight entered") << int(Rezim::HmotnostZadana) << 4 << QStringList{"optMza", "txtm"};
        QTest::newRow("surfaces") << int(Rezim::Obdelnik) << 5 << QStringList{"txtA", "cboAB", "cboAL", "cboBL"};
        QTest::newRow("surfaces, circular") << int(Rezim::Kruh) << 5 << QStringList{"txtA", "cboAB", "cboAL"};
        QTest::newRow("iteration step") << int(Rezim::Nerizeny) << 6 << QStringList{"txtCasKrok"};
    }
    void dialogTabOrder() {
        QFETCH(int, rezim);
        QFETCH(int, zalozka);
        QFETCH(QStringList, stranka);
        Dialog d(static_cast<Rezim>(rezim), 0, zalozka);
        QVERIFY(d.aktivni);
        const QStringList kruh = stranka +
                                 QStringList{"cmdNactiCfg", "cmdUlozCfg", "cmdOK", "cmdStorno", "qt_tabwidget_tabbar"} +
                                 stranka.mid(0, 1);
        d.w<QWidget>(qPrintable(stranka.first()))->setFocus(Qt::TabFocusReason);
        QCOMPARE(cestaTabem(d.dialog.get(), int(kruh.size())), kruh);
    }

    // The views of the main window: their letters, and Tab from OK round the view.
    void viewAccelerators_data() {
        QTest::addColumn<bool>("graf");
        QTest::addColumn<int>("jazyk");
        QTest::addColumn<QString>("mapa");
        QTest::addColumn<QStringList>("cesta");
        QTest::newRow("table") << false << 0 << "P=fraVykon; H=cboZtraty; O=cmdOK"
                               << QStringList{"cmdOK", "grdTabulka", "cboZtraty", "cmdOK"};
        QTest::newRow("table, Czech") << false << 200 << "V=fraVykon; Z=cboZtraty; O=cmdOK"
                                      << QStringList{"cmdOK", "grdTabulka", "cboZtraty", "cmdOK"};
        QTest::newRow("chart") << true << 0 << "O=cmdOK; P=cmdStorno; E=cmdExport"
                               << QStringList{"cmdOK", "cmdStorno", "cmdExport", "cmdOK"};
        QTest::newRow("chart, Czech") << true << 200 << "O=cmdOK; T=cmdStorno; E=cmdExport"
                                      << QStringList{"cmdOK", "cmdStorno", "cmdExport", "cmdOK"};
    }
    void viewAccelerators() {
        QFETCH(bool, graf);
        QFETCH(int, jazyk);
        QFETCH(QString, mapa);
        QFETCH(QStringList, cesta);
        Sezeni s;
        s.stav->Jazyk = static_cast<std::int16_t>(jazyk);
        s.okno.NastavPopisy();
        UmelyVysledek(*s.stav, true, 20);
        if (graf) {
            s.okno.ZobrazGraf();
        } else {
            s.okno.ZobrazTabulku();
        }
        QCOMPARE(textMapy(akceleratory(&s.okno)), textMapy(mapaZTextu(mapa)));
        QCOMPARE(cestaTabem(&s.okno, int(cesta.size())), cesta);
        if (!graf) {
            // Both captions of the power frame lead to the losses.
            for (const auto& [p, cile] : mapaZTextu(mapa)) {
                if (p == QLatin1String("O")) {
                    continue;
                }
                s.prvek<QWidget>("cmdOK")->setFocus();
                s.klavesa(QKeyCombination(Qt::AltModifier, klavesa(p)));
                QCOMPARE(jmeno(QApplication::focusWidget()), QStringLiteral("cboZtraty"));
            }
        }
        // Alt+O closes the view, as Esc does.
        s.klavesa(QKeyCombination(Qt::AltModifier, Qt::Key_O));
        QTRY_VERIFY(!s.prvek<QWidget>("cmdOK")->isVisible());
        QVERIFY(s.hlidac.cizi.isEmpty());
    }
};

ZORVET_TEST_MAIN(KlavesniceTest)
#include "klavesnice_test.moc"
