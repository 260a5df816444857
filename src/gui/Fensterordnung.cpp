#include "gui/Fensterordnung.h"

#include <QApplication>
#include <QGuiApplication>
#include <QMainWindow>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <iterator>

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
    std::vector<Rechteck> offen;
    std::size_t aktiv = std::size_t(-1);
    const QWidget* haupt = Hauptfenster();
    for (QWidget* o : QApplication::topLevelWidgets()) {
        if (o == w || o == haupt || !o->isVisible() || o->isMinimized()) continue;
        const Qt::WindowType art = o->windowType();
        if (art != Qt::Window && art != Qt::Dialog) continue;
        offen.push_back(AlsRechteck(o->frameGeometry()));
        if (o == QApplication::activeWindow()) aktiv = offen.size() - 1;
    }
    // A cascade goes on from the window the user works in.
    if (aktiv < offen.size()) std::swap(offen[aktiv], offen.back());
    // The main window's menu and top panels should stay in reach too, but
    // for a window that blocks them while it is open.
    std::vector<Rechteck> s;
    for (const QRect& r : schonen) s.push_back(AlsRechteck(r));
    const bool modal = w->windowModality() != Qt::NonModal || w->testAttribute(Qt::WA_ShowModal);
    if (auto* h = dynamic_cast<const Hauptfensteransicht*>(haupt); h && h->isVisible() && !modal)
        if (const QRect r = h->Bedienleisten(); !r.isEmpty()) s.push_back(AlsRechteck(r));
    const Rechteck r =
        FensterPlatz(AlsRechteck(frei), aussen.width(), aussen.height(), wunsch.x(), wunsch.y(), offen, s);
    if (r.Width < aussen.width() || r.Height < aussen.height())
        w->resize(r.Width - m.left() - m.right(), r.Height - m.top() - m.bottom());
    w->move(r.Left, r.Top);
}
