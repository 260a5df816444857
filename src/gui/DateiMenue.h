#pragma once
// The main window's commands that keep scenes, in Qt: the menu "Datei"
// (object-data and colour-set files, the preset data set, the preset colour
// sets), the menu "Bearbeiten" (undo, redo), the undo, redo and store
// buttons on the right panel, and the question before the window closes.

#include <QObject>
#include <memory>
#include <string>
#include <vector>

class Bindungen;
class QAction;
class QMainWindow;
class QMenu;
class QToolButton;
class QWidget;
struct TButton;
struct TMenuItem;

class DateiMenue : public QObject {
public:
    // Adds its items to `datei` (the view adds what follows them), the menu
    // "Bearbeiten" to the window's menu bar, and the buttons to the right
    // panel; watches the window's close.
    DateiMenue(QMainWindow& fenster, QMenu* datei, QWidget* panelRechts);
    ~DateiMenue() override;

    // The core's captions, check marks and states into the actions and
    // buttons.
    void Auffrischen();

    // For tests: the action of a menu item of the core, or by its text.
    QAction* Aktion(const TMenuItem& m) const;
    QAction* Aktion(const std::string& text) const;
    QToolButton* Knopf(const TButton& b) const;
    // The undo and store buttons, for the foot of the right panel.
    QWidget* Leiste() const { return leiste_; }

protected:
    // The close question comes before the window's own close handling; a
    // refused close never reaches it.
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QAction* Befehl(QMenu* menue, const char* text, void (*handler)());

    std::unique_ptr<Bindungen> b_;
    QMainWindow& fenster_;
    bool beendet_ = false;  // the user let the window close: no second question
    QWidget* leiste_ = nullptr;
    std::vector<QAction*> befehle_;
};
