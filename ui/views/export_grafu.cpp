#include "ui/views/export_grafu.h"

#include <QBuffer>
#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgGenerator>
#include <QtCharts/QChart>
#include <algorithm>
#include <cmath>

#include "files/retezce.h"
#include "files/zapis.h"
#include "ui/common/graf.h"
#include "ui/common/kurzor.h"
#include "ui/views/graf_vysledku.h"

namespace zorvet {

namespace {

// The chart is laid out on this many square pixels, whatever the picture's size.
constexpr double kPlochaRozvrhu = 800.0 * 600.0;
constexpr double kPalec = 0.0254;  // m
constexpr double kBoduNaPalec = 72.0;

QSize rozvrh(QSize velikost) {
    const double w = velikost.width();
    const double h = velikost.height();
    const double k = std::sqrt(kPlochaRozvrhu / (w * h));
    return {std::max(1, static_cast<int>(std::lround(w * k))), std::max(1, static_cast<int>(std::lround(h * k)))};
}

void kresli(Graf& graf, QPainter& painter, QSize velikost) {
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QRectF cil(QPointF(0, 0), QSizeF(velikost));
    painter.fillRect(cil, Qt::white);
    graf.vykresli(painter, cil);
}

}  // namespace

std::optional<FormatGrafu> FormatGrafuSouboru(const QString& cesta) {
    const QString pripona = QFileInfo(cesta).suffix().toLower();
    if (pripona == QLatin1String("png")) {
        return FormatGrafu::Png;
    }
    if (pripona == QLatin1String("svg")) {
        return FormatGrafu::Svg;
    }
    if (pripona == QLatin1String("pdf")) {
        return FormatGrafu::Pdf;
    }
    return std::nullopt;
}

std::optional<QString> ExportujGraf(const Vysledek& vysledek, Jazyk jazyk, const QString& cesta,
                                    FormatGrafu format, QSize velikost) {
    return UlozGraf([&](Graf& graf) { NaplnGrafVysledku(graf, vysledek, jazyk); }, Text(id::TitulekGrafu, jazyk), cesta,
                    format, velikost);
}

std::optional<QString> UlozGraf(const NaplneniGrafu& napln, const QString& nazev, const QString& cesta,
                                FormatGrafu format, QSize velikost) {
    velikost = velikost.boundedTo(QSize(kNejvetsiStrana, kNejvetsiStrana))
                   .expandedTo(QSize(kNejmensiStrana, kNejmensiStrana));
    Graf graf;
    napln(graf);
    const QSize plocha = rozvrh(velikost);
    graf.resize(plocha);
    graf.chart()->resize(QSizeF(plocha));

    // The picture is made in memory and written in one go, as every file of the program.
    QBuffer pamet;
    pamet.open(QIODevice::WriteOnly);
    bool nakresleno = false;
    switch (format) {
        case FormatGrafu::Png: {
            QImage obraz(velikost, QImage::Format_RGB32);
            const int naMetr = static_cast<int>(std::lround(kDpiExportu / kPalec));
            obraz.setDotsPerMeterX(naMetr);
            obraz.setDotsPerMeterY(naMetr);
            obraz.setText(QStringLiteral("Title"), nazev);
            {
                QPainter painter(&obraz);
                kresli(graf, painter, velikost);
            }
            nakresleno = obraz.save(&pamet, "PNG");
            break;
        }
        case FormatGrafu::Svg: {
            // The SVG writer sizes its texts by the point size at its own resolution, not
            // as the chart laid them out: it has to count with the layout's resolution, and
            // the drawing's measure in millimetres follows from that.
            const int dpi = graf.logicalDpiY();
            QSvgGenerator svg;
            svg.setOutputDevice(&pamet);
            svg.setResolution(dpi);
            svg.setSize(QSize(static_cast<int>(std::lround(velikost.width() * double(dpi) / kDpiExportu)),
                              static_cast<int>(std::lround(velikost.height() * double(dpi) / kDpiExportu))));
            svg.setViewBox(QRect(QPoint(0, 0), velikost));
            svg.setTitle(nazev);
            QPainter painter;
            nakresleno = painter.begin(&svg);
            if (nakresleno) {
                kresli(graf, painter, velikost);
                nakresleno = painter.end();
            }
            break;
        }
        case FormatGrafu::Pdf: {
            QPdfWriter pdf(&pamet);
            pdf.setResolution(kDpiExportu);
            pdf.setTitle(nazev);
            pdf.setCreator(QStringLiteral("Zorvet"));
            const QSizeF body(velikost.width() * kBoduNaPalec / kDpiExportu,
                              velikost.height() * kBoduNaPalec / kDpiExportu);
            pdf.setPageLayout(QPageLayout(QPageSize(body, QPageSize::Point), QPageLayout::Portrait, QMarginsF()));
            QPainter painter;
            nakresleno = painter.begin(&pdf);
            if (nakresleno) {
                kresli(graf, painter, QSize(pdf.width(), pdf.height()));
                nakresleno = painter.end();
            }
            break;
        }
    }
    pamet.close();
    // A drawing that could not be made has no reason of its own: the text stays empty.
    QString duvod;
    if (!nakresleno || pamet.data().isEmpty() || !writeWhole(cesta, pamet.data(), &duvod)) {
        return duvod;
    }
    return std::nullopt;
}

void ExportujSDialogem(Dialogy& dialogy, Jazyk j, const NaplneniGrafu& napln, const QString& nazev) {
    const std::optional<QString> cesta = dialogy.ulozitVystup(Text(id::FiltrExportu, j), 2);
    if (!cesta) {
        return;
    }
    const auto chyba = [&](const QString& duvod) {
        dialogy.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j),
                       *cesta + QLatin1Char('\n') + Text(id::GrafNeulozen, j) +
                           (duvod.isEmpty() ? QString() : QLatin1Char('\n') + duvod));
    };
    const std::optional<FormatGrafu> format = FormatGrafuSouboru(*cesta);
    if (!format) {
        chyba(Text(id::PriponaExportu, j));
        return;
    }
    KurzorCekani cekani(dialogy);
    const std::optional<QString> duvod = UlozGraf(napln, nazev, *cesta, *format);
    cekani.uvolni();
    if (duvod) {
        chyba(*duvod);
    }
}

}  // namespace zorvet
