// The main window's edits of the eye point and of the projection direction,
// the key filters of those and of the factor edits, and the step buttons
// that step on the press and repeat the step while they are held.

#include <cmath>

#include "geometry/Eingabe.h"
#include "forms/Hauptfenster.h"
#include "mainwindow/Projektionshilfen.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/Ansicht.h"
#include "view3d/Zeichnen.h"

namespace {

constexpr int SchrittIntervall = 80;  // ms between two steps of a held button

bool Ziffer(char k) { return k >= '0' && k <= '9'; }

// A step of the direction lands on the 1e-9 grid: repeated steps of 0.01
// would otherwise carry binary rest digits into the edit ("1E-18" for 0).
Extended AufRaster(Extended v) { return std::round(v * 1e9L) / 1e9L; }

}  // namespace

void TForm_Edits_01::ProjektionseingabenAnlegen() {
    for (int k = 1; k <= 3; ++k) {
        Edit_FP(k).OnChange = [this, k] { Edit_FPChange(k); };
        Edit_Proj(k).OnChange = [this, k] { Edit_ProjChange(k); };
    }
    for (Byte t = 1; t <= 6; ++t) {
        TSpeedButton& fp = ButFP(t);
        fp.Caption = t % 2 == 1 ? "+" : "-";
        fp.OnMouseDown = [this, t] { ButFPMouseDown(t); };
        fp.OnMouseUp = [this] { ButFPMouseUp(); };
        TSpeedButton& r = ButProjRicht(t);
        r.Caption = fp.Caption;
        r.OnMouseDown = [this, t] { ButProjRichtMouseDown(t); };
        r.OnMouseUp = [this] { ButProjRichtMouseUp(); };
    }
    Timer4.OnTimer = [this] { Timer4Timer(); };
    Timer5.OnTimer = [this] { Timer5Timer(); };
    ButVorg1.OnClick = [this] { ButVorgClick(1); };
    ButVorg2.OnClick = [this] { ButVorgClick(2); };
    ButVorg3.OnClick = [this] { ButVorgClick(3); };
}

// ---- Eye point ------------------------------------------------------------------

void TForm_Edits_01::Edit_FPChange(int k) {
    if (k < 1 || k > 3) return;
    Extended v;
    // Unfinished or no number: nothing changes, no message.
    if (!ZelleLesen(Edit_FP(k).Text(), v)) return;
    Extended& c = Koordinate(Augpunkt, k);
    const Extended alt = c;
    c = v;
    if (AugpunktInProjektionsebene()) {
        // Back at once: nothing may draw from this eye point, not even while
        // the message is open.
        c = alt;
        Timer4.Interval = 0;
        MeldungZeigen(FluchtpunktMeldung, MeldungsArt::Warnung);
        Edit_FP(k).SetText(ZahlAllgemein(alt));
        return;
    }
    ProjEbenenWahlZuruecksetzen();
    ProjektionsgeradenFolgen();
    SzeneZeichnen();
}

void TForm_Edits_01::Edit_FPExit(int k) {
    if (k >= 1 && k <= 3) EditZahlPruefen(Edit_FP(k), 3000);
}

void TForm_Edits_01::Edit_FPKeyPress(char& Key) {
    if (!Ziffer(Key) && Key != '-' && Key != '\b') Key = 0;
}

// ---- Direction -----------------------------------------------------------------

void TForm_Edits_01::Edit_ProjChange(int k) {
    if (k < 1 || k > 3) return;
    Label_ProjArt.Caption = "";
    Extended v;
    if (!ZelleLesen(Edit_Proj(k).Text(), v)) return;
    Extended& c = Koordinate(ProjRichtung, k);
    const Extended alt = c;
    c = v;
    const TVek_R3& d = ProjRichtung;
    const bool Null = std::fabs(d.x) < Toleranz && std::fabs(d.y) < Toleranz && std::fabs(d.z) < Toleranz;
    // Each edit tests its own component against the plane that drops it.
    const bool Parallel = WeggelasseneAchse(ProjEbene) == k && std::fabs(c) < Toleranz;
    if (Null || Parallel) {
        c = alt;
        Timer5.Interval = 0;
        Edit_Proj(k).SetText(ZahlAllgemein(alt));
        if (!RichtungsMeldungAus) MeldungZeigen(RichtungsMeldung);
        RichtungsMeldungAus = false;
        return;
    }
    ProjEbenenWahlZuruecksetzen();
    ProjWinkelAnzeigen();
    ProjektionsgeradenFolgen();
    SzeneZeichnen();
}

void TForm_Edits_01::Edit_ProjExit(int k) {
    if (k >= 1 && k <= 3) EditZahlPruefen(Edit_Proj(k), 3);
}

void TForm_Edits_01::Edit_ProjKeyPress(char& Key) {
    if (Key == '.') Key = ',';
    if (!Ziffer(Key) && Key != ',' && Key != '-' && Key != '\b') Key = 0;
}

void TForm_Edits_01::Edit_SkalFKeyPress(char& Key) {
    if (Key == '.') Key = ',';
    if (!Ziffer(Key) && Key != ',' && Key != '\b') Key = 0;
}

// ---- Step buttons ----------------------------------------------------------------

void TForm_Edits_01::ButFPMouseDown(Byte Taste) {
    FPTaste = Taste;
    Timer4.Interval = SchrittIntervall;
    Wiederholung4.Druecken();
    // The first step at once: a refused one stops the timer again.
    AugpunktSchritt();
}

void TForm_Edits_01::ButFPMouseUp() {
    Timer4.Interval = 0;
    Wiederholung4.Loslassen();
}

void TForm_Edits_01::Timer4Timer() {
    // A tick that was on its way when the timer stopped (a refused step)
    // must not repeat the step.
    if (Timer4.Laeuft() && Wiederholung4.Tick(Timer4.Interval)) AugpunktSchritt();
}

void TForm_Edits_01::AugpunktSchritt() {
    if (!Timer4.Laeuft() || FPTaste < 1 || FPTaste > 6) return;
    const int k = (FPTaste + 1) / 2;
    const Extended d = FPTaste % 2 == 1 ? 1 : -1;
    Edit_FP(k).SetText(ZahlAllgemein(Koordinate(Augpunkt, k) + d));
}

void TForm_Edits_01::ButProjRichtMouseDown(Byte Taste) {
    ProjRichtTaste = Taste;
    Timer5.Interval = SchrittIntervall;
    Wiederholung5.Druecken();
    ProjRichtSchritt();
}

void TForm_Edits_01::ButProjRichtMouseUp() {
    Timer5.Interval = 0;
    Wiederholung5.Loslassen();
}

void TForm_Edits_01::Timer5Timer() {
    if (Timer5.Laeuft() && Wiederholung5.Tick(Timer5.Interval)) ProjRichtSchritt();
}

void TForm_Edits_01::ProjRichtSchritt() {
    if (!Timer5.Laeuft() || ProjRichtTaste < 1 || ProjRichtTaste > 6) return;
    const int k = (ProjRichtTaste + 1) / 2;
    const Extended d = ProjRichtTaste % 2 == 1 ? 0.01L : -0.01L;
    MitEinemBild([&] {
        Edit_Proj(k).SetText(ZahlAllgemein(AufRaster(Koordinate(ProjRichtung, k) + d)));
        SzeneZeichnen();
    });
}
