// Texts of the messages that end a computation, shared by the window and the batch mode.
#pragma once

#include <QString>
#include <cstdint>

#include "model/stav.h"
#include "model/vypocet.h"

namespace zorvet {

// "Final temperature 901 °C have been obtained during 470 s." for the result in rows
// 0..PocetKroku: the charge temperature rounded half to even, both numbers with a
// leading blank and "." whatever the locale.
QString ZpravaKonecneTeploty(const Stav& stav);

// Title of that message box ("End of Job").
QString TitulekKonecneTeploty(std::int16_t jazyk);

// Text and title of the box that reports a failed run.
QString ZpravaSelhani(const VysledekVypoctu& vysledek, std::int16_t jazyk);
QString TitulekSelhani(std::int16_t jazyk);

// The overflow report uses the information icon; every other failure the exclamation icon.
bool SelhaniJeInformace(const VysledekVypoctu& vysledek);

}  // namespace zorvet
