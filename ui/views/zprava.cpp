#include "ui/views/zprava.h"

#include <QBuffer>
#include <QLocale>
#include <QFontMetricsF>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <QtCharts/QChart>
#include <algorithm>

#include "files/cisla.h"
#include "files/porovnani_peci.h"
#include "files/retezce.h"
#include "files/zapis.h"
#include "files/zpravy.h"
#include "files/zpravy_vysledku.h"
#include "model/case/pole.h"
#include "model/pipeline/vykon.h"
#include "ui/common/graf.h"
#include "ui/problem_dialog/nacrt_usporadani.h"
#include "ui/views/bilance_pece.h"
#include "ui/views/graf_vysledku.h"

namespace zorvet {

namespace {

// The page is laid out in tenths of a millimetre on an A4 sheet.
constexpr double kSirka = 2100.0;
constexpr double kVyska = 2970.0;
constexpr double kOkraj = 150.0;
constexpr int kPismo = 30;  // 3 mm, about 8.5 points
constexpr double kRadek = 42.0;

// Writes the page from the top down.
class Sazec {
public:
    Sazec(QPainter& p, Jazyk jazyk) : p_(p), j_(jazyk) {}

    void pismo(int velikost, bool tucne = false) {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPixelSize(velikost);
        f.setBold(tucne);
        // No ligatures: "fi" stays two letters, so that the text is found as it was written.
        f.setStyleStrategy(QFont::PreferNoShaping);
        p_.setFont(f);
    }
    void nadpis(const QString& text, int velikost) {
        y_ += velikost * 0.4;
        pismo(velikost, true);
        p_.drawText(QPointF(kOkraj, y_ + velikost), text);
        y_ += velikost * 1.6;
        pismo(kPismo);
    }
    // A label and its value in two columns; a long value wraps within its column.
    void radek(const QString& popisek, const QString& hodnota) {
        const double sloupec = kOkraj + 800.0;
        p_.drawText(QRectF(kOkraj, y_, sloupec - kOkraj - 20.0, kRadek), Qt::AlignLeft | Qt::AlignTop, popisek);
        const QRectF misto(sloupec, y_, pravyOkraj_ - sloupec, 4 * kRadek);
        const QRectF obsazeno = p_.boundingRect(misto, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, hodnota);
        p_.drawText(misto, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, hodnota);
        y_ += std::max(kRadek, obsazeno.height() + 8.0);
    }
    void cislo(int popisek, const QString& jednotka, float x) {
        radek(BezAkceleratoru(Text(popisek, j_) + QLatin1Char(' ') + jednotka).trimmed(), TextObecny(x));
    }
    void cislo(int popisek, int jednotka, float x) { cislo(popisek, Text(jednotka, j_), x); }
    // Cells of one table row at the given left edges.
    void bunky(const QStringList& texty, const QList<double>& x) {
        for (qsizetype i = 0; i < texty.size(); ++i) {
            p_.drawText(QPointF(x[i], y_ + kPismo), texty[i]);
        }
        y_ += kRadek;
    }
    void odstavec(const QString& text) {
        const QRectF misto(kOkraj, y_, kSirka - 2 * kOkraj, 10 * kRadek);
        const QRectF obsazeno = p_.boundingRect(misto, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        p_.drawText(misto, Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
        y_ += obsazeno.height() + 16.0;
    }
    void cara() {
        p_.drawLine(QPointF(kOkraj, y_ + 10.0), QPointF(kSirka - kOkraj, y_ + 10.0));
        y_ += 30.0;
    }
    double y() const { return y_; }
    void posun(double y) { y_ = std::max(y_, y); }
    // Where the values end: short of a drawing beside them.
    void nastavPravyOkraj(double x) { pravyOkraj_ = x; }

private:
    QPainter& p_;
    Jazyk j_;
    double y_ = kOkraj;
    double pravyOkraj_ = kSirka - kOkraj;
};

QString bez(int id, Jazyk j) { return BezAkceleratoru(Text(id, j)).trimmed(); }

// The caption of a field on the page: its label in a file, or its caption in the dialog.
QString popisekZpravy(const PopisPole& p, const Uloha& u, Jazyk j) {
    if (p.souborPopisek == 0) {
        return NazevPole(p.velicina, 0, u, j);
    }
    const int popisek = p.souborPopisekKruh != 0 && u.Profil == Profil::Kruhovy ? p.souborPopisekKruh : p.souborPopisek;
    return Text(popisek, j) + QLatin1Char(' ') + (p.jednotka != 0 ? Text(p.jednotka, j) : QString::fromLatin1(p.jednotkaText));
}

QString hodnotaZpravy(const PopisPole& p, const Vysledek& v, Jazyk j) {
    const Uloha& u = v.Uloha;
    if (p.velicina == Velicina::KoefK && !v.ZnamyKoefK) {
        return Text(id::KoefKNeznamy, j);
    }
    switch (p.druh) {
        case DruhPole::Text:
            return QString::fromStdString(u.NazevMaterialu);
        case DruhPole::Pocet:
            if (p.velicina == Velicina::Baleni) {
                return Text(u.Baleni == 1 ? id::BaleniSestiuhelne : id::BaleniCtvercove, j);
            }
            return QString::number(u.*p.pocet);
        case DruhPole::Kod: {
            const int profil = u.Profil == Profil::Kruhovy ? id::ProfilK : u.Profil == Profil::Ctvercovy ? id::ProfilC : id::ProfilO;
            return bez(profil, j);
        }
        case DruhPole::Cislo:
            break;
    }
    // A heat capacity that a property curve gives is its mean.
    if (p.velicina == Velicina::c) {
        return TextObecny(UcinnaC(u));
    }
    return TextObecny(static_cast<float>(ZobrazenaHodnota(p, u)));
}

// A field of the case as its row says: a line of the documented problem always, the furnace and
// the soak beyond it while they are used (away from their defaults), the reduction factor and
// the losses an installed power covers where they belong; the curve and the arrangement have
// lines of their own.
bool uvest(const PopisPole& p, const Uloha& u) {
    switch (p.zprava) {
        case VeZprave::Obvykle:
            return p.radekSouboru != 0 || Pouzito(p, u);
        case VeZprave::Vzdy:
            return Plati(p.rozsirenyKdy, u);
        case VeZprave::Jinde:
            return false;
    }
    return false;
}

QString nazevVlastnosti(const VlastnostiMaterialu& v, Jazyk j) {
    if (JeVestavena(v)) {
        return Text(v.Nazev == kUhlikovaOcel ? id::UhlikovaOcel : id::NerezovaOcel, j);
    }
    return v.Nazev.empty() ? Text(id::VlastniTabulka, j) : QString::fromStdString(v.Nazev);
}

// The problem as the table of fields has it: the values that belong to it, those of the
// dimensions under their own heading, the curve as a table of its segments. The property
// model follows the heat capacity it gives.
void zadani(Sazec& s, const Vysledek& v, Jazyk j) {
    const Uloha& u = v.Uloha;
    s.nadpis(Text(id::OddilZadani, j), 45);
    // The furnace's numbers stand with its description below.
    const auto patri = [&u](const PopisPole& p) {
        return p.zalozka >= 0 && p.kdy != Kdy::SPeci && Plati(p.kdy, u) && uvest(p, u);
    };
    const auto geometrie = [](const PopisPole& p) { return p.kdy == Kdy::ZRozmeru || p.kdy == Kdy::ZRozmeruObdelnik; };
    for (const PopisPole& p : PoleUlohy()) {
        if (patri(p) && !geometrie(p)) {
            s.radek(BezAkceleratoru(popisekZpravy(p, u, j)).trimmed(), hodnotaZpravy(p, v, j));
        }
        if (p.velicina == Velicina::c && u.Vlastnosti) {
            s.radek(bez(id::ModelVlastnosti, j), nazevVlastnosti(*u.Vlastnosti, j));
        }
    }
    if (u.Rizeny) {
        s.nadpis(Text(id::SouborKrivka, j), 38);
        const QList<double> x = {kOkraj, kOkraj + 250.0, kOkraj + 750.0, kOkraj + 1250.0};
        const QString stupne = QLatin1Char(' ') + Text(id::JednotkaStupne, j);
        s.bunky({Text(id::Usek, j), bez(id::PocTep, j) + stupne, bez(id::KonTep, j) + stupne,
                 bez(id::DobaVydrze, j) + QLatin1Char(' ') + Text(id::JednotkaSekundy, j)},
                x);
        for (int k = 1; k <= PocetUseku(u); ++k) {
            const auto i = static_cast<std::size_t>(k);
            s.bunky({QString::number(k), TextObecny(u.Krivka[i - 1].Teplota), TextObecny(u.Krivka[i].Teplota),
                     TextObecny(u.Krivka[i - 1].DobaVydrze)},
                    x);
        }
    }
    if (u.zRozmeru()) {
        s.nadpis(Text(id::OddilGeometrie, j), 38);
        for (const PopisPole& p : PoleUlohy()) {
            if (patri(p) && geometrie(p)) {
                s.radek(BezAkceleratoru(popisekZpravy(p, u, j)).trimmed(), hodnotaZpravy(p, v, j));
            }
        }
        s.radek(bez(id::CelkoveA, j), TextObecny(u.CelkovaPlocha));
    }
}

// The heat-up times of the results compared: the one of the page first, then the others.
void srovnani(Sazec& s, const PodkladyZpravy& podklady, Jazyk j) {
    s.nadpis(Text(id::OddilPorovnani, j), 38);
    const QList<double> x = {kOkraj, kOkraj + 800.0};
    s.bunky({Text(id::SouborZpravy, j), Text(id::OsaDoby, j)}, x);
    // The time that decides each: the core's of a thick charge.
    const auto cas = [](const Vysledek& v) {
        const std::optional<double> t = v.rozhodujiciCas();
        return t ? TextObecny(static_cast<float>(*t)) : QStringLiteral("—");
    };
    s.bunky({NazevVysledku(*podklady.vysledek, j), cas(*podklady.vysledek)}, x);
    for (const Srovnani& dalsi : podklady.srovnani) {
        s.bunky({dalsi.nazev, cas(*dalsi.vysledek)}, x);
    }
}

// The furnaces of the results compared, per cycle and per day: a column for each that has one.
void srovnaniPeci(Sazec& s, const PodkladyZpravy& podklady, Jazyk j, QPainter& painter) {
    QList<PorovnavanaPec> pece{{NazevVysledku(*podklady.vysledek, j), podklady.vysledek.get()}};
    for (const Srovnani& dalsi : podklady.srovnani) {
        pece.append({dalsi.nazev, dalsi.vysledek.get()});
    }
    const std::optional<PorovnaniPeci> t = PorovnejPece(pece, j);
    if (!t) {
        return;
    }
    s.nadpis(Text(id::PorovnaniPeci, j), 38);
    constexpr double kPopisky = 700.0;
    const double sirka = (kSirka - 2 * kOkraj - kPopisky) / static_cast<double>(t->nazvy.size());
    QList<double> x{kOkraj};
    QStringList nazvy{QString()};
    for (qsizetype i = 0; i < t->nazvy.size(); ++i) {
        x << kOkraj + kPopisky + static_cast<double>(i) * sirka;
        nazvy << QFontMetricsF(painter.font()).elidedText(t->nazvy[i], Qt::ElideMiddle, sirka - 20.0);
    }
    s.bunky(nazvy, x);
    for (const QStringList& radek : t->radky) {
        s.bunky(radek, x);
    }
}

// How the load stood: the lines the batch prints, and the cross-section beside them, the
// slowest piece of an array marked.
void usporadani(Sazec& s, const Vysledek& v, Jazyk j, QPainter& p) {
    const QString radky = RadkyUsporadani(v, j);
    if (radky.isEmpty()) {
        return;
    }
    s.nadpis(Text(id::OddilUsporadani, j), 38);
    const VysledekUsporadani& r = *v.Usporadani;
    const Uloha& u = v.Uloha;
    Rozestaveni nakres;
    nakres.kruhove = u.Profil == Profil::Kruhovy;
    nakres.d = static_cast<double>(u.StranaA);
    if (r.mrizka) {
        nakres.nx = u.MrizkaX, nakres.ny = u.MrizkaY;
        nakres.gx = static_cast<double>(u.MezeraX), nakres.gy = static_cast<double>(u.MezeraY);
        nakres.nejpomalejsi = std::pair{r.radek, r.sloupec};
    }
    nakres.svazek = r.svazek;
    nakres.svazekA = static_cast<double>(u.SvazekA), nakres.svazekB = static_cast<double>(u.SvazekB);
    const bool nakreslit = r.mrizka || r.svazek;
    // 40 mm by 25 mm at the right of the lines.
    const QRectF misto(kSirka - kOkraj - 400.0, s.y(), 400.0, 250.0);
    if (nakreslit) {
        s.nastavPravyOkraj(misto.left() - 30.0);
    }
    for (const QString& radek : radky.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        s.radek(radek.section(QLatin1String(": "), 0, 0), radek.section(QLatin1String(": "), 1));
    }
    s.nastavPravyOkraj(kSirka - kOkraj);
    if (nakreslit) {
        KresliRozestaveni(p, misto, nakres, Qt::black, QColor(170, 170, 170), QColor(0, 128, 0));
        s.posun(misto.bottom() + 10.0);
    }
}

// The result: the final temperature, the power and energy for the losses, where the power
// limited the heat, and the emissivity a measured log gave.
void vysledky(Sazec& s, const PodkladyZpravy& podklady, Jazyk j) {
    const Vysledek& v = *podklady.vysledek;
    const std::int16_t ztraty = podklady.ztraty.value_or(v.Uloha.Ztraty);
    s.nadpis(Text(id::OddilVysledku, j), 45);
    // The decisive time leads; the single charge temperature's sentence follows, named as such
    // beside a core.
    const QString vedeni = VedeniVysledku(v, j);
    for (const QString& veta : vedeni.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        s.odstavec(veta);
    }
    const QString konecna = ZpravaKonecneTeploty(v, j);
    s.odstavec(v.Jadro && !vedeni.isEmpty() ? Text(id::JednaTeplota, j).arg(konecna) : konecna);
    s.radek(bez(id::Ztraty, j), QString::number(ztraty));
    const std::optional<VykonSpotreba> vykon = VykonASpotreba(v, ztraty);
    s.radek(bez(id::Prikon, j), vykon ? TextObecny(vykon->P) : QString());
    s.radek(bez(id::Spotreba, j), vykon ? TextObecny(vykon->E) : QString());
    if (vykon && vykon->jadra) {
        s.odstavec(CasVykonu(*vykon, j));
    }
    if (v.omezenoDo() > 0.0f) {
        s.radek(bez(id::OmezenoDo, j), TextObecny(v.omezenoDo()));
    }
    if (podklady.prizpusobeni) {
        s.nadpis(Text(id::Namereno, j), 38);
        s.radek(Text(id::EmisivitaFit, j), QString::number(podklady.prizpusobeni->eps, 'f', 4).replace(QLatin1Char('.'), OddelovacLokalu()));
        s.radek(Text(id::OdchylkaFit, j), QString::number(podklady.prizpusobeni->rms, 'f', 2).replace(QLatin1Char('.'), OddelovacLokalu()));
    }
}

// The core of a thick charge, when it was computed.
void jadro(Sazec& s, const Vysledek& v, Jazyk j) {
    if (!v.Jadro || v.Jadro->povrch.empty()) {
        return;
    }
    s.nadpis(Text(id::OddilJadra, j), 38);
    // No conductivity typed: the core took λ(T) of the property model.
    if (v.Uloha.Lambda > 0.0f || !v.Uloha.Vlastnosti) {
        s.cislo(id::Lambda, QString(), v.Uloha.Lambda);
    } else {
        s.radek(bez(id::Lambda, j), QStringLiteral("λ(T), ") + nazevVlastnosti(*v.Uloha.Vlastnosti, j));
    }
    s.radek(bez(id::Biot, j), TextObecny(static_cast<float>(v.Jadro->biot)));
    s.radek(Text(id::CasJadra, j), v.Jadro->krok >= 0 ? TextObecny(static_cast<float>(v.Jadro->cas))
                                                      : Text(id::JadroNedosazeno, j));
    if (const QString varovani = VarovaniJadra(v, j); !varovani.isEmpty()) {
        s.odstavec(varovani);
    }
}

// A lining as the command line gives it: MATERIAL:THICKNESS from the hot face out.
QString textVyzdivky(const Vyzdivka& v) {
    QStringList vrstvy;
    for (const Vrstva& vrstva : v) {
        vrstvy << QString::fromStdString(vrstva.Material.Nazev) + QLatin1Char(':') + TextObecny(vrstva.Tloustka);
    }
    return vrstvy.join(QLatin1Char(','));
}

// The furnace as a thermal system: its description, its numbers away from their defaults, the
// lines the batch prints, and the balance of the cycle (or of the heat-up) as a bar.
void pec(Sazec& s, const Vysledek& v, Jazyk j, QPainter& painter) {
    const Uloha& u = v.Uloha;
    if (!u.Pec || !v.Pec) {
        return;
    }
    const Pec& p = *u.Pec;
    s.nadpis(Text(id::PecPopisek, j), 38);
    const QString metry = QStringLiteral(" [m]");
    s.radek(Text(id::SouborSirkaKomory, j) + metry, TextObecny(p.Sirka));
    s.radek(Text(id::SouborHloubkaKomory, j) + metry, TextObecny(p.Hloubka));
    s.radek(Text(id::SouborVyskaKomory, j) + metry, TextObecny(p.Vyska));
    s.radek(Text(id::SouborVyzdivkaSten, j), textVyzdivky(p.Steny));
    if (!p.Strop.empty()) {
        s.radek(Text(id::SouborVyzdivkaStropu, j), textVyzdivky(p.Strop));
    }
    if (!p.Nistej.empty()) {
        s.radek(Text(id::SouborVyzdivkaNisteje, j), textVyzdivky(p.Nistej));
    }
    const int plochy[] = {id::PlochaVnitrni, id::PlochaZaoblena};
    s.radek(Text(id::SouborPlochaSten, j), Text(plochy[static_cast<int>(p.Plocha)], j));
    if (p.DvereSirka > 0.0f) {
        s.radek(Text(id::SouborSirkaDveri, j) + metry, TextObecny(p.DvereSirka));
        s.radek(Text(id::SouborVyskaDveri, j) + metry, TextObecny(p.DvereVyska));
    }
    const int starty[] = {id::StartHorky, id::StartStudeny, id::StartPoCyklech, id::StartCyklicky};
    QString start = Text(starty[static_cast<int>(p.Start)], j);
    if (p.Start == StartPece::PoCyklech) {
        start += QStringLiteral(" (%1)").arg(p.Cyklu);
    }
    s.radek(Text(id::SouborStartPece, j), start);
    for (const PopisPole& pole : PoleUlohy()) {
        if (pole.kdy == Kdy::SPeci && pole.druh == DruhPole::Cislo && uvest(pole, u)) {
            s.radek(BezAkceleratoru(popisekZpravy(pole, u, j)).trimmed(), hodnotaZpravy(pole, v, j));
        }
    }
    for (const QString& radek : RadkyPece(v, j).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        s.radek(radek.section(QLatin1String(": "), 0, 0), radek.section(QLatin1String(": "), 1));
    }
    const bool cyklus = u.Prodleva > 0.0f || p.Start == StartPece::Cyklicky;
    const QRectF misto(kOkraj, s.y() + 20.0, kSirka - 2 * kOkraj, 150.0);
    KresliBilanci(painter, misto, cyklus ? v.Pec->cyklus : v.Pec->ohrev, j);
    s.posun(misto.bottom() + 50.0);
}

// The chart in the rest of the page below y, drawn as the chart view draws it. Where the rest is
// too low for a chart that can be read, a printer or a PDF file gets it on a page of its own; a
// picture of one page leaves it out.
void grafZpravy(QPainter& painter, double y, const PodkladyZpravy& podklady) {
    constexpr double kNejnizsi = 900.0;  // 90 mm
    double vyska = kVyska - kOkraj - y - 20.0;
    if (vyska < kNejnizsi) {
        auto* stranky = dynamic_cast<QPagedPaintDevice*>(painter.device());
        if (stranky != nullptr && stranky->newPage()) {
            // At the top of its page, as wide as the page and three quarters as high.
            y = kOkraj;
            vyska = (kSirka - 2 * kOkraj) * 0.75;
        }
    }
    const QRectF misto(kOkraj, y + 20.0, kSirka - 2 * kOkraj, vyska);
    if (misto.height() <= 300.0) {
        return;
    }
    Graf graf;
    ObsahGrafu obsah{podklady.vysledek, podklady.srovnani};
    obsah.mereni = podklady.mereni;
    if (podklady.prizpusobeni) {
        obsah.prolozeni = podklady.prizpusobeni->prubeh;
    }
    NaplnGraf(graf, obsah, podklady.jazyk);
    // Laid out at least 800 × 450, so that its texts keep their room; a lower place gets the
    // chart smaller, in its proportions.
    const QSize rozvrh(800, std::max(450, static_cast<int>(800.0 * misto.height() / misto.width())));
    graf.resize(rozvrh);
    graf.chart()->resize(QSizeF(rozvrh));
    graf.vykresli(painter, misto);
}

}  // namespace

void KresliZpravu(QPainter& painter, const QRectF& stranka, const PodkladyZpravy& podklady) {
    const Vysledek& v = *podklady.vysledek;
    const Jazyk j = podklady.jazyk;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(stranka, Qt::white);
    // A4 in tenths of a millimetre, centred in the page with its proportions.
    const double meritko = std::min(stranka.width() / kSirka, stranka.height() / kVyska);
    painter.translate(stranka.center() - QPointF(kSirka, kVyska) * meritko / 2.0);
    painter.scale(meritko, meritko);
    painter.setPen(Qt::black);

    Sazec s(painter, j);
    s.nadpis(Text(id::NazevProgramu, j) + QStringLiteral(" — ") + Text(id::TitulekZpravy, j), 60);
    s.radek(Text(id::Datum, j), QLocale().toString(podklady.datum, QLocale::ShortFormat));
    if (!v.Soubor.empty()) {
        s.radek(Text(id::SouborZpravy, j), QString::fromStdString(v.Soubor));
    }
    if (!v.Komentar.empty()) {
        s.radek(Text(id::KomentarZpravy, j), QString::fromStdString(v.Komentar));
    }
    s.cara();
    zadani(s, v, j);
    s.cara();
    vysledky(s, podklady, j);
    jadro(s, v, j);
    usporadani(s, v, j, painter);
    pec(s, v, j, painter);
    if (!podklady.srovnani.isEmpty()) {
        srovnani(s, podklady, j);
        srovnaniPeci(s, podklady, j, painter);
    }
    grafZpravy(painter, s.y(), podklady);
    painter.restore();
}

std::optional<QString> UlozZpravuPdf(const PodkladyZpravy& podklady, const QString& cesta) {
    QBuffer pamet;
    pamet.open(QIODevice::WriteOnly);
    bool nakresleno = false;
    {
        QPdfWriter pdf(&pamet);
        pdf.setResolution(300);
        pdf.setTitle(Text(id::TitulekZpravy, podklady.jazyk));
        pdf.setCreator(QStringLiteral("Zorvet"));
        pdf.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
        QPainter painter;
        nakresleno = painter.begin(&pdf);
        if (nakresleno) {
            KresliZpravu(painter, QRectF(0, 0, pdf.width(), pdf.height()), podklady);
            nakresleno = painter.end();
        }
    }
    QString duvod;
    if (!nakresleno || pamet.data().isEmpty() || !writeWhole(cesta, pamet.data(), &duvod)) {
        return duvod;
    }
    return std::nullopt;
}

}  // namespace zorvet
