// The settings of a session. Only the language is kept between runs (files/jazyk.h).
#pragma once

#include <cstdint>

namespace zorvet {

// The language, as the offset added to every English string ID.
enum class Jazyk : std::int16_t { Anglicky = 0, Cesky = 200 };

struct Nastaveni {
    zorvet::Jazyk Jazyk = zorvet::Jazyk::Anglicky;
};

}  // namespace zorvet
