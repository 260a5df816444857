#include "gui/Bindung.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QIcon>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMouseEvent>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <utility>
#include <type_traits>

#include "forms/Eingabeprotokoll.h"
#include "gui/Auffrischen.h"
#include "gui/QtZeichenflaeche.h"

QKeySequence Kuerzel(const std::string& s) {
    QString t = QtText(s);
    t.replace(QStringLiteral("Strg"), QStringLiteral("Ctrl"));
    t.replace(QStringLiteral("Umschalt"), QStringLiteral("Shift"));
    return QKeySequence::fromString(t, QKeySequence::PortableText);
}

void TempoknopfDruecken(TSpeedButton& b, const std::vector<TSpeedButton*>& gruppe,
                        const std::function<void()>& klick) {
    if (b.GroupIndex != 0) {
        if (!b.Down) {
            b.Down = true;
            for (TSpeedButton* a : gruppe)
                if (a != &b && a->GroupIndex == b.GroupIndex) a->Down = false;
        } else if (b.AllowAllUp) {
            b.Down = false;
        }
    }
    if (klick)
        klick();
    else
        b.Click();
}

namespace {

// ---- Keys --------------------------------------------------------------------------

enum class TastenArt {
    Zeichen,   // types a character: the key filter decides
    Aendernd,  // changes the text without typing (delete, paste, undo)
    Sonstige,  // moves, selects, copies, ends: not the filter's business
};

struct Taste {
    TastenArt Art = TastenArt::Sonstige;
    char Zeichen = 0;
};

Taste TasteDeuten(const QKeyEvent* e) {
    using KS = QKeySequence;
    for (KS::StandardKey k : {KS::Paste, KS::Cut, KS::Undo, KS::Redo, KS::Delete, KS::DeleteEndOfWord,
                              KS::DeleteStartOfWord, KS::DeleteEndOfLine, KS::DeleteCompleteLine})
        if (e->matches(k)) return {TastenArt::Aendernd, 0};
    if (e->key() == Qt::Key_Delete) return {TastenArt::Aendernd, 0};
    if (e->key() == Qt::Key_Backspace && !(e->modifiers() & ~Qt::KeypadModifier & ~Qt::ShiftModifier))
        return {TastenArt::Zeichen, TasteBackspace};
    if (e->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return {};
    const QString t = e->text();
    if (t.isEmpty() || !t.at(0).isPrint()) return {};
    const char16_t u = t.at(0).unicode();
    // No key the filters pass lies outside ASCII: such a key stays NUL.
    return {TastenArt::Zeichen, u < 128 ? static_cast<char>(u) : '\0'};
}

// A key for a line edit whose keys go through a key filter. True when the
// key is dealt with here (dropped, or typed as the filter changed it).
bool GefilterteTaste(QLineEdit* edit, QKeyEvent* e, const std::function<std::optional<char>(char)>& filter,
                     const std::function<bool()>& aendernErlaubt) {
    if (!filter) return false;
    const Taste t = TasteDeuten(e);
    if (t.Art == TastenArt::Sonstige) return false;
    QPointer<QLineEdit> wache(edit);
    if (t.Art == TastenArt::Aendernd) {
        bool erlaubt = true;
        if (aendernErlaubt) Benutzeraktion([&] { erlaubt = aendernErlaubt(); });
        return !erlaubt || !wache;
    }
    if (t.Zeichen == '\0') return true;  // passes no filter of the program
    std::optional<char> z;
    Benutzeraktion([&] { z = filter(t.Zeichen); });
    if (!z || !wache) return true;
    if (*z == t.Zeichen) return false;  // the editor types the key itself
    if (*z == TasteBackspace)
        wache->backspace();
    else
        wache->insert(QString(QChar(static_cast<char16_t>(static_cast<unsigned char>(*z)))));
    return true;
}

// Leaving a field for another window or a popup (a message box of the
// protocol, say) is no leaving: the user comes back and types on.
bool FokusNurWeg(const QEvent* e) {
    const Qt::FocusReason r = static_cast<const QFocusEvent*>(e)->reason();
    return r == Qt::ActiveWindowFocusReason || r == Qt::PopupFocusReason;
}

// The logic asked for the focus: applied once the current event is done,
// not in the middle of a focus change.
void FokusAnwenden(TControl& c, QWidget* w) {
    if (c.FokusAnforderungen <= 0) return;
    c.FokusAnforderungen = 0;
    QPointer<QWidget> wache(w);
    QTimer::singleShot(0, w, [wache] {
        if (wache && wache->isVisible()) wache->setFocus(Qt::OtherFocusReason);
    });
}

void ControlSetzen(QWidget* w, TControl& c) {
    if (w->isHidden() == c.Visible) w->setVisible(c.Visible);
    if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
    // The tip follows the core's hint when that changes; between changes a
    // tip the view gave the widget itself stays.
    const QString hint = QtText(c.Hint);
    if (w->property("Hinweis").toString() != hint) {
        w->setProperty("Hinweis", hint);
        w->setToolTip(hint);
    }
    FokusAnwenden(c, w);
}

void TextSetzen(QAbstractButton* w, const std::string& s) {
    const QString t = QtText(s);
    if (w->text() != t) w->setText(t);
}

void TextSetzen(QLabel* w, const std::string& s) {
    const QString t = QtText(s);
    if (w->text() != t) w->setText(t);
}

// The widest text of the column, at least that of a coordinate.
int Spaltenbreite(const QFontMetrics& fm, const TStringGrid& G, int c, bool zahlen) {
    int b = zahlen ? fm.horizontalAdvance(QStringLiteral("-10000,000")) : fm.horizontalAdvance(QStringLiteral("xx"));
    for (int r = 0; r < G.RowCount(); ++r)
        if (c < G.FixedCols || r < G.FixedRows) b = std::max(b, fm.horizontalAdvance(QtText(G.Cells(c, r))));
    return b + 12;
}

}  // namespace

void FarbeSetzen(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe) {
    if (w->palette().color(QPalette::Active, rolle) == farbe &&
        w->palette().color(QPalette::Inactive, rolle) == farbe)
        return;
    QPalette p = w->palette();
    p.setColor(QPalette::Active, rolle, farbe);
    p.setColor(QPalette::Inactive, rolle, farbe);
    w->setPalette(p);
}

void FarbeSetzen(QWidget* w, QPalette::ColorRole rolle, TColor farbe) { FarbeSetzen(w, rolle, FarbeQt(farbe)); }

// ---- Grid --------------------------------------------------------------------------

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

// ---- Bindings ----------------------------------------------------------------------

struct Bindungen::Bindung {
    virtual ~Bindung() = default;
    virtual void Auffrischen() = 0;
    virtual void Beenden() {}
    const void* komponente = nullptr;
    QPointer<QObject> objekt;  // the widget, action or timer
};

namespace {

using Bindung = Bindungen::Bindung;

// Handlers stop once the bindings are gone (the window is being torn down).
using Lebt = std::shared_ptr<bool>;

// Component K shown by W.
template <class K, class W>
struct BindungVon : Bindung {
    BindungVon(K& k_, W* w_) : k(&k_), w(w_) {
        komponente = k;
        objekt = w;
    }
    K* k;
    W* w;
};

// The user's action on a component: the handler, or the component's click.
template <class K>
auto Klick(const Lebt& lebt, K& k, std::function<void()> handler) {
    return [lebt, &k, handler] {
        if (*lebt) Benutzeraktion(handler ? handler : [&k] { k.Click(); });
    };
}

struct GitterBindung : BindungVon<TStringGrid, GitterTabelle> {
    using BindungVon::BindungVon;
    void Auffrischen() override { w->Auffrischen(); }
    void Beenden() override { w->EditorSchliessen(); }
};

// A text field: keys through the filter, leaving reported after the field
// has done its own part of the focus change (it drops the selection, which
// the exit may want back).
class Eingabefeld : public QLineEdit {
public:
    Eingabefeld(FeldEreignisse ev, Lebt lebt, QWidget* eltern)
        : QLineEdit(eltern), ev_(std::move(ev)), lebt_(std::move(lebt)) {
        setContextMenuPolicy(Qt::NoContextMenu);  // a paste from there would pass the filter
    }

