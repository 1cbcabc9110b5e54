// Dialogy answered in code: every message, question, input box, file dialog and print is
// recorded, and the answers come from queues the test fills. A question or dialog with no
// answer queued is counted in neocekavane and answered No / Cancel, so a test fails instead
// of hanging.
#pragma once

#include <QImage>
#include <QList>
#include <QPainter>
#include <QString>
#include <QStringList>
#include <optional>

#include "ui/common/dialogy.h"

namespace zorvet::test {

struct Hlaseni {
    Ikona ikona;
    QString titulek;
    QString text;
};

class TestDialogy : public Dialogy {
public:
    // Answers, taken in order.
    QList<bool> odpovedi;                    // otazka
    QList<Volba> volby;                      // otazkaUlozit
    QList<std::optional<QString>> vstupy;    // vstup
    QList<int> vybery;                       // volba
    QList<std::optional<QString>> soubory;   // every file dialog
    VysledekTisku tisk = VysledekTisku::Vytisteno;

    // What was shown.
    QList<Hlaseni> zpravy;
    QStringList otazky;
    QList<QStringList> tlacitka;  // the buttons each choice offered
    QStringList filtry;
    QStringList pripony;  // the extension each save dialog adds
    QStringList tisky;    // document names
    QImage stranka;       // the page of the last print
    QStringList pouzite;    // problem and results files read or written
    int neocekavane = 0;
    int cekani = 0;

    QString posledni() const { return zpravy.isEmpty() ? QString() : zpravy.last().text; }

    void zprava(Ikona ikona, const QString& titulek, const QString& text) override {
        zpravy.append({ikona, titulek, text});
    }
    bool otazka(const QString&, const QString& text) override {
        otazky.append(text);
        return vezmi(odpovedi, false);
    }
    Volba otazkaUlozit(const QString&, const QString& text, Jazyk) override {
        otazky.append(text);
        return vezmi(volby, Volba::Zrusit);
    }
    int volba(const QString&, const QString& text, const QStringList& nabidka) override {
        otazky.append(text);
        tlacitka.append(nabidka);
        return vezmi(vybery, static_cast<int>(nabidka.size()) - 1);
    }
    std::optional<QString> vstup(const QString&, const QString&, const QString&) override {
        return vezmi(vstupy, std::optional<QString>());
    }
    std::optional<QString> otevritSoubor(const QString& filtr, int) override {
        filtry.append(filtr);
        return vezmi(soubory, std::optional<QString>());
    }
    std::optional<QString> ulozitSoubor(const QString& filtr, int, const QString& pripona) override {
        filtry.append(filtr);
        pripony.append(pripona);
        return vezmi(soubory, std::optional<QString>());
    }
    std::optional<QString> ulozitVystup(const QString& filtr, int) override {
        filtry.append(filtr);
        return vezmi(soubory, std::optional<QString>());
    }
    void souborPouzit(const QString& cesta) override { pouzite.append(cesta); }
    void kurzorCekani() override { ++cekani; }
    void kurzorNormalni() override { --cekani; }
    VysledekTisku tiskni(const QString& nazev, bool nastojato, bool nahled, const Kresleni& kresli) override {
        tisky.append(nazev + (nahled ? QStringLiteral(" (preview)") : QString()));
        if (tisk == VysledekTisku::Vytisteno) {
            stranka = nastojato ? QImage(600, 848, QImage::Format_RGB32) : QImage(800, 600, QImage::Format_RGB32);
            stranka.fill(Qt::white);
            QPainter p(&stranka);
            kresli(p, QRectF(QPointF(0, 0), QSizeF(stranka.size())));
        }
        return tisk;
    }

private:
    template <typename T>
    T vezmi(QList<T>& fronta, T jinak) {
        if (fronta.isEmpty()) {
            ++neocekavane;
            return jinak;
        }
        return fronta.takeFirst();
    }
};

}  // namespace zorvet::test
