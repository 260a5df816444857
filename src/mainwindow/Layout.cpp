// The main window's answer to a new layout: the front lays the window out
// and hands the places over; everything that follows is decided here.

#include "forms/Hauptfenster.h"
#include "platform/Zeichenflaeche.h"
#include "scene/Ansicht.h"
#include "view3d/Projektion.h"
#include "view3d/Schriftgroessen.h"
#include "view3d/Zeichnen.h"

namespace {

void OrtSetzen(TControl& c, const Rechteck& r) {
    c.Left = r.Left;
    c.Top = r.Top;
    c.Width = r.Width;
    c.Height = r.Height;
}

bool GleicherOrt(const TControl& c, const Rechteck& r) {
    return c.Left == r.Left && c.Top == r.Top && c.Width == r.Width && c.Height == r.Height;
}

}  // namespace

bool TForm_Edits_01::LayoutGeaendert(const TLayout& L) {
    const bool clientNeu = L.ClientWidth != ClientWidth || L.ClientHeight != ClientHeight;
    // The canvas counts too: it may have been sized by someone else.
    const bool bildNeu = !GleicherOrt(PaintBox1, L.PaintBox1) || Zeichenbitmap().Width() != L.PaintBox1.Width ||
                         Zeichenbitmap().Height() != L.PaintBox1.Height;
    ClientWidth = L.ClientWidth;
    ClientHeight = L.ClientHeight;
    const std::pair<TPanel*, const Rechteck*> panels[] = {{&Panel_oben, &L.Panel_oben},
                                                          {&Panel_oben_a, &L.Panel_oben_a},
                                                          {&Panel_links, &L.Panel_links},
                                                          {&Panel_rechts, &L.Panel_rechts}};
    for (const auto& [p, r] : panels)
        if (p->Visible) OrtSetzen(*p, *r);
    OrtSetzen(PaintBox1, L.PaintBox1);
    if (!clientNeu && !bildNeu) return false;

    const int alteSeite = BildSeite;
    if (clientNeu) BildSeiteBerechnen();
    PanelsAnordnen();
    Zeichenbitmap().GroesseSetzen(PaintBox1.Width, PaintBox1.Height);
    SchriftGroessenSetzen();
    // Nothing is drawn before the first activation; it draws the first picture.
    if (!ErsteAktivierung) {
        if (BildSeite != alteSeite) MassstabSetzen();
        SzeneZeichnen();
    }
    return true;
}
