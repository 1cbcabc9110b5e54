#include "ui/common/ukladani.h"

#include <QFileInfo>

#include "files/retezce.h"
#include "ui/common/kurzor.h"

namespace zorvet {

namespace {

QString zeptejSeNaKomentar(Dialogy& dialogy, Jazyk j, const QString& dosavadni) {
    if (!dialogy.otazka(Text(id::Zorvet, j), Text(id::NapsatKomentar, j))) {
        return {};
    }
    return dialogy.vstup(Text(id::NapisText, j), Text(id::Komentar, j), dosavadni).value_or(QString());
}

}  // namespace

std::optional<Soubor> UlozSDialogem(Dialogy& dialogy, Relace& relace, Jazyk j, const Uloha& uloha,
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
    if (const std::optional<Chyba> chyba = UlozSoubor(*cesta, uloha, vysledek, relace.komentar, j)) {
        kurzor.uvolni();
        Ohlas(dialogy, *chyba);
        return std::nullopt;
    }
    dialogy.souborPouzit(*cesta);
    return Soubor{*cesta, relace.komentar};
}

std::optional<OtevrenySoubor> OtevriSDialogem(Dialogy& dialogy, Relace& relace, Jazyk j, bool sVysledky,
                                              const Uloha& vychozi) {
    const std::optional<QString> cesta =
        dialogy.otevritSoubor(Text(sVysledky ? id::FiltrVysledku : id::FiltrZadani, j), 2);
    if (!cesta) {
        return std::nullopt;
    }
    KurzorCekani kurzor(dialogy);
    PrecteniSouboru precteni = NactiSoubor(*cesta, sVysledky, vychozi, j);
    kurzor.uvolni();
    if (!precteni.obsah) {
        Ohlas(dialogy, precteni.chyba);
        return std::nullopt;
    }
    dialogy.souborPouzit(*cesta);
    const QString titulek = Text(id::KomentarSouboru, j) + QLatin1Char('"') + QFileInfo(*cesta).fileName() + QLatin1Char('"');
    QString komentar;
    for (const QString& k : precteni.obsah->komentare) {
        dialogy.zprava(Ikona::Informace, titulek, k);
        komentar = k;
    }
    // A file without a comment leaves the session's comment as it was.
    if (!komentar.isEmpty()) {
        relace.komentar = komentar;
    }
    return OtevrenySoubor{Soubor{*cesta, komentar}, std::move(precteni.obsah)};
}

PuvodUlohy PuvodZeSouboru(const Soubor& soubor, const Uloha& uloha) {
    return PuvodUlohy{QFileInfo(soubor.cesta).fileName(), soubor.komentar, OtiskUlohy(uloha)};
}

}  // namespace zorvet
