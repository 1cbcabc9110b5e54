#include "files/soubor.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <vector>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/krivka_csv.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"
#include "model/geometrie.h"
#include "model/pole.h"
#include "model/vypocet.h"

namespace zorvet {

namespace {

const QString kKonecRadku = QStringLiteral("\r\n");
const QString kPravitko = QString(23, QLatin1Char('-'));

// Columns of a value line: label 1, unit 31, colon 39, number 42, text 43.
constexpr int kSirkaPopisku = 30;
constexpr int kSirkaJednotky = 8;
// Print zones of the table rows.
constexpr int kZona = 14;
// Nothing this program writes comes near it; a larger file is no problem file.
constexpr qint64 kNejvetsiSoubor = 64LL * 1024 * 1024;

// The lines of the problem section after line 1, in the order of the file: the rows of the
// table of fields that a file holds.
std::vector<const PopisPole*> radkySouboru() {
    std::vector<const PopisPole*> radky;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.radekSouboru > 1) {
            radky.push_back(&p);
        }
    }
    std::sort(radky.begin(), radky.end(),
              [](const PopisPole* a, const PopisPole* b) { return a->radekSouboru < b->radekSouboru; });
    return radky;
}

// The one-letter codes of the file.
QString kod(const Uloha& u, Velicina v) {
    if (v == Velicina::ZadaniHmotnosti) {
        switch (u.ZadaniHmotnosti) {
            case ZadaniHmotnosti::Zadana:
                return QStringLiteral("Z");
            case ZadaniHmotnosti::ZRozmeru:
                return QStringLiteral("V");
            case ZadaniHmotnosti::Nezvoleno:
                break;
        }
        return {};
    }
    switch (u.Profil) {
        case Profil::Kruhovy:
            return QStringLiteral("K");
        case Profil::Ctvercovy:
            return QStringLiteral("C");
        case Profil::Obdelnikovy:
            return QStringLiteral("O");
        case Profil::Zadny:
            break;
    }
    return {};
}

// The code read into the problem; false for a text that is none of the codes.
bool nastavKod(Uloha& u, Velicina v, const QString& text) {
    const QString t = text.trimmed();
    if (v == Velicina::ZadaniHmotnosti) {
        if (t.isEmpty() || t == QLatin1String("Z") || t == QLatin1String("V")) {
            u.ZadaniHmotnosti = t.isEmpty() ? ZadaniHmotnosti::Nezvoleno
                                            : (t == QLatin1String("Z") ? ZadaniHmotnosti::Zadana : ZadaniHmotnosti::ZRozmeru);
            return true;
        }
        return false;
    }
    const std::pair<const char*, Profil> profily[] = {
        {"", Profil::Zadny}, {"K", Profil::Kruhovy}, {"C", Profil::Ctvercovy}, {"O", Profil::Obdelnikovy}};
    for (const auto& [k, p] : profily) {
        if (t == QLatin1String(k)) {
            u.Profil = p;
            return true;
        }
    }
    return false;
}

QString zacatekRadku(const QString& popisek, const QString& jednotka) {
    return popisek.leftJustified(kSirkaPopisku, QLatin1Char(' '), true) +
           jednotka.leftJustified(kSirkaJednotky, QLatin1Char(' '), true) + QLatin1Char(':');
}

QString jednotkaRadku(const PopisPole& p, Jazyk j) {
    return p.jednotka != 0 ? Text(p.jednotka, j) : QString::fromLatin1(p.jednotkaText);
}

