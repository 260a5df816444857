#pragma once
// The animation windows of lines and planes. A timer tick moves each object
// of the window a step further: the line window moves g and h (one timer,
// 80 ms), the plane window E1 (100 ms) and E2 (140 ms). A step adds the step
// vector of the support point and that of the (first) direction vector,
// both set in the object's step fields (x, y, z of the support step in
// fields 1..3, of the direction step in 4..6; each field's hint names its
// object and vector). An object whose steps are all zero stays. At start
// only g moves (upward, away from h), since g is visible at start and h is
// not. A tick recomputes the moved objects and what derives from them,
// redraws and rebuilds the open report; it records no undo state.
//
// The grids of the windows show g and h, or E1 and E2, as they move; the
// dialogs of lines and planes keep their texts until the coordinates are
// taken over ("Koordinaten übernehmen", or closing the window). Every take
// over and every close records one undo state, moved or not, so that an
// undo never passes over what the window showed.
//
// A step that would leave a line without direction or a plane without two
// independent directions is taken twice (it passes the degenerate state); a
// step that would carry a coordinate out of the range the dialogs accept
// (magnitude 10000 or more) stops that timer.

#include <optional>

#include "platform/Komponenten.h"

// What both windows share: two objects of one kind (g and h, or E1 and E2),
// each with six step fields, the switch of the parametric display, the
// take-over and the close button. The handlers take the object's number
// (1 or 2), as the object dialogs do; the windows add their grids, start
// buttons and timers.
struct TAnimaFenster : TFormZustand {
    enum class TArt { Geraden, Ebenen };
    TAnimaFenster(TArt Art, const char* Name);

    TArt Art;
    const char* Fenstername;
    // Steps of object 1 and 2: support x, y, z, direction x, y, z.
    TFeld<TEdit, 1, 6> Edit_Schritt1, Edit_Schritt2;
    TSpeedButton But_ParamDarst;      // "Param.-Darstell. ein" / "... aus"
    TButton But_KoordUebernehmen;     // "Koordinaten übernehmen"
    TBitBtn BitBtn_Schliessen;

    TFeld<Extended, 1, 6> Schritt1, Schritt2;  // the steps last accepted from the fields

    TEdit& SchrittFeld(int Objekt, int Nr);
    TFeld<Extended, 1, 6>& Schritt(int Objekt);

    void FormCreate();
    // Before the window is shown: grids from the objects, timers stopped.
    void FormShow();
    void But_ParamDarstClick();
    void But_KoordUebernehmenClick();
    // The window closes: stops the timers and takes the coordinates over.
    void FormClose();
    void BitBtn_SchliessenClick();

    // Key filter of the step fields; their exit check (EditGleitkommaPruefen
    // with 10000) takes an accepted value as the step.
    std::optional<char> Edit_SchrittKeyPress(int Objekt, int Nr, char Taste);
    void Edit_SchrittExit(int Objekt, int Nr);

protected:
    // Every start button up, every timer off.
    virtual void Anhalten() = 0;
};

struct TForm_Einst_GeradenAnima : TAnimaFenster {
    TForm_Einst_GeradenAnima();

    // Column 0 support point, column 1 direction vector; x, y, z in rows 1..3.
    TStringGrid StringGrid1;  // g
    TStringGrid StringGrid2;  // h
    TSpeedButton But_Start;   // down while g and h move
    TTimer Timer1;            // 80 ms

    void FormCreate();
    void Timer1Timer();
    void But_StartClick();

protected:
    void Anhalten() override;
};

struct TForm_Einst_EbenenAnima : TAnimaFenster {
    TForm_Einst_EbenenAnima();

    // One column each (x, y, z in rows 1..3): E1 support point, first and
    // second direction, then the same of E2.
    TStringGrid StringGrid1, StringGrid2, StringGrid3, StringGrid4, StringGrid5, StringGrid6;
    TSpeedButton But_StartE1, But_StartE2;
    TTimer Timer1;  // E1, 100 ms
    TTimer Timer2;  // E2, 140 ms

    TStringGrid& Gitter(int Nr);  // StringGrid1..6

    void FormCreate();
    void Timer1Timer();
    void Timer2Timer();
    void But_StartE1Click();
    void But_StartE2Click();

protected:
    void Anhalten() override;
};

inline TForm_Einst_GeradenAnima Form_Einst_GeradenAnima;
inline TForm_Einst_EbenenAnima Form_Einst_EbenenAnima;

// The support and direction vectors of g and h into the line window's grids,
// and of E1 and E2 into the plane window's six grids (3 decimals). A cell
// the user is editing is left alone.
void GeradenAnimaGitterFuellen();
void EbenenAnimaGitterFuellen();

// Opens the animation window of lines or planes modally (FormShow first);
// once it is closed, its FormClose has run exactly once and the picture is
// redrawn.
void GeradenAnimaZeigen();
void EbenenAnimaZeigen();
