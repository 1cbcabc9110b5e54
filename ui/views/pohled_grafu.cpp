#include "ui/views/pohled_grafu.h"

#include <QPushButton>

#include "files/retezce.h"
#include "ui/views/export_grafu.h"
#include "ui/common/graf.h"
#include "ui/views/graf_vysledku.h"
#include "ui/common/kurzor.h"
#include "ui/common/twipy.h"

namespace zorvet {

PohledGrafu::PohledGrafu(Dialogy& dialogy, QWidget* parent) : QWidget(parent), dialogy_(dialogy) {
    setObjectName(QStringLiteral("pohledGrafu"));
    FlpGrf1_ = new Graf(this);
    FlpGrf1_->setObjectName(QStringLiteral("FlpGrf1"));
    // A plain panel at the chart's corner; Qt Charts has nothing there to cover, so it
    // stays hidden.
    picMaska_ = new QWidget(this);
    picMaska_->setObjectName(QStringLiteral("picMaska"));
    picMaska_->setGeometry(Twipy(6000, 0, 2415, 375));
    picMaska_->hide();

    cmdStorno_ = new QPushButton(this);
    cmdStorno_->setObjectName(QStringLiteral("cmdStorno"));
    cmdStorno_->setGeometry(Twipy(7200, 1920, 1215, 495));
    connect(cmdStorno_, &QPushButton::clicked, this, &PohledGrafu::TiskniGraf);
    // Below the print button, in the same column.
    cmdExport_ = new QPushButton(this);
    cmdExport_->setObjectName(QStringLiteral("cmdExport"));
    cmdExport_->setGeometry(Twipy(7200, 2880, 1215, 495));
    connect(cmdExport_, &QPushButton::clicked, this, &PohledGrafu::ExportujGraf);
    setTabOrder(cmdStorno_, cmdExport_);
}

void PohledGrafu::zobraz(const PodkladyZpravy& zprava, QSize vnejsiTwipy) {
    zprava_ = zprava;
    const Jazyk jazyk = zprava.jazyk;
    const int W = vnejsiTwipy.width();
    const int H = vnejsiTwipy.height();
    FlpGrf1_->setGeometry(NaPixely(W / 50), NaPixely(W / 50), NaPixely((W * 3) / 4), NaPixely((H * 9) / 10));
    NaplnGrafVysledku(*FlpGrf1_, *zprava.vysledek, jazyk);
    cmdStorno_->setText(Text(id::Tisk, jazyk));
    cmdExport_->setText(Text(id::Export, jazyk));
    show();
}

void PohledGrafu::TiskniGraf() {
    if (isHidden()) {
        return;
    }
    const Jazyk j = zprava_.jazyk;
    const int volba = dialogy_.volba(Text(id::TitulekTisku, j), Text(id::VolbaTisku, j),
                                     {Text(id::Zprava, j), Text(id::JenGraf, j), Text(id::Storno, j)});
    if (volba != 0 && volba != 1) {
        return;
    }
    const bool zprava = volba == 0;
    const VysledekTisku vysledek =
        zprava ? dialogy_.tiskni(Text(id::TitulekZpravy, j), true,
                                 [this](QPainter& painter, const QRectF& cil) { KresliZpravu(painter, cil, zprava_); })
               : dialogy_.tiskni(Text(id::TitulekGrafu, j), false,
                                 [this](QPainter& painter, const QRectF& cil) { FlpGrf1_->vykresli(painter, cil); });
    if (vysledek == VysledekTisku::Selhal) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::TitulekTisku, j), Text(id::TiskSelhal, j));
    }
    if (vysledek != VysledekTisku::ZadnaTiskarna) {
        return;
    }
    // No printer: the page goes into a PDF file instead, and the user is told why.
    dialogy_.zprava(Ikona::Informace, Text(id::TitulekTisku, j), Text(id::TiskDoPdf, j));
    const std::optional<QString> cesta = dialogy_.ulozitVystup(Text(id::FiltrPdf, j), 2);
    if (!cesta) {
        return;
    }
    KurzorCekani cekani(dialogy_);
    const std::optional<QString> duvod = zprava ? UlozZpravuPdf(zprava_, *cesta)
                                                : zorvet::ExportujGraf(*zprava_.vysledek, j, *cesta, FormatGrafu::Pdf);
    cekani.uvolni();
    if (duvod) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j),
                        *cesta + QLatin1Char('\n') + Text(zprava ? id::ZpravaNeulozena : id::GrafNeulozen, j) +
                            (duvod->isEmpty() ? QString() : QLatin1Char('\n') + *duvod));
    }
}

void PohledGrafu::ExportujGraf() {
    if (isHidden() || zprava_.vysledek == nullptr) {
        return;
    }
    const Jazyk j = zprava_.jazyk;
    const std::optional<QString> cesta = dialogy_.ulozitVystup(Text(id::FiltrExportu, j), 2);
    if (!cesta) {
        return;
    }
    const auto chyba = [&](const QString& duvod) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j),
                        *cesta + QLatin1Char('\n') + Text(id::GrafNeulozen, j) +
                            (duvod.isEmpty() ? QString() : QLatin1Char('\n') + duvod));
    };
    const std::optional<FormatGrafu> format = FormatGrafuSouboru(*cesta);
    if (!format) {
        chyba(Text(id::PriponaExportu, j));
        return;
    }
    KurzorCekani cekani(dialogy_);
    const std::optional<QString> duvod = zorvet::ExportujGraf(*zprava_.vysledek, j, *cesta, *format);
    cekani.uvolni();
    if (duvod) {
        chyba(*duvod);
    }
}

}  // namespace zorvet
