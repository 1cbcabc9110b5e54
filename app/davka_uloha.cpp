// Reading a problem with the options applied, computing it through the pipeline and writing
// what a command writes.
#include <QDir>
#include <QFileInfo>
#include <QLocale>
#include <algorithm>
#include <cmath>
#include <csignal>

#include "app/davka_spolecne.h"
#include "files/cisla.h"
#include "files/cteni_souboru.h"
#include "files/krivka_csv.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "files/tabulka_csv.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "files/zpravy_planovani.h"
#include "files/zpravy_vysledku.h"
#include "model/pipeline/vykon.h"

namespace zorvet::davka {

namespace {

volatile std::sig_atomic_t preruseni = 0;

extern "C" void naPreruseni(int) { preruseni = 1; }

// The problem a file is read into: every field at its default, so that a file of the documented
// form, which holds no reduction factor, computes with the factor 1.
Uloha vychoziUloha() {
    Uloha u;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.vychozi != 0.0) {
            NastavHodnotu(u, p, p.vychozi);
        }
    }
    return u;
}

}  // namespace

void Vypis(std::FILE* kam, const QString& text) {
    const QByteArray bajty = text.toUtf8();
    std::fwrite(bajty.constData(), 1, static_cast<std::size_t>(bajty.size()), kam);
}

void Hlas(const QString& titulek, const QString& text) {
    QString jedenRadek = text;
    jedenRadek.replace(QLatin1String("\r\n"), QLatin1String(" "));
    jedenRadek.replace(QLatin1Char('\n'), QLatin1String(": "));
    Vypis(stderr, QStringLiteral("zorvet: ") + (titulek.isEmpty() ? QString() : titulek + QLatin1String(": ")) +
                      jedenRadek + QLatin1Char('\n'));
}

int Status(DruhChyby druh) {
    switch (druh) {
        case DruhChyby::Vypocet:
        case DruhChyby::Preteceni:
        case DruhChyby::Jadro:
            return kVypocetSelhal;
        case DruhChyby::Soubor:
        case DruhChyby::Zadani:
        case DruhChyby::Volba:
            break;
    }
    return kNepouzitelnyVstup;
}

int Ohlas(const Chyba& chyba) {
    Hlas(chyba.titulek, chyba.text);
    return Status(chyba.druh);
}

std::optional<double> CisloArgumentu(QString text) {
    text.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double x = QLocale::c().toDouble(text.trimmed(), &ok);
    return ok && std::isfinite(x) ? std::optional<double>(x) : std::nullopt;
}

void SledujPreruseni() {
    preruseni = 0;
    std::signal(SIGINT, naPreruseni);
}

bool Preruseno() { return preruseni != 0; }

void Uprava::pouzij(Uloha& u) const {
    pec.pouzij(u);
    for (const auto& [pole, hodnota] : hodnoty) {
        NastavHodnotu(u, *pole, hodnota);
    }
    if (vlastnosti) {
        u.Vlastnosti = vlastnosti;
    }
}

namespace {

// The number of an option's text and the record's value of one of its unit: a unit of the
// field's after the number, with a blank or without ("60kW", "60 kW"); else the option's own.
std::pair<QString, double> JednotkaArgumentu(const PopisPole& p, const QString& text, double vlastni) {
    const QString t = text.trimmed();
    const QStringList jednotky =
        p.jednotkyVolby != nullptr ? QString::fromLatin1(p.jednotkyVolby).split(QLatin1Char(' ')) : QStringList();
    for (const QString& jednotka : jednotky) {
        const QString nazev = jednotka.section(QLatin1Char('='), 0, 0);
        const qsizetype pred = t.size() - nazev.size() - 1;
        if (pred >= 0 && t.endsWith(nazev) && !t.at(pred).isLetter()) {
            return {t.first(pred + 1), jednotka.section(QLatin1Char('='), 1).toDouble()};
        }
    }
    return {t, vlastni};
}

}  // namespace

