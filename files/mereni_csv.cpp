#include "files/mereni_csv.h"

#include <QLocale>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni_souboru.h"
#include "files/retezce.h"
#include "files/windows1250.h"

namespace zorvet {

namespace {

constexpr double kDen = 86400.0;

Chyba chybaSouboru(const QString& cesta, const QString& duvod, Jazyk j) {
    return Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, j), ZpravaSouboru(cesta, duvod)};
}

// A text of the file as a message quotes it: a line of a file that is no log may be long and
// hold control characters, which are left out.
QString ukazka(const QString& text) {
    QString t;
    for (const QChar ch : text) {
        if (ch.category() != QChar::Other_Control) {
            t += ch;
        }
    }
    return t.size() <= 100 ? t : t.left(99) + QChar(0x2026);
}

// The lines of the file, each without its line end, or no value (and the reason) when the file
// cannot be read.
std::optional<QStringList> ctiRadky(const QString& cesta, Jazyk j, QString* duvod) {
    const CelySoubor soubor = NactiCelySoubor(cesta, kNejvetsiMereni, j);
    if (!soubor.precten()) {
        *duvod = soubor.chyba;
        return std::nullopt;
    }
    const QString text = decodeDataFile(soubor.bajty);
    QStringList radky;
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == QLatin1Char('\n') || text[i] == QLatin1Char('\r')) {
            radky.append(text.sliced(zacatek, i - zacatek));
            if (i + 1 < text.size() && text[i] == QLatin1Char('\r') && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            zacatek = i + 1;
        }
    }
    return radky;
}

// The separator of the fields, told by the header: a tab, else a semicolon, else the comma.
QChar oddelovacPoli(const QString& hlavicka) {
    if (hlavicka.contains(QLatin1Char('\t'))) {
        return QLatin1Char('\t');
    }
    return hlavicka.contains(QLatin1Char(';')) ? QLatin1Char(';') : QLatin1Char(',');
}

// The fields of a line, blanks around them removed. A field that starts with a double quote runs
// to the closing one (two quotes inside stand for one), so it may hold the separator. Empty
// fields at the end of the line are dropped: spreadsheets pad their rows with separators.
QStringList rozdel(const QString& radek, QChar oddelovac) {
    QStringList pole;
    qsizetype i = 0;
    for (;;) {
        QString p;
        while (i < radek.size() && radek[i] == QLatin1Char(' ')) {
            ++i;
        }
        if (i < radek.size() && radek[i] == QLatin1Char('"')) {
            for (++i; i < radek.size(); ++i) {
                if (radek[i] == QLatin1Char('"')) {
                    if (i + 1 < radek.size() && radek[i + 1] == QLatin1Char('"')) {
                        ++i;
                    } else {
                        ++i;
                        break;
                    }
                }
                p += radek[i];
            }
        }
        while (i < radek.size() && radek[i] != oddelovac) {
            p += radek[i++];
        }
        pole.append(p.trimmed());
        if (i >= radek.size()) {
            break;
        }
        ++i;
    }
    while (!pole.isEmpty() && pole.last().isEmpty()) {
        pole.removeLast();
    }
    return pole;
}

// A temperature or a time in seconds: the point as the decimal separator, or with ";" or a tab
// between the fields the comma too. No digit grouping, nothing that is not finite.
std::optional<double> hodnota(QString text, QChar oddelovac) {
    if (oddelovac != QLatin1Char(',') && text.count(QLatin1Char(',')) == 1 && !text.contains(QLatin1Char('.'))) {
        text.replace(QLatin1Char(','), QLatin1Char('.'));
    }
    QLocale c = QLocale::c();
    c.setNumberOptions(c.numberOptions() | QLocale::RejectGroupSeparator);
    bool ok = false;
    const double x = c.toDouble(text, &ok);
    return ok && std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

bool jenCislice(const QString& t) {
    for (const QChar ch : t) {
        if (ch < QLatin1Char('0') || ch > QLatin1Char('9')) {
            return false;
        }
    }
    return !t.isEmpty();
}

struct CasHodin {
    double s = 0.0;
    bool denni = false;  // hh:mm:ss below 24 h: a time of day, which may pass midnight
};

// A clock time, h:mm:ss or m:ss (minutes and seconds below 60 after the first part), the seconds
// with an optional fraction after the point or the comma.
std::optional<CasHodin> casHodin(const QString& text) {
    const QStringList casti = text.split(QLatin1Char(':'));
    if (casti.size() != 2 && casti.size() != 3) {
        return std::nullopt;
    }
    QString sekundy = casti.last();
    QString zlomek;
    qsizetype t = sekundy.indexOf(QLatin1Char('.'));
    if (t < 0) {
        t = sekundy.indexOf(QLatin1Char(','));
    }
    if (t >= 0) {
        zlomek = sekundy.mid(t + 1);
        sekundy.truncate(t);
        if (!jenCislice(zlomek)) {
            return std::nullopt;
        }
    }
    double s = 0.0;
    for (qsizetype i = 0; i < casti.size(); ++i) {
        const QString& cast = i + 1 == casti.size() ? sekundy : casti[i];
        if (!jenCislice(cast) || (i > 0 && (cast.size() != 2 || cast.toInt() >= 60))) {
            return std::nullopt;
        }
        s = 60.0 * s + cast.toDouble();
    }
    if (!zlomek.isEmpty()) {
        s += QString(QStringLiteral("0.") + zlomek).toDouble();
    }
    return CasHodin{s, casti.size() == 3 && s < kDen};
}

std::optional<SloupceMereni> podleNazvu(const QStringList& nazvy) {
    const qsizetype cas = nazvy.indexOf(QStringLiteral("time_s"));
    const qsizetype vsazka = nazvy.indexOf(QStringLiteral("charge_C"));
    const qsizetype pec = nazvy.indexOf(QStringLiteral("furnace_C"));
    if (cas < 0 || vsazka < 0) {
        return std::nullopt;
    }
    SloupceMereni s{static_cast<int>(cas), static_cast<int>(vsazka), std::nullopt};
    if (pec >= 0) {
        s.pec = static_cast<int>(pec);
    }
    return s;
}

}  // namespace

