// The one-page report of a case, A4 portrait: what was computed (the problem, with its curve
// or geometry), the result, the power and energy for the losses used, and the heat-up chart
// drawn by the chart view's own routine, as vector graphics. Printed, or saved as a PDF whose
// text is real text.
#pragma once

#include <QDate>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <memory>
#include <optional>

#include "model/case/vysledek.h"
#include "model/case/nastaveni.h"
#include "ui/views/graf_vysledku.h"

class QPainter;

namespace zorvet {

// The result carries all the page prints: its problem, its file and comment; and the losses
// its power is shown for.
struct PodkladyZpravy {
    std::shared_ptr<const Vysledek> vysledek;
    Jazyk jazyk = Jazyk::Anglicky;
    QDate datum;
    // Results the chart view compares with this one: the page lists their heat-up times and
    // its chart draws them all.
    QList<Srovnani> srovnani{};
    // A measured log laid over the chart, and the emissivity fitted to it: the page prints the
    // emissivity and the deviation, its chart draws the log and the fitted run.
    std::vector<BodMereni> mereni{};
    std::optional<VysledekPrizpusobeni> prizpusobeni{};
    // The losses the power is shown for, where the view chose others than the case's (a furnace
    // without an installed power, whose march they do not change); none: the case's.
    std::optional<std::int16_t> ztraty{};
};

// Draws the page into stranka, a rectangle of the page in the painter's device pixels; the
// layout is that of an A4 sheet scaled to it.
void KresliZpravu(QPainter& painter, const QRectF& stranka, const PodkladyZpravy& podklady);

// Writes the report to cesta as a one-page PDF (as a whole or not at all). No value on
// success; otherwise the system's reason, which may be empty.
std::optional<QString> UlozZpravuPdf(const PodkladyZpravy& podklady, const QString& cesta);

}  // namespace zorvet
