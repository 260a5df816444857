#pragma once
// State and handlers of the main window. The Qt front shows these components
// and calls the handlers; nothing here draws.

#include <array>
#include <string>

#include "forms/Ergebnismenue.h"
#include "platform/Fensterplatz.h"
#include "platform/Komponenten.h"
#include "platform/Typen.h"

// The blank inside the point texts of the left panel: U+00A0, so that no
// line break falls inside a point.
inline const std::string PunktLeerzeichen = "\u00A0";

struct TForm_Edits_01 : TFormZustand {
    // The window's form resources: captions, form texts and start states.
    TForm_Edits_01();

    // ---- Picture and layout -------------------------------------------------
    TControl PaintBox1;
    TPanel Panel_links;    // intersection results (shown or hidden by But_SchnittAngabenEinAus)
    TPanel Panel_rechts;   // projection controls
    TPanel Panel_oben;     // object switches
    TPanel Panel_oben_a;   // rotation controls
    std::string HilfeDatei;

    // Visibility switches, one per object (numbering of ObjektSichtbar).
    TSpeedButton But_sichtb_g, But_sichtb_h, But_sichtb_t, But_sichtb_E1, But_sichtb_E2, But_sichtb_SP1;
    TSpeedButton But_sichtb_SP2, But_sichtb_SP3, But_sichtb_SP4, But_sichtb_V1, But_sichtb_V2, But_sichtb_V3;
    TSpeedButton But_sichtb_V4, But_sichtb_S1, But_sichtb_S2, But_sichtb_S3, But_sichtb_S4, But_sichtb_P1;
    TSpeedButton But_sichtb_P2, But_sichtb_P3, But_sichtb_P4, But_sichtb_K1, But_sichtb_K2, But_sichtb_K3;
    TSpeedButton But_sichtb_K4, But_sichtb_Ke1, But_sichtb_Ke2, But_sichtb_Ke3, But_sichtb_Ke4, But_sichtb_F;
    // Colour panels.
    TPanel Pan_Farbe_g, Pan_Farbe_h, Pan_Farbe_t, Pan_Farbe_E1, Pan_Farbe_E2, Pan_Farbe_SP1;
    TPanel Pan_Farbe_SP2, Pan_Farbe_SP3, Pan_Farbe_SP4, Pan_Farbe_V1, Pan_Farbe_V2, Pan_Farbe_V3;
    TPanel Pan_Farbe_V4, Pan_Farbe_S1, Pan_Farbe_S2, Pan_Farbe_S3, Pan_Farbe_S4, Pan_Farbe_P1;
    TPanel Pan_Farbe_P2, Pan_Farbe_P3, Pan_Farbe_P4, Pan_Farbe_K1, Pan_Farbe_K2, Pan_Farbe_K3;
    TPanel Pan_Farbe_K4, Pan_Farbe_Ke1, Pan_Farbe_Ke2, Pan_Farbe_Ke3, Pan_Farbe_Ke4, Pan_Farbe_F;
    // Rotate switches of the mode without axes.
    TSpeedButton But_Drehen_g, But_Drehen_h, But_Drehen_t, But_Drehen_E1, But_Drehen_E2, But_Drehen_SP1;
    TSpeedButton But_Drehen_SP2, But_Drehen_SP3, But_Drehen_SP4, But_Drehen_V1, But_Drehen_V2, But_Drehen_V3;
    TSpeedButton But_Drehen_V4, But_Drehen_S1, But_Drehen_S2, But_Drehen_S3, But_Drehen_S4, But_Drehen_P1;
    TSpeedButton But_Drehen_P2, But_Drehen_P3, But_Drehen_P4, But_Drehen_K1, But_Drehen_K2, But_Drehen_K3;
    TSpeedButton But_Drehen_K4, But_Drehen_Ke1, But_Drehen_Ke2, But_Drehen_Ke3, But_Drehen_Ke4, But_Drehen_F;

