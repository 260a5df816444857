#include "gui/Bindung.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QStyledItemDelegate>
#include <QTimer>
#include <QToolButton>
#include <algorithm>

#include "dialogs/Eingabeprotokoll.h"
#include "gui/Auffrischen.h"
#include "gui/QtZeichenflaeche.h"

namespace {

QString Qs(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }
std::string Ss(const QString& s) { return s.toUtf8().toStdString(); }

// ---- Keys --------------------------------------------------------------------------

enum class TastenArt {
    Zeichen,   // types a character: the core's key filter decides
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
    // No key the filters pass lies outside ASCII; NUL is dropped by all of them.
    return {TastenArt::Zeichen, u < 128 ? static_cast<char>(u) : '\0'};
}

// A key for a line edit whose keys go through the core's filter. True when
// the key is dealt with here (dropped, or typed as the filter changed it).
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
    const QString hint = Qs(c.Hint);
    if (w->toolTip() != hint) w->setToolTip(hint);
    FokusAnwenden(c, w);
}

void SchriftfarbeSetzen(QWidget* w, QPalette::ColorRole rolle, TColor farbe) {
    const QColor soll = FarbeQt(farbe);
    if (w->palette().color(rolle) == soll) return;
    QPalette p = w->palette();
    p.setColor(rolle, soll);
    w->setPalette(p);
}

// The widest text of the column, at least that of a coordinate.
int Spaltenbreite(const QFontMetrics& fm, const TStringGrid& G, int c, bool zahlen) {
    int b = zahlen ? fm.horizontalAdvance(QStringLiteral("-10000,000")) : fm.horizontalAdvance(QStringLiteral("xx"));
    for (int r = 0; r < G.RowCount(); ++r)
        if (c < G.FixedCols || r < G.FixedRows) b = std::max(b, fm.horizontalAdvance(Qs(G.Cells(c, r))));
    return b + 12;
}

}  // namespace

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
        setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::SelectedClicked |
                        QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
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
    const std::string t = Ss(text);
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
    QTableWidget::keyPressEvent(e);
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
    if (!gemeldet && e_.Verlassen) Benutzeraktion([&] { e_.Verlassen(c, r); });
    G_.Bearbeitung = false;
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
            const Qt::ItemFlags f = fest ? Qt::ItemIsEnabled : zahl;
            if (it->flags() != f) it->setFlags(f);
            if (fest) {
                it->setBackground(palette().button());
                it->setForeground(palette().buttonText());
            }
            const QString t = Qs(G_.Cells(c, r));
            if (it->text() != t) it->setText(t);
        }
    // The protocol may have put a text back that the item showed already.
    if (editor_ && IstZahlZelle(G_, spalte_, zeile_)) {
        const QString t = Qs(G_.Cells(spalte_, zeile_));
        if (editor_->text() != t) editor_->setText(t);
    }
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
    QPointer<QWidget> widget;
};

namespace {

using Bindung = Bindungen::Bindung;

// Handlers stop once the bindings are gone (the window is being torn down).
using Lebt = std::shared_ptr<bool>;

struct GitterBindung : Bindung {
    GitterTabelle* t;
    void Auffrischen() override { t->Auffrischen(); }
    void Beenden() override { t->EditorSchliessen(); }
};

class FeldFilter : public QObject {
public:
    FeldFilter(QLineEdit* e, FeldEreignisse ev, Lebt lebt)
        : QObject(e), edit_(e), ev_(std::move(ev)), lebt_(std::move(lebt)) {}

    void Verlassen() {
        if (*lebt_ && ev_.Verlassen) Benutzeraktion(ev_.Verlassen);
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (!*lebt_) return false;
        if (e->type() == QEvent::KeyPress)
            return GefilterteTaste(edit_, static_cast<QKeyEvent*>(e), ev_.Taste, ev_.Aendern);
        if (e->type() == QEvent::FocusOut && !FokusNurWeg(e)) Verlassen();
        return false;
    }

private:
    QLineEdit* edit_;
    FeldEreignisse ev_;
    Lebt lebt_;
};

struct FeldBindung : Bindung {
    TEdit* E;
    QLineEdit* w;
    FeldFilter* filter;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        const QString t = Qs(E->Text());
        if (w->text() != t) w->setText(t);
        if (w->isReadOnly() != E->ReadOnly) w->setReadOnly(E->ReadOnly);
        const int max = E->MaxLength > 0 ? E->MaxLength : 32767;
        if (w->maxLength() != max) w->setMaxLength(max);
        SchriftfarbeSetzen(w, QPalette::Base, E->Color);
        if (E->AllesMarkiert) {
            E->AllesMarkiert = false;
            w->selectAll();
        }
        ControlSetzen(w, *E);
    }
    void Beenden() override {
        if (w->hasFocus()) filter->Verlassen();
    }
};

