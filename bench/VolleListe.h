#pragma once
// The full hidden-line list of the benchmarks, from a real scene: four
// spheres at the hidden-line density, both planes as grids, the frame and
// every other object, switched on through the menu item. The list fills to
// its limit, which switches the mode off again; the entries stay.

#include "../tests/view3d/VolleSzene.h"

#include "control/Programm.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "platform/SkriptHost.h"
#include "scene/Ansicht.h"
#include "scene/Objekte.h"
#include "view3d/VerdeckteLinien.h"
#include "view3d/Zeichnen.h"

// The parallel projection's direction of these scenes.
inline constexpr TVek_R3 VolleListeRichtung{0.8L, 1.0L, 0.5L};

// Fills St in central or parallel projection; true when the list is full.
// The host must answer the question with Yes.
inline bool VolleListeAufbauen(SkriptHost& host, bool zentral) {
    ProgrammStart();
    VolleSzeneEinstellen();
    if (!zentral) {
        Zentralprojektion = false;
        ProjRichtung = VolleListeRichtung;
    }
    host.Meldungen.clear();
    Form_Edits_01.vdLClick();
    for (const auto& m : host.Meldungen)
        if (m.text == StreckenGrenzeMeldung) StreckenAnzahl = StreckenHoechstzahl;
    return StreckenAnzahl == StreckenHoechstzahl;
}
