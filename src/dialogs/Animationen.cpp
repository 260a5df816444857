#include "forms/Animationen.h"

#include <cmath>

#include "forms/Ebenen.h"
#include "forms/Eingabeprotokoll.h"
#include "forms/Geraden_t.h"
#include "forms/Gitter.h"
#include "geometry/Eingabe.h"
#include "geometry/Geometrie.h"
#include "forms/Hauptfenster.h"
#include "forms/Schalter.h"
#include "platform/Oberflaeche.h"
#include "platform/Zahltext.h"
#include "scene/Objekte.h"
#include "control/Undo.h"
#include "view3d/Drehen.h"
#include "view3d/Zeichnen.h"

namespace {

// Coordinates the dialogs accept have magnitude below 10001; the animation
// keeps a margin so that the written text (3 decimals) stays inside.
constexpr Extended AnimaGrenze = 10000.0L;

bool ImBereich(TVek_R3 v) {
    return std::fabs(v.x) < AnimaGrenze && std::fabs(v.y) < AnimaGrenze &&
           std::fabs(v.z) < AnimaGrenze;
}

void ParamDarstellungAnzeigen(TSpeedButton& B) {
    B.Down = ParamDarstellungZeigen;
    B.Caption = ParamDarstellungZeigen ? "Param.-Darstell. aus" : "Param.-Darstell. ein";
    Form_Edits_01.ParamDarstellungEinAus.Caption =
        ParamDarstellungZeigen ? "Param.-Darstell. ausblenden" : "Param.-Darstell. einblenden";
}

void ParamDarstellungUmschalten(TSpeedButton& B) {
    ParamDarstellungZeigen = !ParamDarstellungZeigen;
    ParamDarstellungAnzeigen(B);
    SzeneZeichnen();
}

void StartKnopf(TSpeedButton& B, TTimer& T, bool an) {
    B.Down = an;
    B.Caption = an ? "Stopp" : "Start";
    T.Enabled = an;
}

void SchrittfeldAnlegen(TEdit& E, Extended Wert) {
    E.SetTextStill(ZahlAllgemein(Wert));
}

// Exit of a step field: an accepted number becomes the step; an unfinished
// text gets the step back; a refused one stays for the user to correct.
void SchrittfeldVerlassen(TEdit& E, Extended& Wert) {
    switch (EditGleitkommaPruefen(E, 10000)) {
        case PruefErgebnis::Gueltig:
            ZelleLesen(E.Text(), Wert);
            break;
        case PruefErgebnis::Unfertig:
            E.SetTextStill(ZahlAllgemein(Wert));
            break;
        case PruefErgebnis::Abgelehnt:
            break;
    }
}

// Shows F modally. Its button and the window's frame close it through
// FormClose; a window that ended otherwise is closed here, so the timers
// are off and the objects taken over whatever way it went.
void AnimaModalZeigen(TAnimaFenster& F) {
    F.FormShow();
    F.Visible = true;
    Host().FensterZeigen(F.Fenstername, true);
    if (F.Visible) F.FormClose();
    SzeneZeichnen();
}

}  // namespace

// ---- Both windows -----------------------------------------------------------------------

void TAnimaFenster::FormCreate() {
    for (int Objekt = 1; Objekt <= 2; ++Objekt)
        for (int k = 1; k <= 6; ++k) SchrittfeldAnlegen(SchrittFeld(Objekt, k), Schritt(Objekt)[k]);
    But_ParamDarst.OnClick = [this] { But_ParamDarstClick(); };
    But_KoordUebernehmen.OnClick = [this] { But_KoordUebernehmenClick(); };
    BitBtn_Schliessen.OnClick = [this] { BitBtn_SchliessenClick(); };
}

void TAnimaFenster::FormShow() {
    Anhalten();
    ParamDarstellungAnzeigen(But_ParamDarst);
    if (Art == TArt::Geraden)
        GeradenAnimaGitterFuellen();
    else
        EbenenAnimaGitterFuellen();
    // The first key replaces the first step of the first object.
    SchrittFeld(1, 1).SetFocus();
    SchrittFeld(1, 1).SelectAll();
}

void TAnimaFenster::But_ParamDarstClick() { ParamDarstellungUmschalten(But_ParamDarst); }

void TAnimaFenster::But_KoordUebernehmenClick() {
    if (Art == TArt::Geraden)
        GeradenDatenInDialog();
    else
        EbenenDatenInDialog();
    UndoPunktSetzen();
}

void TAnimaFenster::FormClose() {
    Visible = false;
    Anhalten();
    // The objects stay where the animation left them, in the dialog as well.
    But_KoordUebernehmenClick();
}

void TAnimaFenster::BitBtn_SchliessenClick() {
    FormClose();
    Host().FensterVerbergen(Fenstername);
}

std::optional<char> TAnimaFenster::Edit_SchrittKeyPress(int, int, char Taste) { return TasteFiltern(Taste); }

void TAnimaFenster::Edit_SchrittExit(int Objekt, int Nr) {
    if (Nr < 1 || Nr > 6 || Objekt < 1 || Objekt > 2) return;
    SchrittfeldVerlassen(SchrittFeld(Objekt, Nr), Schritt(Objekt)[Nr]);
}

// ---- Lines ----------------------------------------------------------------------------

void TForm_Einst_GeradenAnima::FormCreate() {
    TAnimaFenster::FormCreate();
    Timer1.OnTimer = [this] { Timer1Timer(); };
    But_Start.OnClick = [this] { But_StartClick(); };
}

void TForm_Einst_GeradenAnima::Anhalten() { StartKnopf(But_Start, Timer1, false); }

