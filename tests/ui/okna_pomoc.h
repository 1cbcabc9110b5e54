// Shared by the window tests: DialogyOken answered in code, a guard that fails a test on a
// modal window nobody expected (and closes it, so the test goes on instead of hanging),
// and a computed result to show.
#pragma once

#include <QApplication>
#include <QDialog>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <deque>
#include <functional>
#include <memory>

#include "model/priklady.h"
#include "model/vypocet.h"
#include "support/skriptovane_dialogy.h"
#include "ui/dialogy_okna.h"

namespace zorvet::test {

// The scripted dialogs of the files tests, plus a printer whose answer the test chooses;
// what would have gone to paper is drawn into stranka.
class SkriptovanaOkna : public DialogyOken {
public:
    SkriptovaneDialogy d;
    VysledekTisku odpovedTisku = VysledekTisku::Vytisteno;
    QStringList tisky;  // document names
    QImage stranka;

    void zprava(Ikona ikona, const QString& t, const QString& text) override { d.zprava(ikona, t, text); }
    bool otazka(const QString& t, const QString& text) override { return d.otazka(t, text); }
    std::optional<QString> vstup(const QString& v, const QString& t, const QString& x) override {
        return d.vstup(v, t, x);
    }
    std::optional<QString> otevritSoubor(const QString& f, int i) override { return d.otevritSoubor(f, i); }
    std::optional<QString> ulozitSoubor(const QString& f, int i) override { return d.ulozitSoubor(f, i); }
    // Answered from the same queue as ulozitSoubor; counted, since only this dialog leaves
    // the working directory alone.
    int vystupu = 0;
    std::optional<QString> ulozitVystup(const QString& f, int i) override {
        ++vystupu;
        return d.ulozitSoubor(f, i);
    }
    void kurzorCekani() override { d.kurzorCekani(); }
    void kurzorNormalni() override { d.kurzorNormalni(); }
    VysledekTisku tiskni(const QString& nazev, const Kresleni& kresli) override {
        tisky.append(nazev);
        if (odpovedTisku == VysledekTisku::Vytisteno) {
            stranka = QImage(800, 600, QImage::Format_RGB32);
            stranka.fill(Qt::white);
            QPainter p(&stranka);
            kresli(p, QRectF(0, 0, 800, 600));
        }
        return odpovedTisku;
    }
};

// Watches for modal windows. Each one is offered to the next expected handler, which must
// close it; one that nobody expected is recorded in cizi and closed.
class HlidacModalu {
public:
    using Obsluha = std::function<void(QWidget*)>;

    HlidacModalu() {
        casovac_.setInterval(20);
        QObject::connect(&casovac_, &QTimer::timeout, [this] { kontroluj(); });
        casovac_.start();
    }

    void ocekavej(Obsluha obsluha) { obsluhy_.push_back(std::move(obsluha)); }
    int zbyva() const { return static_cast<int>(obsluhy_.size()); }

    QStringList cizi;  // object names of unexpected modal windows

private:
    void kontroluj() {
        QWidget* w = QApplication::activeModalWidget();
        if (w == nullptr) {
            posledni_ = nullptr;
            return;
        }
        if (w == posledni_) {
            // A handler that left its window open must not hang the test either.
            if (odKdy_.elapsed() > 3000) {
                cizi.append(QStringLiteral("still open: ") + w->objectName());
                zavri(w);
            }
            return;
        }
        posledni_ = w;
        odKdy_.start();
        if (!obsluhy_.empty()) {
            // Run outside this timer's slot: a handler may open a further modal window
            // (a confirmation), which this timer must still be able to see.
            Obsluha o = std::move(obsluhy_.front());
            obsluhy_.pop_front();
            QPointer<QWidget> okno = w;
            QMetaObject::invokeMethod(
                w, [o, okno] {
                    if (okno) {
                        o(okno);
                    }
                },
                Qt::QueuedConnection);
            return;
        }
        cizi.append(w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName());
        zavri(w);
    }

