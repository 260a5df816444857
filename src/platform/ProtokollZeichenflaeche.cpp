#include "platform/ProtokollZeichenflaeche.h"

#include <cstdlib>
#include <utility>

void ProtokollZeichenflaeche::GroesseSetzen(int breite, int hoehe) {
    breite_ = breite < 0 ? 0 : breite;
    hoehe_ = hoehe < 0 ? 0 : hoehe;
}

int ProtokollZeichenflaeche::SchriftHoehe() const {
    return Font.Height == 0 ? 13 : std::abs(Font.Height);
}

int ProtokollZeichenflaeche::TextWidth(const std::string& text) {
    int zeichen = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80) ++zeichen;  // count UTF-8 characters, not bytes
    return (SchriftHoehe() * 6 * zeichen + 5) / 10;
}

int ProtokollZeichenflaeche::TextHeight(const std::string&) { return SchriftHoehe(); }

void ProtokollZeichenflaeche::Merken(Art art, std::vector<TPoint> punkte, std::string text) {
    if (!Aufzeichnen) return;
    Eintraege.push_back({art, std::move(punkte), Pen, Brush, Font, std::move(text)});
}

void ProtokollZeichenflaeche::StiftBewegt(int x, int y) { Merken(Art::MoveTo, {{x, y}}); }

void ProtokollZeichenflaeche::LinieMalen(TPoint von, TPoint bis) { Merken(Art::LineTo, {von, bis}); }

void ProtokollZeichenflaeche::LinienzugMalen(const std::vector<TPoint>& punkte) {
    Merken(Art::Polyline, punkte);
}

void ProtokollZeichenflaeche::PolygonMalen(const std::vector<TPoint>& punkte) {
    Merken(Art::Polygon, punkte);
}

void ProtokollZeichenflaeche::EllipseMalen(int x1, int y1, int x2, int y2) {
    Merken(Art::Ellipse, {{x1, y1}, {x2, y2}});
}

void ProtokollZeichenflaeche::RechteckMalen(int x1, int y1, int x2, int y2) {
    Merken(Art::Rectangle, {{x1, y1}, {x2, y2}});
}

void ProtokollZeichenflaeche::RechteckFuellen(int x1, int y1, int x2, int y2) {
    Merken(Art::FillRect, {{x1, y1}, {x2, y2}});
}

void ProtokollZeichenflaeche::TextMalen(int x, int y, const std::string& text) {
    Merken(Art::TextOut, {{x, y}}, text);
}

int ProtokollZeichenflaeche::Anzahl(Art art) const {
    int n = 0;
    for (const Eintrag& e : Eintraege)
        if (e.art == art) ++n;
    return n;
}

std::vector<ProtokollZeichenflaeche::Eintrag> ProtokollZeichenflaeche::Alle(Art art) const {
    std::vector<Eintrag> v;
    for (const Eintrag& e : Eintraege)
        if (e.art == art) v.push_back(e);
    return v;
}

std::vector<ProtokollZeichenflaeche::Strecke> ProtokollZeichenflaeche::Strecken() const {
    std::vector<Strecke> v;
    for (const Eintrag& e : Eintraege) {
        if (e.pen.Style == psClear) continue;
        if (e.art == Art::LineTo) {
            v.push_back({e.punkte[0], e.punkte[1], e.pen});
        } else if (e.art == Art::Polyline) {
            for (std::size_t i = 1; i < e.punkte.size(); ++i) v.push_back({e.punkte[i - 1], e.punkte[i], e.pen});
        }
    }
    return v;
}

int ProtokollZeichenflaeche::StreckenMitFarbe(TColor farbe) const {
    int n = 0;
    for (const Strecke& s : Strecken())
        if (s.pen.Color == farbe) ++n;
    return n;
}

std::vector<std::string> ProtokollZeichenflaeche::Texte() const {
    std::vector<std::string> v;
    for (const Eintrag& e : Eintraege)
        if (e.art == Art::TextOut) v.push_back(e.text);
    return v;
}
