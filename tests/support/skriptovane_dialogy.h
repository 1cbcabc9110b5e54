// Dialogy answered in code: every message, question and input box is recorded, and the
// answers come from queues the test fills. An unexpected question or input box fails the
// test (it returns No / cancel and is recorded as unexpected) instead of hanging it.
#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>

#include "files/dialogy.h"

namespace zorvet::test {

struct Hlaseni {
    Ikona ikona;
    QString titulek;
    QString text;
};

class SkriptovaneDialogy : public Dialogy {
public:
    // Answers, taken in order.
    QList<bool> odpovedi;                         // otazka
    QList<std::optional<QString>> vstupy;         // vstup
    QList<std::optional<QString>> souboryOtevrit; // otevritSoubor
    QList<std::optional<QString>> souboryUlozit;  // ulozitSoubor

    // What was shown.
    QList<Hlaseni> zpravy;
    QList<Hlaseni> otazky;
    QStringList vyzvyVstupu;
    QStringList vychoziVstupu;
    QStringList filtry;
    int neocekavane = 0;  // questions or boxes that had no answer queued
    int cekani = 0;       // busy pointer depth, back to 0 when balanced
    int nejvicCekani = 0;

    void zprava(Ikona ikona, const QString& titulek, const QString& text) override {
        zpravy.append({ikona, titulek, text});
    }
    bool otazka(const QString& titulek, const QString& text) override {
        otazky.append({Ikona::Otaznik, titulek, text});
        if (odpovedi.isEmpty()) {
            ++neocekavane;
            return false;
        }
        return odpovedi.takeFirst();
    }
    std::optional<QString> vstup(const QString& vyzva, const QString& /*titulek*/, const QString& vychozi) override {
        vyzvyVstupu.append(vyzva);
        vychoziVstupu.append(vychozi);
        if (vstupy.isEmpty()) {
            ++neocekavane;
            return std::nullopt;
        }
        return vstupy.takeFirst();
    }
    std::optional<QString> otevritSoubor(const QString& filtr, int /*index*/) override {
        filtry.append(filtr);
        if (souboryOtevrit.isEmpty()) {
            ++neocekavane;
            return std::nullopt;
        }
        return souboryOtevrit.takeFirst();
    }
    std::optional<QString> ulozitSoubor(const QString& filtr, int /*index*/) override {
        filtry.append(filtr);
        if (souboryUlozit.isEmpty()) {
            ++neocekavane;
            return std::nullopt;
        }
        return souboryUlozit.takeFirst();
    }
    void kurzorCekani() override {
        ++cekani;
        if (cekani > nejvicCekani) {
            nejvicCekani = cekani;
        }
    }
    void kurzorNormalni() override {
        if (cekani > 0) {
            --cekani;
        }
    }
};

}  // namespace zorvet::test
