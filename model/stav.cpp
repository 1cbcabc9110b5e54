#include "model/stav.h"

namespace zorvet {

namespace {
// Only a value strictly below or strictly above zero counts; NaN counts as zero.
bool nenulove(float x) { return x < 0.0f || x > 0.0f; }
}  // namespace

bool OverZadani(Stav& stav) {
    const Uloha& u = stav.Uloha;
    if (!nenulove(u.Tpece) && !u.Rizeny) {
        stav.ZadaniUplne = false;
    } else {
        stav.ZadaniUplne = nenulove(u.Tv) && nenulove(u.Tk) && nenulove(u.m) && nenulove(u.A) &&
                           nenulove(u.c) && nenulove(u.Eps) && nenulove(u.CasKrok);
    }
    return stav.ZadaniUplne;
}

}  // namespace zorvet
