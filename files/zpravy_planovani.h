// Texts of goal seek and of the quantities a sweep or an option varies, shared by the window and
// the batch mode: why a quantity cannot be varied in a case, and the answer of a goal seek that
// found no value.
#pragma once

#include <QString>

#include "model/case/nastaveni.h"
#include "model/planning/planovani.h"
#include "model/planning/rozmitani.h"

namespace zorvet {

// Why a value of the field does not act in the case (its row's text); empty when it does.
QString ZpravaNemenitelne(const PopisPole& pole, const Uloha& uloha, Jazyk jazyk);

// The caption of a quantity a sweep varies, with its unit, as the sweep window's box and axis
// show it: a layer's thickness names the layer and its part.
QString PopisRozmitane(const PopisPole& pole, VrstvaOsy vrstva, const Uloha& uloha, Jazyk jazyk);

// Why the layer of a sweep is refused (VadaOs::BezVrstvy, VadaOs::JakoSteny); empty otherwise.
QString ZpravaVrstvy(VadaOs vada, VrstvaOsy vrstva, const Uloha& uloha, Jazyk jazyk);

// The answer of a goal seek for the field of the case that found no value within cas seconds:
// none in the range, the soak alone, the installed power, the table, or the field that cannot be
// sought here.
// Empty for a value found, a refused case and a search that was stopped (their own messages).
QString ZpravaHledani(const VysledekHledani& hledani, const PopisPole& pole, const Uloha& uloha, double cas,
                      Jazyk jazyk);

// The answer of a goal seek that found hodnota (in the record's unit), as the command line
// prints it: "Heating Material Weight [kg]: 127.9", the field's answer label and the value in the
// record's unit, or without such a label the field's caption and the value as it shows it.
QString RadekOdpovedi(const PopisPole& pole, double hodnota, const Uloha& uloha, Jazyk jazyk);

}  // namespace zorvet
