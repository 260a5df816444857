#include "view3d/Zeichnen.h"

#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "scene/Objekte.h"
#include "view3d/AchsenZeichnen.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "view3d/Gleichungen.h"
#include "view3d/Objektzeichnen.h"
#include "view3d/Projektion.h"
#include "view3d/VerdeckteLinien.h"

namespace {

// Re-entrancy guard of the redraw. Both flags are false between redraws.
bool zeichnenLaeuft = false;
bool neuZeichnenAngefordert = false;
// The busy cursor was switched on by the running redraw.
bool sanduhrAn = false;
// Depth of MitEinemBild, and whether a redraw was asked for inside it.
int bildZurueckgehalten = 0;
bool bildGewuenscht = false;

struct Laeuft {
    Laeuft() { zeichnenLaeuft = true; }
    ~Laeuft() {
        zeichnenLaeuft = false;
        neuZeichnenAngefordert = false;
        if (sanduhrAn) {
            sanduhrAn = false;
            Host().Sanduhr(false);
        }
    }
};

void ProjTexteZurueckschreiben() {
    TForm_Edits_01& F = Form_Edits_01;
    TEdit* edits[6] = {&F.Edit_FPx, &F.Edit_FPy, &F.Edit_FPz, &F.Edit_Projx, &F.Edit_Projy, &F.Edit_Projz};
    for (int i = 1; i <= 6; ++i) edits[i - 1]->SetText(ProjTexte[i]);
    ProjTexteZurueck = false;
}

void LinieZeichnen(TGerade& G, int Nr) {
    AktLinienNr = Nr;
    GeradeZeichnen(G);
}

// The hidden-line list is full: tell the user, switch the mode off through
// the main window's switch and finish this picture directly. The redraw that
// the switch asks for is not needed (this one already draws everything
// directly, the queued segments here, the one that did not fit and all later
// ones by the caller), so the request is dropped.
void StreckenGrenzeErreicht() {
    const bool angefordert = neuZeichnenAngefordert;
    // Counted first: the switch's redraw, when it runs, empties the list.
    const int n = StreckenAnzahl;
    MeldungZeigen(StreckenGrenzeMeldung);
    Form_Edits_01.But_vdL.Down = false;
    Form_Edits_01.But_vdL.Click();
    VerdeckteLinien = false;  // also when the switch's action is not wired
    // What was queued so far is drawn now, in list order, so the finished
    // picture holds every segment.
    StreckenAnzahl = 0;
    for (int i = 1; i <= n; ++i) {
        const TStr& s = St[i];
        StreckeDirektZeichnen(s.A, s.B, s.Farbe, s.Linienstil, s.Stiftbreite);
    }
    neuZeichnenAngefordert = angefordert;
}

void EinmalZeichnen() {
    // Texts of the projection edits saved by the help command. Their
    // change actions ask for redraws; this one already draws the result.
    if (ProjTexteZurueck) {
        ProjTexteZurueckschreiben();
        neuZeichnenAngefordert = false;
    }
    StreckenAnzahl = 0;
    // In trace mode the old picture stays under the new one.
    if (!SpurModus) HintergrundFuellen();
    UrsprungVersatzBerechnen();
    if (VerdeckteLinien && !DauerDrehen && !sanduhrAn) {
        sanduhrAn = true;
        Host().Sanduhr(true);
    }
    // Frame of reference first, so every object lies on top of it.
    if (GitterZeigen) GitterwaendeZeichnen(MaxQuader);
    if (AchsenZeigen) AKreuzZeichnen(AchsenKreuz);
    if (AchseneinteilungZeigen) AchseneinteilungenZeichnen(AchsenEinteilung);
    static constexpr int LinienNr[4] = {0, 1, 2, 33};
    for (int i = 1; i <= 3; ++i)
        if (Gerade[i].sichtbar == 1) LinieZeichnen(Gerade[i], LinienNr[i]);
    for (int i = 1; i <= 2; ++i)
        if (Ebene[i].sichtbar == 1) {
            AktLinienNr = 2 + i;
            EbeneZeichnen(Ebene[i]);
        }
    if (SchnittgeradeZeigen && SchnittgeradeVorhanden) LinieZeichnen(Gerade_sg, 5);
    // Projected lines: g, h, t (in turn) onto E1 (odd) and E2 (even).
    for (int i = 1; i <= 6; ++i) {
        TGerade& P = Projektionsgeraden[i];
        const TGerade& G = Gerade[(i + 1) / 2];
        const TEbene& E = Ebene[(i % 2 == 1) ? 1 : 2];
        if (P.anzeigen == 1 && P.gueltig == 1 && G.sichtbar == 1 && E.sichtbar == 1)
            LinieZeichnen(P, 5 + i);
    }
    // Trace lines of E1 (line numbers 12..14), then of E2 (18..20).
    for (int i = 1; i <= 6; ++i) {
        TGerade& S = Spurgeraden[i];
        const TEbene& E = Ebene[i <= 3 ? 1 : 2];
        if (S.anzeigen == 1 && S.gueltig == 1 && E.sichtbar == 1) LinieZeichnen(S, i <= 3 ? 11 + i : 14 + i);
    }
    if (Fadenkreuz.sichtbar == 1) FadenkreuzZeichnen(Fadenkreuz);
    if (AchsenWuerfelZeigen) AchsenWuerfelZeichnen();
    // Vanishing segments exist in central projection only.
    if (FluchtstreckenZeigen && Zentralprojektion) FluchtstreckenZeichnen();
    // The solids and small objects, each kind in index order.
    for (TSpat& S : Spat)
        if (S.sichtbar == 1) SpatZeichnen(S);
    for (TVektor& V : Vektor)
        if (V.sichtbar == 1) VektorZeichnen(V);
    for (TStrecke& S : Strecke)
        if (S.sichtbar == 1) StreckeZeichnen(S);
    for (TPunkt& P : Punkt)
        if (P.sichtbar == 1) PunktZeichnen(P);
    for (TKugel& K : Kugel)
        if (K.sichtbar == 1) KugelZeichnen(K);
    for (TKegel& K : Kegel)
        if (K.sichtbar == 1) KegelZeichnen(K);
    if (Drehachse.sichtbar == 1) LinieZeichnen(Drehachse, 43);
    if (AchsenwerteZeigen) AchsenwerteZeichnen(MaxQuader);
    // The hidden-line pass; an Escape pressed before it does not stop it.
    if (VerdeckteLinien && !ErsteAktivierung) {
        Host().EscapeGedrueckt();
        VerdeckteLinienZeichnen();
    }
    // Equations after the pass, so they stand on top.
    if (ParamDarstellungZeigen) GleichungenZeichnen();
    if (BildUebertragen) BildUebertragen();
    // The cursor back, also when the mode went off during this redraw.
    if (sanduhrAn) {
        sanduhrAn = false;
        Host().Sanduhr(false);
    }
}

}  // namespace

