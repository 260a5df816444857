#include "forms/Differenzvektoren.h"

#include <cassert>

TForm_Differenzvektoren::TForm_Differenzvektoren() : TEinstellFenster("Form_Differenzvektoren") {
    Caption = "   Differenzvektoren einstellen";
    Label1.Caption = "Vektoren zwischen den Stützpunkten:";
    const char* const Texte[10] = {"von g nach h",  "von g nach t",  "von h nach t",  "von g nach E1",
                                   "von g nach E2", "von h nach E1", "von h nach E2", "von t nach E1",
                                   "von t nach E2", "von E1 nach E2"};
    for (int Nr = 1; Nr <= 10; ++Nr) Box(Nr).Caption = Texte[Nr - 1];
    Button_Farbe.Caption = "Farbe der Differenzvektoren";
}

TCheckBox& TForm_Differenzvektoren::Box(int Nr) {
    TCheckBox* const Boxen[10] = {&CheckBox1, &CheckBox2, &CheckBox3, &CheckBox4, &CheckBox5,
                                  &CheckBox6, &CheckBox7, &CheckBox8, &CheckBox9, &CheckBox10};
    assert(Nr >= 1 && Nr <= 10);
    return *Boxen[Nr - 1];
}
