#pragma once
// The fullest scene of the hidden-line pass, shared by its test and its
// benchmark (which includes this by relative path: it sees src/ only).
// Every object visible, both planes as grids, the cones with 60 spokes shown
// and the whole frame: with the spheres at the hidden-line density, more
// than the segment list holds.

#include "forms/Schalter.h"
#include "scene/Objekte.h"

inline void VolleSzeneEinstellen() {
    for (int i = 1; i <= ObjektAnzahl; ++i) ObjektSichtbar(i) = 1;
    for (TEbene& E : Ebene) E.Darstellungsart = 2;
    for (TKegel& K : Kegel) {
        K.Speichen = 60;
        K.SpeichenZeigen = 1;
    }
    AchseneinteilungZeigen = AchsenWuerfelZeigen = true;
}
