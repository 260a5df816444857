#include "platform/WmfZeichenflaeche.h"

#include <algorithm>
#include <cmath>

namespace {

// Record functions of the metafile format.
enum : std::uint16_t {
    META_EOF = 0x0000, META_SETBKCOLOR = 0x0201, META_SETBKMODE = 0x0102, META_SETMAPMODE = 0x0103,
    META_SETTEXTALIGN = 0x012E, META_SETTEXTCOLOR = 0x0209, META_SETWINDOWORG = 0x020B,
    META_SETWINDOWEXT = 0x020C, META_SELECTOBJECT = 0x012D, META_DELETEOBJECT = 0x01F0,
    META_CREATEPENINDIRECT = 0x02FA, META_CREATEBRUSHINDIRECT = 0x02FC, META_CREATEFONTINDIRECT = 0x02FB,
    META_POLYLINE = 0x0325, META_POLYGON = 0x0324, META_ELLIPSE = 0x0418, META_RECTANGLE = 0x041B,
    META_TEXTOUT = 0x0521, META_STRETCHDIB = 0x0F43, META_MOVETO = 0x0214, META_LINETO = 0x0213,
};
constexpr std::int16_t MM_ANISOTROPIC = 8, TRANSPARENT = 1, OPAQUE = 2;

void Wort(std::vector<std::uint8_t>& v, std::uint16_t w) {
    v.push_back(std::uint8_t(w));
    v.push_back(std::uint8_t(w >> 8));
}
void Doppelwort(std::vector<std::uint8_t>& v, std::uint32_t d) {
    Wort(v, std::uint16_t(d));
    Wort(v, std::uint16_t(d >> 16));
}
std::int16_t Kurz(int v) { return std::int16_t(std::clamp(v, -32768, 32767)); }

std::vector<std::uint8_t> Satzbytes(std::uint16_t funktion, const std::vector<std::uint8_t>& bytes) {
    std::vector<std::uint8_t> s;
    Doppelwort(s, std::uint32_t(3 + (bytes.size() + 1) / 2));
    Wort(s, funktion);
    s.insert(s.end(), bytes.begin(), bytes.end());
    if (bytes.size() % 2) s.push_back(0);
    return s;
}

std::vector<std::uint8_t> Kopf(int breite, int hoehe, std::size_t saetzeBytes, std::uint16_t objekte,
                               std::uint32_t groesster) {
    std::vector<std::uint8_t> k;
    // Placeable header: key, handle, box, units per inch, reserved, checksum.
    Doppelwort(k, 0x9AC6CDD7u);
    Wort(k, 0);
    for (int v : {0, 0, breite, hoehe}) Wort(k, std::uint16_t(Kurz(v)));
    Wort(k, 96);
    Doppelwort(k, 0);
    std::uint16_t summe = 0;
    for (std::size_t i = 0; i < k.size(); i += 2) summe ^= std::uint16_t(k[i] | k[i + 1] << 8);
    Wort(k, summe);
    // Metafile header: in memory, 9 words, version 3.0.
    Wort(k, 1);
    Wort(k, 9);
    Wort(k, 0x0300);
    Doppelwort(k, std::uint32_t(9 + saetzeBytes / 2 + 3));
    Wort(k, objekte);
    Doppelwort(k, std::max<std::uint32_t>(groesster, 3));
    Wort(k, 0);
    return k;
}

std::vector<std::uint8_t> Farbe(TColor c) {
    std::vector<std::uint8_t> v;
    Doppelwort(v, c & 0x00FFFFFFu);
    return v;
}

}  // namespace

