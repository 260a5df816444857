#include "gui/GitterTabelle.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPointer>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <algorithm>
#include <utility>

#include "forms/Eingabeprotokoll.h"
#include "gui/Auffrischen.h"
#include "gui/Steuerelement.h"
#include "gui/Tasten.h"
#include "gui/Texte.h"

namespace {

// The widest text of the column, at least that of a coordinate.
int Spaltenbreite(const QFontMetrics& fm, const TStringGrid& G, int c, bool zahlen) {
    int b = zahlen ? fm.horizontalAdvance(QStringLiteral("-10000,000")) : fm.horizontalAdvance(QStringLiteral("xx"));
    for (int r = 0; r < G.RowCount(); ++r)
        if (c < G.FixedCols || r < G.FixedRows) b = std::max(b, fm.horizontalAdvance(QtText(G.Cells(c, r))));
    return b + 12;
}

}  // namespace

GitterEreignisse ObjektGitterEreignisse(TObjektDialog& D, TStringGrid& G) {
    GitterEreignisse e;
    e.Taste = [&D, &G](char k) { return D.TasteGedrueckt(G, k); };
    e.Getippt = [&D, &G](int c, int r, const std::string& t) { D.ZelleGetippt(G, c, r, t); };
    e.Verlassen = [&D, &G](int c, int r) { D.ZelleVerlassen(G, c, r); };
    e.Abbrechen = [&D, &G](int c, int r) { D.ZelleAbbrechen(G, c, r); };
    e.Aendern = KoordAenderungErlaubt;
    return e;
}

class ZellenDelegat : public QStyledItemDelegate {
public:
    explicit ZellenDelegat(GitterTabelle& t) : QStyledItemDelegate(&t), t_(t) {}

    QWidget* createEditor(QWidget* eltern, const QStyleOptionViewItem&, const QModelIndex& index) const override {
        auto* e = new QLineEdit(eltern);
        e->setFrame(false);
        e->setContextMenuPolicy(Qt::NoContextMenu);
        GitterTabelle* t = &t_;
        QObject::connect(e, &QLineEdit::textEdited, t, [t](const QString& s) { t->Getippt(s); });
        t_.EditorGeoeffnet(e, index.column(), index.row());
        return e;
    }
    // The text the core holds; an editor that shows it already is left
    // alone, so typing keeps its cursor.
    void setEditorData(QWidget* editor, const QModelIndex& index) const override {
        auto* e = static_cast<QLineEdit*>(editor);
        const QString s = index.data(Qt::DisplayRole).toString();
        if (e->text() != s) e->setText(s);
    }
    // The core's cell is the text; the view never writes it back.
    void setModelData(QWidget*, QAbstractItemModel*, const QModelIndex&) const override {}

protected:
    bool eventFilter(QObject* o, QEvent* e) override {
        auto* edit = qobject_cast<QLineEdit*>(o);
        if (edit && e->type() == QEvent::KeyPress && t_.EditorTaste(edit, static_cast<QKeyEvent*>(e)))
            return true;
        if (e->type() == QEvent::FocusOut && FokusNurWeg(e)) return false;
        return QStyledItemDelegate::eventFilter(o, e);
    }

private:
    GitterTabelle& t_;
};

GitterTabelle::GitterTabelle(TStringGrid& G, GitterEreignisse e, QWidget* eltern)
    : QTableWidget(eltern), G_(G), e_(std::move(e)) {
    setItemDelegate(new ZellenDelegat(*this));
    horizontalHeader()->hide();
    verticalHeader()->hide();
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustIgnored);
    setTabKeyNavigation(true);
    setWordWrap(false);
    if (e_.Taste) {
        setSelectionMode(QAbstractItemView::SingleSelection);
        // A click on the current cell opens it at once (mouseReleaseEvent):
        // Qt's own waits for a double click and meanwhile searches with the
        // keys typed.
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                        QAbstractItemView::AnyKeyPressed);
        setFocusPolicy(Qt::StrongFocus);
    } else {
        setSelectionMode(QAbstractItemView::NoSelection);
        setEditTriggers(QAbstractItemView::NoEditTriggers);
        setFocusPolicy(Qt::NoFocus);
    }
    connect(this, &QTableWidget::currentCellChanged, this, [this](int r, int c, int, int) {
        // The open editor's cell stays the current one until it closes.
        if (r < 0 || c < 0 || editor_) return;
        G_.Col = c;
        G_.Row = r;
    });
    Auffrischen();
}

