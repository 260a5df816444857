// The main window's rotation controls: the direction and axis buttons, the
// continuous rotation and its timer, the mode switch, the red dot, the
// per-object rotate switches, the step angle and the rotation segments.

#include <cmath>
#include <string>

#include "forms/Animationen.h"
#include "forms/DrStrEinst.h"
#include "forms/DrehenUmGerade.h"
#include "geometry/Eingabe.h"
#include "geometry/Einheitsvektoren.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "mainwindow/Einstellungen.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "forms/DrehMatrizen.h"
#include "scene/DrehZustand.h"
#include "control/Drehsteuerung.h"
#include "view3d/Zeichnen.h"

namespace {

constexpr TColor Rot = 0x000000FF;
constexpr TColor Schwarz = 0x00000000;

void UndoPunkt() {
    if (UndoPunktSetzenAktion) UndoPunktSetzenAktion();
}

// Set while a tick runs.
bool tickLaeuft = false;

std::string WinkelText(Extended w) { return ZahlFest(w, 12, 4); }

}  // namespace

void TForm_Edits_01::DrehsteuerungAnlegen() {
    for (int c = 1; c <= 6; ++c) But_GesamtDrehen(c).OnClick = [this, c] { But_GesamtDrehenClick(c); };
    But_GesamtDrehenUmAchse.OnClick = [this] { But_GesamtDrehenUmAchseClick(); };
    Timer1.OnTimer = [this] { Timer1Timer(); };
    But_DauerDrehungEinAus.OnClick = [this] { But_DauerDrehungEinAusClick(); };
    But_drehenMit_OhneAchsen.OnClick = [this] { But_drehenMit_OhneAchsenClick(); };
    AchsmitObjdreh.OnClick = [this] { AchsmitObjdrehClick(); };
    BitBtn_DrehenAufheben.OnClick = [this] { BitBtn_DrehenAufhebenClick(); };
    BitBtn_EinstDrhAchse.OnClick = [this] { BitBtn_EinstDrhAchseClick(); };
    RadioGroup_Animationen.OnClick = [this] { RadioGroup_AnimationenClick(); };
    DrehMatrizenEinAusMenue.OnClick = [this] { DrehMatrizenEinAus(); };
    ScrollBar1.OnChange = [this] { ScrollBar1Change(); };
    ScrollBar3.OnChange = [this] { ScrollBar3Change(); };
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) But_Drehen(nr).OnClick = [this, nr] { But_DrehenClick(nr); };
    AlleDrehEin.OnClick = [this] { AlleDrehEinClick(); };
    AlleDrehAus.OnClick = [this] { AlleDrehAusClick(); };
    Edit_Drehwinkel.OnChange = [this] { Edit_DrehwinkelChange(); };
    But_DrehWinkAuf1.OnClick = [this] { But_DrehWinkAuf1Click(); };
    Drehstrein.OnClick = [this] { DrehstreinClick(); };
    But_DrhStr.OnClick = [this] { But_DrhStrClick(); };
    DrStrEinst.OnClick = [this] { DrStrEinstClick(); };

    DrehwinkelRollbalkenPosition = ScrollBar1.Position();
    Label_DrehIntervall.Caption = std::to_string(ScrollBar3.Position());
    DrehAnzahlAnzeigen();
    tickLaeuft = false;
}

// ---- Whole-scene rotation ------------------------------------------------------