std::string Cp1252(const std::string& utf8) {
    std::string r;
    for (std::size_t i = 0; i < utf8.size();) {
        const auto b = static_cast<unsigned char>(utf8[i]);
        std::uint32_t cp = b;
        std::size_t n = 1;
        if (b >= 0xF0) { cp = b & 0x07; n = 4; }
        else if (b >= 0xE0) { cp = b & 0x0F; n = 3; }
        else if (b >= 0xC0) { cp = b & 0x1F; n = 2; }
        else if (b >= 0x80) { r += '?'; ++i; continue; }
        if (i + n > utf8.size()) { r += '?'; break; }
        for (std::size_t k = 1; k < n; ++k) cp = cp << 6 | (static_cast<unsigned char>(utf8[i + k]) & 0x3F);
        i += n;
        if (cp < 0x80 || (cp >= 0xA0 && cp <= 0xFF)) r += char(cp);
        else if (cp == 0x20AC) r += char(0x80);
        else r += '?';
    }
    return r;
}

WmfZeichenflaeche::WmfZeichenflaeche(int breite, int hoehe, Zeichenflaeche* metrik)
    : breite_(breite), hoehe_(hoehe), metrik_(metrik), ab_(breite), ah_(hoehe) {}

void WmfZeichenflaeche::GroesseSetzen(int breite, int hoehe) {
    breite_ = breite;
    hoehe_ = hoehe;
    ab_ = breite;
    ah_ = hoehe;
}

void WmfZeichenflaeche::AusschnittSetzen(int x, int y, int breite, int hoehe) {
    ax_ = x;
    ay_ = y;
    ab_ = breite;
    ah_ = hoehe;
}

int WmfZeichenflaeche::TextWidth(const std::string& text) {
    if (metrik_) {
        metrik_->Font = Font;
        return metrik_->TextWidth(text);
    }
    return int(std::lround(0.6 * std::abs(Font.Height) * double(Cp1252(text).size())));
}

int WmfZeichenflaeche::TextHeight(const std::string& text) {
    if (metrik_) {
        metrik_->Font = Font;
        return metrik_->TextHeight(text);
    }
    return std::abs(Font.Height);
}

void WmfZeichenflaeche::Satz(std::uint16_t funktion, const std::vector<std::uint8_t>& bytes) {
    const auto s = Satzbytes(funktion, bytes);
    groesster_ = std::max<std::uint32_t>(groesster_, std::uint32_t(s.size() / 2));
    saetze_.insert(saetze_.end(), s.begin(), s.end());
}

void WmfZeichenflaeche::Satz(std::uint16_t funktion, const std::vector<std::int16_t>& worte) {
    std::vector<std::uint8_t> b;
    for (std::int16_t w : worte) Wort(b, std::uint16_t(w));
    Satz(funktion, b);
}

int WmfZeichenflaeche::ObjektAnlegen(std::uint16_t funktion, const std::vector<std::uint8_t>& bytes) {
    const auto frei = std::find(belegt_.begin(), belegt_.end(), false);
    const int nr = int(frei - belegt_.begin());
    if (frei == belegt_.end()) belegt_.push_back(true);
    else *frei = true;
    Satz(funktion, bytes);
    Satz(META_SELECTOBJECT, std::vector<std::int16_t>{std::int16_t(nr)});
    return nr;
}

void WmfZeichenflaeche::StiftWaehlen(const TPen& p) {
    const TPen wirksam{p.Color, StiftBreiteWirksam(p), StiftStilWirksam(p)};
    if (stiftFuer_ == wirksam) return;
    std::vector<std::uint8_t> b;
    Wort(b, wirksam.Style);
    Wort(b, std::uint16_t(Kurz(wirksam.Width)));
    Wort(b, 0);
    const auto f = Farbe(wirksam.Color);
    b.insert(b.end(), f.begin(), f.end());
    const int alt = stift_;
    stift_ = ObjektAnlegen(META_CREATEPENINDIRECT, b);
    if (alt >= 0) {
        Satz(META_DELETEOBJECT, std::vector<std::int16_t>{std::int16_t(alt)});
        belegt_[std::size_t(alt)] = false;
    }
    stiftFuer_ = wirksam;
}