    // ---- Projection (right panel) -------------------------------------------
    TEdit Edit_FPx, Edit_FPy, Edit_FPz;          // eye point
    TEdit Edit_Projx, Edit_Projy, Edit_Projz;    // projection direction
    TEdit Edit_SkalF_1, Edit_SkalF_2;            // axis factors
    TLabel Label_Grad_xy, Label15, Label17, Label_ProjArt;
    TPanel Panel_Gradxy, Panel_VerschProjEb;
    TCheckBox CheckBox_ZP;
    TSpeedButton But_xz, But_yz, But_xy;          // picture plane, one group
    TSpeedButton ButVorg1, ButVorg2, ButVorg3;
    TSpeedButton ProjEbMin, ProjEbPlus, ProjEbStart, But_VerschProjEb, But_ProjArt;
    TSpeedButton ButFPxPl, ButFPxMin, ButFPyPl, ButFPyMin, ButFPzPl, ButFPzMin;
    TSpeedButton ButProjRichtxPl, ButProjRichtxMin, ButProjRichtyPl, ButProjRichtyMin,
        ButProjRichtzPl, ButProjRichtzMin;
    TComboBox ComboBox1;                         // step of the picture-plane shift
    TTimer Timer4, Timer5, Timer6;
    TWiederholung Wiederholung4, Wiederholung5, Wiederholung6;  // the held buttons of each
    TSpeedButton SpeedButton1;                   // "V": hold the origin's picture
    // Menu "Draufsichtebene": the views of the scene from six sides.
    TMenuItem xzEbv, xzEbh, xyEbo, xyEbu, yzEbr, yzEbl;

    // ---- Picture shift, zoom, hidden lines ----------------------------------
    TBitBtn BitBtn_VR, BitBtn_VL, BitBtn_VO, BitBtn_VU;
    TTimer Timer2;
    TWiederholung Wiederholung2;
    TScrollBar ScrollBar2;                       // zoom, position 100 = 100 %
    TPanel Panel_ZoomFaktAnz;
    TSpeedButton But_vdL;
    TSpeedButton But_SchnittAngabenEinAus;

    // ---- Undo, object store, view reset, calculator -------------------------
    TBitBtn BitBtn_BackObj, BitBtn_RebackObj, BitBtn_DatenNachSpeich, BitBtn_DatenAusSpeich;
    TBitBtn But_Back, BitBtn1;
    TButton But_ObjekteDaten;
    TButton Button1, Button2;                    // never visible: reports 200 and 201

    // ---- Rotation of the scene -----------------------------------------------
    TTimer Timer1;
    TScrollBar ScrollBar1;                       // step angle, -360..360
    TScrollBar ScrollBar3;                       // interval of Timer1, ms
    TScrollBar ScrollBar4;                       // half length of the axes
    TEdit Edit_Drehwinkel;
    TPanel Panel_AnzDreh;
    TSpeedButton But_GesamtDrehenXmin, But_GesamtDrehenXplus, But_GesamtDrehenYmin,
        But_GesamtDrehenYplus, But_GesamtDrehenZmin, But_GesamtDrehenZplus,
        But_GesamtDrehenUmAchse;
    TSpeedButton But_DauerDrehungEinAus;
    TButton But_drehenMit_OhneAchsen;
    TBitBtn BitBtn_DrehenAufheben, BitBtn_EinstDrhAchse;
    TSpeedButton But_DrehWinkAuf1, But_DrhStr, AlleDrehEin, AlleDrehAus;
    TRadioGroup RadioGroup_Animationen;

    // ---- Menu items -----------------------------------------------------------
    TMenuItem ZPEinAus, vdL;
    TMenuItem FarbSet1, Farbset2, Farbset3, Farbset4, Farbset5;
    TMenuItem ObjektDatensatz1Vorgabeladen1;
    TMenuItem AchsmitObjdreh, Drehstrein, DrStrEinst;
    TMenuItem HilfeausDatei1, VerschProjEbEinst;
    TMenuItem KavaProj_2, KavaProj_3, KavaProj_4, Grundriss1, Kreuzriss1, Aufriss1;
    TMenuItem AchsenwerteEinAus;         // "Achsenwerte ein" / "Achsenwerte aus"
    TMenuItem ParamDarstellungEinAus;    // "Param.-Darstell. einblenden" / "... ausblenden"
    TMenuItem GitterwaendeAutomatEinAus; // automatic choice of three walls
    TMenuItem DrehMatrizenEinAusMenue;   // "Dreh-Matrizen einblenden" / "... ausblenden"
    TMenuItem SpurModusEinAus;           // trail mode: the old pictures stay
    // The display switches of the picture, ticked while on.
    TMenuItem AchsenEinAus, AchseneinteilungEinAus, GitterEinAus, AchsenWuerfelEinAus,
        FluchtstreckenEinAus, StRiVektEinAus, NVektEinAus, SchnittpunkteEinAus, SpurpunkteEinAus,
        SchnittgeradeEinAus;
    // Menu "Datei": object-data and colour-set files (Dateimenue.cpp).
    TMenuItem aktuellesFarbsetspeichern1;
    TMenuItem Farbsetladen1;
    TMenuItem aktuelleObjektdatenspeichern1;
    TMenuItem Objektdatenladen1;

