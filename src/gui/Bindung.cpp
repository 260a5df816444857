#include "gui/Bindung.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QGridLayout>
#include <QGroupBox>
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
#include <QStyleOption>
#include <QTimer>
#include <QToolButton>
#include <algorithm>
#include <utility>
#include <type_traits>

#include "forms/Eingabeprotokoll.h"
#include "gui/Auffrischen.h"
#include "gui/Beschleuniger.h"
#include "gui/QtZeichenflaeche.h"
#include "gui/Steuerelement.h"
#include "gui/Tasten.h"
#include "gui/Zeitgeber.h"

namespace {

// The property of a menu item's QAction that holds its text colour.
constexpr const char* TextfarbeEigenschaft = "Textfarbe";

}  // namespace

void Farbmenue::initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const {
    QMenu::initStyleOption(option, action);
    const QVariant farbe = action ? action->property(TextfarbeEigenschaft) : QVariant();
    // A disabled item keeps the style's grey, a highlighted one its contrast.
    if (!farbe.isValid() || !action->isEnabled()) return;
    const QColor c = farbe.value<QColor>();
    for (QPalette::ColorGroup g : {QPalette::Active, QPalette::Inactive})
        for (QPalette::ColorRole r : {QPalette::Text, QPalette::WindowText, QPalette::ButtonText})
            option->palette.setColor(g, r, c);
}

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

void TextSetzen(QAbstractButton* w, const std::string& s) {
    const QString t = QtText(s);
    if (w->text() != t) w->setText(t);
}

void TextSetzen(QLabel* w, const std::string& s) {
    const QString t = QtText(s);
    if (w->text() != t) w->setText(t);
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
        // Coming back to the window is no entering, but the focus a window
        // gives the field when it opens is.
        const bool ersterFokus = !seitAnzeigeFokus_;
        seitAnzeigeFokus_ = true;
        if (*lebt_ && ev_.Betreten && (ersterFokus || !FokusNurWeg(e))) Benutzeraktion(ev_.Betreten);
    }
    void hideEvent(QHideEvent* e) override {
        QLineEdit::hideEvent(e);
        seitAnzeigeFokus_ = false;
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
        // same keys, as in the program; but Ctrl+A selects the text, as in
        // every field (the rotation mode is the menu's business elsewhere).
        if (e->type() == QEvent::ShortcutOverride && !static_cast<QKeyEvent*>(e)->matches(QKeySequence::SelectAll)) {
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
    bool seitAnzeigeFokus_ = false;  // had the focus since its window was last shown
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

struct ZeitgeberBindung : BindungVon<TTimer, Taktgeber> {
    using BindungVon::BindungVon;
    void Auffrischen() override { ZeitgeberAbgleichen(*k, w); }
};

struct MenueBindung : BindungVon<TMenuItem, QAction> {
    using BindungVon::BindungVon;
    void Auffrischen() override {
        const QSignalBlocker s(w);
        const QString t = MitBeschleuniger(w, QtText(k->Caption));
        if (w->text() != t) w->setText(t);
        if (w->isEnabled() != k->Enabled) w->setEnabled(k->Enabled);
        if (w->isVisible() != k->Visible) w->setVisible(k->Visible);
        if (w->isCheckable() != k->Checked) w->setCheckable(k->Checked);
        if (w->isChecked() != k->Checked) w->setChecked(k->Checked);
        if (farbe_ != k->FontColor) {
            farbe_ = k->FontColor;
            // Black is the style's own colour of an item's text.
            w->setProperty(TextfarbeEigenschaft, farbe_ == 0 ? QVariant() : QVariant(FarbeQt(farbe_)));
            for (QObject* o : w->associatedObjects())
                if (auto* m = qobject_cast<QWidget*>(o)) m->update();
        }
    }

private:
    TColor farbe_ = 0;
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
    Taktgeber* q = Neu<ZeitgeberBindung>(T, new Taktgeber(eltern)).w;
    ZeitgeberVerbinden(T, q, lebt_);
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
