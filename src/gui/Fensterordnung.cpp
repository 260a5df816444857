#include "gui/Fensterordnung.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QApplication>
#include <QComboBox>
#include <QGuiApplication>
#include <QLayout>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QToolButton>
#include <QWidget>
#include <algorithm>
#include <iterator>

#include "forms/Hauptfenster.h"
#include "gui/DateiMenue.h"
#include "gui/Hauptfensteransicht.h"
#include "platform/Fensterplatz.h"

namespace {

Rechteck AlsRechteck(const QRect& r) { return {r.left(), r.top(), r.width(), r.height()}; }

// The program's main window (the one QMainWindow among the top-level windows).
const QWidget* Hauptfenster() {
    for (QWidget* w : QApplication::topLevelWidgets())
        if (qobject_cast<QMainWindow*>(w)) return w;
    return nullptr;
}

// The program's top-level windows in a fixed order (Qt's own follows their
// addresses), so that a window opens at the same place on every run.
QWidgetList Fensterliste() {
    QWidgetList liste = QApplication::topLevelWidgets();
    std::stable_sort(liste.begin(), liste.end(),
                     [](const QWidget* a, const QWidget* b) { return a->objectName() < b->objectName(); });
    return liste;
}

// The main window's undo and redo buttons on the screen.
QRect UndoKnoepfe(const Hauptfensteransicht& h) {
    QRect r;
    if (!h.Dateimenue()) return r;
    for (const TButton* k : {&Form_Edits_01.BitBtn_BackObj, &Form_Edits_01.BitBtn_RebackObj})
        if (const QWidget* b = h.Dateimenue()->Knopf(*k); b && b->isVisible())
            r |= QRect(b->mapToGlobal(QPoint(0, 0)), b->size());
    return r;
}

// The input fields of w that it shows, in w's coordinates.
std::vector<QRect> Eingabefelder(QWidget* w) {
    // The children have their places only once the layout has run.
    if (QLayout* l = w->layout()) l->activate();
    std::vector<QRect> felder;
    for (QWidget* k : w->findChildren<QWidget*>()) {
        if (!k->isVisibleTo(w) || !k->isEnabled()) continue;
        const auto* e = qobject_cast<QLineEdit*>(k);
        const bool eingabe = (e && !e->isReadOnly()) || qobject_cast<QAbstractSpinBox*>(k) ||
                             qobject_cast<QAbstractItemView*>(k) || qobject_cast<QComboBox*>(k);
        // The line edit of a spin box or combo box is in its owner's place.
        if (!eingabe || qobject_cast<QAbstractSpinBox*>(k->parentWidget()) ||
            qobject_cast<QComboBox*>(k->parentWidget()))
            continue;
        felder.push_back(QRect(k->mapTo(w, QPoint(0, 0)), k->size()));
    }
    return felder;
}

}  // namespace

bool ImVordergrund(const std::string& name) {
    static const char* const Namen[] = {"Form_Datenausgabe", "Form_Matrizen", "Form_Dreh_Matrizen",
                                        "Form_LaLua",        "Form_VektSumme", "Form_LGS"};
    return std::find(std::begin(Namen), std::end(Namen), name) != std::end(Namen);
}

QMargins Rahmen(const QWidget* w) {
    const auto rahmen = [](const QWidget* f) {
        const QRect a = f->frameGeometry(), i = f->geometry();
        return QMargins(i.left() - a.left(), i.top() - a.top(), a.right() - i.right(), a.bottom() - i.bottom());
    };
    if (w->isVisible() || w->testAttribute(Qt::WA_WState_Created)) {
        const QMargins m = rahmen(w);
        if (!m.isNull()) return m;
    }
    const QWidget* h = Hauptfenster();
    return h && h->isVisible() ? rahmen(h) : QMargins();
}

QRect FreierBereich(const QWidget* w) {
    const QScreen* s = w->screen();
    if (!s) s = QGuiApplication::primaryScreen();
    return s ? s->availableGeometry() : QRect();
}

