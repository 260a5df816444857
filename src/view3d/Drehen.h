#pragma once
// Rotation of single objects. There is no view matrix: a rotation turns the
// stored points of the objects themselves, in place, and the projection
// shows their current coordinates.
//
// With the axes staying (AchsenMitDrehen = 0) an object's defining data are
// rebuilt from its turned points and written into its dialog's grids, and
// lines and planes recompute what derives from them. With the axes turning
// along only the drawing points turn; the grids keep the coordinates in the
// frame of the turned axes.
//
// Every routine has two entry points: about a coordinate axis through the
// origin (...Drehen) and about the rotation axis Drehachse by Drehwinkel
// (...DrehenUmGerade). A whole-scene step builds its turn once with
// PunktDrehung and hands it to ObjektDrehen for every object.

#include "geometry/Vektor.h"
#include "platform/Typen.h"
#include "scene/Objekte.h"

// Shows the current rotation matrix and the list of rotations in the
// rotation-matrix window (ZeigeAktuelleDrehmatrix, ZeigeDrehungenliste)
// after each turn of the axes cross. The window's code lies above the
// rotation arithmetic, so ProgrammStart sets it; nothing shows while unset.
inline void (*DrehmatrizenZeigen)() = nullptr;

// The turn of one step, built once and applied to every point of the step.
// The results are exactly those of DrehePunktUmAchse and DrehePunktUmGerade.
class PunktDrehung {
public:
    // About the x- (1), y- (2) or z-axis (3) through the origin by Winkel
    // degrees. Any other axis leaves every point as it is.
    PunktDrehung(int Achse, Extended Winkel);
    // About a line, with its matrices built beforehand.
    explicit PunktDrehung(const DrehungUmGerade& G);

    void Punkt(TVek_R3& P) const;
    template <int N>
    void Punkte(TPunkte<N>& P, int Anzahl = N) const {
        for (int k = 1; k <= Anzahl; ++k) Punkt(P[k]);
    }
    // A direction turned with the points (no shift along the line).
    void Richtung(TVek_R3& v) const;

private:
    bool umGerade_;
    int achse_ = 0;
    Extended c_ = 1, s_ = 0;
    DrehungUmGerade gerade_{0, {}, {}};
};

// The turn about the rotation axis: the line through Drehachse's drawn
// direction vector (VektorAnfang to VektorEnde), by Drehwinkel.
DrehungUmGerade DrehachsenDrehung();

// ---- One step of one object ---------------------------------------------------

void ObjektDrehen(TFadenkreuz& F, const PunktDrehung& D);
void ObjektDrehen(TSpat& S, const PunktDrehung& D);
void ObjektDrehen(TKugel& K, const PunktDrehung& D);
void ObjektDrehen(TKegel& K, const PunktDrehung& D);
void ObjektDrehen(TVektor& V, const PunktDrehung& D);
void ObjektDrehen(TStrecke& S, const PunktDrehung& D);
void ObjektDrehen(TPunkt& P, const PunktDrehung& D);
void ObjektDrehen(TEbene& E, const PunktDrehung& D);
void ObjektDrehen(TGerade& G, const PunktDrehung& D);

// The class routines (TSpat.Drehen, TSpat.DrehenUmGerade, ...). Achse 1..3,
// Winkel signed, in degrees.
void FadenkreuzDrehen(TFadenkreuz& F, int Achse, Extended Winkel);
void SpatDrehen(TSpat& S, int Achse, Extended Winkel);
void KugelDrehen(TKugel& K, int Achse, Extended Winkel);
void KegelDrehen(TKegel& K, int Achse, Extended Winkel);
void VektorDrehen(TVektor& V, int Achse, Extended Winkel);
void StreckeDrehen(TStrecke& S, int Achse, Extended Winkel);
void PunktDrehen(TPunkt& P, int Achse, Extended Winkel);
void EbeneDrehen(TEbene& E, int Achse, Extended Winkel);
void GeradeDrehen(TGerade& G, int Achse, Extended Winkel);

void FadenkreuzDrehenUmGerade(TFadenkreuz& F);
void SpatDrehenUmGerade(TSpat& S);
void KugelDrehenUmGerade(TKugel& K);
void KegelDrehenUmGerade(TKegel& K);
void VektorDrehenUmGerade(TVektor& V);
void StreckeDrehenUmGerade(TStrecke& S);
void PunktDrehenUmGerade(TPunkt& P);
void EbeneDrehenUmGerade(TEbene& E);
void GeradeDrehenUmGerade(TGerade& G);

// TAKreuz.Drehen: the bookkeeping of a whole-scene step about a coordinate
// axis (angle into the open list entry unless the list is being played
// back, the rotation matrices counted, built and shown), then, with the
// axes turning along, the 27 points of the axes cross.
void AKreuzDrehen(TAKreuz& K, int Achse, Extended Winkel);
// TAchseneinteilungen.Drehen: every tick end, only with the axes turning
// along.
void AchseneinteilungenDrehen(TAchseneinteilungen& E, int Achse, Extended Winkel);

// ---- Write-back into the dialogs' grids -----------------------------------------
// Each writes every object of its kind through SpalteSchreiben (the cell
// text rule of all object grids), whether or not its dialog shows it; a
// cell that the user is editing right now is left alone. All but the lines
// and planes then rebuild the open report.

// While one lives, the write-backs that ObjektDrehen asks for (the grids
// above and the main window's intersection labels) run once each, in the
// order first asked, when it ends: each writes every object of its kind,
// and a whole-scene step turns up to four of a kind. What the objects
// derive from their turned points is still recomputed at once.
class DatenInDialogGebuendelt {
public:
    DatenInDialogGebuendelt();
    ~DatenInDialogGebuendelt();
    DatenInDialogGebuendelt(const DatenInDialogGebuendelt&) = delete;
    DatenInDialogGebuendelt& operator=(const DatenInDialogGebuendelt&) = delete;
};

void GeradenDatenInDialog();
void EbenenDatenInDialog();
void SpateDatenInDialog();
void VektorenDatenInDialog();
void StreckenDatenInDialog();
void PunkteDatenInDialog();
void KugelnDatenInDialog();
void KegelDatenInDialog();
void FadenkreuzDatenInDialog();  // TFadenkreuz.DatenInDialog
