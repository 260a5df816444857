#include "gui/QtZeichenflaeche.h"

#include <QBuffer>

#include <QPen>
#include <QPolygon>
#include <algorithm>
#include <cmath>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

#include "gui/Texte.h"

QColor FarbeQt(TColor farbe) {
    return QColor(static_cast<int>(farbe & 0xFF), static_cast<int>((farbe >> 8) & 0xFF),
                  static_cast<int>((farbe >> 16) & 0xFF));
}

QPen StiftQt(const TPen& stift) {
    const TPenStyle stil = StiftStilWirksam(stift);
    const int breite = StiftBreiteWirksam(stift);
    QPen p(FarbeQt(stift.Color));
    if (breite == 1) {
        p.setWidth(1);
        p.setCosmetic(true);
        // A flat cap leaves the end point of a line unpainted, as the program's
        // line drawing does; polylines of closed shapes still close.
        p.setCapStyle(Qt::FlatCap);
    } else {
        p.setWidth(breite);
        p.setCapStyle(Qt::RoundCap);
        p.setJoinStyle(Qt::RoundJoin);
    }
    switch (stil) {
        case psDash: p.setStyle(Qt::DashLine); break;
        case psDot: p.setStyle(Qt::DotLine); break;
        case psDashDot: p.setStyle(Qt::DashDotLine); break;
        case psDashDotDot: p.setStyle(Qt::DashDotDotLine); break;
        default: p.setStyle(Qt::SolidLine); break;
    }
    return p;
}

namespace {

// Some of Qt's raster routines return with the upper halves of the AVX
// registers still in use. Until they are cleared, the SSE arithmetic of the
// core waits on them at every instruction and runs several times slower
// (the hidden-line pass, which draws between its comparisons, took twice
// as long). So they are cleared after every call into the painter.
#if defined(__x86_64__) && (defined(__GNUC__) || defined(__clang__))
__attribute__((target("avx"))) void ObereHaelftenLeerenAvx() { _mm256_zeroupper(); }
const bool mitAvx = __builtin_cpu_supports("avx");
void ObereHaelftenLeeren() {
    if (mitAvx) ObereHaelftenLeerenAvx();
}
#else
void ObereHaelftenLeeren() {}
#endif

struct NachDemMalen {
    NachDemMalen() = default;
    NachDemMalen(const NachDemMalen&) = delete;
    NachDemMalen& operator=(const NachDemMalen&) = delete;
    ~NachDemMalen() { ObereHaelftenLeeren(); }
};

// Pixel height of a default font (the canvas font height 0).
constexpr int StandardPixelHoehe = 13;

// Corners in any order to a rectangle whose right and bottom edges lie
// outside it; empty when it has no area.
QRect RechteckAusEcken(int x1, int y1, int x2, int y2) {
    if (x2 < x1) std::swap(x1, x2);
    if (y2 < y1) std::swap(y1, y2);
    return QRect(x1, y1, x2 - x1, y2 - y1);
}

}  // namespace

QtZeichenflaeche::QtZeichenflaeche(int breite, int hoehe) { GroesseSetzen(breite, hoehe); }

QtZeichenflaeche::QtZeichenflaeche(QPainter& maler, int breite, int hoehe)
    : fremd_(&maler), fremdGroesse_(breite, hoehe) {
    maler.setRenderHint(QPainter::Antialiasing, false);
    maler.setRenderHint(QPainter::TextAntialiasing, false);
}

QtZeichenflaeche::~QtZeichenflaeche() { MalerBeenden(); }

void QtZeichenflaeche::GroesseSetzen(int breite, int hoehe) {
    if (fremd_) {
        fremdGroesse_ = QSize(std::max(breite, 0), std::max(hoehe, 0));
        return;
    }
    breite = std::max(breite, 0);
    hoehe = std::max(hoehe, 0);
    if (breite == bild_.width() && hoehe == bild_.height()) return;
    MalerBeenden();
    if (breite == 0 || hoehe == 0) {
        bild_ = QImage();
        return;
    }
    QImage neu(breite, hoehe, QImage::Format_RGB32);
    neu.fill(Qt::white);
    if (!bild_.isNull()) {
        QPainter p(&neu);
        p.drawImage(0, 0, bild_);
    }
    bild_ = std::move(neu);
}

const QImage& QtZeichenflaeche::Bild() {
    const NachDemMalen sauber;
    MalerBeenden();
    return bild_;
}

QPainter* QtZeichenflaeche::Maler() {
    if (fremd_) return fremd_;
    if (bild_.isNull()) return nullptr;
    if (!maler_) {
        maler_ = std::make_unique<QPainter>(&bild_);
        maler_->setRenderHint(QPainter::Antialiasing, false);
        maler_->setRenderHint(QPainter::TextAntialiasing, false);
        maler_->setRenderHint(QPainter::SmoothPixmapTransform, false);
    }
    return maler_.get();
}

void QtZeichenflaeche::MalerBeenden() {
    if (maler_) {
        maler_->end();
        maler_.reset();
    }
    stiftFuer_.reset();
}

bool QtZeichenflaeche::StiftSetzen(QPainter& m) {
    const TPenStyle stil = StiftStilWirksam(Pen);
    if (stiftFuer_ && *stiftFuer_ == Pen) return stil != psClear;
    stiftFuer_ = Pen;
    if (stil == psClear) {
        m.setPen(Qt::NoPen);
        return false;
    }
    for (const GemachterStift& g : stifte_)
        if (g.fuer == Pen) {
            m.setPen(g.stift);
            return true;
        }
    constexpr std::size_t Vorrat = 16;
    if (stifte_.size() < Vorrat) {
        stifte_.push_back({Pen, StiftQt(Pen)});
        m.setPen(stifte_.back().stift);
    } else {
        // The oldest gives way.
        GemachterStift& g = stifte_[naechsterStift_];
        naechsterStift_ = (naechsterStift_ + 1) % Vorrat;
        g = {Pen, StiftQt(Pen)};
        m.setPen(g.stift);
    }
    return true;
}

