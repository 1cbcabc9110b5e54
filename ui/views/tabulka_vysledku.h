// The results table: a read-only view of the time, charge temperature and (for a
// controlled heat-up) furnace temperature of every step of the result, read straight
// from the state when a cell is drawn.
#pragma once

#include <QAbstractTableModel>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

#include "model/case/nastaveni.h"
#include "model/case/vysledek.h"

namespace zorvet {

class TabulkaVysledku : public QAbstractTableModel {
    Q_OBJECT
public:
    explicit TabulkaVysledku(QObject* parent = nullptr);

    // Shows a result in a language: rows 0..PocetKroku, two columns (time, charge) or three
    // (time, charge, furnace) for a controlled heat-up, and the surface and core of a thick
    // charge when they were computed (their rows may run on; a column is blank after its
    // end): of an array the slowest piece's, and the fastest piece's core after them. The
    // result must outlive the view of it.
    void obnov(const Vysledek* vysledek, Jazyk jazyk);

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    // Two lines, name and unit.
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

    // Tab-separated text for a spreadsheet: a header line of the column names with their
    // units, then one line per row of radky (in table order, each once) with the time first
    // and the columns of sloupce after it, the numbers as the table shows them. LF line ends.
    QString textBloku(QList<int> radky, QList<int> sloupce) const;

private:
    enum class Sloupec { Cas, Vsazka, Pec, Povrch, Jadro, Nejrychlejsi };
    QString text(int radek, Sloupec druh) const;
    // What an array adds to the result shown; none for another.
    const VysledekUsporadani* pole() const;

    const Vysledek* vysledek_ = nullptr;
    QList<Sloupec> druhy_;
    int radky_ = 0;
    Jazyk jazyk_ = Jazyk::Anglicky;
};

}  // namespace zorvet
