#pragma once
// Undo states and the object store. A state is a snapshot of the scene in
// the record layout (geometry record and the cone part of record 2); taking
// one back writes it into the dialogs, from which the scene is rebuilt.
// Undo, redo and the store restore geometry only.

#include "platform/Typen.h"

// Places 0..60 of the undo table; place 0 is the start scene.
inline constexpr int UndoPlaetze = 61;

// Records the current scene as a new state after the one shown; a redo tail
// is given up. With all places in use, place 0 stays and the oldest state
// after it is dropped.
void UndoPunktSetzen();
// One state back ("Es sind keine weiteren Daten vorhanden!" when there is
// none); forgets the recorded rotations.
void Rueckgaengig();
// One state forward after an undo.
void Wiederherstellen();
// Back to place 0, the start scene, in one step: the result of undoing
// state by state. Nothing to undo gives the message of Rueckgaengig.
void RueckgaengigBisStart();

// The current scene into the object store; with Meldung = 1 the user is
// told.
void SpeicherUebernehmen(Byte Meldung);
// The object store into all dialogs and the animation windows; the scene
// is rebuilt from them.
void SpeicherInObjekteUebertragen();

// Texts of the undo ring and the object store.
inline constexpr const char* KeineDatenMeldung = "Es sind keine weiteren Daten vorhanden!";
inline constexpr const char* DauerdrehenStoppenMeldung =
    "Stoppen Sie bitte zunächst das Dauerdrehen!";
inline constexpr const char* SpeicherAendernFrage =
    "Wenn Sie die Daten des Objekt-Speichers ändern, ist dies nicht\n"
    "rückgängig zu machen!\n"
    "Falls Ihnen die aktuellen Daten des Objekt-Speichers wichtig sind, schließen Sie bitte\n"
    "dieses Fenster über 'Nein' und lesen\n"
    "in der Hilfe den Abschnitt zu 'Objekt-Speicher'!";
inline constexpr const char* SpeicherUebernommenMeldung =
    "Die aktuellen Objektdaten wurden in\nden Objekt-Speicher übernommen!";
inline constexpr const char* SpeicherUeberschreibenFrage =
    "Sollen wirklich die aktuellen Objektdaten durch die Daten des\n"
    "Speichers überschrieben werden?!";
inline constexpr const char* SpeicherUebertragenMeldung =
    "Die Daten aus dem Objekt-Speicher wurden auf die Objekte übertragen.";