    void Verlassen() {
        if (*lebt_ && ev_.Verlassen) Benutzeraktion(ev_.Verlassen);
    }

protected:
    void keyPressEvent(QKeyEvent* e) override {
        if (*lebt_ && GefilterteTaste(this, e, ev_.Taste, ev_.Aendern)) return;
        QLineEdit::keyPressEvent(e);
    }
    void focusOutEvent(QFocusEvent* e) override {
        QLineEdit::focusOutEvent(e);
        if (!FokusNurWeg(e)) Verlassen();
    }
    void focusInEvent(QFocusEvent* e) override {
        QLineEdit::focusInEvent(e);
        if (*lebt_ && ev_.Betreten && !FokusNurWeg(e)) Benutzeraktion(ev_.Betreten);
    }
    void mousePressEvent(QMouseEvent* e) override {
        if (!ev_.Klick || e->button() == Qt::RightButton) {
            QLineEdit::mousePressEvent(e);
            return;
        }
        // Its answer may be a message box: shown once the press is over.
        e->accept();
        QTimer::singleShot(0, this, [this] {
            if (*lebt_) Benutzeraktion(ev_.Klick);
        });
    }
    bool event(QEvent* e) override {
        // The window's menu shortcuts win over the field's own use of the
        // same keys (Ctrl+A selects all in a Qt field), as in the program.
        if (e->type() == QEvent::ShortcutOverride) {
            const QKeySequence taste(static_cast<QKeyEvent*>(e)->keyCombination());
            for (const QAction* a : window()->findChildren<QAction*>())
                if (a->isEnabled() && a->shortcuts().contains(taste)) {
                    e->ignore();
                    return true;
                }
        }
        return QLineEdit::event(e);
    }

private:
    FeldEreignisse ev_;
    Lebt lebt_;
};

struct FeldBindung : BindungVon<TEdit, Eingabefeld> {
    using BindungVon::BindungVon;
    // The text the field and the core agreed on last (shown or reported).
    // The core's text goes in when it differs from that: a refresh while a
    // key is being filtered leaves the field to the key.
    QString bekannt;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        const QString t = QtText(k->Text());
        if (t != bekannt) {
            bekannt = t;
            if (w->text() != t) w->setText(t);
        }
        if (w->isReadOnly() != k->ReadOnly) w->setReadOnly(k->ReadOnly);
        const int max = k->MaxLength > 0 ? k->MaxLength : 32767;
        if (w->maxLength() != max) w->setMaxLength(max);
        FarbeSetzen(w, QPalette::Base, k->Color);
        if (k->AllesMarkiert) {
            k->AllesMarkiert = false;
            w->selectAll();
        }
        ControlSetzen(w, *k);
    }
    void Beenden() override {
        if (w->hasFocus()) w->Verlassen();
    }
};

struct RadioBindung : BindungVon<TRadioGroup, QGroupBox> {
    RadioBindung(TRadioGroup& R, QGroupBox* box, Radiowahl wahl_) : BindungVon(R, box), wahl(wahl_) {
        gruppe = new QButtonGroup(box);
        raster = new QGridLayout(box);
        raster->setContentsMargins(6, 2, 6, 4);
        raster->setHorizontalSpacing(10);
        raster->setVerticalSpacing(2);
        wahl.Spalten = std::max(1, wahl.Spalten);
    }
    QButtonGroup* gruppe;
    QGridLayout* raster;
    Radiowahl wahl;
    std::vector<std::string> items;
    std::vector<QRadioButton*> knoepfe;

