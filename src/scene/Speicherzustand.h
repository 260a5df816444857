#pragma once
// Counters and switches of the undo ring, the object store and the files.

#include <string>

#include "platform/Typen.h"
#include "platform/Vektortypen.h"

inline int UndoAnzahl = 0;
inline int UndoIndex = 0;
inline int UndoModus = 0;
// Counts every change of the undo table (a state recorded, an undo, a
// redo), so that an edit can tell whether the states after its start are
// all its own.
inline long UndoAenderungen = 0;
inline Byte FarbsetSatz2 = 1;       // colour-set files carry their second record
inline Byte ObjektdatenSatz2 = 1;   // object-data files carry their second record
inline bool DatenWerdenGeladen = false;

// What the picture needs to draw the rotation segments of a kept scene: the
// latest turn's code (0: none, so no segments) and the axis they drop onto.
// Each undo state and the object store keep their own, so bringing a scene
// back never shows the segments of a turn it does not hold.
struct TDrehstreckenStand {
    Byte DrehungErfolgt = 0;
    TVek_R3 LotStuetz, LotRichtung;
    bool operator==(const TDrehstreckenStand&) const = default;
};
inline TFeld<TDrehstreckenStand, 0, 60> UndoDrehstrecken;
inline TDrehstreckenStand SpeicherDrehstrecken;

// The last files chosen in this run, whole.
inline std::string ObjektdatenPfad;
inline std::string FarbsetPfad;

inline void DateienNullen() {
    ObjektdatenPfad.clear();
    FarbsetPfad.clear();
}

void SpeicherzustandNullen();
