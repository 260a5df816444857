#pragma once
// The preset data set "Objektdatensatz1 (Vorgabe)": the start scene as the
// dialogs show it at the first activation, kept in entry 1 of the record
// tables for the whole run and put back by the menu "Datei".

// Objektdatensaetze[1] from the dialogs' start cells and the sphere radii.
void VorgabeDatensatzAusDialogen();
// Objektdatensaetze2[1]: crosshair and cone centres and normals from the
// cells, everything else from the objects as the file record takes it.
void VorgabeDatensatzAusDialogen2();
// Brings the drawing back to its initial state (asking first when it is
// turned) and writes the preset into the dialogs.
void UrzustandHerstellen();

inline constexpr const char* UrzustandFrage =
    "Vorsicht!\n\n"
    "Vor dem Laden der Objektdaten muss die Zeichnung\n"
    "in den Urzustand zurückgesetzt werden.\n\n"
    "Soll also jetzt der Urzustand hergestellt werden?";