void TForm_Edits_01::But_GesamtDrehenClick(int Code) {
    if (Code < 1 || Code > 6) return;
    static constexpr TVek_R3 Achsen[3] = {EinhVekX, EinhVekY, EinhVekZ};
    TSpeedButton& Knopf = But_GesamtDrehen(Code);
    const int Achse = (Code + 1) / 2;
    const bool Minus = Code % 2 == 1;

    if (DrehAnzahl > 19) {
        // A refused click turns nothing, so the rotation segments stay on
        // the axis of the turn the scene holds (or is running).
        MeldungZeigen(DrehGrenzeMeldung);
        // The click changed nothing: the group may have released the button
        // of the running rotation, so all seven show its marking again.
        for (int k = 1; k <= 7; ++k) But_GesamtDrehen(k).Down = DauerDrehen && DrehModus == k;
    } else {
        Lotgerade.Stuetzvektor = NullVektor;
        Lotgerade.Richtungsvektor = Achsen[Achse - 1];
        DrehungInSzene = true;
        if (!DauerDrehen) {
            ++DrehAnzahl;
            DrehAnzahlAnzeigen();
            DrehListe[DrehAnzahl] = TDrehung{Code, 0};
            Knopf.Down = false;
            DrehungErfolgt = static_cast<Byte>(Code);
            if (Minus)
                GesamtDrehenMinus(Achse);
            else
                GesamtDrehenPlus(Achse);
            if (!AchsenMitDrehen) UndoPunkt();
        } else if (DrehModus == Code) {
            Knopf.FontColor = Schwarz;
            Knopf.Down = false;
            DrehModus = 0;
            if (!AchsenMitDrehen) UndoPunkt();
            Timer1.Interval = 0;
        } else {
            DrehKnopfMarkieren(static_cast<Byte>(Code));
            DrehModus = Code;
            ++DrehAnzahl;
            DrehAnzahlAnzeigen();
            DrehListe[DrehAnzahl] = TDrehung{Code, 0};
            DrehungErfolgt = static_cast<Byte>(Code);
            if (!AchsenMitDrehen) UndoPunkt();
            Timer1.Interval = DrehIntervall;
        }
        Urzustand = false;
        SzeneGedreht = true;
    }

    if (DrehMatrizenZeigen) {
        ZeigeAktuelleDrehmatrix();
        ZeigeDrehungenliste();
        Form_Dreh_Matrizen.Visible = true;
        Host().FensterZeigen("Form_Dreh_Matrizen", false);
    }
}

void TForm_Edits_01::But_GesamtDrehenUmAchseClick() {
    Lotgerade.Stuetzvektor = Drehachse.Stuetzvektor;
    Lotgerade.Richtungsvektor = Drehachse.Richtungsvektor;
    DrehungInSzene = true;
    if (!DauerDrehen) {
        But_GesamtDrehenUmAchse.Down = false;
        GesamtDrehenUmGerade();
        if (!AchsenMitDrehen) UndoPunkt();
    } else if (DrehModus == 7) {
        But_GesamtDrehenUmAchse.FontColor = Schwarz;
        But_GesamtDrehenUmAchse.Down = false;
        DrehModus = 0;
        if (!AchsenMitDrehen) UndoPunkt();
        Timer1.Interval = 0;
    } else {
        DrehKnopfMarkieren(7);
        But_GesamtDrehenUmAchse.FontColor = Rot;
        DrehModus = 7;
        DrehAnzahl = 0;  // the list is emptied, not played back
        DrehAnzahlAnzeigen();
        DrehungErfolgt = 7;
        if (!AchsenMitDrehen) UndoPunkt();
        Timer1.Interval = DrehIntervall;
    }
    Urzustand = false;
    SzeneGedreht = true;
    DrehMatrizenZuruecksetzen();
}

void TForm_Edits_01::Timer1Timer() {
    // A message shown during a step runs its own loop, in which the timer
    // keeps firing: those ticks must not start a step inside the step.
    if (tickLaeuft) return;
    tickLaeuft = true;
    struct Ende {
        ~Ende() { tickLaeuft = false; }
    } ende;

    if (DrehModus == 0) {
        Timer1.Interval = 0;
    } else if (DrehModus >= 1 && DrehModus <= 6) {
        const int Achse = (DrehModus + 1) / 2;
        if (DrehModus % 2 == 1)
            GesamtDrehenMinus(Achse);
        else
            GesamtDrehenPlus(Achse);
    } else if (DrehModus == 7) {
        GesamtDrehenUmGerade();
    }
}

void TForm_Edits_01::But_DauerDrehungEinAusClick() { DauerDrehungEinAus(); }

void TForm_Edits_01::But_drehenMit_OhneAchsenClick() {
    if (DrehModus > 0) DrehungAnhalten();
    if (AchsenMitDrehen) AlleDrehungenRueckgaengig();
    DrehListeLoeschen();
    DrehModusAnzeigen();
    SzeneZeichnen();
}

