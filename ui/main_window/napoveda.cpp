#include "ui/main_window/napoveda.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

#include "files/retezce.h"

// ZORVET_VERZE (the whole version), ZORVET_PRIRUCKA_Z_PROGRAMU (the guide's path relative to
// the installed program's folder) and ZORVET_PRIRUCKA_INSTALACE (its installed path) come
// from the build.

namespace zorvet {

QStringList MistaPrirucky(const QString& slozkaProgramu) {
    const QDir program(slozkaProgramu);
    QStringList mista{QDir::cleanPath(program.filePath(QStringLiteral(ZORVET_PRIRUCKA_Z_PROGRAMU))),
                      QDir::cleanPath(QStringLiteral(ZORVET_PRIRUCKA_INSTALACE)),
                      QDir::cleanPath(program.filePath(QStringLiteral("docs/user-guide.md"))),
                      QDir::cleanPath(program.filePath(QStringLiteral("user-guide.md")))};
    mista.removeDuplicates();
    return mista;
}

QString NajdiPrirucku(const QString& slozkaProgramu, Jazyk jazyk) {
    const QStringList mista = MistaPrirucky(slozkaProgramu);
    if (jazyk == Jazyk::Cesky) {
        for (QString misto : mista) {
            misto.replace(misto.size() - 3, 3, QStringLiteral(".cs.md"));
            if (QFileInfo(misto).isFile()) {
                return misto;
            }
        }
    }
    for (const QString& misto : mista) {
        if (QFileInfo(misto).isFile()) {
            return misto;
        }
    }
    return {};
}

FrmPrirucka::FrmPrirucka(const QString& cesta, const QString& text, Jazyk jazyk, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPrirucka"));
    setWindowTitle(Text(id::TitulekPrirucky, jazyk));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* txtPrirucka = new QTextBrowser(this);
    txtPrirucka->setObjectName(QStringLiteral("txtPrirucka"));
    txtPrirucka->setOpenExternalLinks(true);
    // The pictures and the other pages lie beside the guide.
    txtPrirucka->setSearchPaths({QFileInfo(cesta).absolutePath()});
    txtPrirucka->setMarkdown(text);
    auto* sloupec = new QVBoxLayout(this);
    sloupec->addWidget(txtPrirucka);
    auto* tlacitka = new QDialogButtonBox(this);
    QPushButton* cmdZavrit = tlacitka->addButton(Text(id::Zavrit, jazyk), QDialogButtonBox::RejectRole);
    cmdZavrit->setObjectName(QStringLiteral("cmdZavrit"));
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    sloupec->addWidget(tlacitka);
    // Some eighty characters wide, and most of a 768-pixel screen high.
    resize(fontMetrics().averageCharWidth() * 90, fontMetrics().height() * 36);
}

FrmOProgramu::FrmOProgramu(Jazyk jazyk, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmOProgramu"));
    setWindowTitle(Text(id::TitulekOProgramu, jazyk));
    auto* sloupec = new QVBoxLayout(this);
    const auto popisek = [this, sloupec](const char* jmeno, const QString& text) {
        auto* l = new QLabel(text, this);
        l->setObjectName(QLatin1String(jmeno));
        l->setWordWrap(true);
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        sloupec->addWidget(l);
        return l;
    };
    lblNazev_ = popisek("lblNazev", Text(id::NazevProgramu, jazyk));
    QFont tucne = lblNazev_->font();
    tucne.setBold(true);
    tucne.setPointSizeF(tucne.pointSizeF() * 1.3);
    lblNazev_->setFont(tucne);
    popisek("lblPopis", Text(id::PopisProgramu, jazyk));
    lblVerze_ = popisek("lblVerze", Text(id::VerzeProgramu, jazyk).arg(QStringLiteral(ZORVET_VERZE)));
    lblLicence_ = popisek("lblLicence", Text(id::LicenceProgramu, jazyk));
    sloupec->addSpacing(fontMetrics().height() / 2);
    auto* tlacitka = new QDialogButtonBox(this);
    cmdZavrit_ = tlacitka->addButton(Text(id::Zavrit, jazyk), QDialogButtonBox::RejectRole);
    cmdZavrit_->setObjectName(QStringLiteral("cmdZavrit"));
    cmdZavrit_->setDefault(true);
    connect(tlacitka, &QDialogButtonBox::rejected, this, &QDialog::reject);
    sloupec->addWidget(tlacitka);
    // As wide as some sixty characters, so that the licence wraps into a few lines.
    setMinimumWidth(fontMetrics().averageCharWidth() * 60);
}

}  // namespace zorvet
