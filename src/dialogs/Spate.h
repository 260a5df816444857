#pragma once
// Dialog of the parallelepipeds SP1..SP4: one grid each (column 0 corner A,
// columns 1..3 the edges AB, AD, AE; x, y, z in rows 1..3), the choice of
// the one shown and its attribute groups. Cells follow the common edit
// protocol (Eingabeprotokoll.h); linearly dependent edges are refused.

#include "dialogs/Eingabeprotokoll.h"
#include "geometry/Vektor.h"
#include "platform/Komponenten.h"

inline Byte AktSpat = 1;

inline constexpr const char* AbhaengigeKantenMeldung =
    "Die Vektoren AB, AD und AE dürfen nicht linear abhängig sein!";

struct TForm_Spate : TObjektDialog {
    TForm_Spate();

    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4;
    TFeld<TZellenGedaechtnis, 1, 4> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "SP1" .. "SP4": the one shown
    TRadioGroup GroupStift, GroupStil, GroupErz;

    TStringGrid& Gitter(int Nr);
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    // Display rule and the controls of the current parallelepiped.
    void FormActivate();
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStiftClick();
    void GroupStilClick();
    void GroupErzClick();
};

inline TForm_Spate Form_Spate;

// AB, AD, AE span no solid (their determinant vanishes within 1e-9).
bool KantenAbhaengig(TVek_R3 AB, TVek_R3 AD, TVek_R3 AE);
