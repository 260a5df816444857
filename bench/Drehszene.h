#pragma once
// The scene of the rotation benchmarks: the start scene with all 30 objects
// visible and marked for turning, x+ turning continuously without axes.

#include "forms/Hauptfenster.h"
#include "control/Programm.h"
#include "scene/Objekte.h"

// The scene's settings on the windows as they are.
inline void DrehszeneEinrichten() {
    TForm_Edits_01& F = Form_Edits_01;
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) {
        F.But_sichtb(nr).Down = true;
        ObjektSichtbar(nr) = 1;
    }
    F.AlleDrehEin.Down = true;
    F.AlleDrehEin.Click();
    F.But_DauerDrehungEinAus.Down = true;
    F.But_DauerDrehungEinAus.Click();
    F.But_GesamtDrehenXplus.Down = true;
    F.But_GesamtDrehenXplus.Click();
}

inline void DrehszeneVorbereiten() {
    ProgrammStart();
    DrehszeneEinrichten();
}

// The rotation scene with 30 spokes shown on every cone and hidden lines
// on: the tick queues 2383 of the 2399 segments the hidden-line list holds.
inline void DrehszeneMitSpeichen() {
    DrehszeneVorbereiten();
    for (TKegel& K : Kegel) {
        K.Speichen = 30;
        K.SpeichenZeigen = 1;
    }
    Form_Edits_01.vdLClick();
}