std::optional<Uprava> UpravaArgumentu(const Kontext& k) {
    Uprava uprava;
    bool chybna = false;
    for (const auto& [pole, volba] : k.v.pole) {
        if (!k.parser.isSet(volba)) {
            continue;
        }
        const QString text = k.parser.value(volba);
        // The values the option's text gives: one number, two with a separator, or a word.
        std::vector<std::pair<const PopisPole*, double>> hodnoty;
        std::optional<Zavada> zavada;
        const double vlastni = pole->meritkoVolby;  // a lambda takes no structured binding in every compiler
        const auto cti = [&](const PopisPole& p, const QString& sJednotkou) {
            const auto [cast, meritko] = JednotkaArgumentu(p, sJednotkou, vlastni);
            const std::optional<double> x = CisloArgumentu(cast);
            if (!x) {
                zavada = Zavada{p.velicina, Vada::NeniCislo, 0, cast.toStdString()};
            } else if (const std::optional<Vada> vada = ZkontrolujZadanou(p, *x * meritko, Uloha{})) {
                zavada = Zavada{p.velicina, *vada, 0, {}};
            } else {
                hodnoty.emplace_back(&p, *x * meritko);
            }
        };
        // A number field whose option also takes a word for its 0 ("natural").
        const bool slovo = pole->slovaVolby != nullptr &&
                           (pole->druh != DruhPole::Cislo ||
                            QString::fromLatin1(pole->slovaVolby).split(QLatin1Char('|')).contains(text.trimmed()));
        if (slovo) {
            const QStringList slova = QString::fromLatin1(pole->slovaVolby).split(QLatin1Char('|'));
            const qsizetype i = slova.indexOf(text.trimmed());
            if (i < 0) {
                Hlas(QString(), QStringLiteral("--%1 is %2, not \"%3\".")
                                    .arg(volba.names().constFirst(), slova.join(QLatin1String(" or ")), text));
                chybna = true;
                continue;
            } else {
                hodnoty.emplace_back(pole, static_cast<double>(i));
            }
        } else if (pole->oddelovacVolby != 0) {
            const QStringList casti = text.split(QLatin1Char(pole->oddelovacVolby), Qt::KeepEmptyParts, Qt::CaseInsensitive);
            const PopisPole& druha = Pole(pole->druhaVolby);
            if (casti.size() > 2) {
                zavada = Zavada{pole->velicina, Vada::NeniCislo, 0, text.toStdString()};
            } else {
                cti(*pole, casti.at(0));
                if (!zavada && casti.size() == 2) {
                    cti(druha, casti.at(1));
                } else if (!zavada) {
                    hodnoty.emplace_back(&druha, pole->druhaJakoPrvni ? hodnoty.front().second : druha.vychozi);
                }
            }
        } else {
            cti(*pole, text);
        }
        if (zavada) {
            Hlas(QString(), QStringLiteral("--%1: ").arg(volba.names().constFirst()) +
                                ZpravaZavady(*zavada, Uloha{}, k.jazyk));
            chybna = true;
            continue;
        }
        uprava.hodnoty.insert(uprava.hodnoty.end(), hodnoty.begin(), hodnoty.end());
    }
    if (k.parser.isSet(k.v.vlastnosti)) {
        const QString hodnota = k.parser.value(k.v.vlastnosti);
        if (hodnota == QLatin1String(kUhlikovaOcel) || hodnota == QLatin1String(kNerezovaOcel)) {
            uprava.vlastnosti = VestaveneVlastnosti(hodnota.toStdString());
        } else if (hodnota.trimmed().isEmpty()) {
            Hlas(QString(), QStringLiteral("--properties needs carbon-steel, stainless-steel or a CSV file."));
            chybna = true;
        } else if (PrecteniKrivky cteni = NactiKrivkuCsv(hodnota, k.jazyk); cteni.krivka) {
            uprava.vlastnosti = std::move(cteni.krivka);
        } else {
            Hlas(cteni.chyba.titulek, cteni.chyba.text);
            chybna = true;
        }
    }
    if (!UpravaPeceArgumentu(k, uprava.pec)) {
        chybna = true;
    }
    if (chybna) {
        return std::nullopt;
    }
    return uprava;
}

int NactiUlohu(const Kontext& k, NactenaUloha& n) {
    const std::optional<Uprava> uprava = UpravaArgumentu(k);
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    return NactiUlohu(k, *uprava, n);
}

