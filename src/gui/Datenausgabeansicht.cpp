#include "gui/Datenausgabeansicht.h"

#include <algorithm>

#include <QEvent>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
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
    // rotation rewrites some of them at every tick.
    f.setStyleStrategy(QFont::PreferNoShaping);
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
QString Zeile(const std::vector<std::string>& zeilen, std::size_t i) {
    return i < zeilen.size() ? QtText(zeilen[i]) : QString();
}

// Makes the document's lines those of zeilen, replacing only the lines that
// differ and adding or removing lines at the end. A rebuilt report mostly
// keeps its lines (a rotation tick changes a few numbers), so only those
// are laid out again, where setting the whole text would lay out all of it.
void ZeilenAbgleichen(QTextDocument* doc, const std::vector<std::string>& zeilen) {
    const std::size_t n = std::max<std::size_t>(zeilen.size(), 1);
    QTextCursor c(doc);
    bool begonnen = false;
    const auto beginnen = [&] {
        if (!begonnen) c.beginEditBlock();
        begonnen = true;
    };
    QTextBlock b = doc->begin();
    std::size_t i = 0;
    for (; i < n && b.isValid(); ++i) {
        const QString soll = Zeile(zeilen, i);
        if (b.text() != soll) {
            beginnen();
            c.setPosition(b.position());
            c.setPosition(b.position() + b.length() - 1, QTextCursor::KeepAnchor);
            c.insertText(soll);
            b = c.block();
        }
        if (i + 1 < n) b = b.next();
    }
    if (i < n) {
        // More lines than blocks: the rest after the last block.
        QStringList rest;
        for (std::size_t k = i; k < n; ++k) rest << Zeile(zeilen, k);
        beginnen();
        c.movePosition(QTextCursor::End);
        c.insertText(QLatin1Char('\n') + rest.join(QLatin1Char('\n')));
    } else if (b.isValid() && b.next().isValid()) {
        // Fewer lines: everything after the last line goes.
        beginnen();
        c.setPosition(b.position() + b.length() - 1);
        c.movePosition(QTextCursor::End, QTextCursor::KeepAnchor);
        c.removeSelectedText();
    }
    if (begonnen) c.endEditBlock();
    // A block's layout keeps its shaped glyphs only with the cache on;
    // without it every paint shapes every visible line again.
    for (QTextBlock k = doc->begin(); k.isValid(); k = k.next())
        if (QTextLayout* l = k.layout(); l && !l->cacheEnabled()) l->setCacheEnabled(true);
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

    memo_ = new QPlainTextEdit(this);
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
    // A rebuild while the scene turns keeps the place the user scrolled to
    // and the cursor's line and column.
    const QSignalBlocker sperre(memo_);
    QTextDocument* doc = memo_->document();
    const QTextCursor vorher = memo_->textCursor();
    const Stelle anker = StelleVon(doc, vorher.anchor()), pos = StelleVon(doc, vorher.position());
    const int h = memo_->horizontalScrollBar()->value(), v = memo_->verticalScrollBar()->value();
    ZeilenAbgleichen(doc, M.Lines);
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
