// Arbitrary problem records through the completeness test, the curve expansion and the march:
// NaN, infinities, negative and huge values must end in an orderly outcome, never a crash,
// a hang, a row outside the tables or a non-finite temperature in a result.
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <memory>

#include "model/stav.h"
#include "model/vypocet.h"
#include "model/vykon.h"

namespace {

class Bajty {
public:
    Bajty(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    float single() {
        std::uint32_t bity = 0;
        for (int i = 0; i < 4; ++i) {
            bity = (bity << 8) | bajt();
        }
        float x;
        std::memcpy(&x, &bity, sizeof x);
        return x;
    }
    std::uint8_t bajt() { return pos_ < size_ ? data_[pos_++] : 0; }
    std::int16_t cele() { return static_cast<std::int16_t>((bajt() << 8) | bajt()); }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t pos_ = 0;
};

void over(bool podminka) {
    if (!podminka) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static auto stav = std::make_unique<zorvet::Stav>();
    *stav = zorvet::Stav{};
    zorvet::Uloha& u = stav->Uloha;
    Bajty b(data, size);
    u.Tpece = b.single();
    u.Tk = b.single();
    u.Tv = b.single();
    u.CasKrok = b.single();
    u.m = b.single();
    u.c = b.single();
    u.A = b.single();
    u.Eps = b.single();
    u.KoefK = b.single();
    u.Rizeny = (b.bajt() & 1) != 0;
    u.PocetKrivek = b.cele();
    for (auto& bod : u.Krivka) {
        bod.Teplota = b.single();
        bod.DobaVydrze = b.single();
    }

    zorvet::OverZadani(*stav);
    zorvet::RozvinKrivku(*stav);
    const zorvet::VysledekVypoctu v = zorvet::Vypocet(*stav);
    over(stav->PocetKroku >= 0 && stav->PocetKroku <= zorvet::kPosledniRadek);
    if (v.konec == zorvet::KonecVypoctu::Uspech) {
        over(stav->PocetKroku >= 1);
        for (int i = 0; i <= stav->PocetKroku; ++i) {
            over(std::isfinite(stav->Vysledky.TeplotaVsazky[i]));
            over(std::isfinite(stav->Vysledky.Cas[i]));
        }
        zorvet::VykonASpotreba(*stav, b.cele());
    }
    return 0;
}
