#include "ui/problem_dialog/formular.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <utility>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/soubor.h"
#include "model/case/geometrie.h"
#include "model/pipeline/vypocet.h"

namespace zorvet {

namespace {

// A computed mass as mantissa with two decimals and a signed two-digit exponent: 7.85E+02.
QString vedeckyTvar(float x) {
    char buf[32];
    std::snprintf(buf, sizeof buf, "%.2E", static_cast<double>(x));
    QString text = QString::fromLatin1(buf);
    text.replace(QLatin1Char('.'), OddelovacLokalu());
    return text;
}

// What an empty field holds: its default (none, or the usual convection).
double prazdnaHodnota(Velicina v) { return Pole(v).vychozi; }

bool jePocetPloch(Velicina v) { return v == Velicina::PocetAB || v == Velicina::PocetAL || v == Velicina::PocetBL; }

bool jeRozmer(Velicina v) {
    return v == Velicina::StranaA || v == Velicina::StranaB || v == Velicina::DelkaL || v == Velicina::PocetProfilu;
}

// The single of the record that a field of the form holds, if it holds one.
template <typename U>
auto cisloV(U& u, Velicina v, int bod) -> decltype(&u.Tpece) {
    const auto i = static_cast<std::size_t>(std::clamp(bod, 0, kPocetBodu - 1));
    if (v == Velicina::TeplotaKrivky) {
        return &u.Krivka[i].Teplota;
    }
    if (v == Velicina::DobaVydrze) {
        return &u.Krivka[i].DobaVydrze;
    }
    const PopisPole& p = Pole(v);
    return p.cislo != nullptr ? &(u.*p.cislo) : nullptr;
}

}  // namespace

Formular::Formular(QObject* parent) : QObject(parent) {
    // A new problem: empty fields, but for the reduction factor and the number of pieces.
    uloha_.KoefK = 1.0f;
    uloha_.PocetProfilu = 1;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.zalozka >= 0 && (p.druh == DruhPole::Cislo || p.druh == DruhPole::Pocet)) {
            texty_[{p.velicina, 0}] = StavTextu{};
        }
    }
    // The furnace shows its defaults: no installed power, no losses, the usual convection; and
    // the load is one piece.
    for (Velicina v : {Velicina::KoefK, Velicina::PocetProfilu, Velicina::Prikon, Velicina::Ztraty,
                       Velicina::Konvekce, Velicina::MrizkaX, Velicina::MrizkaY}) {
        ukazHodnotu(v);
    }
    for (int i = 0; i < kPocetBodu; ++i) {
        ukazHodnotu(Velicina::TeplotaKrivky, i);
        ukazHodnotu(Velicina::DobaVydrze, i);
    }
}

void Formular::nastav(const Uloha& uloha) {
    uloha_ = uloha;
    if (uloha_.KoefK == 0.0f) {
        uloha_.KoefK = 1.0f;
    }
    texty_.clear();
    zmeneno_.reset();
    for (const PopisPole& p : PoleUlohy()) {
        if (p.zalozka >= 0 && p.druh != DruhPole::Kod && p.velicina != Velicina::TeplotaKrivky &&
            p.velicina != Velicina::DobaVydrze) {
            ukazHodnotu(p.velicina);
        }
    }
    for (int i = 0; i < kPocetBodu; ++i) {
        ukazHodnotu(Velicina::TeplotaKrivky, i);
        ukazHodnotu(Velicina::DobaVydrze, i);
    }
    pocetUseku_ = uloha_.Rizeny ? PocetUseku(uloha_) : 0;
    usek_ = pocetUseku_ > 0 ? 1 : 0;
    kusyPloch_ = uloha_.PocetProfilu;
    lambdaZDatabaze_ = false;
    if (uloha_.zRozmeru()) {
        uloha_.CelkovaPlocha = CelkovaPlochaProfilu(uloha_).value_or(0.0f);
    }
    // The heat capacity of a problem computed with a curve is the curve's: it is what waits.
    cZadane_ = texty_[{Velicina::c, 0}];
    cZadaneHodnota_ = uloha_.c;
    cZKrivky();
    emit zmeneno();
}

