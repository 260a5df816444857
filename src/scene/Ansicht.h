#pragma once
// State of the projection and of the picture: the unit-level variables that
// the projection, the redraw and the projection controls read and write.
// Only the variables live here; the routines are in their own files.

#include <string>

#include "geometry/Vektor.h"
#include "platform/Typen.h"

// Projection kind and picture plane.
inline bool Zentralprojektion = false;  // switched on by the first activation
inline Byte ProjEbene = 1;              // 1 x,z-plane, 2 y,z-plane, 3 x,y-plane
inline TVek_R3 Augpunkt;                // eye point of the central projection
inline TVek_R3 ProjRichtung;            // direction of the parallel projection

// Scale: pixels per unit (always equal), and at zoom 100 %.
inline Extended MassstabX = 0, MassstabY = 0, MassstabZ = 0;
inline Extended MassstabBasis = 0;
inline Extended SkFy = 1.0L;            // receding axis (parallel projection)
inline Extended SkFz = 1.0L;            // vertical picture axis

// Axes.
inline int AchsenHalbLaenge = 8;
inline int AchseXMax = 0, AchseYMax = 0, AchseZMax = 0;
inline Extended Pfeillaenge = 0;        // AchseXMax / 50
inline Extended GroessteKoordinate = 0; // largest |coordinate| seen by the recompute
inline Extended GeradenFaktor = 1.0L;   // drawn piece of a line (never changed)
inline Extended WuerfelFaktor = 1.0L;   // size factor of the axes cube (never changed)

// Picture geometry.
inline int BildSeite = 0;               // side of the square picture in pixels
inline Extended VerschiebungX = 0, VerschiebungY = 0;  // picture shift (y upward)
inline bool ErsteAktivierung = true;    // until the end of the first activation
inline bool AugpunktMitte = false;      // hold the origin's picture in place
inline bool AugpunktDurchgang = false;  // while the origin itself is projected
inline TVek_R2 UrsprungBild;
inline TVek_R2 UrsprungBildZentral;
inline TVek_R2 UrsprungVersatz;

// Projection controls.
inline Byte FPTaste = 0;                // held eye-point step button
inline Byte ProjRichtTaste = 0;         // held direction step button
inline Byte VerschiebeTaste = 0;        // held picture shift button: 1 right, 2 left, 3 up, 4 down
inline bool ProjEbNachVorne = false;
inline Byte VerschProjEb = 1;           // step of the picture-plane shift
inline bool SchraegbildVorgabe = false;
inline bool RichtungsMeldungAus = false;
inline Byte VorgabeEbene = 1;
inline bool ProjEbNeuZeichnenAus = false;
inline bool GitterwaendeAutomatisch = false;
inline std::string DrehwinkelText;      // at most 12 characters

// Redraw.
inline int AktLinienNr = 0;             // the line being drawn or computed
inline bool MaxQuaderWirdGezeichnet = false;
inline bool ProjTexteZurueck = false;
inline TFeld<std::string, 1, 6> ProjTexte;  // at most 20 characters each

// All of the above back to the values they have before the main window's
// creation.
void AnsichtNullen();