    // ---- The result popup menu on the picture: one submenu per group ---------
    TErgebnisGruppe ErgebnisseGeraden{"Geraden", GeradenErgebnisse};
    TErgebnisGruppe ErgebnisseEbenen{"Ebenen", EbenenErgebnisse};
    TErgebnisGruppe ErgebnisseGeradenEbenen{"Geraden - Ebenen", GeradenEbenenErgebnisse};
    TErgebnisGruppe ErgebnisseSpate{"Spate", SpatErgebnisse};
    TErgebnisGruppe ErgebnisseKugeln{"Kugeln", KugelErgebnisse};
    TErgebnisGruppe ErgebnisseKugelnPunkte{"Kugeln - Punkte", KugelPunktErgebnisse};
    TErgebnisGruppe ErgebnisseKugelnGeraden{"Kugeln - Geraden", KugelGeradeErgebnisse};
    TErgebnisGruppe ErgebnisseKugelnEbenen{"Kugeln - Ebenen", KugelEbeneErgebnisse};
    TErgebnisGruppe ErgebnisseKegel{"Kegel", KegelErgebnisse};
    TErgebnisGruppe ErgebnisseVektoren{"Vektoren", VektorErgebnisse};
    TErgebnisGruppe ErgebnisseStrecken{"Strecken", StreckenErgebnisse};
    TErgebnisGruppe ErgebnissePunkte{"Punkte", PunktErgebnisse};
    TErgebnisGruppe ErgebnissePunkteGeraden{"Punkte - Geraden", PunktGeradeErgebnisse};
    TErgebnisGruppe ErgebnissePunkteEbenen{"Punkte - Ebenen", PunktEbeneErgebnisse};
    // Every group, in the popup menu's order.
    std::array<TErgebnisGruppe*, 14> AlleErgebnisse() {
        return {&ErgebnisseGeraden,       &ErgebnisseEbenen,        &ErgebnisseGeradenEbenen,
                &ErgebnisseSpate,         &ErgebnisseKugeln,        &ErgebnisseKugelnPunkte,
                &ErgebnisseKugelnGeraden, &ErgebnisseKugelnEbenen,  &ErgebnisseKegel,
                &ErgebnisseVektoren,      &ErgebnisseStrecken,      &ErgebnissePunkte,
                &ErgebnissePunkteGeraden, &ErgebnissePunkteEbenen};
    }

    // ---- Intersection results on the left panel (SchnittAngabenSchreiben) ---
    // Lines to each other: "S(x | y | z)" when they meet in one point, else
    // the position text. The blanks inside a point are PunktLeerzeichen.
    TLabel Label_gh, Label_gt, Label_ht;
    // Lines to the planes: "D(x | y | z)" for the piercing point, else the
    // plane's position text for that line.
    TLabel Label_gE1, Label_hE1, Label_tE1, Label_gE2, Label_hE2, Label_tE2;
    // E1 and E2: the position text and, when they meet, the support point and
    // direction of sg ("-" otherwise).
    TLabel Label_E1E2;
    TLabel Label_sg_Stuetz_x, Label_sg_Stuetz_y, Label_sg_Stuetz_z;
    TLabel Label_sg_Richt_x, Label_sg_Richt_y, Label_sg_Richt_z;

    // The components of object Nr (1..30, numbering of ObjektSichtbar).
    TSpeedButton& But_sichtb(int Nr);
    TPanel& Pan_Farbe(int Nr);
    TSpeedButton& But_Drehen(int Nr);
    // Rotation button Code 1..6 (x-, x+, y-, y+, z-, z+), 7 the rotation-axis button.
    TSpeedButton& But_GesamtDrehen(int Code);

