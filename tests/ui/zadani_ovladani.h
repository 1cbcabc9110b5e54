// Drives an open problem dialog as a user would: clicks on tabs, options and buttons,
// typing into fields and leaving them with Tab, picking list entries with the mouse.
#pragma once

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <QTabBar>
#include <QTabWidget>
#include <QtTest>
#include <memory>

#include "support/skriptovane_dialogy.h"
#include "ui/frm_zadani.h"

namespace zorvet::test {

class OvladaniZadani {
public:
    explicit OvladaniZadani(QDialog* dialog = nullptr) : okno_(dialog) {}

    void nastavOkno(QDialog* dialog) { okno_ = dialog; }

    template <typename T>
    T* w(const char* jmeno) const {
        T* x = okno_->findChild<T*>(QLatin1String(jmeno));
        if (x == nullptr) {
            qFatal("the dialog has no widget %s", jmeno);
        }
        return x;
    }
    QString text(const char* jmeno) const { return w<QLineEdit>(jmeno)->text(); }

    // Brings up the tab that holds the widget, by clicking it.
    void ukaz(QWidget* pole) {
        // Widgets just shown get their place in the layout first.
        QApplication::sendPostedEvents();
        QApplication::processEvents();
        auto* taby = w<QTabWidget>("TabStrip1");
        for (int i = 0; i < taby->count(); ++i) {
            if (taby->widget(i)->isAncestorOf(pole) && taby->currentIndex() != i) {
                zalozka(i + 1);
            }
        }
    }
    void zalozka(int cislo) {
        QTabBar* lista = w<QTabWidget>("TabStrip1")->tabBar();
        QTest::mouseClick(lista, Qt::LeftButton, {}, lista->tabRect(cislo - 1).center());
        QApplication::sendPostedEvents();
        QApplication::processEvents();
    }

    // Clicks into a field, replaces its text and leaves it with Tab.
    void pis(const char* jmeno, const QString& text) {
        auto* pole = w<QWidget>(jmeno);
        ukaz(pole);
        auto* combo = qobject_cast<QComboBox*>(pole);
        QWidget* cil = combo != nullptr ? combo->lineEdit() : pole;
        QTest::mouseClick(cil, Qt::LeftButton);
        if (!pole->hasFocus()) {
            QTest::qFail(qPrintable(QStringLiteral("%1 did not take the focus").arg(QLatin1String(jmeno))), __FILE__,
                         __LINE__);
            return;
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Delete);
        QTest::keyClicks(QApplication::focusWidget(), text);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    // Clicks into a field and leaves it with Tab, changing nothing.
    void navstiv(const char* jmeno) {
        auto* pole = w<QWidget>(jmeno);
        ukaz(pole);
        QTest::mouseClick(pole, Qt::LeftButton);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    }

    // Picks a list entry with the mouse.
    void zvol(const char* jmeno, int index) {
        auto* combo = w<QComboBox>(jmeno);
        ukaz(combo);
        combo->showPopup();
        QAbstractItemView* seznam = combo->view();
        QTest::mouseClick(seznam->viewport(), Qt::LeftButton, {},
                          seznam->visualRect(seznam->model()->index(index, 0)).center());
        // The offscreen platform does not give the activation back when a popup closes.
        okno_->activateWindow();
        aktivni = QTest::qWaitForWindowActive(okno_);
    }
    void zvolText(const char* jmeno, const QString& text) { zvol(jmeno, w<QComboBox>(jmeno)->findText(text)); }

    void klik(const char* jmeno) {
        auto* tlacitko = w<QAbstractButton>(jmeno);
        ukaz(tlacitko);
        // An option button takes clicks on its mark and caption only.
        const QPoint kam = qobject_cast<QRadioButton*>(tlacitko) != nullptr
                               ? QPoint(tlacitko->height() / 2, tlacitko->height() / 2)
                               : tlacitko->rect().center();
        QTest::mouseClick(tlacitko, Qt::LeftButton, {}, kam);
    }

    QStringList polozky(const char* jmeno) const {
        QStringList vysledek;
        auto* c = w<QComboBox>(jmeno);
        for (int i = 0; i < c->count(); ++i) {
            vysledek.append(c->itemText(i));
        }
        return vysledek;
    }

    bool aktivni = false;

private:
    QDialog* okno_;
};

// The problem dialog open over its own state, every question answered in code.
struct OtevreneZadani : OvladaniZadani {
    std::unique_ptr<Stav> stav;
    SkriptovaneDialogy dialogy;
    std::unique_ptr<FrmZadani> dialog;
    int prevzato = 0;  // how often the dialog handed its problem over

    explicit OtevreneZadani(std::unique_ptr<Stav> s = std::make_unique<Stav>(), int naZalozce = 1)
        : stav(std::move(s)), dialog(std::make_unique<FrmZadani>(*stav, dialogy)) {
        nastavOkno(dialog.get());
        QObject::connect(dialog.get(), &FrmZadani::ulohaPrevzata, [this] { ++prevzato; });
        dialog->show();
        aktivni = QTest::qWaitForWindowActive(dialog.get());
        if (naZalozce != 1) {
            zalozka(naZalozce);
        }
    }
};

}  // namespace zorvet::test
