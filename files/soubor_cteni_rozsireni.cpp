// The reader of the extended setting of problem and results files: the inputs beyond the
// documented problem, the property model or curve, the power-limited steps, the core and the
// arrangement's result.
#include "files/soubor_ctenar.h"

#include <algorithm>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/krivka_csv.h"

namespace zorvet::soubor {

bool Ctenar::ctiRozsireni() {
    const qsizetype zaUlohou = dalsi_;
    std::optional<QString> r;
    while ((r = radek()) && r->trimmed().isEmpty()) {
    }
    if (!r || !JePopisek(*r, id::SouborRozsireni)) {
        dalsi_ = zaUlohou;
        return false;
    }
    const std::vector<const PopisPole*> pole = RadkyRozsireni();
    for (const PopisPole* p : pole) {
        NastavHodnotu(u_, *p, p->velicina == Velicina::c ? static_cast<double>(u_.c) : p->vychozi);
    }
    // The other lines of the section; the property model and a property curve are one input.
    const int ostatni[] = {id::SouborModelVlastnosti,    id::SouborOmezenoDo,        id::SouborOmezeneKroky,
                           id::SouborBiot,               id::SouborCasJadra,         id::SouborJadro,
                           id::SouborNejpomalejsiRada,   id::SouborNejpomalejsiSloupec,
                           id::SouborCasNejrychlejsiho,  id::SouborEfektivniVodivost, id::SouborEnergieProdlevy};
    std::vector<int> precteno;
    while ((r = radek())) {
        if (r->trimmed().isEmpty()) {
            continue;
        }
        if (JeRadekDobyOhrevu(*r)) {
            --dalsi_;
            return true;
        }
        if (ctiRadekPece(*r)) {
            continue;
        }
        const auto p = std::find_if(pole.begin(), pole.end(),
                                    [&](const PopisPole* x) { return JePopisek(*r, x->rozsirenyPopisek); });
        int popisek = p != pole.end() ? (*p)->rozsirenyPopisek : 0;
        for (const int id : ostatni) {
            if (popisek == 0 && JePopisek(*r, id)) {
                popisek = id;
            }
        }
        if (popisek == 0 && JePopisek(*r, id::SouborKrivkaVlastnosti)) {
            popisek = id::SouborModelVlastnosti;
        }
        if (popisek == 0 || std::find(precteno.begin(), precteno.end(), popisek) != precteno.end()) {
            odmitni(id::RadekRozsireni, *r);
        }
        precteno.push_back(popisek);
        if (p != pole.end()) {
            if ((*p)->rozsirenyKdy == Kdy::SPeci && prvniRadekPece_ == 0) {
                prvniRadekPece_ = cislo();
                prvniTextPece_ = *r;
            }
            ctiHodnotu(**p, *r);
        } else if (popisek == id::SouborModelVlastnosti) {
            JePopisek(*r, id::SouborKrivkaVlastnosti) ? ctiKrivkuVlastnosti(*r) : ctiModel(*r);
        } else if (popisek == id::SouborOmezenoDo) {
            omezenoDo_ = static_cast<float>(cisloVysledku(*r));
        } else if (popisek == id::SouborOmezeneKroky) {
            ctiOmezene();
        } else if (popisek == id::SouborBiot) {
            jadro().biot = cisloVysledku(*r);
        } else if (popisek == id::SouborCasJadra) {
            casJadra_ = cisloVysledku(*r);
            radekCasuJadra_ = cislo();
        } else if (popisek == id::SouborNejpomalejsiRada || popisek == id::SouborNejpomalejsiSloupec) {
            const std::optional<double> x = cisloRadku(*r);
            const std::optional<std::int16_t> n = x ? wholeInt16(*x) : std::nullopt;
            if (!n || *n != *x || *n < 1) {
                odmitni(id::RadekNeniCele, r->mid(kSloupecHodnoty - 1));
            }
            (popisek == id::SouborNejpomalejsiRada ? usporadani().radek : usporadani().sloupec) = *n;
        } else if (popisek == id::SouborCasNejrychlejsiho) {
            usporadani().casNejrychlejsiho = cisloVysledku(*r);
        } else if (popisek == id::SouborEfektivniVodivost) {
            usporadani().kef = cisloVysledku(*r);
        } else if (popisek == id::SouborEnergieProdlevy) {
            usporadani().teploProdlevy = cisloVysledku(*r) * 3.6e6;
        } else {
            ctiJadro();
        }
    }
    return true;
}

void Ctenar::ctiModel(const QString& radek) {
    const QString klic = CtiText(radek).trimmed();
    if (klic != QLatin1String(kUhlikovaOcel) && klic != QLatin1String(kNerezovaOcel)) {
        odmitni(id::RadekNeniKod, klic, QLatin1String(kUhlikovaOcel) + QLatin1String(", ") + QLatin1String(kNerezovaOcel));
    }
    u_.Vlastnosti = VestaveneVlastnosti(klic.toStdString());
}

void Ctenar::ctiKrivkuVlastnosti(const QString& radekNazvu) {
    VlastnostiMaterialu v{OdkryjNazev(CtiText(radekNazvu)), {}};
    ctiHlavicku(HlavickaBodu);
    std::vector<RadekBodu> body;
    std::optional<QString> r;
    while ((r = radek()) && !r->trimmed().isEmpty()) {
        const std::vector<double> x = cislaRadku(*r, 3, id::RadekVlastnosti);
        body.push_back({cislo(), RozdelRadek(*r),
                        {static_cast<float>(x[0]), static_cast<float>(x[1]), static_cast<float>(x[2])}});
        v.Body.push_back(body.back().bod);
    }
    if (const std::optional<QString> chyba = ChybaBodu(body, r ? cislo() : cislo() + 1, false, j_)) {
        throw ChybaRadku{*chyba};
    }
    u_.Vlastnosti = std::move(v);
}

void Ctenar::ctiOmezene() {
    ctiHlavicku(HlavickaOmezenych);
    std::optional<QString> r;
    while ((r = radek()) && !r->trimmed().isEmpty()) {
        const std::vector<double> x = cislaRadku(*r, 2, id::RadekVysledku);
        if (!jeTeplota(x[1])) {
            odmitni(id::RadekTeploty, RozdelRadek(*r).value(1));
        }
        omezene_.push_back({cislo(), RozdelRadek(*r).value(0), static_cast<float>(x[0]), static_cast<float>(x[1])});
    }
}

void Ctenar::ctiJadro() {
    ctiHlavicku(HlavickaJadra);
    zorvet::Jadro& j = jadro();
    const double krok = static_cast<double>(u_.CasKrok);
    std::optional<QString> r;
    while ((r = radek()) && !r->trimmed().isEmpty()) {
        const std::vector<double> x = cislaRadku(*r, 4, id::RadekJadra);
        const auto k = static_cast<double>(j.teplota.size());
        if (!(std::fabs(x[0] - k * krok) <= 1.0e-6 * std::max(k * krok, std::fabs(krok)))) {
            odmitni(id::RadekCasu, RozdelRadek(*r).value(0), QString::number(j.teplota.size()),
                    TextZpravy(static_cast<float>(k * krok), QLatin1Char('.')).trimmed());
        }
        for (std::size_t i = 1; i < 4; ++i) {
            if (!jeTeplota(x[i])) {
                odmitni(id::RadekTeploty, RozdelRadek(*r).value(static_cast<qsizetype>(i)));
            }
        }
        j.povrch.push_back(static_cast<float>(x[1]));
        j.teplota.push_back(static_cast<float>(x[2]));
        j.pec.push_back(static_cast<float>(x[3]));
    }
}

void Ctenar::dokonciJadro() {
    zorvet::Jadro& j = jadro();
    const double krok = static_cast<double>(u_.CasKrok);
    if (casJadra_) {
        // The core time is the time of one of the core's rows: a time beyond them has no row
        // the core reached it in.
        const double kroku = std::nearbyint(*casJadra_ / krok);
        if (!(kroku >= 0.0 && kroku < static_cast<double>(j.teplota.size()))) {
            odmitniNa(radekCasuJadra_, id::RadekCasJadra, radky_[radekCasuJadra_ - 1].mid(kSloupecHodnoty - 1),
                      TextZpravy(static_cast<float>(static_cast<double>(j.teplota.size()) * krok - krok),
                                 QLatin1Char('.')).trimmed());
        }
        j.krok = static_cast<long>(kroku);
        j.cas = *casJadra_;
    }
    j.konec = j.krok >= 0 ? KonecJadra::Dosazeno : KonecJadra::Nedosazeno;
}

void Ctenar::vlozOmezene(Vysledek& v) const {
    int i = 0;
    for (const Omezeny& o : omezene_) {
        while (i <= v.PocetKroku && v.Vysledky.Cas[static_cast<std::size_t>(i)] != o.cas) {
            ++i;
        }
        if (i > v.PocetKroku) {
            odmitniNa(o.radek, id::RadekOmezeni, o.text);
        }
        v.TeplotaPece[static_cast<std::size_t>(i++)] = o.teplota;
    }
}

}  // namespace zorvet::soubor
