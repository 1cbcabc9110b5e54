#include "files/mereni_csv.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QStringList>
#include <cmath>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

namespace {

CteniMereni chyba(const QString& cesta, const QString& duvod) {
    CteniMereni c;
    c.chyba = QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + duvod;
    return c;
}

}  // namespace

CteniMereni NactiMereniCsv(const QString& cesta, float tv, Jazyk j) {
    QFile f(cesta);
    if (!f.open(QIODevice::ReadOnly)) {
        return chyba(cesta, f.errorString());
    }
    const QStringList radky = QString::fromUtf8(f.readAll()).split(QLatin1Char('\n'));
    const QString hlavicka = radky.value(0).trimmed();
    CteniMereni c;
    if (hlavicka == QLatin1String("time_s,charge_C,furnace_C")) {
        c.sPeci = true;
    } else if (hlavicka != QLatin1String("time_s,charge_C")) {
        return chyba(cesta, Text(id::MereniHlavicka, j).arg(hlavicka));
    }
    const int sloupcu = c.sPeci ? 3 : 2;
    bool nadStartem = false;
    for (qsizetype i = 1; i < radky.size(); ++i) {
        const QString radek = radky.at(i).trimmed();
        if (radek.isEmpty()) {
            continue;
        }
        const QString cislo = QString::number(i + 1);
        const QStringList pole = radek.split(QLatin1Char(','));
        if (pole.size() != sloupcu) {
            return chyba(cesta, Text(id::MereniSloupcu, j).arg(cislo, radek, QString::number(sloupcu)));
        }
        double x[3] = {};
        for (int s = 0; s < sloupcu; ++s) {
            bool ok = false;
            x[s] = QLocale::c().toDouble(pole.at(s).trimmed(), &ok);
            if (!ok || !std::isfinite(x[s])) {
                return chyba(cesta, Text(id::KrivkaNeniCislo, j).arg(cislo, QString::number(s + 1), pole.at(s).trimmed()));
            }
        }
        if (!c.body.empty() && !(x[0] > c.body.back().cas)) {
            return chyba(cesta, Text(id::MereniPoradi, j).arg(cislo, pole.at(0).trimmed()));
        }
        BodMereni b{x[0], x[1], std::nullopt};
        if (c.sPeci) {
            b.pec = x[2];
        }
        nadStartem = nadStartem || x[1] > static_cast<double>(tv);
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
