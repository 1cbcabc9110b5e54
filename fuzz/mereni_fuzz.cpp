// The measured log on any bytes, read by the header's names, by chosen columns and by columns
// named as the command line names them: either at least three points at finite times from 0 s,
// strictly rising, with finite temperatures, one above the start, or a File Error that names
// the file.
#include <algorithm>
#include <cmath>

#include "files/mereni_csv.h"
#include "fuzz/fuzz_support.h"

namespace {

void over(const zorvet::CteniMereni& c, const QString& cesta, float tv) {
    using namespace zorvet;
    if (c.body.empty()) {
        ZORVET_OVER(c.chyba.druh == DruhChyby::Soubor && c.chyba.text.startsWith(cesta + QLatin1Char('\n')));
        return;
    }
    ZORVET_OVER(c.chyba.text.isEmpty() && c.body.size() >= 3 && c.body.front().cas >= 0.0);
    bool nad = false;
    for (std::size_t i = 0; i < c.body.size(); ++i) {
        const BodMereni& b = c.body[i];
        ZORVET_OVER(std::isfinite(b.cas) && std::isfinite(b.teplota) && b.pec.has_value() == c.sPeci);
        ZORVET_OVER(!b.pec || std::isfinite(*b.pec));
        ZORVET_OVER(i == 0 || b.cas > c.body[i - 1].cas);
        nad = nad || b.teplota > static_cast<double>(tv);
    }
    ZORVET_OVER(nad);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using namespace zorvet;
    const QString cesta = fuzz::soubor("zaznam.csv");
    fuzz::zapis(cesta, data, size);
    fuzz::nastavLokal(size % 2 == 1);
    const float tv = 20.0f;
    over(NactiMereniCsv(cesta, tv, Jazyk::Anglicky), cesta, tv);
    const HlavickaMereni h = CtiHlavickuMereni(cesta, Jazyk::Cesky);
    ZORVET_OVER(h.chyba.text.isEmpty());
    if (h.nazvy.size() >= 2) {
        const int n = static_cast<int>(h.nazvy.size());
        const SloupceMereni s{static_cast<int>(size % 2), static_cast<int>(1 - size % 2),
                              n > 2 ? std::optional<int>(n - 1) : std::nullopt};
        over(NactiMereniCsv(cesta, tv, Jazyk::Cesky, s), cesta, tv);
        // The columns named as on the command line, by the header's own names: each names a
        // column of the header.
        const QString zadani = h.nazvy.mid(0, std::min<qsizetype>(3, h.nazvy.size())).join(QLatin1Char(','));
        if (const std::optional<SloupceMereni> z = ZvoleneSloupce(h.nazvy, zadani)) {
            ZORVET_OVER(z->cas >= 0 && z->cas < n && z->vsazka >= 0 && z->vsazka < n && (!z->pec || *z->pec < n));
            over(NactiMereniCsv(cesta, tv, Jazyk::Anglicky, z), cesta, tv);
        }
    }
    return 0;
}
