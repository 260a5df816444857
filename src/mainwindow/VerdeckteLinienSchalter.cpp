#include "mainwindow/VerdeckteLinienSchalter.h"

#include <algorithm>
#include <cmath>

#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "view3d/Objektzeichnen.h"
#include "view3d/Zeichnen.h"

namespace {

int KugelAufwand(const TKugel& K) {
    const int n = K.n > 0 ? K.n : 12;
    const int m = K.m > 0 ? K.m : 24;
    const int Ringe = 2 * n - 1;
    // Hidden-line mode draws no denser mesh than KugelDichteVerdeckt.
    const int sb = Kugelschritt(std::min<int>(K.Breitenkreise, KugelDichteVerdeckt));
    const int sl = Kugelschritt(std::min<int>(K.Laengenkreise, KugelDichteVerdeckt));
    int r = 0, l = 0;
    for (int i = 1; i <= Ringe; ++i)
        if (i == 1 || i == Ringe || i % sb == 0) ++r;
    for (int j = 0; j < m; ++j)
        if (j == 0 || j % sl == 0) ++l;
    return r * m + l * (Ringe + 1);
}

int KegelAufwand(const TKegel& K) {
    const Extended ws = std::trunc(K.Winkelschritt);
    const int Rand = (ws >= 1 && ws <= 360) ? std::min(360 / static_cast<int>(ws), 60) : 0;
    const int Speichen = std::clamp(K.Speichen, 0, Rand);
    return Rand + Speichen * ((K.SpeichenZeigen == 1 ? 1 : 0) + (std::fabs(K.Hoehe) > Toleranz ? 1 : 0));
}

// Segment, its two vectors and their four arrow strokes.
int Vektorpfeile() { return StRiVektZeigen ? 6 : 0; }

int EbeneAufwand(const TEbene& E) {
    int a = 0;
    if (E.Darstellungsart == 0) a = 6;
    else if (E.Darstellungsart == 1) a = 4;
    else a = 4 + 2 * (std::max<int>(E.Netzlinien, 1) + 1);
    return a + (StRiVektZeigen ? 9 : 0);
}

}  // namespace

int VerdeckteLinienAufwandSchaetzen() {
    int a = 0;
    for (const TGerade& G : Gerade)
        if (G.sichtbar == 1) a += 1 + Vektorpfeile();
    for (const TEbene& E : Ebene)
        if (E.sichtbar == 1) a += EbeneAufwand(E);
    for (const TSpat& S : Spat)
        if (S.sichtbar == 1) a += 12 + (S.ErzeugendeZeigen == 1 ? 6 : 0);
    for (const TVektor& V : Vektor)
        if (V.sichtbar == 1) a += 3;
    for (const TStrecke& S : Strecke)
        if (S.sichtbar == 1) a += 1;
    for (const TPunkt& P : Punkt)
        if (P.sichtbar == 1) a += 3 + (P.mitFadenkreuz == 1 ? 3 : 0);
    for (const TKugel& K : Kugel)
        if (K.sichtbar == 1) a += KugelAufwand(K);
    for (const TKegel& K : Kegel)
        if (K.sichtbar == 1) a += KegelAufwand(K);
    if (Fadenkreuz.sichtbar == 1) a += 3;
    return a;
}

void TForm_Edits_01::SichtbarkeitAktualisieren() { VerdeckteLinienAufwand = VerdeckteLinienAufwandSchaetzen(); }

void TForm_Edits_01::vdLClick() {
    if (VerdeckteLinien) {
        VerdeckteLinien = false;
        vdL.Caption = "verdeckte Linien beachten   ein";
        But_vdL.Down = false;
        SzeneZeichnen();
        return;
    }
    // The estimate follows every change of visibility, also those made
    // without the main window's switches.
    SichtbarkeitAktualisieren();
    if (VerdeckteLinienAufwand > VerdeckteLinienAufwandGrenze && !FrageJa(VerdeckteLinienFrage)) {
        But_vdL.Down = false;
        return;
    }
    VerdeckteLinien = true;
    vdL.Caption = "verdeckte Linien beachten   aus";
    But_vdL.Down = true;
    for (TKugel& K : Kugel) {
        if (K.Breitenkreise > KugelDichteVerdeckt) K.Breitenkreise = KugelDichteVerdeckt;
        if (K.Laengenkreise > KugelDichteVerdeckt) K.Laengenkreise = KugelDichteVerdeckt;
    }
    SzeneZeichnen();
}

void TForm_Edits_01::But_vdLClick() { vdLClick(); }
