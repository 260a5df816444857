#include "gui/Datenausgabeansicht.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <memory>
#include <utility>

#include <QEvent>
#include <QFontDatabase>
#include <QGlyphRun>
#include <QPaintEvent>
#include <QPainter>
#include <QRawFont>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextDocumentLayout>
#include <QPlainTextEdit>
#include <QRegion>
#include <QtMath>
#include <QScreen>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextLayout>
#include <QVBoxLayout>

#include "forms/Datenausgabe.h"
#include "forms/Ergebnismenue.h"
#include "gui/Auffrischen.h"
#include "gui/Bindung.h"
#include "gui/Fensterordnung.h"
#include "gui/Hauptfensteransicht.h"
#include "forms/Hauptfenster.h"

namespace {

// The form's "Courier" is a bitmap font whose smallest size has a cell 13
// pixels high; the height 8 that every report sets shows in that size.
constexpr int KleinsteZelle = 13;

// The memo's font as the form gives it: a negative height is that of the
// letters, a positive one that of the whole cell, in pixels.
QFont MemoSchrift(const TFont& s) {
    QFont f(QtText(s.Name));
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    if (!QFontInfo(f).fixedPitch()) f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    // Plain lines of a fixed-pitch font look the same unshaped, and a
    // rotation rewrites some of them at every tick. Fully hinted, every
    // glyph sits on whole pixels, as in the form's bitmap font, and each is
    // drawn from one cached image instead of one per sub-pixel offset.
    f.setStyleStrategy(QFont::PreferNoShaping);
    f.setHintingPreference(QFont::PreferFullHinting);
    if (s.Height < 0) {
        f.setPixelSize(-s.Height);
        return f;
    }
    const int zelle = qMax(s.Height, KleinsteZelle);
    f.setPixelSize(zelle);
    const QFontMetricsF m(f);
    const qreal ist = m.ascent() + m.descent();
    if (ist > zelle) f.setPixelSize(qMax(1, qRound(zelle * zelle / ist)));
    return f;
}

// Line i of the memo as the widget shows it: no lines are one empty line.
const std::string& Zeile(const std::vector<std::string>& zeilen, std::size_t i) {
    static const std::string leer;
    return i < zeilen.size() ? zeilen[i] : leer;
}

// Qt's plain-text layout takes an edit for one spanning several lines when
// its removed and added characters together reach past the line's end,
// which a rewritten line always does; it then lays out every line between
// and repaints the whole view. A refresh here tells the layout which lines
// it rewrote in its one edit: a line in view is laid out again at once, a
// line out of view, or one the window places and paints itself, only drops
// its layout, which Qt makes again when it needs the line, and the window
// repaints the changed parts itself.
class ZeilenLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    // The next change of the text rewrites the lines zeilen (block numbers,
    // ascending) and keeps the number of lines; those from erste to letzte
    // may be in view. Of those the window places and paints itself (eigen
    // true) only the layout is dropped, as for a line out of view.
    void Vormerken(std::vector<std::pair<int, bool>> zeilen, int erste, int letzte) {
        vorgemerkt_ = std::move(zeilen);
        erste_ = erste;
        letzte_ = letzte;
        hoeheGeaendert_ = false;
    }
    // Whether a rewritten line in view changed its height (the lines below
    // it moved).
    bool HoeheGeaendert() const { return hoeheGeaendert_; }

