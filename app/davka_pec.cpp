// The furnace's options of the batch: the chamber, the linings (their refractories found in the
// user's --refractories file before the database Refractories.lst), the wall area, the door and
// the start.
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>
#include <cmath>

#include "app/davka_spolecne.h"
#include "files/datova_slozka.h"
#include "files/pec_text.h"
#include "files/refraktory.h"

namespace zorvet::davka {

namespace {

// Refractories.lst where the program's data lies: the user's own copy before the program's and the
// shipped one (files/datova_slozka.h), read without preparing any folder.
SouborRefraktoru databaze(Jazyk jazyk) {
    const MistaDat mista = MistaProgramu();
    for (const QString& slozka : {mista.osobniSlozka, mista.slozkaProgramu, mista.dodanaData}) {
        if (!slozka.isEmpty() && QFileInfo::exists(QDir(slozka).filePath(QStringLiteral("Refractories.lst")))) {
            return NactiDatabaziRefraktoru(slozka, jazyk);
        }
    }
    return SouborRefraktoru{std::vector<Refraktor>{}, {}};
}

// Positive numbers joined by x, as many as asked for (a door's "WxH", a chamber's "WxDxH").
std::optional<std::vector<float>> rozmery(const QString& text, qsizetype pocet) {
    const QStringList casti = text.trimmed().split(QLatin1Char('x'), Qt::KeepEmptyParts, Qt::CaseInsensitive);
    if (casti.size() != pocet) {
        return std::nullopt;
    }
    std::vector<float> x;
    for (const QString& c : casti) {
        const std::optional<double> d = CisloArgumentu(c);
        if (!d || !(*d > 0.0) || *d > 1000.0) {
            return std::nullopt;
        }
        x.push_back(static_cast<float>(*d));
    }
    return x;
}

}  // namespace

bool UpravaPece::prazdna() const {
    return !komora && !vyzdivky[0] && !vyzdivky[1] && !vyzdivky[2] && !plocha && !dvere && !start;
}

void UpravaPece::pouzij(Uloha& u) const {
    if (!u.Pec && komora && vyzdivky[0]) {
        u.Pec = Pec{};
    }
    if (!u.Pec) {
        return;
    }
    Pec& p = *u.Pec;
    if (komora) {
        p.Sirka = (*komora)[0];
        p.Hloubka = (*komora)[1];
        p.Vyska = (*komora)[2];
    }
    Vyzdivka* cile[] = {&p.Steny, &p.Strop, &p.Nistej};
    for (std::size_t i = 0; i < 3; ++i) {
        if (vyzdivky[i]) {
            *cile[i] = *vyzdivky[i];
        }
    }
    if (plocha) {
        p.Plocha = *plocha;
    }
    if (dvere) {
        p.DvereSirka = (*dvere)[0];
        p.DvereVyska = (*dvere)[1];
        u.DobaOtevreni = (*dvere)[2];
    }
    if (start) {
        p.Start = start->Start;
        p.Cyklu = start->Cyklu;
    }
}

bool UpravaPeceArgumentu(const Kontext& k, UpravaPece& pec) {
    const QCommandLineParser& p = k.parser;
    const auto spatne = [](const QCommandLineOption& volba, const QString& proc) {
        Hlas(QString(), QStringLiteral("--%1: %2").arg(volba.names().constFirst(), proc));
        return false;
    };
    if (p.isSet(k.v.komora)) {
        const std::optional<std::vector<float>> x = rozmery(p.value(k.v.komora), 3);
        if (!x) {
            return spatne(k.v.komora, QStringLiteral("needs WxDxH, three lengths in m above zero."));
        }
        pec.komora = std::array<float, 3>{(*x)[0], (*x)[1], (*x)[2]};
    }
    if (p.isSet(k.v.plochaSten)) {
        pec.plocha = PlochaZTextu(p.value(k.v.plochaSten));
        if (!pec.plocha) {
            return spatne(k.v.plochaSten, QStringLiteral("is inner or rounded, not \"%1\".").arg(p.value(k.v.plochaSten)));
        }
    }
    if (p.isSet(k.v.dvere)) {
        const QString text = p.value(k.v.dvere);
        const qsizetype dvojtecka = text.lastIndexOf(QLatin1Char(':'));
        const std::optional<std::vector<float>> x = rozmery(text.left(dvojtecka), 2);
        const std::optional<double> doba = dvojtecka < 0 ? std::nullopt : CisloArgumentu(text.mid(dvojtecka + 1));
        if (!x || !doba || *doba < 0.0 || *doba > 1.0e6) {
            return spatne(k.v.dvere, QStringLiteral("needs WxH:SECONDS, the door's width and height in m and the "
                                                    "seconds it stands open, not \"%1\".").arg(text));
        }
        pec.dvere = std::array<float, 3>{(*x)[0], (*x)[1], static_cast<float>(*doba)};
    }
    if (p.isSet(k.v.start)) {
        Pec s;
        if (!NastavStart(s, p.value(k.v.start))) {
            return spatne(k.v.start, QStringLiteral("is hot, cold, cyclic or after:N (1 to 1000 cycles), not \"%1\".")
                                         .arg(p.value(k.v.start)));
        }
        pec.start = s;
    }
    const QCommandLineOption* vyzdivky[] = {&k.v.vyzdivka, &k.v.strop, &k.v.nistej};
    if (std::none_of(std::begin(vyzdivky), std::end(vyzdivky), [&](const auto* v) { return p.isSet(*v); })) {
        return true;
    }
    std::vector<Refraktor> vlastni;
    if (p.isSet(k.v.refraktory)) {
        SouborRefraktoru s = NactiRefraktory(p.value(k.v.refraktory), k.jazyk);
        if (!s.refraktory) {
            Ohlas(s.chyba);
            return false;
        }
        vlastni = std::move(*s.refraktory);
    }
    const SouborRefraktoru db = databaze(k.jazyk);
    if (!db.refraktory) {
        Ohlas(db.chyba);
        return false;
    }
    for (std::size_t i = 0; i < 3; ++i) {
        if (!p.isSet(*vyzdivky[i])) {
            continue;
        }
        const TextVyzdivky t = VyzdivkaZTextu(p.value(*vyzdivky[i]), vlastni, *db.refraktory);
        if (!t.vyzdivka) {
            return spatne(*vyzdivky[i], QStringLiteral("\"%1\" is no refractory of --refractories or Refractories.lst, "
                                                       "nor a thickness in m (MATERIAL:THICKNESS[,...]).")
                                            .arg(t.vadne));
        }
        pec.vyzdivky[i] = t.vyzdivka;
    }
    return true;
}

}  // namespace zorvet::davka
