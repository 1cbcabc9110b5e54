#include "model/march/prubeh_pece.h"

#include <cmath>

namespace zorvet {

PrubehPece::PrubehPece(const Uloha& u)
    : rizeny_(u.Rizeny), tpece_(u.Tpece), pocatek_(u.Krivka[0].Teplota),
      konecna_(u.Rizeny ? u.Krivka[static_cast<std::size_t>(PocetUseku(u))].Teplota : u.Tpece),
      krok_(static_cast<double>(u.CasKrok)) {
    if (!rizeny_) {
        return;
    }
    long j = 0;
    double cas = 0.0;
    for (int i = 0; i < PocetUseku(u); ++i) {
        const UsekKrivky& bod = u.Krivka[static_cast<std::size_t>(i)];
        const float konec = u.Krivka[static_cast<std::size_t>(i) + 1].Teplota;
        // A segment without a positive duration, or a step that is not positive, adds no steps.
        if (!(bod.DobaVydrze > 0.0f) || !(krok_ > 0.0)) {
            continue;
        }
        const double doba = static_cast<double>(bod.DobaVydrze);
        const auto smernice =
            static_cast<float>((static_cast<double>(konec) - static_cast<double>(bod.Teplota)) / doba);
        const double n = std::floor(doba / krok_);
        const long kroku = n < 1.0e15 ? static_cast<long>(n) : 1000000000000000L;
        podleCasu_ = podleCasu_ || n * krok_ != doba;
        useky_[static_cast<std::size_t>(pocet_++)] = Usek{j, kroku, smernice, bod.Teplota, cas, doba, konec};
        j += kroku;
        cas += doba;
    }
    konec_ = podleCasu_ ? static_cast<long>(std::min(std::ceil(cas / krok_), 1.0e15)) : j;
}

float PrubehPece::operator()(long k) const {
    if (!rizeny_) {
        return tpece_;
    }
    if (k <= 0) {
        return pocatek_;
    }
    if (podleCasu_) {
        const double t = static_cast<double>(k) * krok_;
        for (int i = 0; i < pocet_; ++i) {
            const Usek& s = useky_[static_cast<std::size_t>(i)];
            if (t < s.cas + s.doba) {
                const double podil = (t - s.cas) / s.doba;
                return static_cast<float>(static_cast<double>(s.teplota) +
                                          (static_cast<double>(s.konec) - static_cast<double>(s.teplota)) * podil);
            }
        }
        return konecna_;
    }
    for (int i = 0; i < pocet_; ++i) {
        const Usek& s = useky_[static_cast<std::size_t>(i)];
        if (k <= s.zacatek + s.kroku) {
            return static_cast<float>(static_cast<double>(k - s.zacatek) * static_cast<double>(s.smernice) * krok_ +
                                      static_cast<double>(s.teplota));
        }
    }
    return konecna_;
}

void RozvinKrivku(const Uloha& u, std::array<float, kPocetRadku>& pec) {
    const PrubehPece prubeh(u);
    for (int i = 0; i < kPocetRadku; ++i) {
        pec[static_cast<std::size_t>(i)] = prubeh(i);
    }
}

}  // namespace zorvet