void WmfZeichenflaeche::PinselWaehlen(const TBrush& p) {
    if (pinselFuer_ == p) return;
    std::vector<std::uint8_t> b;
    Wort(b, p.Style == bsClear ? 1 : 0);
    const auto f = Farbe(p.Color);
    b.insert(b.end(), f.begin(), f.end());
    Wort(b, 0);
    const int alt = pinsel_;
    pinsel_ = ObjektAnlegen(META_CREATEBRUSHINDIRECT, b);
    if (alt >= 0) {
        Satz(META_DELETEOBJECT, std::vector<std::int16_t>{std::int16_t(alt)});
        belegt_[std::size_t(alt)] = false;
    }
    pinselFuer_ = p;
}

void WmfZeichenflaeche::SchriftWaehlen(const TFont& f) {
    if (!schriftFuer_ || schriftFuer_->Name != f.Name || schriftFuer_->Height != f.Height) {
        std::vector<std::uint8_t> b;
        for (int v : {f.Height, 0, 0, 0, 400}) Wort(b, std::uint16_t(Kurz(v)));
        // italic, underline, strike-out, ANSI charset, precisions, quality, pitch
        for (int i = 0; i < 8; ++i) b.push_back(0);
        std::string name = Cp1252(f.Name).substr(0, 31);
        name.resize(32, '\0');
        b.insert(b.end(), name.begin(), name.end());
        const int alt = schrift_;
        schrift_ = ObjektAnlegen(META_CREATEFONTINDIRECT, b);
        if (alt >= 0) {
            Satz(META_DELETEOBJECT, std::vector<std::int16_t>{std::int16_t(alt)});
            belegt_[std::size_t(alt)] = false;
        }
        schriftFuer_ = f;
    }
    if (textFarbe_ != f.Color) {
        Satz(META_SETTEXTCOLOR, Farbe(f.Color));
        textFarbe_ = f.Color;
    }
}

void WmfZeichenflaeche::Punkte(std::uint16_t funktion, const std::vector<TPoint>& punkte) {
    // A record holds at most 32767 points; longer runs go in pieces that
    // share their end points.
    for (std::size_t anfang = 0; anfang + 1 < punkte.size() || (anfang == 0 && punkte.size() == 1);) {
        const std::size_t ende = std::min(punkte.size(), anfang + 32767);
        if (funktion == META_POLYLINE && ende - anfang == 2) {
            // A lone segment as move and line: raster players built on
            // libwmf (ImageMagick among them) skip polylines of two points.
            Satz(META_MOVETO, std::vector<std::int16_t>{Kurz(punkte[anfang].Y), Kurz(punkte[anfang].X)});
            Satz(META_LINETO, std::vector<std::int16_t>{Kurz(punkte[anfang + 1].Y), Kurz(punkte[anfang + 1].X)});
            if (ende == punkte.size()) break;
            anfang = ende - 1;
            continue;
        }
        std::vector<std::int16_t> w{std::int16_t(ende - anfang)};
        for (std::size_t i = anfang; i < ende; ++i) {
            w.push_back(Kurz(punkte[i].X));
            w.push_back(Kurz(punkte[i].Y));
        }
        Satz(funktion, w);
        if (ende == punkte.size()) break;
        anfang = ende - 1;
    }
}

void WmfZeichenflaeche::LinieMalen(TPoint von, TPoint bis) {
    StiftWaehlen(Pen);
    Punkte(META_POLYLINE, {von, bis});
}

void WmfZeichenflaeche::LinienzugMalen(const std::vector<TPoint>& punkte) {
    if (punkte.size() < 2) return;
    StiftWaehlen(Pen);
    Punkte(META_POLYLINE, punkte);
}

void WmfZeichenflaeche::PolygonMalen(const std::vector<TPoint>& punkte) {
    if (punkte.size() < 2 || punkte.size() > 32767) return;
    StiftWaehlen(Pen);
    // Two corners enclose nothing: the outline alone, as a line.
    if (punkte.size() == 2) return Punkte(META_POLYLINE, punkte);
    PinselWaehlen(Brush);
    Punkte(META_POLYGON, punkte);
}

