// The main window's ready-made projections (menu of "Proj-Art"), the views
// of the scene from six sides, and the shift of the central picture plane.

#include <cstring>
#include <string>

#include "geometry/Eingabe.h"
#include "forms/Hauptfenster.h"
#include "mainwindow/Projektionshilfen.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/Ansicht.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"
#include "view3d/Zeichnen.h"

namespace {

constexpr int SchrittIntervall = 80;  // ms between two shifts while held

// The cavalier projections: texts of the direction edits and of SkFy.
struct Kavalier {
    const char* y;
    const char* z;
    const char* Faktor;
};
constexpr Kavalier Kavaliere[4] = {{}, {"-0,5", "0,5", "0,5"}, {"0,5", "0,5", "2"}, {"0,300221", "0,52", "0,6667"}};

// The views: grid walls, the rotation angle and the rotation button (code of
// But_GesamtDrehen; 0 none).
struct Ansicht {
    const char* Caption;
    const char* Winkel;
    int Knopf;
};
constexpr Ansicht Ansichten[7] = {
    {},
    {"x, z-Ebene (Ansicht von vorne)", nullptr, 0},
    {"x, z-Ebene (Ansicht von hinten)", "180", 6},
    {"x, y-Ebene (Ansicht von oben)", "90", 2},
    {"x, y-Ebene (Ansicht von unten)", "90", 1},
    {"y, z-Ebene (Ansicht von rechts)", "90", 5},
    {"y, z-Ebene (Ansicht von links)", "90", 6},
};

// At most n characters of an angle text. A number too long is written
// shorter, never cut: "0,000000000012" cut to 12 would read 0.
std::string Hoechstens(const std::string& s, std::size_t n) {
    if (s.size() <= n) return s;
    Extended v;
    if (ZelleLesen(s, v))
        for (int p = 15; p >= 1; --p) {
            std::string t = ZahlAllgemein(v, p);
            if (t.size() <= n) return t;
        }
    std::size_t m = n;
    while (m > 0 && (static_cast<unsigned char>(s[m]) & 0xC0) == 0x80) --m;  // not inside a character
    return s.substr(0, m);
}

}  // namespace

void TForm_Edits_01::AnsichtenAnlegen() {
    KavaProj_2.OnClick = [this] { KavaProjClick(1); };
    KavaProj_3.OnClick = [this] { KavaProjClick(2); };
    KavaProj_4.OnClick = [this] { KavaProjClick(3); };
    Grundriss1.OnClick = [this] { Grundriss1Click(); };
    Kreuzriss1.OnClick = [this] { Kreuzriss1Click(); };
    Aufriss1.OnClick = [this] { Aufriss1Click(); };
    ProjEbMin.OnMouseDown = [this] { ProjEbMinMouseDown(); };
    ProjEbPlus.OnMouseDown = [this] { ProjEbPlusMouseDown(); };
    ProjEbMin.OnMouseUp = ProjEbPlus.OnMouseUp = [this] { ProjEbMouseUp(); };
    Timer6.OnTimer = [this] { Timer6Timer(); };
    ComboBox1.OnChange = [this] { ComboBox1Change(); };
    VerschProjEbEinst.OnClick = [this] { VerschProjEbEinstClick(); };
    But_VerschProjEb.OnClick = [this] { But_VerschProjEbClick(); };
    for (int nr = 1; nr <= 6; ++nr) {
        AnsichtMenue(nr).Caption = Ansichten[nr].Caption;
        AnsichtMenue(nr).OnClick = [this, nr] { AnsichtClick(nr); };
    }
}

// ---- Ready-made projections -------------------------------------------------------

void TForm_Edits_01::KavaProjClick(int n) {
    if (n < 1 || n > 3) return;
    const Kavalier& K = Kavaliere[n];
    MitEinemBild([&] {
        But_yz.Down = true;
        But_xz.Down = But_xy.Down = false;
        But_yzClick();
        // Each text runs its edit's change action: validation, factor, redraw.
        Edit_Projx.SetText("-1");
        Edit_Projy.SetText(K.y);
        Edit_Projz.SetText(K.z);
        Edit_SkalF_1.SetText(K.Faktor);
        Edit_SkalF_2.SetText("1");
    });
    Label_ProjArt.Caption = "Kav. " + std::to_string(n);
}

void TForm_Edits_01::Grundriss1Click() {
    But_xyClick();
    But_xy.Down = true;
    But_xz.Down = But_yz.Down = false;
    Label_ProjArt.Caption = "Grundr.";
}

void TForm_Edits_01::Kreuzriss1Click() {
    But_yzClick();
    But_yz.Down = true;
    But_xz.Down = But_xy.Down = false;
    Label_ProjArt.Caption = "Kreuzr.";
}

void TForm_Edits_01::Aufriss1Click() {
    But_xzClick();
    But_xz.Down = true;
    But_yz.Down = But_xy.Down = false;
    Label_ProjArt.Caption = "Aufr.";
}

// ---- Shift of the central picture plane ----------------------------------------------

void TForm_Edits_01::ProjEbMinMouseDown() {
    ProjEbNachVorne = true;
    Timer6.Interval = SchrittIntervall;
    Wiederholung6.Druecken();
    ProjEbSchritt();
}

