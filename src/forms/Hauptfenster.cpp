#include "forms/Hauptfenster.h"

#include "scene/Objekte.h"

namespace {

const char* const ObjektNamen[ObjektAnzahl] = {
    "g",  "h",  "t",  "E1", "E2", "SP1", "SP2", "SP3", "SP4", "V1", "V2", "V3", "V4", "S1", "S2",
    "S3", "S4", "P1", "P2", "P3", "P4",  "K1",  "K2",  "K3",  "K4", "Ke1", "Ke2", "Ke3", "Ke4", "F"};

// Captions of the rotate switches differ from the object names in two places.
const char* const DrehKnopfTexte[ObjektAnzahl] = {
    "g",  "h",  "t",  "E1", "E2", "Sp1", "Sp2", "SP3", "SP4", "V1", "V2", "V3", "V4", "S1", "S2",
    "S3", "S4", "P1", "P2", "P3", "P4",  "K1",  "K2",  "K3",  "K4", "Ke1", "Ke2", "Ke3", "Ke4", "F"};

// Object Nr as the buttons' tips name it.
std::string ObjektImHinweis(int Nr) {
    if (Nr <= 5) return ObjektNamen[Nr - 1];
    if (Nr == 30) return "Das Fadenkreuz";
    static const char* const Arten[] = {"Spat", "Vektor", "Strecke", "Punkt", "Kugel", "Kegel"};
    const int k = (Nr - 6) / 4;
    return std::string(Arten[k]) + " " + std::to_string((Nr - 6) % 4 + 1);
}

std::string DrehKnopfHinweis(int Nr) { return ObjektImHinweis(Nr) + " beim Drehen ohne Achsen mitdrehen/ nicht mitdrehen"; }

std::string SichtbKnopfHinweis(int Nr) { return ObjektImHinweis(Nr) + " zeigen/ nicht zeigen"; }

void MenuePunkt(TMenuItem& m, const char* text, const char* kurz = "") {
    m.Caption = text;
    m.ShortCut = kurz;
}

}  // namespace

