#pragma once
// The canvas the picture is drawn on. The core sets Pen, Brush and Font and
// calls the drawing routines with whole pixels (y downward from the top);
// the implementations (QPainter image, metafile writer, test recorder) read
// the state at the time of each call.
//
// Conventions of the drawing calls, as the program relies on them:
// - LineTo draws from the pen position and leaves the pen at its end point;
//   the end point itself is not painted.
// - Rectangle, FillRect and Ellipse take two corners; the right and bottom
//   edges lie outside the figure.
// - Polygon, Rectangle and Ellipse fill with the brush (unless it is clear)
//   and outline with the pen (unless its style is psClear).
// - TextOut writes with the upper-left corner of the text cell at (x, y); the
//   cell is filled with the brush colour unless the brush is clear. The pen
//   position moves to the end of the text.
// - A dashed or dotted pen wider than one pixel draws solid.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/Schrift.h"
#include "platform/Vektortypen.h"
#include "platform/Typen.h"

// Pen styles are stored as bytes in the scene objects: 0 solid, 2 dotted.
using TPenStyle = Byte;
inline constexpr TPenStyle psSolid = 0;
inline constexpr TPenStyle psDash = 1;
inline constexpr TPenStyle psDot = 2;
inline constexpr TPenStyle psDashDot = 3;
inline constexpr TPenStyle psDashDotDot = 4;
inline constexpr TPenStyle psClear = 5;

enum TBrushStyle : Byte { bsSolid = 0, bsClear = 1 };

struct TPoint {
    int X = 0, Y = 0;
    bool operator==(const TPoint&) const = default;
};

struct TPen {
    TColor Color = 0;
    int Width = 1;
    TPenStyle Style = psSolid;
    bool operator==(const TPen&) const = default;
};

struct TBrush {
    TColor Color = 0x00FFFFFF;
    TBrushStyle Style = bsSolid;
    bool operator==(const TBrush&) const = default;
};

// Width in pixels that a pen really paints (0 and negative widths paint one).
int StiftBreiteWirksam(const TPen& p);
// The style a pen really paints: dashes and dots only at width 1.
TPenStyle StiftStilWirksam(const TPen& p);

// Rounds half to even, as the program's Round does. Results are limited to
// +-PixelGrenze; NaN gives -PixelGrenze, a place far outside any picture.
inline constexpr int PixelGrenze = 1000000;
int PixelRunden(Extended v);

// Clips the segment a-b to the box in extended precision. false when nothing
// of it lies in the box or when an end or the box is not finite; otherwise a
// and b are the ends of the visible piece (an end inside the box is kept
// exactly). Never overflows, whatever the magnitude of the ends.
bool StreckeKappen(TVek_R2& a, TVek_R2& b, Extended xmin, Extended ymin, Extended xmax, Extended ymax);

// Clips a polygon to the box (Sutherland-Hodgman) in extended precision.
// Empty when nothing is left or when a corner is not finite.
std::vector<TVek_R2> PolygonKappen(const std::vector<TVek_R2>& ecken, Extended xmin, Extended ymin,
                                   Extended xmax, Extended ymax);

// Pixels around the picture that extended-precision clipping keeps, so the
// visible part of a clipped line keeps its direction to well below a pixel.
inline constexpr int KappRand = 4096;

class Zeichenflaeche {
public:
    TPen Pen;
    TBrush Brush;
    TFont Font;
    TPoint PenPos;

    virtual ~Zeichenflaeche() = default;

    // Pen, brush, font and pen position as a new bitmap's canvas has them.
    void ZustandZuruecksetzen();

    // Size of the picture in pixels; setting it keeps the old content where
    // it still fits.
    virtual int Width() const = 0;
    virtual int Height() const = 0;
    virtual void GroesseSetzen(int breite, int hoehe) = 0;

    void MoveTo(int x, int y);
    void LineTo(int x, int y);
    void Polyline(const std::vector<TPoint>& punkte);
    void Polygon(const std::vector<TPoint>& punkte);
    void Ellipse(int x1, int y1, int x2, int y2);
    void Rectangle(int x1, int y1, int x2, int y2);
    void FillRect(int x1, int y1, int x2, int y2);
    void TextOut(int x, int y, const std::string& text);
    virtual int TextWidth(const std::string& text) = 0;
    virtual int TextHeight(const std::string& text) = 0;
    // The part (x, y, breite, hoehe) of the painted picture as the bytes of
    // a BMP file; empty for a canvas that keeps no pixels.
    virtual std::vector<std::uint8_t> AlsBmp(int /*x*/, int /*y*/, int /*breite*/, int /*hoehe*/) { return {}; }

    // Extended picture points (pixels, y downward): clipped to the picture
    // plus KappRand in extended precision, then rounded. Nothing is drawn
    // when nothing is visible or a point is not finite.
    void StreckeR2(TVek_R2 a, TVek_R2 b);
    void PolygonR2(const std::vector<TVek_R2>& ecken);

protected:
    // What the implementations paint; the public calls above keep the pen
    // position and hand over only what is to be painted.
    virtual void StiftBewegt(int /*x*/, int /*y*/) {}
    virtual void LinieMalen(TPoint von, TPoint bis) = 0;
    virtual void LinienzugMalen(const std::vector<TPoint>& punkte) = 0;
    virtual void PolygonMalen(const std::vector<TPoint>& punkte) = 0;
    virtual void EllipseMalen(int x1, int y1, int x2, int y2) = 0;
    virtual void RechteckMalen(int x1, int y1, int x2, int y2) = 0;
    virtual void RechteckFuellen(int x1, int y1, int x2, int y2) = 0;
    virtual void TextMalen(int x, int y, const std::string& text) = 0;
};

// The off-screen picture of the main window that all drawing of the scene
// goes to. With none installed, a canvas that keeps its state and size but
// paints and records nothing.
Zeichenflaeche& Zeichenbitmap();
// Installs z (nullptr: the silent canvas again); returns the previous one
// (nullptr when that was the silent canvas).
Zeichenflaeche* ZeichenbitmapSetzen(Zeichenflaeche* z);

// Installs a canvas as Zeichenbitmap for the lifetime of the object.
class ZeichenbitmapEinsetzen {
public:
    explicit ZeichenbitmapEinsetzen(Zeichenflaeche& z) : vorher_(ZeichenbitmapSetzen(&z)) {}
    ~ZeichenbitmapEinsetzen() { ZeichenbitmapSetzen(vorher_); }
    ZeichenbitmapEinsetzen(const ZeichenbitmapEinsetzen&) = delete;
    ZeichenbitmapEinsetzen& operator=(const ZeichenbitmapEinsetzen&) = delete;

private:
    Zeichenflaeche* vorher_;
};
