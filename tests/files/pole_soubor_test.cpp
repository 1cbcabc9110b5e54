// Every input of the field table that a file holds comes back from a saved file as it was set, in
// either language and under either separator: a saved case comes back whole.
#include <gtest/gtest.h>

#include <QTemporaryDir>
#include <cstring>

#include "files/soubor.h"
#include "model/case/geometrie.h"
#include "model/case/pole.h"
#include "model/properties/vlastnosti.h"
#include "support/lokal.h"
#include "support/priklady.h"

namespace zorvet {
namespace {

// A case in which the field belongs: bars with dimensions for their fields, a curve for its
// points, an installed power for its losses, a property curve for the typed specific heat.
Uloha pripadPole(const PopisPole& p) {
    Uloha u = test::Priklad(p.kdy == Kdy::Rizeny);
    if (p.kdy == Kdy::ZRozmeru || p.kdy == Kdy::ZRozmeruObdelnik) {
        u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
        u.Profil = Profil::Obdelnikovy;
        u.StranaA = 0.2f;
        u.StranaB = 0.05f;
        u.DelkaL = 1.0f;
        u.PocetProfilu = 4;
        u.Gama = 7850.0f;
        u.PocetAB = u.PocetAL = u.PocetBL = 8;
        HmotnostZRozmeru(u, u.Gama);
        TeplosmennaPlocha(u);
    }
    if (p.kdy == Kdy::SPeci) {
        u.Pec = test::Box();
    }
    // The arrangement's fields: round bars of a known length in an array, or in a bundle.
    if (p.kdy == Kdy::ZRozmeruTyce || p.kdy == Kdy::ZRozmeruKruh) {
        u.ZadaniHmotnosti = ZadaniHmotnosti::ZRozmeru;
        u.Profil = Profil::Kruhovy;
        u.StranaA = 0.05f;
        u.DelkaL = 1.0f;
        u.PocetProfilu = 6;
        u.Gama = 7850.0f;
        u.PocetAL = 8;
        HmotnostZRozmeru(u, u.Gama);
        TeplosmennaPlocha(u);
    }
    if (p.rozsirenyKdy == Kdy::VMrizce) {
        u.MrizkaX = 3;
        u.MrizkaY = 2;
    }
    if (p.rozsirenyKdy == Kdy::VeSvazku) {
        u.SvazekA = 0.3f;
    }
    if (p.rozsirenyKdy == Kdy::SPrikonem) {
        u.Prikon = 50000.0f;
    }
    if (p.rozsirenyKdy == Kdy::SKrivkou) {
        u.Vlastnosti = VestaveneVlastnosti(kUhlikovaOcel);
    }
    return u;
}

// A value within the field's range other than its default and the example's.
double jinaHodnota(const PopisPole& p, double dosud) {
    for (const double x : {3.0, 0.37, 7.0, 37.0, 370.0, 0.0037}) {
        const bool vRozsahu = (x > p.min || (x == p.min && p.minVcetne)) && x <= p.max;
        if (vRozsahu && x != p.vychozi && x != dosud) {
            return x * p.meritko <= p.max ? x * p.meritko : x;
        }
    }
    return p.max;
}

TEST(PoleSouboru, EveryFieldAFileHoldsComesBack) {
    int poli = 0;
    for (const PopisPole& p : PoleUlohy()) {
        const bool cislo = p.druh == DruhPole::Cislo || p.druh == DruhPole::Pocet;
        const bool vSouboru = p.radekSouboru > 0 || p.rozsirenyPopisek != 0;
        // The curve's points have a row each, the mass from the dimensions follows from them.
        if (!cislo || !vSouboru || p.velicina == Velicina::TeplotaKrivky || p.velicina == Velicina::DobaVydrze) {
            continue;
        }
        Uloha u = pripadPole(p);
        ASSERT_TRUE(Plati(p.kdy, u)) << p.ovladac;
        ASSERT_TRUE(Plati(p.rozsirenyKdy, u)) << p.ovladac;
        const double x = jinaHodnota(p, Hodnota(p, u));
        ASSERT_TRUE(NastavHodnotu(u, p, x)) << p.ovladac;
        ++poli;
        for (const char* lokal : {"en_US", "cs_CZ"}) {
            for (const Jazyk jazyk : {Jazyk::Anglicky, Jazyk::Cesky}) {
                QTemporaryDir dir;
                const QString cesta = dir.filePath(QStringLiteral("pole.cfg"));
                {
                    const test::Lokal zapis(lokal);
                    ASSERT_FALSE(UlozSoubor(cesta, u, nullptr, QString(), jazyk)) << p.ovladac;
                }
                const test::Lokal cteni(std::strcmp(lokal, "en_US") == 0 ? "cs_CZ" : "en_US");
                // Read into a case that holds other values: the file alone decides.
                Uloha jina = test::Priklad();
                jina.Konvekce = 44.0f;
                jina.Lambda = 12.0f;
                const PrecteniSouboru s = NactiSoubor(cesta, false, jina, Jazyk::Anglicky);
                ASSERT_TRUE(s.obsah) << p.ovladac << " " << s.chyba.text.toStdString();
                EXPECT_EQ(Hodnota(p, s.obsah->uloha), Hodnota(p, u)) << p.ovladac << " " << lokal;
                EXPECT_EQ(OtiskUlohy(s.obsah->uloha), OtiskUlohy(u)) << p.ovladac << " " << lokal;
            }
        }
    }
    EXPECT_GT(poli, 20);
}

}  // namespace
}  // namespace zorvet
