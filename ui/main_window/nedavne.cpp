// The File menu's list of recent files.
#include <QAction>
#include <QDir>
#include <QFileInfo>

#include "files/jazyk.h"
#include "files/retezce.h"
#include "ui/main_window/frm_zorvet.h"

namespace zorvet {

void FrmZorvet::pamatuj(const QString& cesta) {
    const QString plna = QDir::toNativeSeparators(QFileInfo(cesta).absoluteFilePath());
    QStringList soubory = NactiNedavne();
    soubory.removeAll(plna);
    soubory.prepend(plna);
    UlozNedavne(soubory);
    obnovNedavne();
}

void FrmZorvet::obnovNedavne() {
    const QStringList soubory = NactiNedavne();
    mnuNedavneOddelovac_->setVisible(!soubory.isEmpty());
    for (std::size_t i = 0; i < mnuNedavny_.size(); ++i) {
        QAction* a = mnuNedavny_[i];
        const bool je = static_cast<qsizetype>(i) < soubory.size();
        a->setVisible(je);
        if (je) {
            const QString& cesta = soubory.at(static_cast<qsizetype>(i));
            // "&1 beh.odp", the whole path as its tip; a file no longer there is greyed.
            a->setText(QLatin1Char('&') + QString::number(i + 1) + QLatin1Char(' ') +
                       QFileInfo(cesta).fileName().replace(QLatin1Char('&'), QStringLiteral("&&")));
            a->setToolTip(cesta);
            a->setStatusTip(cesta);
            a->setEnabled(QFileInfo(cesta).isFile());
        }
    }
    mnuFile_->setToolTipsVisible(true);
}

void FrmZorvet::OtevriNedavny(int index) {
    const QStringList soubory = NactiNedavne();
    if (!menuZobrazeno_ || index < 0 || index >= soubory.size()) {
        return;
    }
    const QString cesta = soubory.at(index);
    if (!QFileInfo(cesta).isFile()) {
        QStringList zbyle = soubory;
        zbyle.removeAt(index);
        UlozNedavne(zbyle);
        obnovNedavne();
        dialogy_.zprava(Ikona::Vykricnik, Text(id::Zorvet, nastaveni_.Jazyk), Text(id::NedavnyChybi, nastaveni_.Jazyk).arg(cesta));
        return;
    }
    if (smiZahodit()) {
        OtevriSoubor(cesta);
    }
}

}  // namespace zorvet
