#pragma once
// The main window's rotation and hidden-line controls in Qt: the 30 rotate
// switches with "alle drehen" and "alle aus" in the lower row of Panel_oben,
// the rotation buttons, the continuous rotation, the red dot, the counter,
// the mode, the step angle and the hidden-line button on Panel_oben_a, the
// rotation segments, the interval and the animations in a block for the
// foot of Panel_rechts, the menu "zum Drehen", and Timer1.

#include <QObject>
#include <memory>

class Bindungen;
class QAction;
class QMainWindow;
class QTimer;
class QToolButton;
class QWidget;
struct TMenuItem;

class Drehleiste : public QObject {
public:
    // The rotate switches are a row of Panel_oben (Schalterzeile);
    // Panel_oben_a gets a layout of its own.
    Drehleiste(QMainWindow& fenster, QWidget* panelOben, QWidget* panelObenA, QWidget* panelRechts);
    ~Drehleiste() override;

    // The core's state into every control; Timer1 runs exactly while the
    // core's Timer1 runs, at its interval.
    void Auffrischen();

    QTimer* Timer1() const { return timer1_; }
    // The block at the foot of Panel_rechts; the window lays it out.
    QWidget* RechterBlock() const { return rechterBlock_; }
    QAction* Aktion(const TMenuItem& m) const;

private:
    std::unique_ptr<Bindungen> b_;
    QWidget* rechterBlock_ = nullptr;
    QToolButton* vdL_ = nullptr;
    QTimer* timer1_ = nullptr;
};