int NactiUlohu(const Kontext& k, const Uprava& uprava, NactenaUloha& n) {
    PrecteniSouboru precteni = NactiSoubor(k.soubor, false, vychoziUloha(), k.jazyk);
    if (!precteni.obsah) {
        return Ohlas(precteni.chyba);
    }
    Uloha& u = precteni.obsah->uloha;
    n.otisk = OtiskUlohy(u);
    n.komentar = precteni.obsah->komentare.isEmpty() ? QString() : precteni.obsah->komentare.last();
    uprava.pouzij(u);
    // The furnace's options belong to a furnace the file or the options describe.
    if (!u.Pec && !uprava.pec.prazdna()) {
        Hlas(QString(), QStringLiteral("--chamber and --lining describe the furnace that the furnace's options need."));
        return kNepouzitelnyVstup;
    }
    // An option whose value would not act in this case is refused, as a sweep of it is.
    for (const auto& [pole, volba] : k.v.pole) {
        if (k.parser.isSet(volba) && LzeMenit(u, pole->velicina) == Nemenitelna::Pripadem) {
            Hlas(QString(), QStringLiteral("--%1: ").arg(volba.names().constFirst()) +
                                ZpravaNemenitelne(*pole, u, k.jazyk));
            return kNepouzitelnyVstup;
        }
    }
    n.uloha = u;
    return kUspech;
}

int Vypocti(const Kontext& k, const Uloha& u, const NactenaUloha& n, std::shared_ptr<Vysledek>& vysledek) {
    VysledekVypoctu r = Spocti(u);
    if (std::optional<Chyba> chyba = ChybaVypoctu(r, r.vysledek ? r.vysledek->Uloha : u, k.jazyk)) {
        // A refused case names the file it came from.
        if (chyba->druh == DruhChyby::Zadani) {
            chyba->text = QDir::toNativeSeparators(k.soubor) + QLatin1Char('\n') + chyba->text;
        }
        return Ohlas(*chyba);
    }
    vysledek = std::move(r.vysledek);
    // The warning the window shows beside the core time.
    if (const QString varovani = VarovaniJadra(*vysledek, k.jazyk); !varovani.isEmpty()) {
        Hlas(QString(), varovani);
    }
    PojmenujVysledek(*vysledek, u, QFileInfo(k.soubor).fileName(), n.komentar, n.otisk);
    return kUspech;
}

int VysledekSouboru(const Kontext& k, std::shared_ptr<const Vysledek>& vysledek, std::int16_t& ztraty) {
    const bool vysledky = QFileInfo(k.soubor).suffix().compare(QLatin1String("odp"), Qt::CaseInsensitive) == 0;
    const std::optional<Uprava> uprava = UpravaArgumentu(k);
    if (!uprava) {
        return kNepouzitelnyVstup;
    }
    if (!vysledky) {
        NactenaUloha n;
        if (const int kod = NactiUlohu(k, *uprava, n); kod != kUspech) {
            return kod;
        }
        std::shared_ptr<Vysledek> spocteny;
        const int kod = Vypocti(k, n.uloha, n, spocteny);
        ztraty = n.uloha.Ztraty;
        vysledek = std::move(spocteny);
        return kod;
    }
    PrecteniSouboru precteni = NactiSoubor(k.soubor, true, vychoziUloha(), k.jazyk);
    if (!precteni.obsah) {
        return Ohlas(precteni.chyba);
    }
    vysledek = DokonciNacteny(std::move(precteni.obsah->vysledek));
    ztraty = vysledek->Uloha.Ztraty;
    // A results file is shown as it was computed: of the options only the losses of a furnace
    // without an installed power, which change what its power frame shows and nothing else.
    for (const auto& [pole, hodnota] : uprava->hodnoty) {
        if (pole->velicina != Velicina::Ztraty || vysledek->Uloha.Prikon > 0.0f) {
            Hlas(QString(), QStringLiteral("--%1 applies to a problem that is computed, not to a results file")
                                .arg(QLatin1String(pole->volba)));
            return kNepouzitelnyVstup;
        }
        ztraty = static_cast<std::int16_t>(hodnota);
    }
    if (uprava->vlastnosti) {
        Hlas(QString(), QStringLiteral("--properties applies to a problem that is computed, not to a results file"));
        return kNepouzitelnyVstup;
    }
    return kUspech;
}

