// The main window's choice of projection kind and picture plane: the switch
// between central and parallel projection, the three plane buttons with
// their preset values, the reset of the central picture plane's shift, the
// two axis factors and the angle display of the projection direction.

#include <cmath>
#include <initializer_list>

#include "forms/Hauptfenster.h"
#include "mainwindow/Projektionshilfen.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "scene/Objekte.h"
#include "view3d/Abgeleitet.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"
#include "view3d/Projektion.h"
#include "view3d/Zeichnen.h"

namespace {

// What a plane button sets, per picture plane 1 x,z, 2 y,z, 3 x,y.
struct EbenenWahl {
    TVek_R3 u, v;                               // unit vectors spanning the plane
    TVek_R3 AugpunktSchraeg, AugpunktGerade;
    TVek_R3 RichtungSchraeg, RichtungGerade;
    Byte Ansicht;                               // grid walls that suit the plane
    const char* Faktor1;                        // captions of Label15, Label17
    const char* Faktor2;
    const char* Hinweis1;                       // hints of the factor edits and labels
    const char* Hinweis2;
    const char* HinweisVerschiebung;            // hint of Panel_VerschProjEb
    const char* WinkelText;                     // caption of Label_Grad_xy
};

const EbenenWahl Ebenen[4] = {
    {},
    {{1, 0, 0}, {0, 0, 1},
     {40, 80, 30}, {0, 80, 0},
     {0.8L, 1, 0.5L}, {0, 1, 0},
     1, "SkFy:", ":SkFz",
     "Faktor zur Bestimmung von LEy aus LEx", "Faktor zur Bestimmung von LEz aus LEx",
     "Abstand der Projekt.-Ebene von der x,z-Ebene; (-): Die Proj.-Eb. liegt vor der x,z-Ebene",
     "Grad x,y:"},
    {{0, 1, 0}, {0, 0, 1},
     {-80, 40, 30}, {-80, 0, 0},
     {-1, 0.8L, 0.5L}, {-1, 0, 0},
     5, "SkFx:", ":SkFz",
     "Faktor zur Bestimmung von LEx aus LEy", "Faktor zur Bestimmung von LEz aus LEy",
     "Abstand der Projekt.-Ebene von der y,z-Ebene; (+): Die Proj.-Eb. liegt vor der y,z-Ebene",
     "Grad y,x:"},
    {{1, 0, 0}, {0, 1, 0},
     {-30, 40, -80}, {0, 0, -80},
     {-0.5L, 0.8L, -1}, {0, 0, -1},
     3, "SkFz:", ":SkFx",
     "Faktor zur Bestimmung von LEz aus LEy", "Faktor zur Bestimmung von LEx aus LEy",
     "Abstand der Projekt.-Ebene von der x,y-Ebene; (+): Die Proj.-Eb. liegt vor der x,y-Ebene",
     "Grad y,z:"},
};

}  // namespace

void TForm_Edits_01::ProjektionsartZeigen() {
    const bool z = Zentralprojektion;
    for (TControl* c : std::initializer_list<TControl*>{
             &Edit_Projx, &Edit_Projy, &Edit_Projz, &ButProjRichtxPl, &ButProjRichtxMin,
             &ButProjRichtyPl, &ButProjRichtyMin, &ButProjRichtzPl, &ButProjRichtzMin,
             &Label_Grad_xy, &Panel_Gradxy, &But_ProjArt, &Label_ProjArt})
        c->Visible = !z;
    for (TControl* c : std::initializer_list<TControl*>{
             &Edit_FPx, &Edit_FPy, &Edit_FPz, &ButFPxPl, &ButFPxMin, &ButFPyPl, &ButFPyMin,
             &ButFPzPl, &ButFPzMin, &SpeedButton1,
             &ProjEbMin, &ProjEbPlus, &ProjEbStart, &Panel_VerschProjEb, &But_VerschProjEb})
        c->Visible = z;
    // The step of the plane shift is chosen only where the shift is shown.
    if (!z) ComboBox1.Visible = false;
}

void TForm_Edits_01::ProjektionsgeradenFolgen() {
    // Turned with the axes they keep their turned state; unturned (also in
    // the mode with axes before its first step) they follow the projection.
    if (!AchsenMitDrehen || DrehAnzahl == 0)
        for (Byte i = 1; i <= 6; ++i) {
            AktLinienNr = 5 + i;
            ProjektionsgeradenBerechnen(i);
            if (Projektionsgeraden[i].gueltig == 1) GeradeOhneLageBerechnen(Projektionsgeraden[i]);
        }
    ErgebnisAusgeben(ErgebnisAuswahl);
}

