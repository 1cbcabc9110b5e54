// The problem and results reader on arbitrary bytes, as a configuration and as a results file.
//
// A file the reader refuses is reported once, as a File Error that names the file, and leaves
// the state exactly as it was. A file it takes leaves a state the program can use (counts in
// range, no value that is no single, the curve count matching the controlled flag), and that
// state, saved by the writer and read again, comes back the same: nothing a reader accepts is
// lost or changed by saving it.
#include <QDir>
#include <QFileInfo>
#include <QString>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>

#include "files/cteni.h"
#include "files/retezce.h"
#include "files/soubor.h"
#include "fuzz/fuzz_support.h"
#include "model/stav.h"
#include "support/skriptovane_dialogy.h"

namespace {

using namespace zorvet;
using zorvet::test::SkriptovaneDialogy;

bool stejneBity(float a, float b) { return std::memcmp(&a, &b, sizeof a) == 0; }

template <std::size_t N>
bool stejneBity(const std::array<float, N>& a, const std::array<float, N>& b) {
    return std::memcmp(a.data(), b.data(), sizeof(float) * N) == 0;
}

// Every field, bit for bit: a refused file must not have touched anything.
bool beze_zmeny(const Stav& a, const Stav& b) {
    const Uloha& u = a.Uloha;
    const Uloha& v = b.Uloha;
    bool stejne = stejneBity(u.Tpece, v.Tpece) && stejneBity(u.Tk, v.Tk) && stejneBity(u.Tv, v.Tv) &&
                  stejneBity(u.CasKrok, v.CasKrok) && u.NazevMaterialu == v.NazevMaterialu &&
                  stejneBity(u.m, v.m) && stejneBity(u.c, v.c) && stejneBity(u.A, v.A) &&
                  stejneBity(u.Eps, v.Eps) && u.Profil == v.Profil && u.PocetAB == v.PocetAB &&
                  u.PocetAL == v.PocetAL && u.PocetBL == v.PocetBL && stejneBity(u.StranaA, v.StranaA) &&
                  stejneBity(u.StranaB, v.StranaB) && stejneBity(u.DelkaL, v.DelkaL) &&
                  u.PocetProfilu == v.PocetProfilu && stejneBity(u.CelkovaPlocha, v.CelkovaPlocha) &&
                  u.ZadaniHmotnosti == v.ZadaniHmotnosti && stejneBity(u.Gama, v.Gama) && u.Rizeny == v.Rizeny &&
                  u.PocetKrivek == v.PocetKrivek && stejneBity(u.KoefK, v.KoefK);
    for (std::size_t i = 0; i < u.Krivka.size(); ++i) {
        stejne = stejne && stejneBity(u.Krivka[i].Teplota, v.Krivka[i].Teplota) &&
                 stejneBity(u.Krivka[i].DobaVydrze, v.Krivka[i].DobaVydrze);
    }
    return stejne && stejneBity(a.Vysledky.Cas, b.Vysledky.Cas) && stejneBity(a.Vysledky.Odhad, b.Vysledky.Odhad) &&
           stejneBity(a.Vysledky.Alfa, b.Vysledky.Alfa) &&
           stejneBity(a.Vysledky.TeplotaVsazky, b.Vysledky.TeplotaVsazky) && a.PocetKroku == b.PocetKroku &&
           stejneBity(a.TeplotaPece, b.TeplotaPece) && a.ZadaniUplne == b.ZadaniUplne &&
           a.NacitaniSouboru == b.NacitaniSouboru && a.Jazyk == b.Jazyk && a.Komentar == b.Komentar &&
           a.PocetMaterialu == b.PocetMaterialu && a.TabulkaEps == b.TabulkaEps;
}

bool konecne(float x) { return std::isfinite(x); }

void overPouzitelny(const Stav& s, bool sVysledky) {
    const Uloha& u = s.Uloha;
    for (float x : {u.Tpece, u.Tk, u.Tv, u.CasKrok, u.m, u.c, u.A, u.Eps, u.StranaA, u.StranaB, u.DelkaL,
                    u.CelkovaPlocha, u.Gama}) {
        ZORVET_OVER(konecne(x));
    }
    ZORVET_OVER(u.PocetKrivek >= 0 && u.PocetKrivek <= kMaxUseku);
    ZORVET_OVER(u.Rizeny || u.PocetKrivek == 0);
    ZORVET_OVER(!u.Rizeny || u.Tpece == 0.0f);
    for (int i = 0; i <= u.PocetKrivek; ++i) {
        ZORVET_OVER(konecne(u.Krivka[static_cast<std::size_t>(i)].Teplota));
        ZORVET_OVER(konecne(u.Krivka[static_cast<std::size_t>(i)].DobaVydrze));
    }
    ZORVET_OVER(!s.NacitaniSouboru);
    if (sVysledky) {
        ZORVET_OVER(s.PocetKroku >= 0 && s.PocetKroku <= kPosledniRadek);
        for (int i = 0; i <= s.PocetKroku; ++i) {
            ZORVET_OVER(konecne(s.Vysledky.Cas[static_cast<std::size_t>(i)]));
            ZORVET_OVER(konecne(s.Vysledky.TeplotaVsazky[static_cast<std::size_t>(i)]));
        }
    }
}

// What the file carries comes back; the rest is the reader's own state either way.
void overStejnyZaznam(const Stav& a, const Stav& b, bool sVysledky) {
    const Uloha& u = a.Uloha;
    const Uloha& v = b.Uloha;
    ZORVET_OVER(u.Tpece == v.Tpece && u.Tv == v.Tv && u.Tk == v.Tk && u.CasKrok == v.CasKrok);
    ZORVET_OVER(u.NazevMaterialu == v.NazevMaterialu);
    ZORVET_OVER(u.m == v.m && u.A == v.A && u.c == v.c && u.Eps == v.Eps && u.Gama == v.Gama);
    ZORVET_OVER(u.ZadaniHmotnosti == v.ZadaniHmotnosti);
    if (u.ZadaniHmotnosti == "V") {
        ZORVET_OVER(u.Profil == v.Profil);
        ZORVET_OVER(u.StranaA == v.StranaA && u.DelkaL == v.DelkaL);
        ZORVET_OVER(u.PocetProfilu == v.PocetProfilu && u.PocetAB == v.PocetAB && u.PocetAL == v.PocetAL);
        if (u.Profil == "O") {
            ZORVET_OVER(u.StranaB == v.StranaB && u.PocetBL == v.PocetBL);
        }
        ZORVET_OVER(u.CelkovaPlocha == v.CelkovaPlocha);
    }
    ZORVET_OVER(u.Rizeny == v.Rizeny);
    ZORVET_OVER(u.PocetKrivek == v.PocetKrivek);
    if (u.Rizeny) {
        for (int i = 0; i <= u.PocetKrivek; ++i) {
            const auto k = static_cast<std::size_t>(i);
            ZORVET_OVER(u.Krivka[k].Teplota == v.Krivka[k].Teplota);
            // The duration of the last point is not used and is written as 0.
            ZORVET_OVER(i == u.PocetKrivek || u.Krivka[k].DobaVydrze == v.Krivka[k].DobaVydrze);
        }
    }
    ZORVET_OVER(a.Komentar == b.Komentar);
    if (sVysledky) {
        ZORVET_OVER(a.PocetKroku == b.PocetKroku);
        for (int i = 0; i <= a.PocetKroku; ++i) {
            const auto r = static_cast<std::size_t>(i);
            ZORVET_OVER(a.Vysledky.Cas[r] == b.Vysledky.Cas[r]);
            ZORVET_OVER(a.Vysledky.TeplotaVsazky[r] == b.Vysledky.TeplotaVsazky[r]);
            if (a.Uloha.Rizeny) {
                // Rebuilt from the curve; a curve point of -0 comes back as 0.
                const float x = a.TeplotaPece[r];
                const float y = b.TeplotaPece[r];
                ZORVET_OVER(x == y || (std::isnan(x) && std::isnan(y)));
            }
        }
    }
}

// The state of an earlier problem, different from anything a file is likely to hold.
const Stav& predchozi(std::int16_t jazyk) {
    static const auto vzory = [] {
        auto s = std::make_unique<Stav[]>(2);
        for (int i = 0; i < 2; ++i) {
            Stav& p = s[static_cast<std::size_t>(i)];
            Uloha& u = p.Uloha;
            u = Uloha{};
            u.Tpece = 0.0f;
            u.Rizeny = true;
            u.PocetKrivek = 2;
            u.Krivka[0] = {20.0f, 300.0f};
            u.Krivka[1] = {700.0f, 600.0f};
            u.Krivka[2] = {700.0f, 0.0f};
            u.Krivka[3] = {333.0f, 33.0f};
            u.Tv = 15.0f;
            u.Tk = 650.0f;
            u.CasKrok = 5.0f;
            u.NazevMaterialu = "Earlier";
            u.m = 42.0f;
            u.A = 0.5f;
            u.c = 480.0f;
            u.Eps = 0.7f;
            u.Gama = 1234.0f;
            u.ZadaniHmotnosti = "V";
            u.Profil = "O";
            u.StranaA = 0.1f;
            u.StranaB = 0.2f;
            u.DelkaL = 1.5f;
            u.PocetProfilu = 3;
            u.PocetAB = 1;
            u.PocetAL = 2;
            u.PocetBL = 2;
            u.KoefK = 0.75f;
            for (int r = 0; r < kPocetRadku; ++r) {
                const auto k = static_cast<std::size_t>(r);
                p.Vysledky.Cas[k] = -1.0f - static_cast<float>(r);
                p.Vysledky.Odhad[k] = -2.0f;
                p.Vysledky.Alfa[k] = -3.0f;
                p.Vysledky.TeplotaVsazky[k] = -4.0f;
                p.TeplotaPece[k] = -5.0f;
            }
            p.PocetKroku = 7;
            p.Komentar = "Earlier comment";
            p.Jazyk = i == 0 ? kAnglicky : kCesky;
        }
        return s;
    }();
    return vzory[jazyk == kCesky ? 1 : 0];
}

void jedenRezim(const QString& cesta, bool sVysledky, bool carka, std::int16_t jazyk) {
    zorvet::fuzz::nastavLokal(carka);
    const Stav& puvodni = predchozi(jazyk);
    static auto stav = std::make_unique<Stav>();
    *stav = puvodni;
    SkriptovaneDialogy d;
    const bool ok = NactiSoubor(*stav, d, cesta, sVysledky);
    ZORVET_OVER(d.cekani == 0);
    ZORVET_OVER(d.neocekavane == 0 && d.otazky.isEmpty());
    if (!ok) {
        ZORVET_OVER(d.zpravy.size() == 1);
        ZORVET_OVER(d.zpravy[0].ikona == Ikona::Vykricnik);
        ZORVET_OVER(d.zpravy[0].titulek == Text(98, jazyk));
        ZORVET_OVER(d.zpravy[0].text.startsWith(QDir::toNativeSeparators(cesta) + QLatin1Char('\n')));
        ZORVET_OVER(beze_zmeny(*stav, puvodni));
        return;
    }
    overPouzitelny(*stav, sVysledky);
    const QString titulek = Text(99, jazyk) + QLatin1Char('"') + QFileInfo(cesta).fileName() + QLatin1Char('"');
    for (const test::Hlaseni& h : d.zpravy) {
        ZORVET_OVER(h.ikona == Ikona::Informace && h.titulek == titulek);
    }
    ZORVET_OVER(d.zpravy.isEmpty() ? stav->Komentar == puvodni.Komentar
                                   : stav->Komentar == d.zpravy.last().text.toStdString());

    // Saved (keeping the comment) and read again, by a reader in the other locale.
    const QString zpet = zorvet::fuzz::pracovniSlozka().filePath(QStringLiteral("zpet"));
    SkriptovaneDialogy z;
    z.odpovedi = {true};
    z.vstupy = {QString::fromStdString(stav->Komentar)};
    ZORVET_OVER(UlozSoubor(*stav, z, zpet, sVysledky));
    ZORVET_OVER(z.zpravy.isEmpty() && z.cekani == 0);
    zorvet::fuzz::nastavLokal(!carka);
    static auto znovu = std::make_unique<Stav>();
    *znovu = predchozi(jazyk == kCesky ? kAnglicky : kCesky);
    SkriptovaneDialogy c;
    ZORVET_OVER(NactiSoubor(*znovu, c, zpet, sVysledky));
    overStejnyZaznam(*stav, *znovu, sVysledky);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const QString cesta = zorvet::fuzz::pracovniSlozka().filePath(QStringLiteral("vstup.odp"));
    zorvet::fuzz::zapisBajty(cesta, data, size);
    // Both modes on every input; the locale and the language follow the input's length.
    const bool liche = (size & 1) != 0;
    jedenRezim(cesta, false, liche, liche ? kCesky : kAnglicky);
    jedenRezim(cesta, true, !liche, liche ? kAnglicky : kCesky);
    return 0;
}
