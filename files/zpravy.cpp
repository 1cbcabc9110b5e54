#include "files/zpravy.h"

#include <algorithm>
#include <cmath>

#include "files/cisla.h"
#include "files/retezce.h"
#include "files/zpravy_vysledku.h"
#include "model/case/geometrie.h"
#include "model/load/pohledove_faktory.h"
#include "model/load/usporadani.h"
#include "model/march/prubeh_pece.h"
#include "model/pipeline/pochod_pece.h"

namespace zorvet {

namespace {

// A number of a message: "." whatever the locale, without the leading blank.
QString cislo(double x) { return TextZpravy(static_cast<float>(x), QLatin1Char('.')).trimmed(); }

}  // namespace

QString ZpravaKonecneTeploty(const Vysledek& vysledek, Jazyk j) {
    const auto radek = static_cast<std::size_t>(vysledek.posledniRadek());
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const auto teplota =
        static_cast<float>(std::nearbyint(static_cast<double>(vysledek.Vysledky.TeplotaVsazky[radek])));
    const QChar tecka = QLatin1Char('.');
    return Text(id::KonecnaTeplota, j) + TextZpravy(teplota, tecka) + Text(id::DosazenoZa, j) +
           TextZpravy(vysledek.Vysledky.Cas[radek], tecka) + Text(id::Sekund, j);
}

QString TitulekKonecneTeploty(Jazyk jazyk) { return Text(id::KonecVypoctu, jazyk); }

QString ZpravaSelhani(const VysledekVypoctu& v, const Uloha& u, Jazyk jazyk) {
    switch (v.konec) {
        case KonecVypoctu::Odmitnuto:
            return v.zavada ? ZpravaZavady(*v.zavada, u, jazyk) : QString();
        case KonecVypoctu::Preteceni:
            if (const std::optional<QString> prikon = ZpravaMalehoPrikonu(u, jazyk)) {
                return *prikon;
            }
            if (u.Pec && u.Prikon > 0.0f) {
                const double tabulka = static_cast<double>(kPosledniRadek) * static_cast<double>(u.CasKrok);
                return Text(id::PecNestaci, jazyk)
                    .arg(QString::number(kPosledniRadek), DobaVHodinach(tabulka, jazyk),
                         TextObecny(PrubehPece(u)(0)), TextObecny(static_cast<float>(UstalenaZtrataPece(u) / 1000.0)),
                         TextObecny(static_cast<float>(ZobrazenaHodnota(Pole(Velicina::Prikon), u))));
            }
            return Text(id::PreteceniTabulky, jazyk) + QStringLiteral("\r\n") + Text(id::DelsiKrok, jazyk);
        case KonecVypoctu::Nekonverguje:
            return Text(id::Nekonverguje, jazyk);
        case KonecVypoctu::NeplatnyKrok:
            return Text(id::NeplatnyKrok, jazyk);
        case KonecVypoctu::Chyba:
            return QString::fromStdString(v.popis);
        case KonecVypoctu::Prekmit: {
            // The advice names a step the march has shown to work; "so small a charge" only when
            // even a second is too long for it.
            const int zprava = !(v.nejdelsiKrok > 0.0) ? id::PrekmitZadny : v.malaVsazka ? id::Prekmit : id::PrekmitKrok;
            QString text = Text(zprava, jazyk).arg(QString::number(v.radek), cislo(static_cast<double>(v.pred)),
                                                   cislo(static_cast<double>(v.po)), cislo(static_cast<double>(v.pec)));
            return v.nejdelsiKrok > 0.0 ? text.arg(QString::number(v.nejdelsiKrok, 'g', 6)) : text;
        }
        case KonecVypoctu::KrivkaNestaci:
            return Text(id::KrivkaNestaci, jazyk)
                .arg(cislo(static_cast<double>(u.Tk)), cislo(static_cast<double>(v.pec)));
        case KonecVypoctu::Uspech:
            break;
    }
    return {};
}

QString TitulekSelhani(Jazyk jazyk) { return Text(id::ChybaVypoctu, jazyk); }

QString ZpravaPrizpusobeni(const VysledekPrizpusobeni& f, const Uloha& u, Jazyk j) {
    // The emissivity and the deviations as the fit's answer gives them.
    const auto kelvinu = [](double x) { return QString::number(x, 'f', 2).replace(QLatin1Char('.'), OddelovacLokalu()); };
    if (f.naMezi) {
        const bool horni = f.eps > (kNejmensiEps + kNejvetsiEps) / 2.0;
        return Text(horni ? id::FitHorniMez : id::FitDolniMez, j)
            .arg(TextObecny(static_cast<float>(horni ? kNejvetsiEps : kNejmensiEps)), kelvinu(f.rms));
    }
    if (f.eps > 0.0) {
        return Text(id::FitRozptyl, j)
            .arg(QString::number(f.eps, 'f', 4).replace(QLatin1Char('.'), OddelovacLokalu()), kelvinu(f.rms),
                 kelvinu(f.rozptyl));
    }
    return Text(id::FitNelze, j) + QLatin1Char('\n') + ZpravaSelhani(f.selhani, u, j);
}

std::optional<Chyba> ChybaVypoctu(const VysledekVypoctu& v, const Uloha& u, Jazyk j) {
    if (v.konec == KonecVypoctu::Odmitnuto) {
        return Chyba{DruhChyby::Zadani, TitulekZavady(j), ZpravaSelhani(v, u, j)};
    }
    if (v.konec != KonecVypoctu::Uspech) {
        const bool informace = v.konec == KonecVypoctu::Preteceni || v.konec == KonecVypoctu::KrivkaNestaci;
        return Chyba{informace ? DruhChyby::Preteceni : DruhChyby::Vypocet, TitulekSelhani(j), ZpravaSelhani(v, u, j)};
    }
    if (const std::optional<KonecJadra>& jadro = v.jadro; jadro && *jadro != KonecJadra::Dosazeno) {
        // A piece with no heated face, or no dimensions, is a fault of the case; a core that
        // takes too long one of the computation.
        const bool zadani = *jadro == KonecJadra::BezPloch || *jadro == KonecJadra::BezRozmeru;
        return Chyba{zadani ? DruhChyby::Zadani : DruhChyby::Jadro, zadani ? TitulekZavady(j) : TitulekSelhani(j),
                     ZpravaJadra(*jadro, j)};
    }
    return std::nullopt;
}

QString CasVykonu(const VykonSpotreba& vykon, Jazyk j) {
    return vykon.jadra ? Text(id::CasVykonu, j).arg(cislo(vykon.cas)) : QString();
}

QString RadkyJadra(const Vysledek& v, Jazyk j) {
    if (!v.Jadro || v.Jadro->povrch.empty()) {
        return {};
    }
    QString text = BezAkceleratoru(Text(id::Biot, j)) + QLatin1String(": ") +
                   TextObecny(static_cast<float>(v.Jadro->biot)) + QLatin1Char('\n');
    if (v.Jadro->krok >= 0) {
        text += Text(id::CasJadra, j) + QLatin1String(": ") + TextObecny(static_cast<float>(v.Jadro->cas)) +
                QLatin1Char('\n');
    }
    return text;
}

QString NazevVlastnosti(const VlastnostiMaterialu& vlastnosti, Jazyk j) {
    if (JeVestavena(vlastnosti)) {
        return Text(vlastnosti.Nazev == kUhlikovaOcel ? id::UhlikovaOcel : id::NerezovaOcel, j);
    }
    return QString::fromStdString(vlastnosti.Nazev);
}

QString RadkyRozsireni(const Vysledek& v, Jazyk j) {
    QString text;
    if (v.Uloha.Vlastnosti) {
        text += BezAkceleratoru(Text(id::ModelVlastnosti, j)) + QLatin1String(": ") +
                NazevVlastnosti(*v.Uloha.Vlastnosti, j) + QLatin1Char('\n');
    }
    if (v.omezenoDo() > 0.0f) {
        text += Text(id::OmezenoDo, j) + QLatin1String(": ") + TextObecny(v.omezenoDo()) + QLatin1Char('\n');
    }
    return text;
}

QString RadkyUsporadani(const Vysledek& v, Jazyk j) {
    if (!v.Usporadani) {
        return {};
    }
    const VysledekUsporadani& r = *v.Usporadani;
    const Uloha& u = v.Uloha;
    const auto obecne = [](double x) { return TextObecny(static_cast<float>(x)); };
    const auto radek = [](const QString& popisek, const QString& hodnota) {
        return popisek + QLatin1String(": ") + hodnota + QLatin1Char('\n');
    };
    QString text;
    if (r.mrizka) {
        text += radek(Text(id::Usporadani, j), Text(id::UsporadaniMrizka, j)
                                                   .arg(u.MrizkaX)
                                                   .arg(u.MrizkaY)
                                                   .arg(obecne(static_cast<double>(u.MezeraX)),
                                                        obecne(static_cast<double>(u.MezeraY))));
        text += radek(Text(id::NejpomalejsiKus, j), QStringLiteral("%1 %2").arg(r.radek).arg(r.sloupec));
        if (r.casNejrychlejsiho > 0.0) {
            text += radek(Text(id::CasNejrychlejsiho, j), obecne(r.casNejrychlejsiho));
        }
    }
    if (r.svazek) {
        const QString d = obecne(static_cast<double>(u.StranaA));
        const QString phi = obecne(r.porozita);
        text += radek(Text(id::Usporadani, j),
                      u.SvazekB > 0.0f ? Text(id::UsporadaniSvazekObdelnik, j)
                                             .arg(obecne(static_cast<double>(u.SvazekA)),
                                                  obecne(static_cast<double>(u.SvazekB)), d, phi)
                                       : Text(id::UsporadaniSvazek, j).arg(obecne(static_cast<double>(u.SvazekA)), d, phi));
        text += radek(Text(id::EfektivniVodivost, j), obecne(r.kef));
    }
    if (r.casCyklu > 0.0) {
        text += radek(Text(id::CasCyklu, j), obecne(r.casCyklu));
    }
    if (r.teploProdlevy) {
        text += radek(Text(id::EnergieProdlevy, j), obecne(*r.teploProdlevy / 3.6e6));
    }
    return text;
}

QString RadkyPece(const Vysledek& v, Jazyk j) {
    if (!v.Pec) {
        return {};
    }
    const VysledekPece& p = *v.Pec;
    const Uloha& u = v.Uloha;
    const auto obecne = [](double x) { return TextObecny(static_cast<float>(x)); };
    const auto radek = [](const QString& popisek, const QString& hodnota) {
        return popisek + QLatin1String(": ") + hodnota + QLatin1Char('\n');
    };
    const auto polozky = [&](const BilancePece& b) {
        const auto kwh = [&](double x) { return obecne(x / 3.6e6); };
        return Text(id::PolozkyBilance, j)
            .arg(kwh(b.elektrina), kwh(b.vsazka), kwh(b.pripravky), kwh(b.vyzdivka), kwh(b.steny), kwh(b.dvere));
    };
    // The cycle: a soak after the heat-up (whose cycle time the soak's line tells), or the cyclic
    // steady state, whose cycle is its heat-up.
    const bool soak = u.Prodleva > 0.0f;
    const bool cyklus = soak || u.Pec->Start == StartPece::Cyklicky;
    QString text;
    if (cyklus && !soak) {
        text += radek(Text(id::CasCyklu, j), obecne(p.casCyklu));
    }
    text += radek(Text(id::BilanceOhrevu, j), polozky(p.ohrev));
    if (cyklus) {
        text += radek(Text(id::BilanceCyklu, j), polozky(p.cyklus));
    }
    text += radek(Text(id::SpickaPrikonu, j), obecne(p.spicka / 1000.0));
    if (u.CenaEnergie > 0.0f) {
        text += radek(Text(id::CenaCyklu, j), obecne(p.cyklus.elektrina / 3.6e6 * static_cast<double>(u.CenaEnergie)));
    }
    return text;
}

QString ZpravaJadra(KonecJadra konec, Jazyk j) {
    switch (konec) {
        case KonecJadra::Dosazeno:
            return {};
        case KonecJadra::BezRozmeru:
            return Text(id::JadroBezRozmeru, j);
        case KonecJadra::BezPloch:
            return Text(id::JadroBezPloch, j);
        case KonecJadra::Nedosazeno:
            return Text(id::JadroNedosazeno, j);
        case KonecJadra::Chyba:
            return Text(id::JadroNelze, j);
    }
    return {};
}

QString VarovaniJadra(const Vysledek& v, Jazyk j) {
    return v.Jadro && v.Jadro->biot > 0.1 ? Text(id::VarovaniBiot, j) : QString();
}

QString NazevPole(Velicina v, int bod, const Uloha& u, Jazyk j) {
    const auto bezAkc = [j](int id) { return BezAkceleratoru(Text(id, j)).simplified(); };
    const bool kruh = u.Profil == Profil::Kruhovy;
    switch (v) {
        case Velicina::TeplotaKrivky:
            return bezAkc(bod == 0 ? id::PocTep : id::KonTep) + QLatin1Char(' ') + QString::number(std::max(bod, 1)) +
                   QStringLiteral(" [°C]");
        case Velicina::DobaVydrze:
            return bezAkc(id::DobaVydrze) + QLatin1Char(' ') + QString::number(bod + 1) + QStringLiteral(" [s]");
        case Velicina::StranaA:
        case Velicina::StranaB:
        case Velicina::DelkaL: {
            // A dimension by its letter and its unit: "D [m]", the diameter of a round bar.
            const PopisPole& p = Pole(v);
            const QString pismeno =
                v == Velicina::StranaA && kruh ? QStringLiteral("D") : BezAkceleratoru(QString::fromUtf8(p.popisekText));
            return pismeno + QLatin1Char(' ') + QString::fromLatin1(p.jednotkaText);
        }
        case Velicina::PocetAB:
            return bezAkc(kruh ? id::PocetD : (u.Profil == Profil::Ctvercovy ? id::PocetAA : id::PocetAB));
        case Velicina::PocetAL:
            return bezAkc(kruh ? id::PocetValcu : id::PocetAL);
        default:
            break;
    }
    const PopisPole& p = Pole(v);
    if (p.popisekZpravy != 0) {
        return bezAkc(p.popisekZpravy) + QLatin1Char(' ') + QString::fromUtf8(p.jednotkaText);
    }
    return p.popisek != 0 ? bezAkc(p.popisek) : BezAkceleratoru(QString::fromUtf8(p.popisekText)).simplified();
}

QString NazevCasti(CastPece cast, Jazyk j) {
    const int casti[] = {id::CastSteny, id::CastStrop, id::CastNistej};
    return Text(casti[static_cast<std::size_t>(cast)], j);
}

namespace {

// What is wrong with the furnace's description, in words.
QString zavadaPece(const ZavadaPece& z, const Uloha& u, Jazyk j) {
    const QString cast = NazevCasti(z.cast, j);
    const QString vrstva = QString::number(z.vrstva + 1);
    switch (z.vada) {
        case VadaPece::Komora:
            return Text(id::PecKomora, j);
        case VadaPece::BezVrstev:
            return Text(id::PecBezVrstev, j).arg(cast);
        case VadaPece::Tloustka:
            return Text(id::PecTloustka, j).arg(cast, vrstva);
        case VadaPece::Refraktor: {
            const auto i = static_cast<std::size_t>(z.vrstva);
            const Vyzdivka* v = u.Pec ? &VyzdivkaCasti(*u.Pec, z.cast) : nullptr;
            const std::string nazev = v && i < v->size() ? (*v)[i].Material.Nazev : std::string();
            return Text(id::PecRefraktor, j).arg(cast, vrstva, QString::fromStdString(nazev));
        }
        case VadaPece::Dvere:
            return Text(id::PecDvere, j);
        case VadaPece::Cykly:
            return Text(id::PecCykly, j);
        case VadaPece::Zadna:
            break;
    }
    return {};
}

}  // namespace

QString ZpravaZavady(const Zavada& z, const Uloha& u, Jazyk j) {
    const QString nazev = NazevPole(z.velicina, z.bod, u, j);
    const PopisPole& p = Pole(z.velicina);
    // The emissivity and the reduction factor lie between 0 and 1, both ends told at once.
    const bool podil = p.min == 0.0 && p.max == 1.0;
    // The bounds in the unit the field shows; a tiny one in plain decimals ("0.000001"). Seven
    // digits, rounded into the range, so that the bound told passes the check: a soak of at most
    // 1e7 s is "at most 166666.6" minutes, not the 166666.7 that is refused.
    const auto mez = [&p](double x, bool horni) {
        const double v = x / p.meritko;
        if (v > 0.0 && v < 1.0e-3) {
            return QString::number(v, 'f', static_cast<int>(std::ceil(-std::log10(v))));
        }
        if (v == 0.0) {
            return cislo(v);
        }
        const double rad = std::pow(10.0, std::floor(std::log10(std::fabs(v))) - 6.0);
        return cislo((horni ? std::floor(v / rad + 1e-9) : std::ceil(v / rad - 1e-9)) * rad);
    };
    switch (z.vada) {
        case Vada::NeniCislo:
            return Text(id::NeniCislo, j).arg(nazev, QString::fromStdString(z.text).trimmed());
        case Vada::ChybiHodnota:
            return Text(id::ChybiHodnota, j).arg(nazev);
        case Vada::NeniCele:
            return Text(id::NeniCele, j).arg(nazev);
        case Vada::NekonecnaHodnota:
            return Text(id::NekonecnaHodnota, j).arg(nazev);
        case Vada::PodRozsahem:
            if (podil) {
                return Text(id::EmisivitaRozsah, j).arg(nazev);
            }
            if (p.min < 0.0) {
                return Text(id::PodNulou, j).arg(nazev);
            }
            if (p.min > 0.0 && p.minVcetne) {
                return Text(id::NejmeneHodnota, j).arg(nazev, mez(p.min, false));
            }
            return Text(p.minVcetne && p.min == 0.0 ? id::NezapornyPocet : id::MusiBytKladne, j).arg(nazev);
        case Vada::NadRozsahem:
            return podil ? Text(id::EmisivitaRozsah, j).arg(nazev) : Text(id::PrilisVelke, j).arg(nazev, mez(p.max, true));
        case Vada::PrilisMnohoPloch:
            return Text(id::PrilisMnohoPloch, j).arg(nazev, QString::number(NejvicPloch(z.velicina, u)));
        case Vada::NulovaDoba:
            return Text(id::NulovaDoba, j).arg(z.bod + 1);
        case Vada::Neuplna:
            return Text(id::NeuplneZadani, j);
        case Vada::PodTv:
            return Text(u.Tk < u.Tv ? id::PodTv : id::NadTv, j)
                .arg(nazev, NazevPole(Velicina::Tv, 0, u, j), cislo(static_cast<double>(u.Tv)));
        case Vada::PlochaVetsi:
            return Text(id::PlochaVetsi, j);
        case Vada::PlochaNesouhlasi: {
            Uloha zPloch = u;
            TeplosmennaPlocha(zPloch);
            return Text(id::PlochaNesouhlasi, j).arg(nazev, cislo(static_cast<double>(zPloch.A)));
        }
        case Vada::HmotnostNesouhlasi: {
            Uloha zRozmeru = u;
            HmotnostZRozmeru(zRozmeru, u.Gama);
            return Text(id::HmotnostNesouhlasi, j).arg(nazev, cislo(static_cast<double>(zRozmeru.m)));
        }
        case Vada::VadnaKrivka:
            return Text(id::VadnaKrivka, j);
        case Vada::BezRozmeruUsporadani:
            return Text(id::UsporadaniBezRozmeru, j).arg(nazev);
        case Vada::BezVodivostiUsporadani:
            return Text(id::UsporadaniBezVodivosti, j).arg(nazev);
        case Vada::ProfilUsporadani:
            return Text(id::UsporadaniProfil, j).arg(nazev);
        case Vada::SvazekMensi:
            return Text(id::SvazekMensi, j).arg(nazev, cislo(static_cast<double>(u.StranaA)));
        case Vada::MrizkaISvazek:
            return Text(id::MrizkaISvazek, j).arg(nazev);
        case Vada::VelkaMrizka:
            return Text(id::VelkaMrizka, j)
                .arg(nazev, QString::number(u.MrizkaX), QString::number(u.MrizkaY),
                     QString::number(u.MrizkaX * u.MrizkaY), QString::number(kNejviceKusuMrizky));
        case Vada::PocetVMrizce:
            return Text(id::PocetVMrizce, j)
                .arg(nazev, QString::number(u.MrizkaX), QString::number(u.MrizkaY),
                     QString::number(u.MrizkaX * u.MrizkaY), QString::number(u.PocetProfilu));
        case Vada::PocetVeSvazku:
            return Text(id::PocetVeSvazku, j)
                .arg(nazev, QString::number(std::lround(TyciVeSvazku(u))), cislo(static_cast<double>(u.StranaA)),
                     cislo(PorozitaSvazku(u)), QString::number(u.PocetProfilu));
        case Vada::JadroBezPloch:
            return Text(id::JadroBezPloch, j);
        case Vada::Nedosazitelna:
            return Text(id::Nedosazitelna, j)
                .arg(cislo(static_cast<double>(u.Tk)), cislo(static_cast<double>(NejvyssiTeplotaPece(u))));
        case Vada::VadnaPec:
            return Text(id::VadnaPec, j).arg(zavadaPece(z.pec, u, j));
        case Vada::PecBezPrikonu:
            return Text(id::PecBezPrikonu, j);
        case Vada::DvereBezOtvoru:
            return Text(id::DvereBezOtvoru, j);
    }
    return {};
}

QString TitulekZavady(Jazyk jazyk) { return Text(id::ChybaZadani, jazyk); }

}  // namespace zorvet
