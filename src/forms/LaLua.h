#pragma once
// The linear-dependence window "linear abhängig - linear unabhängig": three
// vectors v1, v2, v3 in nine edits, and for each pair and for the triple a
// verdict sentence with a small picture beside it. The verdicts follow
// every change of an edit.

#include <string>

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"
#include "platform/Vektortypen.h"

class Zeichenflaeche;

// The four verdict pictures: dependent pair, independent pair, dependent
// triple, independent triple. They are drawn by the program itself.
inline constexpr const char* BildLa2 = "la2_16.ICO";
inline constexpr const char* BildLua2 = "lua2_16.ICO";
inline constexpr const char* BildLa3 = "la3_16.ICO";
inline constexpr const char* BildLua3 = "lua3_16.ICO";
inline constexpr int BildGroesse = 16;

// Draws picture Name with its top-left corner at (x, y), BildGroesse square.
void VerdiktBildZeichnen(Zeichenflaeche& C, const std::string& Name, int x, int y);

struct TForm_LaLua : TFormZustand {
    TForm_LaLua();  // captions and start texts

    // x, y, z of v1 (Edit1..Edit3), v2 (Edit4..Edit6), v3 (Edit7..Edit9).
    TEdit Edit1, Edit2, Edit3, Edit4, Edit5, Edit6, Edit7, Edit8, Edit9;
    TLabel Label1, Label2, Label3;          // "v 1:", "v 2:", "v 3:"
    TLabel Label4, Label5, Label6, Label7;  // verdicts (v1, v2), (v1, v3), (v2, v3), triple
    TImage Image1, Image2, Image3, Image4;  // their pictures

    TSpeicherMenue PopupMenu_InSpeicher;

    TVek_R3 v1, v2, v3;
    int LetztesFeld = 0;  // the edit entered last (1..9), 0 before any

    TEdit& Feld(int i);    // Edit1..Edit9
    TVek_R3& Vektor(int k);  // v1..v3

    void FormCreate();
    void FormActivate();
    // False: the window stays open (the edit entered last holds no number).
    bool FormCloseQuery();
    void EditChange(int i);
    void EditEnter(int i);
    void EditExit(int i);
    // A right click on edit i: its vector becomes the popup's target.
    bool EditRechtsklick(int i);
    void BerechnEinfuegenClick();

    void LinAbhPruefen();
    // The window's own drawing: each verdict's picture beside its label.
    void FormPaint(Zeichenflaeche& C);
};

inline TForm_LaLua Form_LaLua;
