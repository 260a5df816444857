#pragma once
// The vector-product window: three vectors a, b, c as columns of edits,
// and after every accepted change a x b, the angle between a and b, the
// height and area of their parallelogram, the triple product and the volume
// of the parallelepiped. The window draws square brackets around the columns
// and arrows over the vector letters itself.

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"
#include "platform/Vektortypen.h"

class Zeichenflaeche;

struct TForm_VektProd : TFormZustand {
    TForm_VektProd();  // captions and start texts

    TEdit Edit_ax, Edit_ay, Edit_az, Edit_bx, Edit_by, Edit_bz, Edit_cx, Edit_cy, Edit_cz;
    TLabel Label_vpx, Label_vpy, Label_vpz;  // a x b
    TLabel Label_Winkel, Label_Hoehe, Label_Inhalt, Label_SPProd, Label_SpatVol;
    // The vector letters that carry an arrow: a and b of the columns and of
    // the product, a, b, c of the triple product.
    TLabel Label_a, Label_b, Label_c, Label_aPrv, Label_bPrv, Label_aSPProd, Label_bSPProd, Label_cSPProd;

    TSpeicherMenue PopupMenu_InSpeicher;

    TVek_R3 a, b, c, p;
    Extended Winkel = 0;
    TMatrix33 Matrix;  // the last whole matrix pasted

    TEdit& Feld(int i);  // Edit_ax .. Edit_cz, 1..9
    // Typing or pasting: the change check, and at once the pass when it passed.
    void EditChange(int i);
    // A right click on edit i (1..9) or on a product label (i = 10); false
    // when the popup stays shut.
    bool Rechtsklick(int i);
    void BerechnEinfuegenClick();

    void FormCreate();
    void FormActivate();
    // False when an edit holds no number: then no label changes.
    bool VektorproduktBerechnen();
    // Brackets around the columns of a, b and the product, arrows over the
    // vector letters.
    void FormPaint(Zeichenflaeche& C);
};

inline TForm_VektProd Form_VektProd;

// The window decorations, on canvas C with a black pen of width 1: a left
// bracket beside the column from control T (top) to B (bottom), its mirror
// image on the right, and a vector arrow over control L.
void ZeichneLinkeKlammer(Zeichenflaeche& C, const TControl& T, const TControl& B);
void ZeichneRechteKlammer(Zeichenflaeche& C, const TControl& T, const TControl& B);
void ZeichneVektorpfeil(Zeichenflaeche& C, const TControl& L);
