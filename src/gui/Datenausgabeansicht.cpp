#include "gui/Datenausgabeansicht.h"

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

QString MemoText(const std::vector<std::string>& zeilen) {
    QStringList l;
    l.reserve(static_cast<qsizetype>(zeilen.size()));
    for (const std::string& z : zeilen) l << QtText(z);
    return l.join(QLatin1Char('\n'));
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
    const QFont f = MemoSchrift(M.Font);
    if (memo_->font() != f) memo_->setFont(f);
    const QString text = MemoText(M.Lines);
    if (memo_->toPlainText() == text) return;
    // A rebuild while the scene turns keeps the place the user scrolled to.
    const QSignalBlocker sperre(memo_);
    const int h = memo_->horizontalScrollBar()->value(), v = memo_->verticalScrollBar()->value();
    memo_->setPlainText(text);
    memo_->horizontalScrollBar()->setValue(h);
    memo_->verticalScrollBar()->setValue(v);
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