    static void zavri(QWidget* w) {
        if (auto* dialog = qobject_cast<QDialog*>(w)) {
            dialog->reject();
        } else {
            w->close();
        }
    }

    QTimer casovac_;
    std::deque<Obsluha> obsluhy_;
    QPointer<QWidget> posledni_;
    QElapsedTimer odKdy_;
};

// The worked example of the model tests, uncontrolled (ends at row 47) or controlled
// (row 90), with its curve expanded as the problem dialog's OK does.
inline void PrikladovaUloha(Stav& stav, bool rizeny) {
    stav.Uloha = (rizeny ? RizenyPriklad() : NerizenyPriklad())->Uloha;
    RozvinKrivku(stav);
}

// Pixels of a colour close to the given one, with some room for anti-aliasing.
inline int pocetBodu(const QImage& obraz, QColor barva) {
    int pocet = 0;
    for (int y = 0; y < obraz.height(); ++y) {
        for (int x = 0; x < obraz.width(); ++x) {
            const QColor c = obraz.pixelColor(x, y);
            if (std::abs(c.red() - barva.red()) < 40 && std::abs(c.green() - barva.green()) < 40 &&
                std::abs(c.blue() - barva.blue()) < 40) {
                ++pocet;
            }
        }
    }
    return pocet;
}

// A result of n + 1 rows without computing: time 10 s a step, temperatures rising.
inline void UmelyVysledek(Stav& stav, bool rizeny, int n) {
    stav.Uloha.Rizeny = rizeny;
    stav.PocetKroku = static_cast<std::int16_t>(n);
    for (int i = 0; i <= n; ++i) {
        const auto r = static_cast<std::size_t>(i);
        stav.Vysledky.Cas[r] = static_cast<float>(i) * 10.0f;
        stav.Vysledky.TeplotaVsazky[r] = 20.0f + static_cast<float>(i) * 0.5f;
        stav.TeplotaPece[r] = 1000.0f;
    }
}

}  // namespace zorvet::test

#include <QAction>
#include <QTemporaryDir>
#include <QtTest/QTest>

#include "ui/frm_zorvet.h"

namespace zorvet::test {

// One session: a fresh state, scripted dialogs, the modal guard and the started main window.
struct Sezeni {
    std::unique_ptr<Stav> stav = std::make_unique<Stav>();
    SkriptovanaOkna dialogy;
    HlidacModalu hlidac;
    FrmZorvet okno{*stav, dialogy};

    Sezeni() {
        okno.Nacti(false);
        okno.show();
        aktivuj();
    }
    // A closed modal window hands the activation back later; keys go to the active window.
    void aktivuj() {
        if (!okno.isActiveWindow()) {
            okno.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&okno));
        }
    }
    void klavesa(QKeyCombination k) {
        aktivuj();
        QTest::keyClick(&okno, k.key(), k.keyboardModifiers());
    }
    template <class T>
    T* prvek(const char* jmeno) const {
        return okno.findChild<T*>(QString::fromLatin1(jmeno));
    }
    // Item `index` of the menu item array `pole` (the items share one object name).
    QAction* polozka(const char* pole, int index) const {
        for (QAction* a : okno.findChildren<QAction*>(QString::fromLatin1(pole))) {
            if (a->property("Index").toInt() == index) {
                return a;
            }
        }
        return nullptr;
    }
};

}  // namespace zorvet::test

// A Qt Test main whose settings live in a fresh folder and which runs without a display.
#define ZORVET_TEST_MAIN(Trida)                                              \
    int main(int argc, char** argv) {                                        \
        if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {                \
            qputenv("QT_QPA_PLATFORM", "offscreen");                         \
        }                                                                    \
        QTemporaryDir nastaveni;                                             \
        qputenv("XDG_CONFIG_HOME", nastaveni.path().toLocal8Bit());          \
        QApplication app(argc, argv);                                        \
        Trida test;                                                          \
        return QTest::qExec(&test, argc, argv);                              \
    }
