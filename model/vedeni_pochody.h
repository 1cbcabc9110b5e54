// The two marches of the conduction through one piece (model/vedeni.h), for the dispatcher in
// vedeni.cpp.
#pragma once

#include <optional>

#include "model/vedeni.h"

namespace zorvet::vedeni {

// The implicit march (split backward Euler) of a long bar of constant properties: its section
// in one or two directions.
VysledekVedeni SpustRez(const ZadaniVedeni& z);

// The explicit march in enthalpy, for any piece. With stacilBy, a long bar of constant
// properties that the implicit march computes for less work is left to it: nothing returned.
std::optional<VysledekVedeni> SpustTeleso(const ZadaniVedeni& z, bool stacilBy);

// m2/s: the largest diffusivity of the material between the temperatures dolni and horni.
double NejvetsiDifuzivita(const ZadaniVedeni& z, double dolni, double horni);

}  // namespace zorvet::vedeni
