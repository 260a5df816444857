#pragma once
// Where a window goes on the screen: plain rectangle arithmetic, so the
// rule can be tested without a display. Every rectangle is a window's outer
// frame (title bar included) in screen pixels.

#include <vector>

struct Rechteck {
    int Left = 0, Top = 0, Width = 0, Height = 0;

    int Right() const { return Left + Width; }    // first column past it
    int Bottom() const { return Top + Height; }  // first row past it
    bool Leer() const { return Width <= 0 || Height <= 0; }
    bool operator==(const Rechteck&) const = default;
};

// The area two rectangles share, 0 when they do not meet.
long long Ueberdeckung(const Rechteck& a, const Rechteck& b);

// The rectangle moved by the least amount that brings it into frei; a
// rectangle larger than frei is cut to it first.
Rechteck InDenBereich(Rechteck r, const Rechteck& frei);

// The place of a window of the given outer size that opens while the
// windows in offen are open (their controls must stay visible); schonen is
// what should stay visible if it can (the drawn part of the picture, the
// main window's menu). The window lies inside frei always, title bar
// included (a window too large is cut), and
// - covers none of offen where it can: at its wish, beside one of them or
//   in a corner of frei, the place that covers least of schonen, then the
//   one nearest its wish;
// - where it cannot, covers the least of offen, and none of their title
//   bars (the top TitelHoehe rows of each);
// - where that cannot be either, is cascaded: one step right and down from
//   the last of offen, or a step of the diagonals from the top edge of
//   frei, or its wish or a corner, whichever covers least of schonen;
//   never exactly on one of offen while a step is left.
Rechteck FensterPlatz(const Rechteck& frei, int Breite, int Hoehe, int WunschX, int WunschY,
                      const std::vector<Rechteck>& offen, const std::vector<Rechteck>& schonen = {});

// The other windows open while an ordinary window opens, as frames in
// screen pixels.
struct Fensterlage {
    std::vector<Rechteck> Oben;        // windows that stay on top: they cover the new one
    std::vector<Rechteck> Offen;       // ordinary windows, which the new one covers
    std::vector<Rechteck> Freihalten;  // buttons the user needs at once (undo, redo)
    std::vector<Rechteck> Schonen;     // what should stay visible if it can
};

// The place of an ordinary window, which opens below every window that
// stays on top. Titel is the height of its title bar, felder are its input
// fields relative to its frame's top left. It lies inside frei, title bar
// included (a window too large is cut), and of all places
// - where the windows on top cover least of its title bar (so that it can
//   be moved), then of its fields, then of it (none where there is room),
// - not exactly on one of the ordinary windows,
// - covering least of Freihalten, then of Offen, then of Schonen,
// - nearest its wish.
Rechteck GewoehnlicherFensterPlatz(const Rechteck& frei, int Breite, int Hoehe, int WunschX, int WunschY,
                                   int Titel, const std::vector<Rechteck>& felder, const Fensterlage& lage);

// The step of a cascade.
inline constexpr int KaskadenSchritt = 24;
// The rows of a frame that hold its title bar (with a margin).
inline constexpr int TitelHoehe = 30;
