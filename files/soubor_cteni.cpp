// The reader of problem and results files.
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
#include "model/geometrie.h"
#include "model/konstanty.h"
#include "model/prubeh_pece.h"
#include "model/svazek.h"
#include "model/usporadani.h"

namespace zorvet {

using namespace soubor;

namespace {

// Why a file is refused: a line that no writer writes.
struct ChybaRadku {
    QString text;
};

// A temperature a file can hold.
bool jeTeplota(double t) { return std::isfinite(t) && t >= -kKelvin; }

class Ctenar {
public:
    Ctenar(ObsahSouboru& obsah, const QString& text, Jazyk jazyk)
        : o_(obsah), u_(obsah.uloha), radky_(RadkyTextu(text)), j_(jazyk) {}

    enum class Konec { Ok, NeniUloha, NeuplnaUloha, BezVysledku };

    // Throws ChybaRadku for a line that holds what no writer writes. rozsireni tells whether
    // the file has the extended setting.
    Konec cti(bool sVysledky, Vysledek* v, bool& rozsireni) {
        std::optional<QString> radek1 = najdiRadek1();
        if (!radek1) {
            return Konec::NeniUloha;
        }
        if (!ctiUlohu(*radek1) || (u_.Rizeny && !ctiKrivku())) {
            return Konec::NeuplnaUloha;
        }
        rozsireni = ctiRozsireni();
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
        if (jadro_) {
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
            usporadani_->pole = u_.PoleX > 1 || u_.PoleY > 1;
            usporadani_->svazek = !usporadani_->pole;
            if (usporadani_->svazek) {
                usporadani_->porozita = u_.Porozita > 0.0f ? static_cast<double>(u_.Porozita)
                                        : PorozitaBaleni(u_.Baleni == 1 ? Baleni::Sestiuhelne : Baleni::Ctvercove);
            }
            v->Usporadani = std::move(usporadani_);
        }
        return Konec::Ok;
    }

private:
    std::optional<QString> radek() {
        if (dalsi_ >= radky_.size()) {
            return std::nullopt;
        }
        return radky_[dalsi_++];
    }
    // The 1-based number of the line read last.
    qsizetype cislo() const { return dalsi_; }

    [[noreturn]] void odmitni(int zprava, const QString& text, const QString& treti = QString(),
                              const QString& ctvrty = QString()) const {
        odmitniNa(cislo(), zprava, text, treti, ctvrty);
    }
    [[noreturn]] void odmitniNa(qsizetype radek, int zprava, const QString& text, const QString& treti = QString(),
                                const QString& ctvrty = QString()) const {
        QString t = Text(zprava, j_).arg(radek).arg(text.trimmed());
        if (!treti.isEmpty()) {
            t = t.arg(treti);
        }
        if (!ctvrty.isEmpty()) {
            t = t.arg(ctvrty);
        }
        throw ChybaRadku{t};
    }

