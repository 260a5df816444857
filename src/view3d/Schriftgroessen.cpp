#include "view3d/Schriftgroessen.h"

#include <cmath>

#include "forms/Hauptfenster.h"
#include "platform/Zeichenflaeche.h"

int BildSchriftHoehe(int ClientBreite) {
    long double punkte;
    if (ClientBreite < 800)
        punkte = 6;
    else if (ClientBreite < 1024)
        punkte = 7;
    else
        punkte = std::round(static_cast<long double>(ClientBreite) / 1000.0L * 8.0L);
    return static_cast<int>(std::lround(punkte * 96.0L / 72.0L));
}

void SchriftGroessenSetzen() {
    const int h = BildSchriftHoehe(Form_Edits_01.ClientWidth);
    Zeichenbitmap().Font.Height = -h;  // character height in pixels

    const Extended breite = Form_Edits_01.PaintBox1.Width;
    const Extended hoehe = Form_Edits_01.PaintBox1.Height;
    GleichungsZeilenabstand = 2 * h;
    GleichungsTextMasse = breite / 80.0L * 2.5L;
    GleichungHLinks = breite - 14.0L * GleichungsTextMasse;
    GleichungE2Links = breite - 16.0L * GleichungsTextMasse;
    GleichungEbenenOben = hoehe - 5.0L * GleichungsZeilenabstand;
}

void SchriftGroessenNullen() {
    GleichungsTextMasse = 0;
    GleichungsZeilenabstand = 0;
    GleichungHLinks = 0;
    GleichungE2Links = 0;
    GleichungEbenenOben = 0;
}
