#include "ui/views/pohled_grafu.h"

#include <QEvent>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "files/cisla.h"
#include "files/retezce.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "ui/common/graf.h"
#include "ui/common/kurzor.h"
#include "ui/common/twipy.h"
#include "ui/views/porovnani_peci.h"

namespace zorvet {

namespace {

// The layout at the design size, in twips: the chart's margin and its gap to the buttons, the
// buttons' column and their width and height.
constexpr int kOkraj = 180;
constexpr int kMezera = 240;
constexpr int kSloupecOdPrava = 9045 - 7200;
constexpr int kSirkaTlacitka = 1215;
constexpr int kVyskaTlacitka = 495;

}  // namespace

PohledGrafu::PohledGrafu(Dialogy& dialogy, QWidget* parent) : QWidget(parent), dialogy_(dialogy) {
    setObjectName(QStringLiteral("pohledGrafu"));
    FlpGrf1_ = new Graf(this);
    FlpGrf1_->setObjectName(QStringLiteral("FlpGrf1"));
    FlpGrf1_->nastavCteni(true);
    // A plain panel at the chart's corner; Qt Charts has nothing there to cover, so it
    // stays hidden.
    picMaska_ = new QWidget(this);
    picMaska_->setObjectName(QStringLiteral("picMaska"));
    picMaska_->setGeometry(Twipy(6000, 0, 2415, 375));
    picMaska_->hide();

    const auto tlacitko = [this](const char* jmeno, void (PohledGrafu::*prikaz)()) {
        auto* t = new QPushButton(this);
        t->setObjectName(QLatin1String(jmeno));
        t->resize(NaPixely(kSirkaTlacitka), NaPixely(kVyskaTlacitka));
        connect(t, &QPushButton::clicked, this, prikaz);
        return t;
    };
    cmdStorno_ = tlacitko("cmdStorno", &PohledGrafu::TiskniGraf);
    cmdTiskZpravy_ = tlacitko("cmdTiskZpravy", &PohledGrafu::TiskniZpravu);
    // Below the print button, in the same column; Fit and Use It below them, with a log.
    cmdExport_ = tlacitko("cmdExport", &PohledGrafu::ExportujGraf);
    cmdPrizpusob_ = tlacitko("cmdPrizpusob", &PohledGrafu::Prizpusob);
    cmdPouzijEps_ = tlacitko("cmdPouzijEps", &PohledGrafu::PouzijEmisivitu);
    cmdPorovnaniPeci_ = tlacitko("cmdPorovnaniPeci", &PohledGrafu::UkazPece);
    lblPrizpusobeni_ = new QLabel(this);
    lblPrizpusobeni_->setObjectName(QStringLiteral("lblPrizpusobeni"));
    lblPrizpusobeni_->setWordWrap(true);
    lblPrizpusobeni_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setTabOrder(cmdStorno_, cmdTiskZpravy_);
    setTabOrder(cmdTiskZpravy_, cmdExport_);
    setTabOrder(cmdExport_, cmdPorovnaniPeci_);
    setTabOrder(cmdPorovnaniPeci_, cmdPrizpusob_);
    setTabOrder(cmdPrizpusob_, cmdPouzijEps_);
    for (QWidget* w : {static_cast<QWidget*>(cmdPrizpusob_), static_cast<QWidget*>(cmdPouzijEps_),
                       static_cast<QWidget*>(lblPrizpusobeni_), static_cast<QWidget*>(cmdPorovnaniPeci_)}) {
        w->hide();
    }
    // The view covers its parent, whatever size that takes.
    if (parent != nullptr) {
        parent->installEventFilter(this);
        setGeometry(parent->rect());
    }
    rozvrhni();
}

bool PohledGrafu::eventFilter(QObject* objekt, QEvent* udalost) {
    if (objekt == parentWidget() && udalost->type() == QEvent::Resize) {
        setGeometry(parentWidget()->rect());
    }
    return QWidget::eventFilter(objekt, udalost);
}

void PohledGrafu::resizeEvent(QResizeEvent* udalost) {
    QWidget::resizeEvent(udalost);
    rozvrhni();
}

int PohledGrafu::sloupecTlacitek() const { return width() - NaPixely(kSloupecOdPrava); }

void PohledGrafu::rozvrhni() {
    const int okraj = NaPixely(kOkraj);
    const int sloupec = sloupecTlacitek();
    const int sirka = std::max(1, sloupec - NaPixely(kMezera) - okraj);
    // The fit's answer stands under the chart, as wide as it: the column of the buttons would
    // wrap it word by word. The chart gives up the room it takes.
    const int odpoved = mereni_.empty() ? 0 : std::max(2 * fontMetrics().height(), lblPrizpusobeni_->heightForWidth(sirka));
    FlpGrf1_->setGeometry(okraj, okraj, sirka, std::max(1, height() - 2 * okraj - (odpoved > 0 ? odpoved + okraj : 0)));
    cmdStorno_->move(sloupec, NaPixely(1920));
    cmdTiskZpravy_->move(sloupec, NaPixely(2520));
    cmdExport_->move(sloupec, NaPixely(3120));
    // Furnaces... below Export while it is shown, then Fit and Use It.
    const int pece = cmdPorovnaniPeci_->isHidden() ? 0 : 720;
    cmdPorovnaniPeci_->move(sloupec, NaPixely(3840));
    cmdPrizpusob_->move(sloupec, NaPixely(3840 + pece));
    cmdPouzijEps_->move(sloupec, NaPixely(4440 + pece));
    lblPrizpusobeni_->setGeometry(okraj, height() - okraj - odpoved, sirka, std::max(1, odpoved));
    emit rozvrzeno();
}

void PohledGrafu::zobraz(const PodkladyZpravy& zprava, QSize /*vnejsiTwipy*/) {
    zprava_ = zprava;
    const Jazyk j = zprava.jazyk;
    // A fit belongs to the result it was made for.
    if (prolozenoK_ != zprava.vysledek) {
        prolozeni_.reset();
        prolozenoK_.reset();
        emisivita_.reset();
        lblPrizpusobeni_->clear();
    }
    cmdStorno_->setText(Text(id::Tisk, j));
    cmdTiskZpravy_->setText(Text(id::TiskZpravy, j));
    cmdExport_->setText(Text(id::Export, j));
    cmdPrizpusob_->setText(Text(id::Prizpusob, j));
    cmdPouzijEps_->setText(Text(id::Pouzij, j));
    cmdPorovnaniPeci_->setText(Text(id::PorovnaniPeciTlacitko, j));
    prekresli();
    show();
}

ObsahGrafu PohledGrafu::obsah() const {
    return ObsahGrafu{zprava_.vysledek, srovnani_, mereni_, prolozeni_, souborMereni_};
}

NaplneniGrafu PohledGrafu::naplneni() const {
    const std::optional<QRectF> rozsah = FlpGrf1_->priblizeno() ? std::optional<QRectF>(FlpGrf1_->rozsahOs()) : std::nullopt;
    return [o = obsah(), j = zprava_.jazyk, rozsah](Graf& graf) {
        NaplnGraf(graf, o, j);
        if (rozsah) {
            graf.nastavRozsahOs(*rozsah);
        }
    };
}

void PohledGrafu::prekresli() {
    zprava_.srovnani = srovnani_;
    if (zprava_.vysledek != nullptr) {
        NaplnGraf(*FlpGrf1_, obsah(), zprava_.jazyk);
    }
    cmdPrizpusob_->setVisible(!mereni_.empty());
    cmdPouzijEps_->setVisible(!mereni_.empty());
    cmdPouzijEps_->setEnabled(emisivita_.has_value());
    lblPrizpusobeni_->setVisible(!mereni_.empty());
    const bool pece = porovnaniPeci().has_value();
    if (pece == cmdPorovnaniPeci_->isHidden()) {
        cmdPorovnaniPeci_->setVisible(pece);
        rozvrhni();
    }
}

std::optional<PorovnaniPeci> PohledGrafu::porovnaniPeci() const {
    if (zprava_.vysledek == nullptr || srovnani_.isEmpty()) {
        return std::nullopt;
    }
    QList<PorovnavanaPec> pece{{NazevVysledku(*zprava_.vysledek, zprava_.jazyk), zprava_.vysledek.get()}};
    for (const Srovnani& s : srovnani_) {
        pece.append({s.nazev, s.vysledek.get()});
    }
    return PorovnejPece(pece, zprava_.jazyk);
}

void PohledGrafu::UkazPece() {
    const std::optional<PorovnaniPeci> t = porovnaniPeci();
    if (isHidden() || !t) {
        return;
    }
    FrmPorovnaniPeci okno(*t, zprava_.jazyk, this);
    okno.exec();
}

bool PohledGrafu::pridejSrovnani(Srovnani srovnani) {
    if (srovnani_.size() + 1 >= kNejvicVysledku || srovnani.vysledek == nullptr) {
        return false;
    }
    // A file compared once is not drawn twice under one name.
    for (const Srovnani& s : srovnani_) {
        if (!srovnani.cesta.isEmpty() && StejnySoubor(s.cesta, srovnani.cesta)) {
            const Jazyk j = zprava_.jazyk;
            dialogy_.zprava(Ikona::Informace, Text(id::Zorvet, j), Text(id::SrovnaniDvakrat, j).arg(srovnani.nazev));
            return false;
        }
    }
    srovnani_.append(std::move(srovnani));
    prekresli();
    return true;
}

void PohledGrafu::nastavMereni(std::vector<BodMereni> mereni, const QString& soubor) {
    mereni_ = std::move(mereni);
    souborMereni_ = mereni_.empty() ? QString() : soubor;
    prolozeni_.reset();
    prolozenoK_.reset();
    emisivita_.reset();
    lblPrizpusobeni_->clear();
    rozvrhni();
    prekresli();
}

void PohledGrafu::zrusPridane() {
    srovnani_.clear();
    nastavMereni({});
}

void PohledGrafu::Prizpusob() {
    if (isHidden() || mereni_.empty() || zprava_.vysledek == nullptr) {
        return;
    }
    const Jazyk j = zprava_.jazyk;
    KurzorCekani cekani(dialogy_);
    const VysledekPrizpusobeni fit = PrizpusobEmisivitu(zprava_.vysledek->Uloha, mereni_);
    prolozenoK_ = zprava_.vysledek;
    prolozeni_ = fit.uspech ? fit.prubeh : nullptr;
    emisivita_.reset();
    if (fit.uspech) {
        // Four significant digits of the emissivity fitted.
        emisivita_ = Navrh(Velicina::Eps, std::round(fit.eps * 1e4) / 1e4, zprava_.vysledek->Uloha, j);
        lblPrizpusobeni_->setText(emisivita_->popis + QLatin1Char('\n') + Text(id::OdchylkaFit, j) + QStringLiteral(": ") +
                                  TextObecny(static_cast<float>(std::round(fit.rms * 100.0) / 100.0)));
    } else {
        lblPrizpusobeni_->setText(ZpravaPrizpusobeni(fit, zprava_.vysledek->Uloha, j));
    }
    rozvrhni();
    prekresli();
}

void PohledGrafu::PouzijEmisivitu() {
    if (!isHidden() && emisivita_) {
        emit emisivitaPouzita(*emisivita_);
    }
}

void PohledGrafu::TiskniGraf() { tiskni(false); }

void PohledGrafu::TiskniZpravu() { tiskni(true); }

void PohledGrafu::tiskni(bool zprava) {
    if (isHidden()) {
        return;
    }
    const Jazyk j = zprava_.jazyk;
    const VysledekTisku vysledek =
        zprava ? dialogy_.tiskni(Text(id::TitulekZpravy, j), true, true,
                                 [this](QPainter& painter, const QRectF& cil) { KresliZpravu(painter, cil, zprava_); })
               : dialogy_.tiskni(Text(id::TitulekGrafu, j), false, false,
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
                                                : UlozGraf(naplneni(), Text(id::TitulekGrafu, j), *cesta, FormatGrafu::Pdf);
    cekani.uvolni();
    if (duvod) {
        dialogy_.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j),
                        *cesta + QLatin1Char('\n') + Text(zprava ? id::ZpravaNeulozena : id::GrafNeulozen, j) +
                            (duvod->isEmpty() ? QString() : QLatin1Char('\n') + *duvod));
        return;
    }
    dialogy_.zprava(Ikona::Informace, Text(id::TitulekTisku, j), Text(id::PdfUlozen, j).arg(*cesta));
}

void PohledGrafu::ExportujGraf() {
    if (isHidden() || zprava_.vysledek == nullptr) {
        return;
    }
    ExportujSDialogem(dialogy_, zprava_.jazyk, naplneni(), Text(id::TitulekGrafu, zprava_.jazyk));
}

}  // namespace zorvet