struct RadioBindung : Bindung {
    TRadioGroup* R;
    QGroupBox* box;
    QButtonGroup* gruppe;
    QGridLayout* raster;
    int spalten;
    std::vector<std::string> items;
    std::vector<QRadioButton*> knoepfe;

    void Knoepfe() {
        if (items == R->Items && knoepfe.size() == items.size()) return;
        for (QRadioButton* k : knoepfe) {
            gruppe->removeButton(k);
            delete k;
        }
        knoepfe.clear();
        items = R->Items;
        const int n = static_cast<int>(items.size());
        const int zeilen = std::max(1, (n + spalten - 1) / spalten);
        for (int i = 0; i < n; ++i) {
            auto* k = new QRadioButton(Qs(items[static_cast<std::size_t>(i)]), box);
            gruppe->addButton(k, i);
            // Filled down the columns, as the program's radio groups are.
            raster->addWidget(k, i % zeilen, i / zeilen);
            knoepfe.push_back(k);
        }
    }
    void Auffrischen() override {
        const QSignalBlocker s(gruppe);
        const QString titel = Qs(R->Caption);
        if (box->title() != titel) box->setTitle(titel);
        Knoepfe();
        const int i = R->ItemIndex;
        if (i >= 0 && i < static_cast<int>(knoepfe.size())) {
            if (!knoepfe[static_cast<std::size_t>(i)]->isChecked()) knoepfe[static_cast<std::size_t>(i)]->setChecked(true);
        } else if (gruppe->checkedButton()) {
            gruppe->setExclusive(false);
            gruppe->checkedButton()->setChecked(false);
            gruppe->setExclusive(true);
        }
        ControlSetzen(box, *R);
    }
};

struct AnkreuzBindung : Bindung {
    TCheckBox* C;
    QCheckBox* w;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        const QString t = Qs(C->Caption);
        if (w->text() != t) w->setText(t);
        if (w->isChecked() != C->Checked) w->setChecked(C->Checked);
        ControlSetzen(w, *C);
    }
};

struct AuswahlBindung : Bindung {
    TComboBox* C;
    QComboBox* w;
    std::vector<std::string> items;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        if (items != C->Items) {
            items = C->Items;
            w->clear();
            for (const std::string& t : items) w->addItem(Qs(t));
        }
        if (w->currentIndex() != C->ItemIndex) w->setCurrentIndex(C->ItemIndex);
        ControlSetzen(w, *C);
    }
};

struct SchnellknopfBindung : Bindung {
    TSpeedButton* B;
    QToolButton* w;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        const QString t = Qs(B->Caption);
        if (w->text() != t) w->setText(t);
        const bool umschalter = B->GroupIndex != 0;
        if (w->isCheckable() != umschalter) w->setCheckable(umschalter);
        if (umschalter && w->isChecked() != B->Down) w->setChecked(B->Down);
        SchriftfarbeSetzen(w, QPalette::ButtonText, B->FontColor);
        ControlSetzen(w, *B);
    }
};

struct KnopfBindung : Bindung {
    TButton* B;
    QPushButton* w;
    void Auffrischen() override {
        const QString t = Qs(B->Caption);
        if (w->text() != t) w->setText(t);
        ControlSetzen(w, *B);
    }
};

struct LabelBindung : Bindung {
    TLabel* L;
    QLabel* w;
    void Auffrischen() override {
        const QString t = Qs(L->Caption);
        if (w->text() != t) w->setText(t);
        SchriftfarbeSetzen(w, QPalette::WindowText, L->FontColor);
        ControlSetzen(w, *L);
    }
};

struct RollBindung : Bindung {
    TScrollBar* S;
    QScrollBar* w;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        if (w->minimum() != S->Min || w->maximum() != S->Max) w->setRange(S->Min, S->Max);
        if (w->singleStep() != S->SmallChange) w->setSingleStep(S->SmallChange);
        if (w->pageStep() != S->LargeChange) w->setPageStep(S->LargeChange);
        if (w->value() != S->Position()) w->setValue(S->Position());
        ControlSetzen(w, *S);
    }
};