    void documentChanged(int von, int entfernt, int eingefuegt) override {
        const QTextDocument* doc = document();
        std::vector<std::pair<int, bool>> zeilen;
        zeilen.swap(vorgemerkt_);
        if (zeilen.empty() || doc->blockCount() != bloecke_) {
            bloecke_ = doc->blockCount();
            QPlainTextDocumentLayout::documentChanged(von, entfernt, eingefuegt);
            return;
        }
        const QSizeF vorher = documentSize();
        {
            // The layout's own repaints would each find their line from the
            // top of the view; the window asks for them.
            const QSignalBlocker sperre(this);
            for (const auto& [nr, eigen] : zeilen) {
                QTextBlock b = doc->findBlockByNumber(nr);
                if (eigen || nr < erste_ || nr > letzte_) {
                    b.clearLayout();
                    continue;
                }
                const qreal alt = blockBoundingRect(b).height();
                // Passed on as an insertion inside the line, which the base
                // lays out as that line alone.
                QPlainTextDocumentLayout::documentChanged(b.position(), 0, 1);
                if (blockBoundingRect(b).height() != alt) hoeheGeaendert_ = true;
            }
        }
        if (documentSize() != vorher) emit documentSizeChanged(documentSize());
    }

private:
    int bloecke_ = 1;
    std::vector<std::pair<int, bool>> vorgemerkt_;
    int erste_ = 0, letzte_ = 0;
    bool hoeheGeaendert_ = false;
};

// Where block b's text and soll part: the number of characters both start
// with, and of the rest of b's text those both end with.
std::pair<int, int> Unterschied(const QString& ist, const QString& soll) {
    const qsizetype n = std::min(ist.size(), soll.size());
    qsizetype vorn = 0;
    while (vorn < n && ist[vorn] == soll[vorn]) ++vorn;
    qsizetype hinten = 0;
    while (hinten < n - vorn && ist[ist.size() - 1 - hinten] == soll[soll.size() - 1 - hinten]) ++hinten;
    // Never split a surrogate pair.
    if (vorn > 0 && soll[vorn - 1].isHighSurrogate()) --vorn;
    if (hinten > 0 && soll[soll.size() - hinten].isLowSurrogate()) --hinten;
    return {static_cast<int>(vorn), static_cast<int>(hinten)};
}

// The glyphs of the memo font's main face for the printable Latin-1
// characters most report lines consist of. Qt lays out an unwrapped line of
// these, unshaped, as one glyph after the other at its advance, and every
// such line is as high as the next: the window can place and paint such a
// line without Qt's layout, which after each change measures and maps the
// whole line again.
class Glyphensatz {
public:
    Glyphensatz(const QFont& schrift, const QTextOption& option) : schrift_(schrift), option_(option) {
        QTextLayout l;
        Legen(l, QStringLiteral("0"));
        const QList<QGlyphRun> laeufe = l.glyphRuns();
        if (laeufe.size() != 1) return;
        roh_ = laeufe[0].rawFont();
        oberlaenge_ = l.lineAt(0).ascent();
        hoehe_ = l.lineAt(0).height();
        // Whole-pixel bands: neighbouring lines never share a pixel row.
        if (hoehe_ != std::floor(hoehe_)) return;
        // Used only where it places a sample line exactly as Qt does.
        QString probe;
        for (char16_t z = 0x20; z < 0x7f; ++z) probe += QChar(z);
        probe += QStringLiteral(u"\u00b2\u00b0\u00e4\u00f6\u00fc\u00df\u00c4\u00d6\u00dc |-|+ k * |");
        gilt_ = Stimmt(probe);
    }
    bool Gilt() const { return gilt_; }
    const QFont& Schrift() const { return schrift_; }
    const QTextOption& Option() const { return option_; }
    qreal Hoehe() const { return hoehe_; }