// Line breaks would split one value over two lines of the file.
QString naJedenRadek(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

class Zapisovac {
public:
    explicit Zapisovac(Jazyk jazyk) : j_(jazyk) {}

    void radek(const QString& text = QString()) {
        out_ += text;
        out_ += kKonecRadku;
    }
    // A number starts with its sign or blank in column 42, a text in column 43.
    void hodnota(int popisek, const QString& jednotka, const QString& hodnota, bool text) {
        radek(zacatekRadku(Text(popisek, j_), jednotka) + QLatin1String(text ? "   " : "  ") + hodnota);
    }
    void radekUlohy(const PopisPole& p, const Uloha& u) {
        const int popisek =
            p.souborPopisekKruh != 0 && u.Profil == Profil::Kruhovy ? p.souborPopisekKruh : p.souborPopisek;
        const QString jednotka = jednotkaRadku(p, j_);
        switch (p.druh) {
            case DruhPole::Cislo:
                hodnota(popisek, jednotka, CisloSouboru(u.*p.cislo), false);
                break;
            case DruhPole::Pocet:
                hodnota(popisek, jednotka, CisloSouboru(u.*p.pocet), false);
                break;
            case DruhPole::Text:
                hodnota(popisek, jednotka, naJedenRadek(QString::fromStdString(u.NazevMaterialu)), true);
                break;
            case DruhPole::Kod:
                hodnota(popisek, jednotka, kod(u, p.velicina), true);
                break;
        }
    }
    // Items in print zones of 14 columns: the second starts in column 15 (or the next zone
    // when the first is longer), and so on.
    void zony(std::initializer_list<QString> polozky) {
        qsizetype zbyva = static_cast<qsizetype>(polozky.size());
        for (const QString& p : polozky) {
            out_ += p;
            if (--zbyva > 0) {
                const qsizetype sirka = std::max<qsizetype>(((p.size() + kZona - 1) / kZona) * kZona, kZona);
                out_.append(QString(sirka - p.size(), QLatin1Char(' ')));
            }
        }
        out_ += kKonecRadku;
    }
    void rezervuj(qsizetype znaku) { out_.reserve(znaku); }
    const QString& text() const { return out_; }
    Jazyk jazyk() const { return j_; }

private:
    Jazyk j_;
    QString out_;
};

void zapisUlohu(Zapisovac& z, const Uloha& u) {
    // The controlled state is carried by line 1 without a value.
    const PopisPole& tpece = Pole(Velicina::Tpece);
    const QString jednotka = jednotkaRadku(tpece, z.jazyk());
    if (u.Rizeny) {
        z.radek(zacatekRadku(Text(tpece.souborPopisek, z.jazyk()), jednotka));
    } else {
        z.hodnota(tpece.souborPopisek, jednotka, CisloSouboru(u.Tpece), false);
    }
    for (const PopisPole* p : radkySouboru()) {
        if (Plati(p->kdy, u)) {
            z.radekUlohy(*p, u);
        }
    }
}

void zapisKrivku(Zapisovac& z, const Uloha& u) {
    const Jazyk j = z.jazyk();
    z.radek();
    z.radek(Text(id::SouborKrivka, j));
    z.radek();
    z.zony({Text(id::SloupecTeplota, j), Text(id::SloupecVydrz, j)});
    z.radek(kPravitko);
    const int posledni = PocetUseku(u);
    for (int i = 0; i <= posledni; ++i) {
        const UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
        // The duration of the last point is not used; the reader takes a 0 for the end of the
        // curve, so it is always written as 0.
        z.zony({CisloSouboru(bod.Teplota), CisloSouboru(i == posledni ? 0.0f : bod.DobaVydrze)});
    }
    z.radek();
}

// ---- the extended setting ----
//
// What a problem holds beyond the documented one, and what a result computed with it needs
// besides its rows, goes into a section of its own between the problem (with its curve) and
// the results: a reader of the documented format reads a problem file no further than the
// problem, and in a results file it passes over every line up to the rule of the results,
// looking only for "Alfa". The section holds neither a rule nor "Alfa", nor a line that starts
// as the heating period's, nor the heading of a furnace curve.

// The value lines of the section, in their order; a value of the default is not written.
struct RadekRozsireni {
    Velicina velicina;
    int popisek;
    const char* jednotka;
};
constexpr RadekRozsireni kRadkyRozsireni[] = {
    {Velicina::Konvekce, id::SouborKonvekce, "[W/m2/K]"},
    {Velicina::Prikon, id::SouborPrikon, "[kW]"},
    {Velicina::ZtratyPrikonu, id::SouborZtratyPrikonu, "[%]"},
};

// The heading of the points of a property curve.
QString hlavickaBodu(Jazyk j) {
    Zapisovac z(j);
    z.zony({Text(id::SloupecTeplota, j), Text(id::SloupecC, j), Text(id::SloupecLambda, j)});
    return z.text().chopped(kKonecRadku.size());
}

// The heading of the furnace temperatures of the steps the installed power limited.
QString hlavickaOmezenych(Jazyk j) {
    Zapisovac z(j);
    z.zony({Text(id::SloupecCas, j), Text(id::SloupecTeplota, j)});
    return z.text().chopped(kKonecRadku.size());
}

// What the documented reader looks for in the lines it passes over; no name may spell it.
QStringList hledanaSlova() {
    return {QStringLiteral("Alfa"), Text(id::SouborKrivka, Jazyk::Anglicky), Text(id::SouborKrivka, Jazyk::Cesky)};
}

// The name of a property curve as a value of the section. A backslash keeps the character after
// it as it is: the writer doubles its own, puts one before a leading blank (which a value would
// lose) and one after the first letter of every word hledanaSlova gives, so that none is spelled.
QString zakryjNazev(const std::string& nazev) {
    const QString n = naJedenRadek(QString::fromStdString(nazev));
    const QStringList slova = hledanaSlova();
    QString text;
    for (qsizetype i = 0; i < n.size(); ++i) {
        if (n[i] == QLatin1Char('\\') || (i == 0 && n[i] == QLatin1Char(' '))) {
            text += QLatin1Char('\\');
        }
        text += n[i];
        const QStringView zbytek = QStringView(n).sliced(i);
        if (std::any_of(slova.begin(), slova.end(),
                        [&](const QString& s) { return !s.isEmpty() && zbytek.startsWith(s); })) {
            text += QLatin1Char('\\');
        }
    }
    return text;
}

std::string odkryjNazev(const QString& text) {
    QString n;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            ++i;
        }
        n += text[i];
    }
    return n.toStdString();
}

