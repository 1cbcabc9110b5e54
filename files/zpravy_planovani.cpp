#include "files/zpravy_planovani.h"

#include "files/cisla.h"
#include "files/retezce.h"
#include "files/zpravy.h"
#include "files/zpravy_vysledku.h"

namespace zorvet {

QString ZpravaNemenitelne(const PopisPole& pole, const Uloha& u, Jazyk j) {
    if (LzeMenit(u, pole.velicina) != Nemenitelna::Pripadem || pole.nemenitelna == 0) {
        return {};
    }
    return Text(pole.nemenitelna, j);
}

QString PopisRozmitane(const PopisPole& pole, VrstvaOsy vrstva, const Uloha& u, Jazyk j) {
    if (pole.velicina == Velicina::TloustkaVrstvy) {
        return Text(id::RozmitaniVrstvy, j).arg(QString::number(vrstva.cislo), NazevCasti(vrstva.cast, j));
    }
    return NazevSJednotkou(pole.velicina, u, j);
}

QString ZpravaVrstvy(VadaOs vada, VrstvaOsy vrstva, const Uloha& u, Jazyk j) {
    const QString cast = NazevCasti(vrstva.cast, j);
    const QString cislo = QString::number(vrstva.cislo);
    if (vada == VadaOs::JakoSteny) {
        return Text(id::RozmitaniVrstvaJakoSteny, j).arg(cast, cislo);
    }
    if (vada != VadaOs::BezVrstvy || !u.Pec) {
        return {};
    }
    const Vyzdivka& v = vrstva.cast == CastPece::Strop    ? u.Pec->Strop
                        : vrstva.cast == CastPece::Nistej ? u.Pec->Nistej
                                                          : u.Pec->Steny;
    return Text(id::RozmitaniBezVrstvy, j).arg(cast, cislo, QString::number(v.size()));
}

QString ZpravaHledani(const VysledekHledani& h, const PopisPole& pole, const Uloha& u, double cas, Jazyk j) {
    const QString sekund = TextObecny(static_cast<float>(cas));
    switch (h.konec) {
        case KonecHledani::Nelze: {
            // The end of the range that would meet the time if any value did.
            const auto [od, po] = RozsahHledani(pole, u);
            const double kraj = (pole.hledani == Hledani::Mensi ? od : po) / pole.meritko;
            const QString text = Text(pole.cil.nelze, j).arg(sekund);
            return text.contains(QLatin1String("%2")) ? text.arg(TextObecny(static_cast<float>(kraj))) : text;
        }
        case KonecHledani::Prodlevou:
            return Text(id::NelzeProdlevou, j)
                .arg(sekund, TextObecny(static_cast<float>(ZobrazenaHodnota(Pole(Velicina::Prodleva), u))));
        case KonecHledani::Prikonem:
            return Text(id::NelzePrikonem, j)
                .arg(sekund, TextObecny(static_cast<float>(ZobrazenaHodnota(Pole(Velicina::Prikon), u))));
        case KonecHledani::Tabulkou:
            return Text(id::NelzeTabulkou, j).arg(sekund, TextObecny(u.CasKrok));
        case KonecHledani::Nemenitelna:
            return ZpravaNemenitelne(pole, u, j);
        case KonecHledani::Nalezeno:
        case KonecHledani::Odmitnuto:
        case KonecHledani::Preruseno:
            break;
    }
    return {};
}

QString RadekOdpovedi(const PopisPole& pole, double hodnota, const Uloha& u, Jazyk j) {
    if (pole.cil.popisek != 0) {
        return Text(pole.cil.popisek, j) + QLatin1String(": ") + QString::number(hodnota, 'g', 10).replace(QLatin1Char('.'), OddelovacLokalu());
    }
    return NazevPole(pole.velicina, 0, u, j) + QLatin1String(": ") + QString::number(hodnota / pole.meritko, 'g', 10).replace(QLatin1Char('.'), OddelovacLokalu());
}

}  // namespace zorvet