TForm_Edits_01::TForm_Edits_01() {
    Caption = "Raumgeometrie";
    ClientWidth = 1024;
    ClientHeight = 740;

    Panel_rechts.Width = 200;
    Panel_rechts.Height = ClientHeight;
    Panel_rechts.Left = ClientWidth - Panel_rechts.Width;
    Panel_links.Width = 170;
    Panel_links.Height = ClientHeight;
    Panel_oben.Height = 34;
    Panel_oben.Width = ClientWidth - Panel_rechts.Width;
    Panel_oben_a.Height = 30;
    Panel_oben_a.Top = Panel_oben.Height;
    Panel_oben_a.Width = Panel_oben.Width;
    PaintBox1.Width = ClientWidth - Panel_rechts.Width;
    PaintBox1.Height = ClientHeight;

    for (int i = 1; i <= ObjektAnzahl; ++i) {
        TSpeedButton& s = But_sichtb(i);
        s.Caption = ObjektNamen[i - 1];
        s.GroupIndex = i;          // each button a toggle of its own
        s.AllowAllUp = true;
        s.Hint = SichtbKnopfHinweis(i);
        TSpeedButton& d = But_Drehen(i);
        d.Caption = DrehKnopfTexte[i - 1];
        d.GroupIndex = 30 + i;
        d.AllowAllUp = true;
        d.Hint = DrehKnopfHinweis(i);
    }
    // Only g and E2 are shown in the first picture.
    But_sichtb_g.Down = true;
    But_sichtb_E2.Down = true;

    Edit_FPx.SetTextStill("40");
    Edit_FPy.SetTextStill("80");
    Edit_FPz.SetTextStill("30");
    Edit_Projx.SetTextStill("0,8");
    Edit_Projy.SetTextStill("1");
    Edit_Projz.SetTextStill("0,5");
    Edit_SkalF_1.SetTextStill("1");
    Edit_SkalF_2.SetTextStill("1");
    Panel_VerschProjEb.Caption = "0";
    CheckBox_ZP.Caption = "Zentralproj.";
    CheckBox_ZP.Checked = true;
    But_xz.Caption = "xz";
    But_yz.Caption = "yz";
    But_xy.Caption = "xy";
    for (TSpeedButton* b : {&But_xz, &But_yz, &But_xy}) b->GroupIndex = 90;
    But_xz.Down = true;
    ProjEbMin.Caption = "-";
    ProjEbPlus.Caption = "+";
    ProjEbStart.Caption = "0";
    ProjEbStart.Hint = "Die Projektionsebene wieder durch den Ursprung legen";
    But_ProjArt.Caption = "Proj-Art";
    ComboBox1.Items = {"1", "2", "5", "10", "20", "50", "100"};
    ComboBox1.ItemIndex = 0;
    ComboBox1.Text = "1";
    ComboBox1.Visible = false;
    ComboBox1.Width = 60;
    ComboBox1.Height = 22;
    But_VerschProjEb.Caption = "1";
    But_VerschProjEb.Hint = "Schrittweite der Verschiebung der Projektionsebene";
    for (TTimer* t : {&Timer4, &Timer5, &Timer6}) t->Interval = 0;
    SpeedButton1.Caption = "V";
    SpeedButton1.GroupIndex = 91;
    SpeedButton1.AllowAllUp = true;
    SpeedButton1.Hint = "Gleicht die seitliche Verschiebung des Bildes bei Änderung der Proj.-Ebene aus";

    Timer2.Interval = 10;
    Timer2.Enabled = false;
    BitBtn_VR.Hint = "Bild nach rechts verschieben";
    BitBtn_VL.Hint = "Bild nach links verschieben";
    BitBtn_VO.Hint = "Bild nach oben verschieben";
    BitBtn_VU.Hint = "Bild nach unten verschieben";
    ScrollBar4.Min = 2;
    ScrollBar4.Max = 40;
    ScrollBar4.SmallChange = 1;
    ScrollBar4.LargeChange = 2;
    ScrollBar4.SetPositionStill(8);
    ScrollBar4.Hint = "Länge der Koordinatenachsen";
    ScrollBar2.Hint = "Vergrößerung des Bildes";
    ScrollBar2.Min = 10;
    ScrollBar2.Max = 400;
    ScrollBar2.LargeChange = 10;
    ScrollBar2.SetPositionStill(100);
    Panel_ZoomFaktAnz.Caption = "1";
    But_vdL.GroupIndex = 92;
    But_vdL.AllowAllUp = true;
    But_SchnittAngabenEinAus.GroupIndex = 93;
    But_SchnittAngabenEinAus.AllowAllUp = true;
    But_SchnittAngabenEinAus.Down = true;
    But_SchnittAngabenEinAus.Caption = "Schnittangaben";
    But_SchnittAngabenEinAus.Hint = "Die Angaben zu den Schnitten links ein-/ ausblenden";
    But_Back.Caption = "Ansicht zurück";
    But_Back.Hint = "Ansicht zurücksetzen und alle Konstruktionsschritte zurücknehmen";
    BitBtn1.Caption = "Alles zurück";
    BitBtn1.Hint = "Wie 'Ansicht zurück'; zudem wird die Liste der Drehungen gelöscht";

    BitBtn_BackObj.Hint = "Einen Konstruktionsschritt zurücknehmen";
    BitBtn_RebackObj.Hint = "Den letzten zurückgenommenen Konstruktionsschritt wieder ausführen";
    BitBtn_DatenNachSpeich.Caption = "Speich.";
    BitBtn_DatenNachSpeich.Hint = "Die akt. Objektdaten werden in den Objekt-Speicher übernommen";
    BitBtn_DatenAusSpeich.Caption = "Speich.";
    BitBtn_DatenAusSpeich.Hint =
        "Die Daten der Objekte aus dem Objekt-Speicher werden auf alle Objekte übertragen";
    Button1.Visible = false;
    Button2.Visible = false;

    Timer1.Interval = 0;
    ScrollBar1.Min = -360;
    ScrollBar1.Max = 360;
    ScrollBar1.SmallChange = 1;
    ScrollBar1.LargeChange = 10;
    ScrollBar1.SetPositionStill(1);
    ScrollBar1.Hint = "Klick auf die Pfeile: -1° bzw + 1°; Klick in den Freiraum: -10° bzw. + 10°";
    ScrollBar3.Min = 1;
    ScrollBar3.Max = 3000;
    ScrollBar3.LargeChange = 100;
    ScrollBar3.SetPositionStill(20);
    Edit_Drehwinkel.SetTextStill("1,0000");
    Panel_AnzDreh.Caption = "0";
    Panel_AnzDreh.Hint = "Anzahl der Drehungen, deren Matrix angezeigt wird";
    struct { TSpeedButton* b; const char* text; const char* hinweis; } drehknoepfe[] = {
        {&But_GesamtDrehenXmin, "x-", "Drehung um die x-Achse gegen die eingestellte Drehrichtung durch den Drehwinkel"},
        {&But_GesamtDrehenXplus, "x+", "Drehung um die x-Achse in die eingestellte Drehrichtung durch den Drehwinkel"},
        {&But_GesamtDrehenYmin, "y-", "Drehung um die y-Achse gegen die eingestellte Drehrichtung durch den Drehwinkel"},
        {&But_GesamtDrehenYplus, "y+", "Drehung um die y-Achse in die eingestellte Drehrichtung durch den Drehwinkel"},
        {&But_GesamtDrehenZmin, "z-", "Drehung um die z-Achse gegen die eingestellte Drehrichtung durch den Drehwinkel"},
        {&But_GesamtDrehenZplus, "z+", "Drehung um die z-Achse in die eingestellte Drehrichtung durch den Drehwinkel"},
        {&But_GesamtDrehenUmAchse, "Achse", ""},
    };
    for (auto& k : drehknoepfe) {
        k.b->Caption = k.text;
        k.b->Hint = k.hinweis;
        k.b->GroupIndex = 101;
        k.b->AllowAllUp = true;
    }
    But_DauerDrehungEinAus.Caption = "Dauerdrehen";
    But_DauerDrehungEinAus.GroupIndex = 150;
    But_DauerDrehungEinAus.AllowAllUp = true;
    But_DauerDrehungEinAus.Hint =
        "Bei 'Dauerdrehen ein' werden alle Drehungen erst durch erneutees Anklicken gestoppt.";
    But_drehenMit_OhneAchsen.Caption = "mit Achsen";
    But_drehenMit_OhneAchsen.Hint = "Das Mitdrehen der Achsen ein-/ ausschalten";
    BitBtn_DrehenAufheben.Hint =
        "Stoppt die laufende Drehung und setzt die Anzahl der bisherigen Drehungen auf '0'";
    BitBtn_EinstDrhAchse.Caption = "Einstell.  Achse";
    But_DrehWinkAuf1.Caption = "1";
    But_DrehWinkAuf1.Hint = "setzt den Drehwinkel auf 1°";
    But_DrhStr.Caption = "Drehstrecken";
    But_DrhStr.GroupIndex = 151;
    But_DrhStr.AllowAllUp = true;
    But_DrhStr.Down = true;
    But_DrhStr.Hint =
        "Das Ein- u. Ausblenden der Drehstrecken wird nur wirksam bei 'Drehen ohne Achsen'!";
    AlleDrehEin.Caption = "alle drehen";
    AlleDrehEin.GroupIndex = 152;
    AlleDrehEin.AllowAllUp = true;
    AlleDrehEin.Hint = "Alle Objekte beim Drehen ohne Achsen drehen";
    AlleDrehAus.Caption = "alle aus";
    AlleDrehAus.GroupIndex = 153;
    AlleDrehAus.AllowAllUp = true;
    AlleDrehAus.Hint = "Alle Objekte beim Drehen ohne Achsen auch nicht drehen";
    AlleDrehAus.Down = true;   // all 30 rotate switches start up
    RadioGroup_Animationen.Caption = "Animationen";
    RadioGroup_Animationen.Items = {"g-h", "E1-E2"};

    MenuePunkt(ZPEinAus, "Zentralprojektion ein");
    MenuePunkt(vdL, "verdeckte Linien beachten   ein");
    MenuePunkt(FarbSet1, "Farbset 1 (Startfarbset)", "F2");
    MenuePunkt(Farbset2, "Farbset 2", "F3");
    MenuePunkt(Farbset3, "Farbset 3", "F4");
    MenuePunkt(Farbset4, "Farbset 4", "F5");
    MenuePunkt(Farbset5, "Farbset 5", "F6");
    FarbSet1.Checked = true;
    MenuePunkt(rckgngig1, "&rückgängig", "Strg+Z");
    MenuePunkt(widerrufen1, "&widerrufen", "Strg+Umschalt+Z");
    MenuePunkt(ObjektDatensatz1Vorgabeladen1, "Objektdatensatz1 (Vorgabe) laden");
    MenuePunkt(aktuellesFarbsetspeichern1, "aktuelles Farbset in Datei speichern");
    MenuePunkt(Farbsetladen1, "Farbset aus Datei laden");
    MenuePunkt(aktuelleObjektdatenspeichern1, "aktuelle Objektdaten in Datei speichern");
    MenuePunkt(Objektdatenladen1, "Objektdaten aus Datei laden");
    MenuePunkt(AchsmitObjdreh, "Achsen mit Objekten drehen", "Strg+A");
    MenuePunkt(Drehstrein, "Drehstrecke aus", "Strg+D");
    MenuePunkt(DrStrEinst, "Drehstrecke einstellen");
    MenuePunkt(AchsenwerteEinAus, "Achsenwerte ein");
    MenuePunkt(ParamDarstellungEinAus, "Param.-Darstell. einblenden");
    MenuePunkt(GitterwaendeAutomatEinAus, "automat. Einblenden von 3 Wänden des Achsen-Würfels    ein");
    MenuePunkt(DrehMatrizenEinAusMenue, "Dreh-Matrizen einblenden");
    MenuePunkt(VerschProjEbEinst,
               "VerschProjEb (verschiebt die Projektionsebene in y-Richtung) einstellen (akt.: VerschProjEb = 1)");
    MenuePunkt(KavaProj_2, "Kavalierprojektion 1");
    MenuePunkt(KavaProj_3, "Kavalierprojektion 2");
    MenuePunkt(KavaProj_4, "Kavalierprojektion 3");
    MenuePunkt(Grundriss1, "Grundriss");
    MenuePunkt(Kreuzriss1, "Kreuzriss");
    MenuePunkt(Aufriss1, "Aufriss");
}