HlavickaMereni CtiHlavickuMereni(const QString& cesta, Jazyk j) {
    HlavickaMereni h;
    QString duvod;
    const std::optional<QStringList> radky = ctiRadky(cesta, j, &duvod);
    if (!radky) {
        h.chyba = chybaSouboru(cesta, duvod, j);
        return h;
    }
    const QString hlavicka = radky->value(0);
    h.nazvy = rozdel(hlavicka, oddelovacPoli(hlavicka));
    h.podleNazvu = podleNazvu(h.nazvy);
    return h;
}

std::optional<SloupceMereni> ZvoleneSloupce(const QStringList& nazvy, const QString& zadani) {
    const QStringList casti = zadani.split(QLatin1Char(','));
    if (casti.size() != 2 && casti.size() != 3) {
        return std::nullopt;
    }
    std::optional<int> sloupce[3];
    for (qsizetype i = 0; i < casti.size(); ++i) {
        const QString cast = casti[i].trimmed();
        qsizetype s = nazvy.indexOf(cast);
        if (s < 0 && jenCislice(cast) && cast.size() <= 6) {
            s = cast.toInt() - 1;
        }
        if (s < 0 || s >= nazvy.size()) {
            return std::nullopt;
        }
        sloupce[i] = static_cast<int>(s);
    }
    return SloupceMereni{*sloupce[0], *sloupce[1], sloupce[2]};
}

namespace {

// The columns of a log: those the caller names, or those its header names, each one of the
// header's and each a column of its own. No value, and the reason, when they cannot be used.
std::optional<SloupceMereni> sloupceZaznamu(const QStringList& nazvy, const QString& hlavicka,
                                           const std::optional<SloupceMereni>& zvolene, Jazyk j, QString* duvod) {
    const std::optional<SloupceMereni> sloupce = zvolene ? zvolene : podleNazvu(nazvy);
    if (!sloupce) {
        *duvod = Text(id::MereniHlavicka, j).arg(ukazka(hlavicka.trimmed()));
        return std::nullopt;
    }
    const std::optional<int> pouzite[] = {sloupce->cas, sloupce->vsazka, sloupce->pec};
    for (const std::optional<int> s : pouzite) {
        if (s && (*s < 0 || *s >= nazvy.size())) {
            *duvod = Text(id::MereniBezSloupce, j).arg(nazvy.size()).arg(*s + 1);
            return std::nullopt;
        }
    }
    if (sloupce->cas == sloupce->vsazka || sloupce->pec == sloupce->cas || sloupce->pec == sloupce->vsazka) {
        *duvod = Text(id::MereniStejneSloupce, j);
        return std::nullopt;
    }
    return sloupce;
}

// The rows of a log into its points, one at a time, each checked against the ones before.
class CteniZaznamu {
public:
    CteniZaznamu(const SloupceMereni& sloupce, qsizetype sloupcu, QChar oddelovac, Jazyk j)
        : s_(sloupce), sloupcu_(sloupcu), oddelovac_(oddelovac), j_(j) {}

    // The point of the row on the 1-based line radek, or the reason why the row holds none.
    std::optional<QString> pridej(const QString& text, qsizetype radek);

    std::vector<BodMereni> body;

private:
    // The time of a row: after the time of the row before, the first at 0 s or later.
    std::optional<QString> cas(const QString& text, const QString& radek, double* cas);
    // A temperature of a charge or a furnace: not below absolute zero, nor above the hottest
    // furnace a case may have.
    std::optional<QString> teplota(const QString& text, const QString& radek, int sloupec, double* t) const;

