// Power required and energy taken up by the charge, for a percentage of losses.
#pragma once

#include <cstdint>
#include <optional>

#include "model/stav.h"

namespace zorvet {

struct VykonSpotreba {
    float P = 0.0f;  // W, raised by the losses
    float E = 0.0f;  // Wh, heat taken up between Tv and Tk
};

// No value when there is no heat-up time to divide by (no result yet) or the
// figures do not fit a single.
std::optional<VykonSpotreba> VykonASpotreba(const Stav& stav, std::int16_t z);

}  // namespace zorvet