QString Formular::text(Velicina v, int bod) const {
    const auto it = texty_.find({v, bod});
    return it != texty_.end() ? it->second.text : QString();
}

Formular::Cteni Formular::cti(Velicina v, int bod) const {
    const auto it = texty_.find({v, bod});
    if (it == texty_.end() || it->second.text.trimmed().isEmpty()) {
        return {};
    }
    if (it->second.zHodnoty) {
        const float* x = cisloV(uloha_, v, bod);
        return {Obsah::Cislo, (x != nullptr ? static_cast<double>(*x) : Hodnota(Pole(v), uloha_)) / Pole(v).meritko};
    }
    const std::optional<double> x = parseNumber(it->second.text);
    if (!x) {
        return {Obsah::NeniCislo, 0.0};
    }
    // A count with a fraction is no count; a whole one beyond the field's range is told as such.
    if (Pole(v).druh == DruhPole::Pocet && std::isfinite(*x) && *x != std::nearbyint(*x)) {
        return {Obsah::NeniCele, *x};
    }
    return {Obsah::Cislo, *x};
}

float* Formular::cisloZaznamu(Velicina v, int bod) { return cisloV(uloha_, v, bod); }

void Formular::zapisDoZaznamu(Velicina v, int bod, double x) {
    if (float* cil = cisloZaznamu(v, bod)) {
        *cil = static_cast<float>(x * Pole(v).meritko);
    } else if (const PopisPole& p = Pole(v); p.pocet != nullptr) {
        // A count beyond 16 bits is refused by the check; the record holds the nearest it can.
        const double n = std::clamp(x, -32768.0, 32767.0);
        uloha_.*p.pocet = static_cast<std::int16_t>(std::isnan(n) ? 0.0 : n);
    }
}

void Formular::ukaz(Velicina v, int bod, const QString& text) { texty_[{v, bod}] = StavTextu{text, !text.isEmpty()}; }

void Formular::ukazHodnotu(Velicina v, int bod) {
    const PopisPole& p = Pole(v);
    if (p.druh == DruhPole::Text) {
        texty_[{v, bod}] = StavTextu{QString::fromStdString(uloha_.NazevMaterialu), false};
    } else if (p.druh == DruhPole::Pocet) {
        ukaz(v, bod, QString::number(uloha_.*p.pocet));
    } else if (JeNic(p, Hodnota(p, uloha_), uloha_)) {
        ukaz(v, bod, QString());  // none: no conductivity (no core), no installed power (unlimited)
    } else if (v == Velicina::m && uloha_.zRozmeru()) {
        ukaz(v, bod, vedeckyTvar(uloha_.m));
    } else if (const float* x = cisloZaznamu(v, bod)) {
        ukaz(v, bod, TextObecny(static_cast<float>(static_cast<double>(*x) / Pole(v).meritko)));
    }
}

void Formular::pis(Velicina v, int bod, const QString& text) {
    StavTextu& pole = texty_[{v, bod}];
    if (pole.text == text) {
        return;
    }
    pole = StavTextu{text, false};
    zmeneno_ = Klic{v, bod};
    lambdaZDatabaze_ = lambdaZDatabaze_ && v != Velicina::Lambda;
    if (v == Velicina::NazevMaterialu) {
        uloha_.NazevMaterialu = text.toStdString();
    } else if (const Cteni c = cti(v, bod); c.obsah == Obsah::Cislo) {
        zapisDoZaznamu(v, bod, c.hodnota);
    } else if (c.obsah == Obsah::Prazdne && MuzeBytPrazdne(Pole(v), uloha_)) {
        // An empty field that may be empty is its default: 0 (a count not given, no
        // conductivity, no installed power), or the usual convection.
        zapisDoZaznamu(v, bod, prazdnaHodnota(v) / Pole(v).meritko);
    }
    if (v == Velicina::Tv || v == Velicina::Tk) {
        cZKrivky();
    }
    emit zmeneno();
}

