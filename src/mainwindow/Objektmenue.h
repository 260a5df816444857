#pragma once
// The menu "Objekte" of the main window: every object dialog, the
// rotation-axis dialog and the two animation windows, in menu order, with
// the window name under which the front registers each of them.

#include <cstddef>

struct DialogEintrag {
    const char* Titel;    // menu text
    const char* Fenster;  // window name (Host().FensterZeigen)
};

inline constexpr DialogEintrag ObjektDialoge[] = {
    {"Geraden g, h, t", "Form_Geraden_t"},
    {"Ebenen E1, E2 (Parameterform)", "Form_Ebenen"},
    {"Ebene in Koordinaten-/Normalenform", "Form_EbenKoord"},
    {"Spate", "Form_Spate"},
    {"Vektoren", "Form_Vektoren"},
    {"Strecken", "Form_Strecken"},
    {"Punkte", "Form_Punkte"},
    {"Kugeln", "Form_Kugeln"},
    {"Kegel/Kreise", "Form_Kegel"},
    {"Fadenkreuz", "Form_Fadenkreuz"},
    {"Drehachse einstellen", "Form_DrehenUmGerade"},
    {"Animation Geraden", "Form_Einst_GeradenAnima"},
    {"Animation Ebenen", "Form_Einst_EbenenAnima"},
};
inline constexpr std::size_t ObjektDialogAnzahl = sizeof(ObjektDialoge) / sizeof(ObjektDialoge[0]);

// Opens entry Nr (0-based) of ObjektDialoge as the main window's own
// buttons would: a dialog shows its current object; the rotation-axis
// dialog is modal; the animation windows go through the coordinates lock
// (KoordSperreMeldung) and stop a running rotation first. Nothing for an
// unknown Nr.
void ObjektDialogOeffnen(std::size_t Nr);