void TForm_Edits_01::AchsmitObjdrehClick() { But_drehenMit_OhneAchsenClick(); }

void TForm_Edits_01::BitBtn_DrehenAufhebenClick() {
    if (AchsenMitDrehen)
        AlleDrehungenRueckgaengig();
    else
        DrehListeLoeschen();
    UndoPunkt();
}

void TForm_Edits_01::BitBtn_EinstDrhAchseClick() {
    if (DrehModus > 0) DrehungAnhalten();
    Form_DrehenUmGerade.FormActivate();
    Host().FensterZeigen("Form_DrehenUmGerade", true);
}

void TForm_Edits_01::RadioGroup_AnimationenClick() {
    if (DauerDrehen) DauerDrehungEinAus();
    if (!AchsenMitDrehen) {
        KoordSperreMeldung();
        return;
    }
    if (Host().Meldung(AnimationenFrage, MeldungsArt::Information, Knoepfe::JaNein) != Antwort::Ja) return;
    AlleDrehungenRueckgaengig();
    DrehListeLoeschen();
    DrehModusAnzeigen();
    KoordSperreMeldung();
}

// ---- Counter, matrices, step angle, interval, animations -----------------------

void TForm_Edits_01::DrehAnzahlAnzeigen() {
    Panel_AnzDreh.Caption = std::to_string(DrehAnzahl);
    Panel_AnzDreh.FontColor = DrehAnzahl >= 19 ? Rot : Schwarz;
}

void TForm_Edits_01::DrehMatrizenEinAus() {
    if (Form_Dreh_Matrizen.Visible) {
        Form_Dreh_Matrizen.Visible = false;
        Host().FensterVerbergen("Form_Dreh_Matrizen");
        DrehMatrizenZeigen = false;
        DrehMatrizenEinAusMenue.Caption = "Dreh-Matrizen einblenden";
        DrehMatrizenEinAusMenue.FontColor = Schwarz;
        return;
    }
    Form_Dreh_Matrizen.Visible = true;
    DrehMatrizenZeigen = true;
    DrehMatrizenEinAusMenue.Caption = "Dreh-Matrizen ausblenden";
    // Red while the window is shown.
    DrehMatrizenEinAusMenue.FontColor = Rot;
    if (DrehungErfolgt == 0) DrehungErfolgt = 1;
    Form_Dreh_Matrizen.FormActivate();
    Host().FensterZeigen("Form_Dreh_Matrizen", false);
}

void TForm_Edits_01::ScrollBar1Change() {
    if (!DrehwinkelVonEdit) {
        DrehwinkelVonRollbalken = true;
        Extended w = Drehwinkel + static_cast<Extended>(ScrollBar1.Position() - DrehwinkelRollbalkenPosition);
        if (std::fabs(w) >= 360.000000001L) w = w < 0 ? -360.0L : 360.0L;
        Drehwinkel = w;
        DrehwinkelVonRollbalken = false;
        if (DrehMatrizenZeigen) {
            ZeigeAktuelleDrehmatrix();
            ZeigeDrehungenliste();
        }
        Edit_Drehwinkel.SetText(WinkelText(Drehwinkel));
    }
    DrehwinkelRollbalkenPosition = ScrollBar1.Position();
}

void TForm_Edits_01::ScrollBar3Change() {
    DrehIntervall = ScrollBar3.Position();
    if (DrehModus > 0) Timer1.Interval = DrehIntervall;
    Label_DrehIntervall.Caption = std::to_string(DrehIntervall);
}

void TForm_Edits_01::KoordSperreMeldung() {
    switch (RadioGroup_Animationen.ItemIndex) {
        case 0:
            if (KoordZeigenGeraden)
                GeradenAnimaZeigen();
            else
                MeldungZeigen(
                    "Die Anzeige der Geraden-Koordinaten ist gesperrt!\n"
                    "Mit dem Paßwort koennen Sie diese Sperre unter\n"
                    "'Einstellungen/ Koordinaten sperren-zeigen' aufheben!");
            break;
        case 1:
            if (KoordZeigenEbenen)
                EbenenAnimaZeigen();
            else
                MeldungZeigen(
                    "Die Anzeige der Ebenen-Koordinaten ist gesperrt!\n"
                    "Mit dem Paßwort koennen Sie diese Sperre unter\n"
                    "'Einstellungen/ Koordinaten sperren-zeigen' aufheben!");
            break;
        default:
            break;
    }
}

