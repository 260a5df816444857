#pragma once
// The main window's rotation and hidden-line controls in Qt: the 30 rotate
// switches with "alle drehen" and "alle aus" in the lower row of Panel_oben,
// the rotation buttons, the continuous rotation, the red dot, the counter,
// the mode, the step angle and the hidden-line button on Panel_oben_a, the
// rotation segments, the interval and the animations at the foot of
// Panel_rechts (above the undo bar), the menu "zum Drehen", and Timer1.

#include <QObject>
#include <vector>

class Anzeigefeld;
class Auswahlgruppe;
class Editfeld;
class Knopf;
class QAction;
class QMainWindow;
class QTimer;
class QWidget;
class Rollbalken;
class Tempoknopf;
struct TMenuItem;

class Drehleiste : public QObject {
public:
    // Panel_oben gets a vertical layout whose last row is the rotate
    // switches (a row above them goes in with insertWidget(0, ...));
    // Panel_oben_a gets a layout of its own.
    Drehleiste(QMainWindow& fenster, QWidget* panelOben, QWidget* panelObenA, QWidget* panelRechts);

    // The core's state into every control; Timer1 runs exactly while the
    // core's Timer1 runs, at its interval.
    void Auffrischen();

    QTimer* Timer1() const { return timer1_; }
    QAction* Aktion(const TMenuItem& m) const;

private:
    void Tick();
    void TimerAbgleichen();

    QWidget* panelRechts_;
    QWidget* rechterBlock_ = nullptr;
    std::vector<Tempoknopf*> tempoknoepfe_;
    std::vector<Knopf*> knoepfe_;
    Editfeld* drehwinkel_ = nullptr;
    std::vector<Rollbalken*> rollbalken_;
    std::vector<Anzeigefeld*> anzeigen_;
    Auswahlgruppe* animationen_ = nullptr;
    Tempoknopf* vdL_ = nullptr;
    struct MenueEintrag {
        TMenuItem* item;
        QAction* aktion;
    };
    std::vector<MenueEintrag> menue_;
    QTimer* timer1_ = nullptr;
};
