#pragma once
// The hidden-line switch of the main window (menu item vdL and speed button
// But_vdL) and the estimate of what the pass would cost.

// Segments the visible objects would queue, as SichtbarkeitAktualisieren
// estimates them.
inline int VerdeckteLinienAufwand = 0;
// Above this estimate switching hidden lines on asks first.
inline constexpr int VerdeckteLinienAufwandGrenze = 200;
// Densest sphere mesh (rings and meridians) drawn with hidden lines.
inline constexpr int KugelDichteVerdeckt = 8;

inline constexpr const char* VerdeckteLinienFrage =
    "Bei den eingeblendeten Objekten müssen sehr viele Strecken auf Verdeckung geprüft werden.\n"
    "Das Zeichnen kann deshalb lange dauern (Abbruch mit der Esc-Taste).\n"
    "Wollen Sie 'verdeckte Linien beachten' trotzdem einschalten?";

// The estimate for the objects whose visible flag is set, with the sphere
// densities that hidden-line mode draws.
int VerdeckteLinienAufwandSchaetzen();
