// The one-page report of a case, A4 portrait: what was computed (the problem, with its curve
// or geometry), the result, the power and energy for the losses used, and the heat-up chart
// drawn by the chart view's own routine, as vector graphics. Printed, or saved as a PDF whose
// text is real text.
#pragma once

#include <QDate>
#include <QRectF>
#include <QString>
#include <cstdint>
#include <optional>

#include "model/vysledek.h"

class QPainter;

namespace zorvet {

struct PodkladyZpravy {
    const Vysledek* vysledek = nullptr;
    std::int16_t jazyk = 0;
    QString soubor;     // the problem or results file's name, when there is one
    QString komentar;   // the comment of that file
    std::int16_t ztraty = 0;  // heat losses in per cent
    QDate datum;
};

// Draws the page into stranka, a rectangle of the page in the painter's device pixels; the
// layout is that of an A4 sheet scaled to it.
void KresliZpravu(QPainter& painter, const QRectF& stranka, const PodkladyZpravy& podklady);

// Writes the report to cesta as a one-page PDF (as a whole or not at all). No value on
// success; otherwise the system's reason, which may be empty.
std::optional<QString> UlozZpravuPdf(const PodkladyZpravy& podklady, const QString& cesta);

}  // namespace zorvet
