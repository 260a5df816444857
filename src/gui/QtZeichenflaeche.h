#pragma once
// The program's off-screen picture: an RGB32 image with a QPainter canvas.
// No antialiasing, so a line of one colour has exactly that colour; dotted
// pens only at width 1; texts in DejaVu Sans with the pixel height the font
// asks for. The picture widget copies Bild() in one piece when it paints.

#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPen>
#include <QPainter>
#include <memory>
#include <optional>
#include <vector>

#include "platform/Zeichenflaeche.h"

// $00BBGGRR to a Qt colour (the top byte is ignored).
QColor FarbeQt(TColor farbe);
// The Qt pen a canvas pen paints with (its style not psClear).
QPen StiftQt(const TPen& stift);

class QtZeichenflaeche : public Zeichenflaeche {
public:
    explicit QtZeichenflaeche(int breite = 0, int hoehe = 0);
    // A canvas on a painter that is already painting (a window's paint
    // event), breite x hoehe pixels, for as long as that painter paints.
    QtZeichenflaeche(QPainter& maler, int breite, int hoehe);
    ~QtZeichenflaeche() override;
    QtZeichenflaeche(const QtZeichenflaeche&) = delete;
    QtZeichenflaeche& operator=(const QtZeichenflaeche&) = delete;

    int Width() const override { return fremd_ ? fremdGroesse_.width() : bild_.width(); }
    int Height() const override { return fremd_ ? fremdGroesse_.height() : bild_.height(); }
    void GroesseSetzen(int breite, int hoehe) override;
    int TextWidth(const std::string& text) override;
    int TextHeight(const std::string& text) override;
    std::vector<std::uint8_t> AlsBmp(int x, int y, int breite, int hoehe) override;

    // The finished picture. Painting is ended first so the image is complete;
    // the next drawing call starts it again.
    const QImage& Bild();

    // The Qt font the canvas font stands for.
    QFont SchriftQt();

protected:
    void LinieMalen(TPoint von, TPoint bis) override;
    void LinienzugMalen(const std::vector<TPoint>& punkte) override;
    void PolygonMalen(const std::vector<TPoint>& punkte) override;
    void EllipseMalen(int x1, int y1, int x2, int y2) override;
    void RechteckMalen(int x1, int y1, int x2, int y2) override;
    void RechteckFuellen(int x1, int y1, int x2, int y2) override;
    void TextMalen(int x, int y, const std::string& text) override;

private:
    // The active painter (begun on demand); nullptr while the image is empty.
    QPainter* Maler();
    void MalerBeenden();
    // Puts Pen on the painter; false when the pen paints nothing.
    bool StiftSetzen(QPainter& m);
    void PinselSetzen(QPainter& m);
    const QFontMetrics& Metrik();

    QImage bild_;
    std::unique_ptr<QPainter> maler_;
    QPainter* fremd_ = nullptr;  // the painter of a window, not ours
    QSize fremdGroesse_;
    // The canvas pen the painter's pen was made from; empty while it holds
    // another (a new painter, a text's colour). Most lines of a picture
    // share their pen, so it is built once for them.
    std::optional<TPen> stiftFuer_;
    // The Qt pens made last, by the canvas pen they stand for: a picture
    // drawn in depth order goes back and forth between a few pens, and a
    // Qt pen is made again only for one not among them.
    struct GemachterStift {
        TPen fuer;
        QPen stift;
    };
    std::vector<GemachterStift> stifte_;
    std::size_t naechsterStift_ = 0;
    // The Qt font and its metrics, built again only when Font changes.
    std::optional<TFont> schriftFuer_;
    QFont schrift_;
    std::unique_ptr<QFontMetrics> metrik_;
};
