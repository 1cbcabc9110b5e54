// The string table: every text the user sees, and every label written into a file,
// by English ID plus the language offset Jazyk (0 English, 200 Czech).
#pragma once

#include <QString>
#include <cstdint>

namespace zorvet {

// Text of one ID of the table; an ID the table lacks gives the empty text.
QString LoadResString(int id);

// Text of an English ID in the language given by the offset.
inline QString Text(int id, std::int16_t jazyk) { return LoadResString(id + jazyk); }

// String IDs added after the original table (both languages exist, ID + 200 is Czech).
namespace retezec {
inline constexpr int kNekonverguje = 150;
inline constexpr int kNeplatnyKrok = 151;
inline constexpr int kZadnaTiskarna = 152;
inline constexpr int kNeniZadani = 153;
}  // namespace retezec

}  // namespace zorvet
