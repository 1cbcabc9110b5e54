// Texts of the messages that end a computation, shared by the window and the batch mode.
#pragma once

#include <QString>
#include <cstdint>

#include "model/jadro.h"
#include "model/vypocet.h"

namespace zorvet {

// "Final temperature 901 °C have been obtained during 470 s." for the result in rows
// 0..PocetKroku: the charge temperature rounded half to even, both numbers with a
// leading blank, at most 7 significant digits and "." whatever the locale.
QString ZpravaKonecneTeploty(const Vysledek& vysledek, std::int16_t jazyk);

// Title of that message box ("End of Job").
QString TitulekKonecneTeploty(std::int16_t jazyk);

// Text and title of the box that reports a failed run.
QString ZpravaSelhani(const VysledekVypoctu& vysledek, std::int16_t jazyk);
QString TitulekSelhani(std::int16_t jazyk);

// The overflow report uses the information icon; every other failure the exclamation icon.
bool SelhaniJeInformace(const VysledekVypoctu& vysledek);

// The core of a thick charge: "Biot Number [-]: 0.2891" and, when the core reached the final
// temperature, "Core Heat-up Time [s]: 650", each line ended by a line feed, the numbers as
// the power frame writes them. Empty for a result without a core.
QString RadkyJadra(const Vysledek& vysledek, std::int16_t jazyk);

// Why a result has no core time: the core was not reached in time, the mass is typed, no
// long face takes part. Empty when it was reached.
QString ZpravaJadra(KonecJadra konec, std::int16_t jazyk);

// The warning that the single charge temperature reports too short a time: a Biot number
// above 0.1. Empty otherwise.
QString VarovaniJadra(const Vysledek& vysledek, std::int16_t jazyk);

// The caption of the problem dialog's field that holds a value, without its accelerator
// ("Weight [kg]"); the messages about a value name it so.
QString NazevVeliciny(Velicina velicina, int usek, std::int16_t jazyk);

// "Weight [kg] must be greater than zero.", and the like, for a value no charge can have.
QString ZpravaZavady(const Zavada& zavada, std::int16_t jazyk);

// Why a problem is not accepted (empty for Prijeti::Prijata): the documented messages for an
// incomplete problem and a surface greater than the total, and that the final temperature
// is never reached.
QString ZpravaPrijeti(Prijeti prijeti, const Uloha& uloha, std::int16_t jazyk);

}  // namespace zorvet
