#pragma once
// State of the whole-scene rotation and of its inputs. Only the variables
// live here; the rotation routines are in their own files.

#include "geometry/Vektor.h"   // DrehMatrixAnzahl, MAkt, MGes live with the rotation matrices
#include "platform/Typen.h"

// One recorded whole-scene rotation.
struct TDrehung {
    int Achse = 0;        // 1 x-, 2 x+, 3 y-, 4 y+, 5 z-, 6 z+
    Extended Winkel = 0;  // signed sum of the steps, degrees
    bool operator==(const TDrehung&) const = default;
};

inline Extended Drehwinkel = 1.0L;          // step angle, degrees
inline int DrehModus = 0;                   // 0 none, 1..6 about an axis, 7 rotation axis
inline bool DauerDrehen = false;
inline bool AchsenMitDrehen = false;        // mode with axes
inline TFeld<bool, 1, 30> DrehObjektFlags;  // per object, mode without axes
inline TFeld<TDrehung, 1, 20> DrehListe;
inline int DrehAnzahl = 0;
// Steps that turned the scene with its axes, counted since the start and
// never reset: an edit left open tells by it that its object turned in the
// picture, which a change of the list alone (emptied, or the mode
// switched) does not do.
inline long AchsenDrehschritte = 0;
inline Byte DrehungErfolgt = 0;
// The scene on screen holds the latest turn (DrehungErfolgt about
// Lotgerade), so its rotation segments are drawn. Undo, redo and the object
// store clear it when they bring back a scene kept under another turn, and
// so do loading and playing the list back; every accepted turn sets it
// again. A running turn keeps it.
inline bool DrehungInSzene = true;
inline bool SzeneGedreht = false;
inline bool Urzustand = true;
inline int DrehIntervall = 20;              // ms
inline bool RueckdrehungLaeuft = false;
inline bool DrehMatrizenZeigen = false;
inline bool DrehstreckenZeigen = true;
inline bool DrehwinkelVonRollbalken = false;
inline bool DrehwinkelVonEdit = false;
inline int DrehwinkelRollbalkenPosition = 1;  // ScrollBar1's position at its last change

// Turned with the axes, the dialogs keep the axes' frame: a turn writes no
// cell, and each cell shows its object as it is once the turns are undone.
inline bool ZellenImAchsenrahmen() { return AchsenMitDrehen && DrehAnzahl > 0; }

// The recorded turns last to first, each as its coordinate axis (1..3) and
// the angle that takes it back: the steps that play the list back.
template <class F>
void RueckdrehSchritte(F&& Schritt) {
    for (int n = DrehAnzahl < DrehListe.High ? DrehAnzahl : DrehListe.High; n >= 1; --n) {
        const TDrehung& d = DrehListe[n];
        Schritt(d.Achse <= 2 ? 1 : (d.Achse <= 4 ? 2 : 3), -d.Winkel);
    }
}

// All of the above, and the rotation-matrix state (DrehMatrixAnzahl, MAkt,
// MGes, DrehText), back to their start values.
void DrehZustandNullen();
