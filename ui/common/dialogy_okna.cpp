#include "ui/common/dialogy_okna.h"

#include <algorithm>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileIconProvider>
#include <QMimeDatabase>
#include <QFileInfo>
#include <QInputDialog>
#include <QLibraryInfo>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QRegularExpression>

#include "files/retezce.h"

namespace zorvet {

QStringList FiltryQt(const QString& filtr) {
    const QStringList casti = filtr.split(QLatin1Char('|'));
    QStringList vysledek;
    for (qsizetype i = 0; i + 1 < casti.size(); i += 2) {
        const QString popis = casti.at(i).trimmed();
        QStringList vzory;
        for (const QString& vzor : casti.at(i + 1).split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
            const QString v = vzor.trimmed();
            if (v.isEmpty()) {
                continue;
            }
            // In the program's filters "*.*" is every file; in Qt it would skip files
            // whose names have no dot.
            vzory.append(v == QLatin1String("*.*") ? QStringLiteral("*") : v);
        }
        if (vzory.isEmpty()) {
            vzory.append(QStringLiteral("*"));
        }
        vysledek.append(popis + QStringLiteral(" (") + vzory.join(QLatin1Char(' ')) + QLatin1Char(')'));
    }
    return vysledek;
}

QString PopisFiltru(const QString& filtrQt) {
    static const QRegularExpression vzory(QStringLiteral("^(.*)\\(([^()]*)\\)$"));
    const auto shoda = vzory.match(filtrQt);
    return (shoda.hasMatch() ? shoda.captured(1) : filtrQt).simplified();
}

QWidget* RodicDialogu() {
    if (QWidget* w = QApplication::activeModalWidget()) {
        return w;
    }
    return QApplication::activeWindow();
}

DialogyQt::DialogyQt(const Nastaveni& nastaveni, ZkouskaZapisu lzeZapisovat)
    : nastaveni_(nastaveni), lzeZapisovat_(std::move(lzeZapisovat)) {}

QString DialogyQt::pocatecniSlozka() {
    if (lzeZapisovat_(QCoreApplication::applicationDirPath())) {
        return QDir::currentPath();
    }
    return posledniSlozka_.isEmpty() ? QDir::homePath() : posledniSlozka_;
}

void DialogyQt::jazykQt() {
    const bool cesky = nastaveni_.Jazyk == Jazyk::Cesky;
    if (cesky && !cestinaNactena_) {
        cestinaNactena_ = true;
        if (!cestina_.load(QStringLiteral("qtbase_cs"), QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
            return;
        }
    }
    if (cesky && !cestinaInstalovana_ && !cestina_.isEmpty()) {
        cestinaInstalovana_ = QCoreApplication::installTranslator(&cestina_);
    } else if (!cesky && cestinaInstalovana_) {
        QCoreApplication::removeTranslator(&cestina_);
        cestinaInstalovana_ = false;
    }
}

void DialogyQt::zprava(Ikona ikona, const QString& titulek, const QString& text) {
    jazykQt();
    QMessageBox::Icon druh = QMessageBox::Information;
    if (ikona == Ikona::Vykricnik) {
        druh = QMessageBox::Warning;
    } else if (ikona == Ikona::Otaznik) {
        druh = QMessageBox::Question;
    }
    QString radky = text;
    radky.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(druh, titulek, radky, QMessageBox::Ok, RodicDialogu());
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool DialogyQt::otazka(const QString& titulek, const QString& text) {
    jazykQt();
    QString radky = text;
    radky.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    QMessageBox box(QMessageBox::Question, titulek, radky, QMessageBox::Yes | QMessageBox::No, RodicDialogu());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

Volba DialogyQt::otazkaUlozit(const QString& titulek, const QString& text, Jazyk jazyk) {
    jazykQt();
    QMessageBox box(QMessageBox::Question, titulek, text, QMessageBox::Save | QMessageBox::Discard | QMessageBox::Cancel,
                    RodicDialogu());
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Save);
    box.setEscapeButton(QMessageBox::Cancel);
    box.button(QMessageBox::Save)->setText(Text(id::MenuUlozit, jazyk));
    box.button(QMessageBox::Discard)->setText(Text(id::Zahodit, jazyk));
    box.button(QMessageBox::Cancel)->setText(Text(id::Storno, jazyk));
    switch (box.exec()) {
        case QMessageBox::Save:
            return Volba::Ulozit;
        case QMessageBox::Discard:
            return Volba::Zahodit;
        default:
            return Volba::Zrusit;
    }
}

int DialogyQt::volba(const QString& titulek, const QString& text, const QStringList& tlacitka) {
    jazykQt();
    QMessageBox box(QMessageBox::Question, titulek, text, QMessageBox::NoButton, RodicDialogu());
    box.setTextFormat(Qt::PlainText);
    QList<QAbstractButton*> poradi;
    for (const QString& t : tlacitka) {
        poradi.append(box.addButton(t, poradi.size() + 1 == tlacitka.size() ? QMessageBox::RejectRole
                                                                            : QMessageBox::AcceptRole));
    }
    if (!poradi.isEmpty()) {
        box.setDefaultButton(qobject_cast<QPushButton*>(poradi.first()));
        box.setEscapeButton(poradi.last());
    }
    box.exec();
    const qsizetype i = poradi.indexOf(box.clickedButton());
    return i < 0 ? static_cast<int>(tlacitka.size()) - 1 : static_cast<int>(i);
}

std::optional<QString> DialogyQt::vstup(const QString& vyzva, const QString& titulek, const QString& vychozi) {
    jazykQt();
    QInputDialog box(RodicDialogu());
    box.setInputMode(QInputDialog::TextInput);
    box.setWindowTitle(titulek);
    box.setLabelText(vyzva);
    box.setTextValue(vychozi);
    // Room for a comment of a line, not the input box's 200 pixels; wider with the box.
    box.resize(std::max(box.sizeHint().width(), 60 * box.fontMetrics().averageCharWidth()), box.sizeHint().height());
    if (box.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    return box.textValue();
}

namespace {

class IkonyPodleJmena : public QFileIconProvider {
public:
    QIcon icon(IconType typ) const override { return QFileIconProvider::icon(typ); }
    QIcon icon(const QFileInfo& info) const override {
        if (info.isDir()) {
            return QFileIconProvider::icon(Folder);
        }
        const QIcon ikona = QIcon::fromTheme(databaze_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).iconName());
        return ikona.isNull() ? QFileIconProvider::icon(File) : ikona;
    }
    QString type(const QFileInfo& info) const override {
        return info.isDir() ? QFileIconProvider::type(info)
                            : databaze_.mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension).comment();
    }

private:
    QMimeDatabase databaze_;
};

// The extension of a Qt name filter's first pattern when it is "*.ext"; empty for "*".
QString priponaFiltru(const QString& filtrQt) {
    static const QRegularExpression vzor(QStringLiteral("\\(\\*\\.([^ *?()]+)[ )]"));
    const auto shoda = vzor.match(filtrQt);
    return shoda.hasMatch() ? shoda.captured(1) : QString();
}

}  // namespace

std::optional<QString> DialogyQt::souborovyDialog(const QString& filtr, int index, Druh druh,
                                                  const QString& pripona) {
    jazykQt();
    QFileDialog dialog(RodicDialogu());
    dialog.setObjectName(QStringLiteral("CMDialog1"));
    // Qt's own dialog: it shows the program's filter descriptions as written and asks
    // before replacing a file, on every desktop alike.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setOption(QFileDialog::HideNameFilterDetails);
    // Types by name: the usual provider reads a file to tell its type, and a file such as
    // /proc/kmsg never answers.
    IkonyPodleJmena ikony;
    dialog.setIconProvider(&ikony);
    dialog.setDirectory(pocatecniSlozka());
    if (druh == Druh::Otevrit) {
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::ExistingFile);
    } else {
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    }
    const QStringList filtry = FiltryQt(filtr);
    dialog.setNameFilters(filtry);
    if (index >= 1 && index <= filtry.size()) {
        dialog.selectNameFilter(filtry.at(index - 1));
    }
    if (druh == Druh::Ulozit) {
        // A name typed without an extension gets the program's own, so that the open
        // dialog's own pattern shows the file.
        dialog.setDefaultSuffix(pripona);
    } else if (druh == Druh::Vystup) {
        // The chosen pattern decides the format of a name typed without an extension. The
        // dialog names a filter by what it shows, the description without the patterns.
        const auto priponaVzoru = [&dialog, filtry](const QString& zvoleny) {
            for (const QString& f : filtry) {
                if (f == zvoleny || PopisFiltru(f) == zvoleny) {
                    dialog.setDefaultSuffix(priponaFiltru(f));
                    return;
                }
            }
            dialog.setDefaultSuffix(QString());
        };
        priponaVzoru(dialog.selectedNameFilter());
        QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, priponaVzoru);
    }
    if (dialog.exec() != QDialog::Accepted) {
        return std::nullopt;
    }
    const QStringList vybrane = dialog.selectedFiles();
    if (vybrane.isEmpty()) {
        return std::nullopt;
    }
    const QString cesta = QDir::toNativeSeparators(QFileInfo(vybrane.first()).absoluteFilePath());
    if (druh == Druh::Vystup) {
        posledniSlozka_ = QFileInfo(cesta).absolutePath();
    }
    return cesta;
}