void GitterTabelle::EditorGeoeffnet(QLineEdit* editor, int Spalte, int Zeile) {
    editor_ = editor;
    spalte_ = Spalte;
    zeile_ = Zeile;
    verlassen_ = false;
    G_.Col = Spalte;
    G_.Row = Zeile;
    G_.Bearbeitung = true;
    G_.Geschrieben.reset();
    connect(editor, &QObject::destroyed, this, [this, editor] {
        if (editor_ == editor) editor_ = nullptr;
    });
}

bool GitterTabelle::EditorTaste(QLineEdit* editor, QKeyEvent* e) {
    if (!e_.Taste) return false;
    if (e->key() == Qt::Key_Tab && !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        Tab();
        return true;
    }
    if (e->key() == Qt::Key_Backtab || e->key() == Qt::Key_Tab) {
        // Back out of the cell; the focus stays on the grid.
        EditorSchliessen();
        return true;
    }
    if (e_.Abbrechen && e->key() == Qt::Key_Escape && !(e->modifiers() & ~Qt::KeypadModifier)) {
        Abbrechen();
        return true;
    }
    return GefilterteTaste(editor, e, e_.Taste, e_.Aendern);
}

void GitterTabelle::Getippt(const QString& text) {
    if (!editor_ || !e_.Getippt) return;
    const int c = spalte_, r = zeile_;
    const std::string t = KernText(text);
    Benutzeraktion([&] { e_.Getippt(c, r, t); });
}

void GitterTabelle::Tab() {
    if (!e_.Taste) return;
    // The protocol leaves the cell itself and walks on by its own rule.
    if (editor_) verlassen_ = true;
    Benutzeraktion([this] { e_.Taste(TasteTab); });
    if (editor_) closeEditor(editor_, QAbstractItemDelegate::NoHint);
    Auffrischen();
}

void GitterTabelle::Abbrechen() {
    if (!editor_) return;
    const int c = spalte_, r = zeile_;
    // The cancel ends the edit: closing reports no leaving after it.
    verlassen_ = true;
    Benutzeraktion([&] { e_.Abbrechen(c, r); });
    if (editor_) closeEditor(editor_, QAbstractItemDelegate::RevertModelCache);
    Auffrischen();
}

void GitterTabelle::keyPressEvent(QKeyEvent* e) {
    if (e_.Taste && e->key() == Qt::Key_Tab && !(e->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier))) {
        Tab();
        e->accept();
        return;
    }
    if (e->key() == Qt::Key_Tab || e->key() == Qt::Key_Backtab) {
        // Shift+Tab leaves the grid for the previous control.
        e->ignore();
        return;
    }
    // Backspace or Delete on a chosen cell starts its edit with the cell
    // cleared, as a typed digit starts it with that digit.
    if (e_.Taste && !editor_ && (e->key() == Qt::Key_Backspace || e->key() == Qt::Key_Delete) &&
        !(e->modifiers() & ~Qt::KeypadModifier)) {
        const QModelIndex i = currentIndex();
        if (i.isValid() && (i.flags() & Qt::ItemIsEditable)) {
            edit(i);
            if (QPointer<QLineEdit> ziel = editor_) {
                ziel->selectAll();
                weiterleiten_ = true;
                QCoreApplication::sendEvent(ziel, e);
                weiterleiten_ = false;
            }
            e->accept();
            return;
        }
    }
    // An open editor that lost the focus (to a message box, say) gets the
    // keys back: they belong to the cell it edits, the current one. A key
    // the editor leaves comes back here: then it is the grid's (without
    // the guard it would go round for ever while the window is inactive and
    // the editor cannot take the focus).
    if (editor_ && !editor_->hasFocus() && !weiterleiten_) {
        QPointer<QLineEdit> ziel(editor_);
        ziel->setFocus(Qt::OtherFocusReason);
        weiterleiten_ = true;
        QCoreApplication::sendEvent(ziel, e);
        weiterleiten_ = false;
        return;
    }
    QTableWidget::keyPressEvent(e);
}

void GitterTabelle::mousePressEvent(QMouseEvent* e) {
    const QModelIndex i = indexAt(e->position().toPoint());
    klickAufAktuelle_ = e_.Taste && !editor_ && e->button() == Qt::LeftButton && i.isValid() && i == currentIndex();
    QTableWidget::mousePressEvent(e);
}

void GitterTabelle::mouseReleaseEvent(QMouseEvent* e) {
    QTableWidget::mouseReleaseEvent(e);
    const bool klick = std::exchange(klickAufAktuelle_, false);
    const QModelIndex i = indexAt(e->position().toPoint());
    if (klick && !editor_ && i.isValid() && i == currentIndex() && (i.flags() & Qt::ItemIsEditable)) edit(i);
}

