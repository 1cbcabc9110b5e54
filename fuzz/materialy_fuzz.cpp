// The material database on any bytes: at most 51 records, no value that is no single, and
// saving a material keeps every record the file held and adds or replaces only that one.
#include <QDir>
#include <cmath>

#include "files/materialy.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    const QString slozka = QFileInfo(fuzz::soubor("Material.lst")).absolutePath();
    fuzz::zapis(fuzz::soubor("Material.lst"), data, size);
    fuzz::nastavLokal(size % 2 == 1);
    const DatabazeMaterialu pred = NactiMaterialy(slozka, Jazyk::Anglicky);
    ZORVET_OVER(pred.Materialy.size() <= static_cast<std::size_t>(kPocetMaterialu));
    for (const Material& m : pred.Materialy) {
        ZORVET_OVER(std::isfinite(m.c) && std::isfinite(m.Gama) && !m.Nazev.empty());
    }
    const Material novy{"Nový, materiál", 460.5f, 7850.0f};
    Chyba chyba;
    const UlozeniMaterialu u = UlozMaterial(slozka, novy, true, &chyba);
    const DatabazeMaterialu po = NactiMaterialy(slozka, Jazyk::Anglicky);
    if (u == UlozeniMaterialu::Pridan) {
        ZORVET_OVER(po.Materialy.size() == pred.Materialy.size() + 1 || po.Materialy.size() == kPocetMaterialu);
    }
    if (u == UlozeniMaterialu::Pridan || u == UlozeniMaterialu::Prepsan) {
        ZORVET_OVER(po.najdi(novy.Nazev) >= 0 && po.Materialy[static_cast<std::size_t>(po.najdi(novy.Nazev))] == novy);
        for (std::size_t i = 0; i < pred.Materialy.size(); ++i) {
            ZORVET_OVER(pred.Materialy[i].Nazev == novy.Nazev || po.Materialy[i] == pred.Materialy[i]);
        }
    }
    return 0;
}