struct ZeitgeberBindung : Bindung {
    TTimer* T;
    QTimer* q;
    void Auffrischen() override {
        if (!T->Laeuft()) {
            if (q->isActive()) q->stop();
        } else if (!q->isActive() || q->interval() != T->Interval) {
            q->start(T->Interval);
        }
    }
};

}  // namespace

Bindungen::Bindungen() : lebt_(std::make_shared<bool>(true)) {}

Bindungen::~Bindungen() { *lebt_ = false; }

Bindung& Bindungen::Neu(std::unique_ptr<Bindung> b) {
    liste_.push_back(std::move(b));
    return *liste_.back();
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
    auto b = std::make_unique<GitterBindung>();
    b->t = new GitterTabelle(G, std::move(e), eltern);
    b->komponente = &G;
    b->widget = b->t;
    GitterTabelle* t = b->t;
    Neu(std::move(b));
    return t;
}

QLineEdit* Bindungen::Feld(TEdit& E, FeldEreignisse e, QWidget* eltern) {
    auto b = std::make_unique<FeldBindung>();
    auto* w = new QLineEdit(eltern);
    w->setContextMenuPolicy(Qt::NoContextMenu);
    auto getippt = e.Getippt;
    b->filter = new FeldFilter(w, std::move(e), lebt_);
    w->installEventFilter(b->filter);
    Lebt lebt = lebt_;
    QObject::connect(w, &QLineEdit::textEdited, w, [lebt, &E, getippt](const QString& s) {
        if (!*lebt) return;
        const std::string t = Ss(s);
        if (getippt)
            Benutzeraktion([&] { getippt(t); });
        else
            Benutzeraktion([&] { E.SetText(t); });
    });
    b->E = &E;
    b->w = w;
    b->komponente = &E;
    b->widget = w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QGroupBox* Bindungen::Radiogruppe(TRadioGroup& R, int spalten, std::function<void()> handler, QWidget* eltern) {
    auto b = std::make_unique<RadioBindung>();
    b->R = &R;
    b->box = new QGroupBox(eltern);
    b->gruppe = new QButtonGroup(b->box);
    b->raster = new QGridLayout(b->box);
    b->raster->setContentsMargins(6, 2, 6, 4);
    b->raster->setHorizontalSpacing(10);
    b->raster->setVerticalSpacing(2);
    b->spalten = std::max(1, spalten);
    Lebt lebt = lebt_;
    QObject::connect(b->gruppe, &QButtonGroup::idClicked, b->box, [lebt, &R, handler](int i) {
        // Choosing the item that is chosen already is no click.
        if (!*lebt || R.ItemIndex == i) return;
        R.ItemIndex = i;
        Benutzeraktion(handler ? handler : [&R] { R.Click(); });
    });
    b->komponente = &R;
    b->widget = b->box;
    QGroupBox* box = b->box;
    Neu(std::move(b)).Auffrischen();
    return box;
}

QCheckBox* Bindungen::Ankreuzfeld(TCheckBox& C, std::function<void()> handler, QWidget* eltern) {
    auto b = std::make_unique<AnkreuzBindung>();
    b->C = &C;
    b->w = new QCheckBox(eltern);
    Lebt lebt = lebt_;
    QObject::connect(b->w, &QCheckBox::clicked, b->w, [lebt, &C, handler](bool an) {
        if (!*lebt) return;
        C.Checked = an;
        Benutzeraktion(handler ? handler : [&C] { C.Click(); });
    });
    b->komponente = &C;
    b->widget = b->w;
    QCheckBox* w = b->w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QComboBox* Bindungen::Auswahl(TComboBox& C, std::function<void()> handler, QWidget* eltern) {
    auto b = std::make_unique<AuswahlBindung>();
    b->C = &C;
    b->w = new QComboBox(eltern);
    Lebt lebt = lebt_;
    QObject::connect(b->w, &QComboBox::activated, b->w, [lebt, &C, handler](int i) {
        if (!*lebt || i < 0 || i >= static_cast<int>(C.Items.size())) return;
        C.ItemIndex = i;
        C.Text = C.Items[static_cast<std::size_t>(i)];
        Benutzeraktion(handler ? handler : [&C] {
            if (C.OnChange) C.OnChange();
        });
    });
    b->komponente = &C;
    b->widget = b->w;
    QComboBox* w = b->w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QToolButton* Bindungen::Schnellknopf(TSpeedButton& B, std::function<void()> handler, QWidget* eltern) {
    auto b = std::make_unique<SchnellknopfBindung>();
    b->B = &B;
    b->w = new QToolButton(eltern);
    Lebt lebt = lebt_;
    QObject::connect(b->w, &QToolButton::clicked, b->w, [this, lebt, &B, handler] {
        if (!*lebt) return;
        if (B.GroupIndex != 0) {
            B.Down = B.AllowAllUp ? !B.Down : true;
            if (B.Down)
                for (const auto& x : liste_)
                    if (auto* s = dynamic_cast<SchnellknopfBindung*>(x.get());
                        s && s->B != &B && s->B->GroupIndex == B.GroupIndex)
                        s->B->Down = false;
        }
        Benutzeraktion(handler ? handler : [&B] { B.Click(); });
    });
    b->komponente = &B;
    b->widget = b->w;
    QToolButton* w = b->w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QPushButton* Bindungen::Knopf(TButton& B, std::function<void()> handler, QWidget* eltern) {
    auto b = std::make_unique<KnopfBindung>();
    b->B = &B;
    b->w = new QPushButton(eltern);
    // Enter in a cell or field ends that input, it presses no button.
    b->w->setAutoDefault(false);
    b->w->setDefault(false);
    Lebt lebt = lebt_;
    QObject::connect(b->w, &QPushButton::clicked, b->w, [lebt, &B, handler] {
        if (!*lebt) return;
        Benutzeraktion(handler ? handler : [&B] { B.Click(); });
    });
    b->komponente = &B;
    b->widget = b->w;
    QPushButton* w = b->w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QLabel* Bindungen::Beschriftung(TLabel& L, QWidget* eltern) {
    auto b = std::make_unique<LabelBindung>();
    b->L = &L;
    b->w = new QLabel(eltern);
    b->w->setTextFormat(Qt::PlainText);
    b->komponente = &L;
    b->widget = b->w;
    QLabel* w = b->w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QScrollBar* Bindungen::Rollbalken(TScrollBar& S, Qt::Orientation richtung, QWidget* eltern) {
    auto b = std::make_unique<RollBindung>();
    b->S = &S;
    b->w = new QScrollBar(richtung, eltern);
    Lebt lebt = lebt_;
    QObject::connect(b->w, &QScrollBar::valueChanged, b->w, [lebt, &S](int v) {
        if (!*lebt) return;
        Benutzeraktion([&S, v] { S.SetPosition(v); });
    });
    b->komponente = &S;
    b->widget = b->w;
    QScrollBar* w = b->w;
    Neu(std::move(b)).Auffrischen();
    return w;
}

QTimer* Bindungen::Zeitgeber(TTimer& T, QObject* eltern) {
    auto b = std::make_unique<ZeitgeberBindung>();
    b->T = &T;
    b->q = new QTimer(eltern);
    b->komponente = &T;
    QTimer* q = b->q;
    Lebt lebt = lebt_;
    auto laeuft = std::make_shared<bool>(false);
    QObject::connect(q, &QTimer::timeout, q, [lebt, &T, q, laeuft] {
        if (!*lebt || !T.Laeuft()) {
            q->stop();
            return;
        }
        // A tick whose predecessor still runs (a message keeps its loop) is dropped.
        if (*laeuft) return;
        *laeuft = true;
        Benutzeraktion([&T] {
            if (T.OnTimer) T.OnTimer();
        });
        *laeuft = false;
    });
    Neu(std::move(b)).Auffrischen();
    return q;
}

void Bindungen::Auffrischen() {
    for (const auto& b : liste_)
        if (b->widget || dynamic_cast<ZeitgeberBindung*>(b.get())) b->Auffrischen();
}

void Bindungen::EingabenBeenden() {
    for (const auto& b : liste_)
        if (b->widget) b->Beenden();
}

QWidget* Bindungen::Widget(const void* komponente) const {
    for (const auto& b : liste_)
        if (b->komponente == komponente) return b->widget;
    return nullptr;
}

GitterTabelle* Bindungen::Tabelle(const TStringGrid& G) const {
    for (const auto& b : liste_)
        if (b->komponente == &G)
            if (auto* g = dynamic_cast<GitterBindung*>(b.get()); g && b->widget) return g->t;
    return nullptr;
}
