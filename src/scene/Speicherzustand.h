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

// The rotation segments a kept scene was shown with: the latest turn's code
// (0: the picture showed none) and the axis they dropped onto. Each undo
// state and the object store keep their own; bringing a scene back draws
// the segments only while they are still those of the latest turn.
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
