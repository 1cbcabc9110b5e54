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

CteniMereni NactiMereniCsv(const QString& cesta, float tv, Jazyk j, const std::optional<SloupceMereni>& zvolene) {
    const auto chyba = [&](const QString& c, const QString& duvod) {
        CteniMereni m;
        m.chyba = chybaSouboru(c, duvod, j);
        return m;
    };
    QString duvod;
    const std::optional<QStringList> radky = ctiRadky(cesta, j, &duvod);
    if (!radky) {
        return chyba(cesta, duvod);
    }
    const QString hlavicka = radky->value(0);
    const QChar oddelovac = oddelovacPoli(hlavicka);
    const QStringList nazvy = rozdel(hlavicka, oddelovac);
    const qsizetype sloupcu = nazvy.size();
    std::optional<SloupceMereni> sloupce = zvolene ? zvolene : podleNazvu(nazvy);
    if (!sloupce) {
        return chyba(cesta, Text(id::MereniHlavicka, j).arg(ukazka(hlavicka.trimmed())));
    }
    const std::optional<int> pouzite[] = {sloupce->cas, sloupce->vsazka, sloupce->pec};
    for (const std::optional<int> s : pouzite) {
        if (s && (*s < 0 || *s >= sloupcu)) {
            return chyba(cesta, Text(id::MereniBezSloupce, j).arg(sloupcu).arg(*s + 1));
        }
    }
    if (sloupce->cas == sloupce->vsazka || sloupce->pec == sloupce->cas || sloupce->pec == sloupce->vsazka) {
        return chyba(cesta, Text(id::MereniStejneSloupce, j));
    }

    CteniMereni c;
    c.sPeci = sloupce->pec.has_value();
    bool nadStartem = false;
    bool zHodin = false;
    double posun = 0.0;        // s of the midnights passed
    double predHodiny = 0.0;   // the clock time of the row before
    double zacatekHodin = 0.0;  // the clock time of the first row
    for (qsizetype i = 1; i < radky->size(); ++i) {
        const QString& radek = radky->at(i);
        if (radek.trimmed().isEmpty()) {
            continue;
        }
        const QString cislo = QString::number(i + 1);
        QStringList pole = rozdel(radek, oddelovac);
        const int posledni = std::max({sloupce->cas, sloupce->vsazka, sloupce->pec.value_or(0)});
        if (pole.size() > sloupcu || pole.size() <= posledni) {
            return chyba(cesta,
                         Text(id::MereniSloupcu, j).arg(cislo, ukazka(radek.trimmed()), QString::number(sloupcu)));
        }
        pole.resize(sloupcu);  // the empty fields at its end that the row left out
        const QString& textCasu = pole.at(sloupce->cas);
        if (c.body.empty()) {
            zHodin = textCasu.contains(QLatin1Char(':'));
        }
        double cas = 0.0;
        const auto neniCas = [&] {
            return chyba(cesta,
                         Text(id::MereniNeniCas, j).arg(cislo, QString::number(sloupce->cas + 1), ukazka(textCasu)));
        };
        if (zHodin) {
            const std::optional<CasHodin> h = casHodin(textCasu);
            if (!h) {
                return neniCas();
            }
            if (c.body.empty()) {
                zacatekHodin = h->s;
            } else if (h->denni && predHodiny < kDen && h->s < predHodiny &&
                       h->s + kDen - predHodiny <= kDen / 2) {
                posun += kDen;
            }
            predHodiny = h->s;
            cas = h->s + posun - zacatekHodin;
        } else if (const std::optional<double> s = hodnota(textCasu, oddelovac)) {
            cas = *s;
        } else {
            return neniCas();
        }
        double teplota[2] = {};
        const std::optional<int> sloupceTeplot[2] = {sloupce->vsazka, sloupce->pec};
        for (int k = 0; k < 2; ++k) {
            if (!sloupceTeplot[k]) {
                continue;
            }
            const QString& text = pole.at(*sloupceTeplot[k]);
            const std::optional<double> x = hodnota(text, oddelovac);
            if (!x) {
                return chyba(cesta, Text(id::KrivkaNeniCislo, j)
                                        .arg(cislo, QString::number(*sloupceTeplot[k] + 1), ukazka(text)));
            }
            teplota[k] = *x;
        }
        if (c.body.empty() && cas < 0.0) {
            return chyba(cesta, Text(id::MereniPredZacatkem, j).arg(cislo, ukazka(textCasu)));
        }
        if (!c.body.empty() && !(cas > c.body.back().cas)) {
            return chyba(cesta, Text(id::MereniPoradi, j).arg(cislo, ukazka(textCasu)));
        }
        BodMereni b{cas, teplota[0], std::nullopt};
        if (c.sPeci) {
            b.pec = teplota[1];
        }
        nadStartem = nadStartem || teplota[0] > static_cast<double>(tv);
        c.body.push_back(b);
    }
    if (c.body.size() < 3) {
        return chyba(cesta, Text(id::MereniMaloBodu, j).arg(c.body.size()));
    }
    if (!nadStartem) {
        return chyba(cesta, Text(id::MereniNadStartem, j).arg(TextZpravy(tv, QLatin1Char('.')).trimmed()));
    }
    return c;
}

}  // namespace zorvet