    void Knoepfe() {
        if (items == k->Items && knoepfe.size() == items.size()) return;
        for (QRadioButton* r : knoepfe) {
            gruppe->removeButton(r);
            delete r;
        }
        knoepfe.clear();
        items = k->Items;
        const int n = static_cast<int>(items.size());
        const int zeilen = std::max(1, (n + wahl.Spalten - 1) / wahl.Spalten);
        for (int i = 0; i < n; ++i) {
            auto* r = new QRadioButton(QtText(items[static_cast<std::size_t>(i)]), w);
            if (!wahl.Fokus) r->setFocusPolicy(Qt::NoFocus);
            gruppe->addButton(r, i);
            // Filled down the columns, as the program's radio groups are.
            raster->addWidget(r, i % zeilen, i / zeilen);
            knoepfe.push_back(r);
        }
    }
    void Auffrischen() override {
        const QSignalBlocker s(gruppe);
        const QString titel = QtText(k->Caption);
        if (w->title() != titel) w->setTitle(titel);
        Knoepfe();
        const int i = k->ItemIndex;
        if (i >= 0 && i < static_cast<int>(knoepfe.size())) {
            if (!knoepfe[static_cast<std::size_t>(i)]->isChecked()) knoepfe[static_cast<std::size_t>(i)]->setChecked(true);
        } else if (gruppe->checkedButton()) {
            gruppe->setExclusive(false);
            gruppe->checkedButton()->setChecked(false);
            gruppe->setExclusive(true);
        }
        ControlSetzen(w, *k);
    }
};

struct AnkreuzBindung : BindungVon<TCheckBox, QCheckBox> {
    using BindungVon::BindungVon;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        TextSetzen(w, k->Caption);
        if (w->isChecked() != k->Checked) w->setChecked(k->Checked);
        ControlSetzen(w, *k);
    }
};

