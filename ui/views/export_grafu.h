// The heat-up chart saved as a picture for reports: a PNG image, an SVG drawing or a PDF
// page. The picture is the chart of the chart view (the same routine fills it), laid out
// anew for the picture's proportions and drawn at 300 dpi.
#pragma once

#include <QSize>
#include <QString>
#include <functional>
#include <optional>

#include <cstdint>

#include "model/case/vysledek.h"
#include "model/case/nastaveni.h"
#include "ui/common/dialogy.h"

namespace zorvet {

class Graf;

enum class FormatGrafu { Png, Svg, Pdf };

// The format a file name asks for by its extension (.png, .svg, .pdf, in any letter case).
std::optional<FormatGrafu> FormatGrafuSouboru(const QString& cesta);

// Pixels per inch of every exported picture: a PNG has that many pixels to the inch, an SVG
// and a PDF page measure velikost / 300 inches.
inline constexpr int kDpiExportu = 300;
// 8 by 6 inches.
inline constexpr QSize kVelikostExportu{2400, 1800};
// Sides outside this range are refused: smaller ones leave no room for the texts, larger
// ones would take gigabytes as an image.
inline constexpr int kNejmensiStrana = 64;
inline constexpr int kNejvetsiStrana = 10000;

// Draws the result chart of vysledek (texts in the language jazyk) into the file cesta in the given format and size (pixels
// at 300 dpi). The chart is laid out at the area of an 800 × 600 pixel screen chart with
// the picture's proportions, so that its texts and lines keep their weight at every size.
// The file is written through writeWhole (as a whole or not at all). No value on success;
// otherwise the system's reason, which may be empty.
std::optional<QString> ExportujGraf(const Vysledek& vysledek, Jazyk jazyk, const QString& cesta,
                                    FormatGrafu format, QSize velikost = kVelikostExportu);

// Fills a chart laid out anew for a picture.
using NaplneniGrafu = std::function<void(Graf& graf)>;

// Any chart the same way: the one napln fills, the picture titled nazev.
std::optional<QString> UlozGraf(const NaplneniGrafu& napln, const QString& nazev, const QString& cesta,
                                FormatGrafu format, QSize velikost = kVelikostExportu);

// Export... of a window: the save dialog, then the picture in the format its name asks for;
// a name without one of them, or a picture that could not be written, is reported.
void ExportujSDialogem(Dialogy& dialogy, Jazyk jazyk, const NaplneniGrafu& napln, const QString& nazev);

}  // namespace zorvet