void DialogyQt::souborPouzit(const QString& cesta) {
    // Files named without a folder (the material database, the emissivity table) are looked up
    // next to the file the user last read or wrote.
    posledniSlozka_ = QFileInfo(cesta).absolutePath();
    QDir::setCurrent(posledniSlozka_);
}

std::optional<QString> DialogyQt::otevritSoubor(const QString& filtr, int index) {
    return souborovyDialog(filtr, index, Druh::Otevrit, QString());
}

std::optional<QString> DialogyQt::ulozitSoubor(const QString& filtr, int index, const QString& pripona) {
    return souborovyDialog(filtr, index, Druh::Ulozit, pripona);
}

std::optional<QString> DialogyQt::ulozitVystup(const QString& filtr, int index) {
    return souborovyDialog(filtr, index, Druh::Vystup, QString());
}

void DialogyQt::kurzorCekani() { QApplication::setOverrideCursor(Qt::WaitCursor); }

void DialogyQt::kurzorNormalni() {
    if (QApplication::overrideCursor() != nullptr) {
        QApplication::restoreOverrideCursor();
    }
}

VysledekTisku TiskniSNahledem(QPrinter& tiskarna, bool vyberTiskarny, const QString& titulek,
                              const Dialogy::Kresleni& kresli, QWidget* rodic) {
    const auto stranka = [&kresli](QPrinter* p) {
        QPainter painter(p);
        kresli(painter, QRectF(QPointF(0, 0), p->pageRect(QPrinter::DevicePixel).size()));
    };
    QPrintPreviewDialog nahled(&tiskarna, rodic);
    nahled.setObjectName(QStringLiteral("nahledTisku"));
    nahled.setWindowTitle(titulek);
    QObject::connect(&nahled, &QPrintPreviewDialog::paintRequested, &nahled, stranka);

    // The preview's own print command would ask for a printer even when only one is
    // installed; it is rerouted so that the choice comes only when there is one to make.
    const QString textTisku = QCoreApplication::translate("QPrintPreviewDialog", "Print");
    QAction* tisk = nullptr;
    for (QAction* a : nahled.findChildren<QAction*>()) {
        if (a->text() == textTisku) {
            tisk = a;
            break;
        }
    }
    if (tisk != nullptr) {
        QObject::disconnect(tisk, nullptr, &nahled, nullptr);
        QObject::connect(tisk, &QAction::triggered, &nahled, [&nahled, &tiskarna, vyberTiskarny] {
            if (vyberTiskarny) {
                QPrintDialog volba(&tiskarna, &nahled);
                volba.setObjectName(QStringLiteral("volbaTiskarny"));
                // Cancelling the choice goes back to the preview.
                if (volba.exec() != QDialog::Accepted) {
                    return;
                }
            }
            nahled.accept();
        });
    }
    if (nahled.exec() != QDialog::Accepted) {
        return VysledekTisku::Zruseno;
    }
    if (tisk == nullptr) {
        // Qt's own print command has printed the page already.
        return VysledekTisku::Vytisteno;
    }
    QPainter painter;
    if (!painter.begin(&tiskarna)) {
        return VysledekTisku::Selhal;
    }
    kresli(painter, QRectF(QPointF(0, 0), tiskarna.pageRect(QPrinter::DevicePixel).size()));
    return painter.end() ? VysledekTisku::Vytisteno : VysledekTisku::Selhal;
}