// The rows of a result whose furnace temperature is not the one the problem's furnace gives:
// the steps the installed power limited. A temperature that is no number cannot be written.
std::vector<int> omezeneRadky(const Uloha& u, const Vysledek& v) {
    auto nastavena = std::make_unique<std::array<float, kPocetRadku>>();
    RozvinKrivku(u, *nastavena);
    std::vector<int> radky;
    for (int i = 0; i <= v.posledniRadek(); ++i) {
        const float t = v.TeplotaPece[static_cast<std::size_t>(i)];
        if (t != (*nastavena)[static_cast<std::size_t>(i)] && !std::isnan(t)) {
            radky.push_back(i);
        }
    }
    return radky;
}

// The section, when the problem uses anything beyond the documented one or the result was
// limited by the installed power.
void zapisRozsireni(Zapisovac& z, const Uloha& u, const Vysledek* v) {
    const std::vector<int> omezene = v != nullptr ? omezeneRadky(u, *v) : std::vector<int>();
    const float omezenoDo = v != nullptr ? v->OmezenoDo : 0.0f;
    if (!u.rozsirena() && omezenoDo == 0.0f && omezene.empty()) {
        return;
    }
    const Jazyk j = z.jazyk();
    if (!u.Rizeny) {
        z.radek();  // a furnace curve ends with an empty line of its own
    }
    z.radek(Text(id::SouborRozsireni, j));
    z.radek();
    const Uloha vychozi;
    for (const RadekRozsireni& r : kRadkyRozsireni) {
        const PopisPole& p = Pole(r.velicina);
        if (Hodnota(p, u) != Hodnota(p, vychozi)) {
            z.hodnota(r.popisek, QString::fromLatin1(r.jednotka),
                      p.druh == DruhPole::Pocet ? CisloSouboru(u.*p.pocet) : CisloSouboru(u.*p.cislo), false);
        }
    }
    const bool dalsi = omezenoDo != 0.0f || !omezene.empty();
    if (u.Vlastnosti && JeVestavena(*u.Vlastnosti)) {
        z.hodnota(id::SouborModelVlastnosti, QStringLiteral("[-]"), QString::fromStdString(u.Vlastnosti->Nazev), true);
    } else if (u.Vlastnosti) {
        z.hodnota(id::SouborKrivkaVlastnosti, QStringLiteral("[-]"), zakryjNazev(u.Vlastnosti->Nazev), true);
        z.radek(hlavickaBodu(j));
        for (const BodVlastnosti& b : u.Vlastnosti->Body) {
            z.zony({CisloSouboru(b.T), CisloSouboru(b.c), CisloSouboru(b.lambda)});
        }
        if (dalsi) {
            z.radek();
        }
    }
    if (omezenoDo != 0.0f) {
        z.hodnota(id::SouborOmezenoDo, Text(id::JednotkaSekundy, j), CisloSouboru(omezenoDo), false);
    }
    if (!omezene.empty()) {
        z.radek(Text(id::SouborOmezeneKroky, j));
        z.radek(hlavickaOmezenych(j));
        for (const int i : omezene) {
            const auto r = static_cast<std::size_t>(i);
            z.zony({CisloSouboru(v->Vysledky.Cas[r]), CisloSouboru(v->TeplotaPece[r])});
        }
    }
}

