#pragma once
// The main window's unit-level settings: display switches, colours, the grid
// of the axes cuboid, the vanishing segments and the coordinates lock. Menus,
// speed buttons and settings dialogs change them; the drawing reads them.

#include "platform/Typen.h"

// Display switches.
inline bool AchsenZeigen = true;
inline bool AchseneinteilungZeigen = false;
inline bool GitterZeigen = true;
inline bool AchsenwerteZeigen = false;
inline bool AchsenWuerfelZeigen = false;
inline bool FluchtstreckenZeigen = false;
inline bool ParamDarstellungZeigen = false;
inline bool StRiVektZeigen = true;
inline bool NVektZeigen = false;
inline bool SchnittpunkteZeigen = true;
inline bool SpurpunkteZeigen = false;
inline bool SchnittgeradeZeigen = true;
inline bool SpurModus = false;           // keep the old picture
inline bool VerdeckteLinien = false;     // hidden-line mode
// Difference vectors (set by the difference-vector dialog).
inline bool DiffVekGH = false, DiffVekGT = false, DiffVekHT = false;
inline bool DiffVekGE1 = false, DiffVekGE2 = false, DiffVekHE1 = false, DiffVekHE2 = false;
inline bool DiffVekTE1 = false, DiffVekTE2 = false, DiffVekE1E2 = false;
inline int StiftbreiteDifferenzvektoren = 2;
// Right-angle mark of the rotation segments.
inline bool DrehstreckeWinkelZeigen = true;
inline Extended DrehstreckeWinkelGroesse = 0.5L;

// Colours ($00BBGGRR).
constexpr TColor FarbeAusRGB(Byte Rot, Byte Gruen, Byte Blau) {
    return static_cast<TColor>(Rot) | static_cast<TColor>(Gruen) << 8 | static_cast<TColor>(Blau) << 16;
}
inline TColor FarbeHintergrund = 0;
inline TColor FarbeStuetzvektoren = 0;   // difference vectors
inline TColor FarbeAchsen = 0;

// Grid walls of the axes cuboid: 1 floor, 2 back, 3 top, 4 front, 5 left, 6 right.
inline TFeld<bool, 1, 6> GitterWaende;
inline int AnzGitterLinien = 4;
inline Byte NetzLinienStil = 2;
inline Byte RandLinienStil = 2;

// Vanishing segments of the central projection.
inline TColor FluchtstreckenFarbe = FarbeAusRGB(128, 0, 0);
inline Byte FluchtstreckenStil = 2;
inline Byte FluchtstreckenBreite = 1;

// Coordinates lock: false hides the coordinates of that kind of object.
inline bool KoordZeigenGeraden = true, KoordZeigenEbenen = true, KoordZeigenSpate = true,
            KoordZeigenVektoren = true, KoordZeigenStrecken = true, KoordZeigenPunkte = true,
            KoordZeigenKugeln = true, KoordZeigenKegel = true;
inline bool KoordGesperrt = false;

// All of the above back to their start values.
void SchalterNullen();
