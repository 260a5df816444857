#pragma once
// The Qt view of the main window Form_Edits_01: the two top panels across
// the window, below them the left panel with the intersection results, the
// picture PaintBox1 and the right panel, and the menu bar. Qt lays them out
// and the core learns the places; the view shows the core's state and runs
// its handlers.

#include <QImage>
#include <QMainWindow>
#include <QRect>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "gui/Auffrischen.h"

class Bindungen;
class DateiMenue;
class Objektleiste;
class Drehleiste;
class Projektionsleiste;
class QAction;
class QFrame;
class QHBoxLayout;
class QLabel;
class QMenu;
struct TLabel;
struct TMenuItem;
struct TPanel;

// A row of controls across w, without margins.
QHBoxLayout* Reihe(QWidget* w, int abstand);
// A row of the small switches of Panel_oben, named for tests; oben: above
// the rows there already. The first row gives the panel its column.
QHBoxLayout* Schalterzeile(QWidget* panelOben, const char* name, bool oben);

// PaintBox1: shows the last finished picture in one piece. Painting never
// draws the scene: the redraw hands each finished picture over.
class Bildflaeche : public QWidget {
public:
    explicit Bildflaeche(QWidget* eltern = nullptr);
    // Runs after every change of the widget's size.
    std::function<void()> GroesseGeaendert;
    // Keeps a copy of the picture (shared until the canvas draws on) and
    // asks for a repaint.
    void BildUebernehmen(const QImage& bild);
    const QImage& Bild() const { return bild_; }

protected:
    void paintEvent(QPaintEvent* e) override;
    void resizeEvent(QResizeEvent* e) override;

private:
    QImage bild_;
};

class Hauptfensteransicht : public QMainWindow, public KernAnsicht {
public:
    explicit Hauptfensteransicht(QWidget* eltern = nullptr);
    ~Hauptfensteransicht() override;

    void Auffrischen() override;

    // Sizes the window so that its client area (below the menu bar) is
    // breite x hoehe.
    void ClientGroesseSetzen(int breite, int hoehe);
    // Makes the window no larger than the available area of its screen (or
    // of `frei` when given) and moves it into that area.
    void AnBildschirmAnpassen(QRect frei = {});

    Bildflaeche* PaintBox1() const { return paintBox1_; }
    // The part of the picture the scene's frame takes, in screen pixels.
    QRect GezeichneterBildbereich() const;
    // The menu bar and the top panels with their title bar, in screen pixels.
    QRect Bedienleisten() const;
    QWidget* Client() const;
    // The label that shows a result label of the core (nullptr: none).
    QLabel* Ergebnisfeld(const TLabel& l) const;
    QAction* Menuepunkt(const TMenuItem& m) const;
    // The menu "Datei", undo, redo and the store buttons (DateiMenue.cpp).
    DateiMenue* Dateimenue() const { return dateiMenue_; }
    // The menu "Objekte" and the visibility switches (Objektleiste.cpp).
    Objektleiste* Objekte() const { return objektleiste_; }
    // The rotation and hidden-line controls, the menu "zum Drehen" and
    // Timer1 (Drehleiste.cpp).
    Drehleiste* Drehsteuerung() const { return drehleiste_; }
    // The result popup menu, opened by the right mouse button on the picture.
    QMenu* Ergebnispopup() const { return ergebnispopup_; }
    // The projection and picture controls of the right panel
    // (Projektionsleiste.cpp).
    Projektionsleiste* Projektion() const { return projektionsleiste_; }

protected:
    void showEvent(QShowEvent* e) override;
    void changeEvent(QEvent* e) override;
    void moveEvent(QMoveEvent* e) override;
    void closeEvent(QCloseEvent* e) override;

private:
    class ClientFlaeche;
    friend class ClientFlaeche;

    // The layout placed the panels or the picture anew: the core learns the
    // places; its picture, scale and font follow, and the picture is drawn
    // again.
    void LayoutGeaendert();
    // The panels shown as the core has them.
    void Platzieren();
    void LayoutAnlegen();
    void KleinsteGroesseAuffrischen();
    // Fits the window again when its frame has changed since the last fit.
    void RahmenPruefen();
    void Aktivieren();
    void BildZeigen();
    void MenueAnlegen();
    void ErgebnisseAnlegen();
    void ErgebnisseEinpassen();

    std::unique_ptr<Bindungen> b_;
    ClientFlaeche* client_ = nullptr;
    Bildflaeche* paintBox1_ = nullptr;
    struct PanelWidget {
        const TPanel* panel;
        QFrame* widget;
    };
    std::vector<PanelWidget> panels_;
    bool gezeigt_ = false;
    // The frame the window was last fitted with; the window manager adds
    // its frame only after the first show. Fitting again when it changes
    // is for a window that has been fitted to its screen once.
    QMargins rahmen_;
    bool eingepasst_ = false;
    // The activation has run since the window last became active.
    bool aktiv_ = false;
    DateiMenue* dateiMenue_ = nullptr;
    Objektleiste* objektleiste_ = nullptr;
    Drehleiste* drehleiste_ = nullptr;
    QMenu* ergebnispopup_ = nullptr;
    // The result labels of the left panel, g, h to E1, E2.
    std::vector<QLabel*> ergebnisse_;
    Projektionsleiste* projektionsleiste_ = nullptr;
};