    // ---- Handlers and routines -------------------------------------------------
    void FormCreate();
    void FormActivate();
    void FormClose();
    // Places the panels and PaintBox1 in the client area as the form aligns
    // them: the top panels across, the side panels and the picture below.
    // The Qt front lays the window out itself and writes the places back.
    void KomponentenAusrichten();
    void BildSeiteBerechnen();
    void PanelsAnordnen();
    // The places the window system gave the client area, the panels and the
    // picture; a hidden panel's place is ignored.
    struct TLayout {
        int ClientWidth = 0, ClientHeight = 0;
        Rechteck Panel_oben, Panel_oben_a, Panel_links, Panel_rechts, PaintBox1;
    };
    // Takes the places over. When the client area or the picture changed:
    // the picture side (client area only), the picture origin, the canvas
    // size, the fonts, after the first activation the scale (when the side
    // changed) and the redraw. false when nothing changed that is drawn.
    bool LayoutGeaendert(const TLayout& L);
    void GitterwaendeWaehlen(Byte Ansicht);
    void SchnittAngabenSchreiben();
    // Hidden-line switch of the menu item vdL and the speed button But_vdL
    // (VerdeckteLinienSchalter.cpp), and its cost estimate.
    void vdLClick();
    void But_vdLClick();
    void SichtbarkeitAktualisieren();
    // Wires the result popup menu and the hidden buttons of the segment
    // listings; run by FormCreate.
    void ErgebnismenueAnlegen();
    // Visibility switch of object Nr (1..30; Sichtbarkeit.cpp): its flag
    // follows the button's down state.
    void But_sichtbClick(int Nr);
    // Wires the 30 visibility switches; run by FormCreate.
    void SichtbarkeitAnlegen();
    // Display switches: wiring, and the menu state from the switches.
    void AnzeigeschalterAnlegen();
    void AnzeigeschalterZeigen();

    // ---- Menu "Datei": files (Dateimenue.cpp) -------------------------------
    void DateimenueAnlegen();   // wires the commands below
    void aktuelleObjektdatenspeichern1Click();
    // Loads an object-data file and records an undo state (also after a
    // cancel or a refused file).
    void Objektdatenladen1Click();
    void aktuellesFarbsetspeichern1Click();
    void Farbsetladen1Click();

    // ---- Menu "Einstellungen": settings windows and colours (Einstellungsmenue.cpp)
    TMenuItem GitterWuerfelEinst, AchsenWuerfelEinst, FluchtstreckenEinst, DrehstreckenEinst,
        NormalenvektorenEinst, EbenenEinst, ProjSpurGeradenEinst, DifferenzvektorenEinst;
    TMenuItem FarbeHintergrund1, FarbeAchsen1, FarbeStuetzvektoren1, FarbeGitterwaende1;
    // Wires the items above and the colour panels; run by FormCreate.
    void EinstellungenAnlegen();
    // A click on the colour panel of object Nr (1..30): the colour dialog,
    // then the object, its panel and the picture take the colour.
    void Pan_FarbeClick(int Nr);
    void FarbeHintergrund1Click();
    void FarbeAchsen1Click();
    void FarbeStuetzvektoren1Click();
    void FarbeGitterwaende1Click();

    // ---- Undo, object store, preset, view resets, closing (Objektspeicher.cpp)
    TMenuItem rckgngig1, widerrufen1;    // menu "Bearbeiten"
    // Wires the commands below and fills the preset colour sets.
    void ObjektspeicherAnlegen();
    void rckgngig1Click();
    void widerrufen1Click();
    void BitBtn_BackObjClick();
    void BitBtn_RebackObjClick();
    void BitBtn_DatenNachSpeichClick();
    void BitBtn_DatenAusSpeichClick();
    void ObjektDatensatz1Vorgabeladen1Click();
    // View resets: the start view, then undo down to the start scene;
    // BitBtn1 also empties the rotation list in the mode without axes.
    void AnsichtZuruecksetzen();
    void But_BackClick();
    void BitBtn1Click();
    // A mouse move over the picture right after a load is ignored.
    void PaintBox1MouseMove();
    // The question before closing; false keeps the program running.
    bool FormCloseQuery();
    // Preset colour set n (1..5, menu items FarbSet1..Farbset5; Farbvorgaben.cpp).
    void FarbSetClick(int n);

