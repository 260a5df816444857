#include "gui/Bedienelemente.h"

#include <QAction>
#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QGridLayout>

#include "gui/Auffrischen.h"
#include "gui/QtZeichenflaeche.h"

namespace {

std::vector<Tempoknopf*>& AlleTempoknoepfe() {
    static std::vector<Tempoknopf*> alle;
    return alle;
}

void TextSetzen(QAbstractButton* w, const std::string& s) {
    const QString t = QtText(s);
    if (w->text() != t) w->setText(t);
}

void HinweisSetzen(QWidget* w, const std::string& s) {
    const QString t = QtText(s);
    if (w->toolTip() != t) w->setToolTip(t);
}

// The colour of an enabled widget; a disabled one keeps the style's grey.
void FarbeSetzen(QWidget* w, QPalette::ColorRole rolle, const QColor& c) {
    if (w->palette().color(QPalette::Active, rolle) == c) return;
    QPalette p = w->palette();
    p.setColor(QPalette::Active, rolle, c);
    p.setColor(QPalette::Inactive, rolle, c);
    w->setPalette(p);
}

void SchriftfarbeSetzen(QWidget* w, QPalette::ColorRole rolle, TColor farbe) { FarbeSetzen(w, rolle, FarbeQt(farbe)); }

void ZustandSetzen(QWidget* w, const TControl& c) {
    if (w->isEnabled() != c.Enabled) w->setEnabled(c.Enabled);
    if (w->isVisibleTo(w->parentWidget()) != c.Visible) w->setVisible(c.Visible);
    HinweisSetzen(w, c.Hint);
}

}  // namespace

