#include "ui/main_window/frm_uvitani.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QKeyEvent>
#include <QLabel>
#include <QLocale>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>

#include "files/retezce.h"
#include "ui/common/twipy.h"

// ZORVET_VERZE_HLAVNI and ZORVET_VERZE_VEDLEJSI come from the project's version.

namespace zorvet {

namespace {

QLabel* popisek(QWidget* rodic, const QString& jmeno, const QRect& kde) {
    auto* l = new QLabel(rodic);
    l->setObjectName(jmeno);
    l->setGeometry(kde);
    l->setWordWrap(true);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    l->setAttribute(Qt::WA_TranslucentBackground);
    l->setAutoFillBackground(false);
    QPalette p = l->palette();
    p.setColor(QPalette::WindowText, QColor(255, 255, 192));
    l->setPalette(p);
    return l;
}

}  // namespace

FrmUvitani::FrmUvitani(Jazyk jazyk, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint) {
    setObjectName(QStringLiteral("frmUvitani"));
    setModal(true);
    setFixedSize(NaPixely(4365), NaPixely(3465));

    lbl1_ = popisek(this, QStringLiteral("lbl1"), Twipy(1080, 360, 2415, 1335));
    lbl2_ = popisek(this, QStringLiteral("lbl2"), Twipy(1200, 1800, 1695, 615));
    lbl3_ = popisek(this, QStringLiteral("lbl3"), Twipy(1200, 2520, 2055, 615));
    QFont velke = lbl1_->font();
    velke.setPointSize(12);
    velke.setWeight(QFont::Normal);
    lbl1_->setFont(velke);

    Tmr1_ = new QTimer(this);
    Tmr1_->setObjectName(QStringLiteral("Tmr1"));
    Tmr1_->setSingleShot(true);
    Tmr1_->setInterval(2000);
    connect(Tmr1_, &QTimer::timeout, this, &QDialog::accept);

    Vycentruj(this);
    lbl1_->setText(Text(id::PopisProgramu, jazyk));
    lbl2_->setText(RadekVerze(jazyk));
    lbl3_->setText(Text(id::Autori, jazyk));
    Tmr1_->start();
}

void FrmUvitani::vypniCasovac() { Tmr1_->stop(); }

QString FrmUvitani::RadekVerze(Jazyk jazyk) {
    // The build date is the date of the running program's file.
    const QDate datum = QFileInfo(QCoreApplication::applicationFilePath()).lastModified().date();
    // The date is kept on one line of the narrow label.
    QString text = QLocale().toString(datum, QLocale::ShortFormat);
    text.replace(QLatin1Char(' '), QChar(QChar::Nbsp));
    return Text(id::SkolniVerze, jazyk) + QString::number(ZORVET_VERZE_HLAVNI) + QLatin1Char('.') +
           QString::number(ZORVET_VERZE_VEDLEJSI) + Text(id::ZeDne, jazyk) + text;
}

void FrmUvitani::paintEvent(QPaintEvent* /*event*/) {
    // About 17 bands from pure blue at the top to nearly black at the bottom; each band
    // overlaps the next by a pixel and the last runs past the bottom edge.
    QPainter p(this);
    const int sw = width();
    const int sh = height();
    const int krok = std::max(1, sh / 16);
    for (int y = 0; y <= sh; y += krok) {
        p.fillRect(QRect(QPoint(-1, y - 1), QPoint(sw, y + krok)), QColor(0, 0, 255 - (255 * y) / sh));
    }
}

void FrmUvitani::mousePressEvent(QMouseEvent* event) {
    event->accept();
    accept();
}

void FrmUvitani::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Escape) {
        event->accept();
        accept();
        return;
    }
    // Every other key, Enter included, leaves the window open.
    event->accept();
}

}  // namespace zorvet
