#include "files/refraktory.h"

#include <QDir>
#include <QLocale>
#include <QLockFile>
#include <QRegularExpression>
#include <QStringList>
#include <cmath>
#include <limits>
#include <map>

#include "files/cteni_souboru.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "files/zapis.h"

namespace zorvet {

namespace {

const QString kSouborRefraktoru = QStringLiteral("Refractories.lst");

// One line's fields and where it is, for the messages.
class Radek {
public:
    Radek(qsizetype cislo, Jazyk jazyk) : cislo_(cislo), jazyk_(jazyk) {}

    QString zprava(int id, qsizetype pole, const QString& text) const {
        return Text(id, jazyk_).arg(QString::number(cislo_), QString::number(pole), text);
    }
    // A number of field pole: finite, within a single, above zero unless it is a temperature.
    std::optional<float> cislo(const QString& text, qsizetype pole, bool kladne, QString* chyba) const {
        bool ok = false;
        const double x = QLocale::c().toDouble(text, &ok);
        if (!ok && !std::isinf(x)) {
            *chyba = zprava(id::KrivkaNeniCislo, pole, text);
            return std::nullopt;
        }
        if (!std::isfinite(x) || std::fabs(x) > static_cast<double>(std::numeric_limits<float>::max())) {
            *chyba = zprava(id::KrivkaNekonecna, pole, text);
            return std::nullopt;
        }
        if (kladne && !(static_cast<float>(x) > 0.0f)) {
            *chyba = zprava(id::KrivkaNekladna, pole, text);
            return std::nullopt;
        }
        return static_cast<float>(x);
    }
    // A point T:VALUE of field pole, after the point before it (none for the first).
    std::optional<BodRefraktoru> bod(const QString& text, qsizetype pole, const std::vector<BodRefraktoru>& pred,
                                     QString* chyba) const {
        const QStringList casti = text.split(QLatin1Char(':'));
        if (casti.size() != 2) {
            *chyba = zprava(id::RefraktorBod, pole, text);
            return std::nullopt;
        }
        const std::optional<float> t = cislo(casti[0], pole, false, chyba);
        if (!t) {
            return std::nullopt;
        }
        if (!pred.empty() && !(*t > pred.back().T)) {
            *chyba = zprava(id::RefraktorNerostouci, pole, casti[0]);
            return std::nullopt;
        }
        const std::optional<float> y = cislo(casti[1], pole, true, chyba);
        if (!y) {
            return std::nullopt;
        }
        if (pred.size() >= static_cast<std::size_t>(kNejviceBoduRefraktoru)) {
            *chyba = zprava(id::RefraktorMnohoBodu, pole, QString::number(kNejviceBoduRefraktoru));
            return std::nullopt;
        }
        return BodRefraktoru{*t, *y};
    }

private:
    qsizetype cislo_;
    Jazyk jazyk_;
};

// The refractory of a line's fields, or why not.
std::optional<Refraktor> refraktor(const QStringList& pole, const Radek& r, QString* chyba) {
    if (pole.size() < 4) {
        *chyba = r.zprava(id::RefraktorPole, 1, pole.join(QLatin1Char(' ')));
        return std::nullopt;
    }
    if (pole[0].contains(QLatin1Char(':')) || pole[0].contains(QLatin1Char(','))) {
        *chyba = r.zprava(id::RefraktorNazev, 1, pole[0]);
        return std::nullopt;
    }
    Refraktor v{pole[0].toStdString(), 0.0f, {}, {}};
    const std::optional<float> hustota = r.cislo(pole[1], 2, true, chyba);
    if (!hustota) {
        return std::nullopt;
    }
    v.Hustota = *hustota;
    if (!pole[2].contains(QLatin1Char(':'))) {
        const std::optional<float> c = r.cislo(pole[2], 3, true, chyba);
        if (!c) {
            return std::nullopt;
        }
        v.Teplo.push_back(BodRefraktoru{20.0f, *c});
    } else {
        for (const QString& text : pole[2].split(QLatin1Char('/'))) {
            const std::optional<BodRefraktoru> b = r.bod(text, 3, v.Teplo, chyba);
            if (!b) {
                return std::nullopt;
            }
            v.Teplo.push_back(*b);
        }
    }
    for (qsizetype i = 3; i < pole.size(); ++i) {
        const std::optional<BodRefraktoru> b = r.bod(pole[i], i + 1, v.Vodivost, chyba);
        if (!b) {
            return std::nullopt;
        }
        v.Vodivost.push_back(*b);
    }
    return v;
}

// The shortest text with the point that reads back as the same single.
QString cislo(float x) {
    for (int cislic = 6; cislic < 9; ++cislic) {
        const QString text = QString::number(static_cast<double>(x), 'g', cislic);
        if (text.toFloat() == x) {
            return text;
        }
    }
    return QString::number(static_cast<double>(x), 'g', 9);
}

QString body(const std::vector<BodRefraktoru>& b, QChar mezi) {
    QStringList casti;
    for (const BodRefraktoru& x : b) {
        casti.append(cislo(x.T) + QLatin1Char(':') + cislo(x.hodnota));
    }
    return casti.join(mezi);
}

}  // namespace

std::optional<Refraktor> CtiRadekRefraktoru(const QString& text, qsizetype radek, Jazyk jazyk, QString* chyba) {
    static const QRegularExpression kMezery(QStringLiteral("\\s+"));
    return refraktor(text.trimmed().split(kMezery, Qt::SkipEmptyParts), Radek(radek, jazyk), chyba);
}

PrecteniRefraktoru CtiRefraktory(const QString& text, Jazyk jazyk) {
    static const QRegularExpression kKonec(QStringLiteral("\r\n|\r|\n"));
    PrecteniRefraktoru p;
    std::map<QString, qsizetype> jmena;
    const QStringList radky = text.split(kKonec);
    for (qsizetype i = 0; i < radky.size(); ++i) {
        const QString obsah = radky[i].section(QLatin1Char('#'), 0, 0).trimmed();
        if (obsah.isEmpty()) {
            continue;
        }
        QString chyba;
        const std::optional<Refraktor> v = CtiRadekRefraktoru(obsah, i + 1, jazyk, &chyba);
        if (!v) {
            p.chyba = chyba;
            return p;
        }
        const QString jmeno = QString::fromStdString(v->Nazev);
        if (const auto [misto, nove] = jmena.emplace(jmeno, i + 1); !nove) {
            p.chyba = Text(id::RefraktorDvakrat, jazyk).arg(QString::number(i + 1), jmeno, QString::number(misto->second));
            return p;
        }
        p.refraktory.push_back(*v);
    }
    return p;
}

SouborRefraktoru NactiRefraktory(const QString& cesta, Jazyk jazyk) {
    const auto selhani = [&](const QString& popis) {
        return SouborRefraktoru{std::nullopt, Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, jazyk),
                                                    ZpravaSouboru(cesta, popis)}};
    };
    const CelySoubor soubor = NactiCelySoubor(cesta, kNejvetsiSeznamRefraktoru, jazyk);
    if (!soubor.precten()) {
        return selhani(soubor.chyba);
    }
    PrecteniRefraktoru p = CtiRefraktory(decodeDataFile(soubor.bajty), jazyk);
    if (p.chyba) {
        return selhani(*p.chyba);
    }
    return SouborRefraktoru{std::move(p.refraktory), {}};
}

