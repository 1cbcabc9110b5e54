// The reader of problem and results files: the documented problem, its curve and the results rows.
#include <QDir>
#include <QFileInfo>
#include <algorithm>
#include <cmath>
#include <memory>
#include <vector>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/cteni_souboru.h"
#include "files/krivka_csv.h"
#include "files/soubor.h"
#include "files/soubor_radky.h"
#include "files/windows1250.h"
#include "model/case/geometrie.h"
#include "model/case/konstanty.h"
#include "model/march/prubeh_pece.h"
#include "model/load/svazek.h"
#include "model/load/usporadani.h"
#include "files/soubor_ctenar.h"

namespace zorvet::soubor {

Ctenar::Konec Ctenar::cti(bool sVysledky, Vysledek* v, bool& rozsireni) {
    std::optional<QString> radek1 = najdiRadek1();
    if (!radek1) {
        return Konec::NeniUloha;
    }
    if (!ctiUlohu(*radek1) || (u_.Rizeny && !ctiKrivku())) {
        return Konec::NeuplnaUloha;
    }
    rozsireni = ctiRozsireni();
    dokonciPec();
    if (u_.zRozmeru()) {
        u_.CelkovaPlocha = CelkovaPlochaProfilu(u_).value_or(0.0f);
    }
    if (!sVysledky) {
        zaUlohou();
        return Konec::Ok;
    }
    if (!ctiVysledky(*v)) {
        return Konec::BezVysledku;
    }
    v->OmezenoDo = omezenoDo_;
    const PrubehPece pec(u_);
    v->TeplotaPece.resize(v->Vysledky.Cas.size());
    for (std::size_t i = 0; i < v->TeplotaPece.size(); ++i) {
        v->TeplotaPece[i] = pec(static_cast<long>(i));
    }
    vlozOmezene(*v);
    if (!vlozPec(*v)) {
        return Konec::BezVysledku;
    }
    if (jadro_ || casJadra_) {
        dokonciJadro();
        jadro_->omezenoDo = 0.0f;
        for (std::size_t k = 0; k < jadro_->pec.size(); ++k) {
            if (jadro_->pec[k] != pec(static_cast<long>(k))) {
                jadro_->omezenoDo = static_cast<float>(static_cast<double>(k) * static_cast<double>(u_.CasKrok));
            }
        }
        v->Jadro = std::move(*jadro_);
    }
    // The arrangement's result: what its lines hold, the porosity from the case, and the cycle.
    if (usporadani_ && MaUsporadani(u_)) {
        usporadani_->mrizka = u_.MrizkaX > 1 || u_.MrizkaY > 1;
        usporadani_->svazek = !usporadani_->mrizka;
        if (usporadani_->svazek) {
            usporadani_->porozita = u_.Porozita > 0.0f ? static_cast<double>(u_.Porozita)
                                    : PorozitaBaleni(u_.Baleni == 1 ? Baleni::Sestiuhelne : Baleni::Ctvercove);
        }
        v->Usporadani = std::move(usporadani_);
    }
    return Konec::Ok;
}

std::optional<QString> Ctenar::najdiRadek1() {
    std::optional<qsizetype> nahradni;
    for (qsizetype i = 0; i < radky_.size(); ++i) {
        if (JeRadek1(radky_[i])) {
            return prvniRadek(i);
        }
        if (!nahradni && ObsahujeText(radky_[i], id::SouborTpece)) {
            nahradni = i;
        }
    }
    if (!nahradni) {
        return std::nullopt;
    }
    return prvniRadek(*nahradni);
}

QString Ctenar::prvniRadek(qsizetype i) {
    for (qsizetype k = 0; k < i; ++k) {
        if (!radky_[k].trimmed().isEmpty()) {
            o_.komentare.append(radky_[k]);
        }
    }
    dalsi_ = i + 1;
    return radky_[i];
}

std::optional<double> Ctenar::cisloRadku(const QString& radek) {
    const QString text = radek.mid(kSloupecHodnoty - 1).trimmed();
    if (text.isEmpty()) {
        return std::nullopt;
    }
    const std::optional<double> x = parseNumber(text);
    if (!x) {
        odmitni(id::RadekNeniCislo, text);
    }
    return x;
}

double Ctenar::cisloVysledku(const QString& radek) {
    const double x = cisloRadku(radek).value_or(0.0);
    if (!JeSingle(x)) {
        odmitni(id::RadekMimoSingle, radek.mid(kSloupecHodnoty - 1));
    }
    return x;
}

void Ctenar::ctiHodnotu(const PopisPole& p, const QString& radek) {
    switch (p.druh) {
        case DruhPole::Cislo: {
            const std::optional<double> x = cisloRadku(radek);
            // An empty density keeps the one held, as the density field's value does.
            if (x || p.velicina != Velicina::Gama) {
                u_.*p.cislo = static_cast<float>(x.value_or(0.0) * p.meritko);
            }
            break;
        }
        case DruhPole::Pocet: {
            const std::optional<double> x = cisloRadku(radek);
            const std::optional<std::int16_t> n = x ? wholeInt16(*x) : std::int16_t{0};
            if (!n || *n != x.value_or(0.0)) {
                odmitni(id::RadekNeniCele, radek.mid(kSloupecHodnoty - 1));
            }
            u_.*p.pocet = *n;
            break;
        }
        case DruhPole::Text:
            u_.NazevMaterialu = CtiText(radek).toStdString();
            break;
        case DruhPole::Kod:
            if (!NastavKod(u_, p.velicina, CtiText(radek))) {
                odmitni(id::RadekNeniKod, CtiText(radek),
                        p.velicina == Velicina::Profil ? QStringLiteral("K, C, O") : QStringLiteral("Z, V"));
            }
            break;
    }
}

bool Ctenar::ctiUlohu(const QString& radek1) {
    u_.Tpece = static_cast<float>(cisloRadku(radek1).value_or(0.0));
    u_.Rizeny = u_.Tpece == 0.0f;
    if (!u_.Rizeny) {
        // An uncontrolled problem has no curve; a stale count would write one again.
        u_.PocetKrivek = 0;
    }
    // The conditions look at values read before them: the mass setting, then the profile.
    for (const PopisPole* p : RadkySouboru()) {
        if (!Plati(p->kdy, u_)) {
            continue;
        }
        const std::optional<QString> r = radek();
        if (!r) {
            return false;
        }
        ctiHodnotu(*p, *r);
    }
    return true;
}

std::vector<double> Ctenar::cislaRadku(const QString& r, qsizetype pocet, int zprava) {
    const QStringList pole = RozdelRadek(r);
    if (pole.size() != pocet) {
        odmitni(zprava, r, QString::number(pocet));
    }
    std::vector<double> cisla;
    for (const QString& p : pole) {
        const std::optional<double> x = parseNumber(p);
        if (!x) {
            odmitni(id::RadekNeniCislo, p);
        }
        cisla.push_back(*x);
    }
    return cisla;
}

bool Ctenar::ctiKrivku() {
    const qsizetype zaUlohou = dalsi_;
    bool nadpis = false;
    std::optional<QString> r;
    while ((r = radek()) && !JePravitko(*r) && !JeRadekDobyOhrevu(*r)) {
        nadpis = nadpis || ObsahujeText(*r, id::SouborKrivka);
    }
    if (!r || !JePravitko(*r)) {
        if (nadpis) {
            return false;
        }
        u_.Rizeny = false;
        u_.PocetKrivek = 0;
        dalsi_ = zaUlohou;
        return true;
    }
    int posledni = -1;
    bool konec = false;
    while ((r = radek()) && !r->trimmed().isEmpty()) {
        if (konec) {
            odmitni(id::RadekZaKrivkou, *r);
        }
        if (posledni + 1 == kPocetBodu) {
            odmitni(id::RadekKrivky, *r);
        }
        const std::vector<double> bod = cislaRadku(*r, 2, id::RadekKrivkyCisla);
        UsekKrivky& b = u_.Krivka[static_cast<std::size_t>(++posledni)];
        b.Teplota = static_cast<float>(bod[0]);
        b.DobaVydrze = static_cast<float>(bod[1]);
        konec = b.DobaVydrze == 0.0f;
    }
    if (posledni < 0) {
        return false;
    }
    u_.PocetKrivek = static_cast<std::int16_t>(posledni);
    return true;
}

bool Ctenar::kPravitku(bool& alfa) {
    std::optional<QString> r;
    while ((r = radek())) {
        if (JePravitko(*r)) {
            return true;
        }
        alfa = alfa || r->contains(QLatin1String("Alfa"));
        if (!r->trimmed().isEmpty() && !JeRadekDobyOhrevu(*r) &&
            !ZacinaTextem(*r, id::SloupecCas) && !r->contains(QLatin1String("Alfa"))) {
            odmitni(id::RadekCizi, *r);
        }
    }
    return false;
}

void Ctenar::zaUlohou() {
    bool alfa = false;
    kPravitku(alfa);
}

bool Ctenar::ctiVysledky(Vysledek& v) {
    bool alfa = false;
    if (!kPravitku(alfa)) {
        return false;
    }
    const double krok = static_cast<double>(u_.CasKrok);
    std::optional<QString> r;
    int i = 0;
    while ((r = radek())) {
        if (r->trimmed().isEmpty()) {
            continue;
        }
        if (i == kPocetRadku) {
            odmitni(id::RadekNavic, *r);
        }
        const std::vector<double> hodnoty = cislaRadku(*r, alfa ? 3 : 2, id::RadekVysledku);
        const double cas = static_cast<double>(i) * krok;
        if (!(std::fabs(hodnoty[0] - cas) <= 1.0e-6 * std::max(std::fabs(cas), std::fabs(krok)))) {
            odmitni(id::RadekCasu, RozdelRadek(*r).value(0), QString::number(i),
                    TextZpravy(static_cast<float>(cas), QLatin1Char('.')).trimmed());
        }
        if (!jeTeplota(hodnoty[1]) || (alfa && !JeSingle(hodnoty[2]))) {
            odmitni(id::RadekTeploty, RozdelRadek(*r).value(jeTeplota(hodnoty[1]) ? 2 : 1));
        }
        v.Vysledky.Cas.push_back(static_cast<float>(hodnoty[0]));
        v.Vysledky.TeplotaVsazky.push_back(static_cast<float>(hodnoty[1]));
        v.Vysledky.Alfa.push_back(alfa ? static_cast<float>(hodnoty[2]) : 0.0f);
        ++i;
    }
    if (i == 0) {
        return false;
    }
    v.Vysledky.Odhad.assign(static_cast<std::size_t>(i), 0.0f);
    v.PocetKroku = static_cast<std::int16_t>(i - 1);
    return true;
}

void Ctenar::ctiHlavicku(QString (*hlavicka)(Jazyk)) {
    const QString r = radek().value_or(QString());
    QStringView bez(r);
    while (bez.endsWith(QLatin1Char(' '))) {
        bez.chop(1);
    }
    if (bez != hlavicka(Jazyk::Anglicky) && bez != hlavicka(Jazyk::Cesky)) {
        odmitni(id::RadekRozsireni, r);
    }
}

}  // namespace zorvet::soubor