    // Whether every character of text has its glyph here; the line's width.
    bool Einfach(const QString& text, qreal* breite = nullptr) const {
        qreal b = 0;
        for (const QChar c : text) {
            const Zeichen* z = Eintrag(c);
            if (!z) return false;
            b += z->vorschub;
        }
        if (breite) *breite = b;
        return true;
    }
    // Whether text is such a line and none of its glyphs reaches out of the
    // line's band.
    bool ImBand(const QString& text) const {
        for (const QChar c : text) {
            const Zeichen* z = Eintrag(c);
            if (!z || !z->imBand) return false;
        }
        return true;
    }
    // Where character spalte of a line of these characters begins.
    qreal X(const QString& text, int spalte) const {
        qreal x = 0;
        for (int i = 0; i < spalte && i < text.size(); ++i) x += Eintrag(text[i])->vorschub;
        return x;
    }
    // Draws the characters of text whose cells reach into [links, rechts]
    // (device x) as Qt draws the line from ecke, its layout's origin.
    void Malen(QPainter& p, const QString& text, QPointF ecke, qreal links, qreal rechts, qreal rand) const {
        QList<quint32> glyphen;
        QList<QPointF> orte;
        glyphen.reserve(text.size());
        orte.reserve(text.size());
        qreal x = ecke.x() + rand;
        for (const QChar c : text) {
            const Zeichen* z = Eintrag(c);
            // Two cells more on each side for glyphs that reach beyond theirs.
            if (x + 3 * z->vorschub >= links && x - 2 * z->vorschub <= rechts) {
                glyphen.push_back(z->glyph);
                orte.push_back(QPointF(x, ecke.y() + oberlaenge_));
            }
            x += z->vorschub;
        }
        if (glyphen.isEmpty()) return;
        QGlyphRun lauf;
        lauf.setRawFont(roh_);
        lauf.setGlyphIndexes(glyphen);
        lauf.setPositions(orte);
        p.drawGlyphRun(QPointF(0, 0), lauf);
    }

private:
    struct Zeichen {
        quint32 glyph = 0;
        qreal vorschub = 0;
        signed char stand = 0;  // 0 not yet looked up, 1 usable, -1 not
        bool imBand = false;    // its ink stays within the line's band
    };

    void Legen(QTextLayout& l, const QString& text) const {
        l.setText(text);
        l.setFont(schrift_);
        l.setTextOption(option_);
        l.setCacheEnabled(true);
        l.beginLayout();
        QTextLine z = l.createLine();
        z.setLeadingIncluded(true);
        z.setLineWidth(1e6);
        z.setPosition(QPointF(0, 0));
        l.endLayout();
    }
    const Zeichen* Eintrag(QChar c) const {
        const char16_t u = c.unicode();
        // Controls, the no-break space and the soft hyphen are not drawn as
        // plain glyphs.
        if (u < 0x20 || (u >= 0x7f && u <= 0xa0) || u == 0xad || u > 0xff) return nullptr;
        Zeichen& z = zeichen_[u];
        if (z.stand == 0) {
            z.stand = -1;
            QTextLayout l;
            Legen(l, QString(c));
            const QList<QGlyphRun> laeufe = l.glyphRuns();
            if (laeufe.size() == 1 && laeufe[0].glyphIndexes().size() == 1 && laeufe[0].rawFont() == roh_ &&
                l.lineAt(0).height() == hoehe_ && l.lineAt(0).ascent() == oberlaenge_) {
                z.glyph = laeufe[0].glyphIndexes()[0];
                z.vorschub = l.lineAt(0).horizontalAdvance();
                const QRectF tinte = roh_.boundingRect(z.glyph);
                z.imBand = std::floor(tinte.top()) >= -oberlaenge_ && std::ceil(tinte.bottom()) <= hoehe_ - oberlaenge_;
                z.stand = 1;
            }
        }
        return z.stand == 1 ? &z : nullptr;
    }
    bool Stimmt(const QString& probe) const {
        if (!Einfach(probe)) return false;
        QTextLayout l;
        Legen(l, probe);
        const QList<QGlyphRun> laeufe = l.glyphRuns();
        if (laeufe.size() != 1 || laeufe[0].rawFont() != roh_ || l.lineAt(0).height() != hoehe_) return false;
        const QList<quint32> g = laeufe[0].glyphIndexes();
        const QList<QPointF> o = laeufe[0].positions();
        if (g.size() != probe.size() || o.size() != probe.size()) return false;
        qreal x = 0;
        for (qsizetype i = 0; i < probe.size(); ++i) {
            const Zeichen* z = Eintrag(probe[i]);
            if (g[i] != z->glyph || o[i] != QPointF(x, oberlaenge_)) return false;
            x += z->vorschub;
        }
        return true;
    }

    QFont schrift_;
    QTextOption option_;
    QRawFont roh_;
    qreal oberlaenge_ = 0, hoehe_ = 0;
    bool gilt_ = false;
    mutable std::array<Zeichen, 256> zeichen_{};
};

