#pragma once
// The bounded depth of an end recovered on its own segment (a Zeugnis, see
// Tiefendaten::Zeugnisse), for four ends of a central projection at once:
// StrahlSchranken, PunktSchnell and AbstandVomAuge in the lanes of
// Vierfach.h, the same operations in the same order, so every lane gives
// the bits the scalar routines give. Only their common path runs in the
// lanes; a lane that would leave it is handed back to the scalar routines.

#include "view3d/Tiefenschranken.h"

namespace tiefe {

// Whether the lanes can serve the view s: a central projection whose rays
// are surely not null vectors, on a processor with AVX2.
bool ZeugnisbahnenFuer(const SichtSchranken& s, bool zentral);

// One end for the lanes: its picture point as ZeugnisMachen bounds it
// (margin included) and its segment's bounded data, which must have
// kTeiler and not vNull (the others leave the common path at once).
struct Zeugnisbahn {
    Schranke Sx, Sy;
    const GenauSchranken* b;
};

// The Zeugnisse of the four ends e[0..3] in a view the lanes serve, to
// Z[0..3]; the bits of the lanes made (bit k: e[k]). The lanes not made are
// left for PunktSchnell and PunktSchranken.
int ZeugnisseVier(const SichtSchranken& s, const Zeugnisbahn* e, Schranke* Z);

}  // namespace tiefe
