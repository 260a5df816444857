#pragma once
// A canvas that writes a Windows Metafile: the same drawing calls as the
// screen become WMF records (placeable header, pens, brushes, fonts,
// polylines, polygons, ellipses, rectangles, text). Only the records that
// the picture needs are written; the pen, brush and font objects are made
// when a call uses a state that differs from the selected one.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/Zeichenflaeche.h"

class WmfZeichenflaeche : public Zeichenflaeche {
public:
    // metrik: the canvas whose text sizes the layout uses (the screen
    // picture), so the metafile lays out its texts as the screen does;
    // without one, 0.6 x the font height per character.
    explicit WmfZeichenflaeche(int breite, int hoehe, Zeichenflaeche* metrik = nullptr);

    int Width() const override { return breite_; }
    int Height() const override { return hoehe_; }
    void GroesseSetzen(int breite, int hoehe) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;

    // Only the part (x, y, breite, hoehe) of the picture shows in the file.
    void AusschnittSetzen(int x, int y, int breite, int hoehe);

    // The finished file: header, records, end record.
    std::vector<std::uint8_t> Datei() const;

protected:
    void LinieMalen(TPoint von, TPoint bis) override;
    void LinienzugMalen(const std::vector<TPoint>& punkte) override;
    void PolygonMalen(const std::vector<TPoint>& punkte) override;
    void EllipseMalen(int x1, int y1, int x2, int y2) override;
    void RechteckMalen(int x1, int y1, int x2, int y2) override;
    void RechteckFuellen(int x1, int y1, int x2, int y2) override;
    void TextMalen(int x, int y, const std::string& text) override;

private:
    void Satz(std::uint16_t funktion, const std::vector<std::int16_t>& worte);
    void Satz(std::uint16_t funktion, const std::vector<std::uint8_t>& bytes);
    // Makes the object and selects it; the one it replaces is deleted.
    int ObjektAnlegen(std::uint16_t funktion, const std::vector<std::uint8_t>& bytes);
    void StiftWaehlen(const TPen& p);
    void PinselWaehlen(const TBrush& b);
    void SchriftWaehlen(const TFont& f);
    void Punkte(std::uint16_t funktion, const std::vector<TPoint>& punkte);

    int breite_, hoehe_;
    Zeichenflaeche* metrik_;
    int ax_ = 0, ay_ = 0, ab_, ah_;
    std::vector<std::uint8_t> saetze_;
    std::uint32_t groesster_ = 0;   // longest record in words
    std::vector<bool> belegt_;      // object table slots in use
    int stift_ = -1, pinsel_ = -1, schrift_ = -1;
    std::optional<TPen> stiftFuer_;
    std::optional<TBrush> pinselFuer_;
    std::optional<TFont> schriftFuer_;
    std::optional<int> hgModus_;
    std::optional<TColor> textFarbe_, hgFarbe_;
};

// A metafile that shows the bitmap of a "*.BMP" file (the whole file's
// bytes) in one record, at its own size. Empty when the file is no BMP the
// record can carry (not a BMP, damaged, or larger than a metafile allows).
std::vector<std::uint8_t> BmpAlsWmf(const std::vector<std::uint8_t>& bmp);

// UTF-8 to Windows-1252 as far as the characters exist there; others become "?".
std::string Cp1252(const std::string& utf8);
