#include "forms/Beispiele.h"

#include <string>

#include "view3d/Abgeleitet.h"
#include "view3d/Projektion.h"

namespace {

// Space units are pixels here; the receding x axis goes to the lower left
// at half length, as in the usual school drawing.
struct Bild {
    Zeichenflaeche& z;
    Extended ox, oy;  // picture point of the origin, y upward

    TPoint Punkt(TVek_R3 P) const {
        const Extended x = ox + P.y - 0.3535533905932737622L * P.x;
        const Extended y = oy + P.z - 0.3535533905932737622L * P.x;
        return {PixelRunden(x), PixelRunden(BildY(Form_Beispiele, y))};
    }
    void Linie(TVek_R3 A, TVek_R3 B, TColor farbe, int breite = 1, TPenStyle stil = psSolid) {
        z.Pen = {farbe, breite, stil};
        const TPoint a = Punkt(A), b = Punkt(B);
        z.MoveTo(a.X, a.Y);
        z.LineTo(b.X, b.Y);
    }
    // The vector from A to E with a small head whose barbs lie in the plane
    // of p and q.
    void Pfeil(TVek_R3 A, TVek_R3 E, TVek_R3 p, TVek_R3 q, TColor farbe) {
        Linie(A, E, farbe, 2);
        TVek_R3 f1, s, f2;
        PfeilspitzeInEbeneBerechnen({E.x - A.x, E.y - A.y, E.z - A.z}, A, E, p, q, f1, s, f2, true);
        z.Pen = {farbe, 1, psSolid};
        z.Brush = {farbe, bsSolid};
        z.Polygon({Punkt(f1), Punkt(s), Punkt(f2)});
    }
    void Achsen() {
        const TColor grau = 0x00808080;
        Linie({-60, 0, 0}, {110, 0, 0}, grau);
        Linie({0, -20, 0}, {0, 150, 0}, grau);
        Linie({0, 0, -20}, {0, 0, 150}, grau);
        Text({118, 0, -6}, "x");
        Text({0, 156, 4}, "y");
        Text({0, 4, 166}, "z");
    }
    // The caption under the picture, left at the picture's origin.
    void Unterschrift(const std::string& t) {
        z.Brush.Style = bsClear;
        z.TextOut(PixelRunden(ox - 40), PixelRunden(BildY(Form_Beispiele, 30)), t);
    }
    void Text(TVek_R3 P, const std::string& t) {
        z.Brush.Style = bsClear;
        const TPoint p = Punkt(P);
        z.TextOut(p.X, p.Y, t);
    }
};

}  // namespace

void BeispielZeichnen(Zeichenflaeche& z) {
    z.Brush = {0x00FFFFFF, bsSolid};
    z.FillRect(0, 0, z.Width(), z.Height());
    z.Font.Height = -13;
    z.Font.Color = 0;
    const int h = Form_Beispiele.ClientHeight;
    const TVek_R3 ex{1, 0, 0}, ez{0, 0, 1};

    // A vector and its components.
    Bild v{z, 60, h * 0.36L};
    v.Achsen();
    const TVek_R3 a{60, 100, 90};
    v.Linie({0, 0, 0}, {a.x, 0, 0}, 0x00C0C0C0, 1, psDot);
    v.Linie({a.x, 0, 0}, {a.x, a.y, 0}, 0x00C0C0C0, 1, psDot);
    v.Linie({a.x, a.y, 0}, a, 0x00C0C0C0, 1, psDot);
    v.Pfeil({0, 0, 0}, a, a, ez, 0x000000FF);
    v.Text({a.x, a.y + 6, a.z + 14}, "a");
    v.Unterschrift("Vektor a");

    // A line: support vector to P, direction vector u from P.
    Bild g{z, 280, h * 0.36L};
    g.Achsen();
    const TVek_R3 p{20, 30, 60}, u{0, 80, 40};
    g.Linie({p.x - u.x, p.y - u.y, p.z - u.z}, {p.x + 1.6L * u.x, p.y + 1.6L * u.y, p.z + 1.6L * u.z}, 0x00008000);
    g.Pfeil({0, 0, 0}, p, p, ez, 0x00C8C800);
    g.Pfeil(p, {p.x + u.x, p.y + u.y, p.z + u.z}, u, ez, 0x000000FF);
    g.Text({p.x, p.y - 24, p.z + 4}, "P");
    g.Text({p.x, p.y + u.y / 2, p.z + u.z / 2 + 16}, "u");
    g.Unterschrift("Gerade g: x = p + t·u");

    // A plane: support vector and two direction vectors, barbs in the plane.
    Bild e{z, 480, h * 0.36L};
    e.Achsen();
    const TVek_R3 s{0, 30, 50}, r1{0, 80, 0}, r2{-60, 0, 50};
    const TVek_R3 ecken[4] = {{s.x - r1.x * 0.3L - r2.x * 0.3L, s.y - r1.y * 0.3L - r2.y * 0.3L, s.z - r1.z * 0.3L - r2.z * 0.3L},
                              {s.x + r1.x * 1.3L - r2.x * 0.3L, s.y + r1.y * 1.3L - r2.y * 0.3L, s.z + r1.z * 1.3L - r2.z * 0.3L},
                              {s.x + r1.x * 1.3L + r2.x * 1.3L, s.y + r1.y * 1.3L + r2.y * 1.3L, s.z + r1.z * 1.3L + r2.z * 1.3L},
                              {s.x - r1.x * 0.3L + r2.x * 1.3L, s.y - r1.y * 0.3L + r2.y * 1.3L, s.z - r1.z * 0.3L + r2.z * 1.3L}};
    for (int i = 0; i < 4; ++i) e.Linie(ecken[i], ecken[(i + 1) % 4], 0x00FF0000);
    e.Pfeil({0, 0, 0}, s, s, ex, 0x00C8C800);
    e.Pfeil(s, {s.x + r1.x, s.y + r1.y, s.z + r1.z}, r1, r2, 0x000000FF);
    e.Pfeil(s, {s.x + r2.x, s.y + r2.y, s.z + r2.z}, r2, r1, 0x000000FF);
    e.Text({s.x, s.y + r1.y / 2, s.z - 4}, "u");
    e.Text({s.x + r2.x / 2, s.y - 14, s.z + r2.z / 2}, "v");
    e.Unterschrift("Ebene E: x = p + r·u + s·v");
}