void Formular::opusteno(Velicina v, int bod) {
    if (zmeneno_ != Klic{v, bod}) {
        return;
    }
    zmeneno_.reset();
    if (jeRozmer(v)) {
        if (v == Velicina::PocetProfilu) {
            kusyZmeneny();
        }
        rozmeryZmeneny();
        prepocitejHmotnost();
    } else if (jePocetPloch(v)) {
        prepocitejPlochu();
    } else if (v == Velicina::Gama) {
        prepocitejHmotnost();
    } else if (v == Velicina::Konvekce && text(v).trimmed().isEmpty()) {
        ukazHodnotu(v);
    }
    emit zmeneno();
}

void Formular::vyberPocet(Velicina v, const QString& text) {
    pis(v, 0, text);
    zmeneno_.reset();
    prepocitejPlochu();
    emit zmeneno();
}

void Formular::dokonci() {
    if (zmeneno_) {
        opusteno(zmeneno_->first, zmeneno_->second);
    }
}

bool Formular::rozmeryCtou() {
    for (Velicina v : {Velicina::StranaA, Velicina::StranaB, Velicina::DelkaL, Velicina::PocetProfilu}) {
        if (Plati(Pole(v).kdy, uloha_) && cti(v, 0).obsah != Obsah::Cislo) {
            return false;
        }
    }
    return true;
}

void Formular::prepocitejHmotnost() {
    if (!uloha_.zRozmeru()) {
        return;
    }
    // Dimensions, pieces or a density that are no number give no mass: the field is emptied
    // rather than left with the mass of other dimensions.
    const Cteni hustota = cti(Velicina::Gama, 0);
    if (!rozmeryCtou() || hustota.obsah != Obsah::Cislo) {
        ukaz(Velicina::m, 0, QString());
        return;
    }
    uloha_.CelkovaPlocha = CelkovaPlochaProfilu(uloha_).value_or(0.0f);
    HmotnostZRozmeru(uloha_, static_cast<float>(hustota.hodnota));
    ukazHodnotu(Velicina::m);
}

void Formular::prepocitejPlochu() {
    // A count that is no number is told at its field; the surface waits for it.
    for (Velicina v : {Velicina::PocetAB, Velicina::PocetAL, Velicina::PocetBL}) {
        if (Plati(Pole(v).kdy, uloha_) && cti(v, 0).obsah != Obsah::Cislo && cti(v, 0).obsah != Obsah::Prazdne) {
            return;
        }
    }
    if (!rozmeryCtou()) {
        ukaz(Velicina::A, 0, QString());
        return;
    }
    TeplosmennaPlocha(uloha_);
    // Written with the point whatever the user's format, as the surface always was.
    ukaz(Velicina::A, 0, TextZpravy(uloha_.A, QLatin1Char('.')).trimmed());
}

void Formular::kusyZmeneny() {
    // The counts are the whole load's: with more or fewer pieces each piece keeps the faces it
    // had, as a sweep of the pieces counts them (model/load/usporadani.h, KusySleduji).
    const Cteni kusy = cti(Velicina::PocetProfilu, 0);
    if (kusy.obsah != Obsah::Cislo || !(kusy.hodnota >= 1.0) || kusy.hodnota > 32767.0) {
        return;
    }
    const double bylo = std::exchange(kusyPloch_, static_cast<int>(kusy.hodnota));
    if (!(bylo >= 1.0) || kusy.hodnota == bylo) {
        return;
    }
    for (Velicina v : {Velicina::PocetAB, Velicina::PocetAL, Velicina::PocetBL}) {
        const Cteni c = cti(v, 0);
        const double novy = std::round(c.hodnota * kusy.hodnota / bylo);
        if (Plati(Pole(v).kdy, uloha_) && c.obsah == Obsah::Cislo && c.hodnota >= 0.0 && novy <= 32767.0) {
            zapisDoZaznamu(v, 0, novy);
            ukazHodnotu(v);
        }
    }
}

