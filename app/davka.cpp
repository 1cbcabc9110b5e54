// The batch command line: the options, the table of commands, and the commands that print or
// draw one result (compute, table, chart, report). Goal, sweep and fit are in
// app/davka_planovani.cpp; reading, computing and writing in app/davka_uloha.cpp.
#include "app/davka.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <cstring>

#include "app/davka_spolecne.h"
#include "files/cteni_souboru.h"
#include "files/jazyk.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/tabulka_csv.h"

#ifndef ZORVET_VERSION
#define ZORVET_VERSION "0"
#endif

namespace zorvet {

namespace davka {

QStringList Volby::pece() const {
    QStringList jmena;
    for (const QCommandLineOption* o : {&komora, &vyzdivka, &strop, &nistej, &refraktory, &plochaSten, &dvere, &start}) {
        jmena.append(o->names().constFirst());
    }
    return jmena;
}

QList<QCommandLineOption> Volby::vsechny() const {
    QList<QCommandLineOption> v{vysledky, csv,    jazyk,  komentar, vystup,     vlastnosti, cas,
                                hledej,   menit,  mereni, sloupce,  grafMereni, velikost,   termoclanek,
                                komora,   vyzdivka, strop, nistej, refraktory, plochaSten, dvere, start};
    for (const auto& [p, volba] : pole) {
        v.append(volba);
    }
    return v;
}

}  // namespace davka

namespace {

using namespace davka;

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

int prikazVypoctu(const Kontext& k) {
    NactenaUloha n;
    if (const int kod = NactiUlohu(k, n); kod != kUspech) {
        return kod;
    }
    std::shared_ptr<Vysledek> vysledek;
    if (const int kod = Vypocti(k, n.uloha, n, vysledek); kod != kUspech) {
        return kod;
    }
    return Dokonci(k, vysledek);
}

int prikazTabulky(const Kontext& k) {
    PrecteniSouboru precteni = NactiSoubor(k.soubor, true, Uloha{}, k.jazyk);
    if (!precteni.obsah) {
        return Ohlas(precteni.chyba);
    }
    Vypis(stdout, TabulkaCsv(*DokonciNacteny(std::move(precteni.obsah->vysledek))));
    return std::fflush(stdout) == 0 ? kUspech : kNepouzitelnyVstup;
}

int prikazZpravy(const Kontext& k) {
    const QString vystup = k.parser.value(k.v.vystup);
    if (!vystup.endsWith(QLatin1String(".pdf"), Qt::CaseInsensitive)) {
        Hlas(QString(), QStringLiteral("report needs --output FILE.pdf\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    if (ZkontrolujVystupy(k, {vystup}) != kUspech) {
        return kNepouzitelnyVstup;
    }
    std::shared_ptr<const Vysledek> vysledek;
    std::int16_t ztraty = 0;
    if (const int kod = VysledekSouboru(k, vysledek, ztraty); kod != kUspech) {
        return kod;
    }
    if (const std::optional<QString> duvod = k.kreslic->zprava(std::move(vysledek), ztraty, k.jazyk, vystup)) {
        Hlas(Text(id::ChybaSouboru, k.jazyk), vystup + QLatin1Char('\n') + Text(id::ZpravaNeulozena, k.jazyk) +
                                                  (duvod->isEmpty() ? QString() : QLatin1Char(' ') + *duvod));
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

int prikazGrafu(const Kontext& k) {
    if (!k.parser.isSet(k.v.vystup)) {
        Hlas(QString(), QStringLiteral("chart needs --output FILE.png, .svg or .pdf\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    const QString vystup = k.parser.value(k.v.vystup);
    if (!k.kreslic->znaFormat(vystup)) {
        Hlas(QString(), QStringLiteral("--output names a .png, .svg or .pdf file, not \"%1\".").arg(vystup));
        return kNepouzitelnyVstup;
    }
    if (ZkontrolujVystupy(k, {vystup}) != kUspech) {
        return kNepouzitelnyVstup;
    }
    QSize velikost = k.kreslic->vychoziVelikost;
    if (k.parser.isSet(k.v.velikost)) {
        const std::optional<QSize> zadana = velikostArgumentu(k.parser.value(k.v.velikost), *k.kreslic);
        if (!zadana) {
            Hlas(QString(), QStringLiteral("--size is WxH in whole pixels, each from %1 to %2, not \"%3\".")
                                .arg(k.kreslic->nejmensiStrana)
                                .arg(k.kreslic->nejvetsiStrana)
                                .arg(k.parser.value(k.v.velikost)));
            return kNepouzitelnyVstup;
        }
        velikost = *zadana;
    }
    std::shared_ptr<const Vysledek> vysledek;
    std::int16_t ztraty = 0;
    if (const int kod = VysledekSouboru(k, vysledek, ztraty); kod != kUspech) {
        return kod;
    }
    if (const std::optional<QString> duvod = k.kreslic->kresli(*vysledek, k.jazyk, vystup, velikost)) {
        Hlas(Text(id::ChybaSouboru, k.jazyk), vystup + QLatin1Char('\n') + Text(id::GrafNeulozen, k.jazyk) +
                                                  (duvod->isEmpty() ? QString() : QLatin1Char(' ') + *duvod));
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

// The commands, the options each takes besides --language and those that change the case, and
// whether it draws (and so needs the widgets).
struct Prikaz {
    const char* nazev;
    std::vector<QCommandLineOption Volby::*> volby;
    bool upravuje;  // takes the options that change the case
    bool kresli;
    int (*spust)(const Kontext&);
};

const Prikaz kPrikazy[] = {
    {"compute", {&Volby::vysledky, &Volby::csv, &Volby::komentar, &Volby::vlastnosti}, true, false, prikazVypoctu},
    {"table", {}, false, false, prikazTabulky},
    {"chart", {&Volby::vystup, &Volby::velikost, &Volby::vlastnosti}, true, true, prikazGrafu},
    {"report", {&Volby::vystup, &Volby::vlastnosti}, true, true, prikazZpravy},
    {"goal", {&Volby::cas, &Volby::hledej, &Volby::vysledky, &Volby::csv, &Volby::komentar, &Volby::vlastnosti}, true,
     false, PrikazCil},
    {"sweep", {&Volby::menit, &Volby::csv, &Volby::vlastnosti}, true, false, PrikazRozmitani},
    {"fit", {&Volby::mereni, &Volby::sloupce, &Volby::grafMereni, &Volby::termoclanek, &Volby::vlastnosti}, true, true,
     PrikazPrizpusobeni},
};

const Prikaz* najdiPrikaz(const char* nazev) {
    for (const Prikaz& p : kPrikazy) {
        if (std::strcmp(p.nazev, nazev) == 0) {
            return &p;
        }
    }
    return nullptr;
}

bool jePrepinacDavky(const char* a) {
    for (const char* p : {"-h", "--help", "--help-all", "-v", "--version"}) {
        if (std::strcmp(a, p) == 0) {
            return true;
        }
    }
    return false;
}

// The language a run names (--language en or cs, also as --language=cs), else the stored one:
// the help speaks it before the options are parsed.
Jazyk jazykArgumentu(const QStringList& argumenty) {
    for (qsizetype i = 1; i < argumenty.size(); ++i) {
        QString j;
        if (argumenty[i] == QLatin1String("--language") && i + 1 < argumenty.size()) {
            j = argumenty[i + 1];
        } else if (argumenty[i].startsWith(QLatin1String("--language="))) {
            j = argumenty[i].mid(11);
        }
        if (j == QLatin1String("en") || j == QLatin1String("cs")) {
            return j == QLatin1String("en") ? Jazyk::Anglicky : Jazyk::Cesky;
        }
    }
    return NactiJazyk();
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
    if (najdiPrikaz(prvni) != nullptr) {
        return true;
    }
    return argc != 2 || !QFileInfo(QString::fromLocal8Bit(prvni)).isFile();
}

bool JeGrafDavka(int argc, char** argv) {
    const Prikaz* p = argc >= 2 ? najdiPrikaz(argv[1]) : nullptr;
    return p != nullptr && p->kresli;
}

int SpustDavku(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    return ProvedDavku(nullptr);
}

int ProvedDavku(const GrafDavky* kreslic) {
    QCoreApplication::setApplicationName(QStringLiteral("zorvet"));
    QCoreApplication::setApplicationVersion(QStringLiteral(ZORVET_VERSION));

    // A command that names its language does not read the stored one.
    const Jazyk jazykPomoci = jazykArgumentu(QCoreApplication::arguments());
    const std::unique_ptr<QTranslator> slovaQt = PrelozParser(jazykPomoci);
    QCommandLineParser parser;
    parser.setApplicationDescription(PopisPomoci(jazykPomoci));
    const QCommandLineOption pomoc = parser.addHelpOption();
    const QCommandLineOption verze = parser.addVersionOption();
    const Volby v(jazykPomoci);
    parser.addOptions(v.vsechny());
    parser.addPositionalArgument(Text(id::PomocPrikaz, jazykPomoci), Text(id::PomocPrikazText, jazykPomoci));
    parser.addPositionalArgument(Text(id::PomocSoubor, jazykPomoci), Text(id::PomocSouborText, jazykPomoci));

    if (!parser.parse(QCoreApplication::arguments())) {
        // One sentence and the pointer to the help: "Unknown option 'bogus'. See zorvet --help."
        Hlas(QString(), parser.errorText() + QStringLiteral(" See zorvet --help."));
        return kNepouzitelnyVstup;
    }
    if (parser.isSet(pomoc) || parser.isSet(QStringLiteral("help-all"))) {
        Vypis(stdout, parser.helpText());
        return kUspech;
    }
    if (parser.isSet(verze)) {
        Vypis(stdout, QStringLiteral("zorvet %1\n").arg(QCoreApplication::applicationVersion()));
        return kUspech;
    }

    const QStringList argumenty = parser.positionalArguments();
    const QString nazev = argumenty.value(0);
    const Prikaz* prikaz = najdiPrikaz(nazev.toUtf8().constData());
    // A file alone is what a file manager starts the program with: one that is gone since (or is
    // no regular file) is told as the file it is.
    const bool jenSoubor =
        argumenty.size() == 1 && (nazev.contains(QLatin1Char('/')) || nazev.contains(QLatin1Char('.')));
    if (prikaz == nullptr && jenSoubor) {
        const Jazyk jazyk = jazykPomoci;
        Hlas(Text(id::ChybaSouboru, jazyk), QDir::toNativeSeparators(nazev) + QLatin1Char('\n') +
                                                NactiCelySoubor(nazev, kNejvetsiSoubor, jazyk).chyba);
        return kNepouzitelnyVstup;
    }
    if (prikaz == nullptr) {
        Hlas(QString(), QStringLiteral("unknown command \"%1\"\nsee zorvet --help").arg(nazev));
        return kNepouzitelnyVstup;
    }
    if (argumenty.size() != 2) {
        Hlas(QString(), QStringLiteral("%1 needs exactly one file\nsee zorvet --help").arg(nazev));
        return kNepouzitelnyVstup;
    }
    // Each option at most once (a sweep's --vary twice), and only those of the command.
    for (const QCommandLineOption& o : v.vsechny()) {
        const QString jmeno = o.names().constFirst();
        const bool svoje = jmeno == QLatin1String("language") ||
                           std::any_of(prikaz->volby.begin(), prikaz->volby.end(),
                                       [&](QCommandLineOption Volby::*p) { return (v.*p).names() == o.names(); }) ||
                           (prikaz->upravuje && std::any_of(v.pole.begin(), v.pole.end(), [&](const auto& p) {
                                return p.second.names() == o.names();
                            })) ||
                           (prikaz->upravuje && v.pece().contains(o.names().constFirst()));
        if (parser.isSet(o) && !svoje) {
            Hlas(QString(), QStringLiteral("--%1 is not an option of %2\nsee zorvet --help").arg(jmeno, nazev));
            return kNepouzitelnyVstup;
        }
        const qsizetype kolikrat = parser.values(o).size();
        if (kolikrat > (jmeno == QLatin1String("vary") ? 2 : 1)) {
            Hlas(QString(), QStringLiteral("--%1 is given %2 times; give it once").arg(jmeno).arg(kolikrat));
            return kNepouzitelnyVstup;
        }
    }

    Jazyk jazyk = jazykPomoci;
    if (parser.isSet(v.jazyk)) {
        const QString j = parser.value(v.jazyk);
        if (j != QLatin1String("en") && j != QLatin1String("cs")) {
            Hlas(QString(), QStringLiteral("--language is en or cs, not \"%1\".").arg(j));
            return kNepouzitelnyVstup;
        }
        jazyk = j == QLatin1String("en") ? Jazyk::Anglicky : Jazyk::Cesky;
    }
    if (prikaz->kresli && kreslic == nullptr) {
        Hlas(QString(), QStringLiteral("this program was started without its chart drawing"));
        return kNepouzitelnyVstup;
    }
    return prikaz->spust(Kontext{parser, v, jazyk, argumenty.at(1), kreslic});
}

}  // namespace zorvet