void SzeneZeichnen() {
    if (bildZurueckgehalten > 0) {
        bildGewuenscht = true;
        return;
    }
    if (zeichnenLaeuft) {
        neuZeichnenAngefordert = true;
        return;
    }
    Laeuft guard;
    // A request made during a redraw runs once after it; the bound only
    // guards against a change action that asks for a redraw every time.
    for (int lauf = 0; lauf < 4; ++lauf) {
        neuZeichnenAngefordert = false;
        EinmalZeichnen();
        if (!neuZeichnenAngefordert) break;
    }
}

bool SzeneWirdGezeichnet() { return zeichnenLaeuft; }

void MitEinemBild(const std::function<void()>& Aktion) {
    struct Halten {
        Halten() { ++bildZurueckgehalten; }
        ~Halten() { --bildZurueckgehalten; }
    };
    {
        const Halten halten;
        Aktion();
    }
    if (bildZurueckgehalten > 0 || !bildGewuenscht) return;
    bildGewuenscht = false;
    SzeneZeichnen();
}

TVek_R2 BildpunktPixel(TVek_R3 P) {
    TVek_R2 B;
    BildpunktBerechnen(P, B, MassstabX, MassstabY, MassstabZ);
    return {B.x, BildY(B.y)};
}

void StreckeDirektZeichnen(TVek_R3 A, TVek_R3 B, TColor Farbe, TPenStyle Stil, int Breite) {
    StreckePixelZeichnen(BildpunktPixel(A), BildpunktPixel(B), Farbe, Stil, Breite);
}

void StreckePixelZeichnen(TVek_R2 a, TVek_R2 b, TColor Farbe, TPenStyle Stil, int Breite) {
    Zeichenflaeche& Z = Zeichenbitmap();
    Z.Pen.Color = Farbe;
    Z.Pen.Style = Stil;
    Z.Pen.Width = Breite;
    // Clipped in extended precision before it becomes pixels: a segment far
    // outside the picture (an eye point close to an object) cannot overflow.
    Z.StreckeR2(a, b);
}

void StreckeZeichnen3D(TVek_R3 A, TVek_R3 B, TColor Farbe, TPenStyle Stil, int Breite) {
    if (!VerdeckteLinien) {
        StreckeDirektZeichnen(A, B, Farbe, Stil, Breite);
    } else if (StreckenAnzahl < StreckenHoechstzahl) {
        ++StreckenAnzahl;
        St[StreckenAnzahl] = TStr{A, B, Farbe, Stil, Breite};
    } else {
        // The segment that does not fit is drawn directly after the queue:
        // the finished picture holds every segment, as the redraw the mode
        // switch asks for would show it.
        StreckenGrenzeErreicht();
        StreckeDirektZeichnen(A, B, Farbe, Stil, Breite);
    }
}

void HintergrundFuellen() {
    Zeichenflaeche& Z = Zeichenbitmap();
    Z.Brush.Color = FarbeHintergrund;
    Z.Brush.Style = bsSolid;  // a plane may have left the brush clear
    Z.Pen.Color = FarbeHintergrund;
    Z.FillRect(0, 0, Form_Edits_01.ClientWidth - Form_Edits_01.Panel_rechts.Width, Form_Edits_01.ClientHeight);
}

void BildVerschieben(int Schritt, bool Waagerecht) {
    if (Waagerecht)
        VerschiebungX += Schritt;
    else
        VerschiebungY += Schritt;
    SzeneZeichnen();
}
