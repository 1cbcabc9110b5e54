#include "files/soubor_radky.h"

#include <algorithm>

namespace zorvet::soubor {

std::vector<const PopisPole*> RadkySouboru() {
    std::vector<const PopisPole*> radky;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.radekSouboru > 1) {
            radky.push_back(&p);
        }
    }
    std::sort(radky.begin(), radky.end(),
              [](const PopisPole* a, const PopisPole* b) { return a->radekSouboru < b->radekSouboru; });
    return radky;
}

std::vector<const PopisPole*> RadkyRozsireni() {
    std::vector<const PopisPole*> radky;
    for (const PopisPole& p : PoleUlohy()) {
        if (p.rozsirenyPopisek != 0) {
            radky.push_back(&p);
        }
    }
    // The heat capacity typed goes with the property curve, just before it.
    std::stable_partition(radky.begin(), radky.end(), [](const PopisPole* p) { return p->velicina != Velicina::c; });
    return radky;
}

QString Kod(const Uloha& u, Velicina v) {
    if (v == Velicina::ZadaniHmotnosti) {
        switch (u.ZadaniHmotnosti) {
            case ZadaniHmotnosti::Zadana:
                return QStringLiteral("Z");
            case ZadaniHmotnosti::ZRozmeru:
                return QStringLiteral("V");
            case ZadaniHmotnosti::Nezvoleno:
                break;
        }
        return {};
    }
    switch (u.Profil) {
        case Profil::Kruhovy:
            return QStringLiteral("K");
        case Profil::Ctvercovy:
            return QStringLiteral("C");
        case Profil::Obdelnikovy:
            return QStringLiteral("O");
        case Profil::Zadny:
            break;
    }
    return {};
}

bool NastavKod(Uloha& u, Velicina v, const QString& text) {
    const QString t = text.trimmed();
    if (v == Velicina::ZadaniHmotnosti) {
        if (t.isEmpty() || t == QLatin1String("Z") || t == QLatin1String("V")) {
            u.ZadaniHmotnosti = t.isEmpty() ? ZadaniHmotnosti::Nezvoleno
                                            : (t == QLatin1String("Z") ? ZadaniHmotnosti::Zadana : ZadaniHmotnosti::ZRozmeru);
            return true;
        }
        return false;
    }
    const std::pair<const char*, Profil> profily[] = {
        {"", Profil::Zadny}, {"K", Profil::Kruhovy}, {"C", Profil::Ctvercovy}, {"O", Profil::Obdelnikovy}};
    for (const auto& [k, p] : profily) {
        if (t == QLatin1String(k)) {
            u.Profil = p;
            return true;
        }
    }
    return false;
}

QString JednotkaRadku(const PopisPole& p, Jazyk j) {
    return p.jednotka != 0 ? Text(p.jednotka, j) : QString::fromLatin1(p.jednotkaText);
}

QString NaJedenRadek(QString text) {
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    text.replace(QLatin1Char('\r'), QLatin1Char(' '));
    text.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return text;
}

void Zapisovac::radek(const QString& text) {
    out_ += text;
    out_ += kKonecRadku;
}

void Zapisovac::hodnota(int popisek, const QString& jednotka, const QString& hodnota, bool text) {
    radek(Text(popisek, j_).leftJustified(kSirkaPopisku, QLatin1Char(' '), true) +
          jednotka.leftJustified(kSirkaJednotky, QLatin1Char(' '), true) + QLatin1Char(':') +
          QLatin1String(text ? "   " : "  ") + hodnota);
}

void Zapisovac::zony(std::initializer_list<QString> polozky) { zony(QStringList(polozky)); }

void Zapisovac::zony(const QStringList& polozky) {
    qsizetype zbyva = polozky.size();
    for (const QString& p : polozky) {
        out_ += p;
        if (--zbyva > 0) {
            const qsizetype sirka = std::max<qsizetype>(((p.size() + kZona - 1) / kZona) * kZona, kZona);
            out_.append(QString(sirka - p.size(), QLatin1Char(' ')));
        }
    }
    out_ += kKonecRadku;
}

namespace {

QString hlavicka(Jazyk j, std::initializer_list<int> sloupce) {
    Zapisovac z(j);
    QStringList texty;
    for (const int id : sloupce) {
        texty.append(Text(id, j));
    }
    z.zony(texty);
    return z.text().chopped(kKonecRadku.size());
}

}  // namespace

