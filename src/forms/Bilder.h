#pragma once
// The main window's picture commands: the picture, or a part of it chosen
// with the mouse, to the clipboard, to a "*.BMP" file and to a "*.WMF" file,
// and a "*.BMP" file turned into a "*.WMF" file (Bilder.cpp).

// The part of the picture the commands take, in pixels of the picture
// (right and bottom edges outside). Not gesetzt: the whole picture.
struct TBildausschnitt {
    bool gesetzt = false;
    int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};
inline TBildausschnitt Bildausschnitt;
// Set by the menu: the next drag on the picture chooses the part.
inline bool BildausschnittWaehlen = false;

inline constexpr const char* AusschnittLeerMeldung =
    "Der gewählte Bildausschnitt ist leer oder liegt außerhalb des Bildes.\n"
    "Es wurde nichts übertragen.";

void BildInZwischenablageClick();
void BildAlsBmpSpeichernClick();
void BildAlsWmfSpeichernClick();
void BmpInWmfUmwandelnClick();
// The menu: the next drag on the picture chooses the part.
void BildausschnittWaehlenClick();
// The menu: the commands take the whole picture again.
void GanzesBildClick();
// The drag from (x1, y1) to (x2, y2), corners in any order: the part is
// kept for the commands and copied to the clipboard. A part of no size or
// outside the picture copies nothing and says so.
void BildausschnittGewaehlt(int x1, int y1, int x2, int y2);
