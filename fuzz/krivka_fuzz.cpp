// The property table on any bytes: either a curve of at least two points with temperatures
// rising, every c above zero and every value finite, or a File Error that names the file.
#include <cmath>

#include "files/krivka_csv.h"
#include "fuzz/fuzz_support.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    const QString cesta = fuzz::soubor("tabulka.csv");
    fuzz::zapis(cesta, data, size);
    fuzz::nastavLokal(size % 2 == 1);
    const PrecteniKrivky k = NactiKrivkuCsv(cesta, Jazyk::Anglicky);
    if (!k.krivka) {
        ZORVET_OVER(k.chyba.druh == DruhChyby::Soubor && k.chyba.text.startsWith(cesta + QLatin1Char('\n')));
        return 0;
    }
    ZORVET_OVER(k.chyba.text.isEmpty() && k.krivka->Body.size() >= 2);
    for (std::size_t i = 0; i < k.krivka->Body.size(); ++i) {
        const BodVlastnosti& b = k.krivka->Body[i];
        ZORVET_OVER(std::isfinite(b.T) && std::isfinite(b.c) && std::isfinite(b.lambda) && b.c > 0.0f && b.lambda >= 0.0f);
        ZORVET_OVER(i == 0 || b.T > k.krivka->Body[i - 1].T);
    }
    return 0;
}
