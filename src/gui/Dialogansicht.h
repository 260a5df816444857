#pragma once
// The Qt window of one dialog of the core: shows the dialog's state through
// its bindings and runs its close query when the user closes it. The core
// runs a dialog's activation itself before it asks the host to show the
// window. Object dialogs place themselves over the right-hand panel of the
// main window.

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

#include "gui/Auffrischen.h"
#include "gui/Bindung.h"

struct TFormZustand;

class DialogAnsicht : public QDialog, public KernAnsicht {
public:
    // name: the instance name the window is known by ("Form_Kugeln").
    DialogAnsicht(TFormZustand& F, std::string name, QWidget* eltern);

    void Auffrischen() override;
    const std::string& Name() const { return name_; }
    Bindungen& B() { return b_; }
    void setVisible(bool sichtbar) override;

protected:
    // The user closes the window (its open inputs are left first); false
    // keeps it open.
    virtual bool Schliessen() { return true; }
    // Where the window goes when it is shown.
    virtual void Platzieren();
    // What the window should leave visible when it opens, if the screen has
    // room (screen pixels); nothing by default.
    virtual std::vector<QRect> Schonen() const { return {}; }
    // The drawn part of the main window's picture, for windows that draw
    // into it.
    std::vector<QRect> BildSchonen() const;
    // Moves the window so that its top right corner lies at the top right
    // corner of the main window's right panel.
    void UeberRechtemPanel();
    // On a small screen the window takes a smaller font, a point at a time
    // down to 6, until it fits; Breiten sets what depends on the font.
    void SchriftEinpassen(const std::function<void()>& Breiten = {});
    // Moves the window by the least amount that brings it onto the screen.
    void AufDenBildschirm();

    void showEvent(QShowEvent* e) override;
    void hideEvent(QHideEvent* e) override;
    void closeEvent(QCloseEvent* e) override;
    // Escape closes the window as its close button does.
    void reject() override;

    TFormZustand& F_;
    Bindungen b_;

private:
    std::string name_;
};

// Every dialog window and the result window, children of the main window
// (hauptfenster may be nullptr in tests); the caller registers them with
// the host by Name().
std::vector<DialogAnsicht*> DialogeAnlegen(QWidget* hauptfenster);
