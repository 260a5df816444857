#pragma once
// What the settings windows of the main window share: the name the host
// knows them by, the button that closes them, and a description of their
// controls, each with the setting it shows. One set of handlers shows the
// settings in the controls and writes a change back, then draws the
// picture; a window adds handlers only for what no field kind covers.

#include <functional>
#include <vector>

#include "platform/Komponenten.h"
#include "platform/Typen.h"

// One control of a settings window and the setting behind it.
struct TEinstellFeld {
    enum class TArt {
        Text,           // a caption of its own
        Schalter,       // a check box: Lesen/Schreiben 0 or 1
        Stiftbreite,    // a group "1".."4": Lesen/Schreiben the width
        Linienstil,     // a group solid/dotted: Lesen/Schreiben the pen style
        Auswahl,        // any other group: Lesen/Schreiben the item's index
        Farbe,          // a button and the swatch beside it
        Winkelgroesse,  // a caption and the size box of a right-angle mark
        Rollbalken,     // a scroll bar with its position shown beside it (Beschriftung)
        Zahlfeld,       // a caption and an edit
    };
    // Rollbalken and Zahlfeld have handlers of the window's own.
    TArt Art{};
    TControl* Element = nullptr;  // the check box, group, colour button, size box or own control
    TPanel* Farbfeld = nullptr;   // Farbe: the swatch
    TLabel* Beschriftung = nullptr;  // Text, Winkelgroesse, Zahlfeld: the caption; Rollbalken: the position

    std::function<int()> Lesen{};
    std::function<void(int)> Schreiben{};
    std::function<TColor()> FarbeLesen{};  // Farbe; the dialog is titled with the button's caption
    std::function<void(TColor)> FarbeSchreiben{};
    std::function<Extended()> GroesseLesen{};  // Winkelgroesse
    std::function<void(Extended)> GroesseSchreiben{};
    std::function<bool()> Aktiv{};  // Winkelgroesse: whether the box can be used

    // After a change is written, before the picture is drawn.
    std::function<void()> Danach{};

    // Rollbalken and Zahlfeld: the control's name, for the window's front.
    const char* Name = nullptr;

    // For the window's layout: the columns of a group or of a block of
    // check boxes (consecutive boxes with the same Block share one grid,
    // framed with Rahmen when it has one); Daneben puts a group beside the
    // one before it.
    int Spalten = 1;
    int Block = 0;
    const char* Rahmen = nullptr;
    bool Daneben = false;
};

struct TEinstellFenster : TFormZustand {
    explicit TEinstellFenster(const char* Name) : Fenstername(Name) { BitBtn_Ok.Caption = "OK"; }
    virtual ~TEinstellFenster() = default;
    TEinstellFenster(const TEinstellFenster&) = default;
    TEinstellFenster& operator=(const TEinstellFenster&) = default;

    const char* Fenstername;
    TBitBtn BitBtn_Ok;

    // The controls top to bottom; each call describes them anew, so the
    // description always points at this window's own controls.
    virtual std::vector<TEinstellFeld> Felder() = 0;

    // Wires every field's control and OK, then shows the settings.
    void FormCreate();
    // The window is about to show: its controls from the settings.
    virtual void FormShow();
    // The settings into the controls (colour sets, the menu "Ansicht" and
    // other windows change them too).
    void Anzeigen();
    // The control of field Nr was changed by the user.
    void FeldGeaendert(std::size_t Nr);
    // false keeps the window open.
    virtual bool FormCloseQuery() { return true; }
    void BitBtn_OkClick();
};

// A colour swatch: a panel without caption in the colour it shows.
inline void FarbfeldSetzen(TPanel& P, TColor Farbe) {
    P.Caption.clear();
    P.Color = Farbe;
}

// The sizes a right-angle mark may take, in space units: the items of the
// size boxes of the rotation-segment and normal-vector settings.
void WinkelGroessenAnlegen(TComboBox& C);
// Chooses the item of C that shows Groesse (none when no item does).
void WinkelGroesseZeigen(TComboBox& C, Extended Groesse);
// The size of the chosen item; false when none is chosen.
bool WinkelGroesseLesen(const TComboBox& C, Extended& Groesse);