// QTextOption has no comparison of its own.
bool GleicheOption(const QTextOption& a, const QTextOption& b) {
    return a.alignment() == b.alignment() && a.wrapMode() == b.wrapMode() && a.flags() == b.flags() &&
           a.textDirection() == b.textDirection() && a.useDesignMetrics() == b.useDesignMetrics() &&
           a.tabStopDistance() == b.tabStopDistance() && a.tabs() == b.tabs();
}

// The memo's widget, which finds the rectangles of a refresh's changed
// lines in one pass over the lines in view (Qt's own repaint of a line
// walks down to it from the top of the view, once for each line), and
// paints a repaint of such lines itself where they need no more than the
// glyph set.
class Berichtsfeld : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    // The glyph set of the document's font, or none where it cannot be used.
    const Glyphensatz* Satz() {
        const QTextDocument* doc = document();
        if (!satz_ || satz_->Schrift() != doc->defaultFont() || !GleicheOption(satz_->Option(), doc->defaultTextOption()))
            satz_ = std::make_unique<Glyphensatz>(doc->defaultFont(), doc->defaultTextOption());
        return satz_->Gilt() ? satz_.get() : nullptr;
    }

    struct Zeilenort {
        int nr;             // block number
        qreal oben, hoehe;  // its band in the viewport
    };
    struct Teil {
        int zeile, spalte;  // block number and the first changed character
        int ende;           // the first character after the change, -1: the line's end
        qreal xAlt;         // where the unchanged rest began before, in the line
        bool eigen;         // placed by the glyph set, not laid out by Qt
    };
    // Repaints the parts (ascending lines) in view, each from its first
    // changed character to its last, or to the right edge when the rest of
    // the line moved. Qt blends every glyph that falls into the region, and
    // a band to the edge would also reach the size grip in the corner.
    void TeileNeuMalen(const std::vector<Teil>& teile) {
        const QRect sicht = viewport()->rect();
        const Glyphensatz* satz = Satz();
        const qreal rand = document()->documentMargin();
        QRegion neu, eigen;
        QPointF ecke = contentOffset();
        auto t = teile.begin();
        // The lines down to the one below the last part, where the repaint
        // may reach; the window's own paint finds them here.
        std::vector<Zeilenort> orte;
        const int bis = teile.empty() ? -1 : teile.back().zeile + 1;
        QTextBlock b = firstVisibleBlock();
        // Block numbers counted on: Qt finds each in the document's tree.
        for (int nr = b.blockNumber(); b.isValid() && nr <= bis && ecke.y() <= sicht.bottom(); b = b.next(), ++nr) {
            const qreal hoehe = Hoehe(b, satz);
            orte.push_back({nr, ecke.y(), hoehe});
            while (t != teile.end() && t->zeile < nr) ++t;
            if (t != teile.end() && t->zeile == nr) {
                const QTextLayout* l = b.layout();
                if (t->eigen && satz && l->lineCount() == 0) {
                    // The band itself: no other line reaches into it.
                    const QString text = b.text();
                    const int links = qFloor(ecke.x() + rand + satz->X(text, t->spalte)) - 2;
                    const int rechts = qCeil(ecke.x() + rand + satz->X(text, t->ende)) + 2;
                    const QRect r = QRect(links, qRound(ecke.y()), rechts - links + 1, qRound(hoehe)) & sicht;
                    neu += r;
                    eigen += r;
                } else {
                    const bool gelegt = l && l->lineCount() > 0;
                    const qreal x = ecke.x() + (gelegt ? l->lineAt(0).cursorToX(t->spalte) : 0);
                    int rechts = sicht.right();
                    if (gelegt && t->ende >= 0 && l->lineAt(0).cursorToX(t->ende) == t->xAlt)
                        rechts = qCeil(ecke.x() + t->xAlt) + 2;
                    const int links = qFloor(x) - 2;
                    neu += QRect(links, qFloor(ecke.y()) - 1, rechts - links + 1, qCeil(hoehe) + 2) & sicht;
                }
            }
            ecke.ry() += hoehe;
        }
        if (neu.isEmpty()) return;
        if (!eigen.isEmpty()) {
            // Lines keep their places until the next paint (a scroll or
            // a change of heights is a repaint of Qt's): the longer walk
            // holds the other.
            if (eigen_.isEmpty() || orte.size() > orte_.size()) orte_ = std::move(orte);
            eigen_ += eigen;
        }
        viewport()->update(neu);
    }
    // Forgets the lines to paint: the next repaint is Qt's.
    void EigeneVergessen() {
        eigen_ = QRegion();
        orte_.clear();
    }