SouborRefraktoru NactiDatabaziRefraktoru(const QString& slozka, Jazyk jazyk) {
    const QString cesta = QDir(slozka).filePath(kSouborRefraktoru);
    if (DruhCesty(cesta) == DruhSelhani::Chybi) {
        return SouborRefraktoru{std::vector<Refraktor>{}, {}};
    }
    return NactiRefraktory(cesta, jazyk);
}

QString TextRefraktoru(const Refraktor& r) {
    const bool stala = r.Teplo.size() == 1 && r.Teplo.front().T == 20.0f;
    return QString::fromStdString(r.Nazev) + QLatin1Char(' ') + cislo(r.Hustota) + QLatin1Char(' ') +
           (stala ? cislo(r.Teplo.front().hodnota) : body(r.Teplo, QLatin1Char('/'))) + QLatin1Char(' ') +
           body(r.Vodivost, QLatin1Char(' '));
}

UlozeniMaterialu UlozRefraktor(const QString& slozka, const Refraktor& r, bool prepsat, Chyba* chyba, Jazyk jazyk) {
    const QString cesta = QDir(slozka).filePath(kSouborRefraktoru);
    const auto selhani = [&](const QString& popis) {
        if (chyba != nullptr) {
            *chyba = Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, jazyk), ZpravaSouboru(cesta, popis)};
        }
        return UlozeniMaterialu::Chyba;
    };
    QLockFile zamek(cesta + QStringLiteral(".lock"));
    if (!zamek.tryLock(kCekaniNaUlozeni)) {
        return selhani(zamek.error() == QLockFile::LockFailedError
                           ? Text(id::UkladaniObsazeno, jazyk)
                           : Text(id::ZamekNelze, jazyk).arg(QDir::toNativeSeparators(zamek.fileName())));
    }
    QString text;
    if (DruhCesty(cesta) != DruhSelhani::Chybi) {
        const CelySoubor soubor = NactiCelySoubor(cesta, kNejvetsiSeznamRefraktoru, jazyk);
        if (!soubor.precten()) {
            return selhani(soubor.chyba);
        }
        text = decodeDataFile(soubor.bajty);
    }
    // The line whose first field is the name, a comment after it kept; the lines keep their ends.
    const QString cr = text.contains(QStringLiteral("\r\n")) ? QStringLiteral("\r") : QString();
    QStringList radky = text.split(QLatin1Char('\n'));
    const QString nazev = QString::fromStdString(r.Nazev);
    UlozeniMaterialu vysledek = UlozeniMaterialu::Pridan;
    const auto stejny = std::find_if(radky.begin(), radky.end(), [&nazev](const QString& radek) {
        return radek.section(QLatin1Char('#'), 0, 0).simplified().section(QLatin1Char(' '), 0, 0) == nazev;
    });
    if (stejny != radky.end()) {
        if (!prepsat) {
            return UlozeniMaterialu::Existuje;
        }
        const qsizetype komentar = stejny->indexOf(QLatin1Char('#'));
        const QString konec = stejny->endsWith(QLatin1Char('\r')) ? QStringLiteral("\r") : QString();
        *stejny = TextRefraktoru(r) + (komentar >= 0 ? QLatin1Char(' ') + stejny->mid(komentar) : konec);
        vysledek = UlozeniMaterialu::Prepsan;
    } else {
        if (!radky.isEmpty() && radky.back().isEmpty()) {
            radky.removeLast();
        }
        radky.append(TextRefraktoru(r) + cr);
        radky.append(QString());
    }
    QString popis;
    if (!writeWhole(cesta, encodeDataFile(radky.join(QLatin1Char('\n'))), &popis, jazyk)) {
        return selhani(popis);
    }
    return vysledek;
}

const Refraktor* NajdiRefraktor(const std::string& nazev, const std::vector<Refraktor>& vlastni,
                                const std::vector<Refraktor>& databaze) {
    for (const std::vector<Refraktor>* seznam : {&vlastni, &databaze}) {
        for (const Refraktor& r : *seznam) {
            if (r.Nazev == nazev) {
                return &r;
            }
        }
    }
    return nullptr;
}

}  // namespace zorvet
