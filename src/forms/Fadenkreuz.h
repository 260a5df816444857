#pragma once
// Dialog of the crosshair: its one grid (rows 1..3 the centre), the move
// buttons, the step of the move buttons and the style group. The cells
// follow the common edit protocol (Eingabeprotokoll.h); a move button
// shifts the centre by FadenkreuzSchrittweite along one axis and applies it
// through the same chain (one undo state per click).

#include <optional>

#include "forms/Eingabeprotokoll.h"
#include "platform/Komponenten.h"
#include "scene/Objekte.h"  // FadenkreuzSchrittweite

inline constexpr const char* Betrag10Meldung = "Gib bitte nur Zahlen z mit\nz < 10   ein!";

struct TForm_Fadenkreuz : TObjektDialog {
    TForm_Fadenkreuz();

    TStringGrid StringGrid1;
    TZellenGedaechtnis Gedaechtnis;
    TEdit Edit1;  // the step as text
    TRadioGroup GroupStil;
    // Move buttons, Code 1..6 = x-, x+, y-, y+, z-, z+.
    TSpeedButton But_Xmin, But_Xplus, But_Ymin, But_Yplus, But_Zmin, But_Zplus;

    TSpeedButton& VerschiebeKnopf(int Code);
    TObjektGitter ObjektGitter(TStringGrid& G) override;

    void FormCreate();
    void FormActivate();
    void GroupStilClick();
    // Shifts the centre by the step along the axis of Code. A shift that
    // would carry the coordinate out of the range of the cells, or further
    // out when the program put it there, is refused with the range message.
    void But_VerschiebenClick(int Code);

    // The step field: key filter; a valid number (|z| < 10) becomes the
    // step as it is typed; on leaving, an unfinished text gets the step
    // back, a refused one the message and then the step back.
    std::optional<char> Edit1KeyPress(char Taste);
    void Edit1Change();
    void Edit1Exit();
};

inline TForm_Fadenkreuz Form_Fadenkreuz;