protected:
    void paintEvent(QPaintEvent* e) override {
        const bool selbst = !eigen_.isEmpty() && (e->region() - eigen_).isEmpty() && SelbstMalen(e);
        EigeneVergessen();
        if (!selbst) QPlainTextEdit::paintEvent(e);
    }
    void scrollContentsBy(int dx, int dy) override {
        EigeneVergessen();
        QPlainTextEdit::scrollContentsBy(dx, dy);
    }

private:
    // A line's height: that of the glyph set's lines for such a line without
    // a layout (asking Qt would lay it out), else the layout's.
    qreal Hoehe(const QTextBlock& b, const Glyphensatz* satz) const {
        if (satz && b.layout()->lineCount() == 0 && satz->Einfach(b.text()))
            return satz->Hoehe() + (b.next().isValid() ? 0 : document()->documentMargin());
        return blockBoundingRect(b).height();
    }

    // Qt's paint of the region, line by line as QPlainTextEdit paints it,
    // with the glyph set for the lines that have no layout; false, before
    // anything is painted, where it takes more (a selection, the cursor,
    // a line without layout the set cannot place). Qt paints every line
    // that reaches into the region's bounding rectangle; here only those
    // that reach into one of its rectangles, each only near them.
    bool SelbstMalen(QPaintEvent* e) {
        const Glyphensatz* satz = Satz();
        if (!satz || !placeholderText().isEmpty() || backgroundVisible()) return false;
        const QAbstractTextDocumentLayout::PaintContext ctx = getPaintContext();
        if (!ctx.selections.isEmpty() || ctx.cursorPosition < -1) return false;
        const QRect sicht = viewport()->rect();
        const qreal rand = document()->documentMargin();
        QRect er = e->rect();
        const QPointF anfang = contentOffset();
        // Qt keeps the text off the right margin; the cursor's width, a
        // property looked up by name, matters only near it.
        const qreal breite = qMax(static_cast<qreal>(sicht.width()), document()->documentLayout()->documentSize().width());
        if (er.right() >= anfang.x() + breite - rand)
            er.setRight(qMin(er.right(), static_cast<int>(anfang.x() + breite - rand + cursorWidth())));
        struct Zeile {
            QTextBlock b;
            QPointF ecke;
            int links, rechts;
            bool eigen;
        };
        std::vector<Zeile> zeilen;
        for (const Zeilenort& o : orte_) {
            int links = er.right() + 1, rechts = er.left() - 1;
            bool drin = false;  // the band itself reaches into a rectangle, not only its edge
            for (const QRect& r : e->region())
                if (o.oben + o.hoehe >= r.top() && o.oben <= r.bottom()) {
                    links = qMin(links, r.left());
                    rechts = qMax(rechts, r.right());
                    drin = drin || (o.oben + o.hoehe > r.top() && o.oben < r.bottom() + 1);
                }
            if (links > rechts) continue;
            const QTextBlock b = document()->findBlockByNumber(o.nr);
            if (!b.isValid()) return false;
            // A line that only touches the region paints nothing into it
            // where all its ink stays within its band.
            if (!drin && satz->ImBand(b.text())) continue;
            const int pos = b.position();
            if (ctx.cursorPosition >= pos && ctx.cursorPosition < pos + b.length()) return false;
            const bool eigen = b.layout()->lineCount() == 0;
            if (eigen && !satz->Einfach(b.text())) return false;
            zeilen.push_back({b, QPointF(anfang.x(), o.oben), links, rechts, eigen});
        }
        QPainter p(viewport());
        p.setBrushOrigin(anfang);
        p.setClipRect(er);
        p.setPen(ctx.palette.text().color());
        for (const Zeile& z : zeilen) {
            if (z.eigen)
                satz->Malen(p, z.b.text(), z.ecke, z.links, z.rechts, rand);
            else
                z.b.layout()->draw(&p, z.ecke, {}, er);
        }
        return true;
    }

    std::unique_ptr<Glyphensatz> satz_;
    QRegion eigen_;  // where the next repaint is that of lines the window places itself
    std::vector<Zeilenort> orte_;  // the lines in view down to there
};

