// The sweep's CSV, one form for the batch "sweep" command and the sweep window's "Save as
// CSV": a header line of the quantities' names, then "time_s,power_W,energy_Wh" (and ",core_s"
// when a core is computed, ",cycle_s,soak_energy_Wh" with a soak) and ",status"; one line per point in the order they were computed,
// the values in the record's unit, "." as the decimal separator, "," between the fields (a
// status holding a comma or a quote between double quotes), LF line ends, UTF-8.
#pragma once

#include <QString>
#include <cstddef>
#include <span>
#include <string>

#include "model/case/nastaveni.h"
#include "model/planning/rozmitani.h"

namespace zorvet {

// The columns a sweep's quantities change beyond the time, the power and the energy: the core
// time when the case has a core or a quantity is the charge's thermal conductivity (which brings
// one in), the cycle and the soak's energy when it has a soak or a quantity is the soak.
struct SloupceRozmitani {
    bool jadro = false;
    bool cyklus = false;
};
SloupceRozmitani SloupceBodu(const Uloha& zaklad, std::span<const OsaRozmitani> osy);

// The header line, the quantities named as the command line names them ("mass", "layer2").
QString HlavickaRozmitaniCsv(std::span<const OsaRozmitani> osy, SloupceRozmitani sloupce);

// The line of point i, its status (why it could not be computed) in the language jazyk, added to
// csv in UTF-8; the same as a text.
void PridejRadekRozmitaniCsv(std::string& csv, const Uloha& zaklad, std::span<const OsaRozmitani> osy,
                             std::size_t i, const BodRozmitani& bod, SloupceRozmitani sloupce, Jazyk jazyk);
QString RadekRozmitaniCsv(const Uloha& zaklad, std::span<const OsaRozmitani> osy, std::size_t i,
                          const BodRozmitani& bod, SloupceRozmitani sloupce, Jazyk jazyk);

}  // namespace zorvet