void Formular::rozmeryZmeneny() {
    // The counts stay while the pieces still have that many faces, and the surface is made of
    // them again; a count that no longer fits goes, and so does the surface made of it. A
    // surface typed without counts stays as typed.
    bool zadne = true;
    bool vsechny = rozmeryCtou();
    for (Velicina v : {Velicina::PocetAB, Velicina::PocetAL, Velicina::PocetBL}) {
        const Cteni c = cti(v, 0);
        if (!Plati(Pole(v).kdy, uloha_)) {
            ukaz(v, 0, QString());
            continue;
        }
        if (c.obsah == Obsah::Prazdne) {
            continue;
        }
        zadne = false;
        if (c.obsah != Obsah::Cislo || c.hodnota < 0.0 || c.hodnota > NejvicPloch(v, uloha_) || !rozmeryCtou()) {
            ukaz(v, 0, QString());
            zapisDoZaznamu(v, 0, 0.0);
            vsechny = false;
        }
    }
    if (zadne) {
        return;
    }
    if (vsechny) {
        prepocitejPlochu();
    } else {
        ukaz(Velicina::A, 0, QString());
    }
}

void Formular::nastavRizeny(bool rizeny) {
    uloha_.Rizeny = rizeny;
    if (rizeny && pocetUseku_ == 0) {
        pocetUseku_ = 2;
        usek_ = 1;
    }
    // The curve stays as it is while the heat-up is uncontrolled.
    uloha_.PocetKrivek = static_cast<std::int16_t>(rizeny ? pocetUseku_ : 0);
    emit zmeneno();
}

void Formular::nastavPocetUseku(int pocet) {
    pocetUseku_ = std::clamp(pocet, 1, kMaxUseku);
    if (uloha_.Rizeny) {
        uloha_.PocetKrivek = static_cast<std::int16_t>(pocetUseku_);
    }
    usek_ = std::clamp(usek_, 1, pocetUseku_);
    emit zmeneno();
}

void Formular::vyberUsek(int usek) {
    usek_ = std::clamp(usek, 1, std::max(pocetUseku_, 1));
    emit zmeneno();
}

void Formular::nastavZadaniHmotnosti(ZadaniHmotnosti zadani) {
    if (uloha_.ZadaniHmotnosti == zadani) {
        return;
    }
    uloha_.ZadaniHmotnosti = zadani;
    if (uloha_.zRozmeru()) {
        if (uloha_.Profil == Profil::Zadny) {
            // The rectangular bar is the default profile.
            nastavProfil(Profil::Obdelnikovy);
            return;
        }
        prepocitejHmotnost();
    }
    emit zmeneno();
}

void Formular::nastavProfil(Profil profil) {
    if (uloha_.Profil == profil) {
        return;
    }
    // The counts of another profile count other faces, and the surface made of them goes too.
    const bool jiny = uloha_.Profil != Profil::Zadny;
    uloha_.Profil = profil;
    for (Velicina v : {Velicina::PocetAB, Velicina::PocetAL, Velicina::PocetBL}) {
        ukaz(v, 0, QString());
        zapisDoZaznamu(v, 0, 0.0);
    }
    if (uloha_.zRozmeru()) {
        if (jiny) {
            ukaz(Velicina::A, 0, QString());
        }
        prepocitejHmotnost();
    }
    emit zmeneno();
}

std::optional<Zavada> Formular::chybaTextu(Velicina v, int bod, bool prazdnaNula) const {
    const Cteni c = cti(v, bod);
    switch (c.obsah) {
        case Obsah::Cislo:
            // A field whose empty text means none takes no typed 0 (an installed power of 0).
            if (JeNic(Pole(v), c.hodnota, uloha_)) {
                return Zavada{v, Vada::PodRozsahem, bod, {}};
            }
            // A count beyond what the record holds is checked as typed.
            if (Pole(v).druh == DruhPole::Pocet && !wholeInt16(c.hodnota)) {
                return Zavada{v, ZkontrolujHodnotu(Pole(v), c.hodnota, uloha_).value_or(Vada::NadRozsahem), bod, {}};
            }
            return std::nullopt;
        case Obsah::NeniCislo:
            return Zavada{v, Vada::NeniCislo, bod, text(v, bod).toStdString()};
        case Obsah::NeniCele:
            return Zavada{v, Vada::NeniCele, bod, {}};
        case Obsah::Prazdne:
            if (prazdnaNula || MuzeBytPrazdne(Pole(v), uloha_)) {
                return std::nullopt;
            }
            return Zavada{v, Vada::ChybiHodnota, bod, {}};
    }
    return std::nullopt;
}

