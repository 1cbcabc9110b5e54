#include "app/davka.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/jazyk.h"
#include "files/krivka_csv.h"
#include "files/mereni_csv.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/tabulka_csv.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "model/geometrie.h"
#include "model/planovani.h"
#include "model/pole.h"
#include "model/vykon.h"
#include "model/vypocet.h"

#ifndef ZORVET_VERSION
#define ZORVET_VERSION "0"
#endif

namespace zorvet {

namespace {

void vypis(std::FILE* kam, const QString& text) {
    const QByteArray bajty = text.toUtf8();
    std::fwrite(bajty.constData(), 1, static_cast<std::size_t>(bajty.size()), kam);
}

// One message on standard error: the program's name, the box's title and its text on one line.
void chyba(const QString& titulek, const QString& text) {
    QString jedenRadek = text;
    jedenRadek.replace(QLatin1String("\r\n"), QLatin1String(" "));
    jedenRadek.replace(QLatin1Char('\n'), QLatin1String(": "));
    vypis(stderr, QStringLiteral("zorvet: ") + (titulek.isEmpty() ? QString() : titulek + QLatin1String(": ")) +
                      jedenRadek + QLatin1Char('\n'));
}

// A number on the command line, with the point or the comma.
std::optional<double> cisloArgumentu(QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double x = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

struct Volby {
    QCommandLineOption vysledky{QStringLiteral("results"), QStringLiteral("Write the results file (*.odp)."),
                                QStringLiteral("FILE.odp")};
    QCommandLineOption csv{QStringLiteral("csv"), QStringLiteral("Write the result table as CSV."),
                           QStringLiteral("FILE.csv")};
    QCommandLineOption ztraty{QStringLiteral("losses"),
                              QStringLiteral("Heat losses in per cent for the power required (default 0)."),
                              QStringLiteral("PERCENT")};
    QCommandLineOption jazyk{QStringLiteral("language"),
                             QStringLiteral("Language of messages and file labels: en or cs (default: the stored "
                                            "setting)."),
                             QStringLiteral("en|cs")};
    QCommandLineOption komentar{QStringLiteral("comment"),
                                QStringLiteral("Comment written as the first line of the results file."),
                                QStringLiteral("TEXT")};
    QCommandLineOption redukce{QStringLiteral("reduction"),
                               QStringLiteral("Reduction factor of the heat-exchange surface, over 0 up to 1 "
                                              "(default 1)."),
                               QStringLiteral("K")};
    QCommandLineOption vodivost{QStringLiteral("conductivity"),
                                QStringLiteral("Thermal conductivity of the charge in W/m/K: the core of a thick "
                                               "charge is computed too (needs the mass from the dimensions)."),
                                QStringLiteral("L")};
    QCommandLineOption vystup{QStringLiteral("output"),
                              QStringLiteral("chart: the picture to write; its extension .png, .svg or .pdf "
                                             "chooses the format. report: the PDF file to write."),
                              QStringLiteral("FILE")};
    QCommandLineOption vlastnosti{QStringLiteral("properties"),
                                  QStringLiteral("Temperature-dependent specific heat (and conductivity) of the "
                                                 "charge: carbon-steel, stainless-steel (EN 1993-1-2) or a CSV file "
                                                 "with the header temperature_C,c_J_kgK[,lambda_W_mK]."),
                                  QStringLiteral("MODEL")};
    QCommandLineOption prikon{QStringLiteral("power-limit"),
                              QStringLiteral("Installed power of the furnace in W: the heat given to the charge "
                                             "never exceeds it, less the --losses."),
                              QStringLiteral("WATTS")};
    QCommandLineOption konvekce{QStringLiteral("convection"),
                                QStringLiteral("Convective heat-transfer coefficient in W/m2/K, from 0 to 1000 "
                                               "(default 15)."),
                                QStringLiteral("H")};
    QCommandLineOption cas{QStringLiteral("time"), QStringLiteral("goal: the heat-up time to meet, in s."),
                           QStringLiteral("SECONDS")};
    QCommandLineOption hledej{QStringLiteral("find"),
                              QStringLiteral("goal: what to find: the largest mass, the lowest furnace temperature "
                                             "or the smallest installed power."),
                              QStringLiteral("mass|furnace|power")};
    QCommandLineOption menit{QStringLiteral("vary"),
                             QStringLiteral("sweep: a quantity and its values (mass, furnace, final, start, emissivity, "
                                            "time-step, power, convection, conductivity); twice for a grid."),
                             QStringLiteral("NAME=FROM:TO:STEP")};
    QCommandLineOption mereni{QStringLiteral("measured"),
                              QStringLiteral("fit: the measured log, CSV with the header time_s,charge_C[,furnace_C]."),
                              QStringLiteral("LOG.csv")};
    QCommandLineOption grafMereni{QStringLiteral("chart"),
                                  QStringLiteral("fit: also draw the logged points over the fitted curve into a "
                                                 ".png, .svg or .pdf picture."),
                                  QStringLiteral("PICTURE")};
    QCommandLineOption velikost{QStringLiteral("size"),
                                QStringLiteral("chart: width and height in pixels at 300 dpi (default 2400x1800, "
                                               "8 x 6 inches)."),
                                QStringLiteral("WxH")};
};

// The value of a numeric option, bezNej without it; no value (after the message) for a text
// that is no number over 0 and up to nejvic.
std::optional<float> kladnaVolba(const QCommandLineParser& parser, const QCommandLineOption& volba, float bezNej,
                                 double nejvic, const QString& pozadavek) {
    if (!parser.isSet(volba)) {
        return bezNej;
    }
    const std::optional<double> x = cisloArgumentu(parser.value(volba));
    if (!x || !(*x > 0.0) || *x > nejvic) {
        chyba(QString(), QStringLiteral("--%1 needs %2, not \"%3\".")
                             .arg(volba.names().constFirst(), pozadavek, parser.value(volba)));
        return std::nullopt;
    }
    return static_cast<float>(*x);
}

// The reduction factor of the surface, 1 without --reduction.
std::optional<float> redukceArgumentu(const QCommandLineParser& parser, const Volby& v) {
    return kladnaVolba(parser, v.redukce, 1.0f, 1.0, QStringLiteral("a number over 0 and up to 1"));
}

// The conductivity, 0 (none) without --conductivity: from the smallest the conduction takes
// (1e-9 W/m/K) to the largest the problem dialog takes.
std::optional<float> vodivostArgumentu(const QCommandLineParser& parser, const Volby& v) {
    const double nejvic = Pole(Velicina::Lambda).max;
    const QString rozsah = QStringLiteral("a number from 1e-09 to %1 (W/m/K)").arg(nejvic);
    const std::optional<float> lambda = kladnaVolba(parser, v.vodivost, 0.0f, nejvic, rozsah);
    if (lambda && parser.isSet(v.vodivost) && !(*lambda >= 1.0e-9f)) {
        chyba(QString(), QStringLiteral("--conductivity needs %1, not \"%2\".").arg(rozsah, parser.value(v.vodivost)));
        return std::nullopt;
    }
    return lambda;
}

// What the options change in the problem of a file before it is computed.
struct Uprava {
    float koefK = 1.0f;
    float lambda = 0.0f;
    std::optional<std::int16_t> ztraty;         // --losses
    std::optional<VlastnostiMaterialu> vlastnosti;
    std::optional<float> prikon;                // kW
    std::optional<float> konvekce;
};

// A value of --power-limit or --convection checked as the problem dialog checks its field.
std::optional<float> volbaPole(const QCommandLineParser& parser, const QCommandLineOption& volba, Velicina velicina,
                               double meritko, Jazyk jazyk, bool& chybna) {
    if (!parser.isSet(volba)) {
        return std::nullopt;
    }
    const QString text = parser.value(volba);
    const std::optional<double> x = cisloArgumentu(text);
    std::optional<Zavada> zavada;
    if (!x) {
        zavada = Zavada{velicina, Vada::NeniCislo, 0, text.toStdString()};
    } else if (const std::optional<Vada> vada = ZkontrolujHodnotu(Pole(velicina), *x / meritko, Uloha{});
               vada || *x == 0.0) {
        zavada = Zavada{velicina, vada.value_or(Vada::PodRozsahem), 0, {}};
    }
    if (zavada) {
        chyba(QString(), QStringLiteral("--%1: ").arg(volba.names().constFirst()) + ZpravaZavady(*zavada, Uloha{}, jazyk));
        chybna = true;
        return std::nullopt;
    }
    return static_cast<float>(*x / meritko);
}

// The curve of --properties: a built-in steel by its key, or a CSV file.
std::optional<VlastnostiMaterialu> vlastnostiArgumentu(const QCommandLineParser& parser, const Volby& v, Jazyk jazyk,
                                                       bool& chybna) {
    if (!parser.isSet(v.vlastnosti)) {
        return std::nullopt;
    }
    const QString hodnota = parser.value(v.vlastnosti);
    for (const char* klic : {kUhlikovaOcel, kNerezovaOcel}) {
        if (hodnota == QLatin1String(klic)) {
            return VestaveneVlastnosti(klic);
        }
    }
    PrecteniKrivky cteni = NactiKrivkuCsv(hodnota, jazyk);
    if (!cteni.krivka) {
        chyba(Text(id::ChybaSouboru, jazyk), cteni.chyba);
        chybna = true;
    }
    return cteni.krivka;
}

// Reads a problem file (or the problem of a results file) and computes it, accepted by the
// rule of the problem dialog's OK (the mass and the total surface of the dimensions first).
// kUspech and the result, or the exit status after the message. The result names the file when
// the problem computed is what the file holds.
// A problem file read, with the options applied.
struct NactenaUloha {
    Uloha uloha;
    QString otisk;        // the problem as the file holds it
    QString komentar;     // the file's last comment
};

// Reads a problem file (or the problem of a results file) and applies the options. kUspech, or
// the exit status after the message.
int nactiUlohu(const QString& cesta, const Uprava& uprava, Jazyk jazyk, NactenaUloha& n) {
    PrecteniSouboru precteni = NactiSoubor(cesta, false, Uloha{}, jazyk);
    if (!precteni.obsah) {
        chyba(Text(id::ChybaSouboru, jazyk), precteni.chyba);
        return kNepouzitelnyVstup;
    }
    Uloha& u = precteni.obsah->uloha;
    n.otisk = OtiskUlohy(u);
    n.komentar = precteni.obsah->komentare.isEmpty() ? QString() : precteni.obsah->komentare.last();
    u.KoefK = uprava.koefK;
    u.Lambda = uprava.lambda;
    if (uprava.vlastnosti) {
        u.Vlastnosti = uprava.vlastnosti;
    }
    if (uprava.prikon) {
        u.Prikon = *uprava.prikon;
    }
    if (uprava.konvekce) {
        u.Konvekce = *uprava.konvekce;
    }
    // The losses of the installed power are the power frame's.
    if (u.Prikon > 0.0f && uprava.ztraty) {
        u.ZtratyPrikonu = *uprava.ztraty;
    }
    if (uprava.lambda > 0.0f && !u.zRozmeru()) {
        chyba(QString(), QStringLiteral("--conductivity: ") + ZpravaJadra(KonecJadra::BezRozmeru, jazyk));
        return kNepouzitelnyVstup;
    }
    n.uloha = u;
    return kUspech;
}

// Computes a problem, accepted by the rule of the problem dialog's OK (the mass and the total
// surface of the dimensions first). kUspech and the result, or the exit status after the
// message. The result names the file when the problem computed is what the file holds.
int vypoctiUlohu(Uloha u, const NactenaUloha& n, const QString& cesta, Jazyk jazyk,
                 std::shared_ptr<Vysledek>& vysledek) {
    OdvodUlohu(u);
    if (const std::optional<Zavada> zavada = PrijmiUlohu(u)) {
        chyba(TitulekZavady(jazyk), ZpravaZavady(*zavada, u, jazyk));
        return kNepouzitelnyVstup;
    }
    VysledekVypoctu v = Vypocet(u);
    if (v.konec != KonecVypoctu::Uspech) {
        chyba(TitulekSelhani(jazyk), ZpravaSelhani(v, u, jazyk));
        return kVypocetSelhal;
    }
    if (v.jadro && *v.jadro != KonecJadra::Dosazeno) {
        chyba(QString(), ZpravaJadra(*v.jadro, jazyk));
        return *v.jadro == KonecJadra::BezPloch ? kNepouzitelnyVstup : kVypocetSelhal;
    }
    vysledek = std::move(v.vysledek);
    // The warning the window shows beside the core time.
    if (const QString varovani = VarovaniJadra(*vysledek, jazyk); !varovani.isEmpty()) {
        chyba(QString(), varovani);
    }
    if (OtiskUlohy(u) == n.otisk) {
        vysledek->Soubor = QFileInfo(cesta).fileName().toStdString();
        vysledek->Komentar = n.komentar.toStdString();
    }
    return kUspech;
}

int nactiAVypocti(const QString& cesta, const Uprava& uprava, Jazyk jazyk, std::shared_ptr<Vysledek>& vysledek) {
    NactenaUloha n;
    if (const int kod = nactiUlohu(cesta, uprava, jazyk, n); kod != kUspech) {
        return kod;
    }
    return vypoctiUlohu(n.uloha, n, cesta, jazyk, vysledek);
}

// The losses of --losses, 0 without it; no value (after the message) for a text that is no
// whole percentage from 0 to 32767, as the power frame takes it.
std::optional<std::int16_t> ztratyArgumentu(const QCommandLineParser& parser, const Volby& v, Jazyk jazyk) {
    if (!parser.isSet(v.ztraty)) {
        return std::int16_t{0};
    }
    const QString text = parser.value(v.ztraty);
    const std::optional<double> z = cisloArgumentu(text);
    std::optional<Zavada> zavada;
    if (!z) {
        zavada = Zavada{Velicina::Ztraty, Vada::NeniCislo, 0, text.toStdString()};
    } else if (const std::optional<Vada> vada = ZkontrolujHodnotu(Pole(Velicina::Ztraty), *z, Uloha{})) {
        zavada = Zavada{Velicina::Ztraty, *vada, 0, {}};
    }
    if (zavada) {
        chyba(QString(), QStringLiteral("--losses: ") + ZpravaZavady(*zavada, Uloha{}, jazyk));
        return std::nullopt;
    }
    return static_cast<std::int16_t>(*z);
}

// The options that change the problem; no value after the message of one that is wrong.
std::optional<Uprava> upravaArgumentu(const QCommandLineParser& parser, const Volby& v, Jazyk jazyk) {
    Uprava u;
    bool chybna = false;
    const std::optional<float> koefK = redukceArgumentu(parser, v);
    const std::optional<float> lambda = vodivostArgumentu(parser, v);
    if (parser.isSet(v.ztraty)) {
        u.ztraty = ztratyArgumentu(parser, v, jazyk);
        chybna = !u.ztraty;
    }
    u.prikon = volbaPole(parser, v.prikon, Velicina::Prikon, 1000.0, jazyk, chybna);
    u.konvekce = volbaPole(parser, v.konvekce, Velicina::Konvekce, 1.0, jazyk, chybna);
    if (!koefK || !lambda || chybna) {
        return std::nullopt;
    }
    u.koefK = *koefK;
    u.lambda = *lambda;
    u.vlastnosti = vlastnostiArgumentu(parser, v, jazyk, chybna);
    if (chybna) {
        return std::nullopt;
    }
    return u;
}

// The losses of the power shown with a result: --losses, else those of its installed power.
std::int16_t ztratyVysledku(const Uprava& uprava, const Vysledek& vysledek) {
    return uprava.ztraty.value_or(vysledek.Uloha.Prikon > 0.0f ? vysledek.Uloha.ZtratyPrikonu : std::int16_t{0});
}

// The files a compute writes, then what it prints, after the line prvni when it is given.
int dokonci(const QCommandLineParser& parser, const Volby& v, const std::shared_ptr<Vysledek>& vysledek,
            std::int16_t ztraty, Jazyk jazyk, const QString& prvni = QString()) {
    vysledek->Ztraty = ztraty;
    // The files first, all of them or none: a run whose files could not be written prints no
    // result and leaves every file as it was.
    QList<std::pair<QString, QByteArray>> soubory;
    if (parser.isSet(v.vysledky)) {
        soubory.append({parser.value(v.vysledky),
                        BajtySouboru(vysledek->Uloha, vysledek.get(), parser.value(v.komentar), jazyk)});
    }
    if (parser.isSet(v.csv)) {
        soubory.append({parser.value(v.csv), TabulkaCsv(*vysledek).toUtf8()});
    }
    QString kde;
    QString duvod;
    if (!writeAllOrNone(soubory, &kde, &duvod)) {
        chyba(Text(id::ChybaSouboru, jazyk), QDir::toNativeSeparators(kde) + QLatin1Char('\n') + duvod);
        return kNepouzitelnyVstup;
    }
    QString out = prvni.isEmpty() ? QString() : prvni + QLatin1Char('\n');
    out += ZpravaKonecneTeploty(*vysledek, jazyk) + QLatin1Char('\n');
    out += BezAkceleratoru(Text(id::Ztraty, jazyk)) + QLatin1String(": ") + QString::number(ztraty) + QLatin1Char('\n');
    const std::optional<VykonSpotreba> vykon = VykonASpotreba(*vysledek, ztraty);
    out += BezAkceleratoru(Text(id::Prikon, jazyk)) + QLatin1String(": ") + (vykon ? TextObecny(vykon->P) : QString()) +
           QLatin1Char('\n');
    out += BezAkceleratoru(Text(id::Spotreba, jazyk)) + QLatin1String(": ") +
           (vykon ? TextObecny(vykon->E) : QString()) + QLatin1Char('\n');
    out += RadkyJadra(*vysledek, jazyk);
    out += RadkyRozsireni(*vysledek, jazyk);
    vypis(stdout, out);
    std::fflush(stdout);
    return kUspech;
}

// A number over 0 of an option that must be given.
std::optional<double> nutneKladne(const QCommandLineParser& parser, const QCommandLineOption& volba,
                                  const QString& prikaz) {
    const std::optional<double> x = cisloArgumentu(parser.value(volba));
    if (!parser.isSet(volba) || !x || !(*x > 0.0)) {
        chyba(QString(), QStringLiteral("%1 needs --%2 with a number over 0, not \"%3\".\nsee zorvet --help")
                             .arg(prikaz, volba.names().constFirst(), parser.value(volba)));
        return std::nullopt;
    }
    return x;
}

// Why a quantity of the problem cannot be sought or swept; empty when it can.
QString nelzeMenit(const Uloha& u, Velicina co, Jazyk jazyk) {
    if (co == Velicina::Tpece && u.Rizeny) {
        return Text(id::CilRizena, jazyk);
    }
    if (co == Velicina::m && u.zRozmeru()) {
        return Text(id::CilZRozmeru, jazyk);
    }
    if (co == Velicina::Lambda && !u.zRozmeru()) {
        return ZpravaJadra(KonecJadra::BezRozmeru, jazyk);
    }
    return {};
}

int cil(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk) {
    const std::optional<double> cas = nutneKladne(parser, v.cas, QStringLiteral("goal"));
    if (!cas) {
        return kNepouzitelnyVstup;
    }
    const QString co = parser.value(v.hledej);
    const Velicina velicina = co == QLatin1String("mass")      ? Velicina::m
                              : co == QLatin1String("furnace") ? Velicina::Tpece
                                                               : Velicina::Prikon;
    if (co != QLatin1String("mass") && co != QLatin1String("furnace") && co != QLatin1String("power")) {
        chyba(QString(), QStringLiteral("goal needs --find mass, furnace or power, not \"%1\".").arg(co));
        return kNepouzitelnyVstup;
    }
    const std::optional<Uprava> uprava = upravaArgumentu(parser, v, jazyk);
    NactenaUloha n;
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    if (const int kod = nactiUlohu(cesta, *uprava, jazyk, n); kod != kUspech) {
        return kod;
    }
    if (const QString proc = nelzeMenit(n.uloha, velicina, jazyk); !proc.isEmpty()) {
        chyba(QString(), QStringLiteral("--find %1: ").arg(co) + proc);
        return kNepouzitelnyVstup;
    }
    const VysledekHledani h = HledejCil(n.uloha, velicina, *cas);
    const QString casText = QString::number(*cas);
    switch (h.konec) {
        case KonecHledani::Nalezeno:
            break;
        case KonecHledani::Nelze:
            chyba(QString(), velicina == Velicina::m       ? Text(id::NelzeHmotnost, jazyk).arg(casText)
                             : velicina == Velicina::Tpece ? Text(id::NelzePec, jazyk).arg(casText).arg(kNejvyssiCilovaPec)
                                                           : Text(id::NelzePrikon, jazyk).arg(casText));
            return kVypocetSelhal;
        case KonecHledani::RizenaPec:
        case KonecHledani::HmotnostZRozmeru:
        case KonecHledani::Odmitnuto: {
            // The problem itself: computed again for its own message and status.
            std::shared_ptr<Vysledek> vysledek;
            const int kod = vypoctiUlohu(n.uloha, n, cesta, jazyk, vysledek);
            return kod != kUspech ? kod : kVypocetSelhal;
        }
    }
    // The answer at the precision sought, rounded to the side that meets the time.
    double hodnota = h.hodnota;
    QString popisek;
    if (velicina == Velicina::m) {
        const double rad = std::pow(10.0, std::floor(std::log10(hodnota)) - 3.0);
        hodnota = std::floor(hodnota / rad) * rad;
        popisek = Text(id::CilHmotnost, jazyk);
    } else if (velicina == Velicina::Tpece) {
        hodnota = std::ceil(hodnota * 10.0) / 10.0;
        popisek = Text(id::CilPec, jazyk);
    } else {
        hodnota = std::ceil(hodnota);
        popisek = Text(id::CilPrikon, jazyk);
    }
    Uloha u = n.uloha;
    NastavHodnotu(u, velicina, velicina == Velicina::Prikon ? hodnota / 1000.0 : hodnota);
    std::shared_ptr<Vysledek> vysledek;
    if (const int kod = vypoctiUlohu(u, n, cesta, jazyk, vysledek); kod != kUspech) {
        return kod;
    }
    return dokonci(parser, v, vysledek, ztratyVysledku(*uprava, *vysledek), jazyk,
                   popisek + QLatin1String(": ") + QString::number(hodnota, 'g', 10));
}

// A quantity of a sweep: its name on the command line, the field it sets and the scale of its
// values to the field's (the power is swept in W, the field holds kW).
struct Rozmitani {
    QString nazev;
    Velicina velicina;
    double meritko;
    std::vector<double> hodnoty;
};

std::optional<Rozmitani> rozmitani(const QString& text, const Uloha& u, Jazyk jazyk) {
    static const std::pair<const char*, Velicina> kNazvy[] = {
        {"mass", Velicina::m},         {"furnace", Velicina::Tpece},  {"final", Velicina::Tk},
        {"start", Velicina::Tv},       {"emissivity", Velicina::Eps}, {"time-step", Velicina::CasKrok},
        {"power", Velicina::Prikon},   {"convection", Velicina::Konvekce}, {"conductivity", Velicina::Lambda}};
    const qsizetype rovno = text.indexOf(QLatin1Char('='));
    const QString nazev = text.left(rovno);
    const QStringList meze = text.mid(rovno + 1).split(QLatin1Char(':'));
    const auto spatne = [&](const QString& proc) {
        chyba(QString(), QStringLiteral("--vary %1: %2").arg(text, proc));
        return std::nullopt;
    };
    const auto* najity = std::find_if(std::begin(kNazvy), std::end(kNazvy),
                                      [&](const auto& p) { return nazev == QLatin1String(p.first); });
    if (rovno < 0 || najity == std::end(kNazvy)) {
        return spatne(QStringLiteral("NAME=FROM:TO:STEP names mass, furnace, final, start, emissivity, time-step, "
                                     "power, convection or conductivity"));
    }
    double x[3] = {0.0, -1.0, 0.0};  // from, to, step
    bool cisla = meze.size() == 3;
    for (qsizetype i = 0; cisla && i < 3; ++i) {
        const std::optional<double> c = cisloArgumentu(meze.at(i));
        cisla = c.has_value();
        x[i] = c.value_or(0.0);
    }
    const double od = x[0], po = x[1], krok = x[2];
    if (!cisla || !(krok > 0.0) || po < od) {
        return spatne(QStringLiteral("FROM:TO:STEP needs three numbers, FROM up to TO and a STEP over 0"));
    }
    const double pocet = std::floor((po - od) / krok * (1.0 + 1e-12)) + 1.0;
    if (pocet > 1.0e6) {
        return spatne(QStringLiteral("more than a million values"));
    }
    if (const QString proc = nelzeMenit(u, najity->second, jazyk); !proc.isEmpty()) {
        return spatne(proc);
    }
    Rozmitani r{nazev, najity->second, najity->second == Velicina::Prikon ? 1000.0 : 1.0, {}};
    for (double i = 0; i < pocet; ++i) {
        r.hodnoty.push_back(od + i * krok);
    }
    return r;
}

// A field of the sweep's CSV: between double quotes when it holds a comma, a quote or a line end.
QString poleCsv(const QString& text) {
    if (!text.contains(QLatin1Char(',')) && !text.contains(QLatin1Char('"')) && !text.contains(QLatin1Char('\n'))) {
        return text;
    }
    QString t = text;
    t.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + t + QLatin1Char('"');
}

int rozmitej(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk) {
    const QStringList vary = parser.values(v.menit);
    if (vary.isEmpty() || vary.size() > 2) {
        chyba(QString(), QStringLiteral("sweep needs one or two --vary NAME=FROM:TO:STEP\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    const std::optional<Uprava> uprava = upravaArgumentu(parser, v, jazyk);
    NactenaUloha n;
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    if (const int kod = nactiUlohu(cesta, *uprava, jazyk, n); kod != kUspech) {
        return kod;
    }
    std::vector<Rozmitani> osy;
    for (const QString& text : vary) {
        std::optional<Rozmitani> r = rozmitani(text, n.uloha, jazyk);
        if (!r) {
            return kNepouzitelnyVstup;
        }
        osy.push_back(std::move(*r));
    }
    const std::size_t druhych = osy.size() > 1 ? osy[1].hodnoty.size() : 1;
    const std::size_t bodu = osy[0].hodnoty.size() * druhych;
    if (bodu > 1000000) {
        chyba(QString(), QStringLiteral("sweep: more than a million points"));
        return kNepouzitelnyVstup;
    }
    const bool sJadrem = MaJadro(n.uloha) || std::any_of(osy.begin(), osy.end(), [](const Rozmitani& o) {
                             return o.velicina == Velicina::Lambda;
                         });
    const std::int16_t ztraty = uprava->ztraty.value_or(n.uloha.Prikon > 0.0f ? n.uloha.ZtratyPrikonu : std::int16_t{0});
    QString csv;
    for (const Rozmitani& o : osy) {
        csv += o.nazev + QLatin1Char(',');
    }
    csv += QLatin1String("time_s,power_W,energy_Wh") + (sJadrem ? QLatin1String(",core_s") : QLatin1String()) +
           QLatin1String(",status\n");
    QElapsedTimer hodiny;
    hodiny.start();
    qint64 hlaseno = 0;
    for (std::size_t i = 0; i < bodu; ++i) {
        Uloha u = n.uloha;
        for (std::size_t a = 0; a < osy.size(); ++a) {
            const double x = osy[a].hodnoty[a == 0 ? i / druhych : i % druhych];
            NastavHodnotu(u, osy[a].velicina, x / osy[a].meritko);
            csv += QString::number(x, 'g', 10) + QLatin1Char(',');
        }
        const Reseni r = Spocti(u);
        QString stav;
        QString radek;
        if (r.zavada) {
            stav = ZpravaZavady(*r.zavada, u, jazyk);
        } else if (r.vypocet.konec != KonecVypoctu::Uspech) {
            stav = ZpravaSelhani(r.vypocet, u, jazyk);
        } else if (r.vypocet.jadro && *r.vypocet.jadro != KonecJadra::Dosazeno) {
            stav = ZpravaJadra(*r.vypocet.jadro, jazyk);
        }
        if (r.vypocet.vysledek) {
            const Vysledek& vys = *r.vypocet.vysledek;
            const std::optional<VykonSpotreba> vykon = VykonASpotreba(vys, ztraty);
            radek = TextCsv(vys.Vysledky.Cas[static_cast<std::size_t>(vys.posledniRadek())]) + QLatin1Char(',') +
                    (vykon ? TextCsv(vykon->P) : QString()) + QLatin1Char(',') +
                    (vykon ? TextCsv(vykon->E) : QString());
            if (sJadrem) {
                radek += QLatin1Char(',') + (vys.Jadro && vys.Jadro->krok >= 0
                                                 ? TextCsv(static_cast<float>(vys.Jadro->cas))
                                                 : QString());
            }
        } else {
            radek = sJadrem ? QStringLiteral(",,,") : QStringLiteral(",,");
        }
        stav.replace(QLatin1String("\r\n"), QLatin1String(" "));
        csv += radek + QLatin1Char(',') + poleCsv(stav) + QLatin1Char('\n');
        // Word of a long sweep's progress, once a second after the first two.
        if (hodiny.elapsed() > 2000 && hodiny.elapsed() - hlaseno >= 1000) {
            hlaseno = hodiny.elapsed();
            vypis(stderr, QStringLiteral("zorvet: sweep: %1 of %2 points\n").arg(i + 1).arg(bodu));
        }
    }
    if (!parser.isSet(v.csv)) {
        vypis(stdout, csv);
        return kUspech;
    }
    QString kde;
    QString duvod;
    if (!writeAllOrNone({{parser.value(v.csv), csv.toUtf8()}}, &kde, &duvod)) {
        chyba(Text(id::ChybaSouboru, jazyk), QDir::toNativeSeparators(kde) + QLatin1Char('\n') + duvod);
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

int prizpusob(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk,
              const GrafDavky* kreslic) {
    const QString obrazek = parser.value(v.grafMereni);
    if (parser.isSet(v.grafMereni) && (kreslic == nullptr || !kreslic->znaFormat(obrazek))) {
        chyba(QString(), QStringLiteral("--chart names a .png, .svg or .pdf file, not \"%1\".").arg(obrazek));
        return kNepouzitelnyVstup;
    }
    if (!parser.isSet(v.mereni)) {
        chyba(QString(), QStringLiteral("fit needs --measured LOG.csv\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    const std::optional<Uprava> uprava = upravaArgumentu(parser, v, jazyk);
    NactenaUloha n;
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    if (const int kod = nactiUlohu(cesta, *uprava, jazyk, n); kod != kUspech) {
        return kod;
    }
    Uloha u = n.uloha;
    OdvodUlohu(u);
    if (const std::optional<Zavada> zavada = PrijmiUlohu(u)) {
        chyba(TitulekZavady(jazyk), ZpravaZavady(*zavada, u, jazyk));
        return kNepouzitelnyVstup;
    }
    const CteniMereni log = NactiMereniCsv(parser.value(v.mereni), u.Tv, jazyk);
    if (log.body.empty()) {
        chyba(Text(id::ChybaSouboru, jazyk), log.chyba);
        return kNepouzitelnyVstup;
    }
    const VysledekPrizpusobeni f = PrizpusobEmisivitu(u, log.body);
    if (!f.uspech) {
        chyba(TitulekSelhani(jazyk), Text(id::FitNelze, jazyk) + QLatin1Char('\n') + ZpravaSelhani(f.selhani, u, jazyk));
        return kVypocetSelhal;
    }
    if (parser.isSet(v.grafMereni)) {
        if (const std::optional<QString> duvod =
                kreslic->kresliMereni(*f.prubeh, log.body, jazyk, obrazek, kreslic->vychoziVelikost)) {
            chyba(Text(id::ChybaSouboru, jazyk), obrazek + QLatin1Char('\n') + Text(id::GrafNeulozen, jazyk) +
                                                     (duvod->isEmpty() ? QString() : QLatin1Char(' ') + *duvod));
            return kNepouzitelnyVstup;
        }
    }
    vypis(stdout, Text(id::EmisivitaFit, jazyk) + QLatin1String(": ") + QString::number(f.eps, 'f', 4) +
                      QLatin1Char('\n') + Text(id::OdchylkaFit, jazyk) + QLatin1String(": ") +
                      QString::number(f.rms, 'f', 2) + QLatin1Char('\n'));
    return kUspech;
}

int vypocti(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk) {
    const std::optional<Uprava> uprava = upravaArgumentu(parser, v, jazyk);
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    std::shared_ptr<Vysledek> vysledek;
    if (const int kod = nactiAVypocti(cesta, *uprava, jazyk, vysledek); kod != kUspech) {
        return kod;
    }
    return dokonci(parser, v, vysledek, ztratyVysledku(*uprava, *vysledek), jazyk);
}

// A results file as it was computed: its problem and rows. Nothing (after the message) when
// it cannot be read.
std::shared_ptr<const Vysledek> nactiVysledky(const QString& cesta, Jazyk jazyk) {
    PrecteniSouboru precteni = NactiSoubor(cesta, true, Uloha{}, jazyk);
    if (!precteni.obsah) {
        chyba(Text(id::ChybaSouboru, jazyk), precteni.chyba);
        return nullptr;
    }
    return std::move(precteni.obsah->vysledek);
}

int tabulka(const QString& cesta, Jazyk jazyk) {
    const std::shared_ptr<const Vysledek> vysledek = nactiVysledky(cesta, jazyk);
    if (!vysledek) {
        return kNepouzitelnyVstup;
    }
    vypis(stdout, TabulkaCsv(*vysledek));
    return kUspech;
}

// "WxH" in whole pixels, each side within the drawer's range.
std::optional<QSize> velikostArgumentu(const QString& text, const GrafDavky& graf) {
    const QStringList strany = text.trimmed().split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (strany.size() != 2) {
        return std::nullopt;
    }
    bool okW = false;
    bool okH = false;
    const int w = strany.at(0).toInt(&okW);
    const int h = strany.at(1).toInt(&okH);
    const auto vRozsahu = [&graf](int x) { return x >= graf.nejmensiStrana && x <= graf.nejvetsiStrana; };
    if (!okW || !okH || !vRozsahu(w) || !vRozsahu(h)) {
        return std::nullopt;
    }
    return QSize(w, h);
}

bool jeSouborVysledku(const QString& cesta) {
    return QFileInfo(cesta).suffix().compare(QLatin1String("odp"), Qt::CaseInsensitive) == 0;
}

// A results file as it was computed; anything else is a problem to compute. kUspech, or the
// exit status after the message.
int vysledekSouboru(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk,
                    std::shared_ptr<const Vysledek>& vysledek) {
    const bool vysledky = jeSouborVysledku(cesta);
    for (const QCommandLineOption* o : {&v.redukce, &v.vodivost, &v.vlastnosti, &v.prikon, &v.konvekce}) {
        if (vysledky && parser.isSet(*o)) {
            chyba(QString(), QStringLiteral("--%1 applies to a problem that is computed, not to a results file")
                                 .arg(o->names().constFirst()));
            return kNepouzitelnyVstup;
        }
    }
    const std::optional<Uprava> uprava = upravaArgumentu(parser, v, jazyk);
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    if (!vysledky) {
        std::shared_ptr<Vysledek> spocteny;
        const int kod = nactiAVypocti(cesta, *uprava, jazyk, spocteny);
        vysledek = std::move(spocteny);
        return kod;
    }
    vysledek = nactiVysledky(cesta, jazyk);
    return vysledek != nullptr ? kUspech : kNepouzitelnyVstup;
}

int zprava(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk,
           const GrafDavky& kreslic) {
    const QString vystup = parser.value(v.vystup);
    if (!vystup.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        chyba(QString(), QStringLiteral("report needs --output FILE.pdf\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    const std::optional<std::int16_t> ztraty = ztratyArgumentu(parser, v, jazyk);
    if (!ztraty) {
        return kNepouzitelnyVstup;
    }
    std::shared_ptr<const Vysledek> vysledek;
    if (const int kod = vysledekSouboru(parser, v, cesta, jazyk, vysledek); kod != kUspech) {
        return kod;
    }
    // The page prints the losses its power is computed with: those of the installed power
    // unless --losses says otherwise.
    auto sZtratami = std::make_shared<Vysledek>(*vysledek);
    sZtratami->Ztraty = parser.isSet(v.ztraty) || vysledek->Uloha.Prikon <= 0.0f ? *ztraty : vysledek->Uloha.ZtratyPrikonu;
    if (const std::optional<QString> duvod = kreslic.zprava(std::move(sZtratami), jazyk, vystup)) {
        chyba(Text(id::ChybaSouboru, jazyk), vystup + QLatin1Char('\n') + Text(id::ZpravaNeulozena, jazyk) +
                                                 (duvod->isEmpty() ? QString() : QLatin1Char(' ') + *duvod));
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

int graf(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk,
         const GrafDavky& kreslic) {
    if (!parser.isSet(v.vystup)) {
        chyba(QString(), QStringLiteral("chart needs --output FILE.png, .svg or .pdf\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    const QString vystup = parser.value(v.vystup);
    if (!kreslic.znaFormat(vystup)) {
        chyba(QString(), QStringLiteral("--output names a .png, .svg or .pdf file, not \"%1\".").arg(vystup));
        return kNepouzitelnyVstup;
    }
    QSize velikost = kreslic.vychoziVelikost;
    if (parser.isSet(v.velikost)) {
        const std::optional<QSize> zadana = velikostArgumentu(parser.value(v.velikost), kreslic);
        if (!zadana) {
            chyba(QString(), QStringLiteral("--size is WxH in whole pixels, each from %1 to %2, not \"%3\".")
                                 .arg(kreslic.nejmensiStrana)
                                 .arg(kreslic.nejvetsiStrana)
                                 .arg(parser.value(v.velikost)));
            return kNepouzitelnyVstup;
        }
        velikost = *zadana;
    }
    std::shared_ptr<const Vysledek> vysledek;
    if (const int kod = vysledekSouboru(parser, v, cesta, jazyk, vysledek); kod != kUspech) {
        return kod;
    }
    if (const std::optional<QString> duvod = kreslic.kresli(*vysledek, jazyk, vystup, velikost)) {
        chyba(Text(id::ChybaSouboru, jazyk), vystup + QLatin1Char('\n') + Text(id::GrafNeulozen, jazyk) +
                                                 (duvod->isEmpty() ? QString() : QLatin1Char(' ') + *duvod));
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

bool jePrepinacDavky(const char* a) {
    for (const char* p : {"-h", "--help", "--help-all", "-v", "--version"}) {
        if (std::strcmp(a, p) == 0) {
            return true;
        }
    }
    return false;
}

}  // namespace

bool JeDavka(int argc, char** argv) {
    if (argc < 2) {
        return false;
    }
    const char* prvni = argv[1];
    if (prvni[0] == '-') {
        return jePrepinacDavky(prvni);
    }
    // A file alone, as a file manager starts the program for it, opens in the window.
    for (const char* prikaz : {"compute", "table", "chart", "report", "goal", "sweep", "fit"}) {
        if (std::strcmp(prvni, prikaz) == 0) {
            return true;
        }
    }
    return argc != 2 || !QFileInfo(QString::fromLocal8Bit(prvni)).isFile();
}

bool JeGrafDavka(int argc, char** argv) {
    return argc >= 2 && (std::strcmp(argv[1], "chart") == 0 || std::strcmp(argv[1], "report") == 0 ||
                         std::strcmp(argv[1], "fit") == 0);
}

int SpustDavku(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return ProvedDavku(nullptr);
}

int ProvedDavku(const GrafDavky* kreslic) {
    QCoreApplication::setApplicationName(QStringLiteral("zorvet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVET_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Heat-up time of a steel charge in an electric resistance furnace.\n\n"
                       "Commands:\n"
                       "  compute PROBLEM   read a problem (*.cfg, or the problem of a *.odp), compute it and print\n"
                       "                    the final temperature, the power required and the energy;\n"
                       "                    with --conductivity also the Biot number and the core heat-up time\n"
                       "  table RESULTS     print the result table of a results file (*.odp) as CSV\n"
                       "  chart FILE --output PICTURE\n"
                       "                    draw the heat-up chart as a PNG, SVG or PDF file (by the extension of\n"
                       "                    PICTURE), 300 dpi; a results file (*.odp) is drawn as it was computed,\n"
                       "                    any other file is a problem that is computed first\n"
                       "  report FILE --output REPORT.pdf\n"
                       "                    write the one-page report of the case as a PDF: the problem, the result,\n"
                       "                    the power for --losses and the chart; a problem is computed first\n"
                       "  goal PROBLEM --time SECONDS --find mass|furnace|power\n"
                       "                    the largest mass, the lowest furnace temperature or the smallest installed\n"
                       "                    power that meets the time, then the output of compute for it\n"
                       "  sweep PROBLEM --vary NAME=FROM:TO:STEP [--vary ...]\n"
                       "                    compute every point of one or two quantities' values into CSV\n"
                       "  fit PROBLEM --measured LOG.csv\n"
                       "                    the emissivity that matches a measured log best\n\n"
                       "Exit status: 0 success, 1 the computation failed, 2 unusable input.\n"
                       "Without a command the window starts."));
    const QCommandLineOption pomoc = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const Volby v;
    parser.addOptions({v.vysledky, v.csv, v.ztraty, v.jazyk, v.komentar, v.redukce, v.vodivost, v.vlastnosti,
                       v.prikon, v.konvekce, v.cas, v.hledej, v.menit, v.mereni, v.grafMereni, v.vystup,
                       v.velikost});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("compute, table, chart, report, goal, sweep or fit"));
    parser.addPositionalArgument(QStringLiteral("file"), QStringLiteral("the problem or results file"));

    if (!parser.parse(QCoreApplication::arguments())) {
        chyba(QString(), parser.errorText() + QStringLiteral("\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    if (parser.isSet(pomoc)) {
        vypis(stdout, parser.helpText());
        return kUspech;
    }
    if (parser.isSet(verze)) {
        vypis(stdout, QStringLiteral("zorvet %1\n").arg(QCoreApplication::applicationVersion()));
        return kUspech;
    }

    const QStringList argumenty = parser.positionalArguments();
    const QString prikaz = argumenty.value(0);
    // The options each command takes besides --language.
    QList<const QCommandLineOption*> svoje;
    if (prikaz == QLatin1String("compute")) {
        svoje = {&v.vysledky, &v.csv, &v.ztraty, &v.komentar, &v.redukce, &v.vodivost, &v.vlastnosti, &v.prikon,
                 &v.konvekce};
    } else if (prikaz == QLatin1String("goal")) {
        svoje = {&v.cas,      &v.hledej,  &v.vysledky,   &v.csv,    &v.ztraty,  &v.komentar,
                 &v.redukce,  &v.vodivost, &v.vlastnosti, &v.prikon, &v.konvekce};
    } else if (prikaz == QLatin1String("sweep")) {
        svoje = {&v.menit, &v.csv, &v.ztraty, &v.redukce, &v.vodivost, &v.vlastnosti, &v.prikon, &v.konvekce};
    } else if (prikaz == QLatin1String("fit")) {
        svoje = {&v.mereni, &v.grafMereni, &v.redukce, &v.vodivost, &v.vlastnosti, &v.prikon, &v.konvekce, &v.ztraty};
    } else if (prikaz == QLatin1String("chart")) {
        svoje = {&v.vystup, &v.velikost, &v.ztraty, &v.redukce, &v.vodivost, &v.vlastnosti, &v.prikon, &v.konvekce};
    } else if (prikaz == QLatin1String("report")) {
        svoje = {&v.vystup, &v.ztraty, &v.redukce, &v.vodivost, &v.vlastnosti, &v.prikon, &v.konvekce};
    } else if (prikaz != QLatin1String("table")) {
        chyba(QString(), QStringLiteral("unknown command \"%1\"\nsee zorvet --help").arg(prikaz));
        return kNepouzitelnyVstup;
    }
    if (argumenty.size() != 2) {
        chyba(QString(), QStringLiteral("%1 needs exactly one file\nsee zorvet --help").arg(prikaz));
        return kNepouzitelnyVstup;
    }
    for (const QCommandLineOption* o : {&v.vysledky, &v.csv, &v.ztraty, &v.komentar, &v.redukce, &v.vodivost,
                                        &v.vlastnosti, &v.prikon, &v.konvekce, &v.cas, &v.hledej, &v.menit,
                                        &v.mereni, &v.grafMereni, &v.vystup, &v.velikost}) {
        if (parser.isSet(*o) && !svoje.contains(o)) {
            chyba(QString(), QStringLiteral("--%1 is not an option of %2\nsee zorvet --help")
                                 .arg(o->names().constFirst(), prikaz));
            return kNepouzitelnyVstup;
        }
    }

    Jazyk jazyk = NactiJazyk();
    if (parser.isSet(v.jazyk)) {
        const QString j = parser.value(v.jazyk);
        if (j == QLatin1String("en")) {
            jazyk = Jazyk::Anglicky;
        } else if (j == QLatin1String("cs")) {
            jazyk = Jazyk::Cesky;
        } else {
            chyba(QString(), QStringLiteral("--language is en or cs, not \"%1\".").arg(j));
            return kNepouzitelnyVstup;
        }
    }

    if (prikaz == QLatin1String("table")) {
        return tabulka(argumenty.at(1), jazyk);
    }
    if (prikaz == QLatin1String("chart") || prikaz == QLatin1String("report")) {
        if (kreslic == nullptr) {
            chyba(QString(), QStringLiteral("this program was started without its chart drawing"));
            return kNepouzitelnyVstup;
        }
        return prikaz == QLatin1String("chart") ? graf(parser, v, argumenty.at(1), jazyk, *kreslic)
                                                : zprava(parser, v, argumenty.at(1), jazyk, *kreslic);
    }
    if (prikaz == QLatin1String("goal")) {
        return cil(parser, v, argumenty.at(1), jazyk);
    }
    if (prikaz == QLatin1String("sweep")) {
        return rozmitej(parser, v, argumenty.at(1), jazyk);
    }
    if (prikaz == QLatin1String("fit")) {
        return prizpusob(parser, v, argumenty.at(1), jazyk, kreslic);
    }
    return vypocti(parser, v, argumenty.at(1), jazyk);
}

}  // namespace zorvet
