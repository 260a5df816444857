#pragma once
// Settings dialog of the grid of the axes cuboid ("   Einstellungen des
// Gitters des Achsen-Würfels"): one check box per wall, in the order of
// GitterWaende, the number of grid parts per edge, the line styles of the
// inner lines and of the borders, and the colour of the walls.
//
// The walls follow their boxes at every click and again when the window
// closes; the number of parts is read when the window is created, shown and
// closed, and at every change of its field. More than 20 parts are refused.

#include "forms/Einstellfenster.h"
#include "geometry/Eingabe.h"

inline constexpr const char* GitterLinienMeldung = "Die Anzahl der Gitterlinien ist auf\n20 beschränkt";

struct TForm_GitterWuerfelMax : TEinstellFenster {
    TForm_GitterWuerfelMax();

    TCheckBox CheckBox1, CheckBox2, CheckBox3, CheckBox4, CheckBox5, CheckBox6;
    TLabel Label1;
    TEdit Edit_AnzGitterLinien;
    TRadioGroup RadioGroup1;   // "Linienstil der Netzlinien"
    TRadioGroup RadioGroup2;   // "Linienstil der Ränder"
    TButton Button_Farbe;      // "Farbe des Gitter-Hintergrundes"
    TPanel Panel_Farbe;

    // Check box of wall Nr (1..6).
    TCheckBox& WandBox(int Nr);

    // Reads the number of grid parts from its edit.
    void FormCreate();
    // Reads the number again, then shows the settings.
    void FormShow() override;
    std::vector<TEinstellFeld> Felder() override;
    void Edit_AnzGitterLinienChange();
    // false (and the field has the focus again) while the field holds more
    // than 20; otherwise the walls and the number are taken over.
    bool FormCloseQuery() override;

private:
    // The field's whole number into AnzGitterLinien (Gueltig). No whole
    // number: Unfertig, nothing said. Above 20: the message, the field gets
    // the focus with its text selected, Abgelehnt.
    PruefErgebnis AnzahlLesen();
};

inline TForm_GitterWuerfelMax Form_GitterWuerfelMax;