    // ---- Projection kind and picture plane (Projektionswahl.cpp) ------------
    // Toggles central/parallel projection, shows the controls of the new kind
    // and re-applies the chosen plane with its oblique presets.
    void ZentralprojektionEinAus();
    void ZPEinAusClick();        // menu item: inverts CheckBox_ZP and runs its click
    void CheckBox_ZPClick();
    // The plane buttons: 1 x,z, 2 y,z, 3 x,y. Straight view, or the oblique
    // presets while SchraegbildVorgabe is set. The caller sets the button down.
    void ProjEbeneClick(Byte Ebene);
    void But_xzClick();
    void But_yzClick();
    void But_xyClick();
    // Eye point (Zentral) or direction into their edits; preset captions of
    // ButVorg1..3 by VorgabeEbene.
    void ProjStandardWerte(bool Zentral);
    // The central picture plane back through the origin (unless the eye
    // point would lie in it); no redraw while ProjEbNeuZeichnenAus is set.
    void ProjEbStartClick();
    // Change actions of the factor edits (SkFy, SkFz): 0 < z <= 3.
    void Edit_SkalFChange(int Nr);
    void Edit_SkalF_1Change();
    void Edit_SkalF_2Change();
    // Label_Grad_xy and Panel_Gradxy: the angle at which the parallel
    // projection draws the receding axis, against the horizontal picture axis.
    void ProjWinkelAnzeigen();
    // Visible state of the controls that belong to one projection kind.
    void ProjektionsartZeigen();
    // The projected lines follow a changed projection (unless they are
    // turned with the axes) and the open report is rebuilt.
    void ProjektionsgeradenFolgen();

    // ---- Eye point, direction, presets and steps (Projektionseingaben.cpp) --
    // Wires the edits, the step buttons, their timers and the presets; run
    // by FormCreate.
    void ProjektionseingabenAnlegen();
    // k 1..3: the x, y or z edit of the eye point and of the direction.
    TEdit& Edit_FP(int k);
    TEdit& Edit_Proj(int k);
    void Edit_FPChange(int k);
    void Edit_FPExit(int k);
    // Digits, "-" and Backspace pass; any other key becomes 0 (dropped).
    void Edit_FPKeyPress(char& Key);
    void Edit_ProjChange(int k);
    void Edit_ProjExit(int k);
    // "." becomes ","; digits, ",", "-" and Backspace pass.
    void Edit_ProjKeyPress(char& Key);
    // "." becomes ","; digits, "," and Backspace pass (no sign).
    void Edit_SkalFKeyPress(char& Key);
    // Step buttons, Taste 1..6 = x+, x-, y+, y-, z+, z-: the press steps
    // once; held past the delay, they repeat their step every 80 ms (Timer4
    // for the eye point, Timer5 for the direction).
    TSpeedButton& ButFP(Byte Taste);
    TSpeedButton& ButProjRicht(Byte Taste);
    void ButFPMouseDown(Byte Taste);
    void ButFPMouseUp();
    void Timer4Timer();
    void AugpunktSchritt();
    void ButProjRichtMouseDown(Byte Taste);
    void ButProjRichtMouseUp();
    void Timer5Timer();
    void ProjRichtSchritt();
    // ButVorg1..3: the oblique preset of one coordinate of the eye point
    // (central) or of the direction (parallel).
    void ButVorgClick(int k);

    // ---- Ready-made projections, views, plane shift (Ansichten.cpp) --------
    void AnsichtenAnlegen();
    // "Kavalierprojektion 1" .. "3" (n), plan, side and front elevation.
    void KavaProjClick(int n);
    void Grundriss1Click();
    void Kreuzriss1Click();
    void Aufriss1Click();
    // The shift of the central picture plane by VerschProjEb: once on the
    // press of ProjEbMin or ProjEbPlus, repeated while it is held.
    void ProjEbMinMouseDown();
    void ProjEbPlusMouseDown();
    void ProjEbMouseUp();
    void Timer6Timer();
    void ProjEbSchritt();
    void ComboBox1Change();
    void VerschProjEbEinstClick();
    void But_VerschProjEbClick();
    // The views of the scene, Nr 1..6: x,z from the front and from behind,
    // x,y from above and from below, y,z from the right and from the left.
    TMenuItem& AnsichtMenue(int Nr);
    void AnsichtClick(int Nr);
    // Saves the text of the rotation-angle edit and unticks every view.
    void ProjEbenenWahlZuruecksetzen();