void GitterTabelle::closeEditor(QWidget* editor, QAbstractItemDelegate::EndEditHint hint) {
    const bool unserer = editor && editor == editor_;
    const int c = spalte_, r = zeile_;
    const bool gemeldet = verlassen_;
    if (unserer) {
        editor_ = nullptr;
        spalte_ = zeile_ = -1;
        verlassen_ = false;
    }
    // Never walk on by Qt's rule: the protocol has its own.
    if (hint == QAbstractItemDelegate::EditNextItem || hint == QAbstractItemDelegate::EditPreviousItem)
        hint = QAbstractItemDelegate::NoHint;
    QTableWidget::closeEditor(editor, hint);
    if (!unserer) return;
    G_.Bearbeitung = false;
    // Closed because the user moved the current cell while the editor had
    // no focus (a click after a message box): the grid goes where the user
    // went, the refreshes must not pull the view back to the cell left.
    const QModelIndex neu = currentIndex();
    if (neu.isValid() && (neu.column() != c || neu.row() != r) && G_.Col == c && G_.Row == r) {
        G_.Col = neu.column();
        G_.Row = neu.row();
    }
    if (!gemeldet && e_.Verlassen) Benutzeraktion([&] { e_.Verlassen(c, r); });
    Auffrischen();
}

void GitterTabelle::ZelleBearbeiten(int Spalte, int Zeile) {
    if (!IstZahlZelle(G_, Spalte, Zeile) || !e_.Taste) return;
    setCurrentCell(Zeile, Spalte);
    if (QTableWidgetItem* it = item(Zeile, Spalte)) editItem(it);
}

void GitterTabelle::EditorSchliessen() {
    if (editor_) closeEditor(editor_, QAbstractItemDelegate::NoHint);
}

void GitterTabelle::GroesseAnpassen() {
    const QFontMetrics fm(font());
    const int hoehe = fm.height() + 6;
    int breite = 0;
    for (int c = 0; c < columnCount(); ++c) {
        const int b = Spaltenbreite(fm, G_, c, c >= G_.FixedCols);
        if (columnWidth(c) != b) setColumnWidth(c, b);
        breite += b;
    }
    for (int r = 0; r < rowCount(); ++r)
        if (rowHeight(r) != hoehe) setRowHeight(r, hoehe);
    const QSize soll(breite + 2 * frameWidth(), hoehe * rowCount() + 2 * frameWidth());
    if (size() != soll || minimumSize() != soll) setFixedSize(soll);
}

void GitterTabelle::Auffrischen() {
    const QSignalBlocker sperre(this);
    if (!G_.Visible && editor_) EditorSchliessen();
    if (rowCount() != G_.RowCount()) setRowCount(G_.RowCount());
    if (columnCount() != G_.ColCount()) setColumnCount(G_.ColCount());
    const Qt::ItemFlags zahl = Qt::ItemIsEnabled | (e_.Taste ? Qt::ItemIsSelectable | Qt::ItemIsEditable : Qt::NoItemFlags);
    for (int r = 0; r < rowCount(); ++r)
        for (int c = 0; c < columnCount(); ++c) {
            QTableWidgetItem* it = item(r, c);
            if (!it) {
                it = new QTableWidgetItem;
                setItem(r, c, it);
            }
            const bool fest = c < G_.FixedCols || r < G_.FixedRows;
            // A fixed cell is never current: a click on it leaves the
            // current cell, and the keys, where they were.
            const Qt::ItemFlags f = fest ? Qt::NoItemFlags : zahl;
            if (it->flags() != f) it->setFlags(f);
            if (fest) {
                it->setBackground(palette().button());
                it->setForeground(palette().buttonText());
            }
            const QString t = QtText(G_.Cells(c, r));
            if (it->text() != t) it->setText(t);
        }
    // The protocol may have put a text back that the item showed already.
    if (editor_ && IstZahlZelle(G_, spalte_, zeile_)) {
        const QString t = QtText(G_.Cells(spalte_, zeile_));
        if (editor_->text() != t) editor_->setText(t);
        if (G_.AllesMarkiert) editor_->selectAll();
    }
    G_.AllesMarkiert = false;
    GroesseAnpassen();
    if (!editor_ && e_.Taste && IstZahlZelle(G_, G_.Col, G_.Row) &&
        (currentRow() != G_.Row || currentColumn() != G_.Col))
        setCurrentCell(G_.Row, G_.Col);
    ControlSetzen(this, G_);
}
