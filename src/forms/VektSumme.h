#pragma once
// The vector-sum window "Vektorsummen": a linear combination r1·v1 + r2·v2 +
// r3·v3 laid head to tail from a start point A in the order the terms are
// picked, shown in the picture through the scene vectors V1..V3 (the terms)
// and V4 (the sum), which the window writes together with the vectors
// dialog's grids. It is opened by the vectors dialog, whose grids stay
// disabled while it is open.

#include <string>

#include "forms/Speichermenue.h"
#include "platform/Komponenten.h"
#include "platform/Vektortypen.h"

struct TForm_VektSumme : TFormZustand {
    TForm_VektSumme();  // captions

    TEdit Edit_v1x, Edit_v1y, Edit_v1z, Edit_v2x, Edit_v2y, Edit_v2z, Edit_v3x, Edit_v3y, Edit_v3z;
    TEdit Edit_KoefV1, Edit_KoefV2, Edit_KoefV3;
    TEdit Edit_v4Ax, Edit_v4Ay, Edit_v4Az;  // the start point A
    TEdit Edit_v4x, Edit_v4y, Edit_v4z;     // the sum, shown only
    TLabel Label6;  // the sum formula, " v3 + v1" and the like
    TLabel Label7;  // the start point's caption
    TPanel Panel_v1, Panel_v2, Panel_v3, Panel_v4;  // the colours of V1..V4
    TSpeedButton But_neu_v1, But_Neu_V2, But_Neu_V3;
    TButton But_VSummeBestimm;  // "Vektorsummanden neu"

    TSpeicherMenue PopupMenu_InSpeicher;

    TVek_R3 A;
    int SummandenAnzahl = 0;
    TFeld<int, 1, 3> Position{};  // the vector picked at each place, 0 for none
    TVek_R3 s1, s2, s3;           // the terms in picking order
    bool EingabeGueltig = true;   // the last change check passed
    // Per edit 1..15: its text is a number the change check refused. Such a
    // text may stay (a paste, a text not typed into the edit entered), and
    // its number must never reach the scene.
    TFeld<bool, 1, 15> Abgelehnt{};
    int EintrittsFeld = 0;        // the edit entered last and its text then
    std::string EintrittsText;

    // The edits numbered 1..9 v1, v2, v3 (x, y, z), 10..12 the coefficients,
    // 13..15 A, 16..18 the sum.
    TEdit& Feld(int i);
    TSpeedButton& Summandknopf(int k);
    TPanel& Farbfeld(int k);

    void FormCreate();
    void FormActivate();  // VektorsummeVorbereiten
    void FormClose();
    void EditEnter(int i);
    void EditChange(int i);
    // Typing into edit i: its new text, then the key's release.
    void EditGetippt(int i, const std::string& Text);
    void EditKeyUp(int i);
    // A click on a sum cell with any button but the right one.
    void SummeClick();
    // A right click on edit i: its vector, A or the sum becomes the popup's
    // target. False for the coefficients and for an empty sum.
    bool Rechtsklick(int i);
    void But_neu_vClick(int k);
    void But_VSummeBestimmClick();
    void BerechnEinfuegenClick();

    void VektorsummeVorbereiten();
    // Term k from its edits; false when nothing was computed (a message
    // said why).
    bool SummandBerechnen(int k);
    // V1..V4 laid out again and written, term k's vector (1..3) replaced
    // by Neu and A by NeuesA first. Refused, with NichtEndlichMeldung and
    // the scene untouched, when a number it would put into the scene lies
    // beyond SzenenZahlGrenze.
    bool VektorsummeDarstellen(int k = 0, const TVek_R3& Neu = {}, const TVek_R3* NeuesA = nullptr);
    bool BereichVerlassen = false;  // the last step was refused for the bound
};

inline TForm_VektSumme Form_VektSumme;
