// A main window that has opened the results of a case: the case computed and saved as a results
// file, opened through File, Open; its numbers with the decimal point.
#pragma once

#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>

#include "files/soubor.h"
#include "model/pipeline/vypocet.h"
#include "support/dialogy_test.h"
#include "support/lokal.h"
#include "support/okna.h"
#include "ui/common/graf.h"
#include "ui/main_window/frm_zorvet.h"

namespace zorvet::test {

struct OknoVysledku {
    Lokal lokal{"en_US"};
    QTemporaryDir slozka;
    Nastaveni nastaveni;
    TestDialogy d;
    FrmZorvet okno{nastaveni, d};

    explicit OknoVysledku(const Uloha& uloha) {
        okno.Nacti(false);
        okno.show();
        QApplication::setActiveWindow(&okno);
        const QString cesta = slozka.filePath(QStringLiteral("vysledky.odp"));
        const VysledekVypoctu beh = Spocti(uloha);
        if (beh.vysledek == nullptr || UlozSoubor(cesta, uloha, beh.vysledek.get(), QString(), Jazyk::Anglicky)) {
            qFatal("the results file could not be made");
        }
        d.soubory = {cesta};
        okno.Otevri();
    }
    template <typename T>
    T* w(const char* jmeno) { return Dite<T>(&okno, jmeno); }
    // The chart's series by their legend's names.
    QStringList nazvy() {
        QStringList n;
        for (int i = 0; i < w<Graf>("FlpGrf1")->pocetRad(); ++i) {
            n << w<Graf>("FlpGrf1")->nazevRady(i);
        }
        return n;
    }
    // Esc closes the view shown and gives the menus back.
    bool zavriEsc() {
        QTest::keyClick(&okno, Qt::Key_Escape);
        return !w<QTableView>("grdTabulka")->isVisible() && !w<Graf>("FlpGrf1")->isVisible() &&
               !w<QPushButton>("cmdOK")->isVisible() && okno.menuBar()->isVisible();
    }
};

}  // namespace zorvet::test
