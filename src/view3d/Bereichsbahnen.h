#pragma once
// The depth ranges (TiefenbereichZentral, TiefenbereichParallel) of four
// entries at once, in the lanes of Vierfach.h. The scalar routine stays the
// one source of truth: the lanes repeat its operations in its order, each
// choice it makes for one entry made for every lane and blended, so each
// lane gives the scalar routine's bits.

#include "view3d/Tiefenschranken.h"
#include "view3d/Vierfach.h"

namespace tiefe {

#ifdef RG_VIERFACH
// Only where VierfachDa(). For l = 0..3: *T[l] as TiefenbereichZentral(s,
// *b[l], K[l], *T[l]) makes it, and T[l]->Zustand 1 where that returns
// true, 0 where it returns false (the other fields are then not to be read).
void TiefenbereicheZentralVier(const SichtSchranken& s, const GenauSchranken* const b[4], const double K[4],
                               Tiefenbereich* const T[4]);
// The same of TiefenbereichParallel(s, *b[l], *f[l], K[l], *T[l], G[l]):
// where it returns true, *G[l] as well.
void TiefenbereicheParallelVier(const SichtSchranken& s, const GenauSchranken* const b[4],
                                const StrahlFest* const f[4], const double K[4], Tiefenbereich* const T[4],
                                Tiefengerade* const G[4]);
#endif

}  // namespace tiefe
