#include "view3d/Gleichungen.h"

#include <algorithm>

#include "geometry/Geometrie.h"
#include "forms/Schalter.h"
#include "view3d/Schriftgroessen.h"
#include "platform/Zahltext.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Objekte.h"

namespace {

std::string FestText(Extended c) { return ZahlFest(c, 7, 3); }

void TextBei(Extended x, Extended y, const std::string& text) {
    Zeichenbitmap().TextOut(PixelRunden(x), PixelRunden(y), text);
}

void Punkte(const std::vector<TVek_R2>& p) {
    std::vector<TPoint> q;
    for (const TVek_R2& v : p) q.push_back({PixelRunden(v.x), PixelRunden(v.y)});
    Zeichenbitmap().Polyline(q);
}

// One column vector at x, rows y0 + L .. y0 + 3L, with its brackets.
void Spalte(const TVek_R3& v, Extended x, Extended y0) {
    Zeichenflaeche& Z = Zeichenbitmap();
    const Extended L = GleichungsZeilenabstand;
    const std::string texte[3] = {GleichungsZahlText(v.x), GleichungsZahlText(v.y), GleichungsZahlText(v.z)};
    int breite = 0;
    for (int i = 0; i < 3; ++i) {
        TextBei(x, y0 + (i + 1) * L, texte[i]);
        breite = std::max(breite, Z.TextWidth(texte[i]));
    }
    const Extended oben = y0 + L;
    const Extended unten = y0 + 3 * L + Z.TextHeight(FestText(v.z));
    ZeichneLinkeKlammerBild(x, oben, unten);
    // The right bracket closes the widest of the three texts, never cuts one.
    ZeichneRechteKlammerBild(x + breite, oben, unten);
}

}  // namespace

std::string GleichungsZahlText(Extended c) {
    std::string s = FestText(c);
    if (s.find('E') != std::string::npos) {
        // Too large for the fixed form: fewer digits rather than a cut
        // exponent, which would show a wrong value.
        for (int p = 6; p >= 1; --p) {
            s = ZahlAllgemein(c, p);
            if (s.size() <= 8) break;
        }
        return s;
    }
    std::string r;
    ZahlVierstellig(s, r);
    return r;
}

void ZeichneLinkeKlammerBild(Extended x, Extended oben, Extended unten) {
    Punkte({{x + 3, unten + 4}, {x - 3, unten + 4}, {x - 3, oben - 4}, {x + 3, oben - 4}});
}

void ZeichneRechteKlammerBild(Extended x2, Extended oben, Extended unten) {
    Punkte({{x2 - 3, unten + 4}, {x2 + 3, unten + 4}, {x2 + 3, oben - 4}, {x2 - 3, oben - 4}});
}

void GleichungenZeichnen() {
    Zeichenflaeche& Z = Zeichenbitmap();
    const TColor farbe = Gerade_g.Farbe;
    Z.Pen.Width = 1;
    Z.Pen.Style = psSolid;
    Z.Pen.Color = farbe;
    Z.Font.Color = farbe;
    Z.Brush.Color = FarbeHintergrund;

    const Extended U = GleichungsTextMasse;
    const Extended L = GleichungsZeilenabstand;
    const Extended B = GleichungEbenenOben;

    if (KoordZeigenGeraden) {
        struct {
            const TGerade* G;
            Extended x0;
            const char* name;
            const char* parameter;
        } geraden[] = {{&Gerade_g, 0, "g: ... =", "+ k *"}, {&Gerade_h, GleichungHLinks, "h: ... =", "+   l  * "}};
        for (const auto& g : geraden) {
            TextBei(g.x0 + U, 2 * L, g.name);
            Spalte(g.G->Stuetzvektor, g.x0 + 4 * U, 0);
            TextBei(g.x0 + 7 * U, 2 * L, g.parameter);
            Spalte(g.G->Richtungsvektor, g.x0 + 9 * U, 0);
        }
    }
    if (KoordZeigenEbenen) {
        struct {
            const TEbene* E;
            Extended x0;
            const char* name;
            const char* parameter1;
            const char* parameter2;
        } ebenen[] = {{&Ebene_E1, 0, "E1:...=", " + r * ", " + s* "},
                      {&Ebene_E2, GleichungE2Links, "E2:...=", " + t * ", " + u * "}};
        for (const auto& e : ebenen) {
            TextBei(e.x0 + U, B + 2 * L, e.name);
            Spalte(e.E->Stuetzvektor, e.x0 + 3.2L * U, B);
            TextBei(e.x0 + 5.9L * U, B + 2 * L, e.parameter1);
            Spalte(e.E->Richtungsvektor1, e.x0 + 7.6L * U, B);
            TextBei(e.x0 + 10.3L * U, B + 2 * L, e.parameter2);
            Spalte(e.E->Richtungsvektor2, e.x0 + 12.0L * U, B);
        }
    }
}
