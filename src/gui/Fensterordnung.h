#pragma once
// Which windows stay on top and where a window opens: the core's placing
// rule applied to the real screen and the windows open on it.

#include <QMargins>
#include <QPoint>
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
// where it covers none of the other open windows if the screen has room,
// else cascaded, and always wholly inside the free area with its frame
// (cut to it when larger). schonen: screen areas to keep visible if it can.
void FreienPlatzWaehlen(QWidget* w, QPoint wunsch, const std::vector<QRect>& schonen = {});
