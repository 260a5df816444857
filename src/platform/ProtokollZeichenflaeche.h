#pragma once
// A canvas for tests: paints nothing and records every call with its
// arguments and the pen, brush and font it was made with. Text metrics are
// deterministic: a character is 0.6 x the font height wide, a line is the
// font height high.

#include <string>
#include <vector>

#include "platform/Zeichenflaeche.h"

class ProtokollZeichenflaeche : public Zeichenflaeche {
public:
    enum class Art { MoveTo, LineTo, Polyline, Polygon, Ellipse, Rectangle, FillRect, TextOut };

    struct Eintrag {
        Art art;
        // MoveTo: the point; LineTo: start and end; Polyline, Polygon: all
        // points; Ellipse, Rectangle, FillRect: the two corners as given;
        // TextOut: the upper-left corner.
        std::vector<TPoint> punkte;
        TPen pen;
        TBrush brush;
        TFont font;
        std::string text;

        // The pen as it really paints (a dotted pen wider than 1 is solid).
        TPenStyle StilWirksam() const { return StiftStilWirksam(pen); }
        bool Gepunktet() const { return StilWirksam() == psDot; }
    };

    // One painted line piece (from LineTo or from a Polyline).
    struct Strecke {
        TPoint von, bis;
        TPen pen;
    };

    explicit ProtokollZeichenflaeche(int breite = 0, int hoehe = 0) : breite_(breite), hoehe_(hoehe) {}

    // false: calls are not recorded (the canvas still keeps state and size).
    bool Aufzeichnen = true;
    std::vector<Eintrag> Eintraege;

    int Width() const override { return breite_; }
    int Height() const override { return hoehe_; }
    void GroesseSetzen(int breite, int hoehe) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    int Anzahl(Art art) const;
    std::vector<Eintrag> Alle(Art art) const;
    // Every line piece in drawing order, pens with style psClear left out.
    std::vector<Strecke> Strecken() const;
    int StreckenMitFarbe(TColor farbe) const;
    // The texts written, in order.
    std::vector<std::string> Texte() const;
    void Leeren() { Eintraege.clear(); }

protected:
    void StiftBewegt(int x, int y) override;
    void LinieMalen(TPoint von, TPoint bis) override;
    void LinienzugMalen(const std::vector<TPoint>& punkte) override;
    void PolygonMalen(const std::vector<TPoint>& punkte) override;
    void EllipseMalen(int x1, int y1, int x2, int y2) override;
    void RechteckMalen(int x1, int y1, int x2, int y2) override;
    void RechteckFuellen(int x1, int y1, int x2, int y2) override;
    void TextMalen(int x, int y, const std::string& text) override;

private:
    void Merken(Art art, std::vector<TPoint> punkte, std::string text = {});
    int SchriftHoehe() const;

    int breite_, hoehe_;
};
