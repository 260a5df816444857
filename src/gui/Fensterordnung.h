#pragma once
// Which windows stay on top and where a window opens: the core's placing
// rule applied to the real screen and the windows open on it.

#include <QMargins>
#include <QPoint>
#include <QPointer>
#include <QRect>
#include <string>
#include <vector>

class QWidget;

// The tool windows that stay above the main window and the object dialogs,
// as the result window does.
bool ImVordergrund(const std::string& name);

// The frame the window manager gives w: known once w has been shown; before,
// that of the main window, which is decorated alike.
QMargins Rahmen(const QWidget* w);

// The area of w's screen free for windows (panels excluded).
QRect FreierBereich(const QWidget* w);

// Moves w, which is about to open, from wunsch (its frame's top left) to
// where it is seen, always wholly inside the free area with its frame (cut
// to it when larger). A window that stays on top or is modal covers none of
// the other open windows if the screen has room, else is cascaded; an
// ordinary window goes where the windows that stay on top cover none of it
// if the screen has room, and at least none of its title bar and input
// fields, and leaves the main window's undo and redo buttons free if it
// can. schonen: screen areas to keep visible if it can.
void FreienPlatzWaehlen(QWidget* w, QPoint wunsch, const std::vector<QRect>& schonen = {});

// For as long as it lives, the window w, about to be shown modally, stays
// above every other window of the program, those that stay on top
// included: nothing else can be used until it closes. A window already
// shown is left as it is.
class ModalGanzOben {
public:
    explicit ModalGanzOben(QWidget* w);
    ~ModalGanzOben();
    ModalGanzOben(const ModalGanzOben&) = delete;
    ModalGanzOben& operator=(const ModalGanzOben&) = delete;

private:
    QPointer<QWidget> w_;
    bool gesetzt_ = false;
};
