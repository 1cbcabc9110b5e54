// The material database and the emissivity help file on arbitrary bytes.
//
// Reading never fills more than the table's 51 records, never loops and never stores a value
// that is no single. What the table then holds survives the two writes of the Save material
// button: a new material appended to whatever the file held, and the first material rewritten
// in place; read again, the table is the one the user was told about.
#include <QDir>
#include <QFile>
#include <QString>
#include <cmath>
#include <cstdint>
#include <memory>

#include "files/materialy.h"
#include "fuzz/fuzz_support.h"
#include "model/stav.h"
#include "support/skriptovane_dialogy.h"

namespace {

using namespace zorvet;
using zorvet::test::SkriptovaneDialogy;

void overTabulku(const Stav& s) {
    ZORVET_OVER(s.PocetMaterialu >= 0 && s.PocetMaterialu < kPocetMaterialu);
    const int pocet = PocetZaznamu(s);
    ZORVET_OVER(pocet == 0 ? s.PocetMaterialu == 0 : pocet == s.PocetMaterialu + 1);
    for (int i = 0; i < kPocetMaterialu; ++i) {
        const Material& m = s.Materialy[static_cast<std::size_t>(i)];
        ZORVET_OVER(std::isfinite(m.c) && std::isfinite(m.Gama));
        if (i >= pocet) {
            ZORVET_OVER(m.Nazev.empty() && m.c == 0.0f && m.Gama == 0.0f);
        }
    }
}

bool stejneTabulky(const Stav& a, const Stav& b) {
    if (a.PocetMaterialu != b.PocetMaterialu) {
        return false;
    }
    for (std::size_t i = 0; i < a.Materialy.size(); ++i) {
        const Material& x = a.Materialy[i];
        const Material& y = b.Materialy[i];
        if (x.Nazev != y.Nazev || x.c != y.c || x.Gama != y.Gama) {
            return false;
        }
    }
    return true;
}

// A name no record has.
QString noveJmeno(const Stav& s) {
    for (int k = 0;; ++k) {
        const QString jmeno = QStringLiteral("Nová ocel %1").arg(k);
        bool volne = true;
        for (const Material& m : s.Materialy) {
            volne = volne && m.Nazev != jmeno.toStdString();
        }
        if (volne) {
            return jmeno;
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const bool vSlozce = QDir::setCurrent(zorvet::fuzz::pracovniSlozka().path());
    ZORVET_OVER(vSlozce);
    const bool liche = (size & 1) != 0;
    zorvet::fuzz::nastavLokal(liche);
    zorvet::fuzz::zapisBajty(QStringLiteral("Material.lst"), data, size);
    zorvet::fuzz::zapisBajty(QStringLiteral("Eps.eng"), data, size);
    zorvet::fuzz::zapisBajty(QStringLiteral("Eps.cz"), data, size);

    static auto stav = std::make_unique<Stav>();
    static auto znovu = std::make_unique<Stav>();
    *stav = Stav{};
    stav->Jazyk = liche ? kCesky : kAnglicky;
    stav->Materialy[7].Nazev = "left from before";
    NactiMaterialy(*stav);
    overTabulku(*stav);

    // A new material goes to the end of the list and is there when the file is read again.
    const int pocet = PocetZaznamu(*stav);
    SkriptovaneDialogy d;
    const QString jmeno = noveJmeno(*stav);
    const UlozeniMaterialu pridani =
        UlozMaterial(*stav, d, jmeno, liche ? QStringLiteral("1,5") : QStringLiteral("1.5"), QStringLiteral("7850"));
    ZORVET_OVER(d.neocekavane == 0 && d.otazky.isEmpty());
    ZORVET_OVER(d.zpravy.size() == 1);
    if (pocet == kPocetMaterialu) {
        ZORVET_OVER(pridani == UlozeniMaterialu::Odmitnuto);
    } else {
        ZORVET_OVER(pridani == UlozeniMaterialu::Pridan);
        const Material& novy = stav->Materialy[static_cast<std::size_t>(pocet)];
        ZORVET_OVER(novy.Nazev == jmeno.toStdString() && novy.c == 1.5f && novy.Gama == 7850.0f);
        ZORVET_OVER(stav->PocetMaterialu == pocet);
    }
    *znovu = Stav{};
    znovu->Jazyk = stav->Jazyk;
    NactiMaterialy(*znovu);
    ZORVET_OVER(stejneTabulky(*stav, *znovu));

    // The first material saved again under its own name: Yes rewrites the file from the
    // table, values that are no number keep the record's own.
    const std::string prvni = stav->Materialy[0].Nazev;
    if (!QString::fromStdString(prvni).trimmed().isEmpty()) {
        SkriptovaneDialogy p;
        p.odpovedi = {true};
        ZORVET_OVER(UlozMaterial(*stav, p, QString::fromStdString(prvni), QStringLiteral("x"), QString()) ==
                    UlozeniMaterialu::Prepsan);
        ZORVET_OVER(p.otazky.size() == 1 && p.neocekavane == 0);
        *znovu = Stav{};
        znovu->Jazyk = stav->Jazyk;
        NactiMaterialy(*znovu);
        ZORVET_OVER(stejneTabulky(*stav, *znovu));
    }
    return 0;
}
