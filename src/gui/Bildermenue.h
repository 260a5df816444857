#pragma once
// The main window's picture commands, the coordinates lock and the help in
// Qt: the menu "Bild", the entry "Koordinaten sperren-zeigen" of the menu
// "Einstellungen", the menu "Hilfe" with F1, the mouse selection of a part
// of the picture, the lock dialog and the window of example pictures.

#include <QObject>
#include <QPoint>

class QAction;
class QDialog;
class QMainWindow;
class QMenu;
class QRubberBand;
class QWidget;
class Bindungen;

class Bildermenue : public QObject {
public:
    // bild: the picture widget whose drags choose the part.
    Bildermenue(QMainWindow& fenster, QWidget* bild);
    ~Bildermenue() override;

    // For tests: an action by its text; the dialogs.
    QAction* Aktion(const QString& text) const;
    QDialog* Sperrdialog() const { return sperre_; }
    QWidget* Beispielfenster() const { return beispiele_; }

protected:
    bool eventFilter(QObject* ziel, QEvent* e) override;

private:
    QAction* Befehl(QMenu* menue, const QString& text, void (*handler)());
    void SperrdialogAnlegen();

    QMainWindow& fenster_;
    QWidget* bild_;
    QRubberBand* band_ = nullptr;
    QPoint anfang_;
    bool ziehen_ = false;
    QDialog* sperre_ = nullptr;
    QWidget* beispiele_ = nullptr;
    Bindungen* b_ = nullptr;
};