    SloupceMereni s_;
    qsizetype sloupcu_;
    QChar oddelovac_;
    Jazyk j_;
    bool zHodin_ = false;
    double posun_ = 0.0;         // s of the midnights passed
    double predHodiny_ = 0.0;    // the clock time of the row before
    double zacatekHodin_ = 0.0;  // the clock time of the first row
};

std::optional<QString> CteniZaznamu::cas(const QString& text, const QString& radek, double* cas) {
    const bool prvni = body.empty();
    if (prvni) {
        zHodin_ = text.contains(QLatin1Char(':'));
    }
    const std::optional<CasHodin> h = zHodin_ ? casHodin(text) : std::nullopt;
    const std::optional<double> s = zHodin_ ? std::nullopt : hodnota(text, oddelovac_);
    if (!h && !s) {
        return Text(id::MereniNeniCas, j_).arg(radek, QString::number(s_.cas + 1), ukazka(text));
    }
    if (h) {
        if (prvni) {
            zacatekHodin_ = h->s;
        } else if (h->denni && predHodiny_ < kDen && h->s < predHodiny_ && h->s + kDen - predHodiny_ <= kDen / 2) {
            posun_ += kDen;
        }
        predHodiny_ = h->s;
    }
    *cas = h ? h->s + posun_ - zacatekHodin_ : *s;
    if (prvni && *cas < 0.0) {
        return Text(id::MereniPredZacatkem, j_).arg(radek, ukazka(text));
    }
    if (!prvni && !(*cas > body.back().cas)) {
        return Text(id::MereniPoradi, j_).arg(radek, ukazka(text));
    }
    return std::nullopt;
}

std::optional<QString> CteniZaznamu::teplota(const QString& text, const QString& radek, int sloupec,
                                             double* t) const {
    const std::optional<double> x = hodnota(text, oddelovac_);
    const QString kde = QString::number(sloupec + 1);
    if (!x) {
        return Text(id::KrivkaNeniCislo, j_).arg(radek, kde, ukazka(text));
    }
    const PopisPole& pec = Pole(Velicina::Tpece);
    if (*x < pec.min || *x > pec.max) {
        return Text(id::MereniTeplota, j_).arg(radek, kde, ukazka(text),
                                               TextZpravy(static_cast<float>(pec.min), QLatin1Char('.')).trimmed(),
                                               TextZpravy(static_cast<float>(pec.max), QLatin1Char('.')).trimmed());
    }
    *t = *x;
    return std::nullopt;
}

std::optional<QString> CteniZaznamu::pridej(const QString& text, qsizetype radek) {
    const QString cislo = QString::number(radek);
    QStringList pole = rozdel(text, oddelovac_);
    const int posledni = std::max({s_.cas, s_.vsazka, s_.pec.value_or(0)});
    if (pole.size() > sloupcu_ || pole.size() <= posledni) {
        return Text(id::MereniSloupcu, j_).arg(cislo, ukazka(text.trimmed()), QString::number(sloupcu_));
    }
    pole.resize(sloupcu_);  // the empty fields at its end that the row left out
    BodMereni b;
    if (std::optional<QString> proc = cas(pole.at(s_.cas), cislo, &b.cas)) {
        return proc;
    }
    if (std::optional<QString> proc = teplota(pole.at(s_.vsazka), cislo, s_.vsazka, &b.teplota)) {
        return proc;
    }
    if (s_.pec) {
        double t = 0.0;
        if (std::optional<QString> proc = teplota(pole.at(*s_.pec), cislo, *s_.pec, &t)) {
            return proc;
        }
        b.pec = t;
    }
    body.push_back(b);
    return std::nullopt;
}

}  // namespace

CteniMereni NactiMereniCsv(const QString& cesta, float tv, Jazyk j, const std::optional<SloupceMereni>& zvolene) {
    const auto chyba = [&](const QString& duvod) {
        CteniMereni m;
        m.chyba = chybaSouboru(cesta, duvod, j);
        return m;
    };
    QString duvod;
    const std::optional<QStringList> radky = ctiRadky(cesta, j, &duvod);
    if (!radky) {
        return chyba(duvod);
    }
    const QString hlavicka = radky->value(0);
    const QChar oddelovac = oddelovacPoli(hlavicka);
    const QStringList nazvy = rozdel(hlavicka, oddelovac);
    const std::optional<SloupceMereni> sloupce = sloupceZaznamu(nazvy, hlavicka, zvolene, j, &duvod);
    if (!sloupce) {
        return chyba(duvod);
    }
    CteniZaznamu zaznam(*sloupce, nazvy.size(), oddelovac, j);
    for (qsizetype i = 1; i < radky->size(); ++i) {
        if (radky->at(i).trimmed().isEmpty()) {
            continue;
        }
        if (const std::optional<QString> proc = zaznam.pridej(radky->at(i), i + 1)) {
            return chyba(*proc);
        }
    }
    if (zaznam.body.size() < 3) {
        return chyba(Text(id::MereniMaloBodu, j).arg(zaznam.body.size()));
    }
    const double start = static_cast<double>(tv);
    if (std::none_of(zaznam.body.begin(), zaznam.body.end(), [start](const BodMereni& b) { return b.teplota > start; })) {
        return chyba(Text(id::MereniNadStartem, j).arg(TextZpravy(tv, QLatin1Char('.')).trimmed()));
    }
    return CteniMereni{std::move(zaznam.body), sloupce->pec.has_value(), Chyba{}};
}

}  // namespace zorvet
