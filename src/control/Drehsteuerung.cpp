#include "control/Drehsteuerung.h"

#include "forms/Hauptfenster.h"
#include "platform/Oberflaeche.h"
#include "forms/Ergebnisauswahl.h"
#include "reports/Ergebnisse.h"
#include "scene/Objekte.h"
#include "forms/DrehMatrizen.h"
#include "view3d/Abgeleitet.h"
#include "view3d/Drehen.h"
#include "scene/DrehZustand.h"
#include "view3d/Zeichnen.h"

namespace {

// Object numbers of DrehObjektFlags.
constexpr int NrGerade = 1, NrEbene = 4, NrSpat = 6, NrVektor = 10, NrStrecke = 14, NrPunkt = 18,
              NrKugel = 22, NrKegel = 26, NrFadenkreuz = 30;

// Objects without a flag of their own turn only with the axes.
bool Dreht(int Nr) { return AchsenMitDrehen || DrehObjektFlags[Nr]; }

// The objects in the program's order, each when it turns (Dreht for the
// steps about a coordinate axis, its flag alone about the rotation axis).
template <typename Test>
void ObjekteDrehen(const PunktDrehung& D, Test dreht) {
    for (int i = 1; i <= 4; ++i)
        if (dreht(NrSpat + i - 1)) ObjektDrehen(Spat[i], D);
    for (int i = 1; i <= 4; ++i)
        if (dreht(NrVektor + i - 1)) ObjektDrehen(Vektor[i], D);
    for (int i = 1; i <= 4; ++i)
        if (dreht(NrStrecke + i - 1)) ObjektDrehen(Strecke[i], D);
    for (int i = 1; i <= 4; ++i)
        if (dreht(NrPunkt + i - 1)) ObjektDrehen(Punkt[i], D);
    for (int i = 1; i <= 4; ++i)
        if (dreht(NrKugel + i - 1)) ObjektDrehen(Kugel[i], D);
    for (int i = 1; i <= 4; ++i)
        if (dreht(NrKegel + i - 1)) ObjektDrehen(Kegel[i], D);
    for (int i = 1; i <= 3; ++i)
        if (dreht(NrGerade + i - 1)) ObjektDrehen(Gerade[i], D);
    if (dreht(NrFadenkreuz)) ObjektDrehen(Fadenkreuz, D);
}

// The projected lines after a step: turned with the axes, else recomputed
// from the lines and planes as they now are.
void ProjektionsgeradenNachSchritt(const PunktDrehung& D) {
    for (int i = 1; i <= 6; ++i) {
        TGerade& P = Projektionsgeraden[i];
        if (AchsenMitDrehen) {
            if (P.gueltig == 1) ObjektDrehen(P, D);
        } else {
            ProjektionsgeradenBerechnen(static_cast<Byte>(i));
            if (P.gueltig == 1) GeradeBerechnen(P);
        }
    }
    ErgebnisAusgeben(ErgebnisAuswahl);
}

// One whole-scene step about a coordinate axis, without the redraw.
void Schritt(int Achse, Extended Winkel) {
    // Every turned object asks for the report, and so do the write-backs
    // into the grids when the bundle below ends: one build after them.
    const ErgebnisseGebuendelt bericht;
    const DatenInDialogGebuendelt buendel;
    AKreuzDrehen(AchsenKreuz, Achse, Winkel);
    const PunktDrehung D(Achse, Winkel);
    if (AchsenMitDrehen) {
        if (Winkel != 0) ++AchsenDrehschritte;
        AchseneinteilungenDrehen(AchsenEinteilung, Achse, Winkel);
        ObjektDrehen(MaxQuader, D);
    }
    ObjekteDrehen(D, Dreht);
    if (AchsenMitDrehen) {
        ObjektDrehen(Gerade_sg, D);
        for (TGerade& S : Spurgeraden) ObjektDrehen(S, D);
    }
    if (Dreht(NrEbene)) ObjektDrehen(Ebene[1], D);
    if (Dreht(NrEbene + 1)) ObjektDrehen(Ebene[2], D);
    ProjektionsgeradenNachSchritt(D);
    if (AchsenMitDrehen) ObjektDrehen(Drehachse, D);
}

}  // namespace

void GesamtDrehenMinus(int Achse) {
    Schritt(Achse, -Drehwinkel);
    SzeneZeichnen();
}

void GesamtDrehenPlus(int Achse) {
    Schritt(Achse, Drehwinkel);
    SzeneZeichnen();
}

void AlleObjekteDrehen(int Achse, Extended Winkel) {
    Schritt(Achse, Winkel);
    DrehMatrizenZuruecksetzen();
}

void GesamtDrehenUmGerade() {
    // The matrices of the turn are built once for every point of the step.
    {
        const ErgebnisseGebuendelt bericht;
        const DatenInDialogGebuendelt buendel;
        const PunktDrehung D(DrehachsenDrehung());
        ObjekteDrehen(D, [](int Nr) { return DrehObjektFlags[Nr]; });
        if (DrehObjektFlags[NrEbene]) ObjektDrehen(Ebene[1], D);
        if (DrehObjektFlags[NrEbene + 1]) ObjektDrehen(Ebene[2], D);
        ProjektionsgeradenNachSchritt(D);
    }
    SzeneZeichnen();
}

