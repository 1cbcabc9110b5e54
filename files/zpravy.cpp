#include "files/zpravy.h"

#include <cmath>

#include "files/cisla.h"
#include "files/retezce.h"

namespace zorvet {

QString ZpravaKonecneTeploty(const Vysledek& vysledek, std::int16_t j) {
    const auto radek = static_cast<std::size_t>(vysledek.posledniRadek());
    // nearbyint rounds halves to the even neighbour in the default rounding mode.
    const float teplota =
        static_cast<float>(std::nearbyint(static_cast<double>(vysledek.Vysledky.TeplotaVsazky[radek])));
    const QChar tecka = QLatin1Char('.');
    return Text(id::KonecnaTeplota, j) + TextZpravy(teplota, tecka) + Text(id::DosazenoZa, j) +
           TextZpravy(vysledek.Vysledky.Cas[radek], tecka) + Text(id::Sekund, j);
}

QString TitulekKonecneTeploty(std::int16_t jazyk) { return Text(id::KonecVypoctu, jazyk); }

QString ZpravaSelhani(const VysledekVypoctu& vysledek, std::int16_t jazyk) {
    switch (vysledek.konec) {
        case KonecVypoctu::Preteceni:
            return Text(id::PreteceniPole, jazyk) + QStringLiteral("\r\n") + Text(id::DelsiKrok, jazyk);
        case KonecVypoctu::Nekonverguje:
            return Text(id::Nekonverguje, jazyk);
        case KonecVypoctu::NeplatnyKrok:
            return Text(id::NeplatnyKrok, jazyk);
        case KonecVypoctu::Chyba:
            return QString::fromStdString(vysledek.popis);
        case KonecVypoctu::Uspech:
            break;
    }
    return {};
}

QString TitulekSelhani(std::int16_t jazyk) { return Text(id::ChybaVypoctu, jazyk); }

bool SelhaniJeInformace(const VysledekVypoctu& vysledek) { return vysledek.konec == KonecVypoctu::Preteceni; }

QString RadkyJadra(const Vysledek& v, std::int16_t j) {
    if (!v.Jadro) {
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

QString ZpravaJadra(KonecJadra konec, std::int16_t j) {
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

QString VarovaniJadra(const Vysledek& v, std::int16_t j) {
    return v.Jadro && v.Jadro->biot > 0.1 ? Text(id::VarovaniBiot, j) : QString();
}

QString NazevVeliciny(Velicina v, int usek, std::int16_t j) {
    int popisek = 0;
    switch (v) {
        case Velicina::Tpece: popisek = id::Tpece; break;
        case Velicina::Tv: popisek = id::Tv; break;
        case Velicina::Tk: popisek = id::Tk; break;
        case Velicina::CasKrok: popisek = id::CasKrok; break;
        case Velicina::m: popisek = id::m; break;
        case Velicina::c: popisek = id::c; break;
        case Velicina::A: popisek = id::A; break;
        case Velicina::Eps: popisek = id::Eps; break;
        case Velicina::Gama: popisek = id::Gama; break;
        case Velicina::KoefK: return QStringLiteral("Korekční koeficient [-]");
        case Velicina::StranaA: return QStringLiteral("A [m]");
        case Velicina::StranaB: return QStringLiteral("B [m]");
        case Velicina::DelkaL: return QStringLiteral("L [m]");
        case Velicina::PocetProfilu: popisek = id::PocetProfilu; break;
        case Velicina::PocetAB: popisek = id::PocetAB; break;
        case Velicina::PocetAL: popisek = id::PocetAL; break;
        case Velicina::PocetBL: popisek = id::PocetBL; break;
        case Velicina::TeplotaKrivky:
            return BezAkceleratoru(Text(id::KonTep, j)) + QLatin1Char(' ') + QString::number(usek) +
                   QStringLiteral(" [°C]");
        case Velicina::DobaVydrze: popisek = id::DobaVydrze; break;
        case Velicina::Lambda: popisek = id::Lambda; break;
    }
    return BezAkceleratoru(Text(popisek, j)).trimmed();
}

QString ZpravaZavady(const Zavada& z, std::int16_t j) {
    const QString nazev = NazevVeliciny(z.velicina, z.usek, j);
    switch (z.vada) {
        case Vada::NeniKladne:
            return Text(id::MusiBytKladne, j).arg(nazev);
        case Vada::MimoRozsah:
            return Text(z.velicina == Velicina::Eps ? id::EmisivitaRozsah : id::NezapornyPocet, j).arg(nazev);
        case Vada::NulovaDoba:
            return Text(id::NulovaDoba, j).arg(z.usek);
        case Vada::ZapornaDoba:
            return Text(id::ZapornaDoba, j).arg(z.usek);
        case Vada::NekonecnaHodnota:
            return Text(id::NekonecnaHodnota, j).arg(nazev);
    }
    return {};
}

QString ZpravaPrijeti(Prijeti prijeti, const Uloha& u, std::int16_t j) {
    switch (prijeti) {
        case Prijeti::Prijata:
            return {};
        case Prijeti::Neuplna:
            return Text(id::NeuplneZadani, j);
        case Prijeti::PlochaVetsi:
            return Text(id::PlochaVetsi, j);
        case Prijeti::Nedosazitelna:
            return Text(id::Nedosazitelna, j)
                .arg(TextZpravy(u.Tk, QLatin1Char('.')).trimmed(),
                     TextZpravy(NejvyssiTeplotaPece(u), QLatin1Char('.')).trimmed());
    }
    return {};
}

}  // namespace zorvet
