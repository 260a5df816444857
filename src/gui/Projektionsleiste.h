#pragma once
// The main window's projection and picture controls in Qt, the upper block
// of Panel_rechts: projection kind, ready-made projections ("Proj-Art"),
// picture plane, eye point or direction with their step buttons, presets,
// axis factors, the shift of the central picture plane with its step box,
// zoom, axis length, picture shift, the view resets and the left panel's
// switch. Buttons that act while held run their timer (Timer2, Timer4,
// Timer5, Timer6) only while the mouse holds them.

#include <QObject>
#include <memory>
#include <vector>

class Bindungen;
class QAbstractButton;
class QAction;
class QMainWindow;
class QTimer;
class QWidget;
struct TMenuItem;
struct TTimer;

class Projektionsleiste : public QObject {
public:
    // The block is made a child of panelRechts (the window lays it out);
    // the step box ComboBox1 floats over client.
    Projektionsleiste(QMainWindow& fenster, QWidget* panelRechts, QWidget* client);
    ~Projektionsleiste() override;

    QWidget* Block() const { return block_; }
    void Auffrischen();

    QAction* Aktion(const TMenuItem& m) const;
    QTimer* Zeitgeber(const TTimer& t) const;

protected:
    // A mouse release anywhere (also in a message box that took the mouse
    // from the button) ends the holding.
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    struct Halten;
    // The button of component k, held: the mouse down runs OnMouseDown,
    // the release OnMouseUp; T ticks while it is held.
    template <class K>
    void Haltbar(K& k, QAbstractButton* w, TTimer& T);
    void Loslassen(Halten& h);
    void Tick(Halten& h);

    std::unique_ptr<Bindungen> b_;
    QWidget* panelRechts_;
    QWidget* block_ = nullptr;
    QWidget* zentral_ = nullptr;        // eye point rows
    QWidget* parallel_ = nullptr;       // direction rows and angle
    QWidget* verschiebung_ = nullptr;   // shift of the central plane
    QWidget* verschKnopf_ = nullptr;    // But_VerschProjEb
    QWidget* auswahl_ = nullptr;        // ComboBox1
    bool auswahlOffen_ = false;
    std::vector<std::unique_ptr<Halten>> halten_;
};
