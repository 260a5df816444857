#pragma once
// Qt widgets bound to the core's component state. A binding writes the
// component into its widget in Auffrischen() (signals blocked) and turns the
// user's action into the component's event, run through Benutzeraktion so
// every visible view follows. Widgets keep no value of their own.
//
// Text fields report typing by the edit protocol as grids do (GitterTabelle.h).

#include <QKeySequence>
#include <QMenu>
#include <QPalette>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "gui/GitterTabelle.h"
#include "gui/Texte.h"
#include "platform/Komponenten.h"

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QIcon;
class QLabel;
class QLineEdit;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolButton;

// A menu that draws an item's text in the colour the core gives the item
// (TMenuItem::FontColor); a plain QMenu draws every text in the style's.
class Farbmenue : public QMenu {
public:
    using QMenu::QMenu;

protected:
    void initStyleOption(QStyleOptionMenuItem* option, const QAction* action) const override;
};

// A shortcut as the core writes it for the German menus ("Strg+Umschalt+Z").
QKeySequence Kuerzel(const std::string& s);

// Gives w the colour in role rolle while it is enabled (a disabled widget
// keeps the style's grey); nothing when it has that colour already, so a
// refresh costs no palette change.
void FarbeSetzen(QWidget* w, QPalette::ColorRole rolle, const QColor& farbe);
void FarbeSetzen(QWidget* w, QPalette::ColorRole rolle, TColor farbe);

// Presses b as the user presses a speed button: with group index 0 it stays
// up; in a group an up button goes down and releases the others of its
// group, a down one goes up only when its group may be all up. Then klick
// runs (b's own click when empty), also when the down state stayed.
void TempoknopfDruecken(TSpeedButton& b, const std::vector<TSpeedButton*>& gruppe,
                        const std::function<void()>& klick = {});

// What a text field reports. Without Taste every key goes in; without
// Getippt the text goes into the edit by TEdit::SetText (its OnChange runs);
// Verlassen runs when the focus moves to another control of the window (not
// when the window loses it, e.g. to a message box).
struct FeldEreignisse {
    std::function<std::optional<char>(char Taste)> Taste;
    std::function<void(const std::string& Text)> Getippt;
    std::function<void()> Verlassen;
    // Asked before a change without typing (delete, paste); empty: allowed.
    std::function<bool()> Aendern;
    // The user enters the field (not: comes back to it from a message box).
    std::function<void()> Betreten;
    // A press of any mouse button but the right one; the field then takes
    // the press no further.
    std::function<void()> Klick;
};

// How a radio group answers the user.
struct Radiowahl {
    // The items fill this many columns, down the columns first.
    int Spalten = 1;
    // A click on the item that is chosen already runs the click again (a
    // group that opens windows); otherwise it is no click.
    bool Wiederholen = false;
    // false: the items never take the focus.
    bool Fokus = true;
};

// The bindings of one window (or of one part of it).
class Bindungen {
public:
    Bindungen();
    ~Bindungen();
    Bindungen(const Bindungen&) = delete;
    Bindungen& operator=(const Bindungen&) = delete;

    // Handlers left empty run the component's own event (OnClick, OnChange).
    GitterTabelle* Gitter(TStringGrid& G, GitterEreignisse e = {}, QWidget* eltern = nullptr);
    QLineEdit* Feld(TEdit& E, FeldEreignisse e = {}, QWidget* eltern = nullptr);
    QGroupBox* Radiogruppe(TRadioGroup& R, Radiowahl wahl = {}, std::function<void()> handler = {},
                           QWidget* eltern = nullptr);
    QCheckBox* Ankreuzfeld(TCheckBox& C, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    QComboBox* Auswahl(TComboBox& C, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    // A speed button never takes the focus; a down one is told from an up
    // one by its colour. Its group is every bound speed button of the same
    // window with the same group index (TempoknopfDruecken).
    QToolButton* Schnellknopf(TSpeedButton& B, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    QPushButton* Knopf(TButton& B, std::function<void()> handler = {}, QWidget* eltern = nullptr);
    // A button with a symbol (TBitBtn): the caption beside it, the symbol
    // alone while the caption is empty.
    QToolButton* Symbolknopf(TButton& B, const QIcon& symbol, std::function<void()> handler = {},
                             QWidget* eltern = nullptr);
    QLabel* Beschriftung(TLabel& L, QWidget* eltern = nullptr);
    // A panel used as a display field: sunken, its caption centred on its colour.
    QLabel* Anzeige(TPanel& P, QWidget* eltern = nullptr);
    QScrollBar* Rollbalken(TScrollBar& S, Qt::Orientation richtung, QWidget* eltern = nullptr);
    // A Qt timer that runs while the core's timer runs; its ticks run
    // OnTimer (a tick is dropped while one still runs).
    QTimer* Zeitgeber(TTimer& T, QObject* eltern);
    // A menu item at the end of menue: its caption ("&" marks the
    // accelerator), shortcut, check mark and states; its text colour shows
    // in a Farbmenue.
    QAction* Menuepunkt(TMenuItem& M, QMenu* menue, std::function<void()> handler = {});

    void Auffrischen();
    // Closes every open grid editor and reports the focused field as left
    // (the window closes).
    void EingabenBeenden();

    // The widget bound to a component (nullptr: none).
    QWidget* Widget(const void* komponente) const;
    GitterTabelle* Tabelle(const TStringGrid& G) const;
    QAction* Aktion(const TMenuItem& M) const;

    struct Bindung;

private:
    // A binding of kind B of component k to w, refreshed at once.
    template <class B, class K, class W, class... Mehr>
    B& Neu(K& k, W* w, Mehr&&... mehr);
    QObject* Objekt(const void* komponente) const;
    std::vector<std::unique_ptr<Bindung>> liste_;
    // Cleared when the bindings go: handlers of widgets still alive stop.
    std::shared_ptr<bool> lebt_;
};
