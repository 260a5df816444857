#include "mainwindow/Farbsets.h"

#include "forms/Schalter.h"
#include "scene/Datensatz.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"

void FarbsetSichern() {
    auto& f = Farbsets[0].Farben;
    for (int i = 1; i <= 3; ++i) f[i] = Gerade[i].Farbe;
    f[4] = Ebene[1].Farbe;
    f[5] = Ebene[2].Farbe;
    f[6] = Gerade_sg.Farbe;
    f[7] = FarbeStuetzvektoren;
    f[8] = FarbeHintergrund;
    f[9] = AchsenKreuz.Farbe;
    f[10] = MaxQuader.FarbeGitterwaende;
    for (int i = 1; i <= 4; ++i) {
        f[10 + i] = Spat[i].Farbe;
        f[14 + i] = Vektor[i].Farbe;
        f[18 + i] = Strecke[i].Farbe;
        f[22 + i] = Punkt[i].Farbe;
        f[26 + i] = Kugel[i].Farbe;
    }
}

void FarbsetSichern2() {
    Farbsets2[0].FadenkreuzFarbe = Fadenkreuz.Farbe;
    for (int i = 1; i <= 4; ++i) Farbsets2[0].KegelFarbe[i] = Kegel[i].Farbe;
}

void FarbsetAnwenden(int n) {
    const auto& f = Farbsets[n].Farben;
    // The lines and planes are rebuilt from the colour variables at every
    // recompute, so both get the colour.
    TColor* Variable[5] = {&FarbeG, &FarbeH, &FarbeT, &FarbeE1, &FarbeE2};
    for (int i = 1; i <= 3; ++i) {
        *Variable[i - 1] = f[i];
        Gerade[i].Farbe = f[i];
        Gerade[i].FarbeRichtungsvektor = f[i];
    }
    for (int i = 1; i <= 2; ++i) {
        *Variable[2 + i] = f[3 + i];
        Ebene[i].Farbe = f[3 + i];
        Ebene[i].FarbeRichtungsvektor1 = f[3 + i];
        Ebene[i].FarbeRichtungsvektor2 = f[3 + i];
    }
    FarbeSg = f[6];
    Gerade_sg.Farbe = f[6];
    FarbeStuetzvektoren = f[7];
    FarbeHintergrund = f[8];
    FarbeAchsen = f[9];
    AchsenKreuz.Farbe = f[9];
    MaxQuader.FarbeGitterwaende = f[10];
    for (int i = 1; i <= 4; ++i) {
        Spat[i].Farbe = f[10 + i];
        Vektor[i].Farbe = f[14 + i];
        Strecke[i].Farbe = f[18 + i];
        Punkt[i].Farbe = f[22 + i];
        Kugel[i].Farbe = f[26 + i];
    }
    FarbPanelsSetzen();
}

void FarbsetAnwenden2(int n) {
    Fadenkreuz.Farbe = Farbsets2[n].FadenkreuzFarbe;
    for (int i = 1; i <= 4; ++i) Kegel[i].Farbe = Farbsets2[n].KegelFarbe[i];
    FarbPanelsSetzen();
}