namespace {

// Line Nr after one step s: support point and direction, the direction never
// the null vector. False when it would leave the number range.
bool GeradeNachSchritt(int Nr, const TFeld<Extended, 1, 6>& s, TVek_R3& A, TVek_R3& u) {
    const TGerade& G = Gerade[Nr];
    const TVek_R3 dA{s[1], s[2], s[3]};
    const TVek_R3 du{s[4], s[5], s[6]};
    A = Summe(G.Stuetzvektor, dA);
    u = Summe(G.Richtungsvektor, du);
    if (IstNullvektor(u)) u = Summe(u, du);
    return ImBereich(A) && ImBereich(u);
}

bool Ruht(const TFeld<Extended, 1, 6>& s) {
    for (int k = 1; k <= 6; ++k)
        if (s[k] != 0) return false;
    return true;
}

}  // namespace

void TForm_Einst_GeradenAnima::Timer1Timer() {
    TVek_R3 A[3], u[3];
    bool bewegt[3] = {false, false, false};
    // Both lines step or neither: a line that would leave the range stops
    // the animation.
    for (int Nr = 1; Nr <= 2; ++Nr) {
        if (Ruht(Schritt(Nr))) continue;
        if (!GeradeNachSchritt(Nr, Schritt(Nr), A[Nr], u[Nr])) {
            Anhalten();
            return;
        }
        bewegt[Nr] = true;
    }
    if (!bewegt[1] && !bewegt[2]) return;
    for (int Nr = 1; Nr <= 2; ++Nr) {
        if (!bewegt[Nr]) continue;
        Gerade[Nr].Stuetzvektor = A[Nr];
        Gerade[Nr].Richtungsvektor = u[Nr];
        if (Nr == 2)
            GeradenAnimaNeuBerechnenH();
        else
            GeradeNeuBerechnen(1);
    }
    GeradenAnimaGitterFuellen();
    NachObjektAenderung();
}

void TForm_Einst_GeradenAnima::But_StartClick() { StartKnopf(But_Start, Timer1, But_Start.Down); }

void GeradenAnimaGitterFuellen() {
    TForm_Einst_GeradenAnima& F = Form_Einst_GeradenAnima;
    SpalteSchreiben(F.StringGrid1, 0, 1, Gerade[1].Stuetzvektor);
    SpalteSchreiben(F.StringGrid1, 1, 1, Gerade[1].Richtungsvektor);
    SpalteSchreiben(F.StringGrid2, 0, 1, Gerade[2].Stuetzvektor);
    SpalteSchreiben(F.StringGrid2, 1, 1, Gerade[2].Richtungsvektor);
}

void GeradenAnimaZeigen() { AnimaModalZeigen(Form_Einst_GeradenAnima); }

// ---- Planes ---------------------------------------------------------------------------

void TForm_Einst_EbenenAnima::FormCreate() {
    TAnimaFenster::FormCreate();
    Timer1.OnTimer = [this] { Timer1Timer(); };
    Timer2.OnTimer = [this] { Timer2Timer(); };
    But_StartE1.OnClick = [this] { But_StartE1Click(); };
    But_StartE2.OnClick = [this] { But_StartE2Click(); };
}

void TForm_Einst_EbenenAnima::Anhalten() {
    StartKnopf(But_StartE1, Timer1, false);
    StartKnopf(But_StartE2, Timer2, false);
}

namespace {

// One step of plane Nr; false when it would leave the number range.
bool EbeneSchritt(int Nr, const TFeld<Extended, 1, 6>& s) {
    TEbene& E = Ebene[Nr];
    const TVek_R3 dS{s[1], s[2], s[3]};
    const TVek_R3 du{s[4], s[5], s[6]};
    const TVek_R3 S = Summe(E.Stuetzvektor, dS);
    TVek_R3 u = Summe(E.Richtungsvektor1, du);
    if (RichtungenAbhaengig(u, E.Richtungsvektor2)) u = Summe(u, du);
    if (!ImBereich(S) || !ImBereich(u)) return false;
    E.Stuetzvektor = S;
    E.Richtungsvektor1 = u;
    EbeneNeuBerechnen(Nr);
    EbenenAnimaGitterFuellen();
    NachObjektAenderung();
    return true;
}

}  // namespace

void TForm_Einst_EbenenAnima::Timer1Timer() {
    if (!EbeneSchritt(1, Schritt1)) StartKnopf(But_StartE1, Timer1, false);
}

void TForm_Einst_EbenenAnima::Timer2Timer() {
    if (!EbeneSchritt(2, Schritt2)) StartKnopf(But_StartE2, Timer2, false);
}

void TForm_Einst_EbenenAnima::But_StartE1Click() { StartKnopf(But_StartE1, Timer1, But_StartE1.Down); }

void TForm_Einst_EbenenAnima::But_StartE2Click() { StartKnopf(But_StartE2, Timer2, But_StartE2.Down); }

void EbenenAnimaGitterFuellen() {
    TForm_Einst_EbenenAnima& F = Form_Einst_EbenenAnima;
    for (int e = 1; e <= 2; ++e) {
        SpalteSchreiben(F.Gitter(3 * e - 2), 0, 1, Ebene[e].Stuetzvektor);
        SpalteSchreiben(F.Gitter(3 * e - 1), 0, 1, Ebene[e].Richtungsvektor1);
        SpalteSchreiben(F.Gitter(3 * e), 0, 1, Ebene[e].Richtungsvektor2);
    }
}

void EbenenAnimaZeigen() { AnimaModalZeigen(Form_Einst_EbenenAnima); }
