#include "forms/Animationen.h"

#include <string>

#include "forms/Gitter.h"

namespace {

// Each step field names the object and the vector it moves, and the axis.
void SchrittHinweiseSetzen(TFeld<TEdit, 1, 6>& Felder, const char* Objekt, const char* Erster,
                           const char* Zweiter) {
    const char* Achse[3] = {"x", "y", "z"};
    for (int k = 1; k <= 6; ++k)
        Felder[k].Hint = std::string("Schritt von ") + Objekt + ", " + (k <= 3 ? Erster : Zweiter) + ", " +
                         Achse[(k - 1) % 3];
}

}  // namespace

TAnimaFenster::TAnimaFenster(TArt A, const char* Name) : Art(A), Fenstername(Name) {
    But_ParamDarst.Caption = "Param.-Darstell. ein";
    But_ParamDarst.AllowAllUp = true;
    But_KoordUebernehmen.Caption = "Koordinaten übernehmen";
    BitBtn_Schliessen.Caption = "Schließen";
    const bool Geraden = Art == TArt::Geraden;
    SchrittHinweiseSetzen(Edit_Schritt1, Geraden ? "g" : "E1", "Stützvektor",
                          Geraden ? "Richtungsvektor" : "1. Richtungsvektor");
    SchrittHinweiseSetzen(Edit_Schritt2, Geraden ? "h" : "E2", "Stützvektor",
                          Geraden ? "Richtungsvektor" : "1. Richtungsvektor");
    for (int k = 1; k <= 6; ++k) {
        Schritt1[k] = 0;
        Schritt2[k] = 0;
    }
}

TEdit& TAnimaFenster::SchrittFeld(int Objekt, int Nr) { return Objekt == 2 ? Edit_Schritt2[Nr] : Edit_Schritt1[Nr]; }

TFeld<Extended, 1, 6>& TAnimaFenster::Schritt(int Objekt) { return Objekt == 2 ? Schritt2 : Schritt1; }

TForm_Einst_GeradenAnima::TForm_Einst_GeradenAnima() : TAnimaFenster(TArt::Geraden, "Form_Einst_GeradenAnima") {
    Caption = "Animation der Geraden g und h";
    GitterAnlegen(StringGrid1, 2, 4, 0, 1, {"g: Stütz-V.", "Richt.-V."});
    GitterAnlegen(StringGrid2, 2, 4, 0, 1, {"h: Stütz-V.", "Richt.-V."});
    Timer1.Interval = 80;
    Timer1.Enabled = false;
    But_Start.Caption = "Start";
    But_Start.GroupIndex = 1;
    But_Start.AllowAllUp = true;
    But_ParamDarst.GroupIndex = 2;
    // g, visible at start, moves upward away from h: the lines go from
    // meeting to skew.
    Schritt1[3] = 0.1L;
}

TForm_Einst_EbenenAnima::TForm_Einst_EbenenAnima() : TAnimaFenster(TArt::Ebenen, "Form_Einst_EbenenAnima") {
    Caption = "Animation der Ebenen E1 und E2";
    const char* Kopf[6] = {"E1: Stütz-V.", "1. Richt.-V.", "2. Richt.-V.",
                           "E2: Stütz-V.", "1. Richt.-V.", "2. Richt.-V."};
    for (int i = 1; i <= 6; ++i) GitterAnlegen(Gitter(i), 1, 4, 0, 1, {Kopf[i - 1]});
    Timer1.Interval = 100;
    Timer1.Enabled = false;
    Timer2.Interval = 140;
    Timer2.Enabled = false;
    for (TSpeedButton* B : {&But_StartE1, &But_StartE2}) {
        B->Caption = "Start";
        B->AllowAllUp = true;
    }
    But_StartE1.GroupIndex = 1;
    But_StartE2.GroupIndex = 2;
    But_ParamDarst.GroupIndex = 3;
    // E1 moves upward along z; the first direction of E2 tilts upward.
    Schritt1[3] = 0.1L;
    Schritt2[6] = 0.1L;
}

TStringGrid& TForm_Einst_EbenenAnima::Gitter(int Nr) {
    assert(Nr >= 1 && Nr <= 6);
    TStringGrid* G[6] = {&StringGrid1, &StringGrid2, &StringGrid3,
                         &StringGrid4, &StringGrid5, &StringGrid6};
    return *G[Nr - 1];
}