void zapisVysledky(Zapisovac& z, const Vysledek& v) {
    const Jazyk j = z.jazyk();
    const int posledni = v.posledniRadek();
    z.radek();
    z.hodnota(id::SouborDobaOhrevu, Text(id::JednotkaSekundy, j),
              CisloSouboru(v.Vysledky.Cas[static_cast<std::size_t>(posledni)]), false);
    z.radek();
    z.zony({Text(id::SloupecCas, j), Text(id::SloupecTeplota, j)});
    z.radek(kPravitko);
    for (int i = 0; i <= posledni; ++i) {
        const auto r = static_cast<std::size_t>(i);
        z.zony({CisloSouboru(v.Vysledky.Cas[r]), CisloSouboru(v.Vysledky.TeplotaVsazky[r])});
    }
}

QString chybaSouboru(const QString& cesta, const QString& popis) {
    return QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis;
}

// ---- reading ----

bool jePravitko(const QString& radek) {
    QStringView r(radek);
    while (r.endsWith(QLatin1Char(' '))) {
        r.chop(1);
    }
    return r == kPravitko;
}

bool obsahujeText(const QString& radek, int id) {
    return radek.contains(Text(id, Jazyk::Anglicky)) || radek.contains(Text(id, Jazyk::Cesky));
}

bool zacinaTextem(const QString& radek, int id) {
    return radek.startsWith(Text(id, Jazyk::Anglicky)) || radek.startsWith(Text(id, Jazyk::Cesky));
}

// Line 1 as every writer lays it out: the label in column 1 and the colon in column 39. A
// comment that merely mentions the label is then not taken for it.
bool jeRadek1(const QString& radek) {
    return zacinaTextem(radek, id::SouborTpece) && radek.size() >= 39 && radek[38] == QLatin1Char(':');
}

// The lines of a text with CR LF, LF or CR line ends; a last line without its end counts.
QStringList radkyTextu(const QString& text) {
    QStringList radky;
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            radky.append(text.sliced(zacatek, i - zacatek));
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            zacatek = i + 1;
        }
    }
    if (zacatek < text.size()) {
        radky.append(text.sliced(zacatek));
    }
    return radky;
}

// Why a file is refused: a line that no writer writes.
struct ChybaRadku {
    QString text;
};

class Ctenar {
public:
    Ctenar(ObsahSouboru& obsah, const QString& text, Jazyk jazyk)
        : o_(obsah), u_(obsah.uloha), radky_(radkyTextu(text)), j_(jazyk) {}

    enum class Konec { Ok, NeniUloha, NeuplnaUloha, BezVysledku };