// A block's layout keeps its shaped glyphs only with the cache on; without
// it every paint shapes the line again.
void CacheEin(const QTextBlock& b) {
    if (QTextLayout* l = b.layout(); l && !l->cacheEnabled()) l->setCacheEnabled(true);
}

// A place in the text as line and column, which outlives the edits of the
// lines before it.
struct Stelle {
    int zeile, spalte;
};
Stelle StelleVon(const QTextDocument* doc, int pos) {
    const QTextBlock b = doc->findBlock(pos);
    return {b.blockNumber(), pos - b.position()};
}
int PositionVon(const QTextDocument* doc, Stelle s) {
    QTextBlock b = doc->findBlockByNumber(s.zeile);
    if (!b.isValid()) b = doc->lastBlock();
    return b.position() + std::min(s.spalte, b.length() - 1);
}

}  // namespace

Datenausgabeansicht::Datenausgabeansicht(QWidget* eltern) : DialogAnsicht(Form_Datenausgabe, DatenausgabeName, eltern) {
    TForm_Datenausgabe& F = Form_Datenausgabe;
    setWindowFlags(Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinMaxButtonsHint |
                   Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint);
    setSizeGripEnabled(true);

    auto* l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    menue_ = new QMenuBar(this);
    QMenu* datei = menue_->addMenu(QtText(F.Datei1.Caption));
    b_.Menuepunkt(F.beenden1, datei);
    // "drucken" is an entry of the bar itself.
    auto* druckmenue = new QMenu(this);
    QAction* drucken = b_.Menuepunkt(F.drucken1, druckmenue);
    druckmenue->removeAction(drucken);
    menue_->addAction(drucken);
    l->setMenuBar(menue_);

    memo_ = new Berichtsfeld(this);
    auto* doc = new QTextDocument(memo_);
    doc->setDocumentLayout(new ZeilenLayout(doc));
    memo_->setDocument(doc);
    memo_->setObjectName(QStringLiteral("Memo1"));
    memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
    memo_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    memo_->setTabChangesFocus(false);
    memo_->setUndoRedoEnabled(false);
    l->addWidget(memo_);
    connect(memo_, &QPlainTextEdit::textChanged, this, [this] { Getippt(); });
    Auffrischen();
}

void Datenausgabeansicht::Getippt() {
    // The user's text is the memo's until the next build.
    std::vector<std::string>& zeilen = Form_Datenausgabe.Memo1.Lines;
    zeilen.clear();
    static_cast<Berichtsfeld*>(memo_)->EigeneVergessen();
    for (const QString& z : memo_->toPlainText().split(QLatin1Char('\n'))) zeilen.push_back(KernText(z));
    gezeigtGilt_ = false;
}