TSpeedButton& TForm_Edits_01::But_sichtb(int Nr) {
    assert(Nr >= 1 && Nr <= ObjektAnzahl);
    return this->*SichtbKnoepfe[Nr - 1];
}

TPanel& TForm_Edits_01::Pan_Farbe(int Nr) {
    assert(Nr >= 1 && Nr <= ObjektAnzahl);
    return this->*FarbPanels[Nr - 1];
}

TSpeedButton& TForm_Edits_01::But_Drehen(int Nr) {
    assert(Nr >= 1 && Nr <= ObjektAnzahl);
    return this->*DrehKnoepfe[Nr - 1];
}

TSpeedButton& TForm_Edits_01::But_GesamtDrehen(int Code) {
    static constexpr TSpeedButton TForm_Edits_01::*Knoepfe[7] = {
        &TForm_Edits_01::But_GesamtDrehenXmin, &TForm_Edits_01::But_GesamtDrehenXplus,
        &TForm_Edits_01::But_GesamtDrehenYmin, &TForm_Edits_01::But_GesamtDrehenYplus,
        &TForm_Edits_01::But_GesamtDrehenZmin, &TForm_Edits_01::But_GesamtDrehenZplus,
        &TForm_Edits_01::But_GesamtDrehenUmAchse};
    assert(Code >= 1 && Code <= 7);
    return this->*Knoepfe[Code - 1];
}

