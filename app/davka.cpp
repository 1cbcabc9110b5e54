#include "app/davka.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QLocale>
#include <QSaveFile>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>
#include <memory>
#include <optional>

#include "files/cisla.h"
#include "files/dialogy.h"
#include "files/nastaveni.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/zpravy.h"
#include "model/stav.h"
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

// The batch answers in code: errors go to standard error, the comment question is answered by
// --comment, comment boxes of the file read and confirmations are not shown.
class DavkoveDialogy : public Dialogy {
public:
    explicit DavkoveDialogy(std::optional<QString> komentar) : komentar_(std::move(komentar)) {}

    void zprava(Ikona ikona, const QString& titulek, const QString& text) override {
        if (ikona == Ikona::Vykricnik) {
            chyba(titulek, text);
        }
    }
    bool otazka(const QString&, const QString&) override { return komentar_.has_value(); }
    std::optional<QString> vstup(const QString&, const QString&, const QString&) override { return komentar_; }
    std::optional<QString> otevritSoubor(const QString&, int) override { return std::nullopt; }
    std::optional<QString> ulozitSoubor(const QString&, int) override { return std::nullopt; }
    void kurzorCekani() override {}
    void kurzorNormalni() override {}

private:
    std::optional<QString> komentar_;
};

// The shortest text that reads back as the same single, with the point.
QString textCsv(float x) {
    char buf[32];
    const auto r = std::to_chars(buf, buf + sizeof buf, x);
    return QString::fromLatin1(buf, r.ptr - buf);
}

QString tabulkaCsv(const Stav& s) {
    const bool pec = s.Uloha.Rizeny;
    QString out = pec ? QStringLiteral("time_s,charge_C,furnace_C\n") : QStringLiteral("time_s,charge_C\n");
    const int posledni = s.PocetKroku < 0 ? 0 : (s.PocetKroku > kPosledniRadek ? kPosledniRadek : s.PocetKroku);
    for (int i = 0; i <= posledni; ++i) {
        const auto r = static_cast<std::size_t>(i);
        out += textCsv(s.Vysledky.Cas[r]) + QLatin1Char(',') + textCsv(s.Vysledky.TeplotaVsazky[r]);
        if (pec) {
            out += QLatin1Char(',') + textCsv(s.TeplotaPece[r]);
        }
        out += QLatin1Char('\n');
    }
    return out;
}

bool zapisCsv(const QString& cesta, const QString& text) {
    QSaveFile soubor(cesta);
    const QByteArray bajty = text.toUtf8();
    if (!soubor.open(QIODevice::WriteOnly) || soubor.write(bajty) != bajty.size() || !soubor.commit()) {
        chyba(QString(), cesta + QLatin1Char('\n') + soubor.errorString());
        soubor.cancelWriting();
        return false;
    }
    return true;
}

// A number on the command line, with the point or the comma.
std::optional<double> cisloArgumentu(QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double x = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

// Rounded to 3 decimals, halves to even, as the dialog compares the surfaces.
double naTriDesetinna(float x) { return std::nearbyint(static_cast<double>(x) * 1000.0) / 1000.0; }

QString bezAkceleratoru(QString popisek) { return popisek.remove(QLatin1Char('&')); }

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
};

