#include "control/Farbsets.h"

#include <cassert>

#include "forms/Schalter.h"
#include "scene/Datensatz.h"
#include "view3d/ObjektGeometrie.h"
#include "scene/Objekte.h"

namespace {

// The colour variable a line or plane (Nr 1..5) is rebuilt from.
TColor& FarbVariable(int Nr) {
    TColor* const Variable[5] = {&FarbeG, &FarbeH, &FarbeT, &FarbeE1, &FarbeE2};
    return *Variable[Nr - 1];
}

// The colour field of object Nr 6..30.
TColor& Farbfeld(int Nr) {
    if (Nr <= 9) return Spat[Nr - 5].Farbe;
    if (Nr <= 13) return Vektor[Nr - 9].Farbe;
    if (Nr <= 17) return Strecke[Nr - 13].Farbe;
    if (Nr <= 21) return Punkt[Nr - 17].Farbe;
    if (Nr <= 25) return Kugel[Nr - 21].Farbe;
    if (Nr <= 29) return Kegel[Nr - 25].Farbe;
    return Fadenkreuz.Farbe;
}

}  // namespace

TColor ObjektFarbe(int Nr) {
    assert(Nr >= 1 && Nr <= ObjektAnzahl);
    if (Nr <= 3) return Gerade[Nr].Farbe;
    if (Nr <= 5) return Ebene[Nr - 3].Farbe;
    return Farbfeld(Nr);
}

void ObjektFarbeSetzen(int Nr, TColor Farbe) {
    assert(Nr >= 1 && Nr <= ObjektAnzahl);
    if (Nr <= 3) {
        FarbVariable(Nr) = Farbe;
        Gerade[Nr].Farbe = Farbe;
        Gerade[Nr].FarbeRichtungsvektor = Farbe;
    } else if (Nr <= 5) {
        FarbVariable(Nr) = Farbe;
        TEbene& E = Ebene[Nr - 3];
        E.Farbe = Farbe;
        E.FarbeRichtungsvektor1 = Farbe;
        E.FarbeRichtungsvektor2 = Farbe;
    } else {
        Farbfeld(Nr) = Farbe;
    }
}

void AchsenFarbeSetzen(TColor Farbe) {
    FarbeAchsen = Farbe;
    AchsenKreuz.Farbe = Farbe;
    // Their recompute copies it as well; the picture shows it now.
    for (int i = 1; i <= 6; ++i) Projektionsgeraden[i].Farbe = Spurgeraden[i].Farbe = Farbe;
}

void FarbsetSichern() {
    auto& f = Farbsets[0].Farben;
    for (int i = 1; i <= 5; ++i) f[i] = ObjektFarbe(i);
    f[6] = Gerade_sg.Farbe;
    f[7] = FarbeStuetzvektoren;
    f[8] = FarbeHintergrund;
    f[9] = AchsenKreuz.Farbe;
    f[10] = MaxQuader.FarbeGitterwaende;
    for (int i = 1; i <= 20; ++i) f[10 + i] = ObjektFarbe(5 + i);
}

void FarbsetSichern2() {
    Farbsets2[0].FadenkreuzFarbe = Fadenkreuz.Farbe;
    for (int i = 1; i <= 4; ++i) Farbsets2[0].KegelFarbe[i] = Kegel[i].Farbe;
}

void FarbsetAnwenden(int n) {
    const auto& f = Farbsets[n].Farben;
    for (int i = 1; i <= 5; ++i) ObjektFarbeSetzen(i, f[i]);
    FarbeSg = f[6];
    Gerade_sg.Farbe = f[6];
    FarbeStuetzvektoren = f[7];
    FarbeHintergrund = f[8];
    AchsenFarbeSetzen(f[9]);
    MaxQuader.FarbeGitterwaende = f[10];
    // Slots 11..30 hold Spat, vectors, segments, points and spheres in the
    // order of the objects 6..25.
    for (int i = 1; i <= 20; ++i) ObjektFarbeSetzen(5 + i, f[10 + i]);
    FarbPanelsSetzen();
}

void FarbsetAnwenden2(int n) {
    Fadenkreuz.Farbe = Farbsets2[n].FadenkreuzFarbe;
    for (int i = 1; i <= 4; ++i) Kegel[i].Farbe = Farbsets2[n].KegelFarbe[i];
    FarbPanelsSetzen();
}
