#pragma once
// Counters and switches of the undo ring, the object store and the files.

#include <string>

#include "platform/Typen.h"

inline int UndoAnzahl = 0;
inline int UndoIndex = 0;
inline int UndoModus = 0;
inline Byte FarbsetSatz2 = 1;       // colour-set files carry their second record
inline Byte ObjektdatenSatz2 = 1;   // object-data files carry their second record
inline bool DatenWerdenGeladen = false;

// The last files chosen in this run, whole.
inline std::string ObjektdatenPfad;
inline std::string FarbsetPfad;

inline void DateienNullen() {
    ObjektdatenPfad.clear();
    FarbsetPfad.clear();
}

void SpeicherzustandNullen();
