#include "ui/views/tabulka_vysledku.h"

#include <QGuiApplication>
#include <QPalette>
#include <algorithm>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

TabulkaVysledku::TabulkaVysledku(QObject* parent) : QAbstractTableModel(parent) {}

const VysledekUsporadani* TabulkaVysledku::pole() const {
    return vysledek_ != nullptr && vysledek_->Usporadani && vysledek_->Usporadani->mrizka ? &*vysledek_->Usporadani
                                                                                         : nullptr;
}

void TabulkaVysledku::obnov(const Vysledek* vysledek, Jazyk jazyk) {
    beginResetModel();
    vysledek_ = vysledek;
    druhy_.clear();
    radky_ = 0;
    if (vysledek != nullptr) {
        druhy_ = {Sloupec::Cas, Sloupec::Vsazka};
        if (PecSeMeni(*vysledek)) {
            druhy_.append(Sloupec::Pec);
        }
        radky_ = vysledek->posledniRadek() + 1;
        // The core of a thick charge: its rows may run past the single temperature's end.
        if (vysledek->Jadro && !vysledek->Jadro->povrch.empty()) {
            druhy_.append({Sloupec::Povrch, Sloupec::Jadro});
            radky_ = std::max<int>(radky_, static_cast<int>(vysledek->Jadro->teplota.size()));
            if (pole() != nullptr && !pole()->jadroNejrychlejsiho.empty()) {
                druhy_.append(Sloupec::Nejrychlejsi);
            }
        }
    }
    jazyk_ = jazyk;
    endResetModel();
}

QString TabulkaVysledku::text(int radek, Sloupec druh) const {
    const Vysledek& v = *vysledek_;
    const auto i = static_cast<std::size_t>(radek);
    const std::size_t jadro = v.Jadro ? v.Jadro->teplota.size() : 0;
    switch (druh) {
        case Sloupec::Cas:
            return TextObecny(i < v.Vysledky.Cas.size() ? v.Vysledky.Cas[i]
                                                        : static_cast<float>(radek * static_cast<double>(v.Uloha.CasKrok)));
        case Sloupec::Vsazka:
            return radek <= v.posledniRadek() ? TextObecny(v.Vysledky.TeplotaVsazky[i]) : QString();
        case Sloupec::Pec:
            return TextObecny(v.teplotaPece(radek));
        case Sloupec::Povrch:
            return i < jadro ? TextObecny(v.Jadro->povrch[i]) : QString();
        case Sloupec::Jadro:
            return i < jadro ? TextObecny(v.Jadro->teplota[i]) : QString();
        case Sloupec::Nejrychlejsi:
            return i < pole()->jadroNejrychlejsiho.size() ? TextObecny(pole()->jadroNejrychlejsiho[i]) : QString();
    }
    return {};
}

int TabulkaVysledku::rowCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : radky_; }

int TabulkaVysledku::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(druhy_.size());
}

QVariant TabulkaVysledku::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || index.row() >= radky_ || index.column() >= druhy_.size()) {
        return {};
    }
    switch (role) {
        case Qt::DisplayRole:
            return text(index.row(), druhy_[index.column()]);
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
    if (section < 0 || section >= druhy_.size()) {
        return {};
    }
    const QString stupne = QLatin1Char('\n') + Text(id::JednotkaStupne, jazyk_);
    switch (druhy_[section]) {
        case Sloupec::Cas:
            return Text(id::Cas, jazyk_) + QLatin1Char('\n') + Text(id::JednotkaSekundy, jazyk_);
        case Sloupec::Vsazka:
            return Text(id::TeplotaVsazky, jazyk_) + stupne;
        case Sloupec::Pec:
            // Where the installed power limited a step, the column holds the furnace temperature
            // that would give the limited power: the heading says so.
            return Text(id::SouborTpece, jazyk_) +
                   (PecEkvivalentni(*vysledek_) ? QLatin1Char('\n') + Text(id::PecEkvivalentni, jazyk_) : QString()) +
                   stupne;
        case Sloupec::Povrch:
            return Text(pole() != nullptr ? id::PovrchNejpomalejsiho : id::Povrch, jazyk_) + stupne;
        case Sloupec::Jadro:
            return Text(pole() != nullptr ? id::JadroNejpomalejsiho : id::Jadro, jazyk_) + stupne;
        case Sloupec::Nejrychlejsi:
            return Text(id::JadroNejrychlejsiho, jazyk_) + stupne;
    }
    return {};
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
    upravit(sloupce, static_cast<int>(druhy_.size()));
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