// ---- Per-object rotate switches ------------------------------------------------------

void TForm_Edits_01::But_DrehenClick(int Nr) {
    if (Nr < 1 || Nr > ObjektAnzahl) return;
    DrehObjektFlags[Nr] = But_Drehen(Nr).Down;
    DrehKnoepfeAbgleichen();
}

void TForm_Edits_01::AlleDrehEinClick() {
    if (AlleDrehEin.Down) AlleDrehKnoepfeSetzen(true);
    DrehKnoepfeAbgleichen();
}

void TForm_Edits_01::AlleDrehAusClick() {
    if (AlleDrehAus.Down) AlleDrehKnoepfeSetzen(false);
    DrehKnoepfeAbgleichen();
}

void TForm_Edits_01::AlleDrehKnoepfeSetzen(bool an) {
    for (int nr = 1; nr <= ObjektAnzahl; ++nr) {
        But_Drehen(nr).Down = an;
        DrehObjektFlags[nr] = an;
    }
    DrehKnoepfeAbgleichen();
}

void TForm_Edits_01::DrehKnoepfeAbgleichen() {
    int an = 0;
    for (int nr = 1; nr <= ObjektAnzahl; ++nr)
        if (DrehObjektFlags[nr]) ++an;
    AlleDrehEin.Down = an == ObjektAnzahl;
    AlleDrehAus.Down = an == 0;
}

// ---- Step angle ---------------------------------------------------------------

void TForm_Edits_01::Edit_DrehwinkelKeyPress(char& Key) {
    if (Key == '.') Key = ',';
    const bool erlaubt = (Key >= '0' && Key <= '9') || Key == ',' || Key == '-' || Key == '\b';
    if (!erlaubt) Key = 0;
}

void TForm_Edits_01::Edit_DrehwinkelChange() {
    // While typing, whatever is no angle yet is passed over silently.
    Extended v;
    if (!ZelleLesen(Edit_Drehwinkel.Text(), v) || !(std::fabs(v) < 360.000000001L)) return;
    DrehwinkelVonEdit = true;
    Drehwinkel = v;
    ScrollBar1.SetPosition(static_cast<int>(std::lround(static_cast<double>(v))));
    DrehwinkelVonEdit = false;
}

void TForm_Edits_01::Edit_DrehwinkelExit() {
    if (DrehwinkelVonRollbalken) return;
    if (IstUnfertig(Edit_Drehwinkel.Text())) return;
    Extended v;
    if (ZelleLesen(Edit_Drehwinkel.Text(), v) && std::fabs(v) <= 360.000000001L)
        Drehwinkel = v;
    else
        MeldungZeigen("Geben Sie bitte nur Zahlen z mit\n-360 <= z <= 360     ein!");
    Edit_Drehwinkel.SetText(WinkelText(Drehwinkel));
    Edit_Drehwinkel.SelectAll();
}

void TForm_Edits_01::But_DrehWinkAuf1Click() { Edit_Drehwinkel.SetText("1,0000"); }

// ---- Rotation segments ------------------------------------------------------------

void TForm_Edits_01::DrehstreinClick() {
    DrehstreckenZeigen = !DrehstreckenZeigen;
    Drehstrein.Caption = DrehstreckenZeigen ? "Drehstrecke aus" : "Drehstrecke ein";
    But_DrhStr.Down = DrehstreckenZeigen;
    SzeneZeichnen();
}

void TForm_Edits_01::But_DrhStrClick() { DrehstreinClick(); }

void TForm_Edits_01::DrStrEinstClick() {
    Form_DrStrEinst.FormShow();
    EinstellFensterZeigen(Form_DrStrEinst, true);
}