void WmfZeichenflaeche::EllipseMalen(int x1, int y1, int x2, int y2) {
    StiftWaehlen(Pen);
    PinselWaehlen(Brush);
    Satz(META_ELLIPSE, std::vector<std::int16_t>{Kurz(y2), Kurz(x2), Kurz(y1), Kurz(x1)});
}

void WmfZeichenflaeche::RechteckMalen(int x1, int y1, int x2, int y2) {
    StiftWaehlen(Pen);
    PinselWaehlen(Brush);
    Satz(META_RECTANGLE, std::vector<std::int16_t>{Kurz(y2), Kurz(x2), Kurz(y1), Kurz(x1)});
}

void WmfZeichenflaeche::RechteckFuellen(int x1, int y1, int x2, int y2) {
    // The brush alone: without a pen a rectangle paints one pixel less each
    // way, so the box grows by one to cover the same pixels.
    StiftWaehlen(TPen{Pen.Color, 1, psClear});
    PinselWaehlen(TBrush{Brush.Color, bsSolid});
    Satz(META_RECTANGLE, std::vector<std::int16_t>{Kurz(y2 + 1), Kurz(x2 + 1), Kurz(y1), Kurz(x1)});
}

void WmfZeichenflaeche::TextMalen(int x, int y, const std::string& text) {
    const std::string t = Cp1252(text).substr(0, 32000);
    if (t.empty()) return;
    SchriftWaehlen(Font);
    const int modus = Brush.Style == bsClear ? TRANSPARENT : OPAQUE;
    if (hgModus_ != modus) {
        Satz(META_SETBKMODE, std::vector<std::int16_t>{std::int16_t(modus), 0});
        hgModus_ = modus;
    }
    if (modus == OPAQUE && hgFarbe_ != Brush.Color) {
        Satz(META_SETBKCOLOR, Farbe(Brush.Color));
        hgFarbe_ = Brush.Color;
    }
    std::vector<std::uint8_t> b;
    Wort(b, std::uint16_t(t.size()));
    b.insert(b.end(), t.begin(), t.end());
    if (t.size() % 2) b.push_back(0);
    Wort(b, std::uint16_t(Kurz(y)));
    Wort(b, std::uint16_t(Kurz(x)));
    Satz(META_TEXTOUT, b);
}

std::vector<std::uint8_t> WmfZeichenflaeche::Datei() const {
    std::vector<std::uint8_t> vorn;
    auto dazu = [&](std::uint16_t f, std::vector<std::int16_t> w) {
        std::vector<std::uint8_t> b;
        for (std::int16_t x : w) Wort(b, std::uint16_t(x));
        const auto s = Satzbytes(f, b);
        vorn.insert(vorn.end(), s.begin(), s.end());
    };
    dazu(META_SETMAPMODE, {MM_ANISOTROPIC});
    dazu(META_SETWINDOWORG, {Kurz(ay_), Kurz(ax_)});
    dazu(META_SETWINDOWEXT, {Kurz(ah_), Kurz(ab_)});
    dazu(META_SETTEXTALIGN, {0});
    dazu(META_SETBKMODE, {TRANSPARENT, 0});
    std::vector<std::uint8_t> d =
        Kopf(ab_, ah_, vorn.size() + saetze_.size(), std::uint16_t(belegt_.size()), groesster_);
    d.insert(d.end(), vorn.begin(), vorn.end());
    d.insert(d.end(), saetze_.begin(), saetze_.end());
    const auto eof = Satzbytes(META_EOF, {});
    d.insert(d.end(), eof.begin(), eof.end());
    return d;
}

