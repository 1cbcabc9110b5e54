// The number readers on any text, and the written forms: any single written under one
// separator reads back bit for bit under the other.
#include <QString>
#include <cmath>

#include "files/cisla.h"
#include "files/cteni.h"
#include "files/windows1250.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    fuzz::Bajty b(data, size);
    const float x = b.single();
    const int sloupec = 1 + b.bajt() % 48;
    const QString text = decodeDataFile(QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size)));
    for (bool carka : {false, true}) {
        fuzz::nastavLokal(carka);
        ZORVET_OVER(std::isfinite(toSingle(CtiCislo(text, sloupec))));
        parseNumber(text);
        CtiText(text);
        RozdelRadek(text);
        CteckaTextu cteni(text);
        while (cteni.textovePole() || cteni.ciselnePole()) {
        }
        if (std::isfinite(x)) {
            const QString zapsano = CisloSouboru(x);
            fuzz::nastavLokal(!carka);
            const float zpet = toSingle(CtiCislo(zapsano, 1));
            ZORVET_OVER(zpet == x && std::signbit(zpet) == (std::signbit(x) && x != 0.0f));
            ZORVET_OVER(parseNumber(TextObecny(x)).has_value());
        }
    }
    return 0;
}
