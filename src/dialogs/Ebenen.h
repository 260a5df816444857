#pragma once
// Dialog of the planes E1, E2 in parameter form: one grid per plane (column 0
// support point, columns 1 and 2 the direction vectors; x, y, z in rows
// 1..3), the choice of the plane shown, its attribute groups and the button
// to its coordinate and normal form. Cells follow the common edit protocol
// (Eingabeprotokoll.h); linearly dependent direction vectors are refused.

#include "dialogs/Eingabeprotokoll.h"
#include "geometry/Vektor.h"
#include "platform/Komponenten.h"

inline Byte AktEbene = 1;  // 1 E1, 2 E2; also the plane of the coordinate-form dialog

inline constexpr const char* AbhaengigeRichtungenMeldung =
    "Die beiden Richtungsvektoren dürfen nicht linear abhängig sein!";

struct TForm_Ebenen : TObjektDialog {
    TForm_Ebenen();

    TStringGrid StringGrid1, StringGrid2;
    TFeld<TZellenGedaechtnis, 1, 2> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "E1", "E2": the plane shown
    TRadioGroup GroupStift, GroupStil;
    TButton But_Koordinatenform;    // opens the coordinate and normal form

    TStringGrid& Gitter(int Nr);  // grid of plane Nr (1..2)
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    // Display rule and the controls of the current plane.
    void FormActivate();
    // Shows plane Nr (1..2): its grid, its attributes, and its forms in the
    // coordinate-form dialog.
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStiftClick();
    void GroupStilClick();
    void But_KoordinatenformClick();
};

inline TForm_Ebenen Form_Ebenen;

// u and v span no plane (u × v is the null vector within 1e-9, or one is a
// multiple of the other).
bool RichtungenAbhaengig(TVek_R3 u, TVek_R3 v);
// True when u and v span a plane; otherwise the message
// AbhaengigeRichtungenMeldung and false.
bool RichtungenPruefen(TVek_R3 u, TVek_R3 v);

// Reads plane Nr (1..2) from its grid (colours and arrow widths with it).
void EbeneAusDialog(int Nr);
// Everything that follows a change of plane Nr: both planes' sections,
// piercing points, forms and marks, its trace lines, the intersection line
// sg and the projections of g, h, t onto it.
void EbeneNeuBerechnen(int Nr);