struct AuswahlBindung : BindungVon<TComboBox, QComboBox> {
    using BindungVon::BindungVon;
    std::vector<std::string> items;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        if (items != k->Items) {
            items = k->Items;
            w->clear();
            for (const std::string& t : items) w->addItem(QtText(t));
        }
        if (w->currentIndex() != k->ItemIndex) w->setCurrentIndex(k->ItemIndex);
        ControlSetzen(w, *k);
    }
};

struct SchnellknopfBindung : BindungVon<TSpeedButton, QToolButton> {
    // Every speed button bound anywhere: a group spans its window.
    static std::vector<SchnellknopfBindung*>& Alle() {
        static std::vector<SchnellknopfBindung*> alle;
        return alle;
    }
    SchnellknopfBindung(TSpeedButton& B, QToolButton* w_) : BindungVon(B, w_) { Alle().push_back(this); }
    ~SchnellknopfBindung() override { std::erase(Alle(), this); }

    std::vector<TSpeedButton*> Gruppe() const {
        std::vector<TSpeedButton*> g;
        if (k->GroupIndex == 0) return g;
        for (const SchnellknopfBindung* s : Alle())
            if (s->objekt && s->w->window() == w->window() && s->k->GroupIndex == k->GroupIndex) g.push_back(s->k);
        return g;
    }
    void Auffrischen() override {
        const QSignalBlocker s(w);
        TextSetzen(w, k->Caption);
        const bool umschalter = k->GroupIndex != 0;
        if (w->isCheckable() != umschalter) w->setCheckable(umschalter);
        if (umschalter && w->isChecked() != k->Down) w->setChecked(k->Down);
        FarbeSetzen(w, QPalette::ButtonText, k->FontColor);
        // A down speed button must be told from an up one at a glance.
        FarbeSetzen(w, QPalette::Button,
                    k->Down && umschalter ? QColor(168, 176, 190) : QApplication::palette(w).color(QPalette::Button));
        ControlSetzen(w, *k);
    }
};

struct KnopfBindung : BindungVon<TButton, QAbstractButton> {
    using BindungVon::BindungVon;
    void Auffrischen() override {
        TextSetzen(w, k->Caption);
        if (auto* t = qobject_cast<QToolButton*>(w)) {
            const Qt::ToolButtonStyle stil = k->Caption.empty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextBesideIcon;
            if (t->toolButtonStyle() != stil) t->setToolButtonStyle(stil);
        }
        ControlSetzen(w, *k);
    }
};

// A label, or a panel used as one; a panel has a colour of its own.
template <class K>
struct BeschriftungBindung : BindungVon<K, QLabel> {
    using BindungVon<K, QLabel>::BindungVon;
    void Auffrischen() override {
        K& c = *this->k;
        QLabel* l = this->w;
        TextSetzen(l, c.Caption);
        FarbeSetzen(l, QPalette::WindowText, c.FontColor);
        if constexpr (std::is_same_v<K, TPanel>) FarbeSetzen(l, QPalette::Window, c.Color);
        ControlSetzen(l, c);
    }
};

struct RollBindung : BindungVon<TScrollBar, QScrollBar> {
    using BindungVon::BindungVon;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        if (w->minimum() != k->Min || w->maximum() != k->Max) w->setRange(k->Min, k->Max);
        if (w->singleStep() != k->SmallChange) w->setSingleStep(k->SmallChange);
        if (w->pageStep() != k->LargeChange) w->setPageStep(k->LargeChange);
        if (w->value() != k->Position()) w->setValue(k->Position());
        ControlSetzen(w, *k);
    }
};

// The Qt timer runs exactly while the core's runs, at its interval.
void ZeitgeberAbgleichen(const TTimer& T, QTimer* q) {
    if (!T.Laeuft()) {
        if (q->isActive()) q->stop();
    } else if (!q->isActive() || q->interval() != T.Interval) {
        q->start(T.Interval);
    }
}

struct ZeitgeberBindung : BindungVon<TTimer, QTimer> {
    using BindungVon::BindungVon;
    void Auffrischen() override { ZeitgeberAbgleichen(*k, w); }
};

