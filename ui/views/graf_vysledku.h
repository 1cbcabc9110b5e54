// The heat-up chart of a result: what the chart view shows, prints and exports, and what
// the batch "chart" command draws. One routine fills the chart for all of them.
#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>
#include <vector>

#include "model/case/nastaveni.h"
#include "model/planning/planovani.h"
#include "model/case/vysledek.h"

namespace zorvet {

class Graf;

// Fills graf from the result in rows 0..PocetKroku: the charge temperature in blue and, for
// a controlled heat-up, the furnace temperature in red, both against the time; the two
// curves labelled "Charge" and "Furnace" (an uncontrolled chart has one curve and no
// labels); when the core of a thick charge was computed, its surface (orange) and core
// (green) temperatures dashed, and every curve labelled; every point marked up to 50 steps,
// bare lines from 51 on; the title and axis titles in the language jazyk, in Arial 16.
void NaplnGrafVysledku(Graf& graf, const Vysledek& vysledek, Jazyk jazyk);

// A result opened from a file to be compared with the one shown.
struct Srovnani {
    QString nazev;  // the file's name, without its folder
    std::shared_ptr<const Vysledek> vysledek;
    QString cesta{};  // the file, to tell the same one compared twice
};

// The most results a chart compares, the one shown among them.
inline constexpr int kNejvicVysledku = 6;

// What the chart view draws: the result shown and what was laid over it.
struct ObsahGrafu {
    std::shared_ptr<const Vysledek> vysledek;  // the result shown; none in the batch's fit chart
    QList<Srovnani> srovnani{};                // at most kNejvicVysledku - 1
    std::vector<BodMereni> mereni{};           // a measured log
    std::shared_ptr<const Vysledek> prolozeni{};  // the run fitted to the log
    QString souborMereni{};                       // the log's file, without its folder
};

// How a chart and a report name a result among others: by its file, or "current".
QString NazevVysledku(const Vysledek& vysledek, Jazyk jazyk);

// A result alone as NaplnGrafVysledku draws it. With results to compare, the charge curve of
// each in a colour of its own, the one shown first and the others under their files' names
// (the one shown "current" without a file); a measured log in black, named with its file, as
// points up to 50 of them, as a line beyond; the
// fitted run's charge dashed in purple. Every curve is then named.
void NaplnGraf(Graf& graf, const ObsahGrafu& obsah, Jazyk jazyk);

}  // namespace zorvet
