#include "ui/main_window/sezeni.h"

#include <QFileInfo>

#include "files/retezce.h"
#include "files/zpravy.h"
#include "model/pipeline/vypocet.h"
#include "ui/common/ukladani.h"

namespace zorvet {

Sezeni::Sezeni() = default;

void Sezeni::prijmiTise(const Uloha& uloha) {
    prijata_ = uloha;
    puvodPrijate_ = OtiskUlohy(uloha) == formular_.puvod.otisk ? formular_.puvod : PuvodUlohy{};
}

void Sezeni::prijmi(const Uloha& uloha, bool tiche) {
    const bool tenSamy = vysledek_ != nullptr && OtiskUlohy(uloha) == OtiskUlohy(vysledek_->Uloha);
    prijmiTise(uloha);
    if (tiche && tenSamy) {
        return;
    }
    vysledkyPristupne_ = false;
    ulozeniPovoleno_ = false;
    souborOkna_.clear();
}

std::optional<Chyba> Sezeni::spocti(Jazyk jazyk) {
    if (!prijata_) {
        return std::nullopt;
    }
    VysledekVypoctu r = Spocti(*prijata_);
    std::optional<Chyba> chyba = ChybaVypoctu(r, r.vysledek ? r.vysledek->Uloha : *prijata_, jazyk);
    if (r.vysledek) {
        PojmenujVysledek(*r.vysledek, *prijata_, puvodPrijate_.soubor, puvodPrijate_.komentar, puvodPrijate_.otisk);
        vysledek_ = std::move(r.vysledek);
        ztratyPohledu_.reset();
        vysledkyPristupne_ = true;
        ulozeniPovoleno_ = true;
        vysledekNeulozen_ = true;
    }
    return chyba;
}

void Sezeni::otevreno(const QString& cesta, const QString& komentar, ObsahSouboru& obsah, float lambdaDatabaze) {
    Uloha u = obsah.uloha;
    // A file of the documented form holds no conductivity: the database gives it by the
    // material's name.
    if (!obsah.rozsirene) {
        u.Lambda = lambdaDatabaze;
    }
    formular_.nastav(u);
    formular_.puvod = PuvodZeSouboru(Soubor{cesta, komentar}, obsah.uloha);
    vysledek_ = DokonciNacteny(std::move(obsah.vysledek));
    ztratyPohledu_.reset();
    vysledkyPristupne_ = true;
    vysledekNeulozen_ = false;
    // Computing, when it is offered, computes the problem shown now, if it can be accepted.
    if (prijata_) {
        prijata_.reset();
        if (!PrijmiPripad(u).zavada) {
            prijmiTise(u);
        }
    }
    souborOkna_ = QFileInfo(cesta).fileName();
}

void Sezeni::nactenaUloha(const QString& cesta, const QString& komentar, const Uloha& uloha) {
    formular_.nastav(uloha);
    formular_.puvod = PuvodZeSouboru(Soubor{cesta, komentar}, uloha);
}

void Sezeni::vysledkyUlozeny(const QString& cesta, const QString& komentar) {
    // From now on the result is that of its file, with its comment.
    auto kopie = std::make_shared<Vysledek>(*vysledek_);
    kopie->Soubor = QFileInfo(cesta).fileName().toStdString();
    kopie->Komentar = komentar.toStdString();
    vysledek_ = std::move(kopie);
    // The file holds the problem too: when it is the one edited or accepted, that one is saved.
    const PuvodUlohy puvod = PuvodZeSouboru(Soubor{cesta, komentar}, vysledek_->Uloha);
    if (formular_.otisk() == puvod.otisk) {
        formular_.puvod = puvod;
    }
    if (prijata_ && OtiskUlohy(*prijata_) == puvod.otisk) {
        puvodPrijate_ = puvod;
    }
    vysledekNeulozen_ = false;
    souborOkna_ = QFileInfo(cesta).fileName();
}

void Sezeni::ulohaUlozena(const QString& cesta, const QString& komentar, const Uloha& uloha) {
    formular_.puvod = PuvodZeSouboru(Soubor{cesta, komentar}, uloha);
    if (prijata_ && OtiskUlohy(*prijata_) == formular_.puvod.otisk) {
        puvodPrijate_ = formular_.puvod;
    }
}

bool Sezeni::nastavZtraty(std::int16_t ztraty) {
    if (vysledek_ == nullptr || this->ztraty() == ztraty) {
        return true;
    }
    if (vysledek_->Uloha.Prikon > 0.0f) {
        // The installed power covers the losses before it heats the charge: another march.
        Uloha u = vysledek_->Uloha;
        u.Ztraty = ztraty;
        VysledekVypoctu r = Spocti(u);
        if (!r.vysledek) {
            return false;
        }
        vysledek_ = std::move(r.vysledek);
        ztratyPohledu_.reset();
        vysledekNeulozen_ = true;
    } else {
        ztratyPohledu_ = ztraty;
    }
    // One case has one figure: the problem and the accepted case take it too.
    if (formular_.uloha().Ztraty != ztraty) {
        formular_.pis(Velicina::Ztraty, 0, QString::number(ztraty));
        formular_.opusteno(Velicina::Ztraty);
    }
    if (prijata_) {
        prijata_->Ztraty = ztraty;
    }
    return true;
}

std::int16_t Sezeni::ztraty() const {
    return ztratyPohledu_.value_or(vysledek_ != nullptr ? vysledek_->Uloha.Ztraty : std::int16_t{0});
}

std::optional<Zavada> Sezeni::pouzij(Velicina velicina, double hodnota, const QString& text) {
    if (!prijata_ && vysledek_ == nullptr) {
        return std::nullopt;
    }
    Uloha u = prijata_ ? *prijata_ : vysledek_->Uloha;
    NastavHodnotu(u, Pole(velicina), hodnota);
    if (const PrijatyPripad p = PrijmiPripad(u); p.zavada) {
        return p.zavada;
    }
    formular_.pis(velicina, 0, text);
    formular_.opusteno(velicina);
    prijmi(u, false);
    return std::nullopt;
}

bool Sezeni::vysledekFormulare() const {
    return vysledek_ != nullptr && formular_.otisk() == OtiskUlohy(vysledek_->Uloha);
}

QString UkazKomentare(Dialogy& dialogy, Relace& relace, const QString& cesta, const QStringList& komentare, Jazyk j) {
    const QString titulek = Text(id::KomentarSouboru, j) + QLatin1Char('"') + QFileInfo(cesta).fileName() + QLatin1Char('"');
    for (const QString& k : komentare) {
        dialogy.zprava(Ikona::Informace, titulek, k);
    }
    const QString komentar = komentare.isEmpty() ? QString() : komentare.last();
    if (!komentar.isEmpty()) {
        relace.komentar = komentar;
    }
    return komentar;
}

}  // namespace zorvet