    // ---- Picture controls (Bildsteuerung.cpp) --------------------------------
    void BildsteuerungAnlegen();
    // BitBtn_VR, _VL, _VO, _VU (Taste 1..4): the press shifts the picture
    // by a click's step; held past the delay, the button shifts it every
    // 10 ms (Timer2).
    TButton& BitBtn_V(Byte Taste);
    void BitBtn_VClick(Byte Taste);
    void BitBtn_VMouseDown(Byte Taste);
    void BitBtn_VMouseUp();
    void Timer2Timer();
    void SpeedButton1Click();
    void But_SchnittAngabenEinAusClick();
    void ScrollBar4Change();
    void GitterwaendeAutomatEinAusClick();
    // The caption of the automatic wall choice from its switch.
    void GitterwaendeAutomatZeigen();

    // ---- Rotation of the scene and its inputs (Drehknoepfe.cpp) ------------
    TLabel Label_DrehIntervall;  // the interval of Timer1 in ms
    // Change, click and timer actions of the rotation controls; run by
    // FormCreate.
    void DrehsteuerungAnlegen();
    // The six direction buttons, Code 1..6 = x-, x+, y-, y+, z-, z+: one step,
    // or start, change or stop of the continuous rotation.
    void But_GesamtDrehenClick(int Code);
    void But_GesamtDrehenUmAchseClick();
    // One tick of the continuous rotation; a tick that comes while one runs
    // (a message of the step keeps its own loop) is dropped.
    void Timer1Timer();
    void But_DauerDrehungEinAusClick();
    void But_drehenMit_OhneAchsenClick();
    void AchsmitObjdrehClick();
    void BitBtn_DrehenAufhebenClick();
    void BitBtn_EinstDrhAchseClick();
    void RadioGroup_AnimationenClick();
    void DrehAnzahlAnzeigen();
    void DrehMatrizenEinAus();
    void ScrollBar1Change();
    void ScrollBar3Change();
    void KoordSperreMeldung();
    // Rotate switch of object Nr (1..30): its flag follows the button.
    void But_DrehenClick(int Nr);
    void AlleDrehEinClick();
    void AlleDrehAusClick();
    void AlleDrehKnoepfeSetzen(bool an);
    void DrehKnoepfeAbgleichen();
    // Key filter of the step-angle edit: "." becomes ","; only digits, ",",
    // "-" and Backspace pass, any other key becomes 0 (dropped).
    void Edit_DrehwinkelKeyPress(char& Key);
    void Edit_DrehwinkelChange();
    void Edit_DrehwinkelExit();
    void But_DrehWinkAuf1Click();
    void DrehstreinClick();
    void But_DrhStrClick();
    void DrStrEinstClick();

    // ---- Help (Hilfe.cpp) -------------------------------------------------------
    // Keeps the projection edits' texts for the next redraw and opens the help.
    void HilfeausDatei1Click();

    // ---- The object-data calculator, without blocking (Rechner.cpp) ----------
    void But_ObjekteDatenClick();

    // ---- Menu "Rechnen": the linear-algebra windows, shown as they are ---------
    TMenuItem Matrizen1, LinAbh1, LGS1, Vektorprodukt1;
    void Matrizen1Click();
    void LinAbh1Click();
    void LGS1Click();
    void Vektorprodukt1Click();
    void WerkzeugmenueAnlegen();
};