void QtZeichenflaeche::PinselSetzen(QPainter& m) {
    if (Brush.Style == bsClear) m.setBrush(Qt::NoBrush);
    else m.setBrush(FarbeQt(Brush.Color));
}

void QtZeichenflaeche::LinieMalen(TPoint von, TPoint bis) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m || !StiftSetzen(*m)) return;
    if (von == bis) return;  // a line to its own start paints nothing
    m->drawLine(von.X, von.Y, bis.X, bis.Y);
}

void QtZeichenflaeche::LinienzugMalen(const std::vector<TPoint>& punkte) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m || punkte.size() < 2 || !StiftSetzen(*m)) return;
    QPolygon zug;
    zug.reserve(static_cast<qsizetype>(punkte.size()));
    for (const TPoint& p : punkte) zug << QPoint(p.X, p.Y);
    m->drawPolyline(zug);
}

void QtZeichenflaeche::PolygonMalen(const std::vector<TPoint>& punkte) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m || punkte.size() < 2) return;
    StiftSetzen(*m);
    PinselSetzen(*m);
    QPolygon eck;
    eck.reserve(static_cast<qsizetype>(punkte.size()));
    for (const TPoint& p : punkte) eck << QPoint(p.X, p.Y);
    m->drawPolygon(eck, Qt::OddEvenFill);
}

void QtZeichenflaeche::EllipseMalen(int x1, int y1, int x2, int y2) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m) return;
    const QRect r = RechteckAusEcken(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    PinselSetzen(*m);
    if (StiftSetzen(*m)) {
        // The outline's right and bottom pixels lie inside the corners.
        m->drawEllipse(r.adjusted(0, 0, -1, -1));
    } else {
        m->drawEllipse(r);
    }
}

void QtZeichenflaeche::RechteckMalen(int x1, int y1, int x2, int y2) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m) return;
    const QRect r = RechteckAusEcken(x1, y1, x2, y2);
    if (r.isEmpty()) return;
    if (Brush.Style != bsClear) m->fillRect(r, FarbeQt(Brush.Color));
    if (StiftSetzen(*m)) {
        m->setBrush(Qt::NoBrush);
        m->drawRect(r.adjusted(0, 0, -1, -1));
    }
}

void QtZeichenflaeche::RechteckFuellen(int x1, int y1, int x2, int y2) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m || Brush.Style == bsClear) return;
    const QRect r = RechteckAusEcken(x1, y1, x2, y2);
    if (!r.isEmpty()) m->fillRect(r, FarbeQt(Brush.Color));
}

QFont QtZeichenflaeche::SchriftQt() {
    if (schriftFuer_ && *schriftFuer_ == Font) return schrift_;
    QFont f(Font.Name.empty() ? QStringLiteral("DejaVu Sans") : QtText(Font.Name));
    f.setStyleStrategy(QFont::NoAntialias);
    int px = Font.Height < 0 ? -Font.Height : (Font.Height == 0 ? StandardPixelHoehe : Font.Height);
    f.setPixelSize(std::max(px, 1));
    if (Font.Height > 0) {
        // A positive height is the whole cell, internal leading included:
        // shrink the character height until the cell has that height.
        const int zelle = QFontMetrics(f).height();
        if (zelle > Font.Height)
            f.setPixelSize(std::max(1, static_cast<int>(std::lround(double(px) * Font.Height / zelle))));
    }
    schrift_ = f;
    metrik_ = std::make_unique<QFontMetrics>(f);
    schriftFuer_ = Font;
    return schrift_;
}

const QFontMetrics& QtZeichenflaeche::Metrik() {
    SchriftQt();
    return *metrik_;
}

int QtZeichenflaeche::TextWidth(const std::string& text) {
    const NachDemMalen sauber;
    return Metrik().horizontalAdvance(QtText(text));
}

int QtZeichenflaeche::TextHeight(const std::string&) { return Metrik().height(); }

void QtZeichenflaeche::TextMalen(int x, int y, const std::string& text) {
    const NachDemMalen sauber;
    QPainter* m = Maler();
    if (!m || text.empty()) return;
    const QString s = QtText(text);
    const QFontMetrics& fm = Metrik();
    if (Brush.Style != bsClear) m->fillRect(QRect(x, y, fm.horizontalAdvance(s), fm.height()), FarbeQt(Brush.Color));
    m->setFont(schrift_);
    m->setPen(FarbeQt(Font.Color));
    stiftFuer_.reset();
    m->drawText(QPoint(x, y + fm.ascent()), s);
}

std::vector<std::uint8_t> QtZeichenflaeche::AlsBmp(int x, int y, int breite, int hoehe) {
    const QRect teil = QRect(x, y, breite, hoehe).intersected(Bild().rect());
    if (teil.isEmpty()) return {};
    QByteArray daten;
    QBuffer puffer(&daten);
    puffer.open(QIODevice::WriteOnly);
    if (!bild_.copy(teil).convertToFormat(QImage::Format_RGB888).save(&puffer, "BMP")) return {};
    return std::vector<std::uint8_t>(daten.begin(), daten.end());
}
