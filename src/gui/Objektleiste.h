#pragma once
// The main window's objects in Qt: the menu "Objekte" that opens every
// object dialog, and the 30 visibility switches with their colour panels in
// the upper row of Panel_oben.

#include <QObject>
#include <cstddef>
#include <memory>
#include <vector>

class Bindungen;
class QAction;
class QFrame;
class QMainWindow;
class QToolButton;
class QWidget;

class Objektleiste : public QObject {
public:
    // The row goes first into Panel_oben's vertical layout (made here when
    // the panel has none yet); the menu is added to the window's menu bar.
    Objektleiste(QMainWindow& fenster, QWidget* panelOben);
    ~Objektleiste() override;

    void Auffrischen();

    // Visibility switch and colour panel of object Nr (1..30); menu entry i
    // of ObjektDialoge.
    QToolButton* Sichtbarkeitsknopf(int Nr) const;
    QFrame* Farbfeld(int Nr) const;
    QAction* Menuepunkt(std::size_t i) const;

private:
    std::unique_ptr<Bindungen> b_;
    QFrame* farben_[30] = {};
    QToolButton* knoepfe_[30] = {};
    std::vector<QAction*> menue_;
};
