#include "gui/Datenausgabeansicht.h"

#include <algorithm>
#include <utility>

#include <QEvent>
#include <QFontDatabase>
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
// line out of view only drops its layout, which Qt makes again when the
// line is shown, and the window repaints the changed parts itself.
class ZeilenLayout : public QPlainTextDocumentLayout {
public:
    using QPlainTextDocumentLayout::QPlainTextDocumentLayout;

    // The next change of the text rewrites the lines zeilen (block numbers,
    // ascending) and keeps the number of lines; those from erste to letzte
    // may be in view.
    void Vormerken(std::vector<int> zeilen, int erste, int letzte) {
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
        std::vector<int> zeilen;
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
            for (const int nr : zeilen) {
                QTextBlock b = doc->findBlockByNumber(nr);
                if (nr < erste_ || nr > letzte_) {
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
    std::vector<int> vorgemerkt_;
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

// The memo's widget, which finds the rectangles of a refresh's changed
// lines in one pass over the lines in view (Qt's own repaint of a line
// walks down to it from the top of the view, once for each line).
class Berichtsfeld : public QPlainTextEdit {
public:
    using QPlainTextEdit::QPlainTextEdit;

    struct Teil {
        int zeile, spalte;  // block number and the first changed character
        int ende;           // the first character after the change, -1: the line's end
        qreal xAlt;         // where the unchanged rest began before, in the line
    };
    // Repaints the parts (ascending lines) in view, each from its first
    // changed character to its last, or to the right edge when the rest of
    // the line moved. Qt blends every glyph that falls into the region, and
    // a band to the edge would also reach the size grip in the corner.
    void TeileNeuMalen(const std::vector<Teil>& teile) {
        const QRect sicht = viewport()->rect();
        QRegion neu;
        QPointF ecke = contentOffset();
        auto t = teile.begin();
        for (QTextBlock b = firstVisibleBlock(); b.isValid() && t != teile.end() && ecke.y() <= sicht.bottom();
             b = b.next()) {
            const QRectF r = blockBoundingRect(b).translated(ecke);
            while (t != teile.end() && t->zeile < b.blockNumber()) ++t;
            if (t != teile.end() && t->zeile == b.blockNumber()) {
                const QTextLayout* l = b.layout();
                const bool gelegt = l && l->lineCount() > 0;
                const qreal x = ecke.x() + (gelegt ? l->lineAt(0).cursorToX(t->spalte) : 0);
                int rechts = sicht.right();
                if (gelegt && t->ende >= 0 && l->lineAt(0).cursorToX(t->ende) == t->xAlt)
                    rechts = qCeil(ecke.x() + t->xAlt) + 2;
                const int links = qFloor(x) - 2;
                neu += QRect(links, qFloor(r.top()) - 1, rechts - links + 1, qCeil(r.height()) + 2) & sicht;
            }
            ecke.ry() += r.height();
        }
        if (!neu.isEmpty()) viewport()->update(neu);
    }
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
        qreal xAlt = 0;
        if (const QTextLayout* l = b.layout(); l && l->lineCount() > 0) {
            ende = static_cast<int>(soll.size()) - hinten;
            xAlt = l->lineAt(0).cursorToX(static_cast<int>(ist.size()) - hinten);
        }
        c.setPosition(anfang);
        c.setPosition(anfang + static_cast<int>(ist.size()) - vorn - hinten, QTextCursor::KeepAnchor);
        c.insertText(soll.mid(vorn, soll.size() - vorn - hinten));
        aenderungen.push_back({static_cast<int>(i), vorn, ende, xAlt});
    }
    // Unwrapped, the vertical scroll bar counts lines; a line more at each
    // end for a partly shown one.
    const int erste = memo_->verticalScrollBar()->value();
    const int letzte = erste + memo_->viewport()->height() / std::max(1, memo_->fontMetrics().lineSpacing()) + 1;
    if (layout && n == bloecke) {
        std::vector<int> nummern;
        for (const Berichtsfeld::Teil& a : aenderungen) nummern.push_back(a.zeile);
        layout->Vormerken(std::move(nummern), erste - 1, letzte);
    }
    c.endEditBlock();
    if (n == bloecke && layout && !layout->HoeheGeaendert()) {
        static_cast<Berichtsfeld*>(memo_)->TeileNeuMalen(aenderungen);
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
