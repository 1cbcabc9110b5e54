// The furnace's description as words: how its walls' area is taken, how it starts, and a lining
// as the command line and the files name it, MATERIAL:THICKNESS[,MATERIAL:THICKNESS…] from the hot
// face out, the refractories found by name.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "model/furnace/pec.h"

namespace zorvet {

// "inner" or "rounded".
QString TextPlochy(PlochaSten plocha);
std::optional<PlochaSten> PlochaZTextu(const QString& text);

// "hot", "cold", "cyclic" or "after:N" (N cycles from cold, 1 to 1000).
QString TextStartu(const Pec& pec);
bool NastavStart(Pec& pec, const QString& text);

// The layers of a lining, each refractory found among the user's before the database's; or the
// part of the text that names no refractory, is no thickness or is no layer at all.
struct TextVyzdivky {
    std::optional<Vyzdivka> vyzdivka;
    QString vadne;  // what is wrong
};
TextVyzdivky VyzdivkaZTextu(const QString& text, const std::vector<Refraktor>& vlastni,
                            const std::vector<Refraktor>& databaze);

}  // namespace zorvet
