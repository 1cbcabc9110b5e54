// The planning commands of the batch command line: goal, sweep and fit.
#include <QDir>
#include <QElapsedTimer>
#include <QSaveFile>
#include <cerrno>
#include <cmath>

#include "app/davka_spolecne.h"
#include "files/cisla.h"
#include "files/mereni_csv.h"
#include "files/retezce.h"
#include "files/rozmitani_csv.h"
#include "files/tabulka_csv.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "files/zpravy_planovani.h"
#include "model/conduction/jadro.h"
#include "model/planning/planovani.h"
#include "model/planning/rozmitani.h"

namespace zorvet::davka {

namespace {

// Word of a long command's progress on standard error, once a second after the first two.
class Postup {
public:
    Postup() { hodiny_.start(); }
    // text() is formed only when it is told.
    template <class Text>
    void hlas(const Text& text) {
        if (hodiny_.elapsed() > 2000 && hodiny_.elapsed() - hlaseno_ >= 1000) {
            hlaseno_ = hodiny_.elapsed();
            Vypis(stderr, QStringLiteral("zorvet: ") + text() + QLatin1Char('\n'));
        }
    }

private:
    QElapsedTimer hodiny_;
    qint64 hlaseno_ = 0;
};

constexpr int kPreruseno = 130;  // as a shell reports a command stopped by Ctrl-C

// The names of the quantities that a sweep or a goal seek varies.
QString nazvy(Hledani jen) { return QString::fromStdString(NazvyPoli(jen, ", ")); }

}  // namespace

int PrikazCil(const Kontext& k) {
    const std::optional<double> cas = CisloArgumentu(k.parser.value(k.v.cas));
    if (!k.parser.isSet(k.v.cas) || !cas || !(*cas > 0.0)) {
        Hlas(QString(), QStringLiteral("goal needs --time with a number over 0, not \"%1\".\nsee zorvet --help")
                            .arg(k.parser.value(k.v.cas)));
        return kNepouzitelnyVstup;
    }
    const QString co = k.parser.value(k.v.hledej);
    const PopisPole* pole = PoleNazvu(co.toStdString());
    if (pole == nullptr || pole->hledani == Hledani::Ne) {
        Hlas(QString(), QStringLiteral("goal needs --find %1, not \"%2\".").arg(nazvy(Hledani::Mensi), co));
        return kNepouzitelnyVstup;
    }
    NactenaUloha n;
    if (const int kod = NactiUlohu(k, n); kod != kUspech) {
        return kod;
    }
    if (LzeMenit(n.uloha, pole->velicina) != Nemenitelna::Ne) {
        Hlas(QString(), QStringLiteral("--find %1: ").arg(co) + ZpravaNemenitelne(*pole, n.uloha, k.jazyk));
        return kNepouzitelnyVstup;
    }
    SledujPreruseni();
    Postup postup;
    int pokusu = 0;
    const VysledekHledani h = HledejCil(n.uloha, pole->velicina, *cas, [&] {
        ++pokusu;
        postup.hlas([&] { return QStringLiteral("goal: %1 trials").arg(pokusu); });
        return !Preruseno();
    });
    switch (h.konec) {
        case KonecHledani::Nalezeno:
            break;
        case KonecHledani::Preruseno:
            Hlas(QString(), QStringLiteral("goal: stopped"));
            return kPreruseno;
        case KonecHledani::Nelze:
        case KonecHledani::Prodlevou:
        case KonecHledani::Prikonem:
        case KonecHledani::Tabulkou:
            Hlas(QString(), ZpravaHledani(h, *pole, n.uloha, *cas, k.jazyk));
            return kVypocetSelhal;
        case KonecHledani::Nemenitelna:
        case KonecHledani::Odmitnuto: {
            // The problem itself: computed again for its own message and status.
            std::shared_ptr<Vysledek> vysledek;
            const int kod = Vypocti(k, n.uloha, n, vysledek);
            return kod != kUspech ? kod : kVypocetSelhal;
        }
    }
    std::shared_ptr<Vysledek> vysledek;
    if (const int kod = Vypocti(k, h.reseni.vysledek->Uloha, n, vysledek); kod != kUspech) {
        return kod;
    }
    return Dokonci(k, vysledek, RadekOdpovedi(*pole, h.hodnota, n.uloha, k.jazyk));
}

namespace {

// The quantities of --vary NAME=FROM:TO:STEP, each checked as the sweep window checks its
// ranges; none after the message.
std::optional<std::vector<OsaRozmitani>> osyArgumentu(const Kontext& k, const Uloha& u) {
    const QStringList vary = k.parser.values(k.v.menit);
    std::vector<RozsahOsy> rozsahy;
    for (const QString& text : vary) {
        const qsizetype rovno = text.indexOf(QLatin1Char('='));
        const QStringList meze = text.mid(rovno + 1).split(QLatin1Char(':'));
        const std::optional<Rozmitana> osa =
            rovno < 0 ? std::nullopt : RozmitanaNazvu(text.left(rovno).toStdString());
        std::optional<double> x[3];
        for (qsizetype i = 0; i < 3 && meze.size() == 3; ++i) {
            x[i] = CisloArgumentu(meze.at(i));
        }
        if (!osa) {
            Hlas(QString(), QStringLiteral("--vary %1: NAME=FROM:TO:STEP names %2").arg(text, nazvy(Hledani::Ne)));
            return std::nullopt;
        }
        if (!x[0] || !x[1] || !x[2] || !(*x[2] > 0.0)) {
            Hlas(QString(), QStringLiteral("--vary %1: FROM:TO:STEP needs three numbers and a STEP over 0").arg(text));
            return std::nullopt;
        }
        rozsahy.push_back({osa->pole, *x[0], *x[1], *x[2], osa->vrstva});
    }
    OsyRozmitani o = PripravOsy(u, rozsahy, kNejviceBodu);
    const QString osa = vary.value(static_cast<qsizetype>(o.osa));
    switch (o.vada) {
        case VadaOs::Zadna:
            return std::move(o.osy);
        case VadaOs::Nemenitelna:
            Hlas(QString(), QStringLiteral("--vary %1: ").arg(osa) + ZpravaNemenitelne(*rozsahy[o.osa].pole, u, k.jazyk));
            break;
        case VadaOs::BezVrstvy:
        case VadaOs::JakoSteny:
            Hlas(QString(), QStringLiteral("--vary %1: ").arg(osa) + ZpravaVrstvy(o.vada, rozsahy[o.osa].vrstva, u, k.jazyk));
            break;
        case VadaOs::Dvakrat:
            Hlas(QString(), QStringLiteral("--vary %1: the quantity is swept twice").arg(osa));
            break;
        case VadaOs::Rozsah:
            Hlas(QString(), QStringLiteral("--vary %1: more than a million values").arg(osa));
            break;
        case VadaOs::Bodu:
            Hlas(QString(), QStringLiteral("sweep: more than a million points"));
            break;
    }
    return std::nullopt;
}

// The points of the sweep as they are computed: to a file beside the target, which replaces it
// only when the sweep is complete, or to standard output.
int zapisBody(const Kontext& k, const Uloha& u, std::span<const OsaRozmitani> osy) {
    QSaveFile soubor(k.parser.value(k.v.csv));
    const bool doSouboru = k.parser.isSet(k.v.csv);
    if (doSouboru && !soubor.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
        Hlas(Text(id::ChybaSouboru, k.jazyk), QDir::toNativeSeparators(soubor.fileName()) + QLatin1Char('\n') +
                                                  soubor.errorString());
        return kNepouzitelnyVstup;
    }
    QString proc;  // the system's reason when a write failed
    const auto zapis = [&](const std::string& text) {
        const QByteArray b = QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size()));
        const bool zapsan = doSouboru ? ZapisCely(soubor, b)
                                      : std::fwrite(b.constData(), 1, static_cast<std::size_t>(b.size()), stdout) ==
                                            static_cast<std::size_t>(b.size());
        if (!zapsan && proc.isEmpty()) {
            proc = doSouboru ? soubor.errorString() : qt_error_string(errno);
        }
        return zapsan;
    };
    const SloupceRozmitani sloupce = SloupceBodu(u, osy);
    const std::size_t bodu = PocetBodu(osy);
    bool zapsano = zapis(HlavickaRozmitaniCsv(osy, sloupce).toStdString());
    SledujPreruseni();
    Postup postup;
    // The lines go out in blocks of some 64 KiB.
    constexpr std::size_t kBlok = 64 * 1024;
    std::string blok;
    blok.reserve(kBlok + 1024);
    zorvet::Rozmitej(u, osy, [&](std::size_t i, const BodRozmitani& bod) {
        PridejRadekRozmitaniCsv(blok, u, osy, i, bod, sloupce, k.jazyk);
        if (blok.size() >= kBlok || i + 1 == bodu) {
            zapsano = zapsano && zapis(blok);
            blok.clear();
        }
        postup.hlas([&] { return QStringLiteral("sweep: %1 of %2 points").arg(i + 1).arg(bodu); });
        return zapsano && !Preruseno();
    });
    if (!blok.empty()) {  // the lines before a stop
        zapsano = zapsano && zapis(blok);
    }
    if (Preruseno()) {
        Hlas(QString(), QStringLiteral("sweep: stopped"));
        return kPreruseno;
    }
    if (zapsano && doSouboru && !soubor.commit()) {
        zapsano = false;
        proc = soubor.errorString();
    } else if (zapsano && !doSouboru && std::fflush(stdout) != 0) {
        zapsano = false;
        proc = qt_error_string(errno);
    }
    if (!zapsano) {
        Hlas(Text(id::ChybaSouboru, k.jazyk),
             QDir::toNativeSeparators(doSouboru ? soubor.fileName() : QStringLiteral("-")) + QLatin1Char('\n') + proc);
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

}  // namespace

int PrikazRozmitani(const Kontext& k) {
    const QStringList vary = k.parser.values(k.v.menit);
    if (vary.isEmpty() || vary.size() > 2) {
        Hlas(QString(), QStringLiteral("sweep needs one or two --vary NAME=FROM:TO:STEP\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    NactenaUloha n;
    if (const int kod = NactiUlohu(k, n); kod != kUspech) {
        return kod;
    }
    const std::optional<std::vector<OsaRozmitani>> osy = osyArgumentu(k, n.uloha);
    if (!osy) {
        return kNepouzitelnyVstup;
    }
    if (k.parser.isSet(k.v.csv) && ZkontrolujVystupy(k, {k.parser.value(k.v.csv)}) != kUspech) {
        return kNepouzitelnyVstup;
    }
    return zapisBody(k, n.uloha, *osy);
}

int PrikazPrizpusobeni(const Kontext& k) {
    const QString obrazek = k.parser.value(k.v.grafMereni);
    if (k.parser.isSet(k.v.grafMereni) && (k.kreslic == nullptr || !k.kreslic->znaFormat(obrazek))) {
        Hlas(QString(), QStringLiteral("--chart names a .png, .svg or .pdf file, not \"%1\".").arg(obrazek));
        return kNepouzitelnyVstup;
    }
    if (!k.parser.isSet(k.v.mereni)) {
        Hlas(QString(), QStringLiteral("fit needs --measured LOG.csv\nsee zorvet --help"));
        return kNepouzitelnyVstup;
    }
    const QString kde = k.parser.value(k.v.termoclanek);
    const Termoclanek termoclanek = kde == QLatin1String("surface") ? Termoclanek::Povrch
                                    : kde == QLatin1String("core")  ? Termoclanek::Jadro
                                                                    : Termoclanek::Vsazka;
    if (k.parser.isSet(k.v.termoclanek) && termoclanek == Termoclanek::Vsazka && kde != QLatin1String("charge")) {
        Hlas(QString(), QStringLiteral("--thermocouple is surface, core or charge, not \"%1\".").arg(kde));
        return kNepouzitelnyVstup;
    }
    if (k.parser.isSet(k.v.grafMereni) && ZkontrolujVystupy(k, {obrazek, k.parser.value(k.v.mereni)}) != kUspech) {
        return kNepouzitelnyVstup;
    }
    NactenaUloha n;
    if (const int kod = NactiUlohu(k, n); kod != kUspech) {
        return kod;
    }
    const PrijatyPripad prijaty = PrijmiPripad(n.uloha);
    if (prijaty.zavada) {
        Hlas(TitulekZavady(k.jazyk), QDir::toNativeSeparators(k.soubor) + QLatin1Char('\n') +
                                         ZpravaZavady(*prijaty.zavada, prijaty.pripad, k.jazyk));
        return kNepouzitelnyVstup;
    }
    const QString zaznam = k.parser.value(k.v.mereni);
    std::optional<SloupceMereni> sloupce;
    if (k.parser.isSet(k.v.sloupce)) {
        const HlavickaMereni h = CtiHlavickuMereni(zaznam, k.jazyk);
        if (!h.chyba.text.isEmpty()) {
            return Ohlas(h.chyba);
        }
        sloupce = ZvoleneSloupce(h.nazvy, k.parser.value(k.v.sloupce));
        if (!sloupce) {
            Hlas(QString(), QStringLiteral("--columns names the time, the charge and the furnace by the names of the "
                                           "header of %1 or by numbers from 1 to %2, not \"%3\".")
                                .arg(QDir::toNativeSeparators(zaznam))
                                .arg(h.nazvy.size())
                                .arg(k.parser.value(k.v.sloupce)));
            return kNepouzitelnyVstup;
        }
    }
    const CteniMereni log = NactiMereniCsv(zaznam, n.uloha.Tv, k.jazyk, sloupce);
    if (log.body.empty()) {
        return Ohlas(log.chyba);
    }
    const VysledekPrizpusobeni f = PrizpusobEmisivitu(n.uloha, log.body, termoclanek);
    if (f.bezJadra) {
        Hlas(TitulekZavady(k.jazyk), QDir::toNativeSeparators(k.soubor) + QLatin1Char('\n') +
                                         Text(id::TermoclanekBezJadra, k.jazyk));
        return kNepouzitelnyVstup;
    }
    if (!f.uspech) {
        Hlas(TitulekSelhani(k.jazyk), ZpravaPrizpusobeni(f, n.uloha, k.jazyk));
        return kVypocetSelhal;
    }
    if (k.parser.isSet(k.v.grafMereni)) {
        if (const std::optional<QString> duvod =
                k.kreslic->kresliMereni(PodleTermoclanku(*f.prubeh, termoclanek), log.body, k.jazyk, obrazek,
                                        k.kreslic->vychoziVelikost)) {
            Hlas(Text(id::ChybaSouboru, k.jazyk), obrazek + QLatin1Char('\n') + Text(id::GrafNeulozen, k.jazyk) +
                                                      (duvod->isEmpty() ? QString() : QLatin1Char(' ') + *duvod));
            return kNepouzitelnyVstup;
        }
    }
    Vypis(stdout, Text(id::EmisivitaFit, k.jazyk) + QLatin1String(": ") + QString::number(f.eps, 'f', 4).replace(QLatin1Char('.'), OddelovacLokalu()) +
                      QLatin1Char('\n') + Text(id::OdchylkaFit, k.jazyk) + QLatin1String(": ") +
                      QString::number(f.rms, 'f', 2).replace(QLatin1Char('.'), OddelovacLokalu()) + QLatin1Char('\n'));
    return kUspech;
}

}  // namespace zorvet::davka