void TForm_Edits_01::ProjEbPlusMouseDown() {
    ProjEbNachVorne = false;
    Timer6.Interval = SchrittIntervall;
    Wiederholung6.Druecken();
    ProjEbSchritt();
}

void TForm_Edits_01::ProjEbMouseUp() {
    Timer6.Interval = 0;
    Wiederholung6.Loslassen();
}

void TForm_Edits_01::Timer6Timer() {
    if (Timer6.Laeuft() && Wiederholung6.Tick(Timer6.Interval)) ProjEbSchritt();
}

void TForm_Edits_01::ProjEbSchritt() {
    const int a = WeggelasseneAchse(ProjEbene);
    if (!Timer6.Laeuft() || a == 0) return;
    Extended& k = Koordinate(ProjEbeneZentral.Stuetzvektor, a);
    const Extended alt = k;
    // The plane lies in the projection's mirrored frame: "-" lowers the
    // scene coordinate that the panel shows, so the frame's grows.
    k += ProjEbNachVorne ? VerschProjEb : -static_cast<Extended>(VerschProjEb);
    if (AugpunktInProjektionsebene()) {
        k = alt;
        Timer6.Interval = 0;
        MeldungZeigen(FluchtpunktMeldung, MeldungsArt::Warnung);
    }
    Panel_VerschProjEb.Caption = VerschiebungText(k);
    SzeneZeichnen();
}

void TForm_Edits_01::ComboBox1Change() {
    const int i = ComboBox1.ItemIndex;
    Extended v;
    if (i < 0 || i >= static_cast<int>(ComboBox1.Items.size()) || !ZelleLesen(ComboBox1.Items[i], v)) return;
    const std::string& s = ComboBox1.Items[static_cast<std::size_t>(i)];
    VerschProjEb = static_cast<Byte>(v);
    ComboBox1.Visible = false;
    VerschProjEbEinst.Caption =
        "VerschProjEb (verschiebt die Projektionsebene in y-Richtung) einstellen (akt.: VerschProjEb = " + s + ")";
    But_VerschProjEb.Caption = s;
}

void TForm_Edits_01::VerschProjEbEinstClick() {
    // Below the top edge of the left panel (of the picture while it is hidden).
    const TControl& links = Panel_links.Visible ? static_cast<const TControl&>(Panel_links) : PaintBox1;
    ComboBox1.Left = links.Left + 4;
    ComboBox1.Top = links.Top + 4;
    ComboBox1.Visible = true;
    ComboBox1.SetFocus();
}

void TForm_Edits_01::But_VerschProjEbClick() {
    // Left of the right panel, level with the button.
    ComboBox1.Left = Panel_rechts.Left - ComboBox1.Width - 2;
    ComboBox1.Top = Panel_rechts.Top + But_VerschProjEb.Top;
    ComboBox1.Visible = true;
    ComboBox1.SetFocus();
}

// ---- Views ---------------------------------------------------------------------------

void TForm_Edits_01::ProjEbenenWahlZuruecksetzen() {
    DrehwinkelText = Hoechstens(Edit_Drehwinkel.Text(), 12);
    for (int nr = 1; nr <= 6; ++nr) AnsichtMenue(nr).Checked = false;
}

void TForm_Edits_01::AnsichtClick(int Nr) {
    if (Nr < 1 || Nr > 6) return;
    const Ansicht& A = Ansichten[Nr];
    MitEinemBild([&] {
        BitBtn_DrehenAufhebenClick();
        // Every view looks along the y axis: onto the x,z-plane. From another
        // picture plane the eye point would land in it, or the direction
        // run parallel to it.
        if (ProjEbene != 1) {
            // Not the user's click: the automatic wall choice stays as it is.
            const bool automatisch = GitterwaendeAutomatisch;
            But_xz.Down = true;
            But_yz.Down = But_xy.Down = false;
            But_xzClick();
            GitterwaendeAutomatisch = automatisch;
            GitterwaendeAutomatZeigen();
        }
        if (GitterwaendeAutomatisch) GitterwaendeWaehlen(static_cast<Byte>(Nr));
        ProjEbenenWahlZuruecksetzen();
        const std::string Winkel = DrehwinkelText;
        // The view along the y axis. The edits' change actions save the
        // angle text once more; the saved one is the user's, and the
        // item's tick comes after them.
        TEdit& x = Zentralprojektion ? Edit_FPx : Edit_Projx;
        TEdit& z = Zentralprojektion ? Edit_FPz : Edit_Projz;
        x.SetText("0");
        z.SetText("0");
        DrehwinkelText = Winkel;
        AnsichtMenue(Nr).Checked = true;
        if (A.Knopf != 0) {
            if (DauerDrehen) DauerDrehungEinAus();
            Edit_Drehwinkel.SetText(A.Winkel);
            if (!AchsenMitDrehen) But_drehenMit_OhneAchsenClick();
            But_GesamtDrehenClick(A.Knopf);
        }
        SzeneZeichnen();
        Edit_Drehwinkel.SetText(DrehwinkelText);
    });
}
