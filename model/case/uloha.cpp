#include "model/case/uloha.h"

#include <cmath>

namespace zorvet {

namespace {

// Only a value strictly below or strictly above zero counts; NaN counts as zero.
bool nenulove(float x) { return x < 0.0f || x > 0.0f; }

}  // namespace

bool OverZadani(const Uloha& u) {
    if (!nenulove(u.Tpece) && !u.Rizeny) {
        return false;
    }
    return nenulove(u.Tv) && nenulove(u.Tk) && nenulove(u.m) && nenulove(u.A) && nenulove(u.c) &&
           nenulove(u.Eps) && nenulove(u.CasKrok);
}

float NejvyssiTeplotaPece(const Uloha& u) {
    if (!u.Rizeny) {
        return u.Tpece;
    }
    float nejvyssi = u.Krivka[0].Teplota;
    for (int i = 1; i <= PocetUseku(u); ++i) {
        nejvyssi = std::max(nejvyssi, u.Krivka[static_cast<std::size_t>(i)].Teplota);
    }
    return nejvyssi;
}

float UcinnaC(const Uloha& u) {
    if (!u.Vlastnosti || ZkontrolujKrivku(*u.Vlastnosti).vada != VadaKrivky::Zadna || !std::isfinite(u.Tv) ||
        !std::isfinite(u.Tk)) {
        return u.c;
    }
    return static_cast<float>(Vlastnosti(*u.Vlastnosti).stredniC(static_cast<double>(u.Tv), static_cast<double>(u.Tk)));
}

}  // namespace zorvet