struct MenueBindung : BindungVon<TMenuItem, QAction> {
    using BindungVon::BindungVon;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        const QString t = QtText(k->Caption);
        if (w->text() != t) w->setText(t);
        if (w->isEnabled() != k->Enabled) w->setEnabled(k->Enabled);
        if (w->isVisible() != k->Visible) w->setVisible(k->Visible);
        if (w->isCheckable() != k->Checked) w->setCheckable(k->Checked);
        if (w->isChecked() != k->Checked) w->setChecked(k->Checked);
    }
};

}  // namespace

Bindungen::Bindungen() : lebt_(std::make_shared<bool>(true)) {}

Bindungen::~Bindungen() { *lebt_ = false; }

template <class B, class K, class W, class... Mehr>
B& Bindungen::Neu(K& k, W* w, Mehr&&... mehr) {
    auto b = std::make_unique<B>(k, w, std::forward<Mehr>(mehr)...);
    B& n = *b;
    liste_.push_back(std::move(b));
    n.Auffrischen();
    return n;
}

GitterEreignisse ObjektGitterEreignisse(TObjektDialog& D, TStringGrid& G) {
    GitterEreignisse e;
    e.Taste = [&D, &G](char k) { return D.TasteGedrueckt(G, k); };
    e.Getippt = [&D, &G](int c, int r, const std::string& t) { D.ZelleGetippt(G, c, r, t); };
    e.Verlassen = [&D, &G](int c, int r) { D.ZelleVerlassen(G, c, r); };
    e.Aendern = KoordAenderungErlaubt;
    return e;
}

GitterTabelle* Bindungen::Gitter(TStringGrid& G, GitterEreignisse e, QWidget* eltern) {
    return Neu<GitterBindung>(G, new GitterTabelle(G, std::move(e), eltern)).w;
}

QLineEdit* Bindungen::Feld(TEdit& E, FeldEreignisse e, QWidget* eltern) {
    auto getippt = e.Getippt;
    FeldBindung& b = Neu<FeldBindung>(E, new Eingabefeld(std::move(e), lebt_, eltern));
    QObject::connect(b.w, &QLineEdit::textEdited, b.w, [lebt = lebt_, &b, &E, getippt](const QString& s) {
        if (!*lebt) return;
        b.bekannt = s;
        const std::string t = KernText(s);
        if (getippt)
            Benutzeraktion([&] { getippt(t); });
        else
            Benutzeraktion([&] { E.SetText(t); });
    });
    return b.w;
}

QGroupBox* Bindungen::Radiogruppe(TRadioGroup& R, Radiowahl wahl, std::function<void()> handler, QWidget* eltern) {
    RadioBindung& b = Neu<RadioBindung>(R, new QGroupBox(eltern), wahl);
    const auto klick = Klick(lebt_, R, std::move(handler));
    QObject::connect(b.gruppe, &QButtonGroup::idClicked, b.w, [lebt = lebt_, &R, klick, wahl](int i) {
        if (!*lebt || (R.ItemIndex == i && !wahl.Wiederholen)) return;
        R.ItemIndex = i;
        klick();
    });
    return b.w;
}

QCheckBox* Bindungen::Ankreuzfeld(TCheckBox& C, std::function<void()> handler, QWidget* eltern) {
    QCheckBox* w = Neu<AnkreuzBindung>(C, new QCheckBox(eltern)).w;
    QObject::connect(w, &QCheckBox::clicked, w, [lebt = lebt_, &C, klick = Klick(lebt_, C, std::move(handler))](bool an) {
        if (!*lebt) return;
        C.Checked = an;
        klick();
    });
    return w;
}

QComboBox* Bindungen::Auswahl(TComboBox& C, std::function<void()> handler, QWidget* eltern) {
    QComboBox* w = Neu<AuswahlBindung>(C, new QComboBox(eltern)).w;
    QObject::connect(w, &QComboBox::activated, w, [lebt = lebt_, &C, handler](int i) {
        if (!*lebt || i < 0 || i >= static_cast<int>(C.Items.size())) return;
        C.ItemIndex = i;
        C.Text = C.Items[static_cast<std::size_t>(i)];
        Benutzeraktion(handler ? handler : [&C] {
            if (C.OnChange) C.OnChange();
        });
    });
    return w;
}

QToolButton* Bindungen::Schnellknopf(TSpeedButton& B, std::function<void()> handler, QWidget* eltern) {
    auto* w = new QToolButton(eltern);
    w->setFocusPolicy(Qt::NoFocus);
    const SchnellknopfBindung& b = Neu<SchnellknopfBindung>(B, w);
    QObject::connect(w, &QToolButton::clicked, w, [lebt = lebt_, &b, &B, handler] {
        if (!*lebt) return;
        const std::vector<TSpeedButton*> gruppe = b.Gruppe();
        Benutzeraktion([&] { TempoknopfDruecken(B, gruppe, handler); });
    });
    return w;
}

