// The furnace as a thermal system in the extended setting: its lines written, and read back
// strictly (files/soubor_pec.h, files/soubor_ctenar.h).
#include "files/soubor_pec.h"

#include <algorithm>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/pec_text.h"
#include "files/refraktory.h"
#include "files/soubor_ctenar.h"

namespace zorvet::soubor {

namespace {

const QString kMetry = QStringLiteral("[m]");
const QString kBez = QStringLiteral("[-]");
constexpr int kVyzdivky[] = {id::SouborVyzdivkaSten, id::SouborVyzdivkaStropu, id::SouborVyzdivkaNisteje};
constexpr double kKwh = 3.6e6;

QString cislo(double x) { return CisloSouboru(static_cast<float>(x)); }

std::vector<double> polozky(const BilancePece& b) {
    return {b.elektrina, b.vsazka, b.pripravky, b.vyzdivka, b.steny, b.dvere};
}

BilancePece bilance(const double* x) {
    const auto j = [](double kwh) { return kwh * kKwh; };
    return BilancePece{j(x[0]), j(x[1]), j(x[2]), j(x[3]), j(x[4]), j(x[5])};
}

}  // namespace

void ZapisPec(Zapisovac& z, const Uloha& u) {
    if (!u.Pec) {
        return;
    }
    const Pec& p = *u.Pec;
    const Jazyk j = z.jazyk();
    z.hodnota(id::SouborSirkaKomory, kMetry, CisloSouboru(p.Sirka), false);
    z.hodnota(id::SouborHloubkaKomory, kMetry, CisloSouboru(p.Hloubka), false);
    z.hodnota(id::SouborVyskaKomory, kMetry, CisloSouboru(p.Vyska), false);
    z.hodnota(id::SouborPlochaSten, kBez, TextPlochy(p.Plocha), true);
    if (p.DvereSirka > 0.0f || p.DvereVyska > 0.0f) {
        z.hodnota(id::SouborSirkaDveri, kMetry, CisloSouboru(p.DvereSirka), false);
        z.hodnota(id::SouborVyskaDveri, kMetry, CisloSouboru(p.DvereVyska), false);
    }
    z.hodnota(id::SouborStartPece, kBez, TextStartu(p), true);
    std::vector<const Refraktor*> refraktory;
    const Vyzdivka* vyzdivky[] = {&p.Steny, &p.Strop, &p.Nistej};
    for (std::size_t i = 0; i < 3; ++i) {
        const Vyzdivka& v = *vyzdivky[i];
        if (i > 0 && v.empty()) {
            continue;
        }
        z.hodnota(kVyzdivky[i], kBez, CisloSouboru(static_cast<std::int16_t>(v.size())), false);
        z.radek(HlavickaVrstev(j));
        for (const Vrstva& vrstva : v) {
            z.zony({QLatin1Char(' ') + QString::fromStdString(vrstva.Material.Nazev), CisloSouboru(vrstva.Tloustka)});
            const auto stejny = [&](const Refraktor* r) { return r->Nazev == vrstva.Material.Nazev; };
            if (std::none_of(refraktory.begin(), refraktory.end(), stejny)) {
                refraktory.push_back(&vrstva.Material);
            }
        }
        z.radek();
    }
    z.hodnota(id::SouborRefraktory, kBez, CisloSouboru(static_cast<std::int16_t>(refraktory.size())), false);
    for (const Refraktor* r : refraktory) {
        z.radek(QLatin1Char(' ') + TextRefraktoru(*r));
    }
    z.radek();
}

void ZapisVysledekPece(Zapisovac& z, const Vysledek& v) {
    if (!v.Pec) {
        return;
    }
    const VysledekPece& p = *v.Pec;
    const Jazyk j = z.jazyk();
    z.hodnota(id::SouborCasCyklu, Text(id::JednotkaSekundy, j), cislo(p.casCyklu), false);
    z.hodnota(id::SouborSpicka, QStringLiteral("[kW]"), cislo(p.spicka / 1000.0), false);
    z.hodnota(id::SouborCykluPece, kBez, CisloSouboru(static_cast<std::int16_t>(p.cyklu)), false);
    z.radek(Text(id::SouborBilancePece, j));
    z.radek(HlavickaBilance(j));
    for (const BilancePece* b : {&p.ohrev, &p.cyklus}) {
        QStringList radek;
        for (double x : polozky(*b)) {
            radek.append(cislo(x / kKwh));
        }
        z.zony(radek);
    }
    z.radek();
    z.radek(Text(id::SouborPrubehPece, j));
    z.radek(HlavickaPrubehuPece(j));
    const double krok = static_cast<double>(v.Uloha.CasKrok);
    for (std::size_t k = 0; k < p.pec.size(); ++k) {
        z.zony({cislo(static_cast<double>(k) * krok), CisloSouboru(p.pec[k]),
                cislo(static_cast<double>(p.prikon[k]) / 1000.0)});
    }
    z.radek();
}

bool Ctenar::ctiRadekPece(const QString& r) {
    const int popisky[] = {id::SouborSirkaKomory, id::SouborHloubkaKomory, id::SouborVyskaKomory, id::SouborPlochaSten,
                           id::SouborSirkaDveri, id::SouborVyskaDveri, id::SouborStartPece, id::SouborVyzdivkaSten,
                           id::SouborVyzdivkaStropu, id::SouborVyzdivkaNisteje, id::SouborRefraktory,
                           id::SouborCasCyklu, id::SouborSpicka, id::SouborCykluPece, id::SouborBilancePece,
                           id::SouborPrubehPece};
    const int* const konec = std::end(popisky);
    const int* const p = std::find_if(std::begin(popisky), konec, [&](int id) { return JePopisek(r, id); });
    if (p == konec) {
        return false;
    }
    CteniPece& c = pec_;
    if (std::find(c.precteno.begin(), c.precteno.end(), *p) != c.precteno.end()) {
        odmitni(id::RadekRozsireni, r);
    }
    c.precteno.push_back(*p);
    if (c.prvni == 0) {
        c.prvni = cislo();
        c.prvniText = r;
    }
    const auto rozmer = [&]() { return static_cast<float>(cisloRadku(r).value_or(0.0)); };
    switch (*p) {
        case id::SouborSirkaKomory:
            c.pec.Sirka = rozmer();
            break;
        case id::SouborHloubkaKomory:
            c.pec.Hloubka = rozmer();
            break;
        case id::SouborVyskaKomory:
            c.pec.Vyska = rozmer();
            break;
        case id::SouborSirkaDveri:
            c.pec.DvereSirka = rozmer();
            break;
        case id::SouborVyskaDveri:
            c.pec.DvereVyska = rozmer();
            break;
        case id::SouborPlochaSten: {
            const std::optional<PlochaSten> plocha = PlochaZTextu(CtiText(r));
            if (!plocha) {
                odmitni(id::RadekNeniKod, CtiText(r), QStringLiteral("inner, rounded"));
            }
            c.pec.Plocha = *plocha;
            break;
        }
        case id::SouborStartPece:
            if (!NastavStart(c.pec, CtiText(r))) {
                odmitni(id::RadekNeniKod, CtiText(r), QStringLiteral("hot, cold, cyclic, after:N"));
            }
            break;
        case id::SouborRefraktory:
            ctiRefraktory(r);
            break;
        case id::SouborCasCyklu:
            c.casCyklu = cisloRadku(r).value_or(0.0);
            break;
        case id::SouborSpicka:
            c.spicka = cisloRadku(r).value_or(0.0) * 1000.0;
            break;
        case id::SouborCykluPece:
            c.cyklu = static_cast<int>(cisloRadku(r).value_or(0.0));
            break;
        case id::SouborBilancePece:
            ctiHlavicku(HlavickaBilance);
            for (int i = 0; i < 2; ++i) {
                const std::optional<QString> radek = this->radek();
                const std::vector<double> x = cislaRadku(radek.value_or(QString()), 6, id::RadekRozsireni);
                c.bilance.insert(c.bilance.end(), x.begin(), x.end());
            }
            break;
        case id::SouborPrubehPece:
            ctiPrubehPece();
            break;
        default:
            ctiVrstvy(r, static_cast<std::size_t>(std::find(std::begin(kVyzdivky), std::end(kVyzdivky), *p) -
                                                  std::begin(kVyzdivky)));
            break;
    }
    return true;
}

std::size_t Ctenar::pocetRadku(const QString& r) {
    const std::optional<double> x = cisloRadku(r);
    if (!x || *x != std::floor(*x) || *x < 1.0 || *x > 1000.0) {
        odmitni(id::RadekNeniCele, r.mid(kSloupecHodnoty - 1));
    }
    return static_cast<std::size_t>(*x);
}

void Ctenar::ctiVrstvy(const QString& r, std::size_t cast) {
    const std::size_t pocet = pocetRadku(r);
    ctiHlavicku(HlavickaVrstev);
    std::vector<CteniPece::Vrstva>& vrstvy = pec_.vrstvy[cast];
    std::optional<QString> radek;
    while ((radek = this->radek()) && !radek->trimmed().isEmpty()) {
        const QStringList pole = RozdelRadek(*radek);
        const std::optional<double> d = pole.size() == 2 ? parseNumber(pole[1]) : std::nullopt;
        if (!d || !std::isfinite(*d)) {
            odmitni(id::RadekVrstvy, *radek);
        }
        vrstvy.push_back({cislo(), pole[0], static_cast<float>(*d)});
    }
    if (vrstvy.size() != pocet) {
        odmitni(id::RadekVrstev, QString::number(vrstvy.size()), QString::number(pocet));
    }
}

void Ctenar::ctiRefraktory(const QString& r) {
    const std::size_t pocet = pocetRadku(r);
    std::optional<QString> radek;
    while ((radek = this->radek()) && !radek->trimmed().isEmpty()) {
        QString chyba;
        std::optional<Refraktor> refraktor = CtiRadekRefraktoru(*radek, cislo(), j_, &chyba);
        if (!refraktor) {
            throw ChybaRadku{chyba};
        }
        const auto stejny = [&](const Refraktor& x) { return x.Nazev == refraktor->Nazev; };
        if (std::any_of(pec_.refraktory.begin(), pec_.refraktory.end(), stejny)) {
            odmitni(id::RadekRozsireni, *radek);
        }
        pec_.refraktory.push_back(std::move(*refraktor));
    }
    if (pec_.refraktory.size() != pocet) {
        odmitni(id::RadekVrstev, QString::number(pec_.refraktory.size()), QString::number(pocet));
    }
}

void Ctenar::ctiPrubehPece() {
    ctiHlavicku(HlavickaPrubehuPece);
    const double krok = static_cast<double>(u_.CasKrok);
    std::optional<QString> radek;
    while ((radek = this->radek()) && !radek->trimmed().isEmpty()) {
        const std::vector<double> x = cislaRadku(*radek, 3, id::RadekPrubehuPece);
        const auto k = static_cast<double>(pec_.teplota.size());
        if (!(std::fabs(x[0] - k * krok) <= 1.0e-6 * std::max(k * krok, std::fabs(krok))) || !jeTeplota(x[1]) ||
            !std::isfinite(x[2]) || x[2] < 0.0) {
            odmitni(id::RadekPrubehuPece, *radek);
        }
        pec_.teplota.push_back(static_cast<float>(x[1]));
        pec_.prikon.push_back(static_cast<float>(x[2] * 1000.0));
    }
}

void Ctenar::dokonciPec() {
    CteniPece& c = pec_;
    if (c.prvni == 0) {
        if (prvniRadekPece_ > 0) {
            odmitniNa(prvniRadekPece_, id::RadekPeceBezKomory, prvniTextPece_);
        }
        return;
    }
    const auto precteno = [&c](int id) { return std::find(c.precteno.begin(), c.precteno.end(), id) != c.precteno.end(); };
    for (int id : {id::SouborSirkaKomory, id::SouborHloubkaKomory, id::SouborVyskaKomory, id::SouborVyzdivkaSten}) {
        if (!precteno(id)) {
            odmitniNa(c.prvni, id::RadekPeceBezKomory, c.prvniText);
        }
    }
    Vyzdivka* vyzdivky[] = {&c.pec.Steny, &c.pec.Strop, &c.pec.Nistej};
    for (std::size_t i = 0; i < 3; ++i) {
        for (const CteniPece::Vrstva& v : c.vrstvy[i]) {
            const Refraktor* r = NajdiRefraktor(v.nazev.toStdString(), c.refraktory, {});
            if (r == nullptr) {
                odmitniNa(v.radek, id::RadekRefraktoru, v.nazev);
            }
            vyzdivky[i]->push_back(Vrstva{*r, v.tloustka});
        }
    }
    u_.Pec = c.pec;
}

bool Ctenar::vlozPec(Vysledek& v) const {
    const CteniPece& c = pec_;
    if (!u_.Pec) {
        return true;
    }
    const std::size_t radku = static_cast<std::size_t>(v.PocetKroku) + 1;
    if (!c.casCyklu || !c.spicka || c.bilance.size() != 12 || c.teplota.size() < radku) {
        return false;
    }
    VysledekPece p;
    p.casOhrevu = v.casOhrevu();
    p.casCyklu = *c.casCyklu;
    p.spicka = *c.spicka;
    p.cyklu = c.cyklu;
    p.ohrev = bilance(c.bilance.data());
    p.cyklus = bilance(c.bilance.data() + 6);
    p.pec = c.teplota;
    p.prikon = c.prikon;
    for (std::size_t k = 0; k < radku && k < v.TeplotaPece.size(); ++k) {
        v.TeplotaPece[k] = c.teplota[k];
    }
    v.Pec = std::move(p);
    return true;
}

}  // namespace zorvet::soubor