QString HlavickaBodu(Jazyk j) { return hlavicka(j, {id::SloupecTeplota, id::SloupecC, id::SloupecLambda}); }
QString HlavickaOmezenych(Jazyk j) { return hlavicka(j, {id::SloupecCas, id::SloupecTeplota}); }
QString HlavickaJadra(Jazyk j) {
    return hlavicka(j, {id::SloupecCas, id::SloupecPovrch, id::SloupecJadro, id::SloupecPec});
}
QString HlavickaVrstev(Jazyk j) { return hlavicka(j, {id::SloupecRefraktor, id::SloupecTloustka}); }
QString HlavickaBilance(Jazyk j) {
    return hlavicka(j, {id::SloupecElektrina, id::SloupecVsazka, id::SloupecPripravky, id::SloupecVyzdivka,
                        id::SloupecSteny, id::SloupecOtvor});
}
QString HlavickaPrubehuPece(Jazyk j) { return hlavicka(j, {id::SloupecCas, id::SloupecPec, id::SloupecPrikon}); }

QStringList HledanaSlova() {
    return {QStringLiteral("Alfa"), Text(id::SouborKrivka, Jazyk::Anglicky), Text(id::SouborKrivka, Jazyk::Cesky)};
}

QString ZakryjNazev(const std::string& nazev) {
    const QString n = NaJedenRadek(QString::fromStdString(nazev));
    const QStringList slova = HledanaSlova();
    QString text;
    for (qsizetype i = 0; i < n.size(); ++i) {
        if (n[i] == QLatin1Char('\\') || (i == 0 && n[i] == QLatin1Char(' '))) {
            text += QLatin1Char('\\');
        }
        text += n[i];
        const QStringView zbytek = QStringView(n).sliced(i);
        if (std::any_of(slova.begin(), slova.end(),
                        [&](const QString& s) { return !s.isEmpty() && zbytek.startsWith(s); })) {
            text += QLatin1Char('\\');
        }
    }
    return text;
}

std::string OdkryjNazev(const QString& text) {
    QString n;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QLatin1Char('\\') && i + 1 < text.size()) {
            ++i;
        }
        n += text[i];
    }
    return n.toStdString();
}

bool JePravitko(const QString& radek) {
    QStringView r(radek);
    while (r.endsWith(QLatin1Char(' '))) {
        r.chop(1);
    }
    return r == kPravitko;
}

bool ObsahujeText(const QString& radek, int id) {
    return radek.contains(Text(id, Jazyk::Anglicky)) || radek.contains(Text(id, Jazyk::Cesky));
}

bool ZacinaTextem(const QString& radek, int id) {
    return radek.startsWith(Text(id, Jazyk::Anglicky)) || radek.startsWith(Text(id, Jazyk::Cesky));
}

bool JeRadekDobyOhrevu(const QString& radek) {
    for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
        const QString p = Text(id::SouborDobaOhrevu, j);
        if (radek.startsWith(p) && radek.mid(p.size()).trimmed().startsWith(QLatin1Char('['))) {
            return true;
        }
    }
    return false;
}

bool JeRadek1(const QString& radek) {
    return ZacinaTextem(radek, id::SouborTpece) && radek.size() >= 39 && radek[38] == QLatin1Char(':');
}

bool JePopisek(const QString& radek, int id) {
    for (const Jazyk j : {Jazyk::Anglicky, Jazyk::Cesky}) {
        const QString p = Text(id, j);
        if (radek.startsWith(p) && (radek.size() == p.size() || radek[p.size()] == QLatin1Char(' '))) {
            return true;
        }
        // A caption longer than its column is written cut to the column, its unit right after.
        if (p.size() > kSirkaPopisku && radek.size() > kSirkaPopisku && radek[kSirkaPopisku] == QLatin1Char('[') &&
            radek.startsWith(p.left(kSirkaPopisku))) {
            return true;
        }
    }
    return false;
}

QStringList RadkyTextu(const QString& text) {
    QStringList radky;
    qsizetype zacatek = 0;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n')) {
            radky.append(text.sliced(zacatek, i - zacatek));
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n')) {
                ++i;
            }
            zacatek = i + 1;
        }
    }
    if (zacatek < text.size()) {
        radky.append(text.sliced(zacatek));
    }
    return radky;
}

}  // namespace zorvet::soubor