    // Leaves the reader after line 1 and collects the comment lines before it. Without a line
    // laid out as line 1, the first line that contains either label is taken.
    std::optional<QString> najdiRadek1() {
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

    QString prvniRadek(qsizetype i) {
        for (qsizetype k = 0; k < i; ++k) {
            if (!radky_[k].trimmed().isEmpty()) {
                o_.komentare.append(radky_[k]);
            }
        }
        dalsi_ = i + 1;
        return radky_[i];
    }

    // The number of a value line: empty is no value (0); anything but a number is refused.
    std::optional<double> cisloRadku(const QString& radek) {
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

    // A value line into its field, from the unit the file shows it in.
    void ctiHodnotu(const PopisPole& p, const QString& radek) {
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

    bool ctiUlohu(const QString& radek1) {
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

    // The numbers of a table row, each with either separator; the row is refused unless it
    // holds exactly `pocet` of them.
    std::vector<double> cislaRadku(const QString& r, qsizetype pocet, int zprava) {
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

    // The curve section follows the problem section of a controlled problem. A line 1 with 0
    // and no curve section after it (the text ends, or the results section comes first) is an
    // uncontrolled problem saved before its furnace temperature was typed: it reads as one.
    // After the rule, one row per point up to an empty line or the end: the temperature and the
    // duration of the segment that starts there. A duration of 0 ends the curve; so does the
    // last row, whatever duration it kept from a longer curve (it is never used).
    bool ctiKrivku() {
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

    // What may stand between the problem (with its sections) and the rows of the results: empty
    // lines, the heating period, the column header (the documented one, or one that names
    // "Alfa"). Anything else is no line of a problem or results file. Returns at the rule, with
    // whether a line named "Alfa", or false at the end of the text.
    bool kPravitku(bool& alfa) {
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

    // A problem file ends with the problem and its sections, or goes on as a results file does.
    void zaUlohou() {
        bool alfa = false;
        kPravitku(alfa);
    }

    // Rows of time and charge temperature (and the heat-transfer coefficient when a line
    // before the rule names "Alfa"). Blank lines are skipped. Row i holds the time i × CasKrok,
    // at the digits a file holds, and a temperature.
    bool ctiVysledky(Vysledek& v) {
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
            if (!jeTeplota(hodnoty[1]) || (alfa && !std::isfinite(hodnoty[2]))) {
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

    // The next line, which must be the heading a writer of either language writes there.
    void ctiHlavicku(QString (*hlavicka)(Jazyk)) {
        const QString r = radek().value_or(QString());
        QStringView bez(r);
        while (bez.endsWith(QLatin1Char(' '))) {
            bez.chop(1);
        }
        if (bez != hlavicka(Jazyk::Anglicky) && bez != hlavicka(Jazyk::Cesky)) {
            odmitni(id::RadekRozsireni, r);
        }
    }

    // The section beyond the documented problem, when the first line after the problem (and
    // its curve) is its heading; it ends where the results section starts or with the text.
    // Every line of it is one of its labels, each at most once; blank lines are skipped. Its
    // fields that have no line of their own take their defaults.
    bool ctiRozsireni() {
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
                               id::SouborCasNejrychlejsiho,  id::SouborEfektivniVodivost, id::SouborEnergieVydrze};
        std::vector<int> precteno;
        while ((r = radek())) {
            if (r->trimmed().isEmpty()) {
                continue;
            }
            if (JeRadekDobyOhrevu(*r)) {
                --dalsi_;
                return true;
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
                ctiHodnotu(**p, *r);
            } else if (popisek == id::SouborModelVlastnosti) {
                JePopisek(*r, id::SouborKrivkaVlastnosti) ? ctiKrivkuVlastnosti(*r) : ctiModel(*r);
            } else if (popisek == id::SouborOmezenoDo) {
                omezenoDo_ = static_cast<float>(cisloRadku(*r).value_or(0.0));
            } else if (popisek == id::SouborOmezeneKroky) {
                ctiOmezene();
            } else if (popisek == id::SouborBiot) {
                jadro().biot = cisloRadku(*r).value_or(0.0);
            } else if (popisek == id::SouborCasJadra) {
                casJadra_ = cisloRadku(*r).value_or(0.0);
            } else if (popisek == id::SouborNejpomalejsiRada || popisek == id::SouborNejpomalejsiSloupec) {
                const std::optional<double> x = cisloRadku(*r);
                const std::optional<std::int16_t> n = x ? wholeInt16(*x) : std::nullopt;
                if (!n || *n != *x || *n < 1) {
                    odmitni(id::RadekNeniCele, r->mid(kSloupecHodnoty - 1));
                }
                (popisek == id::SouborNejpomalejsiRada ? usporadani().radek : usporadani().sloupec) = *n;
            } else if (popisek == id::SouborCasNejrychlejsiho) {
                usporadani().casNejrychlejsiho = cisloRadku(*r).value_or(0.0);
            } else if (popisek == id::SouborEfektivniVodivost) {
                usporadani().kef = cisloRadku(*r).value_or(0.0);
            } else if (popisek == id::SouborEnergieVydrze) {
                usporadani().teploVydrze = cisloRadku(*r).value_or(0.0) * 3.6e6;
            } else {
                ctiJadro();
            }
        }
        return true;
    }

    VysledekUsporadani& usporadani() {
        if (!usporadani_) {
            usporadani_.emplace();
        }
        return *usporadani_;
    }

    zorvet::Jadro& jadro() {
        if (!jadro_) {
            jadro_ = std::make_unique<zorvet::Jadro>();
            jadro_->krok = -1;
        }
        return *jadro_;
    }

    void ctiModel(const QString& radek) {
        const QString klic = CtiText(radek).trimmed();
        if (klic != QLatin1String(kUhlikovaOcel) && klic != QLatin1String(kNerezovaOcel)) {
            odmitni(id::RadekNeniKod, klic, QLatin1String(kUhlikovaOcel) + QLatin1String(", ") + QLatin1String(kNerezovaOcel));
        }
        u_.Vlastnosti = VestaveneVlastnosti(klic.toStdString());
    }

    // The name, the heading, then a row of temperature, c and λ a point up to a blank line or
    // the end; a curve ZkontrolujKrivku refuses is refused with its line and column.
    void ctiKrivkuVlastnosti(const QString& radekNazvu) {
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

    // The heading, then a row of time and furnace temperature a step up to a blank line or the
    // end; they are put in the result's rows once these are read.
    void ctiOmezene() {
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

    // The heading, then a row of time, surface, core and furnace temperature a step from step 0,
    // up to a blank line or the end.
    void ctiJadro() {
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

    // The core time is that of one of its rows; without it the core did not get there.
    void dokonciJadro() {
        zorvet::Jadro& j = jadro();
        const double krok = static_cast<double>(u_.CasKrok);
        const double kroku = casJadra_ ? std::nearbyint(*casJadra_ / krok) : -1.0;
        if (kroku >= 0.0 && kroku < static_cast<double>(j.teplota.size())) {
            j.krok = static_cast<long>(kroku);
            j.cas = *casJadra_;
        }
        j.konec = j.krok >= 0 ? KonecJadra::Dosazeno : KonecJadra::Nedosazeno;
    }

    // Each limited step's furnace temperature into the row of its time, in the order of the rows.
    void vlozOmezene(Vysledek& v) const {
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

    struct Omezeny {
        qsizetype radek;
        QString text;  // the time as written
        float cas;
        float teplota;
    };

    ObsahSouboru& o_;
    Uloha& u_;
    QStringList radky_;
    qsizetype dalsi_ = 0;  // the index of the line read next
    Jazyk j_;
    float omezenoDo_ = 0.0f;
    std::vector<Omezeny> omezene_;
    std::unique_ptr<zorvet::Jadro> jadro_;
    std::optional<double> casJadra_;
    std::optional<VysledekUsporadani> usporadani_;
};

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
        DoplnVydrz(*vysledek);  // the cycle: the core time and the soak of the case
        obsah->vysledek = std::move(vysledek);
    }
    return PrecteniSouboru{std::move(obsah), Chyba{}, false};
}

}  // namespace zorvet
