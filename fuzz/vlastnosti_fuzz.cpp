// MaterialProperties.txt on any bytes: every conductivity read is finite, and saving one
// keeps every other conductivity and curve the file held and stores that one exactly.
#include <cmath>

#include "files/materialy.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    const QString cesta = fuzz::soubor("MaterialProperties.txt");
    const QString slozka = QFileInfo(cesta).absolutePath();
    fuzz::zapis(cesta, data, size);
    fuzz::nastavLokal(size % 2 == 1);
    const DatabazeMaterialu pred = NactiMaterialy(slozka, Jazyk::Anglicky);
    for (const auto& [nazev, lambda] : pred.Vodivosti) {
        ZORVET_OVER(!nazev.empty() && std::isfinite(lambda));
    }
    const std::string novy = "Nový, materiál";
    Chyba chyba;
    const UlozeniMaterialu u = UlozVodivost(slozka, novy, 45.5f, &chyba);
    const DatabazeMaterialu po = NactiMaterialy(slozka, Jazyk::Anglicky);
    if (u != UlozeniMaterialu::Pridan && u != UlozeniMaterialu::Prepsan) {
        ZORVET_OVER(!chyba.text.isEmpty());
        return 0;
    }
    ZORVET_OVER(po.Vodivosti.count(novy) == 1 && po.Vodivosti.at(novy) == 45.5f);
    for (const auto& [nazev, lambda] : pred.Vodivosti) {
        ZORVET_OVER(nazev == novy || po.Vodivosti.count(nazev) == 1);
    }
    for (const auto& [nazev, krivka] : pred.Krivky) {
        ZORVET_OVER(po.Krivky.count(nazev) == 1);
    }
    return 0;
}
