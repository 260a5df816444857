#pragma once
// The colours of all objects as one set: copied into and applied from the
// colour-set tables Farbsets and Farbsets2 (entry 0 is the file buffer);
// and the single colours the colour controls change, written into the same
// places the colour sets write.

#include "platform/Typen.h"

// The 30 current colours into Farbsets[0], in the order of TFarbset.
void FarbsetSichern();
// The crosshair and cone colours into Farbsets2[0].
void FarbsetSichern2();
// Applies the 30 colours of Farbsets[n] (0..5) to the objects, the colour
// variables the objects are rebuilt from, and the colour panels.
void FarbsetAnwenden(int n);
// Applies the crosshair and cone colours of Farbsets2[n].
void FarbsetAnwenden2(int n);

// The colour of object Nr (1..30, the numbering of ObjektSichtbar and of the
// colour panels), and its change: lines and planes also in the colour
// variables their recompute copies from. The panels are left to the caller.
TColor ObjektFarbe(int Nr);
void ObjektFarbeSetzen(int Nr, TColor Farbe);
// The axes' colour, with the derived lines that are drawn in it.
void AchsenFarbeSetzen(TColor Farbe);
