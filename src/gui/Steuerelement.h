#pragma once
// What every bound widget takes over from its component: visibility,
// enabled state, hint and the focus the logic asked for.

class QWidget;
struct TControl;

// The logic asked for the focus: applied once the current event is done,
// not in the middle of a focus change.
void FokusAnwenden(TControl& c, QWidget* w);
void ControlSetzen(QWidget* w, TControl& c);