TEdit& TForm_Edits_01::Edit_FP(int k) {
    assert(k >= 1 && k <= 3);
    return k == 1 ? Edit_FPx : k == 2 ? Edit_FPy : Edit_FPz;
}

TEdit& TForm_Edits_01::Edit_Proj(int k) {
    assert(k >= 1 && k <= 3);
    return k == 1 ? Edit_Projx : k == 2 ? Edit_Projy : Edit_Projz;
}

TSpeedButton& TForm_Edits_01::ButFP(Byte Taste) {
    static constexpr TSpeedButton TForm_Edits_01::*Knoepfe[6] = {
        &TForm_Edits_01::ButFPxPl, &TForm_Edits_01::ButFPxMin, &TForm_Edits_01::ButFPyPl,
        &TForm_Edits_01::ButFPyMin, &TForm_Edits_01::ButFPzPl, &TForm_Edits_01::ButFPzMin};
    assert(Taste >= 1 && Taste <= 6);
    return this->*Knoepfe[Taste - 1];
}

TSpeedButton& TForm_Edits_01::ButProjRicht(Byte Taste) {
    static constexpr TSpeedButton TForm_Edits_01::*Knoepfe[6] = {
        &TForm_Edits_01::ButProjRichtxPl, &TForm_Edits_01::ButProjRichtxMin, &TForm_Edits_01::ButProjRichtyPl,
        &TForm_Edits_01::ButProjRichtyMin, &TForm_Edits_01::ButProjRichtzPl, &TForm_Edits_01::ButProjRichtzMin};
    assert(Taste >= 1 && Taste <= 6);
    return this->*Knoepfe[Taste - 1];
}

TMenuItem& TForm_Edits_01::AnsichtMenue(int Nr) {
    static constexpr TMenuItem TForm_Edits_01::*Punkte[6] = {
        &TForm_Edits_01::xzEbv, &TForm_Edits_01::xzEbh, &TForm_Edits_01::xyEbo,
        &TForm_Edits_01::xyEbu, &TForm_Edits_01::yzEbr, &TForm_Edits_01::yzEbl};
    assert(Nr >= 1 && Nr <= 6);
    return this->*Punkte[Nr - 1];
}

TButton& TForm_Edits_01::BitBtn_V(Byte Taste) {
    static constexpr TButton TForm_Edits_01::*Knoepfe[4] = {&TForm_Edits_01::BitBtn_VR, &TForm_Edits_01::BitBtn_VL,
                                                           &TForm_Edits_01::BitBtn_VO, &TForm_Edits_01::BitBtn_VU};
    assert(Taste >= 1 && Taste <= 4);
    return this->*Knoepfe[Taste - 1];
}
