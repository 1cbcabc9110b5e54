#include "app/davka.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/jazyk.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/tabulka_csv.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "model/geometrie.h"
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

// The conductivity, 0 (none) without --conductivity.
std::optional<float> vodivostArgumentu(const QCommandLineParser& parser, const Volby& v) {
    return kladnaVolba(parser, v.vodivost, 0.0f, 1e6, QStringLiteral("a number over 0 (W/m/K)"));
}

// Reads a problem file (or the problem of a results file) and computes it, accepted by the
// rule of the problem dialog's OK (the mass and the total surface of the dimensions first).
// kUspech and the result, or the exit status after the message. The result names the file when
// the problem computed is what the file holds.
int nactiAVypocti(const QString& cesta, float koefK, float lambda, Jazyk jazyk,
                  std::shared_ptr<Vysledek>& vysledek) {
    PrecteniSouboru precteni = NactiSoubor(cesta, false, Uloha{}, jazyk);
    if (!precteni.obsah) {
        chyba(Text(id::ChybaSouboru, jazyk), precteni.chyba);
        return kNepouzitelnyVstup;
    }
    Uloha& u = precteni.obsah->uloha;
    const QString otiskSouboru = OtiskUlohy(u);
    u.KoefK = koefK;
    u.Lambda = lambda;
    if (lambda > 0.0f && !u.zRozmeru()) {
        chyba(QString(), QStringLiteral("--conductivity: ") + ZpravaJadra(KonecJadra::BezRozmeru, jazyk));
        return kNepouzitelnyVstup;
    }
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
    if (OtiskUlohy(u) == otiskSouboru) {
        const QStringList& komentare = precteni.obsah->komentare;
        vysledek->Soubor = QFileInfo(cesta).fileName().toStdString();
        vysledek->Komentar = komentare.isEmpty() ? std::string() : komentare.last().toStdString();
    }
    return kUspech;
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

int vypocti(const QCommandLineParser& parser, const Volby& v, const QString& cesta, Jazyk jazyk) {
    const std::optional<std::int16_t> ztraty = ztratyArgumentu(parser, v, jazyk);
    const std::optional<float> koefK = redukceArgumentu(parser, v);
    const std::optional<float> lambda = vodivostArgumentu(parser, v);
    if (!ztraty || !koefK || !lambda) {
        return kNepouzitelnyVstup;
    }

    std::shared_ptr<Vysledek> vysledek;
    if (const int kod = nactiAVypocti(cesta, *koefK, *lambda, jazyk, vysledek); kod != kUspech) {
        return kod;
    }
    vysledek->Ztraty = *ztraty;

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
    QString out = ZpravaKonecneTeploty(*vysledek, jazyk) + QLatin1Char('\n');
    out += BezAkceleratoru(Text(id::Ztraty, jazyk)) + QLatin1String(": ") + QString::number(*ztraty) + QLatin1Char('\n');
    const std::optional<VykonSpotreba> vykon = VykonASpotreba(*vysledek, *ztraty);
    out += BezAkceleratoru(Text(id::Prikon, jazyk)) + QLatin1String(": ") + (vykon ? TextObecny(vykon->P) : QString()) +
           QLatin1Char('\n');
    out += BezAkceleratoru(Text(id::Spotreba, jazyk)) + QLatin1String(": ") +
           (vykon ? TextObecny(vykon->E) : QString()) + QLatin1Char('\n');
    out += RadkyJadra(*vysledek, jazyk);
    vypis(stdout, out);
    std::fflush(stdout);
    return kUspech;
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
    for (const QCommandLineOption* o : {&v.redukce, &v.vodivost}) {
        if (vysledky && parser.isSet(*o)) {
            chyba(QString(), QStringLiteral("--%1 applies to a problem that is computed, not to a results file")
                                 .arg(o->names().constFirst()));
            return kNepouzitelnyVstup;
        }
    }
    const std::optional<float> koefK = redukceArgumentu(parser, v);
    const std::optional<float> lambda = vodivostArgumentu(parser, v);
    if (!koefK || !lambda) {
        return kNepouzitelnyVstup;
    }
    if (!vysledky) {
        std::shared_ptr<Vysledek> spocteny;
        const int kod = nactiAVypocti(cesta, *koefK, *lambda, jazyk, spocteny);
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
    // The page prints the losses its power is computed with.
    auto sZtratami = std::make_shared<Vysledek>(*vysledek);
    sZtratami->Ztraty = *ztraty;
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
    for (const char* prikaz : {"compute", "table", "chart", "report"}) {
        if (std::strcmp(prvni, prikaz) == 0) {
            return true;
        }
    }
    return argc != 2 || !QFileInfo(QString::fromLocal8Bit(prvni)).isFile();
}

bool JeGrafDavka(int argc, char** argv) {
    return argc >= 2 && (std::strcmp(argv[1], "chart") == 0 || std::strcmp(argv[1], "report") == 0);
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
                       "                    the power for --losses and the chart; a problem is computed first\n\n"
                       "Exit status: 0 success, 1 the computation failed, 2 unusable input.\n"
                       "Without a command the window starts."));
    const QCommandLineOption pomoc = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const Volby v;
    parser.addOptions({v.vysledky, v.csv, v.ztraty, v.jazyk, v.komentar, v.redukce, v.vodivost, v.vystup, v.velikost});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("compute, table, chart or report"));
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
        svoje = {&v.vysledky, &v.csv, &v.ztraty, &v.komentar, &v.redukce, &v.vodivost};
    } else if (prikaz == QLatin1String("chart")) {
        svoje = {&v.vystup, &v.velikost, &v.redukce, &v.vodivost};
    } else if (prikaz == QLatin1String("report")) {
        svoje = {&v.vystup, &v.ztraty, &v.redukce, &v.vodivost};
    } else if (prikaz != QLatin1String("table")) {
        chyba(QString(), QStringLiteral("unknown command \"%1\"\nsee zorvet --help").arg(prikaz));
        return kNepouzitelnyVstup;
    }
    if (argumenty.size() != 2) {
        chyba(QString(), QStringLiteral("%1 needs exactly one file\nsee zorvet --help").arg(prikaz));
        return kNepouzitelnyVstup;
    }
    for (const QCommandLineOption* o : {&v.vysledky, &v.csv, &v.ztraty, &v.komentar, &v.redukce, &v.vodivost,
                                        &v.vystup, &v.velikost}) {
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
    return vypocti(parser, v, argumenty.at(1), jazyk);
}

}  // namespace zorvet
