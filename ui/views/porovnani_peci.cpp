#include "ui/views/porovnani_peci.h"

#include <QHeaderView>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include "files/retezce.h"

namespace zorvet {

FrmPorovnaniPeci::FrmPorovnaniPeci(const PorovnaniPeci& t, Jazyk j, QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("frmPorovnaniPeci"));
    setModal(true);
    setWindowTitle(Text(id::PorovnaniPeci, j));
    auto* tabulka = new QTableWidget(static_cast<int>(t.radky.size()), static_cast<int>(t.nazvy.size()), this);
    tabulka->setObjectName(QStringLiteral("grdPorovnaniPeci"));
    tabulka->setHorizontalHeaderLabels(t.nazvy);
    tabulka->setEditTriggers(QAbstractItemView::NoEditTriggers);
    QStringList popisky;
    for (int r = 0; r < tabulka->rowCount(); ++r) {
        const QStringList& radek = t.radky[r];
        popisky << radek.value(0);
        for (int s = 0; s < tabulka->columnCount(); ++s) {
            auto* bunka = new QTableWidgetItem(radek.value(s + 1));
            bunka->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            tabulka->setItem(r, s, bunka);
        }
    }
    tabulka->setVerticalHeaderLabels(popisky);
    tabulka->resizeColumnsToContents();
    // The whole table in view: its headers, its columns and its rows.
    const int sirka = tabulka->verticalHeader()->sizeHint().width() + tabulka->horizontalHeader()->length() +
                      2 * tabulka->frameWidth() + 4;
    const int vyska = tabulka->horizontalHeader()->sizeHint().height() + tabulka->verticalHeader()->length() +
                      2 * tabulka->frameWidth() + 4;
    tabulka->setMinimumSize(std::min(sirka, 1200), std::min(vyska, 700));
    auto* ok = new QPushButton(Text(id::Ok, j), this);
    ok->setObjectName(QStringLiteral("cmdPorovnaniPeciOK"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    auto* rozvrh = new QVBoxLayout(this);
    rozvrh->addWidget(tabulka, 1);
    rozvrh->addWidget(ok, 0, Qt::AlignRight);
}

}  // namespace zorvet