namespace zorvet {

using namespace soubor;

namespace {

PrecteniSouboru selhani(const QString& cesta, const QString& popis, Jazyk jazyk) {
    return PrecteniSouboru{nullptr,
                           Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, jazyk),
                                 QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis},
                           false};
}

}  // namespace

PrecteniSouboru NactiSoubor(const QString& cesta, bool sVysledky, const Uloha& vychozi, Jazyk jazyk) {
    // Only a regular file holds a problem: a folder is none, and a device or pipe may never end
    // (/dev/zero) or never begin (a pipe without a writer).
    const CelySoubor soubor = NactiCelySoubor(cesta, kNejvetsiSoubor, jazyk);
    if (soubor.druh == DruhSelhani::PrilisVelky) {
        return selhani(cesta, Text(id::PrilisVelkySoubor, jazyk).arg(QFileInfo(cesta).size()).arg(kNejvetsiSoubor),
                       jazyk);
    }
    if (!soubor.precten()) {
        return selhani(cesta, soubor.chyba, jazyk);
    }
    const QByteArray& bajty = soubor.bajty;

    auto obsah = std::make_unique<ObsahSouboru>();
    obsah->uloha = vychozi;
    // A file without the extended setting holds the defaults of the inputs beyond the documented
    // problem, but for the reduction factor, which the documented format never held: it stays.
    for (const PopisPole* p : RadkyRozsireni()) {
        if (p->velicina != Velicina::c && p->velicina != Velicina::KoefK) {
            NastavHodnotu(obsah->uloha, *p, p->vychozi);
        }
    }
    obsah->uloha.Vlastnosti.reset();
    obsah->uloha.Pec.reset();
    auto vysledek = std::make_shared<Vysledek>();
    Ctenar ctenar(*obsah, decodeDataFile(bajty), jazyk);
    Ctenar::Konec konec = Ctenar::Konec::Ok;
    bool rozsireni = false;
    try {
        konec = ctenar.cti(sVysledky, vysledek.get(), rozsireni);
    } catch (const ChybaRadku& chyba) {
        return selhani(cesta, chyba.text, jazyk);
    }
    switch (konec) {
        case Ctenar::Konec::Ok:
            break;
        case Ctenar::Konec::NeniUloha:
            return selhani(cesta, Text(id::NeniZadani, jazyk), jazyk);
        case Ctenar::Konec::NeuplnaUloha:
            return selhani(cesta, Text(id::NeuplnySoubor, jazyk), jazyk);
        case Ctenar::Konec::BezVysledku: {
            PrecteniSouboru p = selhani(cesta, Text(id::BezVysledku, jazyk), jazyk);
            p.jenUloha = true;
            return p;
        }
    }
    obsah->rozsirene = rozsireni;
    if (sVysledky) {
        vysledek->Uloha = obsah->uloha;
        vysledek->Soubor = QFileInfo(cesta).fileName().toStdString();
        vysledek->Komentar = obsah->komentare.isEmpty() ? std::string() : obsah->komentare.last().toStdString();
        // A file of the documented form holds no reduction factor; the extended setting does.
        vysledek->ZnamyKoefK = rozsireni;
        obsah->vysledek = std::move(vysledek);
    }
    return PrecteniSouboru{std::move(obsah), Chyba{}, false};
}

}  // namespace zorvet