void AlleDrehungenRueckgaengig() {
    // Turned back, the scene no longer holds the latest turn.
    if (DrehAnzahl > 0) DrehungInSzene = false;
    RueckdrehungLaeuft = true;
    {
        // The report once, for the scene as it ends up.
        const ErgebnisseGebuendelt bericht;
        RueckdrehSchritte([](int Achse, Extended Winkel) { AlleObjekteDrehen(Achse, Winkel); });
        DrehListeLoeschen();
    }
    SzeneZeichnen();
    SzeneGedreht = false;
}

void DrehListeLoeschen() {
    RueckdrehungLaeuft = false;
    DrehAnzahl = 0;
    DrehMatrixAnzahl = 0;
    Form_Edits_01.DrehAnzahlAnzeigen();
    for (TDrehung& d : DrehListe) d = TDrehung{};
    DrehungAnhalten();
    ErgebnisAusgeben(ErgebnisAuswahl);
    DrehMatrizenZuruecksetzen();
}

void OhneDrehungLaden(const std::function<void()>& Laden) {
    // The loaded scene holds no turn, not even once the matrix window
    // names one again.
    DrehungErfolgt = 0;
    DrehungInSzene = false;
    Laden();
    DrehListeLoeschen();
    SzeneGedreht = false;
}

void DrehMatrizenZuruecksetzen() {
    NullMatrix(MAkt);
    DrehText.clear();
    NullMatrix(MGes);
    // Counted afresh: otherwise the next step would multiply into the zero
    // matrix and the total would stay zero for good.
    DrehMatrixAnzahl = 0;
    ZeigeAktuelleDrehmatrix();
    Form_Dreh_Matrizen.Label3.Caption.clear();
    ZeigeGesamtDrehmatrix();
    Form_Dreh_Matrizen.Label4.Caption.clear();
}

void DrehModusAnzeigen() {
    TForm_Edits_01& F = Form_Edits_01;
    AchsenMitDrehen = !AchsenMitDrehen;
    const bool ohne = !AchsenMitDrehen;
    F.AchsmitObjdreh.Caption = ohne ? "Achsen mit Objekten drehen" : "Achsen nicht mit Objekten drehen";
    F.But_drehenMit_OhneAchsen.Caption = ohne ? "mit Achsen" : "ohne Achsen";
    F.BitBtn_DrehenAufheben.Hint =
        ohne ? "Stoppt die laufende Drehung und setzt die Anzahl der bisherigen Drehungen auf '0'"
             : "Stoppt die laufende Drehung und dreht das System mit Objekten in die 'Ausgangslage'";
    F.BitBtn_BackObj.Enabled = ohne;
    F.BitBtn_RebackObj.Enabled = ohne;
    F.But_GesamtDrehenUmAchse.Enabled = ohne;
    F.BitBtn_EinstDrhAchse.Enabled = ohne;
    F.ScrollBar4.Enabled = ohne;
    Form_Dreh_Matrizen.Label7.Caption =
        ohne ? "Drehungen ohne Koordinatenachsen" : "Drehungen mit Koordinatenachsen";
}

void DauerDrehungEinAus() {
    if (!DauerDrehen) {
        Form_Edits_01.But_DauerDrehungEinAus.Down = true;
        DauerDrehen = true;
        return;
    }
    DrehungAnhalten();
    Host().Sanduhr(false);
}

void DrehungAnhalten() {
    Form_Edits_01.But_DauerDrehungEinAus.Down = false;
    DauerDrehen = false;
    DrehModus = 0;
    DrehKnopfMarkieren(8);
}

void DrehKnopfMarkieren(Byte k) {
    if (k < 1 || k > 8) return;
    for (int i = 1; i <= 7; ++i) {
        TSpeedButton& b = Form_Edits_01.But_GesamtDrehen(i);
        if (i == k) {
            b.Down = true;
            if (k != 7) b.FontColor = 0x000000FF;
        } else {
            b.Down = false;
            b.FontColor = 0x00000000;
        }
    }
}

void DrehungFuerEingabeAufheben() {
    if (DauerDrehen) DauerDrehungEinAus();
    if (AchsenMitDrehen) {
        AlleDrehungenRueckgaengig();
        DrehListeLoeschen();
        DrehModusAnzeigen();
    }
}

bool KoordinatenAenderungVorbereiten() {
    if (!AchsenMitDrehen && DrehModus == 0) return true;
    if (!FrageJa(KoordAenderungFrage)) return false;
    if (AchsenMitDrehen) DrehungenZuruecksetzen();
    if (DrehModus > 0) {
        DrehungAnhalten();
        ErgebnisAusgeben(ErgebnisAuswahl);
    }
    return true;
}

void DrehungenZuruecksetzen() {
    // Its callers are in the mode with axes; elsewhere the playback would
    // turn the marked objects back and the toggle would switch the axes on.
    if (!AchsenMitDrehen) return;
    if (SzeneGedreht) AlleDrehungenRueckgaengig();
    DrehModusAnzeigen();
}
