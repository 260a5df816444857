#pragma once
// The colours of all objects as one set: copied into and applied from the
// colour-set tables Farbsets and Farbsets2 (entry 0 is the file buffer).

// The 30 current colours into Farbsets[0], in the order of TFarbset.
void FarbsetSichern();
// The crosshair and cone colours into Farbsets2[0].
void FarbsetSichern2();
// Applies the 30 colours of Farbsets[n] (0..5) to the objects, the colour
// variables the objects are rebuilt from, and the colour panels.
void FarbsetAnwenden(int n);
// Applies the crosshair and cone colours of Farbsets2[n].
void FarbsetAnwenden2(int n);