QString QtText(const std::string& s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

std::string KernText(const QString& s) { return s.toStdString(); }

void TempoknopfDruecken(TSpeedButton& b, const std::vector<TSpeedButton*>& gruppe) {
    if (b.GroupIndex != 0) {
        if (!b.Down) {
            b.Down = true;
            for (TSpeedButton* a : gruppe)
                if (a != &b && a->GroupIndex == b.GroupIndex) a->Down = false;
        } else if (b.AllowAllUp) {
            b.Down = false;
        }
    }
    b.Click();
}

// ---- Tempoknopf -------------------------------------------------------------------

Tempoknopf::Tempoknopf(TSpeedButton& knopf, const char* name, QWidget* eltern)
    : QToolButton(eltern), knopf_(knopf) {
    setObjectName(QString::fromLatin1(name));
    setFocusPolicy(Qt::NoFocus);  // a speed button never takes the focus
    // Qt's own toggling is overwritten by the refresh that follows the click;
    // a button of group 0 never stays down.
    setCheckable(knopf_.GroupIndex != 0);
    connect(this, &QToolButton::clicked, this, [this] { Gedrueckt(); });
    AlleTempoknoepfe().push_back(this);
    Auffrischen();
}

Tempoknopf::~Tempoknopf() { std::erase(AlleTempoknoepfe(), this); }

void Tempoknopf::Gedrueckt() {
    std::vector<TSpeedButton*> gruppe;
    if (knopf_.GroupIndex != 0)
        for (Tempoknopf* t : AlleTempoknoepfe())
            if (t->window() == window() && t->knopf_.GroupIndex == knopf_.GroupIndex) gruppe.push_back(&t->knopf_);
    TSpeedButton& k = knopf_;
    Benutzeraktion([&k, gruppe] { TempoknopfDruecken(k, gruppe); });
}

void Tempoknopf::Auffrischen() {
    const QSignalBlocker sperre(this);
    TextSetzen(this, knopf_.Caption);
    ZustandSetzen(this, knopf_);
    SchriftfarbeSetzen(this, QPalette::ButtonText, knopf_.FontColor);
    if (isCheckable() != (knopf_.GroupIndex != 0)) setCheckable(knopf_.GroupIndex != 0);
    if (isCheckable() && isChecked() != knopf_.Down) setChecked(knopf_.Down);
    // A down speed button must be told from an up one at a glance.
    const QColor grund = knopf_.Down && isCheckable() ? QColor(168, 176, 190)
                                                      : QApplication::palette(this).color(QPalette::Button);
    FarbeSetzen(this, QPalette::Button, grund);
}

// ---- Knopf ---------------------------------------------------------------------------

Knopf::Knopf(TButton& knopf, const char* name, QWidget* eltern) : QPushButton(eltern), knopf_(knopf) {
    setObjectName(QString::fromLatin1(name));
    setAutoDefault(false);
    connect(this, &QPushButton::clicked, this, [&k = knopf_] { Benutzeraktion([&k] { k.Click(); }); });
    Auffrischen();
}

void Knopf::Auffrischen() {
    const QSignalBlocker sperre(this);
    TextSetzen(this, knopf_.Caption);
    ZustandSetzen(this, knopf_);
}

// ---- Editfeld ------------------------------------------------------------------------

Editfeld::Editfeld(TEdit& edit, const char* name, QWidget* eltern, Tastenfilter filter,
                   std::function<void()> verlassen)
    : QLineEdit(eltern), edit_(edit), filter_(std::move(filter)), verlassen_(std::move(verlassen)) {
    setObjectName(QString::fromLatin1(name));
    connect(this, &QLineEdit::textEdited, this, [&e = edit_](const QString& t) {
        const std::string s = KernText(t);
        Benutzeraktion([&e, s] { e.SetText(s); });
    });
    Auffrischen();
}

void Editfeld::keyPressEvent(QKeyEvent* e) {
    const QString t = e->text();
    // The filter sees typed characters and Backspace; keys that move, delete
    // forward, leave the field or copy and paste are the field's own.
    const bool zeichen = t.size() == 1 && (t[0].isPrint() || e->key() == Qt::Key_Backspace);
    if (!filter_ || !zeichen || e->key() == Qt::Key_Delete) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    const char16_t u = t[0].unicode();
    // A character outside ASCII passes no filter of the program.
    char taste = u == 0x08 ? '\b' : (u < 0x80 ? static_cast<char>(u) : 0);
    if (taste != 0) filter_(taste);
    if (taste == 0) {
        e->accept();
        return;
    }
    if (static_cast<char16_t>(static_cast<unsigned char>(taste)) == u) {
        QLineEdit::keyPressEvent(e);
        return;
    }
    if (taste == '\b') {
        backspace();
        return;
    }
    // The filter typed another character in its place.
    QKeyEvent ersatz(e->type(), e->key(), e->modifiers(), QString(QChar(static_cast<char16_t>(taste))),
                     e->isAutoRepeat(), static_cast<quint16>(e->count()));
    QLineEdit::keyPressEvent(&ersatz);
}

bool Editfeld::event(QEvent* e) {
    // The window's menu shortcuts win over the field's own use of the same
    // keys (Ctrl+A selects all in a Qt field), as they do in the program.
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

void Editfeld::focusOutEvent(QFocusEvent* e) {
    QLineEdit::focusOutEvent(e);
    const Qt::FocusReason g = e->reason();
    if (!verlassen_ || g == Qt::ActiveWindowFocusReason || g == Qt::PopupFocusReason) return;
    Benutzeraktion(verlassen_);
}

void Editfeld::Auffrischen() {
    const QSignalBlocker sperre(this);
    const QString t = QtText(edit_.Text());
    if (text() != t) setText(t);
    ZustandSetzen(this, edit_);
    if (isReadOnly() != edit_.ReadOnly) setReadOnly(edit_.ReadOnly);
    if (edit_.MaxLength > 0 && maxLength() != edit_.MaxLength) setMaxLength(edit_.MaxLength);
    // Focus and selection requests of the core are carried out once.
    if (edit_.FokusAnforderungen > 0) {
        edit_.FokusAnforderungen = 0;
        setFocus(Qt::OtherFocusReason);
    }
    if (edit_.AllesMarkiert) {
        edit_.AllesMarkiert = false;
        selectAll();
    }
}

// ---- Rollbalken ----------------------------------------------------------------------

Rollbalken::Rollbalken(TScrollBar& balken, const char* name, QWidget* eltern)
    : QScrollBar(Qt::Horizontal, eltern), balken_(balken) {
    setObjectName(QString::fromLatin1(name));
    setFocusPolicy(Qt::NoFocus);
    connect(this, &QScrollBar::valueChanged, this, [&b = balken_](int wert) {
        Benutzeraktion([&b, wert] { b.SetPosition(wert); });
    });
    Auffrischen();
}

void Rollbalken::Auffrischen() {
    const QSignalBlocker sperre(this);
    if (minimum() != balken_.Min || maximum() != balken_.Max) setRange(balken_.Min, balken_.Max);
    if (singleStep() != balken_.SmallChange) setSingleStep(balken_.SmallChange);
    if (pageStep() != balken_.LargeChange) setPageStep(balken_.LargeChange);
    if (value() != balken_.Position()) setValue(balken_.Position());
    ZustandSetzen(this, balken_);
}

// ---- Anzeigefeld ---------------------------------------------------------------------

Anzeigefeld::Anzeigefeld(TPanel& panel, const char* name, QWidget* eltern) : QLabel(eltern), panel_(&panel) {
    setObjectName(QString::fromLatin1(name));
    setFrameStyle(QFrame::Panel | QFrame::Sunken);
    setAlignment(Qt::AlignCenter);
    setTextFormat(Qt::PlainText);
    setAutoFillBackground(true);
    Auffrischen();
}

Anzeigefeld::Anzeigefeld(TLabel& label, const char* name, QWidget* eltern) : QLabel(eltern), label_(&label) {
    setObjectName(QString::fromLatin1(name));
    setTextFormat(Qt::PlainText);
    Auffrischen();
}

void Anzeigefeld::Auffrischen() {
    const std::string& caption = panel_ ? panel_->Caption : label_->Caption;
    const QString t = QtText(caption);
    if (text() != t) setText(t);
    if (panel_) {
        ZustandSetzen(this, *panel_);
        SchriftfarbeSetzen(this, QPalette::WindowText, panel_->FontColor);
        SchriftfarbeSetzen(this, QPalette::Window, panel_->Color);
    } else {
        ZustandSetzen(this, *label_);
        SchriftfarbeSetzen(this, QPalette::WindowText, label_->FontColor);
    }
}

// ---- Auswahlgruppe -------------------------------------------------------------------

Auswahlgruppe::Auswahlgruppe(TRadioGroup& gruppe, const char* name, QWidget* eltern, int spalten)
    : QGroupBox(eltern), gruppe_(gruppe) {
    setObjectName(QString::fromLatin1(name));
    if (spalten < 1) spalten = 1;
    auto* gitter = new QGridLayout(this);
    gitter->setContentsMargins(6, 2, 6, 2);
    gitter->setSpacing(2);
    for (int i = 0; i < static_cast<int>(gruppe_.Items.size()); ++i) {
        auto* r = new QRadioButton(QtText(gruppe_.Items[static_cast<std::size_t>(i)]), this);
        r->setFocusPolicy(Qt::NoFocus);
        connect(r, &QRadioButton::clicked, this, [&g = gruppe_, i] {
            Benutzeraktion([&g, i] {
                g.ItemIndex = i;
                g.Click();
            });
        });
        gitter->addWidget(r, i / spalten, i % spalten);
        knoepfe_.push_back(r);
    }
    Auffrischen();
}

QRadioButton* Auswahlgruppe::Eintrag(int i) const {
    return i >= 0 && i < static_cast<int>(knoepfe_.size()) ? knoepfe_[static_cast<std::size_t>(i)] : nullptr;
}

void Auswahlgruppe::Auffrischen() {
    const QString t = QtText(gruppe_.Caption);
    if (title() != t) setTitle(t);
    ZustandSetzen(this, gruppe_);
    for (int i = 0; i < static_cast<int>(knoepfe_.size()); ++i) {
        QRadioButton* r = knoepfe_[static_cast<std::size_t>(i)];
        const QSignalBlocker sperre(r);
        const bool an = i == gruppe_.ItemIndex;
        if (r->isChecked() == an) continue;
        // Unchecking one of an exclusive set needs the exclusivity off.
        r->setAutoExclusive(false);
        r->setChecked(an);
        r->setAutoExclusive(true);
    }
}
