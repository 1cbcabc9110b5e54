// The settings of a session. Only the language is kept between runs (files/jazyk.h).
#pragma once

#include <cstdint>

namespace zorvet {

// Language offsets added to every English string ID.
inline constexpr std::int16_t kAnglicky = 0;
inline constexpr std::int16_t kCesky = 200;

struct Nastaveni {
    std::int16_t Jazyk = kAnglicky;
};

}  // namespace zorvet