    // Throws ChybaRadku for a line that holds what no writer writes.
    Konec cti(bool sVysledky, Vysledek* v) {
        std::optional<QString> radek1 = najdiRadek1();
        if (!radek1) {
            return Konec::NeniUloha;
        }
        if (!ctiUlohu(*radek1) || (u_.Rizeny && !ctiKrivku())) {
            return Konec::NeuplnaUloha;
        }
        ctiRozsireni();
        if (u_.zRozmeru()) {
            u_.CelkovaPlocha = CelkovaPlochaProfilu(u_).value_or(0.0f);
        }
        if (sVysledky) {
            if (!ctiVysledky(*v)) {
                return Konec::BezVysledku;
            }
            v->OmezenoDo = omezenoDo_;
            RozvinKrivku(u_, v->TeplotaPece);
            vlozOmezene(*v);
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

    [[noreturn]] void odmitni(int zprava, const QString& text, const QString& treti = QString()) const {
        odmitniNa(cislo(), zprava, text, treti);
    }
    [[noreturn]] void odmitniNa(qsizetype radek, int zprava, const QString& text, const QString& treti = QString()) const {
        QString t = Text(zprava, j_).arg(radek).arg(text.trimmed());
        if (!treti.isEmpty()) {
            t = t.arg(treti);
        }
        throw ChybaRadku{t};
    }

    // Leaves the reader after line 1 and collects the comment lines before it. Without a line
    // laid out as line 1, the first line that contains either label is taken.
    std::optional<QString> najdiRadek1() {
        std::optional<qsizetype> nahradni;
        for (qsizetype i = 0; i < radky_.size(); ++i) {
            if (jeRadek1(radky_[i])) {
                return prvniRadek(i);
            }
            if (!nahradni && obsahujeText(radky_[i], id::SouborTpece)) {
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
    std::optional<double> cislo(const QString& radek) {
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

    void ctiHodnotu(const PopisPole& p, const QString& radek) {
        switch (p.druh) {
            case DruhPole::Cislo: {
                const std::optional<double> x = cislo(radek);
                // An empty density keeps the one held, as the density field's value does.
                if (x || p.velicina != Velicina::Gama) {
                    u_.*p.cislo = static_cast<float>(x.value_or(0.0));
                }
                break;
            }
            case DruhPole::Pocet: {
                const std::optional<double> x = cislo(radek);
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
                if (!nastavKod(u_, p.velicina, CtiText(radek))) {
                    odmitni(id::RadekNeniKod, CtiText(radek),
                            p.velicina == Velicina::Profil ? QStringLiteral("K, C, O") : QStringLiteral("Z, V"));
                }
                break;
        }
    }

    bool ctiUlohu(const QString& radek1) {
        u_.Tpece = static_cast<float>(cislo(radek1).value_or(0.0));
        u_.Rizeny = u_.Tpece == 0.0f;
        if (!u_.Rizeny) {
            // An uncontrolled problem has no curve; a stale count would write one again.
            u_.PocetKrivek = 0;
        }
        // The conditions look at values read before them: the mass setting, then the profile.
        for (const PopisPole* p : radkySouboru()) {
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
        while ((r = radek()) && !jePravitko(*r) && !zacinaTextem(*r, id::SouborDobaOhrevu)) {
            nadpis = nadpis || obsahujeText(*r, id::SouborKrivka);
        }
        if (!r || !jePravitko(*r)) {
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

    // Rows of time and charge temperature (and the heat-transfer coefficient when a line
    // before the rule names "Alfa"). Blank lines are skipped.
    bool ctiVysledky(Vysledek& v) {
        bool alfa = false;
        std::optional<QString> r;
        while ((r = radek()) && !jePravitko(*r)) {
            alfa = alfa || r->contains(QLatin1String("Alfa"));
        }
        if (!r) {
            return false;
        }
        int i = 0;
        while ((r = radek())) {
            if (r->trimmed().isEmpty()) {
                continue;
            }
            if (i == kPocetRadku) {
                odmitni(id::RadekNavic, *r);
            }
            const std::vector<double> hodnoty = cislaRadku(*r, alfa ? 3 : 2, id::RadekVysledku);
            const auto radek = static_cast<std::size_t>(i);
            v.Vysledky.Cas[radek] = static_cast<float>(hodnoty[0]);
            v.Vysledky.TeplotaVsazky[radek] = static_cast<float>(hodnoty[1]);
            if (alfa) {
                v.Vysledky.Alfa[radek] = static_cast<float>(hodnoty[2]);
            }
            ++i;
        }
        if (i == 0) {
            return false;
        }
        v.PocetKroku = static_cast<std::int16_t>(i - 1);
        return true;
    }

    // Whether a line is the label (or heading) of the section, in either language: the text
    // from column 1, then a blank or the end.
    static bool jePopisek(const QString& radek, int id) {
        for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
            const QString p = Text(id, j);
            if (radek.startsWith(p) && (radek.size() == p.size() || radek[p.size()] == QLatin1Char(' '))) {
                return true;
            }
        }
        return false;
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
    // Every line of it is one of its labels, each at most once; blank lines are skipped.
    void ctiRozsireni() {
        const qsizetype zaUlohou = dalsi_;
        std::optional<QString> r;
        while ((r = radek()) && r->trimmed().isEmpty()) {
        }
        if (!r || !jePopisek(*r, id::SouborRozsireni)) {
            dalsi_ = zaUlohou;
            return;
        }
        enum class Co : unsigned { Konvekce, Prikon, Ztraty, Model, OmezenoDo, OmezeneKroky };
        // The property model and a property curve are one input.
        const std::pair<int, Co> popisky[] = {
            {id::SouborKonvekce, Co::Konvekce},       {id::SouborPrikon, Co::Prikon},
            {id::SouborZtratyPrikonu, Co::Ztraty},    {id::SouborModelVlastnosti, Co::Model},
            {id::SouborKrivkaVlastnosti, Co::Model},  {id::SouborOmezenoDo, Co::OmezenoDo},
            {id::SouborOmezeneKroky, Co::OmezeneKroky}};
        unsigned precteno = 0;
        while ((r = radek())) {
            if (r->trimmed().isEmpty()) {
                continue;
            }
            if (zacinaTextem(*r, id::SouborDobaOhrevu)) {
                --dalsi_;
                return;
            }
            const auto p = std::find_if(std::begin(popisky), std::end(popisky),
                                        [&](const auto& x) { return jePopisek(*r, x.first); });
            if (p == std::end(popisky) || (precteno & (1u << static_cast<unsigned>(p->second))) != 0) {
                odmitni(id::RadekRozsireni, *r);
            }
            precteno |= 1u << static_cast<unsigned>(p->second);
            switch (p->second) {
                case Co::Konvekce:
                    ctiHodnotu(Pole(Velicina::Konvekce), *r);
                    break;
                case Co::Prikon:
                    ctiHodnotu(Pole(Velicina::Prikon), *r);
                    break;
                case Co::Ztraty:
                    ctiHodnotu(Pole(Velicina::ZtratyPrikonu), *r);
                    break;
                case Co::Model:
                    if (p->first == id::SouborModelVlastnosti) {
                        ctiModel(*r);
                    } else {
                        ctiKrivkuVlastnosti(*r);
                    }
                    break;
                case Co::OmezenoDo:
                    omezenoDo_ = static_cast<float>(cislo(*r).value_or(0.0));
                    break;
                case Co::OmezeneKroky:
                    ctiOmezene();
                    break;
            }
        }
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
        VlastnostiMaterialu v{odkryjNazev(CtiText(radekNazvu)), {}};
        ctiHlavicku(hlavickaBodu);
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
        ctiHlavicku(hlavickaOmezenych);
        std::optional<QString> r;
        while ((r = radek()) && !r->trimmed().isEmpty()) {
            const std::vector<double> x = cislaRadku(*r, 2, id::RadekVysledku);
            omezene_.push_back({cislo(), RozdelRadek(*r).value(0), static_cast<float>(x[0]), static_cast<float>(x[1])});
        }
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
};

}  // namespace

QString TextSouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, Jazyk jazyk) {
    Zapisovac z(jazyk);
    // About 30 characters a row: enough room for the largest results file at once.
    z.rezervuj(2048 + (vysledek != nullptr ? 32 * (vysledek->posledniRadek() + 1) : 0));
    const QString jedenRadek = naJedenRadek(komentar);
    if (!jedenRadek.trimmed().isEmpty()) {
        z.radek(jedenRadek);
        z.radek();
    }
    zapisUlohu(z, uloha);
    if (uloha.Rizeny) {
        zapisKrivku(z, uloha);
    }
    zapisRozsireni(z, uloha, vysledek);
    if (vysledek != nullptr) {
        zapisVysledky(z, *vysledek);
    }
    return z.text();
}

QByteArray BajtySouboru(const Uloha& uloha, const Vysledek* vysledek, const QString& komentar, Jazyk jazyk) {
    return encodeDataFile(TextSouboru(uloha, vysledek, komentar, jazyk));
}

std::optional<QString> UlozSoubor(const QString& cesta, const Uloha& uloha, const Vysledek* vysledek,
                                  const QString& komentar, Jazyk jazyk) {
    QString popis;
    if (!writeWhole(cesta, BajtySouboru(uloha, vysledek, komentar, jazyk), &popis)) {
        return chybaSouboru(cesta, popis);
    }
    return std::nullopt;
}

QString OtiskUlohy(const Uloha& uloha) { return TextSouboru(uloha, nullptr, QString(), Jazyk::Anglicky); }

PrecteniSouboru NactiSoubor(const QString& cesta, bool sVysledky, const Uloha& vychozi, Jazyk jazyk) {
    const auto selhani = [&](const QString& popis) { return PrecteniSouboru{nullptr, chybaSouboru(cesta, popis)}; };
    // Only a regular file holds a problem: a folder is none, and a device or pipe may never end
    // (/dev/zero) or never begin (a pipe without a writer).
    const QFileInfo info(cesta);
    if (info.isDir()) {
        return selhani(Text(id::JeSlozka, jazyk));
    }
    if (info.exists() && !info.isFile()) {
        return selhani(Text(id::NeniSoubor, jazyk));
    }
    QFile soubor(cesta);
    if (!soubor.open(QIODevice::ReadOnly)) {
        return selhani(soubor.errorString());
    }
    if (soubor.size() > kNejvetsiSoubor) {
        return selhani(Text(id::NeniZadani, jazyk));
    }
    const QByteArray bajty = soubor.readAll();
    if (soubor.error() != QFileDevice::NoError) {
        return selhani(soubor.errorString());
    }

    auto obsah = std::make_unique<ObsahSouboru>();
    obsah->uloha = vychozi;
    // A file without the extended setting, or without a line of it, holds the default.
    const Uloha zaklad;
    obsah->uloha.Konvekce = zaklad.Konvekce;
    obsah->uloha.Prikon = zaklad.Prikon;
    obsah->uloha.ZtratyPrikonu = zaklad.ZtratyPrikonu;
    obsah->uloha.Vlastnosti.reset();
    auto vysledek = std::make_shared<Vysledek>();
    Ctenar ctenar(*obsah, decodeDataFile(bajty), jazyk);
    Ctenar::Konec konec = Ctenar::Konec::Ok;
    try {
        konec = ctenar.cti(sVysledky, vysledek.get());
    } catch (const ChybaRadku& chyba) {
        return selhani(chyba.text);
    }
    switch (konec) {
        case Ctenar::Konec::Ok:
            break;
        case Ctenar::Konec::NeniUloha:
            return selhani(Text(id::NeniZadani, jazyk));
        case Ctenar::Konec::NeuplnaUloha:
            return selhani(Text(id::NeuplnySoubor, jazyk));
        case Ctenar::Konec::BezVysledku:
            return selhani(Text(id::BezVysledku, jazyk));
    }
    if (sVysledky) {
        vysledek->Uloha = obsah->uloha;
        vysledek->Soubor = QFileInfo(cesta).fileName().toStdString();
        vysledek->Komentar = obsah->komentare.isEmpty() ? std::string() : obsah->komentare.last().toStdString();
        vysledek->ZnamyKoefK = false;
        // A furnace of a known installed power is shown with the losses that power covers, as
        // when it was computed.
        if (obsah->uloha.Prikon > 0.0f) {
            vysledek->Ztraty = obsah->uloha.ZtratyPrikonu;
        }
        obsah->vysledek = std::move(vysledek);
    }
    return PrecteniSouboru{std::move(obsah), QString()};
}

}  // namespace zorvet
