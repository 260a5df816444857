#include "view3d/AchsenZeichnen.h"

#include "forms/Schalter.h"
#include "platform/Zahltext.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Ansicht.h"
#include "view3d/Objektzeichnen.h"
#include "view3d/Zeichnen.h"

namespace {

struct Wand {
    int Ecken[4];  // fill polygon; the first three span the grid, the fourth closes it
};
// Indices into TSpat.Ecke (1 A .. 8 H) for walls 1..6.
constexpr Wand Waende[7] = {
    {{0, 0, 0, 0}},
    {{1, 2, 3, 4}},  // 1 floor z = -Z: A, B, C, D
    {{4, 3, 7, 8}},  // 2 back y = Y: D, C, G, H
    {{5, 6, 7, 8}},  // 3 top z = Z: E, F, G, H
    {{1, 2, 6, 5}},  // 4 front y = -Y: A, B, F, E
    {{1, 4, 8, 5}},  // 5 left x = -X: A, D, H, E
    {{2, 3, 7, 6}},  // 6 right x = X: B, C, G, F
};
// The walls are painted back-to-front for the usual view.
constexpr int WandFolge[6] = {1, 5, 2, 3, 6, 4};

std::string GanzzahlText(int n) { return ZahlFest(n, 15, 0); }

// Writes text with its upper-left corner at the anchor's picture point
// moved by (dx, dy), dy upward.
void TextAnPunkt(const TVek_R3& Anker, Extended dx, Extended dy, const std::string& text) {
    const TVek_R2 p = BildpunktPixel(Anker);
    Zeichenbitmap().TextOut(PixelRunden(p.x + dx), PixelRunden(p.y - dy), text);
}

void KreisAnPunkt(const TVek_R3& Anker) {
    const TVek_R2 p = BildpunktPixel(Anker);
    Zeichenbitmap().Ellipse(PixelRunden(p.x - 3), PixelRunden(p.y + 3), PixelRunden(p.x + 3),
                            PixelRunden(p.y - 3));
}

}  // namespace

void AKreuzZeichnen(const TAKreuz& K) {
    static constexpr int Achsen[9][2] = {{1, 2},  {3, 4},   {5, 6},   {7, 8},  {8, 9},
                                         {10, 11}, {11, 12}, {13, 14}, {14, 15}};
    static constexpr int Buchstaben[7][2] = {{16, 17}, {18, 19}, {20, 21}, {22, 23},
                                             {24, 25}, {25, 26}, {26, 27}};
    for (const auto& s : Achsen)
        StreckeZeichnen3D(K.Achsenpunkte[s[0]], K.Achsenpunkte[s[1]], K.Farbe, K.Linienstil, 2);
    for (const auto& s : Buchstaben)
        StreckeZeichnen3D(K.Achsenpunkte[s[0]], K.Achsenpunkte[s[1]], K.Farbe, K.Linienstil, 1);
}

void AchseneinteilungenZeichnen(const TAchseneinteilungen& E) {
    // The ticks stay black whatever colour the axes have.
    const TPenStyle stil = AchsenKreuz.Linienstil;
    for (int i = 1; i <= 8; ++i) {
        StreckeZeichnen3D(E.XStrichAnfang[i], E.XStrichEnde[i], 0, stil, 1);
        StreckeZeichnen3D(E.YStrichAnfang[i], E.YStrichEnde[i], 0, stil, 1);
        StreckeZeichnen3D(E.ZStrichAnfang[i], E.ZStrichEnde[i], 0, stil, 1);
    }
}

void GitterwaendeZeichnen(const TSpat& Q) {
    Zeichenflaeche& Z = Zeichenbitmap();
    Z.Brush.Color = Q.FarbeGitterwaende;
    Z.Brush.Style = bsSolid;
    Z.Pen.Style = psClear;
    Z.Pen.Color = 0;
    Z.Pen.Width = 1;

    // All fills first, so no fill covers another wall's grid.
    for (int w : WandFolge) {
        if (!GitterWaende[w]) continue;
        std::vector<TVek_R2> ecken;
        for (int k : Waende[w].Ecken) ecken.push_back(BildpunktPixel(Q.Ecke[k]));
        Z.PolygonR2(ecken);
    }
    // A count of 0 keeps the borders, a negative one draws no grid lines
    // (ZeichneEbenenGitter sees to both).
    const int N = AnzGitterLinien;
    for (int w : WandFolge) {
        if (!GitterWaende[w]) continue;
        const int* e = Waende[w].Ecken;
        ZeichneEbenenGitter(Q.Ecke[e[0]], Q.Ecke[e[1]], Q.Ecke[e[2]], Q.Ecke[e[3]], N, NetzLinienStil,
                            RandLinienStil, 0);
    }
}

void AchsenwerteZeichnen(const TSpat& Q) {
    Zeichenflaeche& Z = Zeichenbitmap();
    Z.Brush.Color = FarbeHintergrund;
    Z.Brush.Style = bsSolid;
    // A fixed pen and font colour: otherwise the circles and numbers would
    // take whatever the object drawn last (or the equations) left behind.
    Z.Pen.Color = AchsenKreuz.Farbe;
    Z.Pen.Width = 1;
    Z.Pen.Style = psSolid;
    Z.Font.Color = AchsenKreuz.Farbe;

    const TVek_R3& A = Q.Ecke[1];
    const TVek_R3& B = Q.Ecke[2];
    const TVek_R3& C = Q.Ecke[3];
    const TVek_R3& G = Q.Ecke[7];
    const TVek_R3& mAB = Q.Kantenmitten[1];
    const TVek_R3& mBC = Q.Kantenmitten[2];
    const TVek_R3& mCG = Q.Kantenmitten[3];

    TextAnPunkt(A, -15, -5, GanzzahlText(-AchseXMax));
    KreisAnPunkt(mAB);
    TextAnPunkt(mAB, -2, -5, "0");
    TextAnPunkt(B, -15, -5, GanzzahlText(AchseXMax));
    TextAnPunkt(B, 10, 0, GanzzahlText(-AchseYMax));
    KreisAnPunkt(mBC);
    TextAnPunkt(mBC, -2, -5, "0");
    TextAnPunkt(C, -5, -5, GanzzahlText(AchseYMax));
    TextAnPunkt(C, 5, 10, GanzzahlText(-AchseZMax));
    KreisAnPunkt(mCG);
    TextAnPunkt(mCG, 8, 8, "0");
    TextAnPunkt(G, 5, 5, GanzzahlText(AchseZMax));
}

void AchsenWuerfelZeichnen() {
    MaxQuaderWirdGezeichnet = true;  // SpatZeichnen clears it
    SpatZeichnen(MaxQuader);
}

void FluchtstreckenZeichnen() {
    AchsenWuerfelZeichnen();
    for (int k = 1; k <= 8; ++k)
        StreckeZeichnen3D(MaxQuader.Ecke[k], Augpunkt, FluchtstreckenFarbe, FluchtstreckenStil,
                          FluchtstreckenBreite);
}