int ZkontrolujVystupy(const Kontext& k, const QList<QString>& vystupy) {
    for (qsizetype i = 0; i < vystupy.size(); ++i) {
        const QString& vystup = vystupy[i];
        QString duvod;
        // An output is a regular file or a new one: a folder, a device or a pipe is refused
        // before anything is computed or written, without being opened.
        if (const DruhSelhani druh = DruhCesty(vystup); druh == DruhSelhani::JeSlozka || druh == DruhSelhani::NeniSoubor) {
            duvod = TextSelhani(druh, k.jazyk);
        } else if (!k.soubor.isEmpty() && StejnySoubor(vystup, k.soubor)) {
            duvod = QStringLiteral("this is the file the command reads; it is not replaced.");
        } else if (std::any_of(vystupy.begin(), vystupy.begin() + i,
                               [&](const QString& jiny) { return StejnySoubor(jiny, vystup); })) {
            duvod = QStringLiteral("another output of the command names this file too.");
        }
        if (!duvod.isEmpty()) {
            Hlas(Text(id::ChybaSouboru, k.jazyk), QDir::toNativeSeparators(vystup) + QLatin1Char('\n') + duvod);
            return kNepouzitelnyVstup;
        }
    }
    return kUspech;
}

int Dokonci(const Kontext& k, const std::shared_ptr<Vysledek>& vysledek, const QString& prvni) {
    const QCommandLineParser& p = k.parser;
    const QString komentar = p.value(k.v.komentar);
    if (const std::optional<QString> chyba = ChybaKomentare(komentar, k.jazyk)) {
        Hlas(QString(), QStringLiteral("--comment: ") + *chyba);
        return kNepouzitelnyVstup;
    }
    // Every file is prepared beside its target, then the result is printed, then the files are
    // put in place: a run that could not write a file or print leaves every file as it was.
    QList<QString> cesty;
    if (p.isSet(k.v.vysledky)) {
        cesty.append(p.value(k.v.vysledky));
    }
    if (p.isSet(k.v.csv)) {
        cesty.append(p.value(k.v.csv));
    }
    if (const int kod = ZkontrolujVystupy(k, cesty); kod != kUspech) {
        return kod;
    }
    SadaVystupu sada(k.jazyk);
    const auto selhalo = [&] {
        Hlas(Text(id::ChybaSouboru, k.jazyk), QDir::toNativeSeparators(sada.cesta()) + QLatin1Char('\n') + sada.chyba());
        return kNepouzitelnyVstup;
    };
    if (p.isSet(k.v.vysledky) &&
        !sada.pridej(p.value(k.v.vysledky), BajtySouboru(vysledek->Uloha, vysledek.get(), komentar, k.jazyk))) {
        return selhalo();
    }
    if (p.isSet(k.v.csv) && !sada.pridej(p.value(k.v.csv), TabulkaCsv(*vysledek).toUtf8())) {
        return selhalo();
    }
    const Jazyk j = k.jazyk;
    QString out = prvni.isEmpty() ? QString() : prvni + QLatin1Char('\n');
    out += ZpravaKonecneTeploty(*vysledek, j) + QLatin1Char('\n');
    out += BezAkceleratoru(Text(id::Ztraty, j)) + QLatin1String(": ") + QString::number(vysledek->Uloha.Ztraty) +
           QLatin1Char('\n');
    const std::optional<VykonSpotreba> vykon = VykonASpotreba(*vysledek);
    out += BezAkceleratoru(Text(id::Prikon, j)) + QLatin1String(": ") + (vykon ? TextObecny(vykon->P) : QString()) +
           QLatin1Char('\n');
    out += BezAkceleratoru(Text(id::Spotreba, j)) + QLatin1String(": ") + (vykon ? TextObecny(vykon->E) : QString()) +
           QLatin1Char('\n');
    if (vykon && vykon->jadra) {
        out += CasVykonu(*vykon, j) + QLatin1Char('\n');
    }
    out += RadkyVysledku(*vysledek, j);
    Vypis(stdout, out);
    if (std::fflush(stdout) != 0 || std::ferror(stdout) != 0) {
        return kNepouzitelnyVstup;  // the set ends uncommitted: no file is changed
    }
    return sada.potvrd() ? kUspech : selhalo();
}

}  // namespace zorvet::davka
