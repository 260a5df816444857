#pragma once
// State of the rotation-matrix window: the matrix of the latest whole-scene
// rotation, the product of all of them and the list of rotations, as text
// in read-only cells and labels. The window computes nothing: the rotation
// code builds MAkt and MGes and calls the three display routines.

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"

struct TForm_Dreh_Matrizen : TFormZustand {
    TForm_Dreh_Matrizen();

    // Cells of MAkt and MGes, row i, column j.
    TEdit Makt_11, Makt_12, Makt_13, Makt_21, Makt_22, Makt_23, Makt_31, Makt_32, Makt_33;
    TEdit Mges_11, Mges_12, Mges_13, Mges_21, Mges_22, Mges_23, Mges_31, Mges_32, Mges_33;
    TLabel Label1, Label2, Label3, Label4, Label5, Label6, Label7, Label8, Label9;

    TEdit& Makt(int i, int j);
    TEdit& Mges(int i, int j);

    // Columns and whole matrices go into the memories; nothing is pasted
    // here.
    TSpeicherMenue PopupMenu_InSpeicher;
    // A right click on a cell: its column into the transfer slot, its matrix
    // into the matrix transfer slot. False for a cell of no matrix here.
    bool ZelleRechtsklick(TEdit& E);

    void FormCreate();
    void FormActivate();
    // The user closes the window: the main window's menu item follows.
    void FormClose();
};

inline TForm_Dreh_Matrizen Form_Dreh_Matrizen;

// MAkt into the Makt cells (fixed, precision 14, 6 decimals); Label4 := a
// line break and DrehText.
void ZeigeAktuelleDrehmatrix();
// MGes into the Mges cells; Label3 := a line break and DrehText.
void ZeigeGesamtDrehmatrix();
// Label4 := the list of rotations 1..DrehAnzahl, one line each, every line
// preceded by a line break; then ZeigeGesamtDrehmatrix.
void ZeigeDrehungenliste();