void TForm_Edits_01::ZentralprojektionEinAus() {
    // The factor edits and the plane button redraw on their own: one picture,
    // after the projected lines followed the new projection, shows the end.
    MitEinemBild([this] {
        SchraegbildVorgabe = true;
        Edit_SkalF_1.SetText("1");
        Edit_SkalF_2.SetText("1");
        Zentralprojektion = !Zentralprojektion;
        ZPEinAus.Caption = Zentralprojektion ? "Zentralprojektion aus" : "Zentralprojektion ein";
        CheckBox_ZP.Checked = Zentralprojektion;
        ProjektionsartZeigen();
        PanelsAnordnen();
        // The chosen plane once more, now with the oblique presets of the new kind.
        if (But_yz.Down)
            But_yzClick();
        else if (But_xy.Down)
            But_xyClick();
        else
            But_xzClick();
        SchraegbildVorgabe = false;
        ProjektionsgeradenFolgen();
        SzeneZeichnen();
    });
}

void TForm_Edits_01::ZPEinAusClick() {
    CheckBox_ZP.Checked = !CheckBox_ZP.Checked;
    CheckBox_ZPClick();
}

void TForm_Edits_01::CheckBox_ZPClick() { ZentralprojektionEinAus(); }

void TForm_Edits_01::ProjEbeneClick(Byte Ebene) {
    if (Ebene < 1 || Ebene > 3) return;
    const EbenenWahl& W = Ebenen[Ebene];
    // Undoing the rotations and setting the factors back to 1 (which resets
    // the zoom) redraw on their own; one picture of the new plane is enough.
    MitEinemBild([this, Ebene, &W] {
        // With the axes turning along, the recorded whole-scene rotations are
        // undone first.
        if (AchsenMitDrehen) BitBtn_DrehenAufhebenClick();
        // The user's click switches the automatic wall choice on; the
        // projection switch and the first activation only re-apply the plane
        // and leave the choice as it is (off at start).
        if (!SchraegbildVorgabe) GitterwaendeAutomatisch = true;
        GitterwaendeAutomatZeigen();
        if (GitterwaendeAutomatisch) GitterwaendeWaehlen(W.Ansicht);
        VorgabeEbene = Ebene;
        if (!Zentralprojektion) {
            // The direction edits may pass through a direction parallel to the
            // new plane while they are rewritten one by one.
            RichtungsMeldungAus = true;
            ProjEbeneParallel.Richtungsvektor1 = W.u;
            ProjEbeneParallel.Richtungsvektor2 = W.v;
            ProjRichtung = SchraegbildVorgabe ? W.RichtungSchraeg : W.RichtungGerade;
            Label_ProjArt.Caption = "";
            ProjStandardWerte(false);
            // Only this rewrite is silent: left set, the flag would swallow the
            // message of the user's next refused direction.
            RichtungsMeldungAus = false;
        } else {
            ProjEbeneZentral.Stuetzvektor = {0, 0, 0};
            ProjEbeneZentral.Richtungsvektor1 = W.u;
            ProjEbeneZentral.Richtungsvektor2 = W.v;
            Augpunkt = SchraegbildVorgabe ? W.AugpunktSchraeg : W.AugpunktGerade;
            ProjEbNeuZeichnenAus = true;
            ProjEbStartClick();
            ProjEbNeuZeichnenAus = false;
            ProjStandardWerte(true);
            Panel_VerschProjEb.Hint = W.HinweisVerschiebung;
        }
        ProjEbene = Ebene;
        Label15.Caption = W.Faktor1;
        Label17.Caption = W.Faktor2;
        Edit_SkalF_1.Hint = Label15.Hint = W.Hinweis1;
        Edit_SkalF_2.Hint = Label17.Hint = W.Hinweis2;
        Edit_SkalF_1.SetText("1");
        Edit_SkalF_2.SetText("1");
        ProjWinkelAnzeigen();
        // Lines projected along the old projection would stay otherwise when
        // the edits' texts did not change.
        ProjektionsgeradenFolgen();
        SzeneZeichnen();
    });
}

void TForm_Edits_01::But_xzClick() { ProjEbeneClick(1); }
void TForm_Edits_01::But_yzClick() { ProjEbeneClick(2); }
void TForm_Edits_01::But_xyClick() { ProjEbeneClick(3); }

