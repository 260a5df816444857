#pragma once
// The 3x3 linear-system window: three equations in x1, x2, x3, solved by
// Cramer's rule after every change, with the four determinants, a verdict
// and the solution.

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"
#include "platform/Vektortypen.h"

struct TForm_LGS : TFormZustand {
    TForm_LGS();  // captions and start texts

    // Equation r (1..3): Edit<r> * x1 + Edit<r+3> * x2 + Edit<r+6> * x3 = Edit<r+9>,
    // so Edit1..Edit3 is column 1 of A and Edit10..Edit12 the right-hand side.
    TEdit Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9, Edit10, Edit11, Edit12;
    TLabel Label13, Label14, Label15, Label16;  // D, D1, D2, D3
    TLabel Label17, Label18, Label19;           // verdict, quotients, solution set

    TSpeicherMenue PopupMenu_InSpeicher;

    TMatrix33 A;
    TVek_R3 b;
    Extended D = 0, D1 = 0, D2 = 0, D3 = 0;

    TEdit& Feld(int i);  // Edit1..Edit12
    // The value edit i shows: element (row, column) of A, or b's component.
    Extended& Wert(int i);

    void FormCreate();
    void FormActivate();
    void EditChange(int i);
    void EditExit(int i);
    // A right click on edit i: its column (1..3 of A, 4 the right-hand
    // side) becomes the popup's target.
    bool EditRechtsklick(int i);
    void BerechnEinfuegenClick();

    void LGSLoesen();
};

inline TForm_LGS Form_LGS;
