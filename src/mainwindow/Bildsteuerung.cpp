// The main window's controls of the picture's place and size: the shift
// buttons, the "V" switch, the axis length, the left panel's switch and the
// automatic choice of the grid walls.

#include "control/DatenInDialoge.h"
#include "forms/Gitter.h"
#include "forms/Hauptfenster.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Ansicht.h"
#include "view3d/Projektion.h"
#include "view3d/Szene.h"
#include "view3d/Zeichnen.h"

namespace {

constexpr int KlickSchritt = 10;   // pixels per click of a shift button
constexpr int HalteSchritt = 3;    // pixels per tick of Timer2 while one is held
constexpr int HalteIntervall = 10;  // ms

// Taste 1 right, 2 left, 3 up, 4 down (picture y points upward).
void Verschieben(Byte Taste, int Schritt) {
    if (Taste < 1 || Taste > 4) return;
    BildVerschieben(Taste % 2 == 1 ? Schritt : -Schritt, Taste <= 2);
}

}  // namespace

void TForm_Edits_01::BildsteuerungAnlegen() {
    for (Byte t = 1; t <= 4; ++t) {
        TButton& b = BitBtn_V(t);
        // No OnClick: every click of the button presses it first (also a
        // click by the keyboard or by accessibility), and the press makes
        // the click's step.
        b.OnMouseDown = [this, t] { BitBtn_VMouseDown(t); };
        b.OnMouseUp = [this] { BitBtn_VMouseUp(); };
    }
    Timer2.OnTimer = [this] { Timer2Timer(); };
    SpeedButton1.OnClick = [this] { SpeedButton1Click(); };
    But_SchnittAngabenEinAus.OnClick = [this] { But_SchnittAngabenEinAusClick(); };
    ScrollBar4.OnChange = [this] { ScrollBar4Change(); };
    GitterwaendeAutomatEinAus.OnClick = [this] { GitterwaendeAutomatEinAusClick(); };
    GitterwaendeAutomatZeigen();
}

void TForm_Edits_01::BitBtn_VClick(Byte Taste) { Verschieben(Taste, KlickSchritt); }

void TForm_Edits_01::BitBtn_VMouseDown(Byte Taste) {
    VerschiebeTaste = Taste;
    Timer2.Interval = HalteIntervall;
    Timer2.Enabled = true;
    Wiederholung2.Druecken();
    BitBtn_VClick(Taste);
}

void TForm_Edits_01::BitBtn_VMouseUp() {
    Timer2.Enabled = false;
    Wiederholung2.Loslassen();
}

void TForm_Edits_01::Timer2Timer() {
    if (Timer2.Laeuft() && Wiederholung2.Tick(Timer2.Interval)) Verschieben(VerschiebeTaste, HalteSchritt);
}

void TForm_Edits_01::SpeedButton1Click() {
    AugpunktMitte = !AugpunktMitte;
    SzeneZeichnen();
}

void TForm_Edits_01::But_SchnittAngabenEinAusClick() {
    Panel_links.Visible = !Panel_links.Visible;
    But_SchnittAngabenEinAus.Down = Panel_links.Visible;
    // The picture takes the freed room; its scale stays.
    KomponentenAusrichten();
    PanelsAnordnen();
    Zeichenbitmap().GroesseSetzen(PaintBox1.Width, PaintBox1.Height);
    UrsprungBildBerechnen();
    SzeneZeichnen();
}

void TForm_Edits_01::ScrollBar4Change() {
    AchsenHalbLaenge = ScrollBar4.Position();
    // The axes, the cube, the drawn pieces of the lines and the planes'
    // squares all follow the axis length: the whole scene anew, from the
    // numbers it holds, not from the texts that show them.
    {
        const GespeicherteZellwerte genau;
        SzenenwerteNotieren();
        SzeneNeuBerechnen();
    }
    SzeneZeichnen();
}

void TForm_Edits_01::GitterwaendeAutomatEinAusClick() {
    GitterwaendeAutomatisch = !GitterwaendeAutomatisch;
    GitterwaendeAutomatZeigen();
}

void TForm_Edits_01::GitterwaendeAutomatZeigen() {
    GitterwaendeAutomatEinAus.Caption = std::string("automat. Einblenden von 3 Wänden des Achsen-Würfels    ") +
                                        (GitterwaendeAutomatisch ? "aus" : "ein");
}
