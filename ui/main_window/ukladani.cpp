#include "ui/main_window/ukladani.h"

#include <QFileInfo>

#include "files/retezce.h"
#include "ui/common/kurzor.h"

namespace zorvet {

namespace {

QString zeptejSeNaKomentar(Dialogy& dialogy, std::int16_t j, const QString& dosavadni) {
    if (!dialogy.otazka(Text(id::Zorvet, j), Text(id::NapsatKomentar, j))) {
        return {};
    }
    return dialogy.vstup(Text(id::NapisText, j), Text(id::Komentar, j), dosavadni).value_or(QString());
}

}  // namespace

std::optional<QString> UlozSDialogem(Dialogy& dialogy, Relace& relace, std::int16_t j, const Uloha& uloha,
                                     const Vysledek* vysledek) {
    const bool sVysledky = vysledek != nullptr;
    const std::optional<QString> cesta =
        dialogy.ulozitSoubor(Text(sVysledky ? id::FiltrVysledku : id::FiltrZadani, j), 2,
                             sVysledky ? QStringLiteral("odp") : QStringLiteral("cfg"));
    if (!cesta) {
        return std::nullopt;
    }
    const QString komentar = zeptejSeNaKomentar(dialogy, j, relace.komentar);
    // The comment asked for stays, whether or not the file can be written.
    relace.komentar = komentar.trimmed().isEmpty() ? QString() : komentar;
    KurzorCekani kurzor(dialogy);
    if (const std::optional<QString> chyba = UlozSoubor(*cesta, uloha, vysledek, relace.komentar, j)) {
        kurzor.uvolni();
        dialogy.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j), *chyba);
        return std::nullopt;
    }
    relace.otiskUlozene = OtiskUlohy(uloha);
    relace.soubor = QFileInfo(*cesta).fileName();
    return cesta;
}

std::unique_ptr<ObsahSouboru> OtevriSDialogem(Dialogy& dialogy, Relace& relace, std::int16_t j, bool sVysledky,
                                              const Uloha& vychozi, QString* cesta) {
    const std::optional<QString> vybrana = dialogy.otevritSoubor(Text(sVysledky ? id::FiltrVysledku : id::FiltrZadani, j), 2);
    if (!vybrana) {
        return nullptr;
    }
    *cesta = *vybrana;
    KurzorCekani kurzor(dialogy);
    PrecteniSouboru precteni = NactiSoubor(*vybrana, sVysledky, vychozi, j);
    kurzor.uvolni();
    if (!precteni.obsah) {
        dialogy.zprava(Ikona::Vykricnik, Text(id::ChybaSouboru, j), precteni.chyba);
        return nullptr;
    }
    const QString titulek = Text(id::KomentarSouboru, j) + QLatin1Char('"') + QFileInfo(*vybrana).fileName() + QLatin1Char('"');
    relace.soubor = QFileInfo(*vybrana).fileName();
    for (const QString& komentar : precteni.obsah->komentare) {
        dialogy.zprava(Ikona::Informace, titulek, komentar);
        relace.komentar = komentar;
    }
    relace.otiskUlozene = OtiskUlohy(precteni.obsah->uloha);
    return std::move(precteni.obsah);
}

}  // namespace zorvet