QPushButton* Bindungen::Knopf(TButton& B, std::function<void()> handler, QWidget* eltern) {
    auto* w = new QPushButton(eltern);
    // Enter in a cell or field ends that input, it presses no button.
    w->setAutoDefault(false);
    w->setDefault(false);
    Neu<KnopfBindung>(B, w);
    QObject::connect(w, &QPushButton::clicked, w, Klick(lebt_, B, std::move(handler)));
    return w;
}

QToolButton* Bindungen::Symbolknopf(TButton& B, const QIcon& symbol, std::function<void()> handler, QWidget* eltern) {
    auto* w = new QToolButton(eltern);
    w->setIcon(symbol);
    w->setAutoRaise(false);
    Neu<KnopfBindung>(B, w);
    QObject::connect(w, &QToolButton::clicked, w, Klick(lebt_, B, std::move(handler)));
    return w;
}

QLabel* Bindungen::Beschriftung(TLabel& L, QWidget* eltern) {
    auto* w = new QLabel(eltern);
    w->setTextFormat(Qt::PlainText);
    return Neu<BeschriftungBindung<TLabel>>(L, w).w;
}

QLabel* Bindungen::Anzeige(TPanel& P, QWidget* eltern) {
    auto* w = new QLabel(eltern);
    w->setTextFormat(Qt::PlainText);
    w->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    w->setAlignment(Qt::AlignCenter);
    w->setAutoFillBackground(true);
    return Neu<BeschriftungBindung<TPanel>>(P, w).w;
}

QScrollBar* Bindungen::Rollbalken(TScrollBar& S, Qt::Orientation richtung, QWidget* eltern) {
    QScrollBar* w = Neu<RollBindung>(S, new QScrollBar(richtung, eltern)).w;
    QObject::connect(w, &QScrollBar::valueChanged, w, [lebt = lebt_, &S](int v) {
        if (*lebt) Benutzeraktion([&S, v] { S.SetPosition(v); });
    });
    return w;
}

QTimer* Bindungen::Zeitgeber(TTimer& T, QObject* eltern) {
    QTimer* q = Neu<ZeitgeberBindung>(T, new QTimer(eltern)).w;
    auto laeuft = std::make_shared<bool>(false);
    QObject::connect(q, &QTimer::timeout, q, [lebt = lebt_, &T, q, laeuft] {
        if (!*lebt || !T.Laeuft()) {
            q->stop();
            return;
        }
        // A tick whose predecessor still runs (a message keeps its loop) is dropped.
        if (*laeuft) return;
        *laeuft = true;
        QPointer<QTimer> wache(q);
        Benutzeraktion([&T] {
            if (T.OnTimer) T.OnTimer();
        });
        *laeuft = false;
        // Without a visible window no refresh came: the timer follows the core anyway.
        if (wache && *lebt) ZeitgeberAbgleichen(T, q);
    });
    return q;
}

QAction* Bindungen::Menuepunkt(TMenuItem& M, QMenu* menue, std::function<void()> handler) {
    QAction* a = menue->addAction(QtText(M.Caption));
    if (!M.ShortCut.empty()) a->setShortcut(Kuerzel(M.ShortCut));
    Neu<MenueBindung>(M, a);
    QObject::connect(a, &QAction::triggered, a, Klick(lebt_, M, std::move(handler)));
    return a;
}

void Bindungen::Auffrischen() {
    for (const auto& b : liste_)
        if (b->objekt) b->Auffrischen();
}

void Bindungen::EingabenBeenden() {
    for (const auto& b : liste_)
        if (b->objekt) b->Beenden();
}

QObject* Bindungen::Objekt(const void* komponente) const {
    for (const auto& b : liste_)
        if (b->komponente == komponente) return b->objekt;
    return nullptr;
}

QWidget* Bindungen::Widget(const void* komponente) const { return qobject_cast<QWidget*>(Objekt(komponente)); }

GitterTabelle* Bindungen::Tabelle(const TStringGrid& G) const { return dynamic_cast<GitterTabelle*>(Objekt(&G)); }

QAction* Bindungen::Aktion(const TMenuItem& M) const { return qobject_cast<QAction*>(Objekt(&M)); }