int vypocti(const QCommandLineParser& parser, const Volby& v, const QString& cesta, std::int16_t jazyk) {
    std::int16_t ztraty = 0;
    if (parser.isSet(v.ztraty)) {
        // As the losses box takes it: a whole number of the 16-bit range, halves to even.
        const std::optional<double> z = cisloArgumentu(parser.value(v.ztraty));
        const double n = z ? std::nearbyint(*z) : 0.0;
        if (!z || n < std::numeric_limits<std::int16_t>::min() || n > std::numeric_limits<std::int16_t>::max()) {
            chyba(QString(), QStringLiteral("--losses needs a whole number of per cent, not \"%1\".")
                                 .arg(parser.value(v.ztraty)));
            return kNepouzitelnyVstup;
        }
        ztraty = static_cast<std::int16_t>(n);
    }
    float koefK = 1.0f;
    if (parser.isSet(v.redukce)) {
        const std::optional<double> k = cisloArgumentu(parser.value(v.redukce));
        if (!k || !(*k > 0.0) || *k > 1.0) {
            chyba(QString(), QStringLiteral("--reduction needs a number over 0 and up to 1, not \"%1\".")
                                 .arg(parser.value(v.redukce)));
            return kNepouzitelnyVstup;
        }
        koefK = static_cast<float>(*k);
    }

    auto stav = std::make_unique<Stav>();
    stav->Jazyk = jazyk;
    DavkoveDialogy dialogy(parser.isSet(v.komentar) ? std::optional<QString>(parser.value(v.komentar))
                                                    : std::nullopt);
    if (!NactiSoubor(*stav, dialogy, cesta, false)) {
        return kNepouzitelnyVstup;
    }
    Uloha& u = stav->Uloha;
    u.KoefK = koefK;

    // The checks of the problem dialog's OK.
    if (!OverZadani(*stav)) {
        chyba(Text(104, jazyk), Text(102, jazyk));
        return kNepouzitelnyVstup;
    }
    if (u.ZadaniHmotnosti == "V" && naTriDesetinna(u.A) > naTriDesetinna(u.CelkovaPlocha)) {
        chyba(Text(104, jazyk), Text(103, jazyk));
        return kNepouzitelnyVstup;
    }
    RozvinKrivku(*stav);
    const VysledekVypoctu vysledek = Vypocet(*stav);
    if (vysledek.konec != KonecVypoctu::Uspech) {
        chyba(TitulekSelhani(jazyk), ZpravaSelhani(vysledek, jazyk));
        return kVypocetSelhal;
    }

    // The files first: a run whose files could not be written prints no result.
    if (parser.isSet(v.vysledky)) {
        // Without --comment the comment question is answered No: the file has no comment.
        if (!UlozSoubor(*stav, dialogy, parser.value(v.vysledky), true)) {
            return kNepouzitelnyVstup;
        }
    }
    if (parser.isSet(v.csv) && !zapisCsv(parser.value(v.csv), tabulkaCsv(*stav))) {
        return kNepouzitelnyVstup;
    }
    QString out = ZpravaKonecneTeploty(*stav) + QLatin1Char('\n');
    out += bezAkceleratoru(Text(78, jazyk)) + QLatin1String(": ") + QString::number(ztraty) + QLatin1Char('\n');
    const std::optional<VykonSpotreba> vykon = VykonASpotreba(*stav, ztraty);
    out += bezAkceleratoru(Text(79, jazyk)) + QLatin1String(": ") + (vykon ? TextObecny(vykon->P) : QString()) +
           QLatin1Char('\n');
    out += bezAkceleratoru(Text(80, jazyk)) + QLatin1String(": ") + (vykon ? TextObecny(vykon->E) : QString()) +
           QLatin1Char('\n');
    vypis(stdout, out);
    std::fflush(stdout);
    return kUspech;
}

int tabulka(const QString& cesta, std::int16_t jazyk) {
    auto stav = std::make_unique<Stav>();
    stav->Jazyk = jazyk;
    DavkoveDialogy dialogy(std::nullopt);
    if (!NactiSoubor(*stav, dialogy, cesta, true)) {
        return kNepouzitelnyVstup;
    }
    vypis(stdout, tabulkaCsv(*stav));
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
    return prvni[0] != '-' || jePrepinacDavky(prvni);
}

int SpustDavku(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("zorvet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVET_VERSION));

    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Heat-up time of a steel charge in an electric resistance furnace.\n\n"
                       "Commands:\n"
                       "  compute PROBLEM   read a problem (*.cfg, or the problem of a *.odp), compute it and print\n"
                       "                    the final temperature, the power required and the energy\n"
                       "  table RESULTS     print the result table of a results file (*.odp) as CSV\n\n"
                       "Exit status: 0 success, 1 the computation failed, 2 unusable input.\n"
                       "Without a command the window starts."));
    const QCommandLineOption pomoc = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const Volby v;
    parser.addOptions({v.vysledky, v.csv, v.ztraty, v.jazyk, v.komentar, v.redukce});
    parser.addPositionalArgument(QStringLiteral("command"), QStringLiteral("compute or table"));
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
    if (prikaz != QLatin1String("compute") && prikaz != QLatin1String("table")) {
        chyba(QString(), QStringLiteral("unknown command \"%1\"\nsee zorvet --help").arg(prikaz));
        return kNepouzitelnyVstup;
    }
    if (argumenty.size() != 2) {
        chyba(QString(), QStringLiteral("%1 needs exactly one file\nsee zorvet --help").arg(prikaz));
        return kNepouzitelnyVstup;
    }

    std::int16_t jazyk = NactiJazyk();
    if (parser.isSet(v.jazyk)) {
        const QString j = parser.value(v.jazyk);
        if (j == QLatin1String("en")) {
            jazyk = kAnglicky;
        } else if (j == QLatin1String("cs")) {
            jazyk = kCesky;
        } else {
            chyba(QString(), QStringLiteral("--language is en or cs, not \"%1\".").arg(j));
            return kNepouzitelnyVstup;
        }
    }

    if (prikaz == QLatin1String("table")) {
        for (const QCommandLineOption* o : {&v.vysledky, &v.csv, &v.ztraty, &v.komentar, &v.redukce}) {
            if (parser.isSet(*o)) {
                chyba(QString(), QStringLiteral("--%1 is an option of compute, not of table").arg(o->names().constFirst()));
                return kNepouzitelnyVstup;
            }
        }
        return tabulka(argumenty.at(1), jazyk);
    }
    return vypocti(parser, v, argumenty.at(1), jazyk);
}

}  // namespace zorvet
