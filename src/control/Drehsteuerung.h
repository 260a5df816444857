#pragma once
// Rotation of the whole scene: steps about the coordinate axes or the
// rotation axis, the list of the rotations done (at most 20) and its
// playback, the two modes (axes turning along or staying), and the entry
// points every dialog calls before it changes coordinates. The main
// window's handlers (mainwindow/Drehknoepfe.cpp) drive it; its state lives
// in DrehZustand.h.

#include <functional>

#include "platform/Typen.h"

// Records an undo state. The undo ring installs its routine here; while
// none is installed a step records nothing.
inline std::function<void()> UndoPunktSetzenAktion;

// One whole-scene step about the x- (1), y- (2) or z-axis (3) by
// -Drehwinkel or +Drehwinkel, then the redraw.
void GesamtDrehenMinus(int Achse);
void GesamtDrehenPlus(int Achse);
// The same step by Winkel; ends with DrehMatrizenZuruecksetzen, no redraw.
void AlleObjekteDrehen(int Achse, Extended Winkel);
// One step of every marked object about the rotation axis by Drehwinkel;
// list and matrices untouched; then the redraw.
void GesamtDrehenUmGerade();

// Plays the list back from the newest entry, each with its negated angle,
// in the current mode; then empties the list, redraws and clears
// SzeneGedreht.
void AlleDrehungenRueckgaengig();
// Empties the list, stops every rotation (the timer stops at its next
// tick), rebuilds the open report and resets the rotation matrices.
void DrehListeLoeschen();
// Runs Laden, which puts a scene from a file or the preset in place of the
// shown one: that scene holds no turn, so no rotation segments show in its
// picture and no recorded rotation is left for the red dot or a change of
// mode to play back onto it.
void OhneDrehungLaden(const std::function<void()>& Laden);
// Both matrices to zero, their caption empty, the counter of the total
// matrix to 0, and the rotation-matrix window refreshed.
void DrehMatrizenZuruecksetzen();
// Toggles AchsenMitDrehen and shows the new mode in the controls.
void DrehModusAnzeigen();
// Arms or disarms the continuous rotation.
void DauerDrehungEinAus();
// Stops the running rotation: the continuous switch up, no rotation mode,
// all seven rotation buttons released.
void DrehungAnhalten();
// k 1..6: the direction buttons x-, x+, y-, y+, z-, z+; 7: the rotation-axis
// button (its caller sets the red font). The marked one goes down with a
// red font, the others up with a black one; 8 releases all seven.
void DrehKnopfMarkieren(Byte k);

// ---- Before coordinates change ------------------------------------------------
// Without asking: stops a continuous rotation and leaves the mode with axes,
// undoing its rotations.
void DrehungFuerEingabeAufheben();
// Asks first, when the mode with axes is on or a rotation runs; on Yes
// leaves the mode with axes (undoing its rotations) and stops the running
// rotation. True when coordinates may be changed now (nothing was in the
// way, or the user agreed); on No nothing changes.
bool KoordinatenAenderungVorbereiten();
// For a dialog that asked its own question in the mode with axes: undoes
// the rotations and switches to the mode without axes. Does nothing in the
// mode without axes.
void DrehungenZuruecksetzen();

// The program's texts.
inline constexpr const char* DrehGrenzeMeldung =
    "Insgesamt sind 2o Drehungen ohne Zurücksetzen erlaubt.\n"
    "Diese Anzahl wurde erreicht.\n"
    "Vor weiteren Drehungen setzen Sie die bisherigen Drehungen bitte\n"
    "zurück (roter Punkt!)!";
inline constexpr const char* KoordAenderungFrage =
    "Vorsicht!\n\n"
    "Zum Ändern der Koordinaten ist vorher auf 'Drehen ohne Achsen' umzustellen!\n"
    "Zudem ist das 'Dauer-Drehen' auszuschalten!\n"
    "Soll diese Umstellung für Sie jetzt durchgeführt werden?";
inline constexpr const char* AnimationenFrage =
    "Animationen sind nur bei\n"
    "'Drehen ohne Achsen' möglich!\n\n"
    "Soll jetzt automatisch auf\n"
    "'Drehen ohne Achsen umgestellt werden?'";