VysledekTisku DialogyQt::tiskni(const QString& nazevDokumentu, bool nastojato, bool nahled, const Kresleni& kresli) {
    const QList<QPrinterInfo> vsechny = QPrinterInfo::availablePrinters();
    if (vsechny.isEmpty()) {
        return VysledekTisku::ZadnaTiskarna;
    }
    QPrinterInfo info = QPrinterInfo::defaultPrinter();
    if (info.isNull()) {
        info = vsechny.first();
    }
    jazykQt();
    QPrinter tiskarna(info, QPrinter::HighResolution);
    tiskarna.setDocName(nazevDokumentu);
    tiskarna.setPageOrientation(nastojato ? QPageLayout::Portrait : QPageLayout::Landscape);
    if (!nahled) {
        QPainter painter;
        if (!painter.begin(&tiskarna)) {
            return VysledekTisku::Selhal;
        }
        kresli(painter, QRectF(QPointF(0, 0), tiskarna.pageRect(QPrinter::DevicePixel).size()));
        return painter.end() ? VysledekTisku::Vytisteno : VysledekTisku::Selhal;
    }
    return TiskniSNahledem(tiskarna, vsechny.size() > 1, Text(id::NahledTisku, nastaveni_.Jazyk), kresli, RodicDialogu());
}

}  // namespace zorvet