std::optional<Zavada> Formular::chybaTextu(bool prazdnaNula) const {
    for (const PopisPole& p : PoleUlohy()) {
        if (!Plati(p.kdy, uloha_) || p.druh == DruhPole::Text || p.druh == DruhPole::Kod ||
            p.velicina == Velicina::DobaVydrze || (p.velicina == Velicina::m && uloha_.zRozmeru()) ||
            (p.velicina == Velicina::c && uloha_.Vlastnosti)) {
            continue;  // a computed mass follows from the dimensions, a heat capacity from its curve
        }
        if (p.velicina == Velicina::TeplotaKrivky) {
            // Segment by segment, as they are shown: start, end, duration.
            for (int k = 1; k <= pocetUseku_; ++k) {
                for (auto [v, bod] : {Klic{Velicina::TeplotaKrivky, k - 1}, Klic{Velicina::TeplotaKrivky, k},
                                      Klic{Velicina::DobaVydrze, k - 1}}) {
                    if (auto z = chybaTextu(v, bod, prazdnaNula)) {
                        return z;
                    }
                }
            }
            continue;
        }
        if (auto z = chybaTextu(p.velicina, 0, prazdnaNula)) {
            return z;
        }
    }
    return std::nullopt;
}

void Formular::nastavPec(std::optional<Pec> pec) {
    const bool byla = uloha_.Pec.has_value();
    uloha_.Pec = std::move(pec);
    // Its numbers belong to the case with it, or no more.
    if (byla != uloha_.Pec.has_value()) {
        emit zmeneno();
    }
}

std::optional<Zavada> Formular::zkontroluj(Pravidlo pravidlo) {
    dokonci();
    if (auto z = chybaTextu(false)) {
        return z;
    }
    // An unsound curve before the heat capacity it leaves unknown.
    if (auto z = vadnaKrivka()) {
        return z;
    }
    PrijatyPripad prijaty = PrijmiPripad(uloha_, pravidlo);
    uloha_ = std::move(prijaty.pripad);
    emit zmeneno();
    return prijaty.zavada;
}

Uloha Formular::sNulami() const {
    Uloha u = uloha_;
    for (const auto& [klic, pole] : texty_) {
        if (!pole.text.trimmed().isEmpty() || klic.first == Velicina::NazevMaterialu) {
            continue;
        }
        if (float* x = cisloV(u, klic.first, klic.second)) {
            *x = static_cast<float>(prazdnaHodnota(klic.first));
        } else if (const PopisPole& p = Pole(klic.first); p.pocet != nullptr) {
            // A count that may be empty is its default (one piece in a row), any other 0.
            u.*p.pocet = static_cast<std::int16_t>(MuzeBytPrazdne(p, u) ? p.vychozi : 0.0);
        }
    }
    return u;
}

std::optional<Zavada> Formular::proUlozeni(Uloha* uloha) {
    dokonci();
    if (auto z = chybaTextu(true)) {
        return z;
    }
    // A file holds no curve it could not compute with.
    if (auto z = vadnaKrivka()) {
        return z;
    }
    Uloha u = sNulami();
    OdvodUlohu(u);
    // A segment without a duration would end the curve of the file there.
    for (int k = 1; u.Rizeny && k <= PocetUseku(u); ++k) {
        if (u.Krivka[static_cast<std::size_t>(k - 1)].DobaVydrze == 0.0f) {
            return Zavada{Velicina::DobaVydrze, Vada::NulovaDoba, k - 1, {}};
        }
    }
    *uloha = u;
    return std::nullopt;
}

QString Formular::otisk() const {
    QString spatne;
    for (const auto& [klic, pole] : texty_) {
        const Obsah obsah = klic.first == Velicina::NazevMaterialu ? Obsah::Prazdne : cti(klic.first, klic.second).obsah;
        if (obsah == Obsah::NeniCislo || obsah == Obsah::NeniCele) {
            spatne += QLatin1Char('\n') + pole.text;
        }
    }
    Uloha u = sNulami();
    OdvodUlohu(u);
    return OtiskUlohy(u) + spatne;
}

bool Formular::neulozena() const {
    static const QString nova = Formular().otisk();
    const QString o = otisk();
    return o != puvod.otisk && o != nova;
}

}  // namespace zorvet