std::vector<std::uint8_t> BmpAlsWmf(const std::vector<std::uint8_t>& bmp) {
    auto u16 = [&](std::size_t i) { return std::uint32_t(bmp[i] | bmp[i + 1] << 8); };
    auto u32 = [&](std::size_t i) { return u16(i) | u16(i + 2) << 16; };
    if (bmp.size() < 14 + 40 || bmp[0] != 'B' || bmp[1] != 'M') return {};
    const std::uint32_t daten = u32(10), kopf = u32(14);
    if (kopf < 40 || kopf > bmp.size() - 14) return {};
    const auto breite = std::int32_t(u32(18)), hoeheRoh = std::int32_t(u32(22));
    const std::uint32_t bits = u16(28), art = u32(30), bildGroesse = u32(34);
    std::uint32_t farben = u32(46);
    if (breite <= 0 || breite > 32767 || hoeheRoh == 0 || hoeheRoh < -32767 || hoeheRoh > 32767) return {};
    const std::uint32_t hoehe = std::uint32_t(std::abs(hoeheRoh));
    if (bits != 1 && bits != 4 && bits != 8 && bits != 16 && bits != 24 && bits != 32) return {};
    if (farben == 0 && bits <= 8) farben = 1u << bits;
    if (farben > 256) return {};
    // Uncompressed, bit fields, or run-length coded with the stored size.
    std::uint64_t pixel;
    const std::uint64_t zeile = (std::uint64_t(breite) * bits + 31) / 32 * 4;
    if (art == 0 || art == 3) pixel = zeile * hoehe;
    else if ((art == 1 && bits == 8) || (art == 2 && bits == 4)) pixel = bildGroesse;
    else return {};
    const std::size_t masken = (art == 3) ? 12 : 0;
    // Masks of a 40-byte header follow it; larger headers hold them inside.
    const std::size_t maskenAb = 14 + 40;
    if (maskenAb + masken > bmp.size()) return {};
    const std::size_t tabelleAb = 14 + kopf + (kopf == 40 ? masken : 0);
    if (tabelleAb + std::size_t(farben) * 4 > bmp.size() || daten > bmp.size() || pixel == 0 ||
        pixel > bmp.size() - daten)
        return {};
    std::vector<std::uint8_t> dib(bmp.begin() + 14, bmp.begin() + 14 + 40);
    dib[0] = 40; dib[1] = dib[2] = dib[3] = 0;
    dib.insert(dib.end(), bmp.begin() + std::ptrdiff_t(maskenAb), bmp.begin() + std::ptrdiff_t(maskenAb + masken));
    dib.insert(dib.end(), bmp.begin() + std::ptrdiff_t(tabelleAb),
               bmp.begin() + std::ptrdiff_t(tabelleAb + std::size_t(farben) * 4));
    dib.insert(dib.end(), bmp.begin() + daten, bmp.begin() + std::ptrdiff_t(daten + pixel));
    if (dib.size() > 0xFFFFFFF0u) return {};

    std::vector<std::uint8_t> b;
    Doppelwort(b, 0x00CC0020u);  // copy the source
    Wort(b, 0);                  // colours are RGB values
    for (int v : {int(hoehe), breite, 0, 0, int(hoehe), breite, 0, 0}) Wort(b, std::uint16_t(v));
    b.insert(b.end(), dib.begin(), dib.end());
    const auto satz = Satzbytes(META_STRETCHDIB, b);
    std::vector<std::uint8_t> vorn;
    auto dazu = [&](std::uint16_t f, std::vector<std::int16_t> w) {
        std::vector<std::uint8_t> x;
        for (std::int16_t v : w) Wort(x, std::uint16_t(v));
        const auto s = Satzbytes(f, x);
        vorn.insert(vorn.end(), s.begin(), s.end());
    };
    dazu(META_SETMAPMODE, {MM_ANISOTROPIC});
    dazu(META_SETWINDOWORG, {0, 0});
    dazu(META_SETWINDOWEXT, {std::int16_t(hoehe), std::int16_t(breite)});
    std::vector<std::uint8_t> d =
        Kopf(breite, int(hoehe), vorn.size() + satz.size(), 0, std::uint32_t(satz.size() / 2));
    d.insert(d.end(), vorn.begin(), vorn.end());
    d.insert(d.end(), satz.begin(), satz.end());
    const auto eof = Satzbytes(META_EOF, {});
    d.insert(d.end(), eof.begin(), eof.end());
    return d;
}