void Datenausgabeansicht::ZeilenAbgleichen(const std::vector<std::string>& zeilen) {
    // A rebuilt report mostly keeps its lines (a rotation tick changes a few
    // numbers): only the lines that differ from those last written are
    // compared with the document, and of those only the changed span is
    // rewritten, laid out and repainted. Lines are added or removed at the
    // end.
    QTextDocument* doc = memo_->document();
    auto* layout = dynamic_cast<ZeilenLayout*>(doc->documentLayout());
    const std::size_t n = std::max<std::size_t>(zeilen.size(), 1);
    const std::size_t bloecke = static_cast<std::size_t>(doc->blockCount());
    std::vector<Berichtsfeld::Teil> aenderungen;
    // A line of the glyph set's characters that keeps its width (the
    // document's) is placed and painted by the window without a new layout.
    auto* feld = static_cast<Berichtsfeld*>(memo_);
    const Glyphensatz* satz = layout && n == bloecke ? feld->Satz() : nullptr;
    QTextCursor c(doc);
    c.beginEditBlock();
    QTextBlock b = doc->begin();
    for (std::size_t i = 0; i < std::min(n, bloecke); ++i, b = b.next()) {
        if (gezeigtGilt_ && Zeile(zeilen, i) == Zeile(gezeigt_, i)) continue;
        const QString soll = QtText(Zeile(zeilen, i)), ist = b.text();
        if (ist == soll) continue;
        const auto [vorn, hinten] = Unterschied(ist, soll);
        const int anfang = b.position() + vorn;
        int ende = -1;
        qreal xAlt = 0, breiteAlt = 0, breiteNeu = -1;
        const bool eigen = satz && satz->Einfach(ist, &breiteAlt) && satz->Einfach(soll, &breiteNeu) &&
                           breiteAlt == breiteNeu;
        if (eigen) {
            ende = static_cast<int>(soll.size()) - hinten;
        } else if (const QTextLayout* l = b.layout(); l && l->lineCount() > 0) {
            ende = static_cast<int>(soll.size()) - hinten;
            xAlt = l->lineAt(0).cursorToX(static_cast<int>(ist.size()) - hinten);
        }
        c.setPosition(anfang);
        c.setPosition(anfang + static_cast<int>(ist.size()) - vorn - hinten, QTextCursor::KeepAnchor);
        c.insertText(soll.mid(vorn, soll.size() - vorn - hinten));
        aenderungen.push_back({static_cast<int>(i), vorn, ende, xAlt, eigen});
    }
    // Unwrapped, the vertical scroll bar counts lines; a line more at each
    // end for a partly shown one.
    const int erste = memo_->verticalScrollBar()->value();
    const int letzte = erste + memo_->viewport()->height() / std::max(1, memo_->fontMetrics().lineSpacing()) + 1;
    if (layout && n == bloecke) {
        std::vector<std::pair<int, bool>> nummern;
        for (const Berichtsfeld::Teil& a : aenderungen) nummern.push_back({a.zeile, a.eigen});
        layout->Vormerken(std::move(nummern), erste - 1, letzte);
    }
    c.endEditBlock();
    // Lines that move or come and go are Qt's to paint.
    if (!(n == bloecke && layout && !layout->HoeheGeaendert())) feld->EigeneVergessen();
    if (n == bloecke && layout && !layout->HoeheGeaendert()) {
        feld->TeileNeuMalen(aenderungen);
    } else if (n == bloecke) {
        memo_->viewport()->update();
    } else if (n > bloecke) {
        // More lines than blocks: the rest after the last block.
        QStringList rest;
        for (std::size_t k = bloecke; k < n; ++k) rest << QtText(Zeile(zeilen, k));
        c.movePosition(QTextCursor::End);
        c.insertText(QLatin1Char('\n') + rest.join(QLatin1Char('\n')));
    } else {
        // Fewer lines: everything after the last line goes.
        c.setPosition(doc->findBlockByNumber(static_cast<int>(n - 1)).position());
        c.movePosition(QTextCursor::EndOfBlock);
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    for (const Berichtsfeld::Teil& a : aenderungen) CacheEin(doc->findBlockByNumber(a.zeile));
    for (QTextBlock k = doc->findBlockByNumber(static_cast<int>(bloecke)); k.isValid(); k = k.next()) CacheEin(k);
    CacheEin(doc->begin());
    gezeigt_ = zeilen;
    gezeigtGilt_ = true;
}

void Datenausgabeansicht::Auffrischen() {
    DialogAnsicht::Auffrischen();
    const TMemo& M = Form_Datenausgabe.Memo1;
    // Font lookups are slow; the font changes only with the memo's.
    if (!schriftFuer_ || *schriftFuer_ != M.Font) {
        schriftFuer_ = M.Font;
        const QFont f = MemoSchrift(M.Font);
        if (memo_->font() != f) memo_->setFont(f);
    }
    // Most refreshes (every other view's handler) leave the report as it is.
    if (gezeigtGilt_ && M.Lines == gezeigt_) return;
    // A rebuild while the scene turns keeps the place the user scrolled to
    // and the cursor's line and column.
    const QSignalBlocker sperre(memo_);
    QTextDocument* doc = memo_->document();
    const QTextCursor vorher = memo_->textCursor();
    const Stelle anker = StelleVon(doc, vorher.anchor()), pos = StelleVon(doc, vorher.position());
    const int h = memo_->horizontalScrollBar()->value(), v = memo_->verticalScrollBar()->value();
    ZeilenAbgleichen(M.Lines);
    QTextCursor nachher = memo_->textCursor();
    nachher.setPosition(PositionVon(doc, anker));
    nachher.setPosition(PositionVon(doc, pos), QTextCursor::KeepAnchor);
    if (nachher.anchor() != memo_->textCursor().anchor() || nachher.position() != memo_->textCursor().position())
        memo_->setTextCursor(nachher);
    if (memo_->horizontalScrollBar()->value() != h) memo_->horizontalScrollBar()->setValue(h);
    if (memo_->verticalScrollBar()->value() != v) memo_->verticalScrollBar()->setValue(v);
}

void Datenausgabeansicht::setVisible(bool sichtbar) {
    if (sichtbar && !isVisible() && !platziert_) {
        platziert_ = true;
        b_.Auffrischen();
        const TForm_Datenausgabe& F = Form_Datenausgabe;
        resize(F.ClientWidth, F.ClientHeight + menue_->sizeHint().height());
        Platzieren();
        FreienPlatzWaehlen(this, pos());
    }
    // The window keeps the size the user gave it.
    QDialog::setVisible(sichtbar);
}

void Datenausgabeansicht::Platzieren() {
    // At the screen's left edge, level with the top of the main window's
    // left panel, whose intersection results it covers.
    const TForm_Datenausgabe& F = Form_Datenausgabe;
    const QScreen* schirm = screen() ? screen() : QGuiApplication::primaryScreen();
    const QRect frei = schirm ? schirm->availableGeometry() : QRect();
    int y = frei.top();
    if (auto* haupt = dynamic_cast<Hauptfensteransicht*>(parentWidget()); haupt && haupt->isVisible())
        y = haupt->Client()->mapToGlobal(QPoint(0, Form_Edits_01.Panel_links.Top)).y();
    move(F.Left >= 0 ? frei.left() + F.Left : x(), y);
}

bool Datenausgabeansicht::Schliessen() {
    Form_Datenausgabe.FormClose();
    return true;
}

void Datenausgabeansicht::changeEvent(QEvent* e) {
    DialogAnsicht::changeEvent(e);
    if (e->type() != QEvent::ActivationChange) return;
    // Every activation rebuilds the report, also a click into the window
    // (the text the user typed is lost then, as in any rebuild).
    if (isActiveWindow() && !aktiv_ && !BenutzeraktionLaeuft())
        Benutzeraktion([] { Form_Datenausgabe.FormActivate(); });
    aktiv_ = isActiveWindow();
}

void ErgebnisseEinfuegen(Bindungen& b, QMenu* menue, std::initializer_list<TErgebnisGruppe*> Gruppen,
                         bool Untermenues) {
    bool erste = true;
    for (TErgebnisGruppe* G : Gruppen) {
        QMenu* ziel = menue;
        if (Untermenues)
            ziel = menue->addMenu(QtText(G->Caption));
        else if (!erste)
            menue->addSeparator();
        erste = false;
        for (int i = 0; i < G->Anzahl; ++i) b.Menuepunkt(G->Punkt(i), ziel);
    }
}

QMenuBar* Ergebnismenue(Bindungen& b, QWidget* w, std::initializer_list<TErgebnisGruppe*> Gruppen) {
    auto* leiste = new QMenuBar(w);
    ErgebnisseEinfuegen(b, leiste->addMenu(QStringLiteral("&Ergebnisse")), Gruppen, false);
    w->layout()->setMenuBar(leiste);
    return leiste;
}
