#pragma once
// Dialog of the lines g, h, t: one grid per line (column 0 support point,
// column 1 direction vector; x, y, z in rows 1..3), the choice of the line
// shown, and its attribute groups. Cells follow the common edit protocol
// (Eingabeprotokoll.h); a null direction vector is refused.

#include <string>

#include "dialogs/Eingabeprotokoll.h"
#include "geometry/Vektor.h"
#include "platform/Komponenten.h"

inline Byte AktGerade = 1;  // 1 g, 2 h, 3 t

inline constexpr const char* NullRichtungMeldung =
    "Der Richtungsvektor darf nicht der Nullvektor sein!";

struct TForm_Geraden_t : TObjektDialog {
    TForm_Geraden_t();

    TStringGrid StringGrid1, StringGrid2, StringGrid3;
    TFeld<TZellenGedaechtnis, 1, 3> Gedaechtnis;
    TRadioGroup RadioGroup_Objekt;  // "g", "h", "t": the line shown
    TRadioGroup GroupStift, GroupStil;

    TStringGrid& Gitter(int Nr);  // grid of line Nr (1..3)
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    // Display rule and the controls of the current line.
    void FormActivate();
    // Shows line Nr (1..3): its grid and its attributes.
    void ObjektWaehlen(int Nr);
    void RadioGroup_ObjektClick();
    void GroupStiftClick();
    void GroupStilClick();
};

inline TForm_Geraden_t Form_Geraden_t;

// Every component of u within 1e-9 of 0.
bool IstNullRichtung(TVek_R3 u);
// True when u may be a direction vector; otherwise the message
// NullRichtungMeldung and false.
bool NullRichtungPruefen(TVek_R3 u);

// Reads line Nr (1..3) from its grid (colours and arrow widths with it).
void GeradeAusDialog(int Nr);
// Everything that follows a change of line Nr: its trace points and drawn
// parts, the positions of g, h, t to each other, its piercing points with
// E1 and E2 and its projections onto them.
void GeradeNeuBerechnen(int Nr);
// The same for h after its support or direction vector was changed in the
// scene object itself (line animation).
void GeradenAnimaNeuBerechnenH();