void FreienPlatzWaehlen(QWidget* w, QPoint wunsch, const std::vector<QRect>& schonen) {
    const QRect frei = FreierBereich(w);
    if (frei.isEmpty()) return;
    const QMargins m = Rahmen(w);
    const QSize aussen = w->size().grownBy(m);
    const QWidget* haupt = Hauptfenster();
    const auto* h = dynamic_cast<const Hauptfensteransicht*>(haupt);
    const bool modal = w->windowModality() != Qt::NonModal || w->testAttribute(Qt::WA_ShowModal);
    const bool oben = w->windowFlags() & Qt::WindowStaysOnTopHint;
    Rechteck r;
    if (!modal && !oben) {
        // Below every window that stays on top, whatever the window manager
        // does: what it must show has to lie beside them.
        Fensterlage lage;
        for (QWidget* o : Fensterliste()) {
            if (o == w || o == haupt || !o->isVisible() || o->isMinimized()) continue;
            const Qt::WindowType art = o->windowType();
            if (art != Qt::Window && art != Qt::Dialog) continue;
            (o->windowFlags() & Qt::WindowStaysOnTopHint ? lage.Oben : lage.Offen)
                .push_back(AlsRechteck(o->frameGeometry()));
        }
        for (const QRect& s : schonen) lage.Schonen.push_back(AlsRechteck(s));
        if (h && h->isVisible()) {
            if (const QRect k = UndoKnoepfe(*h); !k.isEmpty()) lage.Freihalten.push_back(AlsRechteck(k));
            if (const QRect b = h->Bedienleisten(); !b.isEmpty()) lage.Schonen.push_back(AlsRechteck(b));
        }
        std::vector<Rechteck> felder;
        for (const QRect& f : Eingabefelder(w))
            felder.push_back({f.left() + m.left(), f.top() + m.top(), f.width(), f.height()});
        // The title bar as the window manager draws it, or as high as usual.
        r = GewoehnlicherFensterPlatz(AlsRechteck(frei), aussen.width(), aussen.height(), wunsch.x(), wunsch.y(),
                                      m.top() > 0 ? m.top() : TitelHoehe, felder, lage);
    } else {
        std::vector<Rechteck> offen;
        std::size_t aktiv = std::size_t(-1);
        for (QWidget* o : Fensterliste()) {
            if (o == w || o == haupt || !o->isVisible() || o->isMinimized()) continue;
            const Qt::WindowType art = o->windowType();
            if (art != Qt::Window && art != Qt::Dialog) continue;
            offen.push_back(AlsRechteck(o->frameGeometry()));
            if (o == QApplication::activeWindow()) aktiv = offen.size() - 1;
        }
        // A cascade goes on from the window the user works in.
        if (aktiv < offen.size()) std::swap(offen[aktiv], offen.back());
        // The main window's menu and top panels should stay in reach too,
        // but for a window that blocks them while it is open.
        std::vector<Rechteck> s;
        for (const QRect& q : schonen) s.push_back(AlsRechteck(q));
        if (h && h->isVisible() && !modal)
            if (const QRect b = h->Bedienleisten(); !b.isEmpty()) s.push_back(AlsRechteck(b));
        r = FensterPlatz(AlsRechteck(frei), aussen.width(), aussen.height(), wunsch.x(), wunsch.y(), offen, s);
    }
    if (r.Width < aussen.width() || r.Height < aussen.height())
        w->resize(r.Width - m.left() - m.right(), r.Height - m.top() - m.bottom());
    w->move(r.Left, r.Top);
}

ModalGanzOben::ModalGanzOben(QWidget* w) : w_(w) {
    if (!w || w->isVisible() || (w->windowFlags() & Qt::WindowStaysOnTopHint)) return;
    w->setWindowFlag(Qt::WindowStaysOnTopHint, true);
    gesetzt_ = true;
}

ModalGanzOben::~ModalGanzOben() {
    // Hidden again, the window is an ordinary one the next time it opens.
    if (!gesetzt_ || !w_ || w_->isVisible()) return;
    w_->setWindowFlag(Qt::WindowStaysOnTopHint, false);
}
