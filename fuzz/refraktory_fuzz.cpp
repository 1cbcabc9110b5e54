// The refractories' text on any bytes: a refusal that names a line, or refractories that are each
// sound, read back from their own lines as the same records, and give a lining of them a steady
// state of finite temperatures whose flow leaves the hot face.
#include <cmath>

#include "files/refraktory.h"
#include "fuzz/fuzz_support.h"
#include "model/furnace/stena.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    const QString cesta = fuzz::soubor("Refractories.lst");
    fuzz::zapis(cesta, data, size);
    fuzz::nastavLokal(size % 2 == 1);
    const SouborRefraktoru s = NactiRefraktory(cesta, Jazyk::Anglicky);
    if (!s.refraktory) {
        ZORVET_OVER(s.chyba.druh == DruhChyby::Soubor && s.chyba.text.contains(QStringLiteral("Line ")));
        return 0;
    }
    for (const Refraktor& r : *s.refraktory) {
        ZORVET_OVER(ZkontrolujRefraktor(r).vada == VadaRefraktoru::Zadna);
        const PrecteniRefraktoru zpet = CtiRefraktory(TextRefraktoru(r), Jazyk::Anglicky);
        ZORVET_OVER(!zpet.chyba && zpet.refraktory.size() == 1 && zpet.refraktory.front() == r);
        StenaPece stena({{r, 0.1f}}, PlochaToku{1.0, 0.0, 0.0}, VnejsiPovrch{}, 0.05);
        stena.ustal(1000.0);
        for (double t : stena.teploty()) {
            ZORVET_OVER(std::isfinite(t));
        }
        ZORVET_OVER(stena.tepelnyTok() >= 0.0 && std::isfinite(stena.tepelnyTok()));
    }
    return 0;
}
