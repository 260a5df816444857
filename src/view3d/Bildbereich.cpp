#include "view3d/Bildbereich.h"

#include <algorithm>
#include <cmath>

#include "forms/Hauptfenster.h"
#include "scene/Objekte.h"
#include "view3d/Zeichnen.h"

Rechteck GezeichneterBereich() {
    Extended links = 0, rechts = 0, oben = 0, unten = 0;
    bool erster = true;
    const auto dazu = [&](const TVek_R3& P) {
        const TVek_R2 p = BildpunktPixel(P);
        if (!std::isfinite(p.x) || !std::isfinite(p.y)) return;
        if (erster) {
            links = rechts = p.x;
            oben = unten = p.y;
            erster = false;
            return;
        }
        links = std::min(links, p.x);
        rechts = std::max(rechts, p.x);
        oben = std::min(oben, p.y);
        unten = std::max(unten, p.y);
    };
    for (int i = 1; i <= 8; ++i) dazu(MaxQuader.Ecke[i]);
    for (int i = 1; i <= 27; ++i) dazu(AchsenKreuz.Achsenpunkte[i]);
    const TControl& B = Form_Edits_01.PaintBox1;
    if (erster || B.Width <= 0 || B.Height <= 0) return {};
    // Cut before rounding: a point far outside keeps its exact value.
    const auto schnitt = [](Extended v, int bis) {
        return static_cast<int>(std::lround(std::clamp<Extended>(v, 0, bis)));
    };
    const int l = schnitt(links, B.Width), r = schnitt(rechts, B.Width);
    const int o = schnitt(oben, B.Height), u = schnitt(unten, B.Height);
    if (r <= l || u <= o) return {};
    return {l, o, r - l, u - o};
}
