// How the load stands in the furnace, in a case: an array of long bars side by side
// (model/load/mrizka.h) or a bundle of round bars (model/load/svazek.h) in place of the free piece,
// and the soak after the load is at temperature. The one pipeline computes the core of such a
// case here: the core's rows are those of the slowest point of the load, and the result keeps
// what the arrangement adds (model/case/vysledek.h, VysledekUsporadani). A 1 x 1 array without a
// bundle is the free piece and never comes here, so it computes exactly as it always did.
#pragma once

#include <functional>
#include <optional>

#include "model/case/pole.h"
#include "model/case/vysledek.h"

namespace zorvet {

struct ZadaniVedeni;

// An array other than 1 x 1, or a bundle.
bool MaUsporadani(const Uloha& u);

// What the arrangement asks of the case: the mass from the dimensions and a conductivity (the
// pieces conduct), round or square bars for an array, round bars smaller than the bundle for a
// bundle, and not both at once. The problem describes the whole load: an array of NX x NY holds
// that many pieces, a bundle the bars its section holds (TyciVeSvazku, to the nearest whole bar or
// within 2 % of it). The fault names the arrangement's field.
std::optional<Zavada> ZkontrolujUsporadani(const Uloha& u);

// The bars of the case's diameter a bundle holds: the solid fraction of its section (1 minus the
// porosity typed or of the packing) over a bar's section; 0 without a bundle.
double TyciVeSvazku(const Uloha& u);
// The case as a point of a sweep of its arrangement: where zaklad's pieces were its arrangement's and
// the point's arrangement holds another number (an array of other columns, a bundle of another size),
// the point's pieces become its own (NX x NY, or the bars its bundle holds), with the faces counted,
// the surface and the mass of as many pieces; else u is left as it is.
void KusySleduji(const Uloha& zaklad, Uloha& u);
// The porosity of the case's bundle: the one typed, else its packing's.
double PorozitaSvazku(const Uloha& u);
// The envelope of a bundle, the surface through which it takes its heat: the perimeter of its
// section (round of SvazekA, or SvazekA x SvazekB) times its length, m²; 0 for no bundle.
double ObalkaSvazku(const Uloha& u);

// The core of a case with an arrangement: z is the free piece's conduction input as the core
// builds it (the piece, its faces, the material, the furnace, and in z.prikon the power the whole
// load may take), videna the furnace each step as the charge's run saw it. Sets v.Jadro (the
// slowest point of the load, and under a power limit the furnace the load saw) and
// v.Usporadani. With doMaxKroku the core marches at most z.maxKroku steps (and a soak's rows
// beyond), else as many more as the load holds its heat longer behind its envelope than a piece.
KonecJadra SpoctiUsporadani(Vysledek& v, const ZadaniVedeni& z, const std::function<float(long)>& videna,
                            bool doMaxKroku = false);

// The soak of a result: the cycle time and, where the arrangement's run went on through the
// soak, its energy; nothing without a soak or when the heat-up has no decisive time.
void DoplnProdlevu(Vysledek& v);

}  // namespace zorvet
