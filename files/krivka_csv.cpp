#include "files/krivka_csv.h"

#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni_souboru.h"
#include "files/retezce.h"
#include "files/windows1250.h"
#include "model/case/pole.h"

namespace zorvet {

namespace {

const char* const kSloupce[] = {"temperature_C", "c_J_kgK", "lambda_W_mK"};

QString zprava(int id, Jazyk j, qsizetype radek, qsizetype sloupec, const QString& text) {
    return Text(id, j).arg(QString::number(radek), QString::number(sloupec), text);
}

// The first header column that is not the one expected (1-based), or 0 for a header of two or
// three right columns.
qsizetype vadnySloupecHlavicky(const QStringList& pole) {
    for (qsizetype i = 0; i < pole.size() && i < 3; ++i) {
        if (pole[i].trimmed() != QLatin1String(kSloupce[i])) {
            return i + 1;
        }
    }
    return pole.size() < 2 ? pole.size() + 1 : (pole.size() > 3 ? 4 : 0);
}

// A value with the point, as the C locale writes it. A number too large for a double gives its
// infinity, which the checks of the curve name as such.
std::optional<double> hodnota(const QString& text) {
    bool ok = false;
    const double x = QLocale::c().toDouble(text, &ok);
    if (ok || std::isinf(x)) {
        return x;
    }
    return std::nullopt;
}

}  // namespace

std::optional<QString> ChybaBodu(const std::vector<RadekBodu>& radky, qsizetype zaKoncem, bool sLambdou, Jazyk j) {
    VlastnostiMaterialu v;
    for (const RadekBodu& r : radky) {
        v.Body.push_back(r.bod);
    }
    ZavadaKrivky z = ZkontrolujKrivku(v);
    if (!v.Body.empty() && v.Body.front().lambda == 0.0f) {
        // The first point's 0 takes the curve for one without conductivities; when a later point
        // holds one, or the table must, that 0 is the value at fault.
        const bool pozdejsi = z.vada == VadaKrivky::NekladnaHodnota && z.sloupec == 2 &&
                              v.Body[static_cast<std::size_t>(z.bod)].lambda > 0.0f;
        if (pozdejsi || (sLambdou && z.vada == VadaKrivky::Zadna)) {
            z = {VadaKrivky::NekladnaHodnota, 0, 2};
        }
    }
    int id = 0;
    switch (z.vada) {
        case VadaKrivky::Zadna:
            return std::nullopt;
        case VadaKrivky::MaloBodu:
            return Text(id::KrivkaMaloBodu, j).arg(QString::number(zaKoncem), QStringLiteral("1"));
        case VadaKrivky::NerostouciTeplota:
            id = id::KrivkaNerostouci;
            break;
        case VadaKrivky::NekladnaHodnota:
            id = id::KrivkaNekladna;
            break;
        case VadaKrivky::NekonecnaHodnota:
            id = id::KrivkaNekonecna;
            break;
        case VadaKrivky::MimoTeploty:
            id = id::KrivkaMimoTeploty;
            break;
    }
    const RadekBodu& r = radky[static_cast<std::size_t>(z.bod)];
    const QString text = zprava(id, j, r.radek, z.sloupec + 1, r.texty.value(z.sloupec));
    if (z.vada != VadaKrivky::MimoTeploty) {
        return text;
    }
    const PopisPole& teploty = Pole(Velicina::Tv);
    return text.arg(TextZpravy(static_cast<float>(teploty.min), QLatin1Char('.')).trimmed(),
                    TextZpravy(static_cast<float>(teploty.max), QLatin1Char('.')).trimmed());
}

PrecteniKrivky NactiKrivkuCsv(const QString& cesta, Jazyk j) {
    const auto selhani = [&](const QString& popis) {
        return PrecteniKrivky{std::nullopt, Chyba{DruhChyby::Soubor, Text(id::ChybaSouboru, j),
                                                  QDir::toNativeSeparators(cesta) + QLatin1Char('\n') + popis}};
    };
    const CelySoubor soubor = NactiCelySoubor(cesta, kNejvetsiTabulkaVlastnosti, j);
    if (!soubor.precten()) {
        return selhani(soubor.chyba);
    }
    QString text = decodeDataFile(soubor.bajty);
    text.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList radky = text.split(QLatin1Char('\n'));
    while (!radky.isEmpty() && radky.last().trimmed().isEmpty()) {
        radky.removeLast();
    }

    const QString hlavicka = radky.value(0);
    const QStringList nazvy = hlavicka.split(QLatin1Char(','));
    if (const qsizetype s = vadnySloupecHlavicky(nazvy)) {
        return selhani(zprava(id::KrivkaHlavicka, j, 1, s, hlavicka));
    }
    const qsizetype sloupcu = nazvy.size();
    std::vector<RadekBodu> body;
    for (qsizetype i = 1; i < radky.size(); ++i) {
        const QStringList pole = radky[i].split(QLatin1Char(','));
        if (pole.size() != sloupcu) {
            return selhani(Text(id::KrivkaSloupcu, j)
                               .arg(QString::number(i + 1), QString::number(std::min(pole.size(), sloupcu) + 1),
                                    radky[i], QString::number(sloupcu)));
        }
        RadekBodu r{i + 1, {}, {}};
        float* const hodnoty[] = {&r.bod.T, &r.bod.c, &r.bod.lambda};
        for (qsizetype s = 0; s < sloupcu; ++s) {
            const QString t = pole[s].trimmed();
            const std::optional<double> x = hodnota(t);
            if (!x) {
                return selhani(zprava(id::KrivkaNeniCislo, j, i + 1, s + 1, t));
            }
            r.texty.append(t);
            *hodnoty[s] = static_cast<float>(*x);
        }
        body.push_back(std::move(r));
    }
    if (const std::optional<QString> chyba = ChybaBodu(body, radky.size() + 1, sloupcu == 3, j)) {
        return selhani(*chyba);
    }
    VlastnostiMaterialu v{QFileInfo(cesta).completeBaseName().toStdString(), {}};
    for (const RadekBodu& r : body) {
        v.Body.push_back(r.bod);
    }
    return PrecteniKrivky{std::move(v), {}};
}

}  // namespace zorvet
