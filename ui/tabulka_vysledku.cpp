#include "ui/tabulka_vysledku.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

TabulkaVysledku::TabulkaVysledku(QObject* parent) : QAbstractTableModel(parent) {}

void TabulkaVysledku::obnov(const Vysledek* vysledek, std::int16_t jazyk) {
    beginResetModel();
    vysledek_ = vysledek;
    radky_ = vysledek != nullptr ? vysledek->posledniRadek() + 1 : 0;
    sloupce_ = vysledek != nullptr && vysledek->Uloha.Rizeny ? 3 : 2;
    jazyk_ = jazyk;
    endResetModel();
}

int TabulkaVysledku::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : radky_; }

int TabulkaVysledku::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : sloupce_; }

QVariant TabulkaVysledku::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= radky_ || index.column() >= sloupce_) {
        return {};
    }
    const auto i = static_cast<std::size_t>(index.row());
    switch (role) {
        case Qt::DisplayRole:
            switch (index.column()) {
                case 0:
                    return TextObecny(vysledek_->Vysledky.Cas[i]);
                case 1:
                    return TextObecny(vysledek_->Vysledky.TeplotaVsazky[i]);
                default:
                    return TextObecny(vysledek_->TeplotaPece[i]);
            }
        case Qt::TextAlignmentRole:
            // The time column is the fixed column of the grid, its numbers to the right;
            // the temperature columns are left-aligned and vertically centred.
            return QVariant::fromValue(index.column() == 0 ? Qt::Alignment(Qt::AlignRight | Qt::AlignVCenter)
                                                           : Qt::Alignment(Qt::AlignLeft | Qt::AlignVCenter));
        case Qt::BackgroundRole:
            if (index.column() == 0) {
                return QGuiApplication::palette().button();
            }
            return {};
        default:
            return {};
    }
}

QVariant TabulkaVysledku::headerData(int section, Qt::Orientation orientation, int role) const {
    if (orientation != Qt::Horizontal) {
        return {};
    }
    if (role == Qt::TextAlignmentRole) {
        // A name too long for its column goes on to another line of the tall header.
        return static_cast<int>(Qt::AlignCenter) | static_cast<int>(Qt::TextWordWrap);
    }
    if (role != Qt::DisplayRole) {
        return {};
    }
    switch (section) {
        case 0:
            return Text(id::Cas, jazyk_) + QLatin1Char('\n') + Text(id::JednotkaSekundy, jazyk_);
        case 1:
            return Text(id::TeplotaVsazky, jazyk_) + QLatin1Char('\n') + Text(id::JednotkaStupne, jazyk_);
        case 2:
            return sloupce_ > 2 ? Text(id::SouborTpece, jazyk_) + QLatin1Char('\n') + Text(id::JednotkaStupne, jazyk_)
                                : QVariant();
        default:
            return {};
    }
}

Qt::ItemFlags TabulkaVysledku::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    // The time column is fixed: it cannot be selected, like a header.
    return index.column() == 0 ? Qt::ItemIsEnabled : Qt::ItemIsEnabled | Qt::ItemIsSelectable;
}

QString TabulkaVysledku::textBloku(QList<int> radky, QList<int> sloupce) const {
    const auto upravit = [](QList<int>& cisla, int pocet) {
        cisla.removeIf([pocet](int x) { return x < 0 || x >= pocet; });
        std::sort(cisla.begin(), cisla.end());
        cisla.erase(std::unique(cisla.begin(), cisla.end()), cisla.end());
    };
    // The time names every row, whether or not its fixed column was picked.
    sloupce.append(0);
    upravit(radky, radky_);
    upravit(sloupce, sloupce_);
    QString text;
    for (int c : sloupce) {
        if (c != sloupce.first()) {
            text += QLatin1Char('\t');
        }
        // Name and unit on one line: a cell of its own for each column.
        text += headerData(c, Qt::Horizontal).toString().replace(QLatin1Char('\n'), QLatin1Char(' '));
    }
    text += QLatin1Char('\n');
    for (int r : radky) {
        for (int c : sloupce) {
            if (c != sloupce.first()) {
                text += QLatin1Char('\t');
            }
            text += data(index(r, c)).toString();
        }
        text += QLatin1Char('\n');
    }
    return text;
}

}  // namespace zorvet