inline constexpr TSpeedButton TForm_Edits_01::* SichtbKnoepfe[30] = {
    &TForm_Edits_01::But_sichtb_g, &TForm_Edits_01::But_sichtb_h, &TForm_Edits_01::But_sichtb_t, &TForm_Edits_01::But_sichtb_E1, &TForm_Edits_01::But_sichtb_E2,
    &TForm_Edits_01::But_sichtb_SP1, &TForm_Edits_01::But_sichtb_SP2, &TForm_Edits_01::But_sichtb_SP3, &TForm_Edits_01::But_sichtb_SP4, &TForm_Edits_01::But_sichtb_V1,
    &TForm_Edits_01::But_sichtb_V2, &TForm_Edits_01::But_sichtb_V3, &TForm_Edits_01::But_sichtb_V4, &TForm_Edits_01::But_sichtb_S1, &TForm_Edits_01::But_sichtb_S2,
    &TForm_Edits_01::But_sichtb_S3, &TForm_Edits_01::But_sichtb_S4, &TForm_Edits_01::But_sichtb_P1, &TForm_Edits_01::But_sichtb_P2, &TForm_Edits_01::But_sichtb_P3,
    &TForm_Edits_01::But_sichtb_P4, &TForm_Edits_01::But_sichtb_K1, &TForm_Edits_01::But_sichtb_K2, &TForm_Edits_01::But_sichtb_K3, &TForm_Edits_01::But_sichtb_K4,
    &TForm_Edits_01::But_sichtb_Ke1, &TForm_Edits_01::But_sichtb_Ke2, &TForm_Edits_01::But_sichtb_Ke3, &TForm_Edits_01::But_sichtb_Ke4, &TForm_Edits_01::But_sichtb_F,
};
inline constexpr TPanel TForm_Edits_01::* FarbPanels[30] = {
    &TForm_Edits_01::Pan_Farbe_g, &TForm_Edits_01::Pan_Farbe_h, &TForm_Edits_01::Pan_Farbe_t, &TForm_Edits_01::Pan_Farbe_E1, &TForm_Edits_01::Pan_Farbe_E2,
    &TForm_Edits_01::Pan_Farbe_SP1, &TForm_Edits_01::Pan_Farbe_SP2, &TForm_Edits_01::Pan_Farbe_SP3, &TForm_Edits_01::Pan_Farbe_SP4, &TForm_Edits_01::Pan_Farbe_V1,
    &TForm_Edits_01::Pan_Farbe_V2, &TForm_Edits_01::Pan_Farbe_V3, &TForm_Edits_01::Pan_Farbe_V4, &TForm_Edits_01::Pan_Farbe_S1, &TForm_Edits_01::Pan_Farbe_S2,
    &TForm_Edits_01::Pan_Farbe_S3, &TForm_Edits_01::Pan_Farbe_S4, &TForm_Edits_01::Pan_Farbe_P1, &TForm_Edits_01::Pan_Farbe_P2, &TForm_Edits_01::Pan_Farbe_P3,
    &TForm_Edits_01::Pan_Farbe_P4, &TForm_Edits_01::Pan_Farbe_K1, &TForm_Edits_01::Pan_Farbe_K2, &TForm_Edits_01::Pan_Farbe_K3, &TForm_Edits_01::Pan_Farbe_K4,
    &TForm_Edits_01::Pan_Farbe_Ke1, &TForm_Edits_01::Pan_Farbe_Ke2, &TForm_Edits_01::Pan_Farbe_Ke3, &TForm_Edits_01::Pan_Farbe_Ke4, &TForm_Edits_01::Pan_Farbe_F,
};
inline constexpr TSpeedButton TForm_Edits_01::* DrehKnoepfe[30] = {
    &TForm_Edits_01::But_Drehen_g, &TForm_Edits_01::But_Drehen_h, &TForm_Edits_01::But_Drehen_t, &TForm_Edits_01::But_Drehen_E1, &TForm_Edits_01::But_Drehen_E2,
    &TForm_Edits_01::But_Drehen_SP1, &TForm_Edits_01::But_Drehen_SP2, &TForm_Edits_01::But_Drehen_SP3, &TForm_Edits_01::But_Drehen_SP4, &TForm_Edits_01::But_Drehen_V1,
    &TForm_Edits_01::But_Drehen_V2, &TForm_Edits_01::But_Drehen_V3, &TForm_Edits_01::But_Drehen_V4, &TForm_Edits_01::But_Drehen_S1, &TForm_Edits_01::But_Drehen_S2,
    &TForm_Edits_01::But_Drehen_S3, &TForm_Edits_01::But_Drehen_S4, &TForm_Edits_01::But_Drehen_P1, &TForm_Edits_01::But_Drehen_P2, &TForm_Edits_01::But_Drehen_P3,
    &TForm_Edits_01::But_Drehen_P4, &TForm_Edits_01::But_Drehen_K1, &TForm_Edits_01::But_Drehen_K2, &TForm_Edits_01::But_Drehen_K3, &TForm_Edits_01::But_Drehen_K4,
    &TForm_Edits_01::But_Drehen_Ke1, &TForm_Edits_01::But_Drehen_Ke2, &TForm_Edits_01::But_Drehen_Ke3, &TForm_Edits_01::But_Drehen_Ke4, &TForm_Edits_01::But_Drehen_F,
};

inline TForm_Edits_01 Form_Edits_01;
