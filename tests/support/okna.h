// Shared by the window tests: one executable runs every test class (ctest runs each class as
// a test of its own), the settings in a temporary folder, and a deterministic answer to modal
// windows: the handler runs from the window's own event loop, queued when its Show event
// arrives. A modal dialog that no test expected is closed and fails the test.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QTabWidget>
#include <QDialog>
#include <QEvent>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QWidget>
#include <QtTest/QSignalSpy>
#include <QtTest/QTest>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace zorvet::test {

using Vyroba = std::function<std::unique_ptr<QObject>()>;

inline std::map<std::string, Vyroba>& TestyOken() {
    static std::map<std::string, Vyroba> testy;
    return testy;
}

struct RegistraceTestu {
    RegistraceTestu(const char* jmeno, Vyroba vyroba) { TestyOken()[jmeno] = std::move(vyroba); }
};

#define ZORVET_TEST_OKEN(Trida) \
    static const ::zorvet::test::RegistraceTestu registrace##Trida(#Trida, [] { return std::make_unique<Trida>(); })

// Modal windows that no handler took; main's guard fills it, tests check it is empty.
inline QStringList& CiziOkna() {
    static QStringList okna;
    return okna;
}

// Runs obsluha on the next window shown whose object name (or class name) is jmeno.
class NaOkno : public QObject {
public:
    NaOkno(const char* jmeno, std::function<void(QWidget*)> obsluha)
        : jmeno_(QString::fromLatin1(jmeno)), obsluha_(std::move(obsluha)) {
        qApp->installEventFilter(this);
    }
    ~NaOkno() override { qApp->removeEventFilter(this); }
    bool probehlo() const { return probehlo_; }

    bool eventFilter(QObject* o, QEvent* e) override {
        if (e->type() != QEvent::Show || probehlo_ || !o->isWidgetType()) {
            return false;
        }
        auto* w = static_cast<QWidget*>(o);
        if (!w->isWindow() || (w->objectName() != jmeno_ && QString::fromLatin1(w->metaObject()->className()) != jmeno_)) {
            return false;
        }
        probehlo_ = true;
        w->setProperty("zorvetObslouzeno", true);
        QPointer<QWidget> okno = w;
        QMetaObject::invokeMethod(
            w, [this, okno] {
                if (okno) {
                    obsluha_(okno);
                }
            },
            Qt::QueuedConnection);
        return false;
    }

private:
    QString jmeno_;
    std::function<void(QWidget*)> obsluha_;
    bool probehlo_ = false;
};

template <typename T>
T* Dite(QObject* rodic, const char* jmeno) {
    T* x = rodic->findChild<T*>(QString::fromLatin1(jmeno));
    if (x == nullptr) {
        qFatal("no widget %s", jmeno);
    }
    return x;
}

// What a user does in the problem dialog: "name" clicks a button, "name=text" picks the entry
// of a list or types into a field on its tab and leaves it with Tab.
inline void Proved(QWidget* dialog, const QStringList& kroky) {
    QApplication::setActiveWindow(dialog);
    auto* zalozky = Dite<QTabWidget>(dialog, "TabStrip1");
    for (const QString& krok : kroky) {
        const QStringList casti = krok.split(QLatin1Char('='));
        QWidget* w = Dite<QWidget>(dialog, qPrintable(casti[0]));
        for (int i = 0; i < zalozky->count(); ++i) {
            if (zalozky->widget(i)->isAncestorOf(w)) {
                zalozky->setCurrentIndex(i);
            }
        }
        auto* seznam = qobject_cast<QComboBox*>(w);
        if (casti.size() == 1) {
            qobject_cast<QAbstractButton*>(w)->click();
        } else if (seznam != nullptr && !seznam->isEditable()) {
            seznam->setCurrentIndex(seznam->findText(casti[1]));
        } else {
            w->setFocus(Qt::TabFocusReason);
            QTest::keyClick(w, Qt::Key_A, Qt::ControlModifier);
            QTest::keyClick(w, Qt::Key_Delete);
            QTest::keyClicks(w, casti[1]);
            QTest::keyClick(w, Qt::Key_Tab);
        }
    }
}

// Long work a click started off a window's thread (a goal seek, a sweep): its end awaited
// through the signal it ends with, however long the work takes on a busy machine.
template <typename Okno, typename Signal>
bool Dockej(Okno* okno, Signal konec) {
    if (!okno->bezi()) {
        return true;
    }
    QSignalSpy spy(okno, konec);
    return spy.wait(3600 * 1000);
}

}  // namespace zorvet::test
