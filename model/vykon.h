// Power required and energy taken up by the charge of a result, for a percentage of losses.
#pragma once

#include <cstdint>
#include <optional>

#include "model/vysledek.h"

namespace zorvet {

struct VykonSpotreba {
    float P = 0.0f;  // W, raised by the losses
    float E = 0.0f;  // Wh, heat taken up between Tv and Tk
};

// No value when there is no heat-up time to divide by (no result yet) or the
// figures do not fit a single.
std::optional<VykonSpotreba> VykonASpotreba(const Vysledek& vysledek, std::int16_t z);

}  // namespace zorvet