void TForm_Edits_01::ProjStandardWerte(bool Zentral) {
    if (Zentral) {
        Edit_FPx.SetText(ZahlAllgemein(Augpunkt.x));
        Edit_FPy.SetText(ZahlAllgemein(Augpunkt.y));
        Edit_FPz.SetText(ZahlAllgemein(Augpunkt.z));
    } else {
        Edit_Projx.SetText(ZahlAllgemein(ProjRichtung.x));
        Edit_Projy.SetText(ZahlAllgemein(ProjRichtung.y));
        Edit_Projz.SetText(ZahlAllgemein(ProjRichtung.z));
    }
    if (VorgabeEbene < 1 || VorgabeEbene > 3) return;
    // The oblique preset of the plane, eye point or direction.
    const EbenenWahl& W = Ebenen[VorgabeEbene];
    const TVek_R3& v = Zentral ? W.AugpunktSchraeg : W.RichtungSchraeg;
    ButVorg1.Caption = ZahlAllgemein(v.x);
    ButVorg2.Caption = ZahlAllgemein(v.y);
    ButVorg3.Caption = ZahlAllgemein(v.z);
}

void TForm_Edits_01::ProjEbStartClick() {
    TVek_R3& S = ProjEbeneZentral.Stuetzvektor;
    Extended* k = ProjEbene == 1 ? &S.y : ProjEbene == 2 ? &S.x : ProjEbene == 3 ? &S.z : nullptr;
    if (!k) return;
    const Extended alt = *k;
    *k = 0;
    if (AugpunktInProjektionsebene()) {
        // Back before the message: a picture drawn while it is open (a
        // running rotation) must not see the eye point in the plane.
        *k = alt;
        MeldungZeigen(FluchtpunktMeldung, MeldungsArt::Warnung);
    }
    Panel_VerschProjEb.Caption = VerschiebungText(*k);
    if (!ProjEbNeuZeichnenAus) SzeneZeichnen();
}

void TForm_Edits_01::ButVorgClick(int k) {
    if (k < 1 || k > 3 || VorgabeEbene < 1 || VorgabeEbene > 3) return;
    const EbenenWahl& W = Ebenen[VorgabeEbene];
    // Only through the edit: its change action keeps the old value for the
    // case that the preset is refused (an eye point in a shifted plane).
    MitEinemBild([&] {
        if (Zentralprojektion)
            Edit_FP(k).SetText(ZahlAllgemein(Koordinate(W.AugpunktSchraeg, k)));
        else
            Edit_Proj(k).SetText(ZahlAllgemein(Koordinate(W.RichtungSchraeg, k)));
        SzeneZeichnen();
    });
}

void TForm_Edits_01::Edit_SkalFChange(int Nr) {
    TEdit& E = Nr == 1 ? Edit_SkalF_1 : Edit_SkalF_2;
    Extended& Faktor = Nr == 1 ? SkFy : SkFz;
    Label_ProjArt.Caption = "";
    const std::string text = E.Text();
    Extended z = 0;
    if (text.empty() || text == "-" || !ZahlLesen(text, z)) return;
    if (z > 0 && z <= 3) {
        Faktor = z;
        MassstabSetzen();
        SzeneZeichnen();
        return;
    }
    MeldungZeigen(FaktorMeldung);
    E.SetText(ZahlAllgemein(Faktor));
    MassstabSetzen();
    SzeneZeichnen();
    E.SetFocus();
}

void TForm_Edits_01::Edit_SkalF_1Change() { Edit_SkalFChange(1); }
void TForm_Edits_01::Edit_SkalF_2Change() { Edit_SkalFChange(2); }

void TForm_Edits_01::ProjWinkelAnzeigen() {
    // The angle at which the parallel projection draws the receding (dropped)
    // axis, against the horizontal picture axis, counter-clockwise. Found by
    // folding the receding unit vector along the direction onto the plane;
    // the sign of the dropped component decides the side.
    const TVek_R3& d = ProjRichtung;
    Extended bx = 0, by = 0, quer = 0;
    switch (ProjEbene) {
        case 1: bx = d.x; by = d.z; quer = d.y; break;
        case 2: bx = d.y; by = d.z; quer = d.x; break;
        case 3: bx = d.y; by = -d.x; quer = d.z; break;
        default: return;
    }
    Extended Grad = 0;
    // Along the picture plane the axis is not folded at all, and along the
    // axis itself it shrinks to the origin: no angle then.
    const bool Punkt = std::fabs(bx) < Toleranz && std::fabs(by) < Toleranz;
    if (std::fabs(quer) >= Toleranz && !Punkt) {
        if (quer < 0) {
            bx = -bx;
            by = -by;
        }
        Grad = std::atan2(by, bx) * BogenZuGrad;
        if (Grad < 0) Grad += 360.0L;
    }
    Label_Grad_xy.Caption = Ebenen[ProjEbene].WinkelText;
    Panel_Gradxy.Caption = ZahlFest(Grad, 7, 2);
}

void TForm_Edits_01::FormClose() {
    // With the scene turned, every recorded rotation is undone first.
    if (SzeneGedreht) AlleDrehungenRueckgaengig();
    // The scene objects and the picture are fixed instances that live as
    // long as the program: nothing is freed by hand.
    Visible = false;
}
